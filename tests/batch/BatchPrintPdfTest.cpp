#include "document/COstrelsDoc.h"
#include "elements/CShapes.h"
#include "support/BatchRun.h"
#include "support/CardFileFixtures.h"
#include "support/PdfPages.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;

// The --print-pdf command with args.
CRun PrintPdf(const QStringList& args) { return RunKestova(QStringList{QStringLiteral("--print-pdf")} + args); }

void AddRectangle(COstrelsDoc& doc, int nSide, QPoint a, QPoint b, QRgb clr)
{
    auto p = std::make_unique<CRectangle>(a, b);
    p->m_nSide = nSide;
    p->m_nFillPattern = 1;
    p->m_bNoFill = 0;
    p->m_clrFill = clr;
    p->m_nBorderWidth = 0;
    p->m_bShadow = 0;
    doc.m_elements.push_back(std::move(p));
}

// A red card with a green rectangle on its front; the back is blue with a
// red rectangle.
QString SaveCard(int nWidth = 350, int nHeight = 200)
{
    COstrelsDoc doc;
    doc.m_nCardWidth = nWidth;
    doc.m_nCardHeight = nHeight;
    doc.m_nCardWidthFine = nWidth * 1000;
    doc.m_nCardHeightFine = nHeight * 1000;
    doc.m_nSides = 2;
    doc.m_clrFront = kRed;
    doc.m_clrBack = kBlue;
    AddRectangle(doc, 1, {100, 100}, {200, 150}, kGreen);
    AddRectangle(doc, 2, {100, 100}, {200, 150}, kRed);
    return SaveDesignFixture(doc, QStringLiteral("card.kvzd"));
}

// The pages of a PDF at one pixel per 1/100 inch.
QList<QImage> Render(const QString& pdf) { return RenderPdfPages(pdf, 100); }

QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000; }

QString Out() { return CurrentTestEnvironment().Path("out.pdf"); }
}  // namespace

TEST(BatchPrintPdf, FirstShippedLayoutOnLetterWithCardsAtItsMargins)
{
    const CRun run = PrintPdf({Out(), SaveCard()});
    ASSERT_EQ(run.nExit, 0) << run.err.toStdString();
    const QList<QImage> pages = Render(Out());
    ASSERT_EQ(pages.size(), 1);
    const QImage& page = pages[0];
    EXPECT_EQ(page.size(), QSize(850, 1100));
    // 5 x 2 cards, 0.75 in from the left and 0.5 in from the top edge.
    EXPECT_EQ(At(page, 76, 51), kRed);
    EXPECT_EQ(At(page, 73, 100), kWhite);
    EXPECT_EQ(At(page, 100, 48), kWhite);
    EXPECT_EQ(At(page, 75 + 100, 50 + 75), kGreen);  // the rectangle in cell 1
    EXPECT_EQ(At(page, 425 + 300, 850 + 190), kRed);            // cell 10
    EXPECT_EQ(At(page, 425 + 100, 850 + 75), kGreen);
    EXPECT_EQ(At(page, 800, 1080), kWhite);
}

TEST(BatchPrintPdf, PortraitDesignPrintsTheLayoutTransposedOnLandscapePaper)
{
    const CRun run = PrintPdf({Out(), SaveCard(200, 350)});
    ASSERT_EQ(run.nExit, 0) << run.err.toStdString();
    const QList<QImage> pages = Render(Out());
    ASSERT_EQ(pages.size(), 1);
    const QImage& page = pages[0];
    EXPECT_EQ(page.size(), QSize(1100, 850));
    // 2 rows of 5 cards, 0.5 in from the left and 0.75 in from the top.
    EXPECT_EQ(At(page, 51, 76), kRed);
    EXPECT_EQ(At(page, 48, 100), kWhite);
    EXPECT_EQ(At(page, 100, 73), kWhite);
    EXPECT_EQ(At(page, 50 + 4 * 200 + 190, 75 + 350 + 340), kRed);
    EXPECT_EQ(At(page, 1060, 300), kWhite);
}

TEST(BatchPrintPdf, LayoutByNamePagesStartCellAndBackSide)
{
    const CRun run = PrintPdf({Out(), "--layout", "l7414", "--pages", "3", "--start-row", "5", "--start-col", "2",
                                 "--side", "2", "--corner-marks", SaveCard()});
    ASSERT_EQ(run.nExit, 0) << run.err.toStdString();
    const QList<QImage> pages = Render(Out());
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0].size(), QSize(827, 1170));  // A4
    // The layout puts the first card 0.60 in across and 0.72 in down.
    const int x = 60, y = 72;
    EXPECT_EQ(At(pages[0], x + 350 + 300, y + 4 * 200 + 100), kBlue);  // cell (2, 5) only
    EXPECT_EQ(At(pages[0], x + 100, y + 4 * 200 + 100), kWhite);
    EXPECT_EQ(At(pages[0], x + 100, y + 100), kWhite);
    EXPECT_EQ(At(pages[0], x + 350 + 100, y + 4 * 200 + 75), kRed);  // the back's rectangle
    EXPECT_LT(qGray(pages[0].pixel(x + 350 - 6, y + 4 * 200)), 160);  // corner mark
    for (int i : {1, 2}) {
        EXPECT_EQ(At(pages[i], x + 300, y + 100), kBlue);
        EXPECT_EQ(At(pages[i], x + 100, y + 75), kRed);
    }
}

TEST(BatchPrintPdf, ProductNumberPicksTheLayoutThatNamesIt)
{
    // 8869 is past the last layout's number, so it is looked up by name: the
    // Letter stock of 4 x 2 cards 0.5 in from the left and 0.75 in down.
    const CRun run = PrintPdf({Out(), "--layout", "8869", SaveCard()});
    ASSERT_EQ(run.nExit, 0) << run.err.toStdString();
    const QList<QImage> pages = Render(Out());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(At(pages[0], 51, 76), kRed);
    EXPECT_EQ(At(pages[0], 48, 100), kWhite);
    EXPECT_EQ(At(pages[0], 100, 73), kWhite);
}

TEST(BatchPrintPdf, UserLayoutCopyIsReadFirst)
{
    const QString dir = CurrentTestEnvironment().Path("xdg/Quarvel/Kestova");
    QDir().mkpath(dir);
    QFile f(dir + "/paperstock.lay");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Postcard|1|1|0|0|1|1|5|4|3.5|2");
    f.close();
    const CRun run = PrintPdf({Out(), SaveCard()});
    ASSERT_EQ(run.nExit, 0) << run.err.toStdString();
    const QList<QImage> pages = Render(Out());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].size(), QSize(500, 400));
    EXPECT_EQ(At(pages[0], 101, 101), kRed);
    EXPECT_EQ(At(pages[0], 98, 150), kWhite);
    EXPECT_EQ(At(pages[0], 150, 98), kWhite);
}

TEST(BatchPrintPdf, UsageErrorsListTheLayoutsAndWriteNothing)
{
    const QString card = SaveCard();
    const QList<QStringList> cases = {
        {Out(), "--layout", "99", card},
        {Out(), "--layout", "no such stock", card},
        {Out(), "--pages", "0", card},
        {Out(), "--pages", "1001", card},
        {Out(), "--start-row", "6", card},
        {Out(), "--start-col", "3", card},
        {Out(), "--side", "3", card},
    };
    for (const QStringList& args : cases) {
        const CRun run = PrintPdf(args);
        EXPECT_EQ(run.nExit, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage: kestova --print-pdf OUT")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("  1  Avery 5371")) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Out()));
    }
    const QList<QStringList> malformed = {
        {Out()}, {Out(), "--pages", "x", card}, {Out(), "--bogus", card}, {Out(), card, "--layout"},
    };
    for (const QStringList& args : malformed) {
        const CRun run = PrintPdf(args);
        EXPECT_EQ(run.nExit, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage: kestova --print-pdf OUT")) << run.err.toStdString();
    }
}

TEST(BatchPrintPdf, FileErrorsKeepAnExistingOutput)
{
    QFile old(Out());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    const QString broken = WriteFixtureFile(QStringLiteral("broken.kvzd"), "not a card");
    EXPECT_EQ(PrintPdf({Out(), broken}).nExit, 1);
    EXPECT_EQ(PrintPdf({Out(), CurrentTestEnvironment().Path("missing.kvzd")}).nExit, 1);
    const CRun run = PrintPdf({CurrentTestEnvironment().Path("no/folder/out.pdf"), SaveCard()});
    EXPECT_EQ(run.nExit, 1);
    EXPECT_TRUE(run.err.contains("out.pdf")) << run.err.toStdString();
    EXPECT_EQ(FileBytes(Out()), "old");
}
