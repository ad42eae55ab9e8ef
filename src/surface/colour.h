// Colours as the program stores them: one integer red + 256 * green + 65536 * blue,
// components 0..255, -1 for "no colour" (a read beyond a picture).
// Used everywhere a colour crosses from the state into pixels and back.
// Conversions only; no rule about what a colour means lives here.
#pragma once

#include <QRgb>
#include <cstdint>

namespace quill {

using Colour = std::int32_t;

inline constexpr Colour kInvalidColour = -1;
inline constexpr Colour kWhite = 16777215;
inline constexpr Colour kBlack = 0;

// Composition caps a component above 255 at 255 (and below 0 at 0).
constexpr Colour rgb(int red, int green, int blue)
{
    auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

constexpr int redOf(Colour c) { return c & 255; }
constexpr int greenOf(Colour c) { return (c >> 8) & 255; }
constexpr int blueOf(Colour c) { return (c >> 16) & 255; }

// Pixel storage is QImage::Format_RGB32 (0xffRRGGBB).
constexpr QRgb toQRgb(Colour c)
{
    return 0xff000000u | (static_cast<QRgb>(redOf(c)) << 16) | (static_cast<QRgb>(greenOf(c)) << 8) |
           static_cast<QRgb>(blueOf(c));
}

constexpr Colour fromQRgb(QRgb p) { return static_cast<Colour>(((p >> 16) & 255) | (p & 0xff00) | ((p & 255) << 16)); }

// SplitColor's arithmetic: truncating division, remainder with the dividend's
// sign, negative partial quotients become 0, and no upper clamp on blue.
struct SplitComponents {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

constexpr SplitComponents splitComponents(std::int64_t c)
{
    std::int64_t blue = c / 65536;
    c = c % 65536;
    if (blue < 0)
        blue = 0;
    std::int64_t green = c / 256;
    c = c % 256;
    if (green < 0)
        green = 0;
    std::int64_t red = c;
    if (red < 0)
        red = 0;
    return {static_cast<std::int32_t>(red), static_cast<std::int32_t>(green), static_cast<std::int32_t>(blue)};
}

} // namespace quill
