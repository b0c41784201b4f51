#pragma once

#include <QImage>
#include <QPainter>
#include <QRgb>
#include <functional>

class CElement;

// A white image that elements draw into at a known scale (pixels per canvas
// unit), read back by canvas coordinates.
class CPixelCanvas {
public:
    CPixelCanvas(int nWorldWidth, int nWorldHeight, double fScale);

    // Draws at the element's canvas position, as the design view does.
    void Draw(CElement& e);
    // Runs any drawing with the painter already scaled.
    void Paint(const std::function<void(QPainter&)>& paint);

    // The pixel under the canvas point (x, y).
    QRgb At(double x, double y) const;
    // Whether anything but the white background lies within a pixel of (x, y).
    bool Inked(double x, double y) const;
    // Whether any pixel differs from the background.
    bool AnyInk() const;
    const QImage& Image() const { return m_image; }
    double Scale() const { return m_fScale; }

private:
    QImage m_image;
    double m_fScale;
};

// Colour closeness, channel by channel.
bool ColorNear(QRgb a, QRgb b, int nTolerance);
