// The "Draw" window: the nine tiles of the document in a 3 x 3 grid, the
// overlays over the centre tile, the flashing timer and the tile cursor.
// It turns widget events into CanvasController calls and repaints; all
// behaviour lives in the controller and the tools.
#pragma once

#include "canvas/canvas_controller.h"

#include <QTimer>
#include <QWidget>

#include <array>

namespace quill {

class PictureBox;

class CanvasWindow : public QWidget {
    Q_OBJECT
public:
    CanvasWindow(Session &session, QWidget *parent = nullptr);
    ~CanvasWindow() override;

    CanvasController &controller() { return controller_; }
    PictureBox *tile(int index) { return tiles_[static_cast<std::size_t>(index)]; }
    QTimer &flashTimer() { return flashTimer_; }

    // Places the nine tiles where the document's layers say and fits the window.
    void layOutTiles();
    // Client size the grid needs, pixels.
    QSize gridSize() const;
    // Shows the eight copies around the picture dimmed, so the picture itself stands out.
    void setDimCopies(bool on);

private:
    void paintOverlays(QPainter &p);
    void overlaysChanged();

    Session &session_;
    CanvasController controller_;
    std::array<PictureBox *, kLayerCount> tiles_{};
    QTimer flashTimer_;
};

} // namespace quill
