#include "ViewTestSupport.h"

#include "document/CommandIds.h"

#include <gtest/gtest.h>

// The card, its outline and its shadow at the two zooms whose pixels are known.
TEST(ViewPaint, CardOutlineAndShadowAt100And300Percent)
{
    struct Case {
        int nZoomCmd;
        int nCorner;  // card's top-left pixel
        int nRight;   // outline column just right of the card face
        int nBottom;  // outline row just below the card face
    };
    for (const Case c : {Case{Cmd::kZoom100, 50, 400, 250}, Case{Cmd::kZoom300, 150, 1200, 750}}) {
        CTestWindow w({1500, 950});
        w.View()->OnCommand(c.nZoomCmd);
        const QImage img = w.Grab();
        ASSERT_GE(img.width(), c.nRight + 20) << c.nZoomCmd;
        const int midY = (c.nCorner + c.nBottom) / 2;
        const int midX = (c.nCorner + c.nRight) / 2;
        SCOPED_TRACE(c.nZoomCmd);
        EXPECT_EQ(Rgb(img, c.nCorner - 1, c.nCorner - 1), kDesk);
        EXPECT_EQ(Rgb(img, c.nCorner, c.nCorner), kBlack);
        EXPECT_EQ(Rgb(img, c.nCorner + 1, c.nCorner + 1), kWhite);
        EXPECT_EQ(Rgb(img, c.nRight - 1, midY), kWhite);
        EXPECT_EQ(Rgb(img, c.nRight, midY), kBlack);
        EXPECT_EQ(Rgb(img, midX, c.nBottom - 1), kWhite);
        EXPECT_EQ(Rgb(img, midX, c.nBottom), kBlack);
        // Six pixels of shadow right of and below the card face.
        EXPECT_EQ(Rgb(img, c.nRight + 1, midY), kShadow);
        EXPECT_EQ(Rgb(img, c.nRight + 5, midY), kShadow);
        EXPECT_EQ(Rgb(img, c.nRight + 6, midY), kDesk);
        EXPECT_EQ(Rgb(img, midX, c.nBottom + 5), kShadow);
        EXPECT_EQ(Rgb(img, midX, c.nBottom + 6), kDesk);
        // The shadow starts six pixels in.
        EXPECT_EQ(Rgb(img, c.nRight + 2, c.nCorner + 5), kDesk);
        EXPECT_EQ(Rgb(img, c.nRight + 2, c.nCorner + 6), kShadow);
    }
}

TEST(ViewPaint, ShadowIsSixPixelsAndOutlineHugsTheFaceAtEveryZoom)
{
    CTestWindow w({1500, 950});
    for (int cmd : {Cmd::kZoom25, Cmd::kZoom50, Cmd::kZoom75, Cmd::kZoom100, Cmd::kZoom150, Cmd::kZoom200, Cmd::kZoom300}) {
        w.View()->OnCommand(cmd);
        const QImage img = w.Grab();
        const QPoint tl = w.View()->CanvasToClient(QPoint(50, 50));
        const QPoint br = w.View()->CanvasToClient(QPoint(400, 250));
        const int midY = (tl.y() + br.y()) / 2;
        SCOPED_TRACE(cmd);
        EXPECT_EQ(Rgb(img, tl.x(), midY), kBlack);
        EXPECT_EQ(Rgb(img, tl.x() + 1, midY), kWhite);
        EXPECT_EQ(Rgb(img, br.x() - 1, midY), kWhite);
        EXPECT_EQ(Rgb(img, br.x(), midY), kBlack);
        EXPECT_EQ(Rgb(img, br.x() + 5, midY), kShadow);
        EXPECT_EQ(Rgb(img, br.x() + 6, midY), kDesk);
    }
}

TEST(ViewPaint, FaceColourOfTheSideShownWithoutItsAlpha)
{
    CTestWindow w({900, 600}, 2);
    w.doc->m_clrFront = 0x00FF0000;  // transparent red still paints red
    w.doc->m_clrBack = 0xFF0000FF;
    EXPECT_EQ(Rgb(w.Grab(), 200, 150), 0xFF0000u);
    w.View()->SetSide(2);
    EXPECT_EQ(Rgb(w.Grab(), 200, 150), 0x0000FFu);
}

TEST(ViewPaint, ElementsOfTheCurrentSideInDrawingOrder)
{
    CTestWindow w({900, 600}, 2);
    w.Add({100, 100, 200, 200}, 0xFFFF0000);
    w.Add({150, 150, 250, 220}, 0xFF0000FF);
    w.Add({300, 100, 350, 150}, 0xFF00FF00, 2);
    QImage img = w.Grab();
    EXPECT_EQ(Rgb(img, 120, 120), 0xFF0000u);
    EXPECT_EQ(Rgb(img, 170, 170), 0x0000FFu);  // the later one lies on top
    EXPECT_EQ(Rgb(img, 320, 120), kWhite);     // the back's element is not shown
    w.View()->SetSide(2);
    img = w.Grab();
    EXPECT_EQ(Rgb(img, 320, 120), 0x00FF00u);
    EXPECT_EQ(Rgb(img, 120, 120), kWhite);
}

TEST(ViewPaint, ElementsScaleWithTheZoom)
{
    CTestWindow w({1500, 950});
    w.Add({100, 100, 200, 150}, 0xFFFF0000);
    w.View()->OnCommand(Cmd::kZoom200);
    const QImage img = w.Grab();
    EXPECT_EQ(Rgb(img, 201, 201), 0xFF0000u);
    EXPECT_EQ(Rgb(img, 398, 298), 0xFF0000u);
    EXPECT_EQ(Rgb(img, 401, 250), kWhite);
    EXPECT_EQ(Rgb(img, 250, 301), kWhite);
}

namespace {
constexpr QRgb kGridGreen = 0xFF00C000;
}

TEST(ViewPaint, GridStepFollowsTheZoom)
{
    struct Case {
        int nZoomCmd;
        int nStep;
    };
    for (const Case c : {Case{Cmd::kZoom75, 30}, Case{Cmd::kZoom25, 10}, Case{Cmd::kZoom100, 40}, Case{Cmd::kZoom300, 120}}) {
        CTestWindow w({1500, 950});
        w.View()->m_bShowGrid = 1;
        w.View()->m_clrGrid = kGridGreen;
        w.View()->OnCommand(c.nZoomCmd);
        const QImage img = w.Grab();
        const QPoint tl = w.View()->CanvasToClient(QPoint(50, 50));
        const QPoint br = w.View()->CanvasToClient(QPoint(400, 250));
        SCOPED_TRACE(c.nZoomCmd);
        const int y = tl.y() + c.nStep / 2;
        EXPECT_EQ(Rgb(img, tl.x() + c.nStep, y), 0x00C000u);
        EXPECT_EQ(Rgb(img, tl.x() + c.nStep - 1, y), kWhite);
        EXPECT_EQ(Rgb(img, tl.x() + c.nStep + 1, y), kWhite);
        EXPECT_EQ(Rgb(img, tl.x() + 2 * c.nStep, y), 0x00C000u);
        const int x = tl.x() + c.nStep / 2;
        EXPECT_EQ(Rgb(img, x, tl.y() + c.nStep), 0x00C000u);
        // The outline, not a grid line, stands at the right and bottom edges.
        EXPECT_EQ(Rgb(img, br.x(), y), kBlack);
        EXPECT_EQ(Rgb(img, x, br.y()), kBlack);
    }
}

TEST(ViewPaint, GridSizesGivingNoWholePixelStepDrawNoGrid)
{
    for (int nSize : {0, -40, 3}) {
        CTestWindow w;
        w.View()->m_bShowGrid = 1;
        w.View()->m_clrGrid = kGridGreen;
        w.View()->m_nGridSize = nSize;
        w.View()->OnCommand(Cmd::kZoom25);  // 3 x 0.25 is below one pixel
        const QImage img = w.Grab();
        for (int x = 14; x < 100; ++x)
            ASSERT_NE(Rgb(img, x, 30), 0x00C000u) << nSize << " at " << x;
    }
}

TEST(ViewPaint, DottedGridAlternatesPixels)
{
    CTestWindow w;
    w.View()->m_bShowGrid = 1;
    w.View()->m_nGridType = 0;
    w.View()->m_clrGrid = kGridGreen;
    const QImage img = w.Grab();
    int nGrid = 0, nFace = 0;
    for (int y = 60; y < 80; ++y)
        (Rgb(img, 90, y) == 0x00C000u ? nGrid : nFace) += 1;
    EXPECT_EQ(nGrid, 10);
    EXPECT_EQ(nFace, 10);
}

TEST(ViewPaint, GridBorderAndOutlineStayVisibleOverABackgroundPicture)
{
    CTestWindow w;
    w.View()->m_bShowGrid = 1;
    w.View()->m_clrGrid = kGridGreen;
    w.View()->m_bInnerBorder = 1;
    w.Add({50, 50, 400, 250}, 0xFF804020, 1, ElementType::kBackground);
    const QImage img = w.Grab();
    EXPECT_EQ(Rgb(img, 70, 100), 0x804020u);   // the picture covers the face
    EXPECT_EQ(Rgb(img, 90, 100), 0x00C000u);   // grid line at 50 + 40
    EXPECT_EQ(Rgb(img, 50, 100), kBlack);      // outline left
    EXPECT_EQ(Rgb(img, 400, 100), kBlack);     // outline right
    EXPECT_EQ(Rgb(img, 200, 250), kBlack);     // outline bottom
    // Inner border 15 pixels in: dotted, so one of two neighbours is blue.
    const bool bBorder = Rgb(img, 112, 65) == 0x0080FFu || Rgb(img, 113, 65) == 0x0080FFu;
    EXPECT_TRUE(bBorder);
}

// Painting only a part must give the same pixels there as painting it all,
// however far an element's shadow reaches.
TEST(ViewPaint, PartialRepaintMatchesFullRepaint)
{
    CTestWindow w({900, 600});
    CSolidBox* p = w.Add({100, 100, 150, 130}, 0xFFFF0000);
    p->m_bShadow = 1;
    p->m_nShadowOffset = 60;
    p->m_clrShadow = 0xFF008000;
    p->m_nRotation = 0;
    w.Add({300, 200, 380, 240}, 0xFF0000FF);
    w.View()->OnCommand(Cmd::kZoom150);
    const QSize size = w.View()->viewport()->size();
    QImage full(size, QImage::Format_RGB32);
    {
        QPainter dc(&full);
        w.View()->PaintCanvas(dc, QRect(QPoint(0, 0), size));
    }
    for (const QRect part : {QRect(240, 240, 38, 38), QRect(300, 200, 10, 10), QRect(0, 0, 5, 5), QRect(520, 340, 40, 40)}) {
        QImage img = full.copy();
        img.fill(Qt::magenta);
        {
            QPainter dc(&img);
            w.View()->PaintCanvas(dc, part);
        }
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                ASSERT_EQ(img.pixel(x, y), full.pixel(x, y)) << x << "," << y;
        EXPECT_EQ(img.pixel(part.right() + 1, part.top()), QColor(Qt::magenta).rgb());
    }
}
