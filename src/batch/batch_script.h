// A quillmar-batch command line read into steps before anything runs, so a
// usage error stops the run before any file is touched. Called by the batch
// runner and the many-files driver; it never opens or writes a file.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <vector>

namespace quill {

struct BatchStep {
    QString name;       // the argument, e.g. "--click"
    QStringList values; // its values, already checked
};

struct BatchScript {
    std::vector<BatchStep> before; // everything, when there is no --each
    bool each = false;
    QStringList files;            // the --each inputs
    std::vector<BatchStep> after; // run once per input, after opening it
};

// Reads and checks every argument; throws BatchUsageError on the first bad one.
BatchScript parseBatchScript(const QStringList &arguments);

struct BatchUsageError {
    QString message;
};

// Runs the steps in order on a fresh session. `label` prefixes printed figures
// (the input's path when many files run). Returns an exit status and, unless
// it is 0, the one-line reason.
struct BatchOutcome {
    int code = 0;
    QString error;
};
BatchOutcome runBatchSteps(const std::vector<BatchStep> &steps, QTextStream &out, const QString &label = {});

} // namespace quill
