// The host answered by the real desktop through Qt: message, input, file and
// colour dialogs, the clipboard, the screen, fonts, the tray icon (or a small
// always-on-top capture button where the desktop has no tray) and the pointer.
// Window code: only the program's windows create it.
#pragma once

#include "surface/host.h"

#include <QPointer>

class QSystemTrayIcon;
class QWidget;

namespace quill {

class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;

    int messageBox(const QString &text, MessageButtons buttons, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    FileChoice openFileDialog(const QString &filter, const QString &title) override;
    FileChoice saveFileDialog(const QString &filter, const QString &title) override;
    std::optional<Colour> colourDialog(Colour initial) override;
    QImage clipboardImage() override;
    void setClipboardImage(const QImage &image) override;
    QImage grabScreen(const QRect &area) override;
    QRect screenGeometry() override;
    QStringList fontNames() override;
    void setTrayIconVisible(bool visible) override;
    bool trayIconVisible() const override;
    void setCursorPos(QPoint screenPixel) override;

    // Parent for the dialogs (the main frame once it exists).
    void setDialogParent(QWidget *parent) { dialogParent_ = parent; }

    // "Desc|*.a|Desc|*.b;*.c" -> Qt's "Desc (*.a);;Desc (*.b *.c)" entries.
    static QStringList qtFilters(const QString &filter);

private:
    void clicked();

    QPointer<QWidget> dialogParent_;
    QSystemTrayIcon *tray_ = nullptr;
    QPointer<QWidget> captureButton_;
    bool trayVisible_ = false;
};

} // namespace quill
