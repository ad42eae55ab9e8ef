#include "batch/batch_each.h"

#include "batch/batch_runner.h"
#include "surface/parallel_bands.h"

#include <QFileInfo>
#include <QHash>

#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>

namespace quill {

namespace {

// Which value of a step is an output path, or -1.
int outputValue(const BatchStep &step)
{
    if (step.name == QLatin1String("--save"))
        return 0;
    if (step.name == QLatin1String("--save-tiled"))
        return 1;
    return -1;
}

struct Result {
    bool done = false;
    QString out;
    BatchOutcome outcome;
};

} // namespace

std::vector<BatchStep> stepsForInput(const BatchScript &script, const QString &file)
{
    const QString name = QFileInfo(file).completeBaseName();
    std::vector<BatchStep> steps = script.before;
    steps.push_back({QStringLiteral("--open"), {file}});
    steps.insert(steps.end(), script.after.begin(), script.after.end());
    for (BatchStep &step : steps)
        if (const int at = outputValue(step); at >= 0)
            step.values[at].replace(QLatin1String("{name}"), name);
    return steps;
}

void checkEachOutputs(const BatchScript &script)
{
    // Two runs writing one file would leave whichever finished last.
    QHash<QString, QString> writer; // output path -> input
    for (const QString &file : script.files) {
        for (const BatchStep &step : stepsForInput(script, file)) {
            const int at = outputValue(step);
            if (at < 0)
                continue;
            const QString target = QFileInfo(step.values[at]).absoluteFilePath();
            const auto found = writer.constFind(target);
            if (found != writer.constEnd() && *found != file)
                throw BatchUsageError{QStringLiteral("--each: %1 and %2 would both write %3 (put {name} in the path)")
                                          .arg(*found, file, step.values[at])};
            writer.insert(target, file);
        }
    }
}

int runEach(const BatchScript &script, QTextStream &out, QTextStream &err)
{
    const int count = static_cast<int>(script.files.size());
    std::vector<Result> results(static_cast<std::size_t>(count));
    std::atomic<int> next{0};
    std::mutex printing;
    int printed = 0;
    bool failed = false;
    auto work = [&] {
        for (int i = next++; i < count; i = next++) {
            const QString &file = script.files[i];
            Result result;
            QTextStream text(&result.out);
            result.outcome = runBatchSteps(stepsForInput(script, file), text, file);
            text.flush();
            result.done = true;
            const std::lock_guard lock(printing);
            results[static_cast<std::size_t>(i)] = std::move(result);
            // Print every finished run that no earlier one still holds back.
            for (; printed < count && results[static_cast<std::size_t>(printed)].done; ++printed) {
                Result &r = results[static_cast<std::size_t>(printed)];
                out << r.out;
                out.flush();
                if (r.outcome.code != kBatchOk) {
                    err << "quillmar-batch: " << r.outcome.error << '\n';
                    err.flush();
                    failed = true;
                }
                r = Result{true, {}, {}};
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min(bandCount(), count); ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error &) {
            break; // fewer helpers; the ones running share the rest
        }
    }
    work();
    for (std::thread &t : helpers)
        t.join();
    return failed ? kBatchFileError : kBatchOk;
}

} // namespace quill
