#include "shell/view_window.h"

#include "toolbox/view_export.h"

#include <QAction>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace quill {

ViewWindow::ViewWindow(const QImage &picture, Host &host, QWidget *parent)
    : QWidget(parent, Qt::Window), host_(host), picture_(picture.convertToFormat(QImage::Format_RGB32)),
      tile_(QPixmap::fromImage(picture_))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("View picture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral("Click to close; right-click for Show seams and Save view..."));

    // In a context menu, so nothing covers the mosaic.
    showSeams_ = new QAction(QStringLiteral("Show seams"), this);
    showSeams_->setObjectName(QStringLiteral("ShowSeams"));
    showSeams_->setCheckable(true);
    saveView_ = new QAction(QStringLiteral("Save view..."), this);
    saveView_->setObjectName(QStringLiteral("SaveView"));
    saveView_->setShortcut(QKeySequence::Save);
    saveView_->setShortcutContext(Qt::WidgetShortcut);
    addAction(showSeams_);
    addAction(saveView_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(showSeams_, &QAction::toggled, this, [this](bool on) { setShowSeams(on); });
    connect(saveView_, &QAction::triggered, this, [this] { saveView(host_, shownTile(), kCopies); });

    // As large as the mosaic, within most of the screen; the rest is clipped.
    QSize size = mosaicRect().size();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(QSize(100, 100)));
}

QRect ViewWindow::mosaicRect() const { return QRect(0, 0, tile_.width() * kCopies, tile_.height() * kCopies); }

QImage ViewWindow::shownTile() const { return showSeams_->isChecked() ? markSeams(picture_) : picture_; }

void ViewWindow::setShowSeams(bool on)
{
    tile_ = QPixmap::fromImage(on ? markSeams(picture_) : picture_);
    update();
}

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
    // The right button opens the context menu instead.
    if (event->button() != Qt::RightButton && mosaicRect().contains(event->position().toPoint()))
        close();
}

} // namespace quill
