// The closed-loop runs: the truck grid (164 starts) at both speeds, the
// locomotive's six runs of the lab, and one scoring of the tuner, all on the
// shipped controllers and on one core.
#include "bench/Beispiel.h"
#include "truck/model/Grid.h"
#include "loco/model/LocoVersuch.h"
#include "tuning/Score.h"

#include <benchmark/benchmark.h>

namespace {

void TruckGrid(benchmark::State& state, float speed, bool record) {
    fuzzy::Project p = LoadExample("truck.fuz");
    const fuzzy::Controller c(p);
    for (auto _ : state) {
        const dorvane::GridRun g = dorvane::RunGrid(c, speed, record);
        benchmark::DoNotOptimize(g.Figures.Docked);
    }
}
BENCHMARK_CAPTURE(TruckGrid, at_minus_1, -1.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TruckGrid, at_minus_1_with_tracks, -1.0f, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TruckGrid, at_minus_10, -10.0f, false)->Unit(benchmark::kMillisecond);

void LocoSeries(benchmark::State& state) {
    fuzzy::Project p = LoadExample("lok.fuz");
    const fuzzy::Controller regler(p);
    for (auto _ : state) {
        const auto reihe = pemrak::RunSeries(regler, pemrak::RunOptions{}, pemrak::LabMasses(), pemrak::LabSteps());
        benchmark::DoNotOptimize(reihe.size());
    }
}
BENCHMARK(LocoSeries)->Unit(benchmark::kMillisecond);

void TunerScore(benchmark::State& state, tuning::Vehicle v, const char* example) {
    const fuzzy::Project p = LoadExample(example);
    for (auto _ : state) benchmark::DoNotOptimize(tuning::Evaluate(p, v).Keys[0]);
}
BENCHMARK_CAPTURE(TunerScore, truck, tuning::Vehicle::Truck, "truck.fuz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TunerScore, lok, tuning::Vehicle::Loco, "lok.fuz")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
