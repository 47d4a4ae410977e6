#pragma once
// A whole number of a request, range-checked before it becomes an int: a
// number beyond int (2^32 + 1, -2^63) is refused, never cut to its low bits.

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>

namespace webengine {

// v as an int when it is a whole number (no fraction, no text) from lo to hi.
inline std::optional<int> WholeIn(const nlohmann::json& v, int lo, int hi) {
    if (v.is_number_unsigned()) {
        const std::uint64_t u = v.get<std::uint64_t>();
        if (hi < 0 || u > static_cast<std::uint64_t>(hi) || static_cast<std::int64_t>(u) < lo) return std::nullopt;
        return static_cast<int>(u);
    }
    if (v.is_number_integer()) {
        const std::int64_t s = v.get<std::int64_t>();
        if (s < lo || s > hi) return std::nullopt;
        return static_cast<int>(s);
    }
    return std::nullopt;
}

}  // namespace webengine
