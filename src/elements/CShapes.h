#pragma once

#include "elements/CElement.h"
#include "elements/ElementInterface.h"

// The fourteen closed shapes. Each draws its outline (built in the drawing
// rectangle) with shadow, fill and border in the common order.
#define KESTOVA_SHAPE(Name)                      \
    class Name : public CElement {               \
        KESTOVA_ELEMENT_CLASS(Name)              \
    public:                                      \
        Name();                                  \
        Name(QPoint pt1, QPoint pt2);            \
    };

KESTOVA_SHAPE(CRectangle)
KESTOVA_SHAPE(CCircle)
KESTOVA_SHAPE(CRhombus)
KESTOVA_SHAPE(CRectRound)
KESTOVA_SHAPE(CTriangle)
KESTOVA_SHAPE(CCalloutBL)
KESTOVA_SHAPE(CCalloutBR)
KESTOVA_SHAPE(CShapeParallelo)
KESTOVA_SHAPE(CShapeArrowL)
KESTOVA_SHAPE(CShapeStar)
KESTOVA_SHAPE(CShapeExplosion)
KESTOVA_SHAPE(CShapeMoon)
KESTOVA_SHAPE(CShapeArrowR)
KESTOVA_SHAPE(CShapeSun)

#undef KESTOVA_SHAPE
