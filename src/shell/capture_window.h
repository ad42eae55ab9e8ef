// The capture window (Form13): the whole screen, grabbed before the window
// shows, under a frame of the picture's size that follows the pointer; a press
// copies the framed part into the picture and closes the window; Esc closes
// it without copying.
// Opened by the main frame when the tray icon is clicked; it draws nothing else.
#pragma once

#include "document/session.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>

namespace quill {

class CaptureWindow : public QWidget {
    Q_OBJECT
public:
    explicit CaptureWindow(Session &session, QWidget *parent = nullptr);

    // Picture1, the full-screen picture box the frame moves over.
    QWidget *picture() const { return picture1_; }
    // Shape1, in screen pixels.
    QRect frameRect() const { return shape1_; }
    const QImage &screenPicture() const { return screen_; }

    // Esc: closes without copying and says so on the status line.
    void cancel();

signals:
    // The framed part was copied into the picture.
    void captured();
    // Esc closed the window and the picture is as it was.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class CapturePicture;
    void moveFrame(QPoint topLeft);
    void capture();

    Session &session_;
    QImage screen_;
    QRect shape1_;
    QWidget *picture1_ = nullptr;
};

} // namespace quill
