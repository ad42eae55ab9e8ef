// The last ten picture files opened or saved, newest first, kept in the user's
// settings so File > Open Recent survives a restart. Called by the main
// frame's file handling; it never opens a file itself.
#pragma once

#include <QString>
#include <QStringList>

namespace quill {

inline constexpr int kRecentFileCount = 10;

class RecentFiles {
public:
    // As stored; paths are absolute.
    QStringList files() const;
    // Puts the file first (once), dropping the oldest beyond ten.
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

private:
    void store(const QStringList &files);
};

} // namespace quill
