#include "elements/PathGradient.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Largest side of the gradient image; beyond it the image is stretched, which
// a smooth gradient does not show.
constexpr double kMaxImageSide = 4096.0;
constexpr int kLevels = 1024;

// Distance ratio towards the boundary along one axis, for a centre at c.
double AxisRatio(double u, double c)
{
    if (u >= c)
        return c < 1.0 ? (u - c) / (1.0 - c) : (u > c ? 2.0 : 0.0);
    return c > 0.0 ? (c - u) / c : 2.0;
}

QRgb Blend(QRgb surround, QRgb centre, double d)
{
    const auto mix = [d](int s, int c) { return int(std::lround(s + (c - s) * d)); };
    return qRgba(mix(qRed(surround), qRed(centre)), mix(qGreen(surround), qGreen(centre)),
                 mix(qBlue(surround), qBlue(centre)), mix(qAlpha(surround), qAlpha(centre)));
}
}  // namespace

double CPathGradient::Weight(double u, double v) const
{
    if (bEllipse)
        return 1.0 - std::hypot(2.0 * u - 1.0, 2.0 * v - 1.0);
    return 1.0 - std::max(AxisRatio(u, fCentreU), AxisRatio(v, fCentreV));
}

void FillPathGradient(QPainter& g, const QRectF& rc, const QPainterPath& figure, const CPathGradient& gradient,
                      QRgb clrCentre, QRgb clrSurround)
{
    // deviceTransform includes any device pixel ratio, so the image matches
    // physical pixels.
    const QTransform toDevice = g.deviceTransform();
    bool bInvertible = false;
    const QTransform toWorld = toDevice.inverted(&bInvertible);
    if (!bInvertible)
        return;

    QRectF area = toDevice.mapRect(figure.boundingRect().intersected(rc));
    if (const QPaintDevice* dev = g.device()) {
        const double ratio = std::max(1.0, dev->devicePixelRatioF());
        area &= QRectF(0, 0, dev->width() * ratio, dev->height() * ratio);
    }
    if (g.hasClipping())
        area &= toDevice.mapRect(g.clipBoundingRect());
    const QRect pixels = area.toAlignedRect();
    if (pixels.isEmpty())
        return;

    const double k = std::min(1.0, kMaxImageSide / std::max(pixels.width(), pixels.height()));
    const int nWidth = std::max(1, int(std::ceil(pixels.width() * k)));
    const int nHeight = std::max(1, int(std::ceil(pixels.height() * k)));
    // Image pixel (i, j) covers device pixels from pixels.topLeft() + (i, j) / k.
    const QTransform imageToWorld = QTransform::fromScale(1.0 / k, 1.0 / k) *
                                    QTransform::fromTranslate(pixels.left(), pixels.top()) * toWorld;

    // (u, v) is affine in the image pixel, so step it instead of mapping each pixel.
    const auto uv = [&](double i, double j) {
        const QPointF w = imageToWorld.map(QPointF(i, j));
        return QPointF((w.x() - rc.x()) / rc.width(), (w.y() - rc.y()) / rc.height());
    };
    const QPointF origin = uv(0.5, 0.5);
    const QPointF stepI = uv(1.5, 0.5) - origin;
    const QPointF stepJ = uv(0.5, 1.5) - origin;

    std::array<QRgb, kLevels> lut;
    for (int n = 0; n < kLevels; ++n)
        lut[size_t(n)] = qPremultiply(Blend(clrSurround, clrCentre, double(n) / (kLevels - 1)));

    QImage image(nWidth, nHeight, QImage::Format_ARGB32_Premultiplied);
    for (int j = 0; j < nHeight; ++j) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
        double u = origin.x() + j * stepJ.x();
        double v = origin.y() + j * stepJ.y();
        for (int i = 0; i < nWidth; ++i, u += stepI.x(), v += stepI.y()) {
            const double d = gradient.Weight(u, v);
            line[i] = d < 0.0 ? 0u : lut[size_t(std::lround(std::min(d, 1.0) * (kLevels - 1)))];
        }
    }

    QBrush brush(image);
    brush.setTransform(QTransform::fromScale(1.0 / k, 1.0 / k) *
                       QTransform::fromTranslate(pixels.left(), pixels.top()) * toWorld);
    const bool bSmooth = g.testRenderHint(QPainter::SmoothPixmapTransform);
    g.setRenderHint(QPainter::SmoothPixmapTransform, k < 1.0);
    g.fillPath(figure, brush);
    g.setRenderHint(QPainter::SmoothPixmapTransform, bSmooth);
}
