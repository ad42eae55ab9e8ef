#include "canvas/text_tool.h"

namespace quill {

namespace {

// The preview takes the font of the text window and its text.
void takeTextFont(OverlayLabel &label, const TextSettings &text)
{
    label.Font = textFont(text);
    label.Caption = text.Text;
}

} // namespace

void applyTextFont(Surface &surface, const TextSettings &text)
{
    surface.setFontSize(text.FontSize);
    surface.setFontName(text.FontName);
    surface.setFontUnderline(text.FontUnderline);
    surface.setFontItalic(text.FontItalic);
    surface.setFontBold(text.FontBold);
}

QFont textFont(const TextSettings &text)
{
    // Built the way a picture box builds its font, so the preview and the
    // printed text measure the same.
    Surface probe;
    applyTextFont(probe, text);
    return probe.font();
}

bool setTextFontSize(TextSettings &text, double points)
{
    if (!(points > 0) || points > kMaxFontSize)
        return false;
    text.FontSize = points;
    return true;
}

void textMouseDown(CanvasController &canvas, const MouseEvent &event)
{
    AppState &s = canvas.session.state;
    if (event.Button != kLeftButton && event.Button != kRightButton)
        return;
    if (s.ClickStage == 0) {
        OverlayLabel &label = canvas.overlays.Label1;
        s.ClickStage = 1;
        label.Visible = true;
        // The preview shows the left colour whichever button placed it.
        label.ForeColor = s.LeftColour;
        label.Left = event.X;
        label.Top = event.Y;
        takeTextFont(label, s.Text);
        canvas.overlaysChanged();
        return;
    }
    // A right-button commit prints in the right colour, as every other tool does.
    commitText(canvas, canvas.buttonColour(event.Button));
}

void textMouseMove(CanvasController &canvas, const MouseEvent &event)
{
    AppState &s = canvas.session.state;
    if (s.ClickStage != 1)
        return;
    s.ZoomWindowHidden = false;
    OverlayLabel &label = canvas.overlays.Label1;
    takeTextFont(label, s.Text);
    label.Top = event.Y;
    label.Left = event.X;
    canvas.overlaysChanged();
}

void commitText(CanvasController &canvas, Colour colour)
{
    AppState &s = canvas.session.state;
    OverlayLabel &label = canvas.overlays.Label1;
    s.ClickStage = 0;
    label.Visible = false;
    Surface &picture = canvas.session.document.picture();
    picture.ForeColor = colour;
    picture.CurrentX = label.Left;
    picture.CurrentY = label.Top;
    applyTextFont(picture, s.Text);
    picture.Print(s.Text.Text);
    canvas.session.document.PropagateCentre();
    canvas.overlaysChanged();
}

} // namespace quill
