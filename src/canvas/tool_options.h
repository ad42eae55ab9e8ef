// The settings the Options window edits, by tool: which of its three rows
// (slider + text box) a tool uses, what each row edits, how typed numbers are
// read, and the small preview of the width or the spray.
// Called by the Options window; tests call it directly. No widget here.
#pragma once

#include "document/app_state.h"
#include "document/random_source.h"
#include "surface/surface.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quill {

inline constexpr int kOptionRows = 3;
// Slider ranges 1..max per row; typed values must stay below the limit.
inline constexpr std::array<int, kOptionRows> kSliderMaximum{1000, 200, 200};
inline constexpr std::array<int, kOptionRows> kTypedLimit{1000, 200, 200};
// The preview picture: 975 twips square at (120, 120).
inline constexpr int kOptionsPreviewTwips = 975;

struct OptionsLayout {
    std::array<bool, kOptionRows> shown{};
    // New captions of Label1..Label3; tools without rows leave them as they are.
    std::optional<std::array<QString, kOptionRows>> captions;
    // Tools whose preview is the spray rather than one dot.
    bool spray = false;
};

OptionsLayout optionsLayout(int toolMode);

// The setting row 0..2 edits for a tool, or nullptr when the row edits nothing.
std::int16_t *optionSetting(AppState &state, int toolMode, int row);
std::optional<int> optionValue(const AppState &state, int toolMode, int row);

// A slider moved: the row's setting takes its value. False when the row edits nothing.
bool applySliderValue(AppState &state, int toolMode, int row, int value);

// Text typed into a row: its leading number ("12abc" is 12, "" is 0) counts
// when it lies in 1 up to (not including) the row's limit; then the setting
// takes it, rounded to a whole number, which the slider should show too.
std::optional<std::int16_t> typedOptionValue(int row, const QString &text);
std::optional<std::int16_t> applyTypedValue(AppState &state, int toolMode, int row, const QString &text);

// Redraws the preview: a dot as wide as the first slider, or a spray of dots
// with the spray settings around the centre.
void drawOptionsPreview(Surface &preview, const AppState &state, int toolMode, int firstSliderValue,
                        RandomSource &random);

} // namespace quill
