#include "canvas/pick_tools.h"

#include "surface/numeric_rules.h"

namespace quill {

namespace {

// A swatch refuses "no colour" (a read beyond the picture) and keeps its own.
void takeColour(Colour &swatch, Colour picked)
{
    if (picked != kInvalidColour)
        swatch = picked;
}

void pickForButton(AppState &s, int button, Colour picked)
{
    if (button == kLeftButton)
        takeColour(s.LeftColour, picked);
    else if (button == kRightButton)
        takeColour(s.RightColour, picked);
}

} // namespace

void getColourMouseDown(CanvasController &canvas, const MouseEvent &event)
{
    const Colour picked = canvas.session.document.picture().Point(event.X, event.Y);
    pickForButton(canvas.session.state, event.Button, picked);
}

void getColourMouseMove(CanvasController &canvas, const MouseEvent &event)
{
    AppState &s = canvas.session.state;
    const Colour picked = canvas.session.document.picture().Point(event.X, event.Y);
    takeColour(s.HoverColour, picked);
    // Dragging with a button held keeps picking.
    pickForButton(s, event.Button, picked);
}

void zoomMouseDown(CanvasController &canvas, const MouseEvent &event)
{
    AppState &s = canvas.session.state;
    OverlayShape &marker = canvas.overlays.Shape4;
    if (event.Button == kLeftButton) {
        s.ClickStage = 1;
        s.ZoomPointSet = true;
        s.ZoomPointX = static_cast<float>(event.X);
        s.ZoomPointY = toInt16(event.Y).value_or(s.ZoomPointY);
        marker.Visible = true;
        marker.Top = event.Y - 10;
        marker.Left = event.X - 10;
        marker.Width = 20;
        marker.Height = 20;
        canvas.overlaysChanged();
    } else if (event.Button == kRightButton) {
        s.ClickStage = 0;
        s.ZoomPointSet = false;
        marker.Visible = false;
        canvas.overlaysChanged();
    }
}

} // namespace quill
