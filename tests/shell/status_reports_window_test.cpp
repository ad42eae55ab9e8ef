// Feedback where the user looks: a cancelled capture leaves a line on the main
// frame's status bar, and the New dialog shows its range and why Ok did
// nothing. No message box waits.
#include "shell/capture_window.h"
#include "shell/new_picture_dialog.h"
#include "support/window_fixture.h"
#include "toolbox/toolbox_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::WindowTest;

class StatusReportTest : public WindowTest {
protected:
    QString statusLine() { return frame->statusBar()->currentMessage(); }
};

TEST_F(StatusReportTest, ACancelledCaptureSaysWhyAndKeepsThePicture)
{
    const QImage before = testing::randomImage(20, 12, 4);
    doc.replaceWith(before);
    host.screen = testing::randomImage(200, 100, 3);
    frame->captureDelayMs = 0;
    frame->toolbarClick(QStringLiteral("n"));
    host.clickTrayIcon();
    QPointer<CaptureWindow> capture = frame->captureWindow();
    ASSERT_FALSE(capture.isNull());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(capture.data(), &esc);
    testing::flushDeletes();
    EXPECT_TRUE(capture.isNull());
    EXPECT_EQ(statusLine(), QStringLiteral("Capture cancelled: the picture is unchanged"));
    EXPECT_FALSE(frame->isMinimized());

    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(host.messages.size(), 1u); // only the capture's own prompt
}

TEST_F(StatusReportTest, TheNewDialogShowsItsRangeInTheUnitAndWhyOkDidNothing)
{
    const QImage before = doc.picture().Image().copy();
    frame->toolbarClick(QStringLiteral("a"));
    QPointer<NewPictureDialog> dialog = testing::openWindow<NewPictureDialog>(frame.get());
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(dialog->widthRange()->text(), QStringLiteral("50 to 3000 twips"));
    dialog->unitList()->setCurrentIndex(3); // Character: cells are twice as high as wide
    EXPECT_EQ(dialog->widthRange()->text(), QStringLiteral("50 to 1024 characters"));
    EXPECT_EQ(dialog->heightRange()->text(), QStringLiteral("50 to 512 characters"));

    dialog->widthField()->setText(QStringLiteral("60abc"));
    dialog->okButton()->click();
    testing::flushDeletes();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(dialog->problem()->text(), QStringLiteral("The width \"60abc\" is not a number."));
    dialog->widthField()->setText(QStringLiteral("60"));
    dialog->heightField()->setText(QStringLiteral("600"));
    dialog->okButton()->click();
    EXPECT_EQ(dialog->problem()->text(), QStringLiteral("The height 600 is too large: the largest is 512."));
    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_TRUE(host.messages.empty());
}

// Hovering names the button on the status bar; its tooltip keeps its own text.
TEST_F(StatusReportTest, HoveringAToolboxButtonNamesItOnTheStatusBar)
{
    auto *toolbox = frame->findChild<ToolboxWindow *>();
    ASSERT_NE(toolbox, nullptr);
    const std::pair<const char *, const char *> cases[] = {
        {"Command45", "Increase red by 20 where it has room"},
        {"Command70", "Circle with the fill the last circle button chose"},
        {"Command96", "Pattern: quarter turn counter-clockwise"},
    };
    for (const auto &[name, text] : cases) {
        QAbstractButton *button = toolbox->button(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QEnterEvent enter(QPointF(5, 5), button->mapTo(frame.get(), QPointF(5, 5)), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(statusLine(), QString::fromLatin1(text)) << name;
    }
    EXPECT_EQ(toolbox->button(QStringLiteral("Command70"))->toolTip(), QStringLiteral("Rectangle"));
}

} // namespace
} // namespace quill
