#include "support/fixtures.h"
#include "toolbox/seam_commands.h"
#include "toolbox/seam_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace quill {
namespace {

QImage greyImage(int w, int h, const std::function<int(int, int)> &value)
{
    return testing::imageOf(w, h, [&](int x, int y) {
        const int v = std::clamp(value(x, y), 0, 255);
        return qRgb(v, v, v);
    });
}

TEST(SeamScore, HandComputedFourByFour)
{
    // Rows 0, 10, 20, 30: the wrap step is 30, the steps beside it 10; columns are equal.
    const QImage image = greyImage(4, 4, [](int x, int) { return 10 * x; });
    const SeamScore s = seamScore(image, Lattice::Grid);
    EXPECT_DOUBLE_EQ(s.x, 3.0);
    EXPECT_DOUBLE_EQ(s.y, 1.0); // no step anywhere counts as seamless
    EXPECT_DOUBLE_EQ(s.s, 3.0);
}

class SeamChannelTest : public ::testing::TestWithParam<int> {};

// One channel ramps 0, 10, ..., 70 across an 8-pixel row, the others stay flat:
// the wrap step is 70 against steps of 10 beside it, in whichever channel.
TEST_P(SeamChannelTest, EachChannelCountsOnItsOwn)
{
    const int shift = GetParam();
    const QImage across = testing::imageOf(8, 3, [&](int x, int) { return 0xff000000u | (10u * x) << shift; });
    EXPECT_DOUBLE_EQ(seamScore(across, Lattice::Grid).x, 7.0);
    EXPECT_DOUBLE_EQ(seamScore(across, Lattice::Grid).y, 1.0);
    const QImage down = testing::imageOf(3, 8, [&](int, int y) { return 0xff000000u | (10u * y) << shift; });
    EXPECT_DOUBLE_EQ(seamScore(down, Lattice::Grid).y, 7.0);
    EXPECT_DOUBLE_EQ(seamScore(down, Lattice::Grid).x, 1.0);
}

INSTANTIATE_TEST_SUITE_P(RedGreenBlue, SeamChannelTest, ::testing::Values(16, 8, 0));

struct StepAt {
    int pair;     // the step lies between pixels pair and pair + 1 of 20
    double score; // of the seam it makes with the wrap step of 80
};

class SeamPairTest : public ::testing::TestWithParam<StepAt> {};

// A picture black up to one step, grey 80 after it: the only step beside the
// seam is that one, so where it is one of the eight pairs counted (four on each
// side) the mean interior step is 80 / 8 and the score 8; further in it counts
// nowhere and the score is the bare wrap step.
TEST_P(SeamPairTest, CountsTheFourPairsOnEachSide)
{
    const StepAt c = GetParam();
    const auto grey = [&](int a) { return a > c.pair ? qRgb(80, 80, 80) : qRgb(0, 0, 0); };
    EXPECT_DOUBLE_EQ(seamScore(testing::imageOf(20, 2, [&](int x, int) { return grey(x); }), Lattice::Grid).x, c.score);
    EXPECT_DOUBLE_EQ(seamScore(testing::imageOf(2, 20, [&](int, int y) { return grey(y); }), Lattice::Grid).y, c.score);
}

INSTANTIATE_TEST_SUITE_P(Pairs, SeamPairTest,
                         ::testing::Values(StepAt{0, 8}, StepAt{1, 8}, StepAt{2, 8}, StepAt{3, 8}, StepAt{4, 80},
                                           StepAt{14, 80}, StepAt{15, 8}, StepAt{16, 8}, StepAt{17, 8}, StepAt{18, 8}));

class SeamlessTileScoreTest : public ::testing::TestWithParam<int> {};

TEST_P(SeamlessTileScoreTest, SeamlessTilesScoreAboutOne)
{
    const int n = GetParam();
    const QImage wave = greyImage(n, n + 3, [n](int x, int y) {
        return static_cast<int>(
            std::lround(127.5 + 127.5 * std::sin(2 * M_PI * x / n) * std::sin(2 * M_PI * y / (n + 3))));
    });
    const SeamScore ws = seamScore(wave, Lattice::Grid);
    EXPECT_GE(ws.s, 0.8);
    EXPECT_LE(ws.s, 1.25);
    const QImage noise = testing::randomImage(n, n, static_cast<unsigned>(n));
    const SeamScore ns = seamScore(noise, Lattice::Grid);
    EXPECT_GE(ns.x, 0.8);
    EXPECT_LE(ns.s, 1.25);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SeamlessTileScoreTest, ::testing::Values(65, 128));

TEST(SeamMarks, MarkExactlyTheRowsOfASeam)
{
    // A flat tile whose last column differs in rows 10..19 only.
    const QImage image = greyImage(40, 40, [](int x, int y) { return x == 39 && y >= 10 && y < 20 ? 200 : 60; });
    const SeamMarks marks = seamMarks(image, Lattice::Grid);
    for (int y = 0; y < 40; ++y)
        EXPECT_EQ(marks.rows[static_cast<std::size_t>(y)], y >= 10 && y < 20) << y;
    for (bool column : marks.columns)
        EXPECT_FALSE(column);
}

TEST(MakeSeamless, TinyPicturesSurvive)
{
    for (QSize size : {QSize(1, 1), QSize(2, 1), QSize(3, 3)}) {
        QImage picture = testing::randomImage(size.width(), size.height(), 4);
        makeSeamless(picture, Lattice::Grid);
        EXPECT_EQ(picture.size(), size);
    }
}

using SeamCommandTest = testing::CoreTest;

TEST_F(SeamCommandTest, MakeSeamlessRepairsARampAndUndoBringsItBack)
{
    const QImage ramp = testing::imageOf(128, 40, [](int x, int) { return qRgb(x * 2, 100, 50); });
    doc.replaceWith(ramp);
    makeSeamlessCommand(session);
    EXPECT_LE(seamScore(doc.picture().Image(), Lattice::Grid).s, 1.25);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    session.undo.Undo(doc);
    EXPECT_EQ(doc.picture().Image(), ramp);
}

struct GradeCase {
    double score;
    SeamGrade grade;
    const char *label;
};

class SeamGradeTest : public ::testing::TestWithParam<GradeCase> {};

TEST_P(SeamGradeTest, GreenAmberRed)
{
    EXPECT_EQ(seamGrade(GetParam().score), GetParam().grade);
    EXPECT_EQ(seamLabel(GetParam().score), QString::fromLatin1(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(Bands, SeamGradeTest,
                         ::testing::Values(GradeCase{0.4, SeamGrade::Good, "Seam 0.40 smoothed"},
                                           GradeCase{0.75, SeamGrade::Good, "Seam 0.75 seamless"},
                                           GradeCase{1.02, SeamGrade::Good, "Seam 1.02 seamless"},
                                           GradeCase{1.25, SeamGrade::Good, "Seam 1.25 seamless"},
                                           GradeCase{1.26, SeamGrade::Fair, "Seam 1.26 faint seam"},
                                           GradeCase{2.0, SeamGrade::Fair, "Seam 2.00 faint seam"},
                                           GradeCase{9.5, SeamGrade::Poor, "Seam 9.50 visible seam"},
                                           GradeCase{36.2, SeamGrade::Poor, "Seam 36 visible seam"}));

} // namespace
} // namespace quill
