#include "commands/ExchangeCmd.h"

#include "commands/Args.h"
#include "fuzzy/AtomicFile.h"
#include "commands/CheckEval.h"
#include "exchange/Exchange.h"
#include "commands/ExportCCmd.h"
#include "fuzzy/Project.h"
#include "fuzzy/Language.h"

#include <iostream>

namespace fuzzysim {

namespace {

// "-o OUT" is the short form of "--output OUT".
std::vector<std::string> ExpandShort(std::vector<std::string> args) {
    for (auto& a : args) {
        if (a == "-o") a = "--output";
    }
    return args;
}

}  // namespace

int RunExport(const std::vector<std::string>& raw) {
    const Args a(ExpandShort(raw), {}, {"--to", "--output", "--name"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Projektdatei (DATEI)"));
    const auto output = a.Value("--output");
    const auto to = a.Value("--to");
    // C source is no exchange format: two files, a name, no import.
    if (to ? (*to == "c" || *to == "C") : (output && IsCSourcePath(*output))) {
        return RunExportC(a.Positional()[0], output, a.Value("--name"));
    }
    if (a.Value("--name")) throw UsageError(fuzzy::Tr("fuzzysim", "--name gilt nur f\xC3\xBCr --to c."));
    std::optional<exchange::Format> format;
    if (to) {
        format = exchange::FormatFromName(*to);
        if (!format)
            throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Unbekanntes Format: %1 (fll, fis, fcl oder c)"), {*to}));
    } else if (output) {
        format = exchange::FormatFromPath(*output);
    }
    if (!format)
        throw UsageError(fuzzy::Tr("fuzzysim", "Es fehlt das Format: --to fll, --to fis, --to fcl oder --to c."));

    const std::string& file = a.Positional()[0];
    Project p;
    const int status = LoadForTool(file, p);
    if (status != ExitOk) return status;
    std::string text;
    try {
        text = exchange::Export(*format, p, file);
    } catch (const exchange::ExportError& e) {
        std::cerr << ErrorLine(file + ": " + e.what()) << '\n';
        return ExitFormatError;
    }
    if (!output) {
        std::cout << text;
        return ExitOk;
    }
    try {
        fuzzy::WriteFileAtomic(*output, text, file);
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << ErrorLine(e.what()) << '\n';
        return ExitUnreadable;
    }
    return ExitOk;
}

int RunImport(const std::vector<std::string>& raw) {
    const Args a(ExpandShort(raw), {}, {"--output"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Datei (DATEI.fll, DATEI.fis oder DATEI.fcl)"));
    const std::string& file = a.Positional()[0];
    const auto format = exchange::FormatFromPath(file);
    if (!format)
        throw UsageError(fuzzy::Fmt(
            fuzzy::Tr("fuzzysim", "Das Format ergibt sich aus der Endung: .fll, .fis oder .fcl (%1)."), {file}));

    exchange::Imported r;
    try {
        r = exchange::Import(*format, exchange::ReadImportFile(file));
    } catch (const exchange::UnreadableFile& e) {
        std::cerr << ErrorLine(e.what()) << '\n';
        return ExitUnreadable;
    } catch (const exchange::ImportError& e) {
        std::cerr << ErrorLine(file + ": " + e.Describe()) << '\n';
        return ExitFormatError;
    }
    for (const auto& note : r.notes) std::cerr << fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Hinweis: %1"), {note}) << '\n';
    const fuzzy::Project& p = r.project;
    try {
        if (const auto output = a.Value("--output")) {
            // Not onto the imported file itself, even through a link.
            fuzzy::WriteFileAtomic(*output, fuzzy::ProjectText(p), file);
        } else {
            std::cout << fuzzy::ProjectText(p);
        }
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << ErrorLine(e.what()) << '\n';
        return ExitFormatError;
    }
    return ExitOk;
}

}  // namespace fuzzysim
