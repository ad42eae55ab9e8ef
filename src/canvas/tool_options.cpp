#include "canvas/tool_options.h"

#include "document/tool_codes.h"
#include "surface/numeric_rules.h"

namespace quill {

namespace {

bool usesWidthOnly(int toolMode)
{
    switch (toolMode) {
    case kDrawTool:
    case kPointTool:
    case kLineTool:
    case kCircleTool:
    case kFilledCircleTool:
    case kRectangleTool:
    case kFilledRectangleTool:
    case kZoomTool:
        return true;
    default:
        return false;
    }
}

} // namespace

OptionsLayout optionsLayout(int toolMode)
{
    OptionsLayout layout;
    if (usesWidthOnly(toolMode)) {
        layout.shown = {true, false, false};
        layout.captions = {QStringLiteral("Drawwidth:"), QString(), QString()};
    } else if (toolMode == kSprayTool) {
        layout.shown = {true, true, true};
        layout.captions = {QStringLiteral("Drawwidth:"), QStringLiteral("Pointwidth:"), QStringLiteral("Points:")};
        layout.spray = true;
    } else if (toolMode == kMultiPolylineTool) {
        layout.shown = {true, true, true};
        layout.captions = {QStringLiteral("Drawwidth:"), QStringLiteral("Height:"), QStringLiteral("Number:")};
    }
    return layout;
}

namespace {

// Shared by the reading and the writing lookup; State is AppState or const AppState.
template <typename State> auto settingOf(State &state, int toolMode, int row) -> decltype(&state.PointWidth)
{
    if (row < 0 || row >= kOptionRows)
        return nullptr;
    if (usesWidthOnly(toolMode))
        return row == 0 ? &state.ToolDrawWidth[static_cast<std::size_t>(toolMode)] : nullptr;
    if (toolMode == kSprayTool) {
        decltype(&state.PointWidth) rows[] = {&state.SprayWidth, &state.SprayPointWidth, &state.SprayPointCount};
        return rows[row];
    }
    if (toolMode == kMultiPolylineTool) {
        decltype(&state.PointWidth) rows[] = {&state.ToolDrawWidth[kMultiPolylineTool], &state.PointWidth,
                                              &state.PointCount};
        return rows[row];
    }
    return nullptr;
}

} // namespace

std::int16_t *optionSetting(AppState &state, int toolMode, int row) { return settingOf(state, toolMode, row); }

std::optional<int> optionValue(const AppState &state, int toolMode, int row)
{
    if (const std::int16_t *setting = settingOf(state, toolMode, row))
        return *setting;
    return std::nullopt;
}

bool applySliderValue(AppState &state, int toolMode, int row, int value)
{
    std::int16_t *setting = optionSetting(state, toolMode, row);
    if (!setting)
        return false;
    const auto v = toInt16(value);
    if (!v)
        return false;
    *setting = *v;
    return true;
}

std::optional<std::int16_t> typedOptionValue(int row, const QString &text)
{
    if (row < 0 || row >= kOptionRows)
        return std::nullopt;
    const double v = leadingNumber(text.toStdString());
    if (!(v >= 1 && v < kTypedLimit[static_cast<std::size_t>(row)]))
        return std::nullopt;
    return toInt16(v);
}

std::optional<std::int16_t> applyTypedValue(AppState &state, int toolMode, int row, const QString &text)
{
    std::int16_t *setting = optionSetting(state, toolMode, row);
    if (!setting)
        return std::nullopt;
    const auto v = typedOptionValue(row, text);
    if (v)
        *setting = *v;
    return v;
}

void drawOptionsPreview(Surface &preview, const AppState &state, int toolMode, int firstSliderValue,
                        RandomSource &random)
{
    const OptionsLayout layout = optionsLayout(toolMode);
    preview.Cls();
    if (!layout.captions)
        return; // tools without settings show an empty preview
    const double cx = preview.ScaleWidth() / 2;
    const double cy = preview.ScaleHeight() / 2;
    if (!layout.spray) {
        preview.setDrawWidth(firstSliderValue);
        preview.PSet(cx - 40, cy - 40);
        return;
    }
    preview.setDrawWidth(state.SprayPointWidth);
    const double r = state.SprayWidth;
    for (int i = 1; i <= state.SprayPointCount; ++i) {
        const double r1 = random.next();
        const double r2 = random.next();
        const double r3 = random.next();
        const double r4 = random.next();
        preview.PSet(cx + r * r1 - 2 * r * r2, cy + r * r3 - 2 * r * r4);
    }
}

} // namespace quill
