#include "werkstatt/ansichten/InspektorSzene.h"

#include "werkstatt/ansichten/Farbskala.h"
#include "widgets/Fonts.h"
#include "fuzzy/Hints.h"
#include "werkstatt/ansichten/PainterPlot.h"
#include "widgets/Zahlformat.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace ansichten {

namespace {

constexpr int Rand = 8;
constexpr int KopfHoehe = 24;
constexpr int ZeilenHoehe = 22;
constexpr int NamensRand = 20;

const QColor Rahmenfarbe(190, 190, 190);
const QColor Kopffarbe(212, 208, 200);
const QColor Ungenutzt(236, 236, 236);
const QColor Namensfarbe(128, 0, 0);

QString Text(const std::string& s) { return QString::fromStdString(s); }

QColor Farbe(fuzzy::TColor c) { return QColor(c.r, c.g, c.b); }

fuzzy::TColor Aufgehellt(fuzzy::TColor c, double anteil) {
    auto mix = [anteil](int v) { return static_cast<std::uint8_t>(v + (255 - v) * anteil + 0.5); };
    return fuzzy::TColor{mix(c.r), mix(c.g), mix(c.b)};
}

QString Grad(float g) { return zahl::Text(g, zahl::Art::Zugehoerigkeit); }

// The font made smaller, down to `kleinst` pixels, until the text fits the
// width: on a small picture (a sheet's) a heading or a legend is read whole
// rather than cut off.
QFont Passend(QFont f, const QString& text, int breite, int kleinst = 8) {
    while (f.pixelSize() > kleinst && QFontMetrics(f).horizontalAdvance(text) > breite)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

// The panel frame with its heading: "Titel: Name = Wert".
void Kopf(QPainter& p, const QRect& r, const QString& titel, const QString& name, const QString& wert) {
    p.setPen(QPen(Rahmenfarbe, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QString gleich = wert.isEmpty() ? QString() : QStringLiteral(" = ") + wert;
    const QFont f = Passend(widgets::PixelFont(widgets::SansFamily(), 14, true), titel + name + gleich, r.width() - 16);
    p.setFont(f);
    const QFontMetrics fm(f);
    int x = r.left() + 8;
    const int y = r.top() + 5 + fm.ascent();
    p.setPen(Qt::black);
    // What does not fit the panel's width is cut from the name, which the
    // sliders show in full.
    const int frei = r.width() - 16 - fm.horizontalAdvance(titel) - fm.horizontalAdvance(gleich);
    const QString kurz = fm.elidedText(name, Qt::ElideRight, std::max(0, frei));
    p.drawText(x, y, fm.elidedText(titel, Qt::ElideRight, r.width() - 16));
    x += fm.horizontalAdvance(titel);
    if (!kurz.isEmpty()) {
        p.setPen(Namensfarbe);
        p.drawText(x, y, kurz);
        x += fm.horizontalAdvance(kurz);
    }
    if (!gleich.isEmpty() && x + fm.horizontalAdvance(gleich) <= r.right() - 8) {
        p.setPen(Qt::black);
        p.drawText(x, y, gleich);
    }
}

void Diagrammschrift(QPainter& p) { p.setFont(widgets::PixelFont(widgets::SansFamily(), 12, false)); }

// One line under a diagram: each term's abbreviation in its colour and a
// number (its degree or its height).
void Gradzeile(QPainter& p, const QRect& r, const fuzzy::TFuzzy& v, const std::array<float, fuzzy::MaxTerms>& g,
               const QString& was) {
    const int n = v.UsedTerms();
    const int y = r.bottom() - 6;
    // Each term's entry in its share of the line: the type shrinks (down to
    // 8 px) until the widest entry fits, and where even that is too wide the
    // heading goes; entries never run into each other.
    int px = 12;
    bool mitTitel = true;
    int x0 = 0, breite = 0;
    for (;;) {
        const QFont klein = widgets::PixelFont(widgets::SansFamily(), px, false);
        const QFont fett = widgets::PixelFont(widgets::SansFamily(), px, true);
        x0 = r.left() + 8 + (mitTitel ? QFontMetrics(klein).horizontalAdvance(was) + 10 : 0);
        breite = n > 0 ? (r.right() - 8 - x0) / n : 0;
        int noetig = 0;
        for (int i = 1; i <= n; ++i)
            noetig =
                std::max(noetig, QFontMetrics(fett).horizontalAdvance(Text(v.GetTermAbbrev(i)) + QLatin1Char(' ')) +
                                     QFontMetrics(fett).horizontalAdvance(Grad(g[i - 1])) + 4);
        if (noetig <= breite) break;
        if (px > 8)
            --px;
        else if (mitTitel)
            mitTitel = false;
        else
            break;
    }
    const QFont klein = widgets::PixelFont(widgets::SansFamily(), px, false);
    const QFont fett = widgets::PixelFont(widgets::SansFamily(), px, true);
    if (mitTitel) {
        p.setFont(klein);
        p.setPen(Qt::black);
        p.drawText(r.left() + 8, y, was);
    }
    for (int i = 1; i <= n; ++i) {
        const int x = x0 + (i - 1) * breite;
        const QString abk = Text(v.GetTermAbbrev(i));
        p.setFont(fett);
        p.setPen(Farbe(v.GetColour(i)).darker(g[i - 1] > 0.0f ? 130 : 100));
        p.drawText(x, y, abk);
        const int w = QFontMetrics(fett).horizontalAdvance(abk + QLatin1Char(' '));
        p.setFont(g[i - 1] > 0.0f ? fett : klein);
        p.setPen(g[i - 1] > 0.0f ? Qt::black : QColor(120, 120, 120));
        p.drawText(x + w, y, Grad(g[i - 1]));
    }
}

// The labels the plot has written (axes, term abbreviations), on the scene.
std::vector<QRect> Belegt(const PainterPlot& plot) {
    std::vector<QRect> b;
    for (const QRect& r : plot.Beschriftungen()) b.push_back(r.translated(plot.Bereich().topLeft()));
    return b;
}

// A place for a small box beside the point at `pt`: right of it, else left,
// each at the point's height or a box higher or lower, the first that meets
// no other label and stays in the plot area (degrees of two terms at the
// same input used to cover each other). Taken places join `belegt`.
QRect FreierPlatz(QSize groesse, QPoint pt, const QRect& flaeche, std::vector<QRect>& belegt) {
    QRect erster;
    for (const int dy :
         {0, -groesse.height() - 2, groesse.height() + 2, -2 * groesse.height() - 4, 2 * groesse.height() + 4}) {
        for (const bool rechts : {true, false}) {
            const int x = rechts ? pt.x() + 6 : pt.x() - 6 - groesse.width();
            QRect k(QPoint(x, pt.y() - groesse.height() / 2 + dy), groesse);
            if (k.top() < flaeche.top() - groesse.height()) continue;
            if (k.right() > flaeche.right() + 20 || k.left() < flaeche.left() - 20) continue;
            if (erster.isNull()) erster = k;
            bool frei = true;
            for (const QRect& b : belegt)
                if (k.intersects(b)) frei = false;
            if (frei) {
                belegt.push_back(k);
                return k;
            }
        }
    }
    if (erster.isNull()) erster = QRect(QPoint(pt.x() + 6, pt.y() - groesse.height() / 2), groesse);
    belegt.push_back(erster);
    return erster;
}

// The term diagram of an input with the value as a vertical line and each
// term's degree where the line meets it.
void Eingangsdiagramm(QPainter& p, const QRect& bereich, const fuzzy::TFuzzy& v, float wert,
                      const std::array<float, fuzzy::MaxTerms>& grad) {
    Diagrammschrift(p);
    PainterPlot plot(p, bereich);
    plot.setLinienbreite(2.0);
    v.DrawTerms(plot);

    const QRect flaeche = plot.Plotflaeche();
    const int x = plot.Punkt(wert, 0.0f).x();
    if (x >= flaeche.left() - 1 && x <= flaeche.right() + 1) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(x, flaeche.bottom(), x, flaeche.top());
    }
    p.setFont(widgets::PixelFont(widgets::SansFamily(), 12, true));
    std::vector<QRect> belegt = Belegt(plot);
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        const float g = grad[i - 1];
        if (g <= 0.0f) continue;
        const QPoint pt = plot.Punkt(wert, g);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Farbe(v.GetColour(i)));
        p.drawEllipse(pt, 4, 4);
        p.setBrush(Qt::NoBrush);
        const QString t = Grad(g);
        const int w = QFontMetrics(p.font()).horizontalAdvance(t);
        const QRect kasten = FreierPlatz(QSize(w + 4, 16), pt, flaeche, belegt);
        p.fillRect(kasten, QColor(255, 255, 255, 200));
        p.drawText(kasten, Qt::AlignCenter, t);
    }
}

void Eingang(QPainter& p, const QRect& r, bool istA, const fuzzy::TFuzzy& v0, float wert,
             const std::array<float, fuzzy::MaxTerms>& grad) {
    if (!v0.Defined) {
        Kopf(p, r,
             istA ? QCoreApplication::translate("ansichten::Inspektor", "Eingang A: nicht verwendet")
                  : QCoreApplication::translate("ansichten::Inspektor", "Eingang B: nicht verwendet"),
             QString(), QString());
        p.setFont(widgets::PixelFont(widgets::SansFamily(), 13, false));
        p.setPen(QColor(110, 110, 110));
        p.drawText(r, Qt::AlignCenter,
                   QCoreApplication::translate("ansichten::Inspektor", "Dieses Projekt hat nur einen Eingang."));
        return;
    }
    Kopf(p, r,
         istA ? QCoreApplication::translate("ansichten::Inspektor", "Eingang A: ")
              : QCoreApplication::translate("ansichten::Inspektor", "Eingang B: "),
         Text(v0.Name), KurzeZahl(wert));
    fuzzy::TFuzzy v = v0;
    DruckFarben(v);
    Eingangsdiagramm(p, Diagrammbereich(r), v, wert, grad);
    Gradzeile(p, r, v, grad, QCoreApplication::translate("ansichten::Inspektor", "Grad:"));
}

// Where a firing rule cell's text goes: clear of the bold frame round a
// rule that sets a height.
QRect Innen(const QRect& z) { return z.adjusted(4, 3, -4, -4); }

// How the firing cells set their output term and strength, alike in every
// cell of the table: one above the other where the cells are tall enough,
// else side by side where that fits in every cell (in smaller type down to
// 9 px), else smaller still, one above the other. Never on top of each other ("RE0.50"), and never left out:
// a grey print cannot tell the strength from the shade.
struct Zellensatz {
    bool gestapelt = true;
    QFont kopf, zahl;
};

Zellensatz WaehleZellensatz(const QRect& innen, const std::vector<std::pair<QString, QString>>& feuernde,
                            const QFont& kopf, const QFont& zahl) {
    const QFontMetrics fk(kopf), fz(zahl);
    if (innen.height() >= fk.height() + fz.height()) return {true, kopf, zahl};
    // Side by side, the type made smaller as far as it stays legible.
    Zellensatz neben{false, kopf, zahl};
    for (;;) {
        const QFontMetrics mk(neben.kopf), mz(neben.zahl);
        const bool passt =
            mk.height() <= innen.height() + 2 && std::all_of(feuernde.begin(), feuernde.end(), [&](const auto& t) {
                return mk.horizontalAdvance(t.first) + 3 + mz.horizontalAdvance(t.second) <= innen.width();
            });
        if (passt) return neben;
        if (neben.kopf.pixelSize() <= 9) break;
        neben.kopf.setPixelSize(neben.kopf.pixelSize() - 1);
        neben.zahl.setPixelSize(std::max(8, neben.zahl.pixelSize() - 1));
    }
    Zellensatz klein{true, kopf, zahl};
    while (klein.kopf.pixelSize() > 6 &&
           QFontMetrics(klein.kopf).height() + QFontMetrics(klein.zahl).height() > innen.height()) {
        klein.kopf.setPixelSize(klein.kopf.pixelSize() - 1);
        klein.zahl.setPixelSize(std::max(6, klein.zahl.pixelSize() - 1));
    }
    return klein;
}

void ZellenText(QPainter& p, const QRect& z, const QString& text, const QString& staerke, const QFont& kopf,
                const Zellensatz& satz) {
    p.setPen(Qt::black);
    if (staerke.isEmpty()) {
        const QFontMetrics fk(kopf);
        p.setFont(kopf);
        p.drawText(z, Qt::AlignCenter, fk.elidedText(text, Qt::ElideRight, z.width() - 5));
        return;
    }
    const QRect innen = Innen(z);
    const QFontMetrics fk(satz.kopf), fz(satz.zahl);
    if (satz.gestapelt) {
        p.setFont(satz.kopf);
        p.drawText(QRect(innen.left(), innen.top(), innen.width(), innen.height() - fz.height()), Qt::AlignCenter,
                   fk.elidedText(text, Qt::ElideRight, innen.width()));
        p.setFont(satz.zahl);
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(innen.left(), innen.bottom() - fz.height() + 1, innen.width(), fz.height()),
                   Qt::AlignRight | Qt::AlignVCenter, staerke);
        return;
    }
    p.setFont(satz.kopf);
    p.drawText(innen, Qt::AlignLeft | Qt::AlignVCenter, fk.elidedText(text, Qt::ElideRight, innen.width()));
    p.setFont(satz.zahl);
    p.setPen(QColor(60, 60, 60));
    p.drawText(innen, Qt::AlignRight | Qt::AlignVCenter, staerke);
}

void Regeln(QPainter& p, const QRect& r, const InspektorSzene& s) {
    const fuzzy::StepBreakdown& e = s.auswertung;
    Kopf(p, r,
         e.TwoInputs ? QCoreApplication::translate("ansichten::Inspektor", "Regeln: Feuerstärke = min(Grad A, Grad B)")
                     : QCoreApplication::translate("ansichten::Inspektor", "Regeln: Feuerstärke = Grad A"),
         QString(), QString());
    const int na = s.projekt.A.UsedTerms();
    const int nb = e.TwoInputs ? s.projekt.B.UsedTerms() : 1;
    const int nOut = s.projekt.Out.UsedTerms();

    const QFont kopfSchrift = widgets::PixelFont(widgets::SansFamily(), 13, true);
    const QFont zahlSchrift = widgets::PixelFont(widgets::SansFamily(), 11, false);
    // Each cell's output term and, where the rule fires, its strength.
    auto zelle = [&](int zeile, int spalte) -> std::pair<QString, QString> {
        if (zeile == 0 || spalte == 0) {
            if (zeile == 0 && spalte > 0 && spalte <= na) return {Text(s.projekt.A.GetTermAbbrev(spalte)), {}};
            if (spalte == 0 && zeile > 0 && e.TwoInputs && zeile <= nb)
                return {Text(s.projekt.B.GetTermAbbrev(zeile)), {}};
            return {};
        }
        if (spalte > na || zeile > nb) return {};
        const float w = e.Strength[zeile - 1][spalte - 1];
        const int k = s.projekt.Rules.Get(zeile, spalte);
        QString text;
        if (k >= 1 && k <= 5)
            text = Text(s.projekt.Out.GetTermAbbrev(k));
        else if (k != 0)
            text = QStringLiteral("#%1").arg(k);
        return {text, w > 0.0f ? Grad(w) : QString()};
    };
    std::array<std::array<std::pair<QString, QString>, 6>, 6> texte;
    std::vector<std::pair<QString, QString>> feuernde;
    for (int zeile = 0; zeile <= 5; ++zeile)
        for (int spalte = 0; spalte <= 5; ++spalte) {
            auto& t = texte[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
            t = zelle(zeile, spalte);
            if (!t.second.isEmpty()) feuernde.push_back(t);
        }
    // The terms' abbreviations in one size for the whole table: smaller
    // (down to 9 px) where a narrow table would cut one off.
    QFont kopf = kopfSchrift;
    auto passen = [&](const QFont& f) {
        const QFontMetrics fm(f);
        const int breite = RegelZelle(r, 1, 1).width() - 5;
        for (const auto& reihe : texte)
            for (const auto& [text, staerke] : reihe)
                if (fm.elidedText(text, Qt::ElideRight, breite) != text) return false;
        return true;
    };
    while (kopf.pixelSize() > 9 && !passen(kopf)) kopf.setPixelSize(kopf.pixelSize() - 1);
    const Zellensatz satz = WaehleZellensatz(Innen(RegelZelle(r, 1, 1)), feuernde, kopf, zahlSchrift);
    for (int zeile = 0; zeile <= 5; ++zeile) {
        for (int spalte = 0; spalte <= 5; ++spalte) {
            const QRect z = RegelZelle(r, zeile, spalte);
            QColor grund = Qt::white;
            if (zeile == 0 || spalte == 0)
                grund = Kopffarbe;
            else if (spalte > na || zeile > nb)
                grund = Ungenutzt;
            else
                grund = Schattierung(e.Strength[zeile - 1][spalte - 1]);
            p.fillRect(z, grund);
            p.setPen(QColor(150, 150, 150));
            p.setBrush(Qt::NoBrush);
            p.drawRect(z.adjusted(0, 0, -1, -1));
            const auto& [text, staerke] = texte[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
            ZellenText(p, z, text, staerke, kopf, satz);
        }
    }
    // The rule that sets each output term's height gets a bold frame.
    for (int k = 1; k <= nOut; ++k) {
        const auto& m = e.Decisive[k - 1];
        if (m[0] == 0) continue;
        const QRect z = RegelZelle(r, m[0], m[1]);
        p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(QRectF(z).adjusted(1.5, 1.5, -2.5, -2.5));
    }

    // The names of the inputs along the header row and column.
    const QRect kopfzeile = RegelZelle(r, 0, 1).united(RegelZelle(r, 0, 5));
    const QFont namen = widgets::PixelFont(widgets::SansFamily(), 13, true);
    p.setFont(namen);
    p.setPen(Namensfarbe);
    {
        p.setFont(Passend(namen, QStringLiteral("A: ") + Text(s.projekt.A.Name), r.width() - 8));
        const QFontMetrics fm(p.font());
        const QString name =
            fm.elidedText(QStringLiteral("A: ") + Text(s.projekt.A.Name), Qt::ElideRight, r.width() - 8);
        const int laenge = fm.horizontalAdvance(name) + 2;
        const int mitte = std::clamp(kopfzeile.center().x(), r.left() + 4 + laenge / 2, r.right() - 4 - laenge / 2);
        p.drawText(QRect(mitte - laenge / 2, kopfzeile.top() - NamensRand, laenge, NamensRand), Qt::AlignCenter, name);
    }
    if (e.TwoInputs) {
        // Along the header column, centred on it, but never beyond the
        // panel's heading and its last line ("eschwindigkeit in c").
        const QRect kopfspalte = RegelZelle(r, 1, 0).united(RegelZelle(r, 5, 0));
        const int oben = r.top() + KopfHoehe + 2, unten = r.bottom() - ZeilenHoehe - 2;
        p.setFont(Passend(namen, QStringLiteral("B: ") + Text(s.projekt.B.Name), std::max(10, unten - oben)));
        const QFontMetrics fm(p.font());
        const QString name =
            fm.elidedText(QStringLiteral("B: ") + Text(s.projekt.B.Name), Qt::ElideRight, std::max(10, unten - oben));
        const int laenge = fm.horizontalAdvance(name) + 2;
        const int mitte = std::clamp(kopfspalte.center().y(), oben + laenge / 2, unten - laenge / 2);
        p.save();
        p.translate(kopfspalte.left() - NamensRand, mitte + laenge / 2);
        p.rotate(-90);
        p.drawText(QRect(0, 0, laenge, NamensRand), Qt::AlignCenter, name);
        p.restore();
    }
    // Where the whole legend would be too small to read, the colour's part
    // goes: every firing cell prints its strength anyway.
    const QString rahmen =
        QCoreApplication::translate("ansichten::Inspektor", "fetter Rahmen: die Regel, die die Höhe setzt");
    const QString ganz = QCoreApplication::translate("ansichten::Inspektor", "Farbe: Feuerstärke") +
                         QStringLiteral("  \u2022  ") + rahmen;
    const int breite = r.width() - 16;
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 12, false);
    QFont f = Passend(schrift, ganz, breite, 9);
    const QString legende = QFontMetrics(f).horizontalAdvance(ganz) <= breite ? ganz : rahmen;
    if (legende != ganz) f = Passend(schrift, rahmen, breite, 7);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r.left() + 8, r.bottom() - 6, QFontMetrics(f).elidedText(legende, Qt::ElideRight, breite));
}

// The output's terms as the project defines them, pale, under the terms
// scaled to their activations, and the centroid line at the crisp value.
void Ausgangsdiagramm(QPainter& p, const QRect& bereich, const InspektorSzene& s, const fuzzy::TFuzzy& farben) {
    const fuzzy::StepBreakdown& e = s.auswertung;
    fuzzy::TFuzzy blass = s.projekt.Out;
    for (int k = 1; k <= fuzzy::MaxTerms; ++k) blass.SetColour(k, Aufgehellt(farben.GetColour(k), 0.55));
    Diagrammschrift(p);
    PainterPlot plot(p, bereich);
    plot.setLinienbreite(1.0);
    blass.DrawTerms(plot);

    for (int k = 1; k <= s.projekt.Out.UsedTerms(); ++k) {
        const float h = e.Activation[k - 1];
        if (h <= 0.0f) continue;
        const float a = s.projekt.Out.GetParam(k, fuzzy::ParamA), b = s.projekt.Out.GetParam(k, fuzzy::ParamB);
        const float c = s.projekt.Out.GetParam(k, fuzzy::ParamC), d = s.projekt.Out.GetParam(k, fuzzy::ParamD);
        QPolygon flaeche;
        flaeche << plot.Punkt(a, 0.0f) << plot.Punkt(b, h) << plot.Punkt(c, h) << plot.Punkt(d, 0.0f);
        QColor fuell = Farbe(farben.GetColour(k));
        fuell.setAlpha(90);
        p.setBrush(fuell);
        p.setPen(QPen(Farbe(farben.GetColour(k)), 2));
        p.drawPolygon(flaeche);
        p.setBrush(Qt::NoBrush);
    }

    const QRect f = plot.Plotflaeche();
    const QPoint fuss = plot.Punkt(e.Output, 0.0f);
    if (fuss.x() >= f.left() - 1 && fuss.x() <= f.right() + 1) {
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        p.drawLine(fuss.x(), f.bottom(), fuss.x(), f.top());
        const QString t = Rechenwert(e.Output, s.projekt.Out, s.nachkomma);
        p.setFont(widgets::PixelFont(widgets::SansFamily(), 12, true));
        const int w = QFontMetrics(p.font()).horizontalAdvance(t);
        std::vector<QRect> belegt = Belegt(plot);
        const QRect kasten = FreierPlatz(QSize(w + 4, 17), QPoint(fuss.x(), f.top() + 12), f, belegt);
        p.fillRect(kasten, QColor(255, 255, 255, 220));
        p.setPen(Qt::black);
        p.drawText(kasten, Qt::AlignCenter, t);
    }
}

void Ausgabe(QPainter& p, const QRect& r, const InspektorSzene& s) {
    if (!s.projekt.Out.Defined) {
        Kopf(p, r, QCoreApplication::translate("ansichten::Inspektor", "Ausgang: nicht definiert"), QString(),
             QString());
        return;
    }
    Kopf(p, r, QCoreApplication::translate("ansichten::Inspektor", "Ausgang: "), Text(s.projekt.Out.Name),
         Rechenwert(s.auswertung.Output, s.projekt.Out, s.nachkomma));
    fuzzy::TFuzzy farben = s.projekt.Out;
    DruckFarben(farben);
    Ausgangsdiagramm(p, Diagrammbereich(r), s, farben);
    Gradzeile(p, r, farben, s.auswertung.Activation, QCoreApplication::translate("ansichten::Inspektor", "Höhe:"));
    // Where no rule fires, the output is no centroid but the range's start:
    // said in words over the empty diagram.
    const QString satz = KeineRegelSatz(s);
    if (!satz.isEmpty()) {
        const QRect d = Diagrammbereich(r).adjusted(60, 28, -16, -40);
        p.setFont(widgets::PixelFont(widgets::SansFamily(), 13, true));
        const QRect noetig =
            QFontMetrics(p.font()).boundingRect(d, Qt::AlignCenter | Qt::TextWordWrap, satz).adjusted(-6, -4, 6, 4);
        p.fillRect(noetig, QColor(255, 240, 240, 235));
        p.setPen(QColor(160, 0, 0));
        p.drawRect(noetig.adjusted(0, 0, -1, -1));
        p.drawText(d, Qt::AlignCenter | Qt::TextWordWrap, satz);
    }
}

}  // namespace

QRect Diagrammbereich(const QRect& r) { return r.adjusted(1, KopfHoehe, -1, -ZeilenHoehe); }

InspektorAufteilung Aufteilen(QSize g) {
    const int w = std::max((g.width() - 3 * Rand) / 2, 1);
    const int h = std::max((g.height() - 3 * Rand) / 2, 1);
    InspektorAufteilung a;
    a.eingangA = QRect(Rand, Rand, w, h);
    a.eingangB = QRect(2 * Rand + w, Rand, w, h);
    a.regeln = QRect(Rand, 2 * Rand + h, w, h);
    a.ausgang = QRect(2 * Rand + w, 2 * Rand + h, w, h);
    return a;
}

QRect RegelZelle(const QRect& r, int zeile, int spalte) {
    const int frei = r.width() - 2 * NamensRand;
    const int hoch = r.height() - KopfHoehe - ZeilenHoehe - NamensRand - 4;
    const int cw = std::clamp(frei / 6, 8, 76);
    const int ch = std::clamp(hoch / 6, 8, 40);
    const int x0 = r.left() + NamensRand + (frei - 6 * cw) / 2 + NamensRand / 2;
    const int y0 = r.top() + KopfHoehe + NamensRand + std::max(0, (hoch - 6 * ch) / 2);
    return QRect(x0 + spalte * cw, y0 + zeile * ch, cw, ch);
}

DiagrammTreffer WertUnter(QSize groesse, const InspektorSzene& s, QPoint pixel) {
    const InspektorAufteilung a = Aufteilen(groesse);
    const std::pair<QRect, const fuzzy::TFuzzy*> diagramme[2] = {{a.eingangA, &s.projekt.A},
                                                                 {a.eingangB, &s.projekt.B}};
    for (int k = 0; k < 2; ++k) {
        const fuzzy::TFuzzy& v = *diagramme[k].second;
        const QRect d = Diagrammbereich(diagramme[k].first);
        if (!v.Defined || !d.contains(pixel)) continue;
        // The columns of the plot area as the plot maps them.
        const int links = d.left() + PainterPlot::MarginX + PainterPlot::LabelWidth;
        const int breite = d.width() - 2 * PainterPlot::MarginX - PainterPlot::LabelWidth;
        if (breite <= 0 || pixel.x() < links - 6 || pixel.x() > links + breite + 6) continue;
        const double f = std::clamp(double(pixel.x() - links) / breite, 0.0, 1.0);
        const float roh = static_cast<float>(v.RangeMin + f * (double(v.RangeMax) - v.RangeMin));
        return {k + 1, RundeAufRaster(roh, v.RangeMin, v.RangeMax)};
    }
    return {};
}

std::array<int, 2> ZelleUnter(QSize groesse, QPoint pixel) {
    const QRect bereich = Aufteilen(groesse).regeln;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            if (RegelZelle(bereich, r, c).contains(pixel)) return {r, c};
    return {0, 0};
}

QString RegelText(const InspektorSzene& s, int r, int c) {
    const bool zwei = s.projekt.B.Defined;
    if (c < 1 || c > s.projekt.A.UsedTerms() || r < 1 || r > (zwei ? s.projekt.B.UsedTerms() : 1)) return {};
    const QString wenn = zwei ? QCoreApplication::translate("ansichten::Inspektor", "WENN %1 ist %2 UND %3 ist %4")
                                    .arg(Text(s.projekt.A.Name), Text(s.projekt.A.GetTermName(c)),
                                         Text(s.projekt.B.Name), Text(s.projekt.B.GetTermName(r)))
                              : QCoreApplication::translate("ansichten::Inspektor", "WENN %1 ist %2")
                                    .arg(Text(s.projekt.A.Name), Text(s.projekt.A.GetTermName(c)));
    const int k = s.projekt.Rules.Get(r, c);
    QString dann;
    if (k >= 1 && k <= s.projekt.Out.UsedTerms())
        dann = QCoreApplication::translate("ansichten::Inspektor", "DANN %1 ist %2")
                   .arg(Text(s.projekt.Out.Name), Text(s.projekt.Out.GetTermName(k)));
    else if (k == 0)
        dann = QCoreApplication::translate("ansichten::Inspektor", "keine Regel");
    else
        dann = QCoreApplication::translate("ansichten::Inspektor", "Eintrag %1 nennt keinen Ausgangsterm").arg(k);
    return QCoreApplication::translate("ansichten::Inspektor", "%1, %2 (Feuerstärke %3)")
        .arg(wenn, dann, Grad(s.auswertung.Strength[r - 1][c - 1]));
}

QString KeineRegelSatz(const InspektorSzene& s) {
    const fuzzy::StepBreakdown& e = s.auswertung;
    if (!s.projekt.A.Defined || !s.projekt.Out.Defined) return {};
    for (const float h : e.Activation)
        if (h != 0.0f) return {};
    return QString::fromStdString(fuzzy::NoRuleAtText(s.projekt, e.A, e.B));
}

float RundeAufRaster(float wert, float lo, float hi) {
    const double span = std::fabs(double(hi) - lo);
    if (!(span > 0.0) || !std::isfinite(span)) return wert;
    const double schritt = std::pow(10.0, std::floor(std::log10(span)) - 3.0);
    const float r = static_cast<float>(std::round(double(wert) / schritt) * schritt);
    return std::clamp(r, std::min(lo, hi), std::max(lo, hi));
}

QColor Schattierung(float staerke) {
    const double w = std::clamp(double(staerke), 0.0, 1.0);
    const QColor voll(255, 140, 30);
    auto mix = [w](int v) { return static_cast<int>(255 + (v - 255) * w + 0.5); };
    return QColor(mix(voll.red()), mix(voll.green()), mix(voll.blue()));
}

void MaleInspektor(QPainter& p, QSize groesse, const InspektorSzene& s) {
    p.save();
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    const InspektorAufteilung a = Aufteilen(groesse);
    const fuzzy::StepBreakdown& e = s.auswertung;
    if (!s.projekt.A.Defined) {
        p.setFont(widgets::PixelFont(widgets::SansFamily(), 14, false));
        p.setPen(Qt::black);
        p.drawText(QRect(QPoint(0, 0), groesse), Qt::AlignCenter,
                   QCoreApplication::translate("ansichten::Inspektor", "Kein Projekt geladen."));
        p.restore();
        return;
    }
    Eingang(p, a.eingangA, true, s.projekt.A, e.A, e.DegreeA);
    Eingang(p, a.eingangB, false, s.projekt.B, e.B, e.DegreeB);
    Regeln(p, a.regeln, s);
    Ausgabe(p, a.ausgang, s);
    p.restore();
}

}  // namespace ansichten
