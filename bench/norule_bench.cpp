// Where no rule fires, and all hints of a project, on every shipped example
// and every template: the analysis runs on each edit in the Werkstatt and
// must stay well under a millisecond. A measurement only: run norule_bench
// by hand (from a release build).
#include "fuzzy/Project.h"
#include "fuzzy/Hints.h"
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/Templates.h"

#include <benchmark/benchmark.h>

#include <string>

#ifndef FUZZY_SOURCE_DIR
#define FUZZY_SOURCE_DIR "."
#endif

namespace {

fuzzy::Project Example(const char* name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/") + name);
}

// A template with the usual diagonal table, as a teacher fills it in.
fuzzy::Project Filled(fuzzy::Project p) {
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= p.A.UsedTerms(); ++c)
            p.Rules.Set(r, c, std::max(1, std::min(p.Out.UsedTerms(), p.Out.UsedTerms() + 1 - (r + c) / 2)));
    return p;
}

void Regions(benchmark::State& state, const fuzzy::Project& p) {
    for (auto _ : state) {
        fuzzy::NoRuleRegions r = fuzzy::FindNoRuleRegions(p);
        benchmark::DoNotOptimize(r.Boxes.data());
    }
}

void Hints(benchmark::State& state, const fuzzy::Project& p) {
    for (auto _ : state) {
        auto h = fuzzy::ProjectHints(p);
        benchmark::DoNotOptimize(h.data());
    }
}

void Register() {
    const std::pair<const char*, fuzzy::Project> projects[] = {
        {"beispiel.fuz", Example("beispiel.fuz")},
        {"heizung.fuz", Example("heizung.fuz")},
        {"truck.fuz", Example("truck.fuz")},
        {"truck_einachsig.fuz", Example("truck_einachsig.fuz")},
        {"lok.fuz", Example("lok.fuz")},
        {"Vorlage leer", fuzzy::TemplateEmpty()},
        {"Vorlage truck", fuzzy::TemplateTruck()},
        {"Vorlage lok", fuzzy::TemplateLoco()},
        {"Vorlage lok, Regeln diagonal", Filled(fuzzy::TemplateLoco())},
    };
    for (const auto& [name, p] : projects) {
        benchmark::RegisterBenchmark((std::string("FindNoRuleRegions/") + name).c_str(), Regions, p)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("ProjectHints/") + name).c_str(), Hints, p)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Register();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
