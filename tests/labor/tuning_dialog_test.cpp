// "Regeln verbessern": the search runs off the GUI thread, "Abbrechen" keeps
// the best found so far, and "Übernehmen" hands exactly that project back.

#include "LaborTest.h"
#include "RegelnVerbessern.h"

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

using labor::RegelnVerbessern;

QPushButton* Knopf(const RegelnVerbessern& d, const char* name) {
    return d.findChild<QPushButton*>(QString::fromLatin1(name));
}

fuzzy::Project OhneRegeln(const char* datei) {
    fuzzy::Project p = labortest::Beispiel(datei);
    p.Rules = fuzzy::RuleTable{};
    return p;
}

tuning::Score Wertung(const fuzzy::Project& p, tuning::Vehicle v) { return tuning::Evaluate(p, v); }

tuning::Options LokSuche() {
    tuning::Options o;
    o.Kind = tuning::Vehicle::Loco;
    o.Seconds = 600;  // only the cancel ends it
    o.Seed = 7;
    o.Threads = 2;
    return o;
}

TEST(RegelnVerbessern, CancelKeepsTheBestSoFarAndApplyHandsBackThatProject) {
    const fuzzy::Project start = OhneRegeln("lok.fuz");
    RegelnVerbessern d;
    d.setProjekt(start);
    d.setOptionen(LokSuche());
    QSignalSpy beendet(&d, &RegelnVerbessern::beendet);
    Knopf(d, "StartBtn")->click();
    ASSERT_TRUE(d.laeuft());
    EXPECT_FALSE(Knopf(d, "StartBtn")->isEnabled());
    EXPECT_TRUE(Knopf(d, "AbbrechenBtn")->isEnabled());
    // Wait until the search has found something better than the empty table.
    const tuning::Score vorher = Wertung(start, tuning::Vehicle::Loco);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return d.besteWertungBisher() && tuning::Better(*d.besteWertungBisher(), vorher); }, 120000));
    EXPECT_GT(d.findChild<QProgressBar*>(QStringLiteral("Fortschritt"))->value(), -1);
    const tuning::Score bisher = *d.besteWertungBisher();
    Knopf(d, "AbbrechenBtn")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return beendet.count() == 1; }, 120000));
    EXPECT_FALSE(d.laeuft());
    ASSERT_TRUE(d.ergebnis().has_value());
    // What comes back is at least as good as the best shown before the cancel.
    const tuning::Score danach = Wertung(*d.ergebnis(), tuning::Vehicle::Loco);
    EXPECT_FALSE(tuning::Better(bisher, danach));
    EXPECT_TRUE(tuning::Better(danach, vorher));
    EXPECT_TRUE(d.status().startsWith(QStringLiteral("Abgebrochen")));
    ASSERT_TRUE(Knopf(d, "UebernehmenBtn")->isEnabled());

    int uebernommen = 0;
    fuzzy::RuleTable regeln;
    fuzzy::TFuzzy ausgang;
    QObject::connect(&d, &RegelnVerbessern::uebernehmen, [&](const fuzzy::Project& besser) {
        ++uebernommen;
        ausgang = besser.Out;
        regeln = besser.Rules;
    });
    Knopf(d, "UebernehmenBtn")->click();
    ASSERT_EQ(uebernommen, 1);
    EXPECT_EQ(regeln, d.ergebnis()->Rules);
    EXPECT_EQ(ausgang.GetParam(1, fuzzy::ParamA), d.ergebnis()->Out.GetParam(1, fuzzy::ParamA));
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(RegelnVerbessern, ProjectUnfitForTheVehicleIsRefusedWithAMessage) {
    fuzzy::Project p = labortest::Beispiel("lok.fuz");
    p.B.Defined = false;
    RegelnVerbessern d;
    d.setProjekt(p);
    d.setOptionen(LokSuche());
    Knopf(d, "StartBtn")->click();
    EXPECT_FALSE(d.laeuft());
    EXPECT_TRUE(d.status().contains(QStringLiteral("Eingang B")));
    EXPECT_FALSE(Knopf(d, "UebernehmenBtn")->isEnabled());
}

TEST(RegelnVerbessern, ApplyIsOfferedOnlyWhenTheSearchImproved) {
    const fuzzy::Project start = labortest::Beispiel("lok.fuz");
    RegelnVerbessern d;
    d.setProjekt(start);
    tuning::Options o = LokSuche();
    o.MaxRounds = 1;
    o.CandidatesPerRound = 2;
    d.setOptionen(o);
    QSignalSpy beendet(&d, &RegelnVerbessern::beendet);
    d.starten();
    ASSERT_TRUE(QTest::qWaitFor([&] { return beendet.count() == 1; }, 120000));
    EXPECT_EQ(d.ergebnis().has_value(), Knopf(d, "UebernehmenBtn")->isEnabled());
    if (d.ergebnis()) {
        EXPECT_TRUE(
            tuning::Better(Wertung(*d.ergebnis(), tuning::Vehicle::Loco), Wertung(start, tuning::Vehicle::Loco)));
    }
}

}  // namespace

namespace {

TEST(RegelnVerbessern, ClosingTheDialogStopsTheSearch) {
    const fuzzy::Project start = OhneRegeln("lok.fuz");
    RegelnVerbessern d;
    d.setProjekt(start);
    d.setOptionen(LokSuche());
    d.starten();
    ASSERT_TRUE(d.laeuft());
    d.reject();
    EXPECT_FALSE(d.laeuft()) << "a closed dialog must not search on unseen";
}

}  // namespace
