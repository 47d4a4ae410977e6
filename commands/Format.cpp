#include "commands/Format.h"

#include "commands/Args.h"
#include "commands/CheckEval.h"
#include "fuzzy/Project.h"
#include "fuzzy/Language.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace fuzzysim {

int RunFormat(const std::vector<std::string>& args) {
    // "-o" is the short form of "--output".
    std::vector<std::string> lang(args);
    for (std::string& x : lang)
        if (x == "-o") x = "--output";
    const Args a(lang, {}, {"--output"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Projektdatei (DATEI)"));
    Project p;
    const int status = LoadForTool(a.Positional()[0], p);
    // After a format error the reader has emptied the project: writing it
    // would replace a damaged file by an empty one.
    if (status != ExitOk) return status;
    return WriteProject(p, a.Value("--output"));
}

int WriteNewProject(const Project& p, const std::optional<std::string>& file, const char* exists) {
    if (file) {
        if (file->empty()) throw UsageError(fuzzy::Tr("fuzzysim", "-o erwartet einen Dateinamen."));
        std::error_code ec;
        const auto status = std::filesystem::symlink_status(*file, ec);
        if (std::filesystem::exists(status) || (ec && ec != std::errc::no_such_file_or_directory)) {
            std::cerr << ErrorLine(fuzzy::Fmt(exists, {*file})) << '\n';
            return ExitUsage;
        }
    }
    return WriteProject(p, file);
}

int WriteProject(const Project& p, const std::optional<std::string>& file) {
    try {
        if (file) {
            fuzzy::SaveProject(*file, p);
        } else {
            const std::string text = fuzzy::ProjectText(p);
            std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
            std::cout.flush();
        }
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << ErrorLine(e.what()) << '\n';
        return ExitFormatError;
    }
    return ExitOk;
}

}  // namespace fuzzysim
