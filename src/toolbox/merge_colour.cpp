#include "toolbox/merge_colour.h"

#include "toolbox/operation.h"
#include "toolbox/pixel_framework.h"

#include <algorithm>

namespace quill {

void mergeTinted(Session &session, Hue hue)
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
    const QRgb factor = hueFactor(hue);
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        const int inBox = y < boxHeight ? boxWidth : 0;
        const QRgb *m = y < boxHeight ? reinterpret_cast<const QRgb *>(box.constScanLine(y)) : nullptr;
        for (int x = 0; x < inBox; ++x) {
            const QRgb t = 0xff000000u | (greyOfPixel(m[x]) * factor); // GreyLevel in the hue
            const QRgb a = in[x];
            out[x] = (a & t) + (((a ^ t) & 0xfefefeu) >> 1);
        }
        // Beyond the merge box the merge image reads as black, and so does its tint.
        for (int x = inBox; x < width; ++x)
            out[x] = 0xff000000u | ((in[x] & 0xfefefeu) >> 1);
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void appendMergeColours(std::vector<Operation> &operations)
{
    appendHueButtons(
        operations,
        {
            {"Command84", "merge-blue", "Merge image blue: blend with the merge image turned blue", Hue::Blue},
            {"Command85", "merge-grey", "Merge image gray: blend with the merge image turned grey", Hue::Grey},
            {"Command86", "merge-purple", "Merge image purple: blend with the merge image turned purple", Hue::Purple},
            {"Command87", "merge-yellow", "Merge image yellow: blend with the merge image turned yellow", Hue::Yellow},
            {"Command88", "merge-red", "Merge image red: blend with the merge image turned red", Hue::Red},
            {"Command89", "merge-green", "Merge image green: blend with the merge image turned green", Hue::Green},
        },
        mergeTinted);
}

} // namespace quill
