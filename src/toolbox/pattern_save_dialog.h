// Form12 "Save pattern": a name and Ok/Cancel. Shown modeless by the toolbox's
// save button; Ok saves the pattern under the name in the patterns folder,
// asking before it overwrites. Bad names and failed writes keep it open.
#pragma once

#include "document/session.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quill {

class PatternSaveDialog : public QDialog {
    Q_OBJECT
public:
    PatternSaveDialog(Session &session, QWidget *parent = nullptr);

    QLineEdit *nameEdit() const { return name_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }

    void accept() override;

private:
    Session &session_;
    QLineEdit *name_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

// The toolbox's save button (Command73): shows the dialog modeless, or raises
// the one already open under this parent. Returns it.
PatternSaveDialog *savePatternDialog(Session &session, QWidget *parent);

} // namespace quill
