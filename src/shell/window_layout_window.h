// Where the main window and the windows inside it stand: kept in the user's
// settings when the program ends, put back at the next start, and returned to
// the places the load gives them by View > Reset layout. Owned by the main
// frame; it never creates, closes or resizes a window beyond restoring one.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QRect>

namespace quill {

class MainFrame;

class WindowLayout : public QObject {
    Q_OBJECT
public:
    // Takes the frame's windows as the load placed them as the defaults, then
    // restores what the last run saved.
    explicit WindowLayout(MainFrame &frame);

    void save() const;
    void restore();
    // The load's places again; the saved layout is forgotten.
    void reset();

private:
    MainFrame &frame_;
    QByteArray defaultFrame_;
    QMap<QString, QRect> defaults_; // frames of the windows, by their designer names
};

} // namespace quill
