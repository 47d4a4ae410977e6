#pragma once
// The lines of an exercise or answers file, cut into sections: what both
// readers share. A section starts with a line "[name]"; a key section holds
// "key = value" lines, blank lines and comments (# or ;); a text section
// keeps its lines as they are. Every line is checked before anything else
// reads it: valid UTF-8, no control characters but the tab, bounded length.

#include "fuzzy/Errors.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exercise {

// What does not fit the format, with the line it concerns.
class FormatError : public fuzzy::Error {
public:
    explicit FormatError(const std::string& message, int line = 0) : fuzzy::Error(message, line) {}
};

// Bounds of a file read by hand: larger files are refused unread.
constexpr std::size_t MaxFileBytes = 256 * 1024;
constexpr std::size_t MaxLineBytes = 2000;
constexpr std::size_t MaxLines = 10000;
// The largest magnitude of a point's input or of an answer.
constexpr double MaxMagnitude = 1.0e6;

struct TextLine {
    int Number = 0;    // from 1
    std::string Text;  // without the line end
};

struct KeyValue {
    int Line = 0;
    std::string Key;    // lower case letters, digits, '.', '_'
    std::string Value;  // blanks around it removed
};

struct Section {
    int Line = 0;  // of the "[name]" line
    std::string Name;
    std::vector<TextLine> Lines;  // the lines up to the next section
};

// Splits the text into sections. Lines before the first section may only be
// blank or comments. Throws FormatError with the line.
std::vector<Section> SplitSections(std::string_view bytes);

// The key lines of a section: blank lines and comments skipped, every other
// line "key = value"; a key given twice is refused.
std::vector<KeyValue> KeyValues(const Section& s);

// The lines of a text section joined with "\n", blank lines at either end
// dropped; at most maxBytes.
std::string TextOf(const Section& s, std::size_t maxBytes);

// Numbers as written in these files: a decimal number with a point
// ("-0.5", "2", "1e-3"), nothing but blanks around it; allowComma also takes
// a decimal comma ("0,5"). Each is checked against its range [min, max] by
// the caller's line; these throw FormatError naming the key and the range.
double NumberValue(const KeyValue& kv, double min, double max, bool allowComma = false);
// The same reading without a line to blame: nullopt for what NumberValue refuses.
std::optional<double> DecimalValue(std::string_view text, double min, double max, bool allowComma = false);
int IntegerValue(const KeyValue& kv, int min, int max);
// A comma-separated list of numbers with a point, 1 to maxCount of them.
std::vector<double> NumberList(const KeyValue& kv, double min, double max, std::size_t maxCount);
// "ja" / "nein" (also "yes" / "no").
bool YesNo(const KeyValue& kv);
// A comma-separated list of words, each one of `allowed`.
std::vector<std::string> WordList(const KeyValue& kv, const std::vector<std::string>& allowed);

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view s);

// The German number text of the active language's decimal sign, for messages.
std::string NumberText(double v);

}  // namespace exercise
