#pragma once
// Files in the engine's JSON: a file's bytes as the characters U+0000 ..
// U+00FF of the same numbers, which JSON carries as UTF-8 (a .fuz file is
// Windows-1252, an exercise UTF-8: neither need be valid JSON text as it is).

#include <optional>
#include <string>
#include <string_view>

namespace webengine {

std::string Latin1AsUtf8(std::string_view bytes);
// The bytes again; nothing for a character beyond U+00FF or text that is no UTF-8.
std::optional<std::string> Utf8AsLatin1(std::string_view text);

}  // namespace webengine
