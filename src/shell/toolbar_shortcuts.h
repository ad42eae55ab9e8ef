// The keyboard shortcuts of the main frame's toolbar buttons and the tooltips
// that show them. The main frame gives each button its keys, so a shortcut
// runs exactly the button's click and is off whenever the button is disabled.
// Pure values: no widget.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace quill {

// The keys of one toolbar button ("a" New ... "n" Capturescreen); empty for
// buttons without a shortcut.
QList<QKeySequence> toolbarShortcuts(const QString &key);

// "Undo" with Ctrl+Z becomes "Undo (Ctrl+Z)"; several keys are listed with
// commas; no keys leaves the tooltip as it is.
QString tooltipWithShortcuts(const QString &tooltip, const QList<QKeySequence> &keys);

} // namespace quill
