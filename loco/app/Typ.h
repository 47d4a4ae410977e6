#pragma once

#include <QDialog>

#include <memory>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace Ui {
class TTypForm;
}

namespace pemrak {

// "Auswahl der Regelungsart": hand or fuzzy control. The main window writes
// Hand before showing it and reads it back only after OK.
class TTypForm : public QDialog {
    Q_OBJECT
public:
    explicit TTypForm(QWidget* parent = nullptr);
    ~TTypForm() override;

    bool Hand = true;

    // Each showing: select the item that Hand names.
    void FormActivate();
    // Every close, whatever the way: Hand := "Handregelung" selected.
    void FormClose();

    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioItems[2] = {nullptr, nullptr};
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // 0 = "Handregelung", 1 = "Fuzzyregelung", -1 = none.
    int ItemIndex() const;
    void SetItemIndex(int index);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TTypForm> ui_;
    QButtonGroup* group_ = nullptr;
};

}  // namespace pemrak
