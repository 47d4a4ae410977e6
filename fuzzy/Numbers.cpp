#include "fuzzy/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

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
    const auto res = std::from_chars(canon.data(), canon.data() + canon.size(), d);
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

}  // namespace fuzzy
