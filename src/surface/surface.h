// One picture box: a raster that keeps what is drawn on it, its drawing state
// (colours, fill, pen width, units, text position, font) and its outer geometry.
// Every layer, swatch and preview of the program is a Surface; tools and
// operations draw through it. No call throws: an invalid argument leaves that
// one call without effect, so callers read as plain statement lists.
#pragma once

#include "surface/colour.h"
#include "surface/lattice.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace quill {

enum class ScaleMode { Twips = 1, Points = 2, Pixels = 3 };

enum class LineForm { Segment, Box, FilledBox };

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerPoint = 20;

// Pixels per unit of a scale mode (15 twips and 0.75 points make one pixel).
double pixelsPerUnit(ScaleMode mode);

class Surface {
public:
    Surface();
    Surface(int widthPixels, int heightPixels);

    // Outer geometry in twips of the container. Width and Height also size the
    // raster (rounded to whole pixels); content stays at the top left and new
    // area shows BackColor.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void resizePixels(int widthPixels, int heightPixels);

    int pixelWidth() const { return image_.width(); }
    int pixelHeight() const { return image_.height(); }

    // Units. An out-of-range mode is rejected.
    ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(int mode);
    void setScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Converts a horizontal/vertical extent between two modes.
    static double ScaleX(double value, ScaleMode from, ScaleMode to);
    static double ScaleY(double value, ScaleMode from, ScaleMode to);

    // Drawing state.
    Colour ForeColor = kBlack;
    Colour BackColor = kWhite;
    Colour FillColor = kBlack;
    int FillStyle = 1; // 0 solid, 1 transparent
    double CurrentX = 0;
    double CurrentY = 0;
    int DrawWidth() const { return drawWidth_; }
    // Widths below 1 are rejected and leave the width as it was; returns whether it took.
    bool setDrawWidth(double width);

    // Font: name, size in points, bold, italic, underline.
    QString FontName() const { return font_.family(); }
    double FontSize() const { return fontSize_; }
    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool on) { font_.setBold(on); }
    void setFontItalic(bool on) { font_.setItalic(on); }
    void setFontUnderline(bool on) { font_.setUnderline(on); }
    const QFont &font() const { return font_; }

    // Drawing in the current units.
    Colour Point(double x, double y) const;
    void PSet(double x, double y, std::optional<Colour> colour = std::nullopt);
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt,
              LineForm form = LineForm::Segment);
    void Circle(double x, double y, double radius, std::optional<Colour> colour = std::nullopt);
    void Cls();
    // Stretch-copies a picture into the destination rectangle (its own size when
    // width/height are omitted); a negative width or height mirrors.
    void PaintPicture(const QImage &picture, double x, double y, std::optional<double> width = std::nullopt,
                      std::optional<double> height = std::nullopt, std::optional<QRectF> source = std::nullopt);
    double TextWidth(const QString &text) const;
    double TextHeight(const QString &text) const;
    // Prints at CurrentX/CurrentY in ForeColor (two colours, no smoothing) and
    // moves to the start of the next line.
    void Print(const QString &text);

    // Wrap at the edges: what is drawn across an edge continues at the opposite
    // edge, and reads beyond an edge come from the opposite edge.
    bool wrapEdges() const { return wrapEdges_; }
    void setWrapEdges(bool on) { wrapEdges_ = on; }
    // Which edge points meet when wrapping: the lattice the picture repeats on.
    Lattice lattice() const { return lattice_; }
    void setLattice(Lattice lattice) { lattice_ = lattice; }

    // Content. Image is the persistent drawing. Assigning a Picture replaces it:
    // the picture at the top left over BackColor, cropped to the surface.
    const QImage &Image() const { return image_; }
    void setPicture(const QImage &picture);
    // Takes another surface's Image as this one's Picture, sharing the raster;
    // reports only what changed since the two were last in step.
    void setPictureFrom(const Surface &source);
    // Marks this surface as in step with its siblings (after a layer sync).
    void markInSync() { sinceSync_ = QRect(); }

    // Direct pixel access for whole-image operations; the caller reports what it changed.
    QImage &raster() { return image_; }
    // Draws on from `copy`, which holds the same pixels as the raster, so the
    // raster stays untouched with whoever else holds it.
    void adoptCopy(QImage copy);
    void changed(const QRect &pixelRect);
    void changedAll() { changed(image_.rect()); }

    // Views listen for the changed rectangle (pixels) after every drawing call.
    using ChangeListener = std::function<void(const QRect &)>;
    int addChangeListener(ChangeListener listener);
    void removeChangeListener(int id);
    // Expires when this surface is destroyed, so a view that outlives it knows
    // not to touch it (a window's members die before its child widgets).
    std::weak_ptr<const bool> lifetime() const { return lifetime_.token; }

    // Keeps one painter open across the drawing calls up to endBatch, for a
    // caller that draws thousands of shapes in a row; the pixels are the same
    // as without it. Nothing may take or replace the Image while it is open.
    void beginBatch();
    void endBatch();

    // Unit helpers: a coordinate in the current units to a pixel index.
    int toPixelX(double x) const;
    int toPixelY(double y) const;
    double fromPixels(double pixels) const;

private:
    void resizeRaster(int widthPixels, int heightPixels);
    void fillDot(int px, int py, int diameter, Colour c);
    void fillDotOnce(int px, int py, int diameter, Colour c);
    std::vector<QPoint> wrapOffsets(const QRect &bounds) const;
    void thinLine(int ax, int ay, int bx, int by, Colour c);
    void circleOnce(int cx, int cy, int r, Colour c);
    void paintShape(const std::function<void(class QPainter &)> &draw, const QRect &bounds);
    QRect clipped(const QRect &r) const { return r.intersected(image_.rect()); }

    QImage image_;
    void notify(const QRect &r) const;
    std::vector<std::pair<int, ChangeListener>> listeners_;
    // Every surface has its own token, copies included.
    struct Lifetime {
        std::shared_ptr<const bool> token = std::make_shared<const bool>(true);
        Lifetime() = default;
        Lifetime(const Lifetime &) {}
        Lifetime &operator=(const Lifetime &) { return *this; }
    } lifetime_;
    int nextListenerId_ = 1;
    QRect sinceSync_; // pixels changed since the last layer sync
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    int drawWidth_ = 1;
    bool wrapEdges_ = false;
    Lattice lattice_ = Lattice::Grid;
    QFont font_;
    double fontSize_ = 8.25;
    // The painter open between beginBatch and endBatch paints this surface's
    // own raster: a copy starts without one (and the copy's raster detaches on
    // its first write instead of being painted through the original's painter).
    struct BatchPainter {
        std::unique_ptr<QPainter> painter;
        BatchPainter();
        BatchPainter(const BatchPainter &);
        BatchPainter &operator=(const BatchPainter &) { return *this; }
        ~BatchPainter();
    } batch_;
};

// A batch for the length of a scope.
class SurfaceBatch {
public:
    explicit SurfaceBatch(Surface &surface) : surface_(surface) { surface_.beginBatch(); }
    ~SurfaceBatch() { surface_.endBatch(); }
    SurfaceBatch(const SurfaceBatch &) = delete;
    SurfaceBatch &operator=(const SurfaceBatch &) = delete;

private:
    Surface &surface_;
};

} // namespace quill
