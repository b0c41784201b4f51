#include "document/COstrelsDoc.h"
#include "elements/CPictures.h"
#include "elements/CText.h"
#include "elements/ElementRegistry.h"
#include "elements/ElementTypes.h"
#include "view/COstrelsView.h"
#include "view/PaintExtent.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

// Repainting the design view: 500 mixed elements over a background picture.
namespace {
constexpr int16_t kShapeTypes[] = {
    ElementType::kRectangle,  ElementType::kCircle,     ElementType::kRhombus,       ElementType::kRectRound,
    ElementType::kTriangle,   ElementType::kCalloutBL,  ElementType::kCalloutBR,     ElementType::kParallelogram,
    ElementType::kArrowLeft,  ElementType::kStar,       ElementType::kExplosion,     ElementType::kMoon,
    ElementType::kArrowRight, ElementType::kSun,
};
constexpr int kFillPatterns = 43;  // 0 none, solid, hatches, linear and radial gradients
const QSize kViewport(1280, 800);

// A small deterministic generator so every run paints the same design.
struct CLcg {
    quint32 n = 12345;
    int Next(int nRange)
    {
        n = n * 1103515245u + 12345u;
        return int((n >> 16) % quint32(nRange));
    }
};

std::unique_ptr<COstrelsDoc> MakeDesign()
{
    auto doc = std::make_unique<COstrelsDoc>();
    const int W = doc->m_nCardWidth, H = doc->m_nCardHeight;
    QImage picture(W * 3, H * 3, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    auto bkg = std::make_unique<CBkgImage>(picture, W, H);
    bkg->m_nSide = 1;
    doc->m_elements.push_back(std::move(bkg));

    CLcg rnd;
    for (int i = 0; i < 400; ++i) {
        const int w = 15 + rnd.Next(70), h = 15 + rnd.Next(50);
        const QPoint tl(50 + rnd.Next(W - w), 50 + rnd.Next(H - h));
        auto p = ElementRegistry::CreateForTool(kShapeTypes[i % std::size(kShapeTypes)], tl, tl + QPoint(w, h));
        p->m_nSide = 1;
        p->m_nFillPattern = i % kFillPatterns;
        p->m_clrFill = qRgb(rnd.Next(256), rnd.Next(256), rnd.Next(256));
        p->m_clrPattern = qRgb(rnd.Next(256), rnd.Next(256), rnd.Next(256));
        p->m_bShadow = i % 3 == 0;
        p->m_nRotation = i % 5 == 0 ? 15 * rnd.Next(24) : 0;
        p->m_nBorderWidth = rnd.Next(3);
        p->m_nAlpha = i % 7 == 0 ? 128 : 255;
        doc->m_elements.push_back(std::move(p));
    }
    for (int i = 0; i < 100; ++i) {
        const int w = 40 + rnd.Next(100), h = 12 + rnd.Next(30);
        const QPoint tl(50 + rnd.Next(W - w), 50 + rnd.Next(H - h));
        auto t = std::make_unique<CText>(tl, tl + QPoint(w, h));
        t->m_nSide = 1;
        t->m_strText = QStringLiteral("Jane Doe %1\nSenior Designer").arg(i);
        t->m_nRotation = i % 4 == 0 ? 90 : 0;
        doc->m_elements.push_back(std::move(t));
    }
    return doc;
}

// Paints the part of the view given in client pixels (the whole viewport when
// empty) at a zoom, the way a paint event does.
void PaintView(benchmark::State& state, float fZoom, bool bPartial)
{
    auto doc = MakeDesign();
    COstrelsView view(doc.get());
    view.m_bShowGrid = 1;
    view.SetZoom(fZoom);
    QImage target(kViewport, QImage::Format_ARGB32_Premultiplied);
    // One centimetre of card about the card's middle.
    const QPoint centre = view.CanvasToClient(QPoint(50 + doc->m_nCardWidth / 2, 50 + doc->m_nCardHeight / 2));
    const int nCm = int(fZoom * 100.0f / 2.54f);
    const QRect rc = bPartial ? QRect(centre.x() - nCm / 2, centre.y() - nCm / 2, nCm, nCm) : QRect(QPoint(0, 0), kViewport);
    for (auto _ : state) {
        QPainter dc(&target);
        view.PaintCanvas(dc, rc);
    }
    state.counters["pixels"] = double(rc.width()) * rc.height();
    // How many elements the repaint had to draw.
    const CRect rcCanvas = view.ClientToCanvas(CRect{rc.left(), rc.top(), rc.right() + 1, rc.bottom() + 1});
    int nDrawn = 0;
    for (const auto& p : doc->m_elements)
        nDrawn += PaintExtentOf(*p).Touches(rcCanvas) ? 1 : 0;
    state.counters["drawn"] = nDrawn;
}

void BM_ViewFullRepaint100(benchmark::State& s) { PaintView(s, 1.0f, false); }
void BM_ViewFullRepaint300(benchmark::State& s) { PaintView(s, 3.0f, false); }
void BM_ViewPartialRepaint100(benchmark::State& s) { PaintView(s, 1.0f, true); }
void BM_ViewPartialRepaint300(benchmark::State& s) { PaintView(s, 3.0f, true); }
}  // namespace

BENCHMARK(BM_ViewFullRepaint100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ViewFullRepaint300)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ViewPartialRepaint100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ViewPartialRepaint300)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
