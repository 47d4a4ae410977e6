// The control surface of a project: the output on a 200 x 200 grid over both
// input ranges, computed by the engine point by point. A measurement only:
// run surface_bench by hand (from a release build).
#include "FuzUnits.h"
#include "Kennfeld.h"

#include <benchmark/benchmark.h>

#include <string>

// The build names the source folder; run from there otherwise.
#ifndef FUZZY_SOURCE_DIR
#define FUZZY_SOURCE_DIR "."
#endif

namespace {

struct Projekt {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable R;
};

Projekt Laden(const char* name) {
    Projekt p;
    fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/") + name, p.A, p.B, p.Out, p.R);
    return p;
}

void Kennfeld(benchmark::State& state, const char* datei) {
    const Projekt p = Laden(datei);
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        fuzzy::KennfeldGitter k = fuzzy::BerechneKennfeld(p.A, p.B, p.Out, p.R, n, n);
        benchmark::DoNotOptimize(k.Werte.data());
    }
    state.SetItemsProcessed(state.iterations() * n * (p.B.Defined ? n : 1));
}

void Einzelschritt(benchmark::State& state) {
    Projekt p = Laden("truck.fuz");
    float a = p.A.RangeMin;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fuzzy::Ausgang(p.R, p.A, p.B, p.Out, a, 12.5f));
        a = a < p.A.RangeMax ? a + 0.1f : p.A.RangeMin;
    }
}

}  // namespace

BENCHMARK_CAPTURE(Kennfeld, truck, "truck.fuz")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kennfeld, lok, "lok.fuz")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Kennfeld, beispiel, "beispiel.fuz")->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(Einzelschritt);

BENCHMARK_MAIN();
