// How the main frame opens and saves files the usual desktop ways: Open,
// Save (to the picture's own file) and Save As, File > Open Recent, a file
// named on the command line, and files dropped on the frame, the canvas or
// the toolbox's merge box. Problems go to the status bar. Owned by the main
// frame; the file work is core.
#pragma once

#include "document/session.h"
#include "shell/recent_files.h"

#include <QObject>
#include <QPointer>

class QMenu;

namespace quill {

class MainFrame;

class DocumentFiles : public QObject {
    Q_OBJECT
public:
    DocumentFiles(MainFrame &frame, Session &session);

    // Opens a picture file as File > Open does once a name is chosen.
    bool openFile(const QString &path);
    // Loads a picture file as the toolbox's merge image.
    bool openMergeFile(const QString &path);
    // The Open Recent submenu to keep filled; given by the menu bar.
    void setRecentMenu(QMenu *menu);
    const RecentFiles &recent() const { return recent_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void save();
    void saveAs();
    void opened(const QString &path);
    void fillRecentMenu();
    void tell(const QString &message);

    MainFrame &frame_;
    Session &session_;
    RecentFiles recent_;
    QPointer<QMenu> recentMenu_;
    QPointer<QWidget> mergeBox_;
};

} // namespace quill
