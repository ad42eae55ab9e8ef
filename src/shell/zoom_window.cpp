#include "shell/zoom_window.h"

#include "shell/zoom_view.h"
#include "surface/numeric_rules.h"
#include "surface/picture_box_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

namespace quill {

namespace {

// z(0)..z(7): up, right, down, left, up-right, down-right, down-left, up-left,
// and where each sits in the 3 x 3 pad around the paint button.
struct ArrowPlace {
    const char *glyph;
    int row;
    int column;
};
constexpr ArrowPlace kArrows[8] = {{"\u2191", 0, 1}, {"\u2192", 1, 2}, {"\u2193", 2, 1}, {"\u2190", 1, 0},
                                   {"\u2197", 0, 2}, {"\u2198", 2, 2}, {"\u2199", 2, 0}, {"\u2196", 0, 0}};

// The window's own grey shows between the magnified dots.
constexpr Colour kViewBackground = rgb(192, 192, 192);

QString positionText(double xTwips, double yTwips)
{
    return QStringLiteral("%1 , %2")
        .arg(roundHalfEven(xTwips / kTwipsPerPixel))
        .arg(roundHalfEven(yTwips / kTwipsPerPixel));
}

} // namespace

ZoomWindow::ZoomWindow(Session &session, QWidget *parent)
    : QWidget(parent), session_(session), view_(kZoomViewTwips / kTwipsPerPixel, kZoomViewTwips / kTwipsPerPixel)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Zoom"));
    view_.BackColor = kViewBackground;
    view_.Cls();

    vr_ = new PictureBox(view_, 0, this);
    vr_->setObjectName(QStringLiteral("vr"));
    vr_->setFixedSize(view_.pixelWidth(), view_.pixelHeight());
    vr_->paintOverlay = [this](QPainter &p) { paintCrosshair(p); };

    auto *pad = new QGridLayout;
    pad->setSpacing(2);
    for (int i = 0; i < 8; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("z(%1)").arg(i));
        button->setText(QString::fromUtf8(kArrows[i].glyph));
        button->setFixedSize(28, 28);
        connect(button, &QToolButton::clicked, this, [this, i] { arrowClicked(i); });
        pad->addWidget(button, kArrows[i].row, kArrows[i].column);
        arrows_[static_cast<std::size_t>(i)] = button;
    }
    auto *paint = new QToolButton(this);
    paint->setObjectName(QStringLiteral("Command5"));
    paint->setText(QStringLiteral("\u25cf"));
    paint->setToolTip(QStringLiteral("Paint the point"));
    paint->setFixedSize(28, 28);
    connect(paint, &QToolButton::clicked, this, &ZoomWindow::paintClicked);
    pad->addWidget(paint, 1, 1);
    paint_ = paint;

    auto *caption = new QLabel(QStringLiteral("pos:"), this);
    caption->setObjectName(QStringLiteral("Label2"));
    position_ = new QLabel(QStringLiteral("0 , 0"), this);
    position_->setObjectName(QStringLiteral("Label1"));
    auto *positionRow = new QHBoxLayout;
    positionRow->addWidget(caption);
    positionRow->addWidget(position_, 1);

    auto *side = new QVBoxLayout;
    side->addLayout(pad);
    side->addLayout(positionRow);
    side->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(vr_, 0, Qt::AlignTop);
    layout->addLayout(side);

    // A fixed point is shown afresh whenever the picture changes under it.
    pictureListener_ = session_.document.picture().addChangeListener([this](const QRect &) {
        if (session_.state.ZoomPointSet)
            redraw();
    });
    session_.addStateListener([this] { followState(); }, this);
    followState();
}

ZoomWindow::~ZoomWindow() { session_.document.picture().removeChangeListener(pictureListener_); }

void ZoomWindow::followState()
{
    const bool fixed = session_.state.ZoomPointSet;
    paint_->setEnabled(fixed);
    for (QAbstractButton *button : arrows_)
        button->setEnabled(fixed);
    if (fixed)
        redraw();
}

void ZoomWindow::showAround(double xTwips, double yTwips)
{
    drawZoomView(view_, session_.document.picture(), xTwips, yTwips);
    position_->setText(positionText(xTwips, yTwips));
    vr_->update();
}

void ZoomWindow::feed(double xTwips, double yTwips) { showAround(xTwips, yTwips); }

void ZoomWindow::redraw()
{
    const AppState &s = session_.state;
    showAround(static_cast<double>(s.ZoomPointX), static_cast<double>(s.ZoomPointY));
}

void ZoomWindow::arrowClicked(int index)
{
    if (moveZoomPoint(session_.state, session_.document.picture(), index))
        redraw();
    session_.stateChanged();
}

void ZoomWindow::paintClicked()
{
    // Painting redraws through the picture's change listener.
    paintZoomPoint(session_);
    session_.stateChanged();
}

void ZoomWindow::paintCrosshair(QPainter &p)
{
    // Over a fixed point the cross marks the dot the paint button paints;
    // over the pointer it marks the pixel under the pointer.
    const int k = session_.state.ZoomPointSet ? kZoomSamples / 2 - 1 : kZoomSamples / 2;
    const double centre = zoomDotTwips(k) / kTwipsPerPixel + 0.5;
    const double extent = zoomDotTwips(kZoomSamples + 1) / kTwipsPerPixel;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.drawLine(QPointF(centre, 0), QPointF(centre, centre - 4));
    p.drawLine(QPointF(centre, centre + 4), QPointF(centre, extent));
    p.drawLine(QPointF(0, centre), QPointF(centre - 4, centre));
    p.drawLine(QPointF(centre + 4, centre), QPointF(extent, centre));
    p.restore();
}

} // namespace quill
