#pragma once

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <cstdint>

class QPainter;
class QPainterPath;

// Paints a figure with fill pattern nPattern (0 none, 1 solid, 2-24 hatches,
// 25-36 linear gradients, 37-42 radial gradients, above 42 solid) made from the
// fill and pattern colours. rc is the figure's drawing rectangle; pPath the
// figure for path shapes and closed curves (nType 120); ptCardOrigin the card's
// top-left corner in the painter's world, where hatch cells are anchored.
void FillWithPattern(QPainter& g, const QRectF& rc, int nPattern, QRgb clrFill, QRgb clrPattern,
                     int16_t nType, const QPainterPath* pPath, QPointF ptCardOrigin);
