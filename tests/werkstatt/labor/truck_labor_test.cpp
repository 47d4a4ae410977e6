// The truck lab: what it shows belongs to the current project, equals the
// shared grid run's figures, and a click on a track replays that start.

#include "tests/werkstatt/labor/LaborTest.h"
#include "werkstatt/labor/StrassenBild.h"
#include "werkstatt/labor/TruckLabor.h"
#include "werkstatt/labor/Zahl.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using labor::TruckLabor;
using labortest::Beispiel;

// The same project with the rules thinned out, so that its figures differ.
fuzzy::Project Verstuemmelt(fuzzy::Project p) {
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; c += 2) p.Rules.Set(r, c, 0);
    return p;
}

dorvane::GridFigures Erwartet(fuzzy::Project p, float v) {
    const fuzzy::Controller c(p);
    return dorvane::RunGrid(c, v).Figures;
}

void Setze(TruckLabor& lab, const fuzzy::Project& p) { lab.setProjekt(p); }

bool Fertig(TruckLabor& lab) {
    return QTest::qWaitFor([&] { return !lab.rechnet(); }, 60000);
}

QString Text(const TruckLabor& lab, const char* name) { return lab.zahl(name)->text(); }

void ErwarteGleich(const dorvane::GridFigures& a, const dorvane::GridFigures& b) {
    EXPECT_EQ(a.Starts, b.Starts);
    EXPECT_EQ(a.Docked, b.Docked);
    EXPECT_EQ(a.LeftRoad(), b.LeftRoad());
    EXPECT_EQ(a.WorstX, b.WorstX);
    EXPECT_EQ(a.WorstAttitude, b.WorstAttitude);
    EXPECT_EQ(a.MostSteps, b.MostSteps);
}

class TruckLaborTest : public ::testing::Test {
protected:
    fuzzy::Project Gut = Beispiel("truck.fuz");
    fuzzy::Project Schlecht = Verstuemmelt(Beispiel("truck.fuz"));
};

TEST_F(TruckLaborTest, TwoQuickEditsShowTheSecondProjectNotTheFirst) {
    const auto gut = Erwartet(Gut, -1.0f), schlecht = Erwartet(Schlecht, -1.0f);
    ASSERT_NE(gut.Docked, schlecht.Docked) << "the two projects must be told apart by their figures";
    TruckLabor lab;
    Setze(lab, Gut);
    Setze(lab, Schlecht);
    EXPECT_TRUE(lab.rechnet());
    ASSERT_TRUE(Fertig(lab));
    ErwarteGleich(lab.ergebnis()->Raster.Figures, schlecht);
    EXPECT_EQ(Text(lab, "angedockt"),
              QStringLiteral("angedockt: <b>%1 von %2</b>").arg(schlecht.Docked).arg(schlecht.Starts));
}

TEST_F(TruckLaborTest, ResultOfAnOlderEditArrivingLateIsDropped) {
    TruckLabor lab;
    Setze(lab, Gut);
    ASSERT_TRUE(Fertig(lab));
    // The worker finishes the first edit, but its result is still queued
    // when the second edit comes.
    Setze(lab, Schlecht);
    labortest::ArbeiterFertig();
    Setze(lab, Gut);
    labortest::ArbeiterFertig();
    Setze(lab, Schlecht);
    QSignalSpy aktualisiert(&lab, &TruckLabor::ergebnisAktualisiert);
    ASSERT_TRUE(Fertig(lab));
    EXPECT_EQ(aktualisiert.count(), 1) << "only the newest edit's result may be shown";
    ErwarteGleich(lab.ergebnis()->Raster.Figures, Erwartet(Schlecht, -1.0f));
}

TEST_F(TruckLaborTest, PictureAndFiguresAreMarkedWhileAnEditIsComputed) {
    TruckLabor lab;
    Setze(lab, Gut);
    ASSERT_TRUE(Fertig(lab));
    EXPECT_FALSE(lab.bild()->veraltet());
    EXPECT_TRUE(lab.zahl("angedockt")->isEnabled());
    Setze(lab, Schlecht);
    labortest::ArbeiterFertig();  // even with the result ready but not yet delivered
    EXPECT_TRUE(lab.rechnet());
    EXPECT_TRUE(lab.bild()->veraltet());
    EXPECT_FALSE(lab.zahl("angedockt")->isEnabled());
    EXPECT_EQ(lab.findChild<QLabel*>(QStringLiteral("status"))->text(), QStringLiteral("wird berechnet …"));
    ASSERT_TRUE(Fertig(lab));
    EXPECT_FALSE(lab.bild()->veraltet());
    EXPECT_TRUE(lab.findChild<QLabel*>(QStringLiteral("status"))->text().isEmpty());
}

TEST_F(TruckLaborTest, FiguresShownAreTheSharedGridRunsAtTheChosenSpeed) {
    for (const float v : {-1.0f, -10.0f}) {
        SCOPED_TRACE(v);
        const auto z = Erwartet(Gut, v);
        TruckLabor lab;
        lab.setGeschwindigkeit(v);
        Setze(lab, Gut);
        ASSERT_TRUE(Fertig(lab));
        EXPECT_EQ(lab.ergebnis()->Raster.Speed, v);
        ErwarteGleich(lab.ergebnis()->Raster.Figures, z);
        EXPECT_EQ(Text(lab, "angedockt"), QStringLiteral("angedockt: <b>%1 von %2</b>").arg(z.Docked).arg(z.Starts));
        EXPECT_EQ(Text(lab, "verlassen"),
                  QStringLiteral("Straße verlassen: <b>%1 von %2</b>").arg(z.LeftRoad()).arg(z.MustKeepRoad));
        EXPECT_EQ(Text(lab, "groessteX"),
                  QStringLiteral("größte |x| am Ende: <b>%1 m</b>").arg(labor::Zahl(z.WorstX, lab::Quantity::Metres)));
        EXPECT_EQ(Text(lab, "groessteLage"), QStringLiteral("größte |Lage| am Ende: <b>%1°</b>")
                                                 .arg(labor::Zahl(z.WorstAttitude, lab::Quantity::Degrees)));
        EXPECT_EQ(Text(lab, "meisteSchritte"), QStringLiteral("meiste Schritte: <b>%1</b>").arg(z.MostSteps));
    }
}

TEST_F(TruckLaborTest, GridSharedOutOverThreadsGivesTheSameRunsInStartOrder) {
    const auto eins = labor::RechneTruckRaster(Schlecht, -10.0f, nullptr, 1);
    for (const int teile : {2, 5}) {
        SCOPED_TRACE(teile);
        const auto viele = labor::RechneTruckRaster(Schlecht, -10.0f, nullptr, teile);
        ASSERT_EQ(viele.Raster.Runs.size(), eins.Raster.Runs.size());
        EXPECT_FALSE(viele.Raster.Cancelled);
        ErwarteGleich(viele.Raster.Figures, eins.Raster.Figures);
        for (std::size_t i = 0; i < eins.Raster.Runs.size(); ++i) {
            const auto& a = eins.Raster.Runs[i].Result;
            const auto& b = viele.Raster.Runs[i].Result;
            EXPECT_EQ(a.Start.CabX, b.Start.CabX);
            EXPECT_EQ(a.Start.Attitude, b.Start.Attitude);
            EXPECT_EQ(a.X, b.X);
            EXPECT_EQ(a.Track.size(), b.Track.size());
        }
    }
}

TEST_F(TruckLaborTest, SwitchingTheSpeedRecomputesAtTheNewSpeed) {
    TruckLabor lab;
    Setze(lab, Schlecht);
    ASSERT_TRUE(Fertig(lab));
    lab.setGeschwindigkeit(-10.0f);
    EXPECT_TRUE(lab.rechnet());
    ASSERT_TRUE(Fertig(lab));
    EXPECT_EQ(lab.ergebnis()->Raster.Speed, -10.0f);
    ErwarteGleich(lab.ergebnis()->Raster.Figures, Erwartet(Schlecht, -10.0f));
}

TEST_F(TruckLaborTest, ClickOnATrackSelectsThatStartAndReplaysItsInputs) {
    TruckLabor lab;
    lab.resize(500, 700);
    lab.show();
    Setze(lab, Gut);
    ASSERT_TRUE(Fertig(lab));
    const auto& runs = lab.ergebnis()->Raster.Runs;
    // The first, a middle and the last start, clicked on their start points.
    for (const int k : {0, static_cast<int>(runs.size()) / 2, static_cast<int>(runs.size()) - 1}) {
        SCOPED_TRACE(k);
        const auto& track = runs[static_cast<std::size_t>(k)].Result.Track;
        ASSERT_GE(track.size(), 2u);
        QSignalSpy zustand(&lab, &TruckLabor::replayZustand);
        const QPointF p = lab.bild()->ZuBild(track[0].RearX, track[0].RearY);
        QTest::mouseClick(lab.bild(), Qt::LeftButton, Qt::NoModifier, p.toPoint());
        EXPECT_EQ(lab.ausgewaehlterStart(), k);
        EXPECT_TRUE(lab.spieltAb());
        ASSERT_GE(zustand.count(), 1);
        EXPECT_EQ(zustand.at(0).at(0).toFloat(), track[0].RearX);
        EXPECT_EQ(zustand.at(0).at(1).toFloat(), track[0].Attitude);
        // The replay goes on step by step through the recorded track.
        ASSERT_TRUE(QTest::qWaitFor([&] { return zustand.count() >= 3; }, 5000));
        EXPECT_EQ(zustand.at(2).at(0).toFloat(), track[2].RearX);
        EXPECT_EQ(zustand.at(2).at(1).toFloat(), track[2].Attitude);
    }
    labortest::SaveShot(lab, QStringLiteral("truck_labor"));
}

TEST_F(TruckLaborTest, ClickOffEveryTrackSelectsNothing) {
    TruckLabor lab;
    lab.resize(500, 700);
    Setze(lab, Gut);
    ASSERT_TRUE(Fertig(lab));
    lab.waehleStart(3);
    ASSERT_EQ(lab.ausgewaehlterStart(), 3);
    // Far out on the right verge, where no track of this controller runs.
    const QPointF p = lab.bild()->ZuBild(5.5, 27.0);
    ASSERT_EQ(lab.bild()->StartBei(p), -1);
    QTest::mouseClick(lab.bild(), Qt::LeftButton, Qt::NoModifier, p.toPoint());
    EXPECT_EQ(lab.ausgewaehlterStart(), -1);
    EXPECT_FALSE(lab.spieltAb());
}

TEST_F(TruckLaborTest, AnEditStopsTheReplayOfTheOldProject) {
    TruckLabor lab;
    Setze(lab, Gut);
    ASSERT_TRUE(Fertig(lab));
    lab.waehleStart(5);
    ASSERT_TRUE(lab.spieltAb());
    QSignalSpy zustand(&lab, &TruckLabor::replayZustand);
    Setze(lab, Schlecht);
    EXPECT_FALSE(lab.spieltAb());
    QTest::qWait(300);
    EXPECT_EQ(zustand.count(), 0) << "no inputs of the old project's track after an edit";
    ASSERT_TRUE(Fertig(lab));
}

TEST_F(TruckLaborTest, ProjectWithoutOutputShowsNoFiguresAndSaysWhy) {
    fuzzy::Project leer = Gut;
    leer.Out.Defined = false;
    TruckLabor lab;
    Setze(lab, leer);
    ASSERT_TRUE(Fertig(lab));
    EXPECT_TRUE(lab.ergebnis()->Raster.Runs.empty());
    EXPECT_EQ(Text(lab, "angedockt"), QStringLiteral("angedockt: <b>–</b>"));
    EXPECT_EQ(lab.findChild<QLabel*>(QStringLiteral("status"))->text(),
              QStringLiteral("Eingang A und/oder Ausgang (noch) nicht definiert!"));
}

TEST(LaborZahl, NumbersShowGermanCommaTrueMinusAndNoSignOnZero) {
    struct Fall {
        double v;
        int nachkomma;
        const char* text;
    };
    const Fall faelle[] = {
        {1.5, 2, "1,50"},     {-1.5, 1, "−1,5"}, {-0.0001, 2, "0,00"}, {-0.004, 2, "0,00"},
        {-0.006, 2, "−0,01"}, {-0.4, 0, "0"},    {-10.0, 0, "−10"},    {0.0005, 4, "0,0005"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(labor::Zahl(f.v, f.nachkomma), QString::fromUtf8(f.text)) << f.v;
}

}  // namespace

// --- a road large enough to read, figures that explain themselves, comparison ---------------

namespace {

struct StrassenFall {
    const char* name;
    int breite, hoehe;
    double anteil;  // of the width the road takes at least
};

class Strasse : public testing::TestWithParam<StrassenFall> {};

TEST_P(Strasse, RoadFillsTheViewAndStaysInside) {
    labor::StrassenBild b;
    b.resize(GetParam().breite, GetParam().hoehe);
    const QPointF links = b.ZuBild(dorvane::RoadLeft, 0), rechts = b.ZuBild(dorvane::RoadRight, 0);
    EXPECT_GE(rechts.x() - links.x(), GetParam().anteil * GetParam().breite);
    EXPECT_GE(links.x(), 0.0);
    EXPECT_LE(rechts.x(), GetParam().breite);
    // The whole way down, from the cabs at the start to the bar.
    EXPECT_GE(b.ZuBild(0, dorvane::StartCabY + 2).y(), 0.0);
    EXPECT_LE(b.ZuBild(0, dorvane::ArrivalY).y(), GetParam().hoehe);
    // Picking and drawing agree: a world point comes back where it was.
    const QPointF w = b.ZurWelt(b.ZuBild(-7.5, 12.0));
    EXPECT_NEAR(w.x(), -7.5, 1e-9);
    EXPECT_NEAR(w.y(), 12.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Labor, Strasse,
                         testing::Values(StrassenFall{"WideWindow", 880, 450, 0.45},
                                         StrassenFall{"Maximised", 1900, 900, 0.4},
                                         StrassenFall{"NarrowAndTall", 300, 700, 0.7}),
                         [](const testing::TestParamInfo<StrassenFall>& i) { return std::string(i.param.name); });

struct TippFall {
    const char* name;
    const char* zahl;
    const char* enthaelt;
};

class Tipps : public testing::TestWithParam<TippFall> {};

TEST_P(Tipps, EachFigureExplainsItsCriterion) {
    TruckLabor lab;
    EXPECT_TRUE(lab.zahl(GetParam().zahl)->toolTip().contains(QString::fromUtf8(GetParam().enthaelt)))
        << lab.zahl(GetParam().zahl)->toolTip().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Labor, Tipps,
    testing::Values(TippFall{"Docked", "angedockt", "angedockt: |x| < 0,1 m und |Lage| < 1\xC2\xB0 am Ende"},
                    TippFall{"LeftRoadCountsOnlyStartsLeftOfTheLine", "verlassen", "x \xE2\x89\xA4 0"},
                    TippFall{"LeftRoadNamesTheRoad", "verlassen",
                             "x < \xE2\x88\x92"
                             "20,1 m oder x > 2 m"},
                    TippFall{"WorstX", "groessteX", "0,1 m"}, TippFall{"WorstAttitude", "groessteLage", "1\xC2\xB0"},
                    TippFall{"Steps", "meisteSchritte", "5000"}),
    [](const testing::TestParamInfo<TippFall>& i) { return std::string(i.param.name); });

TEST(TruckLabor, ComparisonDrawsTheSecondProjectWithItsFiguresAndEnds) {
    const fuzzy::Project p = Beispiel("truck.fuz");
    TruckLabor lab;
    Setze(lab, p);
    lab.setVergleich(Verstuemmelt(p), QStringLiteral("„alt.fuz“"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lab.rechnet() && lab.vergleichErgebnis() != nullptr; }, 60000));
    const dorvane::GridFigures soll = Erwartet(Verstuemmelt(p), -1.0f);
    ErwarteGleich(lab.vergleichErgebnis()->Raster.Figures, soll);
    ErwarteGleich(lab.ergebnis()->Raster.Figures, Erwartet(p, -1.0f));
    EXPECT_EQ(lab.bild()->vergleich(), lab.vergleichErgebnis());
    const QString text = lab.vergleichZahlen()->text();
    EXPECT_TRUE(text.contains(QStringLiteral("alt.fuz"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("angedockt %1 von %2").arg(soll.Docked).arg(soll.Starts)))
        << text.toStdString();
    // Another speed runs the comparison again.
    lab.setGeschwindigkeit(-10.0f);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !lab.rechnet() && lab.vergleichErgebnis() && lab.vergleichErgebnis()->Raster.Speed == -10.0f; },
        60000));
    lab.vergleichBeenden();
    EXPECT_FALSE(lab.hatVergleich());
    EXPECT_EQ(lab.bild()->vergleich(), nullptr);
}

TEST(TruckLabor, RunsWithoutANumberAreShownAsAborted) {
    TruckLabor lab;
    Setze(lab, labortest::Uebergelaufen("truck.fuz"));
    ASSERT_TRUE(Fertig(lab));
    const QString status = lab.findChild<QLabel*>(QStringLiteral("status"))->text();
    EXPECT_TRUE(status.contains(QStringLiteral("164 von 164"))) << status.toStdString();
}

}  // namespace
