// quillmar-batch: runs toolbox operations from the command line, no display needed.
#include "batch/batch_runner.h"
#include "surface/file_names.h"

#include <QGuiApplication>

#include <cstdio>
#include <string_view>

namespace {

// The batch reports its own errors, one line each; the toolkit's chatter
// (warnings, "libpng error" lines) would only confuse scripts.
void quietToolkit(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "quillmar-batch: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // The version needs no toolkit at all, so it answers on any machine.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--version") {
            std::printf("quillmar-batch %s\n", QUILLMAR_VERSION);
            return 0;
        }
    qInstallMessageHandler(quietToolkit);
    // Fonts and painting, never a screen, whatever the environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every argument is ours: the toolkit sees none (no -platform, no -reverse).
    int toolkitArgc = 1;
    char *toolkitArgv[] = {argv[0], nullptr};
    QGuiApplication app(toolkitArgc, toolkitArgv);
    QStringList arguments;
    // File names are bytes: each argument keeps its exact bytes.
    for (int i = 1; i < argc; ++i)
        arguments << quill::pathFromBytes(QByteArray(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = quill::runBatch(arguments, out, err);
    out.flush();
    err.flush();
    return code;
}
