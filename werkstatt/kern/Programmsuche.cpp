#include "werkstatt/kern/Programmsuche.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace werkstatt {

std::string Dateiname(Fahrzeugprogramm p) { return p == Fahrzeugprogramm::Dorvane ? "dorvane" : "pemrak"; }

std::string Anzeigename(Fahrzeugprogramm p) { return p == Fahrzeugprogramm::Dorvane ? "Dorvane" : "Pemrak"; }

std::vector<std::string> Kandidaten(const std::string& werkstattOrdner, Fahrzeugprogramm p) {
    const fs::path ordner(werkstattOrdner);
    const std::string name = Dateiname(p);
    const char* bauordner = p == Fahrzeugprogramm::Dorvane ? "truck" : "loco";
    return {(ordner / name).lexically_normal().string(),
            (ordner / ".." / bauordner / name).lexically_normal().string()};
}

std::optional<std::string> FindeProgramm(const std::string& werkstattOrdner, Fahrzeugprogramm p) {
    for (const std::string& k : Kandidaten(werkstattOrdner, p)) {
        std::error_code ec;
        const fs::file_status st = fs::status(k, ec);
        if (ec || !fs::is_regular_file(st)) continue;
        const fs::perms ausfuehrbar = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
        if ((st.permissions() & ausfuehrbar) == fs::perms::none) continue;
        return k;
    }
    return std::nullopt;
}

}  // namespace werkstatt
