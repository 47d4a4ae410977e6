#include "dialogs/RegEdit.h"

#include "widgets/Fonts.h"
#include "widgets/Window.h"
#include "widgets/MessageBoxes.h"
#include "dialogs/RuleGrid.h"
#include "ui_RegEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPixmap>
#include <QShowEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int ListItemHeight = 13;

// List items 13 pixels high, as the layout has them.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(ListItemHeight);
        return s;
    }
};

QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TRegEditForm::TRegEditForm(bool withHelpButton, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TRegEditForm>()) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    Label3 = ui_->Label3;
    Label4 = ui_->Label4;
    Label5 = ui_->Label5;
    StringGrid1 = ui_->StringGrid1;
    ListBox1 = ui_->ListBox1;
    Neu1 = ui_->Neu1;
    Kopieren = ui_->Kopieren;
    OKBtn = ui_->OKBtn;
    CancelBtn = ui_->CancelBtn;
    HelpBtn = ui_->HelpBtn;

    // Fixed border, only a close box.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(566, 288);

    setFont(widgets::PixelFont(widgets::SansFamily(), 11, true));
    const QFont labelFont = widgets::PixelFont(widgets::SerifFamily(), 16, true);
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5}) l->setFont(labelFont);

    ListBox1->setItemDelegate(new FixedHeightDelegate(ListBox1));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);

    if (!withHelpButton) {
        HelpBtn->hide();
        OKBtn->move(352, 244);
        CancelBtn->move(436, 244);
    }

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TRegEditForm::ListBox1Click);
    connect(StringGrid1, &TRuleGrid::CellClicked, this, &TRegEditForm::StringGrid1Click);
    connect(StringGrid1, &TRuleGrid::CellDoubleClicked, this, &TRegEditForm::StringGrid1DblClick);
    connect(Neu1, &QPushButton::clicked, this, &TRegEditForm::Neu1Click);
    connect(Kopieren, &QPushButton::clicked, this, &TRegEditForm::KopierenClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TRegEditForm::HelpBtnClick);

    FormCreate();
}

TRegEditForm::~TRegEditForm() = default;

void TRegEditForm::setHelpHandler(std::function<void(int)> handler) { helpHandler_ = std::move(handler); }

bool TRegEditForm::Execute(const fuzzy::TFuzzy& a, const fuzzy::TFuzzy& b, const fuzzy::TFuzzy& out,
                           fuzzy::RuleTable& rules) {
    EditEingangA.Assign(a);
    EditEingangB.Assign(b);
    EditAusgang.Assign(out);
    EditRegeln = rules;
    if (exec() != QDialog::Accepted) return false;
    rules = EditRegeln;
    return true;
}

bool TRegEditForm::EditProjectRules(const fuzzy::TFuzzy& a, const fuzzy::TFuzzy& b, const fuzzy::TFuzzy& out,
                                    fuzzy::RuleTable& rules) {
    if (!a.Defined || !out.Defined) {
        widgets::WarningBox(tr("Eingang A und/oder Ausgang (noch) nicht definiert!"));
        return false;
    }
    return Execute(a, b, out, rules);
}

void TRegEditForm::FormCreate() {
    EditEingangA.Clear();
    EditEingangB.Clear();
    EditAusgang.Clear();
}

QString TRegEditForm::CellText(int entry) const {
    if (entry < 1 || entry > fuzzy::MaxTerms) return QString();
    return FromUtf8(EditAusgang.GetTermAbbrev(entry));
}

void TRegEditForm::FormActivate() {
    Label4->setText(EditEingangB.Defined ? FromUtf8(EditEingangB.Name) : QString());
    Label5->setText(FromUtf8(EditEingangA.Name));
    Label3->setText(FromUtf8(EditAusgang.Name));

    // Rebuilding the list must not count as the operator choosing a term.
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->clear();
        for (int k = 1; k <= EditAusgang.UsedTerms(); ++k) ListBox1->addItem(FromUtf8(EditAusgang.GetTermName(k)));
        ListBox1->clearSelection();
        ListBox1->setCurrentRow(-1);
    }
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        for (int c = 0; c < StringGrid1->columnCount(); ++c) StringGrid1->item(r, c)->setText(QString());

    for (int i = 1; i <= EditEingangA.UsedTerms(); ++i)
        StringGrid1->item(i, 0)->setText(FromUtf8(EditEingangA.GetTermAbbrev(i)));
    // An undefined input B shows no terms, even if its term count is stale.
    const int bTerms = EditEingangB.Defined ? EditEingangB.UsedTerms() : 0;
    for (int j = 1; j <= bTerms; ++j) StringGrid1->item(0, j)->setText(FromUtf8(EditEingangB.GetTermAbbrev(j)));

    const int n = EditEingangB.Defined ? bTerms : 1;
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= EditEingangA.UsedTerms(); ++i)
            StringGrid1->item(i, j)->setText(CellText(EditRegeln.Get(j, i)));
}

void TRegEditForm::ListBox1Click() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty()) return;
    AusgangsTerm = ListBox1->row(selected.first()) + 1;
}

void TRegEditForm::StringGrid1Click() {
    if (ListBox1->selectedItems().isEmpty()) {
        widgets::WarningBox(tr("Wählen Sie zunächst einen Ausgangsterm!"));
        return;
    }
    const int j = StringGrid1->currentColumn();
    const int i = StringGrid1->currentRow();
    if (i < 1 || j < 1) return;
    StringGrid1->item(i, j)->setText(CellText(AusgangsTerm));
    EditRegeln.Set(j, i, AusgangsTerm);
}

void TRegEditForm::StringGrid1DblClick() {
    const int j = StringGrid1->currentColumn();
    const int i = StringGrid1->currentRow();
    if (i < 1 || j < 1) return;
    StringGrid1->item(i, j)->setText(QString());
    EditRegeln.Set(j, i, 0);
}

void TRegEditForm::Neu1Click() {
    if (!widgets::ConfirmBox(tr("Sollen die Regeln wirklich gelöscht werden?"))) return;
    for (int j = 1; j <= 5; ++j)
        for (int i = 1; i <= 5; ++i) {
            EditRegeln.Set(j, i, 0);
            StringGrid1->item(i, j)->setText(QString());
        }
}

void TRegEditForm::KopierenClick() {
    const QPixmap picture = grab();
    QGuiApplication::clipboard()->setPixmap(picture);
}

void TRegEditForm::HelpBtnClick() {
    if (helpHandler_) helpHandler_(HelpContext);
}

void TRegEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    widgets::CentreOnScreen(*this);
    FormActivate();
    OKBtn->setFocus(Qt::OtherFocusReason);
}
