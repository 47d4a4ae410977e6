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
    QString programm;      // the command's name, "werkstatt"
    QString version;       // "1.0"
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

// When the arguments ask for help (--help, -h) or the version (--version),
// prints it in the language chosen by --lang or the locale and returns the
// exit code; nullopt for any other command line, which then starts the
// program as before. `auskunft` is called once the language is set, so that
// its texts are translated; `kataloge` are the program's catalogues.
std::optional<int> AuskunftGeben(int argc, char** argv, const std::function<Auskunft()>& auskunft,
                                 const QStringList& kataloge);

}  // namespace widgets
