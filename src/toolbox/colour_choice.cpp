#include "toolbox/colour_choice.h"

#include <QColor>

#include <algorithm>

namespace quill {

namespace {

void fillRect(QImage &image, const QRect &r, QRgb value)
{
    const QRect c = r.intersected(image.rect());
    for (int y = c.top(); y <= c.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line + c.left(), line + c.right() + 1, value);
    }
}

} // namespace

QImage drawPalette()
{
    QImage image(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32);
    // Image1: hue across, white at the top through the full colour to black.
    const QRect top = kPaletteImage1;
    for (int y = 0; y < top.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(top.top() + y));
        const double t = static_cast<double>(y) / (top.height() - 1);
        for (int x = 0; x < top.width(); ++x) {
            const QColor hue = QColor::fromHsv(x * 359 / (top.width() - 1), 255, 255);
            double r = hue.red(), g = hue.green(), b = hue.blue();
            if (t < 0.5) {
                const double k = t * 2; // white -> colour
                r = 255 + (r - 255) * k;
                g = 255 + (g - 255) * k;
                b = 255 + (b - 255) * k;
            } else {
                const double k = (1 - t) * 2; // colour -> black
                r *= k;
                g *= k;
                b *= k;
            }
            line[x] = qRgb(static_cast<int>(r + 0.5), static_cast<int>(g + 0.5), static_cast<int>(b + 0.5));
        }
    }
    // Image2: a grey ramp, then blocks of plain colours.
    const QRect low = kPaletteImage2;
    const int rampHeight = 12;
    for (int y = 0; y < rampHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(low.top() + y));
        for (int x = 0; x < low.width(); ++x) {
            const int v = 255 - x * 255 / (low.width() - 1);
            line[x] = qRgb(v, v, v);
        }
    }
    static constexpr Colour plain[4][6] = {
        {rgb(0, 0, 0), rgb(128, 128, 128), rgb(128, 0, 0), rgb(128, 128, 0), rgb(0, 128, 0), rgb(0, 128, 128)},
        {rgb(255, 255, 255), rgb(192, 192, 192), rgb(255, 0, 0), rgb(255, 255, 0), rgb(0, 255, 0), rgb(0, 255, 255)},
        {rgb(0, 0, 128), rgb(128, 0, 128), rgb(128, 64, 0), rgb(255, 128, 64), rgb(64, 128, 128), rgb(0, 64, 128)},
        {rgb(0, 0, 255), rgb(255, 0, 255), rgb(255, 128, 0), rgb(255, 192, 128), rgb(128, 255, 128),
         rgb(128, 128, 255)},
    };
    const int blockTop = low.top() + rampHeight;
    const int blockRows = 4, blockColumns = 6;
    const int rowsHeight = low.bottom() + 1 - blockTop;
    for (int r = 0; r < blockRows; ++r)
        for (int c = 0; c < blockColumns; ++c) {
            const int x0 = c * low.width() / blockColumns, x1 = (c + 1) * low.width() / blockColumns;
            const int y0 = blockTop + r * rowsHeight / blockRows, y1 = blockTop + (r + 1) * rowsHeight / blockRows;
            fillRect(image, QRect(x0, y0, x1 - x0, y1 - y0), toQRgb(plain[r][c]));
        }
    return image;
}

ToolboxColours::ToolboxColours(Session &session) : Picture1(kPaletteWidth, kPaletteHeight), session_(session)
{
    Picture1.setScaleMode(ScaleMode::Pixels);
    Picture1.setPicture(drawPalette());
}

std::optional<Colour> ToolboxColours::paletteMouse(int image, int button, double x, double y)
{
    const QRect r = image == 2 ? kPaletteImage2 : kPaletteImage1;
    // The first row and column are not pickable.
    if (!(x > 0 && x < r.width() && y > 0 && y < r.height()))
        return std::nullopt;
    const Colour c = Picture1.Point(x, y + r.top());
    std::optional<Colour> picked;
    if (button == 1) {
        session_.state.LeftColour = c;
        picked = c;
    } else if (button == 2) {
        session_.state.RightColour = c;
    }
    session_.state.HoverColour = c; // Picture4
    return picked;
}

void ToolboxColours::chooseSwatchColour(bool foreground)
{
    Colour &swatch = foreground ? session_.state.LeftColour : session_.state.RightColour;
    if (const auto chosen = session_.host.colourDialog(swatch))
        swatch = *chosen;
}

void ToolboxColours::swap()
{
    AppState &s = session_.state;
    holderColour = s.LeftColour;
    s.LeftColour = s.RightColour;
    s.RightColour = holderColour;
}

} // namespace quill
