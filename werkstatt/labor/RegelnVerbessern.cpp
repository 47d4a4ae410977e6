#include "widgets/Zahlformat.h"
#include "werkstatt/labor/RegelnVerbessern.h"

#include "fuzzy/Language.h"
#include "werkstatt/labor/TermVergleich.h"
#include "werkstatt/labor/Zahl.h"
#include "ui_RegelnVerbessern.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QMutexLocker>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <stdexcept>

namespace labor {

// Shared between the worker and the dialog: the newest best-so-far, handed
// over under the mutex.
struct RegelnVerbessern::Lauf {
    QMutex Sperre;
    tuning::Progress Stand;  // pointers cleared; copies below
    std::optional<tuning::Score> Vorher;
    std::optional<tuning::Score> Beste;
    std::optional<fuzzy::Project> BestesProjekt;
    bool Neu = false;
};

namespace {

QString Zeilen(const std::string& text) {
    // The tuner's figures are shared with the command line, which writes a
    // decimal point; on screen they take the workshop's style (its minus
    // sign, and the decimal comma in German).
    return zahl::ImText(QString::fromStdString(text))
        .toHtmlEscaped()
        .replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString Abk(const fuzzy::TFuzzy& v, int i) { return QString::fromStdString(v.GetTermAbbrev(i)).toHtmlEscaped(); }

}  // namespace

QString RegelnAlsHtml(const fuzzy::Project& p, const fuzzy::RuleTable* vergleich, std::uint32_t ohneFahrt) {
    const fuzzy::TFuzzy& A = p.A;
    const fuzzy::TFuzzy& B = p.B;
    const fuzzy::TFuzzy& Out = p.Out;
    const fuzzy::RuleTable& R = p.Rules;
    // As on the rule page and in the inspector: a column per term of A, a row
    // per term of B, both axes named after their variables.
    const int spalten = A.Defined ? A.UsedTerms() : 0;
    const int zeilen = B.Defined ? B.UsedTerms() : 1;
    auto name = [](const fuzzy::TFuzzy& v) { return QString::fromStdString(v.Name).toHtmlEscaped(); };
    QString h = QStringLiteral("<table border='1' cellspacing='0' cellpadding='3'>");
    h += QStringLiteral("<tr><td colspan='2' style='border:none'></td><th colspan='%1'>A: %2</th></tr>")
             .arg(std::max(spalten, 1))
             .arg(name(A));
    h += QStringLiteral("<tr><td style='border:none'></td><th>%1</th>")
             .arg(B.Defined ? QStringLiteral("B \\ A") : QStringLiteral("A"));
    for (int c = 1; c <= spalten; ++c) h += QStringLiteral("<th>%1</th>").arg(Abk(A, c));
    h += QStringLiteral("</tr>");
    for (int r = 1; r <= zeilen; ++r) {
        h += QStringLiteral("<tr>");
        if (r == 1)
            h += QStringLiteral("<th rowspan='%1'>%2</th>")
                     .arg(zeilen)
                     .arg(B.Defined ? QStringLiteral("B: %1").arg(name(B))
                                    : QCoreApplication::translate("labor::RegelnVerbessern", "ohne B"));
        h += QStringLiteral("<th>%1</th>").arg(B.Defined ? Abk(B, r) : QStringLiteral("–"));
        for (int c = 1; c <= spalten; ++c) {
            const int e = R.Get(r, c);
            const bool anders = vergleich && vergleich->Get(r, c) != e;
            const bool leer = anders && (ohneFahrt & (1u << ((r - 1) * 5 + (c - 1)))) != 0;
            const QString inhalt = e >= 1 && e <= Out.UsedTerms() ? Abk(Out, e) : QStringLiteral("&nbsp;");
            h += QStringLiteral("<td align='center'%1>%2</td>")
                     .arg(leer     ? QStringLiteral(" bgcolor='#fff3cc'")
                          : anders ? QStringLiteral(" bgcolor='#ffe08a'")
                                   : QString(),
                          leer ? QStringLiteral("<i>%1</i>").arg(inhalt) : inhalt);
        }
        h += QStringLiteral("</tr>");
    }
    return h + QStringLiteral("</table>");
}

RegelnVerbessern::RegelnVerbessern(QWidget* parent)
    : QDialog(parent),
      Ui_(std::make_unique<Ui::RegelnVerbessern>()),
      Rechnung_(this, [this](LaufErgebnis&& a) { Fertig(std::move(a)); }) {
    Ui_->setupUi(this);
    const QFont fest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Ui_->VorherZahlen->setFont(fest);
    Ui_->NachherZahlen->setFont(fest);
    Ui_->VorherZahlen->setTextFormat(Qt::RichText);
    Ui_->NachherZahlen->setTextFormat(Qt::RichText);
    Ui_->VorherRegeln->setTextFormat(Qt::RichText);
    Ui_->NachherRegeln->setTextFormat(Qt::RichText);
    Ui_->StatusLbl->setTextFormat(Qt::RichText);
    Ui_->ErklaerungLbl->setTextFormat(Qt::RichText);
    // The terms beneath each rule table: before, and after with what moved.
    VorherTerme_ = new TermVergleich(Ui_->VorherBox);
    VorherTerme_->setObjectName(QStringLiteral("VorherTerme"));
    NachherTerme_ = new TermVergleich(Ui_->NachherBox);
    NachherTerme_->setObjectName(QStringLiteral("NachherTerme"));
    Ui_->vorherLayout->insertWidget(2, VorherTerme_);
    Ui_->nachherLayout->insertWidget(2, NachherTerme_);
    connect(Ui_->StartBtn, &QPushButton::clicked, this, &RegelnVerbessern::starten);
    connect(Ui_->AbbrechenBtn, &QPushButton::clicked, this, &RegelnVerbessern::abbrechen);
    connect(Ui_->UebernehmenBtn, &QPushButton::clicked, this, &RegelnVerbessern::Uebernehmen);
    connect(Ui_->SchliessenBtn, &QPushButton::clicked, this, &QDialog::reject);
    Bereit(false);
}

RegelnVerbessern::~RegelnVerbessern() = default;

QString RegelnVerbessern::status() const { return Ui_->StatusLbl->text(); }

QString RegelnVerbessern::erklaerung() const { return Ui_->ErklaerungLbl->text(); }

QStringList RegelnVerbessern::geaenderteTerme() const { return NachherTerme_->geaenderteTerme(); }

void RegelnVerbessern::setProjekt(const fuzzy::Project& p) {
    if (laeuft()) return;
    Start_ = p;
    HatStart_ = true;
    Ergebnis_.reset();
    Ui_->UebernehmenBtn->setEnabled(false);
    Ui_->Fortschritt->setValue(0);
    Ui_->StatusLbl->clear();
    Ui_->VorherZahlen->setText(tr("(noch nicht bewertet)"));
    Ui_->VorherRegeln->setText(RegelnAlsHtml(Start_, nullptr));
    VorherTerme_->setProjekte(Start_, nullptr);
    Ui_->NachherZahlen->clear();
    Ui_->NachherRegeln->clear();
    NachherTerme_->leeren();
    Ui_->ErklaerungLbl->clear();
}

tuning::Options RegelnVerbessern::optionen() const {
    tuning::Options o = Basis_;
    o.Kind = Ui_->LokBtn->isChecked() ? tuning::Vehicle::Loco : tuning::Vehicle::Truck;
    o.Terms = Ui_->TermeBox->isChecked();
    o.Monotone = Ui_->MonotonBox->isChecked();
    o.Seconds = Ui_->ZeitSpin->value();
    o.Seed = static_cast<std::uint64_t>(Ui_->StartwertSpin->value());
    return o;
}

void RegelnVerbessern::setOptionen(const tuning::Options& o) {
    Basis_ = o;
    (o.Kind == tuning::Vehicle::Loco ? Ui_->LokBtn : Ui_->TruckBtn)->setChecked(true);
    Ui_->TermeBox->setChecked(o.Terms);
    Ui_->MonotonBox->setChecked(o.Monotone);
    Ui_->ZeitSpin->setValue(static_cast<int>(o.Seconds));
    Ui_->StartwertSpin->setValue(static_cast<int>(o.Seed));
}

void RegelnVerbessern::Bereit(bool laeuft) {
    Ui_->Einstellungen->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{Ui_->TruckBtn, Ui_->LokBtn, Ui_->TermeBox, Ui_->MonotonBox,
                                                      Ui_->ZeitSpin, Ui_->StartwertSpin, Ui_->StartBtn})
        w->setEnabled(!laeuft);
    Ui_->AbbrechenBtn->setEnabled(laeuft);
    Ui_->NachherBox->setTitle(laeuft ? tr("Nachher (bestes bisher)") : tr("Nachher"));
    Ui_->SchliessenBtn->setEnabled(!laeuft);
}

void RegelnVerbessern::starten() {
    if (laeuft()) return;
    const tuning::Options o = optionen();
    if (!HatStart_) {
        Ui_->StatusLbl->setText(
            QStringLiteral("<span style='color:#c00000'>%1</span>").arg(tr("Kein Projekt geladen.")));
        return;
    }
    const fuzzy::Project start = Start_;
    if (const auto fehler = tuning::Unsuitable(start, o.Kind)) {
        Ui_->StatusLbl->setText(QStringLiteral("<span style='color:#c00000'>%1</span>")
                                    .arg(QString::fromStdString(*fehler).toHtmlEscaped()));
        return;
    }
    Ergebnis_.reset();
    BestesBisher_.reset();
    BesteWertung_.reset();
    Ui_->UebernehmenBtn->setEnabled(false);
    Ui_->Fortschritt->setValue(0);
    Ui_->StatusLbl->setText(tr("Die Ausgangslage wird bewertet …"));
    Ui_->NachherZahlen->clear();
    Ui_->NachherRegeln->clear();
    NachherTerme_->leeren();
    Ui_->ErklaerungLbl->clear();
    Bereit(true);

    Lauf_ = std::make_shared<Lauf>();
    std::shared_ptr<Lauf> lauf = Lauf_;
    QPointer<RegelnVerbessern> dialog(this);
    Rechnung_.Anstossen([start, o, lauf, dialog](const std::atomic<bool>& abbruch) {
        LaufErgebnis a;
        try {
            a.Ergebnis = tuning::Tune(start, o, &abbruch, [&](const tuning::Progress& p) {
                bool posten = false;
                {
                    QMutexLocker l(&lauf->Sperre);
                    lauf->Stand = p;
                    lauf->Stand.Best = nullptr;
                    lauf->Stand.BestProject = nullptr;
                    if (p.Best) {
                        if (!lauf->Vorher) lauf->Vorher = *p.Best;
                        lauf->Beste = *p.Best;
                    }
                    if (p.BestProject) lauf->BestesProjekt = *p.BestProject;
                    // One notice on its way is enough: the dialog reads the
                    // newest state when it gets round to it, however many
                    // rounds (a thousand a second, for the locomotive) ended
                    // in between.
                    posten = !lauf->Neu;
                    lauf->Neu = true;
                }
                // A dialog already gone receives nothing.
                if (posten && dialog)
                    QMetaObject::invokeMethod(
                        dialog,
                        [dialog] {
                            if (dialog) dialog->Fortschritt();
                        },
                        Qt::QueuedConnection);
            });
        } catch (const std::exception& e) {
            a.Fehler = e.what();
        }
        return a;
    });
}

void RegelnVerbessern::reject() {
    abbrechen();
    Rechnung_.WarteAufEnde();
    QDialog::reject();
}

void RegelnVerbessern::abbrechen() {
    if (laeuft()) {
        Rechnung_.Abbrechen();
        Ui_->StatusLbl->setText(tr("Wird abgebrochen; das Beste bisher bleibt …"));
    }
}

void RegelnVerbessern::Fortschritt() {
    if (!Lauf_) return;
    tuning::Progress p;
    std::optional<tuning::Score> vorher, beste;
    std::optional<fuzzy::Project> projekt;
    {
        QMutexLocker l(&Lauf_->Sperre);
        if (!Lauf_->Neu) return;
        Lauf_->Neu = false;
        p = Lauf_->Stand;
        vorher = Lauf_->Vorher;
        beste = Lauf_->Beste;
        projekt = Lauf_->BestesProjekt;
    }
    Ui_->Fortschritt->setValue(static_cast<int>(std::clamp(p.Fraction, 0.0, 1.0) * 1000.0));
    if (!Rechnung_.Abgebrochen())
        Ui_->StatusLbl->setText(tr("Runde %1, %2 Bewertungen, %3 Verbesserungen, %4 s")
                                    .arg(p.Round)
                                    .arg(p.Evaluations)
                                    .arg(p.Improvements)
                                    .arg(Zahl(p.Seconds, lab::Quantity::WorkSeconds)));
    if (projekt) BestesBisher_ = *projekt;
    BesteWertung_ = beste;
    ZeigeVergleich(vorher ? &*vorher : nullptr, projekt ? &*projekt : nullptr, beste ? &*beste : nullptr);
    emit fortschritt(p.Round);
}

void RegelnVerbessern::ZeigeVergleich(const tuning::Score* vorher, const fuzzy::Project* nachher,
                                      const tuning::Score* besser) {
    // The figures in the decimals of the language on screen.
    const tuning::Decimals d = fuzzy::DecimalSign() == ',' ? tuning::Decimals::Comma : tuning::Decimals::Point;
    if (vorher) Ui_->VorherZahlen->setText(Zeilen(tuning::Describe(*vorher, d)));
    if (besser) Ui_->NachherZahlen->setText(Zeilen(tuning::Describe(*besser, d)));
    if (nachher) {
        Ui_->NachherRegeln->setText(RegelnAlsHtml(*nachher, &Start_.Rules));
        NachherTerme_->setProjekte(*nachher, &Start_);
    }
    // Which figure got better by how much, and what got worse on the way.
    if (vorher && besser) Ui_->ErklaerungLbl->setText(Zeilen(tuning::Explain(*vorher, *besser, d)));
}

void RegelnVerbessern::Fertig(LaufErgebnis&& a) {
    Bereit(false);
    const bool abgebrochen = Rechnung_.Abgebrochen();
    if (!a.Ergebnis) {
        Ui_->StatusLbl->setText(QStringLiteral("<span style='color:#c00000'>%1</span>")
                                    .arg(QString::fromStdString(a.Fehler).toHtmlEscaped()));
        emit beendet();
        return;
    }
    const tuning::Result& r = *a.Ergebnis;
    Ui_->Fortschritt->setValue(abgebrochen ? Ui_->Fortschritt->value() : Ui_->Fortschritt->maximum());
    if (!r.Start.Complete) {
        // Stopped before the start was scored: no figures to show, and
        // nothing to take over.
        const QString keine = tr("(nicht bewertet: abgebrochen, bevor alle Läufe bewertet waren)");
        Ui_->VorherZahlen->setText(keine);
        Ui_->NachherZahlen->setText(keine);
        Ui_->NachherRegeln->setText(RegelnAlsHtml(Start_, nullptr));
        NachherTerme_->setProjekte(Start_, nullptr);
        Ui_->UebernehmenBtn->setEnabled(false);
        Ui_->StatusLbl->setText(
            tr("Abgebrochen, bevor die Ausgangslage bewertet war; das Projekt bleibt, wie es ist."));
        emit beendet();
        return;
    }
    ZeigeVergleich(&r.Start, &r.Best, &r.BestScore);
    // Cells changed although no run reaches them: marked apart, and named with the reason.
    const std::string ohneFahrt = tuning::UnfiredText(r, Start_);
    if (!ohneFahrt.empty()) {
        Ui_->NachherRegeln->setText(RegelnAlsHtml(r.Best, &Start_.Rules, r.Unfired));
        Ui_->ErklaerungLbl->setText(Ui_->ErklaerungLbl->text() + QStringLiteral("<br>") + Zeilen(ohneFahrt));
    }
    const bool besser = tuning::Better(r.BestScore, r.Start);
    if (besser) Ergebnis_ = r.Best;
    Ui_->UebernehmenBtn->setEnabled(besser);
    // One whole sentence per case: the order of its parts differs between
    // languages.
    const QString ende = besser ? tr("Verbesserungen: %1; mit „Übernehmen“ ins Projekt.").arg(r.Improvements)
                                : tr("keine Verbesserung gefunden.");
    Ui_->StatusLbl->setText((abgebrochen ? tr("Abgebrochen nach %1 Runden, %2 Bewertungen, %3 s: %4")
                                         : tr("Fertig nach %1 Runden, %2 Bewertungen, %3 s: %4"))
                                .arg(r.Rounds)
                                .arg(r.Evaluations)
                                .arg(Zahl(r.Seconds, lab::Quantity::WorkSeconds), ende));
    emit beendet();
}

void RegelnVerbessern::Uebernehmen() {
    if (!Ergebnis_ || laeuft()) return;
    emit uebernehmen(*Ergebnis_);
    accept();
}

}  // namespace labor
