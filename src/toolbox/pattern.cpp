#include "toolbox/pattern.h"

#include "shell/session.h"
#include "surface/numeric_rules.h"
#include "toolbox/pixel_framework.h"

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

// (a + b) / 2 with a half going to the even neighbour.
constexpr int halfSumEven(int a, int b)
{
    const int sum = a + b;
    const int down = sum / 2;
    return (sum % 2 == 0 || down % 2 == 0) ? down : down + 1;
}

constexpr Colour blendHalves(Colour d, Colour p)
{
    return rgb(halfSumEven(redOf(d), redOf(p)), halfSumEven(greenOf(d), greenOf(p)), halfSumEven(blueOf(d), blueOf(p)));
}

} // namespace

void applyPattern(Session &session, PatternTiling tiling)
{
    beginOperation(session, true, OperationLayers::InPlace);
    Surface &picture = session.document.layer(0);

    std::array<std::optional<Colour>, kPatternCells> cells;
    for (int k = 0; k < kPatternCells; ++k)
        cells[static_cast<std::size_t>(k)] = cellColour(session.pattern.PatternCells[static_cast<std::size_t>(k)]);

    QImage &image = picture.raster();
    const int width = image.width();
    const int height = image.height();
    // 11 rather than 12, so the last tile row and column always reach past the edges.
    const auto tileRows = roundHalfEven(picture.ScaleHeight() / 11.0);
    int &k = session.state.ClickStage;
    k = 0;
    for (std::int64_t r = 0; r <= tileRows; ++r) {
        const auto tileColumns = roundHalfEven(picture.ScaleWidth() / 11.0);
        for (std::int64_t c = 0; c <= tileColumns; ++c) {
            for (int i = 0; i < kPatternSide; ++i) {
                const std::int64_t y = 12 * r + i;
                QRgb *line = y < height ? reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y))) : nullptr;
                bool paintNext = false; // the alternation of merge by pixels, fresh in every cell row
                for (int j = 0; j < kPatternSide; ++j) {
                    const auto cell = cells[static_cast<std::size_t>(k)];
                    const std::int64_t x = 12 * c + j;
                    if (cell) {
                        QRgb *pixel = line && x < width ? line + x : nullptr;
                        switch (tiling) {
                        case PatternTiling::Draw:
                            if (pixel)
                                *pixel = toQRgb(*cell);
                            break;
                        case PatternTiling::Merge:
                            if (pixel)
                                *pixel = toQRgb(blendHalves(fromQRgb(*pixel), *cell));
                            break;
                        case PatternTiling::ByPixels:
                            if (pixel && paintNext)
                                *pixel = toQRgb(*cell);
                            paintNext = !paintNext;
                            break;
                        }
                    }
                    if (++k == kPatternCells)
                        k = 0;
                }
            }
        }
    }
    picture.changedAll();
    endOperation(session, OperationLayers::InPlace);
}

} // namespace quill
