#include "toolbox/operation_faces.h"

#include "document/pattern.h"
#include "surface/scripted_host.h"
#include "toolbox/button_faces.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

constexpr Colour kFaceForeground = rgb(20, 40, 120);
constexpr Colour kFaceBackground = rgb(250, 210, 60);

enum class Sample { Plain, Colourful, SharpEdges };

// How a face is made: on which sample, how often the click runs (a single
// step of 20 hardly shows on 21 pixels), and what else the click needs.
struct FaceRecipe {
    Sample sample = Sample::Plain;
    int runs = 1;
    bool mergeImage = false;    // the merges need a second image loaded
    bool samplePattern = false; // the pattern commands and tilings need a pattern
    bool showPattern = false;   // the face is the pattern afterwards, not the picture
    int scale = 1;              // drawn this many times larger, then reduced
    bool bands = false;         // colours rounded to a few levels, so outlines show
};

QImage inBands(QImage image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto level = [](int v) { return std::min(255, v / 64 * 64 + 32); };
            line[x] = qRgb(level(qRed(line[x])), level(qGreen(line[x])), level(qBlue(line[x])));
        }
    }
    return image;
}

bool named(const Operation &op, std::initializer_list<const char *> names)
{
    for (const char *n : names)
        if (op.name == QLatin1String(n))
            return true;
    return false;
}

FaceRecipe recipeFor(const Operation &op)
{
    FaceRecipe r;
    if (named(op, {"Command20", "Command21", "Command41", "Command42", "Command43", "Command44", "Command45",
                   "Command46", "Command47", "Command48"})) {
        r.sample = Sample::Colourful;
        r.runs = 3;
    } else if (named(op, {"Command90", "Command91", "Command92", "Command93", "Command94", "Command95"})) {
        r.sample = Sample::Colourful;
    } else if (named(op, {"Command54"})) {
        r.sample = Sample::SharpEdges;
        r.runs = 2;
    } else if (named(op, {"Command84", "Command85", "Command86", "Command87", "Command88", "Command89", "Command58",
                          "Command66"})) {
        r.sample = Sample::Colourful;
        r.mergeImage = true;
    } else if (named(op, {"Command14", "Command15", "Command26", "Command27", "Command28", "Command29", "Command51"})) {
        // Smooth rings one face wide hardly differ: drawn larger, then shown as
        // a few bands, circles and squares keep their outlines.
        r.scale = 4;
        r.bands = true;
    } else if (named(op, {"Command67", "Command68", "Command57"})) {
        r.samplePattern = true;
    } else if (op.alias.startsWith(QLatin1String("pattern-"))) {
        r.samplePattern = true;
        r.showPattern = true;
    }
    return r;
}

QImage sampleOf(Sample sample, int size)
{
    switch (sample) {
    case Sample::Colourful:
        return colourfulSample(size);
    case Sample::SharpEdges:
        return sharpEdgeSample(size);
    case Sample::Plain:
        break;
    }
    return faceSample(size);
}

// A sea-green picture with a magenta ring: turned to one hue and blended in,
// each tint colours the face its own way, and the plain blend keeps its hues.
QImage mergeSample(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(40, 220, 160));
    QPainter p(&image);
    p.setPen(QPen(QColor(230, 40, 200), std::max(1.0, size / 7.0)));
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 3.2, size / 3.2);
    return image;
}

// An F in three light colours on transparent cells: every turn and mirror
// of it looks different, and each tint colours it differently.
void setSamplePattern(Pattern &pattern)
{
    pattern.clear();
    const auto cell = [&](int row, int column, Colour c) {
        pattern.setCell(row * kPatternSide + column, QString::number(c));
    };
    for (int row = 1; row <= 10; ++row)
        for (int column = 2; column <= 4; ++column)
            cell(row, column, rgb(240, 120, 120));
    for (int column = 5; column <= 10; ++column)
        for (int row = 1; row <= 3; ++row)
            cell(row, column, rgb(120, 220, 120));
    for (int column = 5; column <= 8; ++column)
        for (int row = 5; row <= 6; ++row)
            cell(row, column, rgb(150, 170, 250));
}

// The 12 x 12 cells blown up inside a dark frame, as the editor's grid
// shows them, transparent cells as paper.
QImage patternPicture(const Pattern &pattern, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(toQRgb(TransparentCellColour));
    const int inner = size - 2;
    for (int y = 0; y < inner; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y + 1)) + 1;
        const int row = y * kPatternSide / inner;
        for (int x = 0; x < inner; ++x) {
            const auto k = static_cast<std::size_t>(row * kPatternSide + x * kPatternSide / inner);
            const auto colour = cellColour(pattern.PatternCells[k]);
            line[x] = colour ? toQRgb(*colour) : qRgb(250, 250, 244);
        }
    }
    return image;
}

// Buttons whose click opens a dialog: an arrow into (open) or out of (save)
// what they fill, a picture frame or the pattern grid.
} // namespace

QImage dialogButtonFace(bool pattern, bool save, int size)
{
    QImage image = plainFace(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 21.0, size / 21.0);
    // The target: a framed picture or a 3 x 3 grid, in the lower right.
    p.setPen(QPen(QColor(20, 40, 120), 1));
    if (pattern) {
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                p.fillRect(QRectF(9 + 3.6 * i, 9 + 3.6 * j, 3, 3),
                           (i + j) % 2 ? QColor(240, 120, 120) : QColor(120, 220, 120));
    } else {
        p.fillRect(QRectF(9, 9, 11, 11), QColor(150, 200, 250));
        p.fillRect(QRectF(9, 15, 11, 5), QColor(80, 160, 80));
        p.drawRect(QRectF(9, 9, 11, 11));
    }
    // A folder in the upper left and the arrow between them.
    p.setBrush(QColor(230, 180, 60));
    p.drawRect(QRectF(1, 2, 8, 6));
    p.drawRect(QRectF(1, 1, 3, 1.5));
    p.setPen(QPen(QColor(200, 30, 40), 2));
    const QPointF from = save ? QPointF(12, 12) : QPointF(6, 6);
    const QPointF to = save ? QPointF(5, 5) : QPointF(12, 12);
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 3 + n * 2.5);
    p.drawLine(to, to - d * 3 - n * 2.5);
    return image;
}

QImage colourfulSample(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = QColor::fromHsv(360 * x / size % 360, 170, 200 - 110 * y / size).rgb();
    }
    return image;
}

QImage sharpEdgeSample(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    const int square = std::max(2, size / 5);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = (x / square + y / square) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return image;
}

QImage operationButtonFace(const Operation &operation, int size)
{
    if (named(operation, {"Command59"})) // opens the merge image's file dialog
        return dialogButtonFace(false, false, size);
    if (!operation.run)
        return plainFace(size);
    const FaceRecipe recipe = recipeFor(operation);
    // A private session: nothing reaches the user's picture, the undo files or a dialog.
    ScriptedHost host;
    Session preview(host);
    preview.undo.recording = false;
    preview.random.seed(1);
    preview.state.LeftColour = kFaceForeground;
    preview.state.RightColour = kFaceBackground;
    preview.document.replaceWith(sampleOf(recipe.sample, size * recipe.scale));
    if (recipe.mergeImage)
        preview.merge.setPicture(mergeSample(size));
    if (recipe.samplePattern)
        setSamplePattern(preview.pattern);
    for (int i = 0; i < recipe.runs; ++i)
        operation.run(preview);
    if (recipe.showPattern)
        return patternPicture(preview.pattern, size);
    QImage result = preview.document.picture().Image().copy();
    if (result.size() != QSize(size, size))
        result = result.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return recipe.bands ? inBands(result.convertToFormat(QImage::Format_RGB32)) : result;
}

} // namespace quill
