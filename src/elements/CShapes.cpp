#include "elements/CShapes.h"

#include "elements/ClassDefaults.h"

// Default constructors serve dynamic creation from a file: zero bounds and no
// border until the record supplies them. Two-point constructors serve the
// drawing tools and Clone.
#define KESTOVA_SHAPE_IMPL(Name, Code)                                      \
    Name::Name() { m_nBorderWidth = 0; }                                    \
    Name::Name(QPoint pt1, QPoint pt2) { ApplyShapeDefaults(*this, Code, pt1, pt2); } \
    std::unique_ptr<CElement> Name::Clone() const                           \
    {                                                                       \
        auto p = std::make_unique<Name>(QPoint(m_rcBounds.left, m_rcBounds.top), \
                                        QPoint(m_rcBounds.right, m_rcBounds.bottom)); \
        CopyCommonTo(*p);                                                   \
        return p;                                                           \
    }

KESTOVA_SHAPE_IMPL(CRectangle, ElementType::kRectangle)
KESTOVA_SHAPE_IMPL(CCircle, ElementType::kCircle)
KESTOVA_SHAPE_IMPL(CRhombus, ElementType::kRhombus)
KESTOVA_SHAPE_IMPL(CRectRound, ElementType::kRectRound)
KESTOVA_SHAPE_IMPL(CTriangle, ElementType::kTriangle)
KESTOVA_SHAPE_IMPL(CCalloutBL, ElementType::kCalloutBL)
KESTOVA_SHAPE_IMPL(CCalloutBR, ElementType::kCalloutBR)
KESTOVA_SHAPE_IMPL(CShapeParallelo, ElementType::kParallelogram)
KESTOVA_SHAPE_IMPL(CShapeArrowL, ElementType::kArrowLeft)
KESTOVA_SHAPE_IMPL(CShapeStar, ElementType::kStar)
KESTOVA_SHAPE_IMPL(CShapeExplosion, ElementType::kExplosion)
KESTOVA_SHAPE_IMPL(CShapeMoon, ElementType::kMoon)
KESTOVA_SHAPE_IMPL(CShapeArrowR, ElementType::kArrowRight)
KESTOVA_SHAPE_IMPL(CShapeSun, ElementType::kSun)
