#pragma once

#include <cstdint>

namespace fuzzy {

// A plain RGB colour; the engine names colours without knowing any toolkit.
struct TColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(TColor lhs, TColor rhs) {
        return lhs.r == rhs.r && lhs.g == rhs.g && lhs.b == rhs.b;
    }
    friend constexpr bool operator!=(TColor lhs, TColor rhs) { return !(lhs == rhs); }
};

namespace colours {
constexpr TColor Black{0, 0, 0};
constexpr TColor White{255, 255, 255};
constexpr TColor Blue{0, 0, 255};
constexpr TColor Red{255, 0, 0};
constexpr TColor Aqua{0, 255, 255};
constexpr TColor Green{0, 128, 0};
constexpr TColor Lime{0, 255, 0};
constexpr TColor Purple{128, 0, 128};
constexpr TColor Olive{128, 128, 0};
constexpr TColor Teal{0, 128, 128};
constexpr TColor Maroon{128, 0, 0};
constexpr TColor Yellow{255, 255, 0};
constexpr TColor Grey{128, 128, 128};
}  // namespace colours

}  // namespace fuzzy
