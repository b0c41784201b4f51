#include "document/COstrelsDoc.h"
#include "document/SideImageExport.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "elements/TextLayout.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kYellow = 0xFFFFFF00;

CElement* AddRect(COstrelsDoc& doc, int nSide, QRect rc, QRgb clr)
{
    auto p = std::make_unique<CRectangle>(rc.topLeft(), rc.bottomRight() + QPoint(1, 1));
    p->m_nSide = nSide;
    p->m_nFillPattern = 1;
    p->m_clrFill = clr;
    p->m_nBorderWidth = 0;
    doc.m_elements.push_back(std::move(p));
    return doc.m_elements.back().get();
}

QString TempPath(const QString& name) { return CurrentTestEnvironment().Path(name); }

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(SideImageExport, PictureSizeFollowsCardAndResolution)
{
    struct Case { int w, h, dpi; QSize size; };
    for (const Case& k : {Case{350, 200, 300, {1050, 600}}, Case{200, 350, 200, {400, 700}},
                          Case{350, 200, 100, {350, 200}}, Case{350, 200, 250, {700, 400}}}) {
        COstrelsDoc doc;
        doc.m_nCardWidth = k.w;
        doc.m_nCardHeight = k.h;
        const QImage img = SideImageExport::Render(doc, 1, k.dpi);
        EXPECT_EQ(img.size(), k.size) << k.dpi;
        EXPECT_EQ(img.format(), QImage::Format_RGB888);
        EXPECT_EQ(qRound(img.dotsPerMeterX() * 0.0254), k.dpi);
        EXPECT_EQ(qRound(img.dotsPerMeterY() * 0.0254), k.dpi);
    }
}

TEST(SideImageExport, CardCornerIsTheOriginAndWhatLiesBeyondIsCut)
{
    COstrelsDoc doc;
    doc.m_clrFront = kYellow;
    AddRect(doc, 1, QRect(QPoint(60, 70), QPoint(159, 119)), kRed);
    AddRect(doc, 1, QRect(QPoint(380, 230), QPoint(499, 499)), kBlue);  // past the bottom-right corner
    const QImage img = SideImageExport::Render(doc, 1, 200);
    ASSERT_EQ(img.size(), QSize(700, 400));
    EXPECT_EQ(img.pixel(20, 40), kRed);  // (60 - 50) x 2, (70 - 50) x 2
    EXPECT_EQ(img.pixel(19, 40), kYellow);
    EXPECT_EQ(img.pixel(20, 39), kYellow);
    EXPECT_EQ(img.pixel(217, 137), kRed);
    EXPECT_EQ(img.pixel(220, 140), kYellow);
    EXPECT_EQ(img.pixel(699, 399), kBlue);
    EXPECT_EQ(img.pixel(659, 359), kYellow);
}

TEST(SideImageExport, BackSideShowsOnlyItsElementsOnItsFaceColour)
{
    COstrelsDoc doc;
    doc.m_nSides = 2;
    doc.m_clrFront = kYellow;
    doc.m_clrBack = 0xFF00FFFF;
    AddRect(doc, 1, QRect(50, 50, 100, 100), kRed);
    AddRect(doc, 1, QRect(200, 50, 100, 100), kRed);
    AddRect(doc, 2, QRect(200, 150, 50, 50), kBlue);
    const QImage img = SideImageExport::Render(doc, 2, 100);
    EXPECT_EQ(img.pixel(10, 10), 0xFF00FFFFu);
    EXPECT_EQ(img.pixel(160, 10), 0xFF00FFFFu);
    EXPECT_EQ(img.pixel(160, 110), kBlue);
    EXPECT_EQ(SideImageExport::Render(doc, 1, 100).pixel(10, 10), kRed);
}

TEST(SideImageExport, TextIsDrawnAsOnScreenNotWidened)
{
    // A word a fifth too long for its box: cut on screen, whole on paper.
    const QString word = QStringLiteral("Unwidened");
    const int width = int(QFontMetricsF(TextLayout::FontFor(CText::DefaultFont()), TextLayout::MeasureDevice())
                              .horizontalAdvance(word) / 1.2);
    COstrelsDoc doc;
    auto text = std::make_unique<CText>(QPoint(160 - width, 100), QPoint(160, 140));
    text->m_strText = word;
    text->m_nHAlign = 2;
    text->m_nSide = 1;
    doc.m_elements.push_back(std::move(text));
    const QImage img = SideImageExport::Render(doc, 1, 300);
    int minX = img.width(), maxX = -1, n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != 0xFFFFFFFF)
                minX = std::min(minX, x), maxX = std::max(maxX, x), ++n;
    EXPECT_GT(n, 100);
    EXPECT_GE(minX, (110 - width) * 3 - 2);
    EXPECT_LE(maxX, 330 + 2);
}

TEST(SideImageExport, FileTypeFollowsTheLastThreeCharacters)
{
    struct Case { const char* name; const char* magic; };
    COstrelsDoc doc;
    AddRect(doc, 1, QRect(60, 60, 50, 50), kRed);
    for (const Case& k : {Case{"a.jpg", "\xFF\xD8\xFF"}, Case{"b.JPG", "\xFF\xD8\xFF"}, Case{"c.GIF", "GIF8"},
                          Case{"d.png", "\x89PNG"}, Case{"e.jpeg", "BM"}, Case{"f.bmp", "BM"}, Case{"g", "BM"}}) {
        const QString path = TempPath(QLatin1String(k.name));
        QString error;
        ASSERT_TRUE(SideImageExport::Export(doc, 1, 200, path, &error)) << k.name << error.toStdString();
        EXPECT_TRUE(ReadAll(path).startsWith(k.magic)) << k.name;
        QImageReader reader(path);
        const QImage back = reader.read();
        ASSERT_FALSE(back.isNull()) << k.name;
        EXPECT_EQ(back.size(), QSize(700, 400));
        EXPECT_TRUE(qAbs(qRed(back.pixel(40, 40)) - 255) < 8 && qGreen(back.pixel(40, 40)) < 8) << k.name;
        EXPECT_TRUE(qGray(back.pixel(5, 5)) > 247) << k.name;
        if (!QLatin1String(k.name).endsWith(QLatin1String("GIF"))) {  // GIF keeps no resolution
            EXPECT_EQ(qRound(back.dotsPerMeterX() * 0.0254), 200) << k.name;
        }
    }
}

TEST(SideImageExport, BmpIsTwentyFourBitsPerPixel)
{
    COstrelsDoc doc;
    const QString path = TempPath(QStringLiteral("deep.bmp"));
    ASSERT_TRUE(SideImageExport::Export(doc, 1, 100, path));
    const QByteArray bytes = ReadAll(path);
    ASSERT_GT(bytes.size(), 30);
    EXPECT_EQ(uchar(bytes[28]), 24);  // biBitCount
}

TEST(SideImageExport, FailureIsReportedAndLeavesTheOldFile)
{
    const QString path = TempPath(QStringLiteral("keep.png"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("previous picture");
    }
    COstrelsDoc empty;
    empty.m_nCardWidth = 0;
    QString error;
    EXPECT_FALSE(SideImageExport::Export(empty, 1, 300, path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(path), QByteArray("previous picture"));

    COstrelsDoc doc;
    error.clear();
    EXPECT_FALSE(SideImageExport::Export(doc, 1, 300, TempPath(QStringLiteral("no/such/folder/x.png")), &error));
    EXPECT_TRUE(error.contains(QLatin1String("no/such/folder"))) << error.toStdString();
    EXPECT_FALSE(SideImageExport::Export(doc, 3, 300, path, &error));
    EXPECT_FALSE(SideImageExport::Export(doc, 1, 99, path, &error));
    EXPECT_EQ(ReadAll(path), QByteArray("previous picture"));
}
