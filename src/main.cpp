// Quillmar: starts the application, the desktop host, the session and the
// splash, which brings up the main frame.
#include "shell/main_frame_window.h"
#include "shell/qt_host.h"
#include "shell/splash_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmar"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMAR_VERSION));

    quill::QtHost host;
    quill::Session session(host);
    quill::MainFrame mainFrame(session);
    host.setDialogParent(&mainFrame);
    quill::SplashWindow splash(&mainFrame);
    // Asked once the windows are up, so the question has the frame to stand on.
    QTimer::singleShot(0, &mainFrame, [&mainFrame] { mainFrame.offerRecovery(); });
    return QApplication::exec();
}
