// "View picture" (Form10): the picture as it looks repeated on its lattice, ten
// copies across and ten down from the window's top-left corner, each copy
// painted from one raster. Opened by the toolbar with a copy of the picture at that moment;
// a left click on the mosaic closes it. Its context menu shows the seam marks
// on every tile boundary, outlines the bright and dark patches, and saves the
// repeat, always without the marks. It never changes the document.
#pragma once

#include "surface/host.h"
#include "surface/lattice.h"

#include <QPixmap>
#include <QWidget>

class QAction;

namespace quill {

class ViewWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCopies = 10;

    ViewWindow(const QImage &picture, Lattice lattice, Host &host, QWidget *parent = nullptr);

    // The area the ten-by-ten copies cover, in window pixels.
    QRect mosaicRect() const;

    // The context menu's check boxes "Show seams" and "Show patches" and its "Save view...".
    QAction *showSeamsAction() const { return showSeams_; }
    QAction *showPatchesAction() const { return showPatches_; }
    QAction *saveViewAction() const { return saveView_; }
    // The tile as the mosaic shows it, with the marks that are switched on.
    QImage shownTile() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Host &host_;
    Lattice lattice_;
    QImage picture_;
    QPixmap tile_;
    QAction *showSeams_ = nullptr;
    QAction *showPatches_ = nullptr;
    QAction *saveView_ = nullptr;
};

} // namespace quill
