#include "commands/Args.h"

#include "fuzzy/Numbers.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace fuzzysim {

namespace {

bool Contains(const std::vector<std::string>& list, std::string_view s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

Args::Args(const std::vector<std::string>& args, std::vector<std::string> flags, std::vector<std::string> options)
    : flags_(std::move(flags)), options_(std::move(options)) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            positional_.push_back(a);
            continue;
        }
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        // Twice is a mistake, whichever of the two was meant ("--to c --to fll").
        const bool given = Contains(setFlags_, name) ||
                           std::any_of(values_.begin(), values_.end(), [&](const auto& v) { return v.first == name; });
        if (given && (Contains(flags_, name) || Contains(options_, name)))
            throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Die Option %1 ist mehr als einmal angegeben."), {name}));
        if (Contains(flags_, name) && eq == std::string::npos) {
            setFlags_.push_back(name);
        } else if (Contains(options_, name)) {
            if (eq != std::string::npos) {
                values_.emplace_back(name, a.substr(eq + 1));
            } else if (i + 1 < args.size()) {
                values_.emplace_back(name, args[++i]);
            } else {
                throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Zur Option %1 fehlt der Wert."), {name}));
            }
        } else {
            throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Unbekannte Option: %1"), {a}));
        }
    }
}

bool Args::Has(std::string_view flag) const { return Contains(setFlags_, flag); }

std::optional<std::string> Args::Value(std::string_view option) const {
    for (auto it = values_.begin(); it != values_.end(); ++it) {
        if (it->first == option) return it->second;
    }
    return std::nullopt;
}

std::optional<double> Args::Number(std::string_view option) const {
    const auto text = Value(option);
    if (!text) return std::nullopt;
    const auto n = ParseNumber(*text);
    if (!n) throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Der Wert von %1 ist keine Zahl: %2"), {option, *text}));
    return n;
}

void Args::ExpectPositional(std::size_t n, std::string_view what) const {
    if (positional_.size() < n) throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Es fehlt: %1"), {what}));
    if (positional_.size() > n)
        throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Zu viele Argumente: %1"), {positional_[n]}));
}

std::optional<fuzzy::Language> TakeLanguage(std::vector<std::string>& args) {
    std::optional<fuzzy::Language> chosen;
    for (std::size_t i = 0; i < args.size();) {
        std::string value;
        std::size_t count = 1;
        if (args[i] == "--lang") {
            if (i + 1 >= args.size()) throw UsageError(fuzzy::Tr("fuzzysim", "--lang erwartet de oder en."));
            value = args[i + 1];
            count = 2;
        } else if (args[i].compare(0, 7, "--lang=") == 0) {
            value = args[i].substr(7);
        } else {
            ++i;
            continue;
        }
        if (value != "de" && value != "en")
            throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "--lang erwartet de oder en, gefunden: %1"), {value}));
        chosen = value == "en" ? fuzzy::Language::English : fuzzy::Language::German;
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + count));
    }
    return chosen;
}

std::string ErrorLine(std::string_view text) { return fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Fehler: %1"), {text}); }

std::string Short(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

// The shortest text that reads back as the same float.
std::string Exact(float v) { return fuzzy::NumberText(v); }

}  // namespace fuzzysim
