// One control step (set the inputs, Infer, Defuzzify) on the shipped
// controllers; beside it the C export of the same projects (NAME_step,
// compiled as C99 with this build's optimisation, the same bits), and the
// same controllers in fuzzylite 6 with Centroid(100) when its development
// files are installed.
#include "bench/Beispiel.h"

#include "heizung_regler.h"
#include "lok_regler.h"
#include "truck_regler.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#ifdef FUZZY_HAVE_FUZZYLITE
#include <fl/Headers.h>

#include <memory>
#endif

namespace {

using Inputs = std::vector<std::pair<float, float>>;

// 4096 input pairs spread over both ranges, the same for every controller kind.
Inputs SpreadInputs(const fuzzy::Project& p) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> a(p.A.RangeMin, p.A.RangeMax), b(p.B.RangeMin, p.B.RangeMax);
    Inputs in(4096);
    for (auto& [x, y] : in) {
        x = a(rng);
        y = b(rng);
    }
    return in;
}

void EngineStep(benchmark::State& state, const char* example) {
    fuzzy::Project p = LoadExample(example);
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
BENCHMARK_CAPTURE(EngineStep, truck, "truck.fuz");
BENCHMARK_CAPTURE(EngineStep, lok, "lok.fuz");
BENCHMARK_CAPTURE(EngineStep, heizung, "heizung.fuz");

void GeneratedStep(benchmark::State& state, const char* example, float (*step)(float, float)) {
    const fuzzy::Project p = LoadExample(example);
    const Inputs in = SpreadInputs(p);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(step(in[i].first, in[i].second));
        i = (i + 1) & (in.size() - 1);
    }
}
BENCHMARK_CAPTURE(GeneratedStep, truck, "truck.fuz", truck_step);
BENCHMARK_CAPTURE(GeneratedStep, lok, "lok.fuz", lok_step);
BENCHMARK_CAPTURE(GeneratedStep, heizung, "heizung.fuz", heizung_step);

// A full 5 x 5 table over five evenly spread terms per variable.
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

void EngineStepFullTable(benchmark::State& state) {
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
BENCHMARK(EngineStepFullTable);

#ifdef FUZZY_HAVE_FUZZYLITE

// The same controller in fuzzylite: minimum for "and", the rules of one
// output term joined by "or" with the maximum (one activation per term, as
// the engine keeps it), each term scaled to its activation (product) and the
// terms added (unbounded sum), so that overlapping areas count once per term;
// the centroid then is the area-weighted mean of the term centroids, sampled
// at 100 points over the output's range.
std::unique_ptr<fl::Engine> FuzzyliteEngine(const fuzzy::Project& p) {
    auto engine = std::make_unique<fl::Engine>();
    engine->setName("bench");
    auto addTerms = [](fl::Variable* v, const fuzzy::TFuzzy& f) {
        for (int i = 1; i <= f.UsedTerms(); ++i)
            v->addTerm(new fl::Trapezoid("t" + std::to_string(i), f.GetParam(i, 1), f.GetParam(i, 2), f.GetParam(i, 3),
                                         f.GetParam(i, 4), f.GetParam(i, 5)));
    };
    auto* a = new fl::InputVariable("A", p.A.RangeMin, p.A.RangeMax);
    a->setLockValueInRange(false);
    addTerms(a, p.A);
    engine->addInputVariable(a);
    auto* b = new fl::InputVariable("B", p.B.RangeMin, p.B.RangeMax);
    b->setLockValueInRange(false);
    addTerms(b, p.B);
    engine->addInputVariable(b);
    auto* out = new fl::OutputVariable("Out", p.Out.RangeMin, p.Out.RangeMax);
    out->setLockValueInRange(false);
    out->setAggregation(new fl::UnboundedSum);
    out->setDefuzzifier(new fl::Centroid(100));
    out->setDefaultValue(p.Out.RangeMin);
    out->setLockPreviousValue(false);
    for (int k = 1; k <= p.Out.UsedTerms(); ++k)
        out->addTerm(new fl::Trapezoid("t" + std::to_string(k), p.Out.GetParam(k, 1), p.Out.GetParam(k, 2),
                                       p.Out.GetParam(k, 3), p.Out.GetParam(k, 4), 1.0));
    engine->addOutputVariable(out);
    auto* rules = new fl::RuleBlock("regeln");
    rules->setConjunction(new fl::Minimum);
    rules->setDisjunction(new fl::Maximum);
    rules->setImplication(new fl::AlgebraicProduct);
    rules->setActivation(new fl::General);
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
        std::string premise;
        for (int i = 1; i <= p.A.UsedTerms(); ++i)
            for (int j = 1; j <= p.B.UsedTerms(); ++j)
                if (p.Rules.Get(j, i) == k)
                    premise += std::string(premise.empty() ? "" : " or ") + "(A is t" + std::to_string(i) +
                               " and B is t" + std::to_string(j) + ")";
        if (!premise.empty())
            rules->addRule(fl::Rule::parse("if " + premise + " then Out is t" + std::to_string(k), engine.get()));
    }
    engine->addRuleBlock(rules);
    return engine;
}

void FuzzyliteStep(benchmark::State& state, const char* example) {
    const fuzzy::Project p = LoadExample(example);
    const Inputs in = SpreadInputs(p);
    auto engine = FuzzyliteEngine(p);
    fl::InputVariable* a = engine->getInputVariable("A");
    fl::InputVariable* b = engine->getInputVariable("B");
    fl::OutputVariable* out = engine->getOutputVariable("Out");
    std::size_t i = 0;
    for (auto _ : state) {
        a->setValue(in[i].first);
        b->setValue(in[i].second);
        engine->process();
        benchmark::DoNotOptimize(out->getValue());
        i = (i + 1) & (in.size() - 1);
    }
}
BENCHMARK_CAPTURE(FuzzyliteStep, truck, "truck.fuz");
BENCHMARK_CAPTURE(FuzzyliteStep, lok, "lok.fuz");

// That both compute the same controller: the largest difference of the crisp
// outputs over the inputs, in units of the output's range (fuzzylite samples
// the centroid, so it is close, not equal).
void CrossCheck(const char* example) {
    fuzzy::Project p = LoadExample(example);
    auto engine = FuzzyliteEngine(p);
    double worst = 0;
    for (const auto& [x, y] : SpreadInputs(p)) {
        p.A.Value = x;
        p.B.Value = y;
        fuzzy::Infer(p.Rules, p.A, p.B, p.Out);
        engine->setInputValue("A", x);
        engine->setInputValue("B", y);
        engine->process();
        worst = std::max(worst, std::fabs(double(p.Out.Defuzzify()) - engine->getOutputValue("Out")));
    }
    std::printf("Abgleich %s: groesste Abweichung zu fuzzylite %.4g (%.3g %% des Ausgangsbereichs)\n", example, worst,
                100.0 * worst / (double(p.Out.RangeMax) - p.Out.RangeMin));
}

#endif

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
#ifdef FUZZY_HAVE_FUZZYLITE
    CrossCheck("truck.fuz");
    CrossCheck("lok.fuz");
#endif
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
