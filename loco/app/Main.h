#pragma once

#include "fuzzy/FuzUnits.h"
#include "loco/model/LocoModel.h"

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;
class QSlider;
class TGraphform;
class TRegEditForm;
class TSingEdit;

namespace Ui {
class TMainForm;
}

namespace pemrak {

class TInfoform;
class TPaintBox;
class TPlotForm;
class TShape;
class TTypForm;

// The program's dialogs; they are created after the main window.
struct Dialoge {
    TTypForm* TypForm = nullptr;
    TInfoform* Infoform = nullptr;
    TGraphform* Graphform = nullptr;
    TRegEditForm* RegEditForm = nullptr;
    TPlotForm* PlotForm = nullptr;
};

// The system's millisecond counter, 32 bits wide: it wraps after 49.7 days.
std::uint32_t SystemTick();

// Pemrak's main window: the scene with the locomotive, the start values, the
// live values, the track bar, Start/Stop and the menus. A run is the loop
// Simulieren inside StartClick; it dispatches the window's events itself, so
// every handler can run in the middle of a run.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The window's outer size in the layout counts a standard frame of 4 px
    // borders and a 19 px caption; what lies inside (client area and menu)
    // is sized so that such a frame gives the outer size.
    static constexpr int OuterWidth = 598;
    static constexpr int OuterHeight = 456;
    static constexpr int FrameBorder = 4;
    static constexpr int FrameCaption = 19;

    void SetDialoge(const Dialoge& d) { dialoge_ = d; }

    // --- the program's state -------------------------------------------------
    fuzzy::TFuzzy EingangA;
    fuzzy::TFuzzy EingangB;
    fuzzy::TFuzzy Ausgang;
    fuzzy::TFuzzy AusgangKopie;
    fuzzy::RuleTable Regeln;
    bool Handbetrieb = true;
    SimZustand Zustand;
    Aufzeichnung Punkte;  // the points and their counter Anzahl

    // The three pictures of the scene and the drawing surfaces.
    QImage Image1;  // the landscape, 529 x 153
    QImage Image2;  // the locomotive's mask, 100 x 32
    QImage Image3;  // the locomotive, 100 x 32
    QImage Puffer;  // 101 x 33, made by GraphInit
    QImage Szene;   // what PaintBox1 shows

    // --- replaceable for tests ---------------------------------------------------
    // The millisecond counter Pause and the run read.
    std::function<std::uint32_t()> Tick = SystemTick;
    // Called between two polls of the event queue in Pause (a short sleep).
    std::function<void()> Ruhen;
    // The file-open dialog: the chosen file's full path, or empty on cancel.
    std::function<QString()> OpenDialog1;

    // --- handlers and methods ----------------------------------------------------
    // args: the command line's arguments after the program's name. May throw
    // the project reader's I/O error; the caller reports it.
    void FormCreate(const QStringList& args);
    void FormActivate();
    void PaintBox1Paint();
    void StartClick();
    void TrackBar1Change();
    void ffnen1Click();
    void Beenden1Click();
    void Whlen1Click();
    void Regelneditieren1Click();
    void Fuzzydiagrammzeigen1Click();
    void Plot1Click();
    void Info2Click();

    void Einstellen();
    void GraphInit();
    void Pemrak_zeigen(float x);
    void Pause(std::uint32_t ms);
    void SimInit();
    void Simulieren();

    // The Start button's tag: 1 while a run is under way (until "Stop").
    int StartTag() const { return startTag_; }
    // True while Simulieren runs (also after "Stop" until its step is done).
    bool LaufAktiv() const { return laufAktiv_; }

    // --- controls, named as in the layout --------------------------------------
    QFrame* Panel1 = nullptr;
    TPaintBox* PaintBox1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label11 = nullptr;
    TSingEdit* MasseEdit = nullptr;
    TSingEdit* Abstand = nullptr;
    TSingEdit* ReibungEdit = nullptr;
    TSingEdit* KraftEdit = nullptr;
    TSingEdit* sim_s = nullptr;
    TSingEdit* sim_v = nullptr;
    TSingEdit* sim_t = nullptr;
    QPushButton* Start = nullptr;
    QSlider* TrackBar1 = nullptr;
    TShape* Shape1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Whlen1 = nullptr;
    QAction* Regelneditieren1 = nullptr;
    QAction* Fuzzydiagrammzeigen1 = nullptr;
    QAction* Plot1 = nullptr;
    QAction* Info2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Dispatches all pending events, as the run does between its draws.
    void Ereignisse();
    void SetStart(int tag, const QString& caption);
    fuzzy::Controller Regler() { return fuzzy::Controller{EingangA, EingangB, Ausgang, Regeln}; }
    QString DateiWaehlen();

    std::unique_ptr<Ui::TMainForm> ui_;
    Dialoge dialoge_;
    int startTag_ = 0;
    bool laufAktiv_ = false;
    bool schliessenNachLauf_ = false;
    bool aktiviert_ = false;
};

}  // namespace pemrak
