#include "backgrounds/colour_step.h"

#include <gtest/gtest.h>

#include <vector>

namespace quill {
namespace {

struct StepCase {
    Colour from, to;
    double height;
    std::vector<int> reds; // red after 1, 2, ... steps
    int stallsAt;          // red once it stops changing
};

class ColourStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(ColourStepTest, MovesAFractionOfTheRestAndStalls)
{
    const StepCase &c = GetParam();
    GradientColour colour(c.from, c.to);
    EXPECT_EQ(colour.current(), c.from);
    for (int expected : c.reds) {
        colour.ColourStep(c.height);
        EXPECT_EQ(colour.red(), expected);
    }
    for (int i = 0; i < 2000; ++i)
        colour.ColourStep(c.height);
    EXPECT_EQ(colour.red(), c.stallsAt);
    const int before = colour.red();
    colour.ColourStep(c.height);
    EXPECT_EQ(colour.red(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourStepTest,
                         ::testing::Values(
                             // 300 points high: falls by one a step and stops at 150.
                             StepCase{kWhite, kBlack, 300, {254, 253, 252}, 150},
                             // 100 points high: 3, 3, 2, 2, ... and stops at 206.
                             StepCase{kBlack, kWhite, 100, {3, 6, 8, 10}, 206},
                             // Equal colours never move.
                             StepCase{rgb(77, 1, 2), rgb(77, 9, 9), 50, {77, 77}, 77},
                             // Less than a point high: overshoots and is capped to 0..255.
                             StepCase{rgb(255, 0, 0), rgb(0, 0, 0), 0.75, {28}, 0}));

TEST(ColourStep, ChannelsMoveOnTheirOwnAndHalvesRoundToEven)
{
    GradientColour colour(rgb(0, 255, 100), rgb(255, 0, 100));
    colour.ColourStep(100);
    EXPECT_EQ(colour.current(), rgb(3, 252, 100));
    // 105 + 150 / 300 = 105.5 goes to 106; 150 - 150 / 300 = 149.5 stays at 150.
    GradientColour up(rgb(105, 0, 0), rgb(255, 0, 0));
    up.ColourStep(300);
    EXPECT_EQ(up.red(), 106);
    GradientColour down(rgb(150, 0, 0), rgb(0, 0, 0));
    down.ColourStep(300);
    EXPECT_EQ(down.red(), 150);
}

} // namespace
} // namespace quill
