#pragma once

#include "fuzzy/Errors.h"
#include "fuzzy/Language.h"
#include "lab/LocoOptions.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzysim {

// A wrong call: unknown option, missing file, bad option value. main prints
// the message and the help text and ends with exit status 2.
class UsageError : public fuzzy::Error {
public:
    explicit UsageError(const std::string& message) : fuzzy::Error(message) {}
};

// The arguments of one subcommand (everything after its name), split into
// positional arguments, flags ("--json") and options with a value
// ("--speed -1" or "--speed=-1"). Anything not declared, and any flag or
// option given more than once, is a UsageError.
class Args {
public:
    Args(const std::vector<std::string>& args, std::vector<std::string> flags, std::vector<std::string> options = {});

    bool Has(std::string_view flag) const;
    std::optional<std::string> Value(std::string_view option) const;
    // The option's value as a number; UsageError when it is none.
    std::optional<double> Number(std::string_view option) const;
    const std::vector<std::string>& Positional() const { return positional_; }

    // Exactly n positional arguments, named in the message when missing.
    void ExpectPositional(std::size_t n, std::string_view what) const;

private:
    std::vector<std::string> flags_;
    std::vector<std::string> options_;
    std::vector<std::string> setFlags_;
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> positional_;
};

// A decimal number written with a point (or a comma): lab::ParseNumber.
using lab::ParseNumber;

// "--lang de|en" or "--lang=de|en" wherever it stands among the arguments,
// before or after the subcommand, taken out of them so that no subcommand
// sees it; the last one counts. nullopt without the option; a UsageError for
// a missing or unknown value.
std::optional<fuzzy::Language> TakeLanguage(std::vector<std::string>& args);

// "Fehler: TEXT" in the active language, the start of every error line.
std::string ErrorLine(std::string_view text);

// The number as a stream prints it by default (six significant digits,
// always with a point): the figures of the text output in both languages.
std::string Short(double v);

// The shortest decimal text that reads back as exactly v, bit for bit, with
// a point whatever the locale ("nan", "inf", "-inf" for what is no number):
// the columns of the CSV output that a replay of the runs reads.
std::string Exact(float v);

// One subcommand of fuzzysim: main.cpp keeps a table of them.
struct Subcommand {
    const char* name;
    const char* synopsis;  // arguments, e.g. "DATEI [--json]", translated where shown
    const char* summary;   // one line for the help text, translated where shown
    int (*run)(const std::vector<std::string>& args);
    const char* english = nullptr;  // the English name, taken beside `name` and shown in the English help
};

}  // namespace fuzzysim
