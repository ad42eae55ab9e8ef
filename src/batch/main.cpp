// quillmar-batch: runs toolbox operations from the command line, no display needed.
#include "batch/batch_runner.h"

#include <QGuiApplication>

#include <cstdio>

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
