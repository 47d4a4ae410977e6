#pragma once

#include <QDialog>

#include <memory>

class QFrame;
class QPushButton;
class QShowEvent;
class TKoordinatensystem;

namespace Ui {
class TPlotForm;
}

namespace pemrak {

class Aufzeichnung;

// "s-v-Diagramm": the recorded points of the last run, v over s.
class TPlotForm : public QDialog {
    Q_OBJECT
public:
    // punkte: the main window's recording, read at every showing.
    explicit TPlotForm(const Aufzeichnung* punkte, QWidget* parent = nullptr);
    ~TPlotForm() override;

    void FormActivate();

    QFrame* Panel1 = nullptr;
    TKoordinatensystem* Koordinatensystem1 = nullptr;
    QPushButton* OKBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TPlotForm> ui_;
    const Aufzeichnung* punkte_;
};

}  // namespace pemrak
