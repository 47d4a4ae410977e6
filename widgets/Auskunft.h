#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace widgets {

// What a program says about itself on the command line: `--help` and
// `--version`, answered on standard output without a window, so that they
// work where there is no display.
struct Auskunft {
    QString beschreibung;  // what the program does, one or two sentences
    struct Option {
        QStringList namen;  // {"fahrzeug"}, {"o"}
        QString hilfe;
        QString wert;  // the value's name; empty for an option without one
    };
    std::vector<Option> optionen;  // besides --help, --version and --lang
    QString argument;              // "PROJEKT.fuz"
    QString argumentHilfe;
    QString argumentSyntax;  // how it stands in the usage line, "[PROJEKT.fuz]"
};

// When the arguments ask for help (--help, -h, --help-all) or the version
// (--version, -v), prints it in the language chosen by --lang or the locale
// and ends the program; nullopt for any other command line, which then
// starts the program as before (an exit code for a wrong --lang).
// `programm` is the command's name ("werkstatt"), `auskunft` is called once
// the language is set, so that its texts are translated; `kataloge` are the
// program's catalogues.
std::optional<int> AuskunftGeben(int argc, char** argv, const char* programm, const char* version,
                                 const std::function<Auskunft()>& auskunft, const QStringList& kataloge);

}  // namespace widgets
