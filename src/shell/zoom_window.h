// The zoom window Form4: a magnified 20 x 20 view (vr) of the pointer's
// neighbourhood, or of the point the Zoom tool fixed, with eight arrow buttons
// that move the fixed point and a button that paints it. The buttons work
// only while a point is fixed; the window follows the session's state and the
// picture's changes instead of polling.
#pragma once

#include "document/session.h"

#include <QWidget>

#include <array>

class QAbstractButton;
class QLabel;

namespace quill {

class PictureBox;

class ZoomWindow : public QWidget {
    Q_OBJECT
public:
    ZoomWindow(Session &session, QWidget *parent = nullptr);
    ~ZoomWindow() override;

    QAbstractButton *arrow(int index) const { return arrows_[static_cast<std::size_t>(index)]; }
    QAbstractButton *paintButton() const { return paint_; }
    QLabel *positionLabel() const { return position_; }
    const Surface &view() const { return view_; }

    // The canvas's pointer, in twips, while no point is fixed.
    void feed(double xTwips, double yTwips);
    // Redraws the view around the fixed point.
    void redraw();

    void arrowClicked(int index);
    void paintClicked();

private:
    void followState();
    void showAround(double xTwips, double yTwips);
    void paintCrosshair(QPainter &p);

    Session &session_;
    Surface view_;
    PictureBox *vr_ = nullptr;
    std::array<QAbstractButton *, 8> arrows_{};
    QAbstractButton *paint_ = nullptr;
    QLabel *position_ = nullptr;
    int pictureListener_ = 0;
};

} // namespace quill
