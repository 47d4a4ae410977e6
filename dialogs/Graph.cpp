#include "dialogs/Graph.h"

#include "widgets/Fonts.h"
#include "widgets/Window.h"
#include "widgets/Ks.h"
#include "ui_Graph.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// A variable's name must be readable in full in its radio item, whose size
// the layout fixes: a name too long for the dialog's font is set in the same
// font, narrowed just enough (down to half its width).
void FitText(QRadioButton& item, const QFont& font) {
    QFont f = font;
    QStyleOptionButton opt;
    opt.initFrom(&item);
    opt.text = item.text();
    const int room = item.style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, &item).width();
    for (int stretch = 98; stretch >= 50 && QFontMetrics(f).horizontalAdvance(item.text()) > room; stretch -= 2)
        f.setStretch(stretch);
    item.setFont(f);
}

}  // namespace

TGraphform::TGraphform(const GraphVariables& vars, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TGraphform>()), vars_(vars) {
    ui_->setupUi(this);
    Bevel1 = ui_->Bevel1;
    Panel1 = ui_->Panel1;
    Koordinatensystem2 = ui_->Koordinatensystem2;
    RadioGroup1 = ui_->RadioGroup1;
    RadioItems[0] = ui_->RadioItem0;
    RadioItems[1] = ui_->RadioItem1;
    RadioItems[2] = ui_->RadioItem2;
    OKBtn = ui_->OKBtn;

    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(480, 193);
    setFont(widgets::PixelFont(widgets::SansFamily(), 11, true));
    Koordinatensystem2->setFont(widgets::PixelFont(widgets::SerifFamily(), 11, false));
    Koordinatensystem2->Canvas().setFontColor(Qt::black);

    // One exclusive group; no item is checked until the operator picks one.
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (int i = 0; i < 3; ++i) group_->addButton(RadioItems[i], i);

    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) RadioGroup1Click();
    });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TGraphform::~TGraphform() = default;

int TGraphform::ItemIndex() const { return group_->checkedId(); }

void TGraphform::SetItemIndex(int index) {
    if (index < 0 || index > 2) {
        // Unchecking needs the group to let go for a moment.
        group_->setExclusive(false);
        for (QRadioButton* b : RadioItems) b->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    RadioItems[index]->setChecked(true);
}

void TGraphform::FormActivate() {
    const fuzzy::TFuzzy* names[3] = {vars_.EingangA, vars_.EingangB, vars_.Ausgang};
    for (int i = 0; i < 3; ++i) {
        RadioItems[i]->setText(names[i] ? QString::fromStdString(names[i]->Name) : QString());
        FitText(*RadioItems[i], font());
    }
    RadioGroup1Click();
}

void TGraphform::RadioGroup1Click() {
    fuzzy::TFuzzy* v = nullptr;
    switch (ItemIndex()) {
    case 0: v = vars_.EingangA; break;
    case 1: v = vars_.EingangB; break;
    case 2: v = vars_.AusgangKopie; break;
    default: return;
    }
    if (!v) return;
    v->InitColours();
    v->DrawTerms(*Koordinatensystem2);
}

void TGraphform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    widgets::CentreOnScreen(*this);
    FormActivate();
    OKBtn->setFocus(Qt::OtherFocusReason);
}
