#include "canvas/canvas_controller.h"
#include "canvas/pick_tools.h"
#include "canvas/shape_tools.h"
#include "canvas/stroke_tools.h"
#include "canvas/text_tool.h"

#include <map>

namespace quill {

namespace {

// Tool code -> its mouse actions. Each tool family adds its codes here.
std::map<int, ToolHandlers> buildTable()
{
    std::map<int, ToolHandlers> table;
    addStrokeTools(table);
    addShapeTools(table);
    table[kGetColourTool] = {getColourMouseDown, getColourMouseMove};
    table[kTextTool] = {textMouseDown, textMouseMove};
    table[kZoomTool] = {zoomMouseDown, {}};
    return table;
}

} // namespace

const ToolHandlers &toolHandlers(int toolMode)
{
    static const std::map<int, ToolHandlers> table = buildTable();
    static const ToolHandlers none;
    const auto it = table.find(toolMode);
    return it == table.end() ? none : it->second;
}

} // namespace quill
