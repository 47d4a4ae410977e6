#include "werkstatt/seiten/TermDiagramm.h"

#include "werkstatt/ansichten/Farbskala.h"
#include "werkstatt/ansichten/PainterPlot.h"
#include "werkstatt/kern/Bearbeitung.h"
#include "widgets/Zahlformat.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double Griffradius = 7.0;  // pixels around a handle that catch the mouse
constexpr int Griffgroesse = 9;
// The h handle hangs this far below the middle of the plateau, clear of b and
// c (a triangle's peak) and of the abbreviations above the plot area.
constexpr double HoehenAbstand = 14.0;
const char* const Griffnamen[] = {"", "a", "b", "c", "d", "h"};
}  // namespace

TTermDiagramm::TTermDiagramm(QWidget* parent) : TKoordinatensystem(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumSize(300, 180);
    // Every grid line labelled and a white ground: the diagram goes onto
    // worksheets as it is.
    setSkalenart(ganz);
    setKSFarbe(QColor(128, 128, 128));
    QImage weiss(1, 1, QImage::Format_RGB32);
    weiss.fill(Qt::white);
    SetBackground(weiss);
    setRasteranzahl(4);
    // The workshop's number style on the axes as well.
    Beschriftung = [](double v) { return zahl::Fest(v, 2); };
}

void TTermDiagramm::setVariable(const fuzzy::TFuzzy& v) {
    var_.Assign(v);
    ansichten::DruckFarben(var_);
    if (term_ > var_.UsedTerms()) term_ = var_.UsedTerms();
    if (term_ < 1 && var_.UsedTerms() > 0) term_ = 1;
    zeichnen();
}

void TTermDiagramm::setAusgewaehlterTerm(int term) {
    if (term < 0 || term > var_.UsedTerms() || term == term_) return;
    term_ = term;
    update();
}

void TTermDiagramm::setAktiverGriff(int param) {
    if (param < fuzzy::ParamA || param > fuzzy::ParamH) return;
    griff_ = param;
    update();
}

void TTermDiagramm::setMarke(std::optional<float> wert) {
    marke_ = wert;
    update();
}

// The plot component's grid falls at quarters of the range (-13.75, 35, ...)
// with labels where the term lines run; the workshop's diagram has round
// ticks, labels beside the plot area and terms told apart by dash pattern.
void TTermDiagramm::DrawAxes() {
    TCanvas& c = Canvas();
    c.setPenColor(ksFarbe());
    c.setPenStyle(Qt::DotLine);
    c.setPenWidth(1);
    c.setPenMode(fuzzy::PenMode::Copy);
    c.setFontColor(ksFarbe().darker(160));
    termNr_ = 0;
    labels_.clear();
    const int rowBottom = FracToPixelY(0.0f), rowTop = FracToPixelY(1.0f);
    const int colLeft = FracToPixelX(0.0f), colRight = FracToPixelX(1.0f);
    const float lo = std::min(x1(), x2()), hi = std::max(x1(), x2());
    const int h = c.TextHeight(QStringLiteral("0"));
    QRect letztes;
    for (double v : ansichten::AchsenTeilung(lo, hi, std::max(2, (colRight - colLeft) / 80))) {
        const int column = FracToPixelX(NormX(static_cast<float>(v)));
        c.MoveTo(column, rowBottom);
        c.LineTo(column, rowTop);
        const QString t = ansichten::AchsenZahl(v);
        const int w = c.TextWidth(t);
        QRect r(std::clamp(column - w / 2, 1, std::max(1, width() - w - 2)), rowBottom + h / 2 + 1, w, h);
        if (!letztes.isNull() && r.left() < letztes.right() + 8) continue;
        c.TextOut(r.left(), r.top(), t);
        labels_.push_back(r);
        letztes = r;
    }
    letztes = QRect();
    for (double v :
         ansichten::AchsenTeilung(std::min(y1(), y2()), std::max(y1(), y2()), std::max(1, (rowBottom - rowTop) / 35))) {
        const int row = FracToPixelY(NormY(static_cast<float>(v)));
        c.MoveTo(colLeft, row);
        c.LineTo(colRight, row);
        const QString t = ansichten::AchsenZahl(v);
        const int w = c.TextWidth(t);
        const QRect r(std::max(0, colLeft - 5 - w), row - h / 2, w, h);
        if (!letztes.isNull() && r.intersects(letztes.adjusted(0, -2, 0, 2))) continue;
        c.TextOut(r.left(), r.top(), t);
        labels_.push_back(r);
        letztes = r;
    }
    c.setFontColor(ksFarbe());
}

void TTermDiagramm::setGraphFarbe(fuzzy::TColor farbe) {
    TKoordinatensystem::setGraphFarbe(farbe);
    // Once per term, in term order, after the axes (see DrawTerms).
    ++termNr_;
}

void TTermDiagramm::LineToWorld(float x, float y) {
    // Cut at the plot area's columns: a corner far outside the range would
    // otherwise strike through the labels at the side.
    TCanvas& c = Canvas();
    const QPoint von = c.penPos();
    const QPoint bis(FracToPixelX(NormX(x)), FracToPixelY(NormY(y)));
    QLineF linie(von, bis);
    const QRectF spalten(FracToPixelX(0.0f), -1.0e6, FracToPixelX(1.0f) - FracToPixelX(0.0f), 2.0e6);
    if (bis != von && ansichten::Beschneiden(linie, spalten)) {
        c.setPenColor(graphFarbe());
        // One pixel wide: the canvas draws broader pens solid.
        c.setPenStyle(ansichten::TermStil(termNr_));
        c.setPenWidth(1);
        c.setPenMode(fuzzy::PenMode::Copy);
        c.MoveTo(linie.p1().toPoint().x(), linie.p1().toPoint().y());
        c.LineTo(linie.p2().toPoint().x(), linie.p2().toPoint().y());
    }
    c.MoveTo(bis.x(), bis.y());
}

void TTermDiagramm::TextOut(int column, int row, const std::string& text) {
    if (text.empty()) return;
    TCanvas& c = Canvas();
    const QString t = QString::fromStdString(text);
    const int w = c.TextWidth(t), h = c.TextHeight(t);
    // Neighbouring terms' labels ran together ("NKNUPK"): one that meets a
    // label already written moves a line down; all stay in the diagram.
    QRect r(std::clamp(column, 1, std::max(1, width() - w - 2)), row, w, h);
    for (int versuch = 0; versuch < 4; ++versuch) {
        bool frei = true;
        for (const QRect& q : labels_)
            if (r.adjusted(-3, 0, 3, 0).intersects(q)) frei = false;
        if (frei) break;
        r.translate(0, h);
    }
    labels_.push_back(r);
    const QColor farbe = c.fontColor();
    c.setFontColor(farbe.darker(125));
    c.TextOut(r.left(), r.top(), t);
    c.setFontColor(farbe);
}

void TTermDiagramm::zeichnen() {
    // A hidden diagram draws when it is shown again.
    if (!isVisible()) return;
    Refresh();
    if (var_.Defined) var_.DrawTerms(*this);
    update();
}

QPointF TTermDiagramm::griffPosition(int term, int param) const {
    const float a = var_.GetParam(term, 1), b = var_.GetParam(term, 2), c = var_.GetParam(term, 3),
                d = var_.GetParam(term, 4), h = var_.GetParam(term, 5);
    auto punkt = [this](float x, float y) {
        return QPointF(FracToPixelX(NormX(x)), FracToPixelY(NormY(std::clamp(y, y1(), y2()))));
    };
    switch (param) {
    case fuzzy::ParamA: return punkt(a, 0.0f);
    case fuzzy::ParamB: return punkt(b, h);
    case fuzzy::ParamC: return punkt(c, h);
    case fuzzy::ParamD: return punkt(d, 0.0f);
    default: return punkt(b + (c - b) / 2.0f, h) + QPointF(0.0, HoehenAbstand);
    }
}

std::optional<std::pair<int, int>> TTermDiagramm::griffBei(QPointF pos) const {
    std::optional<std::pair<int, int>> best;
    double bestDist = Griffradius;
    auto pruefe = [&](int term, double bonus) {
        for (int p = fuzzy::ParamA; p <= fuzzy::ParamH; ++p) {
            const QPointF g = griffPosition(term, p);
            double dist = std::hypot(g.x() - pos.x(), g.y() - pos.y()) - bonus;
            // b and c of a triangle coincide: the side of the press decides.
            if (p == fuzzy::ParamB && pos.x() > g.x()) dist += 0.5;
            if (p == fuzzy::ParamC && pos.x() < g.x()) dist += 0.5;
            if (dist < bestDist) {
                bestDist = dist;
                best = std::make_pair(term, p);
            }
        }
    };
    if (term_ >= 1) pruefe(term_, 2.0);
    for (int t = 1; t <= var_.UsedTerms(); ++t)
        if (t != term_) pruefe(t, 0.0);
    return best;
}

float TTermDiagramm::weltwert(int param, QPointF pos) const {
    if (param == fuzzy::ParamH)
        return FracToWorldY(PixelToFracY(static_cast<int>(std::lround(pos.y() - HoehenAbstand))));
    return FracToWorldX(PixelToFracX(static_cast<int>(std::lround(pos.x()))));
}

void TTermDiagramm::paintEvent(QPaintEvent* event) {
    TKoordinatensystem::paintEvent(event);
    if (!var_.Defined) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (marke_) {
        const double x = FracToPixelX(NormX(*marke_));
        QPen pen(QColor(60, 60, 60), 1.5, Qt::DashLine);
        p.setPen(pen);
        p.drawLine(QPointF(x, FracToPixelY(0.0f)), QPointF(x, FracToPixelY(1.0f)));
    }
    if (term_ < 1 || term_ > var_.UsedTerms()) return;
    const QColor farbe = widgets::ToQColor(var_.GetColour(term_));
    // The h handle hangs on a thin line below the plateau.
    const QPointF hg = griffPosition(term_, fuzzy::ParamH);
    p.setPen(QPen(farbe, 1.0, Qt::DotLine));
    p.drawLine(hg, hg - QPointF(0.0, HoehenAbstand));
    for (int g = fuzzy::ParamA; g <= fuzzy::ParamH; ++g) {
        const QPointF pos = griffPosition(term_, g);
        const bool aktiv = g == griff_ && (hasFocus() || ziehen_);
        p.setPen(QPen(aktiv ? Qt::black : farbe.darker(150), aktiv ? 2.0 : 1.0));
        p.setBrush(aktiv ? QColor(Qt::yellow) : QColor(Qt::white));
        const QRectF r(pos.x() - Griffgroesse / 2.0, pos.y() - Griffgroesse / 2.0, Griffgroesse, Griffgroesse);
        if (g == fuzzy::ParamH)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }
    if (hasFocus() || ziehen_) {
        // The active handle's name and value, for reading off while moving.
        const QPointF pos = griffPosition(term_, griff_);
        const QString text = QStringLiteral("%1 = %2").arg(QString::fromLatin1(Griffnamen[griff_]),
                                                           zahl::Kurz(var_.GetParam(term_, griff_)));
        p.setPen(Qt::black);
        const QRectF box = p.fontMetrics().boundingRect(text).adjusted(-3, -1, 3, 1);
        QPointF links(pos.x() + 8, pos.y() - 8 - box.height());
        if (links.x() + box.width() > width()) links.setX(pos.x() - 8 - box.width());
        if (links.y() < 0) links.setY(pos.y() + 8);
        const QRectF feld(links, box.size());
        p.setBrush(QColor(255, 255, 225));
        p.drawRect(feld);
        p.drawText(feld, Qt::AlignCenter, text);
    }
}

void TTermDiagramm::resizeEvent(QResizeEvent* event) {
    TKoordinatensystem::resizeEvent(event);
    zeichnen();
}

void TTermDiagramm::showEvent(QShowEvent* event) {
    TKoordinatensystem::showEvent(event);
    zeichnen();
}

void TTermDiagramm::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const auto g = griffBei(event->position());
    if (!g) return;
    if (g->first != term_) {
        term_ = g->first;
        emit termGewaehlt(term_);
    }
    griff_ = g->second;
    ziehen_ = true;
    ersterZug_ = true;
    // A press right on a triangle's peak, where b and c meet: the first move
    // decides, to the right c, to the left b.
    spitze_ = false;
    if (griff_ == fuzzy::ParamB || griff_ == fuzzy::ParamC) {
        const QPointF pb = griffPosition(term_, fuzzy::ParamB), pc = griffPosition(term_, fuzzy::ParamC);
        spitze_ = std::fabs(pb.x() - pc.x()) < 0.5 && std::fabs(event->position().x() - pb.x()) < 0.5;
    }
    druckX_ = event->position().x();
    update();
}

void TTermDiagramm::mouseMoveEvent(QMouseEvent* event) {
    if (!ziehen_ || !(event->buttons() & Qt::LeftButton)) return;
    if (spitze_ && event->position().x() != druckX_) {
        griff_ = event->position().x() > druckX_ ? fuzzy::ParamC : fuzzy::ParamB;
        spitze_ = false;
    }
    // The handle snaps to the grid of the keyboard's step; Ctrl moves it freely.
    const float wert = werkstatt::GriffGezogen(var_, griff_, weltwert(griff_, event->position()),
                                               event->modifiers().testFlag(Qt::ControlModifier));
    const bool neu = ersterZug_;
    ersterZug_ = false;
    emit griffBewegt(term_, griff_, wert, neu);
}

void TTermDiagramm::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    ziehen_ = false;
    update();
}

bool TTermDiagramm::event(QEvent* e) {
    // Tab walks through the five handles before it leaves the diagram.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            griff_ < fuzzy::ParamH && term_ >= 1) {
            setAktiverGriff(griff_ + 1);
            return true;
        }
        if (k->key() == Qt::Key_Backtab && griff_ > fuzzy::ParamA && term_ >= 1) {
            setAktiverGriff(griff_ - 1);
            return true;
        }
    }
    return TKoordinatensystem::event(e);
}

void TTermDiagramm::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        const int t = key - Qt::Key_0;
        if (t <= var_.UsedTerms()) {
            term_ = t;
            emit termGewaehlt(t);
            update();
        }
        return;
    }
    if (term_ < 1 || term_ > var_.UsedTerms()) {
        TKoordinatensystem::keyPressEvent(event);
        return;
    }
    int richtung = 0;
    if (griff_ == fuzzy::ParamH) {
        if (key == Qt::Key_Up || key == Qt::Key_Right) richtung = 1;
        if (key == Qt::Key_Down || key == Qt::Key_Left) richtung = -1;
    } else {
        if (key == Qt::Key_Right) richtung = 1;
        if (key == Qt::Key_Left) richtung = -1;
    }
    if (richtung == 0) {
        TKoordinatensystem::keyPressEvent(event);
        return;
    }
    emit griffBewegt(
        term_, griff_,
        werkstatt::GriffTaste(var_, term_, griff_, richtung, event->modifiers().testFlag(Qt::ShiftModifier)), true);
}

void TTermDiagramm::focusInEvent(QFocusEvent* event) {
    TKoordinatensystem::focusInEvent(event);
    update();
}

void TTermDiagramm::focusOutEvent(QFocusEvent* event) {
    TKoordinatensystem::focusOutEvent(event);
    update();
}
