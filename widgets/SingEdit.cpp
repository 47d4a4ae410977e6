#include "SingEdit.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

TSingEdit::TSingEdit(QWidget* parent) : QLineEdit(parent) {}

float TSingEdit::Number() const {
    float v = 0.0f;
    return ParseNumber(text(), v) ? v : 0.0f;
}

void TSingEdit::setNumber(float v) { setText(FormatNumber(v)); }

bool TSingEdit::ParseNumber(const QString& text, float& value) {
    // Only ASCII can form a number; checking the grammar here keeps the
    // conversion below independent of the locale.
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0x7f) return false;
        s.push_back(u == ',' ? '.' : static_cast<char>(u));
    }

    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    std::size_t numberStart = i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
        numberStart = i;
    }
    // While checking the grammar, note the decimal order of the leading
    // significant digit (for telling overflow from underflow below).
    int digits = 0;
    long order = 0;
    bool significant = false;
    long position = 0;  // order of the digit being read, before the point
    std::size_t intEnd = i;
    while (intEnd < s.size() && s[intEnd] >= '0' && s[intEnd] <= '9') ++intEnd;
    position = static_cast<long>(intEnd - i) - 1;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (!significant && s[i] != '0') {
            significant = true;
            order = position;
        }
        --position;
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            if (!significant && s[i] != '0') {
                significant = true;
                order = position;
            }
            --position;
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return false;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        int expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return false;
        if (expNegative) exponent = -exponent;
    }
    if (i != s.size()) return false;

    float v = 0.0f;
    const char* first = s.data() + numberStart;
    const char* last = s.data() + s.size();
    const auto [end, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too small for single precision is simply 0; too large is not a
        // value the programs can work with.
        if (order + exponent < 0) {
            value = negative ? -0.0f : 0.0f;
            return true;
        }
        return false;
    }
    if (ec != std::errc() || end != last) return false;
    value = negative ? -v : v;
    return true;
}

QString TSingEdit::FormatNumber(float v) {
    if (std::isnan(v)) return QStringLiteral("NAN");
    if (std::isinf(v)) return v > 0 ? QStringLiteral(" INF") : QStringLiteral("-INF");
    const double d = v;
    if (std::fabs(d) < 1000.0) return QString::asprintf("%8.4f", d);
    // Two significant digits, a sign position and a four-digit exponent.
    const QString e = QString::asprintf("% .1E", d);  // e.g. " 1.2E+03"
    const int ePos = e.indexOf(QLatin1Char('E'));
    const QString mantissa = e.left(ePos + 2);   // " 1.2E+"
    const int exponent = e.mid(ePos + 2).toInt();  // digits after the sign
    return mantissa + QString::asprintf("%04d", exponent);
}
