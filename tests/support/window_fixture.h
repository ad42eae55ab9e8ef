// Window tests: the core fixture plus the real main frame and its windows,
// offscreen, and helpers that send synthetic mouse and key events to a tile.
#pragma once

#include "canvas/canvas_window.h"
#include "shell/main_frame_window.h"
#include "support/fixtures.h"
#include "surface/picture_box_window.h"

#include <QCoreApplication>

#include <memory>

namespace quill::testing {

// A mouse event at the middle of a pixel of any widget.
void sendMouse(QWidget *target, QEvent::Type type, QPoint pixel, Qt::MouseButton button = Qt::NoButton,
               Qt::MouseButtons buttons = Qt::NoButton);

// Runs the deletions Qt queued with deleteLater.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The first visible window of this type under the owner, or nullptr.
template <typename W> W *openWindow(QObject *owner)
{
    for (W *w : owner->findChildren<W *>())
        if (w->isVisible())
            return w;
    return nullptr;
}

class WindowTest : public CoreTest {
public:
    // For table rows that prepare or check a case from outside the fixture.
    ScriptedHost &scripted() { return host; }
    MainFrame &mainFrame() { return *frame; }
    Document &document() { return doc; }
    Session &coreSession() { return session; }
    bool hasEnded() const { return ended; }

protected:
    WindowTest();
    ~WindowTest() override;

    CanvasWindow &canvas() { return *frame->canvas(); }
    PictureBox *tile(int index) { return canvas().tile(index); }

    // Pixel positions within a tile; buttons as Qt names them.
    void press(int tileIndex, QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void move(int tileIndex, QPoint pixel, Qt::MouseButtons buttons = Qt::NoButton);
    void release(int tileIndex, QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void key(int tileIndex, int qtKey);

    std::unique_ptr<MainFrame> frame;
    bool ended = false;
};

} // namespace quill::testing
