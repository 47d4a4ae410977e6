// "Warum?" at every step of a run: the step a lab hands to the inspector is
// the step the run made, and the inspector's output is the control value the
// run applied, bit for bit. Replayed against fuzzysim's CSV of the same runs
// (its last three columns hold each step's inputs and output exactly), so the
// lab, the inspector and the command-line tool are held to one another.

#include "tests/werkstatt/labor/LaborTest.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/labor/KurvenDiagramm.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/SchrittWahl.h"
#include "werkstatt/labor/StrassenBild.h"
#include "werkstatt/labor/TruckLabor.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

using labor::LokLabor;
using labor::TruckLabor;

bool Bitgleich(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

// One control step as the CSV states it.
struct CsvSchritt {
    float A = 0, B = 0, Aus = 0;
};

// fuzzysim's standard output for these arguments.
std::string Fuzzysim(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(FUZZYSIM_BIN), args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << "fuzzysim " << args.join(QLatin1Char(' ')).toStdString() << ": "
                      << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput().toStdString();
}

std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> f;
    std::size_t von = 0;
    for (;;) {
        const auto komma = zeile.find(',', von);
        f.push_back(zeile.substr(von, komma - von));
        if (komma == std::string::npos) return f;
        von = komma + 1;
    }
}

float Exakt(const std::string& text) {
    float v = NAN;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == text.data() + text.size()) << "no number: '" << text << "'";
    return v;
}

// The CSV's runs, each the list of its control steps: a row with empty
// step columns starts a run (its start row), every other row is one step.
std::vector<std::vector<CsvSchritt>> Laeufe(const std::string& csv, const std::string& kopf) {
    std::vector<std::vector<CsvSchritt>> laeufe;
    std::size_t pos = 0;
    bool ersteZeile = true;
    while (pos < csv.size()) {
        const auto ende = csv.find('\n', pos);
        const std::string zeile = csv.substr(pos, ende - pos);
        pos = ende == std::string::npos ? csv.size() : ende + 1;
        if (ersteZeile) {
            EXPECT_EQ(zeile, kopf);
            ersteZeile = false;
            continue;
        }
        const auto f = Felder(zeile);
        if (f.size() < 3) {
            ADD_FAILURE() << "short row: " << zeile;
            continue;
        }
        const std::string& a = f[f.size() - 3];
        if (a.empty()) {
            laeufe.emplace_back();
            continue;
        }
        if (laeufe.empty()) {
            ADD_FAILURE() << "a step before its run's start row: " << zeile;
            continue;
        }
        laeufe.back().push_back({Exakt(a), Exakt(f[f.size() - 2]), Exakt(f[f.size() - 1])});
    }
    return laeufe;
}

const std::string TruckKopf =
    "start_x,start_lage,schritt,hinten_x,hinten_y,fuehrerhaus_x,fuehrerhaus_y,lage_grad,lenkwinkel_grad,"
    "eingang_a,eingang_b,ausgang";
const std::string LokKopf = "t_s,s_cm,v_cms,kraft_N,eingang_a,eingang_b,ausgang";

// Every step of a run through the lab's picker: the step the lab reports
// and the lab's own inspector against the CSV's step.
template <typename Waehle>
void PruefeLauf(labor::LaborSeite& lab, const std::vector<CsvSchritt>& csv, Waehle waehle, int& geprueft,
                int& ausserhalb) {
    const fuzzy::Project& p = lab.inspektor()->szene().projekt;
    for (std::size_t k = 0; k < csv.size(); ++k) {
        waehle(static_cast<int>(k));
        const auto& schritt = lab.inspektor()->schritt();
        ASSERT_TRUE(schritt.has_value()) << "step " << k + 1 << " not shown";
        const CsvSchritt& soll = csv[k];
        ASSERT_TRUE(Bitgleich(schritt->A, soll.A))
            << "step " << k + 1 << ": input A " << schritt->A << " vs " << soll.A;
        ASSERT_TRUE(Bitgleich(schritt->B, soll.B))
            << "step " << k + 1 << ": input B " << schritt->B << " vs " << soll.B;
        ASSERT_TRUE(Bitgleich(schritt->Angewandt, soll.Aus))
            << "step " << k + 1 << ": applied " << schritt->Angewandt << " vs " << soll.Aus;
        ASSERT_TRUE(Bitgleich(lab.inspektor()->ausgang(), soll.Aus))
            << "step " << k + 1 << ": the inspector gives " << lab.inspektor()->ausgang() << ", the run applied "
            << soll.Aus;
        if (soll.A < std::min(p.A.RangeMin, p.A.RangeMax) || soll.A > std::max(p.A.RangeMin, p.A.RangeMax) ||
            soll.B < std::min(p.B.RangeMin, p.B.RangeMax) || soll.B > std::max(p.B.RangeMin, p.B.RangeMax))
            ++ausserhalb;
        ++geprueft;
    }
}

struct Beispielfall {
    const char* datei;
};

std::ostream& operator<<(std::ostream& o, const Beispielfall& f) { return o << f.datei; }

class WarumTruck : public ::testing::TestWithParam<Beispielfall> {};

TEST_P(WarumTruck, EveryStepOfEveryStartAtMinusOneIsTheAppliedSteeringBitForBit) {
    const std::string datei = std::string(FUZZY_SOURCE_DIR "/examples/") + GetParam().datei;
    const auto laeufe = Laeufe(Fuzzysim({QStringLiteral("truck"), QString::fromStdString(datei),
                                         QStringLiteral("--grid"), QStringLiteral("--csv")}),
                               TruckKopf);
    TruckLabor lab;
    lab.setProjekt(fuzzy::LoadProject(datei));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lab.rechnet(); }, 60000));
    const auto& runs = lab.ergebnis()->Raster.Runs;
    ASSERT_EQ(runs.size(), 164u);
    ASSERT_EQ(laeufe.size(), runs.size());
    int geprueft = 0, ausserhalb = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(laeufe[i].size() + 1, runs[i].Result.Track.size()) << "the lab's run is fuzzysim's run";
        PruefeLauf(
            lab, laeufe[i], [&](int k) { lab.waehleSchritt(static_cast<int>(i), k); }, geprueft, ausserhalb);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(geprueft, 164 * 100);
    RecordProperty("steps", geprueft);
    RecordProperty("beyond_ranges", ausserhalb);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, WarumTruck, ::testing::Values(Beispielfall{"truck.fuz"}));

class WarumLok : public ::testing::TestWithParam<Beispielfall> {};

TEST_P(WarumLok, EveryStepOfTheSixRunsIsTheAppliedForceBitForBit) {
    const std::string datei = std::string(FUZZY_SOURCE_DIR "/examples/") + GetParam().datei;
    LokLabor lab;
    lab.setProjekt(fuzzy::LoadProject(datei));
    int geprueft = 0, ausserhalb = 0, laeufe = 0;
    for (const float dt : pemrak::LabSteps()) {
        labor::LokEinstellung e = lab.einstellung();
        e.Dt = dt;
        ASSERT_TRUE(lab.setEinstellung(e));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !lab.rechnet(); }, 60000));
        for (std::size_t m = 0; m < pemrak::LabMasses().size(); ++m) {
            SCOPED_TRACE(QStringLiteral("%1 kg, %2 s").arg(pemrak::LabMasses()[m]).arg(dt).toStdString());
            const auto csv = Laeufe(Fuzzysim({QStringLiteral("loco"), QString::fromStdString(datei),
                                              QStringLiteral("--mass"), QString::number(pemrak::LabMasses()[m]),
                                              QStringLiteral("--dt"), QString::number(dt), QStringLiteral("--csv")}),
                                    LokKopf);
            ASSERT_EQ(csv.size(), 1u);
            ASSERT_EQ(csv[0].size() + 1, lab.ergebnis()->Laeufe[m].Run.Track.size()) << "the lab's run is fuzzysim's";
            PruefeLauf(
                lab, csv[0], [&](int k) { lab.waehleLauf(static_cast<int>(m), k); }, geprueft, ausserhalb);
            if (HasFatalFailure()) return;
            ++laeufe;
        }
    }
    EXPECT_EQ(laeufe, 6);
    EXPECT_GT(geprueft, 6 * 100);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, WarumLok, ::testing::Values(Beispielfall{"lok.fuz"}));

}  // namespace

// --- choosing the step: click, slider, run -----------------------------------------

namespace {

bool Fertig(labor::LaborSeite& lab, const std::function<bool()>& rechnet) {
    (void)lab;
    return QTest::qWaitFor([&] { return !rechnet(); }, 60000);
}

struct KlickFall {
    const char* name;
    double anteil;  // where along the track the click lands, 0..1
};

class TruckKlick : public ::testing::TestWithParam<KlickFall> {};

// A click on a track (not on its start's dot) picks that start and the
// step there, and stays there: the inspector shows the step the run took
// from that point, its steering the one recorded at the next point.
TEST_P(TruckKlick, ClickOnATrackShowsTheStepThereWithoutPlaying) {
    TruckLabor lab;
    lab.resize(520, 760);
    lab.show();
    lab.setProjekt(labortest::Beispiel("truck.fuz"));
    ASSERT_TRUE(Fertig(lab, [&] { return lab.rechnet(); }));
    const auto& runs = lab.ergebnis()->Raster.Runs;
    // A start far out on the left, whose track crosses open road.
    const int start = 0;
    const auto& track = runs[start].Result.Track;
    const int k = std::clamp(static_cast<int>(GetParam().anteil * double(track.size() - 1)), 1,
                             static_cast<int>(track.size()) - 2);
    // Where the mouse lands: on a whole pixel.
    const QPoint p = lab.bild()
                         ->ZuBild(track[static_cast<std::size_t>(k)].RearX, track[static_cast<std::size_t>(k)].RearY)
                         .toPoint();
    const labor::StrassenBild::Treffer t = lab.bild()->TrefferBei(p);
    ASSERT_EQ(t.Start, start) << "another track passes nearer";
    QSignalSpy schritte(&lab, &labor::LaborSeite::schrittGewaehlt);
    QTest::mouseClick(lab.bild(), Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(lab.ausgewaehlterStart(), start);
    EXPECT_FALSE(lab.spieltAb());
    const int gewaehlt = lab.wiedergabeSchritt();
    // The nearest recorded point to the click, within the pixels a point covers.
    EXPECT_NEAR(gewaehlt, k, 3);
    ASSERT_EQ(schritte.count(), 1);
    const auto s = schritte.at(0).at(0).value<ansichten::Laufschritt>();
    const auto g = static_cast<std::size_t>(gewaehlt);
    EXPECT_TRUE(Bitgleich(s.A, track[g].RearX));
    EXPECT_TRUE(Bitgleich(s.B, track[g].Attitude));
    EXPECT_TRUE(Bitgleich(s.Angewandt, track[g + 1].Control)) << "the steering chosen here, not the one before";
    EXPECT_TRUE(lab.schrittAuswahl()->text().contains(QStringLiteral("Schritt %1 von").arg(gewaehlt + 1)))
        << qPrintable(lab.schrittAuswahl()->text());
}

INSTANTIATE_TEST_SUITE_P(Stellen, TruckKlick,
                         ::testing::Values(KlickFall{"early", 0.15}, KlickFall{"middle", 0.5}, KlickFall{"late", 0.7}),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(TruckSchritte, SliderAndButtonsMoveThroughTheRunAndTheEndTakesNoStep) {
    TruckLabor lab;
    lab.setProjekt(labortest::Beispiel("truck.fuz"));
    ASSERT_TRUE(Fertig(lab, [&] { return lab.rechnet(); }));
    lab.waehleSchritt(7, 0);
    labor::SchrittWahl* w = lab.schrittAuswahl();
    const int letzter = static_cast<int>(lab.ergebnis()->Raster.Runs[7].Result.Track.size()) - 1;
    ASSERT_EQ(w->letzter(), letzter);
    ASSERT_TRUE(w->schieber()->isEnabled());
    QSignalSpy schritte(&lab, &labor::LaborSeite::schrittGewaehlt);
    w->schieber()->setValue(10);
    EXPECT_EQ(lab.wiedergabeSchritt(), 10);
    w->vorKnopf()->click();
    EXPECT_EQ(lab.wiedergabeSchritt(), 11);
    w->zurueckKnopf()->click();
    w->zurueckKnopf()->click();
    EXPECT_EQ(lab.wiedergabeSchritt(), 9);
    EXPECT_EQ(schritte.count(), 4);
    // The last point: the run has ended, no step is taken from it.
    w->schieber()->setValue(letzter);
    EXPECT_EQ(schritte.count(), 4) << "no step from the end of the run";
    EXPECT_TRUE(w->text().contains(QStringLiteral("Ende nach %1 Schritten").arg(letzter))) << qPrintable(w->text());
    EXPECT_FALSE(w->vorKnopf()->isEnabled());
}

TEST(TruckSchritte, AnEditDisablesThePickerUntilTheNewRunsAreThere) {
    TruckLabor lab;
    fuzzy::Project p = labortest::Beispiel("truck.fuz");
    lab.setProjekt(p);
    ASSERT_TRUE(Fertig(lab, [&] { return lab.rechnet(); }));
    lab.waehleSchritt(3, 20);
    ASSERT_TRUE(lab.inspektor()->schritt().has_value());
    QSignalSpy schritte(&lab, &labor::LaborSeite::schrittGewaehlt);
    p.Rules.Set(3, 3, 1);
    lab.setProjekt(p);
    EXPECT_FALSE(lab.schrittAuswahl()->schieber()->isEnabled()) << "the old run's steps are gone";
    EXPECT_FALSE(lab.inspektor()->schritt().has_value()) << "the inspector left the old run's step";
    ASSERT_TRUE(Fertig(lab, [&] { return lab.rechnet(); }));
    EXPECT_EQ(schritte.count(), 0);
    EXPECT_TRUE(lab.schrittAuswahl()->schieber()->isEnabled()) << "the chosen start's new run is ready";
}

TEST(TruckSchritte, WarumShowsTheInspectorBesideTheLab) {
    TruckLabor lab;
    lab.resize(1100, 760);
    lab.show();
    EXPECT_FALSE(lab.inspektor()->isVisible());
    lab.schrittAuswahl()->warumKnopf()->click();
    EXPECT_TRUE(lab.inspektor()->isVisible());
    EXPECT_GT(lab.inspektor()->width(), 300);
    lab.schrittAuswahl()->warumKnopf()->click();
    EXPECT_FALSE(lab.inspektor()->isVisible());
}

struct KurvenFall {
    const char* name;
    int diagramm;  // 0 s-t, 1 v-t, 2 s-v, 3 F-t
    int lauf;
    int punkt;
};

class LokKlick : public ::testing::TestWithParam<KurvenFall> {};

// A click on a curve picks that run and the step at the point clicked; on
// the force's curve a point is the step that ends there.
TEST_P(LokKlick, ClickOnACurvePicksItsRunAndStep) {
    const KurvenFall& f = GetParam();
    LokLabor lab;
    lab.resize(1000, 900);
    lab.show();
    lab.setProjekt(labortest::Beispiel("lok.fuz"));
    ASSERT_TRUE(Fertig(lab, [&] { return lab.rechnet(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lab));
    labor::KurvenDiagramm* d = lab.diagramm(f.diagramm);
    d->repaint();
    const auto& track = lab.ergebnis()->Laeufe[static_cast<std::size_t>(f.lauf)].Run.Track;
    const QPointF wert = d->kurven()[f.lauf].Punkte[f.punkt];
    const QPointF pos = d->ZuBild(wert);
    const auto [kurve, punkt] = d->PunktBei(pos);
    ASSERT_EQ(kurve, f.lauf) << "another curve lies nearer at this point";
    QSignalSpy schritte(&lab, &labor::LaborSeite::schrittGewaehlt);
    QTest::mouseClick(d, Qt::LeftButton, Qt::NoModifier, pos.toPoint());
    EXPECT_EQ(lab.gewaehlterLauf(), f.lauf);
    ASSERT_EQ(schritte.count(), 1);
    const auto s = schritte.at(0).at(0).value<ansichten::Laufschritt>();
    const int schritt = f.diagramm == 3 ? punkt - 1 : punkt;
    const auto g = static_cast<std::size_t>(schritt);
    EXPECT_TRUE(Bitgleich(s.A, track[g].sCm));
    EXPECT_TRUE(Bitgleich(s.B, track[g].vCms));
    EXPECT_TRUE(Bitgleich(s.Angewandt, track[g + 1].Kraft));
    EXPECT_TRUE(Bitgleich(lab.inspektor()->ausgang(), s.Angewandt));
}

INSTANTIATE_TEST_SUITE_P(Diagramme, LokKlick,
                         ::testing::Values(KurvenFall{"wayOverTime", 0, 0, 12}, KurvenFall{"speedOverTime", 1, 2, 20},
                                           KurvenFall{"svCurve", 2, 1, 8}, KurvenFall{"forceOverTime", 3, 2, 15}),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(LokSchritte, ChoosingAnotherRunShowsItsFirstStep) {
    LokLabor lab;
    lab.setProjekt(labortest::Beispiel("lok.fuz"));
    ASSERT_TRUE(Fertig(lab, [&] { return lab.rechnet(); }));
    QSignalSpy schritte(&lab, &labor::LaborSeite::schrittGewaehlt);
    lab.laufWahl()->setCurrentIndex(2);
    emit lab.laufWahl()->activated(2);
    ASSERT_EQ(schritte.count(), 1);
    const auto& track = lab.ergebnis()->Laeufe[2].Run.Track;
    EXPECT_EQ(lab.schrittAuswahl()->letzter(), static_cast<int>(track.size()) - 1);
    const auto s = schritte.at(0).at(0).value<ansichten::Laufschritt>();
    EXPECT_TRUE(Bitgleich(s.Angewandt, track[1].Kraft));
    EXPECT_TRUE(s.Herkunft.contains(QStringLiteral("4 kg"))) << qPrintable(s.Herkunft);
}

// A step beyond both ranges explains itself at length: beside a lab narrowed
// by an exercise, the inspector scrolls rather than cut off its picture.
TEST(LokSchritte, ALongExplanationLeavesTheWholePictureInTheInspector) {
    LokLabor lab;
    lab.resize(900, 560);
    lab.show();
    fuzzy::Project p = labortest::Beispiel("lok.fuz");
    p.Rules = fuzzy::RuleTable();  // no rule: the locomotive runs off, past both ranges
    lab.setProjekt(p);
    ASSERT_TRUE(Fertig(lab, [&] { return lab.rechnet(); }));
    lab.schrittAuswahl()->warumKnopf()->click();
    lab.waehleLauf(0, 11);
    QTest::qWait(20);
    const ansichten::Inspektor& i = *lab.inspektor();
    ASSERT_TRUE(i.schritt().has_value());
    const QWidget& bild = *i.bild();
    EXPECT_LE(bild.mapTo(&i, QPoint(0, bild.height())).y(), i.height()) << "the picture runs past the inspector";
    EXPECT_GE(bild.height(), bild.minimumHeight());
}

}  // namespace
