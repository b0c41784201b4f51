#include "elements/CElement.h"

#include "platform/LenientNumbers.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

CRect CRect::Normalized(QPoint a, QPoint b)
{
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

int CPlacement::Hundredths(float fInches) { return LenientNumbers::SaturatingInt(100.0 * double(fInches)); }

// Formed in 64 bits: absurd gaps from a layout file must not overflow.
int CPlacement::Dx() const
{
    return LenientNumbers::SaturatingInt(
        double((int64_t(nCardWidth) + Hundredths(fColGap)) * (nCol - 1) + Hundredths(fLeftMargin)));
}

int CPlacement::Dy() const
{
    return LenientNumbers::SaturatingInt(
        double((int64_t(nCardHeight) + Hundredths(fRowGap)) * (nRow - 1) + Hundredths(fTopMargin)));
}

CElement::CElement() = default;
CElement::~CElement() = default;

std::unique_ptr<CElement> CElement::Clone() const
{
    auto p = std::make_unique<CElement>();
    CopyCommonTo(*p);
    return p;
}

void CElement::Draw(QPainter& g) { Render(g, 1, 1, 0, 0, 0, 0, 0, 0); }

void CElement::DrawToDC(QPainter& dc) { Draw(dc); }

void CElement::Render(QPainter&, int, int, float, float, float, float, int, int) {}

void CElement::RenderToDC(QPainter& dc, int nCol, int nRow, float fLeftMargin, float fTopMargin,
                          float fRowGap, float fColGap, int nCardWidth, int nCardHeight, bool)
{
    Render(dc, nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight);
}

CRect CElement::HitBox() const
{
    CRect rc = m_rcBounds;
    if (m_nRotation % 360 != 0) {
        const int cx = (rc.left + rc.right) / 2;
        const int cy = (rc.top + rc.bottom) / 2;
        const double a = m_nRotation * kDegToRad;
        const double c = std::cos(a);
        const double s = std::sin(a);
        const double xs[4] = {double(rc.left), double(rc.right), double(rc.right), double(rc.left)};
        const double ys[4] = {double(rc.top), double(rc.top), double(rc.bottom), double(rc.bottom)};
        double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
        for (int i = 0; i < 4; ++i) {
            const double dx = xs[i] - cx;
            const double dy = ys[i] - cy;
            const double x = cx + dx * c - dy * s;
            const double y = cy + dx * s + dy * c;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        rc = {int32_t(minX), int32_t(minY), int32_t(maxX), int32_t(maxY)};
    }
    rc.left -= 3;
    rc.top -= 3;
    rc.right += 3;
    rc.bottom += 3;
    return rc;
}

bool CElement::HitTest(QPoint pt) const
{
    const CRect rc = HitBox();
    return rc.left <= pt.x() && pt.x() < rc.right && rc.top <= pt.y() && pt.y() < rc.bottom;
}

void CElement::MoveTo(const CRect& rc) { m_rcBounds = rc; }

void CElement::ResizeTo(const CRect& rc) { m_rcBounds = rc; }

void CElement::AddPoint(QPoint) {}

void CElement::CopyCommonTo(CElement& d) const
{
    d.m_nType = m_nType;
    d.m_nHAlign = m_nHAlign;
    d.m_nVAlign = m_nVAlign;
    d.m_strText = m_strText;
    d.m_bVertical = m_bVertical;
    d.m_clrText = m_clrText;
    d.m_clrBorder = m_clrBorder;
    d.m_clrFill = m_clrFill;
    d.m_clrPattern = m_clrPattern;
    d.m_clrShadow = m_clrShadow;
    d.m_nAlpha = m_nAlpha;
    d.m_rcBounds = m_rcBounds;
    d.m_nReserved = m_nReserved;
    d.m_nBorderWidth = m_nBorderWidth;
    d.m_nDashStyle = m_nDashStyle;
    d.m_nFillPattern = m_nFillPattern;
    d.m_bNoFill = m_bNoFill;
    d.m_bShadow = m_bShadow;
    d.m_nRotation = m_nRotation;
    d.m_nSide = m_nSide;
}

void CElement::PrepareColors()
{
    const auto withAlpha = [this](QRgb c) { return (c & 0x00FFFFFFu) | (QRgb(m_nAlpha) << 24); };
    m_clrBorder = withAlpha(m_clrBorder);
    m_clrFill = withAlpha(m_clrFill);
    m_clrPattern = withAlpha(m_clrPattern);
    m_clrShadow = withAlpha(m_clrShadow);
}
