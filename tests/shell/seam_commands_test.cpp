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
