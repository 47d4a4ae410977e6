// One control step of a full 5 x 5 controller: set the inputs, Infer,
// Defuzzify. A measurement only, not a test: run engine_bench by hand.
#include "FuzUnits.h"

#include <benchmark/benchmark.h>

namespace {

fuzzy::TFuzzy FiveTerms(float lo, float hi) {
    fuzzy::TFuzzy v;
    v.Defined = true;
    v.Name = "v";
    v.RangeMin = lo;
    v.RangeMax = hi;
    v.TermCount = 5;
    const float step = (hi - lo) / 4;
    for (int i = 1; i <= 5; ++i) {
        const float m = lo + step * static_cast<float>(i - 1);
        v.SetTermName(i, "t" + std::to_string(i));
        v.SetParam(i, 1, m - step);
        v.SetParam(i, 2, m - step / 4);
        v.SetParam(i, 3, m + step / 4);
        v.SetParam(i, 4, m + step);
        v.SetParam(i, 5, 1);
    }
    return v;
}

void ControlStep(benchmark::State& state) {
    fuzzy::TFuzzy A = FiveTerms(-20, 20), B = FiveTerms(-90, 90), Out = FiveTerms(-30, 30);
    fuzzy::RuleTable R;
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 5; ++c) R.Set(r, c, (r + c) / 2);
    }
    float x = -20;
    for (auto _ : state) {
        A.Value = x;
        B.Value = x * 3;
        fuzzy::Infer(R, A, B, Out);
        benchmark::DoNotOptimize(Out.Defuzzify());
        x = x >= 20 ? -20 : x + 0.37f;
    }
}
BENCHMARK(ControlStep);

}  // namespace

BENCHMARK_MAIN();
