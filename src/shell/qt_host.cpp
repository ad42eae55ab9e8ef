#include "shell/qt_host.h"

#include "shell/icons.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QToolButton>

namespace quill {

QtHost::QtHost() = default;

QtHost::~QtHost()
{
    delete tray_;
    delete captureButton_.data();
}

int QtHost::messageBox(const QString &text, MessageButtons buttons, const QString &title)
{
    if (buttons == MessageButtons::YesNo) {
        const auto answer = QMessageBox::question(dialogParent_, title, text, QMessageBox::Yes | QMessageBox::No,
                                                  QMessageBox::Yes); // Enter answers Yes
        return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
    }
    if (buttons == MessageButtons::SaveDiscardCancel) {
        const auto answer =
            QMessageBox::question(dialogParent_, title, text,
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return answer == QMessageBox::Save ? kAnswerYes : answer == QMessageBox::Discard ? kAnswerNo : kAnswerCancel;
    }
    QMessageBox::information(dialogParent_, title, text);
    return kAnswerOk;
}

QString QtHost::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QStringList QtHost::qtFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).simplified();
        // "Jpeg Files(*.jpg)" already names its pattern the way the dialog reads
        // it (case does not matter there); others get the pattern appended.
        if (parts[i].endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'), Qt::CaseInsensitive))
            entries << parts[i];
        else
            entries << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries;
}

namespace {

FileChoice runFileDialog(QWidget *parent, const QString &filter, const QString &title, bool save)
{
    const QStringList entries = QtHost::qtFilters(filter);
    QString selected = entries.value(0);
    const QString joined = entries.join(QStringLiteral(";;"));
    const QString name = save ? QFileDialog::getSaveFileName(parent, title, QString(), joined, &selected)
                              : QFileDialog::getOpenFileName(parent, title, QString(), joined, &selected);
    FileChoice choice;
    choice.fileName = name;
    choice.filterIndex = static_cast<int>(std::max<qsizetype>(0, entries.indexOf(selected))) + 1;
    return choice;
}

} // namespace

FileChoice QtHost::openFileDialog(const QString &filter, const QString &title)
{
    return runFileDialog(dialogParent_, filter, title, false);
}

FileChoice QtHost::saveFileDialog(const QString &filter, const QString &title)
{
    return runFileDialog(dialogParent_, filter, title, true);
}

std::optional<Colour> QtHost::colourDialog(Colour initial)
{
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(toQRgb(initial)), dialogParent_);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQRgb(chosen.rgb());
}

QImage QtHost::clipboardImage() { return QGuiApplication::clipboard()->image(); }

void QtHost::setClipboardImage(const QImage &image) { QGuiApplication::clipboard()->setImage(image); }

QImage QtHost::grabScreen(const QRect &area)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

QRect QtHost::screenGeometry()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
}

QStringList QtHost::fontNames() { return QFontDatabase::families(); }

void QtHost::clicked() { trayIconClicked.notify(); }

void QtHost::setTrayIconVisible(bool visible)
{
    trayVisible_ = visible;
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        if (!tray_) {
            tray_ = new QSystemTrayIcon(QIcon(QPixmap::fromImage(drawCaptureIcon(32))));
            tray_->setToolTip(QStringLiteral("Capture"));
            QObject::connect(tray_, &QSystemTrayIcon::activated,
                             [this](QSystemTrayIcon::ActivationReason) { clicked(); });
        }
        tray_->setVisible(visible);
        return;
    }
    // No tray on this desktop: a small button that stays on top does its job.
    if (!captureButton_) {
        auto *button = new QToolButton;
        button->setObjectName(QStringLiteral("CaptureButton"));
        button->setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
        button->setIcon(QIcon(QPixmap::fromImage(drawCaptureIcon(32))));
        button->setIconSize(QSize(32, 32));
        button->setToolTip(QStringLiteral("Capture"));
        const QRect screen = screenGeometry();
        button->move(screen.right() - 48, screen.bottom() - 48);
        QObject::connect(button, &QToolButton::clicked, [this] { clicked(); });
        captureButton_ = button;
    }
    captureButton_->setVisible(visible);
}

bool QtHost::trayIconVisible() const { return trayVisible_; }

void QtHost::setCursorPos(QPoint screenPixel) { QCursor::setPos(screenPixel); }

} // namespace quill
