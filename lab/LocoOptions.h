#pragma once

// The settings of a locomotive run as a person types them, by the names
// fuzzysim's options have (--dt, --first-dt, --mass, --friction, --distance,
// --time): their ranges and their reading, for the command line and the
// browser's engine alike.

#include "fuzzy/Errors.h"
#include "loco/model/LocoLauf.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lab {

// A setting that is no number or lies outside its range; the message names
// the option and the range.
class OptionError : public fuzzy::Error {
public:
    explicit OptionError(const std::string& message) : fuzzy::Error(message) {}
};

// An option of the run and the values it takes: lo <= value <= hi, and not
// 0 unless zeroAllowed. fuzzysim's --help and the man page state the same ranges.
struct LocoRange {
    const char* Option;
    const char* What;  // "einen Zeitschritt in s", translated where shown
    double Fallback;
    double Lo, Hi;
    bool ZeroAllowed;
};
// --dt, --first-dt, --mass, --friction, --distance, --time in this order.
const std::vector<LocoRange>& LocoRanges();

// More steps than this would only fill the memory: 60 s at 1 ms are 60 000.
constexpr double MaxLocoSteps = 2.0e6;

// The text given for an option, nothing where it was not given.
using GivenOption = std::function<std::optional<std::string>(std::string_view option)>;

// The start values and steps of a run from the options given; the fallback
// for each one not given. Throws OptionError for values the model cannot run with.
pemrak::RunOptions LocoOptions(const GivenOption& given);

// A decimal number written with a point (or a comma), nothing around it but
// blanks; nothing for anything else, infinities and NaN included.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace lab
