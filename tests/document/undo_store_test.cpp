#include "document/recovery.h"
#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace quill {
namespace {

using testing::CoreTest;
using testing::pixelAt;
using testing::solidImage;

class UndoStoreTest : public CoreTest {
protected:
    UndoStoreTest() { doc.picture().setScaleMode(ScaleMode::Pixels); }

    // One "operation": a snapshot, then the picture painted in one colour.
    void paint(Colour c)
    {
        session.TakeUndoSnapshot();
        doc.picture().setPicture(solidImage(doc.pixelWidth(), doc.pixelHeight(), c));
        doc.PropagateCentre();
    }
    Colour shown() const { return pixelAt(doc.picture().Image(), 5, 5); }
    void expectButtons(bool undo, bool redo) const
    {
        EXPECT_EQ(session.undo.undoEnabled(), undo);
        EXPECT_EQ(session.undo.redoEnabled(), redo);
    }
    QString historyFile(const QString &name) { return QDir(session.undo.folder().path()).filePath(name); }
};

// Every step kept in memory, or only the newest with the rest read back from its file.
class UndoWalkTest : public UndoStoreTest, public ::testing::WithParamInterface<qint64> {};

TEST_P(UndoWalkTest, WalksBackAndForthWithTheButtonsFollowing)
{
    session.undo.memoryBytes = GetParam();
    expectButtons(false, true);
    const Colour white = shown();
    paint(kRed);
    paint(rgb(0, 255, 0));
    paint(rgb(0, 0, 255));
    session.undo.flush();
    EXPECT_TRUE(QFile::exists(historyFile(QStringLiteral("undo2.bmp"))));
    expectButtons(true, false);
    session.undo.Undo(doc);
    session.undo.flush();
    EXPECT_TRUE(QFile::exists(historyFile(QStringLiteral("undo3.bmp")))); // the newest state kept for Redo
    EXPECT_EQ(shown(), rgb(0, 255, 0));
    expectButtons(true, true);
    session.undo.Undo(doc);
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), white);
    EXPECT_EQ(session.undo.UndoCount, 0);
    expectButtons(false, true);
    EXPECT_TRUE(testing::allLayersEqual(doc));

    session.undo.Redo(doc);
    EXPECT_EQ(shown(), kRed);
    session.undo.Redo(doc);
    session.undo.Redo(doc);
    EXPECT_EQ(shown(), rgb(0, 0, 255));
    EXPECT_EQ(session.undo.UndoCount, 3);
    expectButtons(true, false);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(Memory, UndoWalkTest, ::testing::Values(qint64(256) << 20, qint64(0)));

TEST_F(UndoStoreTest, ANewOperationAfterUndoCutsTheRedoTail)
{
    paint(kRed);            // step 0 = white
    paint(rgb(0, 0, 9));    // step 1 = red
    session.undo.Undo(doc); // back to red, step 2 holds the newest
    paint(rgb(7, 7, 7));    // step 1 again: red
    session.undo.flush();
    EXPECT_FALSE(QFile::exists(historyFile(QStringLiteral("undo2.bmp")))); // the cut tail is gone from disk
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), kRed);
    session.undo.Redo(doc);
    EXPECT_EQ(shown(), rgb(7, 7, 7)); // not the undone blue
    expectButtons(true, false);
}

TEST_F(UndoStoreTest, RedoBeforeAnySnapshotChangesNothing)
{
    const QImage before = doc.picture().Image().copy();
    session.undo.Redo(doc);
    EXPECT_EQ(session.undo.UndoCount, 1);
    expectButtons(true, true);
    session.undo.Undo(doc);
    EXPECT_EQ(session.undo.UndoCount, 0);
    expectButtons(false, true);
    EXPECT_EQ(doc.picture().Image(), before);
}

class BrokenSnapshotTest : public UndoStoreTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(BrokenSnapshotTest, UndoKeepsThePictureWhenTheFileIsUnreadable)
{
    session.undo.memoryBytes = 0; // older steps come back from their files
    paint(kRed);
    paint(rgb(0, 0, 255));
    paint(rgb(0, 9, 0));
    session.undo.flush();
    const QString name = historyFile(QStringLiteral("undo1.bmp"));
    QFile::remove(name);
    if (std::string(GetParam()) != "missing")
        ASSERT_TRUE(testing::writeFile(name, QByteArray("BM\x36\x00\x00", 5)));
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), rgb(0, 0, 255)); // step 2 still reads
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), rgb(0, 0, 255)); // step 1 (red) is gone: the picture stays
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    session.undo.Undo(doc); // the older step still works
    EXPECT_EQ(shown(), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenSnapshotTest, ::testing::Values("missing", "truncated"));

TEST_F(UndoStoreTest, TheHistoryIsPrivateToEachSessionAndGoneAfterACleanEnd)
{
    ASSERT_TRUE(testing::writeFile(path(QStringLiteral("undo0.bmp")), "the user's own file"));
    loadStartState(session);
    paint(kRed);
    paint(kBlue);
    QString otherFolder;
    {
        ScriptedHost otherHost;
        Session other(otherHost);
        loadStartState(other);
        other.TakeUndoSnapshot();
        other.undo.flush();
        otherFolder = other.undo.folder().path();
        EXPECT_NE(otherFolder, session.undo.folder().path());
        EXPECT_TRUE(QFileInfo(otherFolder).isDir());
    }
    EXPECT_FALSE(QFileInfo::exists(otherFolder)); // a clean end removes its folder
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), kRed); // the other session's step did not land in this history
    EXPECT_EQ(testing::readFile(path(QStringLiteral("undo0.bmp"))), QByteArray("the user's own file"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("undo0.bmp")});
    EXPECT_TRUE(session.undo.folder().path().startsWith(HistoryFolder::root()));
}

TEST_F(UndoStoreTest, TheCapDropsTheOldestStepsAndUndoStopsAtTheOldestKept)
{
    const qint64 stepBytes = 54 + ((qint64(doc.pixelWidth()) * 3 + 3) & ~3) * doc.pixelHeight();
    session.undo.capBytes = 3 * stepBytes;
    session.undo.memoryBytes = 0;
    const Colour colours[] = {kRed, kBlue, rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9)};
    for (Colour c : colours)
        paint(c);
    session.undo.flush();
    EXPECT_EQ(session.undo.oldestStep(), 2);
    EXPECT_FALSE(QFile::exists(historyFile(QStringLiteral("undo1.bmp"))));
    EXPECT_TRUE(QFile::exists(historyFile(QStringLiteral("undo2.bmp"))));
    session.undo.Undo(doc);
    session.undo.Undo(doc);
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), kBlue); // step 2: the picture before the third paint
    expectButtons(false, true);
    session.undo.Undo(doc); // disabled: nothing happens
    EXPECT_EQ(shown(), kBlue);
    EXPECT_EQ(session.undo.UndoCount, 2);
}

class UndoOffTest : public UndoStoreTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(UndoOffTest, AHistoryThatCannotBeWrittenTurnsUndoOffAndSaysWhere)
{
    const std::string cause = GetParam();
    const QByteArray cacheBefore = qgetenv("XDG_CACHE_HOME");
    std::optional<ScopedWriteFault> fullDisk;
    if (cause == "cache_is_a_file") {
        ASSERT_TRUE(testing::writeFile(path(QStringLiteral("cache")), "not a folder"));
        qputenv("XDG_CACHE_HOME", path(QStringLiteral("cache")).toLocal8Bit());
    } else {
        fullDisk.emplace(ENOSPC);
    }
    loadStartState(session);
    paint(kRed);
    session.undo.flush();
    qputenv("XDG_CACHE_HOME", cacheBefore);
    const QString message = session.undo.offMessage();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Undo is off: cannot write "))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("quillmar/history"))) << message.toStdString();
    expectButtons(false, false);
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), kRed);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QStringList{QStringLiteral("undo*")}, QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Causes, UndoOffTest, ::testing::Values("cache_is_a_file", "disk_full"));

// A real crash: a child process paints, its history reaches the disk, and it
// is killed with SIGKILL; the next start offers its picture and history.
class RecoveryTest : public UndoStoreTest {
protected:
    static void paintAndDie(Colour first, Colour second)
    {
        ScriptedHost childHost;
        Session child(childHost);
        loadStartState(child);
        child.document.picture().setScaleMode(ScaleMode::Pixels);
        for (Colour c : {first, second}) {
            child.TakeUndoSnapshot();
            child.document.picture().setPicture(
                solidImage(child.document.pixelWidth(), child.document.pixelHeight(), c));
        }
        child.undo.keepLatest(child.document);
        child.undo.flush();
        raise(SIGKILL);
    }
    // The folder a killed child left behind.
    QString crashedFolder()
    {
        const pid_t child = fork();
        if (child == 0)
            paintAndDie(kRed, kBlue);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        const QStringList left = HistoryFolder::abandoned();
        return left.isEmpty() ? QString() : left.first();
    }
};

TEST_F(RecoveryTest, YesBringsBackTheNewestPictureWithItsHistory)
{
    loadStartState(session);
    const QString folder = crashedFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_FALSE(HistoryFolder::abandoned().contains(session.undo.folder().path())); // a running program's is not
    host.messageAnswers = {kAnswerYes};
    ASSERT_TRUE(offerRecovery(session));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kRecoverQuestion);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(shown(), kBlue);
    expectButtons(true, false);
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), kRed);
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), kWhite);
    EXPECT_EQ(session.undo.folder().path(), folder); // the history goes on in the adopted folder
    EXPECT_TRUE(HistoryFolder::abandoned().isEmpty());
}

TEST_F(RecoveryTest, NoDeletesTheFolderAndKeepsThePicture)
{
    loadStartState(session);
    const QString folder = crashedFolder();
    ASSERT_FALSE(folder.isEmpty());
    host.messageAnswers = {kAnswerNo};
    EXPECT_FALSE(offerRecovery(session));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(shown(), kWhite);
    host.messages.clear();
    EXPECT_FALSE(offerRecovery(session)); // nothing left to ask about
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RecoveryTest, AProgramKilledBeforeItsFirstStepLeavesNoQuestion)
{
    const QString folder = HistoryFolder::root() + QStringLiteral("/empty");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(testing::writeFile(folder + QStringLiteral("/owner"), "gone 2147483646 1"));
    EXPECT_FALSE(offerRecovery(session));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

} // namespace
} // namespace quill
