// The single-hue conversions: every pixel's grey level written into one, two or
// all three channels ("Convert image purple" ... "blue"). The merges with a
// tinted second image use the same hues. Called by the toolbox buttons and the
// batch front end through the operation table; reads only the document.
#pragma once

#include "document/session.h"

#include <QRgb>

#include <vector>

namespace quill {

struct Operation;

enum class Hue { Purple, Grey, Yellow, Green, Red, Blue };

// The colour a grey level g becomes under a hue: g in the hue's channels, 0 elsewhere.
constexpr Colour hueColour(Hue hue, int g)
{
    switch (hue) {
    case Hue::Purple:
        return rgb(g, 0, g);
    case Hue::Grey:
        return rgb(g, g, g);
    case Hue::Yellow:
        return rgb(g, g, 0);
    case Hue::Green:
        return rgb(0, g, 0);
    case Hue::Red:
        return rgb(g, 0, 0);
    case Hue::Blue:
        return rgb(0, 0, g);
    }
    return kBlack;
}

// The same as a factor on a stored pixel (0xffRRGGBB): g * factor sets the hue's channels.
constexpr QRgb hueFactor(Hue hue)
{
    switch (hue) {
    case Hue::Purple:
        return 0x010001u;
    case Hue::Grey:
        return 0x010101u;
    case Hue::Yellow:
        return 0x010100u;
    case Hue::Green:
        return 0x000100u;
    case Hue::Red:
        return 0x010000u;
    case Hue::Blue:
        return 0x000001u;
    }
    return 0;
}

// GreyLevel of a stored pixel, as the high half of a 16-bit multiply: exact
// for channel sums up to 765, and what the vector loops compute too.
constexpr QRgb greyOfPixel(QRgb p)
{
    const QRgb sum = ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255);
    return ((sum + 1) * 21846u) >> 16;
}

// The six buttons of a hue family (conversions, tinted merges): one row each.
struct HueButton {
    const char *name;
    const char *alias;
    const char *summary;
    Hue hue;
};
void appendHueButtons(std::vector<Operation> &operations, const std::vector<HueButton> &rows,
                      void (*run)(Session &, Hue));

// One click of a conversion button: snapshot, then layer 0 converted into the
// work layer, then all nine layers show it.
void convertImage(Session &session, Hue hue);

void appendColourConversions(std::vector<Operation> &operations);

} // namespace quill
