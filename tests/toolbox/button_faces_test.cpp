#include "document/pattern.h"
#include "support/fixtures.h"
#include "toolbox/button_faces.h"
#include "toolbox/operation_faces.h"
#include "toolbox/operation_registry.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace quill {
namespace {

// Pixels where the two faces, as they show on a grey button, differ by a
// clear step in some channel.
int visiblyDifferentPixels(const QImage &a, const QImage &b)
{
    const auto onButton = [](const QImage &face) {
        QImage shown(face.size(), QImage::Format_RGB32);
        shown.fill(QColor(240, 240, 240));
        QPainter(&shown).drawImage(0, 0, face);
        return shown;
    };
    const QImage sa = onButton(a), sb = onButton(b);
    int count = 0;
    for (int y = 0; y < sa.height(); ++y)
        for (int x = 0; x < sa.width(); ++x) {
            const QRgb p = sa.pixel(x, y), q = sb.pixel(x, y);
            const int step =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            count += step >= 32;
        }
    return count;
}

// Buttons that do the same to what the user sees (the second half-turn button
// only leaves the work layer in other units; the pattern has two half-turn buttons).
const std::set<std::pair<QString, QString>> kSameAction = {
    {QStringLiteral("Command60"), QStringLiteral("Command62")},
    {QStringLiteral("Command100"), QStringLiteral("Command101")},
};

TEST(ButtonFacesTest, NoTwoButtonsWithDifferentActionsShareAFace)
{
    std::vector<const ToolboxButton *> buttons;
    for (const ToolboxButton &b : toolboxButtons())
        if (b.kind != ButtonKind::Check && b.kind != ButtonKind::Inert)
            buttons.push_back(&b);
    ASSERT_GT(buttons.size(), 90u);
    for (const ToolboxButton *b : buttons) {
        EXPECT_EQ(buttonFace(*b).size(), QSize(kButtonFaceSize, kButtonFaceSize)) << b->name.toStdString();
        EXPECT_NE(buttonFace(*b), plainFace()) << b->name.toStdString(); // something is drawn
    }
    int pairs = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        for (std::size_t j = i + 1; j < buttons.size(); ++j) {
            const QString a = buttons[i]->name, b = buttons[j]->name;
            if (kSameAction.count({a, b}) || kSameAction.count({b, a}))
                continue;
            ++pairs;
            EXPECT_GE(visiblyDifferentPixels(buttonFace(*buttons[i]), buttonFace(*buttons[j])), 20)
                << a.toStdString() << " looks like " << b.toStdString();
        }
    EXPECT_GT(pairs, 4000);
}

// The exemptions above hold only while the two clicks really do the same.
TEST(ButtonFacesTest, ButtonsCountedAsTheSameActionLeaveTheSameResult)
{
    for (const auto &[a, b] : kSameAction) {
        QImage results[2];
        Pattern patterns[2];
        int k = 0;
        for (const QString &name : {a, b}) {
            ScriptedHost host;
            Session s(host);
            s.undo.recording = false;
            s.document.replaceWith(faceSample(15));
            s.pattern.setCell(5, QStringLiteral("255"));
            findOperation(name)->run(s);
            results[k] = s.document.picture().Image().copy();
            patterns[k++] = s.pattern;
        }
        EXPECT_EQ(results[0], results[1]) << a.toStdString();
        EXPECT_EQ(patterns[0].PatternCells, patterns[1].PatternCells) << a.toStdString();
    }
}

TEST(ButtonStatusTest, EveryButtonNamesWhatItDoesAndDifferentActionsDifferently)
{
    std::map<QString, QString> seen; // text -> first button
    for (const ToolboxButton &b : toolboxButtons()) {
        if (b.kind == ButtonKind::Check || b.kind == ButtonKind::Inert)
            continue;
        const QString text = buttonStatusText(b);
        EXPECT_FALSE(text.isEmpty()) << b.name.toStdString();
        EXPECT_TRUE(text[0].isUpper()) << text.toStdString();
        const auto [it, fresh] = seen.emplace(text, b.name);
        if (!fresh)
            EXPECT_TRUE(kSameAction.count({it->second, b.name}))
                << b.name.toStdString() << " reads like " << it->second.toStdString();
    }
}

class OperationFaceTest : public testing::CoreTest {};

TEST_F(OperationFaceTest, ShowsTheOperationAppliedToTheSampleWithoutTouchingTheSession)
{
    // An operation that inverts the picture and takes a snapshot, as a real one would.
    Operation invert;
    invert.name = QStringLiteral("Invert");
    invert.run = [](Session &s) {
        s.TakeUndoSnapshot();
        QImage picture = s.document.picture().Image().copy();
        picture.invertPixels();
        s.document.picture().setPicture(picture);
        s.document.PropagateCentre();
    };
    doc.replaceWith(testing::solidImage(12, 12, rgb(1, 2, 3)));
    const QImage face = operationButtonFace(invert, kButtonFaceSize);
    QImage expected = faceSample();
    expected.invertPixels();
    EXPECT_EQ(face.convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_NE(expected, expected.mirrored(true, true)); // turns and mirrors show on the sample
    // The user's picture, undo history and working directory are untouched.
    EXPECT_EQ(testing::countPixels(doc.picture().Image(), rgb(1, 2, 3)), 144);
    EXPECT_EQ(session.undo.UndoCount, 0);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace quill
