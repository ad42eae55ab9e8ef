// Quillmar: answers --version and --help without a display, then starts the
// application, the desktop host, the session and the splash, which brings up
// the main frame, and opens the picture named on the command line.
#include "shell/document_files_window.h"
#include "shell/main_frame_window.h"
#include "shell/qt_host.h"
#include "shell/splash_window.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <string_view>

namespace {

const char *const kUsage = "Usage: quillmar [FILE]\n"
                           "Paints seamless background tiles; opens FILE (BMP, GIF, JPEG or PNG) at start.\n"
                           "  --version  print the version and end\n"
                           "  --help     print this help and end\n";

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--version") {
            std::printf("quillmar %s\n", QUILLMAR_VERSION);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    // Takes out the toolkit's own options (-platform ...), so what is left is ours.
    QApplication app(argc, argv);
    // Where QSettings keeps the window layout and the lattice.
    QApplication::setOrganizationName(QStringLiteral("Quillmar"));
    QApplication::setApplicationName(QStringLiteral("Quillmar"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMAR_VERSION));
    QString file;
    for (int i = 1; i < argc && file.isEmpty(); ++i)
        if (argv[i][0] != '-')
            file = QString::fromLocal8Bit(argv[i]);

    quill::QtHost host;
    quill::Session session(host);
    quill::MainFrame mainFrame(session);
    host.setDialogParent(&mainFrame);
    quill::SplashWindow splash(&mainFrame);
    // Asked once the windows are up, so the question has the frame to stand on. A
    // recovered picture is not opened over: the file on the command line is still on disk.
    QTimer::singleShot(0, &mainFrame, [&mainFrame, file] {
        if (!mainFrame.offerRecovery() && !file.isEmpty())
            mainFrame.files()->openFile(file);
    });
    return QApplication::exec();
}
