#include "shell/about_window.h"

#include "shell/icons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <jconfig.h> // libjpeg-turbo's version, the one the program was built against

namespace quill {

namespace {

#define QUILL_TEXT(x) #x
#define QUILL_MACRO_TEXT(x) QUILL_TEXT(x)
#ifdef LIBJPEG_TURBO_VERSION
const char *const kJpegVersion = " " QUILL_MACRO_TEXT(LIBJPEG_TURBO_VERSION);
#else
const char *const kJpegVersion = "";
#endif

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("About..."));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(QPixmap::fromImage(drawNineTileMotif(64, 64)));

    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    QLabel *name = label(this, "Label1", QStringLiteral("Quillmar"));
    name->setFont(big);

    // The credits name what the program really links: Qt for every window and
    // for reading GIF files, libjpeg-turbo for reading and writing JPEG files.
    const QString credits = QStringLiteral("Qt %1 for the windows and GIF reading; libjpeg-turbo%2 (TurboJPEG) "
                                           "for reading and writing JPEG files.")
                                .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(kJpegVersion));

    auto *grid = new QGridLayout(this);
    grid->addWidget(image1, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1, 1, 2);
    grid->addWidget(label(this, "Label8", QStringLiteral("A painter for seamless background tiles.")), 1, 1, 1, 2);
    grid->addWidget(label(this, "Label2", QStringLiteral("Version:")), 2, 1);
    grid->addWidget(label(this, "Label3", QStringLiteral(QUILLMAR_VERSION)), 2, 2);
    grid->addWidget(label(this, "Label4", QStringLiteral("Author:")), 3, 1);
    grid->addWidget(label(this, "Label5", QStringLiteral("The Quillmar developers")), 3, 2);
    grid->addWidget(label(this, "Label6", QStringLiteral("Credits:")), 4, 1, Qt::AlignTop);
    QLabel *label7 = label(this, "Label7", credits);
    label7->setWordWrap(true);
    grid->addWidget(label7, 4, 2);
    grid->addWidget(label(this, "Label9", QString()), 5, 1, 1, 2);

    auto *command1 = new QPushButton(QStringLiteral("Ok"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    grid->addWidget(command1, 6, 2, Qt::AlignRight);
    connect(command1, &QPushButton::clicked, this, &AboutWindow::close);
}

QString AboutWindow::labelText(const QString &name) const
{
    const auto *l = findChild<QLabel *>(name);
    return l ? l->text() : QString();
}

} // namespace quill
