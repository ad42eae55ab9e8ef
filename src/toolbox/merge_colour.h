// The merges with a tinted second image: every document pixel becomes the
// 50/50 mean of itself and the merge-image pixel at the same position after a
// single-hue conversion of the latter ("Merge image blue" ... "green").
// Called by the merge panel's bottom row and the batch front end.
#pragma once

#include "toolbox/colour_conversion.h"

namespace quill {

// Snapshot, then (with a merge image) the work layer := MixColours(document, hue of
// the merge pixel's grey level); beyond the merge box the tint is black.
void mergeTinted(Session &session, Hue hue);

void appendMergeColours(std::vector<Operation> &operations);

} // namespace quill
