#pragma once
// SHA-256 (FIPS 180-4) of a byte string: the fingerprint of an exercise in a
// hand-in and the draw of a student's numbers from their name. The Qt-free
// layers and the browser's engine need the same digest; no library that
// every one of them links has it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace exercise {

std::array<std::uint8_t, 32> Sha256(std::string_view bytes);
// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace exercise
