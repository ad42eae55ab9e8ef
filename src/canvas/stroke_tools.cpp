#include "canvas/stroke_tools.h"

#include "document/tool_codes.h"
#include "surface/numeric_rules.h"

#include <utility>

namespace quill {

namespace {

bool leftOrRight(int button) { return button == kLeftButton || button == kRightButton; }

// The layer under the pointer, or the picture itself for an index out of range.
int layerUnder(const MouseEvent &event) { return event.Index >= 0 && event.Index < kLayerCount ? event.Index : 0; }

void rememberPointer(CanvasController &canvas, const MouseEvent &event)
{
    canvas.LastX = event.X;
    canvas.LastY = static_cast<std::int32_t>(roundHalfEven(event.Y));
}

} // namespace

void drawStroke(CanvasController &canvas, const MouseEvent &event)
{
    if (!leftOrRight(event.Button))
        return;
    Document &doc = canvas.session.document;
    const int index = layerUnder(event);
    // Joining to the latest pointer position makes the press a dot and the drag
    // a connected polyline of short segments.
    doc.layer(index).Line(event.X, event.Y, canvas.LastX, canvas.LastY, canvas.buttonColour(event.Button));
    doc.SyncLayers(index);
    rememberPointer(canvas, event);
}

void pointDown(CanvasController &canvas, const MouseEvent &event)
{
    Session &s = canvas.session;
    if (s.state.ZoomPointSet)
        return;
    if (event.Button == kLeftButton) {
        const int index = layerUnder(event);
        s.document.layer(index).PSet(event.X, event.Y, s.state.LeftColour);
        s.document.SyncLayers(index);
    } else if (event.Button == kRightButton) {
        s.document.picture().PSet(event.X, event.Y, s.state.RightColour);
        s.document.PropagateCentre();
    }
}

void spray(CanvasController &canvas, const MouseEvent &event)
{
    if (!leftOrRight(event.Button))
        return;
    Session &s = canvas.session;
    Surface &picture = s.document.picture();
    picture.setDrawWidth(s.state.SprayPointWidth);
    picture.setScaleMode(ScaleMode::Twips);
    const double r = s.state.SprayWidth;
    const Colour colour = canvas.buttonColour(event.Button);
    for (int i = 1; i <= s.state.SprayPointCount; ++i) {
        const double r1 = s.random.next();
        const double r2 = s.random.next();
        const double r3 = s.random.next();
        const double r4 = s.random.next();
        picture.PSet(event.X + r * r1 - 2 * r * r2, event.Y + r * r3 - 2 * r * r4, colour);
    }
    s.document.PropagateCentre();
}

void multiPolyline(CanvasController &canvas, const MouseEvent &event)
{
    if (!leftOrRight(event.Button))
        return;
    Session &s = canvas.session;
    Surface &picture = s.document.picture();
    for (int i = 1; i <= s.state.PointCount; ++i) {
        const double d = 15.0 * i * s.state.PointWidth;
        const Colour colour = i % 2 == 0 ? s.state.RightColour : s.state.LeftColour;
        picture.Line(event.X + d, event.Y + d, canvas.LastX + d, canvas.LastY + d, colour);
    }
    s.document.SyncLayers(0);
    rememberPointer(canvas, event);
}

void gradientBrush(CanvasController &canvas, const MouseEvent &event)
{
    if (event.Button == 0)
        return;
    Session &s = canvas.session;
    AppState &st = s.state;
    Surface &picture = s.document.picture();
    picture.setScaleMode(ScaleMode::Twips);
    picture.setDrawWidth(2);

    SplitColor(st, st.LeftColour);
    std::int32_t r1 = st.SplitRed, g1 = st.SplitGreen, b1 = st.SplitBlue;
    SplitColor(st, st.RightColour);
    // The split globals end up with the larger value of each channel.
    if (r1 > st.SplitRed)
        std::swap(r1, st.SplitRed);
    if (g1 > st.SplitGreen)
        std::swap(g1, st.SplitGreen);
    if (b1 > st.SplitBlue) {
        const std::int32_t larger = b1;
        b1 = st.SplitBlue;
        st.SplitBlue = static_cast<std::int16_t>(larger);
    }
    const double redMax = st.SplitRed, greenMax = st.SplitGreen, blueMax = st.SplitBlue;
    const double redStep = roundHalfEven((redMax - r1) / 14.0);
    const double greenStep = (greenMax - g1) / 14.0;
    const double blueStep = (blueMax - b1) / 14.0;

    for (int i = 0; i <= 14; ++i) {
        const double o = 15.0 * i - 105;
        const Colour colour = rgb(static_cast<int>(roundHalfEven(redMax - i * redStep)),
                                  static_cast<int>(roundHalfEven(greenMax - i * greenStep)),
                                  static_cast<int>(roundHalfEven(blueMax - i * blueStep)));
        picture.Line(event.X + o, event.Y + o, canvas.LastX + o, canvas.LastY + o, colour);
    }
    s.document.SyncLayers(0);
}

void addStrokeTools(std::map<int, ToolHandlers> &table)
{
    table[kDrawTool] = {drawStroke, drawStroke};
    table[kPointTool] = {pointDown, {}};
    table[kSprayTool] = {spray, spray};
    table[kMultiPolylineTool] = {multiPolyline, multiPolyline};
    table[kGradientBrushTool] = {gradientBrush, gradientBrush};
}

} // namespace quill
