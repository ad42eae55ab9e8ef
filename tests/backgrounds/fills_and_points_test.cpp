#include "backgrounds/fills_and_points.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct AnswerCase {
    std::optional<QString> answer; // nullopt: the box is cancelled
    int points;                    // background-colour points expected
};

class PointFieldTest : public testing::CoreTest, public ::testing::WithParamInterface<AnswerCase> {};

// A 300 x 300 ground takes a few points without two landing on one pixel.
TEST_P(PointFieldTest, DrawsOneMorePointThanTheAnswerSays)
{
    const Colour fore = rgb(20, 40, 60), back = rgb(240, 220, 200);
    testing::preparePicture(session, 300, 300);
    session.random.seed(12345);
    if (GetParam().answer)
        host.inputAnswers.push_back(*GetParam().answer);
    testing::click(session, "points", fore, back);

    ASSERT_EQ(host.inputPrompts.size(), 1u);
    EXPECT_EQ(host.inputPrompts[0], QStringLiteral("Enter the number of points:"));
    const QImage &image = doc.picture().Image();
    EXPECT_EQ(testing::countPixels(image, back), GetParam().points);
    EXPECT_EQ(testing::countPixels(image, fore), 300 * 300 - GetParam().points);
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(Answers, PointFieldTest,
                         ::testing::Values(AnswerCase{std::nullopt, 1}, AnswerCase{QStringLiteral("2.5"), 3},
                                           AnswerCase{QStringLiteral("12abc"), 13}, AnswerCase{QStringLiteral("-4"), 0},
                                           AnswerCase{QStringLiteral("32768"), 1}));

class FillFixture : public testing::CoreTest {};

TEST_F(FillFixture, AHugeCountIsNotAHang)
{
    // The largest count the box accepts: 32768 points on a 3000 x 2 ground.
    testing::preparePicture(session, 3000, 2);
    host.inputAnswers.push_back(QStringLiteral("32767"));
    testing::click(session, "points", kBlack, kWhite);
    EXPECT_GT(testing::countPixels(doc.picture().Image(), kWhite), 2000);
}

TEST_F(FillFixture, FillPaintsTheWholePictureInTheBackgroundColour)
{
    for (const QSize size : {QSize(1, 1), QSize(97, 61)}) {
        testing::preparePicture(session, size.width(), size.height());
        testing::click(session, "fill", kBlack, rgb(10, 200, 30));
        EXPECT_EQ(testing::countPixels(doc.picture().Image(), rgb(10, 200, 30)), size.width() * size.height());
        EXPECT_TRUE(testing::allLayersEqual(doc));
        EXPECT_EQ(doc.picture().BackColor, rgb(10, 200, 30));
    }
}

TEST_F(FillFixture, SprinkleAddsForegroundPointsAndDiffersFromClickToClick)
{
    testing::preparePicture(session, 400, 300);
    testing::click(session, "sprinkle", rgb(1, 2, 3), kWhite);
    const QImage first = doc.picture().Image().copy();
    const int points = testing::countPixels(first, rgb(1, 2, 3));
    EXPECT_GT(points, 950);
    EXPECT_LE(points, kSprinkledPoints);
    EXPECT_EQ(points + testing::countPixels(first, testing::kOldPicture), 400 * 300);

    testing::preparePicture(session, 400, 300);
    testing::click(session, "sprinkle", rgb(1, 2, 3), kWhite);
    EXPECT_FALSE(first == doc.picture().Image());
}

} // namespace
} // namespace quill
