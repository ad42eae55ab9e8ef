#include "backgrounds/checkerboards.h"

#include "backgrounds/generator_operation.h"

namespace quill {

namespace {

void cellBox(Surface &layer, int c, int r, Colour colour)
{
    const double W = layer.ScaleWidth(), H = layer.ScaleHeight();
    layer.Line(c * W / 8, r * H / 8, c * W / 8 + W / 8, r * H / 8 + H / 8, colour, LineForm::FilledBox);
}

// The disc sits 10 points left of the cell's centre, and its height follows
// the width, so on a picture that is not square it leaves the cell's middle.
void cellDisc(Surface &layer, int c, int r, Colour colour)
{
    const double W = layer.ScaleWidth();
    layer.FillColor = colour;
    layer.Circle(c * W / 8 - 10 + W / 16, r * W / 8 + W / 16, W / 16, colour);
}

} // namespace

void paintChecker(Surface &layer, Colour fore, Colour back, Checker form)
{
    layer.setScaleMode(ScaleMode::Points);
    layer.setDrawWidth(1);
    if (form == Checker::CellsWithDiscs || form == Checker::ForegroundDiscs)
        layer.FillStyle = 0;
    // The last column and row start at the far edges, outside the picture.
    SurfaceBatch batch(layer);
    int t = 0;
    for (int c = 0; c <= 8; ++c) {
        for (int r = 0; r <= 8; ++r) {
            if (t == 0) {
                t = 1;
                switch (form) {
                case Checker::Cells:
                case Checker::ForegroundCells:
                    cellBox(layer, c, r, fore);
                    break;
                case Checker::CellsWithDiscs:
                    cellBox(layer, c, r, fore);
                    cellDisc(layer, c, r, back);
                    break;
                case Checker::ForegroundDiscs:
                    cellDisc(layer, c, r, fore);
                    break;
                }
            } else {
                if (form == Checker::Cells) {
                    cellBox(layer, c, r, back);
                } else if (form == Checker::CellsWithDiscs) {
                    cellBox(layer, c, r, back);
                    cellDisc(layer, c, r, fore);
                }
                t = 0;
            }
        }
    }
}

void appendCheckerboardOperations(std::vector<Operation> &operations)
{
    auto checker = [](Checker form) { return [form](Surface &l, Colour f, Colour b) { paintChecker(l, f, b, form); }; };
    operations.push_back(
        generatorOperation("Command30", "checker", "Checkerboard in the two colours", checker(Checker::Cells)));
    operations.push_back(generatorOperation("Command31", "checker-discs",
                                            "Checkerboard with a disc of the other colour in every cell",
                                            checker(Checker::CellsWithDiscs)));
    operations.push_back(generatorOperation("Command49", "checker-fg", "Foreground checkerboard cells over the picture",
                                            checker(Checker::ForegroundCells)));
    // Both colours come from the foreground swatch for this one.
    operations.push_back(
        generatorOperation("Command50", "discs-fg", "Foreground discs in alternate cells over the picture",
                           [](Surface &l, Colour f, Colour) { paintChecker(l, f, f, Checker::ForegroundDiscs); }));
}

} // namespace quill
