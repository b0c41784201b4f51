#include "elements/CLines.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kGreen = 0xFF00FF00;

template <typename T>
std::unique_ptr<T> Stroke(std::initializer_list<QPoint> pts)
{
    auto e = std::make_unique<T>(QPoint(0, 0), QPoint(0, 0));
    for (QPoint p : pts)
        e->AddPoint(p);
    CRect rc;
    e->m_points.Bounds(rc);
    e->m_rcBounds = rc;
    return e;
}

// A closed curve as the mouse tool leaves it: the first point again at the end.
std::unique_ptr<CClosedCurve> Closed(std::initializer_list<QPoint> pts)
{
    auto e = Stroke<CClosedCurve>(pts);
    e->AddPoint(*pts.begin());
    e->m_nFillPattern = 1;
    e->m_clrFill = kRed;
    e->m_clrBorder = kBlue;
    e->m_bShadow = 0;
    return e;
}
}  // namespace

TEST(LineRender, DirectionsFollowTheTable)
{
    // Box (100, 100)-(200, 160); probes on each direction's segment.
    const QPointF onHorizontal(150, 100), onVertical(100, 130), onUp(125, 145), onDown(125, 115);
    struct Case { int nDir; QPointF on; };
    for (const Case& k : {Case{0, onHorizontal}, Case{1, onVertical}, Case{2, onUp}, Case{3, onDown}, Case{9, onDown},
                          Case{-1, onDown}}) {
        CLine line(QPoint(100, 100), QPoint(200, 160));
        line.m_nLineDir = k.nDir;
        line.m_nBorderWidth = 2;
        CPixelCanvas c(300, 250, 1.0);
        c.Draw(line);
        for (QPointF p : {onHorizontal, onVertical, onUp, onDown})
            EXPECT_EQ(c.Inked(p.x(), p.y()), p == k.on) << k.nDir << " at " << p.x() << "," << p.y();
    }
}

TEST(LineRender, StraightLineIgnoresRotationExceptForHitTesting)
{
    CLine plain(QPoint(100, 100), QPoint(200, 160));
    CLine turned(QPoint(100, 100), QPoint(200, 160));
    turned.m_nRotation = 45;
    CPixelCanvas a(300, 250, 1.0), b(300, 250, 1.0);
    a.Draw(plain);
    b.Draw(turned);
    EXPECT_EQ(a.Image(), b.Image());
    EXPECT_NE(plain.HitBox(), turned.HitBox());
}

TEST(LineRender, WidthZeroStillDrawsTheThinnestLine)
{
    CLine line(QPoint(100, 100), QPoint(200, 100));
    line.m_nLineDir = 0;
    line.m_nBorderWidth = 0;
    auto free = Stroke<CFreehandLine>({{100, 150}, {200, 150}});
    free->m_nBorderWidth = 0;
    CPixelCanvas c(300, 250, 4.0);
    c.Draw(line);
    c.Draw(*free);
    for (double y : {100.0, 150.0}) {
        EXPECT_TRUE(c.Inked(150, y)) << y;
        int nInkedRows = 0;
        for (int py = int(y * 4) - 4; py <= int(y * 4) + 4; ++py)
            nInkedRows += c.Image().pixel(600, py) != kWhite;
        EXPECT_LE(nInkedRows, 2) << y;  // one device pixel, not 4
    }
}

TEST(LineRender, ClosedCurveFillsAndClosesWhileAFreehandLineStaysOpen)
{
    const std::initializer_list<QPoint> abc = {{100, 100}, {200, 100}, {150, 200}};
    auto curve = Closed(abc);
    curve->m_nBorderWidth = 2;
    CPixelCanvas c(300, 250, 1.0);
    c.Draw(*curve);
    EXPECT_EQ(c.At(150, 130), kRed);
    EXPECT_TRUE(ColorNear(c.At(125, 150), kBlue, 60));  // closing edge C-A

    auto line = Stroke<CFreehandLine>(abc);
    line->m_nBorderWidth = 2;
    CPixelCanvas d(300, 250, 1.0);
    d.Draw(*line);
    EXPECT_TRUE(d.Inked(150, 100));
    EXPECT_FALSE(d.Inked(125, 150));
    EXPECT_EQ(d.At(150, 130), kWhite);  // no fill
}

TEST(LineRender, ClosedCurveFillsByTheAlternateRule)
{
    // A five-pointed star drawn in one stroke: its centre is crossed twice.
    auto star = Closed({{150, 50}, {180, 145}, {100, 85}, {200, 85}, {120, 145}});
    star->m_nBorderWidth = 0;
    CPixelCanvas c(300, 250, 1.0);
    c.Draw(*star);
    EXPECT_EQ(c.At(150, 100), kWhite);
    EXPECT_EQ(c.At(150, 65), kRed);
}

TEST(LineRender, ClosedCurveShadowOnlyUnderAFillAndBorderOptional)
{
    struct Case { int nPattern, bNoFill, nBorder; bool bShadow, bFill, bOutline; };
    for (const Case& k : {Case{1, 0, 0, true, true, false}, Case{0, 0, 2, false, false, true},
                          Case{1, 1, 2, false, false, true}}) {
        auto curve = Closed({{100, 100}, {200, 100}, {200, 150}, {100, 150}});
        curve->m_nFillPattern = k.nPattern;
        curve->m_bNoFill = k.bNoFill;
        curve->m_nBorderWidth = k.nBorder;
        curve->m_bShadow = 1;
        curve->m_nShadowOffset = 10;
        curve->m_clrShadow = kGreen;
        CPixelCanvas c(300, 250, 1.0);
        c.Draw(*curve);
        EXPECT_EQ(c.At(205, 155) == kGreen, k.bShadow) << k.nPattern << k.bNoFill;
        EXPECT_EQ(c.At(150, 125) == kRed, k.bFill) << k.nPattern << k.bNoFill;
        EXPECT_EQ(c.Inked(150, 100), k.bOutline || k.bFill) << k.nPattern << k.bNoFill;
        EXPECT_EQ(ColorNear(c.At(150, 100), kBlue, 60), k.bOutline) << k.nPattern << k.bNoFill;
    }
}

TEST(LineRender, BoundsFollowThePointsAfterDrawing)
{
    // The first point is the rightmost one; the bounds were left stale.
    auto line = Stroke<CFreehandLine>({{250, 120}, {100, 100}, {180, 190}});
    line->m_rcBounds = {0, 0, 10, 10};
    CPixelCanvas c(300, 250, 1.0);
    c.Draw(*line);
    EXPECT_EQ(line->m_rcBounds, (CRect{100, 100, 250, 190}));

    // Fractional points truncate toward zero.
    line->m_points.Assign({{100.7f, 100.2f}, {199.9f, 150.6f}});
    c.Draw(*line);
    EXPECT_EQ(line->m_rcBounds, (CRect{100, 100, 199, 150}));

    // A curve without points keeps its bounds and draws nothing.
    CClosedCurve empty(QPoint(10, 10), QPoint(60, 40));
    CPixelCanvas d(300, 250, 1.0);
    d.Draw(empty);
    EXPECT_EQ(empty.m_rcBounds, (CRect{10, 10, 60, 40}));
    EXPECT_FALSE(d.AnyInk());
}

TEST(LineRender, StrokesTurnAboutTheirCentreAndMoveWithTheCell)
{
    auto line = Stroke<CFreehandLine>({{100, 150}, {200, 150}});
    line->m_nBorderWidth = 2;
    line->m_nRotation = 90;
    CPixelCanvas c(600, 300, 1.0);
    c.Draw(*line);
    EXPECT_TRUE(c.Inked(150, 110));
    EXPECT_FALSE(c.Inked(110, 150));
    EXPECT_EQ(line->m_rcBounds, (CRect{100, 150, 200, 150}));  // the stored points, not the drawn ones

    line->m_nRotation = 0;
    CPixelCanvas d(600, 300, 1.0);
    d.Paint([&](QPainter& g) { line->Render(g, 2, 1, 0.5f, 0.0f, 0.0f, 0.25f, 200, 200); });
    EXPECT_TRUE(d.Inked(100 + 225 + 50 + 50, 150));
    EXPECT_EQ(line->m_rcBounds, (CRect{100, 150, 200, 150}));
}
