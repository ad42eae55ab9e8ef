// The toolbox's colour choosing: the palette box Picture1 with its two palette
// images, the preview swatch Picture4, the swap holder Picture6 and the colour
// dialog's remembered colour. The two current colours themselves live only in
// the state (LeftColour, RightColour). Core: no widget; the window forwards clicks.
#pragma once

#include "document/session.h"
#include "surface/surface.h"

#include <QRect>

#include <optional>

namespace quill {

// The palette box and where its two images lie in it, pixels.
inline constexpr int kPaletteWidth = 57;
inline constexpr int kPaletteHeight = 113;
inline constexpr QRect kPaletteImage1{0, 0, kPaletteWidth, 56};
inline constexpr QRect kPaletteImage2{0, 56, kPaletteWidth, kPaletteHeight - 56};

// Hue and lightness on top, greys and plain colours below.
QImage drawPalette();

class ToolboxColours {
public:
    explicit ToolboxColours(Session &session);

    // Palette image 1 or 2 under the pointer, mouse down and move alike. X and Y
    // are relative to that image. Returns the new foreground colour when the left
    // button picked one (the canvas's text preview takes it too).
    std::optional<Colour> paletteMouse(int image, int button, double x, double y);
    // A click on the foreground (Picture2) or background (Picture3) swatch: the
    // colour dialog opens at the swatch's colour; OK sets it, Cancel keeps it.
    void chooseSwatchColour(bool foreground);
    // Picture5: swaps the foreground and background through the holder Picture6.
    void swap();

    Surface Picture1;                         // the palette box
    Colour holderColour = rgb(224, 224, 224); // Picture6

private:
    Session &session_;
};

} // namespace quill
