#include "shell/capture_window.h"

#include "shell/file_commands.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quill {

// Shows the grabbed screen and the frame, and turns the pointer into frame moves.
class CapturePicture : public QWidget {
public:
    explicit CapturePicture(CaptureWindow &window) : QWidget(&window), window_(window)
    {
        setObjectName(QStringLiteral("Picture1"));
        setMouseTracking(true);
        setCursor(Qt::CrossCursor);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        p.fillRect(event->rect(), Qt::black);
        p.drawImage(event->rect().topLeft(), window_.screen_, event->rect());
        // Black dashes over white show on any screen content.
        const QRect frame = window_.shape1_.adjusted(0, 0, -1, -1);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(frame);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(frame);
    }
    void mouseMoveEvent(QMouseEvent *event) override { window_.moveFrame(event->position().toPoint()); }
    void mousePressEvent(QMouseEvent *event) override
    {
        window_.moveFrame(event->position().toPoint());
        window_.capture();
    }

private:
    CaptureWindow &window_;
};

CaptureWindow::CaptureWindow(Session &session, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), session_(session)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Capture"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The grab runs before the window is shown, so it never captures itself.
    screen_ = grabWholeScreen(session.host);
    const QRect screenArea = session.host.screenGeometry();
    setGeometry(screenArea);
    picture1_ = new CapturePicture(*this);
    picture1_->setGeometry(0, 0, screenArea.width(), screenArea.height());
    shape1_ = QRect(QPoint(0, 0), session.document.picture().Image().size());
    setFocusPolicy(Qt::StrongFocus); // for Esc
}

void CaptureWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cancel();
    else
        QWidget::keyPressEvent(event);
}

void CaptureWindow::cancel()
{
    session_.report(QStringLiteral("Capture cancelled: the picture is unchanged"));
    emit cancelled();
    close();
}

void CaptureWindow::moveFrame(QPoint topLeft)
{
    if (topLeft == shape1_.topLeft())
        return;
    const QRect before = shape1_;
    shape1_.moveTopLeft(topLeft);
    picture1_->update(QRegion(before) + QRegion(shape1_));
}

void CaptureWindow::capture()
{
    captureInto(session_, screen_, shape1_.topLeft());
    session_.stateChanged();
    emit captured();
    close();
}

} // namespace quill
