#include "shell/main_frame_window.h"

#include "canvas/canvas_window.h"
#include "shell/about_window.h"
#include "shell/capture_window.h"
#include "shell/file_commands.h"
#include "shell/icons.h"
#include "shell/new_picture_dialog.h"
#include "shell/view_window.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTimer>
#include <QToolBar>

namespace quill {

namespace {

struct ToolbarButton {
    const char *key;
    const char *tooltip;
};

// Left to right. "Toglle" is the button's own spelling.
constexpr ToolbarButton kToolbar[] = {
    {"a", "New"},
    {"b", "Open"},
    {"c", "Save"},
    {"l", "Copy image"},
    {"m", "Paste image"},
    {"f", "Undo"},
    {"g", "Redo"},
    {"h", "Toggle text window"},
    {"i", "Toggle option windows"},
    {"j", "Toglle zoom window"},
    {"n", "Capturescreen"},
    {"k", "View picture"},
    {"d", "About..."},
    {"e", "Quit"},
};

// A single-instance window that is already open comes to the front instead
// of a second one opening (closed ones may still wait for deletion).
template <typename W> bool raiseOpenWindow(QObject *owner)
{
    for (W *window : owner->findChildren<W *>())
        if (window->isVisible()) {
            window->raise();
            window->activateWindow();
            return true;
        }
    return false;
}

} // namespace

const QStringList &MainFrame::toolbarKeys()
{
    static const QStringList keys = [] {
        QStringList k;
        for (const auto &b : kToolbar)
            k << QString::fromLatin1(b.key);
        return k;
    }();
    return keys;
}

MainFrame::MainFrame(Session &session, QWidget *parent) : QMainWindow(parent), session_(session)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Quillmar"));
    setWindowIcon(QIcon(QPixmap::fromImage(drawNineTileMotif(48, 48))));
    resize(1100, 760);

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIArea"));
    mdi_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdi_);

    endProgram = [] { QApplication::exit(0); };
    buildToolbar();

    registerCommand(QStringLiteral("f"), [this] { session_.undo.Undo(session_.document); });
    registerCommand(QStringLiteral("g"), [this] { session_.undo.Redo(session_.document); });
    registerCommand(QStringLiteral("e"), [this] {
        if (confirmQuit(session_.host))
            endProgram();
    });
    session_.undo.onButtonsChanged = [this] { syncUndoButtons(); };
    syncUndoButtons();
    registerPictureCommands();

    load();
}

MainFrame::~MainFrame()
{
    session_.undo.onButtonsChanged = nullptr;
    session_.host.onTrayIconClicked = nullptr;
    delete capture_.data();
}

// New, Open, Save, Copy, Paste, capture, View and About.
void MainFrame::registerPictureCommands()
{
    registerCommand(QStringLiteral("a"), [this] {
        if (!raiseOpenWindow<NewPictureDialog>(this))
            (new NewPictureDialog(session_, this))->show();
    });
    registerCommand(QStringLiteral("b"), [this] { OpenPicture(session_); });
    registerCommand(QStringLiteral("c"), [this] { SavePicture(session_); });
    registerCommand(QStringLiteral("l"), [this] { CopyImage(session_); });
    registerCommand(QStringLiteral("m"), [this] { PasteImage(session_); });
    registerCommand(QStringLiteral("n"), [this] {
        armCapture(session_);
        showMinimized();
    });
    // Each View shows the picture as it is now, so an open one gives way.
    registerCommand(QStringLiteral("k"), [this] {
        qDeleteAll(findChildren<ViewWindow *>());
        (new ViewWindow(session_.document.picture().Image(), this))->show();
    });
    registerCommand(QStringLiteral("d"), [this] {
        if (!raiseOpenWindow<AboutWindow>(this))
            (new AboutWindow(this))->show();
    });
    session_.host.onTrayIconClicked = [this] { startCapture(); };
}

CaptureWindow *MainFrame::captureWindow() const { return capture_.data(); }

void MainFrame::startCapture()
{
    if (capture_)
        return;
    session_.host.setTrayIconVisible(false);
    const auto open = [this] {
        if (capture_)
            return;
        capture_ = new CaptureWindow(session_);
        capture_->onCaptured = [this] { showMaximized(); };
        capture_->show();
    };
    if (captureDelayMs <= 0)
        open();
    else
        QTimer::singleShot(captureDelayMs, this, open);
}

void MainFrame::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    for (const auto &b : kToolbar) {
        const QString key = QString::fromLatin1(b.key);
        QAction *action =
            toolbar_->addAction(QIcon(QPixmap::fromImage(drawToolbarIcon(key, 48))), QString::fromLatin1(b.tooltip));
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setToolTip(QString::fromLatin1(b.tooltip));
        action->setData(key);
        // A key whose command is not part of the program stays disabled.
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, key] { toolbarClick(key); });
        buttons_.insert(key, action);
        if (key == QLatin1String("g") || key == QLatin1String("k") || key == QLatin1String("e"))
            toolbar_->addSeparator();
    }
}

void MainFrame::registerCommand(const QString &key, std::function<void()> command)
{
    commands_.insert(key, std::move(command));
    if (QAction *action = buttons_.value(key))
        action->setEnabled(true);
}

void MainFrame::syncUndoButtons()
{
    buttons_.value(QStringLiteral("f"))->setEnabled(session_.undo.undoEnabled());
    buttons_.value(QStringLiteral("g"))->setEnabled(session_.undo.redoEnabled());
}

void MainFrame::toolbarClick(const QString &key)
{
    // A disabled button cannot be clicked.
    if (const QAction *action = buttons_.value(key); action && !action->isEnabled())
        return;
    session_.state.SkipCanvasMouse = -1;
    // Keys are compared in the order a..n; the first match runs.
    for (const char *candidate : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n"}) {
        if (key == candidate) {
            if (const auto it = commands_.constFind(QString::fromLatin1(candidate)); it != commands_.constEnd())
                (*it)();
            break;
        }
    }
    session_.stateChanged();
}

CanvasWindow *MainFrame::canvas() const { return canvas_.data(); }

double MainFrame::widthTwips() const { return static_cast<double>(frameGeometry().width()) * kTwipsPerPixel; }

void MainFrame::placeChild(QWidget *child, double leftTwips, double topTwips)
{
    QWidget *frame =
        child->parentWidget() && qobject_cast<QMdiSubWindow *>(child->parentWidget()) ? child->parentWidget() : child;
    frame->move(static_cast<int>(leftTwips / kTwipsPerPixel), static_cast<int>(topTwips / kTwipsPerPixel));
}

QMdiSubWindow *MainFrame::addChild(QWidget *child, double leftTwips, double topTwips)
{
    QMdiSubWindow *sub = mdi_->addSubWindow(child, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint |
                                                       Qt::WindowCloseButtonHint);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowIcon(windowIcon());
    sub->adjustSize();
    placeChild(child, leftTwips, topTwips);
    return sub;
}

void MainFrame::load()
{
    loadStartState(session_);
    // The canvas exists from the first reference to the picture.
    canvas_ = new CanvasWindow(session_);
    // Toolbox, text, Options and zoom windows join here as they are built.
    session_.state.ToolMode = 1;
    QMdiSubWindow *sub = addChild(canvas_, 0, 10);
    sub->show();
    finishStartState(session_);
}

} // namespace quill
