// The locomotive lab: what it shows belongs to the current project and
// settings, equals the shared runs' figures, and bad settings change nothing.

#include "werkstatt/labor/KurvenDiagramm.h"
#include "tests/werkstatt/labor/LaborTest.h"
#include "werkstatt/labor/LokLabor.h"
#include "widgets/SingEdit.h"
#include "werkstatt/labor/TruckLabor.h"
#include "werkstatt/labor/Zahl.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QTest>

namespace {

using labor::LokLabor;
using labortest::Beispiel;

std::vector<pemrak::JudgedRun> Erwartet(fuzzy::Project p, float reibung, float abstand, float dt) {
    const fuzzy::Controller r(p);
    pemrak::RunOptions o;
    o.Start.Reibung = reibung;
    o.Start.AbstandCm = abstand;
    return pemrak::RunSeries(r, o, pemrak::LabMasses(), {dt});
}

void Setze(LokLabor& lab, const fuzzy::Project& p) { lab.setProjekt(p); }

bool Fertig(LokLabor& lab) {
    return QTest::qWaitFor([&] { return !lab.rechnet(); }, 60000);
}

QString Ab(const std::optional<float>& t) {
    return t ? QStringLiteral("t = %1 s").arg(labor::Zahl(*t, 3)) : QStringLiteral("nie");
}

void ErwarteZahlen(const LokLabor& lab, const std::vector<pemrak::JudgedRun>& soll) {
    ASSERT_EQ(lab.ergebnis()->Laeufe.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const pemrak::JudgedRun& v = soll[static_cast<std::size_t>(i)];
        EXPECT_EQ(lab.zahl(QStringLiteral("ruhe_%1").arg(i))->text(), Ab(v.AtRestFrom));
        EXPECT_EQ(lab.zahl(QStringLiteral("genau_%1").arg(i))->text(), Ab(v.ExactFrom));
        EXPECT_EQ(lab.zahl(QStringLiteral("ueberschwingen_%1").arg(i))->text(),
                  labor::Zahl(v.Figures.OvershootCm, 2) + QStringLiteral(" cm"));
        EXPECT_EQ(lab.zahl(QStringLiteral("wechsel_%1").arg(i))->text(), QString::number(v.Figures.SignChanges));
        // The curves are the runs' points, one per step.
        EXPECT_EQ(lab.diagramm(0)->kurven()[i].Punkte.size(), static_cast<int>(v.Run.Track.size()));
        EXPECT_EQ(lab.diagramm(1)->kurven()[i].Punkte.last().y(), double(v.Run.Track.back().vCms));
    }
}

// Another controller: the same variables with the rule table mirrored.
fuzzy::Project Anders(fuzzy::Project p) {
    fuzzy::RuleTable r;
    for (int z = 1; z <= 5; ++z)
        for (int s = 1; s <= 5; ++s) r.Set(z, s, p.Rules.Get(6 - z, s));
    p.Rules = r;
    return p;
}

TEST(LokLabor, FiguresShownAreTheSharedRunsForEachStep) {
    const fuzzy::Project lok = Beispiel("lok.fuz");
    for (const int schritt : {0, 1}) {
        SCOPED_TRACE(schritt);
        LokLabor lab;
        Setze(lab, lok);
        lab.schrittWahl()->setCurrentIndex(schritt);
        ASSERT_TRUE(Fertig(lab));
        const float dt = schritt == 0 ? 0.055f : 0.1f;
        EXPECT_EQ(lab.ergebnis()->Einstellung.Dt, dt);
        ErwarteZahlen(lab, Erwartet(lok, 3.0f, 100.0f, dt));
        if (schritt == 0) labortest::SaveShot(lab, QStringLiteral("lok_labor"));
    }
}

// The headings say what they measure where the lab is wide; narrowed by
// "Warum?" beside an exercise they keep to their names and do not wrap
// into columns of single words.
TEST(LokLabor, HeadingsKeepToTheirNamesWhenTheLabIsNarrow) {
    for (const auto& [breite, mitGrenzen] : {std::pair{1100, true}, std::pair{520, false}}) {
        LokLabor lab;
        lab.resize(breite, 700);
        lab.show();
        QTest::qWait(10);
        const QString kopf = lab.findChild<QLabel*>(QStringLiteral("kopf1"))->text();
        EXPECT_EQ(kopf.contains(QStringLiteral("|s|")), mitGrenzen) << breite << " px: " << qPrintable(kopf);
        EXPECT_TRUE(kopf.contains(QStringLiteral("in Ruhe ab"))) << qPrintable(kopf);
    }
}

TEST(LokLabor, FrictionAndDistanceFromTheFieldsReachTheRuns) {
    const fuzzy::Project lok = Beispiel("lok.fuz");
    LokLabor lab;
    Setze(lab, lok);
    lab.reibungFeld()->setText(QStringLiteral("1,5"));
    emit lab.reibungFeld()->editingFinished();
    lab.abstandFeld()->setText(QStringLiteral("60"));
    emit lab.abstandFeld()->editingFinished();
    ASSERT_TRUE(Fertig(lab));
    EXPECT_EQ(lab.einstellung().Reibung, 1.5f);
    EXPECT_EQ(lab.einstellung().AbstandCm, 60.0f);
    ErwarteZahlen(lab, Erwartet(lok, 1.5f, 60.0f, 0.055f));
}

TEST(LokLabor, TwoQuickEditsShowTheSecondProject) {
    const fuzzy::Project lok = Beispiel("lok.fuz"), anders = Anders(Beispiel("lok.fuz"));
    const auto soll = Erwartet(anders, 3.0f, 100.0f, 0.055f);
    ASSERT_NE(soll[1].Figures.Steps, Erwartet(lok, 3.0f, 100.0f, 0.055f)[1].Figures.Steps);
    LokLabor lab;
    Setze(lab, lok);
    labortest::ArbeiterFertig();
    Setze(lab, anders);
    EXPECT_TRUE(lab.rechnet());
    EXPECT_EQ(lab.meldung(), QStringLiteral("wird berechnet …"));
    ASSERT_TRUE(Fertig(lab));
    ErwarteZahlen(lab, soll);
}

TEST(LokLabor, SettingsTheModelCannotRunAreRefusedAndChangeNothing) {
    struct Fall {
        const char* name;
        labor::LokEinstellung e;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"negative friction", {-1.0f, 100.0f, 0.055f, {}}, "Die Reibung darf nicht negativ sein."},
        {"zero distance", {3.0f, 0.0f, 0.055f, {}}, "Der Abstand muss zwischen 0,01 cm und 100000 cm liegen."},
        {"huge distance", {3.0f, 1.0e9f, 0.055f, {}}, "Der Abstand muss zwischen 0,01 cm und 100000 cm liegen."},
        {"other step", {3.0f, 100.0f, 0.01f, {}}, "Der Zeitschritt muss 0,055 s oder 0,1 s sein."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        LokLabor lab;
        Setze(lab, Beispiel("lok.fuz"));
        ASSERT_TRUE(Fertig(lab));
        const auto vorher = lab.ergebnis();
        EXPECT_FALSE(lab.setEinstellung(f.e));
        EXPECT_FALSE(lab.rechnet());
        EXPECT_EQ(lab.ergebnis(), vorher);
        EXPECT_EQ(lab.einstellung().Reibung, 3.0f);
        EXPECT_EQ(lab.einstellung().AbstandCm, 100.0f);
        EXPECT_TRUE(lab.meldung().contains(QString::fromUtf8(f.meldung))) << lab.meldung().toStdString();
    }
}

TEST(LokLabor, TextThatIsNoNumberIsRefusedWithAMessage) {
    LokLabor lab;
    Setze(lab, Beispiel("lok.fuz"));
    ASSERT_TRUE(Fertig(lab));
    lab.reibungFeld()->setText(QStringLiteral("drei"));
    emit lab.reibungFeld()->editingFinished();
    EXPECT_FALSE(lab.rechnet());
    EXPECT_EQ(lab.einstellung().Reibung, 3.0f);
    EXPECT_TRUE(lab.meldung().contains(QStringLiteral("Bitte eine Zahl eingeben.")));
}

TEST(LokLabor, ProjectWithoutInputBSaysWhyNothingRuns) {
    fuzzy::Project p = Beispiel("lok.fuz");
    p.B.Defined = false;
    LokLabor lab;
    Setze(lab, p);
    ASSERT_TRUE(Fertig(lab));
    EXPECT_TRUE(lab.ergebnis()->Laeufe.empty());
    EXPECT_TRUE(lab.meldung().contains(QStringLiteral("müssen definiert sein")));
    EXPECT_EQ(lab.zahl(QStringLiteral("ruhe_0"))->text(), QStringLiteral("–"));
}

}  // namespace

// --- F over t, the comparison, axes and legends that stay readable ------------------------

namespace {

// How a run ended, after its end state: a state that is no number must
// never read as having run out past the mark (nor as nothing special).
struct EndeFall {
    const char* name;
    bool endlich;
    bool ausgelaufen;
    const char* soll;  // "" nothing follows
};

class EndeZusatz : public testing::TestWithParam<EndeFall> {};

TEST_P(EndeZusatz, SaysHowTheRunEnded) {
    pemrak::RunFigures k;
    k.Finite = GetParam().endlich;
    k.RanOut = GetParam().ausgelaufen;
    EXPECT_EQ(LokLabor::EndeZusatz(k), QString::fromUtf8(GetParam().soll));
}

INSTANTIATE_TEST_SUITE_P(
    Laeufe, EndeZusatz,
    testing::Values(EndeFall{"TimeLimit", true, false, ""}, EndeFall{"RanOut", true, true, " (30 cm hinter der Marke)"},
                    EndeFall{"NoNumber", false, false, " (abgebrochen: keine endliche Zahl)"},
                    EndeFall{"NoNumberFlaggedAsRunOut", false, true, " (abgebrochen: keine endliche Zahl)"}),
    [](const testing::TestParamInfo<EndeFall>& i) { return std::string(i.param.name); });

TEST(LokLabor, ForceOverTimeShowsEachRunsForce) {
    const fuzzy::Project p = Beispiel("lok.fuz");
    LokLabor lab;
    Setze(lab, p);
    ASSERT_TRUE(Fertig(lab));
    const auto soll = Erwartet(p, 3.0f, 100.0f, 0.055f);
    const labor::KurvenDiagramm* f = lab.diagramm(3);
    ASSERT_EQ(f->kurven().size(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto& verlauf = soll[static_cast<std::size_t>(i)].Run.Track;
        ASSERT_EQ(f->kurven()[i].Punkte.size(), static_cast<int>(verlauf.size()));
        for (std::size_t k = 0; k < verlauf.size(); k += 7)
            EXPECT_EQ(f->kurven()[i].Punkte[static_cast<int>(k)], QPointF(verlauf[k].t, verlauf[k].Kraft));
    }
}

TEST(LokLabor, ComparisonDrawsTheSecondProjectFaintlyWithItsFiguresAndEnds) {
    const fuzzy::Project p = Beispiel("lok.fuz");
    LokLabor lab;
    Setze(lab, p);
    lab.setVergleich(Anders(p), QStringLiteral("„anders.fuz“"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lab.rechnet() && lab.vergleichErgebnis() != nullptr; }, 60000));
    const auto soll = Erwartet(Anders(p), 3.0f, 100.0f, 0.055f);
    for (int d = 0; d < LokLabor::Diagrammzahl; ++d) {
        int blass = 0;
        for (const auto& k : lab.diagramm(d)->kurven()) blass += k.Blass;
        EXPECT_EQ(lab.diagramm(d)->kurven().size(), 6) << d;
        EXPECT_EQ(blass, 3) << d;
    }
    EXPECT_EQ(lab.vergleichErgebnis()->Laeufe.size(), 3u);
    EXPECT_EQ(lab.vergleichErgebnis()->Laeufe[0].AtRestFrom, soll[0].AtRestFrom);
    EXPECT_TRUE(lab.vergleichZahlen()->text().contains(QStringLiteral("anders.fuz")));
    // The current project's figures stay its own.
    ErwarteZahlen(lab, Erwartet(p, 3.0f, 100.0f, 0.055f));
    lab.vergleichBeenden();
    EXPECT_EQ(lab.diagramm(0)->kurven().size(), 3);
    EXPECT_FALSE(lab.vergleichZahlen()->isVisible());
}

// A standing locomotive's speed of a few millionths: every tick label its own.
struct AchsenFall {
    const char* name;
    double v0, v1;
};

class Achse : public testing::TestWithParam<AchsenFall> {};

TEST_P(Achse, TickLabelsNeverRepeat) {
    labor::KurvenDiagramm d(QStringLiteral("v"), QStringLiteral("t in s"), QStringLiteral("v in cm/s"));
    d.resize(320, 240);
    labor::KurvenDiagramm::Kurve k{QStringLiteral("1 kg"), Qt::blue, {}};
    for (int i = 0; i <= 20; ++i) k.Punkte.append(QPointF(i * 0.1, i % 2 ? GetParam().v0 : GetParam().v1));
    d.setKurven({k});
    d.grab();
    const QStringList t = d.yBeschriftungen();
    EXPECT_GE(t.size(), 2);
    EXPECT_EQ(QSet<QString>(t.begin(), t.end()).size(), t.size()) << t.join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Kurven, Achse,
                         testing::Values(AchsenFall{"Standing", 0.0, 0.0}, AchsenFall{"Millionths", 1e-6, 3e-6},
                                         AchsenFall{"AroundZero", -2e-5, 2e-5}, AchsenFall{"Moving", -35.0, 2.0}),
                         [](const testing::TestParamInfo<AchsenFall>& i) { return std::string(i.param.name); });

TEST(Kurven, LegendHasItsOwnRowAndCoversNoCurve) {
    labor::KurvenDiagramm d(QStringLiteral("s"), QStringLiteral("t in s"), QStringLiteral("s in cm"));
    d.resize(260, 200);
    QVector<labor::KurvenDiagramm::Kurve> kurven;
    for (int m = 0; m < 3; ++m) {
        labor::KurvenDiagramm::Kurve k{
            QStringLiteral("%1 kg").arg(1 << m), LokLabor::Farbe(m), {}, LokLabor::Stil(m), m == 2};
        // Curves reaching the upper right corner, where a legend used to sit.
        for (int i = 0; i <= 10; ++i) k.Punkte.append(QPointF(i, i * 10.0));
        kurven.append(k);
    }
    d.setKurven(kurven);
    d.grab();
    ASSERT_FALSE(d.legende().isEmpty());
    EXPECT_FALSE(d.legende().intersects(d.feld()));
    EXPECT_TRUE(QRectF(d.rect()).contains(d.legende()));
}

TEST(LokLabor, RunsWithoutANumberAreShownAsAborted) {
    LokLabor lab;
    Setze(lab, labortest::Uebergelaufen("lok.fuz"));
    ASSERT_TRUE(Fertig(lab));
    int abgebrochen = 0;
    for (const pemrak::JudgedRun& l : lab.ergebnis()->Laeufe) abgebrochen += l.Figures.Aborted ? 1 : 0;
    ASSERT_GT(abgebrochen, 0);
    int gezeigt = 0;
    for (const QLabel* l : lab.findChildren<QLabel*>()) gezeigt += l->text().count(QStringLiteral("abgebrochen"));
    EXPECT_EQ(gezeigt, abgebrochen);
}

}  // namespace
