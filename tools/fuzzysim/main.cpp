// fuzzysim: the fuzzy engine on the command line, without any GUI.
#include "Args.h"
#include "CheckEval.h"
#include "ExchangeCmd.h"
#include "Format.h"
#include "LocoSim.h"
#include "New.h"
#include "TruckSim.h"
#include "TuneSim.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

using fuzzysim::Subcommand;

// One row per subcommand: name, arguments, one line of help, function. The
// function gets the arguments after the name and returns the exit status; it
// may throw fuzzysim::UsageError for a wrong call.
const Subcommand kSubcommands[] = {
    {"check", "DATEI [--json]",
     "pr\xC3\xBC"
     "ft eine Projektdatei (.fuz) und zeigt Variablen, Terme und Regeln",
     fuzzysim::RunCheck},
    {"eval", "DATEI [--heights]",
     "wertet je Zeile der Standardeingabe \"A B\" (ohne Eingang B nur \"A\") einen Regelschritt aus",
     fuzzysim::RunEval},
    {"export", "DATEI --to fll|fis|fcl|c [-o AUSGABE] [--name NAME]",
     "schreibt das Projekt als FLL, FIS oder FCL f\xC3\xBCr andere Fuzzy-Werkzeuge oder als C-Quelltext "
     "(AUSGABE.c und AUSGABE.h, Funktion NAME_step, ohne --name fuzzy_step)",
     fuzzysim::RunExport},
    {"format", "DATEI [-o AUSGABE]",
     "liest ein Projekt und schreibt es mit dem Projektschreiber wieder (ohne -o auf die Standardausgabe)",
     fuzzysim::RunFormat},
    {"import", "DATEI.fll|.fis|.fcl [-o AUSGABE.fuz]",
     "liest ein FLL-, FIS- oder FCL-System, das in ein Projekt passt, und schreibt es als .fuz", fuzzysim::RunImport},
    {"loco",
     "DATEI [--dt S] [--first-dt S] [--mass KG] [--friction R] [--distance CM] [--time S] [--csv] [--svg DATEI]",
     "simuliert die Lok unter Fuzzyregelung in festen Schritten und zeigt, wie sie an der Marke h\xC3\xA4"
     "lt (--dt und --first-dt 1e-05 bis 1 s, --mass 0.01 bis 1000 kg, --friction 0 bis 1000 N*s/m, "
     "--distance -10000 bis 10000 cm ohne 0, --time 0.001 bis 3600 s)",
     fuzzysim::RunLoco},
    {"new", "leer|truck|lok [-o AUSGABE.fuz]",
     "schreibt eine Vorlage der Fuzzy-Werkstatt als Projekt: Terme gleichm\xC3\xA4\xC3\x9Fig verteilt, keine Regeln",
     fuzzysim::RunNew},
    {"truck", "DATEI [--start X,LAGE | --grid] [--speed V] [--steps N] [--csv] [--svg DATEI]",
     "f\xC3\xBChrt den Truck unter Fuzzyregelung in Schritten zu 0.1 s r\xC3\xBC"
     "ckw\xC3\xA4rts an die Ziellinie (--start X -1000 bis 1000 m, LAGE -360 bis 360 Grad, --speed -100 bis "
     "100 m/s, --steps 1 bis 1000000)",
     fuzzysim::RunTruck},
    {"tune", "DATEI --vehicle truck|loco [--terms] [--seconds N] [--seed S] [--rounds N] [--threads N] -o AUSGABE",
     "sucht bessere Regeln (mit --terms auch Termecken) f\xC3\xBCr den Truck oder die Lok und schreibt sie nach "
     "AUSGABE",
     fuzzysim::RunTune},
};

void PrintHelp(std::ostream& out) {
    out << "fuzzysim \xE2\x80\x93 Fuzzy-Projekte pr\xC3\xBC"
           "fen, auswerten und simulieren, ohne Oberfl\xC3\xA4"
           "che\n\n"
           "Aufruf: fuzzysim BEFEHL [ARGUMENTE]\n\n"
           "Befehle:\n";
    for (const Subcommand& s : kSubcommands) {
        out << "  " << s.name << ' ' << s.synopsis << '\n' << "      " << s.summary << '\n';
    }
    out << "\n"
           "  --help, -h      diese Hilfe\n\n"
           "check --json gibt das Projekt als JSON aus; eval --heights h\xC3\xA4ngt die\n"
           "Aktivierungen der f\xC3\xBCnf Ausgangsterme an (\"-\" f\xC3\xBCr unbenutzte).\n\n"
           "Exit-Status: 0 in Ordnung, 1 Formatfehler in der Datei oder fehlerhafte\n"
           "Eingabezeilen, 2 Datei nicht lesbar oder falscher Aufruf.\n";
}

bool IsHelp(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "help") == 0;
}

// Without any command the whole help is the answer; for a wrong call the
// error and where to look, so that the message is not lost above the help.
int UsageError(const std::string& message, bool withHelp = false) {
    std::cerr << "Fehler: " << message << '\n';
    if (withHelp) {
        std::cerr << '\n';
        PrintHelp(std::cerr);
    } else {
        std::cerr << "Alle Befehle und Optionen zeigt: fuzzysim --help\n";
    }
    return fuzzysim::ExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return UsageError("Es fehlt der Befehl.", true);
    if (IsHelp(argv[1])) {
        PrintHelp(std::cout);
        return 0;
    }
    for (const Subcommand& s : kSubcommands) {
        if (std::strcmp(argv[1], s.name) != 0) continue;
        const std::vector<std::string> args(argv + 2, argv + argc);
        for (const auto& a : args) {
            if (a == "--help" || a == "-h") {
                std::cout << "Aufruf: fuzzysim " << s.name << ' ' << s.synopsis << "\n  " << s.summary << '\n';
                return 0;
            }
        }
        try {
            return s.run(args);
        } catch (const fuzzysim::UsageError& e) {
            return UsageError(e.what());
        } catch (const std::exception& e) {
            std::cerr << "Fehler: " << e.what() << '\n';
            return 1;
        }
    }
    return UsageError(std::string("Unbekannter Befehl: ") + argv[1]);
}
