#include "shell/window_layout_window.h"

#include "shell/main_frame_window.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>

namespace quill {

namespace {

const QString kGroup = QStringLiteral("layout");
const QString kFrameKey = QStringLiteral("mainWindow");
// The canvas grows and shrinks with the picture and the zoom, so only its place is kept.
const QString kCanvas = QStringLiteral("Form1");

// The frames of the windows in the area, by the designer names of what they hold.
QMap<QString, QMdiSubWindow *> windowsOf(const MainFrame &frame)
{
    QMap<QString, QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : frame.mdiArea()->subWindowList())
        if (sub->widget() && !sub->widget()->objectName().isEmpty())
            windows.insert(sub->widget()->objectName(), sub);
    return windows;
}

void place(QMdiSubWindow *sub, const QString &name, const QRect &frame)
{
    if (name == kCanvas)
        sub->move(frame.topLeft());
    else
        sub->setGeometry(frame);
}

} // namespace

WindowLayout::WindowLayout(MainFrame &frame) : QObject(&frame), frame_(frame)
{
    defaultFrame_ = frame_.saveGeometry();
    const auto windows = windowsOf(frame_);
    for (auto it = windows.begin(); it != windows.end(); ++it)
        defaults_.insert(it.key(), it.value()->geometry());
    restore();
    // Both Quit and closing the window end the program through here.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &WindowLayout::save);
}

void WindowLayout::save() const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(kFrameKey, frame_.saveGeometry());
    // A tool window closed just now keeps the place it had when it was last saved.
    const auto windows = windowsOf(frame_);
    for (auto it = windows.begin(); it != windows.end(); ++it)
        settings.setValue(it.key(), it.value()->geometry());
}

void WindowLayout::restore()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    if (const QByteArray saved = settings.value(kFrameKey).toByteArray(); !saved.isEmpty())
        frame_.restoreGeometry(saved);
    const auto windows = windowsOf(frame_);
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        const QRect saved = settings.value(it.key()).toRect();
        // A place from a larger screen or a damaged file is not worth a window out of reach.
        if (saved.isValid() && saved.right() >= 0 && saved.bottom() >= 0)
            place(it.value(), it.key(), saved);
    }
}

void WindowLayout::reset()
{
    QSettings settings;
    settings.remove(kGroup);
    frame_.restoreGeometry(defaultFrame_);
    const auto windows = windowsOf(frame_);
    for (auto it = windows.begin(); it != windows.end(); ++it)
        if (defaults_.contains(it.key()))
            place(it.value(), it.key(), defaults_.value(it.key()));
}

} // namespace quill
