#include "elements/ElementRegistry.h"
#include "elements/ElementTypes.h"
#include "elements/ShapeOutlines.h"
#include "elements/FillWithPattern.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {
// A card at 600 dpi: 3.5 x 2 inches, six pixels per canvas unit.
constexpr int kCardWidth = 350;
constexpr int kCardHeight = 200;
constexpr double kScale = 6.0;

// Solid, hatches, linear, bell and radial fills in turn.
constexpr int kPatterns[] = {1, 2, 9, 17, 24, 25, 26, 28, 31, 35, 36, 37, 38, 42};

// 200 shapes of every kind scattered over the card, a third of them turned,
// every other one with a shadow.
std::vector<std::unique_ptr<CElement>> MixedCard()
{
    const std::vector<int16_t> types = ShapeOutlines::AllTypes();
    std::vector<std::unique_ptr<CElement>> card;
    unsigned seed = 12345;
    const auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % unsigned(n));
    };
    for (int i = 0; i < 200; ++i) {
        const int w = 30 + next(120), h = 20 + next(80);
        const int l = 50 + next(kCardWidth - w), t = 50 + next(kCardHeight - h);
        auto e = ElementRegistry::CreateForTool(types[size_t(i) % types.size()], QPoint(l, t), QPoint(l + w, t + h));
        e->m_nFillPattern = kPatterns[(i / 3) % std::size(kPatterns)];
        e->m_clrFill = 0xFFFFFFFF;
        e->m_clrPattern = 0xFF2050C0;
        e->m_bShadow = i % 2;
        e->m_nRotation = i % 3 == 0 ? (i * 17) % 360 : 0;
        e->m_nBorderWidth = i % 4;
        e->m_nDashStyle = i % 5;
        card.push_back(std::move(e));
    }
    return card;
}

QImage CardImage()
{
    QImage image(int(kCardWidth * kScale), int(kCardHeight * kScale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}
}  // namespace

// A whole card as export draws it: card corner at the origin.
static void BM_RenderMixedCard600dpi(benchmark::State& state)
{
    auto card = MixedCard();
    QImage image = CardImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter g(&image);
        g.scale(kScale, kScale);
        for (auto& e : card)
            e->Render(g, 1, 1, -0.5f, -0.5f, 0, 0, kCardWidth, kCardHeight);
    }
    benchmark::DoNotOptimize(image.constBits());
}
// Qt spreads large fills over worker threads: count the CPU time of all of them.
BENCHMARK(BM_RenderMixedCard600dpi)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// One large fill of the given pattern: 200 x 120 canvas units at 600 dpi.
static void BM_FillPattern600dpi(benchmark::State& state)
{
    const int nPattern = int(state.range(0));
    QImage image = CardImage();
    for (auto _ : state) {
        QPainter g(&image);
        g.setRenderHint(QPainter::Antialiasing);
        g.scale(kScale, kScale);
        FillWithPattern(g, QRectF(60, 40, 200, 120), nPattern, 0xFFFFFFFF, 0xFF2050C0, ElementType::kRectangle,
                        nullptr, QPointF(0, 0));
    }
    benchmark::DoNotOptimize(image.constBits());
}
// Solid, hatch, linear, bell, elliptical and rectangular radial.
BENCHMARK(BM_FillPattern600dpi)->MeasureProcessCPUTime()->Arg(1)->Arg(12)->Arg(25)->Arg(26)->Arg(37)->Arg(42)->Unit(benchmark::kMicrosecond);
