#include "Auskunft.h"

#include "SprachWahl.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <string>

namespace widgets {

std::optional<int> AuskunftGeben(int argc, char** argv, const std::function<Auskunft()>& auskunft,
                                 const QStringList& kataloge) {
    bool gefragt = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        for (const char* frage : {"--help", "-h", "--version"}) gefragt = gefragt || std::strcmp(argv[i], frage) == 0;
    }
    if (!gefragt) return std::nullopt;

    // No display: a bare application object is enough for the catalogues.
    int n = argc;
    std::string fehler;
    const std::optional<fuzzy::Sprache> gewaehlt = SpracheAusArgumenten(n, argv, fehler);
    if (!fehler.empty()) {
        std::fputs(fehler.c_str(), stderr);
        return 2;
    }
    QCoreApplication app(n, argv);
    QStringList alle{QStringLiteral("gemeinsam")};
    alle += kataloge;
    SpracheEinrichten(gewaehlt.value_or(fuzzy::SpracheAusUmgebung()), alle);

    const Auskunft a = auskunft();
    QCoreApplication::setApplicationName(a.programm);
    QCoreApplication::setApplicationVersion(a.version);
    QCommandLineParser parser;
    parser.setApplicationDescription(a.beschreibung);
    const QCommandLineOption hilfe = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        {QStringLiteral("lang")},
        QCoreApplication::translate("widgets::Auskunft", "Sprache der Fenster und Meldungen (ohne die Option nach "
                                                         "LANGUAGE, LC_ALL, LC_MESSAGES, LANG)"),
        QStringLiteral("de|en")));
    for (const Auskunft::Option& o : a.optionen) parser.addOption(QCommandLineOption(o.namen, o.hilfe, o.wert));
    if (!a.argument.isEmpty()) parser.addPositionalArgument(a.argument, a.argumentHilfe, a.argumentSyntax);
    // Whatever else stands on the line, the question is answered.
    (void)parser.parse(QCoreApplication::arguments());

    QTextStream aus(stdout);
    if (parser.isSet(version) && !parser.isSet(hilfe)) {
        aus << a.programm << ' ' << a.version << Qt::endl;
    } else {
        aus << parser.helpText();
    }
    return 0;
}

}  // namespace widgets
