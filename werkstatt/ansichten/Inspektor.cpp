#include "werkstatt/ansichten/Inspektor.h"

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "widgets/Fonts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace ansichten {

namespace {

// The scene on screen: painted by the inspector's one painting function.
class InspektorBild : public SzenenBild {
public:
    explicit InspektorBild(Inspektor& owner)
        : SzenenBild(
              &owner, QStringLiteral("inspektor"), [&owner](QPainter& p, QSize g) { owner.malen(p, g); },
              [&owner] { return QString::fromStdString(owner.szene().projekt.Out.Name); }),
          owner_(owner) {
        // Narrow enough for a 1024 px screen beside the exercise panel: the
        // picture's lines of degrees shrink their type to fit.
        setMinimumSize(480, 420);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) owner_.MausImBild(e->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons() & Qt::LeftButton) owner_.MausImBild(e->position().toPoint());
    }
    bool event(QEvent* e) override {
        // Over a rule cell, the tooltip reads the rule in words.
        if (e->type() == QEvent::ToolTip) {
            auto* h = static_cast<QHelpEvent*>(e);
            const auto z = ZelleUnter(size(), h->pos());
            const QString text = z[0] ? RegelText(owner_.szene(), z[0], z[1]) : QString();
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(h->globalPos(), text, this);
            return true;
        }
        return QWidget::event(e);
    }

private:
    Inspektor& owner_;
};

float Mitte(const fuzzy::TFuzzy& v) { return static_cast<float>((double(v.RangeMin) + v.RangeMax) / 2.0); }

float Begrenzt(float x, const fuzzy::TFuzzy& v) {
    const float lo = std::min(v.RangeMin, v.RangeMax), hi = std::max(v.RangeMin, v.RangeMax);
    if (std::isnan(x)) return lo;
    return std::clamp(x, lo, hi);
}

// Bit for bit, as the lab's promise says: not merely equal (-0 and 0 are
// equal), and a NaN is the same as the same NaN.
bool Bitgleich(float x, float y) {
    std::uint32_t a = 0, b = 0;
    std::memcpy(&a, &x, sizeof a);
    std::memcpy(&b, &y, sizeof b);
    return a == b;
}

QString Name(const fuzzy::TFuzzy& v) { return QString::fromStdString(v.Name).toHtmlEscaped(); }

// Where a run's input lies beyond its range, and how far. Empty inside.
QString Jenseits(const fuzzy::TFuzzy& v, float x) {
    const float lo = std::min(v.RangeMin, v.RangeMax), hi = std::max(v.RangeMin, v.RangeMax);
    if (!(x < lo || x > hi)) return {};
    const QString satz =
        x > hi ? QCoreApplication::translate("ansichten::Inspektor", "%1 liegt %2 über dem Bereich (%3 bis %4)")
               : QCoreApplication::translate("ansichten::Inspektor", "%1 liegt %2 unter dem Bereich (%3 bis %4)");
    const float abstand = static_cast<float>(x > hi ? double(x) - hi : double(lo) - x);
    return satz.arg(Name(v), Rechenwert(abstand, v), Rechenwert(lo, v), Rechenwert(hi, v));
}

// The line above the scene for a step of a run: where it comes from, its
// inputs and what the run applied, and whether that is what is shown here.
QString SchrittText(const fuzzy::Project& p, const Laufschritt& s, float hier) {
    const QString eingaben =
        p.B.Defined
            ? QCoreApplication::translate("ansichten::Inspektor", "%1 = %2, %3 = %4")
                  .arg(Name(p.A), Rechenwert(s.A, p.A), Name(p.B), Rechenwert(s.B, p.B))
            : QCoreApplication::translate("ansichten::Inspektor", "%1 = %2").arg(Name(p.A), Rechenwert(s.A, p.A));
    const QString satz =
        Bitgleich(s.Angewandt, hier)
            ? QCoreApplication::translate("ansichten::Inspektor",
                                          "<b>%1</b>: %2. Der Lauf wandte %3 = %4 an, genau den Wert, den der "
                                          "Inspektor hier berechnet.")
            : QCoreApplication::translate("ansichten::Inspektor",
                                          "<b>%1</b>: %2. Der Lauf wandte %3 = %4 an; <span "
                                          "style='color:#a00000'>hier ergibt sich ein anderer Wert, das Projekt "
                                          "wurde nach dem Lauf geändert.</span>");
    QString text = satz.arg(s.Herkunft.toHtmlEscaped(), eingaben, Name(p.Out), Rechenwert(s.Angewandt, p.Out));
    // What follows from inputs beyond their ranges: the controller takes
    // them as they are (the terms' corners decide their degrees there), only
    // the sliders stop at the ranges' ends.
    QStringList jenseits;
    for (const auto& [v, x] : {std::pair{&p.A, s.A}, std::pair{&p.B, s.B}})
        if (v->Defined && (v == &p.A || p.B.Defined))
            if (QString j = Jenseits(*v, x); !j.isEmpty()) jenseits << j;
    if (jenseits.size() == 1)
        text += QLatin1Char(' ') + QCoreApplication::translate("ansichten::Inspektor",
                                                               "%1: Der Regler rechnet mit diesem Wert, nur der "
                                                               "Schieber bleibt am Ende des Bereichs stehen.")
                                       .arg(jenseits[0]);
    else if (jenseits.size() == 2)
        text += QLatin1Char(' ') + QCoreApplication::translate("ansichten::Inspektor",
                                                               "%1 und %2: Der Regler rechnet mit diesen Werten, nur "
                                                               "die Schieber bleiben an den Enden der Bereiche stehen.")
                                       .arg(jenseits[0], jenseits[1]);
    return text;
}

}  // namespace

// --- ZahlFeld ------------------------------------------------------------

ZahlFeld::ZahlFeld(QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(6);
    setKeyboardTracking(false);
    setAccelerated(true);
    setMinimumWidth(110);
    setAlignment(Qt::AlignRight);
}

QString ZahlFeld::textFromValue(double value) const { return KurzeZahl(static_cast<float>(value)); }

double ZahlFeld::valueFromText(const QString& text) const {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    t.replace(QChar(0x2212), QLatin1Char('-'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : value();
}

QValidator::State ZahlFeld::validate(QString& text, int&) const {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    t.replace(QChar(0x2212), QLatin1Char('-'));
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+") || t == QLatin1String(".") ||
        t.endsWith(QLatin1Char('e'), Qt::CaseInsensitive))
        return QValidator::Intermediate;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok) return QValidator::Invalid;
    return (v >= minimum() && v <= maximum()) ? QValidator::Acceptable : QValidator::Intermediate;
}

// --- Inspektor -----------------------------------------------------------

Inspektor::Inspektor(QWidget* parent) : QWidget(parent) {
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 13, false);
    const QFont fett = widgets::PixelFont(widgets::SansFamily(), 13, true);
    setFont(schrift);

    nameA_ = new QLabel(this);
    nameB_ = new QLabel(this);
    schieberA_ = new QSlider(Qt::Horizontal, this);
    schieberB_ = new QSlider(Qt::Horizontal, this);
    feldA_ = new ZahlFeld(this);
    feldB_ = new ZahlFeld(this);
    nichtVerwendet_ = new QLabel(tr("nicht verwendet"), this);
    ausgangLabel_ = new QLabel(this);
    ausgangLabel_->setFont(fett);
    ausgangLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ausgangLabel_->setWordWrap(true);
    keineRegel_ = new QLabel(this);
    keineRegel_->setWordWrap(true);
    keineRegel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    keineRegel_->setStyleSheet(QStringLiteral("color: #a00000;"));
    keineRegel_->hide();
    speichern_ = new QPushButton(tr("Bild speichern…"), this);
    schrittLabel_ = new QLabel(this);
    schrittLabel_->setObjectName(QStringLiteral("schritt"));
    schrittLabel_->setWordWrap(true);
    schrittLabel_->setTextFormat(Qt::RichText);
    schrittLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    schrittLabel_->setStyleSheet(QStringLiteral("background: #fff6d0; padding: 3px;"));
    schrittLabel_->hide();
    bild_ = new InspektorBild(*this);

    for (QSlider* s : {schieberA_, schieberB_}) {
        s->setRange(0, SchieberSchritte);
        s->setSingleStep(5);
        s->setPageStep(50);
        s->setMinimumWidth(160);
    }

    auto* regler = new QGridLayout;
    regler->addWidget(nameA_, 0, 0);
    regler->addWidget(schieberA_, 0, 1);
    regler->addWidget(feldA_, 0, 2);
    regler->addWidget(nameB_, 1, 0);
    regler->addWidget(schieberB_, 1, 1);
    regler->addWidget(feldB_, 1, 2);
    regler->addWidget(nichtVerwendet_, 1, 1, 1, 2);
    regler->setColumnStretch(1, 1);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(ausgangLabel_);
    rechts->addWidget(keineRegel_);
    rechts->addStretch(1);
    rechts->addWidget(speichern_, 0, Qt::AlignRight);

    auto* oben = new QHBoxLayout;
    oben->addLayout(regler, 3);
    oben->addSpacing(16);
    oben->addLayout(rechts, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(schrittLabel_);
    layout->addWidget(bild_, 1);

    connect(schieberA_, &QSlider::valueChanged, this, &Inspektor::SchieberBewegt);
    connect(schieberB_, &QSlider::valueChanged, this, &Inspektor::SchieberBewegt);
    connect(feldA_, &QDoubleSpinBox::valueChanged, this, &Inspektor::FeldGeaendert);
    connect(feldB_, &QDoubleSpinBox::valueChanged, this, &Inspektor::FeldGeaendert);
    connect(speichern_, &QPushButton::clicked, this, &Inspektor::bildSpeichern);

    Anzeigen();
}

void Inspektor::setSchmal() {
    // The step sets the inputs here; narrow sliders and names that wrap
    // leave the room to an exercise beside the lab on a 1280 px screen.
    for (QSlider* s : {schieberA_, schieberB_}) s->setMinimumWidth(50);
    for (QLabel* l : {nameA_, nameB_}) l->setWordWrap(true);
    bild_->setMinimumSize(400, 300);
}

void Inspektor::setProjekt(const fuzzy::Project& p) {
    // The step belonged to a run of the project before this edit.
    schritt_.reset();
    const float altA = szene_.auswertung.A, altB = szene_.auswertung.B;
    szene_.projekt = p;
    const fuzzy::TFuzzy& A = p.A;
    const fuzzy::TFuzzy& B = p.B;
    // A project seen for the first time starts in the middle of both ranges.
    szene_.auswertung.A = Begrenzt(gesetzt_ ? altA : Mitte(A), A);
    szene_.auswertung.B = B.Defined ? Begrenzt(gesetzt_ ? altB : Mitte(B), B) : altB;
    gesetzt_ = true;
    BreakDownStep(szene_.auswertung.A != altA || szene_.auswertung.B != altB);
}

void Inspektor::setEingaben(float a, float b) {
    const float altA = szene_.auswertung.A, altB = szene_.auswertung.B;
    schritt_.reset();
    szene_.auswertung.A = Begrenzt(a, szene_.projekt.A);
    if (szene_.projekt.B.Defined) szene_.auswertung.B = Begrenzt(b, szene_.projekt.B);
    BreakDownStep(szene_.auswertung.A != altA || szene_.auswertung.B != altB);
}

void Inspektor::zeigeSchritt(const Laufschritt& s) {
    // Exactly the run's inputs, not limited to the ranges: the step must
    // give the very output the run applied. The sliders stop at the ends.
    szene_.auswertung.A = s.A;
    szene_.auswertung.B = s.B;
    gesetzt_ = true;
    schritt_ = s;
    BreakDownStep(true);
}

void Inspektor::BreakDownStep(bool melden) {
    const float a = szene_.auswertung.A, b = szene_.auswertung.B;
    szene_.auswertung = fuzzy::BreakDownStep(szene_.projekt, a, b);
    szene_.auswertung.B = b;
    Anzeigen();
    if (melden) emit eingabenGeaendert(a, b);
}

void Inspektor::Einstellen(QSlider* s, ZahlFeld* f, const fuzzy::TFuzzy& v, float wert) {
    const QSignalBlocker sb(s), fb(f);
    const double lo = std::min(v.RangeMin, v.RangeMax), hi = std::max(v.RangeMin, v.RangeMax);
    // A run's step shows its own input, also beyond the range; the slider
    // stops at the end.
    const bool schritt = schritt_.has_value() && std::isfinite(wert);
    f->setRange(schritt ? std::min<double>(lo, wert) : lo, schritt ? std::max<double>(hi, wert) : hi);
    f->setSingleStep(hi > lo ? (hi - lo) / 100.0 : 1.0);
    f->setValue(wert);
    s->setEnabled(hi > lo);
    s->setValue(hi > lo ? static_cast<int>(std::lround((wert - lo) / (hi - lo) * SchieberSchritte)) : 0);
}

void Inspektor::Anzeigen() {
    const fuzzy::StepBreakdown& e = szene_.auswertung;
    const bool mitA = szene_.projekt.A.Defined;
    const bool mitB = szene_.projekt.B.Defined;
    nameA_->setText(tr("Eingang A: <b>%1</b>").arg(QString::fromStdString(szene_.projekt.A.Name).toHtmlEscaped()));
    nameB_->setText(mitB ? tr("Eingang B: <b>%1</b>").arg(QString::fromStdString(szene_.projekt.B.Name).toHtmlEscaped())
                         : tr("Eingang B:"));
    // A screen reader names each slider and field by its input.
    const QString a = QString::fromStdString(szene_.projekt.A.Name);
    const QString b = QString::fromStdString(szene_.projekt.B.Name);
    feldA_->setAccessibleName(tr("Eingang A: %1").arg(a));
    schieberA_->setAccessibleName(tr("Eingang A: %1, Schieber").arg(a));
    feldB_->setAccessibleName(tr("Eingang B: %1").arg(b));
    schieberB_->setAccessibleName(tr("Eingang B: %1, Schieber").arg(b));
    schieberA_->setEnabled(mitA);
    feldA_->setEnabled(mitA);
    if (mitA) Einstellen(schieberA_, feldA_, szene_.projekt.A, e.A);
    schieberB_->setVisible(mitB);
    feldB_->setVisible(mitB);
    nichtVerwendet_->setVisible(!mitB);
    if (mitB) Einstellen(schieberB_, feldB_, szene_.projekt.B, e.B);
    ausgangLabel_->setText(
        mitA && szene_.projekt.Out.Defined
            ? tr("Ausgang %1 = %2")
                  .arg(QString::fromStdString(szene_.projekt.Out.Name), Rechenwert(e.Output, szene_.projekt.Out))
            : tr("Ausgang: –"));
    if (schritt_) schrittLabel_->setText(SchrittText(szene_.projekt, *schritt_, e.Output));
    schrittLabel_->setVisible(schritt_.has_value());
    const QString satz = KeineRegelSatz(szene_);
    keineRegel_->setText(satz);
    keineRegel_->setVisible(!satz.isEmpty());
    bild_->update();
}

float Inspektor::AusSchieber(const QSlider* s, const fuzzy::TFuzzy& v) const {
    const double lo = std::min(v.RangeMin, v.RangeMax), hi = std::max(v.RangeMin, v.RangeMax);
    const float roh = static_cast<float>(lo + (hi - lo) * s->value() / SchieberSchritte);
    return RundeAufRaster(roh, static_cast<float>(lo), static_cast<float>(hi));
}

void Inspektor::SchieberBewegt() {
    const float a = szene_.projekt.A.Defined ? AusSchieber(schieberA_, szene_.projekt.A) : szene_.auswertung.A;
    const float b = szene_.projekt.B.Defined ? AusSchieber(schieberB_, szene_.projekt.B) : szene_.auswertung.B;
    setEingaben(a, b);
}

void Inspektor::FeldGeaendert() {
    setEingaben(static_cast<float>(feldA_->value()),
                szene_.projekt.B.Defined ? static_cast<float>(feldB_->value()) : szene_.auswertung.B);
}

void Inspektor::MausImBild(QPoint pixel) {
    const DiagrammTreffer t = WertUnter(bild_->size(), szene_, pixel);
    if (t.eingang == 1) setEingaben(t.wert, szene_.auswertung.B);
    if (t.eingang == 2) setEingaben(szene_.auswertung.A, t.wert);
}

void Inspektor::malen(QPainter& p, QSize groesse) const { MaleInspektor(p, groesse, szene_); }

QSize Inspektor::szenengroesse() const { return bild_->size(); }

bool Inspektor::bildSpeichern() { return bild_->bildSpeichern(); }

}  // namespace ansichten
