// Labels of the exported views, read back from the SVG file: each inside the
// panel it belongs to, none on top of another, for every example project.
#include "tests/werkstatt/ansichten/AnsichtenTest.h"
#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "werkstatt/ansichten/InspektorSzene.h"
#include "fuzzy/Surface.h"
#include "werkstatt/ansichten/KennfeldAnsicht.h"
#include "werkstatt/ansichten/KennfeldSzene.h"
#include "werkstatt/ansichten/PainterPlot.h"
#include "tests/support/SvgTexte.h"

#include <gtest/gtest.h>

#include <QDir>

#include <set>
#include <string>

using ansichtentest::Laden;

namespace {

std::vector<std::string> Beispiele() {
    std::vector<std::string> namen;
    for (const QString& n : QDir(QStringLiteral(FUZZY_SOURCE_DIR "/examples")).entryList({QStringLiteral("*.fuz")}))
        namen.push_back(n.toStdString());
    return namen;
}

ansichten::InspektorSzene Szene(const fuzzy::Project& p, float anteilA, float anteilB) {
    ansichten::InspektorSzene s{p, {}};
    const float a = p.A.RangeMin + anteilA * (p.A.RangeMax - p.A.RangeMin);
    const float b = p.B.Defined ? p.B.RangeMin + anteilB * (p.B.RangeMax - p.B.RangeMin) : 0.0f;
    s.auswertung = fuzzy::BreakDownStep(p, a, b);
    return s;
}

std::set<QString> Kuerzel(const fuzzy::TFuzzy& v) {
    std::set<QString> k;
    for (int i = 1; v.Defined && i <= v.UsedTerms(); ++i) k.insert(QString::fromStdString(v.GetTermAbbrev(i)));
    return k;
}

std::string Liste(const std::vector<QString>& l) {
    QString s;
    for (const QString& z : l) s += z + QLatin1Char('\n');
    return s.toStdString();
}

// The sizes a picture is saved at: the default export of a view at the
// window's default size, and a small window.
const QSize Groessen[] = {ansichten::Exportgroesse(QSize(880, 540)), QSize(660, 430)};

class Beschriftung : public testing::TestWithParam<std::string> {};

// A label drawn far beyond its diagram lands in another panel in an SVG,
// which keeps no clip (panel B's "NG" in panel A).
TEST_P(Beschriftung, InspectorLabelsStayInTheirOwnPanel) {
    const fuzzy::Project p = Laden(GetParam());
    for (const QSize g : Groessen) {
        const auto texte = testsupport::Texte(testsupport::AlsSvg(
            g, [&](QPainter& q, QSize s) { ansichten::MaleInspektor(q, s, Szene(p, 0.3f, 0.6f)); }));
        ASSERT_FALSE(texte.empty());
        const ansichten::InspektorAufteilung a = ansichten::Aufteilen(g);
        // Only the diagram of a variable writes its terms' abbreviations;
        // the rule grid writes those of all three.
        const std::set<QString> nurA = Kuerzel(p.A), nurB = Kuerzel(p.B);
        for (const auto& t : texte) {
            const QRectF k = t.kasten.adjusted(1, 1, -1, -1);
            const bool drin = QRectF(a.eingangA).contains(k) || QRectF(a.eingangB).contains(k) ||
                              QRectF(a.regeln).contains(k) || QRectF(a.ausgang).contains(k);
            EXPECT_TRUE(drin) << "„" << t.text.toStdString() << "“ bei " << k.x() << "," << k.y() << " in " << g.width()
                              << "x" << g.height();
            if (QRectF(a.eingangA).contains(t.anker) && nurB.count(t.text) && !nurA.count(t.text))
                ADD_FAILURE() << "B's „" << t.text.toStdString() << "“ in panel A";
            if (QRectF(a.eingangB).contains(t.anker) && nurA.count(t.text) && !nurB.count(t.text))
                ADD_FAILURE() << "A's „" << t.text.toStdString() << "“ in panel B";
        }
    }
}

TEST_P(Beschriftung, InspectorLabelsDoNotOverlap) {
    const fuzzy::Project p = Laden(GetParam());
    // Inputs at a quarter, the middle and three quarters: degrees and rule
    // cells change where their labels go.
    for (const QSize g : Groessen)
        for (const float f : {0.25f, 0.5f, 0.75f}) {
            const auto texte = testsupport::Texte(
                testsupport::AlsSvg(g, [&](QPainter& q, QSize s) { ansichten::MaleInspektor(q, s, Szene(p, f, f)); }));
            const auto fehler = testsupport::Ueberlappungen(texte);
            EXPECT_TRUE(fehler.empty()) << g.width() << "x" << g.height() << ", Eingaben bei " << f << ":\n"
                                        << Liste(fehler);
        }
}

TEST_P(Beschriftung, SurfaceLabelsDoNotOverlapAndStayInThePicture) {
    const fuzzy::Project p = Laden(GetParam());
    ansichten::KennfeldSzene s;
    s.projekt = p;
    s.gitter = fuzzy::ComputeSurface(p, p.B.Defined ? 101 : 401, 101);
    ansichten::SzeneAufbereiten(s);
    for (const QSize g : {ansichten::Exportgroesse(QSize(600, 540)), QSize(420, 380)}) {
        const auto texte =
            testsupport::Texte(testsupport::AlsSvg(g, [&](QPainter& q, QSize z) { ansichten::MaleKennfeld(q, z, s); }));
        ASSERT_FALSE(texte.empty());
        const auto fehler = testsupport::Ueberlappungen(texte);
        EXPECT_TRUE(fehler.empty()) << g.width() << "x" << g.height() << ":\n" << Liste(fehler);
        for (const auto& t : texte)
            EXPECT_TRUE(QRectF(0, 0, g.width(), g.height()).contains(t.kasten))
                << "„" << t.text.toStdString() << "“ abgeschnitten in " << g.width() << "x" << g.height();
    }
}

// Term labels ran together ("NKNUPK") and axis labels sat where term lines
// cross them; the exported diagram names its variable.
TEST_P(Beschriftung, TermDiagramLabelsDoNotOverlapAndNameTheVariable) {
    const fuzzy::Project p = Laden(GetParam());
    for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        if (!v->Defined) continue;
        const QSize g = ansichten::Exportgroesse(QSize(640, 320));
        const auto texte = testsupport::Texte(testsupport::AlsSvg(
            g, [&](QPainter& q, QSize s) { ansichten::MaleTermdiagramm(q, s, *v, QStringLiteral("Eingang A")); }));
        const auto fehler = testsupport::Ueberlappungen(texte);
        EXPECT_TRUE(fehler.empty()) << v->Name << ":\n" << Liste(fehler);
        bool titel = false;
        for (const auto& t : texte) {
            titel = titel || t.text.contains(QString::fromStdString(v->Name));
            EXPECT_TRUE(QRectF(0, 0, g.width(), g.height()).contains(t.kasten))
                << "„" << t.text.toStdString() << "“ außerhalb: " << t.kasten.x() << "," << t.kasten.y() << " "
                << t.kasten.width() << "x" << t.kasten.height() << " in " << g.width() << "x" << g.height();
        }
        EXPECT_TRUE(titel) << v->Name;
    }
}

INSTANTIATE_TEST_SUITE_P(AlleBeispiele, Beschriftung, testing::ValuesIn(Beispiele()),
                         [](const testing::TestParamInfo<std::string>& i) {
                             std::string n = i.param.substr(0, i.param.find('.'));
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

// Ticks at 1, 2 and 5 times a power of ten, never a quarter of the range.
TEST(AchsenTeilung, StepsOfOneTwoOrFive) {
    struct Fall {
        double lo, hi;
        int n;
        std::vector<double> erwartet;
    };
    const Fall faelle[] = {
        {-5, 30, 7, {-5, 0, 5, 10, 15, 20, 25, 30}},
        {-90, 90, 4, {-50, 0, 50}},
        {-13.75, 145, 4, {0, 50, 100}},
        {0, 1, 2, {0, 0.5, 1}},
        {-2.5, 2.5, 6, {-2, -1, 0, 1, 2}},
        {0.3, 1.1, 4, {0.4, 0.6, 0.8, 1.0}},
    };
    for (const Fall& f : faelle) {
        const std::vector<double> t = ansichten::AchsenTeilung(f.lo, f.hi, f.n);
        ASSERT_EQ(t.size(), f.erwartet.size()) << f.lo << " .. " << f.hi;
        for (std::size_t k = 0; k < t.size(); ++k) EXPECT_DOUBLE_EQ(t[k], f.erwartet[k]) << f.lo << " .. " << f.hi;
    }
}

TEST(AchsenZahl, DecimalCommaAndTrueMinus) {
    EXPECT_EQ(ansichten::AchsenZahl(-2.5), QStringLiteral("\u22122,5"));
    EXPECT_EQ(ansichten::AchsenZahl(0.5), QStringLiteral("0,5"));
    EXPECT_EQ(ansichten::AchsenZahl(-0.0), QStringLiteral("0"));
    EXPECT_EQ(ansichten::AchsenZahl(100000), QStringLiteral("100000"));
}

// An exported picture's size comes from the page, not the window: a wide
// window gives an A4-wide picture, never one of half a metre.
TEST(Exportgroesse, A4WidthInTheViewsProportions) {
    EXPECT_EQ(ansichten::Exportgroesse(QSize(1550, 670)).width(), ansichten::A4BreitePixel);
    EXPECT_EQ(ansichten::Exportgroesse(QSize(1600, 800)), QSize(ansichten::A4BreitePixel, 397));
    EXPECT_EQ(ansichten::Exportgroesse(QSize(300, 2000)).height(), ansichten::A4HoehePixel);
    EXPECT_FALSE(ansichten::Exportgroesse(QSize()).isEmpty());
}

}  // namespace
