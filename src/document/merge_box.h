// The toolbox's merge panel: the merge box Picture7 (201 x 193 pixels, light
// grey) showing the second image at its top-left corner, and the hidden copy
// Image4 that tells whether one is loaded. Owned by the Session, filled by
// "Open image to merge", read by the merges; the toolbox window shows `box` and
// follows its change listeners. It never touches the document.
#pragma once

#include "surface/surface.h"

#include <QImage>
#include <QString>

namespace quill {

inline constexpr int kMergeBoxWidth = 201;
inline constexpr int kMergeBoxHeight = 193;
inline constexpr Colour kMergeBoxBackground = rgb(224, 224, 224);

struct MergeImage {
    MergeImage() : box(kMergeBoxWidth, kMergeBoxHeight)
    {
        box.setScaleMode(ScaleMode::Pixels);
        box.BackColor = kMergeBoxBackground;
        box.Cls();
    }

    // Picture7 with Image3 in it: the merge image as the merges read it, in pixels.
    // Inside the box but beyond the image it shows the background; beyond the box
    // a read gives the invalid colour.
    Surface box;
    // Image4's picture: null while no merge image is loaded.
    QImage image;
    // The open dialog's current file name, loaded again when the dialog is cancelled.
    QString fileName;

    bool loaded() const { return !image.isNull(); }
    // Image3 and Image4 take the picture together; a null picture empties both.
    void setPicture(const QImage &picture)
    {
        image = picture;
        box.setPicture(picture);
    }
};

} // namespace quill
