// The "Text edit" window Form9: the text box Text1 whose text and font the
// Text tool prints, the size (Combo1) and font (Combo2) choices and the bold,
// italic and underline boxes. Created by the main frame's load and its "h"
// toggle; every change goes straight into the session's text settings.
#pragma once

#include "document/session.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quill {

class TextWindow : public QWidget {
    Q_OBJECT
public:
    TextWindow(Session &session, QWidget *parent = nullptr);
    ~TextWindow() override;

    QLineEdit *text1() const { return text1_; }
    QComboBox *sizeBox() const { return combo1_; }
    QComboBox *fontBox() const { return combo2_; }
    QCheckBox *boldBox() const { return check1_; }
    QCheckBox *italicBox() const { return check2_; }
    QCheckBox *underlineBox() const { return check3_; }

    // Combo1: the size in its text, when a font can have it.
    void chooseSize(const QString &text);
    // Combo2: the font of that name (a name no longer installed falls back when drawn).
    void chooseFont(const QString &name);

private:
    // Text1 shows the chosen font, as a sample of what will be printed.
    void showFont();
    void fitToFont();
    // Text1 is locked while a text is being placed on the canvas.
    void followState();

    Session &session_;
    QLineEdit *text1_ = nullptr;
    QComboBox *combo1_ = nullptr;
    QComboBox *combo2_ = nullptr;
    QCheckBox *check1_ = nullptr;
    QCheckBox *check2_ = nullptr;
    QCheckBox *check3_ = nullptr;
};

} // namespace quill
