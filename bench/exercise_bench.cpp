// The live check of an exercise after one edit, as the Werkstatt runs it in
// the background: the truck exercise with at most 12 rules (both speeds, 164
// starts each, coverage, rule count) on 2 threads, for the reference solution
// and for the typical wrong attempt (its trucks circle longer before they
// dock), after one rule was changed; and a locomotive exercise. Wall-clock
// time, since the runs are shared out over threads.
#include "exercise/Check.h"
#include "exercise/Reader.h"

#include <benchmark/benchmark.h>

#include <string>

#include <time.h>

namespace {

const std::string kDir = FUZZY_SOURCE_DIR "/examples/aufgaben/";

void LiveCheck(benchmark::State& state, const char* exercise, const char* project, int threads,
               bool emptyTable = false) {
    const exercise::Exercise e = exercise::ReadExercise(kDir + exercise);
    fuzzy::Project p = fuzzy::LoadProject(kDir + project);
    // The worst case: no rule at all, every truck steers hard right and
    // circles until its run's step limit.
    if (emptyTable) p.Rules.Entries.fill(0);
    int edit = 0;
    // The CPU time of all threads together: on a busy machine the wall
    // clock says more about the other programs than about the check, and
    // this divided by the threads is what the check takes on idle cores.
    const auto processSeconds = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    };
    const double cpuBefore = processSeconds();
    for (auto _ : state) {
        // One edit: a rule cell set to the next output term and back, so
        // that every iteration judges a project that just changed.
        fuzzy::Project edited = p;
        if (e.MayChange.Rules) edited.Rules.Set(3, 3, 1 + (edit++ % edited.Out.UsedTerms()));
        const exercise::CheckResult r = exercise::Check(e, edited, {}, {threads, nullptr});
        benchmark::DoNotOptimize(r.Criteria.size());
    }
    state.counters["cpu_ms_all_threads"] =
        benchmark::Counter((processSeconds() - cpuBefore) * 1e3 / double(state.iterations()));
}
BENCHMARK_CAPTURE(LiveCheck, truck_solution_2_threads, "05_truck_12_regeln.fuzaufgabe",
                  "05_truck_12_regeln.loesung.fuz", 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LiveCheck, truck_wrong_2_threads, "05_truck_12_regeln.fuzaufgabe", "05_truck_12_regeln.falsch.fuz", 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LiveCheck, truck_solution_1_thread, "05_truck_12_regeln.fuzaufgabe", "05_truck_12_regeln.loesung.fuz",
                  1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LiveCheck, truck_empty_table_2_threads, "05_truck_12_regeln.fuzaufgabe",
                  "05_truck_12_regeln.loesung.fuz", 2, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LiveCheck, loco_2_threads, "06_schnelle_lok.fuzaufgabe", "06_schnelle_lok.loesung.fuz", 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void ReadExercise(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(exercise::ReadExercise(kDir + "05_truck_12_regeln.fuzaufgabe").Format);
}
BENCHMARK(ReadExercise)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
