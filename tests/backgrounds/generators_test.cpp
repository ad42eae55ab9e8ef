#include "backgrounds/gradients.h"
#include "generator_cases.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::GeneratorCase;

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
    const QImage before = testing::randomImage(83, 64, 3);
    doc.replaceWith(before);
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
// worked out by hand from the formulas on odd sizes with colours that differ
// in every channel.
// clang-format off
const GeneratorCase kCases[] = {
    {"gradient-h", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(67, 163, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(67, 163, 90)}, {48, 37, rgb(111, 119, 90)}, {0, 37, rgb(200, 30, 90)}, {1, 37, rgb(197, 33, 90)}, {2, 37, rgb(197, 33, 90)}, {3, 37, rgb(194, 36, 90)}, {4, 37, rgb(191, 39, 90)}, {5, 37, rgb(188, 42, 90)}, {6, 37, rgb(188, 42, 90)}, {7, 37, rgb(185, 45, 90)}, {96, 37, rgb(67, 163, 90)}, {95, 37, rgb(67, 163, 90)}, {94, 37, rgb(68, 162, 90)}, {93, 37, rgb(68, 162, 90)}}},
    {"gradient-v", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(83, 147, 90)}, {96, 74, rgb(83, 147, 90)}, {48, 37, rgb(127, 103, 90)}, {48, 0, rgb(200, 30, 90)}, {48, 1, rgb(197, 33, 90)}, {48, 2, rgb(197, 33, 90)}, {48, 3, rgb(194, 36, 90)}, {48, 4, rgb(191, 39, 90)}, {48, 5, rgb(188, 42, 90)}, {48, 6, rgb(188, 42, 90)}, {48, 7, rgb(185, 45, 90)}, {48, 74, rgb(83, 147, 90)}, {48, 73, rgb(83, 147, 90)}, {48, 72, rgb(84, 146, 90)}, {48, 71, rgb(85, 145, 90)}}},
    {"gradient-h2", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(200, 30, 90)}, {48, 37, rgb(111, 119, 90)}, {0, 37, rgb(200, 30, 90)}, {1, 37, rgb(197, 33, 90)}, {2, 37, rgb(197, 33, 90)}, {3, 37, rgb(194, 36, 90)}, {4, 37, rgb(191, 39, 90)}, {5, 37, rgb(188, 42, 90)}, {6, 37, rgb(188, 42, 90)}, {7, 37, rgb(185, 45, 90)}, {96, 37, rgb(200, 30, 90)}, {95, 37, rgb(200, 30, 90)}, {94, 37, rgb(197, 33, 90)}, {93, 37, rgb(194, 36, 90)}}},
    {"gradient-v2", 97, 75, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {96, 0, rgb(200, 30, 90)}, {0, 74, rgb(200, 30, 90)}, {96, 74, rgb(200, 30, 90)}, {48, 37, rgb(127, 103, 90)}, {48, 0, rgb(200, 30, 90)}, {48, 1, rgb(197, 33, 90)}, {48, 2, rgb(197, 33, 90)}, {48, 3, rgb(194, 36, 90)}, {48, 4, rgb(191, 39, 90)}, {48, 5, rgb(188, 42, 90)}, {48, 6, rgb(188, 42, 90)}, {48, 7, rgb(89, 141, 90)}, {48, 74, rgb(200, 30, 90)}, {48, 73, rgb(200, 30, 90)}, {48, 72, rgb(197, 33, 90)}, {48, 71, rgb(194, 36, 90)}}},
    {"stripes-h", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 255, 255)}, {8, 39, rgb(255, 255, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 255, 255)}, {0, 3, rgb(255, 255, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 255, 255)}, {0, 7, rgb(255, 255, 255)}, {1, 39, rgb(255, 255, 255)}, {2, 39, rgb(255, 255, 255)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(255, 255, 255)}, {5, 39, rgb(255, 255, 255)}}},
    {"stripes-v", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(0, 0, 0)}, {8, 39, rgb(0, 0, 0)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(0, 0, 0)}, {0, 3, rgb(0, 0, 0)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(0, 0, 0)}, {0, 7, rgb(0, 0, 0)}, {1, 39, rgb(0, 0, 0)}, {2, 39, rgb(255, 255, 255)}, {3, 39, rgb(255, 255, 255)}, {4, 39, rgb(0, 0, 0)}, {5, 39, rgb(0, 0, 0)}}},
    {"lines-h", 9, 40, rgb(0, 0, 0), rgb(255, 255, 255), {{0, 0, rgb(0, 0, 0)}, {8, 0, rgb(0, 0, 0)}, {0, 39, rgb(255, 0, 255)}, {8, 39, rgb(255, 0, 255)}, {4, 20, rgb(0, 0, 0)}, {0, 1, rgb(0, 0, 0)}, {0, 2, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 4, rgb(0, 0, 0)}, {0, 5, rgb(0, 0, 0)}, {0, 6, rgb(255, 0, 255)}, {0, 7, rgb(255, 0, 255)}, {1, 39, rgb(255, 0, 255)}, {2, 39, rgb(255, 0, 255)}, {3, 39, rgb(255, 0, 255)}, {4, 39, rgb(255, 0, 255)}, {5, 39, rgb(255, 0, 255)}}},
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
    {"circles", 47, 31, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(85, 145, 90)}, {46, 30, rgb(92, 138, 90)}, {46, 0, rgb(88, 142, 90)}, {24, 16, rgb(200, 30, 90)}, {25, 16, rgb(200, 30, 90)}, {26, 16, rgb(192, 38, 90)}, {27, 16, rgb(184, 46, 90)}, {28, 16, rgb(177, 53, 90)}, {29, 16, rgb(177, 53, 90)}, {30, 16, rgb(170, 60, 90)}, {31, 16, rgb(163, 67, 90)}, {32, 16, rgb(156, 74, 90)}, {33, 16, rgb(156, 74, 90)}, {24, 13, rgb(184, 46, 90)}, {24, 9, rgb(163, 67, 90)}, {24, 5, rgb(144, 86, 90)}}},
    {"squares", 47, 31, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(100, 130, 90)}, {46, 30, rgb(104, 126, 90)}, {46, 0, rgb(104, 126, 90)}, {23, 15, rgb(200, 30, 90)}, {24, 15, rgb(200, 30, 90)}, {25, 15, rgb(192, 38, 90)}, {26, 15, rgb(192, 38, 90)}, {27, 15, rgb(184, 46, 90)}, {28, 15, rgb(177, 53, 90)}, {29, 15, rgb(170, 60, 90)}, {30, 15, rgb(170, 60, 90)}, {31, 15, rgb(163, 67, 90)}, {32, 15, rgb(156, 74, 90)}, {20, 12, rgb(184, 46, 90)}, {16, 8, rgb(163, 67, 90)}, {12, 4, rgb(144, 86, 90)}}},
    {"rays-thin", 301, 200, rgb(200, 30, 90), rgb(10, 220, 90), {{300, 0, rgb(255, 0, 255)}, {300, 1, rgb(255, 0, 255)}, {300, 2, rgb(200, 30, 90)}, {300, 3, rgb(255, 0, 255)}, {300, 4, rgb(255, 0, 255)}, {300, 5, rgb(255, 0, 255)}, {300, 6, rgb(255, 0, 255)}, {300, 7, rgb(255, 0, 255)}, {300, 8, rgb(196, 34, 90)}, {300, 9, rgb(255, 0, 255)}, {300, 10, rgb(255, 0, 255)}, {300, 11, rgb(255, 0, 255)}, {300, 12, rgb(255, 0, 255)}, {300, 13, rgb(192, 38, 90)}, {300, 14, rgb(255, 0, 255)}, {300, 15, rgb(255, 0, 255)}, {0, 0, rgb(255, 0, 255)}, {0, 3, rgb(255, 0, 255)}, {0, 6, rgb(255, 0, 255)}, {0, 9, rgb(255, 0, 255)}, {0, 12, rgb(255, 0, 255)}, {0, 15, rgb(255, 0, 255)}, {150, 100, rgb(152, 78, 90)}}},
    {"checker", 201, 150, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {200, 149, rgb(200, 30, 90)}, {200, 0, rgb(10, 220, 90)}, {0, 149, rgb(10, 220, 90)}, {100, 75, rgb(200, 30, 90)}, {12, 4, rgb(200, 30, 90)}, {37, 4, rgb(10, 220, 90)}, {62, 4, rgb(200, 30, 90)}, {87, 4, rgb(10, 220, 90)}, {18, 9, rgb(200, 30, 90)}, {18, 27, rgb(10, 220, 90)}, {18, 45, rgb(200, 30, 90)}, {18, 63, rgb(10, 220, 90)}, {24, 13, rgb(200, 30, 90)}}},
    {"checker-discs", 201, 150, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(10, 220, 90)}, {200, 149, rgb(200, 30, 90)}, {200, 0, rgb(10, 220, 90)}, {0, 149, rgb(10, 220, 90)}, {100, 75, rgb(200, 30, 90)}, {12, 4, rgb(200, 30, 90)}, {37, 4, rgb(10, 220, 90)}, {62, 4, rgb(200, 30, 90)}, {87, 4, rgb(10, 220, 90)}, {18, 9, rgb(200, 30, 90)}, {18, 27, rgb(10, 220, 90)}, {18, 45, rgb(10, 220, 90)}, {18, 63, rgb(200, 30, 90)}, {24, 13, rgb(200, 30, 90)}}},
    {"checker-fg", 201, 150, rgb(200, 30, 90), rgb(10, 220, 90), {{0, 0, rgb(200, 30, 90)}, {200, 149, rgb(200, 30, 90)}, {200, 0, rgb(255, 0, 255)}, {0, 149, rgb(255, 0, 255)}, {100, 75, rgb(200, 30, 90)}, {12, 4, rgb(200, 30, 90)}, {37, 4, rgb(255, 0, 255)}, {62, 4, rgb(200, 30, 90)}, {87, 4, rgb(255, 0, 255)}, {18, 9, rgb(200, 30, 90)}, {18, 27, rgb(255, 0, 255)}, {18, 45, rgb(200, 30, 90)}, {18, 63, rgb(255, 0, 255)}, {24, 13, rgb(200, 30, 90)}}},
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
                                           WidthCase{266, 0, 2}  // 199.5 points rounds to the even 200
                                           ));

} // namespace
} // namespace quill
