#include "shell/about_window.h"
#include "shell/capture_window.h"
#include "shell/new_picture_dialog.h"
#include "shell/view_window.h"
#include "support/picture_files.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::flushDeletes;
using testing::openWindow;
using testing::WindowTest;

void sendMouse(QWidget *target, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// ---- Each toolbar key of these commands ----------------------------------------

struct KeyCase {
    const char *key;
    std::function<void(WindowTest &)> prepare;
    std::function<bool(WindowTest &)> ran;
};

class PictureKeyTest : public WindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PictureKeyTest, RunsItsCommandAndTheCanvasIgnoresOneEvent)
{
    if (GetParam().prepare)
        GetParam().prepare(*this);
    ASSERT_TRUE(frame->button(QString::fromLatin1(GetParam().key))->isEnabled());
    frame->toolbarClick(QString::fromLatin1(GetParam().key));
    EXPECT_TRUE(GetParam().ran(*this));
    EXPECT_NE(session.state.SkipCanvasMouse, 0);
    press(0, {1, 1});
    EXPECT_EQ(session.undo.UndoCount, 0); // the press was swallowed
    EXPECT_EQ(session.state.SkipCanvasMouse, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PictureKeyTest,
    ::testing::Values(KeyCase{"a", nullptr,
                              [](auto &t) { return openWindow<NewPictureDialog>(&t.mainFrame()) != nullptr; }},
                      KeyCase{"b", nullptr, [](auto &t) { return t.scripted().openFilters.size() == 1; }},
                      KeyCase{"c", nullptr, [](auto &t) { return t.scripted().saveFilters.size() == 1; }},
                      KeyCase{"l", nullptr,
                              [](auto &t) {
                                  return QFile::exists(t.coreSession().undo.folder().path() +
                                                       QStringLiteral("/clip.bmp"));
                              }},
                      KeyCase{"m", [](auto &t) { t.scripted().clipboard = quill::testing::solidImage(5, 4, kBlack); },
                              [](auto &t) { return t.document().picture().Image().size() == QSize(5, 4); }},
                      KeyCase{"n", nullptr,
                              [](auto &t) {
                                  return t.scripted().trayIconVisible() && t.scripted().messages.size() == 1 &&
                                         t.mainFrame().isMinimized();
                              }},
                      KeyCase{"k", nullptr, [](auto &t) { return openWindow<ViewWindow>(&t.mainFrame()) != nullptr; }},
                      KeyCase{"d", nullptr, [](auto &t) { return openWindow<AboutWindow>(&t.mainFrame()) != nullptr; }},
                      KeyCase{"e", nullptr, [](auto &t) { return t.hasEnded(); }}),
    [](const auto &info) { return std::string(info.param.key); });

// ---- New -------------------------------------------------------------------------

class NewDialogTest : public WindowTest {
protected:
    NewPictureDialog *open()
    {
        frame->toolbarClick(QStringLiteral("a"));
        return openWindow<NewPictureDialog>(frame.get());
    }
};

TEST_F(NewDialogTest, OkClearsResizesAndLaysOutTheCanvas)
{
    press(0, {3, 3});
    QPointer<NewPictureDialog> dialog = open();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(open(), dialog); // a second "New" brings the same dialog forward
    dialog->widthField()->setText(QStringLiteral("1500"));
    dialog->heightField()->setText(QStringLiteral("750"));
    dialog->unitList()->setCurrentIndex(0);
    dialog->okButton()->click();
    flushDeletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), kWhite), 100 * 50);
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(tile(8)->geometry(), QRect(200, 100, 100, 50)); // whole tiles, edge to edge
}

// ---- Capture --------------------------------------------------------------------------

TEST_F(WindowTest, CaptureFromTheToolbarToTheDocumentAndBack)
{
    host.screen = testing::randomImage(320, 240, 77);
    doc.replaceWith(testing::solidImage(24, 16, kWhite));
    frame->captureDelayMs = 0;
    frame->toolbarClick(QStringLiteral("n"));
    EXPECT_TRUE(frame->isMinimized());

    host.clickTrayIcon();
    QPointer<CaptureWindow> capture = frame->captureWindow();
    ASSERT_FALSE(capture.isNull());
    EXPECT_EQ(capture->frameRect(), QRect(0, 0, 24, 16));

    QWidget *picture1 = capture->picture();
    sendMouse(picture1, QEvent::MouseMove, QPoint(100, 70));
    EXPECT_EQ(capture->frameRect(), QRect(100, 70, 24, 16));
    sendMouse(picture1, QEvent::MouseButtonPress, QPoint(100, 70));
    flushDeletes();

    EXPECT_TRUE(capture.isNull());
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(tile(i)->surface().Image(), host.screen.copy(100, 70, 24, 16)) << i;
    EXPECT_TRUE(frame->isMaximized());
}

} // namespace
} // namespace quill
