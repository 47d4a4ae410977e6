// One control step of the shipped controllers, side by side: the engine
// (set the inputs, Infer, Defuzzify) and the C export of the same project
// (NAME_step, compiled as C99 with this build's optimisation), on the same
// 4096 input pairs. Both give the same bits; this measures what each costs.
#include "BenchProject.h"

#include "heizung_regler.h"
#include "lok_regler.h"
#include "truck_regler.h"

#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using Inputs = std::vector<std::pair<float, float>>;

// The same spread as step_bench: uniform over both ranges.
Inputs SpreadInputs(const BenchProject& p) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> a(p.A.RangeMin, p.A.RangeMax), b(p.B.RangeMin, p.B.RangeMax);
    Inputs in(4096);
    for (auto& [x, y] : in) {
        x = a(rng);
        y = b(rng);
    }
    return in;
}

void Engine(benchmark::State& state, const char* example) {
    BenchProject p(example);
    const Inputs in = SpreadInputs(p);
    std::size_t i = 0;
    for (auto _ : state) {
        p.A.Value = in[i].first;
        p.B.Value = in[i].second;
        fuzzy::Infer(p.Rules, p.A, p.B, p.Out);
        benchmark::DoNotOptimize(p.Out.Defuzzify());
        i = (i + 1) & (in.size() - 1);
    }
}

void Generated(benchmark::State& state, const char* example, float (*step)(float, float)) {
    const BenchProject p(example);
    const Inputs in = SpreadInputs(p);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(step(in[i].first, in[i].second));
        i = (i + 1) & (in.size() - 1);
    }
}

BENCHMARK_CAPTURE(Engine, truck, "truck.fuz");
BENCHMARK_CAPTURE(Generated, truck, "truck.fuz", truck_step);
BENCHMARK_CAPTURE(Engine, lok, "lok.fuz");
BENCHMARK_CAPTURE(Generated, lok, "lok.fuz", lok_step);
BENCHMARK_CAPTURE(Engine, heizung, "heizung.fuz");
BENCHMARK_CAPTURE(Generated, heizung, "heizung.fuz", heizung_step);

}  // namespace

BENCHMARK_MAIN();
