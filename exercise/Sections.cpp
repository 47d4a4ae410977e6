#include "exercise/Sections.h"

#include "fuzzy/Numbers.h"
#include "fuzzy/Language.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

// The length of the valid UTF-8 sequence at s[i], or 0 when none starts there
// (overlong forms, surrogates and code points beyond U+10FFFF are invalid).
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned lowest = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((b(i + k) & 0xC0) != 0x80) return 0;
    if (n == 3) {
        if (c == 0xE0 && b(i + 1) < 0xA0) return 0;   // overlong
        if (c == 0xED && b(i + 1) >= 0xA0) return 0;  // surrogate
    }
    if (n == 4) {
        lowest = b(i + 1);
        if (c == 0xF0 && lowest < 0x90) return 0;   // overlong
        if (c == 0xF4 && lowest >= 0x90) return 0;  // beyond U+10FFFF
    }
    return n;
}

void CheckLine(std::string_view text, int number) {
    if (text.size() > MaxLineBytes)
        throw FormatError(
            Fmt(Tr("Aufgabe", "Die Zeile ist l\xC3\xA4nger als %1 Bytes."), {std::to_string(MaxLineBytes)}), number);
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t')
            throw FormatError(Tr("Aufgabe", "Die Zeile enth\xC3\xA4lt ein Steuerzeichen."), number);
        if (c == 0x7F) throw FormatError(Tr("Aufgabe", "Die Zeile enth\xC3\xA4lt ein Steuerzeichen."), number);
        const std::size_t n = Utf8Length(text, i);
        if (n == 0) throw FormatError(Tr("Aufgabe", "Die Zeile ist kein g\xC3\xBCltiges UTF-8."), number);
        i += n;
    }
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool IsNameChar(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_'; }

// "[name]" with a name of letters, digits, '.', '_' and '-'; nothing when the
// line is no section header.
std::optional<std::string> Header(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
    return std::string(Trim(t.substr(1, t.size() - 2)));
}

bool IsComment(std::string_view t) { return !t.empty() && (t.front() == '#' || t.front() == ';'); }

// A decimal number with a point as this format writes it; nothing for any
// other text (no hexadecimal, no infinity, no NaN, no blanks inside).
std::optional<double> ParseDecimal(std::string_view t) {
    std::string s(t);
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    const std::size_t digitsStart = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    std::size_t digits = i - digitsStart;
    if (i < s.size() && s[i] == '.') {
        ++i;
        const std::size_t f = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        digits += i - f;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t e = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        if (i == e) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    double v = 0.0;
    const auto res = fuzzy::ReadNumber(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) return std::nullopt;
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

[[noreturn]] void NotANumber(const KeyValue& kv, double min, double max) {
    throw FormatError(
        Fmt(Tr("Aufgabe", "%1 erwartet eine Zahl von %2 bis %3 (mit Dezimalpunkt), nicht \xE2\x80\x9E%4\xE2\x80\x9C."),
            {kv.Key, NumberText(min), NumberText(max), kv.Value}),
        kv.Line);
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8Length(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string NumberText(double v) {
    // printf's "%.6g" in the C locale: the locale's radix would stand in English too.
    // A whole number of up to 15 digits in full: 1000000, never 1e+06.
    std::string s = std::fabs(v) < 1.0e15 && v == std::floor(v) ? fuzzy::FixedText(v, 0) : fuzzy::GeneralText(v, 6);
    if (fuzzy::DecimalSign() == ',') std::replace(s.begin(), s.end(), '.', ',');
    // A minus sign, not a hyphen, as the programs write it.
    if (!s.empty() && s.front() == '-') s.replace(0, 1, "\xE2\x88\x92");
    return s;
}

std::vector<Section> SplitSections(std::string_view bytes) {
    if (bytes.size() > MaxFileBytes)
        throw FormatError(Fmt(Tr("Aufgabe",
                                 "Die Datei ist gr\xC3\xB6\xC3\x9F"
                                 "er als %1 KiB."),
                              {std::to_string(MaxFileBytes / 1024)}));
    // A byte order mark at the start is no part of the text.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::vector<Section> sections;
    int number = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view text = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        ++number;
        if (static_cast<std::size_t>(number) > MaxLines)
            throw FormatError(Fmt(Tr("Aufgabe", "Die Datei hat mehr als %1 Zeilen."), {std::to_string(MaxLines)}),
                              number);
        CheckLine(text, number);
        if (const auto name = Header(text)) {
            if (name->empty() || name->size() > 40 || !std::all_of(name->begin(), name->end(), [](char c) {
                    return IsNameChar(c) || c == '-' || (c >= 'A' && c <= 'Z');
                }))
                throw FormatError(Fmt(Tr("Aufgabe", "\xE2\x80\x9E%1\xE2\x80\x9C ist kein Abschnittsname."), {*name}),
                                  number);
            sections.push_back(Section{number, *name, {}});
            continue;
        }
        if (sections.empty()) {
            const std::string_view t = Trim(text);
            if (t.empty() || IsComment(t)) continue;
            throw FormatError(Tr("Aufgabe", "Vor dem ersten Abschnitt (etwa [aufgabe]) steht nur Kommentar."), number);
        }
        sections.back().Lines.push_back(TextLine{number, std::string(text)});
    }
    return sections;
}

std::vector<KeyValue> KeyValues(const Section& s) {
    std::vector<KeyValue> out;
    for (const TextLine& l : s.Lines) {
        const std::string_view t = Trim(l.Text);
        if (t.empty() || IsComment(t)) continue;
        const std::size_t eq = t.find('=');
        if (eq == std::string_view::npos)
            throw FormatError(Fmt(Tr("Aufgabe",
                                     "In [%1] steht \xE2\x80\x9E"
                                     "Schl\xC3\xBC"
                                     "ssel = Wert\xE2\x80\x9C je Zeile."),
                                  {s.Name}),
                              l.Number);
        const std::string key(Trim(t.substr(0, eq)));
        if (key.empty() || key.size() > 60 || !std::all_of(key.begin(), key.end(), IsNameChar))
            throw FormatError(Fmt(Tr("Aufgabe",
                                     "\xE2\x80\x9E%1\xE2\x80\x9C ist kein Schl\xC3\xBC"
                                     "ssel (Kleinbuchstaben, Ziffern, Punkt, Unterstrich)."),
                                  {key}),
                              l.Number);
        for (const KeyValue& kv : out)
            if (kv.Key == key)
                throw FormatError(Fmt(Tr("Aufgabe", "%1 steht schon in Zeile %2."), {key, std::to_string(kv.Line)}),
                                  l.Number);
        out.push_back(KeyValue{l.Number, key, std::string(Trim(t.substr(eq + 1)))});
    }
    return out;
}

std::string TextOf(const Section& s, std::size_t maxBytes) {
    std::size_t first = 0, last = s.Lines.size();
    while (first < last && Trim(s.Lines[first].Text).empty()) ++first;
    while (last > first && Trim(s.Lines[last - 1].Text).empty()) --last;
    std::string text;
    for (std::size_t i = first; i < last; ++i) {
        if (i > first) text += '\n';
        text += s.Lines[i].Text;
        if (text.size() > maxBytes)
            throw FormatError(Fmt(Tr("Aufgabe", "Der Text in [%1] ist l\xC3\xA4nger als %2 Bytes."),
                                  {s.Name, std::to_string(maxBytes)}),
                              s.Lines[i].Number);
    }
    return text;
}

std::optional<double> DecimalValue(std::string_view text, double min, double max, bool allowComma) {
    std::string t(text);
    if (allowComma && t.find(',') != std::string::npos && t.find('.') == std::string::npos)
        std::replace(t.begin(), t.end(), ',', '.');
    const auto v = ParseDecimal(t);
    if (!v || *v < min || *v > max) return std::nullopt;
    return v;
}

double NumberValue(const KeyValue& kv, double min, double max, bool allowComma) {
    const auto v = DecimalValue(kv.Value, min, max, allowComma);
    if (!v) NotANumber(kv, min, max);
    return *v;
}

int IntegerValue(const KeyValue& kv, int min, int max) {
    const std::string& t = kv.Value;
    const bool digits = !t.empty() && t.size() <= 9 &&
                        std::all_of(t.begin() + (t[0] == '-' && t.size() > 1 ? 1 : 0), t.end(),
                                    [](char c) { return c >= '0' && c <= '9'; });
    const long v = digits ? std::stol(t) : 0;
    if (!digits || v < min || v > max)
        throw FormatError(
            Fmt(Tr("Aufgabe", "%1 erwartet eine ganze Zahl von %2 bis %3, nicht \xE2\x80\x9E%4\xE2\x80\x9C."),
                {kv.Key, std::to_string(min), std::to_string(max), kv.Value}),
            kv.Line);
    return static_cast<int>(v);
}

std::vector<double> NumberList(const KeyValue& kv, double min, double max, std::size_t maxCount) {
    std::vector<double> out;
    std::size_t pos = 0;
    const std::string& t = kv.Value;
    while (true) {
        const std::size_t comma = t.find(',', pos);
        const std::string_view item =
            Trim(std::string_view(t).substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        const auto v = ParseDecimal(item);
        if (!v || *v < min || *v > max)
            throw FormatError(Fmt(Tr("Aufgabe",
                                     "%1 erwartet Zahlen von %2 bis %3, durch Kommas getrennt (mit Dezimalpunkt), "
                                     "nicht \xE2\x80\x9E%4\xE2\x80\x9C."),
                                  {kv.Key, NumberText(min), NumberText(max), std::string(item)}),
                              kv.Line);
        out.push_back(*v);
        if (out.size() > maxCount)
            throw FormatError(Fmt(Tr("Aufgabe",
                                     "%1 nimmt h\xC3\xB6"
                                     "chstens %2 Zahlen."),
                                  {kv.Key, std::to_string(maxCount)}),
                              kv.Line);
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return out;
}

bool YesNo(const KeyValue& kv) {
    if (kv.Value == "ja" || kv.Value == "yes") return true;
    if (kv.Value == "nein" || kv.Value == "no") return false;
    throw FormatError(
        Fmt(Tr("Aufgabe", "%1 erwartet ja oder nein, nicht \xE2\x80\x9E%2\xE2\x80\x9C."), {kv.Key, kv.Value}), kv.Line);
}

std::vector<std::string> WordList(const KeyValue& kv, const std::vector<std::string>& allowed) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    const std::string& t = kv.Value;
    std::string all;
    for (const std::string& a : allowed) all += (all.empty() ? "" : ", ") + a;
    while (true) {
        const std::size_t comma = t.find(',', pos);
        const std::string item(
            Trim(std::string_view(t).substr(pos, comma == std::string::npos ? std::string::npos : comma - pos)));
        if (std::find(allowed.begin(), allowed.end(), item) == allowed.end())
            throw FormatError(Fmt(Tr("Aufgabe", "%1 kennt \xE2\x80\x9E%2\xE2\x80\x9C nicht (m\xC3\xB6glich: %3)."),
                                  {kv.Key, item, all}),
                              kv.Line);
        if (std::find(out.begin(), out.end(), item) == out.end()) out.push_back(item);
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return out;
}

}  // namespace exercise
