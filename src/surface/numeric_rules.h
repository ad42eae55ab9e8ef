// The arithmetic rules every operation shares: rounding, integer division,
// remainders, 16-bit overflow and reading a number out of typed text.
// Used by the surface, the tools, the filters and the generators.
// Kept free of any toolkit type so it can be tested on its own.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quill {

// Real-to-integer conversion: nearest, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline std::int64_t roundHalfEven(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

// "\": integer division truncating toward zero. b must not be 0.
inline std::int64_t intDiv(std::int64_t a, std::int64_t b) { return a / b; }

// Mod: the remainder takes the sign of the dividend (-7 Mod 3 = -1).
inline std::int64_t modDividendSign(std::int64_t a, std::int64_t b) { return a % b; }

// Division rounding toward minus infinity (-7 / 3 = -3), for grids and repeats
// that go on beyond the picture. b must not be 0.
template <typename Int> constexpr Int floorDiv(Int a, Int b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Storing a real into a 16-bit integer: rounds half to even, and fails (empty)
// where the rounded value does not fit in -32768..32767.
inline std::optional<std::int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

// 32-bit integers fail the same way.
inline std::optional<std::int32_t> toInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// The leading number of typed text: blanks, tabs and line feeds are ignored
// anywhere, then the longest prefix of the form [+-]digits[.digits][E[+-]digits]
// is read. "12abc" gives 12, "" and "abc" give 0, " 1 2" gives 12.
double leadingNumber(std::string_view text);

} // namespace quill
