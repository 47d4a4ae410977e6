#include "werkstatt/labor/TermVergleich.h"

#include "tuning/Moves.h"
#include "tuning/Tuner.h"
#include "werkstatt/labor/Zahl.h"
#include "widgets/Fonts.h"
#include "widgets/Ks.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace labor {

namespace {

constexpr int Rand = 6;
constexpr int PlotHoehe = 54;  // the membership axis of one diagram, px
// The colour of a moved term: a darker shade of the changed cells' yellow.
const QColor Geaendert(0xc0, 0x70, 0x00);

// A range end with as few decimals as it needs (at most three).
QString Ende(double v) {
    int stellen = 0;
    while (stellen < 3 && std::fabs(v * std::pow(10.0, stellen) - std::round(v * std::pow(10.0, stellen))) > 1e-6)
        ++stellen;
    return Zahl(v, stellen);
}

bool IstGeaendert(const std::vector<tuning::TermChange>& changes, int welche, int term) {
    return std::any_of(changes.begin(), changes.end(),
                       [&](const tuning::TermChange& c) { return c.Variable == welche && c.Term == term; });
}

QFont Klein(const QFont& f) {
    QFont klein = f;
    klein.setPointSizeF(std::max(6.0, f.pointSizeF() * 0.85));
    return klein;
}

}  // namespace

TermVergleich::TermVergleich(QWidget* parent) : QWidget(parent) {
    QSizePolicy politik(QSizePolicy::Expanding, QSizePolicy::Fixed);
    politik.setHeightForWidth(true);
    setSizePolicy(politik);
}

int TermVergleich::Diagramme() const { return Zeigen_ && !Zeigen_->B.Defined ? 2 : 3; }

int TermVergleich::DiagrammHoehe() const {
    // Name, abbreviations, the plot, the range's ends, a gap.
    return fontMetrics().height() + QFontMetrics(Klein(font())).height() + PlotHoehe + fontMetrics().height() + 6;
}

QString TermVergleich::unterschrift() const {
    if (!Zeigen_ || !Vergleich_) return {};
    if (Geaendert_.isEmpty()) return tr("Terme unverändert");
    // "Abstand in cm: nah, mittel; Kraft in N: null": one group per variable.
    QStringList gruppen;
    for (const int welche : {0, 1, 2}) {
        QStringList terme;
        const std::vector<tuning::TermChange> changes = tuning::ChangedTerms(*Vergleich_, *Zeigen_);
        for (const tuning::TermChange& c : changes)
            if (c.Variable == welche)
                terme << QString::fromStdString(tuning::Variable(*Zeigen_, welche).GetTermName(c.Term));
        if (!terme.isEmpty())
            gruppen << QStringLiteral("%1: %2").arg(QString::fromStdString(tuning::Variable(*Zeigen_, welche).Name),
                                                    terme.join(QStringLiteral(", ")));
    }
    return tr("Geänderte Terme (fett, vorher gestrichelt): %1").arg(gruppen.join(QStringLiteral("; ")));
}

int TermVergleich::UnterschriftHoehe(int breite) const {
    const QString text = unterschrift();
    if (text.isEmpty()) return 0;
    const int w = std::max(40, breite - 2 * Rand);
    return fontMetrics().boundingRect(QRect(0, 0, w, 100000), Qt::TextWordWrap, text).height() + 4;
}

int TermVergleich::heightForWidth(int breite) const {
    return 2 * Rand + Diagramme() * DiagrammHoehe() + UnterschriftHoehe(breite);
}

QSize TermVergleich::sizeHint() const { return {360, heightForWidth(360)}; }

QSize TermVergleich::minimumSizeHint() const { return {240, heightForWidth(width() > 0 ? width() : 360)}; }

void TermVergleich::setProjekte(const fuzzy::Project& zeigen, const fuzzy::Project* vergleich) {
    Zeigen_ = zeigen;
    Vergleich_.reset();
    if (vergleich) Vergleich_ = *vergleich;
    Geaendert_.clear();
    if (Vergleich_)
        for (const tuning::TermChange& c : tuning::ChangedTerms(*Vergleich_, zeigen)) {
            const fuzzy::TFuzzy& v = tuning::Variable(zeigen, c.Variable);
            Geaendert_ << QStringLiteral("%1: %2").arg(QString::fromStdString(v.Name),
                                                       QString::fromStdString(v.GetTermName(c.Term)));
        }
    updateGeometry();
    update();
}

void TermVergleich::leeren() {
    Zeigen_.reset();
    Vergleich_.reset();
    Geaendert_.clear();
    updateGeometry();
    update();
}

void TermVergleich::paintEvent(QPaintEvent*) {
    QPainter p(this);
    malen(p, size());
}

void TermVergleich::malen(QPainter& p, QSize groesse) const {
    if (!Zeigen_) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font());
    std::vector<int> welche{0};
    if (Zeigen_->B.Defined) welche.push_back(1);
    welche.push_back(2);
    double y = Rand;
    for (const int w : welche) {
        Variable(p, QRectF(Rand, y, groesse.width() - 2.0 * Rand, DiagrammHoehe() - 6), w);
        y += DiagrammHoehe();
    }
    // The caption says in words what the bold lines show.
    const QString text = unterschrift();
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(Rand, y, groesse.width() - 2.0 * Rand, UnterschriftHoehe(groesse.width())), Qt::TextWordWrap,
               text);
    p.restore();
}

void TermVergleich::Variable(QPainter& p, const QRectF& feld, int welche) const {
    const fuzzy::TFuzzy& v = tuning::Variable(*Zeigen_, welche);
    const fuzzy::TFuzzy* alt = Vergleich_ ? &tuning::Variable(*Vergleich_, welche) : nullptr;
    const std::vector<tuning::TermChange> changes =
        Vergleich_ ? tuning::ChangedTerms(*Vergleich_, *Zeigen_) : std::vector<tuning::TermChange>{};
    const int zeile = p.fontMetrics().height();
    const QFont klein = Klein(p.font());
    const int kleineZeile = QFontMetrics(klein).height();
    const QColor text = palette().color(QPalette::WindowText);
    p.setPen(text);
    p.drawText(QRectF(feld.left(), feld.top(), feld.width(), zeile), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(v.Name));
    const QRectF plot(feld.left() + 4, feld.top() + zeile + kleineZeile + 2, feld.width() - 8, PlotHoehe);
    const double lo = v.RangeMin, hi = v.RangeMax;
    if (!(hi > lo) || plot.width() < 10) return;
    auto px = [&](double x) { return plot.left() + (std::clamp(x, lo, hi) - lo) / (hi - lo) * plot.width(); };
    auto py = [&](double h) { return plot.bottom() - std::clamp(h, 0.0, 1.0) * plot.height(); };
    // The axis, and the range's ends below it.
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    p.setPen(text);
    const QRectF unten(plot.left() - 2, plot.bottom() + 1, plot.width() + 4, zeile);
    p.drawText(unten, Qt::AlignLeft | Qt::AlignTop, Ende(lo));
    p.drawText(unten, Qt::AlignRight | Qt::AlignTop, Ende(hi));
    auto form = [&](const fuzzy::TFuzzy& var, int t) {
        QPainterPath pfad;
        const double h = var.GetParam(t, fuzzy::ParamH);
        pfad.moveTo(px(var.GetParam(t, fuzzy::ParamA)), py(0));
        pfad.lineTo(px(var.GetParam(t, fuzzy::ParamB)), py(h));
        pfad.lineTo(px(var.GetParam(t, fuzzy::ParamC)), py(h));
        pfad.lineTo(px(var.GetParam(t, fuzzy::ParamD)), py(0));
        return pfad;
    };
    p.save();
    p.setClipRect(plot.adjusted(-2, -2, 2, 1));
    // The unchanged terms first, the old shapes of the moved ones over them,
    // the moved ones on top.
    for (int t = 1; t <= v.UsedTerms(); ++t)
        if (!IstGeaendert(changes, welche, t)) {
            p.setPen(QPen(widgets::ToQColor(v.GetColour(t)), 1.2));
            p.drawPath(form(v, t));
        }
    if (alt)
        for (int t = 1; t <= v.UsedTerms(); ++t)
            if (IstGeaendert(changes, welche, t)) {
                p.setPen(QPen(palette().color(QPalette::Dark), 1.2, Qt::DashLine));
                p.drawPath(form(*alt, t));
            }
    for (int t = 1; t <= v.UsedTerms(); ++t)
        if (IstGeaendert(changes, welche, t)) {
            p.setPen(QPen(Geaendert, 2.6));
            p.drawPath(form(v, t));
        }
    p.restore();
    // The terms' abbreviations above their peaks, as in the editor, moved
    // apart where two would overlap.
    p.setFont(klein);
    const QFontMetrics fm(klein);
    double frei = plot.left();
    for (int t = 1; t <= v.UsedTerms(); ++t) {
        const QString kurz = QString::fromStdString(v.GetTermAbbrev(t));
        const double mitte = (std::clamp(double(v.GetParam(t, fuzzy::ParamB)), lo, hi) +
                              std::clamp(double(v.GetParam(t, fuzzy::ParamC)), lo, hi)) /
                             2.0;
        const double breite = fm.horizontalAdvance(kurz) + 2.0;
        const double links = std::min(std::max(px(mitte) - breite / 2.0, frei), plot.right() - breite);
        p.setPen(IstGeaendert(changes, welche, t) ? Geaendert : widgets::ToQColor(v.GetColour(t)));
        p.drawText(QRectF(links, feld.top() + zeile, breite, kleineZeile), Qt::AlignCenter, kurz);
        frei = links + breite + 3.0;
    }
    p.setFont(font());
}

}  // namespace labor
