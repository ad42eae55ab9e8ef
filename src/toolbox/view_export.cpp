#include "toolbox/view_export.h"

#include "surface/image_files.h"
#include "surface/jpeg_library.h"
#include "toolbox/broad_light.h"
#include "toolbox/seam_tools.h"

#include <memory>

namespace quill {

namespace {

const QString kViewTitle = QStringLiteral("Save view");
constexpr int kViewJpegQuality = 90;

// Magenta over anything green, bright green elsewhere: the two differ by at
// least half the range in the green channel, so a mark never blends in.
QRgb markColour(QRgb under) { return qGreen(under) > 127 ? qRgb(255, 0, 255) : qRgb(0, 255, 0); }

} // namespace

QImage markSeams(const QImage &tile, Lattice lattice)
{
    if (tile.isNull())
        return tile;
    QImage marked = tile.convertToFormat(QImage::Format_RGB32);
    const int w = marked.width(), h = marked.height();
    const SeamMarks marks = seamMarks(marked, lattice);
    const EdgeShift shift = edgeShift(lattice, marked.size());
    // Colours are taken from the unmarked tile, so a corner marked for both
    // seams gets one mark rather than a mark of a mark.
    const QImage original = marked.copy();
    auto markOnce = [&](int x, int y) {
        reinterpret_cast<QRgb *>(marked.scanLine(y))[x] =
            markColour(reinterpret_cast<const QRgb *>(original.constScanLine(y))[x]);
    };
    for (int y = 0; y < h && y < static_cast<int>(marks.rows.size()); ++y)
        if (marks.rows[static_cast<std::size_t>(y)]) {
            markOnce(w - 1, y);
            markOnce(0, (y + shift.downAtRight) % h);
        }
    for (int x = 0; x < w && x < static_cast<int>(marks.columns.size()); ++x)
        if (marks.columns[static_cast<std::size_t>(x)]) {
            markOnce(x, h - 1);
            markOnce((x + shift.rightAtBottom) % w, 0);
        }
    return marked;
}

void markPatches(const QImage &tile, QImage &marked, Lattice lattice)
{
    const std::vector<bool> mask = patchMask(tile, lattice);
    if (mask.empty() || marked.size() != tile.size())
        return;
    const QImage original = tile.convertToFormat(QImage::Format_RGB32);
    const QSize size = tile.size();
    const auto inside = [&](QPoint p) { return mask[static_cast<std::size_t>(p.y()) * size.width() + p.x()]; };
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            if (!inside({x, y}))
                continue;
            bool rim = false;
            for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                rim = rim || !inside(wrapPoint(lattice, size, QPoint(x + d.x(), y + d.y())));
            if (rim)
                marked.setPixel(x, y, markColour(original.pixel(x, y)));
        }
}

QImage repeatTile(const QImage &tile, int copies, Lattice lattice)
{
    if (static_cast<qint64>(tile.width()) * copies * tile.height() * copies * 4 > kMaxViewBytes)
        return {};
    return repeatOnLattice(tile, copies, copies, lattice);
}

QString writeViewFile(const QImage &picture, const QString &fileName, int filterIndex, QString &error)
{
    static const PictureType entries[] = {PictureType::Png, PictureType::Bmp, PictureType::Jpeg};
    const PictureType chosen = entries[filterIndex >= 1 && filterIndex <= 3 ? filterIndex - 1 : 0];
    PictureType type = PictureType::Unknown;
    const QString name = nameForType(fileName, chosen, type);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const WriteResult written = rgb.isNull()
                                    ? WriteResult{notEnoughMemory(QStringLiteral("saving the view"), picture.size())}
                                    : savePictureAs(rgb, name, type, kViewJpegQuality, jpeg::kSaveFullChroma);
    if (!written) {
        error = written.error;
        return {};
    }
    return name;
}

bool saveView(Host &host, const QImage &tile, int copies, Lattice lattice)
{
    const FileChoice choice = host.saveFileDialog(kViewSaveFilter, kViewTitle);
    if (choice.fileName.isEmpty())
        return false;
    if (static_cast<qint64>(tile.width()) * copies * tile.height() * copies * 4 > kMaxViewBytes) {
        host.messageBox(QStringLiteral("The view is too large to save."), MessageButtons::Ok, kViewTitle);
        return false;
    }
    const QImage mosaic = repeatTile(tile, copies, lattice);
    if (mosaic.isNull()) {
        host.messageBox(notEnoughMemory(QStringLiteral("saving the view"), tile.size() * copies), MessageButtons::Ok,
                        kViewTitle);
        return false;
    }
    QString error;
    if (writeViewFile(mosaic, choice.fileName, choice.filterIndex, error).isEmpty()) {
        host.messageBox(error, MessageButtons::Ok, kViewTitle);
        return false;
    }
    return true;
}

} // namespace quill
