// The widget that shows one Surface and reports its mouse and key events as
// (Index, Button, Shift, X, Y) in the surface's current units, the way every
// picture box of the program is wired. Repaints only the rectangles the
// surface reports as changed.
#pragma once

#include "surface/surface.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace quill {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(Surface &surface, int index, QWidget *parent = nullptr);
    ~PictureBox() override;

    Surface &surface() { return surface_; }
    int index() const { return index_; }

    using MouseHandler = std::function<void(int index, int button, int shift, double x, double y)>;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    std::function<void(int index, int keyCode, int shift)> onKeyDown;
    // Paints on top of the picture (rubber bands, markers) in picture pixels; a
    // magnified view paints it at picture resolution and blows it up.
    std::function<void(QPainter &)> paintOverlay;

    // Fits the widget to the surface's raster at the view scale.
    void fitToSurface();
    // Nearest-neighbour magnification of the view (1 = one screen pixel a picture
    // pixel); events still arrive in picture units.
    void setScale(int scale);
    int scale() const { return scale_; }
    // The picture pixel shown at the top-left corner: the picture rolled with
    // wrap-around, as a copy on a shifted row or column of the repeat shows it.
    void setOrigin(QPoint origin);
    QPoint origin() const { return origin_; }
    // Shows the picture blended halfway to grey; a look only, the surface keeps its pixels.
    void setDimmed(bool on);
    bool dimmed() const { return dimmed_; }

    // Button bits and key codes as the handlers expect them.
    static int buttonBits(Qt::MouseButtons buttons);
    static int shiftBits(Qt::KeyboardModifiers modifiers);
    static int keyCode(int qtKey);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void report(const MouseHandler &handler, int button, const QMouseEvent *event);
    // Where the picture's pixels land in the box: up to four placements of the
    // raster (one when nothing is rolled), in picture pixels.
    std::vector<QPoint> placements() const;
    void updatePicturePixels(const QRect &pictureRect);
    void paintPlacement(QPainter &p, const QRect &exposed, QPoint placement);

    Surface &surface_;
    int index_;
    int listenerId_ = 0;
    std::weak_ptr<const bool> surfaceAlive_;
    int scale_ = 1;
    bool dimmed_ = false;
    QPoint origin_;
};

} // namespace quill
