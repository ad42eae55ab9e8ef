// The colour bands and the horizontal shrink (declared with the blur and mosaic).
#include "document/pixel_framework.h"
#include "surface/numeric_rules.h"
#include "toolbox/blur_mosaic.h"

#include <algorithm>
#include <array>
#include <cstring>
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
// looking like the picture. (x + y + z + 1) \ 3 per channel (a third is never a
// half), as a multiply that is exact for sums up to 765; black counts as zero.
inline QRgb meanOfThree(QRgb p, QRgb q, QRgb r)
{
    const QRgb redBlue = (p & 0xff00ffu) + (q & 0xff00ffu) + (r & 0xff00ffu);
    const QRgb green = ((p >> 8) & 255u) + ((q >> 8) & 255u) + ((r >> 8) & 255u);
    auto third = [](QRgb sum) { return ((sum + 1) * 21846u) >> 16; };
    return 0xff000000u | (third(redBlue >> 16) << 16) | (third(green) << 8) | third(redBlue & 0x3ffu);
}

// Columns 0..columns of one result row: pixel a combines the pixels at 3a - 1,
// 3a + 1 and 3a of the row below (`below`, null beyond the picture: black).
void shrinkRow(const QRgb *below, int width, int columns, QRgb *out)
{
    auto at = [&](int x) { return below && x >= 0 && x < width ? below[x] : 0u; };
    // Inside the row all three reads are in the picture.
    const int insideTo = below ? std::min(columns, (width - 2) / 3) : -1;
    int a = 0;
    for (; a <= columns && (a == 0 || a > insideTo); ++a)
        out[a] = meanOfThree(at(3 * a - 1), at(3 * a + 1), at(3 * a));
    for (; a <= insideTo; ++a)
        out[a] = meanOfThree(below[3 * a - 1], below[3 * a + 1], below[3 * a]);
    for (; a <= columns; ++a)
        out[a] = meanOfThree(at(3 * a - 1), at(3 * a + 1), at(3 * a));
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
    // picture as it was: row y - 1 of the result takes its left part from row y
    // of the picture (the row below the last is beyond it: black) and keeps the rest.
    QImage result = resultRaster(doc);
    const int width = source.width(), height = source.height();
    const int columns = static_cast<int>(std::min<std::int64_t>(roundHalfEven(picture.ScaleWidth() / 3), width - 1));
    const auto keptBytes = static_cast<std::size_t>(width - 1 - columns) * sizeof(QRgb);
    forEachRow(source, result, [&](int y, const QRgb *own, QRgb *out) {
        const auto *below = y + 1 < height ? reinterpret_cast<const QRgb *>(source.constScanLine(y + 1)) : nullptr;
        shrinkRow(below, width, columns, out);
        std::memcpy(out + columns + 1, own + columns + 1, keptBytes);
    });
    storeResult(session, result, OperationLayers::InPlace);
}

} // namespace quill
