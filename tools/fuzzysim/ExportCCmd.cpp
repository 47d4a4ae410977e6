#include "ExportCCmd.h"

#include "Args.h"
#include "AtomicFile.h"
#include "CheckEval.h"
#include "ExportC.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace fuzzysim {

namespace {

// True when both name the same existing file, through links as well.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

bool IsCSourcePath(const std::string& path) {
    return path.size() > 2 && path[path.size() - 2] == '.' && (path.back() == 'c' || path.back() == 'C');
}

int RunExportC(const std::string& file, const std::optional<std::string>& output,
               const std::optional<std::string>& name) {
    exchange::CExportOptions o;
    if (name) {
        if (!exchange::IsCName(*name)) {
            throw UsageError("--name braucht einen C-Namen: ein Buchstabe, dann bis zu 23 Buchstaben, Ziffern oder _ "
                             "(nicht " + *name + ").");
        }
        o.name = *name;
    }
    std::string header;
    if (output) {
        if (!IsCSourcePath(*output)) throw UsageError("Die Ausgabe f\xC3\xBCr --to c endet auf .c: " + *output);
        header = output->substr(0, output->size() - 2) + ".h";
        o.headerName = FileName(header);
        for (const std::string& out : {*output, header}) {
            if (SameFile(out, file)) {
                std::cerr << "Fehler: " << out << " ist die Projektdatei selbst; sie wird nicht \xC3\xBC" "berschrieben.\n";
                return ExitUsage;
            }
        }
    }
    Project p;
    const int status = LoadForTool(file, p);
    if (status != ExitOk) return status;
    o.quelle = FileName(file);
    exchange::CExport c;
    try {
        c = exchange::ExportC(p, o);
    } catch (const exchange::ExportError& e) {
        std::cerr << "Fehler: " << file << ": " << e.what() << '\n';
        return ExitFormatError;
    }
    if (!output) {
        std::cout << c.source;
        return ExitOk;
    }
    try {
        // The header first: a source never stands beside a header it does not match
        // unless the second write fails, and that is reported.
        fuzzy::WriteFileAtomic(header, c.header);
        fuzzy::WriteFileAtomic(*output, c.source);
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << "Fehler: " << e.what() << '\n';
        return ExitUnreadable;
    }
    return ExitOk;
}

}  // namespace fuzzysim
