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

    // What each field accepts in the chosen unit, and why Ok did nothing.
    widthRange_ = new QLabel(this);
    widthRange_->setObjectName(QStringLiteral("WidthRange"));
    heightRange_ = new QLabel(this);
    heightRange_->setObjectName(QStringLiteral("HeightRange"));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("Problem"));
    problem_->setWordWrap(true);
    QPalette warning = problem_->palette();
    warning.setColor(QPalette::WindowText, QColor(180, 0, 0));
    problem_->setPalette(warning);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(text1_, 0, 1);
    grid->addWidget(widthRange_, 0, 2);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(text2_, 1, 1);
    grid->addWidget(heightRange_, 1, 2);
    grid->addWidget(combo1_, 2, 1);
    grid->addWidget(problem_, 3, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    grid->addLayout(buttons, 4, 0, 1, 3);

    connect(command1_, &QPushButton::clicked, this, &NewPictureDialog::ok);
    connect(command2_, &QPushButton::clicked, this, &NewPictureDialog::close);
    connect(combo1_, &QComboBox::currentIndexChanged, this, &NewPictureDialog::showRange);
    showRange();
}

void NewPictureDialog::showRange()
{
    const NewRange range = newPictureRange(combo1_->currentIndex());
    // The list names each unit in the singular; a range reads in the plural.
    static const QStringList plurals{QStringLiteral("twips"),      QStringLiteral("points"),
                                     QStringLiteral("pixels"),     QStringLiteral("characters"),
                                     QStringLiteral("inches"),     QStringLiteral("millimeters"),
                                     QStringLiteral("centimeters")};
    const QString unit = plurals.value(combo1_->currentIndex(), plurals.front());
    const auto text = [&](double maximum) {
        return QStringLiteral("%1 to %2 %3").arg(range.minimum).arg(QString::number(maximum, 'g', 6), unit);
    };
    widthRange_->setText(text(range.maxWidth));
    heightRange_->setText(text(range.maxHeight));
    problem_->clear();
}

void NewPictureDialog::ok()
{
    // Refused sizes keep the dialog open with what was typed, and say why.
    const QString problem = newPictureProblem(text1_->text(), text2_->text(), combo1_->currentIndex());
    problem_->setText(problem);
    if (!problem.isEmpty() || !applyNewPicture(session_, text1_->text(), text2_->text(), combo1_->currentIndex()))
        return;
    session_.stateChanged();
    close();
}

} // namespace quill
