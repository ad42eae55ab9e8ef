// quillmar-batch's script runner: parses the arguments and runs them strictly
// in order on one session, through the same operation functions the toolbox
// buttons run. Called by the batch executable and the tests.
// It never shows a window and never leaves a half-written output file.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace quill {

struct Session;

inline constexpr int kBatchOk = 0;
inline constexpr int kBatchFileError = 1;
inline constexpr int kBatchUsageError = 2;

// Runs a script; messages go to `out` (--list, --help) and `err` (one line per error).
int runBatch(const QStringList &arguments, QTextStream &out, QTextStream &err);

// Writes a picture by the file's extension (.bmp 24-bit, .png, .jpg/.jpeg quality 75)
// through the safe writer. Empty on success, else the message ("Cannot write <path>: <reason>").
QString writePictureFile(const QImage &picture, const QString &path);

QString batchUsage();

// Every toolbox button as the batch sees it: the same rows and actions the
// toolbox window uses, with a short alias for each.
struct BatchButton {
    QString name;
    QString alias;
    QString tooltip;
    QString summary;
    std::function<void(Session &)> run; // empty: the button does nothing by design
    QString replacedBy;                 // set where the program would open a dialog
};
const std::vector<BatchButton> &batchButtons();
const BatchButton *findBatchButton(const QString &nameOrAlias);

} // namespace quill
