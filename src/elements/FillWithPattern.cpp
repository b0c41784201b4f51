#include "elements/FillWithPattern.h"

#include <QPainter>
#include <QPainterPath>

// Only solid fills are built so far; every other pattern paints solid too.
void FillWithPattern(QPainter& g, const QRectF& rc, int nPattern, QRgb clrFill, QRgb, int16_t,
                     const QPainterPath* pPath, QPointF)
{
    if (nPattern == 0)
        return;
    if (pPath)
        g.fillPath(*pPath, QColor::fromRgba(clrFill));
    else
        g.fillRect(rc, QColor::fromRgba(clrFill));
}
