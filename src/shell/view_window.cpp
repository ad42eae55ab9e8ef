#include "shell/view_window.h"

#include "toolbox/view_export.h"

#include <QAction>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace quill {

ViewWindow::ViewWindow(const QImage &picture, Lattice lattice, Host &host, QWidget *parent)
    : QWidget(parent, Qt::Window), host_(host), lattice_(lattice),
      picture_(picture.convertToFormat(QImage::Format_RGB32)), tile_(QPixmap::fromImage(picture_))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("View picture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral("Click to close; right-click for Show seams, Show patches and Save view..."));

    // In a context menu, so nothing covers the mosaic.
    const auto check = [this](const char *text, const char *name) {
        auto *action = new QAction(QString::fromLatin1(text), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        connect(action, &QAction::toggled, this, [this] {
            tile_ = QPixmap::fromImage(shownTile());
            update();
        });
        addAction(action);
        return action;
    };
    showSeams_ = check("Show seams", "ShowSeams");
    showPatches_ = check("Show patches", "ShowPatches");
    saveView_ = new QAction(QStringLiteral("Save view..."), this);
    saveView_->setObjectName(QStringLiteral("SaveView"));
    saveView_->setShortcut(QKeySequence::Save);
    saveView_->setShortcutContext(Qt::WidgetShortcut);
    addAction(saveView_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // The marks and outlines are a help on screen only: the file holds the clean repeat.
    connect(saveView_, &QAction::triggered, this, [this] { saveView(host_, picture_, kCopies, lattice_); });

    // As large as the mosaic, within most of the screen; the rest is clipped.
    QSize size = mosaicRect().size();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(QSize(100, 100)));
}

QRect ViewWindow::mosaicRect() const { return QRect(0, 0, tile_.width() * kCopies, tile_.height() * kCopies); }

QImage ViewWindow::shownTile() const
{
    QImage shown = showSeams_->isChecked() ? markSeams(picture_, lattice_) : picture_;
    if (showPatches_->isChecked())
        markPatches(picture_, shown, lattice_);
    return shown;
}

void ViewWindow::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect mosaic = mosaicRect();
    const QRect dirty = event->rect();
    // Each copy shows the raster from where the lattice puts its corner, so
    // shifted rows and columns are a few blits each, whatever the tile's size.
    const QSize size = tile_.size();
    for (int row = 0; row < kCopies; ++row)
        for (int column = 0; column < kCopies; ++column) {
            const QRect box(QPoint(column * size.width(), row * size.height()), size);
            if (!box.intersects(dirty))
                continue;
            p.save();
            p.setClipRect(box.intersected(dirty));
            const QPoint origin =
                wrapPoint(lattice_, picture_.size(), QPoint(column * size.width(), row * size.height()));
            for (const QPoint &at : rolledPlacements(size, origin))
                p.drawPixmap(box.topLeft() + at, tile_);
            p.restore();
        }
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
