#include "backgrounds/stripes.h"

#include "backgrounds/generator_operation.h"

#include <cstdint>

namespace quill {

namespace {

bool foregroundOnly(Stripes form)
{
    return form == Stripes::AcrossForeground || form == Stripes::DownForeground || form == Stripes::RisingForeground ||
           form == Stripes::FallingForeground;
}

// Line k of the curve stitching's group v joins the left edge at height
// 4v + k to the bottom edge at 4v + k; the first two lines are in the
// foreground colour, the other two in the background colour.
void stitchingGroup(Surface &layer, double v, Colour fore, Colour back)
{
    for (int k = 0; k < 4; ++k) {
        const double at = 4 * v + k;
        layer.Line(0, at, at, layer.ScaleHeight(), k < 2 ? fore : back);
    }
}

double groupBound(const Surface &layer, Stripes form)
{
    switch (form) {
    case Stripes::Across:
    case Stripes::AcrossForeground:
        return layer.ScaleHeight() / 4;
    case Stripes::Down:
    case Stripes::DownForeground:
    case Stripes::Stitching:
        return layer.ScaleWidth() / 4;
    default:
        // The diagonals run as many groups as the width has pixels.
        return layer.ScaleWidth();
    }
}

// In the straight and diagonal patterns every pixel lies on exactly one line
// (the one through it with x, y, x - y or x + y fixed), and every such line
// covers the picture from edge to edge. So a pixel's final colour follows from
// its position alone, and painting row by row gives the picture the lines would.
void paintStraightStripesByRows(Surface &layer, Colour fore, Colour back, Stripes form)
{
    QImage &image = layer.raster();
    const std::int64_t W = image.width(), H = image.height();
    const std::int64_t lastGroup = static_cast<std::int64_t>(groupBound(layer, form));
    const int lines = foregroundOnly(form) ? 2 : 4;
    const QRgb colours[4] = {toQRgb(fore), toQRgb(fore), toQRgb(back), toQRgb(back)};
    for (std::int64_t y = 0; y < H; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y)));
        for (std::int64_t x = 0; x < W; ++x) {
            std::int64_t v = 0, k = 0;
            switch (form) {
            case Stripes::Across:
            case Stripes::AcrossForeground:
                v = y / 4, k = y % 4;
                break;
            case Stripes::Down:
            case Stripes::DownForeground:
                v = x / 4, k = x % 4;
                break;
            case Stripes::Falling:
            case Stripes::FallingForeground: {
                // x - y = W - 4v - k
                const std::int64_t m = W - x + y;
                v = m / 4, k = m % 4;
                break;
            }
            default: {
                // x + y = W + H - 4v + k
                const std::int64_t m = W + H - x - y;
                k = (4 - m % 4) % 4, v = (m + k) / 4;
                break;
            }
            }
            if (k < lines && v <= lastGroup)
                line[x] = colours[k];
        }
    }
    layer.changedAll();
}

} // namespace

void paintStripes(Surface &layer, Colour fore, Colour back, Stripes form)
{
    layer.setScaleMode(ScaleMode::Pixels);
    layer.setDrawWidth(1);
    if (form != Stripes::Stitching) {
        paintStraightStripesByRows(layer, fore, back, form);
        return;
    }
    const double bound = groupBound(layer, form);
    for (double v = 0; v <= bound; v += 1)
        stitchingGroup(layer, v, fore, back);
    // The second pass keeps the fraction of W / 4, so it lies W mod 4 pixels
    // off the first and has the last word where it reaches.
    for (double v = layer.ScaleWidth() / 4; v >= 0; v -= 1)
        stitchingGroup(layer, v, fore, back);
}

void appendStripeOperations(std::vector<Operation> &operations)
{
    auto stripes = [](Stripes form) { return [form](Surface &l, Colour f, Colour b) { paintStripes(l, f, b, form); }; };
    operations.push_back(generatorOperation("Command17", "stripes-h", "Horizontal stripes, two pixels of each colour",
                                            stripes(Stripes::Across)));
    operations.push_back(generatorOperation("Command23", "stripes-v", "Vertical stripes, two pixels of each colour",
                                            stripes(Stripes::Down)));
    operations.push_back(generatorOperation("Command37", "lines-h", "Horizontal foreground lines over the picture",
                                            stripes(Stripes::AcrossForeground)));
    operations.push_back(generatorOperation("Command38", "lines-v", "Vertical foreground lines over the picture",
                                            stripes(Stripes::DownForeground)));
    operations.push_back(generatorOperation("Command33", "stripes-rise", "Diagonal stripes rising to the right",
                                            stripes(Stripes::Rising)));
    operations.push_back(generatorOperation("Command35", "lines-rise",
                                            "Diagonal foreground lines rising to the right over the picture",
                                            stripes(Stripes::RisingForeground)));
    operations.push_back(generatorOperation("Command34", "stripes-fall", "Diagonal stripes falling to the right",
                                            stripes(Stripes::Falling)));
    operations.push_back(generatorOperation("Command36", "lines-fall",
                                            "Diagonal foreground lines falling to the right over the picture",
                                            stripes(Stripes::FallingForeground)));
    operations.push_back(generatorOperation("Command32", "stitching", "Curve stitching in the bottom-left corner",
                                            stripes(Stripes::Stitching)));
}

} // namespace quill
