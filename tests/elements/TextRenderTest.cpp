#include "elements/CText.h"
#include "elements/TextLayout.h"
#include "support/PixelCanvas.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {
const QString kLongText = QStringLiteral(
    "The quick brown fox jumps over the lazy dog while the card printer keeps humming along all night");

// A text block spanning (l, t)-(r, b) with the default font.
std::unique_ptr<CText> Text(const QString& s, int l = 100, int t = 100, int r = 300, int b = 200)
{
    auto e = std::make_unique<CText>(QPoint(l, t), QPoint(r, b));
    e->m_strText = s;
    return e;
}

struct CInk {
    QRectF box;  // canvas units
    long nPixels = 0;
    double fDarkness = 0;  // sum of (255 - grey) over all pixels
};

CInk InkOf(const CPixelCanvas& c)
{
    CInk ink;
    const QImage& img = c.Image();
    int minX = img.width(), minY = img.height(), maxX = -1, maxY = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (p == 0xFFFFFFFF)
                continue;
            ++ink.nPixels;
            ink.fDarkness += 255 - qGray(p);
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    if (ink.nPixels)
        ink.box = QRectF(minX / c.Scale(), minY / c.Scale(), (maxX + 1 - minX) / c.Scale(),
                         (maxY + 1 - minY) / c.Scale());
    return ink;
}

CInk Rendered(CText& t, bool bPrinting = false, double scale = 1.0)
{
    CPixelCanvas c(450, 350, scale);
    c.Paint([&](QPainter& g) { t.RenderText(g, 1, 1, 0, 0, 0, 0, 0, 0, bPrinting); });
    return InkOf(c);
}

// Whether a box lies inside another, allowing for the half pixel of
// antialiasing at its edges.
bool Within(const QRectF& inner, const QRectF& outer) { return outer.adjusted(-1, -1, 1, 1).contains(inner); }
}  // namespace

TEST(TextRender, EmptyTextOrSizelessFontDrawsNothing)
{
    auto empty = Text(QString());
    EXPECT_EQ(Rendered(*empty).nPixels, 0);
    EXPECT_TRUE(empty->HitTest(QPoint(150, 150)));

    auto zero = Text(QStringLiteral("Hidden"));
    zero->m_font.lfHeight = 0;
    EXPECT_EQ(Rendered(*zero).nPixels, 0);
}

TEST(TextRender, LongTextWrapsEndsWithEllipsisAndStaysInItsBox)
{
    auto t = Text(kLongText, 100, 100, 220, 150);
    const QFont font = TextLayout::FontFor(t->m_font);
    const auto set = TextLayout::SetLines(kLongText, font, 120, 50);
    ASSERT_GE(set.lines.size(), 2);
    EXPECT_TRUE(set.lines.last().endsWith(TextLayout::kEllipsis)) << set.lines.last().toStdString();
    // Lines break between words: every line but the cut one is whole words.
    for (qsizetype i = 0; i + 1 < set.lines.size(); ++i)
        EXPECT_TRUE(kLongText.contains(set.lines[i] + QLatin1Char(' '))) << set.lines[i].toStdString();

    for (int rot : {0, 30}) {
        t->m_nRotation = rot;
        const CInk ink = Rendered(*t, false, 2.0);
        ASSERT_GT(ink.nPixels, 0);
        if (rot == 0) {
            EXPECT_TRUE(Within(ink.box, QRectF(100, 100, 120, 50)));
            EXPECT_GT(ink.box.height(), 2 * set.fLineSpacing * 0.8);  // more than one line drawn
        } else {
            // The turned box's corners bound what a turned block may cover.
            QTransform turn;
            turn.translate(160, 125).rotate(-rot).translate(-160, -125);
            EXPECT_TRUE(Within(ink.box, turn.mapRect(QRectF(100, 100, 120, 50))));
        }
    }
}

TEST(TextRender, BoxLowerThanALineShowsTheFirstLineClipped)
{
    auto t = Text(kLongText, 100, 100, 220, 108);
    t->m_nVAlign = 1;
    const CInk ink = Rendered(*t, false, 2.0);
    EXPECT_GT(ink.nPixels, 0);
    EXPECT_TRUE(Within(ink.box, QRectF(100, 100, 120, 8)));
}

TEST(TextRender, SingleWordTooLongForTheLineIsCutWithAnEllipsis)
{
    const QFont font = TextLayout::FontFor(CText::DefaultFont());
    const auto set = TextLayout::SetLines(QStringLiteral("Supercalifragilisticexpialidocious is long"), font, 80, 200);
    ASSERT_EQ(set.lines.size(), 2);
    EXPECT_TRUE(set.lines[0].startsWith(QStringLiteral("Super")));
    EXPECT_TRUE(set.lines[0].endsWith(TextLayout::kEllipsis));
    EXPECT_EQ(set.lines[1], QStringLiteral("is long"));
}

TEST(TextRender, OnlyWeight700DrawsBold)
{
    long nRegular = -1;
    double fRegular = 0;
    for (int weight : {400, 600, 800, 700}) {
        auto t = Text(QStringLiteral("Kestova cards"));
        t->m_font.lfWeight = weight;
        const CInk ink = Rendered(*t);
        if (weight == 400)
            nRegular = ink.nPixels, fRegular = ink.fDarkness;
        else if (weight == 700)
            EXPECT_GT(ink.fDarkness, fRegular * 1.15);
        else
            EXPECT_EQ(ink.nPixels, nRegular) << weight;
    }
}

TEST(TextRender, StyleBitsEachChangeTheGlyphs)
{
    const CInk plain = Rendered(*Text(QStringLiteral("Kestova cards")));
    struct Case { uint8_t CLogFont::*member; uint8_t value; bool bChanges; };
    for (const Case& k : {Case{&CLogFont::lfItalic, 1, true}, Case{&CLogFont::lfUnderline, 1, true},
                          Case{&CLogFont::lfStrikeOut, 1, true}, Case{&CLogFont::lfUnderline, 2, false}}) {
        auto t = Text(QStringLiteral("Kestova cards"));
        t->m_font.*k.member = k.value;
        const CInk ink = Rendered(*t);
        EXPECT_EQ(ink.fDarkness != plain.fDarkness, k.bChanges);
    }
}

TEST(TextRender, FaceNamesResolveToInstalledFamilies)
{
    struct Case { const char* face; const char* family; };
    const QString sans = QFontInfo(QFont(QStringLiteral("sans-serif"))).family();
    for (const Case& k : {Case{"Arial Narrow", "Liberation Sans Narrow"}, Case{"Arial", "Liberation Sans"},
                          Case{"No Such Face 123", nullptr}}) {
        CLogFont lf = CText::DefaultFont();
        lf.SetFaceName(QLatin1String(k.face));
        const QString got = QFontInfo(TextLayout::FontFor(lf)).family();
        EXPECT_EQ(got, k.family ? QLatin1String(k.family) : sans) << k.face;
    }
    // The em is lfHeight points: 72 points are one inch, 100 canvas units.
    CLogFont big = CText::DefaultFont();
    big.lfHeight = 72;
    EXPECT_NEAR(QFontMetricsF(TextLayout::FontFor(big), TextLayout::MeasureDevice()).capHeight(), 100 * 0.716, 3);
}

TEST(TextRender, AlignmentPlacesTheTextInTheBox)
{
    // Box (100, 100)-(300, 200); a short word's ink centre by alignment.
    struct Case { int h, v; double x, y; };
    for (const Case& k : {Case{0, 0, 110, 110}, Case{1, 1, 200, 150}, Case{2, 2, 290, 190}, Case{7, -1, 110, 110}}) {
        auto t = Text(QStringLiteral("Ab"));
        t->m_nHAlign = k.h;
        t->m_nVAlign = k.v;
        const CInk ink = Rendered(*t);
        EXPECT_NEAR(ink.box.center().x(), k.x, 10) << k.h << "," << k.v;
        EXPECT_NEAR(ink.box.center().y(), k.y, 10) << k.h << "," << k.v;
    }
}

TEST(TextRender, VerticalTextRunsTopToBottomInColumnsFromTheLeft)
{
    auto t = Text(QStringLiteral("MMMMMM\n."), 100, 50, 160, 300);
    t->m_bVertical = 1;
    const CInk ink = Rendered(*t);
    EXPECT_GT(ink.box.height(), 3 * ink.box.width());
    EXPECT_NEAR(ink.box.top(), 50, 3);  // near alignment = top of the column

    // The heavy first line is the left column.
    CPixelCanvas c(450, 350, 1.0);
    c.Draw(*t);
    long nLeft = 0, nRight = 0;
    for (int y = 50; y < 300; ++y)
        for (int x = 100; x < 160; ++x)
            if (c.At(x, y) != 0xFFFFFFFF)
                (x < 120 ? nLeft : nRight)++;
    EXPECT_GT(nLeft, 5 * nRight);

    t->m_nHAlign = 2;  // far along the column: the bottom
    EXPECT_NEAR(Rendered(*t).box.bottom(), 300, 3);
}

TEST(TextRender, RotatedVerticalTextTurnsAboutTheBoxCentre)
{
    auto t = Text(QStringLiteral("Turning"), 150, 50, 190, 250);  // centre (170, 150)
    t->m_bVertical = 1;
    t->m_nHAlign = 1;
    t->m_nVAlign = 1;
    const CInk upright = Rendered(*t);
    t->m_nRotation = 90;
    const CInk turned = Rendered(*t);
    EXPECT_GT(upright.box.height(), upright.box.width());
    EXPECT_GT(turned.box.width(), turned.box.height());
    EXPECT_NEAR(turned.box.center().x(), 170, 4);
    EXPECT_NEAR(turned.box.center().y(), 150, 4);
}

TEST(TextRender, TransparencyReachesTheTextColour)
{
    auto t = Text(QStringLiteral("Faded"));
    t->m_font.lfHeight = 30;
    t->m_nAlpha = 100;
    CPixelCanvas c(450, 350, 1.0);
    c.Draw(*t);
    int darkest = 255;
    for (int y = 100; y < 200; ++y)
        for (int x = 100; x < 300; ++x)
            darkest = std::min(darkest, qGray(c.At(x, y)));
    EXPECT_NEAR(darkest, 255 - 100, 6);
    EXPECT_EQ(qAlpha(t->m_clrText), 100);
}

TEST(TextRender, PrintingWidensTheBoxAwayFromItsAlignmentEdge)
{
    // One line that needs about 20 % more than the box: on screen it wraps,
    // on paper it stays on one line and spills out on the open side(s).
    const QFont font = TextLayout::FontFor(CText::DefaultFont());
    const QString s = QStringLiteral("Printed wider than shown");
    const qreal w = QFontMetricsF(font, TextLayout::MeasureDevice()).horizontalAdvance(s);
    const int width = int(w / 1.2);
    struct Case { int nAlign; bool bLeftSpill, bRightSpill; };
    for (const Case& k : {Case{0, false, true}, Case{1, true, true}, Case{2, true, false}}) {
        auto t = Text(s, 150, 100, 150 + width, 200);
        t->m_nHAlign = k.nAlign;
        const CInk screen = Rendered(*t, false);
        EXPECT_TRUE(Within(screen.box, QRectF(150, 100, width, 100))) << k.nAlign;
        const CInk paper = Rendered(*t, true);
        EXPECT_EQ(paper.box.left() < 148, k.bLeftSpill) << k.nAlign;
        EXPECT_EQ(paper.box.right() > 152 + width, k.bRightSpill) << k.nAlign;
        EXPECT_LT(paper.box.height(), screen.box.height()) << k.nAlign;  // one line instead of two
        EXPECT_TRUE(Within(paper.box, QRectF(150 - 0.3 * width, 100, 1.6 * width, 100)));
    }
}

TEST(TextRender, LayoutDoesNotDependOnTheZoom)
{
    auto t = Text(kLongText, 100, 100, 220, 180);
    t->m_nHAlign = 1;
    const CInk small = Rendered(*t, false, 0.5);
    const CInk large = Rendered(*t, false, 3.0);
    EXPECT_NEAR(small.box.left(), large.box.left(), 2.5);
    EXPECT_NEAR(small.box.right(), large.box.right(), 2.5);
    EXPECT_NEAR(small.box.bottom(), large.box.bottom(), 2.5);
}
