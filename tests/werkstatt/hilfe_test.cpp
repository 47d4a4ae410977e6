// The Kurzanleitung teaches what the program does, in both languages: its
// worked example holds the engine's numbers, and what it says of the output
// terms, the handles, the masses' pens and the steering's sign is what the
// engine, the term diagram, the lab and the truck model do.
#include "truck/model/Control.h"
#include "werkstatt/kern/Bearbeitung.h"
#include "werkstatt/labor/LokLabor.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

// The text of one section (anchor to next heading) without markup.
QString Abschnitt(bool en, const char* anker) {
    QFile f(en ? QStringLiteral(":/werkstatt/hilfe_en.html") : QStringLiteral(":/werkstatt/hilfe.html"));
    const QString html = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    const qsizetype von = html.indexOf(QStringLiteral("name=\"%1\"").arg(QLatin1String(anker)));
    QString s = von < 0 ? QString() : html.mid(von, html.indexOf(QStringLiteral("<h3"), von) - von);
    s.replace(QStringLiteral("</td>"), QStringLiteral("|"));
    s.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return s.replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .simplified();
}

double Zahl(QString s) {
    return s.trimmed().replace(QChar(0x2212), QLatin1Char('-')).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

// A number as the page writes it: the language's decimal sign, a true minus.
QString Wert(double v, bool en) {
    QString t = QString::number(v, 'g', 6).replace(QLatin1Char('-'), QChar(0x2212));
    return en ? t : t.replace(QLatin1Char('.'), QLatin1Char(','));
}

// The page prints three decimals.
constexpr double Gerundet = 0.0005 + 1e-6;

class Anleitung : public testing::TestWithParam<bool> {};

// lok.fuz at A = 5, B = -18: each table row ("name (XY) |"...) and the
// result hold the engine's degrees, strengths, heights, areas, centroids.
TEST_P(Anleitung, WorkedExampleHoldsTheEnginesNumbers) {
    const QString teil = Abschnitt(GetParam(), "beispiel");
    fuzzy::Project p = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/lok.fuz");
    const fuzzy::TFuzzy voll = p.Out;
    p.A.Value = 5.0f;
    p.B.Value = -18.0f;
    fuzzy::Infer(p.Rules, p.A, p.B, p.Out);
    auto nr = [](const fuzzy::TFuzzy& v, const QString& k) {
        for (int i = 1; i <= v.UsedTerms(); ++i)
            if (QString::fromStdString(v.GetTermAbbrev(i)) == k) return i;
        return 0;
    };
    // A rule row: "nah (NA) UND heran (HE)|degree|degree|strength|term (NG)|";
    // an output term's: "null (NU)|h|F|h·F|x|".
    static const QRegularExpression regel(
        QStringLiteral("\\((\\w\\w)\\)[^(|]*\\((\\w\\w)\\)\\|([^|]+)\\|([^|]+)\\|([^|]+)\\|[^(|]*\\((\\w\\w)\\)\\|"));
    static const QRegularExpression term(
        QStringLiteral("\\((\\w\\w)\\)\\|([-−\\d.,]+)\\|([-−\\d.,]+)\\|([-−\\d.,]+)\\|([-−\\d.,]+)\\|"));
    int regeln = 0, terme = 0;
    for (auto m = regel.globalMatch(teil); m.hasNext(); ++regeln) {
        const auto r = m.next();
        const int a = nr(p.A, r.captured(1)), b = nr(p.B, r.captured(2));
        EXPECT_NEAR(Zahl(r.captured(3)), p.A.Membership(a), Gerundet) << r.captured(0).toStdString();
        EXPECT_NEAR(Zahl(r.captured(4)), p.B.Membership(b), Gerundet);
        EXPECT_NEAR(Zahl(r.captured(5)), std::min(p.A.Membership(a), p.B.Membership(b)), Gerundet);
        EXPECT_EQ(p.Rules.Get(b, a), nr(p.Out, r.captured(6)));
    }
    for (auto m = term.globalMatch(teil); m.hasNext(); ++terme) {
        const auto t = m.next();
        const int i = nr(p.Out, t.captured(1));
        EXPECT_NEAR(Zahl(t.captured(2)), p.Out.GetParam(i, fuzzy::ParamH), Gerundet) << t.captured(0).toStdString();
        EXPECT_NEAR(Zahl(t.captured(3)), voll.TermArea(i), Gerundet);
        EXPECT_NEAR(Zahl(t.captured(4)), p.Out.TermArea(i), Gerundet);
        EXPECT_NEAR(Zahl(t.captured(5)), p.Out.TermCentroid(i), Gerundet);
    }
    EXPECT_EQ(regeln, 4);
    EXPECT_EQ(terme, 3);
    // The result, then what clipping each term at its height would give.
    static const QRegularExpression kraft(QStringLiteral("(\\S+) N\\b"));
    auto m = kraft.globalMatch(teil);
    ASSERT_TRUE(m.hasNext());
    EXPECT_NEAR(Zahl(m.next().captured(1)), p.Out.Defuzzify(), Gerundet);
    double mx = 0.0, f = 0.0;
    fuzzy::TFuzzy t = voll;
    for (double x = -2.5 + 5e-6; x < 2.5; x += 1e-5)
        for (int i = 1; i <= p.Out.UsedTerms(); ++i) {
            t.Value = static_cast<float>(x);
            const double mu = std::min<double>(t.Membership(i), p.Out.GetParam(i, fuzzy::ParamH));
            mx += mu * x;
            f += mu;
        }
    ASSERT_TRUE(m.hasNext());
    EXPECT_NEAR(Zahl(m.next().captured(1)), mx / f, Gerundet);
}

// What a sentence of the help states, made from the program's own values.
struct Aussage {
    const char* name;
    const char* anker;
    std::function<QString(bool en)> satz;
};

QString Stil(Qt::PenStyle s, bool en) {
    if (s == Qt::DotLine) return en ? QStringLiteral("dotted") : QStringLiteral("gepunktet");
    if (s == Qt::DashLine) return en ? QStringLiteral("dashed") : QStringLiteral("gestrichelt");
    return en ? QStringLiteral("solid") : QStringLiteral("durchgezogen");
}

const Aussage Aussagen[] = {
    {"OutputTermsScaled", "schritt",
     [](bool en) {
         return en ? QStringLiteral("is scaled to that height") : QStringLiteral("wird auf diese Höhe skaliert");
     }},
    {"HeightStep", "variablen",
     [](bool en) {
         return (en ? QStringLiteral("the height in steps of %1") : QStringLiteral("die Höhe in Schritten von %1"))
             .arg(Wert(werkstatt::GriffSchritt(fuzzy::TFuzzy(), fuzzy::ParamH), en));
     }},
    {"PensOfTheMasses", "lok-labor",
     [](bool en) {
         using labor::LokLabor;
         return QStringLiteral("(%1, %2, %3)")
             .arg(Stil(LokLabor::Stil(0), en), Stil(LokLabor::Stil(1), en), Stil(LokLabor::Stil(2), en));
     }},
    {"Road", "vorzeichen",
     [](bool en) {
         return (en ? QStringLiteral("x = %1 m to x = %2 m") : QStringLiteral("x = %1 m bis x = %2 m"))
             .arg(Wert(dorvane::RoadLeft, en), Wert(dorvane::RoadRight, en));
     }},
    {"SteeringSign", "vorzeichen",
     [](bool en) {
         // Backing for a second from attitude 0, steered left (> 0).
         dorvane::TTruck t;
         dorvane::PlaceTruck(t, -5.0f, dorvane::HeadingForAttitude(0.0f), -1.0f);
         t.Steering = 0.2f;
         for (int i = 0; i < 10; ++i) t.Step(0.1f);
         const bool kleiner = dorvane::Attitude(t) < 0.0f;
         return en ? QStringLiteral("steering angle > 0 makes the angle %1").arg(kleiner ? "smaller" : "larger")
                   : QStringLiteral("Lenkwinkel > 0 die Lage %1").arg(kleiner ? "kleiner" : "größer");
     }},
};

class Hilfetext : public testing::TestWithParam<Aussage> {};

TEST_P(Hilfetext, HelpSaysWhatTheProgramDoes) {
    for (const bool en : {false, true}) {
        const QString satz = GetParam().satz(en);
        EXPECT_TRUE(Abschnitt(en, GetParam().anker).contains(satz)) << satz.toStdString();
    }
}

// No word of a step the engine does not take, nor of a pen no plot draws:
// anywhere in the help, nor in what the shipped exercises tell a teacher.
TEST(Hilfe, NamesNoStepTheEngineDoesNotTake) {
    QStringList dateien{QStringLiteral(":/werkstatt/hilfe.html"), QStringLiteral(":/werkstatt/hilfe_en.html")};
    const QDir aufgaben(QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben"));
    for (const QString& a : aufgaben.entryList({QStringLiteral("*.fuzaufgabe")})) dateien << aufgaben.filePath(a);
    ASSERT_GT(dateien.size(), 2);
    for (const QString& datei : dateien) {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << datei.toStdString();
        const QString text = QString::fromUtf8(f.readAll());
        for (const char* falsch : {"abgeschnitten", "clipped", "Strich-Punkt", "dash-dot"})
            EXPECT_FALSE(text.contains(QLatin1String(falsch), Qt::CaseInsensitive))
                << datei.toStdString() << ": " << falsch;
    }
}

INSTANTIATE_TEST_SUITE_P(Hilfe, Anleitung, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Englisch" : "Deutsch"; });
INSTANTIATE_TEST_SUITE_P(Hilfe, Hilfetext, testing::ValuesIn(Aussagen),
                         [](const testing::TestParamInfo<Aussage>& i) { return std::string(i.param.name); });

}  // namespace
