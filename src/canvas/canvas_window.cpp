#include "canvas/canvas_window.h"

#include "canvas/canvas_zoom.h"
#include "surface/numeric_rules.h"
#include "surface/picture_box_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace quill {

namespace {

// The tiles' pointer: a 32 x 32 cross with its hot spot at (15, 15).
QCursor tileCursor()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        for (const auto &[colour, offset] : {std::pair{QColor(Qt::white), 1}, std::pair{QColor(Qt::black), 0}}) {
            p.setPen(QPen(colour, 1));
            p.drawLine(15 + offset, 2, 15 + offset, 11);
            p.drawLine(15 + offset, 19, 15 + offset, 28);
            p.drawLine(2, 15 + offset, 11, 15 + offset);
            p.drawLine(19, 15 + offset, 28, 15 + offset);
        }
        p.setPen(Qt::black);
        p.drawPoint(15, 15);
    }
    return QCursor(QPixmap::fromImage(image), 15, 15);
}

QPointF twipsToPixels(double x, double y) { return {x / kTwipsPerPixel, y / kTwipsPerPixel}; }

QColor qcolour(Colour c) { return QColor::fromRgb(toQRgb(c)); }

QRect scaled(const QRect &r, int scale) { return {r.topLeft() * scale, r.size() * scale}; }

} // namespace

CanvasWindow::CanvasWindow(Session &session, QWidget *parent) : QWidget(parent), session_(session), controller_(session)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Draw"));

    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("CanvasBar"));
    auto *barLayout = new QHBoxLayout(bar_);
    barLayout->setContentsMargins(2, 1, 2, 1);
    barLayout->setSpacing(4);
    barLayout->addWidget(new QLabel(QStringLiteral("Zoom"), bar_));
    zoomBox_ = new QComboBox(bar_);
    zoomBox_->setObjectName(QStringLiteral("CanvasZoom"));
    zoomBox_->setToolTip(QStringLiteral("View scale (+ and - on the canvas)"));
    for (const int s : kCanvasScales)
        zoomBox_->addItem(QStringLiteral("%1x").arg(s), s);
    // The keys stay with the tiles: + and - keep working after a pick from the list.
    zoomBox_->setFocusPolicy(Qt::NoFocus);
    barLayout->addWidget(zoomBox_);
    barLayout->addStretch(1);
    connect(zoomBox_, &QComboBox::activated, this, [this](int i) { setZoom(zoomBox_->itemData(i).toInt()); });

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("CanvasScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid_ = new QWidget;
    grid_->setObjectName(QStringLiteral("CanvasGrid"));
    scroll_->setWidget(grid_);

    const QCursor cursor = tileCursor();
    for (int i = 0; i < kLayerCount; ++i) {
        auto *tile = new PictureBox(session.document.layer(i), i, grid_);
        tile->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        tile->setCursor(cursor);
        tile->onMouseDown = [this](int index, int button, int shift, double x, double y) {
            controller_.mouseDown({index, button, shift, x, y});
        };
        tile->onMouseMove = [this](int index, int button, int shift, double x, double y) {
            controller_.mouseMove({index, button, shift, x, y});
        };
        tile->onKeyDown = [this](int index, int key, int shift) { controller_.keyDown(index, key, shift); };
        tiles_[static_cast<std::size_t>(i)] = tile;
    }
    tiles_[0]->paintOverlay = [this](QPainter &p) { paintOverlays(p); };

    flashTimer_.setInterval(100);
    connect(&flashTimer_, &QTimer::timeout, this, [this] { controller_.RandomFlash(); });
    controller_.onOverlaysChanged = [this] { overlaysChanged(); };
    session.document.layoutChanged.add([this] { layOutTiles(); }, this);
    layOutTiles();
}

CanvasWindow::~CanvasWindow() = default;

QSize CanvasWindow::gridSize() const { return tileSize() * 3; }

QSize CanvasWindow::tileSize() const { return {session_.document.pixelWidth(), session_.document.pixelHeight()}; }

int CanvasWindow::barHeight() const { return bar_->sizeHint().height(); }

QSize CanvasWindow::sizeHint() const { return wanted_.isValid() ? wanted_ : QWidget::sizeHint(); }

void CanvasWindow::layOutTiles()
{
    // The copies go by whole tiles in screen pixels, not by their places in
    // twips: twips rounded to pixels would leave a copy a pixel off, and a gap
    // or an overlap there looks like a seam the picture does not have.
    const QSize cell = tileSize() * zoom_;
    for (int i = 0; i < kLayerCount; ++i) {
        PictureBox *tile = tiles_[static_cast<std::size_t>(i)];
        tile->setScale(zoom_);
        tile->setOrigin(session_.document.copyOrigin(i));
        const QPoint at = gridCell(i);
        tile->move(at.x() * cell.width(), at.y() * cell.height());
        tile->fitToSurface();
    }
    grid_->resize(gridSize() * zoom_);
    fitWindow();
    update();
}

void CanvasWindow::setDimCopies(bool on)
{
    for (int i = 1; i < kLayerCount; ++i)
        tiles_[static_cast<std::size_t>(i)]->setDimmed(on);
}

void CanvasWindow::keepClearOf(QWidget *window)
{
    keepClear_ = window;
    fitWindow();
}

QSize CanvasWindow::roomForClient() const
{
    // Before the frame shows, its area has no size of its own yet to fit into.
    if (const auto *sub = qobject_cast<const QMdiSubWindow *>(parentWidget());
        sub && sub->mdiArea() && sub->mdiArea()->isVisible()) {
        const QSize area = sub->mdiArea()->viewport()->size();
        const QSize frame = (sub->size() - size()).expandedTo(QSize(0, 0)); // title bar and borders
        int right = area.width();
        // A window that must stay in sight to the right (the toolbox) ends the room there.
        if (keepClear_ && keepClear_->isVisible() && keepClear_->x() > sub->x())
            right = std::min(right, keepClear_->x());
        return {std::max(1, right - std::max(0, sub->x()) - frame.width()),
                std::max(1, area.height() - std::max(0, sub->y()) - frame.height())};
    }
    if (!parentWidget() && screen() && isVisible())
        return screen()->availableGeometry().size() * 9 / 10;
    return {};
}

void CanvasWindow::fitWindow()
{
    // As large as the magnified grid until the free part of the frame is full,
    // scrolling beyond, at every scale: a big picture at 1x must not run off
    // the frame with no way to reach its far side.
    const QSize grid = gridSize() * zoom_;
    QSize want(grid.width(), grid.height() + barHeight());
    if (const QSize room = roomForClient(); room.isValid())
        want = want.boundedTo(room);
    wanted_ = want;
    // The user may make the window as small as the bar.
    setMinimumSize(QSize(bar_->minimumSizeHint().width(), barHeight() + 32).boundedTo(want));
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (sub && (sub->isMaximized() || sub->isMinimized()))
        return;
    resize(wanted_);
    if (sub) {
        sub->adjustSize();
        // The title bar stays where it can be grabbed.
        if (sub->y() < 0 || sub->x() < 0)
            sub->move(std::max(0, sub->x()), std::max(0, sub->y()));
    }
}

void CanvasWindow::resizeEvent(QResizeEvent *event)
{
    const int bar = barHeight();
    bar_->setGeometry(0, 0, width(), bar);
    scroll_->setGeometry(0, bar, width(), std::max(0, height() - bar));
    QWidget::resizeEvent(event);
}

void CanvasWindow::setZoom(int scale)
{
    const auto it = std::find(kCanvasScales.begin(), kCanvasScales.end(), scale);
    if (it == kCanvasScales.end())
        return;
    {
        const QSignalBlocker quiet(zoomBox_);
        zoomBox_->setCurrentIndex(static_cast<int>(it - kCanvasScales.begin()));
    }
    if (scale == zoom_)
        return;
    // The picture point at the middle of the view stays there.
    QScrollBar *h = scroll_->horizontalScrollBar();
    QScrollBar *v = scroll_->verticalScrollBar();
    const QSize view = scroll_->viewport()->size();
    const QPointF middle((h->value() + view.width() / 2.0) / zoom_, (v->value() + view.height() / 2.0) / zoom_);
    zoom_ = scale;
    layOutTiles();
    const QSize after = scroll_->viewport()->size();
    h->setValue(static_cast<int>(middle.x() * zoom_ - after.width() / 2.0));
    v->setValue(static_cast<int>(middle.y() * zoom_ - after.height() / 2.0));
}

void CanvasWindow::keyPressEvent(QKeyEvent *event)
{
    // "=" is "+" without Shift on most keyboards.
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            setZoom(largerCanvasScale(zoom_));
            return;
        case Qt::Key_Minus:
            setZoom(smallerCanvasScale(zoom_));
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event); // ignored: the main frame sees it
}

void CanvasWindow::overlaysChanged()
{
    if (controller_.overlays.anyFlashing()) {
        if (!flashTimer_.isActive())
            flashTimer_.start();
    } else {
        flashTimer_.stop();
    }
    // Only where the overlays were and are now: a stroke at 8x must not repaint the view.
    const QRect now = overlayPixelBounds(controller_.overlays);
    PictureBox *centre = tiles_[0];
    if (!overlayArea_.isEmpty())
        centre->update(scaled(overlayArea_, zoom_));
    if (!now.isEmpty())
        centre->update(scaled(now, zoom_));
    overlayArea_ = now;
}

void CanvasWindow::paintOverlays(QPainter &p)
{
    const CanvasOverlays &o = controller_.overlays;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    for (const OverlayLine *line : {&o.Line1, &o.Line2}) {
        if (!line->Visible)
            continue;
        p.setPen(QPen(qcolour(line->BorderColor), 1));
        p.drawLine(twipsToPixels(line->X1, line->Y1), twipsToPixels(line->X2, line->Y2));
    }
    for (const OverlayShape *shape : {&o.Shape1, &o.Shape2, &o.Shape3, &o.Shape4}) {
        if (!shape->Visible)
            continue;
        p.setPen(QPen(qcolour(shape->BorderColor), 1));
        const QPointF topLeft = twipsToPixels(shape->Left, shape->Top);
        const QSizeF size(std::max(1.0, shape->Width / kTwipsPerPixel), std::max(1.0, shape->Height / kTwipsPerPixel));
        p.drawRect(QRectF(topLeft, size));
    }
    if (o.Label1.Visible) {
        p.setFont(o.Label1.Font);
        p.setPen(qcolour(o.Label1.ForeColor));
        const QPointF at = twipsToPixels(o.Label1.Left, o.Label1.Top);
        p.drawText(QRectF(at, QSizeF(4096, 4096)), Qt::AlignLeft | Qt::AlignTop, o.Label1.Caption);
    }
    p.restore();
}

} // namespace quill
