// `--each FILE...`: the rest of a batch command line run once per input file,
// on the machine's cores, each file on a session of its own. Called by
// runBatch; a file that fails never stops the others.
#pragma once

#include "batch/batch_script.h"

#include <QTextStream>

#include <vector>

namespace quill {

// The steps one input runs: the steps before --each, then --open FILE, then the
// rest, with {name} in output paths replaced by the input's name without its extension.
std::vector<BatchStep> stepsForInput(const BatchScript &script, const QString &file);

// Throws BatchUsageError when two inputs would write the same output file.
void checkEachOutputs(const BatchScript &script);

// Runs every input; output and errors appear in input order. 0 when all
// succeeded, else 1 (each failure reported on `err`).
int runEach(const BatchScript &script, QTextStream &out, QTextStream &err);

} // namespace quill
