// quillmar-batch: runs toolbox operations from the command line, no display needed.
#include "batch/batch_runner.h"

#include <QGuiApplication>

#include <cstdio>
#include <string_view>

namespace {

// The batch reports its own errors, one line each; the toolkit's chatter would only confuse scripts.
void quietToolkit(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
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
    // Needs fonts and painting, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int code = quill::runBatch(arguments, out, err);
    out.flush();
    err.flush();
    return code;
}
