#pragma once

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <cstdint>

class QPainter;
class QPainterPath;

// Paints a figure with fill pattern nPattern (0 none, 1 solid, 2-24 hatches,
// 25-36 linear gradients, 37-42 radial gradients, any other number solid) made
// from the fill and pattern colours. rc is the figure's drawing rectangle; the
// figure is built from rc for types 102 (rectangle), 103 (ellipse), 105
// (rhombus) and 108 (triangle), taken from pPath for closed curves (120) and
// path shapes (107, 201, 202, 205-211), and nothing is painted for any other
// type. Figures fill with the alternate (even-odd) rule. ptCardOrigin is the
// card's top-left corner in the painter's world, where hatch cells (one per
// world unit) are anchored. The painter's state is left as found.
void FillWithPattern(QPainter& g, const QRectF& rc, int nPattern, QRgb clrFill, QRgb clrPattern,
                     int16_t nType, const QPainterPath* pPath, QPointF ptCardOrigin);

namespace FillPatterns {
inline constexpr int kLastCatalogued = 42;
// The sigma-bell blend (focus 0.5, scale 1) of the bell gradients: 0 at both
// ends, 1 in the middle.
double BellBlend(double t);
}  // namespace FillPatterns
