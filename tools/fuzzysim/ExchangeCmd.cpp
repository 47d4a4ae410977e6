#include "ExchangeCmd.h"

#include "Args.h"
#include "CheckEval.h"
#include "Exchange.h"
#include "ExportCCmd.h"
#include "ProjectWriter.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace fuzzysim {

namespace {

// "-o OUT" is the short form of "--output OUT".
std::vector<std::string> ExpandShort(std::vector<std::string> args) {
    for (auto& a : args) {
        if (a == "-o") a = "--output";
    }
    return args;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int RunExport(const std::vector<std::string>& raw) {
    const Args a(ExpandShort(raw), {}, {"--to", "--output", "--name"});
    a.ExpectPositional(1, "die Projektdatei (DATEI)");
    const auto output = a.Value("--output");
    const auto to = a.Value("--to");
    // C source is no exchange format: two files, a name, no import.
    if (to ? (*to == "c" || *to == "C") : (output && IsCSourcePath(*output))) {
        return RunExportC(a.Positional()[0], output, a.Value("--name"));
    }
    if (a.Value("--name")) throw UsageError("--name gilt nur f\xC3\xBCr --to c.");
    std::optional<exchange::Format> format;
    if (to) {
        format = exchange::FormatFromName(*to);
        if (!format) throw UsageError("Unbekanntes Format: " + *to + " (fll, fis, fcl oder c)");
    } else if (output) {
        format = exchange::FormatFromPath(*output);
    }
    if (!format) throw UsageError("Es fehlt das Format: --to fll, --to fis, --to fcl oder --to c.");

    const std::string& file = a.Positional()[0];
    Project p;
    const int status = LoadForTool(file, p);
    if (status != ExitOk) return status;
    std::string text;
    try {
        text = exchange::Export(*format, p.A, p.B, p.Out, p.Rules, file);
    } catch (const exchange::ExportError& e) {
        std::cerr << "Fehler: " << file << ": " << e.what() << '\n';
        return ExitFormatError;
    }
    if (!output) {
        std::cout << text;
        return ExitOk;
    }
    if (!WriteFile(*output, text)) {
        std::cerr << "Fehler: " << *output << " konnte nicht geschrieben werden.\n";
        return ExitUnreadable;
    }
    return ExitOk;
}

int RunImport(const std::vector<std::string>& raw) {
    const Args a(ExpandShort(raw), {}, {"--output"});
    a.ExpectPositional(1, "die Datei (DATEI.fll, DATEI.fis oder DATEI.fcl)");
    const std::string& file = a.Positional()[0];
    const auto format = exchange::FormatFromPath(file);
    if (!format) throw UsageError("Das Format ergibt sich aus der Endung: .fll, .fis oder .fcl (" + file + ").");

    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "Fehler: " << file << " konnte nicht gelesen werden.\n";
        return ExitUnreadable;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const exchange::ImportResult r = exchange::Import(*format, text);
    if (!r.ok) {
        std::cerr << "Fehler: " << file << ": " << r.Describe() << '\n';
        return ExitFormatError;
    }
    for (const auto& note : r.notes) std::cerr << "Hinweis: " << note << '\n';
    try {
        if (const auto output = a.Value("--output")) {
            fuzzy::SaveProject(*output, fuzzy::Project{r.A, r.B, r.Out, r.Rules});
        } else {
            std::cout << fuzzy::ProjectText(fuzzy::Project{r.A, r.B, r.Out, r.Rules});
        }
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << "Fehler: " << e.what() << '\n';
        return ExitFormatError;
    }
    return ExitOk;
}

}  // namespace fuzzysim
