// Backgrounds without a gradient: the whole picture in the background colour,
// a foreground ground with a chosen number of background-colour points (asked
// in an input box), and 1000 foreground points sprinkled over the picture.
// Positions come from the session's random source so a seed repeats a field.
#pragma once

#include "document/operation.h"
#include "document/random_source.h"
#include "surface/surface.h"

#include <QString>

#include <vector>

namespace quill {

// One oversized point (8000 pixels across) at (1, 1) in the layer's current
// units; pictures reaching further than 4000 pixels from it keep the rest.
void fillWithBackground(Surface &layer, Colour back);

// The ground of a point field: one point 5000 pixels across at pixel (1, 1).
void paintPointGround(Surface &work, Colour fore);
// n + 1 one-pixel points (none when n is negative) at random places.
void scatterPoints(Surface &work, Colour back, int n, RandomSource &random);
// The point count typed in the box: its leading number, rounded; 0 when it
// does not fit in 16 bits (and for Cancel, empty or non-numeric text).
int pointCountFromAnswer(const QString &answer);

// 1000 one-pixel points in points units, x drawn before y.
void sprinklePoints(Surface &layer, Colour fore, RandomSource &random);

inline constexpr int kSprinkledPoints = 1000;

void appendFillAndPointOperations(std::vector<Operation> &operations);

} // namespace quill
