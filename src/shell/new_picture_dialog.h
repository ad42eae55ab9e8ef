// "New" (Form3): asks for a width and a height and gives the picture and its
// eight copies that size, cleared. Opened modeless by the toolbar's "New";
// "Ok" closes it only when both sizes are accepted and otherwise says why;
// "Cancel" changes nothing.
// Holds no state of its own between showings.
#pragma once

#include "document/session.h"

#include <QDialog>

class QComboBox;
class QLabel;
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
    // "50 to 3000 twips" beside each field, and why the last Ok did nothing.
    QLabel *widthRange() const { return widthRange_; }
    QLabel *heightRange() const { return heightRange_; }
    QLabel *problem() const { return problem_; }

private:
    void ok();
    void showRange();

    Session &session_;
    QLineEdit *text1_ = nullptr;
    QLineEdit *text2_ = nullptr;
    QComboBox *combo1_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
    QLabel *widthRange_ = nullptr;
    QLabel *heightRange_ = nullptr;
    QLabel *problem_ = nullptr;
};

} // namespace quill
