#include "widgets/Zahlformat.h"
#include "werkstatt/labor/LokLabor.h"

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "widgets/Fonts.h"
#include "werkstatt/labor/KurvenDiagramm.h"
#include "werkstatt/labor/SchrittWahl.h"
#include "widgets/SingEdit.h"
#include "werkstatt/labor/Zahl.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace labor {

namespace {

constexpr std::array<float, 2> Schritte{0.055f, 0.1f};
const char* const Spalten[] = {"ruhe", "genau", "ueberschwingen", "wechsel", "ende"};

QString MasseName(float m) { return QStringLiteral("%1 kg").arg(static_cast<double>(m)); }

QString ZeilenName(const char* spalte, int i) {
    return QStringLiteral("%1_%2").arg(QString::fromLatin1(spalte)).arg(i);
}

}  // namespace

// Dark, middle and light when printed in grey, and each with its own dash
// pattern, so the three masses stay apart on any printer.
QString LokLabor::EndeZusatz(const pemrak::RunFigures& k) {
    if (k.Aborted) return tr(" (abgebrochen: die Kraft des Reglers ist keine endliche Zahl)");
    if (!k.Finite) return tr(" (abgebrochen: keine endliche Zahl)");
    return k.RanOut ? tr(" (30 cm hinter der Marke)") : QString();
}

QColor LokLabor::Farbe(int masse) {
    switch (masse) {
    case 0: return QColor(0, 40, 150);
    case 1: return QColor(0, 150, 60);
    default: return QColor(240, 150, 30);
    }
}

Qt::PenStyle LokLabor::Stil(int masse) {
    switch (masse) {
    case 0: return Qt::SolidLine;
    case 1: return Qt::DashLine;
    default: return Qt::DotLine;
    }
}

LokLabor::LokLabor(QWidget* parent)
    : LaborSeite(parent),
      Rechnung_(this, [this](LokErgebnis&& e) { ZeigeErgebnis(std::move(e)); }),
      VergleichRechnung_(this, [this](LokErgebnis&& e) { ZeigeVergleich(std::move(e)); }) {
    auto* felder = new QHBoxLayout;
    auto* reibung = new QLabel(tr("Reibung in N·s/m:"), this);
    felder->addWidget(reibung);
    Reibung_ = new TSingEdit(this);
    reibung->setBuddy(Reibung_);
    Reibung_->setObjectName(QStringLiteral("reibung"));
    Reibung_->setMaximumWidth(80);
    felder->addWidget(Reibung_);
    felder->addSpacing(12);
    auto* abstand = new QLabel(tr("Abstand in cm:"), this);
    felder->addWidget(abstand);
    Abstand_ = new TSingEdit(this);
    abstand->setBuddy(Abstand_);
    Abstand_->setObjectName(QStringLiteral("abstand"));
    Abstand_->setMaximumWidth(80);
    felder->addWidget(Abstand_);
    felder->addSpacing(12);
    felder->addWidget(new QLabel(tr("Zeitschritt:"), this));
    Schritt_ = new QComboBox(this);
    for (const float dt : Schritte) Schritt_->addItem(Zahl(dt, dt < 0.1f ? 3 : 1) + QStringLiteral(" s"));
    Schritt_->setToolTip(tr("Der erste Schritt dauert wie im Programm stets 0,1 s."));
    felder->addWidget(Schritt_);
    felder->addStretch(1);
    VergleichBauen(tr("Ein zweites Projekt blass neben diesem zeichnen, mit seinen Zahlen darunter"));
    Status_ = new QLabel(this);
    // A long message wraps rather than widen the window.
    Status_->setWordWrap(true);
    Status_->setObjectName(QStringLiteral("status"));
    felder->addWidget(Status_);
    Speichern_ = new QPushButton(tr("Bild speichern…"), this);

    auto* zahlen = new QGridLayout;
    const QString kopf[] = {tr("Masse"),
                            tr("in Ruhe ab<br>(|s| &lt; 1 cm, |v| &lt; 0,5 cm/s)"),
                            tr("genau ab<br>(|s| &lt; 0,5 cm, |v| &lt; 0,5 cm/s)"),
                            tr("Überschwingen<br>(hinter der Marke)"),
                            tr("Kraftwechsel<br>(Vorzeichen)"),
                            tr("Ende des Laufs<br>(t; s; v)")};
    // What each figure means: the criteria of the locomotive runs.
    const QString tipp[] = {
        tr("Die Masse der Lok; jede Masse fährt mit demselben Regler, derselben Reibung und demselben "
           "Abstand."),
        tr("Ab diesem Zeitpunkt bleibt die Lok bis zum Ende des Laufs in Ruhe an der Marke: |s| < 1 cm und "
           "|v| < 0,5 cm/s. „nie“: Sie kommt nicht zur Ruhe."),
        tr("Wie „in Ruhe ab“, aber genauer: |s| < 0,5 cm und |v| < 0,5 cm/s bis zum Ende des Laufs."),
        tr("Wie weit die Lok höchstens über die Marke hinausgefahren ist (s < 0 heißt: hinter "
           "der Marke). 0 cm: Sie hat die Marke nie überfahren."),
        tr("Wie oft die Kraft ihr Vorzeichen gewechselt hat (Schritte mit F = 0 zählen nicht). Viele Wechsel "
           "heißen: Der Regler schaltet hin und her."),
        tr("Zeit, Weg und Geschwindigkeit im letzten Schritt. Jeder Lauf dauert 60 s, außer die Lok ist "
           "30 cm über die Marke hinausgefahren: Dann endet er dort.")};
    for (int c = 0; c < 6; ++c) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("kopf%1").arg(c));
        l->setToolTip(tipp[c]);
        l->setWordWrap(true);
        zahlen->addWidget(l, 0, c);
        Koepfe_[static_cast<std::size_t>(c)] = l;
        KopfTexte_[static_cast<std::size_t>(c)] = kopf[c];
    }
    for (int i = 0; i < 3; ++i) {
        auto* name = new QLabel(QStringLiteral("<span style='color:%1'>&#9632;</span>&nbsp;%2")
                                    .arg(Farbe(i).name(), MasseName(pemrak::LabMasses()[static_cast<std::size_t>(i)])),
                                this);
        zahlen->addWidget(name, i + 1, 0);
        for (int c = 0; c < 5; ++c) {
            auto* l = new QLabel(this);
            l->setObjectName(ZeilenName(Spalten[c], i));
            l->setToolTip(tipp[c + 1]);
            // Long figures wrap rather than widen the window.
            l->setWordWrap(true);
            zahlen->addWidget(l, i + 1, c + 1);
        }
    }
    zahlen->setColumnStretch(5, 1);

    // Two by two: the page keeps to the window's width.
    auto* bilder = new QGridLayout;
    Diagramme_[0] = new KurvenDiagramm(tr("Weg über der Zeit"), tr("t in s"), tr("s in cm"), this);
    Diagramme_[1] = new KurvenDiagramm(tr("Geschwindigkeit über der Zeit"), tr("t in s"), tr("v in cm/s"), this);
    Diagramme_[2] = new KurvenDiagramm(tr("s-v-Diagramm"), tr("s in cm"), tr("v in cm/s"), this);
    Diagramme_[3] = new KurvenDiagramm(tr("Kraft über der Zeit"), tr("t in s"), tr("F in N"), this);
    Diagramme_[0]->setToolTip(tr("s > 0: die Lok steht vor der Marke, s < 0: hinter ihr. Ziel ist s = 0."));
    Diagramme_[1]->setToolTip(tr("v < 0: die Lok fährt auf die Marke zu (von s > 0 her), v = 0: sie steht."));
    Diagramme_[2]->setToolTip(
        tr("Geschwindigkeit über dem Weg: Eine gute Fahrt endet im Nullpunkt, ohne "
           "ihn zu umkreisen."));
    Diagramme_[3]->setToolTip(
        tr("Die Kraft des Reglers in jedem Schritt. F > 0 treibt die Lok von der Startseite her zur Marke "
           "hin (s wird kleiner); F < 0 bremst eine Lok, die auf die Marke zufährt."));
    bilder->addWidget(Diagramme_[0], 0, 0);
    bilder->addWidget(Diagramme_[1], 0, 1);
    bilder->addWidget(Diagramme_[3], 1, 0);
    bilder->addWidget(Diagramme_[2], 1, 1);

    auto* seite = new QWidget(this);
    Seite_ = seite;
    WarumBauen(seite);
    // The lab scrolls sideways when narrow: what counts is the width in view.
    if (QWidget* sicht = seite->parentWidget()) sicht->installEventFilter(this);
    KoepfeAnpassen();
    Lauf_ = new QComboBox(this);
    Lauf_->setObjectName(QStringLiteral("lauf"));
    for (const float m : pemrak::LabMasses()) Lauf_->addItem(MasseName(m));
    Lauf_->setToolTip(tr("Der Lauf, dessen Schritte der Schieber zeigt; ein Klick auf eine Kurve wählt ihn auch."));
    WahlZeile_->addWidget(new QLabel(tr("Lauf:"), this), 0, Qt::AlignTop);
    WahlZeile_->addWidget(Lauf_, 0, Qt::AlignTop);
    WahlZeile_->addWidget(Wahl_, 1);

    auto* layout = new QVBoxLayout(seite);
    layout->addLayout(felder);
    // The buttons beside the figures, where the rows leave room: the row of
    // fields above keeps to the window's width.
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(VergleichBtn_);
    knoepfe->addWidget(Speichern_);
    knoepfe->addStretch(1);
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(zahlen, 1);
    mitte->addLayout(knoepfe);
    layout->addLayout(mitte);
    WarnungBauen();
    layout->addWidget(Warnung_);
    layout->addWidget(VergleichZahlen_);
    layout->addLayout(bilder, 1);
    Wahl_->setText(tr("Klick auf eine Kurve zeigt den Schritt dort; „Warum?“ nimmt ihn im Inspektor auseinander."));

    Reibung_->setText(ansichten::KurzeZahl(Einstellung_.Reibung));
    Abstand_->setText(ansichten::KurzeZahl(Einstellung_.AbstandCm));
    connect(Reibung_, &QLineEdit::editingFinished, this, &LokLabor::FelderUebernehmen);
    connect(Abstand_, &QLineEdit::editingFinished, this, &LokLabor::FelderUebernehmen);
    connect(Schritt_, &QComboBox::currentIndexChanged, this, &LokLabor::FelderUebernehmen);
    connect(Speichern_, &QPushButton::clicked, this, &LokLabor::bildSpeichern);
    connect(Lauf_, &QComboBox::currentIndexChanged, this, &LokLabor::LaufGewechselt);
    // Chosen by hand: the run's first step at once.
    connect(Lauf_, &QComboBox::activated, this, [this] { Wahl_->setPunkt(0); });
    connect(Wahl_, &SchrittWahl::punktGewaehlt, this, &LokLabor::ZeigePunkt);
    for (KurvenDiagramm* d : Diagramme_)
        connect(d, &KurvenDiagramm::punktGeklickt, this, [this, d](int kurve, int punkt) {
            // The force of a step is drawn at the step's end, one point on.
            waehleLauf(kurve, d == Diagramme_[3] ? punkt - 1 : punkt);
        });
    ZeigeZahlen();
}

LokLabor::~LokLabor() {
    // A window closing hides its fields only after this destructor: a field
    // that loses the focus then would report "editing finished" to a lab
    // that is no more.
    for (QObject* feld :
         {static_cast<QObject*>(Reibung_), static_cast<QObject*>(Abstand_), static_cast<QObject*>(Schritt_),
          static_cast<QObject*>(Speichern_), static_cast<QObject*>(Lauf_)})
        if (feld) disconnect(feld, nullptr, this, nullptr);
}

QLabel* LokLabor::zahl(const QString& name) const { return findChild<QLabel*>(name); }

QString LokLabor::meldung() const { return Status_->text(); }

void LokLabor::malen(QPainter& p, QSize groesse) const {
    p.save();
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    // A heading with the settings, then the diagrams two by two.
    const QFont kopf = widgets::PixelFont(widgets::SansFamily(), 14, true);
    const int h = QFontMetrics(kopf).height() + 8;
    p.setFont(kopf);
    p.setPen(Qt::black);
    p.drawText(QRect(8, 0, groesse.width() - 16, h), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Lok-Labor: Reibung %1 N·s/m, Abstand %2 cm, Zeitschritt %3 s")
                   .arg(Zahl(Einstellung_.Reibung, 1), Zahl(Einstellung_.AbstandCm, 1),
                        Zahl(Einstellung_.Dt, Einstellung_.Dt < 0.1f ? 3 : 1)));
    const int n = static_cast<int>(Diagramme_.size());
    const int spalten = n > 2 ? 2 : n;
    const int zeilen = (n + spalten - 1) / spalten;
    const int w = (groesse.width() - 8 * (spalten + 1)) / spalten;
    const int hd = (groesse.height() - h - 8 * zeilen) / zeilen;
    // As on the screen: the time plots above each other on the left and right,
    // F over t below s over t.
    static constexpr std::array<std::size_t, Diagrammzahl> Reihe{0, 1, 3, 2};
    for (int i = 0; i < n; ++i) {
        p.save();
        p.translate(8 + (i % spalten) * (w + 8), h + (i / spalten) * (hd + 8));
        Diagramme_[Reihe[static_cast<std::size_t>(i)]]->malen(p, QSize(w, hd));
        p.restore();
    }
    p.restore();
}

bool LokLabor::bildSpeichern() {
    if (!Ergebnis_ || rechnet()) return false;
    return ansichten::BildSpeichern(this, QStringLiteral("lok-labor.png"), QSize(800, 600),
                                    [this](QPainter& p, QSize g) { malen(p, g); });
}

void LokLabor::FelderUebernehmen() {
    LokEinstellung e;
    float wert = 0;
    const bool reibungOk = zahl::Lesen(Reibung_->text(), wert);
    e.Reibung = wert;
    const bool abstandOk = zahl::Lesen(Abstand_->text(), wert);
    e.AbstandCm = wert;
    e.Dt = Schritte[static_cast<std::size_t>(std::clamp(Schritt_->currentIndex(), 0, 1))];
    if (!reibungOk || !abstandOk) {
        Status_->setText(QStringLiteral("<span style='color:#c00000'>%1</span>").arg(tr("Bitte eine Zahl eingeben.")));
        return;
    }
    setEinstellung(e);
}

bool LokLabor::setEinstellung(const LokEinstellung& e) {
    QString fehler;
    if (!(e.Reibung >= 0.0f) || !std::isfinite(e.Reibung))
        fehler = tr("Die Reibung darf nicht negativ sein.");
    else if (!(std::fabs(e.AbstandCm) >= 0.01f) || !(std::fabs(e.AbstandCm) <= 100000.0f))
        fehler = tr("Der Abstand muss zwischen 0,01 cm und 100000 cm liegen.");
    else if (e.Dt != Schritte[0] && e.Dt != Schritte[1])
        fehler = tr("Der Zeitschritt muss 0,055 s oder 0,1 s sein.");
    if (!fehler.isEmpty()) {
        Status_->setText(QStringLiteral("<span style='color:#c00000'>%1</span>").arg(fehler));
        return false;
    }
    // Leaving a field after Enter reports the same settings a second time.
    const bool gleich = e.Reibung == Einstellung_.Reibung && e.AbstandCm == Einstellung_.AbstandCm &&
                        e.Dt == Einstellung_.Dt && (Ergebnis_ || rechnet());
    Einstellung_ = e;
    Reibung_->setText(ansichten::KurzeZahl(e.Reibung));
    Abstand_->setText(ansichten::KurzeZahl(e.AbstandCm));
    {
        const QSignalBlocker b(Schritt_);
        Schritt_->setCurrentIndex(e.Dt == Schritte[1] ? 1 : 0);
    }
    Status_->clear();
    if (!gleich) {
        NeuRechnen();
        VergleichRechnen();
        emit einstellungGeaendert();
    } else {
        Markieren();
    }
    return true;
}

void LokLabor::NeuRechnen() {
    if (!HatProjekt_) return;
    // The chosen step belongs to the runs on screen, which are about to go.
    Wahl_->setLauf(-1);
    MarkenWeg();
    Rechnung_.Anstossen([p = Projekt_, e = Einstellung_, probe = Fahrzeug_ == werkstatt::Fahrzeug::Unbestimmt](
                            const std::atomic<bool>& abbruch) { return RechneLok(p, e, &abbruch, probe); });
    Markieren();
}

void LokLabor::ZeigeWarnung() { WarnungZeigen(Warnungen(Ergebnis_ ? *Ergebnis_ : LokErgebnis{}, Fahrzeug_)); }

QStringList LokLabor::Warnungen(const LokErgebnis& e, werkstatt::Fahrzeug f) {
    QStringList s;
    if (f == werkstatt::Fahrzeug::Truck)
        s << tr(
            "Dieses Projekt ist für den Truck gewählt (Menü Fahrzeug); das Lok-Labor fährt es trotzdem mit der "
            "Lok.");
    if (e.Fehler || e.Laeufe.empty()) return s;
    if (f == werkstatt::Fahrzeug::Unbestimmt && e.TruckProbe && e.TruckProbe->Starts > 0 &&
        2 * e.TruckProbe->Docked >= e.TruckProbe->Starts)
        s << tr("Dieses Projekt dockt den Truck an %1 von %2 Starts an, bringt die Lok aber nie zur Ruhe: Es ist "
                "wohl für den Truck gemacht (Menü Fahrzeug).")
                 .arg(QString::number(e.TruckProbe->Docked), QString::number(e.TruckProbe->Starts));
    const QString rueckfall = ansichten::KurzeZahl(e.Rueckfall);
    if (e.KeineRegelAmStart)
        s << tr("Am Start (s = %1 cm, v = 0 cm/s) feuert keine Regel: Die Kraft fällt auf %2 N (Anfang des "
                "Ausgangsbereichs).")
                 .arg(ansichten::KurzeZahl(e.Einstellung.AbstandCm), rueckfall);
    if (e.KeineRegelUnterwegs)
        s << tr("Unterwegs erreicht die Lok Stellen, an denen keine Regel feuert, mit %1 zuerst bei t = %2 s, "
                "s = %3 cm, v = %4 cm/s: Dort fällt die Kraft auf %5 N.")
                 .arg(MasseName(pemrak::LabMasses()[static_cast<std::size_t>(e.KeineRegelUnterwegs->Masse)]),
                      Zahl(e.KeineRegelUnterwegs->T, lab::Quantity::Seconds),
                      Zahl(e.KeineRegelUnterwegs->SCm, lab::Quantity::Centimetres),
                      Zahl(e.KeineRegelUnterwegs->VCms, lab::Quantity::CmPerSecond), rueckfall);
    return s;
}

void LokLabor::ZeigeErgebnis(LokErgebnis&& e) {
    Ergebnis_ = std::make_shared<const LokErgebnis>(std::move(e));
    ZeigeKurven();
    ZeigeZahlen();
    ZeigeWarnung();
    Markieren();
    LaufGewechselt();
    if (Vorgemerkt_ >= 0) waehleLauf(std::exchange(Vorgemerkt_, -1), std::exchange(VorgemerkterPunkt_, 0));
    emit ergebnisAktualisiert();
}

void LokLabor::ZeigeKurven() {
    // The time axis ends a little after the last mass has come to rest, so the
    // stop itself fills the picture rather than a long flat tail.
    double tEnde = 0, tRuhe = 0;
    for (const auto* erg : {Ergebnis_.get(), VergleichErgebnis_.get()}) {
        if (!erg) continue;
        for (const pemrak::JudgedRun& l : erg->Laeufe) {
            tEnde = std::max(tEnde, double(l.Figures.EndT));
            tRuhe = std::max(tRuhe, double(l.AtRestFrom.value_or(l.Figures.EndT)));
        }
    }
    const double tBis = std::min(tEnde, std::max(2.0, tRuhe * 1.25 + 0.5));
    std::array<QVector<KurvenDiagramm::Kurve>, Diagrammzahl> kurven;
    auto hinzu = [&](const LokErgebnis& erg, bool blass) {
        for (std::size_t i = 0; i < erg.Laeufe.size(); ++i) {
            const pemrak::JudgedRun& l = erg.Laeufe[i];
            KurvenDiagramm::Kurve st{
                MasseName(l.Options.Start.Masse), Farbe(static_cast<int>(i)), {}, Stil(static_cast<int>(i)), blass};
            KurvenDiagramm::Kurve vt = st, sv = st, ft = st;
            for (const pemrak::TrackPoint& p : l.Run.Track) {
                st.Punkte.append(QPointF(p.t, p.sCm));
                vt.Punkte.append(QPointF(p.t, p.vCms));
                ft.Punkte.append(QPointF(p.t, p.Kraft));
                // The s-v curve up to the same moment as the time plots.
                if (p.t <= tBis) sv.Punkte.append(QPointF(p.sCm, p.vCms));
            }
            kurven[0].append(st);
            kurven[1].append(vt);
            kurven[2].append(sv);
            kurven[3].append(ft);
        }
    };
    // The project's own curves first (the compared ones are painted beneath).
    if (Ergebnis_) hinzu(*Ergebnis_, false);
    if (VergleichErgebnis_ && HatVergleich_) hinzu(*VergleichErgebnis_, true);
    for (int d = 0; d < Diagrammzahl; ++d) {
        if (d != 2) Diagramme_[static_cast<std::size_t>(d)]->setXBereich(0.0, tBis);
        Diagramme_[static_cast<std::size_t>(d)]->setKurven(kurven[static_cast<std::size_t>(d)]);
    }
}

void LokLabor::VergleichNeu() {
    VergleichErgebnis_.reset();
    VergleichRechnen();
    ZeigeKurven();
}

void LokLabor::VergleichWeg() {
    VergleichErgebnis_.reset();
    ZeigeKurven();
}

void LokLabor::VergleichRechnen() {
    if (!HatVergleich_) return;
    VergleichText(tr("Vergleich mit %1: wird berechnet …").arg(VergleichName_));
    VergleichRechnung_.Anstossen(
        [p = Vergleich_, e = Einstellung_](const std::atomic<bool>& abbruch) { return RechneLok(p, e, &abbruch); });
}

void LokLabor::ZeigeVergleich(LokErgebnis&& e) {
    if (!HatVergleich_) return;
    VergleichErgebnis_ = std::make_shared<const LokErgebnis>(std::move(e));
    QStringList teile;
    for (const pemrak::JudgedRun& l : VergleichErgebnis_->Laeufe)
        teile << tr("%1 in Ruhe ab %2, Überschwingen %3 cm, %4 Kraftwechsel")
                     .arg(MasseName(l.Options.Start.Masse),
                          l.AtRestFrom ? tr("t = %1 s").arg(Zahl(*l.AtRestFrom, lab::Quantity::Seconds)) : tr("nie"),
                          Zahl(l.Figures.OvershootCm, lab::Quantity::Centimetres))
                     .arg(l.Figures.SignChanges);
    VergleichText(
        !VergleichErgebnis_->Fehler
            ? tr("Vergleich mit %1 (gestrichelt): %2").arg(VergleichName_, teile.join(QStringLiteral("; ")))
            : tr("Vergleich mit %1: %2").arg(VergleichName_, QString::fromStdString(*VergleichErgebnis_->Fehler)));
    ZeigeKurven();
}

void LokLabor::Markieren() {
    const bool alt = rechnet();
    for (KurvenDiagramm* d : Diagramme_) d->setVeraltet(alt);
    for (int i = 0; i < 3; ++i)
        for (const char* s : Spalten)
            if (QLabel* l = zahl(ZeilenName(s, i))) l->setEnabled(!alt);
    if (alt)
        Status_->setText(tr("wird berechnet …"));
    else if (Ergebnis_ && Ergebnis_->Fehler)
        Status_->setText(QStringLiteral("<span style='color:#c00000'>%1</span>")
                             .arg(QString::fromStdString(*Ergebnis_->Fehler).toHtmlEscaped()));
    else if (Status_->text() == tr("wird berechnet …"))
        Status_->clear();
}

// Narrowed by "Warum?" and an exercise beside it, the headings would wrap
// to eight lines: then they keep to their first line.
void LokLabor::KoepfeAnpassen() {
    const QWidget* sicht = Seite_ && Seite_->parentWidget() ? Seite_->parentWidget() : Seite_;
    const bool schmal = sicht && sicht->width() < 640;
    for (std::size_t c = 0; c < Koepfe_.size(); ++c) {
        const QString text = schmal ? KopfTexte_[c].section(QStringLiteral("<br>"), 0, 0) : KopfTexte_[c];
        const QString html = QStringLiteral("<b>%1</b>").arg(text);
        if (Koepfe_[c]->text() != html) Koepfe_[c]->setText(html);
    }
}

bool LokLabor::eventFilter(QObject* o, QEvent* e) {
    if (Seite_ && o == Seite_->parentWidget() && e->type() == QEvent::Resize) KoepfeAnpassen();
    return LaborSeite::eventFilter(o, e);
}

void LokLabor::ZeigeZahlen() {
    for (int i = 0; i < 3; ++i) {
        const bool da = Ergebnis_ && static_cast<std::size_t>(i) < Ergebnis_->Laeufe.size();
        const QString leer = QStringLiteral("–");
        if (!da) {
            for (const char* s : Spalten) zahl(ZeilenName(s, i))->setText(leer);
            continue;
        }
        const pemrak::JudgedRun& l = Ergebnis_->Laeufe[static_cast<std::size_t>(i)];
        auto ab = [](const std::optional<float>& t) {
            return t ? tr("t = %1 s").arg(Zahl(*t, lab::Quantity::Seconds)) : tr("nie");
        };
        zahl(ZeilenName("ruhe", i))->setText(ab(l.AtRestFrom));
        zahl(ZeilenName("genau", i))->setText(ab(l.ExactFrom));
        zahl(ZeilenName("ueberschwingen", i))
            ->setText(Zahl(l.Figures.OvershootCm, lab::Quantity::Centimetres) + QStringLiteral(" cm"));
        zahl(ZeilenName("wechsel", i))->setText(QString::number(l.Figures.SignChanges));
        zahl(ZeilenName("ende", i))
            // A figure and its unit never part at a line's end.
            ->setText(QStringLiteral("%1\u00a0s; %2\u00a0cm; %3\u00a0cm/s%4")
                          .arg(Zahl(l.Figures.EndT, lab::Quantity::Seconds),
                               Zahl(l.Figures.EndSCm, lab::Quantity::Centimetres),
                               Zahl(l.Figures.EndVCms, lab::Quantity::CmPerSecond), EndeZusatz(l.Figures)));
    }
}

int LokLabor::gewaehlterLauf() const { return Lauf_->currentIndex(); }

bool LokLabor::zeigeLauf(const pemrak::RunOptions& lauf, int punkt) {
    const auto& massen = pemrak::LabMasses();
    const auto m = std::find(massen.begin(), massen.end(), lauf.Start.Masse);
    LokEinstellung e = Einstellung_;
    e.Reibung = lauf.Start.Reibung;
    e.AbstandCm = lauf.Start.AbstandCm;
    e.Dt = lauf.Dt;
    const bool anders =
        e.Reibung != Einstellung_.Reibung || e.AbstandCm != Einstellung_.AbstandCm || e.Dt != Einstellung_.Dt;
    if (anders && !setEinstellung(e)) return false;
    if (m == massen.end()) return false;
    const int i = static_cast<int>(m - massen.begin());
    if (rechnet() || !Ergebnis_) {
        Vorgemerkt_ = i;
        VorgemerkterPunkt_ = punkt;
    } else {
        waehleLauf(i, punkt);
    }
    return true;
}

void LokLabor::waehleLauf(int lauf, int punkt) {
    if (lauf < 0 || lauf >= Lauf_->count()) return;
    Wahl_->anhalten();
    if (lauf != Lauf_->currentIndex())
        Lauf_->setCurrentIndex(lauf);  // LaufGewechselt sets up the picker
    else if (Wahl_->letzter() < 0)
        LaufGewechselt();
    Wahl_->setPunkt(punkt);
}

void LokLabor::LaufGewechselt() {
    MarkenWeg();
    const int i = Lauf_->currentIndex();
    if (rechnet() || !Ergebnis_ || i < 0 || static_cast<std::size_t>(i) >= Ergebnis_->Laeufe.size() ||
        Ergebnis_->Laeufe[static_cast<std::size_t>(i)].Run.Track.empty()) {
        Wahl_->setLauf(-1);
        return;
    }
    Wahl_->setLauf(static_cast<int>(Ergebnis_->Laeufe[static_cast<std::size_t>(i)].Run.Track.size()) - 1);
}

void LokLabor::MarkenWeg() {
    for (KurvenDiagramm* d : Diagramme_) d->setMarke(-1, -1);
}

void LokLabor::ZeigePunkt(int k) {
    const int i = Lauf_->currentIndex();
    if (!Ergebnis_ || i < 0 || static_cast<std::size_t>(i) >= Ergebnis_->Laeufe.size()) return;
    const pemrak::JudgedRun& l = Ergebnis_->Laeufe[static_cast<std::size_t>(i)];
    const auto& track = l.Run.Track;
    const int n = static_cast<int>(track.size()) - 1;  // control steps of the run
    if (k < 0 || k > n) return;
    const pemrak::TrackPoint& p = track[static_cast<std::size_t>(k)];
    for (int d = 0; d < 3; ++d) Diagramme_[static_cast<std::size_t>(d)]->setMarke(i, k);
    // The force of the step from here is drawn at the step's end.
    Diagramme_[3]->setMarke(i, k < n ? k + 1 : -1);
    const QString lauf =
        tr("%1, Zeitschritt %2 s")
            .arg(MasseName(l.Options.Start.Masse), Zahl(Einstellung_.Dt, Einstellung_.Dt < 0.1f ? 3 : 1));
    if (k == n) {
        Wahl_->setText(tr("%1 – Ende nach %2 Schritten (t = %3 s): s = %4 cm, v = %5 cm/s")
                           .arg(lauf)
                           .arg(n)
                           .arg(Zahl(p.t, lab::Quantity::Seconds), Zahl(p.sCm, lab::Quantity::Centimetres),
                                Zahl(p.vCms, lab::Quantity::CmPerSecond)));
        return;
    }
    // The step from this point: the controller reads this point's s and v,
    // and the next point records the force it gave.
    const pemrak::TrackPoint& q = track[static_cast<std::size_t>(k) + 1];
    Wahl_->setText(tr("%1 – Schritt %2 von %3 (t = %4 s): s = %5 cm, v = %6 cm/s → Kraft %7 N")
                       .arg(lauf)
                       .arg(k + 1)
                       .arg(n)
                       .arg(Zahl(p.t, lab::Quantity::Seconds), Zahl(p.sCm, lab::Quantity::Centimetres),
                            Zahl(p.vCms, lab::Quantity::CmPerSecond), ansichten::KurzeZahl(q.Kraft)));
    ansichten::Laufschritt s;
    s.Herkunft = tr("Lok-Labor, %1, Schritt %2 von %3").arg(lauf).arg(k + 1).arg(n);
    s.A = p.sCm;
    s.B = p.vCms;
    s.Angewandt = q.Kraft;
    SchrittMelden(s);
}

}  // namespace labor
