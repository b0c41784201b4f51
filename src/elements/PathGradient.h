#pragma once

#include <QRectF>
#include <QRgb>

class QPainter;
class QPainterPath;

// The radial fills: a centre colour at a centre point fading linearly along
// every ray to a surround colour on the boundary of a path, the ellipse
// inscribed in the drawing rectangle or the rectangle itself. Nothing is
// painted outside that path.
struct CPathGradient {
    bool bEllipse;
    // The centre point as fractions of the rectangle's width and height.
    float fCentreU;
    float fCentreV;
};

// How the gradient's own boundary is smoothed: by its coverage of each pixel,
// or, where the figure being filled shares that boundary and smooths it
// already, by painting one pixel beyond it.
enum class EGradientEdge { Smooth, FigureEdge };

// Paints figure with the gradient laid over rc. The gradient is computed per
// device pixel over the part of the figure the device can show, so its cost
// follows the output resolution, not the zoom or the figure's world size.
void FillPathGradient(QPainter& g, const QRectF& rc, const QPainterPath& figure, const CPathGradient& gradient,
                      EGradientEdge edge, QRgb clrCentre, QRgb clrSurround);
