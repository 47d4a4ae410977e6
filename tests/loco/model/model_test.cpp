// The locomotive's model, its run without a window, and `fuzzysim loco`.
#include "commands/Args.h"
#include "loco/model/LocoLauf.h"
#include "loco/model/LocoModel.h"
#include "commands/LocoSim.h"
#include "loco/model/LocoVersuch.h"
#include "fuzzy/Messages.h"
#include "fuzzy/Language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

using namespace pemrak;

namespace {

const std::string LokFuz = std::string(FUZZY_SOURCE_DIR) + "/examples/lok.fuz";
const std::string SchiebenFuz = std::string(FUZZY_TEST_DATA) + "/schieben.fuz";

// Keeps the engine's messages out of the test output and counts them.
struct StilleMeldungen : fuzzy::IMessages {
    int Anzahl = 0;
    void Warning(const std::string&) override { ++Anzahl; }
    void Error(const std::string&) override { ++Anzahl; }
};

struct Projekt {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable Regeln;
    StilleMeldungen meldungen;

    explicit Projekt(const std::string& datei) {
        fuzzy::SetMessages(&meldungen);
        fuzzy::LoadProject(datei, A, B, Out, Regeln);
        fuzzy::SetMessages(nullptr);
    }
    fuzzy::Controller Regler() { return fuzzy::Controller{A, B, Out, Regeln}; }
};

float Single(double v) { return static_cast<float>(v); }

}  // namespace

TEST(SimInitTest, ResetsStateAndRecordingFromTheStartValues) {
    SimZustand z;
    z.v = 5;
    z.t = 9;
    z.Kraft = 3;
    z.a = 1;
    Aufzeichnung r;
    r.Anzahl = 7;
    r.Speichern(z);  // point 7 holds something
    SimInit(z, r, StartValues{1.5f, 2.5f, 33.3f});
    EXPECT_EQ(r.Anzahl, 0);
    EXPECT_EQ(r.Get(7).s, 0.0f);
    EXPECT_EQ(r.Get(7).v, 0.0f);
    EXPECT_EQ(z.Kraft, 0.0f);
    EXPECT_EQ(z.Masse, 1.5f);
    EXPECT_EQ(z.Reibung, 2.5f);
    EXPECT_EQ(z.v, 0.0f);
    EXPECT_EQ(z.s, Single(double(33.3f) / 100.0));  // cm to m in double, stored single
    EXPECT_EQ(z.s0, z.s);
    EXPECT_EQ(z.dt, 0.1f);
    EXPECT_EQ(z.t, 0.0f);
}

TEST(SchrittTest, SemiImplicitEulerUsesTheNewVelocityForThePosition) {
    SimZustand z;
    z.s = 1.0f;
    z.v = -0.2f;
    z.Kraft = 1.0f;
    z.Masse = 2.0f;
    z.Reibung = 3.0f;
    z.dt = 0.1f;
    Step(z);
    const float a = Single((-1.0 - 3.0 * double(-0.2f)) / 2.0);
    const float v = Single(double(-0.2f) + double(a) * double(0.1f));
    EXPECT_EQ(z.a, a);
    EXPECT_EQ(z.v, v);
    EXPECT_EQ(z.s, Single(1.0 + double(v) * double(0.1f)));  // explicit Euler would use -0.2
    EXPECT_EQ(z.t, 0.1f);
}

TEST(AufzeichnungTest, StoresOnlyStepsOneToThousandAndRestartsAfterTheCounterWraps) {
    Aufzeichnung r;
    SimZustand z;
    for (int i = 1; i <= 1005; ++i) {
        r.Zaehlen();
        z.s = i / 100.0f;  // i cm
        z.v = -i / 100.0f;
        r.Speichern(z);
    }
    EXPECT_EQ(r.Anzahl, 1005);
    EXPECT_EQ(r.Gueltig(), 1000);
    EXPECT_FLOAT_EQ(r.Get(1).s, 1.0f);
    EXPECT_FLOAT_EQ(r.Get(1000).s, 1000.0f);
    EXPECT_FLOAT_EQ(r.Get(1000).v, -1000.0f);
    EXPECT_EQ(r.Get(1001).s, 0.0f);  // outside the recording
    EXPECT_EQ(r.Get(0).s, 0.0f);

    r.Anzahl = 65535;
    r.Zaehlen();
    EXPECT_EQ(r.Anzahl, 0);  // 16 bits wrap
    EXPECT_EQ(r.Gueltig(), 0);
    r.Zaehlen();
    z.s = 0.42f;
    z.v = 0.0f;
    r.Speichern(z);
    EXPECT_FLOAT_EQ(r.Get(1).s, 42.0f);  // recording begins again at point 1
    EXPECT_FLOAT_EQ(r.Get(2).s, 2.0f);   // the rest is the old run's
}

TEST(GrenzenTest, BandAroundTheMarkAndTheEndPastItAreJudgedOnTheSinglePosition) {
    // 0.01f lies a little below 0.01 m and -0.3f a little below -0.3 m.
    struct Fall {
        const char* name;
        float s;
        bool imBand, weiter;
    };
    const Fall faelle[] = {
        {"on the mark", 0.0f, true, true},
        {"a centimetre before, as a single", 0.01f, true, true},
        {"a centimetre past, as a single", -0.01f, true, true},
        {"just outside the band", std::nextafter(0.01f, 1.0f), false, true},
        {"just outside the band past the mark", std::nextafter(-0.01f, -1.0f), false, true},
        {"thirty centimetres past, as a single", -0.3f, false, false},
        {"just before the end", std::nextafter(-0.3f, 0.0f), false, true},
        {"far past the mark", -5.0f, false, false},
        {"not a number ends the run", std::numeric_limits<float>::quiet_NaN(), false, false},
    };
    for (const Fall& f : faelle) {
        SimZustand z;
        z.s = f.s;
        EXPECT_EQ(InTargetBand(z), f.imBand) << f.name;
        EXPECT_EQ(OnTrack(z), f.weiter) << f.name;
    }
}

TEST(TickDauerTest, TakesTheDifferenceModuloTheCountersRange) {
    struct Fall {
        const char* name;
        std::uint32_t start, jetzt;
        float sekunden;
    };
    const Fall faelle[] = {
        {"plain", 1000, 1055, 0.055f},
        {"no time", 5, 5, 0.0f},
        {"across the wrap", 0xFFFFFFF0u, 0x00000027u, 0.055f},
        {"exactly at the wrap", 0xFFFFFFFFu, 0u, 0.001f},
    };
    for (const Fall& f : faelle) EXPECT_FLOAT_EQ(TickSeconds(f.start, f.jetzt), f.sekunden) << f.name;
}

TEST(SzenenSpalteTest, MapsTheStartToNinetyPercentOfTheSceneAndRoundsHalvesToEven) {
    struct Fall {
        const char* name;
        float x, s0;
        int breite, spalte;
    };
    const Fall faelle[] = {
        {"start position", 1.0f, 1.0f, 529, 476},  // 476.1
        {"the mark", 0.0f, 1.0f, 529, 0},
        {"half way", 0.5f, 1.0f, 529, 238},            // 238.05
        {"past the mark", -0.3f, 1.0f, 529, -143},     // -142.83
        {"half goes down to even", 1.0f, 1.0f, 5, 4},  // 4.5
        {"half goes up to even", 1.0f, 1.0f, 15, 14},  // 13.5
        {"another start distance", 0.25f, 0.5f, 529, 238},
        {"far beyond the scene is clamped", 1.0f, 1e-30f, 529, 1000000},
        {"far before the scene is clamped", -1.0f, 1e-30f, 529, -1000000},
        {"no start distance", 0.5f, 0.0f, 529, 1000000},
        {"not a number", std::numeric_limits<float>::quiet_NaN(), 1.0f, 529, -1000000},
    };
    for (const Fall& f : faelle) EXPECT_EQ(SceneColumn(f.x, f.s0, f.breite), f.spalte) << f.name;
}

TEST(StartwerteFehlerTest, RefusesWhatTheModelCannotRunWith) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Fall {
        const char* name;
        StartValues w;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"defaults", StartValues{}, nullptr},
        {"tiny mass", StartValues{1e-6f, 3, 100}, nullptr},
        {"negative distance starts past the mark", StartValues{2, 3, -10}, nullptr},
        {"no friction", StartValues{2, 0, 100}, nullptr},
        {"mass 0", StartValues{0, 3, 100}, "Die Masse muss größer als 0 sein."},
        {"negative mass", StartValues{-2, 3, 100}, "Die Masse muss größer als 0 sein."},
        {"mass not a number", StartValues{nan, 3, 100}, "Die Masse muss größer als 0 sein."},
        {"distance 0", StartValues{2, 3, 0}, "Der Abstand darf nicht 0 sein."},
        {"mass checked first", StartValues{0, 3, 0}, "Die Masse muss größer als 0 sein."},
        {"distance that is 0 m in single precision", StartValues{2, 3, 1e-45f}, "Der Abstand darf nicht 0 sein."},
        {"smallest distance still in metres", StartValues{2, 3, 1e-36f}, nullptr},
    };
    for (const Fall& f : faelle) {
        const auto m = StartValuesError(f.w);
        if (f.meldung)
            EXPECT_EQ(m.value_or("(keine)"), f.meldung) << f.name;
        else
            EXPECT_FALSE(m.has_value()) << f.name;
    }
}

TEST(StartwerteFehlerTest, RefusesInEnglishInTheEnglishEdition) {
    struct Fall {
        const char* name;
        StartValues w;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"mass 0", StartValues{0, 3, 100}, "The mass must be greater than 0."},
        {"distance 0", StartValues{2, 3, 0}, "The distance must not be 0."},
    };
    for (const Fall& f : faelle) {
        fuzzy::SetLanguage(fuzzy::Language::English);
        const auto m = StartValuesError(f.w);
        fuzzy::SetLanguage(fuzzy::Language::German);
        EXPECT_EQ(m.value_or("(none)"), f.meldung) << f.name;
    }
}

// A step's duration is measured: a dialog that held the loop, a stiff
// friction or a light locomotive must not make the explicit step swing.
TEST(SchrittTest, TeilschritteKeepEachPartShortAndStable) {
    struct Fall {
        const char* name;
        double dt, masse, reibung, teile;
    };
    const Fall faelle[] = {
        {"ordinary pace", 0.055, 2, 3, 1},
        {"first step", 0.1, 2, 3, 1},
        {"a dialog held the loop", 1.8, 2, 3, 18},
        {"stiff friction", 0.055, 2, 1000, 28},
        {"no friction: only the 0.1 s limit", 0.25, 2, 0, 3},
        {"negative friction: only the 0.1 s limit", 0.25, 2, -5, 3},
        {"no time", 0.0, 2, 3, 1},
    };
    for (const Fall& f : faelle) EXPECT_EQ(SubSteps(f.dt, f.masse, f.reibung), f.teile) << f.name;
}

TEST(SchrittTest, OrdinaryStepIsThePlainSemiImplicitEulerStep) {
    for (const float dt : {0.055f, 0.1f}) {
        SimZustand z;
        z.s = 0.8f;
        z.v = -0.2f;
        z.Kraft = 0.7f;
        z.Masse = 2.0f;
        z.Reibung = 3.0f;
        z.dt = dt;
        const float a = static_cast<float>((-double(0.7f) - 3.0 * double(-0.2f)) / 2.0);
        const float v = static_cast<float>(double(-0.2f) + double(a) * double(dt));
        const float s = static_cast<float>(double(0.8f) + double(v) * double(dt));
        Step(z);
        EXPECT_EQ(z.a, a) << dt;
        EXPECT_EQ(z.v, v) << dt;
        EXPECT_EQ(z.s, s) << dt;
        EXPECT_EQ(z.t, dt);
    }
}

// A locomotive coasting without force: v(t) = v0 e^(-R t / m), and it comes
// (m / R) v0 (1 - e^(-R t / m)) further. One step over the whole duration
// turns v round and throws the locomotive back or far past the mark.
TEST(SchrittTest, LongStepFollowsTheMotionInsteadOfSwinging) {
    struct Fall {
        const char* name;
        float dt, masse, reibung;
    };
    const Fall faelle[] = {
        {"1.8 s held by a dialog", 1.8f, 2.0f, 3.0f},
        {"friction 1000", 0.055f, 2.0f, 1000.0f},
        {"a very light locomotive", 0.055f, 1e-4f, 3.0f},
        {"a locomotive of 1e-6 kg in a stiff friction", 0.055f, 1e-6f, 1000.0f},
    };
    for (const Fall& f : faelle) {
        SimZustand z;
        z.s = 1.0f;
        z.v = -0.33f;
        z.Masse = f.masse;
        z.Reibung = f.reibung;
        z.dt = f.dt;
        Step(z);
        const double k = double(f.reibung) / double(f.masse);
        const double v = -0.33 * std::exp(-k * double(f.dt));
        const double s = 1.0 - 0.33 / k * (1.0 - std::exp(-k * double(f.dt)));
        EXPECT_LE(z.v, 0.0f) << f.name;
        EXPECT_NEAR(z.v, v, 0.02 * 0.33) << f.name;
        EXPECT_NEAR(z.s, s, 0.05) << f.name;  // the Euler parts' own error: a few cm
        EXPECT_FLOAT_EQ(z.t, f.dt) << f.name;
    }
}

TEST(SchrittTest, StiffFrictionSettlesAtTheTerminalVelocity) {
    SimZustand z;
    z.s = 1.0f;
    z.Kraft = 1.0f;
    z.Masse = 2.0f;
    z.Reibung = 1000.0f;
    z.dt = 0.055f;
    for (int i = 0; i < 200; ++i) {
        Step(z);
        ASSERT_TRUE(std::isfinite(z.s)) << "step " << i;
        EXPECT_GE(z.v, -0.001f * 1.0001f) << "step " << i;  // never faster than F / R
        EXPECT_LE(z.v, 0.0f) << "step " << i;
    }
    EXPECT_NEAR(z.v, -0.001, 1e-6);
    EXPECT_NEAR(z.s, 1.0 - 0.001 * 200 * 0.055, 1e-3);
}

TEST(FuzzyReglerTest, FeedsCentimetresIntoTheInputsAndPullsTowardsTheMark) {
    Projekt p(LokFuz);
    ASSERT_TRUE(p.Regler().AllDefined());
    SimZustand z;
    z.s = 0.5f;
    z.v = -0.1f;
    Kraft(p.Regler(), z);
    EXPECT_EQ(p.A.Value, Single(double(0.5f) * 100.0));
    EXPECT_EQ(p.B.Value, Single(double(-0.1f) * 100.0));

    struct Fall {
        const char* name;
        float s, v;
        int vorzeichen;
    };
    const Fall faelle[] = {
        {"at rest on the mark", 0, 0, 0},
        {"at rest before the mark", 1.0f, 0, +1},
        {"at rest past the mark", -1.0f, 0, -1},
        {"rushing at the mark from close by", 0.02f, -0.5f, -1},
    };
    for (const Fall& f : faelle) {
        z.s = f.s;
        z.v = f.v;
        const float k = Kraft(p.Regler(), z);
        EXPECT_EQ((k > 1e-6f) - (k < -1e-6f), f.vorzeichen) << f.name << ": " << k;
    }
}

TEST(FuzzyReglerTest, IsNotUsableWithoutBothInputsAndTheOutput) {
    Projekt p(LokFuz);
    p.B.Defined = false;
    EXPECT_FALSE(p.Regler().AllDefined());
}

// A controller whose force is no finite number ends the run before that
// step: aborted, neither run out nor at rest, the state still a number.
float KeineZahl(float, float) { return std::numeric_limits<float>::quiet_NaN(); }
float Unendlich(float, float) { return -std::numeric_limits<float>::infinity(); }

class NichtEndlicheKraft : public testing::TestWithParam<fuzzy::Controller::CompiledStepFn> {};

TEST_P(NichtEndlicheKraft, BrichtDenLaufVorDemSchrittAb) {
    Projekt p(LokFuz);
    fuzzy::Controller regler = p.Regler();
    regler.CompiledStep = GetParam();
    const RunResult lauf = RunFuzzy(regler, RunOptions{});
    EXPECT_TRUE(lauf.Aborted);
    EXPECT_FALSE(lauf.RanOut);
    ASSERT_EQ(lauf.Track.size(), 1u);  // the start state only
    EXPECT_EQ(lauf.AbortedT, FirstStepSeconds);
    const RunFigures k = FiguresOf(lauf);
    EXPECT_TRUE(k.Aborted);
    EXPECT_TRUE(k.Finite);
    EXPECT_FALSE(RestingFrom(lauf, RestSCm, RestVCms).has_value());
}

INSTANTIATE_TEST_SUITE_P(Lauf, NichtEndlicheKraft, testing::Values(KeineZahl, Unendlich));

TEST(SimuliereTest, FirstStepIntegratesOverATenthOfASecondThenTheGivenStep) {
    Projekt p(LokFuz);
    RunOptions o;
    o.MaxTime = 1.0f;
    const RunResult lauf = RunFuzzy(p.Regler(), o);
    ASSERT_GE(lauf.Track.size(), 3u);
    EXPECT_EQ(lauf.Track[0].sCm, 100.0f);
    EXPECT_FLOAT_EQ(lauf.Track[1].t, 0.1f);
    EXPECT_FLOAT_EQ(lauf.Track[2].t, 0.155f);
    // The last step that ends within the time limit, and no further one.
    EXPECT_LE(lauf.Track.back().t, 1.0f);
    EXPECT_GT(lauf.Track.back().t + 0.055f, 1.0f);
    EXPECT_FALSE(lauf.RanOut);
    // The program's plot sees the same points.
    EXPECT_EQ(lauf.Punkte.Anzahl, lauf.Track.size() - 1);
    EXPECT_EQ(lauf.Punkte.Get(2).s, lauf.Track[2].sCm);
}

TEST(SimuliereTest, AControllerThatAlwaysPullsRunsThirtyCentimetresPastTheMarkAndStops) {
    Projekt p(SchiebenFuz);
    ASSERT_EQ(p.meldungen.Anzahl, 0);
    const RunResult lauf = RunFuzzy(p.Regler(), RunOptions{});
    EXPECT_TRUE(lauf.RanOut);
    EXPECT_LE(lauf.Track.back().sCm, -30.0f);
    EXPECT_GT(lauf.Track[lauf.Track.size() - 2].sCm, -30.0f);  // ends at the first step past it
    const RunFigures k = FiguresOf(lauf);
    EXPECT_TRUE(k.RanOut);
    EXPECT_GE(k.OvershootCm, 30.0f);
    EXPECT_EQ(k.SignChanges, 0);
    EXPECT_FALSE(RestingFrom(lauf, 1.0f, 0.5f).has_value());
}

// An output stretched to the float's limit: the force overflows, the state
// becomes no number and the run stops. That end is no verdict: neither "30 cm
// past the mark" nor at rest, for every mass of the lab.
TEST(SimuliereTest, AStateThatIsNoNumberNeitherRanOutNorCameToRest) {
    Projekt p(LokFuz);
    ASSERT_EQ(p.meldungen.Anzahl, 0);
    float groesste = std::fmax(std::fabs(p.Out.RangeMin), std::fabs(p.Out.RangeMax));
    for (int i = 1; i <= p.Out.UsedTerms(); ++i)
        for (int j = 1; j <= 4; ++j) groesste = std::fmax(groesste, std::fabs(p.Out.GetParam(i, j)));
    const float faktor = 1e38f / groesste;
    p.Out.RangeMin *= faktor;
    p.Out.RangeMax *= faktor;
    for (int i = 1; i <= p.Out.UsedTerms(); ++i)
        for (int j = 1; j <= 4; ++j) p.Out.SetParam(i, j, p.Out.GetParam(i, j) * faktor);
    for (const float masse : LabMasses()) {
        SCOPED_TRACE(masse);
        RunOptions o;
        o.Start.Masse = masse;
        const JudgedRun v = RunAndJudge(p.Regler(), o);
        // Either the force itself is no number (the run stops before that
        // step) or it is finite and the state overflows.
        ASSERT_TRUE(v.Run.Aborted || !std::isfinite(v.Run.Track.back().sCm));
        EXPECT_FALSE(v.Run.RanOut);
        EXPECT_FALSE(v.Figures.RanOut);
        EXPECT_TRUE(v.Figures.Aborted || !v.Figures.Finite);
        EXPECT_FALSE(v.AtRestFrom.has_value());
        EXPECT_FALSE(v.ExactFrom.has_value());
    }
}

// A recorded run that ends in no number, whatever its flag says, is no run out.
TEST(KennzahlenVonTest, AnEndThatIsNoNumberIsNeitherRunOutNorFinite) {
    RunResult lauf;
    lauf.Track = {{0.0f, 100.0f, 0.0f, 0.0f}, {0.1f, std::nanf(""), 0.0f, 1.0f}};
    lauf.RanOut = true;
    const RunFigures k = FiguresOf(lauf);
    EXPECT_FALSE(k.Finite);
    EXPECT_FALSE(k.RanOut);
}

TEST(KennzahlenVonTest, CountsSignChangesOfTheForceSkippingZerosAndFindsTheRestTime) {
    RunResult lauf;
    const TrackPoint punkte[] = {
        {0.0f, 100.0f, 0.0f, 0.0f}, {1.0f, 50.0f, -20.0f, 1.0f}, {2.0f, 0.5f, -1.0f, 0.0f}, {3.0f, -0.8f, 0.2f, -0.5f},
        {4.0f, 2.0f, 0.1f, 0.3f},   {5.0f, 0.4f, 0.1f, 0.2f},    {6.0f, 0.2f, 0.0f, 0.0f},
    };
    lauf.Track.assign(std::begin(punkte), std::end(punkte));
    const RunFigures k = FiguresOf(lauf);
    EXPECT_EQ(k.SignChanges, 2);  // + (0) - + +
    EXPECT_FLOAT_EQ(k.OvershootCm, 0.8f);
    EXPECT_TRUE(k.BandReached);
    EXPECT_EQ(k.Steps, 6);
    EXPECT_FLOAT_EQ(k.EndSCm, 0.2f);
    EXPECT_FLOAT_EQ(RestingFrom(lauf, 1.0f, 0.5f).value_or(-1), 5.0f);  // t = 4 is 2 cm away
    EXPECT_FLOAT_EQ(RestingFrom(lauf, 0.3f, 0.5f).value_or(-1), 6.0f);
    lauf.Track.push_back({7.0f, 0.0f, 3.0f, 0.0f});
    EXPECT_FALSE(RestingFrom(lauf, 1.0f, 0.5f).has_value());  // moving again at the end
}

// The quality the shipped controller promises, judged by the same run and
// figures as `fuzzysim loco`: from 100 cm with friction 3, at rest within
// 0.5 cm and 0.5 cm/s up to the end of the run by the given time, at both
// paces of the program (its steps take a little over 50 ms, the first 0.1 s).
namespace {

struct LokZiel {
    float masse;
    float dt;
    float ruheSpaetestens;  // s
};
const LokZiel LokZiele[] = {
    {1.0f, 0.055f, 4.5f}, {1.0f, 0.1f, 4.5f},   {2.0f, 0.055f, 3.5f},
    {2.0f, 0.1f, 3.5f},   {4.0f, 0.055f, 4.5f}, {4.0f, 0.1f, 4.5f},
};
constexpr float LokUeberschwingenHoechstens = 0.5f;  // cm past the mark

RunResult LokLauf(Projekt& p, const LokZiel& ziel) {
    RunOptions o;
    o.Start.Masse = ziel.masse;
    o.Dt = ziel.dt;
    return RunFuzzy(p.Regler(), o);
}

}  // namespace

TEST(LokFuzTest, ComesToRestAtTheMarkInTimeForEveryMassAndPace) {
    Projekt p(LokFuz);
    ASSERT_EQ(p.meldungen.Anzahl, 0);
    for (const LokZiel& z : LokZiele) {
        SCOPED_TRACE(testing::Message() << z.masse << " kg, dt " << z.dt);
        const RunResult lauf = LokLauf(p, z);
        const RunFigures k = FiguresOf(lauf);
        EXPECT_FALSE(k.RanOut);
        EXPECT_TRUE(k.BandReached);
        const auto ruhe = RestingFrom(lauf, 0.5f, 0.5f);
        ASSERT_TRUE(ruhe.has_value());
        EXPECT_LE(*ruhe, z.ruheSpaetestens);
    }
}

TEST(LokFuzTest, NeverRunsMoreThanHalfACentimetrePastTheMark) {
    Projekt p(LokFuz);
    for (const LokZiel& z : LokZiele) {
        const RunFigures k = FiguresOf(LokLauf(p, z));
        EXPECT_LE(k.OvershootCm, LokUeberschwingenHoechstens) << z.masse << " kg, dt " << z.dt;
    }
}

TEST(LokFuzTest, DrivesWithinTheOutputRangeOfPlusMinusTwoAndAHalfNewton) {
    Projekt p(LokFuz);
    EXPECT_EQ(p.Out.RangeMin, -2.5f);
    EXPECT_EQ(p.Out.RangeMax, 2.5f);
    for (const LokZiel& z : LokZiele) {
        float kleinste = 0.0f, groesste = 0.0f;
        for (const TrackPoint& pkt : LokLauf(p, z).Track) {
            kleinste = std::min(kleinste, pkt.Kraft);
            groesste = std::max(groesste, pkt.Kraft);
        }
        EXPECT_GE(kleinste, p.Out.RangeMin) << z.masse << " kg, dt " << z.dt;
        EXPECT_LE(groesste, p.Out.RangeMax) << z.masse << " kg, dt " << z.dt;
    }
}

TEST(LocoOptionsTest, ReadsTheOptionsAndRefusesValuesTheModelCannotRunWith) {
    const auto optionen = [](std::vector<std::string> args) {
        args.insert(args.begin(), "datei.fuz");
        return fuzzysim::LocoOptions(fuzzysim::Args(
            args, {"--csv"}, {"--dt", "--first-dt", "--mass", "--friction", "--distance", "--time", "--svg"}));
    };
    const RunOptions d = optionen({});
    EXPECT_EQ(d.Start.Masse, 2.0f);
    EXPECT_EQ(d.Start.Reibung, 3.0f);
    EXPECT_EQ(d.Start.AbstandCm, 100.0f);
    EXPECT_EQ(d.Dt, 0.055f);
    EXPECT_EQ(d.FirstDt, 0.1f);
    EXPECT_EQ(d.MaxTime, 60.0f);
    const RunOptions o = optionen({"--mass", "4", "--dt=0.1", "--distance", "50", "--friction", "0"});
    EXPECT_EQ(o.Start.Masse, 4.0f);
    EXPECT_EQ(o.Dt, 0.1f);
    EXPECT_EQ(o.Start.AbstandCm, 50.0f);
    EXPECT_EQ(o.Start.Reibung, 0.0f);

    struct Fall {
        const char* name;
        std::vector<std::string> args;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"mass 0", {"--mass", "0"}, "Die Masse muss größer als 0 sein."},
        {"distance 0", {"--distance", "0"}, "Der Abstand darf nicht 0 sein."},
        {"distance 0 in metres", {"--distance", "1e-45"}, "Der Abstand darf nicht 0 sein."},
        {"step 0", {"--dt", "0"}, "Der Wert von --dt muss größer als 0 sein."},
        {"negative time", {"--time", "-1"}, "Der Wert von --time muss größer als 0 sein."},
        {"too many steps", {"--dt", "0.00001", "--time", "60"}, "Zu viele Schritte"},
    };
    for (const Fall& f : faelle) {
        try {
            optionen(f.args);
            ADD_FAILURE() << f.name << ": accepted";
        } catch (const fuzzysim::UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(f.meldung), std::string::npos) << f.name << ": " << e.what();
        }
    }
}

TEST(LocoOutputTest, SummaryCsvAndSvgDescribeTheSameRun) {
    Projekt p(LokFuz);
    RunOptions o;
    o.MaxTime = 20.0f;
    const RunResult lauf = RunFuzzy(p.Regler(), o);
    std::ostringstream summary, csv, svg;
    fuzzysim::PrintLocoSummary(o, lauf, summary);
    fuzzysim::WriteLocoCsv(lauf, csv);
    fuzzysim::WriteLocoSvg(lauf, svg);
    const std::string s = summary.str();
    EXPECT_NE(s.find("Zeitgrenze erreicht"), std::string::npos) << s;
    EXPECT_NE(s.find("Zielband:        erreicht"), std::string::npos) << s;
    EXPECT_EQ(s.find("in Ruhe ab:      nie"), std::string::npos) << s;
    std::istringstream zeilen(csv.str());
    std::string zeile;
    int n = 0;
    std::getline(zeilen, zeile);
    EXPECT_EQ(zeile, "t_s,s_cm,v_cms,kraft_N,eingang_a,eingang_b,ausgang");
    while (std::getline(zeilen, zeile)) ++n;
    EXPECT_EQ(n, static_cast<int>(lauf.Track.size()));
    const std::string bild = svg.str();
    EXPECT_EQ(bild.rfind("<svg", 0), 0u);
    std::size_t linien = 0;
    for (std::size_t pos = 0; (pos = bild.find("<polyline", pos)) != std::string::npos; ++pos) ++linien;
    EXPECT_EQ(linien, 2u);
}
