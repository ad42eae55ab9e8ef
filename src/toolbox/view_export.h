// What the "View picture" window shows, as a picture of its own: the seam
// marks and patch outlines on a copy of the tile, the ten-by-ten repeat, and writing that repeat
// as PNG, BMP or JPEG to a file chosen through the host.
// Called by the view window and tests. No widgets; a failed write never throws.
#pragma once

#include "surface/host.h"
#include "surface/lattice.h"

#include <QImage>
#include <QString>

namespace quill {

// The view's file filter: PNG first, then bitmap and JPEG.
inline const QString kViewSaveFilter =
    QStringLiteral("PNG Files(*.png)|*.png|BMP Files(*.bmp)|*.bmp|Jpeg Files(*.jpg)|*.jpg");
// The largest repeat that is written, in bytes of its raster.
inline constexpr qint64 kMaxViewBytes = qint64(1) << 30;

// A copy of the tile with the seam's visible stretches marked in a colour that
// stands out from the pixel under it, on both sides of each wrap line (the
// lattice's: on half-drop the end of row y and the start of row y + h/2), so
// every tile boundary of a repeat shows them.
QImage markSeams(const QImage &tile, Lattice lattice);

// Outlines on `marked` (a copy of `tile`, maybe with seam marks) around the
// bright and dark patches of `tile`'s broad light, in the same colours as the
// seam marks; an outline that leaves one edge comes back where the lattice
// brings it back.
void markPatches(const QImage &tile, QImage &marked, Lattice lattice);

// The view's repeat on the lattice, `copies` tiles each way; null beyond kMaxViewBytes.
QImage repeatTile(const QImage &tile, int copies, Lattice lattice);

// Writes a picture by the file's extension (.png, .bmp, .jpg or .jpeg); a
// name without one of these takes the extension of the filter entry chosen
// (1 PNG, 2 BMP, 3 JPEG). Returns the name written, or an empty string with
// `error` set.
QString writeViewFile(const QImage &picture, const QString &fileName, int filterIndex, QString &error);

// Asks for a file name and writes the tile repeated `copies` times on the
// lattice; a failure is reported in a message box. False when cancelled or failed.
bool saveView(Host &host, const QImage &tile, int copies, Lattice lattice);

} // namespace quill
