#include "support/photo_tiles.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace quill::testing {

namespace {

// Smooth noise: random values on a grid `cell` pixels apart, eased between.
// Not periodic, so it differs at opposite edges as a photo does.
class ValueNoise {
public:
    ValueNoise(int width, int height, int cell, std::mt19937 &rng)
        : cell_(cell), columns_(width / cell + 3), values_(static_cast<std::size_t>(columns_ * (height / cell + 3)))
    {
        for (float &v : values_)
            v = static_cast<float>(rng() % 1000) / 999.0f;
    }
    float at(int x, int y) const
    {
        const float fx = static_cast<float>(x) / cell_, fy = static_cast<float>(y) / cell_;
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const float tx = ease(fx - ix), ty = ease(fy - iy);
        const float top = lerp(grid(ix, iy), grid(ix + 1, iy), tx);
        const float bottom = lerp(grid(ix, iy + 1), grid(ix + 1, iy + 1), tx);
        return lerp(top, bottom, ty);
    }

private:
    static float ease(float t) { return t * t * (3 - 2 * t); }
    static float lerp(float a, float b, float t) { return a + (b - a) * t; }
    float grid(int x, int y) const { return values_[static_cast<std::size_t>(y * columns_ + x)]; }

    int cell_;
    int columns_;
    std::vector<float> values_;
};

// Three octaves of value noise, about 0..1.
class Fractal {
public:
    Fractal(int width, int height, int cell, std::mt19937 &rng)
        : coarse_(width, height, cell, rng), middle_(width, height, std::max(2, cell / 2), rng),
          fine_(width, height, std::max(2, cell / 4), rng)
    {
    }
    float at(int x, int y) const { return 0.55f * coarse_.at(x, y) + 0.3f * middle_.at(x, y) + 0.15f * fine_.at(x, y); }

private:
    ValueNoise coarse_, middle_, fine_;
};

int rand(std::mt19937 &rng, int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; }

// Sensor grain and a light falling off across the frame, on top of any picture.
void grainAndLight(QImage &image, std::mt19937 &rng, int grain, float lightFrom, float lightTo)
{
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float light = lightFrom + (lightTo - lightFrom) * (0.6f * x / w + 0.4f * y / h);
            const int g = rand(rng, 2 * grain + 1) - grain;
            auto c = [&](int v) { return std::clamp(static_cast<int>(v * light) + g, 0, 255); };
            line[x] = qRgb(c(qRed(line[x])), c(qGreen(line[x])), c(qBlue(line[x])));
        }
    }
}

QImage shaded(int w, int h, const std::function<QRgb(int, int)> &colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, colour(x, y));
    return image;
}

QRgb scaled(int r, int g, int b, float f)
{
    auto c = [f](int v) { return std::clamp(static_cast<int>(static_cast<float>(v) * f), 0, 255); };
    return qRgb(c(r), c(g), c(b));
}

QImage bricks(int w, int h, std::mt19937 &rng)
{
    const Fractal surface(w, h, 12, rng);
    const int courseHeight = 15, brickWidth = 36, mortar = 3;
    std::vector<int> tone(static_cast<std::size_t>((h / courseHeight + 2) * (w / brickWidth + 3)));
    for (int &t : tone)
        t = rand(rng, 60);
    return shaded(w, h, [&](int x, int y) {
        const int course = y / courseHeight;
        const int shifted = x + (course % 2) * brickWidth / 2 + 7;
        const float grain = 0.75f + 0.5f * surface.at(x, y);
        if (y % courseHeight < mortar || shifted % brickWidth < mortar)
            return scaled(190, 185, 175, grain);
        const int t = tone[static_cast<std::size_t>(course * (w / brickWidth + 3) + shifted / brickWidth)];
        return scaled(140 + t, 60 + t / 2, 45 + t / 3, grain);
    });
}

QImage grass(int w, int h, std::mt19937 &rng)
{
    const Fractal soil(w, h, 20, rng);
    QImage image = shaded(w, h, [&](int x, int y) { return scaled(30, 70, 25, 0.6f + 0.8f * soil.at(x, y)); });
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int blades = w * h / 60;
    for (int i = 0; i < blades; ++i) {
        const QPointF base(rand(rng, w + 20) - 10, rand(rng, h + 30));
        const double length = 8 + rand(rng, 22), lean = (rand(rng, 21) - 10) / 10.0;
        const int green = 90 + rand(rng, 140);
        p.setPen(QPen(QColor(green / 3 + rand(rng, 30), green, green / 4), 1 + rand(rng, 2) * 0.6));
        p.drawLine(base, base + QPointF(lean * length * 0.4, -length));
    }
    return image;
}

QImage gravel(int w, int h, std::mt19937 &rng)
{
    struct Stone {
        float x, y;
        QRgb colour;
    };
    std::vector<Stone> stones;
    const int spacing = 11;
    for (int y = -spacing; y < h + spacing; y += spacing)
        for (int x = -spacing; x < w + spacing; x += spacing) {
            const int grey = 90 + rand(rng, 120);
            stones.push_back({static_cast<float>(x + rand(rng, spacing)), static_cast<float>(y + rand(rng, spacing)),
                              qRgb(grey, grey - rand(rng, 25), grey - rand(rng, 45))});
        }
    const Fractal speckle(w, h, 4, rng);
    return shaded(w, h, [&](int x, int y) {
        float best = 1e9f, second = 1e9f;
        QRgb colour = 0;
        for (const Stone &s : stones) {
            if (std::abs(s.x - x) > 2.5f * spacing || std::abs(s.y - y) > 2.5f * spacing)
                continue;
            const float d = std::hypot(s.x - x, s.y - y);
            if (d < best) {
                second = best;
                best = d;
                colour = s.colour;
            } else if (d < second) {
                second = d;
            }
        }
        // Darker in the cracks between stones, rounded towards their middles.
        const float edge = std::min(1.0f, (second - best) / 4.0f);
        return scaled(qRed(colour), qGreen(colour), qBlue(colour),
                      (0.35f + 0.65f * edge) * (0.8f + 0.4f * speckle.at(x, y)));
    });
}

QImage face(int w, int h, std::mt19937 &rng)
{
    const Fractal backdrop(w, h, 30, rng);
    QImage image = shaded(w, h, [&](int x, int y) {
        return scaled(70 + 60 * x / w, 90, 130 - 40 * y / h, 0.7f + 0.6f * backdrop.at(x, y));
    });
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Off centre, so the face runs over the right and bottom edges.
    const QPointF centre(w * 0.62, h * 0.58);
    const double rx = w * 0.34, ry = h * 0.42;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 25));
    p.drawEllipse(centre + QPointF(0, -ry * 0.25), rx * 1.1, ry * 0.95);
    QRadialGradient skin(centre - QPointF(rx * 0.3, ry * 0.3), rx * 1.4);
    skin.setColorAt(0, QColor(240, 200, 170));
    skin.setColorAt(1, QColor(170, 115, 85));
    p.setBrush(skin);
    p.drawEllipse(centre, rx, ry);
    p.setBrush(QColor(40, 30, 30));
    for (int side : {-1, 1})
        p.drawEllipse(centre + QPointF(side * rx * 0.38, -ry * 0.2), rx * 0.12, ry * 0.07);
    p.setPen(QPen(QColor(150, 60, 60), std::max(2.0, w / 60.0)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - rx * 0.4, centre.y() + ry * 0.1, rx * 0.8, ry * 0.45), 200 * 16, 140 * 16);
    return image;
}

QImage starField(int w, int h, std::mt19937 &rng)
{
    const Fractal nebula(w, h, 40, rng);
    QImage image = shaded(w, h, [&](int x, int y) {
        const float n = nebula.at(x, y);
        return scaled(static_cast<int>(40 * n * n), static_cast<int>(15 * n), static_cast<int>(70 * n), 1.0f);
    });
    for (int i = 0; i < w * h / 90; ++i) {
        const int x = rand(rng, w), y = rand(rng, h);
        // Few bright stars, many faint ones.
        const int bright = 60 + static_cast<int>(195 * std::pow(rand(rng, 1000) / 1000.0, 4));
        image.setPixel(x, y, qRgb(bright, bright, std::min(255, bright + 20)));
        if (bright > 180)
            for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                if (image.rect().contains(QPoint(x, y) + d))
                    image.setPixel(QPoint(x, y) + d, qRgb(bright / 2, bright / 2, bright / 2 + 20));
    }
    return image;
}

} // namespace

namespace {

struct Recipe {
    Photo kind;
    const char *name;
    QImage (*paint)(int, int, std::mt19937 &);
    int grain;
};

const Recipe kRecipes[] = {
    {Photo::Bricks, "bricks", bricks, 6},      {Photo::Grass, "grass", grass, 6},
    {Photo::Gravel, "gravel", gravel, 6},      {Photo::Face, "face", face, 4},
    {Photo::StarField, "stars", starField, 3},
};

const Recipe &recipe(Photo kind)
{
    for (const Recipe &r : kRecipes)
        if (r.kind == kind)
            return r;
    return kRecipes[0];
}

} // namespace

const char *photoName(Photo kind) { return recipe(kind).name; }

QImage photoTile(Photo kind, int width, int height)
{
    std::mt19937 rng(static_cast<unsigned>(kind) * 7919u + static_cast<unsigned>(width * 31 + height));
    const Recipe &r = recipe(kind);
    QImage image = r.paint(width, height, rng);
    grainAndLight(image, rng, r.grain, 0.8f, 1.15f);
    return image;
}

QImage blobTile(QSize size, QPoint centre, double lift, unsigned seed)
{
    std::mt19937 rng(seed);
    const int w = size.width(), h = size.height();
    const double radius = std::max(w, h) / 6.0;
    return shaded(w, h, [&](int x, int y) {
        const double dx = std::min(std::abs(x - centre.x()), w - std::abs(x - centre.x()));
        const double dy = std::min(std::abs(y - centre.y()), h - std::abs(y - centre.y()));
        const double blob = lift * std::exp(-(dx * dx + dy * dy) / (2 * radius * radius));
        const int v = std::clamp(static_cast<int>(std::lround(110 + blob)) + rand(rng, 81) - 40, 0, 255);
        return qRgb(v, std::clamp(v + 10, 0, 255), std::clamp(v - 20, 0, 255));
    });
}

} // namespace quill::testing
