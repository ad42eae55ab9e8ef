// The splash: a 395 x 300 topmost window centred on the screen that brings up
// the main frame and ends after two seconds or on a click, then lets the main
// frame take input.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace quill {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Shows itself and then the main frame, which stays disabled until the splash ends.
    explicit SplashWindow(QWidget *mainFrame);

    QTimer &timer() { return timer_; }
    bool ended() const { return ended_; }
    void end();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPointer<QWidget> mainFrame_;
    QTimer timer_;
    QImage motif_;
    bool ended_ = false;
};

} // namespace quill
