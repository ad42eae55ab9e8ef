#include "toolbox/toolbox_window.h"

#include "surface/picture_box_window.h"
#include "toolbox/button_faces.h"
#include "toolbox/pattern_open_dialog.h"
#include "toolbox/pattern_panel_window.h"
#include "toolbox/pattern_save_dialog.h"
#include "toolbox/tool_buttons.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolButton>

#include <cmath>

namespace quill {

namespace {

QColor qcolour(Colour c) { return QColor::fromRgb(toQRgb(c)); }

// A small box that shows one colour (or a picture) and reports clicks.
class SwatchBox : public QWidget {
public:
    SwatchBox(std::function<Colour()> colour, QWidget *parent) : QWidget(parent), colour_(std::move(colour)) {}
    std::function<void()> onClick;
    QImage face; // drawn instead of a colour when set

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect();
        if (!face.isNull()) {
            p.fillRect(r, palette().button());
            p.drawImage(r.topLeft(), face);
            return;
        }
        p.fillRect(r, qcolour(colour_()));
        // A sunken edge, as the program's picture boxes have.
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(255, 255, 255));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && onClick)
            onClick();
    }

private:
    std::function<Colour()> colour_;
};

// One palette image: reports the pointer relative to itself on press and move.
class PaletteImage : public QWidget {
public:
    PaletteImage(int image, ToolboxWindow *toolbox, QWidget *parent) : QWidget(parent), image_(image), toolbox_(toolbox)
    {
        setMouseTracking(true); // moving without a button still previews
        setCursor(Qt::CrossCursor);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override { report(PictureBox::buttonBits(event->button()), event); }
    void mouseMoveEvent(QMouseEvent *event) override { report(PictureBox::buttonBits(event->buttons()), event); }

private:
    void report(int button, const QMouseEvent *event)
    {
        toolbox_->paletteMouse(image_, button, std::floor(event->position().x()), std::floor(event->position().y()));
    }
    int image_;
    ToolboxWindow *toolbox_;
};

QWidget *plainArea(const QString &name, const QRect &r, const QColor &colour, QWidget *parent, bool framed)
{
    auto *area = new QFrame(parent);
    area->setObjectName(name);
    area->setGeometry(r);
    if (framed)
        area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    area->setAutoFillBackground(true);
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, colour);
    area->setPalette(pal);
    return area;
}

} // namespace

ToolboxWindow::ToolboxWindow(Session &session, QWidget *parent) : QWidget(parent), session_(session), colours_(session)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Toolbox"));
    setFixedSize(kToolboxClientWidth, kToolboxClientHeight);

    buildFrames();
    buildPanels();
    buildPalette();
    buildButtons();

    // The tool buttons follow ClickStage as soon as anything changes it.
    session_.addStateListener([this] { followState(); }, this);
    followState();
}

void ToolboxWindow::buildFrames()
{
    for (const ToolboxFrame &f : toolboxFrames()) {
        auto *box = new QGroupBox(f.caption, this);
        box->setObjectName(f.name);
        box->setGeometry(f.rect);
    }
    // The etched divider between the merge and pattern panels.
    plainArea(QStringLiteral("Line1"), QRect(248, 152, 1, 240), QColor(128, 128, 128), this, false);
    plainArea(QStringLiteral("Line2"), QRect(249, 152, 1, 240), QColor(255, 255, 255), this, false);
}

void ToolboxWindow::buildPanels()
{
    // Filled by the merge panel (Picture7 holds the merge image Image3) and the
    // pattern editor (the 144 cells im(0)..im(143), 17 pixels at a pitch of 16).
    auto *mergeBox = new PictureBox(session_.merge.box, 0, this);
    mergeBox->setObjectName(QStringLiteral("Picture7"));
    mergeBox->move(40, 160);
    mergeBox_ = mergeBox;
    auto *pattern = new PatternPanel(session_, this);
    pattern->move(PatternPanel::kToolboxOrigin);
    pattern->raise();
    patternGrid_ = pattern;
}

void ToolboxWindow::buildPalette()
{
    palette_ = new PictureBox(colours_.Picture1, 0, this);
    palette_->setObjectName(QStringLiteral("Picture1"));
    palette_->move(12, 8);
    auto *image1 = new PaletteImage(1, this, palette_);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(kPaletteImage1);
    auto *image2 = new PaletteImage(2, this, palette_);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(kPaletteImage2);

    AppState &s = session_.state;
    auto swatch = [this](const char *name, QRect r, std::function<Colour()> colour, bool clickable) {
        auto *box = new SwatchBox(std::move(colour), this);
        const QString designer = QString::fromLatin1(name);
        box->setObjectName(designer);
        box->setGeometry(r);
        if (clickable)
            box->onClick = [this, designer] { swatchClick(designer); };
        swatches_[designer] = box;
        return box;
    };
    // The background swatch lies under the foreground one, as on every paint
    // program, and over the preview, which matters least.
    swatch(
        "Picture4", QRect(40, 120, 25, 25), [&s] { return s.HoverColour; }, false);
    swatch(
        "Picture3", QRect(24, 128, 25, 25), [&s] { return s.RightColour; }, true);
    swatch(
        "Picture2", QRect(8, 120, 25, 25), [&s] { return s.LeftColour; }, true);
    auto *swap = swatch(
        "Picture5", QRect(8, 146, 17, 12), [] { return kWhite; }, true);
    swap->face = swapFace(17, 12);
    swatch(
        "Picture6", QRect(72, 160, 9, 9), [this] { return colours_.holderColour; }, false);
}

void ToolboxWindow::buildButtons()
{
    for (const ToolboxButton &b : toolboxButtons()) {
        // The pattern panel owns its three check boxes.
        if (b.kind == ButtonKind::Check)
            continue;
        Row row{&b, buttonAction(b), nullptr};
        QAbstractButton *widget = nullptr;
        if (b.kind == ButtonKind::Check) {
            widget = new QCheckBox(this);
        } else {
            auto *tool = new QToolButton(this);
            tool->setIcon(QIcon(QPixmap::fromImage(buttonFace(b))));
            tool->setIconSize(QSize(kButtonFaceSize, kButtonFaceSize));
            tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
            widget = tool;
        }
        widget->setObjectName(b.name);
        widget->setGeometry(b.rect());
        widget->setText(b.caption);
        // A button without a tooltip of its own explains itself by what its operation does.
        widget->setToolTip(!b.tooltip.isEmpty() ? b.tooltip : row.action.summary);
        widget->setStatusTip(buttonStatusText(b));
        // A button whose operation is not part of the program cannot be clicked.
        widget->setEnabled(row.action.run || b.kind == ButtonKind::Inert || b.kind == ButtonKind::Dialog);
        const QString name = b.name;
        connect(widget, &QAbstractButton::clicked, this, [this, name] { click(name); });
        row.widget = widget;
        rows_[b.name] = std::move(row);
    }
}

QAbstractButton *ToolboxWindow::button(const QString &name) const
{
    const auto it = rows_.find(name);
    if (it != rows_.end())
        return it->second.widget;
    // The check boxes live in the pattern panel.
    return findChild<QAbstractButton *>(name);
}

void ToolboxWindow::click(const QString &name)
{
    const auto it = rows_.find(name);
    if (it == rows_.end() || !it->second.widget->isEnabled())
        return;
    switch (it->second.button->dialog) {
    case ToolboxDialog::OpenPattern:
        openPatternDialog(session_, this);
        break;
    case ToolboxDialog::SavePattern:
        savePatternDialog(session_, this);
        break;
    case ToolboxDialog::None:
        if (it->second.action.run)
            runOperation(session_, it->second.widget->toolTip().trimmed(), it->second.action.run);
        break;
    }
    finishHandler();
    if (it->second.button->kind == ButtonKind::Tool)
        emit toolPicked();
}

void ToolboxWindow::paletteMouse(int image, int button, double x, double y)
{
    if (const auto picked = colours_.paletteMouse(image, button, x, y))
        emit foregroundPicked(*picked);
    finishHandler();
}

void ToolboxWindow::swatchClick(const QString &name)
{
    if (name == QLatin1String("Picture2"))
        colours_.chooseSwatchColour(true);
    else if (name == QLatin1String("Picture3"))
        colours_.chooseSwatchColour(false);
    else if (name == QLatin1String("Picture5"))
        colours_.swap();
    finishHandler();
}

void ToolboxWindow::finishHandler() { session_.stateChanged(); }

void ToolboxWindow::followState()
{
    const bool toolsFree = toolButtonsEnabled(session_.state);
    for (auto &[name, row] : rows_)
        if (row.button->lockedBetweenClicks)
            row.widget->setEnabled(row.action.run && toolsFree);
    for (auto &[name, swatch] : swatches_)
        swatch->update();
}

} // namespace quill
