#include "werkstatt/blatt/Aufgabenblatt.h"

#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "exercise/TaskText.h"
#include "exercise/Variants.h"
#include "fuzzy/Errors.h"
#include "fuzzy/LanguageScope.h"
#include "fuzzy/Surface.h"
#include "werkstatt/blatt/BlattTeile.h"
#include "werkstatt/ansichten/InspektorSzene.h"
#include "widgets/MessageBoxes.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace werkstatt {

using namespace blatt;

namespace {

// The sheets' own texts, in the context "Aufgabenblatt".
struct Ab {
    Q_DECLARE_TR_FUNCTIONS(Aufgabenblatt)
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

const QColor KopfGrau(230, 230, 230);
const QColor Rahmen(120, 120, 120);
constexpr double Zelle = 26.0;         // an answer box's height
constexpr double Beschriftung = 18.0;  // a line of text above a row of boxes

// A number the engine computed, as the teacher reads it out: at most
// `stellen` decimals, no trailing zeros, the language's decimal sign, a true
// minus; never "−0".
QString Wert(double v, int stellen) {
    const double faktor = std::pow(10.0, stellen);
    v = std::round(v * faktor) / faktor;
    if (v == 0.0) v = 0.0;
    QString s = Sprachform().toString(v, 'f', stellen);
    const QChar komma = Sprachform().decimalPoint().at(0);
    if (s.contains(komma)) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(komma)) s.chop(1);
    }
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

double TextHoehe(const QString& t, const QFont& f, double breite) {
    return QFontMetricsF(f).boundingRect(QRectF(0, 0, breite, 1e6), Qt::TextWordWrap | Qt::AlignLeft, t).height();
}

// Running text, wrapped to the width; the author's line breaks stay.
Block TextBlock(const QString& t, double breite, int pixel = 13, bool fett = false) {
    const QFont f = Schrift(pixel, fett);
    const double h = std::ceil(TextHoehe(t, f, breite)) + 2.0;
    return {h, [t, f](QPainter& p, const QRectF& r) {
                p.setFont(f);
                p.setPen(Qt::black);
                p.drawText(r, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, t);
            }};
}

Block UeberschriftBlock(const QString& t) {
    return {26.0, [t](QPainter& p, const QRectF& r) { Ueberschrift(p, r, t); }};
}

// A heading that stays on the page of what it heads.
Block MitUeberschrift(const QString& t, Block b) {
    auto malen = std::move(b.malen);
    return {32.0 + b.hoehe, [t, malen](QPainter& p, const QRectF& r) {
                const double h = Ueberschrift(p, r, t) + 6.0;
                malen(p, r.adjusted(0, h, 0, 0));
            }};
}

Block UeberschriftBlock(const QString& t);
Block MitUeberschrift(const QString& t, Block b);

// A text of several paragraphs (blank lines between them) under a heading,
// one block per paragraph, so that a long task may go on over a page; the
// heading stays with the first.
void Absaetze(std::vector<Block>& b, const QString& kopf, const std::string& text, double breite) {
    const std::vector<exercise::TaskParagraph> absaetze = exercise::TaskParagraphs(text);
    for (std::size_t i = 0; i < absaetze.size(); ++i) {
        QStringList zeilen;
        for (const std::string& z : absaetze[i]) zeilen << Q(z);
        Block t = TextBlock(zeilen.join(QLatin1Char('\n')), breite);
        b.push_back(i == 0 ? MitUeberschrift(kopf, std::move(t)) : std::move(t));
    }
    if (absaetze.empty()) b.push_back(UeberschriftBlock(kopf));
}

// A box, grey when it is a heading; its text centred.
void Kasten(QPainter& p, const QRectF& z, const QString& t, bool kopf, bool fett = false,
            Qt::Alignment ausrichtung = Qt::AlignCenter) {
    if (kopf) p.fillRect(z, KopfGrau);
    p.setPen(QPen(Rahmen, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(z);
    p.setFont(Schrift(11, kopf || fett));
    p.setPen(Qt::black);
    p.drawText(z.adjusted(5, 1, -5, -1), ausrichtung | Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(t, Qt::ElideRight, static_cast<int>(z.width()) - 10));
}

void Zeile(QPainter& p, const QRectF& r, double y, const QString& t, bool fett = false) {
    p.setFont(Schrift(12, fett));
    p.setPen(Qt::black);
    p.drawText(QRectF(r.left(), y, r.width(), Beschriftung - 2), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(t, Qt::ElideRight, static_cast<int>(r.width())));
}

// --- the page's top --------------------------------------------------------

Block SchuelerKopf(const QString& titel, const QString& name) {
    return {80.0, [titel, name](QPainter& p, const QRectF& r) {
                p.setFont(Schrift(22, true));
                p.setPen(Qt::black);
                p.drawText(QRectF(r.left(), r.top(), r.width(), 30), Qt::AlignLeft | Qt::AlignVCenter,
                           QFontMetrics(p.font()).elidedText(titel, Qt::ElideRight, static_cast<int>(r.width())));
                // Name, class and date: a label and a line to write on.
                const struct {
                    QString text;
                    double anteil;
                } felder[] = {{Ab::tr("Name:"), 0.5}, {Ab::tr("Klasse:"), 0.2}, {Ab::tr("Datum:"), 0.3}};
                double x = r.left();
                const double y = r.top() + 44;
                p.setFont(Schrift(13));
                for (const auto& f : felder) {
                    const double w = r.width() * f.anteil;
                    const double l = QFontMetricsF(p.font()).horizontalAdvance(f.text) + 6;
                    p.setPen(Qt::black);
                    p.drawText(QRectF(x, y, l, 24), Qt::AlignLeft | Qt::AlignBottom, f.text);
                    p.setPen(QPen(Qt::black, 0.8));
                    p.drawLine(QPointF(x + l, y + 24), QPointF(x + w - 16, y + 24));
                    // A sheet with a student's own numbers bears the name they are drawn by.
                    if (x == r.left() && !name.isEmpty())
                        p.drawText(
                            QRectF(x + l + 4, y, w - l - 24, 22), Qt::AlignLeft | Qt::AlignBottom,
                            QFontMetrics(p.font()).elidedText(name, Qt::ElideRight, static_cast<int>(w - l - 24)));
                    x += w;
                }
            }};
}

Block LehrkraftKopf(const QString& titel, const QString& datei) {
    return {58.0, [titel, datei](QPainter& p, const QRectF& r) {
                p.setFont(Schrift(22, true));
                p.setPen(Qt::black);
                p.drawText(QRectF(r.left(), r.top(), r.width(), 30), Qt::AlignLeft | Qt::AlignVCenter,
                           QFontMetrics(p.font()).elidedText(Ab::tr("Lösung: %1").arg(titel), Qt::ElideRight,
                                                             static_cast<int>(r.width())));
                Zeile(p, r, r.top() + 34, Ab::tr("Lösungsblatt für die Lehrkraft  •  Aufgabe: %1").arg(datei));
            }};
}

// --- what is checked ---------------------------------------------------------

// The limit and the measured value as the exercise panel and fuzzysim write them.
QString Grenze(const exercise::CriterionResult& c) { return Q(exercise::LimitText(c)); }

QString Gemessen(const exercise::CriterionResult& c) { return Q(exercise::MeasuredText(c)); }

// The criteria a program checks on the project (not the hand steps: those
// have their own boxes). With `ergebnis` the reference solution's figures,
// else an empty box for the student's own.
Block KriterienBlock(const std::vector<exercise::CriterionResult>& alle, bool ergebnis) {
    std::vector<exercise::CriterionResult> k;
    for (const exercise::CriterionResult& c : alle)
        if (c.Id.rfind("hand.", 0) != 0) k.push_back(c);
    if (k.empty()) return {};
    const double hoehe = Zelle * static_cast<double>(k.size() + 1);
    return {hoehe, [k, ergebnis](QPainter& p, const QRectF& r) {
                const double spalten[] = {0.0, 0.48, 0.72, 1.0};
                auto zelle = [&](int s, double y) {
                    return QRectF(r.left() + spalten[s] * r.width(), y, (spalten[s + 1] - spalten[s]) * r.width(),
                                  Zelle);
                };
                Kasten(p, zelle(0, r.top()), Ab::tr("Kriterium"), true, false, Qt::AlignLeft);
                Kasten(p, zelle(1, r.top()), Ab::tr("verlangt"), true);
                Kasten(p, zelle(2, r.top()), ergebnis ? Ab::tr("Musterlösung") : Ab::tr("Ihr Ergebnis"), true);
                double y = r.top() + Zelle;
                for (const exercise::CriterionResult& c : k) {
                    Kasten(p, zelle(0, y), Q(c.Name), false, false, Qt::AlignLeft);
                    Kasten(p, zelle(1, y), Grenze(c), false);
                    Kasten(p, zelle(2, y),
                           ergebnis
                               ? (c.Passed ? Ab::tr("%1 – bestanden") : Ab::tr("%1 – nicht bestanden")).arg(Gemessen(c))
                               : QString(),
                           false, ergebnis);
                    y += Zelle;
                }
            }};
}

// --- a point worked out by hand ------------------------------------------------

// The names of a variable's terms, "1" … where a term has none.
QStringList Termnamen(const fuzzy::TFuzzy& v) {
    QStringList n;
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        const QString t = Q(v.GetTermName(i));
        n << (t.isEmpty() ? QString::number(i) : t);
    }
    return n;
}

// A row of boxes under the terms' names; the values where given.
double TermZeile(QPainter& p, const QRectF& r, double y, const QString& titel, const QStringList& namen,
                 const std::vector<QString>& werte) {
    Zeile(p, r, y, titel);
    y += Beschriftung;
    const double w = r.width() / std::max<qsizetype>(1, namen.size());
    for (qsizetype i = 0; i < namen.size(); ++i) {
        Kasten(p, QRectF(r.left() + w * i, y, w, Zelle), namen[i], true);
        Kasten(p, QRectF(r.left() + w * i, y + Zelle, w, Zelle),
               static_cast<std::size_t>(i) < werte.size() ? werte[static_cast<std::size_t>(i)] : QString(), false,
               true);
    }
    return y + 2 * Zelle + 8;
}

constexpr double TermZeilenHoehe = Beschriftung + 2 * Zelle + 8;

QString PunktTitel(const fuzzy::Project& pr, const exercise::HandCheck& h) {
    // Numbers still to be drawn by a name: lines to write them on.
    if (h.ByName() && !h.FromName) {
        const QString leer = QStringLiteral("________");
        return h.B && pr.B.Defined
                   ? Ab::tr("%1: %2 = %3, %4 = %5 (deine Zahlen, nach deinem Namen)")
                         .arg(Q(h.Point), Q(pr.A.Name), leer, Q(pr.B.Name), leer)
                   : Ab::tr("%1: %2 = %3 (deine Zahl, nach deinem Namen)").arg(Q(h.Point), Q(pr.A.Name), leer);
    }
    if (h.B && pr.B.Defined)
        return Ab::tr("%1: %2 = %3, %4 = %5").arg(Q(h.Point), Q(pr.A.Name), Wert(h.A, 4), Q(pr.B.Name), Wert(*h.B, 4));
    return Ab::tr("%1: %2 = %3").arg(Q(h.Point), Q(pr.A.Name), Wert(h.A, 4));
}

// One hand step: boxes for what it asks, empty on the students' sheet, with
// the engine's numbers on the teacher's.
Block PunktBlock(const fuzzy::Project& pr, const exercise::HandCheck& h, bool loesung) {
    using exercise::Quantity;
    const bool zwei = pr.B.Defined && h.B.has_value();
    const int na = pr.A.UsedTerms(), nb = zwei ? pr.B.UsedTerms() : 1;
    double hoehe = 26.0;
    if (h.Asks(Quantity::Membership)) hoehe += TermZeilenHoehe * (zwei ? 2 : 1);
    if (h.Asks(Quantity::Firing)) hoehe += Beschriftung + Zelle * (nb + 1) + 8;
    if (h.Asks(Quantity::Heights)) hoehe += TermZeilenHoehe;
    if (h.Asks(Quantity::Output)) hoehe += Zelle + 8;
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(pr, h.A, h.B.value_or(0.0f));
    return {
        hoehe, [pr, h, loesung, zwei, na, nb, s](QPainter& p, const QRectF& r) {
            double y = r.top() + Ueberschrift(p, r, PunktTitel(pr, h));
            auto werte = [&](const auto& feld, int n) {
                std::vector<QString> w;
                if (loesung)
                    for (int i = 0; i < n; ++i) w.push_back(Wert(feld[static_cast<std::size_t>(i)], 3));
                return w;
            };
            if (h.Asks(Quantity::Membership)) {
                y = TermZeile(p, r, y, Ab::tr("Zugehörigkeitsgrade von %1").arg(Q(pr.A.Name)), Termnamen(pr.A),
                              werte(s.DegreeA, na));
                if (zwei)
                    y = TermZeile(p, r, y, Ab::tr("Zugehörigkeitsgrade von %1").arg(Q(pr.B.Name)), Termnamen(pr.B),
                                  werte(s.DegreeB, nb));
            }
            if (h.Asks(Quantity::Firing)) {
                Zeile(p, r, y,
                      zwei ? Ab::tr("Feuerstärken der Regeln (Spalte: %1, Zeile: %2)").arg(Q(pr.A.Name), Q(pr.B.Name))
                           : Ab::tr("Feuerstärken der Regeln (Spalte: %1)").arg(Q(pr.A.Name)));
                y += Beschriftung;
                const double w = r.width() / (na + 1);
                const QStringList spalten = Termnamen(pr.A), zeilen = zwei ? Termnamen(pr.B) : QStringList{};
                for (int z = 0; z <= nb; ++z)
                    for (int c = 0; c <= na; ++c) {
                        const QRectF k(r.left() + c * w, y + z * Zelle, w, Zelle);
                        if (z == 0 || c == 0) {
                            Kasten(p, k,
                                   z == 0 && c > 0   ? spalten[c - 1]
                                   : c == 0 && z > 0 ? (zwei ? zeilen[z - 1] : QString())
                                                     : QString(),
                                   true);
                        } else {
                            // Only cells with a rule fire; the others stay empty on both sheets.
                            const bool regel = pr.Rules.Get(z, c) >= 1;
                            Kasten(
                                p, k,
                                loesung && regel
                                    ? Wert(s.Strength[static_cast<std::size_t>(z - 1)][static_cast<std::size_t>(c - 1)],
                                           3)
                                    : QString(),
                                false, true);
                            if (!regel) {
                                p.setPen(QPen(QColor(170, 170, 170), 0.6));
                                p.drawLine(k.topLeft(), k.bottomRight());
                            }
                        }
                    }
                y += Zelle * (nb + 1) + 8;
            }
            if (h.Asks(Quantity::Heights))
                y = TermZeile(p, r, y, Ab::tr("Höhen der Ausgangsterme von %1").arg(Q(pr.Out.Name)), Termnamen(pr.Out),
                              werte(s.Activation, pr.Out.UsedTerms()));
            if (h.Asks(Quantity::Output)) {
                p.setFont(Schrift(13, true));
                const QString t = Ab::tr("Ausgang %1 =").arg(Q(pr.Out.Name));
                const double l = QFontMetricsF(p.font()).horizontalAdvance(t) + 10;
                p.setPen(Qt::black);
                p.drawText(QRectF(r.left(), y, l, Zelle), Qt::AlignLeft | Qt::AlignVCenter, t);
                Kasten(p, QRectF(r.left() + l, y, 140, Zelle), loesung ? Wert(s.Output, 2) : QString(), false, true);
            }
        }};
}

// The step as the inspector draws it: degrees, strengths, the scaled output
// terms and the centroid.
Block InspektorBlock(const fuzzy::Project& pr, const exercise::HandCheck& h, double breite) {
    const double bild = std::floor(breite * 0.62);
    ansichten::InspektorSzene s;
    s.projekt = pr;
    s.auswertung = fuzzy::BreakDownStep(pr, h.A, h.B.value_or(0.0f));
    // The output with the decimals of the sheet's answer boxes.
    s.nachkomma = 2;
    return {Beschriftung + bild, [s, bild, h](QPainter& p, const QRectF& r) {
                Zeile(p, r, r.top(), Ab::tr("%1 im Inspektor:").arg(Q(h.Point)));
                const QRectF f(r.left(), r.top() + Beschriftung, r.width(), bild);
                p.save();
                p.translate(f.topLeft());
                ansichten::MaleInspektor(p, QSize(static_cast<int>(f.width()), static_cast<int>(bild)), s);
                p.restore();
                p.setPen(QPen(QColor(160, 160, 160), 0.6));
                p.setBrush(Qt::NoBrush);
                p.drawRect(f);
            }};
}

// --- room to draw and write --------------------------------------------------------

// A step of 1, 2 or 5 times a power of ten that cuts the span into 4 to 10 parts.
double Teilung(double spanne) {
    const double roh = spanne / 8.0;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * zehner >= roh) return f * zehner;
    return 10.0 * zehner;
}

// A blank diagram, input A to the right and input B upwards, with a grid and
// the scales of both ranges, to draw in.
Block ZeichenBlock(const fuzzy::Project& pr, const Zeichenachsen& achsen, double breite) {
    const double hoehe = 26.0 + std::floor(breite * 0.62);
    return {hoehe, [pr, achsen](QPainter& p, const QRectF& r) {
                const double oben =
                    r.top() + Ueberschrift(p, r, Ab::tr("Zeichnung: %1 über %2").arg(Q(pr.B.Name), Q(pr.A.Name)));
                const QRectF f(r.left() + 56, oben + 8, r.width() - 72, r.bottom() - oben - 52);
                const double x0 = achsen.a0, x1 = achsen.a1, y0 = achsen.b0, y1 = achsen.b1;
                auto px = [&](double x) { return f.left() + (x - x0) / (x1 - x0) * f.width(); };
                auto py = [&](double y) { return f.bottom() - (y - y0) / (y1 - y0) * f.height(); };
                p.setFont(Schrift(11));
                const double sx = Teilung(x1 - x0), sy = Teilung(y1 - y0);
                for (double x = std::ceil(x0 / sx) * sx; x <= x1 + 1e-9 * (x1 - x0); x += sx) {
                    p.setPen(QPen(std::abs(x) < 1e-9 ? QColor(60, 60, 60) : QColor(185, 185, 185),
                                  std::abs(x) < 1e-9 ? 1.0 : 0.5));
                    p.drawLine(QPointF(px(x), f.top()), QPointF(px(x), f.bottom()));
                    p.setPen(Qt::black);
                    p.drawText(QRectF(px(x) - 30, f.bottom() + 9, 60, 16), Qt::AlignHCenter | Qt::AlignTop, Wert(x, 4));
                }
                for (double y = std::ceil(y0 / sy) * sy; y <= y1 + 1e-9 * (y1 - y0); y += sy) {
                    p.setPen(QPen(std::abs(y) < 1e-9 ? QColor(60, 60, 60) : QColor(185, 185, 185),
                                  std::abs(y) < 1e-9 ? 1.0 : 0.5));
                    p.drawLine(QPointF(f.left(), py(y)), QPointF(f.right(), py(y)));
                    p.setPen(Qt::black);
                    p.drawText(QRectF(f.left() - 56, py(y) - 8, 50, 16), Qt::AlignRight | Qt::AlignVCenter, Wert(y, 4));
                }
                p.setPen(QPen(Qt::black, 1.0));
                p.setBrush(Qt::NoBrush);
                p.drawRect(f);
                p.setFont(Schrift(12, true));
                p.drawText(QRectF(f.left(), f.bottom() + 26, f.width(), 18), Qt::AlignRight | Qt::AlignVCenter,
                           Q(pr.A.Name) + QStringLiteral(" →"));
                p.save();
                p.translate(r.left() + 10, f.top());
                p.rotate(-90);
                p.drawText(QRectF(-f.height(), -10, f.height(), 18), Qt::AlignRight | Qt::AlignVCenter,
                           Q(pr.B.Name) + QStringLiteral(" →"));
                p.restore();
            }};
}

// A heading and ruled lines to write the answer on.
Block SchreibBlock(int zeilen) {
    return {26.0 + Zelle * zeilen + 4, [zeilen](QPainter& p, const QRectF& r) {
                const double oben = r.top() + Ueberschrift(p, r, Ab::tr("Ihre Antwort"));
                p.setPen(QPen(QColor(150, 150, 150), 0.6));
                for (int i = 1; i <= zeilen; ++i)
                    p.drawLine(QPointF(r.left(), oben + Zelle * i), QPointF(r.right(), oben + Zelle * i));
            }};
}

// --- what the sheets show of the project --------------------------------------------

// Only the inputs' diagrams for an exercise that asks for degrees alone;
// otherwise every variable and the rules.
bool NurGrade(const exercise::Exercise& e) {
    if (e.Hand.empty() || e.NeedsProject()) return false;
    for (const exercise::HandCheck& h : e.Hand)
        if (h.Asked != std::vector<exercise::Quantity>{exercise::Quantity::Membership}) return false;
    return true;
}

bool MitB(const exercise::Exercise& e) {
    return std::any_of(e.Hand.begin(), e.Hand.end(), [](const exercise::HandCheck& h) { return h.B.has_value(); });
}

void ProjektBloecke(std::vector<Block>& b, const fuzzy::Project& pr, const exercise::Exercise& e, bool leer) {
    if (NurGrade(e)) {
        b.push_back(VariablenBlock(pr.A, 0));
        if (MitB(e) && pr.B.Defined) b.push_back(VariablenBlock(pr.B, 1));
        return;
    }
    b.push_back(VariablenBlock(pr.A, 0));
    if (pr.B.Defined) b.push_back(VariablenBlock(pr.B, 1));
    b.push_back(VariablenBlock(pr.Out, 2));
    b.push_back(RegelBlock(pr, leer));
}

// The names the sheet's language gives the exercise's project: a reference
// solution is written with German names; where a name is still the German
// starting project's, the English sheet says the English one.
fuzzy::Project InSprache(fuzzy::Project p, const exercise::Exercise& e) {
    if (fuzzy::ActiveLanguage() != fuzzy::Language::English) return p;
    fuzzy::Project de;
    {
        fuzzy::LanguageScope deutsch(fuzzy::Language::German);
        de = e.StartProject();
    }
    const fuzzy::Project en = e.StartProject();
    auto uebertragen = [](fuzzy::TFuzzy& v, const fuzzy::TFuzzy& d, const fuzzy::TFuzzy& n) {
        if (!v.Defined || !d.Defined || !n.Defined) return;
        if (v.Name == d.Name) v.Name = n.Name;
        for (int i = 1; i <= std::min({v.UsedTerms(), d.UsedTerms(), n.UsedTerms()}); ++i)
            if (v.GetTermName(i) == d.GetTermName(i)) {
                v.SetTermName(i, n.GetTermName(i));
            }
    };
    uebertragen(p.A, de.A, en.A);
    uebertragen(p.B, de.B, en.B);
    uebertragen(p.Out, de.Out, en.Out);
    return p;
}

// The lab of the exercise's vehicle at the exercise's own settings.
void LaborBloecke(std::vector<Block>& b, const fuzzy::Project& pr, const exercise::Exercise& e, double breite,
                  double hoehe) {
    switch (e.OnPlant()) {
    case exercise::Plant::Truck: {
        const float v = !e.Truck.empty() && !e.Truck[0].Speeds.empty() ? e.Truck[0].Speeds[0] : -1.0f;
        for (Block& x : TruckBloecke(pr, v, breite, hoehe, Fahrzeug::Truck)) b.push_back(std::move(x));
        break;
    }
    case exercise::Plant::Loco: {
        // A table for every setting the check runs, so that each figure of the
        // verdict stands in one of them; the curves of the first.
        if (e.Loco.empty()) {
            for (Block& x : LokBloecke(pr, labor::LokEinstellung{}, breite, Fahrzeug::Lok)) b.push_back(std::move(x));
            break;
        }
        bool erste = true;
        for (const exercise::LocoCheck& l : e.Loco)
            for (const float dt : l.Steps.empty() ? std::vector<float>{labor::LokEinstellung{}.Dt} : l.Steps) {
                // The masses the exercise runs, not every mass of the lab.
                const labor::LokEinstellung einst{l.Friction, l.DistanceCm, dt, l.Masses};
                for (Block& x : LokBloecke(pr, einst, breite, Fahrzeug::Lok, erste)) b.push_back(std::move(x));
                erste = false;
            }
        break;
    }
    case exercise::Plant::Unknown: break;
    }
}

QString Dateiname(const QString& datei) { return QFileInfo(datei).fileName(); }

// For each name of a class list: the point its numbers are, and every answer
// the check compares with, as the sheet rounds them.
std::vector<Block> KlassenBloecke(const exercise::Exercise& e, const fuzzy::Project& pr, const QStringList& namen,
                                  double breite) {
    std::vector<Block> b;
    b.push_back(UeberschriftBlock(Ab::tr("Zahlen und Antworten der Klasse")));
    for (const QString& name : namen) {
        const exercise::Exercise mein = exercise::ForStudent(e, name.toStdString());
        QString text = name + QLatin1Char(':');
        for (const exercise::HandCheck& h : mein.Hand) {
            const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(pr, h.A, h.B.value_or(0.0f));
            text += QLatin1Char('\n') + PunktTitel(pr, h) + QStringLiteral(" – ");
            QStringList teile;
            const auto reihe = [&](const QString& was, const auto& feld, int n) {
                QStringList w;
                for (int i = 0; i < n; ++i) w << Wert(feld[static_cast<std::size_t>(i)], 3);
                teile << was + QStringLiteral(" ") + w.join(QStringLiteral(" / "));
            };
            if (h.Asks(exercise::Quantity::Membership)) {
                reihe(Ab::tr("Grade %1:").arg(Q(pr.A.Name)), s.DegreeA, pr.A.UsedTerms());
                if (h.B && pr.B.Defined) reihe(Ab::tr("Grade %1:").arg(Q(pr.B.Name)), s.DegreeB, pr.B.UsedTerms());
            }
            if (h.Asks(exercise::Quantity::Heights)) reihe(Ab::tr("Höhen:"), s.Activation, pr.Out.UsedTerms());
            if (h.Asks(exercise::Quantity::Output)) teile << Ab::tr("Ausgang: %1").arg(Wert(s.Output, 2));
            if (h.Asks(exercise::Quantity::Firing)) teile << Ab::tr("Feuerstärken: das Minimum der Grade jeder Regel");
            text += teile.join(QStringLiteral("; "));
        }
        b.push_back(TextBlock(text, breite, 11));
    }
    return b;
}

std::vector<Block> Schuelerblatt(const AufgabenblattDaten& d, double breite) {
    const exercise::Exercise& e = d.aufgabe;
    const fuzzy::Project start = e.StartProject();
    std::vector<Block> b;
    b.push_back(SchuelerKopf(Q(e.Title.Active()), d.name));
    Absaetze(b, Ab::tr("Aufgabe"), e.Task.Active(), breite);
    if (!e.MayChange.Nothing()) {
        QStringList was;
        if (e.MayChange.Rules) was << Ab::tr("Regeln");
        if (e.MayChange.Terms) was << Ab::tr("Terme");
        if (e.MayChange.Ranges) was << Ab::tr("Bereiche");
        b.push_back(
            TextBlock(Ab::tr("Ändern dürfen Sie: %1. Alles andere ist gesperrt.").arg(was.join(QStringLiteral(", "))),
                      breite, 12));
    }
    ProjektBloecke(b, start, e, e.MayChange.Rules);
    if (e.NeedsProject()) {
        // The names and limits only: nothing is run for an empty box.
        exercise::CheckOptions nurListe;
        nurListe.Run = false;
        const exercise::CheckResult r = exercise::Check(e, start, {}, nurListe);
        Block k = KriterienBlock(r.Criteria, false);
        if (k.hoehe > 0) b.push_back(MitUeberschrift(Ab::tr("Was geprüft wird"), std::move(k)));
    }
    if (!e.Hand.empty()) {
        if (e.NeedsName())
            b.push_back(TextBlock(Ab::tr("Deine Zahlen hängen von deinem Namen ab: Die Werkstatt und die Seite "
                                         "zeigen sie, sobald du deinen Namen einträgst."),
                                  breite, 12));
        for (const exercise::HandCheck& h : e.Hand) b.push_back(PunktBlock(start, h, false));
        // Which inference the check holds the answers to.
        const bool schritt = std::any_of(e.Hand.begin(), e.Hand.end(), [](const exercise::HandCheck& h) {
            return h.Asked != std::vector<exercise::Quantity>{exercise::Quantity::Membership};
        });
        if (schritt)
            b.push_back(TextBlock(Ab::tr("So rechnet die Prüfung: Feuerstärke einer Regel = Minimum der Grade ihrer "
                                         "Eingänge; Höhe eines Ausgangsterms = Maximum der Regeln, die auf ihn zeigen; "
                                         "jeder Ausgangsterm wird mit seiner Höhe multipliziert, und der Ausgang ist "
                                         "der Schwerpunkt der Summe: y = Σ h·A·x / Σ h·A über alle Ausgangsterme (h "
                                         "Höhe, A Fläche und x Schwerpunkt des Terms bei Höhe 1)."),
                                  breite, 11));
    }
    if (e.Drawing && start.B.Defined) {
        b.push_back(ZeichenBlock(start, ZeichenAchsen(e, start), breite));
    }
    if (e.MarkedBy != exercise::Marking::Automatic) {
        b.push_back(SchreibBlock(9));
    }
    return b;
}

std::vector<Block> Loesungsblatt(const AufgabenblattDaten& d, double breite, double hoehe) {
    const exercise::Exercise& e = d.aufgabe;
    const fuzzy::Project start = e.StartProject();
    std::vector<Block> b;
    b.push_back(LehrkraftKopf(Q(e.Title.Active()), Dateiname(d.datei)));
    Absaetze(b, Ab::tr("Aufgabe"), e.Task.Active(), breite);
    Absaetze(b, Ab::tr("Für die Lehrkraft"), e.TeacherNote.Active(), breite);
    b.push_back(TextBlock(e.MarkedBy == exercise::Marking::Automatic ? Ab::tr("Bewertung: durch die Prüfung.")
                          : e.MarkedBy == exercise::Marking::Teacher
                              ? Ab::tr("Bewertung: durch die Lehrkraft.")
                              : Ab::tr("Bewertung: was die Prüfung misst, prüft sie; den schriftlichen oder "
                                       "gezeichneten Teil bewertet die Lehrkraft."),
                          breite, 12));
    // Numbers by name: every student's of the class list.
    if (e.NeedsName()) {
        if (d.klassenliste.isEmpty())
            b.push_back(TextBlock(Ab::tr("Die Zahlen hängen vom Namen ab. Mit einer Klassenliste (werkstatt --blatt "
                                         "AUFGABE --loesung --klassenliste LISTE.txt) stehen hier die Zahlen und "
                                         "Antworten jeder Person; vorgerechnet ist der erste Wert."),
                                  breite, 12));
        else
            for (Block& x : KlassenBloecke(e, start, d.klassenliste, breite)) b.push_back(std::move(x));
    }
    // Every hand step with the engine's numbers, then as the inspector draws it.
    for (const exercise::HandCheck& h : e.Hand) {
        b.push_back(PunktBlock(start, h, true));
        if (h.Asked != std::vector<exercise::Quantity>{exercise::Quantity::Membership}) {
            b.push_back(InspektorBlock(start, h, breite));
        }
    }
    // The reference solution against the exercise's limits, and its lab.
    std::optional<fuzzy::Project> labor;
    if (d.muster) {
        const fuzzy::Project muster = InSprache(*d.muster, e);
        const QString kopf = Ab::tr("Musterlösung: %1").arg(Dateiname(d.musterDatei));
        const exercise::CheckResult r = exercise::Check(e, muster, {});
        Block k = KriterienBlock(r.Criteria, true);
        if (r.Overall == exercise::Verdict::Refused) {
            b.push_back(MitUeberschrift(
                kopf, TextBlock(Ab::tr("Die Musterlösung ändert, was die Aufgabe sperrt:"), breite, 12, true)));
            for (const std::string& c : r.Changes) b.push_back(TextBlock(Q(c), breite, 12));
        } else if (k.hoehe > 0) {
            b.push_back(MitUeberschrift(kopf, std::move(k)));
        } else {
            b.push_back(UeberschriftBlock(kopf));
        }
        if (e.MayChange.Terms || e.MayChange.Ranges) {
            b.push_back(VariablenBlock(muster.A, 0));
            if (muster.B.Defined) b.push_back(VariablenBlock(muster.B, 1));
            b.push_back(VariablenBlock(muster.Out, 2));
        }
        b.push_back(RegelBlock(muster));
        labor = muster;
    } else if (e.NeedsProject() && !e.MayChange.Nothing()) {
        b.push_back(TextBlock(Ab::tr("Keine Musterlösung: neben der Aufgabe liegt keine Datei %1.")
                                  .arg(QFileInfo(d.datei).completeBaseName() + QStringLiteral(".loesung.fuz")),
                              breite, 12));
    } else {
        // Nothing to change: the lab of the project as it is (the curve a
        // drawing is compared with).
        labor = start;
    }
    if (labor) LaborBloecke(b, *labor, e, breite, hoehe);
    return b;
}

}  // namespace

AufgabenblattDaten LadeAufgabenblatt(const QString& datei, bool loesung, const QString& name,
                                     const QStringList& klassenliste) {
    AufgabenblattDaten d;
    d.aufgabe = exercise::ReadExercise(QFile::encodeName(datei).toStdString());
    // What students hold has no teacher's sheet.
    if (loesung && d.aufgabe.ForStudents())
        throw fuzzy::Error(Ab::tr("Diese Aufgabe ist eine Schülerfassung (fassung = schueler): Zu ihr gibt es kein "
                                  "Lösungsblatt.")
                               .toStdString());
    if (!name.isEmpty()) d.aufgabe = exercise::ForStudent(d.aufgabe, name.toStdString());
    d.name = name;
    d.klassenliste = klassenliste;
    d.datei = datei;
    d.loesung = loesung;
    d.datum = QDate::currentDate();
    if (loesung) {
        const QFileInfo i(datei);
        QString stamm = i.fileName();
        if (stamm.endsWith(QLatin1String(".fuzaufgabe"), Qt::CaseInsensitive)) stamm.chop(11);
        const QFileInfo m(i.dir().filePath(stamm + QStringLiteral(".loesung.fuz")));
        if (m.exists()) {
            d.musterDatei = m.filePath();
            d.muster = fuzzy::LoadProject(QFile::encodeName(m.filePath()).toStdString());
        }
    }
    return d;
}

Zeichenachsen ZeichenAchsen(const exercise::Exercise& e, const fuzzy::Project& pr) {
    Zeichenachsen z{pr.A.RangeMin, pr.A.RangeMax, pr.B.RangeMin, pr.B.RangeMax};
    if (e.OnPlant() == exercise::Plant::Loco) {
        // The lab's run starts here, often outside the distance's range.
        const double start = e.Loco.empty() ? labor::LokEinstellung{}.AbstandCm : e.Loco[0].DistanceCm;
        z.a0 = std::min({z.a0, 0.0, start});
        z.a1 = std::max({z.a1, 0.0, start});
    }
    return z;
}

int MaleAufgabenblatt(QPagedPaintDevice& geraet, const AufgabenblattDaten& d) {
    const QString titel = Q(d.aufgabe.Title.Active());
    if (d.loesung) {
        const QString datum =
            Sprachform().toString(d.datum.isValid() ? d.datum : QDate::currentDate(), Ab::tr("d. MMMM yyyy"));
        return MaleSeiten(
            geraet, [&d](double breite, double hoehe) { return Loesungsblatt(d, breite, hoehe); },
            Ab::tr("Fuzzy-Werkstatt – Lösung: %1").arg(titel), datum);
    }
    return MaleSeiten(
        geraet, [&d](double breite, double) { return Schuelerblatt(d, breite); },
        Ab::tr("Fuzzy-Werkstatt – Aufgabe: %1").arg(titel), QString());
}

QByteArray AufgabenblattPdf(const AufgabenblattDaten& d) {
    const QString titel = Q(d.aufgabe.Title.Active());
    return Pdf(d.loesung ? Ab::tr("Lösung: %1").arg(titel) : Ab::tr("Aufgabe: %1").arg(titel),
               [&d](QPagedPaintDevice& g) { return MaleAufgabenblatt(g, d); });
}

QString AufgabenblattSchreiben(const AufgabenblattDaten& d, const QString& ziel) {
    // The reference solution is read for the teacher's sheet: never written over.
    const QStringList quellen{d.datei, d.musterDatei};
    if (ziel.isEmpty() || QFileInfo(ziel).isDir()) return PdfSchreiben({}, ziel, quellen);
    return PdfSchreiben(AufgabenblattPdf(d), ziel, quellen);
}

QString AufgabenblattDrucken(QPrinter& drucker, const AufgabenblattDaten& d) {
    // A printer bound for a file is not painted on: the PDF goes through the
    // one writer, with its refusals (never onto the exercise).
    if (!drucker.outputFileName().isEmpty()) return AufgabenblattSchreiben(d, drucker.outputFileName());
    if (MaleAufgabenblatt(drucker, d) == 0) return Ab::tr("Das Aufgabenblatt konnte nicht erzeugt werden.");
    return {};
}

QString BlattDateiname(const AufgabenblattDaten& d) {
    QString stamm = QFileInfo(d.datei).completeBaseName();
    if (stamm.isEmpty()) stamm = Q(d.aufgabe.Title.Active());
    if (d.loesung) stamm += Ab::tr("-loesung");
    if (!d.name.trimmed().isEmpty()) stamm += QLatin1Char('-') + d.name.trimmed();
    QString name;
    for (const QChar c : stamm)
        name += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.')
                    ? c
                    : QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
    return name.isEmpty() ? (d.loesung ? Ab::tr("Lösungsblatt") : Ab::tr("Aufgabenblatt")) : name;
}

void AufgabenblattVorschau(QWidget* eltern, const AufgabenblattDaten& d) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                      QPageLayout::Millimeter));
    // The PDF's name the dialog proposes is the document's.
    drucker.setDocName(BlattDateiname(d));
    QPrintPreviewDialog vorschau(&drucker, eltern);
    vorschau.setWindowTitle(
        Ab::tr("%1 – Druckvorschau").arg(d.loesung ? Ab::tr("Lösungsblatt") : Ab::tr("Aufgabenblatt")));
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau, [&d](QPrinter* p) {
        const QString fehler = AufgabenblattDrucken(*p, d);
        if (!fehler.isEmpty()) widgets::ErrorBox(fehler);
    });
    vorschau.resize(900, 1000);
    vorschau.exec();
}

void AufgabenblattDrucken(QWidget* eltern, const QString& ordner) {
    // Beside the examples the exercises lie in "aufgaben": start there.
    const QDir beiProjekt(ordner);
    const QString start = !ordner.isEmpty() && beiProjekt.exists(QStringLiteral("aufgaben"))
                              ? beiProjekt.filePath(QStringLiteral("aufgaben"))
                              : ordner;
    const QString datei = QFileDialog::getOpenFileName(eltern, Ab::tr("Aufgabenblatt: Aufgabe wählen"), start,
                                                       Ab::tr("Aufgaben (*.fuzaufgabe)"));
    if (datei.isEmpty()) return;
    bool schuelerfassung = false;
    try {
        schuelerfassung = exercise::ReadExercise(QFile::encodeName(datei).toStdString()).ForStudents();
    } catch (const fuzzy::Error&) {
        // LadeAufgabenblatt below names what is wrong with it.
    }
    if (schuelerfassung) {
        try {
            AufgabenblattVorschau(eltern, LadeAufgabenblatt(datei, false));
        } catch (const fuzzy::Error& e) {
            widgets::ErrorBox(QString::fromStdString(e.Describe()));
        }
        return;
    }
    QMessageBox frage(QMessageBox::Question, Ab::tr("Aufgabenblatt"),
                      Ab::tr("Welches Blatt? Das Schülerblatt hat Felder für Name, Klasse und Datum und Platz für "
                             "die Antworten; das Lösungsblatt rechnet die Aufgabe mit den Zahlen des Programms vor."),
                      QMessageBox::Cancel, eltern);
    QPushButton* schueler = frage.addButton(Ab::tr("Schülerblatt"), QMessageBox::AcceptRole);
    QPushButton* loesung = frage.addButton(Ab::tr("Lösungsblatt"), QMessageBox::AcceptRole);
    frage.setDefaultButton(schueler);
    frage.exec();
    if (frage.clickedButton() != schueler && frage.clickedButton() != loesung) return;
    try {
        AufgabenblattVorschau(eltern, LadeAufgabenblatt(datei, frage.clickedButton() == loesung));
    } catch (const fuzzy::Error& e) {
        widgets::ErrorBox(QString::fromStdString(e.Describe()));
    }
}

}  // namespace werkstatt
