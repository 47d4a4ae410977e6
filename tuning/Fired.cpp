#include "tuning/Fired.h"

#include "fuzzy/Controller.h"
#include "loco/model/LocoVersuch.h"
#include "truck/model/Grid.h"
#include "tuning/Evaluation.h"

#include <array>
#include <cmath>

namespace tuning {

namespace {

bool PlainNonNegative(float m) { return m > 0.0f || (m == 0.0f && !std::signbit(m)); }

// The cells firing at the inputs the variables hold.
std::uint32_t FiringNow(const fuzzy::Project& p) {
    std::array<float, fuzzy::MaxTerms> ma{}, mb{};
    const int na = p.A.Memberships(ma);
    const int nb = p.B.Defined ? p.B.Memberships(mb) : 1;
    if (!p.B.Defined) mb[0] = 1.0f;
    std::uint32_t cells = 0;
    for (int j = 0; j < nb; ++j)
        for (int i = 0; i < na; ++i) {
            if (!PlainNonNegative(ma[static_cast<std::size_t>(i)]) ||
                !PlainNonNegative(mb[static_cast<std::size_t>(j)]))
                return AllCells;
            if (ma[static_cast<std::size_t>(i)] > 0.0f && mb[static_cast<std::size_t>(j)] > 0.0f)
                cells |= 1u << (j * 5 + i);
        }
    return cells;
}

}  // namespace

std::uint32_t FiredCells(const fuzzy::Project& start, Vehicle v) {
    fuzzy::Project p = start;
    const fuzzy::Controller c(p);
    std::uint32_t cells = 0;
    auto at = [&](float a, float b) {
        p.A.Value = a;
        p.B.Value = b;
        cells |= FiringNow(p);
    };
    // A step reads the point before it; a run that ended at a step without a
    // finite number made that step too.
    if (v == Vehicle::Truck) {
        for (const float speed : TruckSpeeds)
            for (const dorvane::StartRun& run :
                 dorvane::RunStarts(c, dorvane::GridStarts(), speed, dorvane::DefaultMaxSteps, true)) {
                const auto& track = run.Result.Track;
                const std::size_t steps = track.size() - (run.Result.Aborted || track.empty() ? 0 : 1);
                for (std::size_t k = 0; k < steps && k < track.size(); ++k) at(track[k].RearX, track[k].Attitude);
            }
        return cells;
    }
    for (const float masse : pemrak::LabMasses())
        for (const float dt : pemrak::LabSteps()) {
            pemrak::RunOptions o;
            o.Start.Masse = masse;
            o.Dt = dt;
            const pemrak::RunResult run = pemrak::RunFuzzy(c, o);
            const std::size_t steps = run.Track.size() - (run.Aborted || run.Track.empty() ? 0 : 1);
            for (std::size_t k = 0; k < steps && k < run.Track.size(); ++k) at(run.Track[k].sCm, run.Track[k].vCms);
        }
    return cells;
}

}  // namespace tuning
