#include "canvas/canvas_window.h"

#include "surface/numeric_rules.h"
#include "surface/picture_box_window.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>

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

int twipsToPixel(int twips) { return static_cast<int>(roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel)); }

QColor qcolour(Colour c) { return QColor::fromRgb(toQRgb(c)); }

} // namespace

CanvasWindow::CanvasWindow(Session &session, QWidget *parent) : QWidget(parent), session_(session), controller_(session)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Draw"));
    const QCursor cursor = tileCursor();
    for (int i = 0; i < kLayerCount; ++i) {
        auto *tile = new PictureBox(session.document.layer(i), i, this);
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
    session.document.onLayout = [this] { layOutTiles(); };
    layOutTiles();
}

CanvasWindow::~CanvasWindow() { session_.document.onLayout = nullptr; }

QSize CanvasWindow::gridSize() const
{
    QSize size;
    for (int i = 0; i < kLayerCount; ++i) {
        const Surface &s = session_.document.layer(i);
        size = size.expandedTo(QSize(twipsToPixel(s.Left()) + s.pixelWidth(), twipsToPixel(s.Top()) + s.pixelHeight()));
    }
    return size;
}

void CanvasWindow::layOutTiles()
{
    for (int i = 0; i < kLayerCount; ++i) {
        const Surface &s = session_.document.layer(i);
        PictureBox *tile = tiles_[static_cast<std::size_t>(i)];
        tile->move(twipsToPixel(s.Left()), twipsToPixel(s.Top()));
        tile->fitToSurface();
    }
    tiles_[0]->raise(); // the picture itself stays whole where design-time tiles overlap
    setMinimumSize(gridSize());
    resize(gridSize());
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->adjustSize();
    update();
}

void CanvasWindow::setDimCopies(bool on)
{
    for (int i = 1; i < kLayerCount; ++i)
        tiles_[static_cast<std::size_t>(i)]->setDimmed(on);
}

void CanvasWindow::overlaysChanged()
{
    if (controller_.overlays.anyFlashing()) {
        if (!flashTimer_.isActive())
            flashTimer_.start();
    } else {
        flashTimer_.stop();
    }
    tiles_[0]->update();
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
