// "Regeln verbessern": the search runs off the GUI thread, "Abbrechen" keeps
// the best found so far, and "Übernehmen" hands exactly that project back.

#include "tests/werkstatt/labor/LaborTest.h"
#include "werkstatt/labor/RegelnVerbessern.h"
#include "werkstatt/labor/TermVergleich.h"
#include "fuzzy/Templates.h"
#include "tuning/Evaluation.h"
#include "tuning/Fired.h"
#include "tuning/Moves.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

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

// --- what the dialog shows ------------------------------------------------------------

namespace {

QString Zelle(QTextTable* t, int zeile, int spalte) {
    const QTextTableCell z = t->cellAt(zeile, spalte);
    QTextCursor c = z.firstCursorPosition();
    c.setPosition(z.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText().trimmed();
}

struct TabellenFall {
    const char* name;
    const char* datei;
    bool ohneB;
};

class RegelTabelle : public testing::TestWithParam<TabellenFall> {};

TEST_P(RegelTabelle, HasATermsAcrossAndBTermsDownNamedAfterTheirVariables) {
    fuzzy::Project p = labortest::Beispiel(GetParam().datei);
    if (GetParam().ohneB) p.B.Defined = false;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) p.Rules.Set(r, c, (r * 2 + c) % p.Out.UsedTerms() + 1);
    QTextDocument d;
    d.setHtml(labor::RegelnAlsHtml(p, nullptr));
    const QList<QTextFrame*> rahmen = d.rootFrame()->childFrames();
    ASSERT_EQ(rahmen.size(), 1);
    auto* t = qobject_cast<QTextTable*>(rahmen.first());
    ASSERT_NE(t, nullptr);
    const int spalten = p.A.UsedTerms(), zeilen = p.B.Defined ? p.B.UsedTerms() : 1;
    ASSERT_EQ(t->columns(), 2 + spalten);
    ASSERT_EQ(t->rows(), 2 + zeilen);
    EXPECT_EQ(Zelle(t, 0, 2), QStringLiteral("A: ") + QString::fromStdString(p.A.Name));
    EXPECT_EQ(Zelle(t, 2, 0),
              p.B.Defined ? QStringLiteral("B: ") + QString::fromStdString(p.B.Name) : QStringLiteral("ohne B"));
    for (int c = 1; c <= spalten; ++c) EXPECT_EQ(Zelle(t, 1, 1 + c), QString::fromStdString(p.A.GetTermAbbrev(c)));
    for (int r = 1; r <= zeilen; ++r) {
        if (p.B.Defined) {
            EXPECT_EQ(Zelle(t, 1 + r, 1), QString::fromStdString(p.B.GetTermAbbrev(r)));
        }
        for (int c = 1; c <= spalten; ++c)
            EXPECT_EQ(Zelle(t, 1 + r, 1 + c), QString::fromStdString(p.Out.GetTermAbbrev(p.Rules.Get(r, c))))
                << r << ", " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(RegelnVerbessern, RegelTabelle,
                         testing::Values(TabellenFall{"Truck", "truck.fuz", false},
                                         TabellenFall{"Lok", "lok.fuz", false},
                                         TabellenFall{"OneInput", "lok.fuz", true}),
                         [](const testing::TestParamInfo<TabellenFall>& i) { return std::string(i.param.name); });

QString Text(const RegelnVerbessern& d, const char* name) {
    const auto* l = d.findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("(fehlt)");
}

TEST(RegelnVerbessern, WithoutImprovementAfterShowsExactlyBefore) {
    const fuzzy::Project start = labortest::Beispiel("lok.fuz");
    RegelnVerbessern d;
    d.setProjekt(start);
    tuning::Options o = LokSuche();
    o.Threads = 1;
    o.CandidatesPerRound = 2000;  // a first round far longer than the way to the cancel
    d.setOptionen(o);
    QSignalSpy beendet(&d, &RegelnVerbessern::beendet);
    QSignalSpy runde(&d, &RegelnVerbessern::fortschritt);
    d.starten();
    // Cancelled as soon as the start is scored: the round under way is dropped.
    ASSERT_TRUE(QTest::qWaitFor([&] { return runde.count() >= 1; }, 120000));
    d.abbrechen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return beendet.count() == 1; }, 120000));
    ASSERT_FALSE(d.ergebnis().has_value()) << qPrintable(d.status());
    EXPECT_FALSE(Knopf(d, "UebernehmenBtn")->isEnabled());
    EXPECT_FALSE(Text(d, "VorherZahlen").isEmpty());
    EXPECT_EQ(Text(d, "NachherZahlen"), Text(d, "VorherZahlen"));
    EXPECT_EQ(Text(d, "NachherRegeln"), Text(d, "VorherRegeln"));
    EXPECT_FALSE(Text(d, "NachherRegeln").contains(QStringLiteral("bgcolor")));
}

TEST(RegelnVerbessern, CancelBeforeTheStartIsScoredShowsNoFiguresAndSaysSo) {
    const fuzzy::Project start = OhneRegeln("truck.fuz");
    RegelnVerbessern d;
    d.setProjekt(start);
    tuning::Options o;
    o.Kind = tuning::Vehicle::Truck;
    o.Threads = 1;
    d.setOptionen(o);
    QSignalSpy beendet(&d, &RegelnVerbessern::beendet);
    d.starten();
    d.abbrechen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return beendet.count() == 1; }, 120000));
    EXPECT_FALSE(d.ergebnis().has_value());
    EXPECT_FALSE(Knopf(d, "UebernehmenBtn")->isEnabled());
    for (const char* feld : {"VorherZahlen", "NachherZahlen"}) {
        const QString t = Text(d, feld);
        EXPECT_TRUE(t.contains(QStringLiteral("nicht bewertet"))) << feld << ": " << qPrintable(t);
        EXPECT_FALSE(t.contains(QStringLiteral("0.0000")) || t.contains(QStringLiteral("0,0000")))
            << feld << ": " << qPrintable(t);
    }
    EXPECT_TRUE(d.status().contains(QStringLiteral("bevor die Ausgangslage bewertet"))) << qPrintable(d.status());
}

}  // namespace

// --- terms and the explanation ---------------------------------------------------------

namespace {

struct TermFall {
    const char* name;
    void (*aendern)(fuzzy::Project&);
    QStringList erwartet;
};

const TermFall kTermFaelle[] = {
    {"NothingMoved", [](fuzzy::Project&) {}, {}},
    {"OneInputTerm",
     [](fuzzy::Project& p) { p.A.SetParam(3, fuzzy::ParamD, 7.5f); },
     {QStringLiteral("Abstand in cm: nah")}},
    {"OutputAndInput",
     [](fuzzy::Project& p) {
         p.B.SetParam(2, fuzzy::ParamB, -45.0f);
         p.Out.SetParam(5, fuzzy::ParamA, 1.8f);
     },
     {QStringLiteral("Geschwindigkeit in cm/s: heran"), QStringLiteral("Kraft in N: positiv groß")}},
    {"HeightOnly",
     [](fuzzy::Project& p) { p.A.SetParam(1, fuzzy::ParamH, 0.5f); },
     {QStringLiteral("Abstand in cm: hinter der Marke")}},
};

class TermVergleichTest : public testing::TestWithParam<TermFall> {};

TEST_P(TermVergleichTest, NamesExactlyTheTermsThatMoved) {
    const fuzzy::Project start = fuzzy::TemplateLoco();
    fuzzy::Project nachher = start;
    GetParam().aendern(nachher);
    labor::TermVergleich w;
    w.setProjekte(nachher, &start);
    EXPECT_EQ(w.geaenderteTerme(), GetParam().erwartet);
    // The caption names every moved term, and the widget is tall enough for
    // the caption at any width (a narrow one wraps it onto more lines).
    for (const QString& t : GetParam().erwartet)
        EXPECT_TRUE(w.unterschrift().contains(t.section(QStringLiteral(": "), 1))) << qPrintable(w.unterschrift());
    const QFontMetrics fm(w.font());
    for (const int breite : {260, 900}) {
        const int unterschrift =
            fm.boundingRect(QRect(0, 0, breite - 12, 100000), Qt::TextWordWrap, w.unterschrift()).height();
        EXPECT_GE(w.heightForWidth(breite) - w.heightForWidth(100000), unterschrift - fm.height()) << breite;
    }
    w.setProjekte(nachher, nullptr);
    EXPECT_TRUE(w.geaenderteTerme().isEmpty()) << "nothing to compare with, nothing changed";
}

INSTANTIATE_TEST_SUITE_P(RegelnVerbessern, TermVergleichTest, testing::ValuesIn(kTermFaelle),
                         [](const testing::TestParamInfo<TermFall>& i) { return std::string(i.param.name); });

// A search with terms: the "Nachher" side shows the result's terms marked
// where they differ from the start, the "Vorher" side the start's, side by
// side with the rule tables; the sentence above names what got better.
TEST(RegelnVerbessern, ShowsTheTermChangesBesideTheRuleChangesAndSaysWhatGotBetter) {
    const fuzzy::Project start = OhneRegeln("lok.fuz");
    RegelnVerbessern d;
    d.resize(1000, 860);
    d.setProjekt(start);
    tuning::Options o = LokSuche();
    o.Terms = true;
    o.MaxRounds = 40;
    o.RestartAfter = 5;  // climbs with moving terms early
    d.setOptionen(o);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    labortest::SaveShot(d, QStringLiteral("regeln_verbessern_vorher"));
    QSignalSpy beendet(&d, &RegelnVerbessern::beendet);
    d.starten();
    ASSERT_TRUE(QTest::qWaitFor([&] { return beendet.count() == 1; }, 120000));
    ASSERT_TRUE(d.ergebnis().has_value()) << qPrintable(d.status());
    labortest::SaveShot(d, QStringLiteral("regeln_verbessern_nachher"));
    QStringList erwartet;
    for (const tuning::TermChange& c : tuning::ChangedTerms(start, *d.ergebnis())) {
        const fuzzy::TFuzzy& v = tuning::Variable(start, c.Variable);
        erwartet << QString::fromStdString(v.Name) + QStringLiteral(": ") +
                        QString::fromStdString(v.GetTermName(c.Term));
    }
    EXPECT_EQ(d.geaenderteTerme(), erwartet);
    EXPECT_TRUE(d.erklaerung().startsWith(QStringLiteral("Besser: "))) << qPrintable(d.erklaerung());
    auto* vorher = d.findChild<labor::TermVergleich*>(QStringLiteral("VorherTerme"));
    auto* nachher = d.findChild<labor::TermVergleich*>(QStringLiteral("NachherTerme"));
    ASSERT_TRUE(vorher && nachher);
    EXPECT_TRUE(vorher->isVisible() && nachher->isVisible());
    EXPECT_LT(vorher->mapTo(&d, QPoint()).x() + vorher->width(), nachher->mapTo(&d, QPoint()).x())
        << "before on the left, after on the right";
    EXPECT_TRUE(vorher->geaenderteTerme().isEmpty());
}

TEST(RegelnVerbessern, MonotoneTablesByDefaultAndTheSwitchReachesTheSearch) {
    RegelnVerbessern d;
    EXPECT_TRUE(d.optionen().Monotone);
    tuning::Options o = LokSuche();
    o.Monotone = false;
    d.setOptionen(o);
    EXPECT_FALSE(d.optionen().Monotone);
    auto* box = d.findChild<QCheckBox*>(QStringLiteral("MonotonBox"));
    ASSERT_NE(box, nullptr);
    box->setChecked(true);
    EXPECT_TRUE(d.optionen().Monotone);
}

// Exercise 07's start, rules only: the sentence under the tables names the
// cells changed although no run reaches them, as fuzzysim does.
TEST(RegelnVerbessern, NamesTheCellsChangedWithoutARun) {
    const fuzzy::Project start = fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/tests/data/aufgabe07.fuz");
    RegelnVerbessern d;
    d.setProjekt(start);
    tuning::Options o = LokSuche();
    o.Seed = 11;
    o.MaxRounds = 10;
    d.setOptionen(o);
    d.resize(1000, 860);
    d.show();
    QSignalSpy beendet(&d, &RegelnVerbessern::beendet);
    d.starten();
    ASSERT_TRUE(QTest::qWaitFor([&] { return beendet.count() == 1; }, 120000));
    ASSERT_TRUE(d.ergebnis().has_value()) << qPrintable(d.status());
    QTest::qWait(50);  // the labels take their new height
    labortest::SaveShot(d, QStringLiteral("regeln_verbessern_ohne_fahrt"));
    tuning::Result r;
    r.Best = *d.ergebnis();
    r.Unfired = tuning::ChangedCells(r.Best.Rules, start.Rules) & ~tuning::FiredCells(r.Best, tuning::Vehicle::Loco);
    ASSERT_NE(r.Unfired, 0u);
    const QString satz = QString::fromStdString(tuning::UnfiredText(r, start)).toHtmlEscaped();
    EXPECT_TRUE(d.erklaerung().contains(satz)) << qPrintable(d.erklaerung());
}

}  // namespace
