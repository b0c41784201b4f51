#include "document/COstrelsDoc.h"
#include "document/SideImageExport.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "support/BatchRun.h"
#include "support/CardFileFixtures.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

// A two-sided design: a red block and a text on the front, a blue block on a
// grey back.
QString SavedDesign(int nSides = 2)
{
    COstrelsDoc doc;
    doc.m_nSides = nSides;
    doc.m_clrBack = 0xFF808080;
    const auto add = [&doc](std::unique_ptr<CElement> e, int nSide) {
        e->m_nSide = nSide;
        doc.m_elements.push_back(std::move(e));
    };
    auto red = std::make_unique<CRectangle>(QPoint(60, 60), QPoint(160, 110));
    red->m_clrFill = kRed;
    red->m_nBorderWidth = 0;
    add(std::move(red), 1);
    auto text = std::make_unique<CText>(QPoint(200, 60), QPoint(380, 120));
    text->m_strText = QStringLiteral("Batch export");
    add(std::move(text), 1);
    if (nSides == 2) {
        auto blue = std::make_unique<CRectangle>(QPoint(250, 150), QPoint(300, 200));
        blue->m_clrFill = kBlue;
        blue->m_nBorderWidth = 0;
        add(std::move(blue), 2);
    }
    return SaveDesignFixture(doc, QStringLiteral("design%1.kvzd").arg(nSides));
}

QString Out(const QString& name) { return CurrentTestEnvironment().Path(name); }
}  // namespace

TEST(BatchExportImage, WritesThePicturesSaveAsImageWould)
{
    const QString design = SavedDesign();
    const QString out = Out(QStringLiteral("front.png"));
    const CRun r = RunKestova({QStringLiteral("--export-image"), out, design});
    ASSERT_EQ(r.nExit, 0) << r.err.toStdString();
    const QImage front(out);
    ASSERT_EQ(front.size(), QSize(1050, 600));  // 300 dpi by default
    EXPECT_EQ(qRound(front.dotsPerMeterX() * 0.0254), 300);

    COstrelsDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(design));
    EXPECT_EQ(front.convertToFormat(QImage::Format_RGB888), SideImageExport::Render(doc, 1, 300));

    const QString back = Out(QStringLiteral("back.PNG"));
    ASSERT_EQ(RunKestova({QStringLiteral("--export-image"), back, QStringLiteral("--side"), QStringLiteral("2"),
                          QStringLiteral("--dpi"), QStringLiteral("200"), design})
                  .nExit,
              0);
    const QImage img(back);
    ASSERT_EQ(img.size(), QSize(700, 400));
    EXPECT_EQ(img.pixel(20, 20), 0xFF808080u);
    EXPECT_EQ(img.pixel(410, 210), kBlue);
}

TEST(BatchExportImage, BadArgumentsAreUsageErrors)
{
    const QString design = SavedDesign();
    const QString out = Out(QStringLiteral("x.png"));
    const QStringList cases[] = {
        {},
        {out},
        {QStringLiteral("--dpi"), QStringLiteral("300"), out, design},
        {out, QStringLiteral("--dpi"), QStringLiteral("150"), design},
        {out, QStringLiteral("--dpi"), QStringLiteral("700"), design},
        {out, QStringLiteral("--dpi"), QStringLiteral("0"), design},
        {out, QStringLiteral("--dpi"), QStringLiteral("many"), design},
        {out, design, QStringLiteral("--dpi")},
        {out, QStringLiteral("--side"), QStringLiteral("3"), design},
        {out, QStringLiteral("--colour"), QStringLiteral("red"), design},
        {out, design, design},
    };
    for (const QStringList& args : cases) {
        const CRun r = RunKestova(QStringList{QStringLiteral("--export-image")} + args);
        EXPECT_EQ(r.nExit, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String("usage: kestova --export-image OUT"))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST(BatchExportImage, UnreadableDesignOrUnwritablePictureFails)
{
    const QString out = Out(QStringLiteral("y.bmp"));
    const QString junk = WriteFixtureFile(QStringLiteral("junk.kvzd"), "this is not a card file");
    CRun r = RunKestova({QStringLiteral("--export-image"), out, junk});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_FALSE(QFile::exists(out));

    r = RunKestova({QStringLiteral("--export-image"), Out(QStringLiteral("no/folder/y.bmp")), SavedDesign()});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_TRUE(r.err.contains(QLatin1String("Failed to save."))) << r.err.toStdString();

    r = RunKestova({QStringLiteral("--export-image"), out, QStringLiteral("--side"), QStringLiteral("2"),
                    SavedDesign(1)});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_TRUE(r.err.contains(QLatin1String("no back side"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}
