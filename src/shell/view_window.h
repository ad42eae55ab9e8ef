// "View picture" (Form10): the picture as it looks repeated, ten copies across
// and ten down from the window's top-left corner, painted from one raster as a
// texture. Opened by the toolbar with a copy of the picture at that moment;
// a click on the mosaic closes it. It never changes the document.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace quill {

class ViewWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCopies = 10;

    explicit ViewWindow(const QImage &picture, QWidget *parent = nullptr);

    // The area the ten-by-ten copies cover, in window pixels.
    QRect mosaicRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap tile_;
};

} // namespace quill
