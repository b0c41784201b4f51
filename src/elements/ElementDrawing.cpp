#include "elements/ElementDrawing.h"

#include <QPainter>
#include <QVector>

namespace {
// Dash and gap lengths in pen widths, per dash style; Qt's own dash styles
// use other lengths.
const QVector<qreal> kDashPatterns[] = {
    {},
    {3, 1},
    {1, 1},
    {3, 1, 1, 1},
    {3, 1, 1, 1, 1, 1},
};
// Corners stay sharp up to this ratio of miter length to pen width and are
// bevelled beyond it, so the star's and the explosion's points stay pointed
// while the crescent's horns, where two arcs meet tangentially, grow no spikes.
constexpr qreal kMiterLimit = 10.0;
}  // namespace

QRectF ElementDrawing::DrawingRect(const CRect& rc, const CPlacement& p)
{
    return QRectF(float(p.Dx() + rc.left), float(p.Dy() + rc.top), float(rc.Width()), float(rc.Height()));
}

QPointF ElementDrawing::CardOrigin(const CPlacement& p)
{
    return QPointF(p.Dx() + kCardCorner, p.Dy() + kCardCorner);
}

void ElementDrawing::RotateAboutCentre(QPainter& g, const QRectF& rc, int nRotation)
{
    if (nRotation % 360 == 0)
        return;
    const QPointF c = rc.center();
    g.translate(c);
    g.rotate(-(nRotation % 360));
    g.translate(-c);
}

QPen ElementDrawing::MakePen(QRgb clr, int nWidth, int nDashStyle)
{
    QPen pen(QColor::fromRgba(clr));
    // Width 0 is Qt's cosmetic one-pixel pen.
    pen.setWidthF(nWidth > 0 ? nWidth : 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::SvgMiterJoin);
    pen.setMiterLimit(kMiterLimit);
    if (nDashStyle > 0 && nDashStyle < int(std::size(kDashPatterns)))
        pen.setDashPattern(kDashPatterns[nDashStyle]);
    return pen;
}
