// The drawing calls of a surface: dots, lines, boxes, circles, clearing and
// pictures, each drawn again where Wrap at edges puts its copies. Thin lines and
// circles are rasterised by hand, so they hit exactly the pixels the rules name.
#include "surface/surface.h"

#include "surface/numeric_rules.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cmath>

namespace quill {

namespace {

QColor qcolour(Colour c) { return QColor::fromRgb(toQRgb(c)); }

// Where a pen of this width is centred for pixel (px, py): odd pens on the pixel's
// centre, even pens on its top-left corner, so a pen of width w covers exactly w
// pixels across, the same as a dot of that width.
QPointF centre(int px, int py, int penWidth = 1)
{
    const double offset = penWidth % 2 ? 0.5 : 0.0;
    return {px + offset, py + offset};
}

// Largest s with s * s <= n (n >= 0).
std::int64_t floorSqrt(std::int64_t n)
{
    auto s = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (s > 0 && s * s > n)
        --s;
    while ((s + 1) * (s + 1) <= n)
        ++s;
    return s;
}

} // namespace

void Surface::paintShape(const std::function<void(QPainter &)> &draw, const QRect &bounds)
{
    const std::vector<QPoint> offsets = wrapOffsets(bounds);
    QRect touched;
    for (const QPoint &o : offsets)
        touched |= clipped(bounds.translated(o));
    if (touched.isEmpty())
        return;
    std::optional<QPainter> own;
    if (!batch_.painter) {
        own.emplace(&image_);
        own->setRenderHint(QPainter::Antialiasing, false);
        own->setRenderHint(QPainter::TextAntialiasing, false);
    }
    QPainter &painter = batch_.painter ? *batch_.painter : *own;
    for (const QPoint &o : offsets) {
        if (clipped(bounds.translated(o)).isEmpty())
            continue;
        painter.save();
        painter.translate(o);
        draw(painter);
        painter.restore();
    }
    own.reset();
    changed(touched);
}

void Surface::PSet(double x, double y, std::optional<Colour> colour)
{
    const Colour c = colour.value_or(ForeColor);
    const int px = toPixelX(x);
    const int py = toPixelY(y);
    CurrentX = x;
    CurrentY = y;
    if (drawWidth_ == 1) {
        for (const QPoint &o : wrapOffsets(QRect(px, py, 1, 1))) {
            const int x = px + o.x(), y = py + o.y();
            if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
                continue;
            reinterpret_cast<QRgb *>(image_.scanLine(y))[x] = toQRgb(c);
            changed(QRect(x, y, 1, 1));
        }
        return;
    }
    fillDot(px, py, drawWidth_, c);
}

void Surface::fillDot(int px, int py, int diameter, Colour c)
{
    const int reach = diameter / 2 + 1;
    for (const QPoint &o : wrapOffsets(QRect(px - reach, py - reach, 2 * reach + 1, 2 * reach + 1)))
        fillDotOnce(px + o.x(), py + o.y(), diameter, c);
}

void Surface::fillDotOnce(int px, int py, int diameter, Colour c)
{
    // An even dot is centred on the pixel corner, an odd one on the pixel centre,
    // so the dot spans exactly `diameter` pixels each way.
    const double cx = diameter % 2 ? px + 0.5 : px;
    const double cy = diameter % 2 ? py + 0.5 : py;
    const double r2 = diameter * diameter / 4.0;
    const int x0 = std::max(0, px - diameter / 2), x1 = std::min(image_.width() - 1, px + diameter / 2);
    const int y0 = std::max(0, py - diameter / 2), y1 = std::min(image_.height() - 1, py + diameter / 2);
    if (x0 > x1 || y0 > y1)
        return;
    const QRgb value = toQRgb(c);
    for (int y = y0; y <= y1; ++y) {
        const double dy = y + 0.5 - cy;
        auto inside = [&](int x) {
            const double dx = x + 0.5 - cx;
            return dx * dx + dy * dy <= r2;
        };
        if (dy * dy > r2)
            continue;
        // The row's span from the square root, settled by the exact test.
        const double half = std::sqrt(r2 - dy * dy);
        int from = std::max(x0, static_cast<int>(std::ceil(cx - 0.5 - half)));
        int to = std::min(x1, static_cast<int>(std::floor(cx - 0.5 + half)));
        while (from > x0 && inside(from - 1))
            --from;
        while (from <= to && !inside(from))
            ++from;
        while (to < x1 && inside(to + 1))
            ++to;
        while (to >= from && !inside(to))
            --to;
        if (from <= to) {
            auto *line = reinterpret_cast<QRgb *>(image_.scanLine(y));
            std::fill(line + from, line + to + 1, value);
        }
    }
    changed(QRect(QPoint(x0, y0), QPoint(x1, y1)));
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour, LineForm form)
{
    const Colour c = colour.value_or(ForeColor);
    const int ax = toPixelX(x1), ay = toPixelY(y1), bx = toPixelX(x2), by = toPixelY(y2);
    CurrentX = x2;
    CurrentY = y2;
    const int reach = drawWidth_ / 2 + 2;
    const QRect bounds = QRect(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by)))
                             .adjusted(-reach, -reach, reach, reach);
    QPen pen(qcolour(c), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    if (form == LineForm::Segment && drawWidth_ == 1) {
        for (const QPoint &o : wrapOffsets(bounds))
            thinLine(ax + o.x(), ay + o.y(), bx + o.x(), by + o.y(), c);
        return;
    }
    if (form == LineForm::Segment) {
        if (ax == bx && ay == by) {
            // A line that starts where it ends is a dot of the pen's width.
            fillDot(ax, ay, drawWidth_, c);
            return;
        }
        paintShape(
            [&](QPainter &p) {
                p.setPen(pen);
                p.drawLine(centre(ax, ay, drawWidth_), centre(bx, by, drawWidth_));
            },
            bounds);
        return;
    }

    const int left = std::min(ax, bx), right = std::max(ax, bx);
    const int top = std::min(ay, by), bottom = std::max(ay, by);
    paintShape(
        [&](QPainter &p) {
            if (form == LineForm::FilledBox)
                p.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), qcolour(c));
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            if (left == right || top == bottom)
                p.drawLine(centre(left, top, drawWidth_), centre(right, bottom, drawWidth_));
            else
                p.drawRect(QRectF(centre(left, top, drawWidth_), centre(right, bottom, drawWidth_)));
        },
        bounds);
}

void Surface::thinLine(int ax, int ay, int bx, int by, Colour c)
{
    // One pixel per step along the longer axis, both ends included; the other
    // coordinate is the exact line's, rounded half up. Only the steps that
    // fall inside the picture are visited, so far ends cost nothing.
    const std::int64_t dx = std::int64_t(bx) - ax, dy = std::int64_t(by) - ay;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major = alongX ? dx : dy, minor = alongX ? dy : dx;
    const std::int64_t steps = std::llabs(major), dir = major < 0 ? -1 : 1;
    const std::int64_t start = alongX ? ax : ay, startMinor = alongX ? ay : ax;
    const std::int64_t extent = alongX ? image_.width() : image_.height();
    const std::int64_t extentMinor = alongX ? image_.height() : image_.width();
    // Steps t in [0, steps] whose major coordinate start + dir * t lies in [0, extent).
    std::int64_t t0 = dir > 0 ? -start : start - (extent - 1);
    std::int64_t t1 = dir > 0 ? extent - 1 - start : start;
    t0 = std::max<std::int64_t>(t0, 0);
    t1 = std::min(t1, steps);
    if (t0 > t1)
        return;
    const QRgb value = toQRgb(c);
    uchar *bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    int minX = INT_MAX, minY = INT_MAX, maxX = -1, maxY = -1;
    // n = startMinor + round(minor * t / steps), halves up: the quotient and
    // remainder of (2 * minor * t + steps) / (2 * steps), carried step by step.
    const std::int64_t den = std::max<std::int64_t>(2 * steps, 1), inc = 2 * minor;
    std::int64_t quotient = floorDiv(inc * t0 + steps, den);
    std::int64_t remainder = inc * t0 + steps - quotient * den;
    for (std::int64_t t = t0; t <= t1; ++t) {
        const std::int64_t m = start + dir * t;
        const std::int64_t n = startMinor + quotient;
        remainder += inc;
        if (remainder >= den) {
            remainder -= den;
            ++quotient;
        } else if (remainder < 0) {
            remainder += den;
            --quotient;
        }
        if (n < 0 || n >= extentMinor)
            continue;
        const int px = static_cast<int>(alongX ? m : n), py = static_cast<int>(alongX ? n : m);
        reinterpret_cast<QRgb *>(bits + py * stride)[px] = value;
        minX = std::min(minX, px);
        maxX = std::max(maxX, px);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    }
    if (maxX >= 0)
        changed(QRect(QPoint(minX, minY), QPoint(maxX, maxY)));
}

void Surface::Circle(double x, double y, double radius, std::optional<Colour> colour)
{
    const Colour c = colour.value_or(ForeColor);
    const int cx = toPixelX(x), cy = toPixelY(y);
    const double rp = std::fabs(radius * pixelsPerUnit(scaleMode_));
    if (!(rp < 1e6))
        return;
    const int r = static_cast<int>(roundHalfEven(rp));
    CurrentX = x;
    CurrentY = y;
    const std::int64_t reach = r + drawWidth_ / 2 + 1;
    const QRect bounds(static_cast<int>(cx - reach), static_cast<int>(cy - reach), static_cast<int>(2 * reach + 1),
                       static_cast<int>(2 * reach + 1));
    for (const QPoint &o : wrapOffsets(bounds))
        circleOnce(cx + o.x(), cy + o.y(), r, c);
}

// Measured from the centre pixel's centre: the interior (FillStyle 0) is every
// pixel centre within r, the outline every one within half the pen of the
// circle of radius r. Whole-number arithmetic keeps it exact.
void Surface::circleOnce(int cx, int cy, int r, Colour c)
{
    const std::int64_t w = drawWidth_, reach = r + w / 2 + 1;
    const std::int64_t outer2 = (2 * std::int64_t(r) + w) * (2 * std::int64_t(r) + w);
    const std::int64_t inner = 2 * std::int64_t(r) - w, inner2 = inner > 0 ? inner * inner : 0;
    const std::int64_t r2 = std::int64_t(r) * r;
    const std::int64_t y0 = std::max<std::int64_t>(0, cy - reach);
    const std::int64_t y1 = std::min<std::int64_t>(image_.height() - 1, std::int64_t(cy) + reach);
    if (y0 > y1 || std::int64_t(cx) + reach < 0 || std::int64_t(cx) - reach >= image_.width())
        return;
    const QRgb pen = toQRgb(c), fill = toQRgb(FillColor);
    const std::int64_t width = image_.width();
    auto span = [&](QRgb *line, std::int64_t from, std::int64_t to, QRgb value) {
        from = std::max<std::int64_t>(from, 0);
        to = std::min(to, width - 1);
        if (from <= to)
            std::fill(line + from, line + to + 1, value);
    };
    for (std::int64_t py = y0; py <= y1; ++py) {
        auto *line = reinterpret_cast<QRgb *>(image_.scanLine(static_cast<int>(py)));
        const std::int64_t dy = py - cy, dy2 = dy * dy;
        if (FillStyle == 0 && dy2 <= r2) {
            const std::int64_t half = floorSqrt(r2 - dy2);
            span(line, cx - half, cx + half, fill);
        }
        if (4 * dy2 > outer2)
            continue;
        const std::int64_t outerHalf = floorSqrt((outer2 - 4 * dy2) / 4);
        // The hole: pixels strictly closer than r - w / 2.
        const std::int64_t holeHalf = inner2 - 4 * dy2 - 1 >= 0 ? floorSqrt((inner2 - 4 * dy2 - 1) / 4) : -1;
        span(line, cx - outerHalf, cx - holeHalf - 1, pen);
        span(line, cx + holeHalf + 1, cx + outerHalf, pen);
    }
    changed(QRect(QPoint(static_cast<int>(cx - reach), static_cast<int>(y0)),
                  QPoint(static_cast<int>(cx + reach), static_cast<int>(y1))));
}

void Surface::Cls()
{
    image_.fill(toQRgb(BackColor));
    CurrentX = 0;
    CurrentY = 0;
    changedAll();
}

void Surface::PaintPicture(const QImage &picture, double x, double y, std::optional<double> width,
                           std::optional<double> height, std::optional<QRectF> source)
{
    if (picture.isNull())
        return;
    const double ppu = pixelsPerUnit(scaleMode_);
    QImage src = picture.convertToFormat(QImage::Format_RGB32);
    if (source) {
        const QRect s(static_cast<int>(roundHalfEven(source->x() * ppu)),
                      static_cast<int>(roundHalfEven(source->y() * ppu)),
                      static_cast<int>(roundHalfEven(source->width() * ppu)),
                      static_cast<int>(roundHalfEven(source->height() * ppu)));
        src = src.copy(s.normalized());
    }
    const int px = toPixelX(x), py = toPixelY(y);
    const double dwp = width ? *width * ppu : src.width();
    const double dhp = height ? *height * ppu : src.height();
    if (!(std::fabs(dwp) < 1e6) || !(std::fabs(dhp) < 1e6))
        return;
    const int dw = static_cast<int>(roundHalfEven(dwp));
    const int dh = static_cast<int>(roundHalfEven(dhp));
    if (dw == 0 || dh == 0 || src.isNull())
        return;
    if (dw < 0 || dh < 0)
        src = src.mirrored(dw < 0, dh < 0);
    const QRect target(dw < 0 ? px + dw : px, dh < 0 ? py + dh : py, std::abs(dw), std::abs(dh));
    paintShape([&](QPainter &p) { p.drawImage(QRectF(target), src, QRectF(src.rect())); }, target);
}

} // namespace quill
