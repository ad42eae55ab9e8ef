// Pattern files: 144 lines, each a cell value between double quotes ended by
// CR LF, kept in the user's "patterns" folder; the patterns that come with the
// program are read from the install, never written. Reading checks
// the whole file before anything changes, so a bad file never leaves a half
// pattern behind. Called by the open/save dialogs and the batch runner.
// Never shows a window; the only questions go through session.host.
#pragma once

#include "document/pattern.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quill {

// The folder the user's pattern files live in: the pattern's own folder when
// set, else "patterns" in the application data folder.
QString patternsFolder(const Pattern &pattern);
// Where the installed program keeps the patterns it comes with
// (share/quillmar/patterns beside bin/); empty when that folder is missing.
QString shippedPatternsFolder();

struct PatternFile {
    QString name;
    QString path;
    bool shipped = false;
};
// The pattern files of both folders by name, ignoring case; a user's file hides
// a shipped one of the same name. Creates the user's folder when it is missing.
std::vector<PatternFile> listPatterns(const QString &userFolder, const QString &shippedFolder);
// Creates the folder when missing. Empty on success, else what went wrong.
QString ensurePatternsFolder(const QString &folder);
// The file names in the folder, sorted; creates the folder when it is missing.
QStringList listPatternFiles(const QString &folder);

struct PatternRead {
    std::optional<PatternValues> values; // set when the file is a whole, valid pattern
    QString error;                       // otherwise the reason, fit for a message box
};
// Reads and checks a pattern file: exactly 144 lines of "T", "" or a colour
// number 0..16777215 in double quotes (LF alone is accepted as a line end).
PatternRead readPatternFile(const QString &path);
// Writes the cells in the file format through a temporary file, so a failed
// write never leaves a half file. Empty on success, else "Cannot write <path>: <reason>"
// or "<path> is not a regular file".
QString writePatternFile(const QString &path, const PatternValues &cells);

// Why a typed name cannot be a pattern file name, or empty when it can.
QString patternNameProblem(const QString &name);

inline const QString kOpenPatternTitle = QStringLiteral("Open pattern");
inline const QString kSavePatternTitle = QStringLiteral("Save pattern");
inline const QString kOverwriteQuestion = QStringLiteral("This file already exists. Do you want to save anyway?");
inline const QString kOverwriteTitle = QStringLiteral("File Error");

// Opens a pattern file into the pattern and the toolbox grid. A bad or missing
// file is reported on the status line and changes nothing. True on success.
bool loadPatternFile(Session &session, const QString &path);

// The open dialog's preview: a valid file's values go into the cells (the
// toolbox grid keeps showing what it showed) and its grid colours are returned.
// Empty with the reason in `error` when the file is bad; nothing changes then.
std::optional<std::array<Colour, kPatternCells>> previewPatternFile(Session &session, const QString &path,
                                                                    QString &error);

// The save dialog's Ok: checks the name, makes the folder, asks before
// overwriting and writes the file. Problems are told through a message box.
// True when the dialog should close (the file was written).
bool savePatternAs(Session &session, const QString &name);

} // namespace quill
