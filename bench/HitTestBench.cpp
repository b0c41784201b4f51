#include "elements/CShapes.h"

#include <benchmark/benchmark.h>

// Hit testing runs for every element under the pointer on each mouse move.
static void BM_HitTestRotated(benchmark::State& state)
{
    CRectangle r(QPoint(100, 100), QPoint(300, 200));
    r.m_nRotation = 30;
    int hits = 0;
    for (auto _ : state)
        for (int x = 0; x < 400; x += 7)
            hits += r.HitTest(QPoint(x, 150));
    benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_HitTestRotated);
