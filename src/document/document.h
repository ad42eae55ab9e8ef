// The document: nine layers Picture1(0)..Picture1(8) of the canvas. Layer 0 is
// the picture itself, the others are its tiled copies around it (and layer 1
// doubles as the work layer of two-layer operations).
// Used by the canvas, the undo store, files and every operation.
// Copies between layers share rasters; nothing here draws.
#pragma once

#include "surface/listeners.h"
#include "surface/surface.h"

#include <QPoint>

#include <array>
#include <functional>

namespace quill {

inline constexpr int kLayerCount = 9;
// The picture starts 1837 twips square.
inline constexpr int kStartSizeTwips = 1837;

// Column and row (0..2) of a layer in the 3 x 3 grid; the picture is the centre.
QPoint gridCell(int layer);

class Document {
public:
    Document();

    Surface &layer(int index) { return layers_[static_cast<std::size_t>(index)]; }
    const Surface &layer(int index) const { return layers_[static_cast<std::size_t>(index)]; }
    Surface &picture() { return layers_[0]; }
    const Surface &picture() const { return layers_[0]; }

    int pixelWidth() const { return layers_[0].pixelWidth(); }
    int pixelHeight() const { return layers_[0].pixelHeight(); }

    // Every other layer, in ascending order, takes layer n's Image as its Picture.
    void SyncLayers(int n);
    // Layers 1..8 take layer 0's Image.
    void PropagateCentre() { SyncLayers(0); }
    // Replaces the picture with an image of any size: all nine layers take its
    // size and content, laid out as a 3 x 3 grid.
    void replaceWith(const QImage &picture);
    // Sizes all nine layers to W x H twips and lays them out as a 3 x 3 grid
    // with the picture in the centre.
    void layOutGrid(double widthTwips, double heightTwips);

    // Wrap at the edges on all nine layers.
    void setWrapEdges(bool on)
    {
        for (auto &l : layers_)
            l.setWrapEdges(on);
    }

    // The lattice the picture repeats on, on all nine layers: it decides where
    // wrapped strokes come back and where the copies around the picture sit.
    Lattice lattice() const { return layers_[0].lattice(); }
    void setLattice(Lattice lattice);
    // The picture pixel shown at the top-left corner of a layer's tile: a copy
    // on a shifted row or column shows the picture rolled by that much.
    QPoint copyOrigin(int index) const;

    // Sets the same property on all nine layers (the tool buttons and dispatchers do this).
    template <typename F> void forEachLayer(F &&f)
    {
        for (auto &l : layers_)
            f(l);
    }

    // A raster of the picture's size that nobody else holds, for an operation to
    // write its result into before handing it to a layer with setPicture. Reuses
    // the raster the layers let go of at the last sync, so repeated whole-image
    // operations do not pay for fresh memory each time. Content is undefined.
    // Throws std::bad_alloc when the memory cannot be had.
    QImage takeScratchRaster();

    // Told after the grid was laid out anew (the canvas re-places its tiles).
    Listeners<> layoutChanged;

private:
    std::array<Surface, kLayerCount> layers_;
    QImage scratch_;
};

} // namespace quill
