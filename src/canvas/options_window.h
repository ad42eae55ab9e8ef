// The "Options" window Form7: up to three rows of slider + text box that edit
// the current tool's width and the spray and multi-polyline settings, and a
// preview. It rearranges itself when the tool changes (it listens to the
// session's state) and only mirrors settings that live in the session.
#pragma once

#include "canvas/tool_options.h"
#include "document/session.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QSlider;

namespace quill {

class PictureBox;

class OptionsWindow : public QWidget {
    Q_OBJECT
public:
    OptionsWindow(Session &session, QWidget *parent = nullptr);

    QSlider *slider(int row) const { return sliders_[static_cast<std::size_t>(row)]; }
    QLineEdit *textBox(int row) const { return texts_[static_cast<std::size_t>(row)]; }
    QLabel *label(int row) const { return labels_[static_cast<std::size_t>(row)]; }
    const Surface &preview() const { return preview_; }
    int configuredTool() const { return ConfiguredTool; }

    // Lays the window out for the current tool (nothing when it already is).
    void configure();

private:
    void sliderMoved(int row, int value);
    void textTyped(int row, const QString &text);
    void drawPreview();

    Session &session_;
    std::array<QSlider *, kOptionRows> sliders_{};
    std::array<QLineEdit *, kOptionRows> texts_{};
    std::array<QLabel *, kOptionRows> labels_{};
    Surface preview_;
    PictureBox *previewBox_ = nullptr;
    int ConfiguredTool = -1;
};

} // namespace quill
