#pragma once

#include "elements/CElement.h"

// The colours, fill pattern and shadow flag a newly drawn shape or line starts
// with, per element type.
struct CClassDefaults {
    int16_t nType;
    QRgb clrBorder;
    QRgb clrFill;
    QRgb clrPattern;
    int32_t nFillPattern;
    int32_t bShadow;
};

const CClassDefaults& ClassDefaultsFor(int16_t nType);

// The two-point constructor's work for shapes and lines: type, normalised
// bounds, the shared settings and the class defaults.
void ApplyShapeDefaults(CElement& e, int16_t nType, QPoint a, QPoint b);
