// Unsaved changes: the "*" in the main frame's title, and Quit asking only
// when there is something to lose.
#include "shell/file_commands.h"
#include "support/picture_files.h"
#include "support/window_fixture.h"
#include "surface/image_files.h"

#include <QDir>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, TheTitleMarksChangesUntilTheyAreSavedAndNamesTheFile)
{
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar"));
    press(4, {3, 3});
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar - Untitled*"));
    host.saveAnswers.push_back({path(QStringLiteral("tile")), kSaveFilterPng});
    frame->toolbarClick(QStringLiteral("c"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar - tile.png"));
    frame->toolbarClick(QStringLiteral("f")); // Undo changes the picture too
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar - tile.png*"));

    ASSERT_TRUE(savePng(testing::randomImage(6, 5, 1), path(QStringLiteral("other.png"))));
    host.openAnswers.push_back({path(QStringLiteral("other.png")), 1});
    frame->toolbarClick(QStringLiteral("b"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar - other.png"));
}

struct QuitCase {
    const char *name;
    bool changed;             // a stroke before Quit
    std::vector<int> answers; // to "Save changes to Untitled?"
    const char *saveAs;       // the Save dialog's answer, when Save is chosen
    bool ends;
    bool asks;
};

class QuitTest : public WindowTest, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitTest, AsksOnlyWhenThereAreUnsavedChanges)
{
    const QuitCase &c = GetParam();
    if (c.changed)
        press(0, {2, 2});
    for (int a : c.answers)
        host.messageAnswers.push_back(a);
    if (c.saveAs)
        host.saveAnswers.push_back({path(QString::fromLatin1(c.saveAs)), kSaveFilterPng});
    frame->toolbarClick(QStringLiteral("e"));
    EXPECT_EQ(ended, c.ends);
    ASSERT_EQ(host.messages.size(), c.asks ? 1u : 0u);
    if (c.asks) {
        EXPECT_EQ(host.messages[0].text, QStringLiteral("Save changes to Untitled?"));
        EXPECT_EQ(host.messages[0].buttons, MessageButtons::SaveDiscardCancel);
    }
    // Only Save writes a file; nothing else leaves one behind.
    QStringList pictures = QDir(dir_.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
    EXPECT_EQ(pictures, c.saveAs && c.ends ? QStringList{QString::fromLatin1(c.saveAs)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Answers, QuitTest,
                         ::testing::Values(QuitCase{"Unchanged", false, {}, nullptr, true, false},
                                           QuitCase{"Cancel", true, {kAnswerCancel}, nullptr, false, true},
                                           QuitCase{"Discard", true, {kAnswerNo}, nullptr, true, true},
                                           QuitCase{"Save", true, {kAnswerYes}, "kept.png", true, true},
                                           QuitCase{"SaveDialogCancelled", true, {kAnswerYes}, nullptr, false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, TheCloseBoxAsksWhatQuitAsks)
{
    press(0, {2, 2});
    host.messageAnswers.push_back(kAnswerCancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Save changes to Untitled?"));
    host.messageAnswers.push_back(kAnswerNo);
    EXPECT_TRUE(frame->close());
}

} // namespace
} // namespace quill
