// The toolbar's picture commands as core steps over a session: Open, Save
// (bitmap, or JPEG through temp.bmp), Copy and Paste image, the New dialog's
// "Ok", and the screen capture's arming and copying. Called by the main frame
// and the New and capture windows. None of them takes an undo snapshot.
#pragma once

#include "document/session.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace quill {

// The dialogs' filters, as the user sees them.
inline const QString kOpenFilter = QStringLiteral("Picture Files(*.bmp,*.gif,*.jpg,*.png)|*.jpg; *.gif; *.bmp; *.png;");
inline const QString kSaveFilter =
    QStringLiteral("Jpeg Files(*.jpg)|*.jpg|BMP Files(*.BMP)|*.bmp|PNG Files(*.png)|*.png");
inline constexpr int kSaveFilterJpeg = 1;
inline constexpr int kSaveFilterBitmap = 2;
inline constexpr int kSaveFilterPng = 3;
// Scratch files in the program's private history folder.
inline const QString kTempBitmap = QStringLiteral("temp.bmp");
inline const QString kClipBitmap = QStringLiteral("clip.bmp");

inline const QString kCapturePrompt =
    QStringLiteral("If you are ready to capture press the capture icon in the traybar");

// Replaces the picture with the named file's (the document takes its size)
// and makes it the session's file. Empty on success, else one sentence for the
// status bar; the picture is then as it was.
QString openPictureFile(Session &session, const QString &path);
// Asks for a file and replaces the picture with it; the document takes the
// picture's size. Cancel or an unreadable file leaves the picture as it was;
// a refused file is reported on the status line with the reason. True when opened.
bool OpenPicture(Session &session);
// Asks for a name and writes the picture as JPEG (quality 75), bitmap or PNG:
// a name ending in one of those types' extensions is written as that type, a
// name without one takes the chosen entry's type and extension. Reports the
// JPEG result and any failure to write. True when the file was written.
bool SavePicture(Session &session);
// The JPEG path of Save on its own, for a name already chosen.
// Writes the picture to the session's file again, in the type its name ends
// in. False, writing nothing, when there is no file or its type is not one
// Quillmar writes (a GIF): the caller asks for a name then.
bool SaveToSessionFile(Session &session);
bool SaveJpeg(Session &session, const QString &fileName);

// Puts the picture on the clipboard through clip.bmp.
void CopyImage(Session &session);
// Replaces the picture with the clipboard's, taking its size; with no picture
// there nothing changes and the status line says so.
void PasteImage(Session &session);

// "New": the unit list, and the check and conversion of the two typed sizes.
const QStringList &newPictureUnits();
inline constexpr double kNewMinimum = 50;
inline constexpr double kNewMaximum = 3000;
struct TwipSize {
    double width = 0;
    double height = 0;
};
// What each side may be in a unit of the list: 50 up to 3000, or less where
// 3000 of the unit would be more than 8192 pixels.
struct NewRange {
    double minimum = kNewMinimum;
    double maxWidth = kNewMaximum;
    double maxHeight = kNewMaximum;
};
NewRange newPictureRange(int unitIndex);
// Why Ok refuses the typed sizes in this unit, as one sentence ("The width
// \"60abc\" is not a number."); empty when both are accepted.
QString newPictureProblem(const QString &widthText, const QString &heightText, int unitIndex);
// Both texts must be whole numbers within the unit's range (0 = twips); the
// result is in twips, or empty when refused.
std::optional<TwipSize> newPictureSize(const QString &widthText, const QString &heightText, int unitIndex);
// Clears the nine layers, gives them the new size and lays out the grid.
// False (and nothing changes) when the sizes are refused.
bool applyNewPicture(Session &session, const QString &widthText, const QString &heightText, int unitIndex);

// Capture: the prompt and the tray icon (the main frame minimises itself).
void armCapture(Session &session);
// The whole screen, as the capture window shows it.
QImage grabWholeScreen(Host &host);
// Copies the document-sized rectangle of the screen picture whose top-left
// corner is at frameTopLeft into the picture and its eight copies. Parts of
// the frame outside the screen keep the picture's own pixels.
void captureInto(Session &session, const QImage &screen, QPoint frameTopLeft);

} // namespace quill
