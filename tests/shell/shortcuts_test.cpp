#include "canvas/text_window.h"
#include "shell/new_picture_dialog.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::pixelAt;

constexpr Colour kRed = rgb(255, 0, 0);

class ShortcutTest : public testing::WindowTest {
protected:
    ShortcutTest()
    {
        frame->activateWindow();
        QApplication::setActiveWindow(frame.get());
        session.state.LeftColour = kRed;
    }
    // The key as the user types it while drawing: the canvas has the focus.
    void type(Qt::Key keyName, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(tile(0), keyName, modifiers);
    }
    // A dot at (5, 5) with the Draw tool, and the one undo step it takes.
    void drawDot()
    {
        move(0, {5, 5});
        press(0, {5, 5});
        release(0, {5, 5});
        ASSERT_EQ(pixelAt(doc.picture().Image(), 5, 5), kRed);
    }
};

// Each shortcut clicks its own toolbar button: the same action, the same path.
struct ShortcutCase {
    const char *name;
    Qt::Key keyName;
    Qt::KeyboardModifiers modifiers;
    const char *button;
};

class ShortcutButtonTest : public ShortcutTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(ShortcutButtonTest, ClicksItsButtonAndTheCanvasIgnoresOneEvent)
{
    const ShortcutCase c = GetParam();
    host.messageAnswers.push_back(kAnswerNo); // Quit asks
    drawDot();                                // Undo needs a step to be enabled, Redo one undone
    if (std::string(c.button) == "g") {
        frame->toolbarClick(QStringLiteral("f"));
        session.state.SkipCanvasMouse = 0;
    }
    int clicks = 0;
    QObject::connect(frame->button(QString::fromLatin1(c.button)), &QAction::triggered, [&] { ++clicks; });
    type(c.keyName, c.modifiers);
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(session.state.SkipCanvasMouse, 0);
    const QString tip = frame->button(QString::fromLatin1(c.button))->toolTip();
    EXPECT_TRUE(tip.contains(QKeySequence(c.keyName | c.modifiers).toString())) << tip.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Keys, ShortcutButtonTest,
                         ::testing::Values(ShortcutCase{"New", Qt::Key_N, Qt::ControlModifier, "a"},
                                           ShortcutCase{"Open", Qt::Key_O, Qt::ControlModifier, "b"},
                                           ShortcutCase{"Save", Qt::Key_S, Qt::ControlModifier, "c"},
                                           ShortcutCase{"Copy", Qt::Key_C, Qt::ControlModifier, "l"},
                                           ShortcutCase{"Paste", Qt::Key_V, Qt::ControlModifier, "m"},
                                           ShortcutCase{"Undo", Qt::Key_Z, Qt::ControlModifier, "f"},
                                           ShortcutCase{"RedoY", Qt::Key_Y, Qt::ControlModifier, "g"},
                                           ShortcutCase{"RedoShiftZ", Qt::Key_Z,
                                                        Qt::ControlModifier | Qt::ShiftModifier, "g"},
                                           ShortcutCase{"Quit", Qt::Key_Q, Qt::ControlModifier, "e"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ShortcutTest, CtrlNShowsTheNewDialog)
{
    type(Qt::Key_N);
    const auto dialogs = frame->findChildren<NewPictureDialog *>();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(dialogs[0]->isVisible());
}

TEST_F(ShortcutTest, CtrlSSavesAndCtrlOOpensWhatWasSaved)
{
    const QImage original = testing::randomImage(9, 7, 4);
    doc.replaceWith(original);
    host.saveAnswers.push_back({path("k.png"), 3});
    type(Qt::Key_S);
    ASSERT_TRUE(QFile::exists(path("k.png")));
    doc.replaceWith(testing::solidImage(4, 4, kBlack));
    host.openAnswers.push_back({path("k.png"), 1});
    type(Qt::Key_O);
    EXPECT_EQ(doc.picture().Image(), original);
}

TEST_F(ShortcutTest, CtrlCCopiesAndCtrlVPastesThePicture)
{
    const QImage original = testing::randomImage(6, 8, 5);
    doc.replaceWith(original);
    type(Qt::Key_C);
    EXPECT_EQ(host.clipboard.convertToFormat(QImage::Format_RGB32), original);
    host.clipboard = testing::solidImage(3, 2, kRed);
    type(Qt::Key_V);
    EXPECT_EQ(doc.picture().Image(), testing::solidImage(3, 2, kRed));
}

TEST_F(ShortcutTest, CtrlZUndoesAndBothRedoKeysRedo)
{
    drawDot();
    type(Qt::Key_Z);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 5, 5), kWhite);
    type(Qt::Key_Y);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 5, 5), kRed);
    type(Qt::Key_Z);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 5, 5), kWhite);
    type(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 5, 5), kRed);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

TEST_F(ShortcutTest, UndoAndRedoKeysDoNothingWhileTheirButtonsAreDisabled)
{
    ASSERT_FALSE(frame->button(QStringLiteral("f"))->isEnabled());
    type(Qt::Key_Z);
    EXPECT_EQ(session.state.SkipCanvasMouse, 0);
    EXPECT_EQ(session.undo.UndoCount, 0);

    drawDot(); // a fresh step: Redo is off
    ASSERT_FALSE(frame->button(QStringLiteral("g"))->isEnabled());
    const int count = session.undo.UndoCount;
    type(Qt::Key_Y);
    type(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(session.undo.UndoCount, count);
    EXPECT_EQ(session.state.SkipCanvasMouse, 0);
    EXPECT_EQ(pixelAt(doc.picture().Image(), 5, 5), kRed);
}

TEST_F(ShortcutTest, CtrlQAsksBeforeItEnds)
{
    host.messageAnswers.push_back(kAnswerNo);
    type(Qt::Key_Q);
    EXPECT_FALSE(ended);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Are you sure you want to quit?"));
    host.messageAnswers.push_back(kAnswerYes);
    type(Qt::Key_Q);
    EXPECT_TRUE(ended);
}

TEST_F(ShortcutTest, CtrlCInTheTextFieldCopiesTextNotThePicture)
{
    QLineEdit *field = frame->textWindow()->text1();
    field->setText(QStringLiteral("hello"));
    field->selectAll();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(host.clipboard.isNull());
    EXPECT_FALSE(QFile::exists(path("clip.bmp")));
}

} // namespace
} // namespace quill
