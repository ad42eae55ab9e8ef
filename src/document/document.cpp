#include "document/document.h"

#include <new>
#include <utility>

namespace quill {

namespace {

// Design-time places of the nine layers, twips: the centre tile and its ring.
struct Place {
    int left;
    int top;
};
constexpr std::array<Place, kLayerCount> kDesignPlaces = {{
    {1810, 1800}, // 0, the picture
    {0, 0},
    {1818, 0},
    {3625, 0},
    {0, 1800},
    {3625, 1800},
    {0, 3600},
    {1810, 3600},
    {3625, 3600},
}};

// Grid cell (column, row) of each layer when the grid is laid out from a size.
constexpr std::array<Place, kLayerCount> kGridCells = {{
    {1, 1},
    {0, 0},
    {1, 0},
    {2, 0},
    {0, 1},
    {2, 1},
    {0, 2},
    {1, 2},
    {2, 2},
}};

} // namespace

QPoint gridCell(int layer)
{
    if (layer < 0 || layer >= kLayerCount)
        return {};
    const Place &cell = kGridCells[static_cast<std::size_t>(layer)];
    return {cell.left, cell.top};
}

Document::Document()
{
    for (int i = 0; i < kLayerCount; ++i) {
        Surface &s = layers_[static_cast<std::size_t>(i)];
        s.setWidth(kStartSizeTwips);
        s.setHeight(kStartSizeTwips);
        s.setLeft(kDesignPlaces[static_cast<std::size_t>(i)].left);
        s.setTop(kDesignPlaces[static_cast<std::size_t>(i)].top);
    }
}

void Document::SyncLayers(int n)
{
    if (n < 0 || n >= kLayerCount)
        return;
    const Surface &source = layers_[static_cast<std::size_t>(n)];
    QImage released = layers_[n == 0 ? 1 : 0].Image();
    for (int i = 0; i < kLayerCount; ++i)
        if (i != n)
            layers_[static_cast<std::size_t>(i)].setPictureFrom(source);
    for (auto &l : layers_)
        l.markInSync();
    // Keep the raster the layers just let go of, if nobody else holds it.
    if (released.isDetached() && released.size() == source.Image().size())
        scratch_ = std::move(released);
}

QImage Document::takeScratchRaster()
{
    const QSize size = layers_[0].Image().size();
    if (!scratch_.isNull() && scratch_.size() == size && scratch_.isDetached())
        return std::exchange(scratch_, QImage());
    scratch_ = QImage();
    QImage fresh(size, QImage::Format_RGB32);
    // Thrown before the operation writes a pixel, so the picture stays as it was;
    // whoever runs the operation reports it.
    if (fresh.isNull() && !size.isEmpty())
        throw std::bad_alloc();
    return fresh;
}

void Document::setLattice(Lattice lattice)
{
    if (lattice == this->lattice())
        return;
    for (auto &l : layers_)
        l.setLattice(lattice);
    layoutChanged.notify();
}

QPoint Document::copyOrigin(int index) const
{
    const QSize size = layers_[0].Image().size();
    const QPoint cell = gridCell(index) - QPoint(1, 1);
    return wrapPoint(lattice(), size, QPoint(cell.x() * size.width(), cell.y() * size.height()));
}

void Document::layOutGrid(double widthTwips, double heightTwips)
{
    for (int i = 0; i < kLayerCount; ++i) {
        Surface &s = layers_[static_cast<std::size_t>(i)];
        s.setLeft(kGridCells[static_cast<std::size_t>(i)].left * widthTwips);
        s.setTop(kGridCells[static_cast<std::size_t>(i)].top * heightTwips);
    }
    for (auto &s : layers_)
        s.setWidth(widthTwips);
    for (auto &s : layers_)
        s.setHeight(heightTwips);
    layoutChanged.notify();
}

void Document::replaceWith(const QImage &picture)
{
    if (picture.isNull())
        return;
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return;
    // Every layer takes the new raster before the grid is sized for it, so a
    // new size costs no resizing and repainting of nine rasters on the way.
    for (auto &l : layers_)
        l.raster() = rgb;
    layOutGrid(static_cast<double>(rgb.width()) * kTwipsPerPixel, static_cast<double>(rgb.height()) * kTwipsPerPixel);
    layers_[0].setPicture(rgb);
    SyncLayers(0);
}

} // namespace quill
