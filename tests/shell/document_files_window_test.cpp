#include "shell/document_files_window.h"
#include "shell/file_commands.h"
#include "shell/menu_bar_window.h"
#include "support/picture_files.h"
#include "support/window_fixture.h"
#include "surface/image_files.h"
#include "toolbox/toolbox_window.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <gtest/gtest.h>

namespace quill {
namespace {

class DocumentFilesTest : public testing::WindowTest {
protected:
    DocumentFiles &files() { return *frame->files(); }
    QImage picture() const { return doc.picture().Image(); }
    QString status() const { return frame->statusBar()->currentMessage(); }
    QString savedPng(const char *name, const QImage &image)
    {
        const QString file = path(QString::fromLatin1(name));
        EXPECT_TRUE(savePng(image, file));
        return file;
    }
    QStringList recentMenuTexts()
    {
        QStringList texts;
        for (QAction *a : frame->menus()->recentMenu()->actions())
            if (!a->isSeparator())
                texts << a->text();
        return texts;
    }
    // A file dragged from a file manager and let go over the widget.
    bool drop(QWidget *target, const QString &file)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
};

TEST_F(DocumentFilesTest, OpeningByNameShowsThePictureNamesItInTheTitleAndRemembersIt)
{
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar"));
    const QImage tile = testing::randomImage(30, 20, 1);
    const QString file = savedPng("tile.png", tile);
    ASSERT_TRUE(files().openFile(file));
    EXPECT_EQ(picture(), tile);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar - tile.png"));
    EXPECT_EQ(status(), QStringLiteral("Opened ") + file);
    EXPECT_EQ(recentMenuTexts(), (QStringList{"&1 tile.png", "Clear the list"}));

    // New forgets the file: the title goes back and Save asks for a name.
    ASSERT_TRUE(applyNewPicture(session, QStringLiteral("100"), QStringLiteral("100"), 1));
    session.stateChanged();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar"));
}

TEST_F(DocumentFilesTest, AFileThatCannotBeOpenedSaysSoAndLeavesEverythingAsItWas)
{
    const QImage before = picture();
    ASSERT_TRUE(testing::writeFile(path(QStringLiteral("broken.png")), "not a picture"));
    EXPECT_FALSE(files().openFile(path(QStringLiteral("broken.png"))));
    EXPECT_EQ(picture(), before);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Cannot open \"broken.png\": "))) << status().toStdString();
    EXPECT_GT(status().size(), 30); // and why
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar"));
    EXPECT_TRUE(files().recent().files().isEmpty());
}

TEST_F(DocumentFilesTest, OpenRecentListsTheNewestFirstAcrossARestartAndReopensOne)
{
    const QImage first = testing::randomImage(8, 8, 1), second = testing::randomImage(9, 7, 2);
    files().openFile(savedPng("first.png", first));
    files().openFile(savedPng("second.png", second));
    // A restart: a new frame reads the list back from the settings.
    frame.reset();
    frame = std::make_unique<MainFrame>(session);
    frame->show();
    EXPECT_EQ(recentMenuTexts(), (QStringList{"&1 second.png", "&2 first.png", "Clear the list"}));
    frame->menus()->recentMenu()->actions()[1]->trigger();
    EXPECT_EQ(picture(), first);
    EXPECT_EQ(recentMenuTexts().first(), QStringLiteral("&1 first.png"));

    // A recent file that has gone says so and leaves the list.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("second.png"))));
    frame->menus()->recentMenu()->actions()[1]->trigger();
    EXPECT_EQ(picture(), first);
    EXPECT_EQ(status(), QStringLiteral("Cannot open \"second.png\": there is no such file."));
    EXPECT_EQ(recentMenuTexts(), (QStringList{"&1 first.png", "Clear the list"}));
    frame->findChild<QAction *>(QStringLiteral("RecentClear"))->trigger();
    EXPECT_EQ(recentMenuTexts(), (QStringList{"Clear the list"}));
}

TEST_F(DocumentFilesTest, SaveWritesBackToTheOpenedFileAndSaveAsAsksAndRenames)
{
    const QString file = savedPng("tile.png", testing::randomImage(16, 16, 3));
    files().openFile(file);
    press(0, {4, 4}); // draw a dot
    const QImage painted = picture();
    frame->toolbarClick(QStringLiteral("c"));
    EXPECT_TRUE(host.saveFilters.empty());
    EXPECT_EQ(*loadPicture(file), painted);

    host.saveAnswers.push_back({path(QStringLiteral("copy.bmp")), 2});
    frame->menus()->action(QStringLiteral("save-as"))->trigger();
    EXPECT_EQ(host.saveFilters.size(), 1u);
    EXPECT_EQ(*loadPicture(path(QStringLiteral("copy.bmp"))), painted);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar - copy.bmp"));
    EXPECT_EQ(recentMenuTexts().first(), QStringLiteral("&1 copy.bmp"));
}

TEST_F(DocumentFilesTest, APictureDroppedOnTheCanvasOpensAndOnTheMergeBoxBecomesTheMergeImage)
{
    const QImage tile = testing::randomImage(14, 10, 5), other = testing::randomImage(6, 5, 6);
    EXPECT_TRUE(drop(&canvas(), savedPng("dropped.png", tile)));
    EXPECT_EQ(picture(), tile);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillmar - dropped.png"));

    auto *toolbox = frame->findChild<ToolboxWindow *>(QStringLiteral("Form2"));
    EXPECT_TRUE(drop(toolbox->mergeBox(), savedPng("merge.png", other)));
    EXPECT_EQ(picture(), tile);
    ASSERT_TRUE(session.merge.loaded());
    EXPECT_EQ(session.merge.box.Image().copy(0, 0, 6, 5), other);

    // Something that is not a file is refused at the door.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

} // namespace
} // namespace quill
