#include "werkstatt/labor/TruckLabor.h"

#include "werkstatt/labor/BahnenBild.h"
#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "werkstatt/labor/SchrittWahl.h"
#include "werkstatt/labor/StrassenBild.h"
#include "werkstatt/labor/Zahl.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace labor {

namespace {

// Replay pace: at -10 m/s a step moves the truck a metre and is shown at half
// speed; at -1 m/s a step is only 10 cm and runs for 500 steps, so it is shown
// faster than the simulated time to stay watchable (about 20 s for a run).
constexpr int TaktSchnell = 200;  // ms per step at -10 m/s
constexpr int TaktLangsam = 40;   // ms per step at -1 m/s

QString Fett(const QString& name, const QString& wert) {
    return name + QStringLiteral(" <b>") + wert + QStringLiteral("</b>");
}

QString Legende() {
    auto eintrag = [](TruckUrteil u) {
        return QStringLiteral("<span style='color:%1'>&#9632;</span>&nbsp;%2")
            .arg(StrassenBild::Farbe(u).name(), UrteilText(u));
    };
    return eintrag(TruckUrteil::Angedockt) + QStringLiteral("&nbsp;&nbsp;&nbsp;") +
           eintrag(TruckUrteil::NichtAngedockt) + QStringLiteral("&nbsp;&nbsp;&nbsp;") +
           eintrag(TruckUrteil::StrasseVerlassen);
}

// What each figure means, for its tooltip: the criteria of the truck model.
QString TippAngedockt() {
    return QCoreApplication::translate("labor::TruckLabor",
                                       "angedockt: |x| < 0,1 m und |Lage| < 1° am Ende – das hintere Ende hat die "
                                       "Ziellinie (y = −25 m) erreicht, höchstens 10 cm neben x = 0 und fast gerade.\n"
                                       "Starts, deren hinteres Ende bei x ≤ 0 beginnt, müssen dazu auch auf der Straße "
                                       "geblieben sein.\n"
                                       "Gezählt über alle Starts des Rasters: Führerhaus x = −20 … 0 m in "
                                       "Schritten von 2 m, Lage −45° … 40° in Schritten von 5°, nur Starts "
                                       "mit dem hinteren Ende auf der Straße.");
}

QString TippVerlassen() {
    return QCoreApplication::translate(
        "labor::TruckLabor",
        "Straße verlassen: Starts, bei denen das hintere Ende irgendwann neben der Straße "
        "war (x < −20,1 m oder x > 2 m).\n"
        "Gezählt werden nur Starts, deren hinteres Ende bei x ≤ 0 beginnt, also links der "
        "Ziellinie oder auf ihr: Sie müssen auf der Straße bleiben. Ein Start rechts der "
        "Ziellinie darf ausholen.\n"
        "Darum steht hinter „von“ weniger als die Zahl aller Starts.");
}

QString TippGroessteX() {
    return QCoreApplication::translate("labor::TruckLabor",
                                       "Der größte Abstand |x| des hinteren Endes von der Ziellinie x = 0, wenn es "
                                       "angekommen ist (y = −25 m), über alle angekommenen Starts. Angedockt verlangt "
                                       "weniger als 0,1 m.");
}

QString TippGroessteLage() {
    return QCoreApplication::translate("labor::TruckLabor",
                                       "Die größte Schräglage |Lage| bei der Ankunft, über alle angekommenen "
                                       "Starts. 0° heißt: der Truck steht gerade zur Straße. Angedockt verlangt "
                                       "weniger als 1°.");
}

QString TippSchritte() {
    return QCoreApplication::translate(
               "labor::TruckLabor",
               "Die meisten Regelschritte eines Laufs bis zur Ankunft (ein Schritt dauert 0,1 s). Ein Lauf, "
               "der nie ankommt, endet nach %1 Schritten.")
        .arg(dorvane::DefaultMaxSteps);
}

// The figures of a grid run in one line, for the compared project.
QString Zusammenfassung(const dorvane::GridFigures& z) {
    return QCoreApplication::translate("labor::TruckLabor",
                                       "angedockt %1 von %2, Straße verlassen %3 von %4, größte |x| %5 m, "
                                       "größte |Lage| %6°")
        .arg(z.Docked)
        .arg(z.Starts)
        .arg(z.LeftRoad())
        .arg(z.MustKeepRoad)
        .arg(Zahl(z.WorstX, lab::Quantity::Metres), Zahl(z.WorstAttitude, lab::Quantity::Degrees));
}

}  // namespace

TruckLabor::TruckLabor(QWidget* parent)
    : LaborSeite(parent),
      Rechnung_(this, [this](TruckErgebnis&& e) { ZeigeErgebnis(std::move(e)); }),
      VergleichRechnung_(this, [this](TruckErgebnis&& e) { ZeigeVergleich(std::move(e)); }) {
    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(tr("Geschwindigkeit:"), this));
    Langsam_ = new QRadioButton(QStringLiteral("−1 m/s"), this);
    Schnell_ = new QRadioButton(QStringLiteral("−10 m/s"), this);
    Langsam_->setChecked(true);
    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(Langsam_);
    gruppe->addButton(Schnell_);
    oben->addWidget(Langsam_);
    oben->addWidget(Schnell_);
    oben->addStretch(1);
    VergleichBauen(tr("Ein zweites Projekt blass unter diesem zeichnen, mit seinen Zahlen daneben"));
    oben->addWidget(VergleichBtn_);
    Status_ = new QLabel(this);
    Status_->setObjectName(QStringLiteral("status"));
    oben->addWidget(Status_);
    Speichern_ = new QPushButton(tr("Bild speichern…"), this);
    oben->addWidget(Speichern_);

    auto* zahlen = new QGridLayout;
    auto neu = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::RichText);
        return l;
    };
    Angedockt_ = neu("angedockt");
    Verlassen_ = neu("verlassen");
    GroessteX_ = neu("groessteX");
    GroessteLage_ = neu("groessteLage");
    MeisteSchritte_ = neu("meisteSchritte");
    zahlen->addWidget(Angedockt_, 0, 0);
    zahlen->addWidget(Verlassen_, 0, 1);
    zahlen->addWidget(MeisteSchritte_, 0, 2);
    zahlen->addWidget(GroessteX_, 1, 0);
    zahlen->addWidget(GroessteLage_, 1, 1);
    auto* legende = new QLabel(Legende(), this);
    legende->setTextFormat(Qt::RichText);
    zahlen->addWidget(legende, 1, 2);
    Angedockt_->setToolTip(TippAngedockt());
    Verlassen_->setToolTip(TippVerlassen());
    GroessteX_->setToolTip(TippGroessteX());
    GroessteLage_->setToolTip(TippGroessteLage());
    MeisteSchritte_->setToolTip(TippSchritte());
    legende->setToolTip(TippAngedockt() + QStringLiteral("\n\n") + TippVerlassen());
    zahlen->addWidget(VergleichZahlen_, 2, 0, 1, 3);
    WarnungBauen();
    zahlen->addWidget(Warnung_, 3, 0, 1, 3);

    Bild_ = new StrassenBild(this);

    auto* seite = new QWidget(this);
    WarumBauen(seite);
    auto* layout = new QVBoxLayout(seite);
    layout->addLayout(oben);
    layout->addLayout(zahlen);
    layout->addWidget(Bild_, 1);
    WahlZeile_->addWidget(Wahl_);
    Wahl_->setText(Hinweis());

    connect(Langsam_, &QRadioButton::toggled, this, [this] {
        NeuRechnen();
        VergleichRechnen();
    });
    connect(Bild_, &StrassenBild::startGeklickt, this, [this](int start, int punkt) {
        // The start's dot plays the start; a place on its track shows that step.
        if (punkt == 0)
            waehleStart(start);
        else
            waehleSchritt(start, punkt);
    });
    connect(Wahl_, &SchrittWahl::punktGewaehlt, this, &TruckLabor::ZeigePunkt);
    connect(Speichern_, &QPushButton::clicked, this, &TruckLabor::bildSpeichern);
    ZeigeZahlen();
}

TruckLabor::~TruckLabor() = default;

QLabel* TruckLabor::zahl(const char* name) const { return findChild<QLabel*>(QString::fromLatin1(name)); }

float TruckLabor::geschwindigkeit() const { return Schnell_->isChecked() ? -10.0f : -1.0f; }

void TruckLabor::setGeschwindigkeit(float v) { (v <= -5.0f ? Schnell_ : Langsam_)->setChecked(true); }

void TruckLabor::NeuRechnen() {
    if (!HatProjekt_) return;
    // The replay belongs to the project on screen, which is about to go.
    Anhalten();
    Wahl_->setLauf(-1);
    Rechnung_.Anstossen([p = Projekt_, v = geschwindigkeit(), probe = Fahrzeug_ == werkstatt::Fahrzeug::Unbestimmt](
                            const std::atomic<bool>& abbruch) { return RechneTruckRaster(p, v, &abbruch, 0, probe); });
    Markieren();
}

void TruckLabor::ZeigeWarnung() { WarnungZeigen(Warnungen(Ergebnis_ ? *Ergebnis_ : TruckErgebnis{}, Fahrzeug_)); }

QStringList TruckLabor::Warnungen(const TruckErgebnis& e, werkstatt::Fahrzeug f) {
    QStringList s;
    if (f == werkstatt::Fahrzeug::Lok)
        s << tr(
            "Dieses Projekt ist für die Lok gewählt (Menü Fahrzeug); das Truck-Labor fährt es trotzdem mit dem "
            "Truck.");
    if (!e.Definiert) return s;
    if (f == werkstatt::Fahrzeug::Unbestimmt && e.LokProbeInRuhe.value_or(false))
        s << tr(
            "Dieses Projekt bringt die Lok zur Ruhe, dockt den Truck aber an weniger als der Hälfte der Starts "
            "an: Es ist wohl für die Lok gemacht (Menü Fahrzeug).");
    const QString rueckfall = ansichten::KurzeZahl(e.Rueckfall);
    if (e.KeineRegelAmStart > 0)
        s << tr("An %1 von %2 Starts feuert schon am Start keine Regel: Der Lenkwinkel fällt dort auf %3° "
                "(Anfang des Ausgangsbereichs).")
                 .arg(QString::number(e.KeineRegelAmStart), QString::number(e.Raster.Figures.Starts), rueckfall);
    if (e.KeineRegelUnterwegs > 0)
        s << tr("Bahnen, die erst unterwegs Stellen erreichen, an denen keine Regel feuert (der Lenkwinkel fällt "
                "dort auf %1°): %2 von %3.")
                 .arg(rueckfall, QString::number(e.KeineRegelUnterwegs), QString::number(e.Raster.Figures.Starts));
    if (e.Langsam > 0)
        s << tr("%1 von %2 Fahrten docken erst nach mehr als %3 s an, weit langsamer als üblich: Der Truck kriecht "
                "zur Linie.")
                 .arg(QString::number(e.Langsam), QString::number(e.Raster.Figures.Starts),
                      Zahl(lab::UsualSteps(e.Raster.Speed) * double(dorvane::StepSeconds), 0));
    return s;
}

void TruckLabor::ZeigeErgebnis(TruckErgebnis&& e) {
    Ergebnis_ = std::make_shared<const TruckErgebnis>(std::move(e));
    Bild_->setErgebnis(Ergebnis_);
    if (Start_ >= static_cast<int>(Ergebnis_->Raster.Runs.size())) Start_ = -1;
    Bild_->setAuswahl(Start_, -1);
    // The chosen start stays chosen, its new track ready for the picker.
    Wahl_->setLauf(
        Start_ >= 0 ? static_cast<int>(Ergebnis_->Raster.Runs[static_cast<std::size_t>(Start_)].Result.Track.size()) - 1
                    : -1);
    Wahl_->setText(Hinweis());
    Markieren();
    ZeigeZahlen();
    ZeigeWarnung();
    if (Vorgemerkt_ >= 0) {
        const int start = std::exchange(Vorgemerkt_, -1);
        waehleSchritt(start, 0);
    }
    emit ergebnisAktualisiert();
}

void TruckLabor::Markieren() {
    const bool alt = rechnet();
    Bild_->setVeraltet(alt);
    Status_->setText(alt ? tr("wird berechnet …") : QString());
    for (QLabel* l : {Angedockt_, Verlassen_, GroessteX_, GroessteLage_, MeisteSchritte_}) l->setEnabled(!alt);
}

void TruckLabor::ZeigeZahlen() {
    if (!Ergebnis_ || Ergebnis_->Raster.Runs.empty()) {
        const QString leer = QStringLiteral("–");
        Angedockt_->setText(Fett(tr("angedockt:"), leer));
        Verlassen_->setText(Fett(tr("Straße verlassen:"), leer));
        GroessteX_->setText(Fett(tr("größte |x| am Ende:"), leer));
        GroessteLage_->setText(Fett(tr("größte |Lage| am Ende:"), leer));
        MeisteSchritte_->setText(Fett(tr("meiste Schritte:"), leer));
        if (HatProjekt_ && Ergebnis_ && !Ergebnis_->Definiert && !rechnet())
            Status_->setText(tr("Eingang A und/oder Ausgang (noch) nicht definiert!"));
        return;
    }
    const dorvane::GridFigures& z = Ergebnis_->Raster.Figures;
    Angedockt_->setText(Fett(tr("angedockt:"), tr("%1 von %2").arg(z.Docked).arg(z.Starts)));
    Verlassen_->setText(Fett(tr("Straße verlassen:"), tr("%1 von %2").arg(z.LeftRoad()).arg(z.MustKeepRoad)));
    // Figures of the runs that arrived: where none arrived, none to give.
    const auto amEnde = [&z](double v, lab::Quantity q) {
        return QString::fromStdString(lab::Figure(z.Arrived > 0 ? std::optional<double>(v) : std::nullopt, q));
    };
    GroessteX_->setText(Fett(tr("größte |x| am Ende:"), amEnde(z.WorstX, lab::Quantity::Metres)));
    GroessteLage_->setText(Fett(tr("größte |Lage| am Ende:"), amEnde(z.WorstAttitude, lab::Quantity::Degrees)));
    MeisteSchritte_->setText(Fett(tr("meiste Schritte:"), QString::number(z.MostSteps)));
    // A run whose steering angle was no number ended there: say so, or the
    // figures would pass for the runs of a working controller.
    if (z.Aborted > 0 && !rechnet())
        Status_->setText(QStringLiteral("<span style='color:#c00000'>%1</span>")
                             .arg(tr("%1 von %2 Läufen abgebrochen: der Lenkwinkel des Reglers ist keine endliche "
                                     "Zahl.")
                                      .arg(z.Aborted)
                                      .arg(z.Starts)));
}

void TruckLabor::VergleichNeu() {
    VergleichErgebnis_.reset();
    Bild_->setVergleich(nullptr);
    VergleichRechnen();
}

void TruckLabor::VergleichWeg() {
    VergleichErgebnis_.reset();
    Bild_->setVergleich(nullptr);
}

void TruckLabor::VergleichRechnen() {
    if (!HatVergleich_) return;
    VergleichText(tr("Vergleich mit %1: wird berechnet …").arg(VergleichName_));
    VergleichRechnung_.Anstossen([p = Vergleich_, v = geschwindigkeit()](const std::atomic<bool>& abbruch) {
        return RechneTruckRaster(p, v, &abbruch);
    });
}

void TruckLabor::ZeigeVergleich(TruckErgebnis&& e) {
    if (!HatVergleich_) return;
    VergleichErgebnis_ = std::make_shared<const TruckErgebnis>(std::move(e));
    Bild_->setVergleich(VergleichErgebnis_);
    VergleichText(VergleichErgebnis_->Definiert
                      ? tr("Vergleich mit %1 (gestrichelt): %2")
                            .arg(VergleichName_, Zusammenfassung(VergleichErgebnis_->Raster.Figures))
                      : tr("Vergleich mit %1: Eingang A und/oder Ausgang (noch) nicht definiert!").arg(VergleichName_));
}

bool TruckLabor::bildSpeichern() {
    if (!Ergebnis_ || rechnet()) return false;
    // The printable picture: plain road, tracks told apart by dash pattern;
    // upright like the road, whatever the shape of the window.
    return ansichten::BildSpeichern(this, QStringLiteral("truck-labor.png"), QSize(600, 780),
                                    [e = Ergebnis_](QPainter& p, QSize g) { MaleBahnen(p, g, *e, BahnenTitel(*e)); });
}

QString TruckLabor::Hinweis() const {
    return tr(
        "Klick auf den Punkt am Anfang einer Bahn spielt diesen Start in Zeitlupe ab; Klick auf eine Bahn "
        "zeigt den Schritt dort. „Warum?“ nimmt den Schritt im Inspektor auseinander.");
}

bool TruckLabor::spieltAb() const { return Wahl_->spieltAb(); }

int TruckLabor::wiedergabeSchritt() const { return Start_ >= 0 ? Wahl_->punkt() : -1; }

void TruckLabor::waehleStart(int start) {
    waehleSchritt(start, 0);
    if (Start_ >= 0) Wahl_->abspielen(Ergebnis_->Raster.Speed <= -5.0f ? TaktSchnell : TaktLangsam);
}

void TruckLabor::zeigeStart(float speed, int start) {
    setGeschwindigkeit(speed);
    if (rechnet() || !Ergebnis_ || Ergebnis_->Raster.Speed != geschwindigkeit()) {
        Vorgemerkt_ = start;
        return;
    }
    waehleSchritt(start, 0);
}

void TruckLabor::waehleSchritt(int start, int punkt) {
    Anhalten();
    if (rechnet() || !Ergebnis_ || start < 0 || start >= static_cast<int>(Ergebnis_->Raster.Runs.size()) ||
        Ergebnis_->Raster.Runs[static_cast<std::size_t>(start)].Result.Track.empty()) {
        Start_ = -1;
        Wahl_->setLauf(-1);
        Bild_->setAuswahl(-1, -1);
        Wahl_->setText(Hinweis());
        return;
    }
    Start_ = start;
    const auto& track = Ergebnis_->Raster.Runs[static_cast<std::size_t>(start)].Result.Track;
    Wahl_->setLauf(static_cast<int>(track.size()) - 1);
    Wahl_->setPunkt(punkt);
}

void TruckLabor::ZeigePunkt(int k) {
    if (!Ergebnis_ || Start_ < 0 || Start_ >= static_cast<int>(Ergebnis_->Raster.Runs.size())) return;
    const dorvane::StartRun& t = Ergebnis_->Raster.Runs[static_cast<std::size_t>(Start_)];
    const auto& track = t.Result.Track;
    const int n = static_cast<int>(track.size()) - 1;  // control steps of the run
    if (k < 0 || k > n) return;
    const dorvane::TrackPoint& p = track[static_cast<std::size_t>(k)];
    Bild_->setAuswahl(Start_, k);
    const QString start = tr("Start (%1 m, %2°)").arg(Zahl(t.Result.Start.CabX, 0), Zahl(t.Result.Start.Attitude, 0));
    if (k == n) {
        // The end of the run: no step is taken from here.
        Wahl_->setText(tr("%1 – Ende nach %2 Schritten: Abstand %3 m, Lage %4°")
                           .arg(start)
                           .arg(n)
                           .arg(Zahl(p.RearX, lab::Quantity::Metres), Zahl(p.Attitude, lab::Quantity::Degrees)));
        emit replayZustand(p.RearX, p.Attitude);
        return;
    }
    // The step from this point: the controller reads this point's rear x
    // and attitude, and the next point records what it gave.
    const dorvane::TrackPoint& q = track[static_cast<std::size_t>(k) + 1];
    Wahl_->setText(tr("%1 – Schritt %2 von %3 (t = %4 s): Abstand %5 m, Lage %6° → Lenkwinkel %7°")
                       .arg(start)
                       .arg(k + 1)
                       .arg(n)
                       .arg(Zahl(k * double(dorvane::StepSeconds), 1), Zahl(p.RearX, lab::Quantity::Metres),
                            Zahl(p.Attitude, lab::Quantity::Degrees), Zahl(q.Control, lab::Quantity::Degrees)));
    emit replayZustand(p.RearX, p.Attitude);
    ansichten::Laufschritt s;
    s.Herkunft = tr("Truck-Labor, %1, Schritt %2 von %3").arg(start).arg(k + 1).arg(n);
    s.A = p.RearX;
    s.B = p.Attitude;
    s.Angewandt = q.Control;
    SchrittMelden(s);
}

void TruckLabor::Anhalten() {
    Wahl_->anhalten();
    if (Bild_) Bild_->setAuswahl(Start_, -1);
}

}  // namespace labor
