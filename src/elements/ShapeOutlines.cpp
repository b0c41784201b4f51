#include "elements/ShapeOutlines.h"

#include "elements/ElementTypes.h"

#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Arc angles in the shapes' own convention: degrees from the positive x axis,
// growing clockwise on screen. QPainterPath counts counter-clockwise.
void ArcTo(QPainterPath& path, const QRectF& r, double startDeg, double sweepDeg)
{
    if (path.elementCount() == 0)
        path.arcMoveTo(r, -startDeg);
    path.arcTo(r, -startDeg, -sweepDeg);
}

QPainterPath Closed(const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath Rectangle(const QRectF& rc)
{
    QPainterPath path;
    path.addRect(rc);
    return path;
}

QPainterPath Ellipse(const QRectF& rc)
{
    QPainterPath path;
    path.addEllipse(rc);
    return path;
}

QPainterPath Rhombus(const QRectF& rc)
{
    const float x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    return Closed({{x + 0.5f * w, y}, {x, y + 0.5f * h}, {x + 0.5f * w, y + h}, {x + w, y + 0.5f * h}});
}

QPainterPath Triangle(const QRectF& rc)
{
    const float x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    return Closed({{x + 0.5f * w, y}, {x, y + h}, {x + w, y + h}});
}

// The rounded rectangle's four quarter arcs, one per quadrant; a callout
// inserts its tail between the third and the fourth.
enum class Tail { None, BottomLeft, BottomRight };

QPainterPath RoundedWithTail(const QRectF& rc, Tail tail)
{
    const float x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    const float hw = 0.5f * w, hh = 0.5f * h;
    QPainterPath path;
    ArcTo(path, QRectF(x, y, hw, hh), 180, 90);
    ArcTo(path, QRectF(x + hw, y, hw, hh), 270, 90);
    ArcTo(path, QRectF(x + hw, y + hh, hw, hh), 0, 90);
    const QPointF bottomMiddle(x + hw, y + h);
    if (tail == Tail::BottomLeft) {
        path.lineTo(bottomMiddle);
        path.lineTo(x, y + 1.5f * h);
    } else if (tail == Tail::BottomRight) {
        path.lineTo(x + w, y + 1.5f * h);
        path.lineTo(bottomMiddle);
    }
    ArcTo(path, QRectF(x, y + hh, hw, hh), 90, 90);
    path.closeSubpath();
    return path;
}

QPainterPath RoundedRect(const QRectF& rc) { return RoundedWithTail(rc, Tail::None); }
QPainterPath CalloutBL(const QRectF& rc) { return RoundedWithTail(rc, Tail::BottomLeft); }
QPainterPath CalloutBR(const QRectF& rc) { return RoundedWithTail(rc, Tail::BottomRight); }

QPainterPath Parallelogram(const QRectF& rc)
{
    const float x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    const float skew = w * 0.33333334f;
    return Closed({{x, y + h}, {x + skew, y}, {x + w, y}, {x + w - skew, y + h}});
}

QPainterPath ArrowLeft(const QRectF& rc)
{
    const float x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    return Closed({{x + w, y + 0.25f * h},
                   {x + 0.25f * w, y + 0.25f * h},
                   {x + 0.25f * w, y},
                   {x, y + 0.5f * h},
                   {x + 0.25f * w, y + h},
                   {x + 0.25f * w, y + 0.75f * h},
                   {x + w, y + 0.75f * h}});
}

QPainterPath ArrowRight(const QRectF& rc)
{
    const float x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    return Closed({{x, y + 0.25f * h},
                   {x + 0.75f * w, y + 0.25f * h},
                   {x + 0.75f * w, y},
                   {x + w, y + 0.5f * h},
                   {x + 0.75f * w, y + h},
                   {x + 0.75f * w, y + 0.75f * h},
                   {x, y + 0.75f * h}});
}

// Both radii come from the width; the height only places the centre. The
// points start at 72 degrees because the star is drawn turned by a further
// 90 degrees, which puts one point straight up.
QPainterPath Star(const QRectF& rc)
{
    static constexpr double kAngles[10] = {1.2566370616, 1.8849555923999999, 2.5132741232, 3.141592654,
                                           3.7699111847999998, 4.3982297156, 5.0265482464, 5.6548667772,
                                           6.283185308, 6.9115038388};
    constexpr float kInnerRatio = 0.38196602f;
    const float cx = rc.x() + 0.5f * rc.width(), cy = rc.y() + 0.5f * rc.height();
    const float outer = 0.5f * rc.width();
    const float inner = kInnerRatio * outer;
    QPolygonF points;
    for (int k = 0; k < 10; ++k) {
        const double rho = k % 2 == 0 ? outer : inner;
        points << QPointF(float(cx + rho * std::cos(kAngles[k])), float(cy + rho * std::sin(kAngles[k])));
    }
    return Closed(points);
}

QPainterPath SunBody(const QRectF& rc)
{
    QPainterPath path;
    ArcTo(path, rc, 0, 360);
    path.closeSubpath();
    return path;
}

// Eight rays every 45 degrees from 1.2 to 1.6 times the ellipse's 45-degree radius.
QPainterPath SunRays(const QRectF& rc)
{
    constexpr double kQuarterPi = 0.7853981635;
    constexpr double kStep = 0.39269908175;
    constexpr float kRayStart = 1.2f;
    constexpr float kRayEnd = 1.6f;
    const float rx = 0.5f * rc.width(), ry = 0.5f * rc.height();
    const float cx = rc.x() + rx, cy = rc.y() + ry;
    const double c45 = std::cos(kQuarterPi), s45 = std::sin(kQuarterPi);
    const double rho = std::sqrt(c45 * c45 * double(rx) * rx + s45 * s45 * double(ry) * ry);
    QPainterPath rays;
    for (int i = 0; i < 16; i += 2) {
        const double theta = i * kStep;
        const double c = std::cos(theta), s = std::sin(theta);
        rays.moveTo(cx + kRayStart * rho * c, cy + kRayStart * rho * s);
        rays.lineTo(cx + kRayEnd * rho * c, cy + kRayEnd * rho * s);
    }
    return rays;
}

QPainterPath Moon(const QRectF& rc)
{
    const float x = rc.x(), y = rc.y(), w = rc.width(), h = rc.height();
    QPainterPath path;
    ArcTo(path, rc, 90, 180);
    ArcTo(path, QRectF(x + 0.2f * w, y, 0.6f * w, h), -90, -180);
    path.closeSubpath();
    return path;
}

struct CBurstPoint {
    double fDegrees;
    double fReach;  // distance as a fraction of the ellipse's radius in that direction
};

constexpr CBurstPoint kExplosionPoints[24] = {
    {0, 1.0},   {15, 0.4},  {25, 0.7},  {37, 0.5},  {56, 0.8},  {70, 0.4},  {85, 0.7},  {97, 0.5},
    {110, 0.9}, {122, 0.6}, {137, 0.8}, {157, 0.5}, {170, 1.0}, {188, 0.5}, {210, 0.7}, {233, 0.5},
    {253, 0.8}, {270, 0.4}, {285, 0.7}, {300, 0.5}, {316, 1.0}, {330, 0.6}, {342, 0.8}, {350, 0.5},
};

QPainterPath Explosion(const QRectF& rc)
{
    const double rx = 0.5f * rc.width(), ry = 0.5f * rc.height();
    const double cx = rc.x() + rx, cy = rc.y() + ry;
    QPolygonF points;
    for (const CBurstPoint& p : kExplosionPoints) {
        const double theta = p.fDegrees * kDegToRad;
        const double c = std::cos(theta), s = std::sin(theta);
        const double rho = std::sqrt(rx * rx * c * c + ry * ry * s * s);
        points << QPointF(float(cx + c * p.fReach * rho), float(cy + s * p.fReach * rho));
    }
    return Closed(points);
}

using namespace ElementType;
constexpr int16_t kFillAsPath = kRectRound;
constexpr int kStarTurn = 90;

constexpr CShapeOutline kOutlines[] = {
    {kRectangle, kRectangle, 0, Rectangle, nullptr},
    {kCircle, kCircle, 0, Ellipse, nullptr},
    {kRhombus, kRhombus, 0, Rhombus, nullptr},
    {kTriangle, kTriangle, 0, Triangle, nullptr},
    {kRectRound, kFillAsPath, 0, RoundedRect, nullptr},
    {kCalloutBL, kFillAsPath, 0, CalloutBL, nullptr},
    {kCalloutBR, kFillAsPath, 0, CalloutBR, nullptr},
    {kParallelogram, kFillAsPath, 0, Parallelogram, nullptr},
    {kArrowLeft, kFillAsPath, 0, ArrowLeft, nullptr},
    {kArrowRight, kFillAsPath, 0, ArrowRight, nullptr},
    {kStar, kFillAsPath, kStarTurn, Star, nullptr},
    {kSun, kFillAsPath, 0, SunBody, SunRays},
    {kMoon, kFillAsPath, 0, Moon, nullptr},
    {kExplosion, kFillAsPath, 0, Explosion, nullptr},
};
}  // namespace

const CShapeOutline* ShapeOutlines::ForType(int16_t nType)
{
    const auto it = std::find_if(std::begin(kOutlines), std::end(kOutlines),
                                 [nType](const CShapeOutline& o) { return o.nType == nType; });
    return it == std::end(kOutlines) ? nullptr : it;
}

std::span<const CShapeOutline> ShapeOutlines::All() { return kOutlines; }

std::vector<int16_t> ShapeOutlines::AllTypes()
{
    std::vector<int16_t> types;
    for (const CShapeOutline& o : kOutlines)
        types.push_back(o.nType);
    return types;
}
