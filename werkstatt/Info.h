#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TInfoForm;
}

namespace werkstatt {

// The about box.
class TInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TInfoForm(QWidget* parent = nullptr);
    ~TInfoForm() override;

private:
    std::unique_ptr<Ui::TInfoForm> ui_;
};

}  // namespace werkstatt
