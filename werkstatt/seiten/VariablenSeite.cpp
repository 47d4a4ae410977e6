#include "werkstatt/seiten/VariablenSeite.h"

#include "werkstatt/ansichten/Farbskala.h"

#include "widgets/MessageBoxes.h"
#include "widgets/SingEdit.h"
#include "werkstatt/seiten/TermDiagramm.h"
#include "ui_VariablenSeite.h"
#include "widgets/Zahlformat.h"

#include <QCheckBox>
#include <QItemSelection>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "fuzzy/Numbers.h"

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/PainterPlot.h"

namespace werkstatt {

QString ZahlText(float v) {
    // Plain digits where they stay short ("100000", not "1e+05"), else the
    // shortest form with an exponent; either reads back as the same float.
    std::string s = fuzzy::NumberText(v, fuzzy::NumberForm::Fixed);
    if (s.size() > 12) s = fuzzy::NumberText(v);
    return QString::fromStdString(s);
}

TVariablenSeite::TVariablenSeite(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TVariablenSeite>()) {
    ui_->setupUi(this);
    BVerwenden = ui_->BVerwenden;
    NichtVerwendet = ui_->NichtVerwendet;
    NameEdit = ui_->NameEdit;
    MinEdit = ui_->MinEdit;
    MaxEdit = ui_->MaxEdit;
    TermTabelle = ui_->TermTabelle;
    HinzuBtn = ui_->HinzuBtn;
    EntfernenBtn = ui_->EntfernenBtn;
    HochBtn = ui_->HochBtn;
    RunterBtn = ui_->RunterBtn;
    BildBtn = ui_->BildBtn;
    connect(BildBtn, &QPushButton::clicked, this, &TVariablenSeite::BildClick);
    Diagramm = ui_->Diagramm;

    QFont gross = NichtVerwendet->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    NichtVerwendet->setFont(gross);
    NichtVerwendet->setStyleSheet(QStringLiteral("color: #808080;"));

    TermTabelle->setColumnCount(Spalten);
    TermTabelle->setHorizontalHeaderLabels({tr("Name"), tr("Kürzel"), QStringLiteral("a"), QStringLiteral("b"),
                                            QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("h")});
    TermTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    TermTabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    TermTabelle->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    TermTabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TermTabelle->horizontalHeader()->setSectionResizeMode(SpalteName, QHeaderView::Interactive);
    TermTabelle->setColumnWidth(SpalteName, 140);
    TermTabelle->verticalHeader()->setDefaultSectionSize(22);
    TermTabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Room for five rows without a scroll bar.
    TermTabelle->setFixedHeight(TermTabelle->horizontalHeader()->sizeHint().height() + 5 * 22 + 4);

    connect(NameEdit, &QLineEdit::editingFinished, this, &TVariablenSeite::NameEditFertig);
    connect(MinEdit, &QLineEdit::editingFinished, this, &TVariablenSeite::MinEditFertig);
    connect(MaxEdit, &QLineEdit::editingFinished, this, &TVariablenSeite::MaxEditFertig);
    connect(TermTabelle, &QTableWidget::itemChanged, this, &TVariablenSeite::TermTabelleGeaendert);
    connect(TermTabelle, &QTableWidget::itemSelectionChanged, this, &TVariablenSeite::TermTabelleAuswahl);
    connect(HinzuBtn, &QPushButton::clicked, this, &TVariablenSeite::HinzuClick);
    connect(EntfernenBtn, &QPushButton::clicked, this, &TVariablenSeite::EntfernenClick);
    connect(HochBtn, &QPushButton::clicked, this, &TVariablenSeite::HochClick);
    connect(RunterBtn, &QPushButton::clicked, this, &TVariablenSeite::RunterClick);
    connect(BVerwenden, &QCheckBox::clicked, this, &TVariablenSeite::BVerwendenClick);
    connect(Diagramm, &TTermDiagramm::griffBewegt, this, &TVariablenSeite::DiagrammGriff);
    connect(Diagramm, &TTermDiagramm::termGewaehlt, this, &TVariablenSeite::DiagrammTerm);
}

TVariablenSeite::~TVariablenSeite() = default;

void TVariablenSeite::setModell(TProjektModell* modell, Rolle rolle) {
    modell_ = modell;
    rolle_ = rolle;
    BVerwenden->setVisible(rolle == Rolle::B);
    connect(modell_, &TProjektModell::sperreGeaendert, this, &TVariablenSeite::Aktualisieren);
    Aktualisieren();
}

namespace {

// A control an exercise locks: off (or read-only), its tooltip says why; the
// tooltip it had comes back when the lock goes.
void Sperren(QWidget* w, bool gesperrt, const QString& grund) {
    const char* frei = "tooltipOhneSperre";
    if (!w->property(frei).isValid()) w->setProperty(frei, w->toolTip());
    // Off, so that it looks locked; its tooltip still shows.
    w->setEnabled(!gesperrt);
    // The exercise's title is in the reason: shown as it is, never as markup.
    w->setToolTip(gesperrt ? QStringLiteral("<p>%1</p>").arg(grund.toHtmlEscaped()) : w->property(frei).toString());
}

}  // namespace

void TVariablenSeite::SperreZeigen() {
    const Sperre& s = modell_->sperre();
    Sperren(MinEdit, s.Bereiche, tr("Gesperrt: Die Aufgabe „%1“ lässt den Bereich nicht ändern.").arg(s.Grund));
    Sperren(MaxEdit, s.Bereiche, tr("Gesperrt: Die Aufgabe „%1“ lässt den Bereich nicht ändern.").arg(s.Grund));
    Sperren(BVerwenden, s.Variablen, tr("Gesperrt: Welche Eingänge es gibt, legt die Aufgabe „%1“ fest.").arg(s.Grund));
    const QString termeText =
        tr("Gesperrt: Die Aufgabe „%1“ lässt die Terme nicht ändern, weder ihre Zahl noch ihre Ecken und Höhen. "
           "Die Namen dürfen Sie ändern.")
            .arg(s.Grund);
    // Sperren() escapes its own; the rest here gets the title escaped as well.
    const QString terme = QStringLiteral("<p>%1</p>").arg(termeText.toHtmlEscaped());
    // The diagram still chooses terms; its handles stay where they are.
    Diagramm->setToolTip(s.Terme ? terme : QString());
    for (int i = 0; i < TermTabelle->rowCount(); ++i)
        for (int spalte = SpalteA; spalte <= SpalteH; ++spalte)
            if (QTableWidgetItem* item = TermTabelle->item(i, spalte)) {
                item->setFlags(s.Terme ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                       : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
                item->setToolTip(s.Terme ? terme : QString());
                item->setForeground(s.Terme ? palette().brush(QPalette::Disabled, QPalette::Text)
                                            : palette().brush(QPalette::Active, QPalette::Text));
            }
    for (QPushButton* b : {HinzuBtn, EntfernenBtn, HochBtn, RunterBtn}) {
        const char* frei = "tooltipOhneSperre";
        if (!b->property(frei).isValid()) b->setProperty(frei, b->toolTip());
        b->setToolTip(s.Terme ? terme : b->property(frei).toString());
    }
}

void TVariablenSeite::Aktualisieren() {
    if (!modell_) return;
    aktualisiert_ = true;
    const fuzzy::TFuzzy& v = Variable(modell_->projekt(), rolle_);
    const bool aktiv = v.Defined;
    BVerwenden->setChecked(aktiv);
    NichtVerwendet->setVisible(!aktiv);
    ui_->Inhalt->setVisible(aktiv);
    if (NameEdit->text() != QString::fromStdString(v.Name)) NameEdit->setText(QString::fromStdString(v.Name));
    MinEdit->setText(zahl::Kurz(v.RangeMin));
    MaxEdit->setText(zahl::Kurz(v.RangeMax));
    minText_ = MinEdit->text();
    maxText_ = MaxEdit->text();

    const int n = v.Defined ? v.UsedTerms() : 0;
    const int gewaehlt = GewaehlterTerm();
    {
        const QSignalBlocker sperre(TermTabelle);
        if (TermTabelle->rowCount() != n) TermTabelle->setRowCount(n);
        for (int i = 1; i <= n; ++i) {
            auto setze = [&](int spalte, const QString& text, bool editierbar) {
                QTableWidgetItem* item = TermTabelle->item(i - 1, spalte);
                if (!item) {
                    item = new QTableWidgetItem;
                    item->setFlags(editierbar ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                              : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                    if (spalte >= SpalteA) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                    TermTabelle->setItem(i - 1, spalte, item);
                }
                if (item->text() != text) item->setText(text);
            };
            setze(SpalteName, QString::fromStdString(v.GetTermName(i)), true);
            setze(SpalteKuerzel, QString::fromStdString(v.GetTermAbbrev(i)), false);
            for (int j = 1; j <= 5; ++j) setze(SpalteA + j - 1, zahl::Kurz(v.GetParam(i, j)), true);
        }
        fuzzy::TFuzzy farben;
        ansichten::DruckFarben(farben);
        for (int i = 1; i <= n; ++i)
            TermTabelle->item(i - 1, SpalteKuerzel)->setForeground(widgets::ToQColor(farben.GetColour(i)));
        TermTabelle->setVerticalHeaderLabels({"1", "2", "3", "4", "5"});
    }
    Diagramm->setVariable(v);
    if (gewaehlt >= 1 && gewaehlt <= n)
        WaehleTerm(gewaehlt);
    else if (n > 0)
        WaehleTerm(std::min(std::max(Diagramm->ausgewaehlterTerm(), 1), n));
    KnoepfeEinstellen();
    {
        const QSignalBlocker sperre(TermTabelle);
        SperreZeigen();
    }
    aktualisiert_ = false;
}

void TVariablenSeite::KnoepfeEinstellen() {
    const fuzzy::TFuzzy& v = Variable(modell_->projekt(), rolle_);
    const int n = v.UsedTerms();
    const int t = GewaehlterTerm();
    // Several selected terms (shown by a hint) are no one term to act on.
    const std::uint8_t alle = GewaehlteTerme();
    const bool einer = (alle & (alle - 1)) == 0;
    const bool frei = !modell_->sperre().Terme;
    HinzuBtn->setEnabled(frei && n < fuzzy::MaxTerms);
    EntfernenBtn->setEnabled(frei && t >= 1 && einer);
    HochBtn->setEnabled(frei && t > 1 && einer);
    RunterBtn->setEnabled(frei && t >= 1 && t < n && einer);
}

void TVariablenSeite::WaehleTerm(int term) {
    if (term >= 1 && term <= TermTabelle->rowCount()) {
        // Also when it is the first of several a hint selected: now it is the only one.
        if (GewaehlteTerme() != (1u << (term - 1))) TermTabelle->selectRow(term - 1);
        Diagramm->setAusgewaehlterTerm(term);
    } else {
        TermTabelle->clearSelection();
    }
    if (modell_) KnoepfeEinstellen();
}

void TVariablenSeite::WaehleTerme(std::uint8_t terme) {
    int erster = 0;
    QItemSelection auswahl;
    for (int i = 1; i <= TermTabelle->rowCount(); ++i) {
        if ((terme >> (i - 1) & 1u) == 0) continue;
        if (erster == 0) erster = i;
        auswahl.select(TermTabelle->model()->index(i - 1, 0),
                       TermTabelle->model()->index(i - 1, TermTabelle->columnCount() - 1));
    }
    if (erster == 0) return;
    {
        const QSignalBlocker sperre(TermTabelle->selectionModel());
        TermTabelle->setCurrentCell(erster - 1, SpalteName, QItemSelectionModel::NoUpdate);
        TermTabelle->selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
    }
    TermTabelle->viewport()->update();
    Diagramm->setAusgewaehlterTerm(erster);
    if (modell_) KnoepfeEinstellen();
}

std::uint8_t TVariablenSeite::GewaehlteTerme() const {
    std::uint8_t terme = 0;
    if (!TermTabelle->selectionModel()) return terme;
    for (const QModelIndex& i : TermTabelle->selectionModel()->selectedRows())
        if (i.row() >= 0 && i.row() < fuzzy::MaxTerms) terme |= static_cast<std::uint8_t>(1u << i.row());
    return terme;
}

int TVariablenSeite::GewaehlterTerm() const {
    // The first by number: of several selected rows, the view lists them in
    // the order they were selected.
    const std::uint8_t terme = GewaehlteTerme();
    for (int i = 1; i <= fuzzy::MaxTerms; ++i)
        if ((terme >> (i - 1) & 1u) != 0) return i;
    return 0;
}

void TVariablenSeite::setMarke(std::optional<float> wert) { Diagramm->setMarke(wert); }

void TVariablenSeite::NameEditFertig() {
    if (aktualisiert_ || !modell_) return;
    const fuzzy::TFuzzy& v = Variable(modell_->projekt(), rolle_);
    if (NameEdit->text() == QString::fromStdString(v.Name)) return;
    const QString fehler = modell_->setzeName(rolle_, NameEdit->text());
    if (!fehler.isEmpty()) {
        NameEdit->setText(QString::fromStdString(v.Name));
        widgets::WarningBox(fehler);
    }
}

void TVariablenSeite::BereichFertig(TSingEdit* feld, bool unten) {
    if (aktualisiert_ || !modell_) return;
    // Only a changed text counts: leaving an untouched field changes nothing.
    const QString vorher = unten ? minText_ : maxText_;
    if (feld->text() == vorher) return;
    float wert = 0.0f;
    const fuzzy::TFuzzy& v = Variable(modell_->projekt(), rolle_);
    if (!zahl::Lesen(feld->text(), wert)) {
        const QString text = feld->text();
        feld->setText(vorher);
        widgets::WarningBox(tr("„%1“ ist keine gültige Zahl.").arg(text.trimmed()));
        return;
    }
    const float min = unten ? wert : v.RangeMin, max = unten ? v.RangeMax : wert;
    if (min == v.RangeMin && max == v.RangeMax) {
        feld->setText(vorher);  // e.g. "10,0" for 10: shown the usual way
        return;
    }
    // The terms may go with the range (adapting a template then needs no
    // retyping of every corner); both as one step.
    bool termeMit = false;
    if (v.UsedTerms() > 0 && v.RangeMax > v.RangeMin && max > min && !modell_->sperre().Terme) {
        // The box takes the focus: the field must not report a second change.
        minText_ = unten ? feld->text() : minText_;
        maxText_ = unten ? maxText_ : feld->text();
        switch (
            widgets::QuestionBox(tr("Die Terme mit dem Bereich mitnehmen?\n\n"
                                    "Ja: Jede Ecke rückt an dieselbe Stelle im neuen Bereich.\n"
                                    "Nein: Nur der Bereich ändert sich, die Terme bleiben, wo sie sind."))) {
        case widgets::MessageAnswer::Yes: termeMit = true; break;
        case widgets::MessageAnswer::No: break;
        default:
            feld->setText(vorher);
            if (unten)
                minText_ = vorher;
            else
                maxText_ = vorher;
            return;
        }
    }
    modell_->setzeBereich(rolle_, min, max, termeMit);
}

void TVariablenSeite::MinEditFertig() { BereichFertig(MinEdit, true); }

void TVariablenSeite::MaxEditFertig() { BereichFertig(MaxEdit, false); }

void TVariablenSeite::TermTabelleGeaendert(QTableWidgetItem* item) {
    if (aktualisiert_ || !modell_ || !item) return;
    const int term = item->row() + 1;
    const int spalte = item->column();
    const fuzzy::TFuzzy& v = Variable(modell_->projekt(), rolle_);
    if (spalte == SpalteName) {
        const QString fehler = modell_->setzeTermName(rolle_, term, item->text());
        if (!fehler.isEmpty()) {
            Aktualisieren();
            widgets::WarningBox(fehler);
        }
        return;
    }
    if (spalte < SpalteA || spalte > SpalteH) return;
    const int param = spalte - SpalteA + 1;
    float wert = 0.0f;
    if (!zahl::Lesen(item->text(), wert)) {
        const QString text = item->text();
        Aktualisieren();
        widgets::WarningBox(tr("„%1“ ist keine gültige Zahl.").arg(text.trimmed()));
        return;
    }
    if (ZahlText(wert) == ZahlText(v.GetParam(term, param))) {
        Aktualisieren();  // e.g. "1,50" for 1.5: show it the usual way
        return;
    }
    modell_->setzeParameter(rolle_, term, param, wert);
}

void TVariablenSeite::TermTabelleAuswahl() {
    const int t = GewaehlterTerm();
    if (t >= 1) Diagramm->setAusgewaehlterTerm(t);
    if (modell_) KnoepfeEinstellen();
}

void TVariablenSeite::HinzuClick() {
    if (!modell_) return;
    const int n = Variable(modell_->projekt(), rolle_).UsedTerms();
    if (modell_->termHinzufuegen(rolle_)) WaehleTerm(n + 1);
}

void TVariablenSeite::EntfernenClick() {
    if (!modell_) return;
    const int t = GewaehlterTerm();
    if (t < 1) return;
    if (modell_->termEntfernen(rolle_, t)) WaehleTerm(std::min(t, Variable(modell_->projekt(), rolle_).UsedTerms()));
}

void TVariablenSeite::HochClick() {
    const int t = GewaehlterTerm();
    if (modell_ && t > 1 && modell_->termVerschieben(rolle_, t, t - 1)) WaehleTerm(t - 1);
}

void TVariablenSeite::RunterClick() {
    const int t = GewaehlterTerm();
    if (modell_ && t >= 1 && modell_->termVerschieben(rolle_, t, t + 1)) WaehleTerm(t + 1);
}

void TVariablenSeite::BVerwendenClick(bool an) {
    if (modell_) modell_->setzeEingangB(an);
}

void TVariablenSeite::BildClick() {
    if (!modell_) return;
    fuzzy::TFuzzy v;
    v.Assign(Variable(modell_->projekt(), rolle_));
    const QString titel = rolle_ == Rolle::A ? tr("Eingang A") : rolle_ == Rolle::B ? tr("Eingang B") : tr("Ausgang");
    ansichten::BildSpeichern(this, ansichten::Dateivorschlag(QStringLiteral("terme"), QString::fromStdString(v.Name)),
                             QSize(640, 320),
                             [v, titel](QPainter& p, QSize g) { ansichten::MaleTermdiagramm(p, g, v, titel); });
}

void TVariablenSeite::DiagrammGriff(int term, int param, float wert, bool neuerZug) {
    // Locked terms: the handles stay, without a message for every move of the mouse.
    if (!modell_ || modell_->sperre().Terme) return;
    if (neuerZug || zug_ == 0) zug_ = modell_->neuerZug();
    if (GewaehlterTerm() != term) WaehleTerm(term);
    modell_->zieheGriff(rolle_, term, param, wert, zug_);
}

void TVariablenSeite::DiagrammTerm(int term) { WaehleTerm(term); }

}  // namespace werkstatt
