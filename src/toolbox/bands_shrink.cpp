// The colour bands and the horizontal shrink (declared with the blur and mosaic).
#include "document/pixel_framework.h"
#include "surface/numeric_rules.h"
#include "toolbox/blur_mosaic.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quill {

void drawColourBands(Session &session, bool horizontal)
{
    beginOperation(session, true, OperationLayers::InPlace, 2);
    Document &doc = session.document;
    Surface &picture = doc.picture();
    const auto extent = roundHalfEven(horizontal ? picture.ScaleHeight() : picture.ScaleWidth());
    const auto n = roundHalfEven(static_cast<double>(extent) / 10);
    const SplitComponents fore = splitComponents(session.state.LeftColour);
    const SplitComponents back = splitComponents(session.state.RightColour);
    const std::array<int, 3> a{fore.red, fore.green, fore.blue}, b{back.red, back.green, back.blue};
    std::array<double, 3> lo{}, step{};
    for (std::size_t c = 0; c < 3; ++c) {
        lo[c] = std::min(a[c], b[c]);
        // A band height of 0 leaves the steps at 0: every line takes the lo values.
        step[c] = n == 0 ? 0.0 : (lo[c] - std::max(a[c], b[c])) / static_cast<double>(n);
    }
    // Each two-pixel line at y covers rows y and y + 1 and the next line covers
    // y + 1 again, so every row (column) ends in the colour of its own line.
    std::vector<QRgb> lines;
    std::int64_t k = 1;
    for (std::int64_t y = 0; y <= extent; ++y) {
        ++k;
        auto component = [&](std::size_t c) {
            const double v = static_cast<double>(roundHalfEven(lo[c] - step[c] * static_cast<double>(k)));
            return static_cast<int>(std::clamp(v, 0.0, 255.0)); // composition caps at 255
        };
        lines.push_back(pixelOf(component(0), component(1), component(2)));
        if (k == n)
            k = 0;
    }
    QImage result = resultRaster(doc);
    const int width = result.width(), height = result.height();
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        if (horizontal)
            std::fill(row, row + width, lines[static_cast<std::size_t>(y)]);
        else
            std::copy(lines.begin(), lines.begin() + width, row);
    }
    storeResult(session, result, OperationLayers::InPlace);
}

namespace {

// Any channel-wise combination serves here; the mean keeps the shrunk picture
// looking like the picture. Reads beyond the picture count as black.
Colour combineThree(Colour c1, Colour c2, Colour c3)
{
    const SplitComponents p = splitComponents(asComponents(c1)), q = splitComponents(asComponents(c2)),
                          r = splitComponents(asComponents(c3));
    auto mean = [](int x, int y, int z) { return (x + y + z + 1) / 3; }; // a third is never a half
    return rgb(mean(p.red, q.red, r.red), mean(p.green, q.green, r.green), mean(p.blue, q.blue, r.blue));
}

} // namespace

void shrinkImage(Session &session)
{
    beginOperation(session, true, OperationLayers::InPlace);
    Document &doc = session.document;
    Surface &picture = doc.picture();
    const QImage &source = picture.Image();
    // In place: the writes land in columns the later reads never reach (a read
    // at column 3a - 1 or beyond comes after the writes to columns 0..a - 1, and
    // column a's own write one row up follows its read), so every read sees the
    // picture as it was, and the result can be built row by row: row y - 1 from
    // row y of the picture (the row below the last is beyond it: black).
    QImage result = resultRasterFrom(doc, 0);
    const int width = source.width(), height = source.height();
    const int columns = static_cast<int>(std::min<std::int64_t>(roundHalfEven(picture.ScaleWidth() / 3), width - 1));
    for (int y = 1; y <= height; ++y) {
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y - 1));
        for (int a = 0; a <= columns; ++a) {
            const int x = 3 * a;
            out[a] = toQRgb(
                combineThree(deviceRead(source, x - 1, y), deviceRead(source, x + 1, y), deviceRead(source, x, y)));
        }
    }
    storeResult(session, result, OperationLayers::InPlace);
}

} // namespace quill
