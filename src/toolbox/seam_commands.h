// The seam commands over the session: wrap at edges, offset by half (and
// back), make seamless, even out lighting, and the seam score's label.
// Called by the main frame's toolbar and by quillmar-batch, so both run the
// same steps; the pixel work lives in seam_tools and broad_light. No widgets.
#pragma once

#include "document/session.h"
#include "toolbox/seam_tools.h"

namespace quill {

struct SeamState {
    bool wrapAtEdges = false;
    bool shiftedByHalf = false; // the next "Offset by half" shifts back
    bool dimCopies = false;
};

// Turns wrapping on or off for every layer.
void setWrapAtEdges(Session &session, SeamState &seam, bool on);
// Shifts the picture by half its size over its lattice, or back; takes a snapshot.
void offsetByHalf(Session &session, SeamState &seam);
// Repairs both seams of the picture; takes a snapshot.
void makeSeamlessCommand(Session &session);
// Evens out the picture's broad light; takes a snapshot.
void evenLightingCommand(Session &session);

// "Seam 1.03 seamless" and the colour band it falls in.
enum class SeamGrade { Good, Fair, Poor };
SeamGrade seamGrade(double score);
// The score in words: smoothed, seamless, faint seam or visible seam.
QString seamWords(double score);
QString seamLabel(double score);

} // namespace quill
