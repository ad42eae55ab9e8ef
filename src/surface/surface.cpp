#include "surface/surface.h"

#include "surface/numeric_rules.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quill {

double pixelsPerUnit(ScaleMode mode)
{
    switch (mode) {
    case ScaleMode::Twips:
        return 1.0 / kTwipsPerPixel;
    case ScaleMode::Points:
        return static_cast<double>(kTwipsPerPoint) / kTwipsPerPixel;
    case ScaleMode::Pixels:
        break;
    }
    return 1.0;
}

namespace {

QColor qcolour(Colour c) { return QColor::fromRgb(toQRgb(c)); }

int pixelsFromTwips(double twips) { return std::max(1, static_cast<int>(roundHalfEven(twips / kTwipsPerPixel))); }

} // namespace

Surface::Surface() : Surface(1, 1) {}

Surface::Surface(int widthPixels, int heightPixels)
    : image_(std::max(1, widthPixels), std::max(1, heightPixels), QImage::Format_RGB32),
      width_(std::max(1, widthPixels) * kTwipsPerPixel), height_(std::max(1, heightPixels) * kTwipsPerPixel)
{
    image_.fill(toQRgb(BackColor));
    font_.setStyleStrategy(QFont::NoAntialias);
    setFontSize(fontSize_);
}

void Surface::setLeft(double twips) { left_ = static_cast<int>(roundHalfEven(twips)); }
void Surface::setTop(double twips) { top_ = static_cast<int>(roundHalfEven(twips)); }

void Surface::setWidth(double twips)
{
    if (!(twips >= 0) || twips > 1e9)
        return;
    resizeRaster(pixelsFromTwips(twips), image_.height());
    width_ = static_cast<int>(roundHalfEven(twips));
}

void Surface::setHeight(double twips)
{
    if (!(twips >= 0) || twips > 1e9)
        return;
    resizeRaster(image_.width(), pixelsFromTwips(twips));
    height_ = static_cast<int>(roundHalfEven(twips));
}

void Surface::resizePixels(int widthPixels, int heightPixels)
{
    widthPixels = std::max(1, widthPixels);
    heightPixels = std::max(1, heightPixels);
    resizeRaster(widthPixels, heightPixels);
    if (image_.width() == widthPixels && image_.height() == heightPixels) {
        width_ = widthPixels * kTwipsPerPixel;
        height_ = heightPixels * kTwipsPerPixel;
    }
}

void Surface::resizeRaster(int widthPixels, int heightPixels)
{
    endBatch();
    if (widthPixels == image_.width() && heightPixels == image_.height())
        return;
    QImage resized(widthPixels, heightPixels, QImage::Format_RGB32);
    if (resized.isNull())
        return; // too large to allocate: keep the picture as it is
    resized.fill(toQRgb(BackColor));
    {
        QPainter p(&resized);
        p.drawImage(0, 0, image_);
    }
    image_ = resized;
    changedAll();
}

void Surface::setScaleMode(int mode)
{
    if (mode >= 1 && mode <= 3)
        scaleMode_ = static_cast<ScaleMode>(mode);
}

double Surface::ScaleWidth() const { return image_.width() / pixelsPerUnit(scaleMode_); }
double Surface::ScaleHeight() const { return image_.height() / pixelsPerUnit(scaleMode_); }

double Surface::ScaleX(double value, ScaleMode from, ScaleMode to)
{
    return value * pixelsPerUnit(from) / pixelsPerUnit(to);
}

double Surface::ScaleY(double value, ScaleMode from, ScaleMode to) { return ScaleX(value, from, to); }

bool Surface::setDrawWidth(double width)
{
    const auto w = toInt16(width);
    if (!w || *w < 1)
        return false;
    drawWidth_ = *w;
    return true;
}

void Surface::setFontName(const QString &name)
{
    if (!name.isEmpty())
        font_.setFamily(name);
}

void Surface::setFontSize(double points)
{
    if (!(points > 0) || points > 2160)
        return;
    fontSize_ = points;
    // 20 twips a point and 15 twips a pixel: a point is 4/3 of a pixel.
    font_.setPixelSize(std::max(1, static_cast<int>(roundHalfEven(points * kTwipsPerPoint / kTwipsPerPixel))));
}

int Surface::toPixelX(double x) const
{
    const double p = x * pixelsPerUnit(scaleMode_);
    if (!(std::fabs(p) < 1e9))
        return p < 0 ? -1000000000 : 1000000000;
    return static_cast<int>(roundHalfEven(p));
}

int Surface::toPixelY(double y) const { return toPixelX(y); }

double Surface::fromPixels(double pixels) const { return pixels / pixelsPerUnit(scaleMode_); }

Colour Surface::Point(double x, double y) const
{
    int px = toPixelX(x);
    int py = toPixelY(y);
    if (wrapEdges_ && std::abs(px) < 1000000000 && std::abs(py) < 1000000000) {
        // Reads beyond an edge come from where the lattice puts that point.
        const QPoint p = wrapPoint(lattice_, image_.size(), QPoint(px, py));
        px = p.x();
        py = p.y();
    }
    if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height())
        return kInvalidColour;
    return fromQRgb(reinterpret_cast<const QRgb *>(image_.constScanLine(py))[px]);
}

void Surface::changed(const QRect &pixelRect)
{
    const QRect r = clipped(pixelRect);
    if (r.isEmpty())
        return;
    sinceSync_ |= r;
    notify(r);
}

void Surface::notify(const QRect &r) const
{
    for (const auto &[id, listener] : listeners_)
        listener(r);
}

int Surface::addChangeListener(ChangeListener listener)
{
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void Surface::removeChangeListener(int id)
{
    std::erase_if(listeners_, [id](const auto &entry) { return entry.first == id; });
}

void Surface::setPictureFrom(const Surface &source)
{
    endBatch();
    if (&source == this)
        return;
    if (source.image_.size() != image_.size()) {
        setPicture(source.image_);
        return;
    }
    const QRect dirty = source.sinceSync_ | sinceSync_;
    image_ = source.image_;
    if (!dirty.isEmpty())
        notify(dirty);
}

std::vector<QPoint> Surface::wrapOffsets(const QRect &bounds) const
{
    std::vector<QPoint> offsets{QPoint(0, 0)};
    if (!wrapEdges_ || bounds.isEmpty())
        return offsets;
    const int w = image_.width(), h = image_.height();
    // Only the copies a shape's box reaches into the picture are drawn again.
    if (bounds.width() > 3 * w || bounds.height() > 3 * h)
        return offsets;
    offsets.clear();
    // Copies sit at whole steps of the lattice; two steps each way reach every
    // copy that a box near the picture can overlap, shifted rows included.
    const QPoint right = copyStep(lattice_, image_.size(), true);
    const QPoint down = copyStep(lattice_, image_.size(), false);
    for (int j : {0, -1, 1, -2, 2})
        for (int i : {0, -1, 1, -2, 2}) {
            const QPoint o = -(right * i + down * j);
            if (!clipped(bounds.translated(o)).isEmpty())
                offsets.push_back(o);
        }
    return offsets;
}

void Surface::beginBatch()
{
    if (batch_.painter)
        return;
    batch_.painter = std::make_unique<QPainter>(&image_);
    batch_.painter->setRenderHint(QPainter::Antialiasing, false);
    batch_.painter->setRenderHint(QPainter::TextAntialiasing, false);
}

void Surface::endBatch() { batch_.painter.reset(); }

Surface::BatchPainter::BatchPainter() = default;
Surface::BatchPainter::BatchPainter(const BatchPainter &) {}
Surface::BatchPainter::~BatchPainter() = default;

double Surface::TextWidth(const QString &text) const
{
    const QFontMetricsF fm(font_);
    double widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return fromPixels(widest);
}

double Surface::TextHeight(const QString &text) const
{
    const QFontMetricsF fm(font_);
    const auto lines = static_cast<double>(std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1));
    return fromPixels(std::ceil(fm.height()) * lines);
}

void Surface::Print(const QString &text)
{
    const QFontMetricsF fm(font_);
    const int px = toPixelX(CurrentX), py = toPixelY(CurrentY);
    const int w = static_cast<int>(std::ceil(toPixelX(TextWidth(text)) + fm.maxWidth())) + 2;
    const int h = static_cast<int>(std::ceil(fm.height())) + 2;
    const QRect bounds(px - 2, py - 2, w + 4, h * std::max<int>(1, text.count(QLatin1Char('\n')) + 1) + 4);
    paintShape(
        [&](QPainter &p) {
            p.setFont(font_);
            p.setPen(qcolour(ForeColor));
            double baseline = py + fm.ascent();
            for (const QString &line : text.split(QLatin1Char('\n'))) {
                p.drawText(QPointF(px, baseline), line);
                baseline += std::ceil(fm.height());
            }
        },
        bounds);
    CurrentY += TextHeight(text);
    CurrentX = 0;
}

void Surface::adoptCopy(QImage copy)
{
    endBatch();
    image_ = std::move(copy);
}

void Surface::setPicture(const QImage &picture)
{
    endBatch();
    if (picture.size() == image_.size() && picture.format() == QImage::Format_RGB32) {
        image_ = picture; // shares the raster until one side draws
        changedAll();
        return;
    }
    QImage fresh(image_.size(), QImage::Format_RGB32);
    fresh.fill(toQRgb(BackColor));
    if (!picture.isNull()) {
        QPainter p(&fresh);
        p.drawImage(0, 0, picture);
    }
    image_ = fresh;
    changedAll();
}

} // namespace quill
