#include "surface/lattice.h"

#include "surface/numeric_rules.h"

#include <QRect>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quill {

namespace {

std::int64_t wrapped(std::int64_t v, std::int64_t n) { return ((v % n) + n) % n; }

// `count` pixels of one row of the endless repeat, from `start` rightwards. A
// run of the source row lasts until the source's right edge, where the next
// point is looked up again (for half-drop that is where the row changes).
void copyPlaneRow(const QImage &source, Lattice lattice, QPoint start, int count, QRgb *out)
{
    const QSize size = source.size();
    const int w = size.width();
    for (int done = 0; done < count;) {
        const QPoint p = wrapPoint(lattice, size, QPoint(start.x() + done, start.y()));
        const int run = std::min(count - done, w - p.x());
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(p.y()));
        std::memcpy(out + done, in + p.x(), static_cast<std::size_t>(run) * sizeof(QRgb));
        done += run;
    }
}

} // namespace

EdgeShift edgeShift(Lattice lattice, QSize size)
{
    switch (lattice) {
    case Lattice::Brick:
        return {0, size.width() / 2};
    case Lattice::HalfDrop:
        return {size.height() / 2, 0};
    case Lattice::Grid:
        break;
    }
    return {};
}

QPoint wrapPoint(Lattice lattice, QSize size, QPoint point)
{
    const std::int64_t w = size.width(), h = size.height();
    if (w < 1 || h < 1)
        return point;
    const EdgeShift shift = edgeShift(lattice, size);
    std::int64_t x = point.x(), y = point.y();
    // Undo the crossings along the shifted axis first; the other axis is then a plain wrap.
    if (shift.rightAtBottom != 0) {
        const std::int64_t rowsDown = floorDiv(y, h);
        y -= rowsDown * h;
        x = wrapped(x + rowsDown * shift.rightAtBottom, w);
    } else {
        const std::int64_t columnsRight = floorDiv(x, w);
        x -= columnsRight * w;
        y = wrapped(y + columnsRight * shift.downAtRight, h);
    }
    return {static_cast<int>(x), static_cast<int>(y)};
}

QPoint copyStep(Lattice lattice, QSize size, bool right)
{
    const EdgeShift shift = edgeShift(lattice, size);
    return right ? QPoint(size.width(), -shift.downAtRight) : QPoint(-shift.rightAtBottom, size.height());
}

std::vector<QPoint> rolledPlacements(QSize size, QPoint origin)
{
    if (size.isEmpty())
        return {QPoint()};
    const QPoint o(static_cast<int>(wrapped(origin.x(), size.width())),
                   static_cast<int>(wrapped(origin.y(), size.height())));
    std::vector<QPoint> places;
    for (int dy : {-o.y(), size.height() - o.y()})
        for (int dx : {-o.x(), size.width() - o.x()})
            if (QRect(QPoint(dx, dy), size).intersects(QRect(QPoint(), size)))
                places.emplace_back(dx, dy);
    return places;
}

namespace {
struct LatticeNames {
    Lattice lattice;
    const char *key;
    const char *label;
};
constexpr LatticeNames kNames[] = {
    {Lattice::Grid, "grid", "Grid"}, {Lattice::Brick, "brick", "Brick"}, {Lattice::HalfDrop, "half-drop", "Half-drop"}};

const LatticeNames &namesOf(Lattice lattice)
{
    for (const LatticeNames &n : kNames)
        if (n.lattice == lattice)
            return n;
    return kNames[0];
}
} // namespace

QString latticeKey(Lattice lattice) { return QString::fromLatin1(namesOf(lattice).key); }

QString latticeLabel(Lattice lattice) { return QString::fromLatin1(namesOf(lattice).label); }

std::optional<Lattice> latticeFromKey(const QString &key)
{
    for (Lattice l : kLattices)
        if (latticeKey(l) == key)
            return l;
    return std::nullopt;
}

QImage repeatOnLattice(const QImage &tile, int columns, int rows, Lattice lattice)
{
    if (tile.isNull() || columns < 1 || rows < 1)
        return {};
    const QImage source = tile.convertToFormat(QImage::Format_RGB32);
    const qint64 width = qint64(source.width()) * columns, height = qint64(source.height()) * rows;
    if (width > 1000000 || height > 1000000)
        return {};
    QImage repeat(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (repeat.isNull())
        return {};
    for (int y = 0; y < repeat.height(); ++y)
        copyPlaneRow(source, lattice, QPoint(0, y), repeat.width(), reinterpret_cast<QRgb *>(repeat.scanLine(y)));
    return repeat;
}

void rollOnLattice(const QImage &picture, int dx, int dy, QImage &out, Lattice lattice)
{
    if (out.size() != picture.size() || out.format() != QImage::Format_RGB32)
        out = QImage(picture.size(), QImage::Format_RGB32);
    if (picture.isNull() || out.isNull())
        return;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        copyPlaneRow(source, lattice, QPoint(-dx, y - dy), source.width(), reinterpret_cast<QRgb *>(out.scanLine(y)));
}

} // namespace quill
