// Fuzzy-Werkstatt: build, save and understand fuzzy projects.
#include "widgets/Application.h"
#include "widgets/Auskunft.h"
#include "werkstatt/Main.h"
#include "werkstatt/blatt/Arbeitsblatt.h"
#include "fuzzy/Language.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

// Whether the command line asks for the worksheet: "--blatt" (or "--sheet")
// first, perhaps after the language ("werkstatt --lang en --sheet …").
bool BlattVerlangt(int argc, char** argv) {
    int i = 1;
    while (i < argc) {
        if (std::strcmp(argv[i], "--lang") == 0)
            i += 2;
        else if (std::strncmp(argv[i], "--lang=", 7) == 0)
            ++i;
        else
            break;
    }
    return i < argc && werkstatt::BlattOption(QString::fromLocal8Bit(argv[i])) == QLatin1String("--blatt");
}

// An option's two spellings, the active language's first, as the help lists them.
QStringList Namen(const char* deutsch, const char* englisch) {
    QStringList namen{QString::fromLatin1(deutsch), QString::fromLatin1(englisch)};
    if (fuzzy::ActiveLanguage() == fuzzy::Language::English) namen.swapItemsAt(0, 1);
    return namen;
}

widgets::Auskunft Selbstauskunft() {
    widgets::Auskunft a;
    a.beschreibung =
        QCoreApplication::translate("werkstatt::Start",
                                    "Fuzzy-Werkstatt: Fuzzy-Projekte bauen, speichern und verstehen.\n"
                                    "Mit --blatt schreibt sie das Arbeitsblatt eines Projekts als PDF, ohne Fenster:\n"
                                    "  werkstatt --blatt PROJEKT.fuz -o BLATT.pdf [--fahrzeug truck|lok]\n"
                                    "und das Schülerblatt einer Aufgabe, mit --loesung das Lösungsblatt:\n"
                                    "  werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf [--loesung]");
    a.optionen = {
        {Namen("blatt", "sheet"),
         QCoreApplication::translate("werkstatt::Start",
                                     "schreibt das Arbeitsblatt von PROJEKT.fuz, statt das Fenster zu öffnen"),
         {}},
        {{QStringLiteral("o")},
         QCoreApplication::translate("werkstatt::Start", "die PDF-Datei des Arbeitsblatts (mit --blatt)"),
         QStringLiteral("BLATT.pdf")},
        {Namen("fahrzeug", "vehicle"),
         QCoreApplication::translate(
             "werkstatt::Start",
             "die Laborergebnisse auf dem Blatt (mit --blatt; ohne die Option das im Fenster gewählte Fahrzeug)"),
         fuzzy::ActiveLanguage() == fuzzy::Language::English ? QStringLiteral("truck|loco")
                                                             : QStringLiteral("truck|lok")},
        {Namen("loesung", "solution"),
         QCoreApplication::translate("werkstatt::Start",
                                     "das Lösungsblatt der Aufgabe statt des Schülerblatts (mit --blatt)"),
         {}},
        {{QStringLiteral("name")},
         QCoreApplication::translate("werkstatt::Start",
                                     "die Zahlen dieser Person auf dem Schülerblatt einer Aufgabe mit Zahlen nach dem "
                                     "Namen (mit --blatt)"),
         QStringLiteral("NAME")},
        {Namen("klassenliste", "class-list"),
         QCoreApplication::translate("werkstatt::Start",
                                     "die Zahlen und Antworten jeder Person der Liste (ein Name je Zeile) auf dem "
                                     "Lösungsblatt (mit --blatt --loesung)"),
         QStringLiteral("LISTE")},
    };
    a.argument = QCoreApplication::translate("werkstatt::Start", "DATEI");
    a.argumentHilfe = QCoreApplication::translate(
        "werkstatt::Start", "das Projekt (.fuz) oder die Aufgabe (.fuzaufgabe), die geöffnet wird");
    a.argumentSyntax = QCoreApplication::translate("werkstatt::Start", "[PROJEKT.fuz | AUFGABE.fuzaufgabe]");
    return a;
}

// An option of the worksheet without --blatt: the first one, else null.
const char* BlattOptionOhneBlatt(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string spelled = werkstatt::BlattOption(QString::fromLocal8Bit(argv[i])).toStdString();
        const std::string_view arg(spelled);
        if (arg == "-o" || arg == "--loesung" || arg == "--fahrzeug" || arg.rfind("--fahrzeug=", 0) == 0 ||
            arg.rfind("-o=", 0) == 0 || arg == "--name" || arg == "--klassenliste")
            return argv[i];
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version need no display and open no window.
    if (const auto code = widgets::AuskunftGeben(argc, argv, "werkstatt", WERKSTATT_VERSION, Selbstauskunft,
                                                 {QStringLiteral("werkstatt"), QStringLiteral("labor")}))
        return *code;
    // The worksheet from the command line needs no display: a script or a
    // test makes it on the offscreen platform unless told otherwise.
    const bool blatt = BlattVerlangt(argc, argv);
    // An option of the worksheet without --blatt is a wrong call, answered
    // without a window (and without a display).
    const char* ohneBlatt = blatt ? nullptr : BlattOptionOhneBlatt(argc, argv);
    if ((blatt || ohneBlatt) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("werkstatt"), QStringLiteral("labor")});
    // Recent files, the window's geometry and the vehicles chosen for files
    // are kept under these names; the worksheet reads the vehicles too.
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehre"));
    QCoreApplication::setApplicationName(QStringLiteral("Fuzzy-Werkstatt"));
    if (blatt) {
        QTextStream fehler(stderr);
        return werkstatt::BlattBefehl(app.arguments().mid(1), fehler);
    }
    if (ohneBlatt) {
        QTextStream(stderr) << QCoreApplication::translate(
                                   "werkstatt::Start",
                                   "„%1“ gilt nur mit --blatt, zum Beispiel:\n"
                                   "  werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf --loesung\n")
                                   .arg(QString::fromLocal8Bit(ohneBlatt));
        return 2;
    }
    werkstatt::TMainForm form;
    form.show();
    try {
        form.FormCreate(app.arguments().mid(1));
    } catch (const std::exception& e) {
        widgets::TApplication::ReportException(e);
    }
    return app.exec();
}
