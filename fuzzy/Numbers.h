#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
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

// ---- Numbers as text and back, the same on every platform ---------------
// Files, sentences and the tool's output write numbers through these, never
// through the C library (whose output follows its locale) nor through the
// standard library's floating to_chars/from_chars, which not every toolchain
// has. libfmt finds the digits, fast_float reads them.

// How a shortest number is laid out; the same text as std::to_chars gives:
// Plain: fixed or scientific, whichever is shorter (fixed on a tie);
// Fixed: no exponent (a whole number above 2^24 with all its digits);
// Scientific: one digit, point, the rest, e, sign, at least two digits.
enum class NumberForm { Plain, Fixed, Scientific };

// The fewest digits that read back as the same float (double).
std::string NumberText(float v, NumberForm form = NumberForm::Plain);
std::string NumberText(double v, NumberForm form = NumberForm::Plain);

// printf's "%.*g" and "%.*f" in the C locale.
std::string GeneralText(double v, int precision);
std::string FixedText(double v, int decimals);
// printf's "%a" (a hexadecimal floating constant, "-0x1.4p+2") and "%.*e"
// (exact to the last digit asked for) in the C locale.
std::string HexText(double v);
std::string ScientificText(double v, int precision);

// A value computed for a variable, as a person reads it: 0 where it is zero
// up to single-precision rounding at the scale of the variable's range (at
// most 2^-20 of the larger of |rangeMin| and |rangeMax|: a centroid whose
// parts cancel ends a few float steps beside 0, such as -7.66e-10 for a force
// between -2.5 and 2.5 N), and never -0; any other value, NaN and infinity
// among them, as it is. For text on screen and paper only: files, CSV and
// JSON keep the exact value.
float ZeroBelowRounding(float v, float rangeMin, float rangeMax);

// std::from_chars in the general format: digits, optional point and
// fraction, optional exponent, or inf/infinity/nan; no leading '+'. A value
// that rounds to infinity, or to zero from nonzero digits, is
// result_out_of_range and leaves value as it was.
std::from_chars_result ReadNumber(const char* first, const char* last, double& value);
std::from_chars_result ReadNumber(const char* first, const char* last, float& value);

}  // namespace fuzzy
