#include "surface/picture_box_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace quill {

PictureBox::PictureBox(Surface &surface, int index, QWidget *parent) : QWidget(parent), surface_(surface), index_(index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true); // moves without a button drive the bands and markers
    surfaceAlive_ = surface_.lifetime();
    listenerId_ = surface_.addChangeListener([this](const QRect &r) { updatePicturePixels(r); });
    fitToSurface();
}

PictureBox::~PictureBox()
{
    if (!surfaceAlive_.expired())
        surface_.removeChangeListener(listenerId_);
}

void PictureBox::fitToSurface() { resize(surface_.pixelWidth() * scale_, surface_.pixelHeight() * scale_); }

void PictureBox::setScale(int scale)
{
    if (scale < 1 || scale == scale_)
        return;
    scale_ = scale;
    fitToSurface();
    update();
}

void PictureBox::setOrigin(QPoint origin)
{
    if (origin == origin_)
        return;
    origin_ = origin;
    update();
}

std::vector<QPoint> PictureBox::placements() const { return rolledPlacements(surface_.Image().size(), origin_); }

void PictureBox::updatePicturePixels(const QRect &pictureRect)
{
    for (const QPoint &at : placements()) {
        const QRect r = pictureRect.translated(at);
        update(QRect(r.topLeft() * scale_, r.size() * scale_));
    }
}

void PictureBox::setDimmed(bool on)
{
    if (on == dimmed_)
        return;
    dimmed_ = on;
    update();
}

int PictureBox::buttonBits(Qt::MouseButtons buttons)
{
    int bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

int PictureBox::shiftBits(Qt::KeyboardModifiers modifiers)
{
    int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= 1;
    if (modifiers & Qt::ControlModifier)
        bits |= 2;
    if (modifiers & Qt::AltModifier)
        bits |= 4;
    return bits;
}

int PictureBox::keyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    default:
        break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    return 0;
}

// Dimmed copies: each channel about (c + 128) / 2.
const QColor kDimWash(128, 128, 128, 128);

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect r = event->rect();
    if (!QRect(QPoint(0, 0), surface_.Image().size() * scale_).contains(r))
        p.fillRect(r, palette().window());
    for (const QPoint &at : placements())
        paintPlacement(p, r, at);
    if (!paintOverlay)
        return;
    if (scale_ == 1) {
        paintOverlay(p);
        return;
    }
    const QRect source =
        QRect(QPoint(r.left() / scale_, r.top() / scale_), QPoint(r.right() / scale_, r.bottom() / scale_));
    if (source.isEmpty())
        return;
    // Overlays are drawn at picture resolution and magnified like the picture,
    // so a band covers the same picture pixels at every scale.
    QImage layer(source.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter lp(&layer);
    lp.translate(-source.topLeft());
    paintOverlay(lp);
    lp.end();
    p.drawImage(QRect(source.topLeft() * scale_, source.size() * scale_), layer);
}

void PictureBox::paintPlacement(QPainter &p, const QRect &exposed, QPoint placement)
{
    const QRect box(QPoint(), surface_.Image().size());
    // Whole picture pixels covering the exposed area, blown up without smoothing
    // (the raster engine scales while it blits: no magnified copy is made).
    const QRect wanted = QRect(QPoint(exposed.left() / scale_, exposed.top() / scale_),
                               QPoint(exposed.right() / scale_, exposed.bottom() / scale_))
                             .intersected(box)
                             .intersected(box.translated(placement));
    if (wanted.isEmpty())
        return;
    const QRect target(wanted.topLeft() * scale_, wanted.size() * scale_);
    p.drawImage(target, surface_.Image(), wanted.translated(-placement));
    if (dimmed_)
        p.fillRect(target, kDimWash);
}

void PictureBox::report(const MouseHandler &handler, int button, const QMouseEvent *event)
{
    if (!handler)
        return;
    const double ppu = pixelsPerUnit(surface_.scaleMode());
    // A press at screen pixel p lands on picture pixel floor(p / scale).
    const QPointF pos = event->position();
    const double px = std::floor(pos.x() / scale_), py = std::floor(pos.y() / scale_);
    handler(index_, button, shiftBits(event->modifiers()), px / ppu, py / ppu);
}

void PictureBox::mousePressEvent(QMouseEvent *event) { report(onMouseDown, buttonBits(event->button()), event); }

void PictureBox::mouseMoveEvent(QMouseEvent *event) { report(onMouseMove, buttonBits(event->buttons()), event); }

void PictureBox::mouseReleaseEvent(QMouseEvent *event) { report(onMouseUp, buttonBits(event->button()), event); }

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (onKeyDown)
        onKeyDown(index_, keyCode(event->key()), shiftBits(event->modifiers()));
    // Keys the picture has no use for go on to the window that holds it.
    if (keyCode(event->key()) == 0)
        event->ignore();
}

} // namespace quill
