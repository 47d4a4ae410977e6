#include "exercise/TaskText.h"

#include <cctype>
#include <string_view>

namespace exercise {
namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
    return s;
}

// "1. ", "12) ", a bullet and a blank, or a label of letters and digits
// ending in a digit and a colon ("P1: ").
bool StartsItem(std::string_view line) {
    const std::string_view s = Trimmed(line);
    auto blankAt = [&s](std::size_t i) { return i < s.size() && Blank(s[i]); };
    for (const std::string_view bullet : {"-", "*", "\u2022", "\u2013"})
        if (s.substr(0, bullet.size()) == bullet && blankAt(bullet.size())) return true;
    std::size_t i = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    if (i > 0) return i < s.size() && (s[i] == '.' || s[i] == ')') && blankAt(i + 1);
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) ++i;
    if (i == 0) return false;
    const std::size_t letters = i;
    while (i < s.size() && std::isalnum(static_cast<unsigned char>(s[i]))) ++i;
    return i > letters && std::isdigit(static_cast<unsigned char>(s[i - 1])) && i < s.size() && s[i] == ':' &&
           blankAt(i + 1);
}

}  // namespace

std::vector<TaskParagraph> TaskParagraphs(const std::string& text) {
    std::vector<TaskParagraph> out;
    bool open = false;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + from, end - from);
        while (!line.empty() && Blank(line.back())) line.remove_suffix(1);
        if (Trimmed(line).empty()) {
            open = false;
        } else if (!open) {
            out.push_back({std::string(line)});
            open = true;
        } else if (StartsItem(line)) {
            out.back().emplace_back(line);
        } else {
            out.back().back().append(" ").append(Trimmed(line));
        }
        from = end + 1;
    }
    return out;
}

}  // namespace exercise
