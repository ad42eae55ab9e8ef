#include "shell/icons.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quill {

namespace {

// One seamless tile: a wave whose ends meet, over a two-colour ground.
void paintTile(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(32, 64, 128));
    QPainterPath wave;
    const int steps = 32;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF pt(r.left() + t * r.width(), r.center().y() + std::sin(t * 2 * M_PI) * r.height() * 0.25);
        if (i == 0)
            wave.moveTo(pt);
        else
            wave.lineTo(pt);
    }
    p.setPen(QPen(QColor(240, 224, 192), std::max(1.0, r.height() / 10)));
    p.drawPath(wave);
    p.setBrush(QColor(224, 96, 64));
    p.setPen(Qt::NoPen);
    const double d = r.width() / 5;
    p.drawEllipse(QPointF(r.left(), r.top()), d, d);
    p.drawEllipse(QPointF(r.right(), r.top()), d, d);
    p.drawEllipse(QPointF(r.left(), r.bottom()), d, d);
    p.drawEllipse(QPointF(r.right(), r.bottom()), d, d);
}

QImage blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paintPage(QPainter &p, int s, const QColor &fill)
{
    const double m = s * 0.18;
    QPainterPath page;
    page.moveTo(m, m * 0.6);
    page.lineTo(s - m - s * 0.2, m * 0.6);
    page.lineTo(s - m, m * 0.6 + s * 0.2);
    page.lineTo(s - m, s - m * 0.6);
    page.lineTo(m, s - m * 0.6);
    page.closeSubpath();
    p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
    p.setBrush(fill);
    p.drawPath(page);
}

void paintArrow(QPainter &p, int s, bool back)
{
    const double w = std::max(2.0, s / 8.0);
    p.setPen(QPen(QColor(32, 96, 32), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(s * 0.2, s * 0.3, s * 0.6, s * 0.5);
    p.drawArc(arc, back ? 0 : 180 * 16, back ? 180 * 16 : -180 * 16);
    const QPointF tip = back ? QPointF(s * 0.2, s * 0.55) : QPointF(s * 0.8, s * 0.55);
    const double dir = back ? 1 : -1;
    p.drawLine(tip, tip + QPointF(-dir * s * 0.12, -s * 0.14));
    p.drawLine(tip, tip + QPointF(dir * s * 0.14, -s * 0.08));
}

void paintWindowToggle(QPainter &p, int s, const QString &glyph)
{
    p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(s * 0.12, s * 0.15, s * 0.76, s * 0.7));
    p.fillRect(QRectF(s * 0.12, s * 0.15, s * 0.76, s * 0.15), QColor(32, 64, 160));
    QFont f;
    f.setPixelSize(std::max(6, s / 2));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(s * 0.12, s * 0.3, s * 0.76, s * 0.55), Qt::AlignCenter, glyph);
}

// A light tile with a dark outline, the ground of the seam icons.
void paintTileFrame(QPainter &p, int s)
{
    p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
    p.setBrush(QColor(200, 225, 250));
    p.drawRect(QRectF(s * 0.14, s * 0.14, s * 0.72, s * 0.72));
}

} // namespace

QImage drawNineTileMotif(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double tw = width / 3.0, th = height / 3.0;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF r(col * tw, row * th, tw, th);
            p.save();
            p.setClipRect(r);
            paintTile(p, r);
            p.restore();
        }
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max(1.0, width / 120.0), Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(tw, th, tw, th));
    return image;
}

QImage drawCaptureIcon(int size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(Qt::black, std::max(1.0, s / 24)));
    p.setBrush(QColor(64, 128, 200));
    p.drawRect(QRectF(s * 0.08, s * 0.12, s * 0.84, s * 0.6));
    p.drawLine(QPointF(s * 0.5, s * 0.72), QPointF(s * 0.5, s * 0.86));
    p.drawLine(QPointF(s * 0.3, s * 0.88), QPointF(s * 0.7, s * 0.88));
    p.setPen(QPen(Qt::white, std::max(1.0, s / 20), Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s * 0.25, s * 0.25, s * 0.4, s * 0.32));
    return image;
}

QImage drawToolbarIcon(const QString &key, int size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int s = size;
    const QString k = key;
    if (k == QLatin1String("a")) { // New: a blank page with a star
        paintPage(p, s, Qt::white);
        p.setPen(QPen(QColor(230, 170, 0), std::max(1.0, s / 12.0)));
        p.drawLine(QPointF(s * 0.62, s * 0.1), QPointF(s * 0.62, s * 0.34));
        p.drawLine(QPointF(s * 0.5, s * 0.22), QPointF(s * 0.74, s * 0.22));
    } else if (k == QLatin1String("b")) { // Open: a folder
        p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(QRectF(s * 0.1, s * 0.3, s * 0.8, s * 0.55));
        p.drawRect(QRectF(s * 0.1, s * 0.2, s * 0.35, s * 0.12));
    } else if (k == QLatin1String("c")) { // Save: a diskette
        p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
        p.setBrush(QColor(60, 90, 160));
        p.drawRect(QRectF(s * 0.14, s * 0.14, s * 0.72, s * 0.72));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.28, s * 0.14, s * 0.44, s * 0.26));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(s * 0.26, s * 0.56, s * 0.48, s * 0.3));
    } else if (k == QLatin1String("l")) { // Copy image: two overlapping pictures
        p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
        p.setBrush(QColor(180, 210, 240));
        p.drawRect(QRectF(s * 0.1, s * 0.1, s * 0.5, s * 0.5));
        p.setBrush(QColor(120, 170, 230));
        p.drawRect(QRectF(s * 0.4, s * 0.4, s * 0.5, s * 0.5));
    } else if (k == QLatin1String("m")) { // Paste image: a clipboard with a picture
        p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
        p.setBrush(QColor(190, 140, 80));
        p.drawRect(QRectF(s * 0.15, s * 0.15, s * 0.6, s * 0.75));
        p.setBrush(QColor(120, 170, 230));
        p.drawRect(QRectF(s * 0.38, s * 0.42, s * 0.52, s * 0.48));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(s * 0.32, s * 0.08, s * 0.26, s * 0.12));
    } else if (k == QLatin1String("f")) {
        paintArrow(p, s, true);
    } else if (k == QLatin1String("g")) {
        paintArrow(p, s, false);
    } else if (k == QLatin1String("h")) {
        paintWindowToggle(p, s, QStringLiteral("T"));
    } else if (k == QLatin1String("i")) {
        paintWindowToggle(p, s, QStringLiteral("O"));
    } else if (k == QLatin1String("j")) { // Zoom window: a magnifier
        p.setPen(QPen(Qt::black, std::max(2.0, s / 10.0), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QRectF(s * 0.15, s * 0.15, s * 0.45, s * 0.45));
        p.drawLine(QPointF(s * 0.55, s * 0.55), QPointF(s * 0.85, s * 0.85));
    } else if (k == QLatin1String("n")) {
        p.end();
        return drawCaptureIcon(size);
    } else if (k == QLatin1String("k")) { // View picture: the tiling
        p.end();
        QImage motif = drawNineTileMotif(size, size);
        return motif;
    } else if (k == QLatin1String("d")) { // About: an "i" in a circle
        p.setPen(QPen(QColor(32, 64, 160), std::max(1.0, s / 16.0)));
        p.setBrush(QColor(220, 235, 255));
        p.drawEllipse(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
        QFont f;
        f.setPixelSize(std::max(6, s * 6 / 10));
        f.setBold(true);
        f.setItalic(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("i"));
    } else if (k == QLatin1String("o")) { // Wrap at edges: a stroke leaving one edge and coming in at the other
        paintTileFrame(p, s);
        p.setPen(QPen(QColor(200, 30, 30), std::max(2.0, s / 10.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.45, s * 0.5), QPointF(s * 0.98, s * 0.5));
        p.drawLine(QPointF(s * 0.02, s * 0.5), QPointF(s * 0.3, s * 0.5));
        p.drawLine(QPointF(s * 0.3, s * 0.5), QPointF(s * 0.2, s * 0.4));
        p.drawLine(QPointF(s * 0.3, s * 0.5), QPointF(s * 0.2, s * 0.6));
    } else if (k == QLatin1String("p")) { // Offset by half: the four quarters swapped round a cross
        const double m = s * 0.12, h = (s - 2 * m) / 2;
        const QColor a(64, 128, 200), b(240, 200, 80);
        p.fillRect(QRectF(m, m, h, h), a);
        p.fillRect(QRectF(m + h, m + h, h, h), a);
        p.fillRect(QRectF(m + h, m, h, h), b);
        p.fillRect(QRectF(m, m + h, h, h), b);
        p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(m, m, 2 * h, 2 * h));
        p.setPen(QPen(QColor(200, 30, 30), std::max(2.0, s / 12.0), Qt::DashLine));
        p.drawLine(QPointF(s * 0.5, m), QPointF(s * 0.5, s - m));
        p.drawLine(QPointF(m, s * 0.5), QPointF(s - m, s * 0.5));
    } else if (k == QLatin1String("q")) { // Make seamless: a seam closed, with a tick
        paintTileFrame(p, s);
        p.setPen(QPen(QColor(120, 120, 120), std::max(1.0, s / 24.0), Qt::DotLine));
        p.drawLine(QPointF(s * 0.5, s * 0.14), QPointF(s * 0.5, s * 0.86));
        p.setPen(QPen(QColor(30, 150, 30), std::max(2.0, s / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(s * 0.28, s * 0.52);
        tick.lineTo(s * 0.44, s * 0.7);
        tick.lineTo(s * 0.76, s * 0.3);
        p.drawPath(tick);
    } else if (k == QLatin1String("s")) { // Even out lighting: a patchy half above an even one
        paintTileFrame(p, s);
        QRadialGradient patch(QPointF(s * 0.35, s * 0.3), s * 0.3);
        patch.setColorAt(0, QColor(255, 240, 150));
        patch.setColorAt(1, QColor(90, 110, 150));
        p.fillRect(QRectF(s * 0.14, s * 0.14, s * 0.72, s * 0.34), patch);
        p.fillRect(QRectF(s * 0.14, s * 0.52, s * 0.72, s * 0.34), QColor(170, 175, 150));
        p.setPen(QPen(QColor(30, 150, 30), std::max(2.0, s / 12.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.14, s * 0.5), QPointF(s * 0.86, s * 0.5));
    } else if (k == QLatin1String("r")) { // Dim copies: the picture bright among eight grey copies
        p.end();
        QImage motif = drawNineTileMotif(size, size);
        QPainter dim(&motif);
        const double third = size / 3.0;
        const QRegion ring = QRegion(0, 0, size, size) - QRegion(QRectF(third, third, third, third).toAlignedRect());
        dim.setClipRegion(ring);
        dim.fillRect(motif.rect(), QColor(128, 128, 128, 160));
        return motif;
    } else if (k == QLatin1String("e")) { // Quit: a door with an arrow
        p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
        p.setBrush(QColor(150, 90, 40));
        p.drawRect(QRectF(s * 0.15, s * 0.1, s * 0.4, s * 0.8));
        p.setPen(QPen(QColor(200, 30, 30), std::max(2.0, s / 10.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.45, s * 0.5), QPointF(s * 0.9, s * 0.5));
        p.drawLine(QPointF(s * 0.9, s * 0.5), QPointF(s * 0.75, s * 0.36));
        p.drawLine(QPointF(s * 0.9, s * 0.5), QPointF(s * 0.75, s * 0.64));
    }
    return image;
}

} // namespace quill
