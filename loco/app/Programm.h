#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TGraphform;
class TRegEditForm;

namespace pemrak {

class TInfoform;
class TMainForm;
class TPlotForm;
class TTypForm;

// The application object's title: it heads the default error handling's box.
inline QString AnwendungsTitel() { return QStringLiteral("Fuzzy-Pemrak"); }

// All of Pemrak's windows, created once in the program's order (main window,
// control-type dialog, about box, diagram dialog, rule editor, plot dialog)
// and kept until the program ends.
class Programm {
public:
    // args: the command-line arguments after the program's name. An error
    // while the main window is created (an unreadable project) is reported
    // by the default error handling and the start-up goes on.
    explicit Programm(const QStringList& args);
    ~Programm();

    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TTypForm> TypForm;
    std::unique_ptr<TInfoform> Infoform;
    std::unique_ptr<TGraphform> Graphform;
    std::unique_ptr<TRegEditForm> RegEditForm;
    std::unique_ptr<TPlotForm> PlotForm;
};

}  // namespace pemrak
