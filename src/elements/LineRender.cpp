#include "elements/CLines.h"

#include "elements/ElementDrawing.h"
#include "elements/FillWithPattern.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {
// The segment a straight line draws in its drawing rectangle, as fractions of
// the rectangle's width and height, by direction.
struct CLineEnds {
    QPointF a;
    QPointF b;
};
const CLineEnds kLineEnds[] = {
    {{0, 0}, {1, 0}},  // 0 horizontal, along the top edge
    {{0, 0}, {0, 1}},  // 1 vertical, along the left edge
    {{0, 1}, {1, 0}},  // 2 diagonal up
    {{0, 0}, {1, 1}},  // 3 diagonal down
};
constexpr int kDefaultLineDir = 3;

QPointF At(const QRectF& rc, QPointF f) { return {rc.x() + f.x() * rc.width(), rc.y() + f.y() * rc.height()}; }

// The stored points displaced into the cell being drawn.
QPolygonF Displaced(const CPointList& points, const CPlacement& placement)
{
    QPolygonF poly;
    poly.reserve(points.Count());
    const qreal dx = placement.Dx(), dy = placement.Dy();
    for (const CPointF& p : points.Points())
        poly << QPointF(p.x + dx, p.y + dy);
    return poly;
}

// The steps both point-list classes share: the points are displaced and the
// painter turned about the centre of the current bounds; afterwards the bounds
// are the box of the points, so marks and hit tests follow the stroke. The
// caller draws in between, with the painter saved.
template <typename Stroke>
void RenderPointList(CElement& e, CPointList& points, QPainter& g, const CPlacement& placement, Stroke stroke)
{
    const QRectF rc = ElementDrawing::DrawingRect(e.m_rcBounds, placement);
    const QPolygonF poly = Displaced(points, placement);
    g.save();
    g.setRenderHint(QPainter::Antialiasing, true);
    ElementDrawing::RotateAboutCentre(g, rc, e.m_nRotation);
    points.Bounds(e.m_rcBounds);
    if (poly.size() >= 2)
        stroke(rc, poly);
    g.restore();
}

CPlacement PlacementOf(int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap, float fColGap,
                       int nCardWidth, int nCardHeight)
{
    return CPlacement{nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight};
}
}  // namespace

// A straight line is never turned: its rotation only affects hit testing.
void CLine::Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap, float fColGap,
                   int nCardWidth, int nCardHeight)
{
    PrepareColors();
    const CPlacement placement =
        PlacementOf(nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight);
    const QRectF rc = ElementDrawing::DrawingRect(m_rcBounds, placement);
    const bool bKnown = m_nLineDir >= 0 && m_nLineDir < int(std::size(kLineEnds));
    const CLineEnds& ends = kLineEnds[bKnown ? m_nLineDir : kDefaultLineDir];
    g.save();
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setPen(ElementDrawing::MakePen(m_clrBorder, m_nBorderWidth, m_nDashStyle));
    g.drawLine(At(rc, ends.a), At(rc, ends.b));
    g.restore();
}

void CFreehandLine::Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap,
                           float fColGap, int nCardWidth, int nCardHeight)
{
    PrepareColors();
    const QPen pen = ElementDrawing::MakePen(m_clrBorder, m_nBorderWidth, m_nDashStyle);
    RenderPointList(*this, m_points, g,
                    PlacementOf(nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight),
                    [&](const QRectF&, const QPolygonF& poly) {
                        g.setPen(pen);
                        g.drawPolyline(poly);
                    });
}

// Filled and outlined as the polygon of its points; the outline is an open
// polyline that closes only because the stored stroke ends where it began.
void CClosedCurve::Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap,
                          float fColGap, int nCardWidth, int nCardHeight)
{
    PrepareColors();
    const CPlacement placement =
        PlacementOf(nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight);
    RenderPointList(*this, m_points, g, placement, [&](const QRectF& rc, const QPolygonF& poly) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addPolygon(poly);
        path.closeSubpath();
        const bool bFilled = m_nFillPattern != 0 && !m_bNoFill;
        if (bFilled && m_bShadow)
            g.fillPath(path.translated(m_nShadowOffset, m_nShadowOffset), QColor::fromRgba(m_clrShadow));
        if (bFilled)
            FillWithPattern(g, rc, m_nFillPattern, m_clrFill, m_clrPattern, ElementType::kClosedCurve, &path,
                            ElementDrawing::CardOrigin(placement));
        if (m_nBorderWidth > 0) {
            g.setPen(ElementDrawing::MakePen(m_clrBorder, m_nBorderWidth, m_nDashStyle));
            g.drawPolyline(poly);
        }
    });
}
