#include "shell/seam_commands.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

class SeamCommandsTest : public testing::CoreTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(SeamCommandsTest, OffsetTwiceRestoresThePictureAndTakesASnapshotEach)
{
    const QSize size = GetParam();
    const QImage picture = testing::randomImage(size.width(), size.height(), 21);
    doc.replaceWith(picture);
    SeamState seam;
    offsetByHalf(session, seam);
    EXPECT_TRUE(seam.shiftedByHalf);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(doc.picture().Image().pixel(size.width() / 2, size.height() / 2), picture.pixel(0, 0));
    offsetByHalf(session, seam);
    EXPECT_EQ(doc.picture().Image(), picture);
    EXPECT_EQ(session.undo.UndoCount, 2);
    session.undo.Undo(doc);
    EXPECT_EQ(doc.picture().Image().pixel(size.width() / 2, size.height() / 2), picture.pixel(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SeamCommandsTest,
                         ::testing::Values(QSize(1, 1), QSize(7, 5), QSize(8, 8), QSize(33, 2)));

class SeamCommandTest : public testing::CoreTest {};

TEST_F(SeamCommandTest, MakeSeamlessRepairsARampAndCanBeUndone)
{
    QImage ramp(128, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 128; ++x)
            ramp.setPixel(x, y, qRgb(x * 2, 100, 50));
    doc.replaceWith(ramp);
    EXPECT_GT(seamScore(doc.picture().Image()).s, 50);
    makeSeamlessCommand(session);
    const double after = seamScore(doc.picture().Image()).s;
    EXPECT_GE(after, 0.5);
    EXPECT_LE(after, 1.25);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    session.undo.Undo(doc);
    EXPECT_EQ(doc.picture().Image(), ramp);
}

TEST_F(SeamCommandTest, WrapReachesEveryLayer)
{
    SeamState seam;
    setWrapAtEdges(session, seam, true);
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_TRUE(doc.layer(i).wrapEdges()) << i;
    setWrapAtEdges(session, seam, false);
    EXPECT_FALSE(doc.layer(4).wrapEdges());
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
                         ::testing::Values(GradeCase{1.0, SeamGrade::Good, "Seam 1.00"},
                                           GradeCase{1.25, SeamGrade::Good, "Seam 1.25"},
                                           GradeCase{1.26, SeamGrade::Fair, "Seam 1.26"},
                                           GradeCase{2.0, SeamGrade::Fair, "Seam 2.00"},
                                           GradeCase{255, SeamGrade::Poor, "Seam 255.00"}));

} // namespace
} // namespace quill
