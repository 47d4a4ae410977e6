// The Kurzanleitung teaches what the program does: its worked example holds
// the engine's own numbers, and what it says of the inference step, the line
// styles of the locomotive lab and the truck's signs is what the engine, the
// plots and the truck model do. Checked in both languages.
#include "Control.h"
#include "FuzUnits.h"
#include "LokLabor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Sprache {
    const char* name;
    const char* datei;
};

const Sprache Sprachen[] = {{"Deutsch", ":/werkstatt/hilfe.html"}, {"Englisch", ":/werkstatt/hilfe_en.html"}};

QString Lies(const char* datei) {
    QFile f(QString::fromLatin1(datei));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// The part of the page from the anchor to the next heading.
QString Abschnitt(const QString& html, const QString& anker) {
    const qsizetype von = html.indexOf(QStringLiteral("name=\"%1\"").arg(anker));
    if (von < 0) return {};
    const qsizetype bis = html.indexOf(QStringLiteral("<h3"), von);
    return html.mid(von, bis < 0 ? -1 : bis - von);
}

QString OhneMarken(QString s) {
    s.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    return s.simplified();
}

// A number as the page writes it: decimal comma or point, a real minus sign.
double Zahl(QString s) {
    s = OhneMarken(s).replace(QChar(0x2212), QLatin1Char('-')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok ? d : std::nan("");
}

// The rows of the tables in `html`, each as its cells (header rows have none).
std::vector<QStringList> Zeilen(const QString& html) {
    std::vector<QStringList> zeilen;
    static const QRegularExpression tr(QStringLiteral("<tr>(.*?)</tr>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression td(QStringLiteral("<td>(.*?)</td>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    for (auto z = tr.globalMatch(html); z.hasNext();) {
        QStringList zellen;
        const QString zeile = z.next().captured(1);
        for (auto c = td.globalMatch(zeile); c.hasNext();) zellen << c.next().captured(1);
        if (!zellen.isEmpty()) zeilen.push_back(zellen);
    }
    return zeilen;
}

// The terms a cell names by their short names "(NA)", as term numbers of v.
std::vector<int> Terme(const QString& zelle, const fuzzy::TFuzzy& v) {
    std::vector<int> t;
    static const QRegularExpression kuerzel(QStringLiteral("\\(([A-ZÄÖÜ]{1,2})\\)"));
    for (auto m = kuerzel.globalMatch(zelle); m.hasNext();) {
        const std::string k = m.next().captured(1).toStdString();
        int nr = 0;
        for (int i = 1; i <= v.UsedTerms(); ++i)
            if (v.GetTermAbbrev(i) == k) nr = i;
        t.push_back(nr);
    }
    return t;
}

// The page prints three decimals.
constexpr double Gerundet = 0.0005 + 1e-6;

// What a textbook's clipping would give: each trapezoid cut off at its height,
// the areas added up, the centroid of the sum (midpoint rule).
double AbgeschnittenerSchwerpunkt(const fuzzy::TFuzzy& out) {
    const int n = 200000;
    const double lo = out.RangeMin, hi = out.RangeMax, dx = (hi - lo) / n;
    double m = 0.0, f = 0.0;
    for (int k = 0; k < n; ++k) {
        const double x = lo + (k + 0.5) * dx;
        for (int i = 1; i <= out.UsedTerms(); ++i) {
            const double a = out.GetParam(i, 1), b = out.GetParam(i, 2), c = out.GetParam(i, 3), d = out.GetParam(i, 4),
                         h = out.GetParam(i, 5);
            const double mu = x < a || x >= d ? 0.0 : x < b ? (x - a) / (b - a) : x <= c ? 1.0 : (d - x) / (d - c);
            m += std::min(mu, h) * x;
            f += std::min(mu, h);
        }
    }
    return m / f;
}

class Anleitung : public testing::TestWithParam<Sprache> {};

// lok.fuz at A = 5, B = -18: every degree, firing strength, height, area and
// centroid in the tables, and the result, are the engine's.
TEST_P(Anleitung, WorkedExampleHoldsTheEnginesNumbers) {
    const QString teil = Abschnitt(Lies(GetParam().datei), QStringLiteral("beispiel"));
    ASSERT_FALSE(teil.isEmpty());
    fuzzy::Project p = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/lok.fuz");
    const fuzzy::TFuzzy voll = p.Out;
    p.A.Value = 5.0f;
    p.B.Value = -18.0f;
    fuzzy::Infer(p.Rules, p.A, p.B, p.Out);
    int regeln = 0, terme = 0;
    for (const QStringList& z : Zeilen(teil)) {
        if (z.size() == 5 && Terme(z[0], p.A).size() == 2) {
            // A rule: its two conditions, their degrees, the minimum, its output term.
            const std::vector<int> a = Terme(z[0], p.A), b = Terme(z[0], p.B), aus = Terme(z[4], p.Out);
            ASSERT_EQ(aus.size(), 1u) << z[4].toStdString();
            EXPECT_NEAR(Zahl(z[1]), p.A.Membership(a[0]), Gerundet) << z[0].toStdString();
            EXPECT_NEAR(Zahl(z[2]), p.B.Membership(b[1]), Gerundet) << z[0].toStdString();
            EXPECT_NEAR(Zahl(z[3]), std::min(p.A.Membership(a[0]), p.B.Membership(b[1])), Gerundet);
            EXPECT_EQ(p.Rules.Get(b[1], a[0]), aus[0]) << z[0].toStdString();
            ++regeln;
        } else if (z.size() == 5) {
            // An output term: height, area of the full trapezoid, both multiplied, centroid.
            const std::vector<int> t = Terme(z[0], p.Out);
            ASSERT_EQ(t.size(), 1u) << z[0].toStdString();
            EXPECT_NEAR(Zahl(z[1]), p.Out.GetParam(t[0], fuzzy::ParamH), Gerundet) << z[0].toStdString();
            EXPECT_NEAR(Zahl(z[2]), voll.TermArea(t[0]), Gerundet) << z[0].toStdString();
            EXPECT_NEAR(Zahl(z[3]), p.Out.TermArea(t[0]), Gerundet) << z[0].toStdString();
            EXPECT_NEAR(Zahl(z[4]), p.Out.TermCentroid(t[0]), Gerundet) << z[0].toStdString();
            ++terme;
        }
    }
    // Every rule that fires and every term with a height is in the tables.
    int feuern = 0, hoch = 0;
    for (int r = 1; r <= p.B.UsedTerms(); ++r)
        for (int c = 1; c <= p.A.UsedTerms(); ++c)
            feuern += p.Rules.Get(r, c) > 0 && std::min(p.A.Membership(c), p.B.Membership(r)) > 0.0f;
    for (int i = 1; i <= p.Out.UsedTerms(); ++i) hoch += p.Out.GetParam(i, fuzzy::ParamH) > 0.0f;
    EXPECT_EQ(regeln, feuern);
    EXPECT_EQ(terme, hoch);
    // The result, then what clipping would give instead: the only forces named.
    static const QRegularExpression kraft(QStringLiteral("([−-]?\\d+[.,]\\d+) N\\b"));
    QStringList kraefte;
    for (auto m = kraft.globalMatch(OhneMarken(teil)); m.hasNext();) kraefte << m.next().captured(1);
    ASSERT_EQ(kraefte.size(), 2) << kraefte.join(QStringLiteral("; ")).toStdString();
    EXPECT_NEAR(Zahl(kraefte[0]), p.Out.Defuzzify(), Gerundet);
    EXPECT_NEAR(Zahl(kraefte[1]), AbgeschnittenerSchwerpunkt(p.Out), Gerundet);
}

// The output terms are scaled to their heights, not clipped; the
// locomotive lab's third mass is dotted.
TEST_P(Anleitung, NamesNoStepTheEngineDoesNotDo) {
    const QString text = OhneMarken(Lies(GetParam().datei));
    ASSERT_FALSE(text.isEmpty());
    for (const char* falsch : {"abgeschnitten", "clipped", "Strich-Punkt", "dash-dot"})
        EXPECT_FALSE(text.contains(QLatin1String(falsch), Qt::CaseInsensitive)) << falsch;
    const QString schritt = OhneMarken(Abschnitt(Lies(GetParam().datei), QStringLiteral("schritt")));
    EXPECT_TRUE(schritt.contains(QStringLiteral("skaliert")) || schritt.contains(QStringLiteral("scaled")));
}

// The masses' line styles in the order the help names them are the pens
// the lab and the worksheet draw them with.
TEST_P(Anleitung, LineStylesOfTheMassesAreTheOnesDrawn) {
    const bool englisch = QString::fromLatin1(GetParam().name) == QLatin1String("Englisch");
    auto wort = [englisch](Qt::PenStyle s) -> QString {
        switch (s) {
        case Qt::SolidLine: return englisch ? QStringLiteral("solid") : QStringLiteral("durchgezogen");
        case Qt::DashLine: return englisch ? QStringLiteral("dashed") : QStringLiteral("gestrichelt");
        case Qt::DotLine: return englisch ? QStringLiteral("dotted") : QStringLiteral("gepunktet");
        case Qt::DashDotLine: return englisch ? QStringLiteral("dash-dot") : QStringLiteral("Strich-Punkt");
        default: return QStringLiteral("?");
        }
    };
    const QString erwartet =
        QStringLiteral("(%1, %2, %3)")
            .arg(wort(labor::LokLabor::Stil(0)), wort(labor::LokLabor::Stil(1)), wort(labor::LokLabor::Stil(2)));
    const QString teil = OhneMarken(Abschnitt(Lies(GetParam().datei), QStringLiteral("lok-labor")));
    EXPECT_TRUE(teil.contains(erwartet)) << erwartet.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Hilfe, Anleitung, testing::ValuesIn(Sprachen),
                         [](const testing::TestParamInfo<Sprache>& i) { return std::string(i.param.name); });

// The steering angle's sign as the help states it, against the truck model:
// the truck backs for a second from attitude 0 with the steering held.
struct Lenkfall {
    const char* datei;
    float lenkwinkel;  // degrees
    const char* satz;  // what the help says happens
    int richtung;      // the attitude that sentence promises: +1 larger, -1 smaller
};

class Lenkung : public testing::TestWithParam<Lenkfall> {};

TEST_P(Lenkung, SignOfTheSteeringAngleIsTheTrucks) {
    const Lenkfall f = GetParam();
    const QString teil = OhneMarken(Abschnitt(Lies(f.datei), QStringLiteral("vorzeichen")));
    EXPECT_TRUE(teil.contains(QString::fromUtf8(f.satz))) << f.satz;
    dorvane::TTruck t;
    dorvane::PlaceTruck(t, -5.0f, dorvane::HeadingForAttitude(0.0f), -1.0f);
    t.Steering = static_cast<float>(f.lenkwinkel * 3.14159265358979 / 180.0);
    const float vorher = dorvane::Attitude(t);
    for (int i = 0; i < 10; ++i) t.Step(0.1f);
    const float nachher = dorvane::Attitude(t);
    EXPECT_EQ(nachher > vorher ? 1 : -1, f.richtung) << vorher << " -> " << nachher;
}

INSTANTIATE_TEST_SUITE_P(
    Hilfe, Lenkung,
    testing::Values(Lenkfall{":/werkstatt/hilfe.html", 10.0f, "Lenkwinkel > 0 die Lage kleiner", -1},
                    Lenkfall{":/werkstatt/hilfe.html", -10.0f, "Lenkwinkel < 0 die Lage größer", 1},
                    Lenkfall{":/werkstatt/hilfe_en.html", 10.0f, "steering angle > 0 makes the angle smaller", -1},
                    Lenkfall{":/werkstatt/hilfe_en.html", -10.0f, "steering angle < 0 makes the angle larger", 1}));

}  // namespace
