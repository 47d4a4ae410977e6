#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TGraphform;
class TRegEditForm;

namespace dorvane {

class THelpForm;
class TInfoForm;
class TMainForm;
class TWerteForm;

// The application object's title: it heads the default error handling's box.
inline QString ApplicationTitle() { return QStringLiteral("Dorvane"); }

// All of Dorvane's windows, created once in the program's order (main window,
// about box, start-values dialog, diagram dialog, rule editor) and kept until
// the program ends; the help window comes last.
class Programm {
public:
    // args: the command-line arguments after the program's name. An error
    // while the main window is created (an unreadable project) is reported
    // by the default error handling and the start-up goes on.
    explicit Programm(const QStringList& args);
    ~Programm();

    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TInfoForm> InfoForm;
    std::unique_ptr<TWerteForm> WerteForm;
    std::unique_ptr<TGraphform> Graphform;
    std::unique_ptr<TRegEditForm> RegEditForm;
    std::unique_ptr<THelpForm> HelpForm;
};

}  // namespace dorvane
