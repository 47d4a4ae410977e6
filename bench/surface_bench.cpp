// The control surface of a project: the output on a 200 x 200 grid over both
// input ranges, computed by the engine point by point. A measurement only:
// run surface_bench by hand (from a release build).
#include "fuzzy/Project.h"
#include "fuzzy/Controller.h"
#include "fuzzy/Surface.h"

#include <benchmark/benchmark.h>

#include <string>

// The build names the source folder; run from there otherwise.
#ifndef FUZZY_SOURCE_DIR
#define FUZZY_SOURCE_DIR "."
#endif

namespace {

fuzzy::Project Laden(const char* name) { return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/") + name); }

void Kennfeld(benchmark::State& state, const char* datei) {
    const fuzzy::Project p = Laden(datei);
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        fuzzy::SurfaceGrid k = fuzzy::ComputeSurface(p, n, n);
        benchmark::DoNotOptimize(k.Values.data());
    }
    state.SetItemsProcessed(state.iterations() * n * (p.B.Defined ? n : 1));
}

void Einzelschritt(benchmark::State& state) {
    fuzzy::Project p = Laden("truck.fuz");
    const fuzzy::Controller regler(p);
    float a = p.A.RangeMin;
    for (auto _ : state) {
        benchmark::DoNotOptimize(regler.Step(a, 12.5f));
        a = a < p.A.RangeMax ? a + 0.1f : p.A.RangeMin;
    }
}

}  // namespace

BENCHMARK_CAPTURE(Kennfeld, truck, "truck.fuz")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kennfeld, lok, "lok.fuz")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kennfeld, beispiel, "beispiel.fuz")->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(Einzelschritt);

BENCHMARK_MAIN();
