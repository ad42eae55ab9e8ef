// Reading and writing pictures as files: the 24-bit Windows bitmap the program
// saves (snapshots, temp and clipboard files, "Save"), PNG, and the loader for
// the formats it opens. Called by the undo store, Open/Save, clipboard and merge.
// Never throws and never leaves a half-written target: failures say why.
#pragma once

#include "surface/jpeg_library.h"
#include "surface/safe_write.h"

#include <QImage>
#include <QString>

#include <optional>

namespace quill {

// The largest raster the loaders build: a 16384 x 16384 picture, the largest
// quillmar-batch makes, so whatever the program writes it reads back.
inline constexpr qint64 kMaxPictureBytes = jpeg::kMaxPixels * 4;
// Files past this are not pictures the program made (a 16384-square PNG of noise is ~800 MiB).
inline constexpr qint64 kMaxPictureFileBytes = qint64(2) << 30;

// Writes the picture as an uncompressed 24-bit bottom-up Windows bitmap,
// through the safe writer.
WriteResult saveBitmap(const QImage &picture, const QString &path);
// Writes the picture as a 24-bit PNG (lossless), the same way.
WriteResult savePng(const QImage &picture, const QString &path);

// The picture as an RGB32 raster; transparent areas show white, as users see
// them elsewhere. Null when memory runs out.
QImage opaqueOnWhite(const QImage &picture);

// "Not enough memory for <operation> at <W> x <H>".
QString notEnoughMemory(const QString &operation, QSize size);

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
// Writes the picture as `type` (Unknown is refused); a JPEG at `jpegQuality`
// with the JPEG library's save options, the others lossless.
WriteResult savePictureAs(const QImage &picture, const QString &path, PictureType type, int jpegQuality,
                          int jpegOptions);

// Loads BMP, GIF, JPEG and PNG into an RGB32 raster; transparent areas show
// white. Empty when the file is missing, unreadable, not a picture, cut short,
// damaged (a PNG chunk whose checksum fails) or too large; then `whyNot`, when
// given, says which in words for the user ("the file ends before its pixels do").
std::optional<QImage> loadPicture(const QString &path, QString *whyNot = nullptr);

} // namespace quill
