#include "backgrounds/colour_step.h"

#include "surface/numeric_rules.h"

namespace quill {

namespace {

int stepChannel(int c, int t, double height)
{
    // Two separate tests: the second sees the value the first produced.
    // A result outside 16 bits is not stored (only a height far below a pixel could do that).
    if (t < c)
        if (const auto v = toInt16(c - (c - t) / height))
            c = *v;
    if (t >= c)
        if (const auto v = toInt16(c + (t - c) / height))
            c = *v;
    return c;
}

int clampComponent(int c) { return c > 255 ? 255 : (c < 0 ? 0 : c); }

} // namespace

GradientColour::GradientColour(Colour from, Colour to)
{
    const SplitComponents start = splitComponents(from);
    red_ = start.red;
    green_ = start.green;
    blue_ = start.blue;
    target_ = splitComponents(to);
}

void GradientColour::ColourStep(double height)
{
    red_ = stepChannel(red_, target_.red, height);
    green_ = stepChannel(green_, target_.green, height);
    blue_ = stepChannel(blue_, target_.blue, height);
    red_ = clampComponent(red_);
    green_ = clampComponent(green_);
    blue_ = clampComponent(blue_);
}

} // namespace quill
