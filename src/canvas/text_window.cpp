#include "canvas/text_window.h"

#include "canvas/text_tool.h"
#include "surface/numeric_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>

namespace quill {

TextWindow::TextWindow(Session &session, QWidget *parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Text edit"));
    // A window opened anew starts from its own defaults.
    session_.state.Text = TextSettings{};
    const TextSettings &text = session_.state.Text;

    text1_ = new QLineEdit(text.Text, this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMinimumWidth(180);

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    for (const char *size : {"8", "9", "10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"})
        combo1_->addItem(QString::fromLatin1(size));
    combo1_->setEditText(QStringLiteral("10"));

    combo2_ = new QComboBox(this);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setEditable(true);
    combo2_->setInsertPolicy(QComboBox::NoInsert);
    combo2_->addItems(session_.state.FontNames);
    combo2_->setEditText(text.FontName);

    check1_ = new QCheckBox(QStringLiteral("Bold"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check2_ = new QCheckBox(QStringLiteral("Italic"), this);
    check2_->setObjectName(QStringLiteral("Check2"));
    check3_ = new QCheckBox(QStringLiteral("Underline"), this);
    check3_->setObjectName(QStringLiteral("Check3"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(text1_, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), this), 1, 0);
    grid->addWidget(combo2_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Size:"), this), 2, 0);
    grid->addWidget(combo1_, 2, 1, 1, 2);
    grid->addWidget(check1_, 3, 0);
    grid->addWidget(check2_, 3, 1);
    grid->addWidget(check3_, 3, 2);

    connect(text1_, &QLineEdit::textChanged, this, [this](const QString &t) {
        session_.state.Text.Text = t;
        session_.stateChanged();
    });
    // Choosing from the list or pressing Enter in the box.
    connect(combo1_, &QComboBox::textActivated, this, &TextWindow::chooseSize);
    connect(combo2_, &QComboBox::textActivated, this, &TextWindow::chooseFont);
    connect(combo2_, &QComboBox::editTextChanged, this, &TextWindow::chooseFont);
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
        session_.state.Text.FontBold = on;
        showFont();
    });
    connect(check2_, &QCheckBox::toggled, this, [this](bool on) {
        session_.state.Text.FontItalic = on;
        showFont();
    });
    connect(check3_, &QCheckBox::toggled, this, [this](bool on) {
        session_.state.Text.FontUnderline = on;
        showFont();
    });

    // The session outlives this window, so the listener checks that it is still there.
    session_.addStateListener([this] { followState(); }, this);
    showFont();
    followState();
}

TextWindow::~TextWindow()
{
    // With the window gone the tool prints what a freshly opened window would hold.
    session_.state.Text = TextSettings{};
}

void TextWindow::chooseSize(const QString &text)
{
    if (setTextFontSize(session_.state.Text, leadingNumber(text.toStdString())))
        showFont();
}

void TextWindow::chooseFont(const QString &name)
{
    // An empty name is no font; the last one stays.
    if (name.trimmed().isEmpty())
        return;
    session_.state.Text.FontName = name;
    showFont();
}

void TextWindow::showFont()
{
    const TextSettings &t = session_.state.Text;
    QFont font = text1_->font();
    font.setFamily(t.FontName);
    font.setPointSizeF(t.FontSize);
    font.setBold(t.FontBold);
    font.setItalic(t.FontItalic);
    font.setUnderline(t.FontUnderline);
    text1_->setFont(font);
    fitToFont();
    session_.stateChanged();
}

void TextWindow::fitToFont()
{
    // The field is a sample of the print: a big size must not be cut off, so
    // the window grows (and shrinks back) with the field.
    text1_->updateGeometry();
    if (QLayout *grid = layout())
        grid->activate();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->adjustSize();
    else
        adjustSize();
}

void TextWindow::followState() { text1_->setEnabled(session_.state.ClickStage != 1); }

} // namespace quill
