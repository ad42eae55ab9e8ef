#include "canvas/options_window.h"

#include "surface/picture_box_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSlider>

namespace quill {

namespace {

// Design values of the three rows: slider value, text and caption.
struct RowDesign {
    int value;
    const char *text;
    const char *caption;
};
constexpr RowDesign kRows[kOptionRows] = {{10, "10", "Drawwidth:"}, {2, "2", "Pointwidth:"}, {100, "100", "Points:"}};

} // namespace

OptionsWindow::OptionsWindow(Session &session, QWidget *parent)
    : QWidget(parent), session_(session),
      preview_(kOptionsPreviewTwips / kTwipsPerPixel, kOptionsPreviewTwips / kTwipsPerPixel)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Options"));

    auto *grid = new QGridLayout(this);
    previewBox_ = new PictureBox(preview_, 0, this);
    previewBox_->setObjectName(QStringLiteral("Picture1"));
    previewBox_->setFixedSize(preview_.pixelWidth(), preview_.pixelHeight());
    grid->addWidget(previewBox_, 0, 0, kOptionRows, 1, Qt::AlignTop | Qt::AlignLeft);
    for (int row = 0; row < kOptionRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        auto *label = new QLabel(QString::fromLatin1(kRows[r].caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("s%1").arg(row + 1));
        slider->setRange(1, kSliderMaximum[r]);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        slider->setValue(kRows[r].value);
        slider->setMinimumWidth(160);
        auto *text = new QLineEdit(QString::fromLatin1(kRows[r].text), this);
        text->setObjectName(QStringLiteral("Text%1").arg(row + 1));
        text->setMaximumWidth(60);
        // Hidden rows keep their room, so the window does not jump between tools.
        for (QWidget *w : {static_cast<QWidget *>(slider), static_cast<QWidget *>(text)}) {
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        }
        grid->addWidget(label, row, 1);
        grid->addWidget(slider, row, 2);
        grid->addWidget(text, row, 3);
        labels_[r] = label;
        sliders_[r] = slider;
        texts_[r] = text;
        connect(slider, &QSlider::valueChanged, this, [this, row](int v) { sliderMoved(row, v); });
        connect(text, &QLineEdit::textChanged, this, [this, row](const QString &t) { textTyped(row, t); });
    }

    // Follows the toolbox's tool choice as it happens; the session outlives the window.
    session_.addStateListener([this] { configure(); }, this);
    configure();
}

void OptionsWindow::configure()
{
    const int tool = session_.state.ToolMode;
    if (tool == ConfiguredTool)
        return;
    const OptionsLayout layout = optionsLayout(tool);
    for (int row = 0; row < kOptionRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        if (!layout.shown[r])
            continue;
        const int value = optionValue(session_.state, tool, row).value_or(0);
        // Showing a value is not editing it: no change event may write it back.
        const QSignalBlocker blockSlider(sliders_[r]);
        const QSignalBlocker blockText(texts_[r]);
        // A value the slider cannot hold (a width of 0) leaves the slider where it was.
        if (value >= sliders_[r]->minimum() && value <= sliders_[r]->maximum())
            sliders_[r]->setValue(value);
        texts_[r]->setText(QString::number(value));
    }
    if (layout.captions)
        for (std::size_t r = 0; r < kOptionRows; ++r)
            labels_[r]->setText((*layout.captions)[r]);
    for (std::size_t r = 0; r < kOptionRows; ++r) {
        sliders_[r]->setVisible(layout.shown[r]);
        texts_[r]->setVisible(layout.shown[r]);
    }
    ConfiguredTool = tool;
    drawPreview();
}

void OptionsWindow::sliderMoved(int row, int value)
{
    if (applySliderValue(session_.state, session_.state.ToolMode, row, value))
        drawPreview();
    session_.stateChanged();
}

void OptionsWindow::textTyped(int row, const QString &text)
{
    const auto v = applyTypedValue(session_.state, session_.state.ToolMode, row, text);
    if (!v)
        return;
    {
        const QSignalBlocker block(sliders_[static_cast<std::size_t>(row)]);
        sliders_[static_cast<std::size_t>(row)]->setValue(*v);
    }
    drawPreview();
    session_.stateChanged();
}

void OptionsWindow::drawPreview()
{
    drawOptionsPreview(preview_, session_.state, session_.state.ToolMode, sliders_[0]->value(), session_.random);
}

} // namespace quill
