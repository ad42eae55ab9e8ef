// The gradient colour of the background generators: it starts at the
// foreground colour and, after every band, line or figure, moves a fraction
// 1/H of the remaining distance towards the background colour (ColourStep).
// Also the 16-bit variable rule the generators' counters follow. Pure arithmetic.
#pragma once

#include "surface/colour.h"

#include <cstdint>

namespace quill {

// Storing into a 16-bit variable: a value that does not fit is not stored and
// the variable keeps what it held.
inline void assign16(int &variable, std::int64_t value)
{
    if (value >= -32768 && value <= 32767)
        variable = static_cast<int>(value);
}

class GradientColour {
public:
    GradientColour(Colour from, Colour to);

    Colour current() const { return rgb(red_, green_, blue_); }
    int red() const { return red_; }
    int green() const { return green_; }
    int blue() const { return blue_; }

    // One step towards the target; the step is (target - current) / height,
    // rounded half to even, so a channel stalls once the remaining distance
    // is below about height / 2.
    void ColourStep(double height);

private:
    int red_, green_, blue_;
    SplitComponents target_;
};

} // namespace quill
