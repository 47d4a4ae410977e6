#include "tools/fuzzysim/ExportCCmd.h"

#include "tools/fuzzysim/Args.h"
#include "fuzzy/AtomicFile.h"
#include "tools/fuzzysim/CheckEval.h"
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
                                                  "--name braucht einen C-Namen: ein Buchstabe, dann bis zu 23 "
                                                  "Buchstaben, Ziffern oder _ (nicht %1)."),
                                        {*name}));
        }
        o.name = *name;
    }
    if (output) {
        if (!IsCSourcePath(*output))
            throw UsageError(
                fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Die Ausgabe f\xC3\xBCr --to c endet auf .c: %1"), {*output}));
        o.headerName = std::filesystem::path(exchange::CHeaderPath(*output)).filename().string();
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
