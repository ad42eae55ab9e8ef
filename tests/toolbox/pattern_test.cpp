#include "support/fixtures.h"
#include "toolbox/operation.h"
#include "toolbox/pattern.h"
#include "toolbox/pixel_framework.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <set>

namespace quill {
namespace {

using testing::pixelAt;

constexpr Colour kBlue = rgb(0, 0, 255);

// Every cell different: coloured cells with their own colour, every fifth transparent.
Pattern numberedPattern()
{
    Pattern p;
    for (int k = 0; k < kPatternCells; ++k)
        p.setCell(k, k % 5 == 0 ? QStringLiteral("T") : QString::number(rgb(k, 255 - k, (k * 7) % 256)));
    return p;
}

Pattern randomPattern(unsigned seed, int transparentEvery)
{
    std::mt19937 engine(seed);
    Pattern p;
    for (int k = 0; k < kPatternCells; ++k)
        p.setCell(k, engine() % transparentEvery == 0 ? QStringLiteral("T")
                                                      : QString::number(static_cast<Colour>(engine() & 0xffffff)));
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

TEST_F(PatternEditTest, StartsFullyTransparent)
{
    for (int k = 0; k < kPatternCells; ++k) {
        EXPECT_EQ(pattern.PatternCells[static_cast<std::size_t>(k)], QStringLiteral("T"));
        EXPECT_EQ(pattern.GridColours[static_cast<std::size_t>(k)], rgb(50, 50, 100));
    }
    EXPECT_FALSE(pattern.TransparentMode || pattern.GridPickColour || pattern.GridPickColourTransparent);
}

TEST_F(PatternEditTest, LeftAndRightPaintTheTwoColoursAsDecimalText)
{
    editPatternCell(session, 13, 1);
    editPatternCell(session, 14, 2);
    editPatternCell(session, 15, 4); // middle button: nothing
    EXPECT_EQ(pattern.PatternCells[13], QString::number(rgb(10, 20, 30)));
    EXPECT_EQ(pattern.PatternCells[13], QStringLiteral("1971210"));
    EXPECT_EQ(pattern.GridColours[13], rgb(10, 20, 30));
    EXPECT_EQ(pattern.PatternCells[14], QString::number(rgb(200, 100, 50)));
    EXPECT_EQ(pattern.GridColours[14], rgb(200, 100, 50));
    EXPECT_EQ(pattern.PatternCells[15], QStringLiteral("T"));
}

TEST_F(PatternEditTest, TransparentModeMakesCellsTransparentUnlessItsPickFlagIsOn)
{
    editPatternCell(session, 0, 1);
    editPatternCell(session, 1, 1);
    pattern.TransparentMode = true;
    editPatternCell(session, 0, 2);
    EXPECT_EQ(pattern.PatternCells[0], QStringLiteral("T"));
    EXPECT_EQ(pattern.GridColours[0], TransparentCellColour);
    pattern.GridPickColourTransparent = true;
    editPatternCell(session, 1, 1);
    EXPECT_EQ(pattern.PatternCells[1], QString::number(rgb(10, 20, 30)));
    EXPECT_EQ(session.state.LeftColour, rgb(10, 20, 30));
}

TEST_F(PatternEditTest, PickModeTakesTheCellColourAsForegroundAndSkipsTransparentCells)
{
    session.state.RightColour = rgb(1, 2, 3);
    editPatternCell(session, 7, 2);
    pattern.GridPickColour = true;
    editPatternCell(session, 7, 2);
    EXPECT_EQ(session.state.LeftColour, rgb(1, 2, 3));
    session.state.LeftColour = kBlue;
    editPatternCell(session, 8, 1); // transparent
    pattern.setCell(9, QString());  // empty counts as transparent
    editPatternCell(session, 9, 1);
    EXPECT_EQ(session.state.LeftColour, kBlue);
    EXPECT_EQ(pattern.PatternCells[7], QString::number(rgb(1, 2, 3)));
}

TEST_F(PatternEditTest, FillUsesTheBackgroundOrTransparent)
{
    fillPattern(session);
    for (const QString &cell : pattern.PatternCells)
        EXPECT_EQ(cell, QString::number(rgb(200, 100, 50)));
    EXPECT_EQ(pattern.GridColours[143], rgb(200, 100, 50));
    pattern.TransparentMode = true;
    fillPattern(session);
    for (int k = 0; k < kPatternCells; ++k) {
        EXPECT_EQ(pattern.PatternCells[static_cast<std::size_t>(k)], QStringLiteral("T"));
        EXPECT_EQ(pattern.GridColours[static_cast<std::size_t>(k)], TransparentCellColour);
    }
}

struct TurnCase {
    const char *label;
    PatternTurn turn;
    int period; // applications that give the start pattern back
    // (i, j) of the old cell that lands at new (i, j)
    std::function<std::pair<int, int>(int, int)> source;
};

class PatternTurnTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(PatternTurnTest, MovesEveryCellWhereTheRuleSays)
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
}

TEST_P(PatternTurnTest, RepeatingGivesTheStartPattern)
{
    const Pattern before = randomPattern(7, 3);
    Pattern p = before;
    for (int n = 1; n <= 4; ++n) {
        turnPattern(p, GetParam().turn);
        EXPECT_EQ(p.PatternCells == before.PatternCells, n % GetParam().period == 0) << n;
    }
    EXPECT_EQ(p.GridColours, before.GridColours);
}

INSTANTIATE_TEST_SUITE_P(Turns, PatternTurnTest,
                         ::testing::Values(
                             // new (11 - j, i) = old (i, j)
                             TurnCase{"QuarterLeft", PatternTurn::QuarterLeft, 4,
                                      [](int i, int j) {
                                          return std::pair{j, 11 - i};
                                      }},
                             TurnCase{"QuarterRight", PatternTurn::QuarterRight, 4,
                                      [](int i, int j) {
                                          return std::pair{11 - j, i};
                                      }},
                             TurnCase{"MirrorH", PatternTurn::MirrorH, 2,
                                      [](int i, int j) {
                                          return std::pair{i, 11 - j};
                                      }},
                             TurnCase{"MirrorV", PatternTurn::MirrorV, 2,
                                      [](int i, int j) {
                                          return std::pair{11 - i, j};
                                      }},
                             TurnCase{"Half", PatternTurn::Half, 2,
                                      [](int i, int j) {
                                          return std::pair{11 - i, 11 - j};
                                      }}),
                         [](const auto &info) { return std::string(info.param.label); });

struct TintCase {
    PatternTint tint;
    Colour expected; // for a cell of (20, 21, 234), grey level 92
    Colour fromWhite;
};

class PatternTintTest : public ::testing::TestWithParam<TintCase> {};

TEST_P(PatternTintTest, ColouredCellsTakeTheirGreyLevelAsTheTint)
{
    Pattern p;
    p.setCell(0, QString::number(rgb(20, 21, 234)));
    p.setCell(1, QStringLiteral("T"));
    p.setCell(2, QString());
    p.setCell(3, QString::number(kWhite));
    recolourPattern(p, GetParam().tint);
    EXPECT_EQ(p.PatternCells[0], QString::number(GetParam().expected));
    EXPECT_EQ(p.GridColours[0], GetParam().expected);
    EXPECT_EQ(p.PatternCells[1], QStringLiteral("T"));
    EXPECT_EQ(p.PatternCells[2], QString());
    EXPECT_EQ(p.PatternCells[3], QString::number(GetParam().fromWhite));
}

INSTANTIATE_TEST_SUITE_P(Tints, PatternTintTest,
                         ::testing::Values(TintCase{PatternTint::Blue, rgb(0, 0, 92), rgb(0, 0, 255)},
                                           TintCase{PatternTint::Green, rgb(0, 92, 0), rgb(0, 255, 0)},
                                           TintCase{PatternTint::Red, rgb(92, 0, 0), rgb(255, 0, 0)},
                                           TintCase{PatternTint::Yellow, rgb(92, 92, 0), rgb(255, 255, 0)},
                                           TintCase{PatternTint::Purple, rgb(92, 0, 92), rgb(255, 0, 255)},
                                           TintCase{PatternTint::Grey, rgb(92, 92, 92), kWhite}));

TEST(PatternCells, OnlyDecimalColoursInRangePaint)
{
    EXPECT_EQ(cellColour(QStringLiteral("255")), rgb(255, 0, 0));
    EXPECT_EQ(cellColour(QStringLiteral("16777215")), kWhite);
    EXPECT_EQ(cellColour(QStringLiteral("0")), kBlack);
    for (const char *bad : {"T", "", "16777216", "-1", "12a", " 5", "99999999999"})
        EXPECT_FALSE(cellColour(QLatin1String(bad))) << bad;
    EXPECT_EQ(gridColourOf(QString()), TransparentCellColour);
}

// Where each tiling puts the pattern: for picture pixel (x, y) the cell is
// (y mod 12, x mod 12); transparent cells keep the pixel.
Colour expectedPixel(PatternTiling tiling, const Pattern &p, Colour before, int x, int y)
{
    const int i = y % 12, j = x % 12;
    const auto cell = cellColour(cellAt(p, i, j));
    if (!cell)
        return before;
    switch (tiling) {
    case PatternTiling::Draw:
        return *cell;
    case PatternTiling::Merge: {
        auto half = [](int a, int b) {
            const double v = (a + b) / 2.0;
            return static_cast<int>(std::nearbyint(v));
        };
        return rgb(half(redOf(before), redOf(*cell)), half(greenOf(before), greenOf(*cell)),
                   half(blueOf(before), blueOf(*cell)));
    }
    case PatternTiling::ByPixels: {
        int earlier = 0; // coloured cells to the left in the same cell row
        for (int jj = 0; jj < j; ++jj)
            earlier += cellColour(cellAt(p, i, jj)).has_value();
        return earlier % 2 == 1 ? *cell : before;
    }
    }
    return before;
}

struct TilingCase {
    const char *label;
    PatternTiling tiling;
    int width, height;
};

class PatternTilingTest : public testing::CoreTest, public ::testing::WithParamInterface<TilingCase> {};

TEST_P(PatternTilingTest, EveryPixelTakesItsCellAndTransparentCellsKeepThePicture)
{
    const auto &param = GetParam();
    const QImage before = testing::randomImage(param.width, param.height, 3);
    doc.replaceWith(before);
    session.pattern = randomPattern(11, 4);
    session.state.ClickStage = 1;
    applyPattern(session, param.tiling);

    const QImage &after = doc.picture().Image();
    ASSERT_EQ(after.size(), before.size());
    int kept = 0;
    for (int y = 0; y < param.height; ++y)
        for (int x = 0; x < param.width; ++x) {
            const Colour old = pixelAt(before, x, y);
            const Colour now = pixelAt(after, x, y);
            ASSERT_EQ(now, expectedPixel(param.tiling, session.pattern, old, x, y)) << x << "," << y;
            kept += now == old;
        }
    if (param.width * param.height > 1) {
        EXPECT_GT(kept, 0);
        EXPECT_LT(kept, param.width * param.height);
    }
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(session.state.ClickStage, 0);
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_EQ(doc.layer(0).scaleMode(), ScaleMode::Pixels);

    session.undo.Undo(doc);
    EXPECT_EQ(doc.picture().Image().convertToFormat(QImage::Format_RGB32), before);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(Tilings, PatternTilingTest,
                         ::testing::Values(TilingCase{"Draw", PatternTiling::Draw, 30, 27},
                                           TilingCase{"Merge", PatternTiling::Merge, 30, 27},
                                           TilingCase{"ByPixels", PatternTiling::ByPixels, 30, 27},
                                           TilingCase{"DrawOnePixel", PatternTiling::Draw, 1, 1},
                                           TilingCase{"DrawSmall", PatternTiling::Draw, 10, 10},
                                           TilingCase{"DrawExactTiles", PatternTiling::Draw, 24, 36},
                                           TilingCase{"DrawRoundsToEvenTiles", PatternTiling::Draw, 137, 16},
                                           TilingCase{"MergeWide", PatternTiling::Merge, 61, 13},
                                           TilingCase{"ByPixelsTall", PatternTiling::ByPixels, 13, 61}),
                         [](const auto &info) { return std::string(info.param.label); });

class PatternApplyTest : public testing::CoreTest {};

TEST_F(PatternApplyTest, AllTransparentChangesNothingButTakesASnapshot)
{
    const QImage before = testing::randomImage(25, 25, 5);
    doc.replaceWith(before);
    for (auto tiling : {PatternTiling::Draw, PatternTiling::Merge, PatternTiling::ByPixels})
        applyPattern(session, tiling);
    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_EQ(session.undo.UndoCount, 3);
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
    EXPECT_EQ(pixelAt(doc.layer(5).Image(), 36, 24), kBlue);
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

// The pattern buttons as the toolbox and the batch runner find them.
TEST(PatternOperations, EveryButtonIsRegisteredOnceWithItsSnapshotCount)
{
    const std::map<QString, int> snapshots = {
        {"Command67", 1}, {"Command68", 1}, {"Command57", 1}, {"Command69", 0}, {"Command72", 0},  {"Command73", 0},
        {"Command74", 0}, {"Command75", 0}, {"Command76", 0}, {"Command77", 0}, {"Command78", 0},  {"Command79", 0},
        {"Command96", 0}, {"Command97", 0}, {"Command98", 0}, {"Command99", 0}, {"Command100", 0}, {"Command101", 0}};
    std::set<QString> aliases;
    for (const auto &[name, count] : snapshots) {
        const Operation *op = findOperation(name);
        ASSERT_NE(op, nullptr) << name.toStdString();
        EXPECT_EQ(op->snapshots, count) << name.toStdString();
        EXPECT_EQ(findOperation(op->alias), op);
        EXPECT_TRUE(aliases.insert(op->alias).second);
        EXPECT_EQ(op->replacedInBatchBy.isEmpty(), name != "Command72" && name != "Command73");
    }
    EXPECT_EQ(findOperation(QStringLiteral("pattern-open"))->replacedInBatchBy, QStringLiteral("--pattern FILE"));
}

class PatternOperationRunTest : public testing::CoreTest {};

TEST_F(PatternOperationRunTest, RunningAButtonTakesItsSnapshotsAndTellsTheWindows)
{
    int told = 0;
    session.addStateListener([&] { ++told; });
    doc.replaceWith(testing::solidImage(12, 12, kWhite));
    session.state.RightColour = kBlue;
    findOperation(QStringLiteral("pattern-fill"))->run(session);
    EXPECT_EQ(session.undo.UndoCount, 0);
    findOperation(QStringLiteral("Command67"))->run(session);
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), kBlue), 144);
    findOperation(QStringLiteral("pattern-grey"))->run(session);
    EXPECT_EQ(session.pattern.PatternCells[5], QString::number(rgb(85, 85, 85)));
    EXPECT_EQ(told, 3);
}

} // namespace
} // namespace quill
