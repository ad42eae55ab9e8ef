#include "shell/zoom_view.h"

#include "canvas/pick_tools.h"
#include "surface/numeric_rules.h"

namespace quill {

namespace {

struct Step {
    int dx;
    int dy;
};

// Up, right, down, left, then the four diagonals clockwise from up-right.
constexpr std::array<Step, kZoomDirections> kSteps{{
    {0, -kTwipsPerPixel},
    {kTwipsPerPixel, 0},
    {0, kTwipsPerPixel},
    {-kTwipsPerPixel, 0},
    {kTwipsPerPixel, -kTwipsPerPixel},
    {kTwipsPerPixel, kTwipsPerPixel},
    {-kTwipsPerPixel, kTwipsPerPixel},
    {-kTwipsPerPixel, -kTwipsPerPixel},
}};

int wrap(std::int64_t value, int size)
{
    const std::int64_t r = value % size;
    return static_cast<int>(r < 0 ? r + size : r);
}

int toPixel(double twips)
{
    const double p = twips / kTwipsPerPixel;
    if (!(std::fabs(p) < 1e9))
        return 0;
    return static_cast<int>(roundHalfEven(p));
}

} // namespace

QPoint zoomSamplePixel(const Surface &picture, double xTwips, double yTwips, int i, int j)
{
    const double sx = xTwips + kTwipsPerPixel * j - 150;
    const double sy = yTwips + kTwipsPerPixel * i - 150;
    // A sample beyond an edge is taken from the opposite edge, as the tiles show it.
    return {wrap(toPixel(sx), picture.pixelWidth()), wrap(toPixel(sy), picture.pixelHeight())};
}

void drawZoomView(Surface &view, Surface &picture, double xTwips, double yTwips)
{
    view.setScaleMode(ScaleMode::Twips);
    view.setDrawWidth(kZoomDotWidth);
    const ScaleMode remembered = picture.scaleMode();
    picture.setScaleMode(ScaleMode::Pixels);
    for (int i = 1; i <= kZoomSamples; ++i) {
        for (int j = 1; j <= kZoomSamples; ++j) {
            const QPoint p = zoomSamplePixel(picture, xTwips, yTwips, i, j);
            view.PSet(zoomDotTwips(j), zoomDotTwips(i), picture.Point(p.x(), p.y()));
        }
    }
    picture.setScaleMode(remembered);
}

bool moveZoomPoint(AppState &state, const Surface &picture, int index)
{
    if (!state.ZoomPointSet || index < 0 || index >= kZoomDirections)
        return false;
    const Step step = kSteps[static_cast<std::size_t>(index)];
    const double width = picture.Width();
    const double height = picture.Height();
    double x = static_cast<double>(state.ZoomPointX) + step.dx;
    double y = static_cast<double>(state.ZoomPointY) + step.dy;
    if (x < 0)
        x = width;
    else if (x > width)
        x = 0;
    if (y < 0)
        y = height;
    else if (y > height)
        y = 0;
    state.ZoomPointX = static_cast<float>(x);
    state.ZoomPointY = toInt16(y).value_or(0);
    return true;
}

QPoint zoomPaintPixel(const AppState &state)
{
    // The paint lands one pixel up and left of the fixed point's own sample.
    return {toPixel(static_cast<double>(state.ZoomPointX) - kTwipsPerPixel),
            toPixel(static_cast<double>(state.ZoomPointY) - kTwipsPerPixel)};
}

bool paintZoomPoint(Session &session)
{
    AppState &s = session.state;
    if (!s.ZoomPointSet)
        return false;
    // The Zoom tool's width, as the Options window shows it, is the pen.
    Surface &picture = session.document.picture();
    picture.setScaleMode(ScaleMode::Pixels);
    picture.setDrawWidth(s.ToolDrawWidth[kZoomTool]);
    const QPoint p = zoomPaintPixel(s);
    picture.PSet(p.x(), p.y(), s.LeftColour);
    session.document.SyncLayers(0);
    return true;
}

} // namespace quill
