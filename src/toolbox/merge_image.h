// Merging a second image into the document: loading it into the merge box
// ("Open image to merge"), the 50/50 blend and the pixel interleave ("Merge
// images into eachother"). The merges read the merge box at the document
// pixel's own position; beyond the box the blend sees black and the interleave
// writes nothing. Called by the merge panel's buttons and the batch front end.
#pragma once

#include "document/session.h"

#include <QRgb>

#include <vector>

namespace quill {

struct Operation;

// The Open dialog's one filter entry, shared with the main frame's Open.
inline const QString kOpenPictureFilter =
    QStringLiteral("Picture Files(*.bmp,*.gif,*.jpg,*.png)|*.jpg; *.gif; *.bmp; *.png;");

// Asks for a file and loads it as the merge image. A cancelled dialog loads the
// last chosen file again (none chosen yet: the merge image is emptied); an
// unreadable file keeps the previous merge image. The canvas then ignores one
// mouse event, so the release over the dialog does not draw.
void openMergeImage(Session &session);
// Loads a named file as the merge image (and the file the dialog offers next).
// False, keeping the previous merge image, when it cannot be read.
bool loadMergeImage(Session &session, const QString &fileName);
// Snapshot, then (with a merge image) the work layer := MixColours(document, merge image).
void blendMergeImage(Session &session);
// Snapshot, then (with a merge image) pixels alternately from the merge image and
// the document, starting with the merge image at the top left and counting
// W + 1 positions per row. Leaves ClickStage alone: the canvas's half-drawn
// shape is none of its business.
void interleaveMergeImage(Session &session);

// What the blend and the tinted merges share: the snapshot, nothing more without
// a merge image, then the work layer := the per-channel mean (rounded down) of
// each document pixel and tint(merge pixel at the same place). Beyond the merge
// box the merge image reads as black, and so does its tint: the document is halved.
void mergeWithBox(Session &session, QRgb (*tint)(QRgb mergePixel, QRgb factor), QRgb factor);

void appendMergeImage(std::vector<Operation> &operations);

} // namespace quill
