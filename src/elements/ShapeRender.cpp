#include "elements/CShapes.h"

// Shape drawing is not built yet: shapes draw nothing for now.
#define KESTOVA_SHAPE_RENDER(Name) \
    void Name::Render(QPainter&, int, int, float, float, float, float, int, int) {}

KESTOVA_SHAPE_RENDER(CRectangle)
KESTOVA_SHAPE_RENDER(CCircle)
KESTOVA_SHAPE_RENDER(CRhombus)
KESTOVA_SHAPE_RENDER(CRectRound)
KESTOVA_SHAPE_RENDER(CTriangle)
KESTOVA_SHAPE_RENDER(CCalloutBL)
KESTOVA_SHAPE_RENDER(CCalloutBR)
KESTOVA_SHAPE_RENDER(CShapeParallelo)
KESTOVA_SHAPE_RENDER(CShapeArrowL)
KESTOVA_SHAPE_RENDER(CShapeStar)
KESTOVA_SHAPE_RENDER(CShapeExplosion)
KESTOVA_SHAPE_RENDER(CShapeMoon)
KESTOVA_SHAPE_RENDER(CShapeArrowR)
KESTOVA_SHAPE_RENDER(CShapeSun)
