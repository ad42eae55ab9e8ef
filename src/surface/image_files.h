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

// The types the program writes, as a file name's extension names them
// (.bmp, .png, .jpg or .jpeg, any case); Unknown for any other name.
enum class PictureType { Unknown, Bmp, Png, Jpeg };
PictureType pictureTypeOf(const QString &fileName);
// ".bmp", ".png" or ".jpg"; empty for Unknown.
QString extensionOf(PictureType type);
// The name a file of this type is written under: a name whose extension names
// one of the types keeps it (and that type wins), any other gets `chosen`'s
// extension added. Returns the name and sets `type` to the type to write.
QString nameForType(const QString &fileName, PictureType chosen, PictureType &type);

// Loads BMP, GIF, JPEG and PNG into an RGB32 raster; transparent areas show
// white. Empty when the file is missing, unreadable, not a picture, cut short,
// damaged (a PNG chunk whose checksum fails) or too large; then `whyNot`, when
// given, says which in words for the user ("the file ends before its pixels do").
std::optional<QImage> loadPicture(const QString &path, QString *whyNot = nullptr);

} // namespace quill
