// Every button of the toolbox as one row of data: designer name, tooltip,
// place in the window, the region it belongs to, what kind of click it is and
// its plain name and family in the menus.
// The toolbox window builds its buttons from these rows, and the batch front end
// and the tests run the same actions. Pure data and lookups: no widget, no drawing.
#pragma once

#include "document/session.h"
#include "document/tool_codes.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace quill {

// The toolbox's client area and its button size, pixels.
inline constexpr int kToolboxClientWidth = 539;
inline constexpr int kToolboxClientHeight = 388;
inline constexpr int kToolboxButtonSize = 25;

enum class ToolboxRegion {
    Tools,       // Frame1 "Tools"
    Backgrounds, // Frame2 "Backgrounds"
    Rotation,    // Frame3 "Rotation"
    MergePanel,  // lower left, around the merge image
    PatternPanel,
    Loose, // buttons that sit in no frame
};

enum class ButtonKind {
    Tool,      // sets ToolMode (and maybe the layers' fill style)
    Operation, // runs the operation registered under its designer name
    Check,     // a check box of the pattern editor, run like an operation
    Dialog,    // opens one of the toolbox's dialogs, which only the window can show
    Inert,     // has no action at all
};

// The dialogs a Dialog row opens.
enum class ToolboxDialog { None, OpenPattern, SavePattern };

inline constexpr int kFillStyleUnchanged = -1;

// The menu family a button's entry belongs to, in the order the menus show
// them. A button of no family has no menu entry: it does nothing.
enum class MenuFamily {
    None,
    Tools,
    // Image
    Colour,
    Channels,
    MirrorTurn,
    BlurMosaic,
    Merge,
    // Backgrounds
    Gradients,
    CentredFigures,
    StripesLines,
    Checkerboards,
    FillsPoints,
    // Pattern
    PatternApply,
    PatternEdit,
    PatternTint,
    PatternModes,
    PatternFiles,
};

struct ToolboxButton {
    QString name;    // designer name, "Command54"
    QString tooltip; // empty where the button has none
    QString caption; // text on the button; almost always empty
    QPoint pos;      // top-left corner in client pixels
    ToolboxRegion region = ToolboxRegion::Loose;
    ButtonKind kind = ButtonKind::Operation;
    QString alias;                              // batch name of a row that is no operation; operations carry their own
    ToolCode toolMode = kDrawTool;              // tool buttons only
    int fillStyle = kFillStyleUnchanged;        // tool buttons: FillStyle for the nine layers
    bool lockedBetweenClicks = false;           // disabled while ClickStage is 1
    ToolboxDialog dialog = ToolboxDialog::None; // Dialog rows
    QString summary;                            // Dialog rows: one line for what a click does
    QString batchReplacement;                   // Dialog rows: what a batch run uses instead
    QString menuName;                           // plain words for the menus, "Horizontal colour bands"
    MenuFamily family = MenuFamily::None;

    QRect rect() const;
};

// The frames with a caption: designer name, caption, rectangle in client pixels.
struct ToolboxFrame {
    QString name;
    QString caption;
    QRect rect;
};

const std::vector<ToolboxButton> &toolboxButtons();
const std::vector<ToolboxFrame> &toolboxFrames();
const ToolboxButton *findToolboxButton(const QString &name);
// The rectangle a region occupies in the client area.
QRect regionRect(ToolboxRegion region);

// What a click on a row does: the action and the undo snapshots it takes.
// An empty action means the button cannot be clicked (no operation is
// registered under its name) or does nothing by design (Inert).
struct ButtonAction {
    std::function<void(Session &)> run;
    int snapshots = 0;
    QString summary; // one line for a button without a tooltip
};
ButtonAction buttonAction(const ToolboxButton &button);
// The short lower-case name quillmar-batch and the tests know the row by.
QString buttonAlias(const ToolboxButton &button);
// What the button does in plain words, for the status bar while the pointer
// is over it ("Increase red by 20 where it has room", "Gradient brush").
QString buttonStatusText(const ToolboxButton &button);

} // namespace quill
