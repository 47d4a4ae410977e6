#include "werkstatt/seiten/RegelSeite.h"

#include "dialogs/RuleGrid.h"
#include "ui_RegelSeite.h"

#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

namespace werkstatt {

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TRegelSeite::TRegelSeite(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TRegelSeite>()) {
    ui_->setupUi(this);
    RegelGitter = ui_->RegelGitter;
    AusgangListe = ui_->AusgangListe;
    SpaltenLbl = ui_->SpaltenLbl;
    ZeilenLbl = ui_->ZeilenLbl;

    RegelGitter->installEventFilter(this);
    AusgangListe->setSelectionMode(QAbstractItemView::SingleSelection);

    connect(RegelGitter, &TRuleGrid::CellClicked, this, &TRegelSeite::GitterClick);
    connect(AusgangListe, &QListWidget::itemClicked, this, &TRegelSeite::ListeClick);
    connect(AusgangListe, &QListWidget::itemActivated, this, &TRegelSeite::ListeClick);
    // The arrow keys in the list apply the highlighted term at once, so the
    // list and the cell never say different things. Changes the page makes
    // itself come with signals blocked.
    connect(AusgangListe, &QListWidget::currentRowChanged, this, [this](int k) {
        if (!aktualisiert_ && k >= 0) SetzeAusgangsterm(k);
    });
}

TRegelSeite::~TRegelSeite() = default;

void TRegelSeite::setModell(TProjektModell* modell) {
    modell_ = modell;
    connect(modell_, &TProjektModell::sperreGeaendert, this, &TRegelSeite::SperreZeigen);
    Aktualisieren();
}

void TRegelSeite::SperreZeigen() {
    // Locked rules: the grid still shows and selects its cells (the
    // inspector and the hints point at them), but nothing sets an entry.
    const Sperre& s = modell_->sperre();
    const QString grund =
        s.Regeln
            ? QStringLiteral("<p>%1</p>")
                  .arg(tr("Gesperrt: Die Aufgabe „%1“ lässt die Regeln nicht ändern.").arg(s.Grund).toHtmlEscaped())
            : QString();
    RegelGitter->setToolTip(grund);
    AusgangListe->setEnabled(!s.Regeln);
    AusgangListe->setToolTip(grund);
}

void TRegelSeite::Aktualisieren() {
    if (!modell_) return;
    aktualisiert_ = true;
    const fuzzy::Project& p = modell_->projekt();
    const int aTerme = p.A.Defined ? p.A.UsedTerms() : 0;
    const bool mitB = p.B.Defined;
    const int bTerme = mitB ? p.B.UsedTerms() : 1;
    const int ausTerme = p.Out.Defined ? p.Out.UsedTerms() : 0;

    // The same orientation as every other grid of the workshop (inspector,
    // tuning dialog, the file): a column per term of A, a row per term of B.
    SpaltenLbl->setText(tr("Spalten: Eingang A „%1“").arg(Text(p.A.Name)));
    ZeilenLbl->setText(mitB ? tr("Zeilen: Eingang B „%1“").arg(Text(p.B.Name)) : tr("Ohne Eingang B: eine Zeile"));

    ui_->Erklaerung->setText(
        mitB ? tr("Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte UND Eingang B im Term "
                  "der Zeile, DANN Ausgang im eingetragenen Term.")
             : tr("Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte, DANN Ausgang im "
                  "eingetragenen Term."));
    RegelGitter->item(0, 0)->setText(mitB ? QStringLiteral("B \\ A") : QStringLiteral("A"));
    for (int i = 1; i <= 5; ++i) {
        RegelGitter->setColumnHidden(i, i > aTerme);
        RegelGitter->setRowHidden(i, i > bTerme);
        RegelGitter->item(0, i)->setText(i <= aTerme ? Text(p.A.GetTermAbbrev(i)) : QString());
        RegelGitter->item(0, i)->setToolTip(i <= aTerme ? Text(p.A.GetTermName(i)) : QString());
        RegelGitter->item(i, 0)->setText(mitB && i <= bTerme ? Text(p.B.GetTermAbbrev(i))
                                                             : (!mitB && i == 1 ? tr("Aus") : QString()));
        RegelGitter->item(i, 0)->setToolTip(mitB && i <= bTerme ? Text(p.B.GetTermName(i)) : QString());
    }
    for (int zeile = 1; zeile <= 5; ++zeile) {
        for (int spalte = 1; spalte <= 5; ++spalte) {
            const int k = p.Rules.Get(zeile, spalte);
            QTableWidgetItem* item = RegelGitter->item(zeile, spalte);
            QString text;
            QColor farbe = Qt::black;
            if (k >= 1 && k <= ausTerme) {
                text = Text(p.Out.GetTermAbbrev(k));
                item->setToolTip(Text(p.Out.GetTermName(k)));
            } else if (k != 0) {
                text = QStringLiteral("#%1").arg(k);
                farbe = Qt::red;
                item->setToolTip(tr("Der Ausgang hat keinen Term %1.").arg(k));
            } else {
                item->setToolTip(QString());
            }
            item->setText(text);
            item->setForeground(farbe);
        }
    }
    // Cells of 50 x 24 and their grid lines, inside a one-pixel frame: as
    // large as the rows and columns in use.
    RegelGitter->setFixedSize((1 + std::max(aTerme, 1)) * 51 + 2, (1 + bTerme) * 25 + 2);
    {
        const QSignalBlocker sperre(AusgangListe);
        AusgangListe->clear();
        AusgangListe->addItem(tr("0 – keine Regel"));
        for (int k = 1; k <= ausTerme; ++k)
            AusgangListe->addItem(
                QStringLiteral("%1 – %2  (%3)").arg(k).arg(Text(p.Out.GetTermAbbrev(k)), Text(p.Out.GetTermName(k))));
    }
    ListeZeigen();
    aktualisiert_ = false;
}

void TRegelSeite::ListeZeigen() {
    const auto [zeile, spalte] = GewaehlteRegel();
    const QSignalBlocker sperre(AusgangListe);
    if (zeile < 1) {
        AusgangListe->clearSelection();
        return;
    }
    const int k = modell_ ? modell_->projekt().Rules.Get(zeile, spalte) : 0;
    if (k >= 0 && k < AusgangListe->count())
        AusgangListe->setCurrentRow(k);
    else
        AusgangListe->clearSelection();
}

std::pair<int, int> TRegelSeite::GewaehlteRegel() const {
    const int row = RegelGitter->currentRow();
    const int col = RegelGitter->currentColumn();
    if (row < 1 || col < 1 || RegelGitter->isRowHidden(row) || RegelGitter->isColumnHidden(col)) return {0, 0};
    return {row, col};
}

void TRegelSeite::WaehleRegel(int zeile, int spalte) {
    if (zeile < 1 || zeile > 5 || spalte < 1 || spalte > 5) return;
    RegelGitter->setCurrentCell(zeile, spalte);
    RegelGitter->setFocus(Qt::OtherFocusReason);
    ListeZeigen();
}

void TRegelSeite::WaehleRegeln(std::uint32_t zellen) {
    int erste = -1;
    QItemSelection auswahl;
    for (int k = 0; k < 25; ++k) {
        const int zeile = k / 5 + 1, spalte = k % 5 + 1;
        if ((zellen >> k & 1u) == 0 || RegelGitter->isRowHidden(zeile) || RegelGitter->isColumnHidden(spalte)) continue;
        if (erste < 0) erste = k;
        const QModelIndex i = RegelGitter->model()->index(zeile, spalte);
        auswahl.select(i, i);
    }
    if (erste < 0) return;
    RegelGitter->setCurrentCell(erste / 5 + 1, erste % 5 + 1, QItemSelectionModel::NoUpdate);
    RegelGitter->selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
    RegelGitter->setFocus(Qt::OtherFocusReason);
    ListeZeigen();
}

std::uint32_t TRegelSeite::GewaehlteRegeln() const {
    std::uint32_t zellen = 0;
    for (const QModelIndex& i : RegelGitter->selectionModel()->selectedIndexes()) {
        const int zeile = i.row(), spalte = i.column();
        if (zeile < 1 || zeile > 5 || spalte < 1 || spalte > 5 || RegelGitter->isRowHidden(zeile) ||
            RegelGitter->isColumnHidden(spalte))
            continue;
        zellen |= 1u << ((zeile - 1) * 5 + (spalte - 1));
    }
    return zellen;
}

void TRegelSeite::SetzeAusgangsterm(int k) {
    const auto [zeile, spalte] = GewaehlteRegel();
    if (!modell_ || zeile < 1 || modell_->sperre().Regeln) return;
    const std::uint32_t zellen = GewaehlteRegeln();
    if ((zellen & (zellen - 1)) == 0) {
        modell_->setzeRegel(zeile, spalte, k);
        return;
    }
    // The cells a hint selected are filled together, as one step of the
    // history (none when nothing changes); they stay selected for the next key.
    bool anders = false;
    for (int b = 0; b < 25; ++b)
        anders = anders || ((zellen >> b & 1u) != 0 && modell_->projekt().Rules.Get(b / 5 + 1, b % 5 + 1) != k);
    if (!anders) return;
    QUndoStack& stack = modell_->undoStack();
    stack.beginMacro(tr("Regeln ändern"));
    for (int b = 0; b < 25; ++b)
        if ((zellen >> b & 1u) != 0) modell_->setzeRegel(b / 5 + 1, b % 5 + 1, k);
    stack.endMacro();
    WaehleRegeln(zellen);
}

void TRegelSeite::GitterClick() { ListeZeigen(); }

void TRegelSeite::ListeClick(QListWidgetItem* item) {
    if (aktualisiert_ || !item) return;
    SetzeAusgangsterm(AusgangListe->row(item));
}

bool TRegelSeite::eventFilter(QObject* obj, QEvent* event) {
    if (obj == RegelGitter && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        const int key = k->key();
        if (key >= Qt::Key_0 && key <= Qt::Key_5) {
            const int term = key - Qt::Key_0;
            const int ausTerme = modell_ && modell_->projekt().Out.Defined ? modell_->projekt().Out.UsedTerms() : 0;
            if (term <= ausTerme) SetzeAusgangsterm(term);
            return true;
        }
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            SetzeAusgangsterm(0);
            return true;
        }
    }
    return QWidget::eventFilter(obj, event);
}

}  // namespace werkstatt
