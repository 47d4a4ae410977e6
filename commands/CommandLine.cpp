// fuzzysim's command line: the table of its subcommands, the help and the
// dispatch, for its main() and for the browser page, whose command line it is.
#include "commands/CommandLine.h"

#include "fuzzy/Language.h"
#include "commands/Args.h"
#include "commands/CheckEval.h"
#include "commands/ExchangeCmd.h"
#include "commands/ExerciseCmd.h"
#include "commands/Format.h"
#include "commands/LocoSim.h"
#include "commands/New.h"
#include "commands/TruckSim.h"
#include "commands/TuneSim.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <sstream>

namespace {

using fuzzysim::Subcommand;

// One row per subcommand: name, arguments, one line of help, function. The
// function gets the arguments after the name and returns the exit status; it
// may throw fuzzysim::UsageError for a wrong call.
const Subcommand kSubcommands[] = {
    {"aufgabe",
     FUZZY_TR_NOOP("fuzzysim",
                   "check AUFGABE [PROJEKT.fuz] [ANTWORTEN.fuzantwort | ABGABE.fuzabgabe] [--name NAME] [--json] | "
                   "start AUFGABE [-o PROJEKT.fuz] | paket AUFGABE... -o ORDNER [--ohne-blatt] | abgabe AUFGABE "
                   "[PROJEKT.fuz] [ANTWORTEN.fuzantwort] --name NAME --klasse KLASSE [--id KENNUNG] -o "
                   "DATEI.fuzabgabe | auswerten AUFGABE DATEIEN_ODER_ORDNER... [--csv|--json] [--moodle DATEI.csv] | "
                   "gegenprobe AUFGABE [--loesung DATEI] [--json]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "pr\xC3\xBC"
                   "ft ein Projekt und Antworten nach einer Aufgabe (.fuzaufgabe; Exit-Status 0 bestanden, 1 nicht "
                   "bestanden, 2 unbrauchbare Eingabe) oder schreibt ihr Startprojekt; f\xC3\xBCr den Unterricht: "
                   "paket (was die Klasse bekommt: ohne Text f\xC3\xBCr die Lehrkraft und Musterl\xC3\xB6sung, mit "
                   "Sch\xC3\xBClerblatt als PDF), abgabe (eine Abgabe mit Name und Klasse), auswerten (alle Abgaben in "
                   "einer Tabelle, mit --moodle als CSV f\xC3\xBCr das Notenbuch), gegenprobe (was eine Aufgabe unfair "
                   "oder nutzlos macht); englisch auch package, handin, mark, vet"),
     fuzzysim::RunExercise, "exercise"},
    {"check", FUZZY_TR_NOOP("fuzzysim", "DATEI [--json]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "pr\xC3\xBC"
                   "ft eine Projektdatei (.fuz) und zeigt Variablen, Terme und Regeln"),
     fuzzysim::RunCheck},
    {"eval", FUZZY_TR_NOOP("fuzzysim", "DATEI [--heights]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "wertet je Zeile der Standardeingabe \"A B\" (ohne Eingang B nur \"A\") einen Regelschritt aus"),
     fuzzysim::RunEval},
    {"export", FUZZY_TR_NOOP("fuzzysim", "DATEI --to fll|fis|fcl|c [-o AUSGABE] [--name NAME]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "schreibt das Projekt als FLL, FIS oder FCL f\xC3\xBCr andere Fuzzy-Werkzeuge oder als C-Quelltext "
                   "(AUSGABE.c und AUSGABE.h, Funktion NAME_step, ohne --name fuzzy_step)"),
     fuzzysim::RunExport},
    {"format", FUZZY_TR_NOOP("fuzzysim", "DATEI [-o AUSGABE]"),
     FUZZY_TR_NOOP(
         "fuzzysim",
         "liest ein Projekt und schreibt es mit dem Projektschreiber wieder (ohne -o auf die Standardausgabe)"),
     fuzzysim::RunFormat},
    {"import", FUZZY_TR_NOOP("fuzzysim", "DATEI.fll|.fis|.fcl [-o AUSGABE.fuz]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "liest ein FLL-, FIS- oder FCL-System, das in ein Projekt passt, und schreibt es als .fuz"),
     fuzzysim::RunImport},
    {"loco",
     FUZZY_TR_NOOP("fuzzysim",
                   "DATEI [--dt S] [--first-dt S] [--mass KG] [--friction R] [--distance CM] [--time S] "
                   "[--csv] [--svg DATEI]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "simuliert die Lok unter Fuzzyregelung in festen Schritten und zeigt, wie sie an der Marke h\xC3\xA4"
                   "lt (--dt und --first-dt 1e-05 bis 1 s, --mass 0.01 bis 1000 kg, --friction 0 bis 1000 N*s/m, "
                   "--distance -10000 bis 10000 cm ohne 0, --time 0.001 bis 3600 s)"),
     fuzzysim::RunLoco},
    {"new", FUZZY_TR_NOOP("fuzzysim", "leer|truck|lok [-o AUSGABE.fuz]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "schreibt eine Vorlage der Fuzzy-Werkstatt als Projekt: Terme f\xC3\xBCr das Fahrzeug "
                   "verteilt (leer: gleichm\xC3\xA4\xC3\x9F"
                   "ig), keine Regeln"),
     fuzzysim::RunNew},
    {"truck",
     FUZZY_TR_NOOP("fuzzysim", "DATEI [--start X,LAGE | --grid] [--speed V] [--steps N] [--csv] [--svg DATEI]"),
     FUZZY_TR_NOOP("fuzzysim",
                   "f\xC3\xBChrt den Truck unter Fuzzyregelung in Schritten zu 0.1 s r\xC3\xBC"
                   "ckw\xC3\xA4rts an die Ziellinie (--start X -1000 bis 1000 m, LAGE -360 bis 360 Grad, --speed -100 "
                   "bis 100 m/s, --steps 1 bis 1000000)"),
     fuzzysim::RunTruck},
    {"tune",
     FUZZY_TR_NOOP(
         "fuzzysim",
         "DATEI --vehicle truck|loco [--terms] [--free-rules] [--seconds N] [--seed S] [--rounds N] [--threads N] "
         "-o AUSGABE"),
     FUZZY_TR_NOOP("fuzzysim",
                   "sucht bessere Regeln (mit --terms auch Termecken auf dem Raster des Editors) f\xC3\xBCr den "
                   "Truck oder die Lok und schreibt sie nach AUSGABE; die Regeltabelle bleibt monoton, mit "
                   "--free-rules nicht"),
     fuzzysim::RunTune},
};

// The subcommand's name as the active language spells it; both spellings
// are taken whatever the language.
const char* ShownName(const Subcommand& s) {
    return s.english && fuzzy::ActiveLanguage() == fuzzy::Language::English ? s.english : s.name;
}

bool Names(const Subcommand& s, const std::string& word) { return word == s.name || (s.english && word == s.english); }

void PrintHelp(std::ostream& out) {
    out << fuzzy::Tr("fuzzysim",
                     "fuzzysim \xE2\x80\x93 Fuzzy-Projekte pr\xC3\xBC"
                     "fen, auswerten und simulieren, ohne Oberfl\xC3\xA4"
                     "che\n\n"
                     "Aufruf: fuzzysim BEFEHL [ARGUMENTE]\n\n"
                     "Befehle:\n");
    for (const Subcommand& s : kSubcommands) {
        out << "  " << ShownName(s) << ' ' << fuzzy::Tr("fuzzysim", s.synopsis) << '\n'
            << "      " << fuzzy::Tr("fuzzysim", s.summary) << '\n';
    }
    out << fuzzy::Tr("fuzzysim",
                     "\n"
                     "  --help, -h      diese Hilfe\n"
                     "  --lang de|en    Sprache der Ausgaben, vor oder nach dem Befehl (ohne die Option\n"
                     "                  nach LANGUAGE, LC_ALL, LC_MESSAGES, LANG; C: Deutsch)\n\n"
                     "check --json gibt das Projekt als JSON aus; eval --heights h\xC3\xA4ngt die\n"
                     "Aktivierungen der f\xC3\xBCnf Ausgangsterme an (\"-\" f\xC3\xBCr unbenutzte).\n\n"
                     "Exit-Status: 0 in Ordnung, 1 Formatfehler in der Datei oder fehlerhafte\n"
                     "Eingabezeilen, 2 Datei nicht lesbar oder falscher Aufruf; bei aufgabe check 0 bestanden,\n"
                     "1 nicht bestanden, 2 unbrauchbare Eingabe.\n");
}

bool IsHelp(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "help") == 0;
}

// Without any command the whole help is the answer; for a wrong call the
// error and where to look, so that the message is not lost above the help
// (the error line alone without a hint).
int WrongCall(const std::string& message, fuzzysim::UsageHint hint, bool withHelp = false) {
    std::cerr << fuzzysim::ErrorLine(message) << '\n';
    if (hint == fuzzysim::UsageHint::None) return fuzzysim::ExitUsage;
    if (withHelp) {
        std::cerr << '\n';
        PrintHelp(std::cerr);
    } else {
        std::cerr << fuzzy::Tr("fuzzysim", "Alle Befehle und Optionen zeigt: fuzzysim --help") << '\n';
    }
    return fuzzysim::ExitUsage;
}

}  // namespace

namespace fuzzysim {

int RunCommandLine(std::vector<std::string> all, UsageHint hint) {
    try {
        if (const auto chosen = TakeLanguage(all)) fuzzy::SetLanguage(*chosen);
    } catch (const fuzzysim::UsageError& e) {
        return WrongCall(e.what(), hint);
    }
    if (all.empty()) return WrongCall(fuzzy::Tr("fuzzysim", "Es fehlt der Befehl."), hint, true);
    if (IsHelp(all[0].c_str())) {
        PrintHelp(std::cout);
        return 0;
    }
    for (const Subcommand& s : kSubcommands) {
        if (!Names(s, all[0])) continue;
        const std::vector<std::string> args(all.begin() + 1, all.end());
        for (const auto& a : args) {
            if (a == "--help" || a == "-h") {
                std::cout << fuzzy::Fmt(
                    fuzzy::Tr("fuzzysim", "Aufruf: fuzzysim %1 %2\n  %3\n"),
                    {ShownName(s), fuzzy::Tr("fuzzysim", s.synopsis), fuzzy::Tr("fuzzysim", s.summary)});
                return 0;
            }
        }
        try {
            return s.run(args);
        } catch (const fuzzysim::UsageError& e) {
            return WrongCall(e.what(), hint);
        } catch (const std::exception& e) {
            std::cerr << ErrorLine(e.what()) << '\n';
            return 1;
        }
    }
    return WrongCall(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Unbekannter Befehl: %1"), {all[0]}), hint);
}

std::string CheckDocument(const fuzzy::Project& p) {
    std::ostringstream out;
    PrintJson(p, out);
    return out.str();
}

}  // namespace fuzzysim
