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

namespace {

// The merges' start: one undo step even without a merge image, which then
// changes nothing.
bool beginMerge(Session &session)
{
    session.TakeUndoSnapshot();
    if (!session.merge.loaded())
        return false;
    beginOperation(session, false, OperationLayers::TwoLayer);
    return true;
}

} // namespace

void mergeWithBox(Session &session, QRgb (*tint)(QRgb mergePixel, QRgb factor), QRgb factor)
{
    if (!beginMerge(session))
        return;
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    const QImage &box = session.merge.box.Image();
    QImage result = resultRaster(doc);
    const int width = source.width();
    const int boxWidth = std::min(width, box.width()), boxHeight = box.height();
    forEachRow(source, result, [&](int y, const QRgb *in, QRgb *out) {
        const int inBox = y < boxHeight ? boxWidth : 0;
        const QRgb *m = y < boxHeight ? reinterpret_cast<const QRgb *>(box.constScanLine(y)) : nullptr;
        for (int x = 0; x < inBox; ++x) {
            const QRgb a = in[x], b = 0xff000000u | tint(m[x], factor);
            // Per-channel (a + b) \ 2 without carries between the channels.
            out[x] = (a & b) + (((a ^ b) & 0xfefefeu) >> 1);
        }
        for (int x = inBox; x < width; ++x)
            out[x] = 0xff000000u | ((in[x] & 0xfefefeu) >> 1);
    });
    storeResult(session, result, OperationLayers::TwoLayer);
}

void blendMergeImage(Session &session)
{
    mergeWithBox(
        session, [](QRgb mergePixel, QRgb) { return mergePixel; }, 0);
}

void interleaveMergeImage(Session &session)
{
    if (!beginMerge(session))
        return;
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    const QImage &box = session.merge.box.Image();
    // Positions whose merge pixel lies beyond the box write nothing: they keep the work layer.
    const QImage &kept = doc.layer(1).Image();
    const bool keptInPlace = kept.size() == source.size() && kept.format() == QImage::Format_RGB32;
    QImage result = keptInPlace ? resultRaster(doc) : resultRasterFrom(doc, 1);
    const int width = source.width();
    const int boxWidth = box.width(), boxHeight = box.height();
    // Every row has W + 1 positions, the last one beyond the picture, so on an
    // even width the alternation shifts by one from row to row; the flag at row y
    // is known without walking the rows before it. It starts afresh on every
    // click: the same picture interleaves the same way each time.
    const int flipPerRow = (width + 1) & 1;
    forEachRow(source, result, [&](int y, const QRgb *in, QRgb *out) {
        const int rowFlag = flipPerRow & y;
        const QRgb *m = y < boxHeight ? reinterpret_cast<const QRgb *>(box.constScanLine(y)) : nullptr;
        const QRgb *k = keptInPlace ? reinterpret_cast<const QRgb *>(kept.constScanLine(y)) : out;
        const int fromBox = m ? std::min(width, boxWidth) : 0;
        int x = 0;
        for (; x < fromBox; ++x)
            out[x] = ((rowFlag ^ x) & 1) != 0 ? in[x] : m[x];
        for (; x < width; ++x)
            out[x] = ((rowFlag ^ x) & 1) != 0 ? in[x] : k[x];
    });
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
