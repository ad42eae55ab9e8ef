// "About..." (Form5): the program's icon, name and version, and the libraries
// it is built on. Opened modeless by the toolbar; "Ok" closes it.
#pragma once

#include <QDialog>

namespace quill {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // The text of one of its labels by designer name ("Label1".."Label9").
    QString labelText(const QString &name) const;
};

} // namespace quill
