// The canvas view's magnifications and the rectangle its overlays cover, so
// the canvas window can step through scales and repaint only what a band or a
// marker touched. Pure values: no widget, no drawing.
#pragma once

#include "canvas/overlays.h"

#include <QRect>

#include <array>

namespace quill {

// Screen pixels per picture pixel, smallest first; the view starts at 1.
inline constexpr std::array<int, 6> kCanvasScales{1, 2, 3, 4, 6, 8};

// The next scale up or down from the current one, held at the ends. A scale
// that is not in the list steps to its nearest neighbour in that direction.
int largerCanvasScale(int scale);
int smallerCanvasScale(int scale);

// Picture pixels the visible overlays paint on, with a pixel to spare around
// lines and the text's whole line box; empty when none is visible.
QRect overlayPixelBounds(const CanvasOverlays &overlays);

} // namespace quill
