#include "shell/view_window.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace quill {

ViewWindow::ViewWindow(const QImage &picture, QWidget *parent)
    : QWidget(parent, Qt::Window), tile_(QPixmap::fromImage(picture))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("View picture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // As large as the mosaic, within most of the screen; the rest is clipped.
    QSize size = mosaicRect().size();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(QSize(100, 100)));
}

QRect ViewWindow::mosaicRect() const { return QRect(0, 0, tile_.width() * kCopies, tile_.height() * kCopies); }

void ViewWindow::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect mosaic = mosaicRect();
    const QRect dirty = event->rect();
    // One brush repeats the raster; the texture starts at the window's corner.
    p.fillRect(dirty.intersected(mosaic), QBrush(tile_));
    const QRegion outside = QRegion(dirty) - QRegion(mosaic);
    for (const QRect &r : outside)
        p.fillRect(r, palette().window());
}

void ViewWindow::mousePressEvent(QMouseEvent *event)
{
    if (mosaicRect().contains(event->position().toPoint()))
        close();
}

} // namespace quill
