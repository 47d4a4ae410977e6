#include "widgets/Auskunft.h"

#include "widgets/SprachWahl.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace widgets {

std::optional<int> AuskunftGeben(int argc, char** argv, const char* programm, const char* version,
                                 const std::function<Auskunft()>& auskunft, const QStringList& kataloge) {
    bool gefragt = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        for (const char* frage : {"--help", "-h", "--help-all", "--version", "-v"})
            gefragt = gefragt || std::strcmp(argv[i], frage) == 0;
    }
    if (!gefragt) return std::nullopt;

    // A copy: should the program start after all, it gets its arguments
    // whole. With argv's closing null, which removing an option moves down.
    std::vector<char*> args(argv, argv + argc + 1);
    int n = argc;
    std::string fehler;
    const std::optional<fuzzy::Language> gewaehlt = SpracheAusArgumenten(n, args.data(), fehler);
    if (!fehler.empty()) {
        std::fputs(fehler.c_str(), stderr);
        return 2;
    }
    // No display: a bare application object is enough for the catalogues.
    // The usage line names the program as it is called from the path, not
    // by wherever it was started from.
    std::string name = programm;
    args[0] = name.data();
    QCoreApplication app(n, args.data());
    QCoreApplication::setApplicationName(QString::fromUtf8(programm));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(version));
    QStringList alle{QStringLiteral("gemeinsam")};
    alle += kataloge;
    SpracheEinrichten(gewaehlt.value_or(fuzzy::LanguageFromEnvironment()), alle);

    const Auskunft a = auskunft();
    QCommandLineParser parser;
    parser.setApplicationDescription(a.beschreibung);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        QCommandLineOption({QStringLiteral("lang")},
                           QCoreApplication::translate("widgets::Auskunft",
                                                       "Sprache der Fenster und Meldungen (ohne die Option nach "
                                                       "LANGUAGE, LC_ALL, LC_MESSAGES, LANG)"),
                           QStringLiteral("de|en")));
    for (const Auskunft::Option& o : a.optionen) parser.addOption(QCommandLineOption(o.namen, o.hilfe, o.wert));
    if (!a.argument.isEmpty()) parser.addPositionalArgument(a.argument, a.argumentHilfe, a.argumentSyntax);
    // Prints the help or the version and ends the program (a wrong option
    // beside them: the error, exit status 1). It returns only where "-h"
    // was the value of an option, and the program starts as it would have.
    parser.process(app);
    return std::nullopt;
}

}  // namespace widgets
