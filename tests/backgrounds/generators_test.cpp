#include "backgrounds/centred_figures.h"
#include "backgrounds/colour_step.h"
#include "backgrounds/gradients.h"
#include "backgrounds/stripes.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

#include <set>

namespace quill {
namespace {

using testing::GeneratorCase;

class GeneratorTest : public testing::CoreTest {};

const char *const kGenerators[] = {
    "gradient-h",     "gradient-v", "gradient-h2", "gradient-v2", "gradient-tl",   "gradient-tr",  "gradient-tl-br",
    "gradient-tr-bl", "circles",    "squares",     "diamonds",    "rays-12",       "rays-8",       "diamond-rays",
    "rays-thin",      "stripes-h",  "stripes-v",   "lines-h",     "lines-v",       "stripes-rise", "lines-rise",
    "stripes-fall",   "lines-fall", "stitching",   "checker",     "checker-discs", "checker-fg",   "discs-fg",
    "fill",           "points",     "sprinkle"};

class GeneratorButtonTest : public testing::CoreTest, public ::testing::WithParamInterface<const char *> {
protected:
    void clickButton(Colour fore, Colour back)
    {
        host.inputAnswers.push_back(QStringLiteral("25"));
        testing::click(session, GetParam(), fore, back);
    }
};

TEST_P(GeneratorButtonTest, OneSnapshotPerClickAndUndoRestores)
{
    testing::preparePicture(session, 83, 64);
    doc.picture().setPicture(testing::randomImage(83, 64, 3));
    doc.PropagateCentre();
    const QImage before = doc.picture().Image().copy();
    clickButton(rgb(250, 0, 0), rgb(0, 0, 250));
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_FALSE(doc.picture().Image() == before);
    clickButton(rgb(250, 0, 0), rgb(0, 0, 250));
    EXPECT_EQ(session.undo.UndoCount, 2);
    session.undo.Undo(doc);
    session.undo.Undo(doc);
    EXPECT_TRUE(doc.picture().Image() == before);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

// Tiny, very wide and very tall pictures (beyond 32767 twips, and tall enough
// for the diagonal sweeps to run their 16-bit position to its limit), with one
// colour for both: nothing but that colour and the old picture may appear.
TEST_P(GeneratorButtonTest, OddSizesAndEqualColours)
{
    for (const QSize size : {QSize(1, 1), QSize(2, 1), QSize(2300, 5), QSize(5, 2400)}) {
        testing::preparePicture(session, size.width(), size.height());
        clickButton(rgb(7, 77, 177), rgb(7, 77, 177));
        const QImage &image = doc.picture().Image();
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(testing::countPixels(image, rgb(7, 77, 177)) + testing::countPixels(image, testing::kOldPicture),
                  size.width() * size.height())
            << size.width() << " x " << size.height();
        EXPECT_TRUE(testing::allLayersEqual(doc));
    }
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, GeneratorButtonTest, ::testing::ValuesIn(kGenerators));

// Corners, centres and runs across the first bands, lines, figures and cells,
// worked out by hand from the formulas for two sizes and two colour pairs.
// clang-format off
const GeneratorCase kCases[] = {
    {"gradient-h", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(255, 0, 255)}, {0, 399, rgb(255, 0, 255)}, {400, 399, rgb(255, 0, 255)}, {200, 200, rgb(255, 0, 255)}, {0, 200, rgb(255, 0, 255)}, {1, 200, rgb(0, 0, 0)}, {2, 200, rgb(0, 0, 0)}, {3, 200, rgb(0, 0, 0)}, {4, 200, rgb(255, 0, 255)}, {5, 200, rgb(1, 1, 1)}, {6, 200, rgb(1, 1, 1)}, {7, 200, rgb(1, 1, 1)}, {400, 200, rgb(255, 0, 255)}, {399, 200, rgb(99, 99, 99)}, {398, 200, rgb(99, 99, 99)}, {397, 200, rgb(99, 99, 99)}}},
    {"gradient-h", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(67, 163, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(67, 163, 90)}, {48, 37, rgb(111, 119, 90)}, {0, 37, rgb(200, 30, 90)}, {1, 37, rgb(197, 33, 90)}, {2, 37, rgb(197, 33, 90)}, {3, 37, rgb(194, 36, 90)}, {4, 37, rgb(191, 39, 90)}, {5, 37, rgb(188, 42, 90)}, {6, 37, rgb(188, 42, 90)}, {7, 37, rgb(185, 45, 90)}, {96, 37, rgb(67, 163, 90)}, {95, 37, rgb(67, 163, 90)}, {94, 37, rgb(68, 162, 90)}, {93, 37, rgb(68, 162, 90)}}},
    {"gradient-v", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(255, 0, 255)}, {0, 399, rgb(74, 74, 74)}, {400, 399, rgb(74, 74, 74)}, {200, 200, rgb(37, 37, 37)}, {200, 0, rgb(255, 0, 255)}, {200, 1, rgb(0, 0, 0)}, {200, 2, rgb(0, 0, 0)}, {200, 3, rgb(0, 0, 0)}, {200, 4, rgb(0, 0, 0)}, {200, 5, rgb(255, 0, 255)}, {200, 6, rgb(255, 0, 255)}, {200, 7, rgb(1, 1, 1)}, {200, 399, rgb(74, 74, 74)}, {200, 398, rgb(74, 74, 74)}, {200, 397, rgb(74, 74, 74)}, {200, 396, rgb(74, 74, 74)}}},
    {"gradient-v", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(83, 147, 90)}, {96, 74, rgb(83, 147, 90)}, {48, 37, rgb(127, 103, 90)}, {48, 0, rgb(200, 30, 90)}, {48, 1, rgb(197, 33, 90)}, {48, 2, rgb(197, 33, 90)}, {48, 3, rgb(194, 36, 90)}, {48, 4, rgb(191, 39, 90)}, {48, 5, rgb(188, 42, 90)}, {48, 6, rgb(188, 42, 90)}, {48, 7, rgb(185, 45, 90)}, {48, 74, rgb(83, 147, 90)}, {48, 73, rgb(83, 147, 90)}, {48, 72, rgb(84, 146, 90)}, {48, 71, rgb(85, 145, 90)}}},
    {"gradient-h2", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(0, 0, 0)}, {0, 399, rgb(255, 0, 255)}, {400, 399, rgb(0, 0, 0)}, {200, 200, rgb(38, 38, 38)}, {0, 200, rgb(255, 0, 255)}, {1, 200, rgb(0, 0, 0)}, {2, 200, rgb(0, 0, 0)}, {3, 200, rgb(0, 0, 0)}, {4, 200, rgb(0, 0, 0)}, {5, 200, rgb(255, 0, 255)}, {6, 200, rgb(255, 0, 255)}, {7, 200, rgb(1, 1, 1)}, {400, 200, rgb(0, 0, 0)}, {399, 200, rgb(255, 0, 255)}, {398, 200, rgb(255, 0, 255)}, {397, 200, rgb(1, 1, 1)}}},
    {"gradient-h2", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(200, 30, 90)}, {48, 37, rgb(111, 119, 90)}, {0, 37, rgb(200, 30, 90)}, {1, 37, rgb(197, 33, 90)}, {2, 37, rgb(197, 33, 90)}, {3, 37, rgb(194, 36, 90)}, {4, 37, rgb(191, 39, 90)}, {5, 37, rgb(188, 42, 90)}, {6, 37, rgb(188, 42, 90)}, {7, 37, rgb(185, 45, 90)}, {96, 37, rgb(200, 30, 90)}, {95, 37, rgb(200, 30, 90)}, {94, 37, rgb(197, 33, 90)}, {93, 37, rgb(194, 36, 90)}}},
    {"gradient-v2", 401, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {400, 0, rgb(255, 0, 255)}, {0, 399, rgb(0, 0, 0)}, {400, 399, rgb(0, 0, 0)}, {200, 200, rgb(37, 37, 37)}, {200, 0, rgb(255, 0, 255)}, {200, 1, rgb(0, 0, 0)}, {200, 2, rgb(0, 0, 0)}, {200, 3, rgb(0, 0, 0)}, {200, 4, rgb(0, 0, 0)}, {200, 5, rgb(255, 0, 255)}, {200, 6, rgb(255, 0, 255)}, {200, 7, rgb(1, 1, 1)}, {200, 399, rgb(0, 0, 0)}, {200, 398, rgb(255, 0, 255)}, {200, 397, rgb(255, 0, 255)}, {200, 396, rgb(1, 1, 1)}}},
    {"gradient-v2", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(200, 30, 90)}, {48, 37, rgb(127, 103, 90)}, {48, 0, rgb(200, 30, 90)}, {48, 1, rgb(197, 33, 90)}, {48, 2, rgb(197, 33, 90)}, {48, 3, rgb(194, 36, 90)}, {48, 4, rgb(191, 39, 90)}, {48, 5, rgb(188, 42, 90)}, {48, 6, rgb(188, 42, 90)}, {48, 7, rgb(89, 141, 90)}, {48, 74, rgb(200, 30, 90)}, {48, 73, rgb(200, 30, 90)}, {48, 72, rgb(197, 33, 90)}, {48, 71, rgb(194, 36, 90)}}},
    {"stripes-h", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"stripes-h", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 255, 255)}, {8, 39, rgb(255, 255, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 39, rgb(255, 255, 255)}, {2, 39, rgb(255, 255, 255)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(255, 255, 255)}, {5, 39, rgb(255, 255, 255)}}},
    {"stripes-v", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(255, 255, 255)}, {3, 9, rgb(255, 255, 255)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"stripes-v", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(0, 0, 0)}, {8, 39, rgb(0, 0, 0)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(0, 0, 0)}, {2, 39, rgb(255, 255, 255)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(0, 0, 0)}, {5, 39, rgb(0, 0, 0)}}},
    {"lines-h", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"lines-h", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"lines-v", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(0, 0, 0)}, {5, 5, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(0, 0, 0)}, {2, 9, rgb(255, 0, 255)}, {3, 9, rgb(255, 0, 255)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(0, 0, 0)}}},
    {"lines-v", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(0, 0, 0)}, {8, 39, rgb(0, 0, 0)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(0, 0, 0)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(0, 0, 0)}, {5, 39, rgb(0, 0, 0)}}},
    {"stripes-rise", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(255, 255, 255)}, {5, 5, rgb(255, 255, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 9, rgb(255, 255, 255)}, {2, 9, rgb(255, 255, 255)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(255, 255, 255)}}},
    {"stripes-rise", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {8, 0, rgb(255, 0, 255)}, {0, 39, rgb(255, 255, 255)}, {8, 39, rgb(255, 255, 255)}, {4, 20, rgb(255, 255, 255)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(255, 0, 255)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 39, rgb(255, 255, 255)}, {2, 39, rgb(0, 0, 0)}, {3, 39, rgb(0, 0, 0)}, {4, 39, rgb(255, 255, 255)}, {5, 39, rgb(255, 255, 255)}}},
    {"lines-rise", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(0, 0, 0)}, {9, 9, rgb(255, 0, 255)}, {5, 5, rgb(255, 0, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 9, rgb(255, 0, 255)}, {2, 9, rgb(255, 0, 255)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(0, 0, 0)}, {5, 9, rgb(255, 0, 255)}}},
    {"lines-rise", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {8, 0, rgb(255, 0, 255)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(255, 0, 255)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(255, 0, 255)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(0, 0, 0)}, {3, 39, rgb(0, 0, 0)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"stripes-fall", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 255, 255)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(255, 255, 255)}, {9, 9, rgb(255, 255, 255)}, {5, 5, rgb(255, 255, 255)}, {0, 1, rgb(255, 255, 255)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(255, 255, 255)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(255, 255, 255)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(255, 255, 255)}, {5, 9, rgb(255, 255, 255)}}},
    {"stripes-fall", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(255, 255, 255)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"lines-fall", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(255, 0, 255)}, {9, 0, rgb(0, 0, 0)}, {0, 9, rgb(255, 0, 255)}, {9, 9, rgb(255, 0, 255)}, {5, 5, rgb(255, 0, 255)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(255, 0, 255)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(255, 0, 255)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(0, 0, 0)}, {4, 9, rgb(255, 0, 255)}, {5, 9, rgb(255, 0, 255)}}},
    {"lines-fall", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(255, 0, 255)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
    {"stitching", 10, 10, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {9, 0, rgb(255, 0, 255)}, {0, 9, rgb(255, 255, 255)}, {9, 9, rgb(255, 0, 255)}, {5, 5, rgb(255, 0, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(255, 255, 255)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 9, rgb(255, 255, 255)}, {2, 9, rgb(0, 0, 0)}, {3, 9, rgb(255, 255, 255)}, {4, 9, rgb(255, 255, 255)}, {5, 9, rgb(255, 255, 255)}}},
    {"stitching", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(255, 0, 255)}, {0, 39, rgb(0, 0, 0)}, {8, 39, rgb(255, 255, 255)}, {4, 20, rgb(255, 0, 255)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(255, 255, 255)}, {0, 5, rgb(255, 255, 255)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 39, rgb(0, 0, 0)}, {2, 39, rgb(0, 0, 0)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(255, 255, 255)}, {5, 39, rgb(0, 0, 0)}}},
    {"circles", 60, 60, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(128, 128, 128)}, {59, 59, rgb(125, 125, 125)}, {59, 0, rgb(128, 128, 128)}, {30, 30, rgb(0, 0, 0)}, {31, 30, rgb(0, 0, 0)}, {32, 30, rgb(6, 6, 6)}, {33, 30, rgb(12, 12, 12)}, {34, 30, rgb(17, 17, 17)}, {35, 30, rgb(17, 17, 17)}, {36, 30, rgb(22, 22, 22)}, {37, 30, rgb(27, 27, 27)}, {38, 30, rgb(32, 32, 32)}, {39, 30, rgb(32, 32, 32)}, {30, 27, rgb(12, 12, 12)}, {30, 23, rgb(27, 27, 27)}, {30, 19, rgb(42, 42, 42)}}},
    {"circles", 47, 31, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(85, 145, 90)}, {46, 30, rgb(92, 138, 90)}, {46, 0, rgb(88, 142, 90)}, {24, 16, rgb(200, 30, 90)}, {25, 16, rgb(200, 30, 90)}, {26, 16, rgb(192, 38, 90)}, {27, 16, rgb(184, 46, 90)}, {28, 16, rgb(177, 53, 90)}, {29, 16, rgb(177, 53, 90)}, {30, 16, rgb(170, 60, 90)}, {31, 16, rgb(163, 67, 90)}, {32, 16, rgb(156, 74, 90)}, {33, 16, rgb(156, 74, 90)}, {24, 13, rgb(184, 46, 90)}, {24, 9, rgb(163, 67, 90)}, {24, 5, rgb(144, 86, 90)}}},
    {"squares", 60, 60, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(101, 101, 101)}, {59, 59, rgb(97, 97, 97)}, {59, 0, rgb(101, 101, 101)}, {30, 30, rgb(0, 0, 0)}, {31, 30, rgb(0, 0, 0)}, {32, 30, rgb(6, 6, 6)}, {33, 30, rgb(12, 12, 12)}, {34, 30, rgb(17, 17, 17)}, {35, 30, rgb(17, 17, 17)}, {36, 30, rgb(22, 22, 22)}, {37, 30, rgb(27, 27, 27)}, {38, 30, rgb(32, 32, 32)}, {39, 30, rgb(32, 32, 32)}, {27, 27, rgb(12, 12, 12)}, {23, 23, rgb(27, 27, 27)}, {19, 19, rgb(42, 42, 42)}}},
    {"squares", 47, 31, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(100, 130, 90)}, {46, 30, rgb(104, 126, 90)}, {46, 0, rgb(104, 126, 90)}, {23, 15, rgb(200, 30, 90)}, {24, 15, rgb(200, 30, 90)}, {25, 15, rgb(192, 38, 90)}, {26, 15, rgb(192, 38, 90)}, {27, 15, rgb(184, 46, 90)}, {28, 15, rgb(177, 53, 90)}, {29, 15, rgb(170, 60, 90)}, {30, 15, rgb(170, 60, 90)}, {31, 15, rgb(163, 67, 90)}, {32, 15, rgb(156, 74, 90)}, {20, 12, rgb(184, 46, 90)}, {16, 8, rgb(163, 67, 90)}, {12, 4, rgb(144, 86, 90)}}},
    {"rays-thin", 400, 400, rgb(0, 0, 0), rgb(255, 255, 255), {{399, 0, rgb(255, 0, 255)}, {399, 1, rgb(255, 0, 255)}, {399, 2, rgb(0, 0, 0)}, {399, 3, rgb(255, 0, 255)}, {399, 4, rgb(255, 0, 255)}, {399, 5, rgb(255, 0, 255)}, {399, 6, rgb(255, 0, 255)}, {399, 7, rgb(255, 0, 255)}, {399, 8, rgb(4, 4, 4)}, {399, 9, rgb(255, 0, 255)}, {399, 10, rgb(255, 0, 255)}, {399, 11, rgb(255, 0, 255)}, {399, 12, rgb(255, 0, 255)}, {399, 13, rgb(8, 8, 8)}, {399, 14, rgb(255, 0, 255)}, {399, 15, rgb(255, 0, 255)}, {0, 0, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 9, rgb(255, 0, 255)}, {0, 12, rgb(255, 0, 255)}, {0, 15, rgb(255, 0, 255)}, {200, 200, rgb(48, 48, 48)}}},
    {"rays-thin", 301, 200, rgb(200, 30, 90), rgb(10, 220, 90), {{300, 0, rgb(255, 0, 255)}, {300, 1, rgb(255, 0, 255)}, {300, 2, rgb(200, 30, 90)}, {300, 3, rgb(255, 0, 255)}, {300, 4, rgb(255, 0, 255)}, {300, 5, rgb(255, 0, 255)}, {300, 6, rgb(255, 0, 255)}, {300, 7, rgb(255, 0, 255)}, {300, 8, rgb(196, 34, 90)}, {300, 9, rgb(255, 0, 255)}, {300, 10, rgb(255, 0, 255)}, {300, 11, rgb(255, 0, 255)}, {300, 12, rgb(255, 0, 255)}, {300, 13, rgb(192, 38, 90)}, {300, 14, rgb(255, 0, 255)}, {300, 15, rgb(255, 0, 255)}, {0, 0, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 9, rgb(255, 0, 255)}, {0, 12, rgb(255, 0, 255)}, {0, 15, rgb(255, 0, 255)}, {150, 100, rgb(152, 78, 90)}}},
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

class GeneratorPixelTest : public testing::CoreTest, public ::testing::WithParamInterface<GeneratorCase> {};

TEST_P(GeneratorPixelTest, PaintsTheWorkedOutPixels) { testing::expectCase(session, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, GeneratorPixelTest, ::testing::ValuesIn(kCases));

struct WidthCase {
    int heightPixels;
    int inset;
    int expected;
};

class BandWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(BandWidthTest, IsTheRoundedHeightLessTheInsetOverAHundred)
{
    Surface layer(10, GetParam().heightPixels);
    layer.setScaleMode(ScaleMode::Points);
    EXPECT_EQ(gradientBandWidth(layer, GetParam().inset), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Heights, BandWidthTest,
                         ::testing::Values(WidthCase{400, 5, 2}, // 300 points
                                           WidthCase{139, 5, 0}, // 104.25 points: below 104.5
                                           WidthCase{140, 5, 1}, // 105 points
                                           WidthCase{134, 0, 1}, // 100.5 points rounds to the even 100
                                           WidthCase{266, 0, 2}, // 199.5 points rounds to the even 200
                                           WidthCase{1, 5, 0}));

struct SweepCase {
    const char *alias;
    int width, height;
    bool fromRight;
};

class SweepTest : public testing::CoreTest, public ::testing::WithParamInterface<SweepCase> {};

// Line k starts on the edge at p = (k - 1)(w + 1) + 1 points, in the colour
// after k - 1 steps; the strips between the lines keep the old picture.
TEST_P(SweepTest, LinesStartOnTheEdgeInTheSteppedColours)
{
    const SweepCase &c = GetParam();
    const Colour fore = rgb(200, 30, 90), back = rgb(10, 220, 90);
    testing::preparePicture(session, c.width, c.height);
    testing::click(session, c.alias, fore, back);
    const QImage &image = doc.picture().Image();
    const double W = c.width * 0.75, H = c.height * 0.75;
    const int w = static_cast<int>(std::nearbyint(H - 5)) / 100;
    ASSERT_GE(w, 2);
    auto start = [&](int p) { return static_cast<int>(std::nearbyint(c.fromRight ? (W - p) * 4 / 3 : p * 4.0 / 3)); };
    auto at = [&](int along) { return testing::pixelAt(image, c.fromRight ? along : 0, c.fromRight ? 0 : along); };
    GradientColour colour(fore, back);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(at(start((k - 1) * (w + 1) + 1)), colour.current()) << "line " << k;
        colour.ColourStep(H);
    }
    // Between the first two lines along the edge the old picture shows through.
    const int a = std::min(start(1), start(w + 2)), b = std::max(start(1), start(w + 2));
    bool gap = false;
    for (int p = a + 1; p < b; ++p)
        gap = gap || at(p) == testing::kOldPicture;
    EXPECT_TRUE(gap);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(Sweeps, SweepTest,
                         ::testing::Values(SweepCase{"gradient-tl", 401, 400, false},
                                           SweepCase{"gradient-tr", 333, 700, true}));

struct IdentityCase {
    Stripes form;
    QSize size;
};

class StraightStripesIdentityTest : public ::testing::TestWithParam<IdentityCase> {};

// The straight and diagonal stripes are painted row by row; they must give
// exactly what drawing every line of every group with the Surface gives.
TEST_P(StraightStripesIdentityTest, MatchesDrawingEveryLine)
{
    const auto [form, size] = GetParam();
    const Colour a = rgb(1, 2, 3), b = rgb(250, 251, 252);
    Surface fast(size.width(), size.height());
    fast.raster().fill(toQRgb(testing::kOldPicture));
    Surface slow = fast;
    paintStripes(fast, a, b, form);

    slow.setScaleMode(ScaleMode::Pixels);
    const double W = slow.ScaleWidth(), H = slow.ScaleHeight();
    const bool two = form == Stripes::AcrossForeground || form == Stripes::DownForeground ||
                     form == Stripes::RisingForeground || form == Stripes::FallingForeground;
    const bool across = form == Stripes::Across || form == Stripes::AcrossForeground;
    const bool down = form == Stripes::Down || form == Stripes::DownForeground;
    const bool rising = form == Stripes::Rising || form == Stripes::RisingForeground;
    const double bound = across ? H / 4 : (down ? W / 4 : W);
    for (double v = 0; v <= bound; v += 1) {
        for (int k = 0; k < (two ? 2 : 4); ++k) {
            const Colour c = k < 2 ? a : b;
            if (across)
                slow.Line(0, 4 * v + k, W, 4 * v + k, c);
            else if (down)
                slow.Line(4 * v + k, 0, 4 * v + k, H, c);
            else if (rising)
                slow.Line(W, H - 4 * v + k, W - 4 * v + k, H, c);
            else
                slow.Line(W - 4 * v - k, 0, W, 4 * v + k, c);
        }
    }
    EXPECT_TRUE(fast.Image() == slow.Image());
}

std::vector<IdentityCase> identityCases()
{
    std::vector<IdentityCase> cases;
    for (Stripes form : {Stripes::Across, Stripes::Down, Stripes::AcrossForeground, Stripes::DownForeground,
                         Stripes::Rising, Stripes::RisingForeground, Stripes::Falling, Stripes::FallingForeground})
        for (QSize size : {QSize(1, 1), QSize(37, 23), QSize(9, 41)})
            cases.push_back({form, size});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(FormsAndSizes, StraightStripesIdentityTest, ::testing::ValuesIn(identityCases()));

TEST_F(GeneratorTest, DiagonalStripesLeaveTheFarCornerOfAVeryTallPicture)
{
    // The diagonal groups stop at v = W, which covers the picture only while H <= 3 W.
    testing::preparePicture(session, 5, 40);
    testing::click(session, "stripes-fall", kBlack, kWhite);
    const QImage &image = doc.picture().Image();
    EXPECT_EQ(testing::pixelAt(image, 0, 39), testing::kOldPicture);
    EXPECT_NE(testing::pixelAt(image, 4, 0), testing::kOldPicture);
    EXPECT_EQ(doc.picture().scaleMode(), ScaleMode::Pixels);
}

// The circles are painted pixel by pixel; they must give exactly what drawing
// every circle of the loop with the Surface's Circle gives.
class ConcentricCirclesIdentityTest : public ::testing::TestWithParam<QSize> {};

TEST_P(ConcentricCirclesIdentityTest, MatchesDrawingEveryCircle)
{
    const QSize size = GetParam();
    const Colour fore = rgb(250, 10, 40), back = rgb(5, 200, 255);
    Surface fast(size.width(), size.height());
    fast.raster().fill(toQRgb(testing::kOldPicture));
    Surface slow = fast;
    paintFigures(fast, fore, back, Figure::Circles);

    slow.setScaleMode(ScaleMode::Points);
    GradientColour colour(fore, back);
    for (int i = 1; i <= slow.Width(); ++i) {
        slow.setDrawWidth(3);
        slow.FillStyle = 1;
        slow.Circle(slow.ScaleWidth() / 2, slow.ScaleHeight() / 2, i, colour.current());
        colour.ColourStep(slow.ScaleHeight());
    }
    EXPECT_TRUE(fast.Image() == slow.Image());
    EXPECT_EQ(fast.DrawWidth(), 3);
    EXPECT_EQ(fast.FillStyle, 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ConcentricCirclesIdentityTest,
                         ::testing::Values(QSize(1, 1), QSize(37, 23), QSize(61, 8), QSize(5, 90)));

struct CentreCase {
    const char *alias;
    int steps;           // ColourSteps before the figure that ends on the centre pixel
    bool alsoOddPicture; // on 91 x 91 the rounding lets the second diamond reach the centre
};

class FigureCentreTest : public testing::CoreTest, public ::testing::WithParamInterface<CentreCase> {};

// Rays all start at the centre, so the centre pixel shows the last iteration;
// squares and diamonds only cover it with their first figure.
TEST_P(FigureCentreTest, CentrePixelShowsTheFigureThatCoversItLast)
{
    const Colour fore = rgb(0, 128, 255), back = rgb(255, 128, 0);
    for (const QSize size : {QSize(120, 90), QSize(91, 91)}) {
        if (size.width() == 91 && !GetParam().alsoOddPicture)
            continue;
        testing::preparePicture(session, size.width(), size.height());
        testing::click(session, GetParam().alias, fore, back);
        GradientColour colour(fore, back);
        for (int i = 0; i < GetParam().steps; ++i)
            colour.ColourStep(size.height() * 0.75);
        const Surface &layer = doc.picture();
        EXPECT_EQ(layer.Point(layer.ScaleWidth() / 2, layer.ScaleHeight() / 2), colour.current())
            << size.width() << " x " << size.height();
        EXPECT_TRUE(testing::allLayersEqual(doc));
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureCentreTest,
                         ::testing::Values(CentreCase{"squares", 0, true}, CentreCase{"diamonds", 0, false},
                                           CentreCase{"rays-12", 49, true}, CentreCase{"rays-8", 49, true},
                                           CentreCase{"diamond-rays", 99, true}, CentreCase{"rays-thin", 48, true}));

TEST_F(GeneratorTest, ThinRaysAreDrawnEveryFourthStep)
{
    // 300 points high, black to white: fans at i = 1, 5, 9, ... 49 in grey 0, 4, 8, ... 48.
    testing::preparePicture(session, 400, 400);
    testing::click(session, "rays-thin", kBlack, kWhite);
    std::set<Colour> seen;
    const QImage &image = doc.picture().Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(testing::pixelAt(image, x, y));
    std::set<Colour> expected{testing::kOldPicture};
    for (int grey = 0; grey <= 48; grey += 4)
        expected.insert(rgb(grey, grey, grey));
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(doc.picture().DrawWidth(), 1);
}

} // namespace
} // namespace quill
