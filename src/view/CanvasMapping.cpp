#include "view/CanvasMapping.h"

#include <algorithm>
#include <cstdlib>

namespace {
// n * num / den rounded to the nearest integer, halves away from zero.
int MulDivRound(long long n, long long num, long long den)
{
    const long long p = n * num;
    const long long q = (std::llabs(p) * 2 + den) / (2 * den);
    return int(p < 0 ? -q : q);
}
}  // namespace

CCanvasMapping::CCanvasMapping(int nCardWidth, int nCardHeight, float fZoom, QPoint ptScroll)
    : m_ptScroll(ptScroll)
{
    // A card size of zero or less would make the mapping singular; treat it
    // as one unit so conversions stay finite.
    m_nWinX = nCardWidth > 0 ? nCardWidth : 1;
    m_nWinY = nCardHeight > 0 ? nCardHeight : 1;
    // trunc(size x zoom), in single precision as the zoom is held; never
    // below one pixel so the inverse conversion stays finite.
    m_nExtX = std::max(1, int(float(m_nWinX) * fZoom));
    m_nExtY = std::max(1, int(float(m_nWinY) * fZoom));
}

QTransform CCanvasMapping::Transform() const
{
    return QTransform(ScaleX(), 0, 0, ScaleY(), -m_ptScroll.x(), -m_ptScroll.y());
}

QPoint CCanvasMapping::ToClient(QPoint pt) const
{
    return {MulDivRound(pt.x(), m_nExtX, m_nWinX) - m_ptScroll.x(),
            MulDivRound(pt.y(), m_nExtY, m_nWinY) - m_ptScroll.y()};
}

QPoint CCanvasMapping::ToCanvas(QPoint pt) const
{
    return {MulDivRound(pt.x() + m_ptScroll.x(), m_nWinX, m_nExtX),
            MulDivRound(pt.y() + m_ptScroll.y(), m_nWinY, m_nExtY)};
}

CRect CCanvasMapping::ToClient(const CRect& rc) const
{
    return CRect::Normalized(ToClient(QPoint(rc.left, rc.top)), ToClient(QPoint(rc.right, rc.bottom)));
}

CRect CCanvasMapping::ToCanvas(const CRect& rc) const
{
    return CRect::Normalized(ToCanvas(QPoint(rc.left, rc.top)), ToCanvas(QPoint(rc.right, rc.bottom)));
}
