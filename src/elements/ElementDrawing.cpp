#include "elements/ElementDrawing.h"

#include <QPainter>

QRectF ElementDrawing::DrawingRect(const CRect& rc, const CPlacement& p)
{
    return QRectF(float(p.Dx() + rc.left), float(p.Dy() + rc.top), float(rc.Width()), float(rc.Height()));
}

void ElementDrawing::RotateAboutCentre(QPainter& g, const QRectF& rc, int nRotation)
{
    if (nRotation == 0)
        return;
    const QPointF c = rc.center();
    g.translate(c);
    g.rotate(-nRotation);
    g.translate(-c);
}

QPen ElementDrawing::MakePen(QRgb clr, int nWidth, int nDashStyle)
{
    QPen pen(QColor::fromRgba(clr));
    pen.setWidthF(nWidth);
    if (nWidth == 0)
        pen.setCosmetic(true);
    switch (nDashStyle) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    return pen;
}
