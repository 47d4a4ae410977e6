#include "werkstatt/ansichten/KennfeldAnsicht.h"

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "widgets/Fonts.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "fuzzy/Controller.h"
#include "fuzzy/ParallelFor.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ansichten {

namespace {

class KennfeldBild : public SzenenBild {
public:
    explicit KennfeldBild(Kennfeld& owner)
        : SzenenBild(
              &owner, QStringLiteral("kennfeld"), [&owner](QPainter& p, QSize g) { owner.malen(p, g); },
              [&owner] { return QString::fromStdString(owner.szene().projekt.Out.Name); }),
          owner_(owner) {
        setMinimumSize(420, 320);
        setMouseTracking(true);
        setCursor(Qt::CrossCursor);
    }

protected:
    void mouseMoveEvent(QMouseEvent* e) override { owner_.MausUeber(e->position()); }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) owner_.MausGeklickt(e->position());
    }
    void leaveEvent(QEvent*) override { owner_.MausUeber(QPointF(-1, -1)); }

private:
    Kennfeld& owner_;
};

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Kennfeld::Kennfeld(QWidget* parent)
    : QWidget(parent), rechnung_(this, [this](KennfeldSzene&& s) { Fertig(std::move(s)); }) {
    setFont(widgets::PixelFont(widgets::SansFamily(), 13, false));
    bild_ = new KennfeldBild(*this);
    status_ = new QLabel(this);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    speichern_ = new QPushButton(tr("Bild speichern…"), this);

    auto* unten = new QHBoxLayout;
    unten->addWidget(status_, 1);
    unten->addWidget(speichern_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bild_, 1);
    layout->addLayout(unten);

    connect(speichern_, &QPushButton::clicked, this, &Kennfeld::bildSpeichern);
    status_->setText(tr("Zeigen Sie auf das Kennfeld, um die Werte zu sehen; ein Klick wählt den Punkt."));
}

Kennfeld::~Kennfeld() = default;

void Kennfeld::setProjekt(const fuzzy::Project& p) {
    projekt_ = p;
    hatProjekt_ = true;
    rechnung_.Anstossen([p](const std::atomic<bool>& abbruch) {
        KennfeldSzene s;
        s.projekt = p;
        s.gitter = fuzzy::PrepareSurface(p, p.B.Defined ? Punkte : KurvenPunkte, Punkte);
        // Rows are independent; a field already replaced by a newer project
        // is not worth finishing.
        fuzzy::ParallelFor(static_cast<std::size_t>(s.gitter.Ny), 0, [&](std::size_t j, int) {
            if (!abbruch.load(std::memory_order_relaxed))
                fuzzy::FillSurfaceRows(s.gitter, p, static_cast<int>(j), static_cast<int>(j) + 1);
        });
        fuzzy::SetSurfaceBounds(s.gitter);
        SzeneAufbereiten(s);
        return s;
    });
}

void Kennfeld::Fertig(KennfeldSzene&& s) {
    const std::optional<QPointF> marke = szene_.marke;
    szene_ = std::move(s);
    szene_.marke = marke;
    MarkeBerechnen();
    bild_->update();
    emit berechnet();
}

void Kennfeld::warteAufErgebnis() { rechnung_.WarteAufErgebnis(); }

void Kennfeld::setMarke(float a, float b) {
    szene_.marke = QPointF(a, b);
    markeB_ = b;
    MarkeBerechnen();
    bild_->update();
}

void Kennfeld::MarkeBerechnen() {
    if (szene_.marke && !szene_.gitter.Empty())
        szene_.markeWert = ausgangBei(static_cast<float>(szene_.marke->x()), static_cast<float>(szene_.marke->y()));
}

float Kennfeld::ausgangBei(float a, float b) const {
    fuzzy::Project arbeit = projekt_;
    return fuzzy::Controller(arbeit).Step(a, b);
}

QString Kennfeld::hinweis() const { return status_->text(); }

void Kennfeld::MausUeber(QPointF pixel) {
    const std::optional<QPointF> w = WeltPunkt(szene_, bild_->size(), pixel);
    if (!w || !hatProjekt_) {
        status_->clear();
        return;
    }
    const fuzzy::SurfaceGrid& g = szene_.gitter;
    const float a = RundeAufRaster(static_cast<float>(w->x()), g.AMin, g.AMax);
    if (g.TwoInputs) {
        const float b = RundeAufRaster(static_cast<float>(w->y()), g.BMin, g.BMax);
        // A semicolon between the inputs: the comma is the decimal sign.
        status_->setText(QStringLiteral("%1 = %2;  %3 = %4  →  %5 = %6")
                             .arg(Text(szene_.projekt.A.Name), KurzeZahl(a), Text(szene_.projekt.B.Name), KurzeZahl(b),
                                  Text(szene_.projekt.Out.Name), Rechenwert(ausgangBei(a, b), szene_.projekt.Out)) +
                         KeineRegelZusatz(a, b));
    } else {
        status_->setText(QStringLiteral("%1 = %2  →  %3 = %4")
                             .arg(Text(szene_.projekt.A.Name), KurzeZahl(a), Text(szene_.projekt.Out.Name),
                                  Rechenwert(ausgangBei(a, markeB_), szene_.projekt.Out)) +
                         KeineRegelZusatz(a, markeB_));
    }
}

QString Kennfeld::KeineRegelZusatz(float a, float b) const {
    if (!szene_.keineRegel.Contains(a, b)) return {};
    return tr("  – hier feuert keine Regel (Bereichsanfang)");
}

void Kennfeld::MausGeklickt(QPointF pixel) {
    const std::optional<QPointF> w = WeltPunkt(szene_, bild_->size(), pixel);
    if (!w) return;
    const fuzzy::SurfaceGrid& g = szene_.gitter;
    const float a = RundeAufRaster(static_cast<float>(w->x()), g.AMin, g.AMax);
    const float b = g.TwoInputs ? RundeAufRaster(static_cast<float>(w->y()), g.BMin, g.BMax) : markeB_;
    setMarke(a, b);
    emit punktGewaehlt(a, b);
}

void Kennfeld::malen(QPainter& p, QSize groesse) const { MaleKennfeld(p, groesse, szene_); }

QSize Kennfeld::szenengroesse() const { return bild_->size(); }

bool Kennfeld::bildSpeichern() { return bild_->bildSpeichern(); }

}  // namespace ansichten
