// Mirroring and turning the document: the three blits (mirror left-right,
// mirror top-bottom, half turn) and the two quarter turns drawn point by point
// with a two-pixel pen. Called by the "Rotation" buttons of the toolbox and the
// batch front end. The canvas keeps its size: a turn of a non-square picture is
// clipped, and what it does not cover keeps the previous picture.
#pragma once

#include "document/session.h"

#include <optional>
#include <vector>

namespace quill {

struct Operation;

enum class Flip { MirrorLeftRight, MirrorTopBottom, HalfTurn };
enum class QuarterTurn { CounterClockwise, Clockwise };

// One click of a blit button: snapshot, the whole picture mirrored into the work
// layer, then the nine layers.
void flipImage(Session &session, Flip flip);
// One click of a quarter-turn button: snapshot, the turn drawn into the work
// layer, then the nine layers. While the picture wraps, column 0 takes the
// column the one-pixel shift pushes off the right edge.
void turnImage(Session &session, QuarterTurn turn);

// Where pixel (x, y) of the work layer takes its colour from after a quarter
// turn of a width x height picture: the source pixel of the last two-pixel dot
// that covers it, or nothing when no dot does (it keeps its colour).
std::optional<QPoint> quarterTurnSource(QuarterTurn turn, int width, int height, int x, int y);

void appendMirrorRotate(std::vector<Operation> &operations);

} // namespace quill
