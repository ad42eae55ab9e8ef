#include "toolbox/button_faces.h"

#include "document/random_source.h"
#include "document/tool_codes.h"
#include "toolbox/operation_faces.h"
#include "toolbox/operation_registry.h"

#include <QPainter>

#include <cmath>
#include <map>

namespace quill {

namespace {

constexpr Colour kPaper = rgb(250, 250, 244);
constexpr Colour kInk = rgb(20, 40, 120);
constexpr Colour kAccent = rgb(230, 110, 30);

// A surface in pixel units, pen width 1, on paper.
Surface canvasFor(int size)
{
    Surface s(size, size);
    s.setScaleMode(ScaleMode::Pixels);
    s.BackColor = kPaper;
    s.Cls();
    return s;
}

// Coordinates below are laid out on a 21-pixel face and scaled to the size asked for.
double at(double v, int size) { return v * size / kButtonFaceSize; }

void wave(Surface &s, int size, double offset, Colour colour)
{
    const int steps = 8;
    for (int i = 0; i < steps; ++i) {
        const double x0 = 3 + 15.0 * i / steps, x1 = 3 + 15.0 * (i + 1) / steps;
        const double y0 = 11 + offset + 4 * std::sin(x0 * 0.55), y1 = 11 + offset + 4 * std::sin(x1 * 0.55);
        s.Line(at(x0, size), at(y0, size), at(x1, size), at(y1, size), colour);
    }
}

} // namespace

QImage plainFace(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage toolFace(int toolMode, int size)
{
    Surface s = canvasFor(size);
    auto line = [&](double x1, double y1, double x2, double y2, Colour c, LineForm form = LineForm::Segment) {
        s.Line(at(x1, size), at(y1, size), at(x2, size), at(y2, size), c, form);
    };
    const double pen = std::max(1.0, at(2, size));
    switch (toolMode) {
    case kDrawTool: // Draw: a freehand stroke
        s.setDrawWidth(pen);
        wave(s, size, 0, kInk);
        break;
    case kPointTool: // Point: single dots
        s.setDrawWidth(std::max(1.0, at(3, size)));
        for (const auto &[x, y] : {std::pair{5, 6}, {14, 4}, {9, 11}, {16, 15}, {5, 16}})
            s.PSet(at(x, size), at(y, size), kInk);
        break;
    case kLineTool: // Line
        s.setDrawWidth(pen);
        line(3, 17, 17, 3, kInk);
        break;
    case kCircleTool:       // Circle
    case kFilledCircleTool: // Filled circle
        s.FillStyle = toolMode == kFilledCircleTool ? 0 : 1;
        s.FillColor = kAccent;
        s.setDrawWidth(std::max(1.0, at(1.5, size)));
        s.Circle(at(10, size), at(10, size), at(7, size), kInk);
        break;
    case kRectangleTool: // Rectangle
        s.setDrawWidth(std::max(1.0, at(1.5, size)));
        line(3, 5, 17, 15, kInk, LineForm::Box);
        break;
    case kFilledRectangleTool: // Filled rectangle
        line(3, 5, 17, 15, kAccent, LineForm::FilledBox);
        line(3, 5, 17, 15, kInk, LineForm::Box);
        break;
    case kGetColourTool: // Getcolor: a pipette dripping a colour
        s.setDrawWidth(std::max(1.0, at(3, size)));
        line(7, 13, 14, 6, kInk);
        s.FillStyle = 0;
        s.FillColor = kInk;
        s.setDrawWidth(1);
        s.Circle(at(16, size), at(4, size), at(2.5, size), kInk);
        s.setDrawWidth(std::max(1.0, at(3, size)));
        s.PSet(at(4, size), at(17, size), kAccent);
        break;
    case kTextTool: { // Text
        s.ForeColor = kInk;
        s.setFontName(QStringLiteral("DejaVu Sans"));
        s.setFontBold(true);
        s.setFontSize(size * 0.55);
        const double w = s.TextWidth(QStringLiteral("A"));
        s.CurrentX = (size - w) / 2;
        s.CurrentY = (size - s.TextHeight(QStringLiteral("A"))) / 2;
        s.Print(QStringLiteral("A"));
        break;
    }
    case kSprayTool: { // Spray: a cloud of dots
        RandomSource random(13);
        for (int i = 0; i < 70; ++i) {
            const double a = random.next() * 2 * M_PI, r = std::sqrt(random.next()) * 8;
            s.PSet(at(10 + r * std::cos(a), size), at(10 + r * std::sin(a), size), i % 4 ? kInk : kAccent);
        }
        break;
    }
    case kZoomTool: // Zoom: a magnifier
        s.setDrawWidth(std::max(1.0, at(3, size)));
        line(12, 12, 17, 17, kInk);
        s.setDrawWidth(pen);
        s.Circle(at(8, size), at(8, size), at(5, size), kInk);
        break;
    case kMultiPolylineTool: // Multi polyline: parallel lines in the two colours
        s.setDrawWidth(std::max(1.0, at(1, size)));
        wave(s, size, -3, kInk);
        wave(s, size, 0, kAccent);
        wave(s, size, 3, kInk);
        break;
    case kCircleKeepingFillTool: // Circle that keeps the current fill: outline around a filled core
        s.setDrawWidth(std::max(1.0, at(1.5, size)));
        s.Circle(at(10, size), at(10, size), at(7, size), kInk);
        s.FillStyle = 0;
        s.FillColor = kAccent;
        s.Circle(at(10, size), at(10, size), at(3, size), kAccent);
        break;
    case kGradientBrushTool: // Gradient brush: a band from one colour to the other
        s.setDrawWidth(pen);
        for (int i = 0; i < 7; ++i) {
            const int t = i * 255 / 6;
            const Colour c = rgb(redOf(kInk) + (redOf(kAccent) - redOf(kInk)) * t / 255,
                                 greenOf(kInk) + (greenOf(kAccent) - greenOf(kInk)) * t / 255,
                                 blueOf(kInk) + (blueOf(kAccent) - blueOf(kInk)) * t / 255);
            const double o = 2.0 * i;
            line(2 + o / 2, 3 + o, 10 + o / 2, 3 + o, c);
        }
        break;
    default:
        return plainFace(size);
    }
    return s.Image().copy();
}

QImage faceSample(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = qRgb(90 + 100 * x / size, 150 + 80 * y / size, 220 - 150 * y / size);
    }
    QPainter p(&image);
    // An L in the top-left corner shows turns and mirrors; a disc adds a second hue.
    p.fillRect(QRectF(at(3, size), at(3, size), at(3, size), at(10, size)), QColor(200, 30, 40));
    p.fillRect(QRectF(at(3, size), at(10, size), at(8, size), at(3, size)), QColor(200, 30, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(at(14.5, size), at(14.5, size)), at(4, size), at(4, size));
    return image;
}

const QImage &buttonFace(const ToolboxButton &button)
{
    static std::map<QString, QImage> cache;
    if (const auto it = cache.find(button.name); it != cache.end())
        return it->second;
    QImage face;
    switch (button.kind) {
    case ButtonKind::Tool:
        face = toolFace(button.toolMode);
        break;
    case ButtonKind::Operation:
        if (const Operation *op = findOperation(button.name))
            face = operationButtonFace(*op, kButtonFaceSize);
        else
            face = plainFace();
        break;
    case ButtonKind::Dialog:
        face = dialogButtonFace(true, button.dialog == ToolboxDialog::SavePattern, kButtonFaceSize);
        break;
    case ButtonKind::Check:
    case ButtonKind::Inert:
        face = plainFace();
        break;
    }
    return cache.emplace(button.name, face).first->second;
}

QImage swapFace(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const int box = std::max(3, std::min(width, height) / 2 - 1);
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(0, 0, 0));
    p.drawRect(0, 0, box - 1, box - 1);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(width - box, height - box, box - 1, box - 1);
    // A bent double arrow from one square to the other.
    p.setBrush(Qt::NoBrush);
    const int x0 = box + 1, y0 = box / 2, x1 = width - box / 2 - 1, y1 = height - box - 2;
    p.drawLine(x0, y0, x1, y0);
    p.drawLine(x1, y0, x1, y1);
    p.drawLine(x0, y0, x0 + 2, y0 - 2);
    p.drawLine(x0, y0, x0 + 2, y0 + 2);
    p.drawLine(x1, y1, x1 - 2, y1 - 2);
    p.drawLine(x1, y1, x1 + 2, y1 - 2);
    return image;
}

} // namespace quill
