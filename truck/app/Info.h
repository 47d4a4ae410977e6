#pragma once

#include <QDialog>

#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;

namespace Ui {
class TInfoForm;
}

namespace dorvane {

// The about box "Infos".
class TInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TInfoForm(QWidget* parent = nullptr);
    ~TInfoForm() override;

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TInfoForm> ui_;
};

}  // namespace dorvane
