#include "toolbox/pattern_open_dialog.h"

#include "toolbox/pattern_files.h"
#include "toolbox/pattern_panel_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quill {

PatternOpenDialog::PatternOpenDialog(Session &session, QWidget *parent)
    : QDialog(parent), session_(session), folder_(patternsFolder(session.pattern))
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(kOpenPatternTitle);
    setAttribute(Qt::WA_DeleteOnClose);

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("File1"));
    for (const PatternFile &file : listPatterns(folder_, shippedPatternsFolder())) {
        auto *item = new QListWidgetItem(file.name, files_);
        item->setData(Qt::UserRole, file.path);
        if (file.shipped)
            item->setToolTip(QStringLiteral("Comes with Quillmar"));
    }
    previewCheck_ = new QCheckBox(QStringLiteral("Show preview"), this);
    previewCheck_->setObjectName(QStringLiteral("Check1"));
    previewCheck_->setChecked(true);
    preview_ = new PatternGrid(this);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setMaximumWidth(preview_->width());
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Command1"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(files_, 0, 0, 3, 1);
    layout->addWidget(preview_, 0, 1);
    layout->addWidget(previewCheck_, 1, 1);
    layout->addWidget(problem_, 2, 1, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons, 3, 0, 1, 2);

    connect(files_, &QListWidget::currentRowChanged, this, &PatternOpenDialog::fileClicked);
    connect(files_, &QListWidget::itemDoubleClicked, this, &PatternOpenDialog::accept);
    connect(ok_, &QPushButton::clicked, this, &PatternOpenDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &PatternOpenDialog::reject);
}

QString PatternOpenDialog::selectedPath() const
{
    const QListWidgetItem *item = files_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void PatternOpenDialog::fileClicked(int row)
{
    if (row < 0 || row >= files_->count())
        return;
    if (files_->currentRow() != row) {
        files_->setCurrentRow(row); // comes back here through the signal
        return;
    }
    if (!previewCheck_->isChecked())
        return;
    QString error;
    std::array<Colour, kPatternCells> shown;
    shown.fill(TransparentCellColour);
    if (const auto colours = previewPatternFile(session_, selectedPath(), error))
        shown = *colours;
    preview_->showColours(shown);
    problem_->setText(error);
}

void PatternOpenDialog::accept()
{
    const QString path = selectedPath();
    if (!path.isEmpty() && !loadPatternFile(session_, path))
        return; // the message told why; the user may pick another file
    QDialog::accept();
}

PatternOpenDialog *openPatternDialog(Session &session, QWidget *parent)
{
    auto *dialog = parent ? parent->findChild<PatternOpenDialog *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!dialog)
        dialog = new PatternOpenDialog(session, parent);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

} // namespace quill
