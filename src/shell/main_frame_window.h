// The main frame "Quillmar": the toolbar (fourteen keys, then the seam tools'
// five; rows in command_table) with its shortcuts, the menu bar, the area that
// holds the child windows, the status bar with the live seam and repetition
// scores, and the load that brings them up in order.
// Toolbar clicks set SkipCanvasMouse and run the command of their key;
// commands are registered by the parts of the program that build them.
#pragma once

#include "document/session.h"
#include "toolbox/seam_commands.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace quill {

class CanvasWindow;
class OptionsWindow;
class TextWindow;
class ZoomWindow;
class CaptureWindow;
class DocumentFiles;
class MainMenus;
class WindowLayout;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(Session &session, QWidget *parent = nullptr);
    ~MainFrame() override;

    // The toolbar's keys, left to right.
    static const QStringList &toolbarKeys();

    QAction *button(const QString &key) const { return buttons_.value(key); }
    // Runs the toolbar click of this key (as a click on its button does).
    void toolbarClick(const QString &key);

    // Commands without a toolbar button (the menus' own): registered under an
    // id, run like a toolbar click. An id nobody registered does nothing.
    void registerCommand(const QString &key, std::function<void()> command);
    // A command that is a choice shows a check while isOn says it is the one in force.
    void registerChoice(const QString &key, std::function<void()> command, std::function<bool()> isOn);
    bool hasCommand(const QString &id) const { return commands_.contains(id); }
    // Empty for a command that is not a choice.
    std::optional<bool> commandChecked(const QString &id) const;
    void runCommand(const QString &id);
    MainMenus *menus() const { return menus_; }
    DocumentFiles *files() const { return files_; }
    WindowLayout *windowLayout() const { return layout_; }

    CanvasWindow *canvas() const;
    // The text, Options and zoom windows while they exist (the toggles destroy them).
    TextWindow *textWindow() const;
    OptionsWindow *optionsWindow() const;
    ZoomWindow *zoomWindow() const;
    QMdiArea *mdiArea() const { return mdi_; }
    // Puts a child window into the frame at a place given in twips.
    QMdiSubWindow *addChild(QWidget *child, double leftTwips, double topTwips);
    static void placeChild(QWidget *child, double leftTwips, double topTwips);

    // Outer size in twips, as the placement sums of the load use it.
    double widthTwips() const;
    // A child window's outer geometry in twips (its frame once it sits in the area).
    static QRectF geometryTwips(const QWidget *child);

    // Ends the program (after Quit's Yes); tests replace it.
    std::function<void()> endProgram;

    // The capture window while one is open (it is a window of its own, so it
    // shows while the frame is minimised).
    CaptureWindow *captureWindow() const;
    // Pause between hiding the capture button and grabbing, so the screen has
    // repainted where it was; 0 grabs at once.
    int captureDelayMs = 250;

    const SeamState &seamState() const { return seam_; }
    // The toolbar's lattice list beside the seam buttons; a pick is kept in
    // the settings and comes back at the next start.
    QComboBox *latticeList() const { return latticeList_; }
    void setLattice(Lattice lattice);
    // "Seam 1.03 seamless" and beside it "Repeat 0.03 even" in the status bar, green, amber or red.
    QLabel *seamScoreLabel() const { return seamScore_; }
    QLabel *repeatScoreLabel() const { return repeatScore_; }
    // "Undo is off: cannot write <folder>" in the status bar while the history cannot be written.
    QLabel *undoStatusLabel() const { return undoStatus_; }

    // Asks whether to recover a session that ended unexpectedly (once the frame is up).
    bool offerRecovery();

protected:
    // The close box asks what Quit asks: unsaved changes are never lost by it.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void syncUndoButtons();
    // Shows a command's problem ("Not enough memory for ..."), if any.
    void tell(const QString &problem);
    void load();
    // Load steps of the text, Options and zoom windows, also run when a toggle reopens one.
    void showChild(QWidget *child);
    void showTextWindow();
    void showOptionsWindow();
    void showZoomWindow();
    // Toggle keys: destroy the window and set the flag, or create it anew and clear the flag.
    void toggleWindow(bool &hidden, QWidget *window, void (MainFrame::*show)());
    QWidget *childNamed(const QString &objectName) const;
    void registerPictureCommands();
    void startCapture();
    void buildSeamScore();
    void registerSeamCommands();
    void showSeamScore();
    // The "*" in the title and the status line's reports.
    void trackChanges();
    void giveKeysToCanvas();
    void buildLatticeList();

    Session &session_;
    QToolBar *toolbar_ = nullptr;
    QMdiArea *mdi_ = nullptr;
    QPointer<CanvasWindow> canvas_;
    QPointer<TextWindow> textWindow_;
    QPointer<OptionsWindow> optionsWindow_;
    QPointer<ZoomWindow> zoomWindow_;
    // Where a toggled window stood when it was closed, so it reopens there.
    QMap<QString, QPoint> lastPlace_;
    QMap<QString, QAction *> buttons_;
    QMap<QString, std::function<void()>> commands_;
    QMap<QString, std::function<bool()>> choices_;
    QPointer<CaptureWindow> capture_;
    SeamState seam_;
    QLabel *seamScore_ = nullptr;
    QLabel *repeatScore_ = nullptr;
    QComboBox *latticeList_ = nullptr;
    QLabel *undoStatus_ = nullptr;
    QTimer latestTimer_;
    // Rescoring waits for the event loop, so a stroke's many changes cost one score.
    QTimer seamScoreTimer_;
    int pictureListener_ = 0;
    int changesListener_ = 0;
    static constexpr int kReportMs = 15000;
    DocumentFiles *files_ = nullptr;
    MainMenus *menus_ = nullptr;
    WindowLayout *layout_ = nullptr;
};

} // namespace quill
