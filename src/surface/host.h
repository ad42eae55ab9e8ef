// Everything the desktop answers: dialogs, message and input boxes, the
// clipboard, the screen, the font list, the tray icon and the pointer.
// Core code asks through this interface; the Qt host (windows), the batch
// front end and the scripted test host answer. Nothing here may block a test.
#pragma once

#include "surface/colour.h"
#include "surface/listeners.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quill {

// Message box buttons and answers, with the classic codes callers compare against.
// SaveDiscardCancel answers Yes for Save and No for Discard.
enum class MessageButtons { Ok = 0, SaveDiscardCancel = 3, YesNo = 4 };
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

struct FileChoice {
    QString fileName;    // empty when cancelled
    int filterIndex = 1; // 1-based entry of the filter string that was selected
};

class Host {
public:
    virtual ~Host() = default;

    virtual int messageBox(const QString &text, MessageButtons buttons, const QString &title) = 0;
    // Returns the typed text; a cancelled box answers "".
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // Filter strings look like "Description|*.ext|Description|*.a;*.b".
    virtual FileChoice openFileDialog(const QString &filter, const QString &title) = 0;
    virtual FileChoice saveFileDialog(const QString &filter, const QString &title) = 0;
    // The colour chosen, or nullopt on Cancel.
    virtual std::optional<Colour> colourDialog(Colour initial) = 0;

    virtual QImage clipboardImage() = 0;
    virtual void setClipboardImage(const QImage &image) = 0;
    // A rectangle of the screen in screen pixels (null image when unavailable).
    virtual QImage grabScreen(const QRect &area) = 0;
    virtual QRect screenGeometry() = 0;
    virtual QStringList fontNames() = 0;

    virtual void setTrayIconVisible(bool visible) = 0;
    virtual bool trayIconVisible() const = 0;
    // Told when the user clicks the tray icon.
    Listeners<> trayIconClicked;

    virtual void setCursorPos(QPoint screenPixel) = 0;
};

} // namespace quill
