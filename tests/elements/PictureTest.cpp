#include "document/COstrelsDoc.h"
#include "elements/CPictures.h"
#include "platform/CPrompt.h"
#include "support/PixelCanvas.h"
#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlack = 0xFF000000;

// Left half red, right half blue.
QImage Halves(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(kRed);
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            img.setPixel(x, y, kBlue);
    return img;
}

// The element as Insert Picture makes it on a 350 x 200 card.
std::unique_ptr<CBtImage> Inserted(const QImage& img)
{
    return std::make_unique<CBtImage>(QPoint(60, 60), QPoint(100, 100), img, 350, 200, 1);
}

QString WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = CurrentTestEnvironment().Path(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}
}  // namespace

TEST(PictureInsert, ShrinksByFifthsUntilItFitsTheCard)
{
    struct Case { int w, h; CRect rc; };
    for (const Case& k : {Case{200, 150, {60, 60, 260, 210}}, Case{1000, 500, {60, 60, 387, 223}},
                          Case{340, 190, {60, 60, 400, 250}}, Case{341, 10, {60, 60, 332, 68}}}) {
        auto pic = Inserted(Halves(k.w, k.h));
        EXPECT_EQ(pic->m_rcBounds, k.rc) << k.w << "x" << k.h;
        EXPECT_EQ(pic->m_nImageWidth, k.w);
        EXPECT_EQ(pic->m_nImageHeight, k.h);
        EXPECT_EQ(pic->m_nType, 116);
        EXPECT_EQ(pic->m_pImage.format(), QImage::Format_ARGB32);
    }
    // A card no larger than the margin cannot be fitted; the loop still ends.
    CBtImage tiny(QPoint(60, 60), QPoint(0, 0), Halves(20, 20), 5, 5, 1);
    EXPECT_EQ(tiny.m_rcBounds, (CRect{60, 60, 60, 60}));
}

TEST(PictureInsert, CopiesAndClonesAreIndependent)
{
    QImage source = Halves(4, 2);
    auto pic = Inserted(source);
    source.fill(kGreen);
    EXPECT_EQ(pic->m_pImage.pixel(0, 0), kRed);

    pic->m_rcBounds = {70, 80, 170, 130};
    auto clone = pic->Clone();
    auto* copy = static_cast<CBtImage*>(clone.get());
    EXPECT_EQ(copy->m_rcBounds, pic->m_rcBounds);
    EXPECT_EQ(copy->m_nImageWidth, 4);
    copy->m_nAlpha = 10;
    copy->ApplyAlphaToPixels();
    EXPECT_EQ(qAlpha(pic->m_pImage.pixel(0, 0)), 255);

    CBkgImage bkg(Halves(4, 2), 350, 200);
    auto bkgClone = bkg.Clone();
    static_cast<CBkgImage*>(bkgClone.get())->m_pImage.fill(kGreen);
    EXPECT_EQ(bkg.m_pImage.pixel(0, 0), kRed);
    EXPECT_EQ(bkgClone->m_rcBounds, (CRect{0, 0, 350, 200}));
}

TEST(PictureTransparency, TransparentPixelsSurvive)
{
    QImage img = Halves(4, 4);
    img.setPixel(0, 0, qRgba(10, 20, 30, 0));
    img.setPixel(3, 3, qRgba(40, 50, 60, 128));
    auto pic = Inserted(img);
    pic->m_nAlpha = 77;
    pic->ApplyAlphaToPixels();
    EXPECT_EQ(pic->m_pImage.pixel(0, 0), qRgba(10, 20, 30, 0));
    EXPECT_EQ(pic->m_pImage.pixel(3, 3), qRgba(40, 50, 60, 77));
    EXPECT_EQ(pic->m_pImage.pixel(1, 1), qRgba(255, 0, 0, 77));
}

TEST(PictureRender, StretchedBorderedAndShadowed)
{
    auto pic = Inserted(Halves(10, 10));
    pic->m_rcBounds = {100, 100, 300, 200};
    pic->m_nBorderWidth = 1;
    pic->m_clrBorder = kBlack;
    pic->m_bShadow = 1;
    pic->m_nShadowOffset = 10;
    pic->m_clrShadow = kGreen;
    CPixelCanvas c(450, 350, 1.0);
    c.Draw(*pic);
    EXPECT_EQ(c.At(110, 150), kRed);
    EXPECT_EQ(c.At(290, 150), kBlue);
    // A pen of width 2 on the edge: the outer unit shows, the inner one is covered.
    EXPECT_EQ(c.At(99, 150), kBlack);
    EXPECT_EQ(c.At(100, 150), kRed);
    EXPECT_EQ(c.At(98, 150), kWhite);
    EXPECT_EQ(c.At(305, 205), kGreen);
    EXPECT_EQ(pic->m_nFillPattern, 1);

    pic->m_bNoFill = 1;  // "No Fill Inside" hides the shadow of a picture too
    CPixelCanvas d(450, 350, 1.0);
    d.Draw(*pic);
    EXPECT_EQ(d.At(305, 205), kWhite);
}

TEST(PictureRender, TurnsAboutItsCentre)
{
    auto pic = Inserted(Halves(10, 10));
    pic->m_rcBounds = {100, 100, 300, 200};  // centre (200, 150)
    pic->m_nRotation = 90;                   // counter-clockwise: the left half goes down
    CPixelCanvas c(450, 350, 1.0);
    c.Draw(*pic);
    EXPECT_EQ(c.At(200, 230), kRed);
    EXPECT_EQ(c.At(200, 70), kBlue);
    EXPECT_EQ(c.At(120, 150), kWhite);
}

TEST(BackgroundRender, CoversTheCardOfTheGivenCell)
{
    CBkgImage bkg(Halves(10, 10), 350, 200);
    bkg.m_rcBounds = {30, 40, 380, 240};  // its own corner plays no part
    CPixelCanvas c(1000, 400, 1.0);
    c.Draw(bkg);
    EXPECT_EQ(c.At(50, 50), kRed);
    EXPECT_EQ(c.At(49, 50), kWhite);
    EXPECT_EQ(c.At(399, 249), kBlue);
    EXPECT_EQ(c.At(400, 249), kWhite);

    // Column 2, card 350 wide, column gap 0.25 inch, left margin 0.1 inch.
    CPixelCanvas d(1000, 400, 1.0);
    d.Paint([&](QPainter& g) { bkg.Render(g, 2, 1, 0.1f, 0.0f, 0.0f, 0.25f, 350, 200); });
    EXPECT_EQ(d.At(375 + 10 + 50, 60), kRed);
    EXPECT_EQ(d.At(375 + 10 + 50 - 1, 60), kWhite);
}

TEST(PictureLoad, DecodesFromMemoryOrReturnsNothing)
{
    QImage png = Halves(6, 3);
    png.setPixel(0, 0, qRgba(1, 2, 3, 0));
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    png.save(&buf, "PNG");
    const QImage loaded = LoadPictureFile(WriteFile(QStringLiteral("CAPS.PNG"), bytes));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.format(), QImage::Format_ARGB32);
    EXPECT_EQ(loaded.size(), QSize(6, 3));
    EXPECT_EQ(qAlpha(loaded.pixel(0, 0)), 0);

    EXPECT_TRUE(LoadPictureFile(CurrentTestEnvironment().Path(QStringLiteral("missing.png"))).isNull());
    EXPECT_TRUE(LoadPictureFile(WriteFile(QStringLiteral("junk.jpg"), "not a picture at all")).isNull());
    EXPECT_TRUE(LoadPictureFile(WriteFile(QStringLiteral("cut.png"), bytes.left(bytes.size() / 2))).isNull());
}

TEST(PictureLoad, UndecodableFileTellsTheUser)
{
    CScriptedPrompt prompt;
    // A placeable metafile header: no decoder here understands it.
    const QByteArray wmf = QByteArray::fromHex("d7cdc69a0000000000000a000a00e8030000000000") + QByteArray(64, '\0');
    EXPECT_TRUE(COstrelsDoc::LoadPictureOrTell(WriteFile(QStringLiteral("clip.wmf"), wmf)).isNull());
    ASSERT_EQ(prompt.Texts().size(), 1);
    EXPECT_EQ(prompt.Texts()[0], QStringLiteral("The picture could not be loaded."));

    prompt.Clear();
    EXPECT_FALSE(COstrelsDoc::LoadPictureOrTell(WriteFile(QStringLiteral("ok.bmp"), [] {
                     QByteArray b;
                     QBuffer buf(&b);
                     buf.open(QIODevice::WriteOnly);
                     Halves(2, 2).save(&buf, "BMP");
                     return b;
                 }())).isNull());
    EXPECT_TRUE(prompt.Texts().isEmpty());
}
