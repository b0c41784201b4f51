#include "document/COstrelsDoc.h"
#include "document/SideImageExport.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CText.h"

#include <QBuffer>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {
constexpr int kExportDpi = 600;

// A 3.5 x 2 inch front with 40 text blocks, 20 lines and curves and a
// 1000 x 700 pixel picture.
std::unique_ptr<COstrelsDoc> BusyCard()
{
    auto doc = std::make_unique<COstrelsDoc>();
    const auto add = [&doc](std::unique_ptr<CElement> e) {
        e->m_nSide = 1;
        doc->m_elements.push_back(std::move(e));
    };
    QImage photo(1000, 700, QImage::Format_ARGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgba(x % 256, y % 256, (x + y) % 256, 255));
    auto picture = std::make_unique<CBtImage>(QPoint(60, 60), QPoint(0, 0), photo, 350, 200, 1);
    picture->m_nBorderWidth = 1;
    picture->m_bShadow = 1;
    picture->m_nRotation = 10;
    add(std::move(picture));

    const QString words = QStringLiteral("Kestova cards print sharp names, titles and addresses on every stock");
    for (int i = 0; i < 40; ++i) {
        const int l = 50 + (i % 5) * 65, t = 50 + (i / 5) * 24;
        auto text = std::make_unique<CText>(QPoint(l, t), QPoint(l + 70, t + 30));
        text->m_strText = words.left(20 + i);
        text->m_nHAlign = i % 3;
        text->m_nVAlign = (i / 3) % 3;
        text->m_bVertical = i % 7 == 0;
        text->m_nRotation = i % 4 == 0 ? 15 : 0;
        text->m_font.lfHeight = 7 + i % 6;
        text->m_font.lfWeight = i % 2 ? 700 : 400;
        add(std::move(text));
    }
    for (int i = 0; i < 20; ++i) {
        const int x = 60 + i * 15, y = 60 + (i % 4) * 40;
        if (i % 3 == 0) {
            auto line = std::make_unique<CLine>(QPoint(x, y), QPoint(x + 60, y + 30));
            line->m_nLineDir = i % 4;
            line->m_nBorderWidth = i % 3;
            add(std::move(line));
            continue;
        }
        std::unique_ptr<CElement> stroke;
        if (i % 3 == 1)
            stroke = std::make_unique<CFreehandLine>(QPoint(x, y), QPoint(x, y));
        else
            stroke = std::make_unique<CClosedCurve>(QPoint(x, y), QPoint(x, y));
        for (int k = 0; k <= 60; ++k) {
            const double a = k * 2 * M_PI / 60;
            stroke->AddPoint(QPoint(x + int(25 * std::cos(a) * (1 + 0.3 * std::sin(5 * a))),
                                    y + int(20 * std::sin(a) * (1 + 0.3 * std::sin(5 * a)))));
        }
        stroke->m_nBorderWidth = 1;
        add(std::move(stroke));
    }
    return doc;
}

const SideImageExport::CFormat kFormats[] = {SideImageExport::CFormat::Png, SideImageExport::CFormat::Jpeg,
                                             SideImageExport::CFormat::Gif, SideImageExport::CFormat::Bmp};
const char* const kFormatNames[] = {"png", "jpeg", "gif", "bmp"};
}  // namespace

// Drawing the side into its 2100 x 1200 picture, without encoding.
static void BM_ExportRender600(benchmark::State& state)
{
    const auto doc = BusyCard();
    for (auto _ : state) {
        QImage image = SideImageExport::Render(*doc, 1, kExportDpi);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ExportRender600)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Encoding the rendered picture into memory, by format.
static void BM_ExportEncode600(benchmark::State& state)
{
    const auto doc = BusyCard();
    const QImage image = SideImageExport::Render(*doc, 1, kExportDpi);
    const auto format = kFormats[state.range(0)];
    state.SetLabel(kFormatNames[state.range(0)]);
    qint64 nBytes = 0;
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        SideImageExport::Encode(image, format, buffer);
        nBytes = bytes.size();
    }
    state.counters["bytes"] = double(nBytes);
}
BENCHMARK(BM_ExportEncode600)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
