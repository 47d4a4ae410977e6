// A lab says beside its figures when its vehicle starts or drives where no
// rule fires, and when the project is the other vehicle's; a project that
// fits says nothing.

#include "fuzzy/Templates.h"
#include "tests/werkstatt/labor/LaborTest.h"
#include "truck/model/Control.h"
#include "werkstatt/kern/Bearbeitung.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/TruckLabor.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

using labortest::Beispiel;
using werkstatt::Fahrzeug;

// The Lok template with a rule in every cell, one input's range shrunk with
// its terms (as "Ja" after a new range does it).
fuzzy::Project LokGeschrumpft(bool eingangB) {
    fuzzy::Project p = fuzzy::TemplateLoco();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) p.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    EXPECT_TRUE(werkstatt::BereichMitTermen(eingangB ? p.B : p.A, -10.0f, 10.0f));
    return p;
}

// No rule fires at (a, b): the engine's inference gives every term height 0.
bool OhneRegel(const fuzzy::Project& p, float a, float b) {
    fuzzy::TFuzzy A = p.A, B = p.B, Out = p.Out;
    A.Value = a;
    B.Value = b;
    fuzzy::Infer(p.Rules, A, B, Out);
    for (int i = 1; i <= Out.UsedTerms(); ++i)
        if (Out.GetParam(i, fuzzy::ParamH) > 0.0f) return false;
    return true;
}

struct WarnFall {
    const char* name;
    std::function<fuzzy::Project()> projekt;
    bool lok;  // the Lok-Labor, else the truck lab
    Fahrzeug wahl;
    bool warnt;
    bool anderes;  // the other vehicle was chosen or does well
};

class Warnung : public testing::TestWithParam<WarnFall> {};

TEST_P(Warnung, SaysWhereNoRuleFiresAndWhenTheProjectIsTheOtherVehicles) {
    const WarnFall f = GetParam();
    const fuzzy::Project p = f.projekt();
    std::unique_ptr<labor::LaborSeite> lab;
    if (f.lok)
        lab = std::make_unique<labor::LokLabor>();
    else
        lab = std::make_unique<labor::TruckLabor>();
    lab->setFahrzeug(f.wahl);
    lab->resize(880, 600);
    lab->setProjekt(p);  // computed while hidden, as a page not on screen
    auto* lok = dynamic_cast<labor::LokLabor*>(lab.get());
    auto* truck = dynamic_cast<labor::TruckLabor*>(lab.get());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return lok ? lok->ergebnis() && !lok->rechnet() : truck->ergebnis() && !truck->rechnet(); }, 120000));
    if (lok) {
        const labor::LokErgebnis& e = *lok->ergebnis();
        EXPECT_EQ(e.KeineRegelAmStart, OhneRegel(p, 100.0f, 0.0f));
        // The moment named on the way is one where nothing fires.
        if (const auto& u = e.KeineRegelUnterwegs) {
            EXPECT_TRUE(OhneRegel(p, u->SCm, u->VCms));
        }
        const bool truckGut = e.TruckProbe && 2 * e.TruckProbe->Docked >= e.TruckProbe->Starts;
        EXPECT_EQ(f.wahl == Fahrzeug::Truck || truckGut, f.anderes);
    } else {
        const labor::TruckErgebnis& e = *truck->ergebnis();
        int ohne = 0;
        for (const dorvane::StartValues& s : dorvane::GridStarts())
            ohne += OhneRegel(p, dorvane::RearXAtStart(s), s.Attitude);
        EXPECT_EQ(e.KeineRegelAmStart, ohne);
        EXPECT_EQ(f.wahl == Fahrzeug::Lok || e.LokProbeInRuhe.value_or(false), f.anderes);
    }
    // Shown in full and no taller than its lines.
    lab->show();
    QCoreApplication::processEvents();
    auto* zeile = lab->findChild<QLabel*>(QStringLiteral("warnung"));
    ASSERT_NE(zeile, nullptr);
    EXPECT_EQ(zeile->isVisible(), f.warnt) << zeile->text().toStdString();
    QLabel probe(zeile->text());
    probe.setWordWrap(true);
    if (f.warnt) {
        EXPECT_EQ(zeile->height(), probe.heightForWidth(zeile->width()));
    }
    labortest::SaveShot(*lab, QStringLiteral("warnung_%1").arg(QString::fromLatin1(f.name)));
}

INSTANTIATE_TEST_SUITE_P(
    Labore, Warnung,
    testing::Values(
        WarnFall{"LokFits", [] { return Beispiel("lok.fuz"); }, true, Fahrzeug::Unbestimmt, false, false},
        WarnFall{"TruckFits", [] { return Beispiel("truck.fuz"); }, false, Fahrzeug::Unbestimmt, false, false},
        WarnFall{"LokDistanceShrunkBelowTheStart", [] { return LokGeschrumpft(false); }, true, Fahrzeug::Lok, true,
                 false},
        WarnFall{"LokSpeedShrunkReachedOnTheWay", [] { return LokGeschrumpft(true); }, true, Fahrzeug::Lok, true,
                 false},
        WarnFall{"TruckProjectInTheLokLab", [] { return Beispiel("truck.fuz"); }, true, Fahrzeug::Unbestimmt, true,
                 true},
        WarnFall{"LokProjectChosenForTheTruck", [] { return Beispiel("lok.fuz"); }, true, Fahrzeug::Truck, true, true},
        WarnFall{"LokProjectInTheTruckLab", [] { return Beispiel("lok.fuz"); }, false, Fahrzeug::Unbestimmt, true,
                 true},
        WarnFall{"TruckDistanceShrunk",
                 [] {
                     fuzzy::Project p = Beispiel("truck.fuz");
                     werkstatt::BereichMitTermen(p.A, -2.0f, 2.0f);
                     return p;
                 },
                 false, Fahrzeug::Truck, true, false}),
    [](const testing::TestParamInfo<WarnFall>& i) { return std::string(i.param.name); });

}  // namespace
