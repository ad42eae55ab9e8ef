#include "support/fixtures.h"
#include "toolbox/button_table.h"
#include "toolbox/operation_registry.h"
#include "toolbox/seam_commands.h"

#include <QDir>
#include <gtest/gtest.h>

#include <set>

namespace quill {

void PrintTo(const ToolboxButton &button, std::ostream *os) { *os << button.name.toStdString(); }

namespace {

TEST(ButtonTableTest, EveryCommandButtonAndCheckBoxAppearsOnce)
{
    std::multiset<QString> names;
    for (const ToolboxButton &b : toolboxButtons())
        names.insert(b.name);
    for (int i = 1; i <= 101; ++i)
        EXPECT_EQ(names.count(QStringLiteral("Command%1").arg(i)), 1u) << i;
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(names.count(QStringLiteral("Check%1").arg(i)), 1u) << i;
    EXPECT_EQ(names.size(), 104u);
}

// The batch runner finds operations by alias: each is short, lower case and unique.
TEST(ButtonTableTest, AliasesAreUniqueLowerCaseNamesOfTheirOperations)
{
    std::set<QString> aliases;
    for (const Operation &op : allOperations()) {
        EXPECT_TRUE(aliases.insert(op.alias).second) << op.alias.toStdString();
        EXPECT_EQ(op.alias, op.alias.toLower());
        EXPECT_EQ(findOperation(op.alias), findOperation(op.name));
    }
}

// One case per row: the click on 10 x 10, 1 x 1 and 7 x 5 pictures runs, keeps
// the picture's size with all nine tiles in step, writes no file but its undo
// snapshots, takes exactly the snapshots it promises, and repeats exactly from
// the same seed, also after wrapping was switched on and off. Operations
// registered later are covered here by their rows.
struct ClickResult {
    QImage picture;
    bool layersInStep = false; // all nine the picture's size and equal
    int snapshots = 0;
    QStringList files;
};

ClickResult clickOnce(const ButtonAction &action, QSize size, bool toggleWrap = false)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ClickResult result;
    {
        ScriptedHost host;
        Session session(host);
        session.random.seed(2024);
        session.state.LeftColour = rgb(10, 200, 30);
        session.state.RightColour = rgb(240, 100, 5);
        session.document.replaceWith(testing::randomImage(size.width(), size.height(), 7));
        if (toggleWrap) {
            SeamState seam;
            setWrapAtEdges(session, seam, true);
            setWrapAtEdges(session, seam, false);
        }
        const int before = session.undo.UndoCount;
        action.run(session);
        result.snapshots = session.undo.UndoCount - before;
        result.picture = session.document.picture().Image().copy();
        result.layersInStep = testing::allLayersEqual(session.document) && result.picture.size() == size;
        session.undo.flush();
        // The steps go to the history folder, nothing to the working directory.
        result.files = QDir(session.undo.folder().path()).entryList({QStringLiteral("undo*")}, QDir::Files, QDir::Name);
        result.files += QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    }
    QDir::setCurrent(previous);
    return result;
}

class ButtonRowTest : public ::testing::TestWithParam<ToolboxButton> {};

TEST_P(ButtonRowTest, ClickIsSafeRepeatableAndTakesItsSnapshots)
{
    const ToolboxButton &row = GetParam();
    const ButtonAction action = buttonAction(row);
    if (row.kind == ButtonKind::Inert) {
        EXPECT_FALSE(action.run); // dead by design
        return;
    }
    if (!action.run) {
        EXPECT_FALSE(findOperation(row.name));
        GTEST_SKIP() << row.name.toStdString() << ": no operation is registered under this name";
    }
    for (const QSize size : {QSize(10, 10), QSize(1, 1), QSize(7, 5)}) {
        SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
        const ClickResult first = clickOnce(action, size);
        // Wrapping switched on and off again leaves no trace in any result.
        const ClickResult second = clickOnce(action, size, true);
        EXPECT_EQ(first.snapshots, action.snapshots);
        QStringList expectedFiles;
        for (int i = 0; i < action.snapshots; ++i)
            expectedFiles << QStringLiteral("undo%1.bmp").arg(i);
        expectedFiles.sort();
        EXPECT_EQ(first.files, expectedFiles);
        EXPECT_TRUE(first.layersInStep);
        EXPECT_EQ(first.picture, second.picture);
    }
}

INSTANTIATE_TEST_SUITE_P(Toolbox, ButtonRowTest, ::testing::ValuesIn(toolboxButtons()),
                         [](const auto &info) { return info.param.name.toStdString(); });

TEST(ButtonActionTest, ToolRowsSetTheToolAndTheirFillStyleOnAllNineLayers)
{
    ScriptedHost host;
    Session session(host);
    session.document.forEachLayer([](Surface &l) { l.FillStyle = 1; });
    buttonAction(*findToolboxButton(QStringLiteral("Command6"))).run(session);
    EXPECT_EQ(session.state.ToolMode, 6);
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(session.document.layer(i).FillStyle, 0) << i;
    buttonAction(*findToolboxButton(QStringLiteral("Command70"))).run(session);
    EXPECT_EQ(session.state.ToolMode, 20);
    EXPECT_EQ(session.document.layer(8).FillStyle, 0); // code 20 keeps the fill
    buttonAction(*findToolboxButton(QStringLiteral("Command7"))).run(session);
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(session.document.layer(i).FillStyle, 1) << i;
}

} // namespace
} // namespace quill
