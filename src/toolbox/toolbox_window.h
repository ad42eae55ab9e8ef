// The "Toolbox" window (Form2): tool and operation buttons built from the
// button table, the palette, the colour swatches, the swap button, the frames,
// and the empty merge box and pattern grid areas that their panels fill.
// Clicks run the table's actions; the look follows the shared state through a
// state listener. No drawing rules or colour rules of its own live here.
#pragma once

#include "toolbox/button_table.h"
#include "toolbox/colour_choice.h"

#include <QWidget>

#include <functional>
#include <map>

class QAbstractButton;

namespace quill {

class PictureBox;

class ToolboxWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolboxWindow(Session &session, QWidget *parent = nullptr);

    // The button or check box of a table row, by designer name.
    QAbstractButton *button(const QString &name) const;
    // Runs a row's click as the user's click does; a disabled control does nothing.
    void click(const QString &name);

    ToolboxColours &colours() { return colours_; }
    // The merge box Picture7 (the merge panel puts the merge image in it) and
    // the area of the 12 x 12 pattern grid `im` (the pattern editor fills it).
    QWidget *mergeBox() const { return mergeBox_; }
    QWidget *patternGridArea() const { return patternGrid_; }
    PictureBox *paletteBox() const { return palette_; }

    // Palette image 1 or 2, as its mouse handlers call it.
    void paletteMouse(int image, int button, double x, double y);
    // Swatch clicks: Picture2, Picture3 (colour dialog) and Picture5 (swap).
    void swatchClick(const QString &name);

signals:
    // A left pick on the palette changed the foreground colour.
    void foregroundPicked(Colour colour);
    // A tool button was clicked, so the canvas can take the keys back.
    void toolPicked();

private:
    void buildFrames();
    void buildPalette();
    void buildButtons();
    void buildPanels();
    void followState();
    void finishHandler();

    Session &session_;
    ToolboxColours colours_;
    struct Row {
        const ToolboxButton *button = nullptr;
        ButtonAction action;
        QAbstractButton *widget = nullptr;
    };
    std::map<QString, Row> rows_;
    std::map<QString, QWidget *> swatches_;
    PictureBox *palette_ = nullptr;
    QWidget *mergeBox_ = nullptr;
    QWidget *patternGrid_ = nullptr;
};

} // namespace quill
