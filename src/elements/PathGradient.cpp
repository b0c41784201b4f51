#include "elements/PathGradient.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
// Largest side of the gradient image; beyond it the image is stretched, which
// a smooth gradient does not show.
constexpr double kMaxImageSide = 4096.0;
// Colour levels between the centre (m = 0) and the boundary (m = 1).
constexpr int kLevels = 1024;
// Pushes pixels beyond a near edge (one through the centre point) far outside.
constexpr float kOutside = 1.0e6f;

// A value that is affine in the image pixel (i, j).
struct CAffine {
    float a0 = 0, ai = 0, aj = 0;
    float At(int i, int j) const { return a0 + ai * float(i) + aj * float(j); }
};

CAffine Scaled(const CAffine& f, float k, float offset)
{
    return {(f.a0 + offset) * k, f.ai * k, f.aj * k};
}

// The rectangle's m along one axis is the larger of two affine forms: the
// share of the way from the centre to the far edge on either side. A centre on
// an edge has one side only; the other form then cuts everything more than a
// pixel beyond that edge.
std::array<CAffine, 2> AxisForms(const CAffine& u, float c, float fPixel)
{
    if (c <= 0.0f)
        return {u, Scaled(u, -kOutside, fPixel)};
    if (c >= 1.0f)
        return {Scaled(u, -1.0f, -1.0f), Scaled(u, kOutside, -1.0f - fPixel)};
    return {Scaled(u, 1.0f / (1.0f - c), -c), Scaled(u, -1.0f / c, -c)};
}

float AxisSlope(float c)
{
    return (c <= 0.0f || c >= 1.0f) ? 1.0f : 1.0f / std::min(c, 1.0f - c);
}

QRgb Blend(QRgb surround, QRgb centre, double d, double coverage)
{
    const auto mix = [d](int s, int c) { return int(std::lround(s + (c - s) * d)); };
    return qRgba(mix(qRed(surround), qRed(centre)), mix(qGreen(surround), qGreen(centre)),
                 mix(qBlue(surround), qBlue(centre)),
                 int(std::lround(mix(qAlpha(surround), qAlpha(centre)) * coverage)));
}

// Colours by m, the share of the way from the centre point to the boundary,
// sampled every 1 / (kLevels - 1) up to one pixel (fEdge) beyond the boundary.
std::vector<QRgb> ColourTable(QRgb clrCentre, QRgb clrSurround, float fEdge, EGradientEdge edge)
{
    const int nEntries = kLevels + int(std::ceil(fEdge * (kLevels - 1))) + 1;
    // The last entry stands for "outside": transparent, but in the surround
    // colour, so a viewer that smooths the image blends in no black.
    std::vector<QRgb> table(size_t(nEntries) + 1, clrSurround & 0x00FFFFFFu);
    for (int n = 0; n < nEntries; ++n) {
        const double m = double(n) / (kLevels - 1);
        const double coverage =
            edge == EGradientEdge::FigureEdge ? 1.0 : std::clamp(0.5 + (1.0 - m) / fEdge, 0.0, 1.0);
        table[size_t(n)] = Blend(clrSurround, clrCentre, std::max(0.0, 1.0 - m), coverage);
    }
    return table;
}

// Table indices along row j: m scaled to table entries, the last entry (outside)
// for anything beyond the table or not a number.
void EllipseRow(const CAffine& u, const CAffine& v, int j, float fScale, float fLast, int n, int32_t* out)
{
    const float u0 = u.At(0, j), v0 = v.At(0, j), du = u.ai, dv = v.ai;
    for (int i = 0; i < n; ++i) {
        const float a = u0 + du * float(i), b = v0 + dv * float(i);
        const float m = std::sqrt(a * a + b * b) * fScale;
        out[i] = int32_t(m < fLast ? m : fLast);
    }
}

void RectangleRow(const std::array<CAffine, 4>& f, int j, float fScale, float fLast, int n, int32_t* out)
{
    const float f0 = f[0].At(0, j), f1 = f[1].At(0, j), f2 = f[2].At(0, j), f3 = f[3].At(0, j);
    const float d0 = f[0].ai, d1 = f[1].ai, d2 = f[2].ai, d3 = f[3].ai;
    // By value: std::max hands back a reference, which keeps the loop scalar.
    const auto larger = [](float a, float b) { return a > b ? a : b; };
    for (int i = 0; i < n; ++i) {
        const float x = float(i);
        float m = larger(larger(f0 + d0 * x, f1 + d1 * x), larger(f2 + d2 * x, f3 + d3 * x));
        // Just outside both near edges m dips below 0: the centre colour's fringe.
        m = (m > 0.0f ? m : 0.0f) * fScale;
        out[i] = int32_t(m < fLast ? m : fLast);
    }
}
}  // namespace

void FillPathGradient(QPainter& g, const QRectF& rc, const QPainterPath& figure, const CPathGradient& gradient,
                      EGradientEdge edge, QRgb clrCentre, QRgb clrSurround)
{
    // deviceTransform includes any device pixel ratio, so the image matches
    // physical pixels.
    const QTransform toDevice = g.deviceTransform();
    bool bInvertible = false;
    const QTransform toWorld = toDevice.inverted(&bInvertible);
    if (!bInvertible)
        return;

    QRectF area = toDevice.mapRect(figure.boundingRect().intersected(rc));
    // Devices without a size of their own (a picture being recorded) are not cut.
    if (const QPaintDevice* dev = g.device(); dev && dev->width() > 0 && dev->height() > 0) {
        const double ratio = std::max(1.0, dev->devicePixelRatioF());
        area &= QRectF(0, 0, dev->width() * ratio, dev->height() * ratio);
    }
    if (g.hasClipping())
        area &= toDevice.mapRect(g.clipBoundingRect());
    const QRect pixels = area.toAlignedRect().adjusted(-1, -1, 1, 1);
    if (area.isEmpty() || pixels.isEmpty())
        return;

    const double k = std::min(1.0, kMaxImageSide / std::max(pixels.width(), pixels.height()));
    const int nWidth = std::max(1, int(std::ceil(pixels.width() * k)));
    const int nHeight = std::max(1, int(std::ceil(pixels.height() * k)));
    // Image pixel (i, j) covers device pixels from pixels.topLeft() + (i, j) / k.
    const QTransform imageToWorld = QTransform::fromScale(1.0 / k, 1.0 / k) *
                                    QTransform::fromTranslate(pixels.left(), pixels.top()) * toWorld;

    // u and v (fractions of the rectangle) at pixel centres, as affine forms.
    const auto uvAt = [&](double i, double j) {
        const QPointF w = imageToWorld.map(QPointF(i + 0.5, j + 0.5));
        return QPointF((w.x() - rc.x()) / rc.width(), (w.y() - rc.y()) / rc.height());
    };
    const QPointF o = uvAt(0, 0), di = uvAt(1, 0) - o, dj = uvAt(0, 1) - o;
    const CAffine u{float(o.x()), float(di.x()), float(dj.x())};
    const CAffine v{float(o.y()), float(di.y()), float(dj.y())};
    // How far one pixel reaches along each axis.
    const float fPixelU = float(std::abs(di.x()) + std::abs(dj.x()));
    const float fPixelV = float(std::abs(di.y()) + std::abs(dj.y()));

    float fEdge = 0.0f;  // one pixel, in units of m
    std::array<CAffine, 4> forms;
    CAffine ellipseU, ellipseV;
    if (gradient.bEllipse) {
        ellipseU = Scaled(u, 2.0f, -0.5f);
        ellipseV = Scaled(v, 2.0f, -0.5f);
        fEdge = 2.0f * std::max(fPixelU, fPixelV);
    } else {
        const auto fu = AxisForms(u, gradient.fCentreU, fPixelU);
        const auto fv = AxisForms(v, gradient.fCentreV, fPixelV);
        forms = {fu[0], fu[1], fv[0], fv[1]};
        fEdge = std::max(fPixelU * AxisSlope(gradient.fCentreU), fPixelV * AxisSlope(gradient.fCentreV));
    }
    fEdge = std::clamp(fEdge, 1.0f / kLevels, 1.0f);
    const std::vector<QRgb> table = ColourTable(clrCentre, clrSurround, fEdge, edge);
    const float fLastIndex = float(table.size() - 1);
    const float fScale = float(kLevels - 1);

    // Two passes per row: table indices first, in a loop simple enough for the
    // compiler to vectorise, then the colours.
    // Not premultiplied: partly covered edge pixels keep their true colour.
    QImage image(nWidth, nHeight, QImage::Format_ARGB32);
    std::vector<int32_t> indices(static_cast<size_t>(nWidth));
    for (int j = 0; j < nHeight; ++j) {
        if (gradient.bEllipse)
            EllipseRow(ellipseU, ellipseV, j, fScale, fLastIndex, nWidth, indices.data());
        else
            RectangleRow(forms, j, fScale, fLastIndex, nWidth, indices.data());
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
        for (int i = 0; i < nWidth; ++i)
            line[i] = table[size_t(indices[size_t(i)])];
    }

    QBrush brush(image);
    brush.setTransform(imageToWorld);
    const bool bSmooth = g.testRenderHint(QPainter::SmoothPixmapTransform);
    g.setRenderHint(QPainter::SmoothPixmapTransform, k < 1.0);
    g.fillPath(figure, brush);
    g.setRenderHint(QPainter::SmoothPixmapTransform, bSmooth);
}
