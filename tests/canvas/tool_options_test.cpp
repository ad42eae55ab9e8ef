#include "canvas/tool_options.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct LayoutCase {
    int tool;
    std::array<bool, kOptionRows> shown;
    const char *captions; // joined with '|', nullptr when left unchanged
};

class OptionsLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(OptionsLayoutTest, EachToolShowsItsRowsAndCaptions)
{
    const LayoutCase c = GetParam();
    const OptionsLayout layout = optionsLayout(c.tool);
    EXPECT_EQ(layout.shown, c.shown);
    ASSERT_EQ(layout.captions.has_value(), c.captions != nullptr);
    if (c.captions) {
        const auto &caps = *layout.captions;
        EXPECT_EQ(caps[0] + u'|' + caps[1] + u'|' + caps[2], QString::fromLatin1(c.captions));
    }
    AppState state;
    for (int row = 0; row < kOptionRows; ++row)
        EXPECT_EQ(optionSetting(state, c.tool, row) != nullptr, c.shown[static_cast<std::size_t>(row)]) << row;
}

constexpr std::array<bool, 3> kWidthRow{true, false, false};
constexpr std::array<bool, 3> kAllRows{true, true, true};
constexpr std::array<bool, 3> kNoRows{false, false, false};

INSTANTIATE_TEST_SUITE_P(Tools, OptionsLayoutTest,
                         ::testing::Values(LayoutCase{1, kWidthRow, "Drawwidth:||"},
                                           LayoutCase{13, kAllRows, "Drawwidth:|Pointwidth:|Points:"},
                                           LayoutCase{19, kAllRows, "Drawwidth:|Height:|Number:"},
                                           LayoutCase{11, kNoRows, nullptr}));

TEST(OptionsSettings, SlidersEditTheirOwnToolsSettings)
{
    AppState s;
    for (int row = 0; row < 3; ++row)
        ASSERT_TRUE(applySliderValue(s, 19, row, 4 + row));
    EXPECT_EQ(std::tuple(s.ToolDrawWidth[19], s.PointWidth, s.PointCount), std::tuple(4, 5, 6));
    ASSERT_TRUE(applySliderValue(s, 13, 2, 150));
    EXPECT_EQ(s.SprayPointCount, 150);
    ASSERT_TRUE(applySliderValue(s, 7, 0, 1000)); // the slider reaches 1000
    EXPECT_EQ(s.ToolDrawWidth[7], 1000);
    EXPECT_EQ(s.ToolDrawWidth[1], 10); // other tools keep theirs
    EXPECT_FALSE(applySliderValue(s, 11, 0, 5));
    EXPECT_FALSE(applySliderValue(s, 2, 1, 5));
}

struct TypedCase {
    const char *text;
    int row;
    std::optional<int> taken;
};

class TypedValueTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedValueTest, TypedNumbersCountOnlyInsideTheRowsRange)
{
    const TypedCase c = GetParam();
    AppState s;
    const int before = *optionValue(s, 13, c.row);
    const auto v = applyTypedValue(s, 13, c.row, QString::fromLatin1(c.text));
    EXPECT_EQ(v ? std::optional<int>(*v) : std::nullopt, c.taken);
    EXPECT_EQ(*optionValue(s, 13, c.row), c.taken.value_or(before));
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedValueTest,
                         ::testing::Values(TypedCase{"12abc", 0, 12}, TypedCase{"", 0, std::nullopt},
                                           TypedCase{"999", 0, 999}, TypedCase{"1000", 0, std::nullopt},
                                           TypedCase{"0", 0, std::nullopt}, TypedCase{"12.5", 0, 12},
                                           TypedCase{"200", 1, std::nullopt}, TypedCase{"199.7", 2, 200}));

TEST(OptionsPreview, TheDotIsAsWideAsTheSliderAndTextShowsNothing)
{
    Surface preview(65, 65);
    AppState s;
    RandomSource random(3);
    drawOptionsPreview(preview, s, 1, 30, random);
    EXPECT_EQ(testing::boundsOfNot(preview.Image(), kWhite).size(), QSize(30, 30));
    drawOptionsPreview(preview, s, 11, 20, random);
    EXPECT_EQ(testing::countPixels(preview.Image(), kWhite), 65 * 65);
}

} // namespace
} // namespace quill
