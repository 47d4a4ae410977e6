#include "RegelSeite.h"

#include "RuleGrid.h"
#include "ui_RegelSeite.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

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
}

TRegelSeite::~TRegelSeite() = default;

void TRegelSeite::setModell(TProjektModell* modell) {
    modell_ = modell;
    Aktualisieren();
}

void TRegelSeite::Aktualisieren() {
    if (!modell_) return;
    aktualisiert_ = true;
    const fuzzy::Project& p = modell_->projekt();
    const int aTerme = p.A.Defined ? p.A.UsedTerms() : 0;
    const bool mitB = p.B.Defined;
    const int bTerme = mitB ? p.B.UsedTerms() : 1;
    const int ausTerme = p.Out.Defined ? p.Out.UsedTerms() : 0;

    ZeilenLbl->setText(QStringLiteral("Zeilen: Eingang A \u201E%1\u201C").arg(Text(p.A.Name)));
    SpaltenLbl->setText(mitB ? QStringLiteral("Spalten: Eingang B \u201E%1\u201C").arg(Text(p.B.Name))
                             : QStringLiteral("Ohne Eingang B: eine Spalte"));

    ui_->Erklaerung->setText(
        mitB ? QStringLiteral("Jede Zelle ist eine Regel: WENN Eingang A im Term der Zeile UND Eingang B im Term "
                              "der Spalte, DANN Ausgang im eingetragenen Term.")
             : QStringLiteral("Jede Zelle ist eine Regel: WENN Eingang A im Term der Zeile, DANN Ausgang im "
                              "eingetragenen Term."));
    RegelGitter->item(0, 0)->setText(mitB ? QStringLiteral("A \\ B") : QStringLiteral("A"));
    for (int i = 1; i <= 5; ++i) {
        RegelGitter->setRowHidden(i, i > aTerme);
        RegelGitter->setColumnHidden(i, i > bTerme);
        RegelGitter->item(i, 0)->setText(i <= aTerme ? Text(p.A.GetTermAbbrev(i)) : QString());
        RegelGitter->item(i, 0)->setToolTip(i <= aTerme ? Text(p.A.GetTermName(i)) : QString());
        RegelGitter->item(0, i)->setText(mitB && i <= bTerme ? Text(p.B.GetTermAbbrev(i))
                                                             : (!mitB && i == 1 ? QStringLiteral("Aus") : QString()));
        RegelGitter->item(0, i)->setToolTip(mitB && i <= bTerme ? Text(p.B.GetTermName(i)) : QString());
    }
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            const int k = p.Rules.Get(j, i);
            QTableWidgetItem* item = RegelGitter->item(i, j);
            QString text;
            QColor farbe = Qt::black;
            if (k >= 1 && k <= ausTerme) {
                text = Text(p.Out.GetTermAbbrev(k));
                item->setToolTip(Text(p.Out.GetTermName(k)));
            } else if (k != 0) {
                text = QStringLiteral("#%1").arg(k);
                farbe = Qt::red;
                item->setToolTip(QStringLiteral("Der Ausgang hat keinen Term %1.").arg(k));
            } else {
                item->setToolTip(QString());
            }
            item->setText(text);
            item->setForeground(farbe);
        }
    }
    // Cells of 50 x 24 and their grid lines, inside a one-pixel frame: as
    // large as the rows and columns in use.
    RegelGitter->setFixedSize((1 + bTerme) * 51 + 2, (1 + std::max(aTerme, 1)) * 25 + 2);
    {
        const QSignalBlocker sperre(AusgangListe);
        AusgangListe->clear();
        AusgangListe->addItem(QStringLiteral("0 \u2013 keine Regel"));
        for (int k = 1; k <= ausTerme; ++k)
            AusgangListe->addItem(QStringLiteral("%1 \u2013 %2  (%3)")
                                      .arg(k)
                                      .arg(Text(p.Out.GetTermAbbrev(k)), Text(p.Out.GetTermName(k))));
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
    return {col, row};
}

void TRegelSeite::WaehleRegel(int zeile, int spalte) {
    if (zeile < 1 || zeile > 5 || spalte < 1 || spalte > 5) return;
    RegelGitter->setCurrentCell(spalte, zeile);
    RegelGitter->setFocus(Qt::OtherFocusReason);
    ListeZeigen();
}

void TRegelSeite::SetzeAusgangsterm(int k) {
    const auto [zeile, spalte] = GewaehlteRegel();
    if (!modell_ || zeile < 1) return;
    modell_->setzeRegel(zeile, spalte, k);
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
