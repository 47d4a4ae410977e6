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

}  // namespace fuzzy::text
