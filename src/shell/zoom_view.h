// What the zoom window does, without the window: the magnified 20 x 20
// neighbourhood of a point (wrapping around the picture's edges as the tiles
// do), moving the fixed zoom point a pixel at a time and painting it.
// Called by the zoom window; tests call it directly. Never touches a widget.
#pragma once

#include "document/session.h"

#include <array>

namespace quill {

// Samples per side of the magnified view, and the view's own surface size.
inline constexpr int kZoomSamples = 20;
inline constexpr int kZoomDotSpacingTwips = 100;
inline constexpr int kZoomDotWidth = 5;
inline constexpr int kZoomViewTwips = 2100;
inline constexpr int kZoomDirections = 8;

// The picture pixel shown at row i, column j (1..20) for a point in twips;
// (10, 10) is the point itself.
QPoint zoomSamplePixel(const Surface &picture, double xTwips, double yTwips, int i, int j);
// Where row i, column j of the view is drawn, twips of the view.
inline double zoomDotTwips(int k) { return kZoomDotSpacingTwips * k + 1; }

// Redraws the view: one dot of width 5 per sample, in the picture's colour there.
void drawZoomView(Surface &view, Surface &picture, double xTwips, double yTwips);

// Arrow button z(index), 0..7: moves the fixed point one pixel, wrapping
// around the picture. Does nothing unless a point is fixed.
bool moveZoomPoint(AppState &state, const Surface &picture, int index);

// The paint button: paints the fixed point in the left colour with the Zoom
// tool's width and brings the tiles up to date. No undo snapshot.
bool paintZoomPoint(Session &session);

// The pixel the paint button paints.
QPoint zoomPaintPixel(const AppState &state);

} // namespace quill
