#include "werkstatt/labor/LokRechnung.h"

#include <QCoreApplication>

namespace labor {

LokErgebnis RechneLok(fuzzy::Project p, const LokEinstellung& e, const std::atomic<bool>* abbruch) {
    LokErgebnis r;
    r.Einstellung = e;
    const fuzzy::Controller regler(p);
    if (!regler.AllDefined()) {
        r.Fehler =
            QCoreApplication::translate("labor::LokLabor", "Eingang A, Eingang B und Ausgang müssen definiert sein.")
                .toStdString();
        return r;
    }
    pemrak::RunOptions basis;
    basis.Start.Reibung = e.Reibung;
    basis.Start.AbstandCm = e.AbstandCm;
    for (const float m : pemrak::LabMasses()) {
        basis.Start.Masse = m;
        if (const auto fehler = pemrak::StartValuesError(basis.Start)) {
            r.Fehler = *fehler;
            return r;
        }
    }
    r.Laeufe = pemrak::RunSeries(regler, basis, pemrak::LabMasses(), {e.Dt}, abbruch);
    return r;
}

}  // namespace labor
