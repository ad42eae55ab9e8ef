#include "toolbox/merge_image.h"

#include "document/operation.h"
#include "document/pixel_framework.h"
#include "surface/image_files.h"

#include <QFileInfo>

#include <algorithm>

namespace quill {

void openMergeImage(Session &session)
{
    MergeImage &merge = session.merge;
    const FileChoice choice = session.host.openFileDialog(kOpenPictureFilter, QStringLiteral("Open image to merge"));
    if (!choice.fileName.isEmpty())
        merge.fileName = choice.fileName;
    if (merge.fileName.isEmpty())
        merge.setPicture(QImage());
    else if (QString whyNot; const auto picture = loadPicture(merge.fileName, &whyNot))
        merge.setPicture(*picture);
    else
        session.report(QFileInfo(merge.fileName).fileName() + QStringLiteral(": ") + whyNot);
    session.state.SkipCanvasMouse = -1;
}

bool loadMergeImage(Session &session, const QString &fileName)
{
    const auto picture = loadPicture(fileName);
    if (!picture)
        return false;
    session.merge.fileName = fileName;
    session.merge.setPicture(*picture);
    return true;
}

void mergeWithBox(Session &session, QRgb (*tint)(QRgb mergePixel, QRgb factor), QRgb factor)
{
    session.TakeUndoSnapshot();
    if (!session.merge.loaded())
        return;
    beginOperation(session, false, OperationLayers::TwoLayer);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    const QImage &box = session.merge.box.Image();
    QImage result = resultRaster(doc);
    const int height = source.height(), width = source.width();
    const int boxWidth = std::min(width, box.width()), boxHeight = box.height();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        const int inBox = y < boxHeight ? boxWidth : 0;
        const QRgb *m = y < boxHeight ? reinterpret_cast<const QRgb *>(box.constScanLine(y)) : nullptr;
        for (int x = 0; x < inBox; ++x) {
            const QRgb a = in[x], b = 0xff000000u | tint(m[x], factor);
            // Per-channel (a + b) \ 2 without carries between the channels.
            out[x] = (a & b) + (((a ^ b) & 0xfefefeu) >> 1);
        }
        for (int x = inBox; x < width; ++x)
            out[x] = 0xff000000u | ((in[x] & 0xfefefeu) >> 1);
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void blendMergeImage(Session &session)
{
    mergeWithBox(
        session, [](QRgb mergePixel, QRgb) { return mergePixel; }, 0);
}

void interleaveMergeImage(Session &session)
{
    session.TakeUndoSnapshot();
    if (!session.merge.loaded())
        return;
    beginOperation(session, false, OperationLayers::TwoLayer);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    const QImage &box = session.merge.box.Image();
    // Positions whose merge pixel lies beyond the box write nothing: they keep the work layer.
    QImage result = resultRasterFrom(doc, 1);
    const int height = source.height(), width = source.width();
    const int boxWidth = box.width(), boxHeight = box.height();
    // Every row has W + 1 positions, the last one beyond the picture, so on an
    // even width the alternation shifts by one from row to row. It starts afresh
    // on every click: the same picture interleaves the same way each time.
    int flag = 0;
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        const QRgb *m = y < boxHeight ? reinterpret_cast<const QRgb *>(box.constScanLine(y)) : nullptr;
        for (int x = 0; x < width; ++x) {
            if (((flag ^ x) & 1) != 0)
                out[x] = in[x];
            else if (m && x < boxWidth)
                out[x] = m[x];
        }
        flag ^= (width + 1) & 1;
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void appendMergeImage(std::vector<Operation> &operations)
{
    auto click = [](void (*fn)(Session &)) {
        return [fn](Session &session) {
            fn(session);
            session.stateChanged();
        };
    };
    operations.push_back({QStringLiteral("Command59"), QStringLiteral("open-merge"),
                          QStringLiteral("Open image to merge: load a second image into the merge box"), 0,
                          click(openMergeImage)});
    operations.push_back({QStringLiteral("Command58"), QStringLiteral("blend"),
                          QStringLiteral("Merge images into eachother: 50/50 blend with the merge image"), 1,
                          click(blendMergeImage)});
    operations.push_back({QStringLiteral("Command66"), QStringLiteral("interleave"),
                          QStringLiteral("Merge images into eachother: pixels alternately from the merge image"), 1,
                          click(interleaveMergeImage)});
}

} // namespace quill
