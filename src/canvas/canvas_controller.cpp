#include "canvas/canvas_controller.h"

#include "surface/numeric_rules.h"

#include <cmath>

namespace quill {

Colour CanvasController::buttonColour(int button) const
{
    return button == kRightButton ? session.state.RightColour : session.state.LeftColour;
}

void CanvasController::prepareLayers()
{
    Document &doc = session.document;
    const int width = session.state.ToolDrawWidth[static_cast<std::size_t>(session.state.ToolMode) % 41];
    // A width of 0 is refused by each layer, which keeps its previous width.
    doc.forEachLayer([&](Surface &l) { l.setDrawWidth(width); });
    doc.forEachLayer([](Surface &l) { l.setScaleMode(ScaleMode::Twips); });
}

MouseEvent CanvasController::onPicture(const MouseEvent &event, bool pressed)
{
    const Document &doc = session.document;
    MouseEvent mapped = event;
    QPoint offset;
    if (!pressed && event.Button != 0 && event.Index == pressIndex_) {
        offset = pressOffset_;
    } else {
        const QPoint local(static_cast<int>(std::floor(event.X / kTwipsPerPixel)),
                           static_cast<int>(std::floor(event.Y / kTwipsPerPixel)));
        const QPoint shown =
            wrapPoint(doc.lattice(), doc.picture().Image().size(), local + doc.copyOrigin(event.Index));
        // The picture itself takes its points as they are, beyond its edges too.
        offset = gridCell(event.Index) == QPoint(1, 1) ? QPoint() : shown - local;
        if (pressed && event.Button != 0) {
            pressIndex_ = event.Index;
            pressOffset_ = offset;
        }
    }
    mapped.X += offset.x() * kTwipsPerPixel;
    mapped.Y += offset.y() * kTwipsPerPixel;
    return mapped;
}

void CanvasController::mouseDown(const MouseEvent &original)
{
    const MouseEvent event = onPicture(original, true);
    AppState &s = session.state;
    if (s.SkipCanvasMouse == 0) {
        session.TakeUndoSnapshot();
        prepareLayers();
        if (event.Button == kLeftButton)
            session.document.forEachLayer([&](Surface &l) { l.FillColor = s.LeftColour; });
        else if (event.Button == kRightButton)
            session.document.forEachLayer([&](Surface &l) { l.FillColor = s.RightColour; });
        if (const auto &down = toolHandlers(s.ToolMode).mouseDown)
            down(*this, event);
        if (event.Button != 0)
            session.document.PropagateCentre();
    }
    s.SkipCanvasMouse = 0;
    session.stateChanged();
}

void CanvasController::mouseMove(const MouseEvent &original)
{
    const MouseEvent event = onPicture(original, false);
    AppState &s = session.state;
    if (s.SkipCanvasMouse == 0) {
        prepareLayers();
        if (const auto &move = toolHandlers(s.ToolMode).mouseMove)
            move(*this, event);
        if (!s.ZoomPointSet && !s.ZoomWindowHidden)
            zoomPointMoved.notify(event.X, event.Y);
        LastX = event.X;
        LastY = static_cast<std::int32_t>(roundHalfEven(event.Y));
        if (event.Button != 0)
            session.document.PropagateCentre();
        OverlayShape &marker = overlays.Shape3;
        marker.Visible = true;
        marker.Left = event.X - 10;
        marker.Top = event.Y - 10;
        marker.Width = 20;
        marker.Height = 20;
        overlaysChanged();
    }
    s.SkipCanvasMouse = 0;
    session.stateChanged();
}

void CanvasController::keyDown(int, int keyCode, int)
{
    if (keyCode == kKeyEscape) {
        session.state.ClickStage = 0;
        overlays.Label1.Visible = false;
        overlays.Shape1.Visible = false;
        overlays.Shape2.Visible = false;
        overlays.Shape3.Visible = false;
        overlays.Shape4.Visible = false;
        overlays.Line1.Visible = false;
        overlays.Line2.Visible = false;
        overlaysChanged();
    } else if (keyCode == kKeyLeft) {
        session.host.setCursorPos(QPoint(140, 100));
    }
    session.stateChanged();
}

void CanvasController::RandomFlash()
{
    auto component = [this] { return static_cast<int>(roundHalfEven(255 * session.random.next())); };
    auto flash = [&](bool visible, Colour &border) {
        if (!visible)
            return;
        const int r = component();
        const int g = component();
        const int b = component();
        border = rgb(r, g, b);
    };
    flash(overlays.Shape2.Visible, overlays.Shape2.BorderColor);
    flash(overlays.Line1.Visible, overlays.Line1.BorderColor);
    flash(overlays.Line2.Visible, overlays.Line2.BorderColor);
    if (overlays.anyFlashing())
        overlaysChanged();
}

} // namespace quill
