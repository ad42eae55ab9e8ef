#include "document/pixel_framework.h"
#include "filter_helpers.h"
#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "toolbox/operation_registry.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

namespace quill {
namespace {

using testing::pixelAt;
using testing::randomImage;
using testing::rowOf;
using testing::solidImage;

constexpr Colour kGrey224 = rgb(224, 224, 224); // the merge box around its image

// A picture whose every pixel differs from its neighbours.
constexpr Colour grad(int x, int y) { return rgb(x * 30 % 256, y * 40 % 256, 7 + x + y); }
QImage gradient(int width, int height)
{
    return testing::imageOf(width, height, [](int x, int y) { return toQRgb(grad(x, y)); });
}

// The filter fixture, able to load a merge image too.
class FilterTest : public testing::FilterTest {
protected:
    // Loads a picture into the merge box through the Open dialog.
    void openMerge(const QImage &image, const QString &name = QStringLiteral("merge.bmp"))
    {
        ASSERT_TRUE(saveBitmap(image, path(name)));
        host.openAnswers.push_back({path(name), 1});
        click(QStringLiteral("open-merge"));
    }
};

// ---- One table: an operation, its input, and pixels worked out by hand ----

struct Pixel {
    int x, y;
    Colour colour;
};

struct FilterCase {
    const char *name;
    const char *alias;
    std::function<QImage()> input;
    std::vector<Pixel> expected;
    std::function<QImage()> merge = nullptr; // the merge box's image, if any
    Colour left = kBlack, right = kWhite;
};

class FilterTableTest : public FilterTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(FilterTableTest, GivesTheWorkedOutPixelsAndUndoesInOneStep)
{
    const FilterCase &c = GetParam();
    if (c.merge)
        openMerge(c.merge());
    const QImage input = c.input();
    doc.replaceWith(input);
    session.state.LeftColour = c.left;
    session.state.RightColour = c.right;
    click(QString::fromLatin1(c.alias));
    EXPECT_EQ(picture().size(), input.size());
    for (const Pixel &p : c.expected)
        EXPECT_EQ(at(p.x, p.y), p.colour) << "pixel " << p.x << "," << p.y;
    // Every filter is one undo step, Blur, the bands and the shrink included.
    session.undo.Undo(doc);
    EXPECT_EQ(picture(), input);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

// Grey levels (r + g + b) / 3 to nearest: (1, 1, 2) -> 1, (20, 21, 234) -> 92, (21, 234, 255) -> 170.
// Three times over, so pixels go through both the eight-at-a-time loop and the tail.
QImage conversionInputs()
{
    const Colour four[] = {rgb(1, 1, 2), rgb(20, 21, 234), rgb(21, 234, 255), kWhite};
    std::vector<Colour> row(12);
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i] = four[i % 4];
    return rowOf(row);
}
QImage blurInput() { return testing::withPixel(solidImage(4, 3, rgb(200, 100, 50)), {2, 1}, rgb(7, 8, 255)); }
QImage shrinkInput()
{
    QImage p = solidImage(6, 2, rgb(200, 200, 200));
    QPainter(&p).drawImage(
        0, 1,
        rowOf({rgb(30, 0, 255), rgb(60, 3, 255), rgb(90, 6, 0), rgb(120, 9, 0), rgb(150, 12, 0), rgb(180, 15, 21)}));
    return p;
}
QImage mergeGreys() { return solidImage(3, 3, rgb(100, 100, 100)); }
QImage mergeDoc() { return solidImage(6, 1, rgb(200, 100, 50)); }

QImage redDot() { return testing::withPixel(solidImage(30, 30, kWhite), {15, 15}, kRed); }
QImage black(int w, int h) { return solidImage(w, h, kBlack); }
QImage white(int w, int h) { return solidImage(w, h, kWhite); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Operations, FilterTableTest, ::testing::Values(
    // The grey level goes into the hue's channels.
    FilterCase{"grey", "grey", conversionInputs,
               {{0, 0, rgb(1, 1, 1)}, {1, 0, rgb(92, 92, 92)}, {3, 0, kWhite}, {9, 0, rgb(92, 92, 92)}, {10, 0, rgb(170, 170, 170)}}},
    FilterCase{"purple", "purple", conversionInputs, {{1, 0, rgb(92, 0, 92)}, {2, 0, rgb(170, 0, 170)}, {11, 0, rgb(255, 0, 255)}}},
    FilterCase{"yellow", "yellow", conversionInputs, {{1, 0, rgb(92, 92, 0)}}},
    FilterCase{"red", "red", conversionInputs, {{2, 0, rgb(170, 0, 0)}}},
    FilterCase{"green", "green", conversionInputs, {{2, 0, rgb(0, 170, 0)}}},
    FilterCase{"blue", "blue", conversionInputs, {{0, 0, rgb(0, 0, 1)}}},
    // Blur: five samples, black beyond the picture, the fifth rounded to nearest.
    FilterCase{"blur", "blur", blurInput, {{1, 1, rgb(161, 82, 91)}, {0, 0, rgb(120, 60, 30)}, {1, 0, rgb(160, 80, 40)}}},
    // Mosaic: 8-pixel dots every 3 pixels, later dots covering earlier ones.
    FilterCase{"mosaic", "mosaic", redDot, {{11, 13, kRed}, {13, 11, kRed}, {14, 13, kWhite}, {11, 14, kWhite}, {15, 15, kWhite}}},
    // Bands: ten rows a band from the channel-wise low to high colour.
    FilterCase{"bands_h", "bands-h", [] { return solidImage(12, 100, rgb(9, 9, 9)); },
               {{0, 0, rgb(51, 51, 51)}, {11, 1, rgb(76, 76, 76)}, {5, 8, kWhite}, {5, 9, rgb(26, 26, 26)}}},
    FilterCase{"bands_v", "bands-v", [] { return solidImage(100, 30, rgb(9, 9, 9)); },
               {{0, 29, rgb(20, 120, 40)}, {8, 3, rgb(100, 200, 200)}, {99, 3, rgb(10, 110, 20)}}, nullptr, rgb(0, 100, 200), rgb(100, 200, 0)},
    FilterCase{"bands_short", "bands-h", [] { return black(4, 5); }, {{3, 4, rgb(10, 50, 30)}}, nullptr, rgb(10, 200, 30), rgb(100, 50, 60)},
    // Shrink: three columns combined one row higher into the left third.
    FilterCase{"shrink", "shrink", shrinkInput,
               {{0, 0, rgb(30, 1, 170)}, {1, 0, rgb(120, 9, 0)}, {2, 0, rgb(60, 5, 7)}, {0, 1, kBlack}, {3, 0, rgb(200, 200, 200)}}},
    // Mirrors and turns; quarter turns land one pixel right of the exact turn and column 0 keeps its pixels.
    FilterCase{"mirror_h", "mirror-h", [] { return gradient(7, 5); }, {{0, 0, grad(6, 0)}, {2, 4, grad(4, 4)}}},
    FilterCase{"mirror_v", "mirror-v", [] { return gradient(7, 5); }, {{0, 0, grad(0, 4)}, {6, 3, grad(6, 1)}}},
    FilterCase{"half_turn", "half-turn", [] { return gradient(7, 5); }, {{0, 0, grad(6, 4)}, {3, 2, grad(3, 2)}}},
    FilterCase{"half_turn_twips", "half-turn-twips", [] { return gradient(2, 3); }, {{0, 0, grad(1, 2)}}},
    FilterCase{"turn_left", "turn-left", [] { return gradient(5, 5); }, {{0, 3, grad(0, 3)}, {1, 0, grad(4, 0)}, {3, 2, grad(2, 2)}, {4, 4, grad(0, 3)}}},
    FilterCase{"turn_right", "turn-right", [] { return gradient(5, 5); }, {{0, 3, grad(0, 3)}, {1, 0, grad(0, 4)}, {2, 3, grad(3, 3)}, {4, 4, grad(4, 1)}}},
    FilterCase{"turn_wide_keeps_old_columns", "turn-left", [] { return gradient(9, 5); }, {{1, 0, grad(8, 0)}, {5, 0, grad(8, 4)}, {7, 3, grad(7, 3)}}},
    // Merges with the image in the merge box: the image, then the box, then black.
    FilterCase{"blend", "blend", [] { return white(205, 196); },
               {{4, 3, rgb(127, 127, 127)}, {5, 3, rgb(239, 239, 239)}, {201, 0, rgb(127, 127, 127)}}, [] { return black(5, 4); }},
    FilterCase{"interleave_even", "interleave", [] { return white(4, 3); },
               {{0, 0, kBlack}, {1, 0, kWhite}, {1, 1, kBlack}, {3, 2, kWhite}}, [] { return black(10, 10); }},
    FilterCase{"interleave_odd", "interleave", [] { return white(5, 2); }, {{0, 1, kBlack}, {1, 1, kWhite}}, [] { return black(10, 10); }},
    FilterCase{"interleave_beyond_the_box", "interleave", [] { return white(204, 1); }, {{200, 0, kBlack}, {202, 0, kWhite}},
               [] { return black(300, 300); }},
    FilterCase{"merge_blue", "merge-blue", mergeDoc, {{0, 0, rgb(100, 50, 75)}, {4, 0, rgb(100, 50, 137)}}, mergeGreys},
    FilterCase{"merge_grey", "merge-grey", mergeDoc, {{0, 0, rgb(150, 100, 75)}}, mergeGreys},
    FilterCase{"merge_purple", "merge-purple", mergeDoc, {{0, 0, rgb(150, 50, 75)}}, mergeGreys},
    FilterCase{"merge_yellow", "merge-yellow", mergeDoc, {{0, 0, rgb(150, 100, 25)}}, mergeGreys},
    FilterCase{"merge_red", "merge-red", mergeDoc, {{0, 0, rgb(150, 50, 25)}}, mergeGreys},
    FilterCase{"merge_green", "merge-green", mergeDoc, {{0, 0, rgb(100, 100, 25)}, {4, 0, rgb(100, 162, 25)}}, mergeGreys}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(PenDot, IsTheSurfacesOwnDot)
{
    for (int width = 1; width <= 24; ++width) {
        Surface s = testing::pixelSurface(60, 60);
        s.setDrawWidth(width);
        s.PSet(30, 30, kBlack);
        QImage painted = solidImage(60, 60, kWhite);
        paintDot(painted, 30, 30, penDot(width), toQRgb(kBlack));
        EXPECT_EQ(painted, s.Image()) << "width " << width;
    }
}

// A half-drawn shape on the canvas stays half drawn; that the pictures do not
// change with it or from click to click is in click_independence_test.cpp.
TEST_F(FilterTest, InterleaveLeavesAHalfDrawnShapeHalfDrawn)
{
    openMerge(solidImage(10, 10, kBlack));
    session.state.ClickStage = 1;
    doc.replaceWith(solidImage(4, 2, kWhite));
    click(QStringLiteral("interleave"));
    EXPECT_EQ(session.state.ClickStage, 1);
}

// ---- Loading the merge image ----

TEST_F(FilterTest, OpeningAMergeImageFillsTheBoxWithoutTouchingThePicture)
{
    doc.replaceWith(randomImage(10, 10, 1));
    openMerge(solidImage(3, 2, rgb(1, 20, 235)));
    EXPECT_EQ(session.merge.box.Point(2, 1), rgb(1, 20, 235));
    EXPECT_EQ(session.merge.box.Point(3, 1), kGrey224);
    EXPECT_EQ(session.merge.box.Point(201, 0), kInvalidColour);
    EXPECT_EQ(picture(), randomImage(10, 10, 1));

    // Cancel reloads the last chosen file; a damaged file keeps the image.
    ASSERT_TRUE(saveBitmap(solidImage(3, 3, rgb(50, 50, 50)), path(QStringLiteral("merge.bmp"))));
    click(QStringLiteral("open-merge"));
    EXPECT_EQ(session.merge.box.Point(0, 0), rgb(50, 50, 50));
    ASSERT_TRUE(testing::writeFile(path(QStringLiteral("bad.bmp")), "BM this is not a picture"));
    host.openAnswers.push_back({path(QStringLiteral("bad.bmp")), 1});
    click(QStringLiteral("open-merge"));
    EXPECT_EQ(session.merge.box.Point(0, 0), rgb(50, 50, 50));
}

TEST_F(FilterTest, WithoutAMergeImageMergesChangeNothingButTakeTheirSnapshot)
{
    ASSERT_TRUE(testing::writeFile(path(QStringLiteral("bad.jpg")), "\xff\xd8 truncated"));
    host.openAnswers.push_back({path(QStringLiteral("bad.jpg")), 1});
    click(QStringLiteral("open-merge"));
    EXPECT_FALSE(session.merge.loaded());
    doc.replaceWith(randomImage(7, 5, 3));
    for (const char *alias : {"blend", "interleave", "merge-grey", "merge-red"}) {
        click(QString::fromLatin1(alias));
        EXPECT_EQ(picture(), randomImage(7, 5, 3)) << alias;
    }
    EXPECT_EQ(session.undo.UndoCount, 4);
}

} // namespace
} // namespace quill
