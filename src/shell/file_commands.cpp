#include "shell/file_commands.h"

#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QImageReader>
#include <QPainter>

#include <cstring>

namespace quill {

namespace {

const QString kProgramTitle = QStringLiteral("Quillmar");

// The largest picture Paste accepts: the loader's own allocation limit.
qint64 maxPictureBytes()
{
    const int limitMiB = QImageReader::allocationLimit();
    return (limitMiB > 0 ? qint64(limitMiB) : qint64(1024)) * 1024 * 1024;
}

// Clipboard pictures may carry transparency; it shows white, as in opened files.
QImage opaque(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return {};
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, picture);
    return flat;
}

// Twips per unit of the New dialog's list, horizontally and vertically
// (a character cell is 120 twips wide and 240 high).
struct UnitScale {
    double x;
    double y;
};
constexpr UnitScale kUnitScales[] = {
    {1, 1}, {20, 20}, {15, 15}, {120, 240}, {1440, 1440}, {1440 / 25.4, 1440 / 25.4}, {1440 / 2.54, 1440 / 2.54},
};

// A side longer than this would be a picture nobody paints pixel by pixel and
// more memory than the nine tiles should take.
constexpr double kNewMaximumPixels = 8192;

std::optional<double> numberInRange(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !(value >= kNewMinimum && value <= kNewMaximum))
        return std::nullopt;
    return value;
}

} // namespace

void OpenPicture(Session &session)
{
    const FileChoice choice = session.host.openFileDialog(kOpenFilter, QStringLiteral("Open"));
    if (choice.fileName.isEmpty())
        return;
    Document &doc = session.document;
    const auto picture = loadPicture(choice.fileName);
    if (picture)
        doc.replaceWith(*picture);
    else
        doc.SyncLayers(0);
}

void SaveJpeg(Session &session, const QString &fileName)
{
    Host &host = session.host;
    if (!saveBitmap(session.document.picture().Image(), kTempBitmap))
        return; // the temporary file could not be written: nothing to encode
    const jpeg::RgbPixels rgb = jpeg::readRgbFromBmp(kTempBitmap);
    if (!rgb) {
        host.messageBox(QStringLiteral("Error: ") + QString::number(jpeg::lastErrorCode()), MessageButtons::Ok,
                        kProgramTitle);
        return;
    }
    if (jpeg::saveRgbToJpg(fileName, rgb.data.get(), rgb.width, rgb.height, jpeg::kJpegQuality, jpeg::kSaveDefault) !=
        0)
        host.messageBox(QStringLiteral("ImgDLLSaveRGBToJPG error: ") + QString::number(jpeg::lastErrorCode()),
                        MessageButtons::Ok, kProgramTitle);
    else
        host.messageBox(QStringLiteral("Created ") + fileName, MessageButtons::Ok, kProgramTitle);
}

void SavePicture(Session &session)
{
    const FileChoice choice = session.host.saveFileDialog(kSaveFilter, QStringLiteral("Save"));
    if (choice.fileName.isEmpty())
        return;
    if (choice.filterIndex == kSaveFilterJpeg) {
        SaveJpeg(session, choice.fileName);
        return;
    }
    // Whatever the extension, the entry decides the format.
    const QImage &picture = session.document.picture().Image();
    const bool written =
        choice.filterIndex == kSaveFilterPng ? savePng(picture, choice.fileName) : saveBitmap(picture, choice.fileName);
    if (!written)
        session.host.messageBox(QStringLiteral("Cannot write ") + choice.fileName, MessageButtons::Ok, kProgramTitle);
}

void CopyImage(Session &session)
{
    Host &host = session.host;
    host.setClipboardImage(QImage());
    if (!saveBitmap(session.document.picture().Image(), kClipBitmap))
        return;
    if (const auto picture = loadPicture(kClipBitmap))
        host.setClipboardImage(*picture);
}

void PasteImage(Session &session)
{
    Document &doc = session.document;
    const QImage clip = session.host.clipboardImage();
    if (clip.isNull() || static_cast<qint64>(clip.width()) * clip.height() * 4 > maxPictureBytes()) {
        doc.SyncLayers(0);
        return;
    }
    const QImage picture = opaque(clip);
    if (picture.isNull()) {
        doc.SyncLayers(0);
        return;
    }
    doc.replaceWith(picture);
}

const QStringList &newPictureUnits()
{
    static const QStringList units{QStringLiteral("Twips"),     QStringLiteral("Points"), QStringLiteral("Pixel"),
                                   QStringLiteral("Character"), QStringLiteral("Inch"),   QStringLiteral("Millimeter"),
                                   QStringLiteral("Centimeter")};
    return units;
}

std::optional<TwipSize> newPictureSize(const QString &widthText, const QString &heightText, int unitIndex)
{
    const auto width = numberInRange(widthText);
    const auto height = numberInRange(heightText);
    if (!width || !height)
        return std::nullopt;
    const UnitScale scale = kUnitScales[unitIndex >= 0 && unitIndex < static_cast<int>(std::size(kUnitScales))
                                            ? static_cast<std::size_t>(unitIndex)
                                            : 0];
    const TwipSize size{*width * scale.x, *height * scale.y};
    if (size.width / kTwipsPerPixel > kNewMaximumPixels || size.height / kTwipsPerPixel > kNewMaximumPixels)
        return std::nullopt;
    return size;
}

bool applyNewPicture(Session &session, const QString &widthText, const QString &heightText, int unitIndex)
{
    const auto size = newPictureSize(widthText, heightText, unitIndex);
    if (!size)
        return false;
    Document &doc = session.document;
    doc.forEachLayer([](Surface &layer) { layer.Cls(); });
    doc.layOutGrid(size->width, size->height);
    doc.SyncLayers(0);
    return true;
}

void armCapture(Session &session)
{
    session.host.messageBox(kCapturePrompt, MessageButtons::Ok, QStringLiteral("Capture"));
    session.host.setTrayIconVisible(true);
}

QImage grabWholeScreen(Host &host)
{
    const QImage shot = host.grabScreen(host.screenGeometry());
    return shot.isNull() ? shot : shot.convertToFormat(QImage::Format_RGB32);
}

void captureInto(Session &session, const QImage &screen, QPoint frameTopLeft)
{
    Document &doc = session.document;
    Surface &picture = doc.picture();
    const QRect frame(frameTopLeft, picture.Image().size());
    const QRect source = frame.intersected(screen.rect());
    if (source.isEmpty()) {
        doc.SyncLayers(0);
        return;
    }
    const QImage shot = screen.format() == QImage::Format_RGB32 ? screen : screen.convertToFormat(QImage::Format_RGB32);
    const QPoint at = source.topLeft() - frameTopLeft;
    QImage &raster = picture.raster();
    const std::size_t rowBytes = static_cast<std::size_t>(source.width()) * 4;
    const int rows = source.height();
    for (int y = 0; y < rows; ++y)
        std::memcpy(raster.scanLine(at.y() + y) + at.x() * 4, shot.constScanLine(source.y() + y) + source.x() * 4,
                    rowBytes);
    picture.changed(QRect(at, source.size()));
    doc.SyncLayers(0);
}

} // namespace quill
