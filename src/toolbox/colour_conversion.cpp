#include "toolbox/colour_conversion.h"

#include "toolbox/operation.h"
#include "toolbox/pixel_framework.h"

namespace quill {

void convertImage(Session &session, Hue hue)
{
    beginOperation(session, true, OperationLayers::TwoLayer);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    QImage result = resultRaster(doc);
    const int height = source.height(), width = source.width();
    const QRgb factor = hueFactor(hue);
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = in[x];
            const QRgb sum = ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255);
            // GreyLevel: (sum + 1) / 3, as a multiply that is exact for sums up to 765.
            const QRgb g = ((sum + 1) * 21846u) >> 16;
            out[x] = 0xff000000u | (g * factor);
        }
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void appendColourConversions(std::vector<Operation> &operations)
{
    struct Row {
        const char *name;
        const char *alias;
        const char *summary;
        Hue hue;
    };
    static const Row rows[] = {
        {"Command90", "purple", "Convert image purple: grey level into red and blue", Hue::Purple},
        {"Command91", "grey", "Convert image gray: grey level into all three channels", Hue::Grey},
        {"Command92", "yellow", "Convert image yellow: grey level into red and green", Hue::Yellow},
        {"Command93", "green", "Convert image green: grey level into green", Hue::Green},
        {"Command94", "red", "Convert image red: grey level into red", Hue::Red},
        {"Command95", "blue", "Convert image blue: grey level into blue", Hue::Blue},
    };
    for (const Row &row : rows) {
        const Hue hue = row.hue;
        operations.push_back({QString::fromLatin1(row.name), QString::fromLatin1(row.alias),
                              QString::fromLatin1(row.summary), 1, [hue](Session &session) {
                                  convertImage(session, hue);
                                  session.stateChanged();
                              }});
    }
}

} // namespace quill
