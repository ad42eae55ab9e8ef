// A host that answers from queues and records every question, for tests and
// for the batch front end. An empty queue answers as Cancel / No / nothing.
// It never shows anything and never waits.
#pragma once

#include "surface/host.h"

#include <deque>
#include <vector>

namespace quill {

class ScriptedHost : public Host {
public:
    struct Message {
        QString text;
        MessageButtons buttons;
        QString title;
    };

    // Answers, consumed front first.
    std::deque<int> messageAnswers;
    std::deque<QString> inputAnswers;
    std::deque<FileChoice> openAnswers;
    std::deque<FileChoice> saveAnswers;
    std::deque<std::optional<Colour>> colourAnswers;
    QImage clipboard;
    QImage screen; // the whole screen grabScreen cuts from
    QStringList fonts{QStringLiteral("DejaVu Sans")};

    // What was asked.
    std::vector<Message> messages;
    std::vector<QString> inputPrompts;
    std::vector<QString> openFilters;
    std::vector<QString> saveFilters;
    std::vector<Colour> colourDialogStarts; // the colour each colour dialog opened at
    std::vector<QPoint> cursorMoves;

    int messageBox(const QString &text, MessageButtons buttons, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    FileChoice openFileDialog(const QString &filter, const QString &title) override;
    FileChoice saveFileDialog(const QString &filter, const QString &title) override;
    std::optional<Colour> colourDialog(Colour initial) override;
    QImage clipboardImage() override { return clipboard; }
    void setClipboardImage(const QImage &image) override { clipboard = image; }
    QImage grabScreen(const QRect &area) override;
    QRect screenGeometry() override;
    QStringList fontNames() override { return fonts; }
    void setTrayIconVisible(bool visible) override { trayVisible_ = visible; }
    bool trayIconVisible() const override { return trayVisible_; }
    void setCursorPos(QPoint screenPixel) override { cursorMoves.push_back(screenPixel); }

    // Simulates a click on the tray icon.
    void clickTrayIcon() { trayIconClicked.notify(); }

private:
    bool trayVisible_ = false;
};

} // namespace quill
