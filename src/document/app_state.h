// The process-wide state every window shares, under the names the rest of the
// program uses (ToolMode, ClickStage, SkipCanvasMouse, the per-tool settings...).
// Owned by the Session; read and written by the canvas, toolbox and main frame.
// Holds values only: no drawing, no files, no windows.
#pragma once

#include "document/tool_codes.h"
#include "surface/colour.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace quill {

inline constexpr int kMaxFontNames = 1000;

// The text the Text tool prints and its font, as the text window edits them.
// The window starts them afresh each time it is opened.
struct TextSettings {
    QString Text = QStringLiteral("ABC");
    QString FontName = QStringLiteral("DejaVu Sans");
    double FontSize = 10; // points
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
};

struct AppState {
    std::int16_t ToolMode = kDrawTool; // a ToolCode
    int ClickStage = 0;
    std::int16_t SkipCanvasMouse = 0;

    // Left colour of the foreground swatch, right colour of the background swatch.
    Colour LeftColour = kBlack;
    Colour RightColour = kWhite;
    // The Get-colour tool's sample of the colour under the pointer.
    Colour HoverColour = rgb(224, 224, 224);

    // Text and font of the Text tool.
    TextSettings Text;

    // Left behind by the last SplitColor call.
    std::int32_t SplitRed = 0;
    std::int32_t SplitGreen = 0;
    std::int16_t SplitBlue = 0;

    // Screen font names, FontNames[0] being the first (at most 1000).
    QStringList FontNames;

    // Per-tool settings, indexed by tool code 0..40. Every tool starts with a
    // width it really draws with (and the Options window shows): 1, the
    // freehand line 10.
    std::array<std::int16_t, 41> ToolDrawWidth{};
    std::int16_t PointWidth = 3;
    std::int16_t PointCount = 2;
    std::int16_t SprayWidth = 10;
    std::int16_t SprayPointWidth = 2;
    std::int16_t SprayPointCount = 100;

    bool ZoomPointSet = false;
    float ZoomPointX = 0;
    std::int16_t ZoomPointY = 0;

    // Toggle state of the three window commands; false also stands for "never toggled".
    bool TextWindowHidden = false;
    bool OptionsWindowHidden = false;
    bool ZoomWindowHidden = false;

    AppState() { resetToolDrawWidths(); }
    void resetToolDrawWidths()
    {
        ToolDrawWidth.fill(1);
        ToolDrawWidth[kDrawTool] = 10;
    }
};

// Splits a colour into SplitRed, SplitGreen and SplitBlue.
void SplitColor(AppState &state, std::int64_t colour);

// True when the path can be opened for reading.
bool FileExists(const QString &path);

} // namespace quill
