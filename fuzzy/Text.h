#pragma once

#include <string>
#include <string_view>

namespace fuzzy::text {

// Windows-1252 bytes to UTF-8. Bytes that code page leaves unassigned map to
// the C1 control of the same value, so nothing is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to code points; an invalid byte becomes U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view cps);

// UTF-8 to Windows-1252 bytes, the inverse of Cp1252ToUtf8. Returns false
// when a character has no byte in that code page (or the text is not valid
// UTF-8); `bad` then holds that character (U+FFFD for invalid UTF-8).
bool Utf8ToCp1252(std::string_view utf8, std::string& out, char32_t& bad);

}  // namespace fuzzy::text
