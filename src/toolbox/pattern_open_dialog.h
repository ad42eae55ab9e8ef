// Form11 "Open pattern": the files of the patterns folder, a live preview of
// the clicked file and Ok/Cancel. Shown modeless by the toolbox's open button;
// Ok loads the file into the pattern and the toolbox grid. It never edits a file.
#pragma once

#include "document/session.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quill {

class PatternGrid;

class PatternOpenDialog : public QDialog {
    Q_OBJECT
public:
    PatternOpenDialog(Session &session, QWidget *parent = nullptr);

    QListWidget *fileList() const { return files_; }
    QCheckBox *previewCheck() const { return previewCheck_; }
    PatternGrid *preview() const { return preview_; }
    QLabel *problem() const { return problem_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }

    // A click on a file of the list, as the user makes it.
    void fileClicked(int row);
    void accept() override;

private:
    QString selectedPath() const;

    Session &session_;
    QString folder_;
    QListWidget *files_ = nullptr;
    QCheckBox *previewCheck_ = nullptr;
    PatternGrid *preview_ = nullptr;
    QLabel *problem_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

// The toolbox's open button (Command72): shows the dialog modeless, or raises
// the one already open under this parent. Returns it.
PatternOpenDialog *openPatternDialog(Session &session, QWidget *parent);

} // namespace quill
