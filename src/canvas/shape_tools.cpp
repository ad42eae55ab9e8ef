#include "canvas/shape_tools.h"

#include "document/tool_codes.h"
#include "surface/numeric_rules.h"

namespace quill {

namespace {

bool leftOrRight(int button) { return button == kLeftButton || button == kRightButton; }

// Every shape takes two presses of the left or right button: the first keeps
// the point and waits; true means this press is the second and draws.
bool isSecondClick(CanvasController &canvas, const MouseEvent &event)
{
    if (!leftOrRight(event.Button))
        return false;
    AppState &state = canvas.session.state;
    if (state.ClickStage == 0) {
        canvas.StartX = event.X;
        canvas.StartY = event.Y;
        state.ClickStage = 1;
        return false;
    }
    return state.ClickStage == 1;
}

} // namespace

void lineDown(CanvasController &canvas, const MouseEvent &event)
{
    if (!isSecondClick(canvas, event))
        return;
    Session &s = canvas.session;
    canvas.overlays.Line1.Visible = false;
    canvas.overlaysChanged();
    const Colour colour = canvas.buttonColour(event.Button);
    s.document.forEachLayer(
        [&](Surface &layer) { layer.Line(event.X, event.Y, canvas.StartX, canvas.StartY, colour); });
    s.state.ClickStage = 0;
}

void lineMove(CanvasController &canvas, const MouseEvent &event)
{
    if (canvas.session.state.ClickStage != 1)
        return;
    OverlayLine &band = canvas.overlays.Line1;
    band.X1 = canvas.StartX;
    band.Y1 = canvas.StartY;
    band.X2 = event.X;
    band.Y2 = event.Y;
    band.Visible = true;
    canvas.overlaysChanged();
}

void rectangleDown(CanvasController &canvas, const MouseEvent &event)
{
    if (!isSecondClick(canvas, event))
        return;
    Session &s = canvas.session;
    canvas.overlays.Shape2.Visible = false;
    canvas.overlaysChanged();
    const Colour colour = canvas.buttonColour(event.Button);
    const LineForm form = s.state.ToolMode == kFilledRectangleTool ? LineForm::FilledBox : LineForm::Box;
    s.document.forEachLayer(
        [&](Surface &layer) { layer.Line(event.X, event.Y, canvas.StartX, canvas.StartY, colour, form); });
    s.state.ClickStage = 0;
}

void rectangleMove(CanvasController &canvas, const MouseEvent &event)
{
    if (canvas.session.state.ClickStage != 1)
        return;
    OverlayShape &band = canvas.overlays.Shape2;
    // One pixel (15 twips) is added on the side of the start point, so the band
    // never has a zero extent when the pointer is left of or above the start.
    if (event.X >= canvas.StartX) {
        band.Left = canvas.StartX + 15;
        band.Width = event.X - canvas.StartX;
    } else {
        band.Left = event.X;
        band.Width = canvas.StartX - event.X + 15;
    }
    if (event.Y >= canvas.StartY) {
        band.Top = canvas.StartY + 15;
        band.Height = event.Y - canvas.StartY;
    } else {
        band.Top = event.Y;
        band.Height = canvas.StartY - event.Y + 15;
    }
    band.Visible = true;
    canvas.overlaysChanged();
}

void circleDown(CanvasController &canvas, const MouseEvent &event)
{
    if (!isSecondClick(canvas, event))
        return;
    Session &s = canvas.session;
    canvas.overlays.Line1.Visible = false;
    canvas.overlays.Line2.Visible = false;
    canvas.overlaysChanged();
    // Only the horizontal distance counts; a vertical drag keeps the last radius.
    if (canvas.StartX > event.X)
        canvas.CircleRadius = static_cast<std::int32_t>(roundHalfEven(canvas.StartX - event.X));
    if (canvas.StartX < event.X)
        canvas.CircleRadius = static_cast<std::int32_t>(roundHalfEven(event.X - canvas.StartX));
    // The layers' FillStyle (set by the toolbox) decides whether the inside is filled.
    s.document.picture().Circle(canvas.StartX, canvas.StartY, canvas.CircleRadius, canvas.buttonColour(event.Button));
    s.document.SyncLayers(0);
    s.state.ClickStage = 0;
}

void circleMove(CanvasController &canvas, const MouseEvent &event)
{
    if (canvas.session.state.ClickStage != 1)
        return;
    const double d = event.X - canvas.StartX;
    OverlayLine &across = canvas.overlays.Line1;
    across.X1 = canvas.StartX - d;
    across.Y1 = canvas.StartY;
    across.X2 = event.X;
    across.Y2 = canvas.StartY;
    across.Visible = true;
    OverlayLine &down = canvas.overlays.Line2;
    down.X1 = canvas.StartX;
    down.Y1 = canvas.StartY - d;
    down.X2 = canvas.StartX;
    down.Y2 = canvas.StartY + d;
    down.Visible = true;
    canvas.overlaysChanged();
}

void addShapeTools(std::map<int, ToolHandlers> &table)
{
    table[kLineTool] = {lineDown, lineMove};
    table[kRectangleTool] = {rectangleDown, rectangleMove};
    table[kFilledRectangleTool] = {rectangleDown, rectangleMove};
    for (int code : {kCircleTool, kFilledCircleTool, kCircleKeepingFillTool})
        table[code] = {circleDown, circleMove};
}

} // namespace quill
