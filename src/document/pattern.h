// The toolbox's 12 x 12 pattern: its cells, the grid colours the editor shows,
// the three editor flags, the cell edits and whole-pattern commands, and the
// three operations that tile the pattern over the picture.
// Called by the pattern panel, the pattern dialogs, the toolbox operations and
// the batch runner. Never touches widgets; files live in pattern_files.h.
#pragma once

#include "surface/colour.h"

#include <QString>

#include <array>
#include <optional>

namespace quill {

struct Session;

inline constexpr int kPatternSide = 12;
inline constexpr int kPatternCells = kPatternSide * kPatternSide;
// What the grid shows for a transparent cell.
inline constexpr Colour TransparentCellColour = rgb(50, 50, 100);
inline constexpr Colour kLargestColour = 16777215;

using PatternValues = std::array<QString, kPatternCells>;

struct Pattern {
    // Cell k at row k / 12, column k % 12: "T", a colour as decimal text, or ""
    // (empty counts as transparent everywhere).
    PatternValues PatternCells;
    // What each cell of the toolbox grid im(k) shows. The grid normally mirrors
    // the cells, but a preview in the open dialog changes the cells only.
    std::array<Colour, kPatternCells> GridColours{};
    bool TransparentMode = false;
    bool GridPickColour = false;
    bool GridPickColourTransparent = false;
    // Where pattern files live; empty means "patterns" beside the executable.
    QString folder;

    Pattern() { clear(); }
    // All cells "T", the grid showing TransparentCellColour.
    void clear();
    // Sets cell k and what the grid shows for it.
    void setCell(int k, const QString &value);
};

// The colour a cell paints, or nothing for "T", "" and text that is not a colour
// of 0..16777215.
std::optional<Colour> cellColour(const QString &value);
// What the grid shows for a cell value.
Colour gridColourOf(const QString &value);

// Mouse-up on grid cell k (button 1 left, 2 right): paints it (foreground, background or "T") or, in
// pick mode, takes its colour as the foreground.
void editPatternCell(Session &session, int k, int button);

// Whole-pattern commands of the editor.
enum class PatternTurn { QuarterLeft, QuarterRight, MirrorH, MirrorV, Half };
void turnPattern(Pattern &pattern, PatternTurn turn);
// Flips one of the check-box flags: 0 TransparentMode, 1 GridPickColour, 2 GridPickColourTransparent.
void flipPatternFlag(Pattern &pattern, int which);
// Every cell becomes the background colour, or "T" in transparent mode.
void fillPattern(Session &session);
enum class PatternTint { Blue, Green, Red, Yellow, Purple, Grey };
// Each coloured cell becomes its grey level g as the tint: blue (0, 0, g) ...
void recolourPattern(Pattern &pattern, PatternTint tint);

// Tiling over the picture: each takes one undo snapshot, walks the tiles cell by
// cell and brings all nine layers to the result.
enum class PatternTiling { Draw, Merge, ByPixels };
void applyPattern(Session &session, PatternTiling tiling);

} // namespace quill
