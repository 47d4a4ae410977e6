#include "loco/model/LocoVersuch.h"

#include <utility>

namespace pemrak {

Versuch Fahre(const FuzzyRegler& regler, const LaufOptionen& o) { return Bewerte(o, Simuliere(regler, o)); }

Versuch Bewerte(const LaufOptionen& o, Lauf fahrt) {
    Versuch v;
    v.Optionen = o;
    v.Fahrt = std::move(fahrt);
    v.Zahlen = KennzahlenVon(v.Fahrt);
    v.InRuheAb = RuheAb(v.Fahrt, RuheSCm, RuheVCms);
    v.GenauAb = RuheAb(v.Fahrt, GenauSCm, RuheVCms);
    return v;
}

std::vector<Versuch> Versuchsreihe(const FuzzyRegler& regler, const LaufOptionen& basis,
                                   const std::vector<float>& massen, const std::vector<float>& schritte,
                                   const std::atomic<bool>* cancel) {
    std::vector<Versuch> reihe;
    reihe.reserve(massen.size() * schritte.size());
    for (const float masse : massen) {
        for (const float dt : schritte) {
            if (cancel && cancel->load(std::memory_order_relaxed)) return reihe;
            LaufOptionen o = basis;
            o.Start.Masse = masse;
            o.Dt = dt;
            reihe.push_back(Fahre(regler, o));
        }
    }
    return reihe;
}

const std::vector<float>& LaborMassen() {
    static const std::vector<float> m{1.0f, 2.0f, 4.0f};
    return m;
}

const std::vector<float>& LaborSchritte() {
    static const std::vector<float> s{0.055f, 0.1f};
    return s;
}

}  // namespace pemrak
