#include "loco/model/LocoVersuch.h"

#include <utility>

namespace pemrak {

JudgedRun RunAndJudge(const fuzzy::Controller& regler, const RunOptions& o) { return Judge(o, RunFuzzy(regler, o)); }

JudgedRun Judge(const RunOptions& o, RunResult fahrt) {
    JudgedRun v;
    v.Options = o;
    v.Run = std::move(fahrt);
    v.Figures = FiguresOf(v.Run);
    v.AtRestFrom = RestingFrom(v.Run, RestSCm, RestVCms);
    v.ExactFrom = RestingFrom(v.Run, ExactSCm, RestVCms);
    return v;
}

std::vector<JudgedRun> RunSeries(const fuzzy::Controller& regler, const RunOptions& basis,
                                 const std::vector<float>& massen, const std::vector<float>& schritte,
                                 const std::atomic<bool>* cancel) {
    std::vector<JudgedRun> reihe;
    reihe.reserve(massen.size() * schritte.size());
    for (const float masse : massen) {
        for (const float dt : schritte) {
            if (cancel && cancel->load(std::memory_order_relaxed)) return reihe;
            RunOptions o = basis;
            o.Start.Masse = masse;
            o.Dt = dt;
            reihe.push_back(RunAndJudge(regler, o));
        }
    }
    return reihe;
}

const std::vector<float>& LabMasses() {
    static const std::vector<float> m{1.0f, 2.0f, 4.0f};
    return m;
}

const std::vector<float>& LabSteps() {
    static const std::vector<float> s{0.055f, 0.1f};
    return s;
}

}  // namespace pemrak
