#include "backgrounds/stripes.h"

#include "backgrounds/generator_operation.h"

namespace quill {

namespace {

bool foregroundOnly(Stripes form)
{
    return form == Stripes::AcrossForeground || form == Stripes::DownForeground || form == Stripes::RisingForeground ||
           form == Stripes::FallingForeground;
}

// Line k of group v, in the current colour of its place in the group.
void groupLine(Surface &layer, Stripes form, double v, int k, Colour c)
{
    const double W = layer.ScaleWidth(), H = layer.ScaleHeight();
    const double at = 4 * v + k;
    switch (form) {
    case Stripes::Across:
    case Stripes::AcrossForeground:
        layer.Line(0, at, W, at, c);
        break;
    case Stripes::Down:
    case Stripes::DownForeground:
        layer.Line(at, 0, at, H, c);
        break;
    case Stripes::Rising:
    case Stripes::RisingForeground:
        layer.Line(W, H - 4 * v + k, W - 4 * v + k, H, c);
        break;
    case Stripes::Falling:
    case Stripes::FallingForeground:
        layer.Line(W - 4 * v - k, 0, W, at, c);
        break;
    case Stripes::Stitching:
        layer.Line(0, at, at, H, c);
        break;
    }
}

void group(Surface &layer, Stripes form, double v, Colour fore, Colour back)
{
    const int lines = foregroundOnly(form) ? 2 : 4;
    for (int k = 0; k < lines; ++k)
        groupLine(layer, form, v, k, k < 2 ? fore : back);
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

} // namespace

void paintStripes(Surface &layer, Colour fore, Colour back, Stripes form)
{
    layer.setScaleMode(ScaleMode::Pixels);
    layer.setDrawWidth(1);
    const double bound = groupBound(layer, form);
    for (double v = 0; v <= bound; v += 1)
        group(layer, form, v, fore, back);
    if (form == Stripes::Stitching) {
        // The second pass keeps the fraction of W / 4, so it lies W mod 4
        // pixels off the first and has the last word where it reaches.
        for (double v = layer.ScaleWidth() / 4; v >= 0; v -= 1)
            group(layer, form, v, fore, back);
    }
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
