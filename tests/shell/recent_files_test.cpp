#include "shell/file_commands.h"
#include "shell/recent_files.h"
#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

namespace quill {
namespace {

class RecentFilesTest : public testing::CoreTest {
protected:
    RecentFilesTest() { QSettings().clear(); }
};

TEST_F(RecentFilesTest, KeepsTheTenNewestOnceEachNewestFirstAcrossInstances)
{
    RecentFiles recent;
    for (int i = 0; i < 12; ++i)
        recent.add(QStringLiteral("tile%1.png").arg(i));
    recent.add(QStringLiteral("tile5.png")); // again: moves to the front, not twice
    const QStringList files = RecentFiles().files();
    ASSERT_EQ(files.size(), kRecentFileCount);
    EXPECT_EQ(files.first(), path(QStringLiteral("tile5.png")));
    EXPECT_EQ(files[1], path(QStringLiteral("tile11.png")));
    EXPECT_EQ(files.count(path(QStringLiteral("tile5.png"))), 1);
    EXPECT_FALSE(files.contains(path(QStringLiteral("tile1.png"))));
    EXPECT_TRUE(files.contains(path(QStringLiteral("tile3.png"))));

    recent.remove(QStringLiteral("tile5.png"));
    EXPECT_EQ(RecentFiles().files().first(), path(QStringLiteral("tile11.png")));
    recent.clear();
    EXPECT_TRUE(RecentFiles().files().isEmpty());
}

TEST_F(RecentFilesTest, AHandEditedOverlongListShowsOnlyTen)
{
    QStringList many;
    for (int i = 0; i < 30; ++i)
        many << QStringLiteral("/pictures/%1.png").arg(i);
    QSettings().setValue(QStringLiteral("recentFiles"), many);
    EXPECT_EQ(RecentFiles().files(), many.mid(0, kRecentFileCount));
}

class SessionFileTest : public testing::CoreTest {
protected:
    const QImage &picture() const { return doc.picture().Image(); }
};

TEST_F(SessionFileTest, SaveWritesThePicturesOwnFileInItsTypeWithoutAsking)
{
    const QImage first = testing::randomImage(20, 16, 4);
    ASSERT_TRUE(savePng(first, path(QStringLiteral("tile.png"))));
    ASSERT_TRUE(openPictureFile(session, QStringLiteral("tile.png")).isEmpty());
    EXPECT_EQ(session.fileName, path(QStringLiteral("tile.png")));

    const QImage changed = testing::randomImage(20, 16, 5);
    doc.replaceWith(changed);
    EXPECT_TRUE(SaveToSessionFile(session));
    EXPECT_TRUE(host.saveFilters.empty());
    EXPECT_EQ(*loadPicture(path(QStringLiteral("tile.png"))), changed); // lossless, so exactly

    // A new picture has no file: Save must ask.
    ASSERT_TRUE(applyNewPicture(session, QStringLiteral("100"), QStringLiteral("100"), 1));
    EXPECT_TRUE(session.fileName.isEmpty());
    EXPECT_FALSE(SaveToSessionFile(session));
}

TEST_F(SessionFileTest, AGifCannotBeWrittenBackSoSaveLeavesItAlone)
{
    const QByteArray gif = testing::encodeGif(testing::paletteImage(8, 8));
    ASSERT_TRUE(testing::writeFile(path(QStringLiteral("tile.gif")), gif));
    ASSERT_TRUE(openPictureFile(session, QStringLiteral("tile.gif")).isEmpty());
    EXPECT_FALSE(SaveToSessionFile(session));
    EXPECT_EQ(testing::readFile(path(QStringLiteral("tile.gif"))), gif);
}

struct BadFileCase {
    const char *name;
    QByteArray content; // written unless empty
    bool folder;
    const char *says;
};

class OpenBadFileTest : public SessionFileTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(OpenBadFileTest, SaysWhyAndLeavesThePictureAndItsFileAsTheyWere)
{
    const BadFileCase &c = GetParam();
    const QImage before = testing::randomImage(12, 9, 2);
    doc.replaceWith(before);
    session.fileName = path(QStringLiteral("earlier.png"));
    if (c.folder)
        QDir().mkpath(path(QString::fromLatin1(c.name)));
    else if (!c.content.isEmpty())
        ASSERT_TRUE(testing::writeFile(path(QString::fromLatin1(c.name)), c.content));
    const QString why = openPictureFile(session, QString::fromLatin1(c.name));
    const QString start = QStringLiteral("Cannot open \"%1\": ").arg(QString::fromLatin1(c.name));
    // The loader's own reason where it has one, else ours.
    if (c.says)
        EXPECT_EQ(why, start + QString::fromLatin1(c.says));
    else
        EXPECT_TRUE(why.startsWith(start) && why.size() > start.size()) << why.toStdString();
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(session.fileName, path(QStringLiteral("earlier.png")));
}

INSTANTIATE_TEST_SUITE_P(Refused, OpenBadFileTest,
                         ::testing::Values(BadFileCase{"gone.png", {}, false, "there is no such file."},
                                           BadFileCase{"pictures", {}, true, "it is a folder."},
                                           BadFileCase{"notes.png", "just some words", false, nullptr},
                                           BadFileCase{"cut.bmp", QByteArray("BM\x36\x00\x00\x00", 6), false,
                                                       nullptr}));

} // namespace
} // namespace quill
