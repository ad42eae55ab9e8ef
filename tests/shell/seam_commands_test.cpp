#include "support/fixtures.h"
#include "toolbox/seam_commands.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using SeamCommandTest = testing::CoreTest;

TEST_F(SeamCommandTest, MakeSeamlessRepairsARampAndUndoBringsItBack)
{
    const QImage ramp = testing::imageOf(128, 40, [](int x, int) { return qRgb(x * 2, 100, 50); });
    doc.replaceWith(ramp);
    makeSeamlessCommand(session);
    EXPECT_LE(seamScore(doc.picture().Image()).s, 1.25);
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
                         ::testing::Values(GradeCase{1.25, SeamGrade::Good, "Seam 1.25"},
                                           GradeCase{1.26, SeamGrade::Fair, "Seam 1.26"},
                                           GradeCase{2.0, SeamGrade::Fair, "Seam 2.00"},
                                           GradeCase{255, SeamGrade::Poor, "Seam 255.00"}));

} // namespace
} // namespace quill
