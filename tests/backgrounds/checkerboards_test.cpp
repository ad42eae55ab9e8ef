#include "backgrounds/checkerboards.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::GeneratorCase;

// Corners, the centre, points in the first cells of the top row and left
// column, and the centres of two discs, worked out from the cell formulas.
// clang-format off
const GeneratorCase kCheckerCases[] = {
    {"checker", 320, 320, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {319, 319, rgb(0, 0, 0)}, {319, 0, rgb(255, 255, 255)}, {0, 319, rgb(255, 255, 255)}, {160, 160, rgb(0, 0, 0)}, {20, 10, rgb(0, 0, 0)}, {60, 10, rgb(255, 255, 255)}, {100, 10, rgb(0, 0, 0)}, {140, 10, rgb(255, 255, 255)}, {30, 20, rgb(0, 0, 0)}, {30, 60, rgb(255, 255, 255)}, {30, 100, rgb(0, 0, 0)}, {30, 140, rgb(255, 255, 255)}, {7, 60, rgb(255, 255, 255)}, {47, 20, rgb(255, 255, 255)}}},
    {"checker", 201, 150, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {200, 149, rgb(200, 30, 90)}, {200, 0, rgb(10, 220, 90)}, {0, 149, rgb(10, 220, 90)}, {100, 75, rgb(200, 30, 90)}, {12, 4, rgb(200, 30, 90)}, {37, 4, rgb(10, 220, 90)}, {62, 4, rgb(200, 30, 90)}, {87, 4, rgb(10, 220, 90)}, {18, 9, rgb(200, 30, 90)}, {18, 27, rgb(10, 220, 90)}, {18, 45, rgb(200, 30, 90)}, {18, 63, rgb(10, 220, 90)}, {24, 13, rgb(200, 30, 90)}}},
    {"checker-discs", 320, 320, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {319, 319, rgb(0, 0, 0)}, {319, 0, rgb(255, 255, 255)}, {0, 319, rgb(0, 0, 0)}, {160, 160, rgb(0, 0, 0)}, {20, 10, rgb(255, 255, 255)}, {60, 10, rgb(0, 0, 0)}, {100, 10, rgb(255, 255, 255)}, {140, 10, rgb(0, 0, 0)}, {30, 20, rgb(0, 0, 0)}, {30, 60, rgb(255, 255, 255)}, {30, 100, rgb(0, 0, 0)}, {30, 140, rgb(255, 255, 255)}, {7, 60, rgb(0, 0, 0)}, {47, 20, rgb(0, 0, 0)}}},
    {"checker-discs", 201, 150, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(10, 220, 90)}, {200, 149, rgb(200, 30, 90)}, {200, 0, rgb(10, 220, 90)}, {0, 149, rgb(10, 220, 90)}, {100, 75, rgb(200, 30, 90)}, {12, 4, rgb(200, 30, 90)}, {37, 4, rgb(10, 220, 90)}, {62, 4, rgb(200, 30, 90)}, {87, 4, rgb(10, 220, 90)}, {18, 9, rgb(200, 30, 90)}, {18, 27, rgb(10, 220, 90)}, {18, 45, rgb(10, 220, 90)}, {18, 63, rgb(200, 30, 90)}, {24, 13, rgb(200, 30, 90)}}},
    {"checker-fg", 320, 320, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {319, 319, rgb(0, 0, 0)}, {319, 0, rgb(255, 0, 255)}, {0, 319, rgb(255, 0, 255)}, {160, 160, rgb(0, 0, 0)}, {20, 10, rgb(0, 0, 0)}, {60, 10, rgb(255, 0, 255)}, {100, 10, rgb(0, 0, 0)}, {140, 10, rgb(255, 0, 255)}, {30, 20, rgb(0, 0, 0)}, {30, 60, rgb(255, 0, 255)}, {30, 100, rgb(0, 0, 0)}, {30, 140, rgb(255, 0, 255)}, {7, 60, rgb(255, 0, 255)}, {47, 20, rgb(255, 0, 255)}}},
    {"checker-fg", 201, 150, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {200, 149, rgb(200, 30, 90)}, {200, 0, rgb(255, 0, 255)}, {0, 149, rgb(255, 0, 255)}, {100, 75, rgb(200, 30, 90)}, {12, 4, rgb(200, 30, 90)}, {37, 4, rgb(255, 0, 255)}, {62, 4, rgb(200, 30, 90)}, {87, 4, rgb(255, 0, 255)}, {18, 9, rgb(200, 30, 90)}, {18, 27, rgb(255, 0, 255)}, {18, 45, rgb(200, 30, 90)}, {18, 63, rgb(255, 0, 255)}, {24, 13, rgb(200, 30, 90)}}},
    {"discs-fg", 320, 320, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {319, 319, rgb(255, 0, 255)}, {319, 0, rgb(255, 0, 255)}, {0, 319, rgb(255, 0, 255)}, {160, 160, rgb(255, 0, 255)}, {20, 10, rgb(0, 0, 0)}, {60, 10, rgb(255, 0, 255)}, {100, 10, rgb(0, 0, 0)}, {140, 10, rgb(255, 0, 255)}, {30, 20, rgb(255, 0, 255)}, {30, 60, rgb(0, 0, 0)}, {30, 100, rgb(255, 0, 255)}, {30, 140, rgb(0, 0, 0)}, {7, 60, rgb(255, 0, 255)}, {47, 20, rgb(255, 0, 255)}}},
    {"discs-fg", 201, 150, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {200, 149, rgb(255, 0, 255)}, {200, 0, rgb(200, 30, 90)}, {0, 149, rgb(255, 0, 255)}, {100, 75, rgb(200, 30, 90)}, {12, 4, rgb(255, 0, 255)}, {37, 4, rgb(255, 0, 255)}, {62, 4, rgb(255, 0, 255)}, {87, 4, rgb(255, 0, 255)}, {18, 9, rgb(255, 0, 255)}, {18, 27, rgb(200, 30, 90)}, {18, 45, rgb(200, 30, 90)}, {18, 63, rgb(255, 0, 255)}, {24, 13, rgb(255, 0, 255)}}},
};
// clang-format on

class CheckerTest : public testing::CoreTest, public ::testing::WithParamInterface<GeneratorCase> {};

TEST_P(CheckerTest, PaintsTheCellsOfTheFormulas) { testing::expectCase(session, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, CheckerTest, ::testing::ValuesIn(kCheckerCases));

class CheckerFixture : public testing::CoreTest {};

TEST_F(CheckerFixture, ForegroundOnlyFormsLeaveTheOddCellsAlone)
{
    for (const char *alias : {"checker-fg", "discs-fg"}) {
        testing::preparePicture(session, 320, 320); // cells of 40 pixels
        testing::click(session, alias, kBlack, kWhite);
        const QImage &image = doc.picture().Image();
        // Left in the cell: the discs of the cells to the right reach into it.
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 8; ++r) {
                if ((c + r) % 2 == 1) {
                    EXPECT_EQ(testing::pixelAt(image, c * 40 + 12, r * 40 + 20), testing::kOldPicture)
                        << alias << " cell " << c << ", " << r;
                }
            }
        }
        EXPECT_EQ(testing::countPixels(image, kWhite), 0) << alias;
    }
}

TEST_F(CheckerFixture, DiscsSitTenPointsLeftOfTheCellCentre)
{
    // 240 points square: cell (0, 0) is 0..30 points, its disc is centred at
    // (5, 15) points with radius 15, so half of it lies left of the picture.
    testing::preparePicture(session, 320, 320);
    testing::click(session, "checker-discs", kBlack, kWhite);
    const Surface &layer = doc.picture();
    EXPECT_EQ(layer.Point(5, 15), kWhite);
    EXPECT_EQ(layer.Point(0, 15), kWhite);
    EXPECT_EQ(layer.Point(25, 15), kBlack); // right of the disc, still in the cell
    EXPECT_EQ(layer.Point(45, 15), kBlack); // disc of cell (1, 0) in the foreground
    EXPECT_EQ(layer.FillStyle, 0);

    // Only the foreground discs: the disc of column 8 (centred 5 points beyond
    // the right edge) shows in the untouched cell (7, 0).
    testing::preparePicture(session, 320, 320);
    testing::click(session, "discs-fg", kBlack, kWhite);
    EXPECT_EQ(layer.Point(235, 15), kBlack);
    EXPECT_EQ(layer.Point(215, 15), testing::kOldPicture);
}

} // namespace
} // namespace quill
