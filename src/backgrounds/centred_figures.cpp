#include "backgrounds/centred_figures.h"

#include "backgrounds/colour_step.h"
#include "backgrounds/generator_operation.h"
#include "surface/numeric_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quill {

namespace {

struct FigureShape {
    int iterations;
    int drawWidth;
};

FigureShape shapeOf(const Surface &layer, Figure figure)
{
    switch (figure) {
    case Figure::Circles:
    case Figure::Squares:
        // One figure per twip of the outer width: most lie far outside. The
        // count is not cut to 16 bits: beyond 32767 twips only figures wholly
        // outside the picture would be lost, and the loop stops before those.
        return {layer.Width(), 3};
    case Figure::Diamonds:
    case Figure::DiamondsAndRays:
        return {100, 3};
    case Figure::TwelveRays:
    case Figure::EightRays:
        return {50, 3};
    case Figure::SparseRays:
        return {50, 1};
    }
    return {0, 1};
}

// Circles and squares only grow, so once one misses the picture by more than
// its pen every later one does too, and the rest of the loop would only step a
// colour that is never drawn again. Generous margins keep this exact.
bool circleMissesPicture(const Surface &layer, double x, double y, double radius)
{
    const double cx = layer.toPixelX(x) + 0.5, cy = layer.toPixelY(y) + 0.5;
    const double dx = std::max(cx, layer.pixelWidth() - cx), dy = std::max(cy, layer.pixelHeight() - cy);
    const double inner = std::round(radius * pixelsPerUnit(layer.scaleMode())) - layer.DrawWidth() - 2;
    return inner > 0 && inner * inner > dx * dx + dy * dy;
}

bool boxMissesPicture(const Surface &layer, double x1, double y1, double x2, double y2)
{
    const int reach = layer.DrawWidth() + 2;
    return layer.toPixelX(x1) + reach < 0 && layer.toPixelY(y1) + reach < 0 &&
           layer.toPixelX(x2) - reach >= layer.pixelWidth() && layer.toPixelY(y2) - reach >= layer.pixelHeight();
}

void diamond(Surface &layer, double i, Colour c)
{
    const double cx = layer.ScaleWidth() / 2, cy = layer.ScaleHeight() / 2;
    layer.Line(cx - i, cy, cx, cy - i, c);
    layer.Line(cx, cy - i, cx + i, cy, c);
    layer.Line(cx - i, cy, cx, cy + i, c);
    layer.Line(cx, cy + i, cx + i, cy, c);
}

void ray(Surface &layer, double x, double y, Colour c)
{
    layer.Line(layer.ScaleWidth() / 2, layer.ScaleHeight() / 2, x, y, c);
}

void edgeRays(Surface &layer, double i, Colour c)
{
    const double W = layer.ScaleWidth(), H = layer.ScaleHeight();
    ray(layer, 0, i, c);
    ray(layer, 0, H - i, c);
    ray(layer, i, 0, c);
    ray(layer, W - i, 0, c);
    ray(layer, W, i, c);
    ray(layer, W, H - i, c);
    ray(layer, i, H, c);
    ray(layer, W - i, H, c);
}

void diagonalRays(Surface &layer, double i, Colour c)
{
    const double W = layer.ScaleWidth(), H = layer.ScaleHeight();
    ray(layer, i, i, c);
    ray(layer, W - i, H - i, c);
    ray(layer, i, H - i, c);
    ray(layer, W - i, i, c);
}

// The circles are all centred on one pixel and drawn outwards, so a pixel ends
// in the colour of the largest circle whose ring covers it. The rings are the
// Surface's (every pixel centre within 1.5 pixels of the radius); working out
// that largest circle pixel by pixel gives the picture the circles would.
void paintConcentricCircles(Surface &layer, GradientColour &colour, int iterations)
{
    const double W = layer.ScaleWidth(), H = layer.ScaleHeight();
    layer.setDrawWidth(3);
    layer.FillStyle = 1;
    // The rings that are drawn: up to the first that misses the picture.
    std::vector<std::int64_t> outer{0}; // (2r + pen) per ring, 1-based
    std::vector<QRgb> colours{0};
    std::vector<std::int64_t> inner{0}; // 2r - pen
    const std::int64_t pen = layer.DrawWidth();
    for (int i = 1; i <= iterations; ++i) {
        if (circleMissesPicture(layer, W / 2, H / 2, i))
            break;
        const std::int64_t r = roundHalfEven(std::fabs(i * pixelsPerUnit(layer.scaleMode())));
        outer.push_back(2 * r + pen);
        inner.push_back(2 * r - pen);
        colours.push_back(toQRgb(colour.current()));
        colour.ColourStep(layer.ScaleHeight());
    }
    const std::size_t rings = outer.size() - 1;
    if (rings == 0)
        return;
    QImage &image = layer.raster();
    const std::int64_t cx = layer.toPixelX(W / 2), cy = layer.toPixelY(H / 2);
    const std::int64_t width = image.width(), height = image.height();
    const std::int64_t far2 =
        std::max(cx * cx, (width - cx) * (width - cx)) + std::max(cy * cy, (height - cy) * (height - cy));
    // last[q]: the largest ring whose inner edge (2r - pen) is at most q, for
    // q = floor(2 * distance); ring 1's inner edge is never above 0.
    const auto qMax = static_cast<std::size_t>(std::sqrt(4.0 * static_cast<double>(far2))) + 2;
    std::vector<std::uint32_t> last(qMax + 1, 0);
    std::size_t ring = 0;
    for (std::size_t q = 0; q <= qMax; ++q) {
        while (ring < rings && inner[ring + 1] <= static_cast<std::int64_t>(q))
            ++ring;
        last[q] = static_cast<std::uint32_t>(ring);
    }
    for (std::int64_t y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y)));
        const std::int64_t dy = y - cy;
        for (std::int64_t x = 0; x < width; ++x) {
            const std::int64_t dx = x - cx, n = 4 * (dx * dx + dy * dy);
            auto q = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
            while (q * q > n)
                --q;
            while ((q + 1) * (q + 1) <= n)
                ++q;
            const std::uint32_t i = last[static_cast<std::size_t>(std::min<std::int64_t>(q, qMax))];
            if (i > 0 && n <= outer[i] * outer[i])
                line[x] = colours[i];
        }
    }
    layer.changedAll();
}

} // namespace

void paintFigures(Surface &layer, Colour fore, Colour back, Figure figure)
{
    layer.setScaleMode(ScaleMode::Points);
    layer.setDrawWidth(1);
    GradientColour colour(fore, back);
    const FigureShape shape = shapeOf(layer, figure);
    if (figure == Figure::Circles) {
        paintConcentricCircles(layer, colour, shape.iterations);
        return;
    }
    int phase = 0;
    SurfaceBatch batch(layer);

    for (int i = 1; i <= shape.iterations; ++i) {
        layer.setDrawWidth(shape.drawWidth);
        layer.FillStyle = 1;
        const Colour c = colour.current();
        const double W = layer.ScaleWidth(), H = layer.ScaleHeight();
        switch (figure) {
        case Figure::Circles:
            break;
        case Figure::Squares:
            if (boxMissesPicture(layer, W / 2 - i, H / 2 - i, W / 2 + i, H / 2 + i))
                return;
            layer.Line(W / 2 - i, H / 2 - i, W / 2 + i, H / 2 + i, c, LineForm::Box);
            break;
        case Figure::Diamonds:
            diamond(layer, i, c);
            break;
        case Figure::TwelveRays:
            edgeRays(layer, i, c);
            diagonalRays(layer, i, c);
            break;
        case Figure::EightRays:
            edgeRays(layer, i, c);
            break;
        case Figure::DiamondsAndRays:
            diamond(layer, i, c);
            diagonalRays(layer, i, c);
            break;
        case Figure::SparseRays:
            // The left and top ends sit one point outside the picture.
            if (phase == 0) {
                ray(layer, -1, i, c);
                ray(layer, -1, H - i, c);
                ray(layer, i, -1, c);
                ray(layer, W - i, -1, c);
                phase = 1;
                ray(layer, W, i, c);
                ray(layer, W, H - i, c);
                ray(layer, i, H, c);
                ray(layer, W - i, H, c);
            } else if (phase == 1) {
                phase = 2;
            } else if (phase == 2) {
                phase = 3;
            } else if (phase == 3) {
                phase = 0;
            }
            break;
        }
        colour.ColourStep(layer.ScaleHeight());
    }
}

void appendCentredFigureOperations(std::vector<Operation> &operations)
{
    auto figures = [](Figure figure) {
        return [figure](Surface &l, Colour f, Colour b) { paintFigures(l, f, b, figure); };
    };
    operations.push_back(
        generatorOperation("Command14", "circles", "Concentric gradient circles", figures(Figure::Circles)));
    operations.push_back(
        generatorOperation("Command15", "squares", "Concentric gradient squares", figures(Figure::Squares)));
    operations.push_back(
        generatorOperation("Command26", "diamonds", "Concentric gradient diamonds", figures(Figure::Diamonds)));
    operations.push_back(generatorOperation("Command27", "rays-12", "Twelve fans of gradient rays from the centre",
                                            figures(Figure::TwelveRays)));
    operations.push_back(generatorOperation("Command28", "rays-8", "Eight fans of gradient rays from the centre",
                                            figures(Figure::EightRays)));
    operations.push_back(generatorOperation("Command29", "diamond-rays", "Gradient diamonds with diagonal rays",
                                            figures(Figure::DiamondsAndRays)));
    operations.push_back(generatorOperation("Command51", "rays-thin", "Thin gradient rays on every fourth step",
                                            figures(Figure::SparseRays)));
}

} // namespace quill
