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

    // How far towards the centre colour (u, v) lies, as fractions of the
    // rectangle: 1 at the centre point, 0 on the boundary, below 0 outside.
    double Weight(double u, double v) const;
};

// Paints figure with the gradient laid over rc. The gradient is computed per
// device pixel over the part of the figure the device can show, so its cost
// follows the output resolution, not the zoom or the figure's world size.
void FillPathGradient(QPainter& g, const QRectF& rc, const QPainterPath& figure, const CPathGradient& gradient,
                      QRgb clrCentre, QRgb clrSurround);
