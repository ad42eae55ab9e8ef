#include "document/pattern.h"

#include "document/pixel_framework.h"
#include "document/session.h"
#include "surface/numeric_rules.h"

#include <algorithm>

namespace quill {

namespace {
constexpr int kLeft = 1;
constexpr int kRight = 2;
} // namespace

void Pattern::clear()
{
    PatternCells.fill(QStringLiteral("T"));
    GridColours.fill(TransparentCellColour);
}

void Pattern::setCell(int k, const QString &value)
{
    if (k < 0 || k >= kPatternCells)
        return;
    PatternCells[static_cast<std::size_t>(k)] = value;
    GridColours[static_cast<std::size_t>(k)] = gridColourOf(value);
}

std::optional<Colour> cellColour(const QString &value)
{
    if (value.isEmpty() || value.size() > 8)
        return std::nullopt;
    for (QChar ch : value)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
    const int number = value.toInt();
    if (number > kLargestColour)
        return std::nullopt;
    return number;
}

Colour gridColourOf(const QString &value) { return cellColour(value).value_or(TransparentCellColour); }

void editPatternCell(Session &session, int k, int button)
{
    if (k < 0 || k >= kPatternCells || (button != kLeft && button != kRight))
        return;
    Pattern &pattern = session.pattern;
    if (pattern.TransparentMode) {
        if (!pattern.GridPickColourTransparent)
            pattern.setCell(k, QStringLiteral("T"));
    } else if (!pattern.GridPickColour) {
        const Colour c = button == kLeft ? session.state.LeftColour : session.state.RightColour;
        pattern.setCell(k, QString::number(c));
    } else if (const auto c = cellColour(pattern.PatternCells[static_cast<std::size_t>(k)])) {
        session.state.LeftColour = *c;
    }
}

namespace {

// Index of the old cell that lands at (i, j).
int sourceOf(PatternTurn turn, int i, int j)
{
    constexpr int last = kPatternSide - 1;
    switch (turn) {
    case PatternTurn::QuarterLeft: // new (11 - j, i) = old (i, j), so new (i, j) = old (j, 11 - i)
        return j * kPatternSide + (last - i);
    case PatternTurn::QuarterRight:
        return (last - j) * kPatternSide + i;
    case PatternTurn::MirrorH:
        return i * kPatternSide + (last - j);
    case PatternTurn::MirrorV:
        return (last - i) * kPatternSide + j;
    case PatternTurn::Half:
        return (last - i) * kPatternSide + (last - j);
    }
    return i * kPatternSide + j;
}

} // namespace

void turnPattern(Pattern &pattern, PatternTurn turn)
{
    PatternValues turned;
    for (int i = 0; i < kPatternSide; ++i)
        for (int j = 0; j < kPatternSide; ++j)
            turned[static_cast<std::size_t>(i * kPatternSide + j)] =
                pattern.PatternCells[static_cast<std::size_t>(sourceOf(turn, i, j))];
    for (int k = 0; k < kPatternCells; ++k)
        pattern.setCell(k, turned[static_cast<std::size_t>(k)]);
}

void fillPattern(Session &session)
{
    Pattern &pattern = session.pattern;
    const QString value = pattern.TransparentMode ? QStringLiteral("T") : QString::number(session.state.RightColour);
    for (int k = 0; k < kPatternCells; ++k)
        pattern.setCell(k, value);
}

void recolourPattern(Pattern &pattern, PatternTint tint)
{
    for (int k = 0; k < kPatternCells; ++k) {
        const auto c = cellColour(pattern.PatternCells[static_cast<std::size_t>(k)]);
        if (!c)
            continue;
        const SplitComponents s = splitComponents(*c);
        const int g = GreyLevel(s.red, s.green, s.blue);
        Colour tinted = 0;
        switch (tint) {
        case PatternTint::Blue:
            tinted = rgb(0, 0, g);
            break;
        case PatternTint::Green:
            tinted = rgb(0, g, 0);
            break;
        case PatternTint::Red:
            tinted = rgb(g, 0, 0);
            break;
        case PatternTint::Yellow:
            tinted = rgb(g, g, 0);
            break;
        case PatternTint::Purple:
            tinted = rgb(g, 0, g);
            break;
        case PatternTint::Grey:
            tinted = rgb(g, g, g);
            break;
        }
        pattern.setCell(k, QString::number(tinted));
    }
}

namespace {

// Per channel (a + b) / 2 with a half going to the even neighbour: the odd
// sum's lower half goes up by one exactly when it is odd.
constexpr QRgb blendHalves(QRgb d, QRgb p)
{
    QRgb out = 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const QRgb sum = ((d >> shift) & 255) + ((p >> shift) & 255);
        const QRgb down = sum >> 1;
        out |= (down + (sum & down & 1)) << shift;
    }
    return out;
}

} // namespace

void applyPattern(Session &session, PatternTiling tiling)
{
    beginOperation(session, true, OperationLayers::InPlace);
    Surface &picture = session.document.layer(0);

    // What each cell does to its pixel, per cell row. Merge by pixels starts
    // every cell row with its alternation at "leave", and only coloured cells
    // move it on, so which cells paint is fixed per row.
    struct CellRow {
        std::array<QRgb, kPatternSide> colour{};
        std::array<bool, kPatternSide> used{};
    };
    std::array<CellRow, kPatternSide> rows;
    for (int i = 0; i < kPatternSide; ++i) {
        bool paintNext = false;
        for (int j = 0; j < kPatternSide; ++j) {
            const auto cell = cellColour(session.pattern.PatternCells[static_cast<std::size_t>(i * kPatternSide + j)]);
            if (!cell)
                continue;
            rows[static_cast<std::size_t>(i)].colour[static_cast<std::size_t>(j)] = toQRgb(*cell);
            rows[static_cast<std::size_t>(i)].used[static_cast<std::size_t>(j)] =
                tiling != PatternTiling::ByPixels || paintNext;
            paintNext = !paintNext;
        }
    }

    // Tiles 0..round(H / 11) down and 0..round(W / 11) across: 11 rather than 12,
    // so the last tile row and column always reach past the edges, where the
    // points change nothing.
    const std::int64_t tilesDown = roundHalfEven(picture.ScaleHeight() / 11.0) + 1;
    const std::int64_t tilesAcross = roundHalfEven(picture.ScaleWidth() / 11.0) + 1;
    QImage &image = picture.raster();
    const int yEnd = static_cast<int>(std::min<std::int64_t>(image.height(), 12 * tilesDown));
    const int xEnd = static_cast<int>(std::min<std::int64_t>(image.width(), 12 * tilesAcross));
    const bool blend = tiling == PatternTiling::Merge;
    // The walk visits pixel (12c + j, 12r + i) for cell k = 12i + j of every
    // tile, so it can go in memory order. The canvas's ClickStage is left alone:
    // a shape half drawn before the click is still half drawn after it.
    for (int y = 0; y < yEnd; ++y) {
        const CellRow &row = rows[static_cast<std::size_t>(y % kPatternSide)];
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x0 = 0; x0 < xEnd; x0 += kPatternSide) {
            const int cellsHere = std::min(kPatternSide, xEnd - x0);
            QRgb *pixel = line + x0;
            for (int j = 0; j < cellsHere; ++j) {
                if (!row.used[static_cast<std::size_t>(j)])
                    continue;
                const QRgb colour = row.colour[static_cast<std::size_t>(j)];
                pixel[j] = blend ? blendHalves(pixel[j], colour) : colour;
            }
        }
    }
    picture.changedAll();
    endOperation(session, OperationLayers::InPlace);
}

} // namespace quill
