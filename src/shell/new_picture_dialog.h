// "New" (Form3): asks for a width and a height and gives the picture and its
// eight copies that size, cleared. Opened modeless by the toolbar's "New";
// "Ok" closes it only when both sizes are accepted, "Cancel" changes nothing.
// Holds no state of its own between showings.
#pragma once

#include "document/session.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quill {

class NewPictureDialog : public QDialog {
    Q_OBJECT
public:
    NewPictureDialog(Session &session, QWidget *parent = nullptr);

    QLineEdit *widthField() const { return text1_; }
    QLineEdit *heightField() const { return text2_; }
    QComboBox *unitList() const { return combo1_; }
    QPushButton *okButton() const { return command1_; }
    QPushButton *cancelButton() const { return command2_; }

private:
    void ok();

    Session &session_;
    QLineEdit *text1_ = nullptr;
    QLineEdit *text2_ = nullptr;
    QComboBox *combo1_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
};

} // namespace quill
