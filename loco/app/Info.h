#pragma once

#include <QDialog>

#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;

namespace Ui {
class TInfoform;
}

namespace pemrak {

// The about box.
class TInfoform : public QDialog {
    Q_OBJECT
public:
    explicit TInfoform(QWidget* parent = nullptr);
    ~TInfoform() override;

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* ProductName = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TInfoform> ui_;
};

}  // namespace pemrak
