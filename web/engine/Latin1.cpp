#include "web/engine/Latin1.h"

namespace webengine {

std::string Latin1AsUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | b >> 6);
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> Utf8AsLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        // Only the two-byte forms of U+0080 .. U+00FF.
        if ((b != 0xC2 && b != 0xC3) || i + 1 >= text.size()) return std::nullopt;
        const auto c = static_cast<unsigned char>(text[i + 1]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        out += static_cast<char>((b & 0x03) << 6 | (c & 0x3F));
        ++i;
    }
    return out;
}

}  // namespace webengine
