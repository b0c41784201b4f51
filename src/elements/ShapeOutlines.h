#pragma once

#include <QPainterPath>
#include <QRectF>
#include <cstdint>
#include <span>
#include <vector>

// How each closed shape is drawn: the outline it builds in its drawing
// rectangle (unrotated, y down), the type code its fill is painted with, any
// turn it adds to its rotation, and any strokes drawn after its border.
struct CShapeOutline {
    int16_t nType;
    int16_t nFillType;
    int nExtraRotation;
    QPainterPath (*Build)(const QRectF& rc);
    // Strokes drawn with the border pen even when the border width is 0; nullptr for none.
    QPainterPath (*BuildDecoration)(const QRectF& rc);
};

namespace ShapeOutlines {
// The outline of a closed shape's type code, or nullptr for any other code.
const CShapeOutline* ForType(int16_t nType);
// Every closed shape.
std::span<const CShapeOutline> All();
// Their type codes, in the same order.
std::vector<int16_t> AllTypes();
}  // namespace ShapeOutlines
