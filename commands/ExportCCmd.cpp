#include "commands/ExportCCmd.h"

#include "commands/Args.h"
#include "fuzzy/AtomicFile.h"
#include "commands/CheckEval.h"
#include "exchange/ExportC.h"
#include "fuzzy/Language.h"

#include <filesystem>
#include <iostream>

namespace fuzzysim {

bool IsCSourcePath(const std::string& path) { return !exchange::CHeaderPath(path).empty(); }

int RunExportC(const std::string& file, const std::optional<std::string>& output,
               const std::optional<std::string>& name) {
    exchange::CExportOptions o;
    if (name) {
        if (!exchange::IsCName(*name)) {
            throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim",
                                                  "--name braucht einen C-Namen: ein Kleinbuchstabe, dann bis zu 23 "
                                                  "Kleinbuchstaben, Ziffern oder _ (nicht %1); die Makros sind der "
                                                  "Name, gro\xC3\x9F geschrieben."),
                                        {*name}));
        }
        o.name = *name;
    }
    if (output) {
        if (!IsCSourcePath(*output))
            throw UsageError(
                fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Die Ausgabe f\xC3\xBCr --to c endet auf .c: %1"), {*output}));
        o.headerName = std::filesystem::path(exchange::CHeaderPath(*output)).filename().string();
        if (!exchange::IsCHeaderName(o.headerName)) {
            // The name as the message shows it: a control character would act on the terminal.
            std::string shown = o.headerName;
            for (char& c : shown) {
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
            }
            throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim",
                                                  "Der Name des Headers %1 l\xC3\xA4sst sich nicht sicher in "
                                                  "#include \"...\" schreiben: keine Steuerzeichen, kein \", \\, ', / "
                                                  "oder ??."),
                                        {shown}));
        }
    }
    Project p;
    const int status = LoadForTool(file, p);
    if (status != ExitOk) return status;
    o.quelle = std::filesystem::path(file).filename().string();
    exchange::CExport c;
    try {
        c = exchange::ExportC(p, o);
    } catch (const exchange::ExportError& e) {
        std::cerr << ErrorLine(file + ": " + e.what()) << '\n';
        return ExitFormatError;
    }
    if (!output) {
        std::cout << c.source;
        return ExitOk;
    }
    try {
        exchange::WriteCExport(c, *output, file);
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << ErrorLine(e.what()) << '\n';
        return ExitUnreadable;
    }
    return ExitOk;
}

}  // namespace fuzzysim
