// Filters that work several pixels at a time, on pictures of widths that are
// not multiples of that count: the pixels left over after the wide loop must
// come out as the ones inside it.
#include "filter_helpers.h"

#include <algorithm>
#include <array>

namespace quill {
namespace {

// Each row one colour; 234 and 21 have room for a step of 20, 235 and 20 do not.
constexpr std::array<Colour, 5> kRows = {rgb(234, 21, 235), rgb(235, 234, 20), rgb(21, 235, 234), rgb(20, 20, 21),
                                         rgb(234, 234, 21)};

struct StepCase {
    const char *alias;
    std::array<Colour, 5> after; // each row's colour after one click, worked out by hand
};

class ChannelStepTest : public testing::FilterTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ChannelStepTest, EveryColumnStepsAtTheSameBoundaryWhateverTheWidth)
{
    for (int width = 1; width <= 9; ++width) {
        load(testing::imageOf(width, 5, [](int, int y) { return toQRgb(kRows[static_cast<std::size_t>(y)]); }));
        click(QString::fromLatin1(GetParam().alias));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(at(x, y), GetParam().after[static_cast<std::size_t>(y)])
                    << "width " << width << ", pixel " << x << "," << y;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Steps, ChannelStepTest, ::testing::Values(
    StepCase{"red-up", {rgb(254, 21, 235), rgb(235, 234, 20), rgb(41, 235, 234), rgb(40, 20, 21), rgb(254, 234, 21)}},
    StepCase{"red-down", {rgb(214, 21, 235), rgb(215, 234, 20), rgb(1, 235, 234), rgb(20, 20, 21), rgb(214, 234, 21)}},
    StepCase{"green-up", {rgb(234, 41, 235), rgb(235, 254, 20), rgb(21, 235, 234), rgb(20, 40, 21), rgb(234, 254, 21)}},
    StepCase{"green-down", {rgb(234, 1, 235), rgb(235, 214, 20), rgb(21, 215, 234), rgb(20, 20, 21), rgb(234, 214, 21)}},
    StepCase{"blue-up", {rgb(234, 21, 235), rgb(235, 234, 40), rgb(21, 235, 254), rgb(20, 20, 41), rgb(234, 234, 41)}},
    StepCase{"blue-down", {rgb(234, 21, 215), rgb(235, 234, 20), rgb(21, 235, 214), rgb(20, 20, 1), rgb(234, 234, 1)}},
    // All three channels, only where each has room.
    StepCase{"white-up", {rgb(234, 21, 235), rgb(235, 234, 20), rgb(21, 235, 234), rgb(40, 40, 41), rgb(254, 254, 41)}},
    StepCase{"white-down", {rgb(214, 1, 215), rgb(235, 234, 20), rgb(1, 215, 214), rgb(20, 20, 21), rgb(214, 214, 1)}},
    // Red first where red and green have room, then green tested again on the new red.
    StepCase{"yellow-up", {rgb(254, 21, 235), rgb(235, 234, 20), rgb(21, 235, 234), rgb(40, 40, 21), rgb(254, 234, 21)}},
    StepCase{"yellow-down", {rgb(214, 1, 235), rgb(215, 214, 20), rgb(1, 235, 234), rgb(20, 20, 21), rgb(214, 214, 21)}}),
    [](const auto &info) {
        std::string name = info.param.alias;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });
// clang-format on

class WideLoopTest : public testing::FilterTest {};

// Grey levels (r + g + b) / 3 to nearest, worked out by hand.
constexpr std::array<std::pair<Colour, int>, 6> kGreys = {{{rgb(1, 1, 2), 1},
                                                           {rgb(20, 21, 234), 92},
                                                           {rgb(21, 234, 255), 170},
                                                           {rgb(255, 255, 254), 255},
                                                           {rgb(0, 1, 1), 1},
                                                           {rgb(0, 0, 1), 0}}};

TEST_F(WideLoopTest, GreyLevelsAreTheSameInEveryColumnWhateverTheWidth)
{
    for (int width = 1; width <= 17; ++width) {
        load(testing::imageOf(width, 6, [](int, int y) { return toQRgb(kGreys[static_cast<std::size_t>(y)].first); }));
        click(QStringLiteral("purple"));
        for (int y = 0; y < 6; ++y) {
            const int g = kGreys[static_cast<std::size_t>(y)].second;
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(at(x, y), rgb(g, 0, g)) << "width " << width << ", pixel " << x << "," << y;
        }
    }
}

// One bright pixel on black, blurred: it and its four neighbours each get a
// fifth of it, (250 + 2) / 5 = 50, (125 + 2) / 5 = 25, (50 + 2) / 5 = 10;
// everything else stays black, wherever in the row the pixel sits.
TEST_F(WideLoopTest, ABlurredPixelReachesItsFourNeighboursWhereverItSits)
{
    for (const int width : {3, 6, 11}) {
        for (int column = 0; column < width; ++column) {
            load(testing::withPixel(testing::solidImage(width, 3, kBlack), {column, 1}, rgb(250, 125, 50)));
            click(QStringLiteral("blur"));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x) {
                    const bool reached = std::abs(x - column) + std::abs(y - 1) <= 1;
                    ASSERT_EQ(at(x, y), reached ? rgb(50, 25, 10) : kBlack)
                        << "width " << width << ", bright " << column << ", pixel " << x << "," << y;
                }
        }
    }
}

} // namespace
} // namespace quill
