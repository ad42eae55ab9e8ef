#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/safe_write.h"
#include "toolbox/pattern_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

namespace quill {
namespace {

// The file text of `lines` quoted cells, all "T" but for the line at `index`.
QByteArray patternText(int lines, const char *end = "\r\n", int index = -1, const QByteArray &line = {})
{
    QByteArray text;
    for (int k = 0; k < lines; ++k)
        text += (k == index ? line : QByteArray("\"T\"")) + end;
    return text;
}
QByteArray withLine(int index, const QByteArray &line) { return patternText(kPatternCells, "\r\n", index, line); }

class PatternFilesTest : public testing::CoreTest {
protected:
    PatternFilesTest()
    {
        session.pattern.folder = path(QStringLiteral("patterns"));
        for (int k = 0; k < kPatternCells; ++k)
            if (k % 3)
                session.pattern.setCell(k, QString::number(k * 99991 % 16777216));
        session.pattern.setCell(4, QString::number(kWhite));
        session.pattern.setCell(5, QStringLiteral("0"));
        original = session.pattern;
    }
    QString folder() const { return session.pattern.folder; }
    QString file(const QString &name) const { return QDir(folder()).filePath(name); }
    void expectPatternKept() const
    {
        EXPECT_EQ(session.pattern.PatternCells, original.PatternCells);
        EXPECT_EQ(session.pattern.GridColours, original.GridColours);
    }

    Pattern original;
};

TEST_F(PatternFilesTest, SavesQuotedCrLfLinesAndOpensThemCellForCell)
{
    ASSERT_FALSE(QFileInfo::exists(folder()));
    ASSERT_TRUE(savePatternAs(session, QStringLiteral("p.txt"))); // no extension is added or changed
    EXPECT_TRUE(QFileInfo(folder()).isDir());                     // created when missing
    EXPECT_TRUE(host.messages.empty());
    QByteArray expected;
    for (const QString &cell : original.PatternCells)
        expected += '"' + cell.toLatin1() + "\"\r\n";
    EXPECT_EQ(testing::readFile(file(QStringLiteral("p.txt"))), expected);
    EXPECT_TRUE(expected.startsWith("\"T\"\r\n\"99991\"\r\n"));

    session.pattern.clear();
    ASSERT_TRUE(loadPatternFile(session, file(QStringLiteral("p.txt"))));
    expectPatternKept();
    EXPECT_EQ(session.pattern.GridColours[4], kWhite);
}

TEST_F(PatternFilesTest, ReadingAcceptsLineFeedsAloneAndEmptyCells)
{
    QDir().mkpath(folder());
    const QByteArray text = patternText(kPatternCells, "\n", 142, "\"\"").replace(0, 3, "\"255\"");
    ASSERT_TRUE(testing::writeFile(file("lf"), text.chopped(1))); // no line end after the last cell
    ASSERT_TRUE(loadPatternFile(session, file("lf")));
    EXPECT_EQ(session.pattern.PatternCells[0], QStringLiteral("255"));
    EXPECT_EQ(session.pattern.GridColours[0], rgb(255, 0, 0));
    EXPECT_EQ(session.pattern.PatternCells[142], QString());
    EXPECT_EQ(session.pattern.GridColours[142], TransparentCellColour);
    EXPECT_EQ(session.pattern.PatternCells[143], QStringLiteral("T"));
}

TEST_F(PatternFilesTest, OverwriteAskedAndNoKeepsTheFileAndTheDialog)
{
    ASSERT_TRUE(savePatternAs(session, QStringLiteral("a")));
    const QByteArray first = testing::readFile(file("a"));
    session.pattern.clear();
    host.messageAnswers.push_back(kAnswerNo);
    EXPECT_FALSE(savePatternAs(session, QStringLiteral("a")));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("This file already exists. Do you want to save anyway?"));
    EXPECT_EQ(host.messages[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(testing::readFile(file("a")), first);

    host.messageAnswers.push_back(kAnswerYes);
    EXPECT_TRUE(savePatternAs(session, QStringLiteral("a")));
    EXPECT_EQ(testing::readFile(file("a")), patternText(144));
}

TEST_F(PatternFilesTest, AFolderThatIsAFileOrANameTakenByAFolderIsReported)
{
    ASSERT_TRUE(testing::writeFile(folder(), "not a folder"));
    EXPECT_FALSE(savePatternAs(session, QStringLiteral("x")));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.startsWith(QStringLiteral("The pattern cannot be saved: ")));
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("is a file, not a folder")));
    EXPECT_EQ(host.messages[0].title, QStringLiteral("Save pattern"));
    EXPECT_EQ(testing::readFile(folder()), QByteArray("not a folder"));
}

struct BadName {
    const char *name;
    const char *message;
};

class PatternNameTest : public PatternFilesTest, public ::testing::WithParamInterface<BadName> {};

TEST_P(PatternNameTest, IsRefusedWithAClearMessageAndNoFile)
{
    EXPECT_FALSE(savePatternAs(session, QString::fromUtf8(GetParam().name)));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(host.messages[0].title, QStringLiteral("Save pattern"));
    EXPECT_TRUE(QDir(folder()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("x")));
}

constexpr const char *kReserved = "A pattern name cannot contain / \\ : * ? \" < > | or control characters.";

INSTANTIATE_TEST_SUITE_P(Names, PatternNameTest,
                         ::testing::Values(BadName{"", "Type a name for the pattern."},
                                           BadName{"..", "\".\" and \"..\" cannot be pattern names."},
                                           BadName{"../x", kReserved}, BadName{"x\ty", kReserved}));

struct BadFile {
    const char *label;
    QByteArray content;
    const char *message;
};

class BadPatternFileTest : public PatternFilesTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadPatternFileTest, IsReportedAndTheCurrentPatternAndPictureAreKept)
{
    const QImage picture = testing::randomImage(12, 12, 9);
    doc.replaceWith(picture);
    QDir().mkpath(folder());
    ASSERT_TRUE(testing::writeFile(file("bad"), GetParam().content));

    EXPECT_FALSE(loadPatternFile(session, file("bad")));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(reports, std::vector<QString>{QString::fromUtf8(GetParam().message)});
    expectPatternKept();
    EXPECT_EQ(doc.picture().Image(), picture);

    QString error;
    EXPECT_FALSE(previewPatternFile(session, file("bad"), error));
    EXPECT_EQ(error, QString::fromUtf8(GetParam().message));
    expectPatternKept();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPatternFileTest,
    ::testing::Values(
        BadFile{"Short", patternText(143), "\"bad\" is not a pattern file: it has 143 lines, a pattern has 144."},
        BadFile{"Unquoted", withLine(6, "255"),
                "\"bad\" is not a pattern file: line 7 is not a value in double quotes."},
        BadFile{"NotANumber", withLine(143, "\"red\""),
                "\"bad\" is not a pattern file: line 144 holds \"red\", which is neither T nor a colour number."},
        BadFile{"OutOfRange", withLine(2, "\"16777216\""),
                "\"bad\" is not a pattern file: line 3 holds the colour 16777216, beyond the largest colour "
                "16777215."},
        BadFile{"Huge", QByteArray(70000, 'x'), "\"bad\" is not a pattern file: it is far larger than 144 lines."}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(PatternFilesTest, MissingAndEndlessFilesAreReportedAtOnceAndChangeNothing)
{
    // A FIFO with no writer and /dev/zero would block or never end if read.
    QDir().mkpath(folder());
    ASSERT_EQ(mkfifo(file("pipe").toLocal8Bit().constData(), 0600), 0);
    const std::pair<QString, const char *> cases[] = {
        {file("nowhere"), "The pattern file \"nowhere\" cannot be opened: no such file."},
        {file("pipe"), "The pattern file \"pipe\" cannot be opened: not a regular file."},
        {QStringLiteral("/dev/zero"), "The pattern file \"zero\" cannot be opened: not a regular file."}};
    for (const auto &[name, message] : cases) {
        reports.clear();
        EXPECT_FALSE(loadPatternFile(session, name));
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(reports, std::vector<QString>{QString::fromLatin1(message)});
        expectPatternKept();
    }
}

TEST_F(PatternFilesTest, ASaveOntoAFullDiskKeepsTheOldFileAndSaysWhy)
{
    QDir().mkpath(folder());
    ASSERT_TRUE(testing::writeFile(file("mine"), "the old pattern"));
    host.messageAnswers = {kAnswerYes}; // overwrite
    const ScopedWriteFault fullDisk(ENOSPC, 100);
    EXPECT_FALSE(savePatternAs(session, QStringLiteral("mine")));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text,
              QStringLiteral("Cannot write ") + file("mine") + QStringLiteral(": No space left on device"));
    EXPECT_EQ(testing::readFile(file("mine")), QByteArray("the old pattern"));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("mine")});
}

// Cut at any length, a saved pattern file is refused, or reads as the whole
// file's cells when only its last line end was cut away.
TEST_F(PatternFilesTest, EveryCutOfAFileIsRefusedOrTheWholePattern)
{
    ASSERT_TRUE(savePatternAs(session, QStringLiteral("whole")));
    const QByteArray whole = testing::readFile(file(QStringLiteral("whole")));
    const PatternRead full = readPatternFile(file(QStringLiteral("whole")));
    ASSERT_TRUE(full.values);
    for (qsizetype length = 0; length < whole.size(); ++length) {
        ASSERT_TRUE(testing::writeFile(file(QStringLiteral("cut")), whole.left(length)));
        const PatternRead cut = readPatternFile(file(QStringLiteral("cut")));
        if (length < whole.size() - 2) {
            EXPECT_FALSE(cut.values) << "cut to " << length << " of " << whole.size() << " bytes";
            EXPECT_FALSE(cut.error.isEmpty()) << length;
        } else if (cut.values) {
            EXPECT_EQ(*cut.values, *full.values) << length;
        }
    }
}

TEST_F(PatternFilesTest, WithoutAFolderOfItsOwnAPatternIsSavedInTheUsersDataFolder)
{
    session.pattern.folder.clear();
    ASSERT_TRUE(savePatternAs(session, QStringLiteral("mine")));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString saved = QDir(data).filePath(QStringLiteral("patterns/mine"));
    EXPECT_TRUE(QFileInfo::exists(saved));
    EXPECT_FALSE(QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/patterns/mine")));
    ASSERT_TRUE(QFile::remove(saved));
}

TEST_F(PatternFilesTest, ListingPutsTheUsersAndTheShippedPatternsInOneOrderTheUsersWinningANameClash)
{
    const QString shipped = path(QStringLiteral("shipped"));
    QDir().mkpath(shipped);
    QDir().mkpath(folder());
    for (const char *name : {"Bricks", "Weave", "dots"})
        ASSERT_TRUE(testing::writeFile(QDir(shipped).filePath(QString::fromLatin1(name)), patternText(kPatternCells)));
    for (const char *name : {"weave", "Arches"})
        ASSERT_TRUE(testing::writeFile(file(QString::fromLatin1(name)), patternText(kPatternCells)));
    QStringList listed;
    for (const PatternFile &f : listPatterns(folder(), shipped))
        listed << f.name + (f.shipped ? QStringLiteral(" (shipped)") : QString());
    EXPECT_EQ(listed, (QStringList{"Arches", "Bricks (shipped)", "dots (shipped)", "weave"}));
    // No shipped folder (a build that is not installed): the user's alone.
    EXPECT_EQ(listPatterns(folder(), QString()).size(), 2u);
}

} // namespace
} // namespace quill
