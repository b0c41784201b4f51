#include "elements/CShapes.h"
#include "elements/ElementRegistry.h"
#include "elements/ShapeOutlines.h"
#include "support/PixelCanvas.h"

#include <cmath>
#include <limits>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFF808080;

// A shape spanning (l, t)-(r, b), solid red without border or shadow.
std::unique_ptr<CElement> Solid(int16_t nType, int l = 100, int t = 100, int r = 300, int b = 200)
{
    auto e = ElementRegistry::CreateForTool(nType, QPoint(l, t), QPoint(r, b));
    e->m_nFillPattern = 1;
    e->m_clrFill = kRed;
    e->m_nBorderWidth = 0;
    e->m_bShadow = 0;
    return e;
}

CPixelCanvas Drawn(CElement& e, double scale = 2.0)
{
    CPixelCanvas c(450, 350, scale);
    c.Draw(e);
    return c;
}

// The centre of the pixels that are not background, in canvas units.
QPointF InkCentre(const CPixelCanvas& c)
{
    double sx = 0, sy = 0;
    long n = 0;
    const QImage& img = c.Image();
    for (int j = 0; j < img.height(); ++j)
        for (int i = 0; i < img.width(); ++i)
            if (img.pixel(i, j) != 0xFFFFFFFF) {
                sx += i + 0.5;
                sy += j + 0.5;
                ++n;
            }
    return n ? QPointF(sx / n / c.Scale(), sy / n / c.Scale()) : QPointF(-1, -1);
}
}  // namespace

TEST(ShapeRender, ShadowOnlyUnderAFill)
{
    struct Case { int nPattern; int bNoFill; bool bDrawn; };
    for (const Case& k : {Case{1, 0, true}, Case{0, 0, false}, Case{1, 1, false}, Case{33, 1, false}}) {
        auto e = Solid(ElementType::kRectangle);
        e->m_nFillPattern = k.nPattern;
        e->m_bNoFill = k.bNoFill;
        e->m_bShadow = 1;
        e->m_clrShadow = kGrey;
        e->m_nShadowOffset = 10;
        const CPixelCanvas c = Drawn(*e);
        // Inside the shape, and in the strip the shadow shows below it.
        EXPECT_EQ(c.At(150, 150), k.bDrawn ? kRed : 0xFFFFFFFF) << k.nPattern << k.bNoFill;
        EXPECT_EQ(c.At(200, 205), k.bDrawn ? kGrey : 0xFFFFFFFF) << k.nPattern << k.bNoFill;
    }
}

TEST(ShapeRender, NoFillKeepsThePatternNumber)
{
    auto e = Solid(ElementType::kCircle);
    e->m_nFillPattern = 17;
    e->m_bNoFill = 1;
    Drawn(*e);
    EXPECT_EQ(e->m_nFillPattern, 17);
}

TEST(ShapeRender, ShadowTurnsWithTheShape)
{
    // Turned a quarter counter-clockwise, the shape's "right and down" is the
    // screen's "up and right".
    auto e = Solid(ElementType::kRectangle, 100, 100, 300, 200);  // becomes (150, 50)-(250, 250)
    e->m_nRotation = 90;
    e->m_bShadow = 1;
    e->m_clrShadow = kGrey;
    e->m_nShadowOffset = 10;
    const CPixelCanvas c = Drawn(*e);
    EXPECT_EQ(c.At(255, 100), kGrey);
    EXPECT_EQ(c.At(200, 45), kGrey);
    EXPECT_EQ(c.At(200, 255), 0xFFFFFFFF);
    EXPECT_EQ(c.At(145, 100), 0xFFFFFFFF);
}

TEST(ShapeRender, BorderWidthZeroDrawsNoOutline)
{
    for (int16_t nType : ShapeOutlines::AllTypes()) {
        if (nType == ElementType::kSun)
            continue;  // its rays are drawn at width 0 too
        auto e = Solid(nType);
        e->m_nFillPattern = 0;
        e->m_clrBorder = kBlack;
        EXPECT_FALSE(Drawn(*e).AnyInk()) << nType;
        e->m_nBorderWidth = 1;
        EXPECT_TRUE(Drawn(*e).AnyInk()) << nType;
    }
}

TEST(ShapeRender, AlphaZeroDrawsNothing)
{
    for (int16_t nType : ShapeOutlines::AllTypes()) {
        auto e = ElementRegistry::CreateForTool(nType, QPoint(100, 100), QPoint(300, 200));
        e->m_bShadow = 1;
        e->m_nBorderWidth = 3;
        e->m_nAlpha = 0;
        EXPECT_FALSE(Drawn(*e).AnyInk()) << nType;
    }
}

TEST(ShapeRender, AlphaAppliesToEveryColour)
{
    // Fill and pattern colour alike, so every kind of fill paints plain red.
    for (int nPattern : {1, 7, 25, 26, 37, 42}) {
        auto e = Solid(ElementType::kRectangle);
        e->m_nFillPattern = nPattern;
        e->m_clrPattern = kRed;
        e->m_nAlpha = 128;
        e->m_bShadow = 1;
        e->m_clrShadow = kBlack;
        e->m_nShadowOffset = 10;
        const CPixelCanvas c = Drawn(*e);
        EXPECT_TRUE(ColorNear(c.At(105, 150), qRgb(255, 127, 127), 2)) << nPattern;  // half red over white
        EXPECT_TRUE(ColorNear(c.At(200, 205), qRgb(127, 127, 127), 2)) << nPattern;  // half black shadow
    }
}

TEST(ShapeRender, DashStylesHaveTheirLengthsInPenWidths)
{
    struct Case { int nStyle; std::vector<int> runs; };  // alternate on and off lengths in canvas units
    for (const Case& k : {Case{1, {12, 4, 12, 4}}, Case{2, {4, 4, 4, 4}}, Case{3, {12, 4, 4, 4, 12}},
                          Case{4, {12, 4, 4, 4, 4, 4, 12}}}) {
        auto e = Solid(ElementType::kRectangle);
        e->m_nFillPattern = 0;
        e->m_nBorderWidth = 4;
        e->m_nDashStyle = k.nStyle;
        const CPixelCanvas c = Drawn(*e, 1.0);
        // Walk along the top edge from its left end, measuring runs.
        std::vector<int> runs;
        bool bInk = true;
        int n = 0;
        for (int x = 100; x < 100 + 60 && runs.size() < k.runs.size(); ++x) {
            const bool bNow = qRed(c.At(x + 0.5, 100.5)) < 128;
            if (bNow == bInk) {
                ++n;
            } else {
                runs.push_back(n);
                bInk = bNow;
                n = 1;
            }
        }
        EXPECT_EQ(runs, k.runs) << k.nStyle;
    }
}

TEST(ShapeRender, StarIsSizedByItsWidthAndPointsUp)
{
    auto e = Solid(ElementType::kStar, 100, 100, 300, 200);  // centre (200, 150), outer radius 100
    CPixelCanvas c = Drawn(*e);
    EXPECT_TRUE(c.Inked(200, 55));    // the top point, above the rectangle
    EXPECT_FALSE(c.Inked(200, 45));
    EXPECT_TRUE(c.Inked(150, 222));   // the lower points, below it
    EXPECT_TRUE(c.Inked(250, 222));
    EXPECT_FALSE(c.Inked(200, 200));  // no point straight down
    EXPECT_FALSE(c.Inked(105, 150));

    e->m_nRotation = 90;  // a further quarter counter-clockwise: the point goes left
    c = Drawn(*e);
    EXPECT_TRUE(c.Inked(105, 150));
    EXPECT_FALSE(c.Inked(200, 55));
    EXPECT_FALSE(c.Inked(290, 150));
}

TEST(ShapeRender, CalloutTailsReachHalfAHeightBelow)
{
    struct Case { int16_t nType; QPointF nearTip; QPointF beyondTip; QPointF shadowOnly; };
    // Rectangle (100, 100)-(300, 200): the tips are at (100, 250) and (300, 250).
    for (const Case& k : {Case{ElementType::kCalloutBL, {115, 239}, {100, 256}, {121, 246}},
                          Case{ElementType::kCalloutBR, {285, 239}, {300, 256}, {291, 247}}}) {
        auto e = Solid(k.nType);
        e->m_bShadow = 1;
        e->m_clrShadow = kGrey;
        e->m_nShadowOffset = 6;
        const CPixelCanvas c = Drawn(*e);
        EXPECT_EQ(c.At(k.nearTip.x(), k.nearTip.y()), kRed) << k.nType;
        EXPECT_EQ(c.At(k.beyondTip.x(), k.beyondTip.y()), 0xFFFFFFFF) << k.nType;
        EXPECT_EQ(c.At(k.shadowOnly.x(), k.shadowOnly.y()), kGrey) << k.nType;
    }
}

TEST(ShapeRender, SunRaysRunFromOnePointTwoToOnePointSixRho)
{
    // rx 100, ry 50: rho = sqrt((100² + 50²) / 2) = 79.06; rays from 94.9 to 126.5.
    auto e = Solid(ElementType::kSun);
    e->m_nFillPattern = 0;
    e->m_clrBorder = kBlack;
    const CPixelCanvas c = Drawn(*e);  // border width 0: the thinnest line
    EXPECT_TRUE(c.Inked(200, 250));   // straight down
    EXPECT_FALSE(c.Inked(200, 240));
    EXPECT_FALSE(c.Inked(200, 282));
    EXPECT_TRUE(c.Inked(320, 150));   // to the right
    EXPECT_FALSE(c.Inked(330, 150));
    const double d = 110 / std::sqrt(2.0);  // along the diagonal
    EXPECT_TRUE(c.Inked(200 + d, 150 - d));
    EXPECT_FALSE(c.Inked(200, 180));  // the body has no border at width 0
}

TEST(ShapeRender, ThickBordersKeepPointsSharpWithoutSpikes)
{
    // The crescent's horns at (200, 100) and (200, 200) join two tangent arcs:
    // no miter spike may shoot out of them.
    auto moon = Solid(ElementType::kMoon);
    moon->m_nBorderWidth = 4;
    moon->m_clrBorder = kBlack;
    const CPixelCanvas c = Drawn(*moon);
    EXPECT_FALSE(c.Inked(212, 100));
    EXPECT_FALSE(c.Inked(212, 200));
    // The star's top point stays pointed: its miter reaches past the tip at (200, 50).
    auto star = Solid(ElementType::kStar);
    star->m_nBorderWidth = 4;
    star->m_clrBorder = kBlack;
    EXPECT_TRUE(Drawn(*star).Inked(200, 47));
}

TEST(ShapeRender, RoundedRectangleCornersAreQuarterEllipses)
{
    // 400 x 100: radii 100 and 25, the top-left corner centred at (200, 125).
    auto e = Solid(ElementType::kRectRound, 100, 100, 500, 200);
    const CPixelCanvas c = Drawn(*e);
    struct Probe { double x, y; bool bInside; };
    for (const Probe& p : {Probe{150, 101, false}, Probe{150, 106, true}, Probe{110, 111, false},
                           Probe{110, 117, true}, Probe{117, 110, false}, Probe{123, 110, true},
                           Probe{205, 101, true}, Probe{101, 130, true}})
        EXPECT_EQ(c.At(p.x, p.y) == kRed, p.bInside) << p.x << "," << p.y;
}

TEST(ShapeRender, OutlinesMatchTheirTables)
{
    // Probes in the rectangle (100, 100)-(300, 200), just inside or outside an edge.
    struct Probe { int16_t nType; double x, y; bool bInside; };
    for (const Probe& p : {
             Probe{ElementType::kRhombus, 200, 103, true}, Probe{ElementType::kRhombus, 140, 115, false},
             Probe{ElementType::kTriangle, 200, 103, true}, Probe{ElementType::kTriangle, 140, 150, false},
             Probe{ElementType::kParallelogram, 170, 103, true}, Probe{ElementType::kParallelogram, 160, 103, false},
             Probe{ElementType::kParallelogram, 230, 197, true}, Probe{ElementType::kParallelogram, 240, 197, false},
             Probe{ElementType::kArrowLeft, 103, 150, true}, Probe{ElementType::kArrowLeft, 200, 120, false},
             Probe{ElementType::kArrowLeft, 145, 108, true}, Probe{ElementType::kArrowRight, 297, 150, true},
             Probe{ElementType::kArrowRight, 255, 108, true}, Probe{ElementType::kArrowRight, 200, 180, false},
             Probe{ElementType::kMoon, 103, 150, true}, Probe{ElementType::kMoon, 145, 150, false},
             Probe{ElementType::kMoon, 130, 150, true}, Probe{ElementType::kMoon, 250, 150, false},
             Probe{ElementType::kExplosion, 296, 150, true}, Probe{ElementType::kExplosion, 200, 110, false},
             Probe{ElementType::kExplosion, 160, 198, false}, Probe{ElementType::kExplosion, 200, 150, true},
         }) {
        auto e = Solid(p.nType);
        EXPECT_EQ(Drawn(*e).At(p.x, p.y) == kRed, p.bInside) << p.nType << " at " << p.x << "," << p.y;
    }
}

TEST(ShapeRender, RotationKeepsTheCentre)
{
    for (int16_t nType : {ElementType::kRectangle, ElementType::kTriangle, ElementType::kArrowRight}) {
        for (int nRotation : {30, 90, -45, 400}) {
            auto e = Solid(nType, 100, 100, 300, 200);
            e->m_nRotation = nRotation;
            const CPixelCanvas turned = Drawn(*e);
            e->m_nRotation = 0;
            const QPointF c0 = InkCentre(Drawn(*e));
            const QPointF c1 = InkCentre(turned);
            // The shape's own centroid turns about the rectangle's centre (200, 150).
            const double a = -nRotation * kDegToRad;
            const QPointF d = c0 - QPointF(200, 150);
            const QPointF expected(200 + d.x() * std::cos(a) - d.y() * std::sin(a),
                                   150 + d.x() * std::sin(a) + d.y() * std::cos(a));
            EXPECT_NEAR(c1.x(), expected.x(), 0.5) << nType << " " << nRotation;
            EXPECT_NEAR(c1.y(), expected.y(), 0.5) << nType << " " << nRotation;
        }
    }
}

TEST(ShapeRender, RotationWorksWhereverTheCentreLies)
{
    // Exported, the card corner is the origin: this rectangle's centre lies
    // above and on the origin's vertical, at (0, -5).
    auto e = Solid(ElementType::kRectangle, 20, 30, 80, 60);
    e->m_nRotation = 90;  // 60 x 30 turns into 30 x 60 about the same centre
    CPixelCanvas c(200, 200, 2.0);
    c.Paint([&](QPainter& g) {
        g.translate(100, 100);
        e->Render(g, 1, 1, -0.5f, -0.5f, 0, 0, 350, 200);
    });
    EXPECT_EQ(c.At(100 - 13, 100 - 33), kRed);
    EXPECT_EQ(c.At(100 + 13, 100 + 23), kRed);
    EXPECT_EQ(c.At(100 + 20, 100 - 5), 0xFFFFFFFF);
    EXPECT_EQ(c.At(100, 100 + 28), 0xFFFFFFFF);
}

TEST(ShapeRender, HatchCellsSitOnTheCardInEveryOutput)
{
    // The same card drawn by the view (card corner at 50, 50) and by export
    // (margins of -0.5 inch put the corner at the origin) shows identical cells.
    auto e = Solid(ElementType::kRectangle, 70, 70, 130, 110);
    e->m_nFillPattern = 11;  // cross
    e->m_clrPattern = kBlack;
    CPixelCanvas view(200, 200, 3.0);
    view.Draw(*e);
    CPixelCanvas exported(200, 200, 3.0);
    exported.Paint([&](QPainter& g) { e->Render(g, 1, 1, -0.5f, -0.5f, 0, 0, 350, 200); });
    for (int y = 20; y < 60; ++y)
        for (int x = 20; x < 80; ++x) {
            const QRgb expected = (x % 8 == 0 || y % 8 == 0) ? kBlack : kRed;
            ASSERT_EQ(exported.At(x + 0.5, y + 0.5), expected) << x << "," << y;
            ASSERT_EQ(view.At(x + 50.5, y + 50.5), expected) << x << "," << y;
        }
}

TEST(ShapeRender, LeavesThePainterAsFound)
{
    CPixelCanvas c(100, 100, 1.0);
    c.Paint([](QPainter& g) {
        g.translate(3, 4);
        g.setPen(QPen(Qt::green, 2));
        g.setBrush(Qt::blue);
        const QTransform before = g.worldTransform();
        for (int16_t nType : ShapeOutlines::AllTypes()) {
            auto e = ElementRegistry::CreateForTool(nType, QPoint(10, 10), QPoint(60, 40));
            e->m_nRotation = 30;
            e->m_bShadow = 1;
            e->Draw(g);
            EXPECT_EQ(g.worldTransform(), before) << nType;
            EXPECT_EQ(g.pen(), QPen(Qt::green, 2)) << nType;
            EXPECT_EQ(g.brush(), QBrush(Qt::blue)) << nType;
            EXPECT_FALSE(g.testRenderHint(QPainter::Antialiasing)) << nType;
            EXPECT_FALSE(g.hasClipping()) << nType;
        }
    });
}

TEST(ShapeRender, DegenerateRectanglesFillNothing)
{
    for (int16_t nType : ShapeOutlines::AllTypes())
        for (QPoint far : {QPoint(100, 200), QPoint(300, 100), QPoint(100, 100)}) {
            auto e = Solid(nType, 100, 100, far.x(), far.y());
            e->m_bShadow = 1;
            e->m_nRotation = 30;
            e->m_nBorderWidth = 2;
            e->m_clrBorder = kBlack;
            const CPixelCanvas c = Drawn(*e, 1.0);
            // No fill or shadow colour anywhere; a border may still draw its line.
            const QImage& img = c.Image();
            for (int j = 0; j < img.height(); ++j)
                for (int i = 0; i < img.width(); ++i)
                    ASSERT_GE(qGreen(img.pixel(i, j)), qRed(img.pixel(i, j)) - 1) << nType;
        }
}

TEST(ShapeRender, AbsurdSettingsDrawWithoutFailing)
{
    for (int16_t nType : ShapeOutlines::AllTypes()) {
        auto e = Solid(nType);
        e->m_nFillPattern = 37;
        e->m_bShadow = 1;
        e->m_nShadowOffset = std::numeric_limits<int32_t>::max();
        e->m_nRotation = std::numeric_limits<int32_t>::min();
        e->m_nBorderWidth = 100000;
        e->m_nDashStyle = -7;
        Drawn(*e);
        e->m_nBorderWidth = -5;
        e->m_nDashStyle = 99;
        e->m_nFillPattern = std::numeric_limits<int32_t>::min();
        Drawn(*e);
    }
}
