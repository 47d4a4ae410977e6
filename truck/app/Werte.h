#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;
class TSingEdit;

namespace Ui {
class TWerteForm;
}

namespace dorvane {

// The start-values dialog "Startwerte". It validates nothing; the main window
// takes the three numbers over after OK and reads the check box itself at
// every "Truck setzen", however the dialog was closed.
class TWerteForm : public QDialog {
    Q_OBJECT
public:
    explicit TWerteForm(QWidget* parent = nullptr);
    ~TWerteForm() override;

    QFrame* Bevel1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    TSingEdit* AbstandEdit = nullptr;
    QLabel* Label2 = nullptr;
    TSingEdit* LageEdit = nullptr;
    QLabel* Label3 = nullptr;
    TSingEdit* GeschwindigkeitEdit = nullptr;
    QFrame* Bevel2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TWerteForm> ui_;
};

}  // namespace dorvane
