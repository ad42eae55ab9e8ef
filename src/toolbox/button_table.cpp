#include "toolbox/button_table.h"

#include "document/tool_codes.h"
#include "toolbox/operation_registry.h"
#include "toolbox/tool_buttons.h"

namespace quill {

namespace {

ToolboxButton tool(const char *name, const char *alias, int x, int y, const char *tooltip, ToolCode toolMode,
                   int fillStyle = kFillStyleUnchanged, bool locked = true)
{
    ToolboxButton b;
    b.name = QString::fromLatin1(name);
    b.alias = QString::fromLatin1(alias);
    b.tooltip = QString::fromLatin1(tooltip);
    b.pos = {x, y};
    b.region = ToolboxRegion::Tools;
    b.kind = ButtonKind::Tool;
    b.toolMode = toolMode;
    b.fillStyle = fillStyle;
    b.lockedBetweenClicks = locked;
    return b;
}

ToolboxButton operation(const char *name, int x, int y, ToolboxRegion region, const char *tooltip = "")
{
    ToolboxButton b;
    b.name = QString::fromLatin1(name);
    b.tooltip = QString::fromLatin1(tooltip);
    b.pos = {x, y};
    b.region = region;
    return b;
}

ToolboxButton inert(const char *name, const char *alias, int x, int y, ToolboxRegion region, const char *tooltip = "")
{
    ToolboxButton b = operation(name, x, y, region, tooltip);
    b.alias = QString::fromLatin1(alias);
    b.kind = ButtonKind::Inert;
    return b;
}

ToolboxButton dialog(const char *name, const char *alias, int x, int y, ToolboxDialog which, const char *summary,
                     const char *batchReplacement)
{
    ToolboxButton b = operation(name, x, y, ToolboxRegion::PatternPanel);
    b.alias = QString::fromLatin1(alias);
    b.kind = ButtonKind::Dialog;
    b.dialog = which;
    b.batchReplacement = QString::fromLatin1(batchReplacement);
    // A dialog row explains itself through its summary, like an operation without a tooltip.
    b.summary = QString::fromLatin1(summary);
    return b;
}

ToolboxButton check(const char *name, int x, int y, const char *tooltip)
{
    ToolboxButton b = operation(name, x, y, ToolboxRegion::PatternPanel, tooltip);
    b.kind = ButtonKind::Check;
    return b;
}

std::vector<ToolboxButton> buildTable()
{
    using R = ToolboxRegion;
    const char *const sameColour = "Draw pixels on the current foreground color";
    const char *const mergeImages = "Merge images into eachother";
    std::vector<ToolboxButton> t;

    // Frame "Tools": three columns, five rows. The bottom row does not follow
    // ClickStage, and its middle button never had an action.
    t.push_back(tool("Command1", "tool-draw", 80, 24, "Draw", kDrawTool));
    t.push_back(tool("Command56", "tool-multi-polyline", 104, 24, "Multi polyline", kMultiPolylineTool));
    t.push_back(tool("Command2", "tool-point", 128, 24, "Point", kPointTool));
    t.push_back(tool("Command13", "tool-get-colour", 80, 48, "Getcolor", kGetColourTool));
    t.push_back(tool("Command4", "tool-line", 104, 48, "Line", kLineTool));
    t.push_back(tool("Command53", "tool-zoom", 128, 48, "Zoom", kZoomTool));
    t.push_back(tool("Command5", "tool-circle", 80, 72, "Circle", kCircleTool, 1));
    t.push_back(tool("Command6", "tool-filled-circle", 104, 72, "Filled circle", kFilledCircleTool, 0));
    t.push_back(tool("Command16", "tool-text", 128, 72, "Text", kTextTool));
    t.push_back(tool("Command7", "tool-rectangle", 80, 96, "Rectangle", kRectangleTool, 1));
    t.push_back(tool("Command8", "tool-filled-rectangle", 104, 96, "Filled rectangle", kFilledRectangleTool));
    t.push_back(tool("Command22", "tool-spray", 128, 96, "Spray", kSprayTool));
    t.push_back(tool("Command70", "tool-circle-as-filled", 80, 120, "Rectangle", kCircleKeepingFillTool,
                     kFillStyleUnchanged, false));
    t.push_back(inert("Command71", "no-action-71", 104, 120, R::Tools, "Filled rectangle"));
    t.push_back(
        tool("Command81", "tool-gradient-brush", 128, 120, "Draw ", kGradientBrushTool, kFillStyleUnchanged, false));

    // Frame "Backgrounds": generators in the six left columns, column by column.
    const int rows[] = {24, 48, 72, 96, 120};
    const char *const generators[6][5] = {
        {"Command9", "Command10", "Command11", "Command12", "Command18"},
        {"Command19", "Command24", "Command25", "Command14", "Command15"},
        {"Command26", "Command27", "Command28", "Command29", "Command51"},
        {"Command17", "Command23", "Command37", "Command38", "Command33"},
        {"Command35", "Command34", "Command36", "Command30", "Command82"},
        {"Command31", "Command49", "Command50", "Command52", "Command83"},
    };
    const int generatorColumns[] = {168, 192, 224, 248, 280, 304};
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 5; ++r) {
            const QString name = QString::fromLatin1(generators[c][r]);
            const char *tip = "";
            if (name == QLatin1String("Command9"))
                tip = "Gradient background H";
            else if (name == QLatin1String("Command10"))
                tip = "Gradient background V";
            else if (name == QLatin1String("Command18"))
                tip = "Gradient background ";
            else if (name == QLatin1String("Command82") || name == QLatin1String("Command83"))
                tip = sameColour;
            t.push_back(operation(generators[c][r], generatorColumns[c], rows[r], R::Backgrounds, tip));
        }
    // Channel steps: increases on the left, decreases on the right.
    const char *const channelUp[5][2] = {{"Command21", "Increase white"},
                                         {"Command45", "Increase red"},
                                         {"Command43", "Increase green"},
                                         {"Command41", "Increase blue"},
                                         {"Command47", "Increase yellow"}};
    const char *const channelDown[5][2] = {{"Command20", "Decrease white"},
                                           {"Command46", "Decrease red"},
                                           {"Command44", "Decrease green"},
                                           {"Command42", "Decrease blue"},
                                           {"Command48", "Decrease yellow"}};
    for (int r = 0; r < 5; ++r) {
        t.push_back(operation(channelUp[r][0], 336, rows[r], R::Backgrounds, channelUp[r][1]));
        t.push_back(operation(channelDown[r][0], 360, rows[r], R::Backgrounds, channelDown[r][1]));
    }
    t.push_back(operation("Command40", 400, 24, R::Backgrounds));
    t.push_back(operation("Command55", 424, 24, R::Backgrounds, sameColour));
    t.push_back(operation("Command3", 400, 48, R::Backgrounds));
    t.push_back(operation("Command32", 424, 48, R::Backgrounds));
    t.push_back(operation("Command90", 400, 72, R::Backgrounds, "Convert image purple"));
    t.push_back(operation("Command91", 424, 72, R::Backgrounds, "Convert image gray"));
    t.push_back(operation("Command92", 400, 96, R::Backgrounds, "Convert image yellow"));
    t.push_back(operation("Command93", 424, 96, R::Backgrounds, "Convert image green"));
    t.push_back(operation("Command94", 400, 120, R::Backgrounds, "Convert image red"));
    t.push_back(operation("Command95", 424, 120, R::Backgrounds, "Convert image blue"));

    // Frame "Rotation", and the blur just left of it.
    t.push_back(operation("Command64", 480, 24, R::Rotation));
    t.push_back(operation("Command65", 504, 24, R::Rotation));
    t.push_back(operation("Command60", 480, 48, R::Rotation));
    t.push_back(operation("Command62", 504, 48, R::Rotation));
    t.push_back(operation("Command63", 480, 72, R::Rotation, "Mirror V"));
    t.push_back(operation("Command61", 504, 72, R::Rotation, "Mirror H"));
    t.push_back(inert("Command80", "no-action-80", 504, 96, R::Rotation));
    t.push_back(operation("Command54", 456, 128, R::Loose, "Blur"));

    // Merge panel: open and the two plain merges down the left edge, the tinted
    // merges under the merge box.
    t.push_back(operation("Command59", 8, 160, R::MergePanel, "Open image to merge"));
    t.push_back(operation("Command58", 8, 192, R::MergePanel, mergeImages));
    t.push_back(operation("Command66", 8, 216, R::MergePanel, mergeImages));
    const char *const tinted[6][2] = {{"Command84", "Merge image blue"},   {"Command85", "Merge image gray"},
                                      {"Command86", "Merge image purple"}, {"Command87", "Merge image yellow"},
                                      {"Command88", "Merge image red"},    {"Command89", "Merge image green"}};
    for (int i = 0; i < 6; ++i)
        t.push_back(operation(tinted[i][0], 40 + 24 * i, 360, R::MergePanel, tinted[i][1]));

    // Pattern panel: recolourings under the grid, commands in two columns to its right.
    const char *const recolour[] = {"Command74", "Command75", "Command76", "Command77", "Command78", "Command79"};
    for (int i = 0; i < 6; ++i)
        t.push_back(operation(recolour[i], 256 + 24 * i, 360, R::PatternPanel));
    t.push_back(operation("Command67", 456, 160, R::PatternPanel, "Draw pattern"));
    t.push_back(operation("Command68", 480, 160, R::PatternPanel, "Merge pattern into image"));
    t.push_back(operation("Command57", 456, 184, R::PatternPanel, "Merge by pixels"));
    t.push_back(operation("Command69", 480, 184, R::PatternPanel));
    t.push_back(check("Check1", 456, 216, "Transparent"));
    t.push_back(check("Check2", 480, 216, "Get color"));
    t.push_back(check("Check3", 504, 216, "Get color"));
    t.push_back(operation("Command96", 456, 240, R::PatternPanel));
    t.push_back(operation("Command97", 480, 240, R::PatternPanel));
    t.push_back(operation("Command98", 456, 264, R::PatternPanel, "Mirror H"));
    t.push_back(operation("Command99", 480, 264, R::PatternPanel, "Mirror V"));
    t.push_back(operation("Command100", 456, 288, R::PatternPanel));
    t.push_back(operation("Command101", 480, 288, R::PatternPanel));
    t.push_back(dialog("Command72", "pattern-open", 456, 312, ToolboxDialog::OpenPattern,
                       "opens a saved pattern (dialog \"Open pattern\")", "--pattern FILE"));
    t.push_back(dialog("Command73", "pattern-save", 480, 312, ToolboxDialog::SavePattern,
                       "saves the pattern under a name (dialog \"Save pattern\")",
                       "nothing: saving a pattern is not available in batch runs"));

    // The lone shrink button carries its designer name as its caption.
    ToolboxButton shrink = operation("Command39", 512, 352, R::Loose);
    shrink.caption = shrink.name;
    t.push_back(shrink);
    return t;
}

} // namespace

QRect ToolboxButton::rect() const
{
    // Check boxes are drawn smaller than the square picture buttons.
    const int size = kind == ButtonKind::Check ? 17 : kToolboxButtonSize;
    return {pos, QSize(size, size)};
}

const std::vector<ToolboxButton> &toolboxButtons()
{
    static const std::vector<ToolboxButton> table = buildTable();
    return table;
}

const std::vector<ToolboxFrame> &toolboxFrames()
{
    static const std::vector<ToolboxFrame> frames = {
        {QStringLiteral("Frame1"), QStringLiteral("Tools"), QRect(72, 8, 89, 145)},
        {QStringLiteral("Frame2"), QStringLiteral("Backgrounds"), QRect(160, 8, 313, 145)},
        {QStringLiteral("Frame3"), QStringLiteral("Rotation"), QRect(472, 8, 65, 145)},
    };
    return frames;
}

const ToolboxButton *findToolboxButton(const QString &name)
{
    for (const ToolboxButton &b : toolboxButtons())
        if (b.name == name)
            return &b;
    return nullptr;
}

QRect regionRect(ToolboxRegion region)
{
    switch (region) {
    case ToolboxRegion::Tools:
        return toolboxFrames()[0].rect;
    case ToolboxRegion::Backgrounds:
        return toolboxFrames()[1].rect;
    case ToolboxRegion::Rotation:
        return toolboxFrames()[2].rect;
    case ToolboxRegion::MergePanel:
        // Left of the etched divider at x = 248.
        return {0, 152, 248, kToolboxClientHeight - 152};
    case ToolboxRegion::PatternPanel:
        return {250, 152, kToolboxClientWidth - 250, kToolboxClientHeight - 152};
    case ToolboxRegion::Loose:
        break;
    }
    return {0, 0, kToolboxClientWidth, kToolboxClientHeight};
}

ButtonAction buttonAction(const ToolboxButton &button)
{
    switch (button.kind) {
    case ButtonKind::Tool: {
        const ToolCode toolMode = button.toolMode;
        const int fillStyle = button.fillStyle;
        return {[toolMode, fillStyle](Session &s) { selectTool(s, toolMode, fillStyle); }, 0, button.tooltip};
    }
    case ButtonKind::Operation:
    case ButtonKind::Check:
        if (const Operation *op = findOperation(button.name))
            return {op->run, op->snapshots, op->summary};
        break;
    case ButtonKind::Dialog:
        return {{}, 0, button.summary};
    case ButtonKind::Inert:
        break;
    }
    return {};
}

QString buttonAlias(const ToolboxButton &button)
{
    if (!button.alias.isEmpty())
        return button.alias;
    if (const Operation *op = findOperation(button.name))
        return op->alias;
    return button.name.toLower();
}

} // namespace quill

namespace quill {

QString buttonStatusText(const ToolboxButton &button)
{
    switch (button.kind) {
    case ButtonKind::Tool: {
        // The tooltips are the buttons' own and some mislead ("Rectangle" draws circles).
        static const std::pair<ToolCode, const char *> tools[] = {
            {kDrawTool, "Draw freehand"},
            {kPointTool, "Point: one dot per click"},
            {kLineTool, "Line between two clicks"},
            {kCircleTool, "Circle outline"},
            {kFilledCircleTool, "Filled circle"},
            {kRectangleTool, "Rectangle outline"},
            {kFilledRectangleTool, "Filled rectangle"},
            {kGetColourTool, "Get a colour from the picture"},
            {kTextTool, "Text: place it, then print it"},
            {kSprayTool, "Spray"},
            {kZoomTool, "Zoom: fix the point the zoom window magnifies"},
            {kMultiPolylineTool, "Multi polyline: parallel lines between clicks"},
            {kCircleKeepingFillTool, "Circle with the fill the last circle button chose"},
            {kGradientBrushTool, "Gradient brush"},
        };
        for (const auto &[mode, text] : tools)
            if (mode == button.toolMode)
                return QString::fromLatin1(text);
        break;
    }
    case ButtonKind::Operation:
    case ButtonKind::Check:
    case ButtonKind::Dialog: {
        const Operation *op = findOperation(button.name);
        QString text = op ? op->summary : button.summary;
        if (text.isEmpty())
            break;
        text[0] = text[0].toUpper();
        return text;
    }
    case ButtonKind::Inert:
        return QStringLiteral("This button does nothing");
    }
    return button.tooltip;
}

} // namespace quill
