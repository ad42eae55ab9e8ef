#include "toolbox/pattern_panel_window.h"

#include "surface/picture_box_window.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>

namespace quill {

namespace {

constexpr Colour kCellBorder = rgb(64, 64, 64);
constexpr int kGridExtent = (kPatternSide - 1) * PatternGrid::kPitch + PatternGrid::kCellSize;
constexpr int kCheckSize = 17;
// Check1..Check3 at toolbox pixels (456, 216), (480, 216), (504, 216).
constexpr std::array<QPoint, 3> kCheckPlaces{QPoint(200, 56), QPoint(224, 56), QPoint(248, 56)};

} // namespace

PatternCellBox::PatternCellBox(int index, QWidget *parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("im(%1)").arg(index));
    setFixedSize(PatternGrid::kCellSize, PatternGrid::kCellSize);
}

void PatternCellBox::setColour(Colour colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void PatternCellBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(toQRgb(colour_)));
    painter.setPen(QColor::fromRgb(toQRgb(kCellBorder)));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PatternCellBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (onMouseUp)
        onMouseUp(index_, PictureBox::buttonBits(event->button()));
}

PatternGrid::PatternGrid(QWidget *parent) : QWidget(parent)
{
    setFixedSize(kGridExtent, kGridExtent);
    for (int k = 0; k < kPatternCells; ++k) {
        auto *box = new PatternCellBox(k, this);
        box->move((k % kPatternSide) * kPitch, (k / kPatternSide) * kPitch);
        box->setColour(TransparentCellColour);
        box->onMouseUp = [this](int index, int button) {
            if (onCellMouseUp)
                onCellMouseUp(index, button);
        };
        cells_[static_cast<std::size_t>(k)] = box;
    }
}

void PatternGrid::showColours(const std::array<Colour, kPatternCells> &colours)
{
    for (int k = 0; k < kPatternCells; ++k)
        cells_[static_cast<std::size_t>(k)]->setColour(colours[static_cast<std::size_t>(k)]);
}

PatternPanel::PatternPanel(Session &session, QWidget *parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("PatternPanel"));
    grid_ = new PatternGrid(this);
    grid_->setObjectName(QStringLiteral("im"));
    grid_->onCellMouseUp = [this](int k, int button) {
        editPatternCell(session_, k, button);
        session_.stateChanged();
    };

    const std::array<const char *, 3> tips{"Transparent", "Get color", "Get color"};
    QRegion covered(grid_->geometry());
    for (int i = 0; i < 3; ++i) {
        auto *check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        check->setToolTip(QLatin1String(tips[static_cast<std::size_t>(i)]));
        check->setGeometry(QRect(kCheckPlaces[static_cast<std::size_t>(i)], QSize(kCheckSize, kCheckSize)));
        connect(check, &QCheckBox::clicked, this, [this, i] { flip(i); });
        checks_[static_cast<std::size_t>(i)] = check;
        covered += check->geometry();
    }
    // The toolbox's pattern buttons sit inside the panel's bounds; the mask
    // leaves their clicks to them.
    const QRect bounds = covered.boundingRect();
    setFixedSize(bounds.right() + 1, bounds.bottom() + 1);
    setMask(covered);

    session_.addStateListener([this] { refresh(); }, this);
    refresh();
}

void PatternPanel::flip(int which)
{
    flipPatternFlag(session_.pattern, which);
    session_.stateChanged();
}

void PatternPanel::refresh()
{
    const Pattern &pattern = session_.pattern;
    grid_->showColours(pattern.GridColours);
    const std::array<bool, 3> flags{pattern.TransparentMode, pattern.GridPickColour, pattern.GridPickColourTransparent};
    for (int i = 0; i < 3; ++i)
        checks_[static_cast<std::size_t>(i)]->setChecked(flags[static_cast<std::size_t>(i)]);
}

} // namespace quill
