#include "support/fixtures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::CoreTest;

TEST(StartValues, GlobalsStartAsTheProgramExpects)
{
    const AppState s;
    EXPECT_EQ(s.ToolMode, 1);
    EXPECT_EQ(s.ToolDrawWidth[1], 10);
    EXPECT_EQ(s.ToolDrawWidth[19], 1);
    for (int i : {0, 2, 3, 13, 22, 40})
        EXPECT_EQ(s.ToolDrawWidth[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(s.PointWidth, 3);
    EXPECT_EQ(s.PointCount, 2);
    EXPECT_EQ(s.SprayWidth, 10);
    EXPECT_EQ(s.SprayPointWidth, 2);
    EXPECT_EQ(s.SprayPointCount, 100);
    EXPECT_EQ(s.SkipCanvasMouse, 0);
    EXPECT_FALSE(s.ZoomPointSet);
    EXPECT_EQ(s.LeftColour, kBlack);
    EXPECT_EQ(s.RightColour, kWhite);
}

struct SplitCase {
    std::int64_t colour;
    int red, green, blue;
};

class SplitColorTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitColorTest, LeavesTheComponentsInTheGlobals)
{
    AppState s;
    s.SplitRed = s.SplitGreen = s.SplitBlue = 99;
    SplitColor(s, GetParam().colour);
    EXPECT_EQ(s.SplitRed, GetParam().red);
    EXPECT_EQ(s.SplitGreen, GetParam().green);
    EXPECT_EQ(s.SplitBlue, GetParam().blue);
}

INSTANTIATE_TEST_SUITE_P(Colours, SplitColorTest,
                         ::testing::Values(SplitCase{16777215, 255, 255, 255}, SplitCase{0, 0, 0, 0},
                                           SplitCase{65280, 0, 255, 0}, SplitCase{-1, 0, 0, 0},
                                           SplitCase{255, 255, 0, 0}, SplitCase{16711680, 0, 0, 255}));

class StartStateTest : public CoreTest {};

TEST_F(StartStateTest, LoadClearsThePictureToWhiteOnAllNineLayers)
{
    doc.forEachLayer([](Surface &l) { l.raster().fill(0); });
    loadStartState(session);
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), kWhite), doc.pixelWidth() * doc.pixelHeight());
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(doc.picture().DrawWidth(), 3000); // left as the clear set it
    EXPECT_EQ(doc.pixelWidth(), 122);
}

TEST_F(StartStateTest, FontListKeepsTheFirstThousandNames)
{
    host.fonts.clear();
    for (int i = 1; i <= 1200; ++i)
        host.fonts << QStringLiteral("Font %1").arg(i);
    loadStartState(session);
    ASSERT_EQ(session.state.FontNames.size(), 1000);
    EXPECT_EQ(session.state.FontNames.front(), QStringLiteral("Font 1"));
    EXPECT_EQ(session.state.FontNames.back(), QStringLiteral("Font 1000"));
}

TEST_F(StartStateTest, LoadDeletesStaleSnapshots)
{
    for (const char *name : {"undo5.bmp", "undo1000.bmp", "undo1001.bmp"}) {
        QFile f(path(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    loadStartState(session);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("undo5.bmp"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("undo1000.bmp"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("undo1001.bmp"))));
}

TEST_F(StartStateTest, FileExistsOnlyForReadableFiles)
{
    QFile f(path(QStringLiteral("present.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(FileExists(path(QStringLiteral("present.txt"))));
    EXPECT_FALSE(FileExists(path(QStringLiteral("absent.txt"))));
    EXPECT_FALSE(FileExists(QString()));
}

class QuitQuestionTest : public CoreTest, public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(QuitQuestionTest, EndsOnlyOnYes)
{
    host.messageAnswers.push_back(GetParam().first);
    EXPECT_EQ(confirmQuit(host), GetParam().second);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(host.messages[0].title, QStringLiteral("Quillmar"));
}

INSTANTIATE_TEST_SUITE_P(Answers, QuitQuestionTest,
                         ::testing::Values(std::pair{kAnswerYes, true}, std::pair{kAnswerNo, false}));

} // namespace
} // namespace quill
