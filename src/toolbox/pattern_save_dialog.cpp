#include "toolbox/pattern_save_dialog.h"

#include "toolbox/pattern_files.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

PatternSaveDialog::PatternSaveDialog(Session &session, QWidget *parent) : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(kSavePatternTitle);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *label = new QLabel(QStringLiteral("Pattern name:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Text1"));
    label->setBuddy(name_);
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Command2"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(name_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &PatternSaveDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &PatternSaveDialog::reject);
}

void PatternSaveDialog::accept()
{
    if (savePatternAs(session_, name_->text()))
        QDialog::accept();
}

PatternSaveDialog *savePatternDialog(Session &session, QWidget *parent)
{
    auto *dialog = parent ? parent->findChild<PatternSaveDialog *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!dialog)
        dialog = new PatternSaveDialog(session, parent);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

} // namespace quill
