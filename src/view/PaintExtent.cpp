#include "view/PaintExtent.h"

#include "elements/CLines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
CRect Grown(const CRect& rc, int n) { return {rc.left - n, rc.top - n, rc.right + n, rc.bottom + n}; }

CRect United(const CRect& a, const CRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// Freehand lines and closed curves draw their points, which a resize may leave
// outside the bounds.
const CPointList* PointsOf(const CElement& e)
{
    if (const auto* p = dynamic_cast<const CFreehandLine*>(&e))
        return &p->m_points;
    if (const auto* p = dynamic_cast<const CClosedCurve*>(&e))
        return &p->m_points;
    return nullptr;
}
// How far from its centre an outline may reach beyond its rotated bounds, as
// a share of the longer side. Shapes drawn inside their bounds have none; a
// star's points lie half its width from the centre whatever its height, sun
// rays reach 0.8 and callout tails up to 1.12 of the longer side. Lines and
// anything not listed get a whole side for arrow heads and curves.
double ReachFromCentre(int16_t nType)
{
    switch (nType) {
    case ElementType::kRectangle:
    case ElementType::kCircle:
    case ElementType::kRhombus:
    case ElementType::kRectRound:
    case ElementType::kTriangle:
    case ElementType::kParallelogram:
    case ElementType::kArrowLeft:
    case ElementType::kArrowRight:
    case ElementType::kExplosion:
    case ElementType::kMoon:
    case ElementType::kText:
    case ElementType::kPicture:
        return 0.0;
    case ElementType::kStar:
        return 0.5;
    case ElementType::kSun:
        return 0.8;
    case ElementType::kCalloutBL:
    case ElementType::kCalloutBR:
        return 1.12;
    default:
        return 1.0;
    }
}
}  // namespace

CPaintExtent PaintExtentOf(const CElement& e)
{
    // A background covers the card whatever its bounds say.
    if (e.m_nType == ElementType::kBackground)
        return {{}, true};
    CRect rc = e.HitBox();  // the rotated bounds
    CRect rcPoints;
    if (const CPointList* points = PointsOf(e); points && points->Bounds(rcPoints))
        rc = United(rc, Grown(rcPoints, 3));
    const CRect& b = e.m_rcBounds;
    const int nReach = int(std::ceil(ReachFromCentre(e.m_nType) * std::max(std::abs(b.Width()), std::abs(b.Height()))));
    if (nReach > 0) {
        const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
        rc = United(rc, {cx - nReach, cy - nReach, cx + nReach, cy + nReach});
    }
    // A shadow is offset in the element's turned frame, so along a diagonal.
    const int nShadow = e.m_bShadow ? (3 * std::abs(e.m_nShadowOffset) + 1) / 2 : 0;
    const int nGrow = nShadow + 2 * std::abs(e.m_nBorderWidth) + 2;
    return {Grown(rc, nGrow), false};
}
