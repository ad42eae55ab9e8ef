#include "toolbox/button_table.h"

#include "document/tool_codes.h"
#include "toolbox/operation_registry.h"
#include "toolbox/tool_buttons.h"

namespace quill {

namespace {

using F = MenuFamily;

ToolboxButton tool(const char *name, const char *alias, int x, int y, const char *tooltip, const char *menuName,
                   ToolCode toolMode, int fillStyle = kFillStyleUnchanged, bool locked = true)
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
    b.menuName = QString::fromLatin1(menuName);
    b.family = F::Tools;
    return b;
}

// A menu entry's place: its plain name and family.
struct Entry {
    const char *menuName;
    MenuFamily family;
};

ToolboxButton operation(const char *name, int x, int y, ToolboxRegion region, Entry entry, const char *tooltip = "")
{
    ToolboxButton b;
    b.name = QString::fromLatin1(name);
    b.tooltip = QString::fromLatin1(tooltip);
    b.pos = {x, y};
    b.region = region;
    b.menuName = QString::fromLatin1(entry.menuName);
    b.family = entry.family;
    return b;
}

ToolboxButton inert(const char *name, const char *alias, int x, int y, ToolboxRegion region, const char *tooltip = "")
{
    ToolboxButton b = operation(name, x, y, region, {"", F::None}, tooltip);
    b.alias = QString::fromLatin1(alias);
    b.kind = ButtonKind::Inert;
    return b;
}

ToolboxButton dialog(const char *name, const char *alias, int x, int y, ToolboxDialog which, Entry entry,
                     const char *summary, const char *batchReplacement)
{
    ToolboxButton b = operation(name, x, y, ToolboxRegion::PatternPanel, entry);
    b.alias = QString::fromLatin1(alias);
    b.kind = ButtonKind::Dialog;
    b.dialog = which;
    b.batchReplacement = QString::fromLatin1(batchReplacement);
    // A dialog row explains itself through its summary, like an operation without a tooltip.
    b.summary = QString::fromLatin1(summary);
    return b;
}

ToolboxButton check(const char *name, int x, int y, const char *tooltip, const char *menuName)
{
    ToolboxButton b = operation(name, x, y, ToolboxRegion::PatternPanel, {menuName, F::PatternModes}, tooltip);
    b.kind = ButtonKind::Check;
    return b;
}

struct Named {
    const char *name;
    Entry entry;
};

std::vector<ToolboxButton> buildTable()
{
    using R = ToolboxRegion;
    const char *const sameColour = "Draw pixels on the current foreground color";
    const char *const mergeImages = "Merge images into eachother";
    std::vector<ToolboxButton> t;

    // Frame "Tools": three columns, five rows. The bottom row does not follow
    // ClickStage, and its middle button never had an action.
    t.push_back(tool("Command1", "tool-draw", 80, 24, "Draw", "Freehand", kDrawTool));
    t.push_back(
        tool("Command56", "tool-multi-polyline", 104, 24, "Multi polyline", "Connected lines", kMultiPolylineTool));
    t.push_back(tool("Command2", "tool-point", 128, 24, "Point", "Points", kPointTool));
    t.push_back(tool("Command13", "tool-get-colour", 80, 48, "Getcolor", "Pick colour", kGetColourTool));
    t.push_back(tool("Command4", "tool-line", 104, 48, "Line", "Line", kLineTool));
    t.push_back(tool("Command53", "tool-zoom", 128, 48, "Zoom", "Zoom window point", kZoomTool));
    t.push_back(tool("Command5", "tool-circle", 80, 72, "Circle", "Circle", kCircleTool, 1));
    t.push_back(
        tool("Command6", "tool-filled-circle", 104, 72, "Filled circle", "Filled circle", kFilledCircleTool, 0));
    t.push_back(tool("Command16", "tool-text", 128, 72, "Text", "Text", kTextTool));
    t.push_back(tool("Command7", "tool-rectangle", 80, 96, "Rectangle", "Rectangle", kRectangleTool, 1));
    t.push_back(tool("Command8", "tool-filled-rectangle", 104, 96, "Filled rectangle", "Filled rectangle",
                     kFilledRectangleTool));
    t.push_back(tool("Command22", "tool-spray", 128, 96, "Spray", "Spray", kSprayTool));
    t.push_back(tool("Command70", "tool-circle-as-filled", 80, 120, "Rectangle", "Circle in the current fill",
                     kCircleKeepingFillTool, kFillStyleUnchanged, false));
    t.push_back(inert("Command71", "no-action-71", 104, 120, R::Tools, "Filled rectangle"));
    t.push_back(tool("Command81", "tool-gradient-brush", 128, 120, "Draw ", "Gradient brush", kGradientBrushTool,
                     kFillStyleUnchanged, false));

    // Frame "Backgrounds": generators in the six left columns, column by column.
    const int rows[] = {24, 48, 72, 96, 120};
    const Named generators[6][5] = {
        {{"Command9", {"Horizontal gradient", F::Gradients}},
         {"Command10", {"Vertical gradient", F::Gradients}},
         {"Command11", {"Horizontal gradient from both sides", F::Gradients}},
         {"Command12", {"Vertical gradient from both sides", F::Gradients}},
         {"Command18", {"Diagonal gradient from the top left", F::Gradients}}},
        {{"Command19", {"Diagonal gradient from the top right", F::Gradients}},
         {"Command24", {"Diagonal gradient from top left and bottom right", F::Gradients}},
         {"Command25", {"Diagonal gradient from top right and bottom left", F::Gradients}},
         {"Command14", {"Concentric circles", F::CentredFigures}},
         {"Command15", {"Concentric squares", F::CentredFigures}}},
        {{"Command26", {"Concentric diamonds", F::CentredFigures}},
         {"Command27", {"Twelve fans of rays", F::CentredFigures}},
         {"Command28", {"Eight fans of rays", F::CentredFigures}},
         {"Command29", {"Diamonds and rays", F::CentredFigures}},
         {"Command51", {"Thin rays", F::CentredFigures}}},
        {{"Command17", {"Horizontal stripes", F::StripesLines}},
         {"Command23", {"Vertical stripes", F::StripesLines}},
         {"Command37", {"Horizontal lines over the picture", F::StripesLines}},
         {"Command38", {"Vertical lines over the picture", F::StripesLines}},
         {"Command33", {"Rising stripes", F::StripesLines}}},
        {{"Command35", {"Rising lines over the picture", F::StripesLines}},
         {"Command34", {"Falling stripes", F::StripesLines}},
         {"Command36", {"Falling lines over the picture", F::StripesLines}},
         {"Command30", {"Checkerboard", F::Checkerboards}},
         {"Command82", {"Horizontal colour bands", F::Gradients}}},
        {{"Command31", {"Checkerboard with discs", F::Checkerboards}},
         {"Command49", {"Checks over the picture", F::Checkerboards}},
         {"Command50", {"Discs over the picture", F::Checkerboards}},
         {"Command52", {"Sprinkle points", F::FillsPoints}},
         {"Command83", {"Vertical colour bands", F::Gradients}}},
    };
    const int generatorColumns[] = {168, 192, 224, 248, 280, 304};
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 5; ++r) {
            const Named &g = generators[c][r];
            const QString name = QString::fromLatin1(g.name);
            const char *tip = "";
            if (name == QLatin1String("Command9"))
                tip = "Gradient background H";
            else if (name == QLatin1String("Command10"))
                tip = "Gradient background V";
            else if (name == QLatin1String("Command18"))
                tip = "Gradient background ";
            else if (name == QLatin1String("Command82") || name == QLatin1String("Command83"))
                tip = sameColour;
            t.push_back(operation(g.name, generatorColumns[c], rows[r], R::Backgrounds, g.entry, tip));
        }
    // Channel steps: increases on the left, decreases on the right.
    const char *const channelUp[5][3] = {{"Command21", "Increase white", "More white"},
                                         {"Command45", "Increase red", "More red"},
                                         {"Command43", "Increase green", "More green"},
                                         {"Command41", "Increase blue", "More blue"},
                                         {"Command47", "Increase yellow", "More yellow"}};
    const char *const channelDown[5][3] = {{"Command20", "Decrease white", "Less white"},
                                           {"Command46", "Decrease red", "Less red"},
                                           {"Command44", "Decrease green", "Less green"},
                                           {"Command42", "Decrease blue", "Less blue"},
                                           {"Command48", "Decrease yellow", "Less yellow"}};
    for (int r = 0; r < 5; ++r) {
        t.push_back(
            operation(channelUp[r][0], 336, rows[r], R::Backgrounds, {channelUp[r][2], F::Channels}, channelUp[r][1]));
        t.push_back(operation(channelDown[r][0], 360, rows[r], R::Backgrounds, {channelDown[r][2], F::Channels},
                              channelDown[r][1]));
    }
    t.push_back(
        operation("Command40", 400, 24, R::Backgrounds, {"Points in the background colour...", F::FillsPoints}));
    t.push_back(operation("Command55", 424, 24, R::Backgrounds, {"Mosaic", F::BlurMosaic}, sameColour));
    t.push_back(operation("Command3", 400, 48, R::Backgrounds, {"Fill with the background colour", F::FillsPoints}));
    t.push_back(operation("Command32", 424, 48, R::Backgrounds, {"Curve stitching", F::StripesLines}));
    t.push_back(operation("Command90", 400, 72, R::Backgrounds, {"Purple", F::Colour}, "Convert image purple"));
    t.push_back(operation("Command91", 424, 72, R::Backgrounds, {"Grey", F::Colour}, "Convert image gray"));
    t.push_back(operation("Command92", 400, 96, R::Backgrounds, {"Yellow", F::Colour}, "Convert image yellow"));
    t.push_back(operation("Command93", 424, 96, R::Backgrounds, {"Green", F::Colour}, "Convert image green"));
    t.push_back(operation("Command94", 400, 120, R::Backgrounds, {"Red", F::Colour}, "Convert image red"));
    t.push_back(operation("Command95", 424, 120, R::Backgrounds, {"Blue", F::Colour}, "Convert image blue"));

    // Frame "Rotation", and the blur just left of it.
    t.push_back(operation("Command64", 480, 24, R::Rotation, {"Quarter turn left", F::MirrorTurn}));
    t.push_back(operation("Command65", 504, 24, R::Rotation, {"Quarter turn right", F::MirrorTurn}));
    t.push_back(operation("Command60", 480, 48, R::Rotation, {"Half turn", F::MirrorTurn}));
    t.push_back(operation("Command62", 504, 48, R::Rotation, {"Half turn, measuring in twips", F::MirrorTurn}));
    t.push_back(operation("Command63", 480, 72, R::Rotation, {"Mirror top to bottom", F::MirrorTurn}, "Mirror V"));
    t.push_back(operation("Command61", 504, 72, R::Rotation, {"Mirror left to right", F::MirrorTurn}, "Mirror H"));
    t.push_back(inert("Command80", "no-action-80", 504, 96, R::Rotation));
    t.push_back(operation("Command54", 456, 128, R::Loose, {"Blur", F::BlurMosaic}, "Blur"));

    // Merge panel: open and the two plain merges down the left edge, the tinted
    // merges under the merge box.
    t.push_back(
        operation("Command59", 8, 160, R::MergePanel, {"Open image to merge...", F::Merge}, "Open image to merge"));
    t.push_back(operation("Command58", 8, 192, R::MergePanel, {"Blend with the merge image", F::Merge}, mergeImages));
    t.push_back(
        operation("Command66", 8, 216, R::MergePanel, {"Interleave with the merge image", F::Merge}, mergeImages));
    const char *const tinted[6][3] = {
        {"Command84", "Merge image blue", "Blend with the merge image in blue"},
        {"Command85", "Merge image gray", "Blend with the merge image in grey"},
        {"Command86", "Merge image purple", "Blend with the merge image in purple"},
        {"Command87", "Merge image yellow", "Blend with the merge image in yellow"},
        {"Command88", "Merge image red", "Blend with the merge image in red"},
        {"Command89", "Merge image green", "Blend with the merge image in green"},
    };
    for (int i = 0; i < 6; ++i)
        t.push_back(operation(tinted[i][0], 40 + 24 * i, 360, R::MergePanel, {tinted[i][2], F::Merge}, tinted[i][1]));

    // Pattern panel: recolourings under the grid, commands in two columns to its right.
    const Named recolour[] = {
        {"Command74", {"Pattern in blue", F::PatternTint}},   {"Command75", {"Pattern in green", F::PatternTint}},
        {"Command76", {"Pattern in red", F::PatternTint}},    {"Command77", {"Pattern in yellow", F::PatternTint}},
        {"Command78", {"Pattern in purple", F::PatternTint}}, {"Command79", {"Pattern in grey", F::PatternTint}},
    };
    for (int i = 0; i < 6; ++i)
        t.push_back(operation(recolour[i].name, 256 + 24 * i, 360, R::PatternPanel, recolour[i].entry));
    t.push_back(operation("Command67", 456, 160, R::PatternPanel, {"Draw pattern over the picture", F::PatternApply},
                          "Draw pattern"));
    t.push_back(operation("Command68", 480, 160, R::PatternPanel, {"Blend pattern into the picture", F::PatternApply},
                          "Merge pattern into image"));
    t.push_back(operation("Command57", 456, 184, R::PatternPanel, {"Draw pattern on alternate pixels", F::PatternApply},
                          "Merge by pixels"));
    t.push_back(operation("Command69", 480, 184, R::PatternPanel, {"Fill the pattern", F::PatternEdit}));
    t.push_back(check("Check1", 456, 216, "Transparent", "Paint transparent cells"));
    t.push_back(check("Check2", 480, 216, "Get color", "Pick colours from cells"));
    t.push_back(check("Check3", 504, 216, "Get color", "Keep cells while painting transparent"));
    t.push_back(operation("Command96", 456, 240, R::PatternPanel, {"Turn pattern left", F::PatternEdit}));
    t.push_back(operation("Command97", 480, 240, R::PatternPanel, {"Turn pattern right", F::PatternEdit}));
    t.push_back(operation("Command98", 456, 264, R::PatternPanel, {"Mirror pattern left to right", F::PatternEdit},
                          "Mirror H"));
    t.push_back(operation("Command99", 480, 264, R::PatternPanel, {"Mirror pattern top to bottom", F::PatternEdit},
                          "Mirror V"));
    t.push_back(operation("Command100", 456, 288, R::PatternPanel, {"Half-turn pattern", F::PatternEdit}));
    t.push_back(
        operation("Command101", 480, 288, R::PatternPanel, {"Half-turn pattern (second button)", F::PatternEdit}));
    t.push_back(dialog("Command72", "pattern-open", 456, 312, ToolboxDialog::OpenPattern,
                       {"Open pattern...", F::PatternFiles}, "opens a saved pattern (dialog \"Open pattern\")",
                       "--pattern FILE"));
    t.push_back(dialog("Command73", "pattern-save", 480, 312, ToolboxDialog::SavePattern,
                       {"Save pattern...", F::PatternFiles}, "saves the pattern under a name (dialog \"Save pattern\")",
                       "nothing: saving a pattern is not available in batch runs"));

    // The lone shrink button carries its designer name as its caption.
    ToolboxButton shrink = operation("Command39", 512, 352, R::Loose, {"Squeeze into the left third", F::BlurMosaic});
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
