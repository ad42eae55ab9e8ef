#include "surface/colour.h"
#include "surface/numeric_rules.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(NumericRules, RoundsHalfToEvenAndDividesTowardZero)
{
    for (auto [value, rounded] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-0.5, 0}, {2.6, 3}, {122.466, 122}})
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    EXPECT_EQ(intDiv(-7, 2), -3);
    EXPECT_EQ(modDividendSign(-7, 3), -1);
    EXPECT_EQ(modDividendSign(7, -3), 1);
}

TEST(NumericRules, SixteenBitValuesOverflowWhereTheIntegerWould)
{
    EXPECT_EQ(toInt16(32767.4), std::optional<std::int16_t>(32767));
    EXPECT_EQ(toInt16(-32768), std::optional<std::int16_t>(-32768));
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
}

class LeadingNumberTest : public ::testing::TestWithParam<std::pair<const char *, double>> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumberOfTypedText)
{
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         ::testing::Values(std::pair{"12abc", 12.0}, std::pair{"", 0.0}, std::pair{"-3", -3.0},
                                           std::pair{" 1 2 ", 12.0}, std::pair{"1e3", 1000.0}, std::pair{"2e", 2.0}));

TEST(Colours, SplitWithoutAnUpperClampAndComposeWithOne)
{
    const auto check = [](std::int64_t colour, int red, int green, int blue) {
        const SplitComponents parts = splitComponents(colour);
        EXPECT_EQ(std::tuple(parts.red, parts.green, parts.blue), std::tuple(red, green, blue)) << colour;
    };
    check(16777215, 255, 255, 255);
    check(1 + 2 * 256 + 3 * 65536, 1, 2, 3);
    check(-1, 0, 0, 0);
    check(256LL * 65536 + 5, 5, 0, 256);
    EXPECT_EQ(rgb(300, 0, 0), 255);
    EXPECT_EQ(rgb(0, 0, 256), 255 * 65536);
    EXPECT_EQ(toQRgb(rgb(1, 2, 3)), 0xff010203u);
    EXPECT_EQ(fromQRgb(toQRgb(1193046)), 1193046);
}

} // namespace
} // namespace quill
