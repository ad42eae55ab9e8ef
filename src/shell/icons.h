// The program's own artwork, painted in code: the nine-tile motif of the splash
// and window icon, and one icon per toolbar key. Core code: paints into QImages
// only, so it runs without a display.
#pragma once

#include <QImage>
#include <QString>

namespace quill {

// A 3 x 3 tiling of a small seamless tile, with the centre tile outlined.
QImage drawNineTileMotif(int width, int height);
// A screen with a dashed selection rectangle.
QImage drawCaptureIcon(int size);
// The icon of the toolbar button with this key ("a".."r"); a blank image for others.
QImage drawToolbarIcon(const QString &key, int size);

} // namespace quill
