#include "werkstatt/labor/LaborSeite.h"

#include "werkstatt/labor/SchrittWahl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace labor {

namespace {

// A wrapped line that keeps the height of all its lines at its width: a
// plain wrapping label is squeezed to less in a window short of room, and the
// comparison's figures were cut in half.
class UmbruchZeile : public QLabel {
public:
    using QLabel::QLabel;
    void Anpassen() {
        const int w = width() > 0 ? width() : QLabel::sizeHint().width();
        // The label's height for a width never comes out below its minimum
        // height: forgotten first, or a shorter text or a wider label would
        // keep the height of the longest one.
        setMinimumHeight(0);
        setMinimumHeight(text().isEmpty() ? 0 : heightForWidth(w));
        updateGeometry();
    }
    // No taller than its lines: a layout with room to spare gave it more,
    // and its lines floated in an empty band.
    QSize sizeHint() const override {
        QSize s = QLabel::sizeHint();
        if (!text().isEmpty()) s.setHeight(minimumHeight());
        return s;
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QLabel::resizeEvent(e);
        if (e->size().width() != e->oldSize().width()) Anpassen();
    }
    // A label laid out while hidden learns its width only when shown.
    void showEvent(QShowEvent* e) override {
        QLabel::showEvent(e);
        Anpassen();
    }
};

}  // namespace

void LaborSeite::VergleichBauen(const QString& tipp) {
    VergleichBtn_ = new QPushButton(tr("&Vergleichen mit…"), this);
    VergleichBtn_->setObjectName(QStringLiteral("vergleichen"));
    VergleichBtn_->setToolTip(tipp);
    auto* menue = new QMenu(VergleichBtn_);
    menue->addAction(tr("Projekt aus &Datei…"), this, [this] { emit vergleichAusDateiGewuenscht(); });
    menue->addAction(tr("Stand &vor der letzten Änderung"), this, [this] { emit vergleichVorherGewuenscht(); });
    menue->addSeparator();
    QAction* ende = menue->addAction(tr("Vergleich &beenden"), this, &LaborSeite::vergleichBeenden);
    connect(menue, &QMenu::aboutToShow, this, [this, ende] { ende->setEnabled(HatVergleich_); });
    VergleichBtn_->setMenu(menue);
    VergleichZahlen_ = new UmbruchZeile(this);
    VergleichZahlen_->setObjectName(QStringLiteral("vergleich"));
    VergleichZahlen_->setWordWrap(true);
    // Its height is its minimum height, set for its width (UmbruchZeile):
    // the layouts' own height-for-width gave it less than its lines.
    QSizePolicy politik = VergleichZahlen_->sizePolicy();
    politik.setHeightForWidth(false);
    VergleichZahlen_->setSizePolicy(politik);
    VergleichZahlen_->setTextFormat(Qt::PlainText);
    VergleichZahlen_->setStyleSheet(QStringLiteral("color: #505050;"));
    VergleichZahlen_->setVisible(false);
}

void LaborSeite::VergleichText(const QString& text) {
    VergleichZahlen_->setText(text);
    static_cast<UmbruchZeile*>(VergleichZahlen_)->Anpassen();
}

namespace {

// Scrolls up and down only: as wide as the page needs, as high as there is room.
class Rollbereich : public QScrollArea {
public:
    // `schmalste`: the narrowest the page may get before it scrolls sideways.
    Rollbereich(int schmalste, QWidget* parent) : QScrollArea(parent), Schmalste_(schmalste) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    QSize minimumSizeHint() const override {
        const QSize s = widget() ? widget()->minimumSizeHint() : QSize(0, 0);
        return {std::min(s.width(), Schmalste_) + verticalScrollBar()->sizeHint().width(), std::min(s.height(), 200)};
    }
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }

private:
    int Schmalste_;
};

}  // namespace

void LaborSeite::WarumBauen(QWidget* seite) {
    Wahl_ = new SchrittWahl(seite);
    Wahl_->setObjectName(QStringLiteral("schrittwahl"));
    Warum_ = new ansichten::Inspektor(this);
    Warum_->setObjectName(QStringLiteral("warumInspektor"));
    // Beside a lab the inspector may be narrower than on its own page.
    Warum_->setSchmal();
    if (HatProjekt_) Warum_->setProjekt(Projekt_);
    // A step's explanation grows with what it has to say (inputs beyond
    // their ranges, no rule firing): the inspector then scrolls, its
    // pictures are never cut off at the page's foot.
    auto* warum = new Rollbereich(std::numeric_limits<int>::max(), this);
    warum->setObjectName(QStringLiteral("warumRollen"));
    warum->setAccessibleName(tr("Warum?"));
    warum->setWidget(Warum_);
    warum->setVisible(false);
    Teiler_ = new QSplitter(Qt::Horizontal, this);
    Teiler_->setChildrenCollapsible(false);
    // Narrowed by the inspector, the lab's figures wrap and take more
    // height: then the lab scrolls rather than its parts overlapping.
    // Never wider than a narrow column: beside the inspector and an
    // exercise on a 1366 px projector the lab scrolls sideways rather than
    // pushing the window past the screen.
    auto* rollen = new Rollbereich(260, this);
    rollen->setObjectName(QStringLiteral("laborRollen"));
    rollen->setAccessibleName(tr("Labor"));
    rollen->setWidget(seite);
    // The step picker stays in sight below the lab, however it scrolls.
    auto* links = new QWidget(this);
    auto* spalte = new QVBoxLayout(links);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(rollen, 1);
    WahlZeile_ = new QHBoxLayout;
    WahlZeile_->setContentsMargins(9, 0, 9, 6);
    spalte->addLayout(WahlZeile_);
    Teiler_->addWidget(links);
    Teiler_->addWidget(warum);
    Teiler_->setStretchFactor(0, 1);
    Teiler_->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Teiler_);
    connect(Wahl_, &SchrittWahl::warumGeschaltet, this, [this, warum](bool an) {
        warum->setVisible(an);
        if (!an) return;
        // Shown for the first time, a splitter leaves the inspector no room:
        // the lab keeps the larger part, its tables and curves need it.
        const QList<int> breiten = Teiler_->sizes();
        const int schmalste = warum->minimumSizeHint().width();
        if (breiten.size() == 2 && breiten[1] < schmalste) {
            const int ganz = breiten[0] + breiten[1];
            const int inspektor = std::max(ganz * 2 / 5, schmalste);
            Teiler_->setSizes({ganz - inspektor, inspektor});
        }
    });
}

void LaborSeite::SchrittMelden(const ansichten::Laufschritt& s) {
    if (Warum_) Warum_->zeigeSchritt(s);
    emit schrittGewaehlt(s);
}

void LaborSeite::WarnungBauen() {
    Warnung_ = new UmbruchZeile(this);
    Warnung_->setObjectName(QStringLiteral("warnung"));
    Warnung_->setWordWrap(true);
    QSizePolicy politik = Warnung_->sizePolicy();
    politik.setHeightForWidth(false);
    // As tall as its lines: room to spare goes to the pictures, or stays below.
    politik.setVerticalPolicy(QSizePolicy::Fixed);
    Warnung_->setSizePolicy(politik);
    Warnung_->setTextFormat(Qt::PlainText);
    Warnung_->setStyleSheet(QStringLiteral("color: #a03000;"));
    Warnung_->setVisible(false);
}

void LaborSeite::WarnungZeigen(const QStringList& saetze) {
    Warnung_->setText(saetze.isEmpty() ? QString() : QStringLiteral("⚠ ") + saetze.join(QLatin1Char(' ')));
    Warnung_->setVisible(!saetze.isEmpty());
    static_cast<UmbruchZeile*>(Warnung_)->Anpassen();
}

QString LaborSeite::warnung() const { return Warnung_ ? Warnung_->text() : QString(); }

void LaborSeite::setFahrzeug(werkstatt::Fahrzeug f, bool neuRechnen) {
    if (f == Fahrzeug_) return;
    Fahrzeug_ = f;
    if (neuRechnen) NeuRechnen();
}

void LaborSeite::setVergleich(const fuzzy::Project& p, const QString& name) {
    Vergleich_ = p;
    VergleichName_ = name;
    HatVergleich_ = true;
    VergleichZahlen_->setVisible(true);
    VergleichNeu();
}

void LaborSeite::vergleichBeenden() {
    HatVergleich_ = false;
    VergleichText(QString());
    VergleichZahlen_->setVisible(false);
    VergleichWeg();
}

}  // namespace labor
