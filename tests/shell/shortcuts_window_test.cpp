#include "canvas/text_window.h"
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

class ShortcutTest : public testing::WindowTest {
public:
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
    // A red dot at (5, 5) with the Draw tool: one undo step.
    void drawDot()
    {
        move(0, {5, 5});
        press(0, {5, 5});
        release(0, {5, 5});
    }
    Colour dot() { return pixelAt(doc.picture().Image(), 5, 5); }
};

struct ShortcutCase {
    const char *name;
    Qt::Key keyName;
    Qt::KeyboardModifiers modifiers;
    const char *button;
};

class ShortcutCommandTest : public ShortcutTest, public ::testing::WithParamInterface<ShortcutCase> {};

// Each key clicks its own button (the same action, the same path; what the
// button then does is the toolbar's tests): the canvas ignores one event, the
// tooltip names the key.
TEST_P(ShortcutCommandTest, ClicksItsButtonOnce)
{
    const ShortcutCase c = GetParam();
    drawDot(); // two steps, one undone: Undo and Redo both have work
    drawDot();
    frame->toolbarClick(QStringLiteral("f"));
    session.state.SkipCanvasMouse = 0;
    int clicks = 0;
    QObject::connect(frame->button(QString::fromLatin1(c.button)), &QAction::triggered, [&] { ++clicks; });
    type(c.keyName, c.modifiers);
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(session.state.SkipCanvasMouse, 0);
    const QString tip = frame->button(QString::fromLatin1(c.button))->toolTip();
    EXPECT_TRUE(tip.contains(QKeySequence(c.keyName | c.modifiers).toString())) << tip.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Keys, ShortcutCommandTest,
                         ::testing::Values(ShortcutCase{"New", Qt::Key_N, Qt::ControlModifier, "a"},
                                           ShortcutCase{"Open", Qt::Key_O, Qt::ControlModifier, "b"},
                                           ShortcutCase{"Copy", Qt::Key_C, Qt::ControlModifier, "l"},
                                           ShortcutCase{"Undo", Qt::Key_Z, Qt::ControlModifier, "f"},
                                           ShortcutCase{"RedoY", Qt::Key_Y, Qt::ControlModifier, "g"},
                                           ShortcutCase{"RedoShiftZ", Qt::Key_Z,
                                                        Qt::ControlModifier | Qt::ShiftModifier, "g"},
                                           ShortcutCase{"Quit", Qt::Key_Q, Qt::ControlModifier, "e"}),
                         [](const auto &info) { return std::string(info.param.name); });

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
    EXPECT_EQ(dot(), kRed);
}

TEST_F(ShortcutTest, CtrlCInTheTextFieldCopiesTextNotThePicture)
{
    QLineEdit *field = frame->textWindow()->text1();
    field->selectAll();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(host.clipboard.isNull());
    EXPECT_FALSE(QFile::exists(path("clip.bmp")));
}

} // namespace
} // namespace quill
