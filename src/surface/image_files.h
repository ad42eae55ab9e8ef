// Reading and writing pictures as files: the 24-bit Windows bitmap the program
// saves (snapshots, temp and clipboard files, "Save") and the loader for the
// formats it opens. Called by the undo store, Open/Save, clipboard and merge.
// Never throws and never leaves a half-written target: failures return false / empty.
#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace quill {

// Writes the picture as an uncompressed 24-bit bottom-up Windows bitmap,
// through a temporary file renamed into place.
bool saveBitmap(const QImage &picture, const QString &path);
// Writes the picture as a 24-bit PNG (lossless), the same way.
bool savePng(const QImage &picture, const QString &path);

// Loads BMP, GIF, JPEG and PNG into an RGB32 raster; transparent areas show
// white. Empty when the file is missing, unreadable, not a picture, cut short,
// damaged (a PNG chunk whose checksum fails) or too large.
std::optional<QImage> loadPicture(const QString &path);

} // namespace quill
