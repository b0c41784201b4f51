#include "elements/ClassDefaults.h"

#include <array>

namespace {
using namespace ElementType;

constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kGrey = 0xFF7F7F7F,
               kYellow = 0xFFFFFF00, kLightBlue = 0xFF8080FF, kSilver = 0xFFC0C0C0, kBlue = 0xFF0000FF,
               kOrange = 0xFFFF7F00;

constexpr std::array<CClassDefaults, 17> kDefaults = {{
    {kRectangle, kBlack, kWhite, kRed, 1, 0},
    {kRectRound, kBlack, kWhite, kRed, 1, 0},
    {kCircle, kBlack, kWhite, kRed, 1, 0},
    {kRhombus, kBlack, kWhite, kRed, 1, 0},
    {kTriangle, kBlack, kWhite, kRed, 1, 0},
    {kLine, kBlack, kWhite, kRed, 1, 0},
    {kFreehandLine, kBlack, kWhite, kRed, 1, 0},
    {kClosedCurve, kGrey, kWhite, kGrey, 32, 1},
    {kCalloutBL, kGrey, kWhite, kGrey, 32, 1},
    {kExplosion, kGrey, kWhite, kGrey, 32, 1},
    {kCalloutBR, kGrey, kWhite, kGrey, 35, 1},
    {kArrowLeft, kGrey, kWhite, kYellow, 37, 0},
    {kArrowRight, kGrey, kWhite, kYellow, 35, 0},
    {kMoon, kGrey, kWhite, kLightBlue, 36, 0},
    {kParallelogram, kSilver, kWhite, kBlue, 28, 0},
    {kStar, kSilver, kWhite, kBlue, 35, 0},
    {kSun, kOrange, kOrange, kYellow, 33, 0},
}};
}  // namespace

const CClassDefaults& ClassDefaultsFor(int16_t nType)
{
    for (const auto& d : kDefaults)
        if (d.nType == nType)
            return d;
    return kDefaults[0];
}

void ApplyShapeDefaults(CElement& e, int16_t nType, QPoint a, QPoint b)
{
    e.m_nType = nType;
    e.m_rcBounds = CRect::Normalized(a, b);
    e.m_nBorderWidth = 1;
    e.m_nDashStyle = 0;
    e.m_bNoFill = nType == kFreehandLine ? 1 : 0;
    e.m_bVertical = 0;
    e.m_strText.clear();
    e.m_nHAlign = 1;
    e.m_nVAlign = 1;
    const CClassDefaults& d = ClassDefaultsFor(nType);
    e.m_clrBorder = d.clrBorder;
    e.m_clrFill = d.clrFill;
    e.m_clrPattern = d.clrPattern;
    e.m_nFillPattern = d.nFillPattern;
    e.m_bShadow = d.bShadow;
}
