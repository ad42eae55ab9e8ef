// The pattern editor's toolbox buttons as operations: the editor commands (no
// snapshot), the two file buttons whose dialogs the toolbox window shows, and
// the three tilings over the picture.
#include "document/pattern.h"
#include "toolbox/operation_families.h"

#include "document/session.h"

namespace quill {

namespace {

// Editor commands change only the pattern; the panel repaints on stateChanged.
Operation editorCommand(const char *name, const char *alias, const char *summary, std::function<void(Session &)> edit)
{
    return Operation{QLatin1String(name), QLatin1String(alias), QLatin1String(summary), 0,
                     [edit = std::move(edit)](Session &session) {
                         edit(session);
                         session.stateChanged();
                     }};
}

Operation turnCommand(const char *name, const char *alias, const char *summary, PatternTurn turn)
{
    return editorCommand(name, alias, summary, [turn](Session &s) { turnPattern(s.pattern, turn); });
}

Operation tintCommand(const char *name, const char *alias, const char *summary, PatternTint tint)
{
    return editorCommand(name, alias, summary, [tint](Session &s) { recolourPattern(s.pattern, tint); });
}

Operation tilingCommand(const char *name, const char *alias, const char *summary, PatternTiling tiling)
{
    return Operation{QLatin1String(name), QLatin1String(alias), QLatin1String(summary), 1, [tiling](Session &session) {
                         applyPattern(session, tiling);
                         session.stateChanged();
                     }};
}

} // namespace

void flipPatternFlag(Pattern &pattern, int which)
{
    bool &flag = which == 0 ? pattern.TransparentMode
                            : (which == 1 ? pattern.GridPickColour : pattern.GridPickColourTransparent);
    flag = !flag;
}

void appendPatternOperations(std::vector<Operation> &operations)
{
    // The three check boxes flip their flag on every click.
    operations.push_back(editorCommand("Check1", "pattern-transparent", "pattern: flip transparent mode",
                                       [](Session &s) { flipPatternFlag(s.pattern, 0); }));
    operations.push_back(editorCommand("Check2", "pattern-pick", "pattern: flip picking colours from cells",
                                       [](Session &s) { flipPatternFlag(s.pattern, 1); }));
    operations.push_back(editorCommand("Check3", "pattern-pick-transparent",
                                       "pattern: flip ignoring clicks in transparent mode",
                                       [](Session &s) { flipPatternFlag(s.pattern, 2); }));
    operations.push_back(editorCommand("Command69", "pattern-fill",
                                       "pattern: every cell becomes the background colour (transparent in "
                                       "transparent mode)",
                                       [](Session &s) { fillPattern(s); }));
    operations.push_back(turnCommand("Command96", "pattern-turn-left", "pattern: quarter turn counter-clockwise",
                                     PatternTurn::QuarterLeft));
    operations.push_back(
        turnCommand("Command97", "pattern-turn-right", "pattern: quarter turn clockwise", PatternTurn::QuarterRight));
    operations.push_back(
        turnCommand("Command98", "pattern-mirror-h", "pattern: mirror left-right", PatternTurn::MirrorH));
    operations.push_back(
        turnCommand("Command99", "pattern-mirror-v", "pattern: mirror top-bottom", PatternTurn::MirrorV));
    operations.push_back(turnCommand("Command100", "pattern-half-turn", "pattern: half turn", PatternTurn::Half));
    operations.push_back(
        turnCommand("Command101", "pattern-half-turn-2", "pattern: half turn (second button)", PatternTurn::Half));
    operations.push_back(
        tintCommand("Command74", "pattern-blue", "pattern: coloured cells to blue by grey level", PatternTint::Blue));
    operations.push_back(tintCommand("Command75", "pattern-green", "pattern: coloured cells to green by grey level",
                                     PatternTint::Green));
    operations.push_back(
        tintCommand("Command76", "pattern-red", "pattern: coloured cells to red by grey level", PatternTint::Red));
    operations.push_back(tintCommand("Command77", "pattern-yellow", "pattern: coloured cells to yellow by grey level",
                                     PatternTint::Yellow));
    operations.push_back(tintCommand("Command78", "pattern-purple", "pattern: coloured cells to purple by grey level",
                                     PatternTint::Purple));
    operations.push_back(
        tintCommand("Command79", "pattern-grey", "pattern: coloured cells to grey by grey level", PatternTint::Grey));

    operations.push_back(
        tilingCommand("Command67", "draw-pattern", "tiles the pattern over the picture", PatternTiling::Draw));
    operations.push_back(tilingCommand("Command68", "merge-pattern",
                                       "tiles the pattern over the picture, blended 50/50", PatternTiling::Merge));
    operations.push_back(tilingCommand("Command57", "merge-pattern-pixels",
                                       "tiles the pattern over the picture on alternate pixels",
                                       PatternTiling::ByPixels));
}

} // namespace quill
