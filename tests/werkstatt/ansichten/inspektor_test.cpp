// The inspector: its numbers, its controls and what its rule grid marks.
#include "werkstatt/ansichten/Inspektor.h"

#include "tests/werkstatt/ansichten/AnsichtenTest.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "fuzzy/Hints.h"
#include "werkstatt/ansichten/InspektorSzene.h"
#include "werkstatt/ansichten/PainterPlot.h"

#include "widgets/Zahlformat.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

using ansichtentest::Engine;
using ansichtentest::Laden;
using fuzzy::Project;

void Setzen(ansichten::Inspektor& i, const fuzzy::Project& p) { i.setProjekt(p); }

TEST(Inspektor, WorkedExampleShowsTheOutputWithNineDigits) {
    const fuzzy::Project p = Laden("beispiel.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    i.setEingaben(-2.5f, 0.0f);
    EXPECT_EQ(i.ausgang(), Engine(p, -2.5f, 0.0f));
    EXPECT_TRUE(i.ausgangAnzeige()->text().endsWith(QStringLiteral("= 0,611111104")))
        << qPrintable(i.ausgangAnzeige()->text());
}

// The crisp output as the inspector writes it, on screen (nachkomma < 0)
// and at a sheet's decimals: a centroid that is zero up to rounding reads 0,
// never −7,66345321e−10 nor −0,00; any other value is the engine's.
struct AusgangsFall {
    const char* name;
    const char* datei;
    float a, b;
    int nachkomma;
    const char* text;
};

class AusgangsText : public testing::TestWithParam<AusgangsFall> {};

TEST_P(AusgangsText, ZeroUpToRoundingReadsZero) {
    const AusgangsFall& f = GetParam();
    const fuzzy::Project p = Laden(f.datei);
    const float engine = Engine(p, f.a, f.b);
    EXPECT_EQ(ansichten::Rechenwert(engine, p.Out, f.nachkomma), QString::fromUtf8(f.text)) << engine;
    if (f.nachkomma >= 0) return;
    ansichten::Inspektor i;
    Setzen(i, p);
    i.setEingaben(f.a, f.b);
    EXPECT_EQ(i.ausgang(), engine);
    EXPECT_TRUE(i.ausgangAnzeige()->text().endsWith(QStringLiteral("= ") + QString::fromUtf8(f.text)))
        << qPrintable(i.ausgangAnzeige()->text());
}

INSTANTIATE_TEST_SUITE_P(Inspektor, AusgangsText,
                         testing::Values(AusgangsFall{"LokBeiNullBildschirm", "lok.fuz", 60.0f, -70.0f, -1, "0"},
                                         AusgangsFall{"LokBeiNullBlatt", "lok.fuz", 60.0f, -70.0f, 2, "0,00"},
                                         AusgangsFall{"LokBremstBlatt", "lok.fuz", 5.0f, -40.0f, 2, "−2,40"},
                                         AusgangsFall{"TruckNeunStellen", "truck.fuz", -0.5f, 3.0f, -1, "−9,23076916"}),
                         [](const testing::TestParamInfo<AusgangsFall>& i) { return std::string(i.param.name); });

TEST(Inspektor, OutputDiagramKeepsTheProjectsHeights) {
    // Inference overwrites the output's heights; the inspector must draw the
    // project's own terms from an untouched copy, again and again.
    const fuzzy::Project p = Laden("beispiel.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    for (float a : {-2.5f, 7.0f, -9.0f}) {
        i.setEingaben(a, 0.0f);
        for (int k = 1; k <= p.Out.TermCount; ++k)
            EXPECT_EQ(i.szene().projekt.Out.GetParam(k, fuzzy::ParamH), p.Out.GetParam(k, fuzzy::ParamH));
        EXPECT_EQ(i.ausgang(), Engine(p, a, 0.0f));
    }
}

TEST(Inspektor, ResultAgreesWithEngineOverTheTruckProject) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    for (auto [a, b] : {std::pair{-20.0f, -90.0f}, {5.0f, 90.0f}, {-3.3f, 12.5f}, {0.0f, 0.0f}}) {
        i.setEingaben(a, b);
        EXPECT_EQ(i.ausgang(), Engine(p, a, b)) << a << ", " << b;
    }
}

TEST(Inspektor, SliderMovesTheInputAndReportsIt) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    QSignalSpy spy(&i, &ansichten::Inspektor::eingabenGeaendert);
    i.schieberA()->setValue(0);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.last().at(0).toFloat(), p.A.RangeMin);
    EXPECT_EQ(i.eingabeA(), p.A.RangeMin);
    i.schieberB()->setValue(ansichten::Inspektor::SchieberSchritte);
    EXPECT_EQ(i.eingabeB(), p.B.RangeMax);
    EXPECT_EQ(spy.last().at(1).toFloat(), p.B.RangeMax);
    EXPECT_EQ(i.ausgang(), Engine(p, p.A.RangeMin, p.B.RangeMax));
    // The number field shows the value exactly.
    EXPECT_EQ(i.feldB()->text(), QStringLiteral("90"));
}

TEST(Inspektor, NumberFieldTakesCommaAndSetsTheInput) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    QLineEdit* zeile = i.feldA()->findChild<QLineEdit*>();
    ASSERT_NE(zeile, nullptr);
    zeile->setText(QStringLiteral("-2,25"));
    i.feldA()->interpretText();
    EXPECT_EQ(i.eingabeA(), -2.25f);
}

TEST(Inspektor, InputsOutsideTheRangeAreLimitedToIt) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    i.setEingaben(1000.0f, -1000.0f);
    EXPECT_EQ(i.eingabeA(), p.A.RangeMax);
    EXPECT_EQ(i.eingabeB(), p.B.RangeMin);
    EXPECT_EQ(i.schieberA()->value(), ansichten::Inspektor::SchieberSchritte);
    EXPECT_EQ(i.schieberB()->value(), 0);
}

TEST(Inspektor, OneInputProjectHidesInputB) {
    const fuzzy::Project p = Laden("beispiel.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    i.show();
    EXPECT_TRUE(i.nichtVerwendet()->isVisible());
    EXPECT_FALSE(i.schieberB()->isVisible());
    const fuzzy::Project t = Laden("truck.fuz");
    Setzen(i, t);
    EXPECT_FALSE(i.nichtVerwendet()->isVisible());
    EXPECT_TRUE(i.schieberB()->isVisible());
}

TEST(Inspektor, SettingTheSameProjectAgainKeepsTheInputs) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    i.setEingaben(-4.0f, 30.0f);
    QSignalSpy spy(&i, &ansichten::Inspektor::eingabenGeaendert);
    Setzen(i, p);
    EXPECT_EQ(i.eingabeA(), -4.0f);
    EXPECT_EQ(i.eingabeB(), 30.0f);
    EXPECT_EQ(spy.count(), 0);
}

TEST(Inspektor, ClickOrDragInADiagramMovesThatInput) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    i.resize(1000, 760);
    i.show();
    Setzen(i, p);
    i.setEingaben(0.0f, 0.0f);
    const ansichten::InspektorAufteilung a = ansichten::Aufteilen(i.szenengroesse());
    QImage leer(i.szenengroesse(), QImage::Format_RGB32);
    QPainter maler(&leer);
    auto punkt = [&](const QRect& teil, const fuzzy::TFuzzy& v, float x) {
        ansichten::PainterPlot plot(maler, ansichten::Diagrammbereich(teil));
        plot.setX1(v.RangeMin);
        plot.setX2(v.RangeMax);
        plot.setY1(0.0f);
        plot.setY2(1.0f);
        return plot.Punkt(x, 0.5f);
    };
    QSignalSpy spy(&i, &ansichten::Inspektor::eingabenGeaendert);
    QTest::mouseClick(i.bild(), Qt::LeftButton, Qt::NoModifier, punkt(a.eingangA, p.A, -12.0f));
    EXPECT_NEAR(i.eingabeA(), -12.0, 0.2);
    EXPECT_EQ(i.eingabeB(), 0.0f);
    QTest::mouseClick(i.bild(), Qt::LeftButton, Qt::NoModifier, punkt(a.eingangB, p.B, 45.0f));
    EXPECT_NEAR(i.eingabeB(), 45.0, 1.0);
    EXPECT_NEAR(i.eingabeA(), -12.0, 0.2);
    EXPECT_EQ(spy.count(), 2);
    // A click on the rule grid moves nothing.
    QTest::mouseClick(i.bild(), Qt::LeftButton, Qt::NoModifier, a.regeln.center());
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(i.ausgang(), Engine(p, i.eingabeA(), i.eingabeB()));
}

TEST(Inspektor, RuleInWordsNamesTheTermsOfItsRowAndColumn) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    i.setEingaben(-3.0f, 20.0f);
    const QSize g(1000, 640);
    // Row 4 is B's fourth term, column 2 A's second; the rule drives the
    // output term the table names there.
    const auto zelle = ansichten::ZelleUnter(g, ansichten::RegelZelle(ansichten::Aufteilen(g).regeln, 4, 2).center());
    ASSERT_EQ(zelle, (std::array<int, 2>{4, 2}));
    const QString t = ansichten::RegelText(i.szene(), 4, 2);
    const QString erwartet =
        QStringLiteral("WENN %1 ist %2 UND %3 ist %4, DANN %5 ist %6 (Feuerst\u00E4rke %7)")
            .arg(QString::fromStdString(p.A.Name), QString::fromStdString(p.A.GetTermName(2)),
                 QString::fromStdString(p.B.Name), QString::fromStdString(p.B.GetTermName(4)),
                 QString::fromStdString(p.Out.Name), QString::fromStdString(p.Out.GetTermName(p.Rules.Get(4, 2))),
                 zahl::Text(i.auswertung().Strength[3][1], zahl::Art::Zugehoerigkeit));
    EXPECT_EQ(t, erwartet);
    EXPECT_EQ(ansichten::ZelleUnter(g, QPoint(2, 2)), (std::array<int, 2>{0, 0}));
    const fuzzy::Project e = Laden("beispiel.fuz");
    Setzen(i, e);
    EXPECT_TRUE(ansichten::RegelText(i.szene(), 2, 1).isEmpty());  // one input: row 1 only
    EXPECT_TRUE(ansichten::RegelText(i.szene(), 1, 1).startsWith(QStringLiteral("WENN Fehler ist negativ, DANN")));
}

// --- the rule grid as painted ------------------------------------------------

QImage Szene(const ansichten::Inspektor& i, QSize g) {
    QImage bild(g, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    i.malen(p, g);
    return bild;
}

int Dunkle(const QImage& bild, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += qGray(bild.pixel(x, y)) < 60;
    return n;
}

TEST(Inspektor, GridShadesEachCellByFiringStrengthAndFramesTheDecidingOnes) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    i.setEingaben(-3.0f, 20.0f);
    const fuzzy::StepBreakdown& e = i.auswertung();
    const QSize g(1000, 640);
    const QImage bild = Szene(i, g);
    const QRect bereich = ansichten::Aufteilen(g).regeln;

    int markiert = 0;
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const QRect z = ansichten::RegelZelle(bereich, r, c);
            // The corner just inside the grid line carries the shade.
            const QColor soll = ansichten::Schattierung(e.Strength[r - 1][c - 1]);
            bool rahmen = false;
            for (int k = 0; k < p.Out.TermCount; ++k) rahmen |= e.Decisive[k] == std::array<int, 2>{r, c};
            const QRect innen = z.adjusted(6, 6, -6, -6);
            EXPECT_EQ(QColor(bild.pixel(innen.topLeft())), soll) << "cell " << r << ", " << c;
            // A bold frame: its left edge is a dark band several pixels long.
            const int kante = Dunkle(bild, QRect(z.left() + 1, z.top() + 5, 3, z.height() - 10));
            EXPECT_EQ(kante > z.height(), rahmen) << "cell " << r << ", " << c;
            markiert += rahmen;
        }
    }
    int aktiv = 0;
    for (int k = 0; k < p.Out.TermCount; ++k) aktiv += e.Activation[k] > 0.0f;
    EXPECT_EQ(markiert, aktiv);
    EXPECT_GT(aktiv, 0);
}

}  // namespace

// --- a step in which no rule fires -----------------------------------------------------

namespace {

struct SatzFall {
    const char* name;
    fuzzy::Project (*projekt)();
    float a, b;
    bool keineRegel;
};

class InspektorOhneRegel : public testing::TestWithParam<SatzFall> {};

TEST_P(InspektorOhneRegel, SaysInTheHintsWordsThatTheOutputFellToTheRangeStart) {
    const SatzFall& f = GetParam();
    const fuzzy::Project p = f.projekt();
    ansichten::Inspektor i;
    Setzen(i, p);
    i.setEingaben(f.a, f.b);
    EXPECT_EQ(i.keineRegelAnzeige()->isHidden(), !f.keineRegel);
    if (f.keineRegel) {
        EXPECT_EQ(i.ausgang(), p.Out.RangeMin);
        EXPECT_EQ(i.keineRegelAnzeige()->text(), QString::fromStdString(fuzzy::NoRuleAtText(p, f.a, f.b)));
        EXPECT_EQ(ansichten::KeineRegelSatz(i.szene()), i.keineRegelAnzeige()->text());
    } else {
        EXPECT_TRUE(ansichten::KeineRegelSatz(i.szene()).isEmpty());
    }
}

fuzzy::Project Beispiel() { return Laden("beispiel.fuz"); }

INSTANTIATE_TEST_SUITE_P(
    Inspektor, InspektorOhneRegel,
    testing::Values(SatzFall{"OldLokAtHundredCentimetres", ansichtentest::LokMitToterStelle, 100.0f, 0.0f, true},
                    SatzFall{"OldLokJustBeforeIt", ansichtentest::LokMitToterStelle, 99.5f, 0.0f, false},
                    SatzFall{"OneInputWhereTheTermsMeetAtTheirFeet", Beispiel, 0.0f, 0.0f, true},
                    SatzFall{"HoleFreeTemplateAtItsEnd", ansichtentest::LokOhneLuecke, 100.0f, 100.0f, false}),
    [](const testing::TestParamInfo<SatzFall>& i) { return std::string(i.param.name); });

TEST(Inspektor, SentenceLeavesWithTheNextStepInWhichARuleFires) {
    ansichten::Inspektor i;
    Setzen(i, ansichtentest::LokMitToterStelle());
    i.setEingaben(100.0f, 0.0f);
    ASSERT_FALSE(i.keineRegelAnzeige()->isHidden());
    i.setEingaben(20.0f, 0.0f);
    EXPECT_TRUE(i.keineRegelAnzeige()->isHidden());
}

}  // namespace

// --- a step of a run ("Warum?" in the labs) --------------------------------------

namespace {

bool Bitgleich(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

struct SchrittFall {
    const char* name;
    const char* datei;
    float a, b;
    bool jenseits;  // beyond a range, where the limited input gives another output
};

class InspektorSchritt : public ::testing::TestWithParam<SchrittFall> {};

float Begrenzt(float x, const fuzzy::TFuzzy& v) {
    return std::clamp(x, std::min(v.RangeMin, v.RangeMax), std::max(v.RangeMin, v.RangeMax));
}

// A run can carry its inputs beyond the ranges (a truck off the road, a
// locomotive faster than its range): the step is shown with the run's
// inputs, not limited, or its output would not be the one the run applied.
TEST_P(InspektorSchritt, ShowsTheRunsInputsUnlimitedAndTheirOutputBitForBit) {
    const SchrittFall& f = GetParam();
    const fuzzy::Project p = Laden(f.datei);
    if (f.jenseits) {
        const float begrenzt = Engine(p, Begrenzt(f.a, p.A), p.B.Defined ? Begrenzt(f.b, p.B) : f.b);
        ASSERT_FALSE(Bitgleich(begrenzt, Engine(p, f.a, f.b))) << "the case must tell limited inputs apart";
    }
    ansichten::Inspektor i;
    Setzen(i, p);
    ansichten::Laufschritt s;
    s.Herkunft = QStringLiteral("Truck-Labor, Schritt 3 von 9");
    s.A = f.a;
    s.B = f.b;
    s.Angewandt = Engine(p, f.a, f.b);
    QSignalSpy gemeldet(&i, &ansichten::Inspektor::eingabenGeaendert);
    i.zeigeSchritt(s);
    EXPECT_TRUE(Bitgleich(i.eingabeA(), f.a));
    EXPECT_TRUE(Bitgleich(i.ausgang(), s.Angewandt)) << i.ausgang() << " vs " << s.Angewandt;
    ASSERT_EQ(gemeldet.count(), 1) << "the diagrams' marks follow the step";
    EXPECT_TRUE(i.schrittAnzeige()->isVisibleTo(&i));
    EXPECT_TRUE(i.schrittAnzeige()->text().contains(QStringLiteral("Schritt 3 von 9")));
    EXPECT_TRUE(i.schrittAnzeige()->text().contains(QStringLiteral("genau den Wert")))
        << qPrintable(i.schrittAnzeige()->text());
}

INSTANTIATE_TEST_SUITE_P(Beispiele, InspektorSchritt,
                         ::testing::Values(SchrittFall{"inside", "truck.fuz", -3.25f, 12.5f, false},
                                           SchrittFall{"belowTheRange", "beispiel.fuz", -10.5f, 0.0f, true},
                                           SchrittFall{"farBelowTheRange", "beispiel.fuz", -1000.0f, 0.0f, true},
                                           SchrittFall{"beyondBothShoulders", "truck.fuz", 7.5f, -135.0f, false}),
                         [](const auto& fall) { return std::string(fall.param.name); });

// A step beyond a range: its number field shows the run's own input, not
// the range's end, and the line says how far beyond it lies.
struct JenseitsFall {
    const char* name;
    const char* datei;
    float a, b;
    char eingang;         // 'A' or 'B': the input beyond its range
    const char* abstand;  // how far beyond, as the line prints it
};

class InspektorJenseits : public ::testing::TestWithParam<JenseitsFall> {};

TEST_P(InspektorJenseits, TheFieldShowsTheStepsOwnInputAndTheLineSaysHowFarBeyond) {
    const JenseitsFall& f = GetParam();
    const fuzzy::Project p = Laden(f.datei);
    ansichten::Inspektor i;
    Setzen(i, p);
    ansichten::Laufschritt s;
    s.Herkunft = QStringLiteral("Lok-Labor, Schritt 11");
    s.A = f.a;
    s.B = f.b;
    s.Angewandt = Engine(p, f.a, f.b);
    i.zeigeSchritt(s);
    const float soll = f.eingang == 'A' ? f.a : f.b;
    const ansichten::ZahlFeld* feld = f.eingang == 'A' ? i.feldA() : i.feldB();
    EXPECT_FLOAT_EQ(static_cast<float>(feld->value()), soll) << "the box shows the range's end";
    EXPECT_TRUE(i.schrittAnzeige()->text().contains(QString::fromUtf8(f.abstand)))
        << qPrintable(i.schrittAnzeige()->text());
    // Moved by hand, the input is the user's again: inside the range.
    i.schieberA()->setValue(i.schieberA()->value() == 0 ? 1 : i.schieberA()->value() - 1);
    EXPECT_LE(i.feldA()->maximum(), std::max(p.A.RangeMin, p.A.RangeMax));
    EXPECT_GE(i.feldA()->minimum(), std::min(p.A.RangeMin, p.A.RangeMax));
}

INSTANTIATE_TEST_SUITE_P(Beispiele, InspektorJenseits,
                         ::testing::Values(JenseitsFall{"AboveTheRangeOfA", "lok.fuz", 73.5f, 0.0f, 'A', "43,5"},
                                           JenseitsFall{"BelowTheRangeOfA", "beispiel.fuz", -10.5f, 0.0f, 'A', "0,5"},
                                           JenseitsFall{"BelowTheRangeOfB", "lok.fuz", 10.0f, -95.0f, 'B', "15"}),
                         [](const auto& fall) { return std::string(fall.param.name); });

// --- the picture at a sheet's size ------------------------------------------------------

// A paint device that keeps every text drawn on it with where it went.
class TextSammler : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF wo;
        double breite;  // as drawn, in the device's pixels
    };
    explicit TextSammler(QSize g) : groesse_(g), engine_(*this) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<Text> texte;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return groesse_.width();
        case PdmHeight: return groesse_.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 72;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default: return QPaintDevice::metric(m);
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextSammler& s) : QPaintEngine(AllFeatures), s_(s) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        // Shapes are not collected; the defaults call one another without end.
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& t) override {
            const double w = QFontMetricsF(t.font()).horizontalAdvance(t.text()) * painter()->transform().m11();
            s_.texte.push_back({t.text(), painter()->transform().map(p), w});
        }
        Type type() const override { return User; }

    private:
        TextSammler& s_;
    };
    QSize groesse_;
    mutable Engine engine_;
};

struct BildFall {
    const char* name;
    QSize groesse;  // the sheet's picture, the narrow inspector beside a lab
    const char* datei = "heizung.fuz";
    std::vector<std::array<int, 3>> regeln = {};  // row, column, output term: set over the file's
};

class InspektorBildText : public ::testing::TestWithParam<BildFall> {
protected:
    void SetUp() override {
        szene_.projekt = Laden(GetParam().datei);
        for (const auto& [r, c, k] : GetParam().regeln) szene_.projekt.Rules.Set(r, c, k);
        szene_.auswertung = fuzzy::BreakDownStep(szene_.projekt, 2.0f, -0.5f);
        sammler_ = std::make_unique<TextSammler>(GetParam().groesse);
        QPainter p(sammler_.get());
        ansichten::MaleInspektor(p, GetParam().groesse, szene_);
    }
    ansichten::InspektorSzene szene_;
    std::unique_ptr<TextSammler> sammler_;
};

// Nothing is cut off: no heading, name or legend ends in "…".
TEST_P(InspektorBildText, NoHeadingOrLegendIsCutOff) {
    ASSERT_FALSE(sammler_->texte.empty());
    for (const auto& t : sammler_->texte) EXPECT_FALSE(t.text.contains(QChar(0x2026))) << qPrintable(t.text);
    const QString ende = QStringLiteral("die Höhe setzt");
    EXPECT_TRUE(std::any_of(sammler_->texte.begin(), sammler_->texte.end(), [&](const auto& t) {
        return t.text.endsWith(ende);
    })) << "the legend in full";
}

// Every firing rule cell prints its strength: the shade alone is lost in a
// grey print.
TEST_P(InspektorBildText, EveryFiringCellPrintsItsStrength) {
    const fuzzy::StepBreakdown& e = szene_.auswertung;
    int feuernd = 0;
    std::set<std::pair<int, int>> gedruckt;
    for (int r = 1; r <= szene_.projekt.B.UsedTerms(); ++r)
        for (int c = 1; c <= szene_.projekt.A.UsedTerms(); ++c) {
            const float w = e.Strength[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            if (w <= 0.0f) continue;
            ++feuernd;
            for (const auto& t : sammler_->texte) {
                const auto z = ansichten::ZelleUnter(GetParam().groesse, (t.wo + QPointF(1, -2)).toPoint());
                if (z[0] == r && z[1] == c && t.text == zahl::Text(w, zahl::Art::Zugehoerigkeit))
                    gedruckt.insert({r, c});
            }
        }
    ASSERT_GE(feuernd, 2) << "the case must fire several rules";
    EXPECT_EQ(static_cast<int>(gedruckt.size()), feuernd);
}

// Every firing cell sets its term and strength alike (one shorter term's
// cell side by side while the others stack their figures small reads as
// two kinds of cell): the strength lies at the same height to its term.
TEST_P(InspektorBildText, EveryFiringCellIsSetAlike) {
    std::map<std::pair<int, int>, std::pair<double, double>> zellen;  // cell: term's and strength's baseline
    for (const auto& t : sammler_->texte) {
        const auto z = ansichten::ZelleUnter(GetParam().groesse, (t.wo + QPointF(1, -2)).toPoint());
        if (z[0] < 1 || z[1] < 1) continue;
        const float w =
            szene_.auswertung.Strength[static_cast<std::size_t>(z[0] - 1)][static_cast<std::size_t>(z[1] - 1)];
        if (w <= 0.0f) continue;
        auto& [term, staerke] = zellen[{z[0], z[1]}];
        (t.text == zahl::Text(w, zahl::Art::Zugehoerigkeit) ? staerke : term) = t.wo.y();
    }
    ASSERT_GE(zellen.size(), 3u);
    std::vector<double> abstand;
    for (const auto& [zelle, y] : zellen) abstand.push_back(y.second - y.first);
    const auto [lo, hi] = std::minmax_element(abstand.begin(), abstand.end());
    EXPECT_LE(*hi - *lo, 1.0) << "strength " << *lo << " to " << *hi << " px below its term";
}

INSTANTIATE_TEST_SUITE_P(
    Groessen, InspektorBildText,
    ::testing::Values(
        BildFall{"OnASheet", QSize(510, 316)}, BildFall{"BesideALab", QSize(440, 300)},
        // Exercise 01's rules: "full" fits beside its strength, "off" and "medium" do not.
        BildFall{"OnAnEnglishSheet", QSize(678, 420), "en/heizung.fuz", {{1, 2, 3}, {1, 3, 1}, {2, 2, 2}, {2, 3, 1}}}),
    [](const auto& fall) { return std::string(fall.param.name); });

// The lines of degrees and heights under the diagrams ("HD 0,00 AD 0,00 …")
// keep their entries apart however narrow the picture: on one line, no text
// runs into the next.
TEST(InspektorBildEnge, NoTwoTextsOnALineOverlap) {
    ansichten::InspektorSzene szene;
    szene.projekt = Laden("lok.fuz");
    szene.auswertung = fuzzy::BreakDownStep(szene.projekt, 44.97f, -52.1f);
    for (const QSize g : {QSize(510, 316), QSize(440, 300), QSize(360, 280)}) {
        TextSammler sammler(g);
        {
            QPainter p(&sammler);
            ansichten::MaleInspektor(p, g, szene);
        }
        auto texte = sammler.texte;
        std::sort(texte.begin(), texte.end(), [](const auto& a, const auto& b) {
            return a.wo.y() != b.wo.y() ? a.wo.y() < b.wo.y() : a.wo.x() < b.wo.x();
        });
        // A line of degrees: the heading and two texts a term, at least seven
        // on one baseline (an axis has three to five labels).
        std::map<double, int> aufZeile;
        for (const auto& t : texte) ++aufZeile[t.wo.y()];
        for (std::size_t i = 1; i < texte.size(); ++i) {
            if (texte[i].wo.y() != texte[i - 1].wo.y() || aufZeile[texte[i].wo.y()] < 7) continue;
            EXPECT_GE(texte[i].wo.x(), texte[i - 1].wo.x() + texte[i - 1].breite - 0.5)
                << g.width() << " px: \"" << qPrintable(texte[i - 1].text) << "\" runs into \""
                << qPrintable(texte[i].text) << "\"";
        }
    }
}

TEST(InspektorLaufschritt, AnOutputOtherThanTheAppliedOneIsSaidToDiffer) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    ansichten::Laufschritt s;
    s.Herkunft = QStringLiteral("Truck-Labor");
    s.A = -3.0f;
    s.B = 10.0f;
    // Not the engine's value: one unit in the last place away.
    s.Angewandt = std::nextafter(Engine(p, s.A, s.B), 1000.0f);
    i.zeigeSchritt(s);
    EXPECT_TRUE(i.schrittAnzeige()->text().contains(QStringLiteral("anderer Wert")))
        << qPrintable(i.schrittAnzeige()->text());
}

TEST(InspektorLaufschritt, MovingAnInputOrANewProjectLeavesTheStep) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor i;
    Setzen(i, p);
    ansichten::Laufschritt s;
    s.A = -25.0f;
    s.B = 0.0f;
    s.Angewandt = Engine(p, s.A, s.B);
    i.zeigeSchritt(s);
    ASSERT_TRUE(i.schritt().has_value());
    i.schieberB()->setValue(i.schieberB()->value() + 10);
    EXPECT_FALSE(i.schritt().has_value()) << "a slider moved: the inputs are the user's, not the run's";
    EXPECT_FALSE(i.schrittAnzeige()->isVisibleTo(&i));
    i.zeigeSchritt(s);
    Setzen(i, p);
    EXPECT_FALSE(i.schritt().has_value()) << "an edit: the run belonged to the project before it";
    EXPECT_GE(i.eingabeA(), p.A.RangeMin) << "back inside the range";
}

}  // namespace
