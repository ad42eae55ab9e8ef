#include "shell/file_commands.h"

#include "surface/image_files.h"
#include "surface/jpeg_library.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quill {

namespace {

const QString kProgramTitle = QStringLiteral("Quillmar");

// Twips per unit of the New dialog's list, horizontally and vertically
// (a character cell is 120 twips wide and 240 high).
struct UnitScale {
    double x;
    double y;
};
constexpr UnitScale kUnitScales[] = {
    {1, 1}, {20, 20}, {15, 15}, {120, 240}, {1440, 1440}, {1440 / 25.4, 1440 / 25.4}, {1440 / 2.54, 1440 / 2.54},
};

constexpr double kNewMaximumPixels = 8192;

const UnitScale &unitScale(int unitIndex)
{
    return kUnitScales[unitIndex >= 0 && unitIndex < static_cast<int>(std::size(kUnitScales))
                           ? static_cast<std::size_t>(unitIndex)
                           : 0];
}

// Why one typed side is refused, or empty.
QString sideProblem(const QString &side, const QString &text, double maximum)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return QStringLiteral("Type a number for the %1.").arg(side);
    bool ok = false;
    const double value = typed.toDouble(&ok);
    // The whole text must be a number: "60abc" is a typing slip, not 60.
    if (!ok || !std::isfinite(value))
        return QStringLiteral("The %1 \"%2\" is not a number.").arg(side, typed);
    if (value < kNewMinimum)
        return QStringLiteral("The %1 %2 is too small: the smallest is %3.").arg(side, typed).arg(kNewMinimum);
    if (value > maximum)
        return QStringLiteral("The %1 %2 is too large: the largest is %3.")
            .arg(side, typed, QString::number(maximum, 'g', 6));
    return {};
}

} // namespace

bool OpenPicture(Session &session)
{
    const FileChoice choice = session.host.openFileDialog(kOpenFilter, QStringLiteral("Open"));
    if (choice.fileName.isEmpty())
        return false;
    Document &doc = session.document;
    QString whyNot;
    const auto picture = loadPicture(choice.fileName, &whyNot);
    if (!picture) {
        doc.SyncLayers(0);
        // The picture stays as it was; the status bar says why, without a box to click away.
        session.report(QFileInfo(choice.fileName).fileName() + QStringLiteral(": ") + whyNot);
        return false;
    }
    doc.replaceWith(*picture);
    session.fileName = choice.fileName;
    session.modified = false;
    return true;
}

QString openPictureFile(Session &session, const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName().isEmpty() ? path : info.fileName();
    if (!info.exists())
        return QStringLiteral("Cannot open \"%1\": there is no such file.").arg(name);
    if (info.isDir())
        return QStringLiteral("Cannot open \"%1\": it is a folder.").arg(name);
    QString whyNot;
    const auto picture = loadPicture(path, &whyNot);
    if (!picture)
        return QStringLiteral("Cannot open \"%1\": %2").arg(name, whyNot);
    session.document.replaceWith(*picture);
    session.fileName = info.absoluteFilePath();
    session.modified = false;
    return {};
}

namespace {

// A scratch file in the program's private folder, or why it cannot be written.
WriteResult writeScratch(Session &session, const QString &name, QString &path)
{
    path = session.undo.folder().file(name);
    if (path.isEmpty())
        return {QStringLiteral("Cannot write %1: %2").arg(name, session.undo.folder().problem())};
    return saveBitmap(session.document.picture().Image(), path);
}

} // namespace

bool SaveJpeg(Session &session, const QString &fileName)
{
    Host &host = session.host;
    QString temp;
    if (const WriteResult written = writeScratch(session, kTempBitmap, temp); !written) {
        host.messageBox(written.error, MessageButtons::Ok, kProgramTitle);
        return false;
    }
    const jpeg::RgbPixels rgb = jpeg::readRgbFromBmp(temp);
    if (!rgb) {
        host.messageBox(QStringLiteral("Error: ") + QString::number(jpeg::lastErrorCode()), MessageButtons::Ok,
                        kProgramTitle);
        return false;
    }
    if (jpeg::saveRgbToJpg(fileName, rgb.data.get(), rgb.width, rgb.height, jpeg::kJpegQuality, jpeg::kSaveDefault) !=
        0) {
        host.messageBox(QStringLiteral("ImgDLLSaveRGBToJPG error: ") + QString::number(jpeg::lastErrorCode()) +
                            QLatin1Char('\n') + jpeg::lastErrorText(),
                        MessageButtons::Ok, kProgramTitle);
        return false;
    }
    host.messageBox(QStringLiteral("Created ") + fileName, MessageButtons::Ok, kProgramTitle);
    return true;
}

namespace {

// Writes the picture as `type`; a failure is shown in a box naming the file and the reason.
bool writePicture(Session &session, const QString &name, PictureType type)
{
    if (type == PictureType::Jpeg)
        return SaveJpeg(session, name);
    const QImage &picture = session.document.picture().Image();
    const WriteResult result = type == PictureType::Png ? savePng(picture, name) : saveBitmap(picture, name);
    if (!result)
        session.host.messageBox(result.error, MessageButtons::Ok, kProgramTitle);
    return static_cast<bool>(result);
}

} // namespace

bool SaveToSessionFile(Session &session)
{
    if (session.fileName.isEmpty())
        return false;
    const PictureType type = pictureTypeOf(session.fileName);
    if (type == PictureType::Unknown)
        return false;
    if (writePicture(session, session.fileName, type))
        session.modified = false;
    return true;
}

bool SavePicture(Session &session)
{
    const FileChoice choice = session.host.saveFileDialog(kSaveFilter, QStringLiteral("Save"));
    if (choice.fileName.isEmpty())
        return false;
    // The name's own extension wins over the entry, as users expect; a bare name
    // takes the entry's.
    const PictureType chosen = choice.filterIndex == kSaveFilterJpeg  ? PictureType::Jpeg
                               : choice.filterIndex == kSaveFilterPng ? PictureType::Png
                                                                      : PictureType::Bmp;
    PictureType type = chosen;
    const QString name = nameForType(choice.fileName, chosen, type);
    const bool written = writePicture(session, name, type);
    if (written) {
        session.fileName = name;
        session.modified = false;
    }
    return written;
}

void CopyImage(Session &session)
{
    Host &host = session.host;
    host.setClipboardImage(QImage());
    QString clip;
    if (const WriteResult written = writeScratch(session, kClipBitmap, clip); !written) {
        host.messageBox(written.error, MessageButtons::Ok, kProgramTitle);
        return;
    }
    if (const auto picture = loadPicture(clip))
        host.setClipboardImage(*picture);
}

void PasteImage(Session &session)
{
    Document &doc = session.document;
    const QImage clip = session.host.clipboardImage();
    if (clip.isNull()) {
        doc.SyncLayers(0);
        session.report(QStringLiteral("Paste: the clipboard holds no picture"));
        return;
    }
    // Clipboard pictures may carry transparency; it shows white, as in opened files.
    const QImage picture =
        static_cast<qint64>(clip.width()) * clip.height() * 4 > kMaxPictureBytes ? QImage() : opaqueOnWhite(clip);
    if (picture.isNull()) {
        doc.SyncLayers(0);
        session.report(QStringLiteral("Paste: the picture on the clipboard is too large"));
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

NewRange newPictureRange(int unitIndex)
{
    // Beyond 8192 pixels a side would be a picture nobody paints pixel by pixel
    // and more memory than the nine tiles should take; the cap is shown rounded down.
    const UnitScale &scale = unitScale(unitIndex);
    const auto cap = [](double twipsPerUnit) {
        return std::min(kNewMaximum, std::floor(kNewMaximumPixels * kTwipsPerPixel / twipsPerUnit * 100) / 100);
    };
    return {kNewMinimum, cap(scale.x), cap(scale.y)};
}

QString newPictureProblem(const QString &widthText, const QString &heightText, int unitIndex)
{
    const NewRange range = newPictureRange(unitIndex);
    QString problem = sideProblem(QStringLiteral("width"), widthText, range.maxWidth);
    if (problem.isEmpty())
        problem = sideProblem(QStringLiteral("height"), heightText, range.maxHeight);
    return problem;
}

std::optional<TwipSize> newPictureSize(const QString &widthText, const QString &heightText, int unitIndex)
{
    if (!newPictureProblem(widthText, heightText, unitIndex).isEmpty())
        return std::nullopt;
    const UnitScale &scale = unitScale(unitIndex);
    return TwipSize{widthText.trimmed().toDouble() * scale.x, heightText.trimmed().toDouble() * scale.y};
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
    session.fileName.clear();
    session.modified = false;
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
