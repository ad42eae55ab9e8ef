#include "shell/main_frame_window.h"

#include "canvas/canvas_window.h"
#include "canvas/options_window.h"
#include "canvas/text_window.h"
#include "document/recovery.h"
#include "document/tool_codes.h"
#include "shell/about_window.h"
#include "shell/capture_window.h"
#include "shell/command_table.h"
#include "shell/document_files_window.h"
#include "shell/file_commands.h"
#include "shell/icons.h"
#include "shell/menu_bar_window.h"
#include "shell/new_picture_dialog.h"
#include "shell/unsaved_changes.h"
#include "shell/view_window.h"
#include "shell/window_layout_window.h"
#include "shell/zoom_window.h"
#include "surface/numeric_rules.h"
#include "surface/picture_box_window.h"
#include "toolbox/broad_light.h"
#include "toolbox/toolbox_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace quill {

namespace {

// The placement sums are worked in single precision and stored as whole twips.
int twips(float value) { return static_cast<int>(roundHalfEven(static_cast<double>(value))); }
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
        for (const ToolbarButton &b : toolbarButtons())
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
    // Tooltips show on hover even before the frame was clicked into.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    resize(1100, 760);

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIArea"));
    mdi_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdi_);

    endProgram = [] { QApplication::exit(0); };
    buildToolbar();

    registerCommand(QStringLiteral("f"), [this] { tell(session_.undo.Undo(session_.document)); });
    registerCommand(QStringLiteral("g"), [this] { tell(session_.undo.Redo(session_.document)); });
    registerCommand(QStringLiteral("e"), [this] {
        if (mayQuit(session_))
            endProgram();
    });
    registerCommand(QStringLiteral("h"),
                    [this] { toggleWindow(session_.state.TextWindowHidden, textWindow_, &MainFrame::showTextWindow); });
    registerCommand(QStringLiteral("i"), [this] {
        toggleWindow(session_.state.OptionsWindowHidden, optionsWindow_, &MainFrame::showOptionsWindow);
    });
    registerCommand(QStringLiteral("j"),
                    [this] { toggleWindow(session_.state.ZoomWindowHidden, zoomWindow_, &MainFrame::showZoomWindow); });
    session_.undo.buttonsChanged.add([this] { syncUndoButtons(); }, this);
    registerPictureCommands();
    buildSeamScore();
    registerSeamCommands();
    buildLatticeList();

    load();
    syncUndoButtons();
    showSeamScore();
    trackChanges();
    layout_ = new WindowLayout(*this);
    registerCommand(QStringLiteral("reset-layout"), [this] { layout_->reset(); });
    files_ = new DocumentFiles(*this, session_);
    menus_ = new MainMenus(*this, session_);
}

void MainFrame::tell(const QString &problem)
{
    if (!problem.isEmpty())
        session_.host.messageBox(problem, MessageButtons::Ok, QStringLiteral("Quillmar"));
}

bool MainFrame::offerRecovery() { return quill::offerRecovery(session_); }

MainFrame::~MainFrame()
{
    session_.document.picture().removeChangeListener(pictureListener_);
    session_.document.picture().removeChangeListener(changesListener_);
    session_.onReport = nullptr;
    delete capture_.data();
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    if (mayQuit(session_))
        event->accept();
    else
        event->ignore();
}

void MainFrame::giveKeysToCanvas()
{
    // After a tool is picked, +, - and Esc go to the canvas at once: the click
    // that would otherwise be needed to focus it would draw.
    if (!canvas_)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(canvas_->parentWidget()))
        mdi_->setActiveSubWindow(sub);
    canvas_->tile(0)->setFocus(Qt::OtherFocusReason);
}

void MainFrame::trackChanges()
{
    // Everything that changes the picture goes through layer 0; Open, Save and
    // New clear the mark again when they end.
    changesListener_ = session_.document.picture().addChangeListener([this](const QRect &) {
        if (!session_.modified) {
            session_.modified = true;
            setWindowTitle(frameTitle(session_));
        }
    });
    session_.addStateListener([this] { setWindowTitle(frameTitle(session_)); }, this);
    // Why a command did nothing shows where the user looks, without a box to click away.
    session_.onReport = [this](const QString &text) { statusBar()->showMessage(text, kReportMs); };
    session_.modified = false; // the load's white picture is no change
    setWindowTitle(frameTitle(session_));
}

// New, Copy, Paste, capture, View and About (Open and Save: document_files_window).
void MainFrame::registerPictureCommands()
{
    registerCommand(QStringLiteral("a"), [this] {
        if (!raiseOpenWindow<NewPictureDialog>(this))
            (new NewPictureDialog(session_, this))->show();
    });
    registerCommand(QStringLiteral("l"), [this] { CopyImage(session_); });
    registerCommand(QStringLiteral("m"), [this] { PasteImage(session_); });
    registerCommand(QStringLiteral("n"), [this] {
        armCapture(session_);
        showMinimized();
    });
    // Each View shows the picture as it is now, so an open one gives way.
    registerCommand(QStringLiteral("k"), [this] {
        qDeleteAll(findChildren<ViewWindow *>());
        (new ViewWindow(session_.document.picture().Image(), session_.document.lattice(), session_.host, this))->show();
    });
    registerCommand(QStringLiteral("d"), [this] {
        if (!raiseOpenWindow<AboutWindow>(this))
            (new AboutWindow(this))->show();
    });
    session_.host.trayIconClicked.add([this] { startCapture(); }, this);
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
        connect(capture_, &CaptureWindow::captured, this, [this] { showMaximized(); });
        connect(capture_, &CaptureWindow::cancelled, this, [this] { showMaximized(); });
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
    for (const ToolbarButton &b : toolbarButtons()) {
        const QString key = QString::fromLatin1(b.key);
        // The text is what the menus show; the toolbar shows the tooltip.
        QAction *action =
            toolbar_->addAction(QIcon(QPixmap::fromImage(drawToolbarIcon(key, 48))), QString::fromLatin1(b.menuName));
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        // The shortcut is the button's own: it runs its click and is off while the button is.
        QString tooltip = QString::fromLatin1(b.tooltip);
        if (b.shortcuts) {
            const QList<QKeySequence> shortcuts = QKeySequence::listFromString(QString::fromLatin1(b.shortcuts));
            action->setShortcuts(shortcuts);
            QStringList names;
            for (const QKeySequence &k : shortcuts)
                names << k.toString(QKeySequence::PortableText);
            tooltip += QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        action->setToolTip(tooltip);
        action->setData(key);
        // A key whose command is not part of the program stays disabled.
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, key] { toolbarClick(key); });
        buttons_.insert(key, action);
        if (key == QLatin1String("g") || key == QLatin1String("k") || key == QLatin1String("e"))
            toolbar_->addSeparator();
    }
    buttons_.value(QStringLiteral("o"))->setCheckable(true);
    buttons_.value(QStringLiteral("r"))->setCheckable(true);
}

void MainFrame::registerCommand(const QString &key, std::function<void()> command)
{
    commands_.insert(key, std::move(command));
    if (QAction *action = buttons_.value(key))
        action->setEnabled(true);
}

void MainFrame::registerChoice(const QString &key, std::function<void()> command, std::function<bool()> isOn)
{
    choices_.insert(key, std::move(isOn));
    registerCommand(key, std::move(command));
}

std::optional<bool> MainFrame::commandChecked(const QString &id) const
{
    const auto it = choices_.constFind(id);
    if (it == choices_.constEnd())
        return std::nullopt;
    return (*it)();
}

void MainFrame::runCommand(const QString &id)
{
    const auto it = commands_.constFind(id);
    if (it == commands_.constEnd())
        return;
    session_.state.SkipCanvasMouse = -1;
    (*it)();
    session_.stateChanged();
}

void MainFrame::syncUndoButtons()
{
    buttons_.value(QStringLiteral("f"))->setEnabled(session_.undo.undoEnabled());
    buttons_.value(QStringLiteral("g"))->setEnabled(session_.undo.redoEnabled());
    undoStatus_->setText(session_.undo.offMessage());
    undoStatus_->setVisible(!undoStatus_->text().isEmpty());
}

void MainFrame::toolbarClick(const QString &key)
{
    // A disabled button cannot be clicked.
    if (const QAction *action = buttons_.value(key); action && !action->isEnabled())
        return;
    session_.state.SkipCanvasMouse = -1;
    // Keys are compared in the order a..s; the first match runs.
    for (const char *candidate :
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s"}) {
        if (key == candidate) {
            if (const auto it = commands_.constFind(QString::fromLatin1(candidate)); it != commands_.constEnd())
                (*it)();
            break;
        }
    }
    session_.stateChanged();
}

void MainFrame::buildSeamScore()
{
    seamScore_ = new QLabel(this);
    seamScore_->setObjectName(QStringLiteral("SeamScore"));
    seamScore_->setToolTip(QStringLiteral("How visible the seam is where the picture meets its copy: "
                                          "about 1 is seamless"));
    undoStatus_ = new QLabel(this);
    undoStatus_->setObjectName(QStringLiteral("UndoStatus"));
    statusBar()->addWidget(undoStatus_);
    statusBar()->addPermanentWidget(seamScore_);
    repeatScore_ = new QLabel(this);
    repeatScore_->setObjectName(QStringLiteral("RepeatScore"));
    repeatScore_->setToolTip(QStringLiteral("How much bright or dark patches repeat across the wall: "
                                            "about 0 is even"));
    statusBar()->addPermanentWidget(repeatScore_);
    seamScoreTimer_.setSingleShot(true);
    seamScoreTimer_.setInterval(0);
    connect(&seamScoreTimer_, &QTimer::timeout, this, [this] { showSeamScore(); });
    // Once the picture has been still for a moment, its newest state goes to
    // the history folder, so a crash right after a stroke keeps the stroke.
    latestTimer_.setSingleShot(true);
    latestTimer_.setInterval(300);
    connect(&latestTimer_, &QTimer::timeout, this, [this] { session_.undo.keepLatest(session_.document); });
    // Layer 0 reports every change of the picture: strokes, operations, undo, New, Open, Paste.
    pictureListener_ = session_.document.picture().addChangeListener([this](const QRect &) {
        if (!seamScoreTimer_.isActive())
            seamScoreTimer_.start();
        latestTimer_.start();
    });
}

void MainFrame::registerSeamCommands()
{
    registerCommand(QStringLiteral("o"), [this] {
        setWrapAtEdges(session_, seam_, !seam_.wrapAtEdges);
        buttons_.value(QStringLiteral("o"))->setChecked(seam_.wrapAtEdges);
    });
    registerCommand(QStringLiteral("p"), [this] { offsetByHalf(session_, seam_); });
    registerCommand(QStringLiteral("q"), [this] { makeSeamlessCommand(session_); });
    registerCommand(QStringLiteral("s"), [this] { evenLightingCommand(session_); });
    registerCommand(QStringLiteral("r"), [this] {
        seam_.dimCopies = !seam_.dimCopies;
        buttons_.value(QStringLiteral("r"))->setChecked(seam_.dimCopies);
        if (canvas_)
            canvas_->setDimCopies(seam_.dimCopies);
    });
}

namespace {
const QString kLatticeSetting = QStringLiteral("canvas/lattice");

// Green, amber or red for the first, second or third band of a score.
void showGraded(QLabel *label, const QString &text, int band)
{
    static const QColor colours[] = {QColor(0, 128, 0), QColor(200, 130, 0), QColor(200, 0, 0)};
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colours[std::clamp(band, 0, 2)]);
    label->setPalette(palette);
}

} // namespace

void MainFrame::buildLatticeList()
{
    latticeList_ = new QComboBox(toolbar_);
    latticeList_->setObjectName(QStringLiteral("Lattice"));
    latticeList_->setToolTip(QStringLiteral("How the picture repeats: Grid, Brick (each row shifted by half a "
                                            "width) or Half-drop (each column shifted by half a height)"));
    for (const Lattice l : kLattices)
        latticeList_->addItem(latticeLabel(l), latticeKey(l));
    // Keys stay with the canvas after a pick.
    latticeList_->setFocusPolicy(Qt::NoFocus);
    toolbar_->addWidget(latticeList_);
    connect(latticeList_, &QComboBox::activated, this, [this](int i) {
        if (const auto l = latticeFromKey(latticeList_->itemData(i).toString()))
            setLattice(*l);
    });
    // The same choice in the Seams menu.
    for (const Lattice l : kLattices)
        registerChoice(
            QStringLiteral("lattice-") + latticeKey(l), [this, l] { setLattice(l); },
            [this, l] { return session_.document.lattice() == l; });
    setLattice(latticeFromKey(QSettings().value(kLatticeSetting).toString()).value_or(Lattice::Grid));
}

void MainFrame::setLattice(Lattice lattice)
{
    session_.document.setLattice(lattice);
    {
        const QSignalBlocker quiet(latticeList_);
        latticeList_->setCurrentIndex(latticeList_->findData(latticeKey(lattice)));
    }
    QSettings().setValue(kLatticeSetting, latticeKey(lattice));
    // The seams are now where other edges meet.
    showSeamScore();
}

void MainFrame::showSeamScore()
{
    const QImage &picture = session_.document.picture().Image();
    const double seam = seamScore(picture, session_.document.lattice()).s;
    showGraded(seamScore_, seamLabel(seam), static_cast<int>(seamGrade(seam)));
    const double repeat = repetitionScore(picture, session_.document.lattice());
    showGraded(repeatScore_, repeatLabel(repeat), static_cast<int>(repeatGrade(repeat)));
}

CanvasWindow *MainFrame::canvas() const { return canvas_.data(); }
TextWindow *MainFrame::textWindow() const { return textWindow_.data(); }
OptionsWindow *MainFrame::optionsWindow() const { return optionsWindow_.data(); }
ZoomWindow *MainFrame::zoomWindow() const { return zoomWindow_.data(); }

double MainFrame::widthTwips() const { return static_cast<double>(frameGeometry().width()) * kTwipsPerPixel; }

QRectF MainFrame::geometryTwips(const QWidget *child)
{
    if (!child)
        return {};
    const QWidget *frame = qobject_cast<QMdiSubWindow *>(child->parentWidget()) ? child->parentWidget() : child;
    const QRect g = frame->geometry();
    return {static_cast<double>(g.x()) * kTwipsPerPixel, static_cast<double>(g.y()) * kTwipsPerPixel,
            static_cast<double>(g.width()) * kTwipsPerPixel, static_cast<double>(g.height()) * kTwipsPerPixel};
}

QWidget *MainFrame::childNamed(const QString &objectName) const
{
    for (QMdiSubWindow *sub : mdi_->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == objectName)
            return sub->widget();
    return nullptr;
}

void MainFrame::placeChild(QWidget *child, double leftTwips, double topTwips)
{
    QWidget *frame =
        child->parentWidget() && qobject_cast<QMdiSubWindow *>(child->parentWidget()) ? child->parentWidget() : child;
    frame->move(static_cast<int>(leftTwips / kTwipsPerPixel), static_cast<int>(topTwips / kTwipsPerPixel));
}

QMdiSubWindow *MainFrame::addChild(QWidget *child, double leftTwips, double topTwips)
{
    Qt::WindowFlags flags =
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    // The toolbox and the small tool windows stay above the canvas, however
    // large it grows or however often it is clicked.
    if (child != canvas_)
        flags |= Qt::WindowStaysOnTopHint;
    QMdiSubWindow *sub = mdi_->addSubWindow(child, flags);
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
    // In the area from the start (shown at its own step), so the windows placed
    // against it see its outer size.
    QMdiSubWindow *canvasFrame = addChild(canvas_, 0, 10);
    canvas_->controller().zoomPointMoved.add(
        [this](double x, double y) {
            if (zoomWindow_)
                zoomWindow_->feed(x, y);
        },
        this);
    // Toolbox: top 100, right edge 300 twips in from the frame's.
    auto *toolbox = new ToolboxWindow(session_);
    QMdiSubWindow *toolboxFrame = addChild(toolbox, 0, 100);
    toolboxFrame->show();
    placeChild(toolbox, static_cast<float>(widthTwips() - toolboxFrame->frameGeometry().width() * kTwipsPerPixel - 300),
               100);
    canvas_->keepClearOf(toolboxFrame);
    connect(toolbox, &ToolboxWindow::toolPicked, this, [this] { giveKeysToCanvas(); });
    connect(toolbox, &ToolboxWindow::foregroundPicked, this, [this](Colour c) {
        if (canvas_)
            canvas_->controller().showTextColour(c);
    });
    showTextWindow();
    showOptionsWindow();
    showZoomWindow();
    session_.state.ToolMode = kDrawTool;
    canvasFrame->show();
    placeChild(canvas_, 0, 10);
    canvas_->layOutTiles(); // fitted to the room the placed windows leave
    finishStartState(session_);
}

void MainFrame::showChild(QWidget *child)
{
    QMdiSubWindow *sub = addChild(child, 0, 0);
    sub->show();
    // Sized once its layout has settled, so the placement sums see the final size.
    sub->adjustSize();
}

void MainFrame::showTextWindow()
{
    textWindow_ = new TextWindow(session_);
    showChild(textWindow_);
    const QRectF toolbox = geometryTwips(childNamed(QStringLiteral("Form2")));
    const auto width = static_cast<float>(geometryTwips(textWindow_).width());
    const QPoint place(twips(static_cast<float>(widthTwips()) - width - 500.0f),
                       twips(static_cast<float>(toolbox.top()) + 10.0f + static_cast<float>(toolbox.height())));
    const QPoint at = lastPlace_.value(textWindow_->objectName(), place);
    placeChild(textWindow_, at.x(), at.y());
}

void MainFrame::showOptionsWindow()
{
    optionsWindow_ = new OptionsWindow(session_);
    showChild(optionsWindow_);
    const QPoint place(0, twips(static_cast<float>(geometryTwips(canvas_).height())));
    const QPoint at = lastPlace_.value(optionsWindow_->objectName(), place);
    placeChild(optionsWindow_, at.x(), at.y());
}

void MainFrame::showZoomWindow()
{
    zoomWindow_ = new ZoomWindow(session_);
    showChild(zoomWindow_);
    const QRectF canvas = geometryTwips(canvas_);
    const QPoint place(twips(static_cast<float>(canvas.width()) + 300.0f),
                       twips(static_cast<float>(canvas.height()) + 200.0f));
    const QPoint at = lastPlace_.value(zoomWindow_->objectName(), place);
    placeChild(zoomWindow_, at.x(), at.y());
}

void MainFrame::toggleWindow(bool &hidden, QWidget *window, void (MainFrame::*show)())
{
    if (!hidden) {
        // Unloading destroys the window; one closed by its own close box is only hidden until now.
        if (window) {
            const QRectF g = geometryTwips(window);
            lastPlace_.insert(window->objectName(),
                              QPoint(twips(static_cast<float>(g.left())), twips(static_cast<float>(g.top()))));
            QWidget *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()) ? window->parentWidget() : window;
            delete frame;
        }
        hidden = true;
    } else {
        (this->*show)();
        hidden = false;
    }
}

} // namespace quill
