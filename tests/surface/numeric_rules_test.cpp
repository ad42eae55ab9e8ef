#include "surface/colour.h"
#include "surface/numeric_rules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quill {
namespace {

class RoundHalfEvenTest : public ::testing::TestWithParam<std::pair<double, std::int64_t>> {};

TEST_P(RoundHalfEvenTest, RoundsToNearestWithTiesToEven)
{
    EXPECT_EQ(roundHalfEven(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTest,
                         ::testing::Values(std::pair{2.5, 2}, std::pair{3.5, 4}, std::pair{25.5, 26},
                                           std::pair{-2.5, -2}, std::pair{0.4999, 0}, std::pair{1.5, 2},
                                           std::pair{2.6, 3}, std::pair{-0.5, 0}, std::pair{122.466, 122}));

TEST(IntegerDivision, TruncatesTowardZeroAndModKeepsTheDividendsSign)
{
    EXPECT_EQ(intDiv(7, 2), 3);
    EXPECT_EQ(intDiv(-7, 2), -3);
    EXPECT_EQ(modDividendSign(-7, 3), -1);
    EXPECT_EQ(modDividendSign(7, -3), 1);
    EXPECT_EQ(intDiv(-1, 65536), 0);
}

TEST(SixteenBit, OverflowsWhereASixteenBitIntegerWould)
{
    EXPECT_EQ(toInt16(32767.4), std::optional<std::int16_t>(32767));
    EXPECT_EQ(toInt16(-32768), std::optional<std::int16_t>(-32768));
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
    EXPECT_EQ(toInt16(2.5), std::optional<std::int16_t>(2));
}

class LeadingNumberTest : public ::testing::TestWithParam<std::pair<const char *, double>> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumberOfTypedText)
{
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         ::testing::Values(std::pair{"12abc", 12.0}, std::pair{"", 0.0}, std::pair{"abc", 0.0},
                                           std::pair{"-3", -3.0}, std::pair{"99999", 99999.0}, std::pair{" 1 2 ", 12.0},
                                           std::pair{"2.5x", 2.5}, std::pair{"1e3", 1000.0}, std::pair{"2e", 2.0},
                                           std::pair{"+7", 7.0}, std::pair{".5", 0.5}, std::pair{"-", 0.0}));

struct SplitCase {
    std::int64_t colour;
    int red, green, blue;
};

class SplitComponentsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitComponentsTest, SplitsWithoutAnUpperClamp)
{
    const auto [colour, red, green, blue] = GetParam();
    const SplitComponents parts = splitComponents(colour);
    EXPECT_EQ(parts.red, red);
    EXPECT_EQ(parts.green, green);
    EXPECT_EQ(parts.blue, blue);
}

INSTANTIATE_TEST_SUITE_P(Colours, SplitComponentsTest,
                         ::testing::Values(SplitCase{16777215, 255, 255, 255}, SplitCase{0, 0, 0, 0},
                                           SplitCase{65280, 0, 255, 0}, SplitCase{-1, 0, 0, 0},
                                           SplitCase{1 + 2 * 256 + 3 * 65536, 1, 2, 3},
                                           SplitCase{256LL * 65536 + 5, 5, 0, 256}, SplitCase{-65536 - 256, 0, 0, 0}));

TEST(ColourComposition, CapsComponentsAndRoundTripsThroughPixels)
{
    EXPECT_EQ(rgb(300, 0, 0), 255);
    EXPECT_EQ(rgb(0, 0, 256), 255 * 65536);
    for (Colour c : {0, 255, 65280, 16711680, 16777215, 1193046})
        EXPECT_EQ(fromQRgb(toQRgb(c)), c);
    EXPECT_EQ(toQRgb(rgb(1, 2, 3)), 0xff010203u);
}

} // namespace
} // namespace quill
