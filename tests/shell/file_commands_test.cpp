#include "shell/file_commands.h"
#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "toolbox/merge_image.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::CoreTest;

class FileCommandTest : public CoreTest {
protected:
    void setPicture(const QImage &picture) { doc.replaceWith(picture); }
    const QImage &picture() const { return doc.picture().Image(); }
    void answerSave(const QString &name, int filter) { host.saveAnswers.push_back({path(name), filter}); }
    void answerOpen(const QString &name) { host.openAnswers.push_back({path(name), 1}); }
    QString scratch(const QString &name) { return QDir(session.undo.folder().path()).filePath(name); }
};

TEST_F(FileCommandTest, ABitmapSavedAndOpenedAgainIsIdenticalAndSizesTheDocument)
{
    const QImage original = testing::randomImage(37, 23, 11);
    setPicture(original);
    answerSave(QStringLiteral("tile.bmp"), 2);
    SavePicture(session);
    EXPECT_TRUE(host.messages.empty());

    setPicture(testing::solidImage(10, 10, kBlack));
    answerOpen(QStringLiteral("tile.bmp"));
    OpenPicture(session);
    EXPECT_EQ(picture(), original);
    EXPECT_EQ(doc.layer(0).Left(), 37 * kTwipsPerPixel); // the centre of the new grid
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(session.undo.UndoCount, 0); // no snapshot
}

TEST_F(FileCommandTest, AJpegSaveReportsCreatedKeepsTempBmpPrivateAndOpensCloseToThePicture)
{
    const QImage original = testing::gradientImage(64, 40);
    setPicture(original);
    answerSave(QStringLiteral("tile.jpg"), 1);
    SavePicture(session);

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Created ") + path("tile.jpg"));
    EXPECT_EQ(host.messages[0].title, QStringLiteral("Quillmar"));
    const auto temp = loadPicture(scratch(QStringLiteral("temp.bmp")));
    ASSERT_TRUE(temp);
    EXPECT_EQ(*temp, original);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("tile.jpg")});

    setPicture(testing::solidImage(5, 5, kBlack));
    answerOpen(QStringLiteral("tile.jpg"));
    OpenPicture(session);
    ASSERT_EQ(picture().size(), original.size());
    EXPECT_LT(testing::meanError(picture(), original), 2.0);
    EXPECT_TRUE(allLayersEqual(doc));
}

TEST_F(FileCommandTest, SavingIntoAMissingFolderIsReportedAndKeepsThePicture)
{
    const QImage original = testing::randomImage(16, 16, 4);
    setPicture(original);
    ASSERT_TRUE(testing::writeFile(path("file"), "a plain file"));
    answerSave(QStringLiteral("file/tile.jpg"), 1); // the parent is not a folder
    SavePicture(session);
    answerSave(QStringLiteral("no_such_folder/tile.bmp"), 2);
    SavePicture(session);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("ImgDLLSaveRGBToJPG error: 7\nCannot write ") +
                                         path("file/tile.jpg") + QStringLiteral(": Not a directory"));
    EXPECT_EQ(host.messages[1].text, QStringLiteral("Cannot write ") + path("no_such_folder/tile.bmp") +
                                         QStringLiteral(": No such file or directory"));
    EXPECT_EQ(picture(), original);
    EXPECT_EQ(testing::readFile(path("file")), QByteArray("a plain file"));
}

struct FullDiskCase {
    const char *label;
    int filter;            // the Save dialog's entry
    const char *extension; // the name's, which decides the type
    qint64 allowed;        // bytes written before the disk is full
    const char *prefix;    // the message's first line, when it has two
};

class FullDiskSaveTest : public FileCommandTest, public ::testing::WithParamInterface<FullDiskCase> {};

TEST_P(FullDiskSaveTest, KeepsTheOriginalByteForByteLeavesNoTemporaryFileAndSaysWhy)
{
    const FullDiskCase c = GetParam();
    setPicture(testing::randomImage(40, 30, 5));
    const QByteArray original("the picture saved yesterday");
    const QString name = QStringLiteral("tile.") + QString::fromLatin1(c.extension);
    ASSERT_TRUE(testing::writeFile(path(name), original));
    {
        const ScopedWriteFault fullDisk(ENOSPC, c.allowed, name);
        answerSave(name, c.filter);
        SavePicture(session);
    }
    EXPECT_EQ(testing::readFile(path(name)), original);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QString::fromLatin1(c.prefix) + QStringLiteral("Cannot write ") + path(name) +
                                         QStringLiteral(": No space left on device"));
}

INSTANTIATE_TEST_SUITE_P(Formats, FullDiskSaveTest,
                         ::testing::Values(FullDiskCase{"jpeg_at_once", 1, "jpg", 0, "ImgDLLSaveRGBToJPG error: 7\n"},
                                           FullDiskCase{"jpeg_midway", 1, "jpg", 300, "ImgDLLSaveRGBToJPG error: 7\n"},
                                           FullDiskCase{"bitmap_in_the_header", 2, "bmp", 20, ""},
                                           FullDiskCase{"bitmap_midway", 2, "bmp", 2000, ""},
                                           FullDiskCase{"png_midway", 3, "png", 100, ""}),
                         [](const auto &info) { return std::string(info.param.label); });

// Fifos and other files that are not regular are refused in safe_write_test.cpp.
TEST_F(FileCommandTest, ALinkToAFileIsWrittenThrough)
{
    setPicture(testing::randomImage(8, 8, 2));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("real")));
    ASSERT_TRUE(testing::writeFile(path("real/tile.bmp"), "old"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/tile.bmp"), path("link.bmp"))); // relative to the link's folder
    answerSave(QStringLiteral("link.bmp"), 2);
    SavePicture(session);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(QFileInfo(path("link.bmp")).isSymLink());
    const auto written = loadPicture(path("real/tile.bmp"));
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, picture());
}

TEST_F(FileCommandTest, CancellingOpenOrSaveChangesNothing)
{
    const QImage original = testing::randomImage(9, 9, 3);
    setPicture(original);
    OpenPicture(session); // the scripted dialogs answer Cancel
    SavePicture(session);
    EXPECT_EQ(picture(), original);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(FileCommandTest, CopyThenPasteRestoresThePictureAndLeavesClipBmpInTheHistoryFolder)
{
    const QImage original = testing::randomImage(19, 12, 8);
    setPicture(original);
    CopyImage(session);
    EXPECT_FALSE(QFile::exists(path("clip.bmp")));
    const auto clip = loadPicture(scratch(QStringLiteral("clip.bmp")));
    ASSERT_TRUE(clip);
    EXPECT_EQ(*clip, original);

    setPicture(testing::solidImage(7, 7, kWhite));
    PasteImage(session);
    EXPECT_EQ(picture(), original);
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(session.undo.UndoCount, 0);
}

TEST_F(FileCommandTest, APastedPictureSetsTheSizeAndItsTransparencyShowsWhite)
{
    QImage clip(30, 4, QImage::Format_ARGB32);
    clip.fill(Qt::transparent);
    clip.setPixel(1, 1, 0xff0000ff);
    host.clipboard = clip;
    PasteImage(session);
    ASSERT_EQ(picture().size(), QSize(30, 4));
    EXPECT_EQ(testing::pixelAt(picture(), 1, 1), rgb(0, 0, 255));
    EXPECT_EQ(testing::countPixels(picture(), kWhite), 30 * 4 - 1);
    EXPECT_EQ(doc.layer(8).Left(), 2 * 30 * kTwipsPerPixel);
}

struct NewCase {
    const char *name;
    const char *width;
    const char *height;
    int unit;
    const char *problem; // what the dialog says; empty when accepted
    QSize pixels = {};   // of the picture afterwards
};

class NewPictureTest : public FileCommandTest, public ::testing::WithParamInterface<NewCase> {};

TEST_P(NewPictureTest, AcceptsOnlySizesInRange)
{
    const NewCase &c = GetParam();
    setPicture(testing::randomImage(12, 12, 5));
    const QImage before = picture();
    const bool accepted = !*c.problem;
    EXPECT_EQ(newPictureProblem(QString::fromUtf8(c.width), QString::fromUtf8(c.height), c.unit),
              QString::fromUtf8(c.problem));
    EXPECT_EQ(applyNewPicture(session, QString::fromUtf8(c.width), QString::fromUtf8(c.height), c.unit), accepted);
    if (!accepted) {
        EXPECT_EQ(picture(), before);
        return;
    }
    EXPECT_EQ(picture().size(), c.pixels);
    EXPECT_EQ(testing::countPixels(picture(), kWhite), c.pixels.width() * c.pixels.height());
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_EQ(session.undo.UndoCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, NewPictureTest,
    ::testing::Values(
        NewCase{"lower_limit", "50", "50", 0, "", {3, 3}}, NewCase{"upper_limit", "50", "3000", 0, "", {3, 200}},
        NewCase{"blanks_around", " 150 ", "\t300", 0, "", {10, 20}},
        NewCase{"centimetres", "50", "60", 6, "", {1890, 2268}},
        NewCase{"width_49", "49", "100", 0, "The width 49 is too small: the smallest is 50."},
        NewCase{"zero", "0", "100", 0, "The width 0 is too small: the smallest is 50."},
        NewCase{"negative", "100", "-60", 0, "The height -60 is too small: the smallest is 50."},
        NewCase{"height_3001", "100", "3001", 0, "The height 3001 is too large: the largest is 3000."},
        NewCase{"letters_after", "60abc", "100", 0, "The width \"60abc\" is not a number."},
        NewCase{"unit_after", "100", "120px", 0, "The height \"120px\" is not a number."},
        NewCase{"empty", "", "100", 0, "Type a number for the width."},
        NewCase{"inches_too_large", "3000", "50", 4, "The width 3000 is too large: the largest is 85.33."},
        NewCase{"characters_are_taller", "600", "600", 3, "The height 600 is too large: the largest is 512."}),
    [](const auto &info) { return std::string(info.param.name); });

struct RangeCase {
    int unit;
    double maxWidth;
    double maxHeight;
};

class NewRangeTest : public ::testing::TestWithParam<RangeCase> {};

// The cap is what 8192 pixels measure in the unit, where that is below 3000.
TEST_P(NewRangeTest, TheRangeInEachUnit)
{
    const NewRange range = newPictureRange(GetParam().unit);
    EXPECT_EQ(range.minimum, 50);
    EXPECT_DOUBLE_EQ(range.maxWidth, GetParam().maxWidth);
    EXPECT_DOUBLE_EQ(range.maxHeight, GetParam().maxHeight);
}

INSTANTIATE_TEST_SUITE_P(Units, NewRangeTest,
                         ::testing::Values(RangeCase{0, 3000, 3000}, RangeCase{2, 3000, 3000}, RangeCase{3, 1024, 512},
                                           RangeCase{4, 85.33, 85.33}, RangeCase{5, 2167.46, 2167.46},
                                           RangeCase{6, 216.74, 216.74}));

struct SaveNameCase {
    const char *typed;
    int filter; // 1 JPEG, 2 BMP, 3 PNG
    const char *written;
    const char *magic; // the first bytes of the file written
};

class SaveNameTest : public FileCommandTest, public ::testing::WithParamInterface<SaveNameCase> {};

// A name's own extension decides the type; a bare name takes the entry's type and extension.
TEST_P(SaveNameTest, TheFileGetsTheTypeItsNameSays)
{
    const SaveNameCase &c = GetParam();
    setPicture(testing::randomImage(12, 8, 2));
    answerSave(QString::fromLatin1(c.typed), c.filter);
    EXPECT_TRUE(SavePicture(session));
    const QString written = path(QString::fromLatin1(c.written));
    EXPECT_TRUE(testing::readFile(written).startsWith(QByteArray(c.magic))) << c.written;
    EXPECT_EQ(session.fileName, written);
    EXPECT_FALSE(session.modified);
    QStringList files = QDir(dir_.path()).entryList(QDir::Files);
    files.removeAll(QStringLiteral("temp.bmp")); // the JPEG path's working file
    EXPECT_EQ(files, QStringList{QString::fromLatin1(c.written)});
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveNameTest,
    ::testing::Values(SaveNameCase{"bare", 2, "bare.bmp", "BM"}, SaveNameCase{"bare", 3, "bare.png", "\x89PNG"},
                      SaveNameCase{"bare", 1, "bare.jpg", "\xff\xd8"}, SaveNameCase{"b.png", 2, "b.png", "\x89PNG"},
                      SaveNameCase{"c.BMP", 3, "c.BMP", "BM"}, SaveNameCase{"d.jpeg", 2, "d.jpeg", "\xff\xd8"},
                      SaveNameCase{"e.v2", 3, "e.v2.png", "\x89PNG"}));

struct RefusedOpenCase {
    const char *name;
    std::function<QByteArray()> bytes; // empty: no such file
    const char *status;
};

class RefusedOpenTest : public FileCommandTest, public ::testing::WithParamInterface<RefusedOpenCase> {};

TEST_P(RefusedOpenTest, KeepsThePictureAndSaysWhyOnTheStatusLine)
{
    const RefusedOpenCase &c = GetParam();
    if (c.bytes)
        ASSERT_TRUE(testing::writeFile(path(QString::fromLatin1(c.name)), c.bytes()));
    const QImage before = testing::randomImage(14, 9, 6);
    setPicture(before);
    answerOpen(QString::fromLatin1(c.name));
    EXPECT_FALSE(OpenPicture(session));
    EXPECT_EQ(picture(), before);
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(reports, std::vector<QString>{QString::fromLatin1(c.status)});
}

QByteArray cutPng()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    testing::randomImage(40, 30, 2).save(&buffer, "png");
    return buffer.data().left(buffer.data().size() * 2 / 3);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedOpenTest,
    ::testing::Values(RefusedOpenCase{"tile.png", cutPng, "tile.png: the file ends before its pixels do"},
                      RefusedOpenCase{"notes.txt", [] { return QByteArray("shopping list"); },
                                      "notes.txt: it is not a BMP, GIF, JPEG or PNG picture"},
                      RefusedOpenCase{"gone.bmp", nullptr, "gone.bmp: there is no such file"}),
    [](const auto &info) { return QString::fromLatin1(info.param.name).remove(QLatin1Char('.')).toStdString(); });

TEST_F(FileCommandTest, PasteWithNoPictureOnTheClipboardSaysSoAndKeepsThePicture)
{
    const QImage before = testing::randomImage(10, 6, 1);
    setPicture(before);
    PasteImage(session);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(reports, std::vector<QString>{QStringLiteral("Paste: the clipboard holds no picture")});
}

TEST_F(FileCommandTest, ArmingAsksAndShowsTheTrayIcon)
{
    armCapture(session);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              QStringLiteral("If you are ready to capture press the capture icon in the traybar"));
    EXPECT_EQ(host.messages[0].title, QStringLiteral("Capture"));
    EXPECT_TRUE(host.trayIconVisible());
}

TEST_F(FileCommandTest, TheFramedPartOfTheScreenLandsInTheDocumentAndItsCopies)
{
    host.screen = testing::randomImage(300, 200, 21);
    setPicture(testing::solidImage(20, 10, kWhite));
    const QImage screen = grabWholeScreen(host);
    ASSERT_EQ(screen.size(), QSize(300, 200));
    captureInto(session, screen, QPoint(50, 60));
    EXPECT_EQ(picture(), host.screen.copy(50, 60, 20, 10)); // the document keeps its size
    // A frame past the screen's edge copies only what is on the screen.
    setPicture(testing::solidImage(20, 10, rgb(1, 2, 3)));
    captureInto(session, screen, QPoint(290, 195));
    EXPECT_EQ(picture().copy(0, 0, 10, 5), host.screen.copy(290, 195, 10, 5));
    EXPECT_EQ(testing::countPixels(picture(), rgb(1, 2, 3)), 20 * 10 - 10 * 5);
}

TEST_F(FileCommandTest, TheMergeImageCanBeAPng)
{
    const QImage merge = testing::randomImage(7, 5, 9);
    ASSERT_TRUE(savePng(merge, path("merge.png")));
    answerOpen(QStringLiteral("merge.png"));
    openMergeImage(session);
    ASSERT_TRUE(session.merge.loaded());
    EXPECT_EQ(session.merge.image, merge);
    EXPECT_TRUE(host.openFilters.at(0).contains(QStringLiteral("*.png")));
}

} // namespace
} // namespace quill
