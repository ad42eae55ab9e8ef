#include "support/fixtures.h"
#include "support/picture_files.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

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
};

TEST_F(UndoStoreTest, WalksBackAndForthWithTheButtonsFollowing)
{
    expectButtons(false, true);
    const Colour white = shown();
    paint(kRed);
    paint(rgb(0, 255, 0));
    paint(rgb(0, 0, 255));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("undo2.bmp"))));
    expectButtons(true, false);
    session.undo.Undo(doc);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("undo3.bmp")))); // the newest state kept for Redo
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

TEST_F(UndoStoreTest, ANewOperationAfterUndoCutsTheRedoTail)
{
    paint(kRed);            // undo0 = white
    paint(rgb(0, 0, 9));    // undo1 = red
    session.undo.Undo(doc); // back to red, undo2 holds the newest
    paint(rgb(7, 7, 7));    // overwrites undo1 with red
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
    paint(kRed);
    paint(rgb(0, 0, 255));
    const QString name = path(QStringLiteral("undo1.bmp"));
    QFile::remove(name);
    if (std::string(GetParam()) != "missing") {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("BM\x36\x00\x00", 5));
    }
    session.undo.Undo(doc);
    EXPECT_EQ(shown(), rgb(0, 0, 255));
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    session.undo.Undo(doc); // the older snapshot still works
    EXPECT_EQ(shown(), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenSnapshotTest, ::testing::Values("missing", "truncated"));

TEST_F(UndoStoreTest, UnwritableSnapshotFailsSilentlyAndDrawingGoesOn)
{
    // A directory in the snapshot's place can be neither deleted nor overwritten.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("undo0.bmp")));
    paint(kRed);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("undo0.bmp"))).isDir());
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_EQ(shown(), kRed);
    session.undo.Undo(doc); // nothing to load: the picture stays
    EXPECT_EQ(shown(), kRed);
    EXPECT_EQ(session.undo.UndoCount, 0);
}

TEST_F(UndoStoreTest, StartUpDeletesNumbersZeroToOneThousandOnly)
{
    const std::pair<const char *, bool> files[] = {{"undo0.bmp", false},
                                                   {"undo1000.bmp", false},
                                                   {"undo1001.bmp", true},
                                                   {"undo-1.bmp", true},
                                                   {"undo05.bmp", true}};
    for (const auto &[name, kept] : files)
        ASSERT_TRUE(testing::writeFile(path(QString::fromLatin1(name)), "x"));
    UndoStore::deleteStaleFiles();
    for (const auto &[name, kept] : files)
        EXPECT_EQ(QFile::exists(path(QString::fromLatin1(name))), kept) << name;
}

} // namespace
} // namespace quill
