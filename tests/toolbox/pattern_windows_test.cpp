#include "support/fixtures.h"
#include "support/picture_files.h"
#include "toolbox/operation_registry.h"
#include "toolbox/pattern_files.h"
#include "toolbox/pattern_open_dialog.h"
#include "toolbox/pattern_panel_window.h"
#include "toolbox/pattern_save_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quill {
namespace {

using testing::pixelAt;

constexpr Colour kGreen = rgb(0, 160, 0);
constexpr Colour kOrange = rgb(250, 140, 10);

class PatternWindowTest : public testing::CoreTest {
protected:
    PatternWindowTest()
    {
        session.pattern.folder = path(QStringLiteral("patterns"));
        session.state.LeftColour = kGreen;
        session.state.RightColour = kOrange;
        toolbox.resize(539, 388);
        panel = new PatternPanel(session, &toolbox);
        panel->move(PatternPanel::kToolboxOrigin);
    }
    PatternCellBox *cell(int k) const { return panel->findChild<PatternCellBox *>(QStringLiteral("im(%1)").arg(k)); }
    // What the panel shows in the middle of cell k.
    Colour shownAt(int k) const
    {
        const QImage image = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return pixelAt(image, (k % 12) * 16 + 8, (k / 12) * 16 + 8);
    }
    void savePattern(const QString &name, Colour colour)
    {
        Pattern saved;
        for (int k = 0; k < kPatternCells; ++k)
            saved.setCell(k, k % 2 ? QString::number(colour) : QStringLiteral("T"));
        QDir().mkpath(session.pattern.folder);
        ASSERT_TRUE(writePatternFile(QDir(session.pattern.folder).filePath(name), saved.PatternCells).isEmpty());
    }

    QWidget toolbox;
    PatternPanel *panel = nullptr;
};

TEST_F(PatternWindowTest, ClicksPaintCellsAndTheCheckBoxesSetTheModes)
{
    QTest::mouseClick(cell(5), Qt::LeftButton);
    QTest::mouseClick(cell(6), Qt::RightButton);
    EXPECT_EQ(session.pattern.PatternCells[6], QString::number(kOrange));
    EXPECT_EQ(shownAt(5), kGreen);
    EXPECT_EQ(shownAt(6), kOrange);
    EXPECT_EQ(shownAt(7), TransparentCellColour);
    panel->transparentCheck()->click();
    QTest::mouseClick(cell(5), Qt::LeftButton);
    EXPECT_EQ(shownAt(5), TransparentCellColour);
    panel->pickTransparentCheck()->click();
    EXPECT_TRUE(session.pattern.GridPickColourTransparent);
    panel->transparentCheck()->click();
    panel->pickCheck()->click();
    QTest::mouseClick(cell(6), Qt::RightButton);
    EXPECT_EQ(session.state.LeftColour, kOrange); // picked, not painted
}

TEST_F(PatternWindowTest, FollowsOperationsThroughTheStateListeners)
{
    findOperation(QStringLiteral("pattern-fill"))->run(session);
    EXPECT_EQ(shownAt(0), kOrange);
    EXPECT_EQ(shownAt(143), kOrange);
    findOperation(QStringLiteral("pattern-blue"))->run(session);
    EXPECT_EQ(shownAt(77), rgb(0, 0, 133)); // grey level of (250, 140, 10)
}

TEST_F(PatternWindowTest, OpenListsThePatternsPreviewsAndOkLoadsIntoTheToolboxGrid)
{
    savePattern(QStringLiteral("stripes"), kGreen);
    savePattern(QStringLiteral("dots"), kOrange);
    PatternOpenDialog *dialog = openPatternDialog(session, &toolbox);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(dialog->fileList()->count(), 2);
    EXPECT_EQ(dialog->fileList()->item(0)->text(), QStringLiteral("dots"));

    dialog->fileClicked(0);
    EXPECT_EQ(dialog->preview()->cell(1)->colour(), kOrange);
    EXPECT_EQ(session.pattern.PatternCells[1], QString::number(kOrange));
    EXPECT_EQ(shownAt(1), TransparentCellColour); // the toolbox grid waits for Ok

    dialog->fileClicked(1);
    QPointer<PatternOpenDialog> watch(dialog);
    dialog->okButton()->click();
    EXPECT_EQ(shownAt(1), kGreen);
    EXPECT_EQ(session.pattern.PatternCells[3], QString::number(kGreen));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(PatternWindowTest, OpenAlsoListsThePatternsThatComeWithTheProgramAndLoadsThem)
{
    // Where the installed program keeps them: share/quillmar/patterns beside bin/.
    const QString shipped =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quillmar/patterns"));
    QDir(shipped).removeRecursively(); // a crashed earlier run's
    ASSERT_TRUE(QDir().mkpath(shipped));
    const auto removeShipped = qScopeGuard([&] { QDir(shipped + QStringLiteral("/../..")).removeRecursively(); });
    Pattern bricks;
    bricks.setCell(0, QString::number(kOrange));
    ASSERT_TRUE(writePatternFile(QDir(shipped).filePath(QStringLiteral("Bricks")), bricks.PatternCells).isEmpty());
    savePattern(QStringLiteral("bricks"), kGreen); // the user's own of the same name
    savePattern(QStringLiteral("leaves"), kGreen);
    ASSERT_TRUE(writePatternFile(QDir(shipped).filePath(QStringLiteral("Weave")), bricks.PatternCells).isEmpty());

    PatternOpenDialog *dialog = openPatternDialog(session, &toolbox);
    QStringList names;
    for (int r = 0; r < dialog->fileList()->count(); ++r)
        names << dialog->fileList()->item(r)->text();
    EXPECT_EQ(names, (QStringList{"bricks", "leaves", "Weave"}));
    EXPECT_EQ(dialog->fileList()->item(2)->toolTip(), QStringLiteral("Comes with Quillmar"));
    dialog->fileClicked(2);
    dialog->okButton()->click();
    EXPECT_EQ(session.pattern.PatternCells[0], QString::number(kOrange));
    EXPECT_EQ(shownAt(0), kOrange);
}

TEST_F(PatternWindowTest, CancelKeepsThePreviewedCellsAndWithoutShowPreviewAClickOnlySelects)
{
    savePattern(QStringLiteral("dots"), kOrange);
    PatternOpenDialog *dialog = openPatternDialog(session, &toolbox);
    dialog->previewCheck()->click();
    dialog->fileClicked(0);
    EXPECT_EQ(dialog->preview()->cell(1)->colour(), TransparentCellColour);
    EXPECT_EQ(session.pattern.PatternCells[1], QStringLiteral("T"));
    dialog->previewCheck()->click();
    dialog->fileClicked(0);
    dialog->cancelButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(session.pattern.PatternCells[1], QString::number(kOrange));
    EXPECT_EQ(shownAt(1), TransparentCellColour);
}

TEST_F(PatternWindowTest, ABadFileIsToldInThePreviewAndOkKeepsThePatternAndTheDialog)
{
    QTest::mouseClick(cell(9), Qt::LeftButton);
    QDir().mkpath(session.pattern.folder);
    ASSERT_TRUE(testing::writeFile(QDir(session.pattern.folder).filePath("broken"), "\"T\"\r\n\"T\"\r\n"));

    PatternOpenDialog *dialog = openPatternDialog(session, &toolbox);
    dialog->fileClicked(0);
    const QString reason = QStringLiteral("\"broken\" is not a pattern file: it has 2 lines, a pattern has 144.");
    EXPECT_EQ(dialog->problem()->text(), reason);
    dialog->okButton()->click();
    EXPECT_TRUE(host.messages.empty()); // no box to click away
    EXPECT_EQ(reports, std::vector<QString>{reason});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(session.pattern.PatternCells[9], QString::number(kGreen));
    EXPECT_EQ(shownAt(9), kGreen);
}

TEST_F(PatternWindowTest, SaveWritesTheNamedFileAndCloses)
{
    QTest::mouseClick(cell(0), Qt::LeftButton);
    PatternSaveDialog *dialog = savePatternDialog(session, &toolbox);
    EXPECT_EQ(savePatternDialog(session, &toolbox), dialog);
    QTest::keyClicks(dialog->nameEdit(), QStringLiteral("leaves"));
    dialog->okButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    const PatternRead read = readPatternFile(QDir(session.pattern.folder).filePath("leaves"));
    ASSERT_TRUE(read.values);
    EXPECT_EQ(*read.values, session.pattern.PatternCells);
}

} // namespace
} // namespace quill
