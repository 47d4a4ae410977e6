// A lab says beside its figures when its vehicle starts or drives where no
// rule fires (the output falls to its range start there), and when the
// project is made for the other vehicle; a project that fits says nothing.

#include "Control.h"
#include "LaborTest.h"
#include "LokLabor.h"
#include "Projekt.h"
#include "Templates.h"
#include "TruckLabor.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

using labortest::Beispiel;
using werkstatt::Fahrzeug;

// The Lok template with a diagonal rule table: every input point fires.
fuzzy::Project LokVorlage() {
    fuzzy::Project p = fuzzy::TemplateLoco();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) p.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    return p;
}

// A project whose input's range (and terms with it) shrank, as "Ja" to the
// question after a new range does it.
fuzzy::Project Geschrumpft(fuzzy::Project p, bool eingangB, float min, float max) {
    EXPECT_TRUE(werkstatt::BereichMitTermen(eingangB ? p.B : p.A, min, max));
    return p;
}

// Whether no rule fires at (a, b), from the engine's inference itself.
bool OhneRegel(const fuzzy::Project& p, float a, float b) {
    fuzzy::TFuzzy A = p.A, B = p.B, Out = p.Out;
    A.Value = a;
    B.Value = b;
    fuzzy::Infer(p.Rules, A, B, Out);
    for (int i = 1; i <= Out.UsedTerms(); ++i)
        if (Out.GetParam(i, fuzzy::ParamH) > 0.0f) return false;
    return true;
}

int TruckStartsOhneRegel(const fuzzy::Project& p) {
    int n = 0;
    for (const dorvane::StartValues& s : dorvane::GridStarts()) n += OhneRegel(p, dorvane::RearXAtStart(s), s.Attitude);
    return n;
}

enum class Lab { Truck, Lok };

struct WarnFall {
    const char* name;
    std::function<fuzzy::Project()> projekt;
    Lab lab;
    Fahrzeug wahl;
    bool warnt;      // a warning beside the figures
    bool anderes;    // the other vehicle was chosen or does well
    bool unterwegs;  // the locomotive reaches a place without a rule after its start
};

class Warnung : public testing::TestWithParam<WarnFall> {};

TEST_P(Warnung, SaysWhereNoRuleFiresAndWhenTheProjectIsTheOtherVehicles) {
    const WarnFall f = GetParam();
    const fuzzy::Project p = f.projekt();
    std::unique_ptr<labor::LaborSeite> lab;
    if (f.lab == Lab::Lok)
        lab = std::make_unique<labor::LokLabor>();
    else
        lab = std::make_unique<labor::TruckLabor>();
    lab->setFahrzeug(f.wahl);
    lab->resize(880, 600);
    // Computed while hidden, as a lab that is not the page on screen.
    lab->setProjekt(p);
    if (auto* lok = dynamic_cast<labor::LokLabor*>(lab.get())) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !lok->rechnet() && lok->ergebnis(); }, 120000));
        const labor::LokErgebnis& e = *lok->ergebnis();
        EXPECT_EQ(e.KeineRegelAmStart, OhneRegel(p, 100.0f, 0.0f));
        EXPECT_EQ(e.KeineRegelUnterwegs.has_value(), f.unterwegs);
        if (e.KeineRegelUnterwegs) {
            // The place named is one where the engine fires nothing, and the
            // earliest of its run.
            const labor::LokStelle& s = *e.KeineRegelUnterwegs;
            EXPECT_TRUE(OhneRegel(p, s.SCm, s.VCms));
            for (const pemrak::LaufPunkt& pt : e.Laeufe[static_cast<std::size_t>(s.Masse)].Fahrt.Verlauf) {
                if (pt.t >= s.T) break;
                EXPECT_FALSE(OhneRegel(p, pt.sCm, pt.vCms)) << pt.t;
            }
        }
        const bool truckGut =
            e.TruckProbe && 2 * e.TruckProbe->Docked >= e.TruckProbe->Starts && e.TruckProbe->Starts > 0;
        EXPECT_EQ(f.wahl == Fahrzeug::Truck || truckGut, f.anderes);
        if (e.KeineRegelAmStart) {
            EXPECT_TRUE(lab->warnung().contains(QStringLiteral("100")));
        }
    } else {
        auto* truck = dynamic_cast<labor::TruckLabor*>(lab.get());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !truck->rechnet() && truck->ergebnis(); }, 120000));
        const labor::TruckErgebnis& e = *truck->ergebnis();
        const int ohne = TruckStartsOhneRegel(p);
        EXPECT_EQ(e.KeineRegelAmStart, ohne);
        if (ohne > 0) {
            EXPECT_TRUE(lab->warnung().contains(QString::number(ohne)));
        }
        EXPECT_EQ(f.wahl == Fahrzeug::Lok || e.LokProbeInRuhe.value_or(false), f.anderes);
    }
    EXPECT_EQ(!lab->warnung().isEmpty(), f.warnt) << lab->warnung().toStdString();
    // Shown in full and no taller than its lines at its width, though it
    // was filled while hidden.
    lab->show();
    QCoreApplication::processEvents();
    auto* zeile = lab->findChild<QLabel*>(QStringLiteral("warnung"));
    ASSERT_NE(zeile, nullptr);
    EXPECT_EQ(zeile->isVisible(), f.warnt);
    if (f.warnt) {
        QLabel probe(zeile->text());
        probe.setFont(zeile->font());
        probe.setWordWrap(true);
        EXPECT_EQ(zeile->height(), probe.heightForWidth(zeile->width())) << zeile->width();
    }
    labortest::SaveShot(*lab, QStringLiteral("warnung_%1").arg(QString::fromLatin1(f.name)));
}

INSTANTIATE_TEST_SUITE_P(
    Labore, Warnung,
    testing::Values(
        WarnFall{"LokFits", [] { return Beispiel("lok.fuz"); }, Lab::Lok, Fahrzeug::Unbestimmt, false, false, false},
        WarnFall{"TruckFits", [] { return Beispiel("truck.fuz"); }, Lab::Truck, Fahrzeug::Unbestimmt, false, false,
                 false},
        WarnFall{"LokDistanceShrunkBelowTheStart", [] { return Geschrumpft(LokVorlage(), false, -10.0f, 10.0f); },
                 Lab::Lok, Fahrzeug::Lok, true, false, false},
        WarnFall{"LokSpeedShrunkReachedOnTheWay", [] { return Geschrumpft(LokVorlage(), true, -10.0f, 10.0f); },
                 Lab::Lok, Fahrzeug::Lok, true, false, true},
        WarnFall{"TruckProjectInTheLokLab", [] { return Beispiel("truck.fuz"); }, Lab::Lok, Fahrzeug::Unbestimmt, true,
                 true, false},
        WarnFall{"LokProjectChosenForTheTruck", [] { return Beispiel("lok.fuz"); }, Lab::Lok, Fahrzeug::Truck, true,
                 true, false},
        WarnFall{"LokProjectInTheTruckLab", [] { return Beispiel("lok.fuz"); }, Lab::Truck, Fahrzeug::Unbestimmt, true,
                 true, false},
        WarnFall{"TruckDistanceShrunk", [] { return Geschrumpft(Beispiel("truck.fuz"), false, -2.0f, 2.0f); },
                 Lab::Truck, Fahrzeug::Truck, true, false, false}),
    [](const testing::TestParamInfo<WarnFall>& i) { return std::string(i.param.name); });

}  // namespace
