#include "LokLabor.h"

#include "Bildexport.h"
#include "Fonts.h"
#include "KurvenDiagramm.h"
#include "SingEdit.h"
#include "Zahl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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
    : LaborSeite(parent), Rechnung_(this, [this](LokErgebnis&& e) { ZeigeErgebnis(std::move(e)); }) {
    auto* felder = new QHBoxLayout;
    felder->addWidget(new QLabel(QStringLiteral("Reibung in N·s/m:"), this));
    Reibung_ = new TSingEdit(this);
    Reibung_->setObjectName(QStringLiteral("reibung"));
    Reibung_->setMaximumWidth(100);
    felder->addWidget(Reibung_);
    felder->addSpacing(12);
    felder->addWidget(new QLabel(QStringLiteral("Abstand in cm:"), this));
    Abstand_ = new TSingEdit(this);
    Abstand_->setObjectName(QStringLiteral("abstand"));
    Abstand_->setMaximumWidth(100);
    felder->addWidget(Abstand_);
    felder->addSpacing(12);
    felder->addWidget(new QLabel(QStringLiteral("Zeitschritt:"), this));
    Schritt_ = new QComboBox(this);
    Schritt_->addItem(QStringLiteral("0,055 s"));
    Schritt_->addItem(QStringLiteral("0,1 s"));
    Schritt_->setToolTip(QStringLiteral("Der erste Schritt dauert wie im Programm stets 0,1 s."));
    felder->addWidget(Schritt_);
    felder->addStretch(1);
    Status_ = new QLabel(this);
    Status_->setObjectName(QStringLiteral("status"));
    felder->addWidget(Status_);
    Speichern_ = new QPushButton(tr("Bild speichern…"), this);
    felder->addWidget(Speichern_);

    auto* zahlen = new QGridLayout;
    const QString kopf[] = {QStringLiteral("Masse"),
                            QStringLiteral("in Ruhe ab<br>(|s| &lt; 1 cm, |v| &lt; 0,5 cm/s)"),
                            QStringLiteral("genau ab<br>(|s| &lt; 0,5 cm, |v| &lt; 0,5 cm/s)"),
                            QStringLiteral("Überschwingen<br>(hinter der Marke)"),
                            QStringLiteral("Kraftwechsel<br>(Vorzeichen)"),
                            QStringLiteral("Ende des Laufs")};
    for (int c = 0; c < 6; ++c) {
        auto* l = new QLabel(QStringLiteral("<b>%1</b>").arg(kopf[c]), this);
        zahlen->addWidget(l, 0, c);
    }
    for (int i = 0; i < 3; ++i) {
        auto* name =
            new QLabel(QStringLiteral("<span style='color:%1'>&#9632;</span>&nbsp;%2")
                           .arg(Farbe(i).name(), MasseName(pemrak::LaborMassen()[static_cast<std::size_t>(i)])),
                       this);
        zahlen->addWidget(name, i + 1, 0);
        for (int c = 0; c < 5; ++c) {
            auto* l = new QLabel(this);
            l->setObjectName(ZeilenName(Spalten[c], i));
            zahlen->addWidget(l, i + 1, c + 1);
        }
    }
    zahlen->setColumnStretch(5, 1);

    auto* bilder = new QHBoxLayout;
    Diagramme_[0] = new KurvenDiagramm(QStringLiteral("Weg über der Zeit"), QStringLiteral("t in s"),
                                       QStringLiteral("s in cm"), this);
    Diagramme_[1] = new KurvenDiagramm(QStringLiteral("Geschwindigkeit über der Zeit"), QStringLiteral("t in s"),
                                       QStringLiteral("v in cm/s"), this);
    Diagramme_[2] = new KurvenDiagramm(QStringLiteral("s-v-Diagramm"), QStringLiteral("s in cm"),
                                       QStringLiteral("v in cm/s"), this);
    for (KurvenDiagramm* d : Diagramme_) bilder->addWidget(d);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addLayout(zahlen);
    layout->addLayout(bilder, 1);

    Reibung_->setNumber(Einstellung_.Reibung);
    Abstand_->setNumber(Einstellung_.AbstandCm);
    connect(Reibung_, &QLineEdit::editingFinished, this, &LokLabor::FelderUebernehmen);
    connect(Abstand_, &QLineEdit::editingFinished, this, &LokLabor::FelderUebernehmen);
    connect(Schritt_, &QComboBox::currentIndexChanged, this, &LokLabor::FelderUebernehmen);
    connect(Speichern_, &QPushButton::clicked, this, &LokLabor::bildSpeichern);
    ZeigeZahlen();
}

LokLabor::~LokLabor() = default;

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
    for (int i = 0; i < n; ++i) {
        p.save();
        p.translate(8 + (i % spalten) * (w + 8), h + (i / spalten) * (hd + 8));
        Diagramme_[static_cast<std::size_t>(i)]->malen(p, QSize(w, hd));
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
    const bool reibungOk = TSingEdit::ParseNumber(Reibung_->text(), wert);
    e.Reibung = wert;
    const bool abstandOk = TSingEdit::ParseNumber(Abstand_->text(), wert);
    e.AbstandCm = wert;
    e.Dt = Schritte[static_cast<std::size_t>(std::clamp(Schritt_->currentIndex(), 0, 1))];
    if (!reibungOk || !abstandOk) {
        Status_->setText(QStringLiteral("<span style='color:#c00000'>Bitte eine Zahl eingeben.</span>"));
        return;
    }
    setEinstellung(e);
}

bool LokLabor::setEinstellung(const LokEinstellung& e) {
    QString fehler;
    if (!(e.Reibung >= 0.0f) || !std::isfinite(e.Reibung))
        fehler = QStringLiteral("Die Reibung darf nicht negativ sein.");
    else if (!(std::fabs(e.AbstandCm) >= 0.01f) || !(std::fabs(e.AbstandCm) <= 100000.0f))
        fehler = QStringLiteral("Der Abstand muss zwischen 0,01 cm und 100000 cm liegen.");
    else if (e.Dt != Schritte[0] && e.Dt != Schritte[1])
        fehler = QStringLiteral("Der Zeitschritt muss 0,055 s oder 0,1 s sein.");
    if (!fehler.isEmpty()) {
        Status_->setText(QStringLiteral("<span style='color:#c00000'>%1</span>").arg(fehler));
        return false;
    }
    // Leaving a field after Enter reports the same settings a second time.
    const bool gleich = e.Reibung == Einstellung_.Reibung && e.AbstandCm == Einstellung_.AbstandCm &&
                        e.Dt == Einstellung_.Dt && (Ergebnis_ || rechnet());
    Einstellung_ = e;
    Reibung_->setNumber(e.Reibung);
    Abstand_->setNumber(e.AbstandCm);
    {
        const QSignalBlocker b(Schritt_);
        Schritt_->setCurrentIndex(e.Dt == Schritte[1] ? 1 : 0);
    }
    Status_->clear();
    if (!gleich)
        NeuRechnen();
    else
        Markieren();
    return true;
}

void LokLabor::NeuRechnen() {
    if (!HatProjekt_) return;
    Rechnung_.Anstossen(
        [p = Projekt_, e = Einstellung_](const std::atomic<bool>& abbruch) { return RechneLok(p, e, &abbruch); });
    Markieren();
}

void LokLabor::ZeigeErgebnis(LokErgebnis&& e) {
    Ergebnis_ = std::make_shared<const LokErgebnis>(std::move(e));
    // The time axis ends a little after the last mass has come to rest, so the
    // stop itself fills the picture rather than a long flat tail.
    double tEnde = 0, tRuhe = 0;
    std::array<QVector<KurvenDiagramm::Kurve>, 3> kurven;
    for (std::size_t i = 0; i < Ergebnis_->Laeufe.size(); ++i) {
        const pemrak::Versuch& l = Ergebnis_->Laeufe[i];
        tEnde = std::max(tEnde, double(l.Zahlen.EndeT));
        tRuhe = std::max(tRuhe, double(l.InRuheAb.value_or(l.Zahlen.EndeT)));
        KurvenDiagramm::Kurve st{
            MasseName(l.Optionen.Start.Masse), Farbe(static_cast<int>(i)), {}, Stil(static_cast<int>(i))};
        KurvenDiagramm::Kurve vt = st, sv = st;
        for (const pemrak::LaufPunkt& p : l.Fahrt.Verlauf) {
            st.Punkte.append(QPointF(p.t, p.sCm));
            vt.Punkte.append(QPointF(p.t, p.vCms));
        }
        kurven[0].append(st);
        kurven[1].append(vt);
        kurven[2].append(sv);
    }
    const double tBis = std::min(tEnde, std::max(2.0, tRuhe * 1.25 + 0.5));
    for (std::size_t i = 0; i < Ergebnis_->Laeufe.size(); ++i) {
        // The s-v curve up to the same moment as the time plots.
        for (const pemrak::LaufPunkt& p : Ergebnis_->Laeufe[i].Fahrt.Verlauf) {
            if (p.t > tBis) break;
            kurven[2][static_cast<int>(i)].Punkte.append(QPointF(p.sCm, p.vCms));
        }
    }
    for (int d = 0; d < 3; ++d) {
        if (d < 2) Diagramme_[static_cast<std::size_t>(d)]->setXBereich(0.0, tBis);
        Diagramme_[static_cast<std::size_t>(d)]->setKurven(kurven[static_cast<std::size_t>(d)]);
    }
    ZeigeZahlen();
    Markieren();
    emit ergebnisAktualisiert();
}

void LokLabor::Markieren() {
    const bool alt = rechnet();
    for (KurvenDiagramm* d : Diagramme_) d->setVeraltet(alt);
    for (int i = 0; i < 3; ++i)
        for (const char* s : Spalten)
            if (QLabel* l = zahl(ZeilenName(s, i))) l->setEnabled(!alt);
    if (alt)
        Status_->setText(QStringLiteral("wird berechnet …"));
    else if (Ergebnis_ && !Ergebnis_->Fehler.empty())
        Status_->setText(QStringLiteral("<span style='color:#c00000'>%1</span>")
                             .arg(QString::fromStdString(Ergebnis_->Fehler).toHtmlEscaped()));
    else if (Status_->text().startsWith(QStringLiteral("wird")))
        Status_->clear();
}

void LokLabor::ZeigeZahlen() {
    for (int i = 0; i < 3; ++i) {
        const bool da = Ergebnis_ && static_cast<std::size_t>(i) < Ergebnis_->Laeufe.size();
        const QString leer = QStringLiteral("–");
        if (!da) {
            for (const char* s : Spalten) zahl(ZeilenName(s, i))->setText(leer);
            continue;
        }
        const pemrak::Versuch& l = Ergebnis_->Laeufe[static_cast<std::size_t>(i)];
        auto ab = [](const std::optional<float>& t) {
            return t ? QStringLiteral("t = %1 s").arg(Zahl(*t, 3)) : QStringLiteral("nie");
        };
        zahl(ZeilenName("ruhe", i))->setText(ab(l.InRuheAb));
        zahl(ZeilenName("genau", i))->setText(ab(l.GenauAb));
        zahl(ZeilenName("ueberschwingen", i))->setText(Zahl(l.Zahlen.UeberschwingenCm, 2) + QStringLiteral(" cm"));
        zahl(ZeilenName("wechsel", i))->setText(QString::number(l.Zahlen.Vorzeichenwechsel));
        zahl(ZeilenName("ende", i))
            ->setText(QStringLiteral("t = %1 s: s = %2 cm, v = %3 cm/s%4")
                          .arg(Zahl(l.Zahlen.EndeT, 2), Zahl(l.Zahlen.EndeSCm, 2), Zahl(l.Zahlen.EndeVCms, 2),
                               l.Zahlen.Ausgelaufen ? QStringLiteral(" (30 cm hinter der Marke)") : QString()));
    }
}

}  // namespace labor
