// What every whole-image operation shares: the snapshot that comes first, the
// pixel units and width-1 pen on the layers it touches, the two ways of reading
// a pixel (-1 beyond the picture) and the one way of writing one, the result
// raster and how it reaches all nine layers, the dots of wider pens, and the
// shared colour arithmetic (MixColours, GreyLevel). Operations are plain
// functions over the session; nothing here knows a button or a window.
#pragma once

#include "document/session.h"

#include <QImage>

#include <array>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace quill {

// Which layers an operation works on.
enum class OperationLayers {
    InPlace,  // reads and writes layer 0, then copies it to layers 1..8
    TwoLayer, // reads layer 0, writes the work layer 1, then syncs from layer 1
};

// Libraries that use 256-bit vectors may return with their upper halves in use;
// the 128-bit loops of the operations then run several times slower on some
// processors. Clearing them first costs a few cycles.
void clearWideVectorState();

// The drawing state the canvas and the tool buttons keep in the nine layers
// (units, pen, fill, text position). A toolbox click holds one of these for its
// whole run: the layers start from the same state as in a fresh program, but in
// pixels, and get their own state back afterwards. So no click depends on what
// an earlier command or mouse move left in the layers, and none leaves anything
// behind for the canvas. The registry wraps every operation in one.
class OperationScope {
public:
    explicit OperationScope(Document &document);
    ~OperationScope();
    OperationScope(const OperationScope &) = delete;
    OperationScope &operator=(const OperationScope &) = delete;

private:
    struct Pens {
        ScaleMode scaleMode;
        int drawWidth;
        int fillStyle;
        Colour fillColor, foreColor;
        double currentX, currentY;
    };
    Document &document_;
    std::array<Pens, kLayerCount> saved_{};
};

// Steps before the pixels: the undo snapshot (when the operation takes one),
// then pixel units and the operation's pen (width 1 unless it paints wider dots)
// on layer 0 (and 1 for two-layer operations).
void beginOperation(Session &session, bool takeSnapshot, OperationLayers layers, int penWidth = 1);
// After the last pixel: brings all nine layers to the result.
void endOperation(Session &session, OperationLayers layers);

// The raster an operation writes its whole result into: memory the document
// keeps for this, so a click does not pay for a fresh picture. Its content is
// undefined: the operation must write every pixel.
QImage resultRaster(Document &document);
// The same, starting as a copy of a layer, for operations that leave some
// pixels unwritten (those keep what the layer they write showed).
QImage resultRasterFrom(Document &document, int layer);
// Runs row(y, in, out) for every row of the picture, the rows shared out to the
// cores in bands once the picture outgrows the caches. row must read only
// pictures that nobody writes meanwhile and write only its own row of result.
void forEachRow(const QImage &source, QImage &result, const std::function<void(int y, const QRgb *in, QRgb *out)> &row);

// Hands the result to the layer the operation writes (0 in place, 1 for
// two-layer operations) and brings all nine layers to it.
void storeResult(Session &session, QImage &result, OperationLayers layers);

// Reading one pixel. The point read (the layer's own Point) and the device read
// (the desktop's pixel query) agree everywhere: the pixel's colour inside the
// picture, the invalid colour -1 beyond it.
Colour pointRead(const QImage &image, int x, int y);
inline Colour deviceRead(const QImage &image, int x, int y) { return pointRead(image, x, y); }
// Writing one pixel with a width-1 pen. A point beyond the picture, or the
// invalid colour (what a read beyond a picture gave), changes nothing.
void writePixel(QImage &image, int x, int y, Colour colour);
// Splitting a colour turns the invalid colour into black; the arithmetic of
// the filters sees it so.
constexpr Colour asComponents(Colour c) { return c == kInvalidColour ? kBlack : c; }

// A dot of a wide pen, exactly as the surface draws PSet with that DrawWidth:
// for each row of the dot, top to bottom, the first and last column covered,
// as offsets from the point.
struct DotShape {
    int top = 0;                            // row offset of the first span
    std::vector<std::pair<int, int>> spans; // [first, last] column offsets per row
};
const DotShape &penDot(int width);
// Paints a dot at (x, y), clipped to the picture.
void paintDot(QImage &image, int x, int y, const DotShape &dot, QRgb value);

// Channels of a stored pixel (0xffRRGGBB) and back.
constexpr int redOfPixel(QRgb p) { return static_cast<int>((p >> 16) & 255); }
constexpr int greenOfPixel(QRgb p) { return static_cast<int>((p >> 8) & 255); }
constexpr int blueOfPixel(QRgb p) { return static_cast<int>(p & 255); }
constexpr QRgb pixelOf(int red, int green, int blue)
{
    return 0xff000000u | (static_cast<QRgb>(red) << 16) | (static_cast<QRgb>(green) << 8) | static_cast<QRgb>(blue);
}

// Per-channel mean of two colours, rounded down: (a * 50 + b * 50) \ 100.
constexpr Colour MixColours(Colour a, Colour b)
{
    auto mix = [](std::int64_t x, std::int64_t y) { return static_cast<int>((x * 50 + y * 50) / 100); };
    const std::int64_t ar = a & 255, ag = (a / 256) & 255, ab = (a / 65536) & 255;
    const std::int64_t br = b & 255, bg = (b / 256) & 255, bb = (b / 65536) & 255;
    return mix(ar, br) + 256 * mix(ag, bg) + 65536 * mix(ab, bb);
}

// (red + green + blue) / 3 rounded to nearest (the fraction is never one half).
constexpr int GreyLevel(int red, int green, int blue) { return (red + green + blue + 1) / 3; }

} // namespace quill
