// The canvas's behaviour without its window: the mouse-down and mouse-move
// dispatchers over ToolMode, the Esc and arrow keys, the flashing of the rubber
// bands, and the fields the tools share (StartX, LastX, CircleRadius...).
// The canvas window feeds it events in twips; tests feed it directly.
// It draws only through the document's surfaces and never touches a widget.
#pragma once

#include "canvas/overlays.h"
#include "document/session.h"
#include "surface/listeners.h"

#include <functional>

namespace quill {

// Mouse buttons and key codes as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;

struct MouseEvent {
    int Index = 0; // layer under the pointer
    int Button = 0;
    int Shift = 0;
    double X = 0; // twips within that layer
    double Y = 0;
};

class CanvasController;

// One tool's mouse actions; either may be empty.
struct ToolHandlers {
    std::function<void(CanvasController &, const MouseEvent &)> mouseDown;
    std::function<void(CanvasController &, const MouseEvent &)> mouseMove;
};

// The tools by code; codes without a tool (yet) have empty handlers.
const ToolHandlers &toolHandlers(int toolMode);

class CanvasController {
public:
    explicit CanvasController(Session &session) : session(session) {}

    void mouseDown(const MouseEvent &event);
    void mouseMove(const MouseEvent &event);
    void keyDown(int index, int keyCode, int shift);
    // Gives every visible flashing band a fresh random colour.
    void RandomFlash();

    // The colour a button draws in: left colour for 1, right colour for 2.
    Colour buttonColour(int button) const;

    Session &session;
    CanvasOverlays overlays;

    double StartX = 0;
    double StartY = 0;
    double LastX = 0;
    std::int32_t LastY = 0;
    std::int32_t CircleRadius = 0;

    // Tells the window the overlays changed (repaint them, start or stop flashing).
    std::function<void()> onOverlaysChanged;
    // Tells the pointer position (twips) to the zoom window while no point is fixed.
    Listeners<double, double> zoomPointMoved;

    // The text preview takes the colour just picked from the palette.
    void showTextColour(Colour colour)
    {
        overlays.Label1.ForeColor = colour;
        overlaysChanged();
    }

    void overlaysChanged()
    {
        if (onOverlaysChanged)
            onOverlaysChanged();
    }

private:
    void prepareLayers();
    // The event moved onto the picture: a copy shows the picture where the
    // lattice puts it, so a press there lands on the point it shows. A drag
    // keeps its press's offset, so a stroke stays continuous past the copy's
    // edges (and wraps, or leaves the picture, like a stroke from the centre).
    MouseEvent onPicture(const MouseEvent &event, bool pressed);

    int pressIndex_ = -1;
    QPoint pressOffset_; // pixels added to the press tile's points
};

} // namespace quill
