#include "shell/new_picture_dialog.h"

#include "shell/file_commands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quill {

NewPictureDialog::NewPictureDialog(Session &session, QWidget *parent) : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("New"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto *label1 = new QLabel(QStringLiteral("Width:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    text1_ = new QLineEdit(QString::number(kStartSizeTwips), this);
    text1_->setObjectName(QStringLiteral("Text1"));
    auto *label2 = new QLabel(QStringLiteral("Height:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    text2_ = new QLineEdit(QString::number(kStartSizeTwips), this);
    text2_->setObjectName(QStringLiteral("Text2"));
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->addItems(newPictureUnits());
    combo1_->setCurrentIndex(0);
    command1_ = new QPushButton(QStringLiteral("Ok"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    command2_ = new QPushButton(QStringLiteral("Cancel"), this);
    command2_->setObjectName(QStringLiteral("Command2"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(text1_, 0, 1);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(text2_, 1, 1);
    grid->addWidget(combo1_, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(command1_, &QPushButton::clicked, this, &NewPictureDialog::ok);
    connect(command2_, &QPushButton::clicked, this, &NewPictureDialog::close);
}

void NewPictureDialog::ok()
{
    // Refused sizes keep the dialog open with what was typed, without a message.
    if (!applyNewPicture(session_, text1_->text(), text2_->text(), combo1_->currentIndex()))
        return;
    session_.stateChanged();
    close();
}

} // namespace quill
