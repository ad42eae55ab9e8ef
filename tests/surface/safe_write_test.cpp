#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/file_names.h"
#include "surface/image_files.h"
#include "surface/safe_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quill {
namespace {

using testing::TempDirTest;

struct NameBytes {
    const char *label;
    QByteArray bytes;
    bool text; // valid UTF-8
};

class FileNameTest : public ::testing::TestWithParam<NameBytes> {};

TEST_P(FileNameTest, EveryByteSurvivesTheWayThroughQString)
{
    const NameBytes &c = GetParam();
    const QString name = pathFromBytes(c.bytes);
    EXPECT_EQ(pathBytes(name), c.bytes);
    if (c.text)
        EXPECT_EQ(name, QString::fromUtf8(c.bytes));
    else
        EXPECT_NE(name.toUtf8(), c.bytes); // the stray bytes are not text
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameTest,
    ::testing::Values(NameBytes{"ascii", "tile.png", true}, NameBytes{"accent", "caf\xc3\xa9.png", true},
                      NameBytes{"emoji", "\xf0\x9f\x8e\xa8.bmp", true}, NameBytes{"latin1_byte", "bad\xff.png", false},
                      NameBytes{"cut_sequence", "x\xc3", false}, NameBytes{"encoded_surrogate", "\xed\xa0\x80", false},
                      NameBytes{"past_unicode", "\xf4\x90\x80\x80", false}, NameBytes{"overlong", "\xc0\xaf", false}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(TempDirTest, APictureSavesAndOpensUnderANameThatIsNotText)
{
    const QByteArray folder = QFile::encodeName(dir_.path());
    const QByteArray bytes = folder + "/tile\xff\xfe.bmp";
    const QImage picture = testing::randomImage(6, 5, 3);
    ASSERT_TRUE(saveBitmap(picture, pathFromBytes(bytes)));
    struct stat info {};
    EXPECT_EQ(stat(bytes.constData(), &info), 0); // under exactly these bytes
    const auto back = loadPicture(pathFromBytes(bytes));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, picture);
    unlink(bytes.constData()); // the temporary folder's own clean-up goes by text names
}

TEST_F(TempDirTest, ReplacingAFileKeepsItsPermissions)
{
    ASSERT_TRUE(testing::writeFile(path("kept.bmp"), "old"));
    ASSERT_EQ(chmod(path("kept.bmp").toLocal8Bit().constData(), 0640), 0);
    ASSERT_TRUE(saveBitmap(testing::randomImage(3, 3, 1), path("kept.bmp")));
    struct stat info {};
    ASSERT_EQ(stat(path("kept.bmp").toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ASSERT_TRUE(saveBitmap(testing::randomImage(3, 3, 1), path("new.bmp")));
    ASSERT_EQ(stat(path("new.bmp").toLocal8Bit().constData(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask); // not mkstemp's private 0600
}

// Things that are not regular files, made in the test's folder under "target".
struct SpecialCase {
    const char *label;
    void (*make)(const QString &target);
};

class NotARegularFileTest : public TempDirTest, public ::testing::WithParamInterface<SpecialCase> {};

TEST_P(NotARegularFileTest, IsRefusedAndLeftAsItWas)
{
    const QString target = path("target");
    GetParam().make(target);
    struct stat before {};
    ASSERT_EQ(lstat(target.toLocal8Bit().constData(), &before), 0);
    const WriteResult result = saveBitmap(testing::randomImage(4, 4, 1), target);
    EXPECT_EQ(result.error, target + QStringLiteral(" is not a regular file"));
    struct stat after {};
    ASSERT_EQ(lstat(target.toLocal8Bit().constData(), &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size()); // no temporary left
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotARegularFileTest,
    ::testing::Values(SpecialCase{"fifo", [](const QString &t) { mkfifo(t.toLocal8Bit().constData(), 0600); }},
                      SpecialCase{"socket",
                                  [](const QString &t) {
                                      const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
                                      sockaddr_un address{};
                                      address.sun_family = AF_UNIX;
                                      qstrncpy(address.sun_path, t.toLocal8Bit().constData(), sizeof address.sun_path);
                                      bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
                                      close(fd);
                                  }},
                      SpecialCase{"folder", [](const QString &t) { QDir().mkdir(t); }},
                      SpecialCase{"link_to_a_fifo",
                                  [](const QString &t) {
                                      mkfifo((t + QStringLiteral(".fifo")).toLocal8Bit().constData(), 0600);
                                      QFile::link(t + QStringLiteral(".fifo"), t);
                                  }}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(TempDirTest, AnEncoderFailureKeepsTheOldFileAndGivesItsReason)
{
    ASSERT_TRUE(testing::writeFile(path("out.dat"), "old"));
    const WriteResult result = writeFileSafely(path("out.dat"), [](FileSink &sink) {
        sink.write("partial", 7);
        sink.fail(QStringLiteral("PNG encoder: broken"));
        return false;
    });
    EXPECT_EQ(result.error,
              QStringLiteral("Cannot write ") + path("out.dat") + QStringLiteral(": PNG encoder: broken"));
    EXPECT_EQ(testing::readFile(path("out.dat")), QByteArray("old"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.dat")});
}

} // namespace
} // namespace quill
