#include "document/COstrelsDoc.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "printing/SheetPdf.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// The fills of the six shapes: solid, or a mix of hatch, gradient and radial
// fills, which a PDF stores per card where a solid fill is a colour.
enum class ShapeFills { Solid, Mixed };

// A busy card: a gradient over the whole card, six shapes, four texts, a
// line and a 400 x 300 picture.
void BuildCard(COstrelsDoc& doc, ShapeFills fills)
{
    const auto add = [&doc](std::unique_ptr<CElement> p, int nPattern, QRgb clrFill) {
        p->m_nSide = 1;
        p->m_nFillPattern = nPattern;
        p->m_clrFill = clrFill;
        p->m_clrPattern = 0xFF2040A0;
        doc.m_elements.push_back(std::move(p));
    };
    const bool bMixed = fills == ShapeFills::Mixed;
    add(std::make_unique<CRectangle>(QPoint(50, 50), QPoint(400, 250)), 25, 0xFFE0F0FF);
    add(std::make_unique<CCircle>(QPoint(60, 60), QPoint(120, 120)), 1, 0xFFFF8000);
    add(std::make_unique<CShapeStar>(QPoint(130, 60), QPoint(190, 120)), bMixed ? 30 : 1, 0xFFFFFF00);
    add(std::make_unique<CRectRound>(QPoint(200, 60), QPoint(260, 100)), bMixed ? 5 : 1, 0xFF00A000);
    add(std::make_unique<CTriangle>(QPoint(270, 60), QPoint(330, 120)), bMixed ? 38 : 1, 0xFF8000FF);
    add(std::make_unique<CShapeSun>(QPoint(340, 60), QPoint(390, 110)), bMixed ? 33 : 1, 0xFFFF0000);
    add(std::make_unique<CShapeArrowR>(QPoint(60, 200), QPoint(160, 240)), 1, 0xFF0080FF);
    const char* texts[] = {"Quarvel Kestova", "Card Designer", "+1 555 0100", "www.example.com"};
    for (int i = 0; i < 4; ++i) {
        auto t = std::make_unique<CText>(QPoint(170, 130 + 25 * i), QPoint(390, 152 + 25 * i));
        t->m_strText = QString::fromLatin1(texts[i]);
        doc.m_elements.push_back(std::move(t));
    }
    add(std::make_unique<CLine>(QPoint(60, 180), QPoint(390, 180)), 0, 0xFF000000);
    QImage picture(400, 300, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 300, (x ^ y) & 0xFF));
    auto p = std::make_unique<CBtImage>(QPoint(60, 125), QPoint(160, 200), picture, 350, 200, 1);
    p->m_nSide = 1;
    doc.m_elements.push_back(std::move(p));
}
}  // namespace

// Ten pages of a ten-up business-card sheet written as a PDF.
static void BM_PrintPdfTenPagesTenUp(benchmark::State& state)
{
    COstrelsDoc doc;
    BuildCard(doc, ShapeFills(state.range(0)));
    CPrintSettings s;
    s.m_nPrintPages = 10;
    s.m_nPrintRows = 5;
    s.m_nPrintCols = 2;
    s.m_fTopMargin = 0.5f;
    s.m_fLeftMargin = 0.75f;
    s.m_bCropMarks = 1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheets.pdf"));
    QString error;
    for (auto _ : state)
        if (!SheetPdf::Write(path, doc, s, QSizeF(8.5, 11), &error))
            state.SkipWithError(error.toStdString().c_str());
    state.counters["pdf_bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_PrintPdfTenPagesTenUp)
    ->ArgName("mixed_fills")
    ->Arg(int(ShapeFills::Solid))
    ->Arg(int(ShapeFills::Mixed))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
