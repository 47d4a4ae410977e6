#include "werkstatt/labor/LokRechnung.h"

#include <QCoreApplication>

namespace labor {

LokErgebnis RechneLok(fuzzy::Project p, const LokEinstellung& e, const std::atomic<bool>* abbruch) {
    LokErgebnis r;
    r.Einstellung = e;
    const pemrak::FuzzyRegler regler{p.A, p.B, p.Out, p.Rules};
    if (!regler.Brauchbar()) {
        r.Fehler =
            QCoreApplication::translate("labor::LokLabor", "Eingang A, Eingang B und Ausgang müssen definiert sein.")
                .toStdString();
        return r;
    }
    pemrak::LaufOptionen basis;
    basis.Start.Reibung = e.Reibung;
    basis.Start.AbstandCm = e.AbstandCm;
    for (const float m : pemrak::LaborMassen()) {
        basis.Start.Masse = m;
        if (const auto fehler = pemrak::StartwerteFehler(basis.Start)) {
            r.Fehler = *fehler;
            return r;
        }
    }
    r.Laeufe = pemrak::Versuchsreihe(regler, basis, pemrak::LaborMassen(), {e.Dt}, abbruch);
    return r;
}

}  // namespace labor
