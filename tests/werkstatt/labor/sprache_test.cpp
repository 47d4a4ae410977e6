// The labs and the tuning dialog in English: every text of the pages
// translated (figures, tables, comparison, status and error lines), their
// pictures' labels English and still apart, and the labs' numbers with a
// decimal point; the German edition is what the other tests check.

#include "tests/werkstatt/ansichten/SvgSprache.h"
#include "werkstatt/labor/BahnenBild.h"
#include "werkstatt/ansichten/Bildexport.h"
#include "tests/werkstatt/labor/LaborTest.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/RegelnVerbessern.h"
#include "werkstatt/labor/SchrittWahl.h"
#include "tests/support/Zugaenglich.h"
#include "tests/support/SichtbareTexte.h"
#include "werkstatt/labor/TruckLabor.h"
#include "werkstatt/labor/Zahl.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <functional>
#include <memory>

namespace {

using labortest::Beispiel;
using testsupport::SpracheFuer;

const QStringList Kataloge{QStringLiteral("gemeinsam"), QStringLiteral("werkstatt"), QStringLiteral("labor")};

std::string Liste(const QStringList& l) { return l.join(QLatin1Char('\n')).toStdString(); }
std::string Liste(const std::vector<QString>& l) {
    QString s;
    for (const QString& z : l) s += z + QLatin1Char('\n');
    return s.toStdString();
}

// The same window built in German and in English, its texts side by side;
// `bauen` brings it into the state to be read.
QStringList NichtUebersetzt(const std::function<std::unique_ptr<QWidget>()>& bauen, const QStringList& gleich = {}) {
    const auto deutsch = testsupport::SichtbareTexte(bauen().get());
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    const auto en = testsupport::SichtbareTexte(bauen().get());
    return testsupport::Unuebersetzt(deutsch, en, gleich);
}

template <typename Lab>
bool Fertig(Lab& lab) {
    return QTest::qWaitFor([&] { return !lab.rechnet() && lab.ergebnis(); }, 60000);
}

template <typename Lab>
bool VergleichFertig(Lab& lab) {
    return QTest::qWaitFor([&] { return !lab.rechnet() && lab.ergebnis() && lab.vergleichErgebnis(); }, 60000);
}

// A project the labs cannot run: no output.
fuzzy::Project OhneAusgang(const char* datei) {
    fuzzy::Project p = Beispiel(datei);
    p.Out.Defined = false;
    return p;
}

// The states a lab page shows different texts in: figures of a run with a
// comparison, a replayed start, and a project that cannot run.
enum class Zustand { Ergebnis, Vergleich, Wiedergabe, Undefiniert };

class EnglischesLabor : public testing::TestWithParam<Zustand> {};

TEST_P(EnglischesLabor, TruckPageHasNoGermanTextLeft) {
    const QStringList fehler = NichtUebersetzt([] {
        auto lab = std::make_unique<labor::TruckLabor>();
        const Zustand z = GetParam();
        lab->setProjekt(z == Zustand::Undefiniert ? OhneAusgang("truck.fuz") : Beispiel("truck.fuz"));
        EXPECT_TRUE(Fertig(*lab));
        if (z == Zustand::Vergleich) {
            lab->setVergleich(OhneAusgang("truck.fuz"), QStringLiteral("„alt.fuz“"));
            lab->setVergleich(Beispiel("truck_einachsig.fuz"), QStringLiteral("„einachsig.fuz“"));
            EXPECT_TRUE(VergleichFertig(*lab));
        }
        if (z == Zustand::Wiedergabe) {
            // A step on show, taken apart beside the lab by "Warum?".
            lab->waehleSchritt(3, 5);
            lab->schrittAuswahl()->warumKnopf()->click();
        }
        return lab;
    });
    EXPECT_TRUE(fehler.isEmpty()) << Liste(fehler);
}

// The masses' names in the table are units with their colour mark.
QStringList Massen() {
    QStringList m;
    for (const float kg : pemrak::LabMasses()) m << QStringLiteral("■ %1 kg").arg(static_cast<double>(kg));
    return m;
}

TEST_P(EnglischesLabor, LocomotivePageHasNoGermanTextLeft) {
    const QStringList fehler = NichtUebersetzt(
        [] {
            auto lab = std::make_unique<labor::LokLabor>();
            const Zustand z = GetParam();
            lab->setProjekt(z == Zustand::Undefiniert ? OhneAusgang("lok.fuz") : Beispiel("lok.fuz"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return !lab->rechnet(); }, 60000));
            if (z == Zustand::Vergleich) {
                fuzzy::Project anders = Beispiel("lok.fuz");
                anders.Rules.Set(1, 1, 0);
                lab->setVergleich(anders, QStringLiteral("„anders.fuz“"));
                EXPECT_TRUE(VergleichFertig(*lab));
            }
            // A setting out of range: the page's own error line.
            if (z == Zustand::Wiedergabe) {
                labor::LokEinstellung e = lab->einstellung();
                e.Reibung = -1.0f;
                EXPECT_FALSE(lab->setEinstellung(e));
            }
            if (z == Zustand::Ergebnis) {
                lab->waehleLauf(1, 5);
                lab->schrittAuswahl()->warumKnopf()->click();
            }
            return lab;
        },
        Massen());
    EXPECT_TRUE(fehler.isEmpty()) << Liste(fehler);
}

std::string ZustandsName(const testing::TestParamInfo<Zustand>& i) {
    switch (i.param) {
    case Zustand::Ergebnis: return "Ergebnis";
    case Zustand::Vergleich: return "Vergleich";
    case Zustand::Wiedergabe: return "WiedergabeOderFehler";
    case Zustand::Undefiniert: return "Undefiniert";
    }
    return "Unbekannt";
}

INSTANTIATE_TEST_SUITE_P(Zustaende, EnglischesLabor,
                         testing::Values(Zustand::Ergebnis, Zustand::Vergleich, Zustand::Wiedergabe,
                                         Zustand::Undefiniert),
                         ZustandsName);

// The rule tables hold only the user's names and short names: the same in
// both languages.
QString TabellenText(const fuzzy::Project& p) {
    QTextDocument d;
    d.setHtml(labor::RegelnAlsHtml(p, nullptr));
    return d.toPlainText().trimmed();
}

// Before a search, and after a short one that finished with its figures
// and its verdict; the vehicle's name "Truck" is the same in English.
TEST(EnglischesRegelnVerbessern, DialogHasNoGermanTextLeft) {
    for (const bool suchen : {false, true}) {
        SCOPED_TRACE(suchen);
        const fuzzy::Project p = Beispiel("lok.fuz");
        tuning::Options o;
        o.Kind = tuning::Vehicle::Loco;
        o.Seconds = 1;
        o.MaxRounds = 10;  // far less than a second: the same result in both languages
        o.Seed = 3;
        o.Threads = 2;
        // The table after the search holds the user's names too.
        const fuzzy::Project nachher = tuning::Tune(p, o).Best;
        const QStringList fehler = NichtUebersetzt(
            [&] {
                auto d = std::make_unique<labor::RegelnVerbessern>();
                d->setProjekt(p);
                d->setOptionen(o);
                if (suchen) {
                    QSignalSpy beendet(d.get(), &labor::RegelnVerbessern::beendet);
                    d->starten();
                    EXPECT_TRUE(beendet.wait(120000));
                }
                return d;
            },
            {QStringLiteral("Truck"), TabellenText(p), TabellenText(nachher)});
        EXPECT_TRUE(fehler.isEmpty()) << Liste(fehler);
    }
}

// A screen reader names every control of the tuner's dialog.
TEST(EnglischesRegelnVerbessern, EveryControlHasAnAccessibleName) {
    const QStringList fehler = testsupport::OhneNamenBeiderSprachen(
        [] {
            auto d = std::make_unique<labor::RegelnVerbessern>();
            d->setProjekt(Beispiel("lok.fuz"));
            return d;
        },
        [](std::unique_ptr<labor::RegelnVerbessern>& d) { return d.get(); }, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << Liste(fehler);
}

// The labs' pictures in English: labels apart, in the picture, none German.
void PruefeEnglischesBild(QSize g, const std::function<void(QPainter&, QSize)>& malen, const QStringList& namen) {
    const auto deutsch = testsupport::Texte(testsupport::AlsSvg(g, malen));
    std::vector<testsupport::SvgText> englisch;
    {
        SpracheFuer sprache(fuzzy::Language::English, Kataloge);
        englisch = testsupport::Texte(testsupport::AlsSvg(g, malen));
    }
    ASSERT_GE(englisch.size(), 3u);
    const auto ueber = testsupport::Ueberlappungen(englisch);
    EXPECT_TRUE(ueber.empty()) << g.width() << "x" << g.height() << ":\n" << Liste(ueber);
    for (const auto& t : englisch)
        EXPECT_TRUE(QRectF(0, 0, g.width(), g.height()).contains(t.kasten))
            << "„" << t.text.toStdString() << "“ abgeschnitten in " << g.width() << "x" << g.height();
    const auto geblieben = ansichtentest::DeutschGeblieben(deutsch, englisch, namen);
    EXPECT_TRUE(geblieben.empty()) << Liste(geblieben);
}

TEST(EnglischesLaborBild, TruckPictureIsEnglishAndLabelsKeepApart) {
    labor::TruckLabor lab;
    lab.setProjekt(Beispiel("truck.fuz"));
    ASSERT_TRUE(Fertig(lab));
    const auto e = lab.ergebnis();
    for (const QSize g : {ansichten::Exportgroesse(QSize(600, 700)), QSize(420, 520)})
        PruefeEnglischesBild(g, [&](QPainter& q, QSize s) { labor::MaleBahnen(q, s, *e, labor::BahnenTitel(*e)); }, {});
}

// The diagrams take their titles when the lab is made, as the program makes
// it in its language: a lab of each language paints its own picture.
TEST(EnglischesLaborBild, LocomotivePictureIsEnglishAndLabelsKeepApart) {
    const fuzzy::Project p = Beispiel("lok.fuz");
    fuzzy::Project anders = p;
    anders.Rules.Set(1, 1, 0);
    for (const QSize g : {ansichten::Exportgroesse(QSize(800, 600)), QSize(640, 420)})
        PruefeEnglischesBild(g,
                             [&](QPainter& q, QSize s) {
                                 labor::LokLabor lab;
                                 lab.setProjekt(p);
                                 ASSERT_TRUE(Fertig(lab));
                                 lab.setVergleich(anders, QStringLiteral("„anders.fuz“"));
                                 ASSERT_TRUE(VergleichFertig(lab));
                                 lab.malen(q, s);
                             },
                             {});
}

// The labs' own numbers: comma in German, point in English, the true minus
// and no sign on a value that rounds to zero in both.
TEST(EnglischeLaborZahl, DecimalSignFollowsTheLanguage) {
    struct Fall {
        double wert;
        int nachkomma;
        QString deutsch, englisch;
    };
    const Fall faelle[] = {
        {0.055, 3, QStringLiteral("0,055"), QStringLiteral("0.055")},
        {-1.5, 1, QStringLiteral("−1,5"), QStringLiteral("−1.5")},
        {-0.0004, 3, QStringLiteral("0,000"), QStringLiteral("0.000")},
        {1234.5, 2, QStringLiteral("1234,50"), QStringLiteral("1234.50")},
        {-10, 0, QStringLiteral("−10"), QStringLiteral("−10")},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(labor::Zahl(f.wert, f.nachkomma), f.deutsch) << f.wert;
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        EXPECT_EQ(labor::Zahl(f.wert, f.nachkomma), f.englisch) << f.wert;
    }
}

}  // namespace
