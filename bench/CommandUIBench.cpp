#include "app/CMainFrame.h"
#include "document/COstrelsDoc.h"
#include "elements/CShapes.h"

#include <benchmark/benchmark.h>

// Every click and key release re-evaluates every command's rule, so this is
// the cost the user pays after each input event.
static void BM_UpdateCommandUI(benchmark::State& state)
{
    CMainFrame frame;
    auto pDoc = std::make_unique<COstrelsDoc>();
    pDoc->SetTitle(QStringLiteral("Bench"));
    for (int i = 0; i < state.range(0); ++i) {
        pDoc->m_elements.push_back(std::make_unique<CRectangle>(QPoint(60 + i % 200, 60), QPoint(100, 100)));
        if (i % 2)
            pDoc->m_selection.push_back(pDoc->m_elements.back().get());
    }
    frame.AddDesignWindow(std::move(pDoc));
    for (auto _ : state)
        frame.UpdateCommandUI();
}
BENCHMARK(BM_UpdateCommandUI)->Arg(10)->Arg(1000);
