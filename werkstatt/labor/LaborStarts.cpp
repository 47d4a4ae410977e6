#include "werkstatt/labor/LaborStarts.h"

#include "fuzzy/NoRuleRegions.h"
#include "truck/model/Control.h"
#include "werkstatt/ansichten/Farbskala.h"

#include <QCoreApplication>

namespace labor {

const std::vector<StartPunkt>& TruckStarts() {
    static const std::vector<StartPunkt> starts = [] {
        std::vector<StartPunkt> s;
        for (const dorvane::StartValues& v : dorvane::GridStarts()) s.push_back({dorvane::RearXAtStart(v), v.Attitude});
        return s;
    }();
    return starts;
}

StartPunkt LokStart(float abstandCm) { return {abstandCm, 0.0f}; }

namespace {

QString Name(const fuzzy::TFuzzy& v) { return QString::fromStdString(v.Name); }

}  // namespace

std::vector<StartHinweis> StartHinweise(const fuzzy::Project& p, Labor labor, const std::vector<StartPunkt>& starts,
                                        bool alleNennen) {
    std::vector<StartHinweis> aus;
    if (!p.A.Defined || !p.Out.Defined || starts.empty()) return aus;
    fuzzy::RuleFiring feuert(p);
    for (const bool eingangB : {false, true}) {
        const fuzzy::TFuzzy& v = eingangB ? p.B : p.A;
        if (!v.Defined || !(v.RangeMin <= v.RangeMax)) continue;
        int draussen = 0, ohneRegel = 0;
        float weitester = 0.0f, abstand = -1.0f;
        for (const StartPunkt& s : starts) {
            const float x = eingangB ? s.b : s.a;
            if (x >= v.RangeMin && x <= v.RangeMax) continue;
            ++draussen;
            const float d = x < v.RangeMin ? v.RangeMin - x : x - v.RangeMax;
            if (d > abstand) {
                abstand = d;
                weitester = x;
            }
            ohneRegel += !feuert.At(s.a, s.b);
        }
        if (draussen == 0 || (!alleNennen && ohneRegel == 0)) continue;
        const QString von = ansichten::KurzeZahl(v.RangeMin), bis = ansichten::KurzeZahl(v.RangeMax);
        QString text;
        if (labor == Labor::Lok) {
            text =
                QCoreApplication::translate(
                    "labor::Starts", "Lok-Labor: Der Start bei %1 = %2 liegt außerhalb des Bereichs von %1 (%3 … %4).")
                    .arg(Name(v), ansichten::KurzeZahl(weitester), von, bis);
            if (ohneRegel > 0)
                text += QLatin1Char(' ') +
                        QCoreApplication::translate("labor::Starts",
                                                    "Dort feuert keine Regel: %1 fällt auf %2 (Bereichsanfang).")
                            .arg(Name(p.Out), ansichten::KurzeZahl(p.Out.RangeMin));
        } else {
            text = QCoreApplication::translate(
                       "labor::Starts",
                       "Truck-Labor: Starts außerhalb des Bereichs von %1 (%2 … %3): %4 von %5, bis %1 = %6.")
                       .arg(Name(v), von, bis, QString::number(draussen), QString::number(starts.size()),
                            ansichten::KurzeZahl(weitester));
            if (ohneRegel > 0)
                text += QLatin1Char(' ') +
                        QCoreApplication::translate(
                            "labor::Starts", "An %1 davon feuert keine Regel: %2 fällt dort auf %3 (Bereichsanfang).")
                            .arg(QString::number(ohneRegel), Name(p.Out), ansichten::KurzeZahl(p.Out.RangeMin));
        }
        fuzzy::HintPlace ort;
        ort.Page = eingangB ? fuzzy::HintPage::InputB : fuzzy::HintPage::InputA;
        aus.push_back({text, ort});
    }
    return aus;
}

}  // namespace labor
