#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fuzzy {

// An integer line of a project file: blanks, optional sign, then decimal
// digits or a hexadecimal prefix ($, x, X, 0x, 0X) and hex digits, nothing
// after them, within the 32-bit signed range. Anything else: nullopt.
std::optional<std::int32_t> ParseProjectInt(std::string_view s);

// Outcome of reading a real line.
enum class RealStatus { Ok, NotANumber, OutOfRange };

struct RealResult {
    RealStatus status;
    float value;  // 0 unless Ok
};

// A real line: blanks, optional sign, digits with an optional point and
// fraction, optional exponent. Text that does not parse completely is
// NotANumber (read as 0); a magnitude beyond single precision is OutOfRange.
RealResult ParseProjectReal(std::string_view s);

// The number of a real line as the project reader takes it: 0 for text that
// is not a number. Throws nothing; OutOfRange is reported through ok = false.
float StrToSingle(std::string_view s, bool& ok);

}  // namespace fuzzy
