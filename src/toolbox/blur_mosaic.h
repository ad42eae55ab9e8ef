// Blur, mosaic, colour bands and the horizontal shrink; each click is one undo
// step. Called by the toolbox buttons and the batch front end through the operation table.
#pragma once

#include "document/session.h"

#include <vector>

namespace quill {

struct Operation;

// Snapshot, then the five-point blur of layer 0 into the work layer, one pixel
// for one pixel. Neighbours beyond an edge are black, or the opposite edge's
// pixels while the picture wraps.
void blurImage(Session &session);
// Snapshot, then an 8-pixel dot of layer 0's colour at every point of a 3-pixel
// grid; while the picture wraps, dots across an edge continue at the opposite
// edge and the mosaic repeats without a seam.
void mosaicImage(Session &session);
// Repeating colour bands between the foreground and background colours, about
// ten across the picture: rows for horizontal bands, columns for vertical ones.
void drawColourBands(Session &session, bool horizontal);
// Every three columns combined into one, written one row higher into the left third.
void shrinkImage(Session &session);

void appendBlurMosaic(std::vector<Operation> &operations);

} // namespace quill
