#include "shell/splash_window.h"

#include "shell/icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace quill {

SplashWindow::SplashWindow(QWidget *mainFrame)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), mainFrame_(mainFrame)
{
    setObjectName(QStringLiteral("Form6"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(395, 300);
    motif_ = drawNineTileMotif(395, 300);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();

    if (mainFrame_) {
        mainFrame_->setEnabled(false);
        mainFrame_->show();
    }
    raise();

    timer_.setInterval(2000);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::end);
    timer_.start();
}

void SplashWindow::end()
{
    if (ended_)
        return;
    ended_ = true;
    timer_.stop();
    if (mainFrame_)
        mainFrame_->setEnabled(true);
    close();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, motif_);
    p.setRenderHint(QPainter::Antialiasing);
    QFont title;
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    const QRect band(0, 112, width(), 76);
    p.fillRect(band, QColor(0, 0, 0, 150));
    p.setPen(Qt::white);
    p.drawText(band.adjusted(0, 0, 0, -18), Qt::AlignCenter, QStringLiteral("Quillmar"));
    QFont sub;
    sub.setPixelSize(13);
    p.setFont(sub);
    p.drawText(band.adjusted(0, 44, 0, 0), Qt::AlignCenter, QStringLiteral("seamless tile painter"));
}

void SplashWindow::mousePressEvent(QMouseEvent *) { end(); }

} // namespace quill
