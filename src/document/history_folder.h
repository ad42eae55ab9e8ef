// The private folder one running program keeps its undo history and scratch
// files (clip.bmp, temp.bmp) in, under the user's cache directory: one per
// process, marked with its owner so a later start can tell a folder left by a
// program that ended unexpectedly. Called by the undo store and the file commands.
// Never touches a folder it did not create or adopt, nor the working directory.
#pragma once

#include <QString>
#include <QStringList>

namespace quill {

class HistoryFolder {
public:
    HistoryFolder() = default;
    ~HistoryFolder();
    HistoryFolder(const HistoryFolder &) = delete;
    HistoryFolder &operator=(const HistoryFolder &) = delete;

    // Creates the folder on first call. False when it cannot be made or written;
    // problem() then says "cannot write <folder>".
    bool open();
    bool isOpen() const { return !path_.isEmpty(); }
    const QString &path() const { return path_; }
    const QString &problem() const { return problem_; }
    // A name inside the folder (opened on demand); empty when it cannot be opened.
    QString file(const QString &name);

    // Takes over a folder left by a program that is no longer running: it
    // becomes this program's, and the old one's files stay.
    bool adopt(const QString &folder);
    // Deletes the folder and everything in it (a clean end of the program).
    void remove();

    // Where every program's history folder lives.
    static QString root();
    // Folders whose program is no longer running, the newest first.
    static QStringList abandoned();
    // True when the program that made the folder still runs.
    static bool ownerRunning(const QString &folder);

private:
    bool markOwner();

    QString path_;
    QString problem_;
};

} // namespace quill
