#include "fuzzy/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace fuzzy {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::size_t SkipBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return i;
}

// For a syntactically valid unsigned real: is its magnitude 1 or more?
bool MagnitudeAtLeastOne(std::string_view t) {
    const std::size_t epos = t.find_first_of("eE");
    const std::string_view mant = t.substr(0, epos);
    long long ex = 0;
    if (epos != std::string_view::npos) {
        std::size_t k = epos + 1;
        bool neg = false;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) neg = t[k++] == '-';
        for (; k < t.size(); ++k) ex = std::min(ex * 10 + (t[k] - '0'), 1000000000LL);
        if (neg) ex = -ex;
    }
    const std::size_t firstNonZero = mant.find_first_of("123456789");
    if (firstNonZero == std::string_view::npos) return false;
    std::size_t point = mant.find('.');
    if (point == std::string_view::npos) point = mant.size();
    const long long order = firstNonZero < point ? static_cast<long long>(point - firstNonZero)
                                                 : -static_cast<long long>(firstNonZero - point - 1);
    return order + ex > 0;
}

}  // namespace

std::optional<std::int32_t> ParseProjectInt(std::string_view s) {
    std::size_t i = SkipBlanks(s);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return std::nullopt;
    // The magnitude may reach 2^31 for the most negative value.
    constexpr std::uint64_t limit = std::uint64_t{1} << 31;
    std::uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        const int d = base == 16 ? HexValue(s[i]) : (IsDigit(s[i]) ? s[i] - '0' : -1);
        if (d < 0) return std::nullopt;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (magnitude > limit) return std::nullopt;
    }
    if (!negative && magnitude == limit) return std::nullopt;
    const std::int64_t v = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(v);
}

RealResult ParseProjectReal(std::string_view s) {
    constexpr RealResult notANumber{RealStatus::NotANumber, 0.0f};
    std::size_t i = SkipBlanks(s);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return notANumber;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return notANumber;
    }
    if (i != s.size()) return notANumber;

    // The sign is already taken; a leading point gets its zero.
    std::string canon(s.substr(start));
    if (!canon.empty() && canon[0] == '.') canon.insert(canon.begin(), '0');
    double d = 0.0;
    const auto res = ReadNumber(canon.data(), canon.data() + canon.size(), d);
    if (res.ec == std::errc::result_out_of_range) {
        // Beyond double: a value of at least 1 overflowed, a tiny one underflows to 0.
        return MagnitudeAtLeastOne(canon) ? RealResult{RealStatus::OutOfRange, 0.0f}
                                          : RealResult{RealStatus::Ok, negative ? -0.0f : 0.0f};
    }
    if (res.ec != std::errc() || res.ptr != canon.data() + canon.size()) return notANumber;
    if (negative) d = -d;
    const float f = static_cast<float>(d);
    if (std::isinf(f)) return {RealStatus::OutOfRange, 0.0f};
    return {RealStatus::Ok, f};
}

float StrToSingle(std::string_view s, bool& ok) {
    const RealResult r = ParseProjectReal(s);
    ok = r.status != RealStatus::OutOfRange;
    return r.value;
}

// ---- number text -----------------------------------------------------------

namespace {

// A finite number's shortest decimal: sign, significant digits without
// leading or trailing zeros, and the power of ten of the first digit.
struct Shortest {
    bool negative = false;
    std::string digits;  // "0" for zero
    int exponent = 0;    // value = d.ddd * 10^exponent
};

template <typename T>
Shortest ShortestOf(T v) {
    // libfmt's "{}" is the shortest round trip; only its layout varies.
    const std::string t = fmt::format("{}", v);
    Shortest s;
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') s.negative = true, ++i;
    int pointAt = -1, count = 0, firstNonZero = -1;
    std::string all;
    for (; i < t.size() && t[i] != 'e'; ++i) {
        if (t[i] == '.') {
            pointAt = count;
            continue;
        }
        if (firstNonZero < 0 && t[i] != '0') firstNonZero = count;
        all += t[i];
        ++count;
    }
    if (pointAt < 0) pointAt = count;
    int e = 0;
    if (i < t.size()) {
        std::int32_t parsed = 0;
        const char* p = t.data() + i + 1;
        if (*p == '+') ++p;
        std::from_chars(p, t.data() + t.size(), parsed);
        e = parsed;
    }
    if (firstNonZero < 0) {
        s.digits = "0";
        return s;
    }
    s.digits = all.substr(static_cast<std::size_t>(firstNonZero));
    while (s.digits.size() > 1 && s.digits.back() == '0') s.digits.pop_back();
    s.exponent = pointAt - firstNonZero - 1 + e;
    return s;
}

std::string NonFinite(double v) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    return v < 0 ? "-inf" : "inf";
}

std::string Scientific(const Shortest& s) {
    std::string out = s.negative ? "-" : "";
    out += s.digits[0];
    if (s.digits.size() > 1) out += '.' + s.digits.substr(1);
    const int e = s.exponent;
    out += e < 0 ? "e-" : "e+";
    const std::string ed = std::to_string(e < 0 ? -e : e);
    if (ed.size() < 2) out += '0';
    return out + ed;
}

// Length of the fixed layout of s, and whether it is a whole number with
// zeros after its significant digits (whose text then needs every digit).
std::size_t FixedLength(const Shortest& s, bool& wholeWithZeros) {
    const int n = static_cast<int>(s.digits.size());
    const int lastPower = s.exponent - (n - 1);  // power of ten of the last digit
    wholeWithZeros = lastPower > 0;
    std::size_t len = s.negative ? 1 : 0;
    if (lastPower >= 0) return len + static_cast<std::size_t>(s.exponent + 1);
    if (s.exponent >= 0) return len + static_cast<std::size_t>(n + 1);
    return len + static_cast<std::size_t>(2 - s.exponent - 1 + n);
}

template <typename T>
std::string Fixed(T v, const Shortest& s) {
    bool whole = false;
    FixedLength(s, whole);
    // As printf does: a whole number with all its digits, not the shortest ones.
    if (whole) return fmt::format("{:.0f}", static_cast<double>(v));
    const int n = static_cast<int>(s.digits.size());
    std::string out = s.negative ? "-" : "";
    if (s.exponent < 0) return out + "0." + std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + s.digits;
    if (s.exponent >= n - 1) return out + s.digits;
    const auto cut = static_cast<std::size_t>(s.exponent + 1);
    return out + s.digits.substr(0, cut) + '.' + s.digits.substr(cut);
}

std::size_t ScientificLength(const Shortest& s) {
    const std::size_t n = s.digits.size();
    const int e = s.exponent < 0 ? -s.exponent : s.exponent;
    return (s.negative ? 1 : 0) + n + (n > 1 ? 1 : 0) + 2 + (e >= 100 ? 3 : 2);
}

template <typename T>
std::string Text(T v, NumberForm form) {
    if (!std::isfinite(v)) return NonFinite(static_cast<double>(v));
    const Shortest s = ShortestOf(v);
    switch (form) {
    case NumberForm::Fixed: return Fixed(v, s);
    case NumberForm::Scientific: return Scientific(s);
    case NumberForm::Plain: break;
    }
    bool whole = false;
    return FixedLength(s, whole) <= ScientificLength(s) ? Fixed(v, s) : Scientific(s);
}

template <typename T>
std::from_chars_result Read(const char* first, const char* last, T& value) {
    T v{};
    const auto r = fast_float::from_chars(first, last, v);
    if (r.ec != std::errc()) return {r.ptr, r.ec};
    // fast_float rounds past the range to infinity or zero without a word.
    const char* p = first;
    if (p < r.ptr && *p == '-') ++p;
    const bool named = p < r.ptr && (*p == 'i' || *p == 'I' || *p == 'n' || *p == 'N');
    bool nonzeroDigit = false;
    for (; p < r.ptr && *p != 'e' && *p != 'E'; ++p) nonzeroDigit = nonzeroDigit || (*p >= '1' && *p <= '9');
    if (!named && (std::isinf(v) || (v == 0 && nonzeroDigit))) return {r.ptr, std::errc::result_out_of_range};
    value = v;
    return {r.ptr, std::errc()};
}

}  // namespace

std::string NumberText(float v, NumberForm form) { return Text(v, form); }
std::string NumberText(double v, NumberForm form) { return Text(v, form); }

std::string GeneralText(double v, int precision) {
    if (!std::isfinite(v)) return NonFinite(v);
    return fmt::format("{:.{}g}", v, precision);
}

std::string FixedText(double v, int decimals) {
    if (!std::isfinite(v)) return NonFinite(v);
    return fmt::format("{:.{}f}", v, decimals);
}

float ZeroBelowRounding(float v, float rangeMin, float rangeMax) {
    const double scale = std::max(std::fabs(static_cast<double>(rangeMin)), std::fabs(static_cast<double>(rangeMax)));
    // 2^-20 is eight float steps at the scale: more than the few roundings of
    // a centroid, far less than any digit a person would read.
    const double noise = std::isfinite(scale) ? std::ldexp(scale, -20) : 0.0;
    if (std::fabs(static_cast<double>(v)) <= noise) return 0.0f;
    return v;
}

std::string HexText(double v) {
    if (!std::isfinite(v)) return NonFinite(v);
    // By hand from the bits: libfmt leaves "{:a}" to snprintf, whose radix
    // character follows the locale.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    std::string out = negative ? "-0x" : "0x";
    if (biased == 0 && fraction == 0) return out + "0p+0";
    out += biased == 0 ? '0' : '1';
    if (fraction != 0) {
        out += '.';
        int digits = 13;
        while ((fraction & 0xF) == 0) {
            fraction >>= 4;
            --digits;
        }
        static const char kHex[] = "0123456789abcdef";
        for (int i = digits - 1; i >= 0; --i) out += kHex[(fraction >> (4 * i)) & 0xF];
    }
    const int exponent = biased == 0 ? -1022 : biased - 1023;
    return out + (exponent < 0 ? "p-" : "p+") + std::to_string(exponent < 0 ? -exponent : exponent);
}

std::string ScientificText(double v, int precision) {
    if (!std::isfinite(v)) return NonFinite(v);
    return fmt::format("{:.{}e}", v, precision);
}

std::from_chars_result ReadNumber(const char* first, const char* last, double& value) {
    return Read(first, last, value);
}

std::from_chars_result ReadNumber(const char* first, const char* last, float& value) {
    return Read(first, last, value);
}

}  // namespace fuzzy
