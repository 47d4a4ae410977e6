// The views in English: every text of the inspector and the control surface
// translated, their pictures' labels in English and still apart, and numbers
// with a decimal point; the German edition is what the other tests check.
#include "tests/werkstatt/ansichten/AnsichtenTest.h"
#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/ansichten/InspektorSzene.h"
#include "werkstatt/ansichten/KennfeldAnsicht.h"
#include "werkstatt/ansichten/KennfeldSzene.h"
#include "tests/support/SichtbareTexte.h"
#include "tests/werkstatt/ansichten/SvgSprache.h"
#include "widgets/Zahlformat.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>

namespace {

using ansichtentest::Laden;
using testsupport::SpracheFuer;

const QStringList Kataloge{QStringLiteral("gemeinsam"), QStringLiteral("werkstatt"), QStringLiteral("labor")};

std::string Liste(const QStringList& l) { return l.join(QLatin1Char('\n')).toStdString(); }
std::string Liste(const std::vector<QString>& l) {
    QString s;
    for (const QString& z : l) s += z + QLatin1Char('\n');
    return s.toStdString();
}

// The same window built in German and in English, its texts side by side.
struct Ausgaben {
    std::vector<testsupport::SichtbarerText> deutsch, englisch;
};

Ausgaben BeideSprachen(const std::function<std::unique_ptr<QWidget>()>& bauen) {
    Ausgaben a;
    a.deutsch = testsupport::SichtbareTexte(bauen().get());
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    a.englisch = testsupport::SichtbareTexte(bauen().get());
    return a;
}

std::vector<std::string> Beispiele() {
    std::vector<std::string> namen;
    for (const QString& n : QDir(QStringLiteral(FUZZY_SOURCE_DIR "/examples")).entryList({QStringLiteral("*.fuz")}))
        namen.push_back(n.toStdString());
    return namen;
}

std::string TestName(const testing::TestParamInfo<std::string>& i) {
    std::string n = i.param.substr(0, i.param.find('.'));
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
}

class EnglischeAnsicht : public testing::TestWithParam<std::string> {};

// Two inputs, one input (the second row says "not used"), and no project at all.
TEST_P(EnglischeAnsicht, InspectorWidgetHasNoGermanTextLeft) {
    const fuzzy::Project p = Laden(GetParam());
    QString hinweis;
    const Ausgaben a = BeideSprachen([&] {
        auto i = std::make_unique<ansichten::Inspektor>();
        i->setProjekt(p);
        hinweis = ansichten::KeineRegelSatz(i->szene());
        return i;
    });
    // Where no rule fires, the engine's own hint (its own catalogue).
    const QStringList fehler = testsupport::Unuebersetzt(a.deutsch, a.englisch, {hinweis});
    EXPECT_TRUE(fehler.isEmpty()) << Liste(fehler);
}

TEST_P(EnglischeAnsicht, SurfaceWidgetHasNoGermanTextLeft) {
    const fuzzy::Project p = Laden(GetParam());
    const Ausgaben a = BeideSprachen([&] {
        auto k = std::make_unique<ansichten::Kennfeld>();
        k->setProjekt(p);
        k->warteAufErgebnis();
        return k;
    });
    const QStringList fehler = testsupport::Unuebersetzt(a.deutsch, a.englisch);
    EXPECT_TRUE(fehler.isEmpty()) << Liste(fehler);
}

ansichten::InspektorSzene Szene(const fuzzy::Project& p, float anteil) {
    ansichten::InspektorSzene s{p, {}};
    const float a = p.A.RangeMin + anteil * (p.A.RangeMax - p.A.RangeMin);
    const float b = p.B.Defined ? p.B.RangeMin + anteil * (p.B.RangeMax - p.B.RangeMin) : 0.0f;
    s.auswertung = fuzzy::BreakDownStep(p, a, b);
    return s;
}

// The English labels are longer or shorter than the German ones: they must
// still keep apart and stay in the picture, and none may be left in German.
// Where no rule fires, the inspector shows the engine's own hint (`fremd`),
// which the engine's catalogue translates.
void PruefeEnglischesBild(QSize g, const std::function<void(QPainter&, QSize)>& malen, const QStringList& namen,
                          const QStringList& fremd = {}) {
    const auto deutsch = testsupport::Texte(testsupport::AlsSvg(g, malen));
    std::vector<testsupport::SvgText> englisch;
    {
        SpracheFuer sprache(fuzzy::Language::English, Kataloge);
        englisch = testsupport::Texte(testsupport::AlsSvg(g, malen));
    }
    ASSERT_FALSE(englisch.empty());
    const auto ueber = testsupport::Ueberlappungen(englisch);
    EXPECT_TRUE(ueber.empty()) << g.width() << "x" << g.height() << ":\n" << Liste(ueber);
    for (const auto& t : englisch)
        EXPECT_TRUE(QRectF(0, 0, g.width(), g.height()).contains(t.kasten))
            << "„" << t.text.toStdString() << "“ abgeschnitten in " << g.width() << "x" << g.height();
    const auto deutschGeblieben = ansichtentest::DeutschGeblieben(deutsch, englisch, namen, fremd);
    EXPECT_TRUE(deutschGeblieben.empty()) << Liste(deutschGeblieben);
}

TEST_P(EnglischeAnsicht, InspectorPictureIsEnglishAndLabelsKeepApart) {
    const fuzzy::Project p = Laden(GetParam());
    for (const QSize g : {ansichten::Exportgroesse(QSize(880, 540)), QSize(660, 430)})
        for (const float f : {0.25f, 0.5f, 0.75f}) {
            SCOPED_TRACE(f);
            const ansichten::InspektorSzene s = Szene(p, f);
            PruefeEnglischesBild(g, [&](QPainter& q, QSize z) { ansichten::MaleInspektor(q, z, s); },
                                 ansichtentest::Namen(p), {ansichten::KeineRegelSatz(s)});
        }
}

TEST_P(EnglischeAnsicht, SurfacePictureIsEnglishAndLabelsKeepApart) {
    const fuzzy::Project p = Laden(GetParam());
    ansichten::KennfeldSzene s;
    s.projekt = p;
    s.gitter = fuzzy::ComputeSurface(p, p.B.Defined ? 101 : 401, 101);
    ansichten::SzeneAufbereiten(s);
    for (const QSize g : {ansichten::Exportgroesse(QSize(600, 540)), QSize(420, 380)})
        PruefeEnglischesBild(
            g, [&](QPainter& q, QSize z) { ansichten::MaleKennfeld(q, z, s); }, ansichtentest::Namen(p));
}

INSTANTIATE_TEST_SUITE_P(AlleBeispiele, EnglischeAnsicht, testing::ValuesIn(Beispiele()), TestName);

// The pictures with nothing to show say so in English too.
TEST(EnglischeAnsicht, EmptyPicturesSayWhyInEnglish) {
    const fuzzy::Project leer;
    ansichten::KennfeldSzene k;
    k.projekt = leer;
    const ansichten::InspektorSzene i{leer, {}};
    const std::function<void(QPainter&, QSize)> bilder[] = {
        [&](QPainter& q, QSize z) { ansichten::MaleKennfeld(q, z, k); },
        [&](QPainter& q, QSize z) { ansichten::MaleInspektor(q, z, i); },
    };
    for (const auto& malen : bilder) PruefeEnglischesBild(QSize(500, 400), malen, {});
}

// Numbers a person reads: the decimal comma in German, the point in English;
// the true minus in both, and a comma that separates a list stays.
TEST(EnglischeZahlen, DecimalSignFollowsTheLanguage) {
    struct Fall {
        const char* was;
        std::function<QString()> zahl;
        QString deutsch, englisch;
    };
    const Fall faelle[] = {
        {"AchsenZahl", [] { return ansichten::AchsenZahl(-2.5); }, QStringLiteral("−2,5"), QStringLiteral("−2.5")},
        {"Beschriftung", [] { return ansichten::Beschriftung(0.25); }, QStringLiteral("0,25"), QStringLiteral("0.25")},
        {"NeunStellen", [] { return ansichten::NeunStellen(-0.125f); }, QStringLiteral("−0,125"),
         QStringLiteral("−0.125")},
        {"KurzeZahl", [] { return ansichten::KurzeZahl(1.5f); }, QStringLiteral("1,5"), QStringLiteral("1.5")},
        {"KurzeZahl ganz", [] { return ansichten::KurzeZahl(40.0f); }, QStringLiteral("40"), QStringLiteral("40")},
        {"Liste", [] { return zahl::ImText(QStringLiteral("1, 2, 4 kg; 0.5 cm")); },
         QStringLiteral("1, 2, 4 kg; 0,5 cm"), QStringLiteral("1, 2, 4 kg; 0.5 cm")},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.zahl(), f.deutsch) << f.was;
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        EXPECT_EQ(f.zahl(), f.englisch) << f.was;
    }
}

// A picture that cannot be saved says why in the language of the program.
TEST(EnglischerBildexport, RefusalsAreTranslated) {
    QTemporaryDir dir;
    const auto malen = [](QPainter& p, QSize) { p.drawLine(0, 0, 10, 10); };
    struct Fall {
        const char* was;
        QString pfad;
        QSize groesse;
    };
    const Fall faelle[] = {
        {"Endung", dir.filePath(QStringLiteral("bild.gif")), QSize(100, 100)},
        {"leer", dir.filePath(QStringLiteral("bild.png")), QSize()},
        {"Ordner", dir.path(), QSize(100, 100)},
        {"kein Ordner", dir.filePath(QStringLiteral("fehlt/bild.svg")), QSize(100, 100)},
    };
    for (const Fall& f : faelle) {
        QString deutsch, englisch;
        EXPECT_FALSE(ansichten::SpeichereAnsicht(f.pfad, f.groesse, malen, &deutsch)) << f.was;
        {
            SpracheFuer sprache(fuzzy::Language::English, Kataloge);
            EXPECT_FALSE(ansichten::SpeichereAnsicht(f.pfad, f.groesse, malen, &englisch)) << f.was;
        }
        EXPECT_FALSE(englisch.isEmpty()) << f.was;
        EXPECT_NE(deutsch, englisch) << f.was;
    }
}

}  // namespace
