// The canvas tools by the code ToolMode holds. The toolbox's tool buttons set
// it, the canvas dispatches on it and the Options window and the per-tool
// widths are indexed by it. Plain values only.
#pragma once

#include <cstdint>

namespace quill {

enum ToolCode : std::int16_t {
    kDrawTool = 1,
    kPointTool = 2,
    kLineTool = 3,
    kCircleTool = 5,
    kFilledCircleTool = 6,
    kRectangleTool = 7,
    kFilledRectangleTool = 8,
    kGetColourTool = 10,
    kTextTool = 11,
    kSprayTool = 13,
    kZoomTool = 18,
    kMultiPolylineTool = 19,
    kCircleKeepingFillTool = 20, // the circle that keeps the layers' fill style
    kGradientBrushTool = 22,
};

} // namespace quill
