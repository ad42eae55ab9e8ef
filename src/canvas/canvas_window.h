// The "Draw" window: the nine tiles of the document in a 3 x 3 grid, the
// overlays over the centre tile, the flashing timer, the tile cursor and the
// view scale (a bar with the zoom control over a scroll area holding the grid).
// It turns widget events into CanvasController calls and repaints; all
// behaviour lives in the controller and the tools.
#pragma once

#include "canvas/canvas_controller.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>

class QComboBox;
class QScrollArea;

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

    // Places the nine tiles edge to edge, the picture in the centre, each copy
    // showing the picture where the document's lattice puts it, and fits the window.
    void layOutTiles();
    // Client size the grid needs at 1x, pixels.
    QSize gridSize() const;
    // One tile at 1x, pixels.
    QSize tileSize() const;
    // Shows the eight copies around the picture dimmed, so the picture itself stands out.
    void setDimCopies(bool on);
    // The window does not grow to the right over this one (the toolbox), so it stays in sight.
    void keepClearOf(QWidget *window);

    // View scale, one of kCanvasScales; tools keep working in picture pixels.
    int zoom() const { return zoom_; }
    void setZoom(int scale);
    QComboBox *zoomControl() const { return zoomBox_; }
    QScrollArea *scrollArea() const { return scroll_; }
    // Height of the bar above the tiles that holds the zoom control.
    int barHeight() const;

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintOverlays(QPainter &p);
    void overlaysChanged();
    // Grows or shrinks the window to the scaled grid, within the free part of the main frame's area.
    void fitWindow();
    // Largest client size the window may take where it stands, or empty for no limit.
    QSize roomForClient() const;

    Session &session_;
    CanvasController controller_;
    std::array<PictureBox *, kLayerCount> tiles_{};
    QTimer flashTimer_;
    QWidget *bar_ = nullptr;
    QComboBox *zoomBox_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    QWidget *grid_ = nullptr;
    int zoom_ = 1;
    QSize wanted_; // the size the last fit chose, offered to the frame as the hint
    QPointer<QWidget> keepClear_;
    // Picture pixels the overlays covered at their last paint, to clear them when they move.
    QRect overlayArea_;
};

} // namespace quill
