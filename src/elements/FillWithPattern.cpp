#include "elements/FillWithPattern.h"

#include "elements/ElementTypes.h"
#include "elements/HatchPatterns.h"
#include "elements/PathGradient.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {
enum class Direction { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal };

struct CLinearFill {
    int nPattern;
    Direction direction;
    bool bBell;
    bool bPatternFirst;  // the pattern colour at the start, the fill colour at the end
};

constexpr CLinearFill kLinearFills[] = {
    {25, Direction::Horizontal, false, true},
    {26, Direction::Horizontal, true, true},
    {27, Direction::Horizontal, false, false},
    {28, Direction::Vertical, false, true},
    {29, Direction::Vertical, true, true},
    {30, Direction::Vertical, false, true},
    {31, Direction::ForwardDiagonal, false, true},
    {32, Direction::ForwardDiagonal, true, true},
    {33, Direction::ForwardDiagonal, false, false},
    {34, Direction::BackwardDiagonal, false, true},
    {35, Direction::BackwardDiagonal, true, true},
    {36, Direction::BackwardDiagonal, false, false},
};

struct CRadialFill {
    int nPattern;
    CPathGradient gradient;
};

constexpr CRadialFill kRadialFills[] = {
    {37, {true, 0.5f, 0.5f}},
    {38, {false, 0.0f, 0.0f}},
    {39, {false, 1.0f, 0.0f}},
    {40, {false, 1.0f, 1.0f}},
    {41, {false, 0.0f, 1.0f}},
    {42, {false, 0.5f, 0.5f}},
};

// Enough samples of the bell that linear interpolation between them is invisible.
constexpr int kBellStops = 65;

template <typename T, size_t N>
const T* FindFill(const T (&table)[N], int nPattern)
{
    const auto it = std::find_if(std::begin(table), std::end(table), [nPattern](const T& f) { return f.nPattern == nPattern; });
    return it == std::end(table) ? nullptr : it;
}

bool IsPathType(int16_t nType)
{
    using namespace ElementType;
    static constexpr int16_t kPathTypes[] = {kRectRound, kClosedCurve, kCalloutBL, kCalloutBR, kParallelogram,
                                             kArrowLeft, kStar, kExplosion, kMoon, kArrowRight, kSun};
    return std::find(std::begin(kPathTypes), std::end(kPathTypes), nType) != std::end(kPathTypes);
}

// The figure a type code stands for; empty when the type paints nothing.
QPainterPath Figure(int16_t nType, const QRectF& rc, const QPainterPath* pPath)
{
    const double x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    QPainterPath figure;
    switch (nType) {
    case ElementType::kRectangle: figure.addRect(rc); break;
    case ElementType::kCircle: figure.addEllipse(rc); break;
    case ElementType::kRhombus:
        figure.addPolygon(QPolygonF({{x + 0.5 * w, y}, {x, y + 0.5 * h}, {x + 0.5 * w, y + h}, {x + w, y + 0.5 * h}}));
        figure.closeSubpath();
        break;
    case ElementType::kTriangle:
        figure.addPolygon(QPolygonF({{x + 0.5 * w, y}, {x, y + h}, {x + w, y + h}}));
        figure.closeSubpath();
        break;
    default:
        if (pPath && IsPathType(nType))
            figure = *pPath;
        break;
    }
    figure.setFillRule(Qt::OddEvenFill);
    return figure;
}

// The gradient line runs from the first colour's corner to where the line of
// equal colour through the opposite corner crosses it; on a non-square
// rectangle the diagonals are therefore not at 45 degrees.
QLinearGradient LinearGradient(Direction direction, const QRectF& rc)
{
    const double x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    const double s = 2.0 * w * w * h * h / (w * w + h * h);
    switch (direction) {
    case Direction::Horizontal: return QLinearGradient(x, y, x + w, y);
    case Direction::Vertical: return QLinearGradient(x, y, x, y + h);
    case Direction::ForwardDiagonal: return QLinearGradient(x, y, x + s / w, y + s / h);
    case Direction::BackwardDiagonal: return QLinearGradient(x + w, y, x + w - s / w, y + s / h);
    }
    return QLinearGradient();
}

QColor Mix(QRgb first, QRgb second, double t)
{
    const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(qRed(first), qRed(second)), mix(qGreen(first), qGreen(second)),
                  mix(qBlue(first), qBlue(second)), mix(qAlpha(first), qAlpha(second)));
}

QBrush LinearBrush(const CLinearFill& fill, const QRectF& rc, const QPainterPath& figure, QRgb clrFill,
                   QRgb clrPattern)
{
    const QRgb first = fill.bPatternFirst ? clrPattern : clrFill;
    const QRgb second = fill.bPatternFirst ? clrFill : clrPattern;
    QLinearGradient gradient = LinearGradient(fill.direction, rc);
    // The gradient spans rc, so a figure inside it never sees a repeat; PDF
    // output (and printing through it) writes a repeating gradient once per
    // repetition across the whole page.
    gradient.setSpread(rc.contains(figure.boundingRect()) ? QGradient::PadSpread : QGradient::RepeatSpread);
    if (fill.bBell) {
        QGradientStops stops;
        for (int n = 0; n < kBellStops; ++n) {
            const double t = double(n) / (kBellStops - 1);
            stops.append({t, Mix(first, second, FillPatterns::BellBlend(t))});
        }
        gradient.setStops(stops);
    } else {
        gradient.setColorAt(0.0, QColor::fromRgba(first));
        gradient.setColorAt(1.0, QColor::fromRgba(second));
    }
    return QBrush(gradient);
}

bool IsWhole(double v) { return std::abs(v - std::round(v)) < 1e-6; }

// One cell per world unit, anchored at the card corner. When the painter only
// scales and the cells land on whole device pixels, the tile is drawn at device
// resolution so the fill copies pixels instead of sampling through a transform.
QBrush HatchBrush(const QPainter& g, const CHatchPattern& hatch, QRgb clrFill, QRgb clrPattern, QPointF ptCardOrigin)
{
    constexpr int kMaxDeviceTile = 1024;
    const QTransform toDevice = g.deviceTransform();
    const QPointF origin = toDevice.map(ptCardOrigin);
    const double sx = toDevice.m11(), sy = toDevice.m22();
    const double tileW = HatchPatterns::kCells * sx, tileH = HatchPatterns::kCells * sy;
    if (toDevice.type() <= QTransform::TxScale && sx > 0 && sy > 0 && IsWhole(tileW) && IsWhole(tileH) &&
        IsWhole(origin.x()) && IsWhole(origin.y()) && tileW <= kMaxDeviceTile && tileH <= kMaxDeviceTile) {
        const int w = int(std::lround(tileW)), h = int(std::lround(tileH));
        QImage tile(w, h, QImage::Format_ARGB32);
        for (int j = 0; j < h; ++j) {
            auto* line = reinterpret_cast<QRgb*>(tile.scanLine(j));
            const int row = std::min(HatchPatterns::kCells - 1, int((j + 0.5) / sy));
            for (int i = 0; i < w; ++i) {
                const int col = std::min(HatchPatterns::kCells - 1, int((i + 0.5) / sx));
                line[i] = HatchPatterns::IsForeground(hatch, col, row) ? clrPattern : clrFill;
            }
        }
        QBrush brush(tile);
        brush.setTransform(QTransform::fromTranslate(std::round(origin.x()), std::round(origin.y())) *
                           toDevice.inverted());
        return brush;
    }
    QBrush brush(HatchPatterns::Tile(hatch, clrPattern, clrFill));
    brush.setTransform(QTransform::fromTranslate(ptCardOrigin.x(), ptCardOrigin.y()));
    return brush;
}

double NormalCdf(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }
}  // namespace

double FillPatterns::BellBlend(double t)
{
    constexpr double kFocus = 0.5;
    constexpr double kScale = 1.0;
    const double k = NormalCdf(2.0) - NormalCdf(-2.0);
    const double z = t <= kFocus ? 4.0 * t / kFocus - 2.0 : 2.0 - 4.0 * (t - kFocus) / (1.0 - kFocus);
    return kScale * (NormalCdf(z) - NormalCdf(-2.0)) / k;
}

void FillWithPattern(QPainter& g, const QRectF& rc, int nPattern, QRgb clrFill, QRgb clrPattern, int16_t nType,
                     const QPainterPath* pPath, QPointF ptCardOrigin)
{
    // A rectangle without area encloses nothing, and the gradients would divide by its size.
    if (nPattern == 0 || !(rc.width() > 0.0 && rc.height() > 0.0))
        return;
    const QPainterPath figure = Figure(nType, rc, pPath);
    if (figure.isEmpty())
        return;

    if (const CRadialFill* radial = FindFill(kRadialFills, nPattern)) {
        // Where the figure is the gradient's own path its edge is smoothed once, by the figure.
        const bool bSameEdge = radial->gradient.bEllipse ? nType == ElementType::kCircle
                                                         : nType == ElementType::kRectangle;
        FillPathGradient(g, rc, figure, radial->gradient,
                         bSameEdge ? EGradientEdge::FigureEdge : EGradientEdge::Smooth, clrPattern, clrFill);
    } else if (const CLinearFill* linear = FindFill(kLinearFills, nPattern)) {
        g.fillPath(figure, LinearBrush(*linear, rc, figure, clrFill, clrPattern));
    } else if (const CHatchPattern* hatch = HatchPatterns::ForFillPattern(nPattern)) {
        // Cells stay crisp two-colour squares at any scale.
        const bool bSmooth = g.testRenderHint(QPainter::SmoothPixmapTransform);
        g.setRenderHint(QPainter::SmoothPixmapTransform, false);
        g.fillPath(figure, HatchBrush(g, *hatch, clrFill, clrPattern, ptCardOrigin));
        g.setRenderHint(QPainter::SmoothPixmapTransform, bSmooth);
    } else {
        g.fillPath(figure, QColor::fromRgba(clrFill));
    }
}
