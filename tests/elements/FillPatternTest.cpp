#include "elements/ElementTypes.h"
#include "elements/FillWithPattern.h"
#include "support/PixelCanvas.h"

#include <QPainterPath>
#include <array>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kFill = 0xFFFFFFFF;     // fill colour: white
constexpr QRgb kPattern = 0xFF0000FF;  // pattern colour: blue
constexpr QRgb kMid = 0xFF8080FF;      // halfway between them

// Fills rc (type 102 unless told) on a 300 x 200 canvas at scale 2.
CPixelCanvas Filled(int nPattern, QRectF rc = {20, 20, 200, 100}, int16_t nType = ElementType::kRectangle,
                    const QPainterPath* pPath = nullptr, QPointF origin = {0, 0}, double scale = 2.0)
{
    CPixelCanvas c(300, 200, scale);
    c.Paint([&](QPainter& g) { FillWithPattern(g, rc, nPattern, kFill, kPattern, nType, pPath, origin); });
    return c;
}

QPainterPath Polygon(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(pts));
    p.closeSubpath();
    return p;
}
}  // namespace

TEST(FillPatterns, AliasesPaintLikeTheirOriginal)
{
    struct Alias { int nPattern, nSameAs; };
    // 30 repeats 28; everything outside the catalogue is solid fill colour.
    for (const Alias& a : {Alias{30, 28}, Alias{43, 1}, Alias{100, 1}, Alias{1000, 1}, Alias{-5, 1}})
        EXPECT_EQ(Filled(a.nPattern).Image(), Filled(a.nSameAs).Image()) << a.nPattern;
    // The catalogue entries really differ from solid, so the comparison above means something.
    EXPECT_NE(Filled(28).Image(), Filled(1).Image());
    EXPECT_TRUE(ColorNear(Filled(43).At(100, 60), kFill, 0));
}

TEST(FillPatterns, PatternZeroAndUnknownTypesPaintNothing)
{
    EXPECT_FALSE(Filled(0).AnyInk());
    const QPainterPath path = Polygon({{20, 20}, {200, 20}, {200, 100}});
    for (int16_t nType : {ElementType::kLine, ElementType::kText, ElementType::kPicture, int16_t(104), int16_t(0)})
        EXPECT_FALSE(Filled(28, {20, 20, 200, 100}, nType, &path).AnyInk()) << nType;
    // A path type without a path has no figure to paint.
    EXPECT_FALSE(Filled(28, {20, 20, 200, 100}, ElementType::kStar, nullptr).AnyInk());
}

TEST(FillPatterns, RectanglesWithoutAreaPaintNothing)
{
    const QPainterPath path = Polygon({{20, 20}, {200, 20}, {200, 20}});
    for (int nPattern : {1, 5, 25, 32, 37, 42})
        for (QRectF rc : {QRectF(20, 20, 0, 100), QRectF(20, 20, 200, 0), QRectF(20, 20, -50, 100)}) {
            EXPECT_FALSE(Filled(nPattern, rc).AnyInk()) << nPattern;
            EXPECT_FALSE(Filled(nPattern, rc, ElementType::kClosedCurve, &path).AnyInk()) << nPattern;
        }
}

TEST(FillPatterns, TypeCodesChooseTheFigure)
{
    // A given path is ignored for the rhombus and the triangle: the routine
    // builds those from the rectangle.
    const QPainterPath square = Polygon({{20, 20}, {220, 20}, {220, 120}, {20, 120}});
    const QRectF rc(20, 20, 200, 100);
    struct Probe { int16_t nType; QPointF inside, outside; };
    for (const Probe& p : {Probe{ElementType::kRectangle, {22, 22}, {225, 60}},
                           Probe{ElementType::kCircle, {120, 70}, {25, 25}},
                           Probe{ElementType::kRhombus, {120, 70}, {25, 25}},
                           Probe{ElementType::kTriangle, {120, 30}, {30, 30}},
                           Probe{ElementType::kClosedCurve, {25, 25}, {225, 60}},
                           Probe{ElementType::kMoon, {25, 25}, {225, 60}}}) {
        const CPixelCanvas c = Filled(28, rc, p.nType, &square);
        EXPECT_TRUE(c.Inked(p.inside.x(), p.inside.y())) << p.nType;
        EXPECT_FALSE(c.Inked(p.outside.x(), p.outside.y())) << p.nType;
    }
}

TEST(FillPatterns, PolygonsFillWithTheAlternateRule)
{
    // A pentagram: its inner pentagon is enclosed twice and stays empty.
    QPainterPath star = Polygon({{120, 20}, {160, 120}, {60, 55}, {180, 55}, {80, 120}});
    star.setFillRule(Qt::WindingFill);
    const CPixelCanvas c = Filled(28, {60, 20, 120, 100}, ElementType::kClosedCurve, &star);
    EXPECT_FALSE(c.Inked(120, 75));
    EXPECT_TRUE(c.Inked(120, 35));
}

TEST(FillPatterns, HatchCellsFollowTheStyleTableAnchoredAtTheCardCorner)
{
    struct Hatch { int nPattern; std::array<uint8_t, 8> rows; };
    const Hatch hatches[] = {
        {2, {0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99}},   // small checker board
        {7, {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},   // horizontal
        {9, {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}},   // forward diagonal
        {17, {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08}},  // horizontal brick
        {23, {0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01}},  // shingle
        {24, {0x77, 0x89, 0x8F, 0x8F, 0x77, 0x98, 0xF8, 0xF8}},  // sphere
    };
    const QPointF origin(53, 45);  // the card corner; cells are one canvas unit
    // Whole device pixels per cell and fractional ones take different roads.
    for (double scale : {4.0, 1.3})
        for (const Hatch& h : hatches) {
            const CPixelCanvas c = Filled(h.nPattern, {60, 50, 40, 30}, ElementType::kRectangle, nullptr, origin, scale);
            for (int y = 50; y < 80; ++y)
                for (int x = 60; x < 100; ++x) {
                    const int col = (x - 53) % 8, row = (y - 45) % 8;
                    const bool bFore = h.rows[size_t(row)] & (0x80 >> col);
                    ASSERT_EQ(c.At(x + 0.5, y + 0.5), bFore ? kPattern : kFill)
                        << "pattern " << h.nPattern << " at " << x << "," << y << " scale " << scale;
                }
        }
}

TEST(FillPatterns, LinearGradientsRunFromCornerToCorner)
{
    // Corners probed 2 units inside the 200 x 100 rectangle at (20, 20).
    const QPointF tl(22, 22), tr(218, 22), bl(22, 118), br(218, 118);
    struct Case { int nPattern; QPointF first; QRgb clrFirst; QPointF second; QRgb clrSecond; QPointF mid; };
    for (const Case& k : {Case{25, tl, kPattern, tr, kFill, {120, 30}},
                          Case{27, tl, kFill, br, kPattern, {120, 90}},
                          Case{28, tl, kPattern, bl, kFill, {60, 70}},
                          Case{31, tl, kPattern, br, kFill, tr},
                          Case{33, tl, kFill, br, kPattern, bl},
                          Case{34, tr, kPattern, bl, kFill, tl},
                          Case{36, tr, kFill, bl, kPattern, br}}) {
        const CPixelCanvas c = Filled(k.nPattern);
        EXPECT_TRUE(ColorNear(c.At(k.first.x(), k.first.y()), k.clrFirst, 8)) << k.nPattern;
        EXPECT_TRUE(ColorNear(c.At(k.second.x(), k.second.y()), k.clrSecond, 8)) << k.nPattern;
        EXPECT_TRUE(ColorNear(c.At(k.mid.x(), k.mid.y()), kMid, 8)) << k.nPattern;
    }
}

TEST(FillPatterns, BellGradientsPeakInTheMiddle)
{
    struct Case { int nPattern; QPointF end1, end2, middle, quarter; };
    for (const Case& k : {Case{26, {21, 70}, {219, 70}, {120, 70}, {70, 70}},
                          Case{29, {120, 21}, {120, 119}, {120, 70}, {120, 45}},
                          Case{32, {21, 21}, {219, 119}, {120, 70}, {70, 45}},
                          Case{35, {219, 21}, {21, 119}, {120, 70}, {170, 45}}}) {
        const CPixelCanvas c = Filled(k.nPattern);
        EXPECT_TRUE(ColorNear(c.At(k.end1.x(), k.end1.y()), kPattern, 10)) << k.nPattern;
        EXPECT_TRUE(ColorNear(c.At(k.end2.x(), k.end2.y()), kPattern, 10)) << k.nPattern;
        EXPECT_TRUE(ColorNear(c.At(k.middle.x(), k.middle.y()), kFill, 4)) << k.nPattern;
        // A quarter of the way the bell is halfway.
        EXPECT_TRUE(ColorNear(c.At(k.quarter.x(), k.quarter.y()), kMid, 8)) << k.nPattern;
    }
}

TEST(FillPatterns, BellBlendFollowsTheSigmaCurve)
{
    const std::pair<double, double> samples[] = {{0, 0},           {0.0625, 0.04616}, {0.125, 0.14238},
                                                 {0.1875, 0.29941}, {0.25, 0.5},       {0.3125, 0.70059},
                                                 {0.375, 0.85762},  {0.4375, 0.95384}, {0.5, 1}};
    for (auto [t, blend] : samples) {
        EXPECT_NEAR(FillPatterns::BellBlend(t), blend, 1e-5) << t;
        EXPECT_NEAR(FillPatterns::BellBlend(1 - t), blend, 1e-5) << t;
    }
}

TEST(FillPatterns, RadialGradientsHaveThePatternColourAtTheCentrePoint)
{
    struct Case { int nPattern; QPointF centre, halfway; QPointF boundary; };
    // Probes lie a pixel inside the rectangle (20, 20, 200, 100).
    for (const Case& k : {Case{37, {120, 70}, {170, 70}, {219, 70}},
                          Case{38, {20.5, 20.5}, {120, 45}, {219.5, 119.5}},
                          Case{39, {219.5, 20.5}, {120, 45}, {20.5, 119.5}},
                          Case{40, {219.5, 119.5}, {120, 95}, {20.5, 20.5}},
                          Case{41, {20.5, 119.5}, {120, 95}, {219.5, 20.5}},
                          Case{42, {120, 70}, {170, 70}, {120, 20.5}}}) {
        const CPixelCanvas c = Filled(k.nPattern);
        EXPECT_TRUE(ColorNear(c.At(k.centre.x(), k.centre.y()), kPattern, 6)) << k.nPattern;
        EXPECT_TRUE(ColorNear(c.At(k.halfway.x(), k.halfway.y()), kMid, 6)) << k.nPattern;
        EXPECT_TRUE(ColorNear(c.At(k.boundary.x(), k.boundary.y()), kFill, 6)) << k.nPattern;
    }
    // Outside the inscribed ellipse the elliptical gradient paints nothing.
    EXPECT_FALSE(Filled(37).Inked(23, 23));
}

TEST(FillPatterns, RadialGradientFollowsThePainterTransformAndClipsToTheFigure)
{
    // The rectangle (20, 20, 200, 100) with its bottom-left corner cut off,
    // turned a quarter clockwise about (120, 70) and drawn at scale 3: the
    // rectangle lands on (70, -30)-(170, 170), partly off the image, and the
    // cut corner near (70, -30).
    CPixelCanvas c(200, 120, 3.0);
    const QPainterPath figure = Polygon({{20, 20}, {220, 20}, {220, 120}, {70, 120}, {20, 90}});
    c.Paint([&](QPainter& g) {
        g.translate(120, 70);
        g.rotate(90);
        g.translate(-120, -70);
        FillWithPattern(g, {20, 20, 200, 100}, 42, kFill, kPattern, ElementType::kClosedCurve, &figure, {0, 0});
    });
    EXPECT_TRUE(ColorNear(c.At(120, 70), kPattern, 8));
    EXPECT_TRUE(ColorNear(c.At(120, 20), kMid, 8));
    EXPECT_TRUE(c.Inked(75, 40));
    EXPECT_FALSE(c.Inked(75, 3));
    EXPECT_FALSE(c.Inked(60, 40));
}

TEST(FillPatterns, RadialGradientUsesPhysicalPixelsOfHighDensityImages)
{
    QImage image(400, 400, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(2.0);
    {
        QPainter g(&image);  // 200 x 200 logical units
        FillWithPattern(g, {0, 0, 200, 200}, 37, kFill, kPattern, ElementType::kRectangle, nullptr, {0, 0});
    }
    EXPECT_TRUE(ColorNear(image.pixel(200, 200), kPattern, 6));
    EXPECT_TRUE(ColorNear(image.pixel(300, 200), kMid, 6));
    EXPECT_TRUE(ColorNear(image.pixel(398, 200), kFill, 6));
}
