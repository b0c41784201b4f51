#include "document/COstrelsDoc.h"
#include "elements/CPictures.h"
#include "elements/ElementDrawing.h"
#include "platform/CPrompt.h"
#include "printing/SheetComposition.h"
#include "printing/SheetPdf.h"
#include "support/PdfPages.h"
#include "support/TestEnvironment.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <stdexcept>

using SheetComposition::CCell;

namespace {
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// An element that notes every cell it is asked to draw into and paints its
// own drawing rectangle there in one colour.
struct CRecordingElement : CElement {
    struct CCall {
        int nCol, nRow;
        float fLeft, fTop, fRowGap, fColGap;
        int nCardWidth, nCardHeight;
        bool bPrinting;
    };
    std::vector<CCall>* pCalls = nullptr;
    QRgb clr = kGreen;
    bool bThrow = false;

    void RenderToDC(QPainter& dc, int nCol, int nRow, float fLeft, float fTop, float fRowGap, float fColGap,
                    int nCardWidth, int nCardHeight, bool bPrinting) override
    {
        if (bThrow)
            throw std::runtime_error("broken element");
        if (pCalls)
            pCalls->push_back({nCol, nRow, fLeft, fTop, fRowGap, fColGap, nCardWidth, nCardHeight, bPrinting});
        const CPlacement p{nCol, nRow, fLeft, fTop, fRowGap, fColGap, nCardWidth, nCardHeight};
        dc.fillRect(ElementDrawing::DrawingRect(m_rcBounds, p), QColor::fromRgba(clr));
    }
};

CRecordingElement* AddElement(COstrelsDoc& doc, int nSide, CRect rc, QRgb clr = kGreen)
{
    auto p = std::make_unique<CRecordingElement>();
    p->m_nSide = nSide;
    p->m_rcBounds = rc;
    p->clr = clr;
    CRecordingElement* raw = p.get();
    doc.m_elements.push_back(std::move(p));
    return raw;
}

CPrintSettings Sheet(int nRows, int nCols, float fLeft = 0.5f, float fTop = 0.5f, float fColGap = 0.5f,
                     float fRowGap = 0.1f)
{
    CPrintSettings s;
    s.m_nPrintRows = nRows;
    s.m_nPrintCols = nCols;
    s.m_fLeftMargin = fLeft;
    s.m_fTopMargin = fTop;
    s.m_fColGap = fColGap;
    s.m_fRowGap = fRowGap;
    return s;
}

// One page composed into a picture of a letter sheet at kScale pixels per
// canvas unit, from the paper's corner as a printer would have it.
constexpr int kScale = 2;
QImage Compose(const COstrelsDoc& doc, CPrintSettings& s, int nPage = 1)
{
    QImage img(850 * kScale, 1100 * kScale, QImage::Format_ARGB32);
    img.fill(kBlue);  // whatever was there before: the page starts white
    QPainter dc(&img);
    SheetComposition::MapPaperToSheet(dc, 100.0 * kScale, 100.0 * kScale, s.m_bLandscape);
    SheetComposition::ComposePrintPage(dc, nPage, doc, s);
    return img;
}

// The colour at a point given in canvas units measured from the paper corner.
QRgb At(const QImage& img, double x, double y) { return img.pixel(int(x * kScale), int(y * kScale)); }

// Stretches of black met along a line, in paper units.
int BlackRunsAcross(const QImage& img, int y, int x0, int x1)
{
    int n = 0;
    bool in = false;
    for (int x = x0 * kScale; x < x1 * kScale; ++x) {
        const bool black = img.pixel(x, y * kScale) == kBlack;
        n += black && !in;
        in = black;
    }
    return n;
}
int BlackRunsDown(const QImage& img, int x, int y0, int y1)
{
    int n = 0;
    bool in = false;
    for (int y = y0 * kScale; y < y1 * kScale; ++y) {
        const bool black = img.pixel(x * kScale, y) == kBlack;
        n += black && !in;
        in = black;
    }
    return n;
}
}  // namespace

TEST(SheetCells, RectanglesFollowTheSinglePrecisionArithmetic)
{
    struct Case {
        const char* what;
        CPrintSettings s;
        CCell cell;
        CRect rc;  // from the composition origin
    } cases[] = {
        {"left margin 0.5 portrait", Sheet(5, 2, 0.5f, 0.5f, 0, 0), {1, 1}, {25, 47, 375, 247}},
        {"left margin 0.3: offset just above -0.45", Sheet(5, 2, 0.3f, 0.5f, 0, 0), {1, 1}, {6, 47, 356, 247}},
        {"column gap 0.29 advances 28", Sheet(5, 2, 0.5f, 0.5f, 0.29f, 0), {2, 1}, {403, 47, 753, 247}},
        {"row gap 0.29 and row 3", Sheet(5, 2, 0.5f, 0.5f, 0, 0.29f), {1, 3}, {25, 47 + 2 * 228, 375, 703}},
    };
    for (Case& c : cases) {
        SheetComposition::ComputeOffsets(c.s);
        EXPECT_EQ(SheetComposition::CellRect(c.s, 350, 200, c.cell), c.rc) << c.what;
    }

    // Landscape moves every card 0.22 in right and 0.22 in up.
    CPrintSettings portrait = Sheet(5, 2), landscape = Sheet(5, 2);
    landscape.m_bLandscape = 1;
    SheetComposition::ComputeOffsets(portrait);
    SheetComposition::ComputeOffsets(landscape);
    const CRect p = SheetComposition::CellRect(portrait, 350, 200, {2, 2});
    const CRect l = SheetComposition::CellRect(landscape, 350, 200, {2, 2});
    EXPECT_EQ(l.left - p.left, 22);
    EXPECT_EQ(l.top - p.top, -22);
}

TEST(SheetCells, StartCellAppliesToThePageOneOnly)
{
    CPrintSettings s = Sheet(5, 2);
    s.m_nStartRow = 2;
    s.m_nStartCol = 3;  // past the last column: row 2 stays empty
    EXPECT_EQ(SheetComposition::CellsOfPage(s, 1),
              (std::vector<CCell>{{1, 3}, {2, 3}, {1, 4}, {2, 4}, {1, 5}, {2, 5}}));
    for (int nPage : {2, 3}) {
        const std::vector<CCell> cells = SheetComposition::CellsOfPage(s, nPage);
        ASSERT_EQ(cells.size(), 10u);
        EXPECT_EQ(cells.front(), (CCell{1, 1}));
        EXPECT_EQ(cells[1], (CCell{2, 1}));  // along the row first
        EXPECT_EQ(cells.back(), (CCell{2, 5}));
    }

    s.m_nStartRow = 1;
    s.m_nStartCol = 2;
    EXPECT_EQ(SheetComposition::CellsOfPage(s, 1).front(), (CCell{2, 1}));
    EXPECT_EQ(SheetComposition::CellsOfPage(s, 1).size(), 9u);

    for (CPrintSettings empty : {Sheet(0, 2), Sheet(5, 0)})
        EXPECT_TRUE(SheetComposition::CellsOfPage(empty, 1).empty());
}

TEST(SheetCompose, CardsTakeTheFaceColourOfTheSideShownOnAWhitePage)
{
    COstrelsDoc doc;
    doc.m_clrFront = kRed;
    doc.m_clrBack = 0xFF00FFFF;
    CPrintSettings s = Sheet(5, 2, 0.75f, 0.5f, 0.5f, 0.1f);
    QImage img = Compose(doc, s);
    // The composition origin sits 0.25 in across and 0.03 in down the paper,
    // so the first card's corner is at the layout's margins.
    EXPECT_EQ(At(img, 75, 50), kRed);
    EXPECT_EQ(At(img, 74, 60), kWhite);
    EXPECT_EQ(At(img, 80, 49), kWhite);
    EXPECT_EQ(At(img, 75 + 349.5, 50 + 199.5), kRed);
    EXPECT_EQ(At(img, 75 + 350 + 25, 100), kWhite);  // the column gap
    EXPECT_EQ(At(img, 75 + 400, 100), kRed);         // column 2 after a 0.5 in gap
    EXPECT_EQ(At(img, 100, 50 + 4 * 210 + 100), kRed);
    EXPECT_EQ(At(img, 5, 5), kWhite);
    EXPECT_EQ(At(img, 849, 1099), kWhite);

    doc.m_nCurrentSide = 2;
    img = Compose(doc, s);
    EXPECT_EQ(At(img, 100, 100), 0xFF00FFFFu);
}

TEST(SheetCompose, LandscapePagesKeepTheMarginFromThePaperEdge)
{
    COstrelsDoc doc;
    doc.m_clrFront = kRed;
    doc.m_nCardWidth = 200;
    doc.m_nCardHeight = 350;
    CPrintSettings s = Sheet(2, 5, 0.5f, 0.75f, 0, 0);
    s.m_bLandscape = 1;
    const QImage img = Compose(doc, s);
    EXPECT_EQ(At(img, 50, 75), kRed);
    EXPECT_EQ(At(img, 49, 80), kWhite);
    EXPECT_EQ(At(img, 60, 74), kWhite);
}

TEST(SheetCompose, CropMarksAlongTheTopRowAndLeftColumnOnly)
{
    COstrelsDoc doc;
    CPrintSettings s = Sheet(5, 2, 0.75f, 0.5f, 0.5f, 0.1f);
    s.m_bCropMarks = 1;
    const QImage img = Compose(doc, s);
    // Four vertical marks cross the top edge, ten horizontal ones the left.
    EXPECT_EQ(BlackRunsAcross(img, 50 - 5, 0, 850), 4);
    EXPECT_EQ(BlackRunsDown(img, 75 - 5, 0, 1100), 10);
    // None between the cards or at the far edges.
    EXPECT_EQ(BlackRunsAcross(img, 50 + 200 + 5, 0, 850), 0);
    EXPECT_EQ(BlackRunsDown(img, 75 + 750 + 5, 0, 1100), 0);
    EXPECT_EQ(At(img, 75 + 350, 50 - 5), kBlack);
    EXPECT_EQ(At(img, 75 - 5, 50 + 4 * 210 + 200), kBlack);

    // A page that starts below row 1 gets no marks along its top.
    s.m_nStartRow = 2;
    EXPECT_EQ(BlackRunsAcross(Compose(doc, s), 50 - 5, 0, 850), 0);
}

TEST(SheetCompose, CornerMarksCrossTopLeftAndBottomRightOfEveryCard)
{
    COstrelsDoc doc;
    CPrintSettings s = Sheet(5, 2, 0.75f, 0.5f, 0.5f, 0.1f);
    s.m_bCornerMarks = 1;
    const QImage img = Compose(doc, s);
    const int x = 75 + 400, y = 50 + 210;  // cell (2, 2)
    for (QPointF pt : {QPointF(x - 5, y), QPointF(x, y - 5), QPointF(x + 355, y + 200), QPointF(x + 350, y + 205)})
        EXPECT_EQ(At(img, pt.x(), pt.y()), kBlack) << pt.x() << "," << pt.y();
    // Not on the other two corners, and nothing along the top edge.
    EXPECT_EQ(At(img, x + 355, y), kWhite);
    EXPECT_EQ(At(img, x - 5, y + 200), kWhite);
    EXPECT_EQ(BlackRunsAcross(img, 50 - 5, 0, 850), 2);  // the two top-left crosses of row 1
}

TEST(SheetCompose, ElementsDrawIntoEveryCellAfterAllMarks)
{
    COstrelsDoc doc;
    std::vector<CRecordingElement::CCall> calls;
    // An element flush with the card's top-left corner.
    AddElement(doc, 1, {50, 50, 100, 80})->pCalls = &calls;
    CPrintSettings s = Sheet(5, 2, 0.3f, 0.5f, 0.29f, 0.1f);
    s.m_bCornerMarks = 1;
    const QImage img = Compose(doc, s);

    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls[1].nCol, 2);
    EXPECT_EQ(calls[1].nRow, 1);
    for (const auto& c : calls) {
        EXPECT_TRUE(c.bPrinting);
        EXPECT_EQ(c.fLeft, s.m_fLeftOffset);
        EXPECT_EQ(c.fTop, s.m_fTopOffset);
        EXPECT_EQ(c.fColGap, 0.29f);
        EXPECT_EQ(c.nCardWidth, 350);
    }
    // The element's corner meets the cell's corner and covers the inner
    // quarter of the corner mark there.
    const CRect cell = SheetComposition::CellRect(s, 350, 200, {2, 1});
    const QPoint origin = SheetComposition::SheetOrigin(false);
    EXPECT_EQ(At(img, origin.x() + cell.left + 2, origin.y() + cell.top + 2), kGreen);
    EXPECT_EQ(At(img, origin.x() + cell.left - 2, origin.y() + cell.top), kBlack);
    EXPECT_EQ(At(img, origin.x() + cell.left + 5, origin.y() + cell.top), kGreen);
    EXPECT_EQ(At(img, origin.x() + cell.left - 2, origin.y() + cell.top + 2), kWhite);
}

TEST(SheetCompose, BackElementsRule)
{
    struct Case {
        const char* what;
        bool bWithBack;
        int nPrintSide;
        QRgb expected;
    } cases[] = {
        {"front chosen, back exists", true, 1, kGreen},
        {"back chosen, back exists", true, 2, kRed},
        {"back chosen, no back elements: front prints", false, 2, kGreen},
    };
    for (const Case& c : cases) {
        COstrelsDoc doc;
        doc.m_clrFront = kBlue;
        AddElement(doc, 1, {60, 60, 200, 200}, kGreen);
        if (c.bWithBack)
            AddElement(doc, 2, {100, 100, 300, 200}, kRed);
        CPrintSettings s = Sheet(5, 2, 0.75f, 0.5f, 0.5f, 0.1f);
        s.m_nPrintSide = c.nPrintSide;
        s.m_bHasBackElements = SheetComposition::HasBackElements(doc);
        const QImage img = Compose(doc, s, 2);
        const double x0 = 75 + 400 - 50, y0 = 50 + 210 - 50;  // cell (2, 2) at canvas (50, 50)
        EXPECT_EQ(At(img, x0 + 150, y0 + 150), c.expected) << c.what;
        // The face colour stays under the elements of either side.
        EXPECT_EQ(At(img, x0 + 390, y0 + 55), kBlue) << c.what;
    }
}

TEST(SheetCompose, ZeroRowsOrColumnsPrintBlankSheets)
{
    COstrelsDoc doc;
    doc.m_clrFront = kRed;
    std::vector<CRecordingElement::CCall> calls;
    AddElement(doc, 1, {50, 50, 400, 250})->pCalls = &calls;
    for (CPrintSettings s : {Sheet(0, 2), Sheet(5, 0), CPrintSettings()}) {
        s.m_bCropMarks = s.m_bCornerMarks = 1;
        const QImage img = Compose(doc, s);
        QImage white(img.size(), img.format());
        white.fill(kWhite);
        EXPECT_EQ(img, white);
    }
    EXPECT_TRUE(calls.empty());
}

TEST(SheetCompose, FailingElementEndsThePageWithAMessage)
{
    COstrelsDoc doc;
    doc.m_clrFront = kRed;
    std::vector<CRecordingElement::CCall> calls;
    AddElement(doc, 1, {50, 50, 100, 100})->pCalls = &calls;
    AddElement(doc, 1, {50, 50, 100, 100})->bThrow = true;
    CScriptedPrompt prompt;
    CPrintSettings s = Sheet(5, 2);
    const QImage img = Compose(doc, s);
    EXPECT_EQ(prompt.Texts(),
              QStringList{"Unexpected Error occurred... \nPlease close and re-open the application and try again!"});
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(At(img, 25 + 25 + 300, 3 + 50 + 150), kRed);  // the first pass was complete
}

TEST(SheetPdfFile, RendersCardsAndMarksWhereThePaperSaysOnEveryPage)
{
    COstrelsDoc doc;
    doc.m_clrFront = kRed;
    CPrintSettings s = Sheet(5, 2, 0.75f, 0.5f, 0.5f, 0.1f);
    s.m_nPrintPages = 2;
    s.m_nStartRow = 5;
    s.m_bCropMarks = 1;
    const QString pdf = CurrentTestEnvironment().Path("sheet.pdf");
    QString error;
    ASSERT_TRUE(SheetPdf::Write(pdf, doc, s, QSizeF(8.5, 11), &error)) << error.toStdString();

    // Two pixels per canvas unit, so a mark one unit wide fills whole pixels.
    const QList<QImage> pages = RenderPdfPages(pdf, 200);
    ASSERT_EQ(pages.size(), 2);
    const QImage& page1 = pages[0];
    const QImage& page2 = pages[1];
    ASSERT_EQ(page1.size(), QSize(1700, 2200));
    ASSERT_EQ(page2.size(), QSize(1700, 2200));
    const auto rgb = [](const QImage& img, double x, double y) { return img.pixel(int(x * 2), int(y * 2)) | kBlack; };
    const auto dark = [](const QImage& img, double x, double y) { return qGray(img.pixel(int(x * 2), int(y * 2))) < 64; };
    EXPECT_EQ(rgb(page1, 200, 150), kWhite);  // page 1 starts at row 5
    EXPECT_EQ(rgb(page1, 200, 890 + 100), kRed);
    EXPECT_EQ(rgb(page2, 200, 150), kRed);
    EXPECT_EQ(rgb(page2, 75.5, 50.5), kRed);  // the first card's corner at the margins
    EXPECT_EQ(rgb(page2, 74.5, 100), kWhite);
    EXPECT_EQ(rgb(page2, 100, 49.5), kWhite);
    EXPECT_EQ(rgb(page2, 824.5, 890 + 199.5), kRed);
    EXPECT_EQ(rgb(page2, 825.5, 890 + 100), kWhite);
    // Crop marks: along the top on page 2 only, along the left on both.
    EXPECT_TRUE(dark(page2, 75, 44));
    EXPECT_TRUE(dark(page2, 425, 44));
    EXPECT_FALSE(dark(page1, 75, 44));
    EXPECT_TRUE(dark(page1, 69, 890));
}

TEST(SheetPdfFile, PictureInEveryCellIsStoredOnce)
{
    // Noise does not compress: every extra copy would add its full size.
    QImage noise(400, 300, QImage::Format_ARGB32);
    quint32 seed = 12345;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setPixel(x, y, 0xFF000000u | (seed >> 8));
        }
    COstrelsDoc doc;
    auto picture = std::make_unique<CBtImage>(QPoint(60, 60), QPoint(160, 135), noise, 350, 200, 1);
    picture->m_nSide = 1;
    doc.m_elements.push_back(std::move(picture));

    const auto pdfSize = [&doc](int nRows, int nCols) {
        CPrintSettings s = Sheet(nRows, nCols);
        s.m_nPrintPages = 2;
        const QString pdf = CurrentTestEnvironment().Path(QStringLiteral("p%1.pdf").arg(nRows * nCols));
        QString error;
        EXPECT_TRUE(SheetPdf::Write(pdf, doc, s, QSizeF(8.5, 11), &error));
        return QFileInfo(pdf).size();
    };
    const qint64 nOne = pdfSize(1, 1);
    EXPECT_GT(nOne, 100 * 1000);  // the picture is in the file
    EXPECT_LT(pdfSize(5, 2), nOne + 20 * 1000);
}

TEST(SheetPdfFile, UnwritablePathReportsAndLeavesTheOldFile)
{
    COstrelsDoc doc;
    CPrintSettings s = Sheet(1, 1);
    QString error;
    EXPECT_FALSE(SheetPdf::Write(CurrentTestEnvironment().Path("no/such/folder/x.pdf"), doc, s, QSizeF(8.5, 11), &error));
    EXPECT_TRUE(error.contains("x.pdf"));
}
