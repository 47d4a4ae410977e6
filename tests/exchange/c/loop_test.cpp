// The loops close with the generated controllers: the truck grid and the
// locomotive runs driven by the C export of the shipped projects (compiled
// into this program at build time) follow the engine's trajectories exactly.
#include "tests/exchange/Examples.h"

#include "truck/model/Grid.h"
#include "loco/model/LocoVersuch.h"

#include "lok_regler.h"
#include "truck_einachsig_regler.h"
#include "truck_regler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A step that always gives 0: with it, the runs must differ from the
// engine's, or the models never called the generated step at all.
float Nothing(float, float) { return 0.0f; }

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

bool SamePoint(const dorvane::TrackPoint& p, const dorvane::TrackPoint& q) {
    return SameBits(p.RearX, q.RearX) && SameBits(p.RearY, q.RearY) && SameBits(p.CabX, q.CabX) &&
           SameBits(p.CabY, q.CabY) && SameBits(p.Attitude, q.Attitude) && SameBits(p.Steering, q.Steering);
}

// How many runs of two grids differ in any bit of their tracks.
int DifferingRuns(const dorvane::GridRun& want, const dorvane::GridRun& got) {
    if (got.Runs.size() != want.Runs.size()) return static_cast<int>(want.Runs.size());
    int differing = 0;
    for (std::size_t i = 0; i < want.Runs.size(); ++i) {
        const auto& w = want.Runs[i].Result;
        const auto& r = got.Runs[i].Result;
        bool same = w.Steps == r.Steps && w.Arrived == r.Arrived && w.Track.size() == r.Track.size();
        for (std::size_t k = 0; same && k < w.Track.size(); ++k) same = SamePoint(w.Track[k], r.Track[k]);
        differing += same ? 0 : 1;
    }
    return differing;
}

void ExpectSameGrid(const std::string& example, float (*step)(float, float)) {
    fuzzy::Project e = LoadExample(example);
    fuzzy::Project g = LoadExample(example);
    const fuzzy::Controller engine(e);
    const fuzzy::Controller generated{g.A, g.B, g.Out, g.Rules, step};
    const fuzzy::Controller idle{g.A, g.B, g.Out, g.Rules, Nothing};
    for (const float speed : {-1.0f, -10.0f}) {
        const dorvane::GridRun want = dorvane::RunGrid(engine, speed, true);
        EXPECT_EQ(DifferingRuns(want, dorvane::RunGrid(generated, speed, true)), 0)
            << example << " bei " << speed << " m/s";
        EXPECT_GT(DifferingRuns(want, dorvane::RunGrid(idle, speed, true)), 0)
            << "der erzeugte Schritt wurde nicht aufgerufen";
    }
}

TEST(CExportLoop, TruckGridFollowsTheEnginesTrajectories) { ExpectSameGrid("truck", truck_step); }

TEST(CExportLoop, OneInputTruckGridFollowsTheEnginesTrajectories) {
    ExpectSameGrid("truck_einachsig", truck_einachsig_step);
}

// The first step at which two runs differ in any bit; the length when none.
std::size_t FirstDifference(const pemrak::RunResult& want, const pemrak::RunResult& got) {
    const auto& w = want.Track;
    const auto& r = got.Track;
    for (std::size_t k = 0; k < w.size(); ++k) {
        if (k >= r.size() || !SameBits(w[k].t, r[k].t) || !SameBits(w[k].sCm, r[k].sCm) ||
            !SameBits(w[k].vCms, r[k].vCms) || !SameBits(w[k].Kraft, r[k].Kraft)) {
            return k;
        }
    }
    return r.size() == w.size() ? w.size() : w.size() + 1;
}

TEST(CExportLoop, LocomotiveRunsFollowTheEnginesTrajectories) {
    fuzzy::Project e = LoadExample("lok");
    fuzzy::Project g = LoadExample("lok");
    const fuzzy::Controller engine(e);
    const fuzzy::Controller generated{g.A, g.B, g.Out, g.Rules, lok_step};
    const fuzzy::Controller idle{g.A, g.B, g.Out, g.Rules, Nothing};
    // fuzzysim loco's defaults, and the lab's masses and steps.
    const pemrak::RunOptions basis;
    auto want = pemrak::RunSeries(engine, basis, pemrak::LabMasses(), pemrak::LabSteps());
    auto got = pemrak::RunSeries(generated, basis, pemrak::LabMasses(), pemrak::LabSteps());
    want.push_back(pemrak::RunAndJudge(engine, basis));
    got.push_back(pemrak::RunAndJudge(generated, basis));
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_GT(want[i].Run.Track.size(), 10u);
        const std::size_t k = FirstDifference(want[i].Run, got[i].Run);
        EXPECT_EQ(k, want[i].Run.Track.size()) << "Lauf " << i << " weicht ab Schritt " << k << " ab";
    }
    EXPECT_LT(FirstDifference(want.back().Run, pemrak::RunAndJudge(idle, basis).Run), want.back().Run.Track.size())
        << "der erzeugte Schritt wurde nicht aufgerufen";
}

}  // namespace
