#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "elements/ElementRegistry.h"

#include <gtest/gtest.h>

TEST(ElementHitTest, RotationMultiplesOf360BehaveAsUnrotated)
{
    for (int rot : {0, 360, -360, 720}) {
        CRectangle r(QPoint(100, 100), QPoint(300, 200));
        r.m_nRotation = rot;
        EXPECT_EQ(r.HitBox(), (CRect{97, 97, 303, 203})) << rot;
    }
}

TEST(ElementHitTest, QuarterTurnSwapsTheBoxAboutTheCentre)
{
    CRectangle r(QPoint(100, 100), QPoint(300, 200));  // centre (200, 150)
    r.m_nRotation = 90;
    const CRect rc = r.HitBox();
    // 100 x 200 about the centre, grown by 3; truncation may shave one unit.
    EXPECT_NEAR(rc.left, 147, 1);
    EXPECT_NEAR(rc.top, 47, 1);
    EXPECT_NEAR(rc.right, 253, 1);
    EXPECT_NEAR(rc.bottom, 253, 1);
    EXPECT_TRUE(r.HitTest(QPoint(200, 60)));
    EXPECT_FALSE(r.HitTest(QPoint(110, 150)));
}

TEST(ElementHitTest, LeftAndTopEdgesHitRightAndBottomDoNot)
{
    CRectangle r(QPoint(100, 100), QPoint(200, 150));
    EXPECT_TRUE(r.HitTest(QPoint(97, 97)));
    EXPECT_FALSE(r.HitTest(QPoint(203, 120)));
    EXPECT_FALSE(r.HitTest(QPoint(150, 153)));
    EXPECT_TRUE(r.HitTest(QPoint(202, 152)));
}

TEST(ElementPlacement, ColumnThreeRowTwo)
{
    const CPlacement p{3, 2, 0.5f, 0.5f, 0.5f, 0.25f, 350, 200};
    EXPECT_EQ(p.Dx(), 800);
    EXPECT_EQ(p.Dy(), 300);
    EXPECT_EQ((CPlacement{}.Dx()), 0);
}

TEST(ElementConstruction, TwoPointConstructorsNormaliseAndTakeClassDefaults)
{
    CShapeSun sun(QPoint(200, 150), QPoint(100, 50));
    EXPECT_EQ(sun.m_rcBounds, (CRect{100, 50, 200, 150}));
    EXPECT_EQ(sun.m_nType, 211);
    EXPECT_EQ(sun.m_clrBorder, 0xFFFF7F00u);
    EXPECT_EQ(sun.m_nFillPattern, 33);
    EXPECT_EQ(sun.m_nBorderWidth, 1);
    EXPECT_EQ(sun.m_nShadowOffset, 6);
    EXPECT_EQ(sun.m_nAlpha, 255);

    CFreehandLine f(QPoint(0, 0), QPoint(1, 1));
    EXPECT_EQ(f.m_bNoFill, 1);
    CLine line(QPoint(0, 0), QPoint(1, 1));
    EXPECT_EQ(line.m_nLineDir, 3);
    CCalloutBL callout(QPoint(0, 0), QPoint(1, 1));
    EXPECT_EQ(callout.m_bShadow, 1);
    EXPECT_EQ(callout.m_nFillPattern, 32);

    CText text(QPoint(10, 10), QPoint(100, 40));
    EXPECT_EQ(text.m_nType, 115);
    EXPECT_EQ(text.m_font.lfFaceName, QStringLiteral("Arial Narrow"));
    EXPECT_EQ(text.m_font.lfHeight, 12);
    EXPECT_EQ(text.m_font.lfPitchAndFamily, 0x20);
    EXPECT_EQ(text.m_nHAlign, 0);
}

TEST(ElementConstruction, DefaultConstructorsForReadingHaveZeroBoundsAndNoBorder)
{
    for (const QString& name : ElementRegistry::ClassNames()) {
        auto p = ElementRegistry::Create(name);
        ASSERT_TRUE(p) << name.toStdString();
        EXPECT_EQ(p->m_rcBounds, CRect{}) << name.toStdString();
        EXPECT_EQ(p->m_nBorderWidth, 0) << name.toStdString();
        EXPECT_EQ(QLatin1String(p->GetClassName()), name);
    }
    EXPECT_EQ(ElementRegistry::ClassNames().size(), 21);
    EXPECT_FALSE(ElementRegistry::Create(QStringLiteral("CObject")));
}

TEST(ElementClone, CopiesSettingsButNotLockOrShadowOffset)
{
    CShapeStar star(QPoint(10, 20), QPoint(110, 70));
    star.m_bLocked = 1;
    star.m_nShadowOffset = 12;
    star.m_nRotation = 33;
    star.m_nAlpha = 99;
    star.m_nSide = 2;
    star.m_nReserved = 7;
    star.m_clrShadow = 0xFF112233;
    auto copy = star.Clone();
    EXPECT_STREQ(copy->GetClassName(), "CShapeStar");
    EXPECT_EQ(copy->m_bLocked, 0);
    EXPECT_EQ(copy->m_nShadowOffset, 6);
    EXPECT_EQ(copy->m_nRotation, 33);
    EXPECT_EQ(copy->m_nAlpha, 99);
    EXPECT_EQ(copy->m_nSide, 2);
    EXPECT_EQ(copy->m_nReserved, 7);
    EXPECT_EQ(copy->m_clrShadow, 0xFF112233u);
    EXPECT_EQ(copy->m_rcBounds, star.m_rcBounds);
}

TEST(ElementClone, PicturesAndPointListsGetIndependentData)
{
    QImage img(4, 3, QImage::Format_ARGB32);
    img.fill(0xFF00FF00);
    CBtImage pic(QPoint(60, 60), QPoint(100, 100), img, 350, 200, 1);
    auto copy = pic.Clone();
    auto* c = dynamic_cast<CBtImage*>(copy.get());
    ASSERT_TRUE(c);
    c->m_pImage.setPixel(0, 0, 0xFFFF0000);
    EXPECT_EQ(pic.m_pImage.pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(c->m_nImageWidth, 4);

    CClosedCurve curve(QPoint(0, 0), QPoint(10, 10));
    curve.AddPoint(QPoint(1, 2));
    curve.AddPoint(QPoint(3, 4));
    auto cc = curve.Clone();
    auto* c2 = dynamic_cast<CClosedCurve*>(cc.get());
    c2->AddPoint(QPoint(9, 9));
    EXPECT_EQ(curve.m_points.Count(), 2);
    EXPECT_EQ(c2->m_points.Count(), 3);
}

TEST(ElementPointList, GrowsByTenAndSuppressesRepeats)
{
    CFreehandLine f(QPoint(0, 0), QPoint(0, 0));
    f.AddPoint(QPoint(1, 1));
    f.AddPoint(QPoint(1, 1));
    EXPECT_EQ(f.m_points.Count(), 1);
    EXPECT_EQ(f.m_points.Capacity(), 10);
    f.AddPoint(QPoint(2, 2));
    f.AddPoint(QPoint(1, 1));
    EXPECT_EQ(f.m_points.Count(), 3);
    for (int i = 0; i < 8; ++i)
        f.AddPoint(QPoint(10 + i, 0));
    EXPECT_EQ(f.m_points.Count(), 11);
    EXPECT_EQ(f.m_points.Capacity(), 20);
    EXPECT_EQ(f.m_points.Points()[0], (CPointF{1, 1}));
    EXPECT_EQ(f.m_points.Points()[10], (CPointF{17, 0}));
}

TEST(ElementPointList, MoveTranslatesAndResizeScales)
{
    CFreehandLine f(QPoint(100, 100), QPoint(200, 150));
    f.AddPoint(QPoint(100, 100));
    f.AddPoint(QPoint(150, 150));
    f.AddPoint(QPoint(200, 120));
    f.MoveTo({110, 100, 210, 150});
    EXPECT_EQ(f.m_points.Points()[1], (CPointF{160, 150}));
    f.ResizeTo({110, 100, 310, 150});
    EXPECT_EQ(f.m_points.Points()[1], (CPointF{210, 150}));
    EXPECT_EQ(f.m_points.Points()[2], (CPointF{310, 120}));
    EXPECT_EQ(f.m_rcBounds, (CRect{110, 100, 310, 150}));
}

TEST(ElementPointList, ResizingAFlatStrokeDoesNotProduceInfinities)
{
    CClosedCurve c(QPoint(100, 100), QPoint(200, 100));
    c.AddPoint(QPoint(100, 100));
    c.AddPoint(QPoint(200, 100));
    c.ResizeTo({100, 100, 300, 140});
    for (const CPointF& p : c.m_points.Points()) {
        EXPECT_TRUE(std::isfinite(p.x));
        EXPECT_TRUE(std::isfinite(p.y));
    }
}

TEST(ElementPicture, InsertionShrinksByFourFifthsUntilItFits)
{
    struct Case { int w, h, expectW, expectH; };
    for (const Case& c : {Case{200, 150, 200, 150}, Case{1000, 500, 327, 163}}) {
        QImage img(c.w, c.h, QImage::Format_ARGB32);
        img.fill(Qt::white);
        CBtImage pic(QPoint(60, 60), QPoint(100, 100), img, 350, 200, 1);
        EXPECT_EQ(pic.m_rcBounds.Width(), c.expectW) << c.w;
        EXPECT_EQ(pic.m_rcBounds.Height(), c.expectH) << c.w;
        EXPECT_EQ(pic.m_nImageWidth, c.w);
    }
}

TEST(ElementPicture, AlphaLeavesFullyTransparentPixels)
{
    QImage img(2, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, 0x00123456);
    img.setPixel(1, 0, 0xFF123456);
    CBtImage pic(QPoint(60, 60), QPoint(100, 100), img, 350, 200, 1);
    pic.m_nAlpha = 0x40;
    pic.ApplyAlphaToPixels();
    EXPECT_EQ(pic.m_pImage.pixel(0, 0), 0x00123456u);
    EXPECT_EQ(pic.m_pImage.pixel(1, 0), 0x40123456u);
}
