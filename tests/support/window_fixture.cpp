#include "support/window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSettings>

namespace quill::testing {

WindowTest::WindowTest()
{
    // Each test starts as a first start: nothing kept from the one before.
    QSettings().clear();
    frame = std::make_unique<MainFrame>(session);
    frame->endProgram = [this] { ended = true; };
    frame->show();
}

WindowTest::~WindowTest() { frame.reset(); }

void sendMouse(QWidget *target, QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(pixel.x() + 0.5, pixel.y() + 0.5);
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void WindowTest::press(int tileIndex, QPoint pixel, Qt::MouseButton button)
{
    sendMouse(tile(tileIndex), QEvent::MouseButtonPress, pixel, button, button);
}

void WindowTest::move(int tileIndex, QPoint pixel, Qt::MouseButtons buttons)
{
    sendMouse(tile(tileIndex), QEvent::MouseMove, pixel, Qt::NoButton, buttons);
}

void WindowTest::release(int tileIndex, QPoint pixel, Qt::MouseButton button)
{
    sendMouse(tile(tileIndex), QEvent::MouseButtonRelease, pixel, button, Qt::NoButton);
}

void WindowTest::key(int tileIndex, int qtKey)
{
    QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QApplication::sendEvent(tile(tileIndex), &event);
}

} // namespace quill::testing
