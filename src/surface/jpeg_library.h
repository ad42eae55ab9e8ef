// The program's small image library over libjpeg-turbo: reads a bitmap file as
// RGB bytes, writes RGB bytes as a JPEG file, decodes bitmap and JPEG files
// strictly for the picture loader, and keeps the code and text of its last failure.
// Called by Save, the picture loader and the start-up. Never throws.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace quill::jpeg {

// Codes of lastErrorCode(). Failures inside the JPEG codec itself are
// kErrorCodec plus TurboJPEG's own code (0 warning, 1 fatal).
enum ErrorCode : int {
    kNoError = 0,
    kErrorCannotOpen = 1,  // missing, unreadable or not a regular file
    kErrorNotBitmap = 2,   // no "BM" signature or an impossible header
    kErrorUnsupported = 3, // a compression or depth this library does not read
    kErrorTruncated = 4,   // the file ends before its pixels do
    kErrorTooLarge = 5,    // more pixels than the caller allows, or out of memory
    kErrorBadArgument = 6, // null buffer, size or quality out of range
    kErrorCannotWrite = 7, // the target could not be written
    kErrorNotInitialised = 8,
    kErrorCodec = 100,
};

// Options of saveRgbToJpg (the last argument); 0 is baseline with 4:2:0 chroma.
enum SaveOption : int {
    kSaveDefault = 0,
    kSaveProgressive = 1,
    kSaveFullChroma = 2, // 4:4:4: no colour detail is averaged away
};

// RGB bytes, three per pixel, top row first, rows packed without padding.
struct RgbPixels {
    std::unique_ptr<unsigned char[]> data;
    int width = 0;
    int height = 0;
    explicit operator bool() const { return data != nullptr; }
};

// One-time set-up of the calling thread's encoder and decoder; the other calls
// set themselves up on first use too, so this only moves the cost to start-up.
bool initLibrary();

// Reads an uncompressed (or bit-field) regular Windows bitmap file of 1, 4, 8, 16, 24 or 32
// bits per pixel. Empty on failure, with the last error set.
RgbPixels readRgbFromBmp(const QString &path);

// Writes the RGB bytes as a JPEG of the given quality (1..100) through a
// temporary file renamed into place. Returns 0 on success, else the error code.
int saveRgbToJpg(const QString &path, const unsigned char *rgb, int width, int height, int quality, int options);
// The same for an RGB32 picture: the one JPEG writer of Save, Save view and
// quillmar-batch. Returns 0 on success, else the error code.
int savePictureToJpg(const QString &path, const QImage &picture, int quality, int options);

// The quality Save and quillmar-batch write JPEG files at.
inline constexpr int kJpegQuality = 75;

int lastErrorCode();
QString lastErrorText();
// The last failed save of `path` as the user reads it: "Cannot write <path>: <reason>".
QString lastSaveError(const QString &path);

// The most pixels any decoder here builds: a 16384 x 16384 picture, the
// largest the program makes, so whatever it writes it reads back.
inline constexpr qint64 kMaxPixels = qint64(16384) * 16384;

// The most start-of-scan markers a JPEG may hold to be read.
inline constexpr qint64 kMaxJpegScans = 200;

// The loader's decoders, from bytes already in memory, into RGB32 rasters no
// larger than maxBytes. Truncated or damaged files (a run-length bitmap cut
// off before its end mark included) are refused rather than shown half grey.
// decodeJpeg refuses files of more than kMaxJpegScans scans.
std::optional<QImage> decodeBitmap(const uchar *bytes, qint64 size, qint64 maxBytes);
std::optional<QImage> decodeJpeg(const uchar *bytes, qint64 size, qint64 maxBytes);

} // namespace quill::jpeg
