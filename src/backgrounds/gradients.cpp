#include "backgrounds/gradients.h"

#include "backgrounds/colour_step.h"
#include "backgrounds/generator_operation.h"
#include "surface/numeric_rules.h"

namespace quill {

int gradientBandWidth(const Surface &layer, int inset)
{
    int w = 0;
    assign16(w, intDiv(roundHalfEven(layer.ScaleHeight() - inset), 100));
    return w;
}

void paintBands(Surface &layer, Colour fore, Colour back, Bands form)
{
    layer.setScaleMode(ScaleMode::Points);
    layer.setDrawWidth(1);
    SurfaceBatch batch(layer);
    GradientColour colour(fore, back);
    const int w = gradientBandWidth(layer, form == Bands::Across ? 5 : 0);
    const bool across = form == Bands::Across || form == Bands::AcrossFromBothEdges;
    const bool bothEdges = form == Bands::AcrossFromBothEdges || form == Bands::DownFromBothEdges;
    const int iterations = bothEdges ? 50 : 100;

    // Bands are w points wide and w + 1 apart; the far ends (the outer size in
    // twips) lie well beyond the picture and are clipped.
    int p = 0;
    for (int i = 1; i <= iterations; ++i) {
        assign16(p, p + 1);
        if (p > (across ? layer.ScaleWidth() : layer.ScaleHeight()))
            break;
        const Colour c = colour.current();
        const double near = p, far = p + w - 1;
        if (across) {
            layer.Line(near, 0, far, layer.Height(), c, LineForm::FilledBox);
            if (bothEdges)
                layer.Line(layer.ScaleWidth() - p, 0, layer.ScaleWidth() - p + w - 1, layer.Height(), c,
                           LineForm::FilledBox);
        } else {
            layer.Line(0, near, layer.Width(), far, c, LineForm::FilledBox);
            if (bothEdges)
                layer.Line(0, layer.ScaleHeight() - p, layer.Width(), layer.ScaleHeight() - p + w - 1, c,
                           LineForm::FilledBox);
        }
        assign16(p, static_cast<std::int64_t>(p) + w);
        colour.ColourStep(layer.ScaleHeight());
    }
}

void paintSweep(Surface &layer, Colour fore, Colour back, Sweep form)
{
    layer.setScaleMode(ScaleMode::Points);
    layer.setDrawWidth(2);
    SurfaceBatch batch(layer);
    GradientColour colour(fore, back);
    const int w = gradientBandWidth(layer, 5);
    int iterations = 0;
    assign16(iterations, (static_cast<std::int64_t>(w) + 2) * 100);

    // Every iteration draws, even far outside the picture: the colour keeps
    // stepping. Once p can grow no more in 16 bits the lines stay where they are.
    int p = 0;
    for (int i = 1; i <= iterations; ++i) {
        assign16(p, p + 1);
        const Colour c = colour.current();
        const double W = layer.ScaleWidth(), H = layer.ScaleHeight();
        switch (form) {
        case Sweep::FromTopLeft:
            layer.Line(0, p, p + w - 1, 0, c);
            break;
        case Sweep::FromTopRight:
            layer.Line(W - p, 0, W, p + w - 1, c);
            break;
        case Sweep::FromTopLeftAndBottomRight:
            layer.Line(0, p, p + w - 1, 0, c);
            layer.Line(W, H - p, W - p + w - 1, H, c);
            break;
        case Sweep::FromTopRightAndBottomLeft:
            layer.Line(W - p, 0, W, p + w - 1, c);
            layer.Line(0, H - p, p + w - 1, H, c);
            break;
        }
        assign16(p, static_cast<std::int64_t>(p) + w);
        colour.ColourStep(layer.ScaleHeight());
    }
}

void appendGradientOperations(std::vector<Operation> &operations)
{
    auto bands = [](Bands form) { return [form](Surface &l, Colour f, Colour b) { paintBands(l, f, b, form); }; };
    auto sweep = [](Sweep form) { return [form](Surface &l, Colour f, Colour b) { paintSweep(l, f, b, form); }; };
    operations.push_back(
        generatorOperation("Command9", "gradient-h", "Gradient bands left to right", bands(Bands::Across)));
    operations.push_back(
        generatorOperation("Command10", "gradient-v", "Gradient bands top to bottom", bands(Bands::Down)));
    operations.push_back(generatorOperation("Command11", "gradient-h2",
                                            "Gradient bands from the left and right edges inwards",
                                            bands(Bands::AcrossFromBothEdges)));
    operations.push_back(generatorOperation("Command12", "gradient-v2",
                                            "Gradient bands from the top and bottom edges inwards",
                                            bands(Bands::DownFromBothEdges)));
    operations.push_back(generatorOperation(
        "Command18", "gradient-tl", "Diagonal gradient lines from the top-left corner", sweep(Sweep::FromTopLeft)));
    operations.push_back(generatorOperation(
        "Command19", "gradient-tr", "Diagonal gradient lines from the top-right corner", sweep(Sweep::FromTopRight)));
    operations.push_back(generatorOperation("Command24", "gradient-tl-br",
                                            "Diagonal gradient lines from the top-left and bottom-right corners",
                                            sweep(Sweep::FromTopLeftAndBottomRight)));
    operations.push_back(generatorOperation("Command25", "gradient-tr-bl",
                                            "Diagonal gradient lines from the top-right and bottom-left corners",
                                            sweep(Sweep::FromTopRightAndBottomLeft)));
}

} // namespace quill
