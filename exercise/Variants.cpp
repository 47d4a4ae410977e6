#include "exercise/Variants.h"

#include "exercise/Sha256.h"

#include <array>
#include <cstdint>

namespace exercise {

std::string NormalName(std::string_view name) {
    std::string out;
    bool blank = false;
    for (const char c : name) {
        if (c == ' ' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

namespace {

// The index into `count` values that the digest's bytes from `at` choose.
std::size_t Draw(const std::array<std::uint8_t, 32>& digest, std::size_t at, std::size_t count) {
    std::uint64_t v = 0;
    for (std::size_t k = 0; k < 8; ++k) v = v << 8 | digest[at + k];
    return static_cast<std::size_t>(v % count);
}

}  // namespace

Exercise ForStudent(const Exercise& e, std::string_view name) {
    const std::string who = NormalName(name);
    if (who.empty()) return e;
    Exercise out = e;
    for (HandCheck& h : out.Hand) {
        if (!h.ByName()) continue;
        // The point's name too: two points of one exercise draw apart.
        const auto digest = Sha256("fuzzy-variante\n" + who + "\n" + h.Point);
        if (!h.AChoices.empty()) h.A = h.AChoices[Draw(digest, 0, h.AChoices.size())];
        if (!h.BChoices.empty()) h.B = h.BChoices[Draw(digest, 8, h.BChoices.size())];
        h.FromName = true;
    }
    return out;
}

}  // namespace exercise
