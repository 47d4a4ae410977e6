#include "werkstatt/labor/TermVergleich.h"

#include "tuning/Moves.h"
#include "tuning/Tuner.h"
#include "werkstatt/labor/Zahl.h"
#include "widgets/Fonts.h"
#include "widgets/Ks.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace labor {

namespace {

constexpr int DiagrammHoehe = 62;  // each variable's diagram, with its name above
constexpr int Rand = 6;

// A range end with as few decimals as it needs (at most three).
QString Ende(double v) {
    int stellen = 0;
    while (stellen < 3 && std::fabs(v * std::pow(10.0, stellen) - std::round(v * std::pow(10.0, stellen))) > 1e-6)
        ++stellen;
    return Zahl(v, stellen);
}

bool Geaendert(const std::vector<tuning::TermChange>& changes, int welche, int term) {
    return std::any_of(changes.begin(), changes.end(),
                       [&](const tuning::TermChange& c) { return c.Variable == welche && c.Term == term; });
}

}  // namespace

TermVergleich::TermVergleich(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TermVergleich::sizeHint() const { return {360, minimumSizeHint().height()}; }

QSize TermVergleich::minimumSizeHint() const {
    const int n = Zeigen_ && Zeigen_->B.Defined ? 3 : 2;
    return {240, n * DiagrammHoehe + 2 * Rand + fontMetrics().height() + 4};
}

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
    const int zeile = p.fontMetrics().height();
    std::vector<int> welche{0};
    if (Zeigen_->B.Defined) welche.push_back(1);
    welche.push_back(2);
    double y = Rand;
    for (const int w : welche) {
        Variable(p, QRectF(Rand, y, groesse.width() - 2.0 * Rand, DiagrammHoehe - 4), w);
        y += DiagrammHoehe;
    }
    // The caption says in words what the bold lines show.
    QString unterschrift;
    if (Vergleich_)
        unterschrift = Geaendert_.isEmpty() ? tr("Terme unverändert")
                                            : tr("Geänderte Terme (fett, vorher gestrichelt): %1")
                                                  .arg(Geaendert_.join(QStringLiteral("; ")));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(Rand, y, groesse.width() - 2.0 * Rand, zeile * 3), Qt::TextWordWrap, unterschrift);
    p.restore();
}

void TermVergleich::Variable(QPainter& p, const QRectF& feld, int welche) const {
    const fuzzy::TFuzzy& v = tuning::Variable(*Zeigen_, welche);
    const fuzzy::TFuzzy* alt = Vergleich_ ? &tuning::Variable(*Vergleich_, welche) : nullptr;
    const std::vector<tuning::TermChange> changes =
        Vergleich_ ? tuning::ChangedTerms(*Vergleich_, *Zeigen_) : std::vector<tuning::TermChange>{};
    const int zeile = p.fontMetrics().height();
    const QColor text = palette().color(QPalette::WindowText);
    p.setPen(text);
    p.drawText(QRectF(feld.left(), feld.top(), feld.width(), zeile), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(v.Name));
    const QRectF plot(feld.left() + 4, feld.top() + zeile + 2, feld.width() - 8, feld.height() - 2 * zeile - 4);
    const double lo = v.RangeMin, hi = v.RangeMax;
    if (!(hi > lo) || plot.width() < 10 || plot.height() < 10) return;
    auto px = [&](double x) { return plot.left() + (std::clamp(x, lo, hi) - lo) / (hi - lo) * plot.width(); };
    auto py = [&](double h) { return plot.bottom() - std::clamp(h, 0.0, 1.0) * plot.height(); };
    // The range's ends, labelled below the axis.
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
    p.setClipRect(plot.adjusted(-1, -2, 1, 1));
    for (int t = 1; t <= v.UsedTerms(); ++t) {
        const bool geaendert = Geaendert(changes, welche, t);
        QColor farbe = widgets::ToQColor(v.GetColour(t));
        if (geaendert && alt) {
            QColor blass = farbe;
            blass.setAlpha(110);
            p.setPen(QPen(blass, 1.2, Qt::DashLine));
            p.drawPath(form(*alt, t));
        }
        p.setPen(QPen(farbe, geaendert ? 2.6 : 1.2));
        p.drawPath(form(v, t));
    }
    p.restore();
    // The terms' abbreviations above their peaks, as in the editor.
    QFont klein = p.font();
    klein.setPointSizeF(std::max(6.0, klein.pointSizeF() * 0.85));
    p.setFont(klein);
    for (int t = 1; t <= v.UsedTerms(); ++t) {
        const double mitte = (std::clamp(double(v.GetParam(t, fuzzy::ParamB)), lo, hi) +
                              std::clamp(double(v.GetParam(t, fuzzy::ParamC)), lo, hi)) /
                             2.0;
        p.setPen(widgets::ToQColor(v.GetColour(t)));
        p.drawText(QRectF(px(mitte) - 20, plot.top() - zeile + 2, 40, zeile), Qt::AlignCenter,
                   QString::fromStdString(v.GetTermAbbrev(t)));
    }
    p.setFont(font());
}

}  // namespace labor
