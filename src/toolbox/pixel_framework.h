// What every whole-image operation shares: the snapshot that comes first, the
// pixel units and width-1 pen on the layers it touches, the two ways the
// result reaches all nine layers, and the shared colour arithmetic
// (MixColours, GreyLevel). Operations are plain functions over the session.
#pragma once

#include "shell/session.h"

#include <cstdint>

namespace quill {

// Which layers an operation works on.
enum class OperationLayers {
    InPlace,  // reads and writes layer 0, then copies it to layers 1..8
    TwoLayer, // reads layer 0, writes the work layer 1, then syncs from layer 1
};

// Steps before the pixels: the undo snapshot (when the operation takes one),
// then pixel units and a width-1 pen on layer 0 (and 1 for two-layer operations).
void beginOperation(Session &session, bool takeSnapshot, OperationLayers layers);
// After the last pixel: brings all nine layers to the result.
void endOperation(Session &session, OperationLayers layers);

// Per-channel mean of two colours, rounded down: (a * 50 + b * 50) \ 100.
constexpr Colour MixColours(Colour a, Colour b)
{
    auto mix = [](std::int64_t x, std::int64_t y) { return static_cast<int>((x * 50 + y * 50) / 100); };
    const std::int64_t ar = a & 255, ag = (a / 256) & 255, ab = (a / 65536) & 255;
    const std::int64_t br = b & 255, bg = (b / 256) & 255, bb = (b / 65536) & 255;
    return mix(ar, br) + 256 * mix(ag, bg) + 65536 * mix(ab, bb);
}

// (red + green + blue) / 3 rounded to nearest (the fraction is never one half).
constexpr int GreyLevel(int red, int green, int blue) { return (red + green + blue + 1) / 3; }

} // namespace quill
