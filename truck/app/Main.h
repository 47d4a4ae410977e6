#pragma once

#include "truck/model/Control.h"
#include "fuzzy/FuzUnits.h"
#include "truck/model/Truck.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <random>

class QAction;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QShowEvent;
class QTimer;
class TGraphform;
class TKoordinatensystem;
class TRegEditForm;
class TSingEdit;

namespace Ui {
class TMainForm;
}

namespace dorvane {

class TInfoForm;
class TWerteForm;

// The program's dialogs; they are created after the main window.
struct Dialogs {
    TInfoForm* InfoForm = nullptr;
    TWerteForm* WerteForm = nullptr;
    TGraphform* Graphform = nullptr;
    TRegEditForm* RegEditForm = nullptr;
};

// Dorvane's main window: the road with the truck, hand steering, the three
// measured values and the menu. A 100 ms timer drives the control loop; the
// truck is drawn and erased with exclusive-or strokes on the plot's canvas.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The window's outer size in the layout counts a standard frame of 4 px
    // borders and a 19 px caption; what lies inside (client area and menu)
    // is sized so that such a frame gives the outer size.
    static constexpr int OuterWidth = 569;
    static constexpr int OuterHeight = 506;
    static constexpr int FrameBorder = 4;
    static constexpr int FrameCaption = 19;

    void SetDialogs(const Dialogs& d) { dialogs_ = d; }

    // --- the program's state ---------------------------------------------------
    TTruck Truck1;
    bool Handbetrieb = true;
    fuzzy::TFuzzy EingangA;
    fuzzy::TFuzzy EingangB;
    fuzzy::TFuzzy Ausgang;
    fuzzy::TFuzzy AusgangKopie;
    fuzzy::RuleTable Regeln;
    float StartAbstand = 0.0f;
    float StartLage = 0.0f;
    float StartGeschwindigkeit = -1.0f;

    // --- replaceable for tests ---------------------------------------------------
    // The file-open dialog: the chosen path, or empty when cancelled.
    std::function<QString()> OpenDialog1;
    // Opens the help at a context number (0 = contents, 2 = rule editor).
    std::function<void(int context)> ShowHelp;
    // Uniform in [0, 1); seeded from the clock in FormCreate.
    std::function<double()> Random;

    // --- handlers and methods ----------------------------------------------------
    // args: the command line's arguments after the program's name. May throw
    // the project reader's I/O error; the caller reports it.
    void FormCreate(const QStringList& args);
    // Runs once, when the window is first on the screen (shown and exposed).
    void FormActivate();
    void Timer1Timer();
    void Start1Click();
    void Stop1Click();
    void TruckBtn1Click();
    void Betriebsart1Click();
    void ffnen1Click();
    void Startwerte1Click();
    void Regelneditieren1Click();
    void Fuzzymengenzeigen1Click();
    void Hilfe2Click();
    void Info1Click();
    void Beenden1Click();
    void ProgressBarMouseMove(int X);
    void ProgressBarMouseDown(Qt::MouseButtons buttons);
    void Linie();

    // The three values after a step or a placement.
    void ShowValues();
    // The controller as the control loop uses it.
    fuzzy::Controller Regler() { return fuzzy::Controller{EingangA, EingangB, Ausgang, Regeln}; }
    bool Running() const;

    // --- controls, named as in the layout ----------------------------------------
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    TKoordinatensystem* KS1 = nullptr;
    QFrame* HandPnl = nullptr;
    QLabel* BetriebLbl = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* StopImage = nullptr;
    QLabel* VorImage = nullptr;
    QLabel* RueckImage = nullptr;
    QPushButton* TruckBtn1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    TSingEdit* SingEdit1 = nullptr;
    TSingEdit* SingEdit2 = nullptr;
    TSingEdit* SingEdit3 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Image2 = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Fuzzymengenzeigen1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Start1 = nullptr;
    QAction* Stop1 = nullptr;
    QAction* Betriebsart1 = nullptr;
    QAction* Startwerte1 = nullptr;
    QAction* Regelneditieren1 = nullptr;
    QAction* Hilfe2 = nullptr;
    QAction* Info1 = nullptr;

    // Width of the steering bar in pixels, as the mapping uses it.
    static constexpr int BarWidth = 200;
    // The bar position for a pointer column (0..140, nearest, a half to even).
    static int BarPosition(int X, int width);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ActivateLater();
    QString ChooseFile();
    void Load(const QString& file);

    std::unique_ptr<Ui::TMainForm> ui_;
    Dialogs dialogs_;
    QStringList args_;
    std::mt19937 rng_;
    bool activated_ = false;
};

}  // namespace dorvane
