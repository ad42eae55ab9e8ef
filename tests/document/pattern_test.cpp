#include "document/operation.h"
#include "document/pattern.h"
#include "document/pixel_framework.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quill {
namespace {

using testing::pixelAt;

// Every cell different: coloured cells with their own colour, every fifth transparent.
Pattern numberedPattern()
{
    Pattern p;
    for (int k = 0; k < kPatternCells; ++k)
        p.setCell(k, k % 5 == 0 ? QStringLiteral("T") : QString::number(rgb(k, 255 - k, (k * 7) % 256)));
    return p;
}

QString cellAt(const Pattern &p, int i, int j) { return p.PatternCells[static_cast<std::size_t>(i * 12 + j)]; }

class PatternEditTest : public testing::CoreTest {
protected:
    PatternEditTest()
    {
        session.state.LeftColour = rgb(10, 20, 30);
        session.state.RightColour = rgb(200, 100, 50);
    }
    Pattern &pattern = session.pattern;
};

TEST_F(PatternEditTest, ClicksPaintPickOrClearCellsByTheModeFlags)
{
    editPatternCell(session, 13, 1);
    editPatternCell(session, 14, 2);
    editPatternCell(session, 15, 4);                                // middle button: nothing
    EXPECT_EQ(pattern.PatternCells[13], QStringLiteral("1971210")); // the colour as decimal text
    EXPECT_EQ(pattern.PatternCells[15], QStringLiteral("T"));

    pattern.TransparentMode = true;
    editPatternCell(session, 13, 2);
    EXPECT_EQ(pattern.PatternCells[13], QStringLiteral("T"));
    EXPECT_EQ(pattern.GridColours[13], TransparentCellColour);
    pattern.GridPickColourTransparent = true; // its own flag keeps the cell from clearing
    editPatternCell(session, 14, 1);
    EXPECT_EQ(pattern.PatternCells[14], QString::number(rgb(200, 100, 50)));

    pattern.TransparentMode = pattern.GridPickColourTransparent = false;
    pattern.GridPickColour = true;
    session.state.LeftColour = kBlue;
    editPatternCell(session, 8, 1); // transparent cells are not picked
    pattern.setCell(9, QString());  // and neither are empty ones
    editPatternCell(session, 9, 1);
    EXPECT_EQ(session.state.LeftColour, kBlue);
}

TEST_F(PatternEditTest, FillUsesTheBackgroundOrTransparent)
{
    const auto count = [](const auto &cells, const auto &value) {
        return std::count(cells.begin(), cells.end(), value);
    };
    fillPattern(session);
    EXPECT_EQ(count(pattern.PatternCells, QString::number(rgb(200, 100, 50))), kPatternCells);
    EXPECT_EQ(count(pattern.GridColours, rgb(200, 100, 50)), kPatternCells);
    pattern.TransparentMode = true;
    fillPattern(session);
    EXPECT_EQ(count(pattern.PatternCells, QStringLiteral("T")), kPatternCells);
    EXPECT_EQ(count(pattern.GridColours, TransparentCellColour), kPatternCells);
}

struct TurnCase {
    const char *label;
    PatternTurn turn;
    int period; // applications that give the start pattern back
    // (i, j) of the old cell that lands at new (i, j)
    std::function<std::pair<int, int>(int, int)> source;
};

class PatternTurnTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(PatternTurnTest, MovesEveryCellWhereTheRuleSaysAndRepeatsBackToTheStart)
{
    const Pattern before = numberedPattern();
    Pattern after = before;
    turnPattern(after, GetParam().turn);
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j) {
            const auto [si, sj] = GetParam().source(i, j);
            EXPECT_EQ(cellAt(after, i, j), cellAt(before, si, sj)) << i << "," << j;
            EXPECT_EQ(after.GridColours[static_cast<std::size_t>(i * 12 + j)], gridColourOf(cellAt(before, si, sj)));
        }
    for (int n = 2; n <= 4; ++n) {
        turnPattern(after, GetParam().turn);
        EXPECT_EQ(after.PatternCells == before.PatternCells, n % GetParam().period == 0) << n;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Turns, PatternTurnTest, ::testing::Values(
    TurnCase{"QuarterLeft", PatternTurn::QuarterLeft, 4, [](int i, int j) { return std::pair{j, 11 - i}; }},
    TurnCase{"QuarterRight", PatternTurn::QuarterRight, 4, [](int i, int j) { return std::pair{11 - j, i}; }},
    TurnCase{"MirrorH", PatternTurn::MirrorH, 2, [](int i, int j) { return std::pair{i, 11 - j}; }},
    TurnCase{"MirrorV", PatternTurn::MirrorV, 2, [](int i, int j) { return std::pair{11 - i, j}; }},
    TurnCase{"Half", PatternTurn::Half, 2, [](int i, int j) { return std::pair{11 - i, 11 - j}; }}),
    [](const auto &info) { return std::string(info.param.label); });
// clang-format on

TEST(PatternTint, ColouredCellsTakeTheirGreyLevelAsTheTintAndTransparentOnesStay)
{
    // A cell of (20, 21, 234) has the grey level 92, a white one 255.
    const std::pair<PatternTint, Colour> tints[] = {{PatternTint::Blue, rgb(0, 0, 92)},
                                                    {PatternTint::Yellow, rgb(92, 92, 0)},
                                                    {PatternTint::Grey, rgb(92, 92, 92)}};
    for (const auto &[tint, expected] : tints) {
        Pattern p;
        p.setCell(0, QString::number(rgb(20, 21, 234)));
        p.setCell(2, QString());
        p.setCell(3, QString::number(kWhite));
        recolourPattern(p, tint);
        EXPECT_EQ(p.PatternCells[0], QString::number(expected));
        EXPECT_EQ(p.GridColours[0], expected);
        EXPECT_EQ(p.PatternCells[1], QStringLiteral("T"));
        EXPECT_EQ(p.PatternCells[2], QString());
        EXPECT_EQ(cellColour(p.PatternCells[3]),
                  rgb(255 * (redOf(expected) > 0), 255 * (greenOf(expected) > 0), 255 * (blueOf(expected) > 0)));
    }
}

class PatternApplyTest : public testing::CoreTest {};

TEST_F(PatternApplyTest, AllTransparentChangesNothingButTakesASnapshotAndUndoes)
{
    const QImage before = testing::randomImage(25, 25, 5);
    doc.replaceWith(before);
    for (auto tiling : {PatternTiling::Draw, PatternTiling::Merge, PatternTiling::ByPixels})
        applyPattern(session, tiling);
    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_EQ(session.undo.UndoCount, 3);
    session.pattern.setCell(7, QString::number(kBlue));
    session.state.ClickStage = 1; // a shape half drawn on the canvas stays half drawn
    applyPattern(session, PatternTiling::Draw);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 19, 12), kBlue);
    EXPECT_EQ(session.state.ClickStage, 1);
    session.undo.Undo(doc);
    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

TEST_F(PatternApplyTest, ASingleCellAtIndexZeroPaintsTheCornerOfEveryTile)
{
    doc.replaceWith(testing::solidImage(40, 30, kWhite));
    session.pattern.setCell(0, QString::number(kBlue));
    applyPattern(session, PatternTiling::Draw);
    const QImage &image = doc.picture().Image();
    EXPECT_EQ(testing::countPixels(image, kBlue), 4 * 3);
    for (int y : {0, 12, 24})
        for (int x : {0, 12, 24, 36})
            EXPECT_EQ(pixelAt(image, x, y), kBlue);
}

TEST_F(PatternApplyTest, MergeOfRedOverBlueRoundsTheHalfToEven)
{
    doc.replaceWith(testing::solidImage(12, 12, kBlue));
    session.pattern.setCell(0, QString::number(rgb(255, 0, 0)));
    session.pattern.setCell(1, QString::number(rgb(3, 5, 0)));
    applyPattern(session, PatternTiling::Merge);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 0, 0), rgb(128, 0, 128));
    EXPECT_EQ(pixelAt(doc.picture().Image(), 1, 0), rgb(2, 2, 128)); // 1.5 -> 2, 2.5 -> 2
}

TEST_F(PatternApplyTest, MergeByPixelsAlternatesOverColouredCellsOnlyAndRestartsEachRow)
{
    doc.replaceWith(testing::solidImage(12, 12, kWhite));
    // Row 0: coloured at 0, 1, (2 transparent), 3, 4; row 1: coloured at 5.
    for (int j : {0, 1, 3, 4})
        session.pattern.setCell(j, QString::number(kBlue));
    session.pattern.setCell(12 + 5, QString::number(kBlue));
    applyPattern(session, PatternTiling::ByPixels);
    const QImage &image = doc.picture().Image();
    EXPECT_EQ(pixelAt(image, 0, 0), kWhite);
    EXPECT_EQ(pixelAt(image, 1, 0), kBlue);
    EXPECT_EQ(pixelAt(image, 3, 0), kWhite);
    EXPECT_EQ(pixelAt(image, 4, 0), kBlue);
    EXPECT_EQ(pixelAt(image, 5, 1), kWhite);
    EXPECT_EQ(testing::countPixels(image, kBlue), 2);
}

} // namespace
} // namespace quill
