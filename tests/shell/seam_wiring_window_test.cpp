// The seam tools as the user reaches them: the toolbar keys, the status bar
// score, the dimmed copies on the canvas and the wrap flag across New, Open
// and Undo.
#include "shell/file_commands.h"
#include "support/photo_tiles.h"
#include "support/window_fixture.h"
#include "toolbox/broad_light.h"
#include "toolbox/seam_commands.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <functional>

namespace quill {
namespace {

class SeamWiringTest : public testing::WindowTest {
protected:
    void click(const char *key) { frame->toolbarClick(QString::fromLatin1(key)); }
    // A vertical Draw stroke (pen 10) down column x of the picture; the first
    // move is the one a toolbar click makes the canvas swallow.
    void strokeDown(int x)
    {
        move(0, {x, 10});
        press(0, {x, 10});
        move(0, {x, 60}, Qt::LeftButton);
        release(0, {x, 60});
    }
    Colour at(int x, int y) { return testing::pixelAt(doc.picture().Image(), x, y); }
    QLabel *scoreLabel() { return frame->seamScoreLabel(); }
    QColor scoreColour() { return scoreLabel()->palette().color(QPalette::WindowText); }
};

// The stroke that wraps while the key is down is in WrapSurvivesTest below.
TEST_F(SeamWiringTest, WrapKeyPressedAgainLetsAStrokeStopAtTheEdge)
{
    const int w = doc.pixelWidth();
    click("o");
    EXPECT_TRUE(frame->button(QStringLiteral("o"))->isChecked());
    click("o");
    EXPECT_FALSE(frame->button(QStringLiteral("o"))->isChecked());
    strokeDown(w - 2); // a 10-pixel pen reaches 3 pixels past the right edge
    EXPECT_EQ(at(w - 1, 30), kBlack);
    EXPECT_EQ(at(0, 30), kWhite);
}

TEST_F(SeamWiringTest, OffsetKeyShiftsByHalfEnablesUndoAndTheSecondPressShiftsBack)
{
    const QImage picture = testing::randomImage(9, 6, 5);
    doc.replaceWith(picture);
    ASSERT_FALSE(frame->button(QStringLiteral("f"))->isEnabled());
    click("p");
    EXPECT_TRUE(frame->button(QStringLiteral("f"))->isEnabled());
    EXPECT_EQ(doc.picture().Image().pixel(4, 3), picture.pixel(0, 0));
    EXPECT_TRUE(testing::allLayersEqual(doc));
    click("p");
    EXPECT_EQ(doc.picture().Image(), picture);
    click("f"); // Undo brings back the shifted picture
    EXPECT_EQ(doc.picture().Image().pixel(4, 3), picture.pixel(0, 0));
}

TEST_F(SeamWiringTest, ScoreTurnsRedForAHardSeamOnceTheEventLoopTurnsAndMakeSeamlessBringsItBack)
{
    QApplication::processEvents();
    EXPECT_EQ(scoreLabel()->text(), QStringLiteral("Seam 1.00 seamless"));
    EXPECT_EQ(scoreColour(), QColor(0, 128, 0));

    strokeDown(1); // touches the left edge only: black meets white across the seam
    // One score for the whole stroke, after it: nothing is scored while it runs.
    EXPECT_EQ(scoreLabel()->text(), QStringLiteral("Seam 1.00 seamless"));
    QApplication::processEvents();
    const double hard = seamScore(doc.picture().Image(), Lattice::Grid).s;
    EXPECT_GT(hard, 2.0);
    EXPECT_EQ(scoreLabel()->text(), seamLabel(hard));
    EXPECT_EQ(scoreColour(), QColor(200, 0, 0));

    click("q");
    QApplication::processEvents();
    EXPECT_EQ(scoreLabel()->text(), seamLabel(seamScore(doc.picture().Image(), Lattice::Grid).s));
    EXPECT_EQ(scoreColour(), QColor(0, 128, 0));
}

TEST_F(SeamWiringTest, EvenLightingKeyTurnsTheRepeatScoreFromRedToGreenInOneUndoStep)
{
    const QImage blob = testing::blobTile({120, 90}, {40, 45}, 90);
    doc.replaceWith(blob);
    QApplication::processEvents();
    QLabel *repeat = frame->repeatScoreLabel();
    EXPECT_EQ(repeat->text(), repeatLabel(repetitionScore(blob, Lattice::Grid)));
    EXPECT_TRUE(repeat->text().endsWith(QStringLiteral(" patchy"))) << repeat->text().toStdString();
    EXPECT_EQ(repeat->palette().color(QPalette::WindowText), QColor(200, 0, 0));

    click("s");
    QApplication::processEvents();
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_LT(repetitionScore(doc.picture().Image(), Lattice::Grid), 0.05);
    EXPECT_TRUE(repeat->text().endsWith(QStringLiteral(" even"))) << repeat->text().toStdString();
    EXPECT_EQ(repeat->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(scoreColour(), QColor(0, 128, 0)); // still seamless

    click("f");
    EXPECT_EQ(doc.picture().Image(), blob);
}

TEST_F(SeamWiringTest, DimCopiesGreysTheEightCopiesOnScreenOnlyAndTheyStillTakeDrawing)
{
    doc.replaceWith(testing::randomImage(30, 20, 3));
    const QImage raster = doc.picture().Image().copy();
    click("r");
    EXPECT_TRUE(frame->button(QStringLiteral("r"))->isChecked());
    for (int index : {0, 8}) {
        const QImage shown = tile(index)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int off = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                const QRgb p = raster.pixel(x, y), s = shown.pixel(x, y);
                const auto dimmed = [](int c) { return (c + 128) / 2; };
                off += index == 0
                           ? s != p
                           : std::abs(qRed(s) - dimmed(qRed(p))) > 1 || std::abs(qBlue(s) - dimmed(qBlue(p))) > 1;
            }
        EXPECT_EQ(off, 0) << "tile " << index;
        EXPECT_EQ(doc.layer(index).Image(), raster) << "tile " << index;
    }
    move(3, {15, 10});
    press(3, {15, 10}); // a Draw dot on a dimmed copy reaches the picture
    EXPECT_EQ(at(15, 10), kBlack);

    click("r");
    const QImage shown = tile(1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, 30, 20), doc.layer(1).Image());
}

// Ways the layers get a new raster (or none); the wrap flag must outlive every one.
struct Replacement {
    const char *name;
    std::function<void(Session &, ScriptedHost &)> run;
};

class WrapSurvivesTest : public SeamWiringTest, public ::testing::WithParamInterface<Replacement> {};

TEST_P(WrapSurvivesTest, AStrokeOverTheRightEdgeStillContinuesAtTheLeft)
{
    click("o");
    GetParam().run(session, host);
    doc.picture().Cls();
    doc.PropagateCentre();
    const int w = doc.pixelWidth();
    strokeDown(w - 2); // a 10-pixel pen reaches 3 pixels past the right edge
    EXPECT_EQ(at(w - 1, 30), kBlack);
    EXPECT_EQ(at(2, 30), kBlack);
    EXPECT_EQ(at(5, 30), kWhite);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(
    Replacements, WrapSurvivesTest,
    ::testing::Values(Replacement{"Nothing", [](Session &, ScriptedHost &) {}},
                      Replacement{"New", [](Session &s,
                                            ScriptedHost &) { ASSERT_TRUE(applyNewPicture(s, "1200", "1500", 0)); }},
                      Replacement{"Open",
                                  [](Session &s, ScriptedHost &h) {
                                      ASSERT_TRUE(testing::randomImage(90, 75, 4).save(QStringLiteral("opened.bmp")));
                                      h.openAnswers.push_back({QStringLiteral("opened.bmp"), 1});
                                      OpenPicture(s);
                                      ASSERT_EQ(s.document.pixelWidth(), 90);
                                  }},
                      Replacement{"Undo",
                                  [](Session &s, ScriptedHost &) {
                                      s.TakeUndoSnapshot();
                                      s.document.picture().Cls();
                                      s.undo.Undo(s.document);
                                  }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
