// The canvas's overlays: rubber bands, pointer and zoom markers and the text
// preview, all placed in twips over the centre tile. Pure values: the canvas
// window paints them, the tools move them.
#pragma once

#include "surface/colour.h"

#include <QFont>
#include <QString>

namespace quill {

struct OverlayLine {
    bool Visible = false;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Colour BorderColor = kBlack;
};

struct OverlayShape {
    bool Visible = false;
    double Left = 0, Top = 0, Width = 0, Height = 0;
    Colour BorderColor = kBlack;
};

struct OverlayLabel {
    bool Visible = false;
    double Left = 0, Top = 0;
    QString Caption;
    Colour ForeColor = kBlack;
    QFont Font;
};

struct CanvasOverlays {
    OverlayLine Line1;                                // line band; horizontal arm of the circle cross
    OverlayLine Line2;                                // vertical arm of the circle cross
    OverlayShape Shape1;                              // only ever hidden
    OverlayShape Shape2;                              // rectangle band
    OverlayShape Shape3{false, 0, 0, 20, 20, kBlack}; // pointer marker
    OverlayShape Shape4{false, 0, 0, 20, 20, kBlack}; // fixed zoom point marker
    OverlayLabel Label1;                              // text preview

    // The overlays whose border flashes while visible.
    bool anyFlashing() const { return Shape2.Visible || Line1.Visible || Line2.Visible; }
};

} // namespace quill
