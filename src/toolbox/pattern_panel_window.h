// The pattern editor's part of the toolbox: the 12 x 12 grid im(0)..im(143)
// and the check boxes Check1 "Transparent", Check2 and Check3 "Get color".
// The toolbox places it at its client pixel (256, 160) and builds the pattern
// buttons itself; the panel only turns clicks into core calls and repaints
// from session.pattern when the state changes. It never edits cells itself.
#pragma once

#include "document/session.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;

namespace quill {

// One cell of a pattern grid: a 17 x 17 colour box that reports mouse-up.
class PatternCellBox : public QWidget {
    Q_OBJECT
public:
    PatternCellBox(int index, QWidget *parent);
    void setColour(Colour colour);
    Colour colour() const { return colour_; }
    std::function<void(int index, int button)> onMouseUp;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int index_;
    Colour colour_ = 0;
};

// 144 cells at a 16-pixel pitch, each 17 x 17 so neighbours share their border.
class PatternGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPitch = 16;
    static constexpr int kCellSize = 17;

    explicit PatternGrid(QWidget *parent);
    void showColours(const std::array<Colour, kPatternCells> &colours);
    PatternCellBox *cell(int k) const { return cells_[static_cast<std::size_t>(k)]; }
    std::function<void(int index, int button)> onCellMouseUp;

private:
    std::array<PatternCellBox *, kPatternCells> cells_{};
};

class PatternPanel : public QWidget {
    Q_OBJECT
public:
    // Where the panel's top-left sits in the toolbox's client area, pixels.
    static constexpr QPoint kToolboxOrigin{256, 160};

    explicit PatternPanel(Session &session, QWidget *parent = nullptr);

    PatternGrid *grid() const { return grid_; }
    QCheckBox *transparentCheck() const { return checks_[0]; }
    QCheckBox *pickCheck() const { return checks_[1]; }
    QCheckBox *pickTransparentCheck() const { return checks_[2]; }

    // Shows the grid colours and flags of session.pattern.
    void refresh();

private:
    void flip(int which);

    Session &session_;
    PatternGrid *grid_ = nullptr;
    std::array<QCheckBox *, 3> checks_{};
};

} // namespace quill
