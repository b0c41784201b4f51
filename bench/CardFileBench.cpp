#include "document/CArchive.h"
#include "document/COstrelsDoc.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "elements/CText.h"

#include <benchmark/benchmark.h>
#include <random>

// Reading and writing card files in memory: a design holding one large
// picture (3000 x 2000, 24 MB of pixels), and one of 10,000 small elements.
namespace {
std::unique_ptr<COstrelsDoc> PictureDesign()
{
    QImage image(3000, 2000, QImage::Format_ARGB32);
    std::mt19937 rng(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = rng();
    }
    auto doc = std::make_unique<COstrelsDoc>();
    doc->m_elements.push_back(std::make_unique<CBkgImage>(image, 350, 200));
    return doc;
}

std::unique_ptr<COstrelsDoc> ManyElementsDesign()
{
    auto doc = std::make_unique<COstrelsDoc>();
    for (int i = 0; i < 10000; ++i) {
        const QPoint a(50 + i % 300, 50 + i % 150);
        const QPoint b = a + QPoint(20, 10);
        switch (i % 4) {
        case 0:
            doc->m_elements.push_back(std::make_unique<CRectangle>(a, b));
            break;
        case 1: {
            auto t = std::make_unique<CText>(a, b);
            t->m_strText = QStringLiteral("Jane Doe, Sales");
            doc->m_elements.push_back(std::move(t));
            break;
        }
        case 2:
            doc->m_elements.push_back(std::make_unique<CLine>(a, b));
            break;
        default: {
            auto f = std::make_unique<CFreehandLine>(a, b);
            for (int k = 0; k < 8; ++k)
                f->AddPoint(a + QPoint(k, k * 2));
            doc->m_elements.push_back(std::move(f));
        }
        }
    }
    return doc;
}

QByteArray Write(COstrelsDoc& doc)
{
    QByteArray bytes;
    CArchive ar(&bytes);
    doc.Serialize(ar);
    return bytes;
}

void BenchWrite(benchmark::State& state, COstrelsDoc& doc)
{
    qsizetype n = 0;
    for (auto _ : state) {
        const QByteArray bytes = Write(doc);
        n = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * n);
}

void BenchRead(benchmark::State& state, COstrelsDoc& source)
{
    const QByteArray bytes = Write(source);
    for (auto _ : state) {
        COstrelsDoc doc;
        CArchive ar(bytes);
        doc.Serialize(ar);
        benchmark::DoNotOptimize(doc.m_elements.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
}  // namespace

static void BM_CardFileWritePicture(benchmark::State& state) { BenchWrite(state, *PictureDesign()); }
static void BM_CardFileReadPicture(benchmark::State& state) { BenchRead(state, *PictureDesign()); }
static void BM_CardFileWrite10000Elements(benchmark::State& state) { BenchWrite(state, *ManyElementsDesign()); }
static void BM_CardFileRead10000Elements(benchmark::State& state) { BenchRead(state, *ManyElementsDesign()); }

BENCHMARK(BM_CardFileWritePicture)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_CardFileReadPicture)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_CardFileWrite10000Elements)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_CardFileRead10000Elements)->Unit(benchmark::kMillisecond)->Repetitions(5);
