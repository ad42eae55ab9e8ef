#include "batch/batch_runner.h"
#include "document/operation.h"
#include "shell/file_commands.h"
#include "support/fixtures.h"
#include "support/photo_tiles.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "surface/safe_write.h"
#include "toolbox/broad_light.h"
#include "toolbox/seam_tools.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace quill {
namespace {

using testing::TempDirTest;

struct BatchRun {
    int code;
    QString out;
    QString err;
};

BatchRun batch(const QStringList &args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = runBatch(args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

class BatchTest : public TempDirTest {
protected:
    void writeFile(const QString &name, const QByteArray &bytes) { ASSERT_TRUE(testing::writeFile(path(name), bytes)); }
    QByteArray readFile(const QString &name) { return testing::readFile(path(name)); }
};

struct UsageCase {
    const char *label;
    QStringList args;
    const char *mentions;
};

class BatchUsageErrorTest : public BatchTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(BatchUsageErrorTest, ExitsTwoWithOneLineNamingTheArgumentAndWritesNothing)
{
    const BatchRun r = batch(GetParam().args);
    EXPECT_EQ(r.code, kBatchUsageError);
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromLatin1(GetParam().mentions))) << r.err.toStdString();
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()); // checked before any action
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BatchUsageErrorTest,
    ::testing::Values(
        UsageCase{"unknown_argument", {"--new", "4x4", "--frobnicate"}, "--frobnicate"},
        UsageCase{"unknown_button", {"--new", "4x4", "--click", "no-such-button"}, "no-such-button"},
        UsageCase{"colour_out_of_range", {"--bg", "1,2,300"}, "--bg"},
        UsageCase{"bad_repeat", {"--new", "2x2", "--save-tiled", "0x3", "t.png"}, "--save-tiled"},
        UsageCase{"late_unknown_button", {"--new", "10x10", "--save", "a.png", "--click", "nosuch"}, "nosuch"},
        UsageCase{"unknown_output_type", {"--new", "4x4", "--save", "a.png", "--save", "out.gif"}, "out.gif"},
        UsageCase{"missing_value_at_the_end", {"--new", "4x4", "--save", "a.png", "--open"}, "--open"},
        UsageCase{"unknown_lattice", {"--new", "4x4", "--lattice", "hexagonal"}, "hexagonal"},
        UsageCase{"bad_wrap", {"--new", "2x2", "--wrap", "yes", "--save", "a.png"}, "--wrap"},
        UsageCase{"toolkit_option", {"-platform", "xcb", "--new", "4x4", "--save", "a.png"}, "-platform"},
        UsageCase{"each_without_files", {"--each", "--click", "grey"}, "--each"},
        UsageCase{"each_twice", {"--each", "a.png", "--each", "b.png"}, "--each"},
        UsageCase{"each_bad_button", {"--each", "a.png", "--click", "nope", "--save", "{name}.png"}, "nope"},
        UsageCase{"each_one_output_for_all", {"--each", "a.png", "b.bmp", "--save", "same.png"}, "same.png"},
        UsageCase{"each_same_names", {"--each", "a.png", "sub/a.bmp", "--save", "{name}.png"}, "sub/a.bmp"}),
    [](const auto &info) { return std::string(info.param.label); });

struct ReadCase {
    const char *label;
    const char *file;
    QByteArray content; // written unless null
    bool makeDirectory;
};

class BatchReadErrorTest : public BatchTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(BatchReadErrorTest, ExitsOneNamingTheFileAndLeavesTheOutputAlone)
{
    const ReadCase c = GetParam();
    if (c.makeDirectory)
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QString::fromLatin1(c.file)));
    else if (!c.content.isNull())
        writeFile(QString::fromLatin1(c.file), c.content);
    writeFile(QStringLiteral("out.png"), "previous");
    const BatchRun r = batch({"--new", "4x4", "--open", path(QString::fromLatin1(c.file)), "--save", path("out.png")});
    EXPECT_EQ(r.code, kBatchFileError);
    EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.file))) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);
    EXPECT_EQ(readFile(QStringLiteral("out.png")), QByteArray("previous"));
}

INSTANTIATE_TEST_SUITE_P(Files, BatchReadErrorTest,
                         ::testing::Values(ReadCase{"missing", "absent.bmp", QByteArray(), false},
                                           ReadCase{"directory", "folder.bmp", QByteArray(), true},
                                           ReadCase{"truncated", "cut.bmp", QByteArray("BM\x46\x00\x00\x00", 6),
                                                    false}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST_F(BatchTest, UnwritableOutputExitsOneAndKeepsTheOldFile)
{
    writeFile(QStringLiteral("blocker"), "a file, not a directory");
    BatchRun r = batch({"--new", "4x4", "--save", path("blocker/out.bmp")});
    EXPECT_EQ(r.code, kBatchFileError);
    EXPECT_EQ(r.err, QStringLiteral("quillmar-batch: Cannot write ") + path("blocker/out.bmp") +
                         QStringLiteral(": Not a directory\n"));
}

class BatchFullDiskTest : public BatchTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(BatchFullDiskTest, ExitsOneWithOneLineAndKeepsTheOldFileByteForByte)
{
    const QString name = QString::fromLatin1(GetParam());
    writeFile(name, "yesterday's tile");
    BatchRun r;
    {
        const ScopedWriteFault fullDisk(ENOSPC, 64);
        r = batch({"--new", "40x40", "--click", "gradient-h", "--save", path(name)});
    }
    EXPECT_EQ(r.code, kBatchFileError);
    EXPECT_EQ(r.err, QStringLiteral("quillmar-batch: Cannot write ") + path(name) +
                         QStringLiteral(": No space left on device\n"));
    EXPECT_EQ(readFile(name), QByteArray("yesterday's tile"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

INSTANTIATE_TEST_SUITE_P(Formats, BatchFullDiskTest, ::testing::Values("tile.bmp", "tile.png", "tile.jpg"));

TEST_F(BatchTest, ControlCharactersFromAFileAreEscapedOnTheErrorLine)
{
    QByteArray lines;
    for (int k = 0; k < 144; ++k)
        lines += k == 5 ? "\"\x1b[2J\"\r\n" : "\"T\"\r\n";
    writeFile(QStringLiteral("pattern"), lines);
    const BatchRun r = batch({"--pattern", path("pattern")});
    EXPECT_EQ(r.code, kBatchFileError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("\\x1b[2J"))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QChar(0x1b)));
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);
}

TEST_F(BatchTest, SavesBitIdenticalBitmapsAndPngsAndCloseJpegs)
{
    const QImage source = testing::gradientImage(64, 64);
    ASSERT_TRUE(saveBitmap(source, path("in.bmp")));
    for (const char *name : {"out.bmp", "out.png", "out.jpg", "out.jpeg"}) {
        ASSERT_EQ(batch({"--open", path("in.bmp"), "--save", path(QString::fromLatin1(name))}).code, kBatchOk);
        const auto back = loadPicture(path(QString::fromLatin1(name)));
        ASSERT_TRUE(back.has_value()) << name;
        if (QString::fromLatin1(name).contains(QStringLiteral("jp")))
            EXPECT_LT(testing::meanError(*back, source), 3.0) << name;
        else
            EXPECT_EQ(*back, source) << name;
    }
}

// One encoder for the program and the batch: the same picture gives the same
// JPEG bytes from Save and from --save.
TEST_F(BatchTest, JpegsAreTheBytesTheProgramsSaveWrites)
{
    const QImage source = testing::randomImage(37, 23, 5);
    ASSERT_TRUE(saveBitmap(source, path("in.bmp")));
    ASSERT_EQ(batch({"--open", path("in.bmp"), "--save", path("batch.jpg")}).code, kBatchOk);
    ScriptedHost host;
    Session session{host};
    session.document.replaceWith(source);
    SaveJpeg(session, path("window.jpg"));
    const QByteArray fromWindow = readFile(QStringLiteral("window.jpg"));
    ASSERT_FALSE(fromWindow.isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("batch.jpg")), fromWindow);
}

TEST_F(BatchTest, NewMakesAWhitePictureOfThatSizeAndSaveTiledRepeatsIt)
{
    const QImage source = testing::randomImage(5, 3, 9);
    ASSERT_TRUE(saveBitmap(source, path("in.bmp")));
    ASSERT_EQ(batch({"--new", "6x2", "--save", path("white.png"), "--open", path("in.bmp"), "--save-tiled", "4x3",
                     path("tiled.png")})
                  .code,
              kBatchOk);
    const auto white = loadPicture(path("white.png"));
    ASSERT_TRUE(white.has_value());
    EXPECT_EQ(white->size(), QSize(6, 2));
    EXPECT_EQ(testing::countPixels(*white, kWhite), 12);
    EXPECT_EQ(loadPicture(path("tiled.png")), repeatOnLattice(source, 4, 3, Lattice::Grid));
}

TEST_F(BatchTest, HelpAndListGoToStandardOutput)
{
    EXPECT_TRUE(batch({"--help"}).out.contains(QStringLiteral("--save-tiled")));
    const BatchRun list = batch({"--list"});
    EXPECT_EQ(list.out.count(QLatin1Char('\n')), static_cast<qsizetype>(batchButtons().size()));
    EXPECT_TRUE(list.out.contains(QStringLiteral("Command91\tgrey\t")));
    EXPECT_EQ(batch({}).code, kBatchUsageError);
}

// The executable under a shell, so limits and byte arguments reach it unchanged.
BatchRun runExecutable(const QString &script, const QString &platform)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("BATCH"), QStringLiteral(QUILLMAR_BATCH_BINARY));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("timed out")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST_F(BatchTest, TheExecutableNeedsNoDisplayAndSavesUnderTheExactBytesOfAName)
{
    // xcb with no DISPLAY would abort a program that opened a screen.
    const BatchRun r = runExecutable(
        QStringLiteral("cd '%1' && \"$BATCH\" --new 16x16 --save \"$(printf 'tile\\377.png')\"").arg(dir_.path()),
        QStringLiteral("xcb"));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QByteArray written = QFile::encodeName(dir_.path()) + "/tile\xff.png";
    struct stat info {};
    EXPECT_EQ(stat(written.constData(), &info), 0);
    unlink(written.constData()); // the temporary folder's own clean-up goes by text names
}

TEST_F(BatchTest, AnOperationWithoutItsMemoryExitsOneNamingItAndTheSize)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer cannot start under a memory limit";
#endif
    const BatchRun r = runExecutable(QStringLiteral("ulimit -v 450000; \"$BATCH\" --new 8192x8192 --click blur"),
                                     QStringLiteral("offscreen"));
    EXPECT_EQ(r.code, kBatchFileError);
    EXPECT_EQ(r.err, QStringLiteral("quillmar-batch: Not enough memory for blur at 8192 x 8192\n"));
}

// --wrap is the toolbar's switch: on, a quarter turn takes the column its shift
// pushes off the right edge into column 0; off again, column 0 keeps the picture.
TEST_F(BatchTest, WrapBringsTheShiftedColumnOfAQuarterTurnRoundOnlyWhileOn)
{
    const QImage source = testing::randomImage(6, 6, 4);
    ASSERT_TRUE(saveBitmap(source, path("in.bmp")));
    const BatchRun r =
        batch({"--open", path("in.bmp"), "--wrap", "on", "--click", "turn-left", "--save", path("on.png"), "--open",
               path("in.bmp"), "--wrap", "off", "--click", "turn-left", "--save", path("off.png")});
    ASSERT_EQ(r.code, kBatchOk) << r.err.toStdString();
    const auto on = loadPicture(path("on.png")), off = loadPicture(path("off.png"));
    ASSERT_TRUE(on && off);
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(on->pixel(0, y), source.pixel(5 - y, 5)) << y; // the exact turn's last column
        EXPECT_EQ(off->pixel(0, y), source.pixel(0, y)) << y;
        EXPECT_EQ(on->copy(1, y, 5, 1), off->copy(1, y, 5, 1)) << y;
    }
}

TEST_F(BatchTest, SeamScorePrintsBothAxesAndTheWorse)
{
    ASSERT_TRUE(saveBitmap(testing::imageOf(256, 8, [](int x, int) { return qRgb(x, x, x); }), path("ramp.bmp")));
    const BatchRun r = batch({"--open", path("ramp.bmp"), "--seam-score", "--new", "4x4", "--seam-score"});
    ASSERT_EQ(r.code, kBatchOk);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("S_x 255.000  S_y 1.000  S 255.000"));
    EXPECT_EQ(lines[1], QStringLiteral("S_x 1.000  S_y 1.000  S 1.000"));
}

struct SeamFlagCase {
    const char *label;
    QStringList flags;
    std::function<QImage(QImage)> expected; // what the same steps make of the picture
};

class BatchSeamFlagTest : public BatchTest, public ::testing::WithParamInterface<SeamFlagCase> {};

TEST_P(BatchSeamFlagTest, RunsTheToolbarsSeamStepsOnThePicture)
{
    const QImage photo = testing::photoTile(testing::Photo::Gravel, 64, 45);
    ASSERT_TRUE(savePng(photo, path("in.png")));
    const BatchRun r =
        batch(QStringList{"--open", path("in.png")} + GetParam().flags + QStringList{"--save", path("out.png")});
    ASSERT_EQ(r.code, kBatchOk) << r.err.toStdString();
    const auto out = loadPicture(path("out.png"));
    ASSERT_TRUE(out.has_value());
    const QImage expected = GetParam().expected(photo);
    EXPECT_NE(expected, photo);
    EXPECT_EQ(*out, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, BatchSeamFlagTest,
    ::testing::Values(SeamFlagCase{"offset_half",
                                   {"--offset-half"},
                                   [](QImage p) {
                                       QImage out;
                                       rollOnLattice(p, 32, 22, out, Lattice::Grid);
                                       return out;
                                   }},
                      // The second press shifts back, as on the toolbar; a seamless repair then comes out the same.
                      SeamFlagCase{"offset_half_twice_then_seamless",
                                   {"--offset-half", "--offset-half", "--make-seamless"},
                                   [](QImage p) {
                                       makeSeamless(p, Lattice::Grid);
                                       return p;
                                   }},
                      SeamFlagCase{"even_lighting",
                                   {"--even-lighting"},
                                   [](QImage p) {
                                       evenOutLighting(p, Lattice::Grid);
                                       return p;
                                   }}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(BatchTest, RepetitionScorePrintsTheLabel)
{
    const QImage blob = testing::blobTile({64, 48}, {20, 24}, 90);
    ASSERT_TRUE(savePng(blob, path("in.png")));
    const BatchRun r = batch({"--open", path("in.png"), "--repetition-score"});
    ASSERT_EQ(r.code, kBatchOk) << r.err.toStdString();
    EXPECT_EQ(r.out, repeatLabel(repetitionScore(blob, Lattice::Grid)) + QLatin1Char('\n'));
}

TEST_F(BatchTest, AMergeImageAndColoursGiveTheBlendTheOperationsDefine)
{
    ASSERT_TRUE(saveBitmap(testing::solidImage(4, 4, rgb(200, 100, 0)), path("second.bmp")));
    const BatchRun r =
        batch({"--new", "6x5", "--merge", path("second.bmp"), "--click", "blend", "--save", path("out.png")});
    ASSERT_EQ(r.code, kBatchOk) << r.err.toStdString();
    const auto out = loadPicture(path("out.png"));
    ASSERT_TRUE(out.has_value());
    // Inside the merge image: the 50/50 mean with white, rounded down.
    EXPECT_EQ(testing::pixelAt(*out, 1, 1), rgb(227, 177, 127));
}

TEST_F(BatchTest, APatternFileLoadsOrFailsWithItsReason)
{
    QByteArray lines;
    for (int k = 0; k < 144; ++k)
        lines += k % 2 ? "\"T\"\r\n" : "\"255\"\r\n";
    writeFile(QStringLiteral("stripes"), lines);
    BatchRun r =
        batch({"--new", "24x12", "--pattern", path("stripes"), "--click", "draw-pattern", "--save", path("out.png")});
    ASSERT_EQ(r.code, kBatchOk) << r.err.toStdString();
    const auto out = loadPicture(path("out.png"));
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(testing::pixelAt(*out, 0, 0), rgb(255, 0, 0));
    EXPECT_EQ(testing::pixelAt(*out, 1, 0), kWhite); // transparent cell keeps the picture
    writeFile(QStringLiteral("short"), "\"T\"\r\n");
    EXPECT_EQ(batch({"--new", "4x4", "--pattern", path("short")}).code, kBatchFileError);
}

double printedS(const QString &out)
{
    static const QRegularExpression s(QStringLiteral("S_x ([0-9.]+)  S_y ([0-9.]+)  S ([0-9.]+)"));
    const auto m = s.match(out);
    return m.hasMatch() ? m.captured(3).toDouble() : -1;
}

// --lattice decides where --save-tiled puts the copies and which edges --seam-score measures.
class BatchLatticeTest : public BatchTest, public ::testing::WithParamInterface<Lattice> {};

TEST_P(BatchLatticeTest, SaveTiledShowsTheShiftedCopiesAndTheScoreMeasuresTheLatticesEdges)
{
    const Lattice lattice = GetParam();
    const QImage tile = testing::latticeSineTile(lattice, 97, 83);
    ASSERT_TRUE(tile.save(path(QStringLiteral("tile.png"))));
    const QString key = latticeKey(lattice);
    const BatchRun own = batch(
        {"--open", path("tile.png"), "--lattice", key, "--seam-score", "--save-tiled", "2x2", path("repeat.png")});
    ASSERT_EQ(own.code, kBatchOk) << own.err.toStdString();
    EXPECT_LE(printedS(own.out), 1.25) << own.out.toStdString();
    const BatchRun grid = batch({"--open", path("tile.png"), "--seam-score"});
    EXPECT_GE(printedS(grid.out), 3.0) << grid.out.toStdString();

    // Where the copies go on each lattice is checked in lattice_test.cpp.
    const QImage repeat = QImage(path("repeat.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(repeat, repeatOnLattice(tile, 2, 2, lattice));
}

INSTANTIATE_TEST_SUITE_P(Lattices, BatchLatticeTest, ::testing::Values(Lattice::Brick, Lattice::HalfDrop));

// --each runs the rest of the line per file; every output must match what a
// single run of the same steps writes, whichever core ran it.
struct EachCase {
    const char *label;
    QStringList steps; // the line after the inputs; the last argument is an output named after {name}
};

class BatchEachTest : public BatchTest, public ::testing::WithParamInterface<EachCase> {
protected:
    // Inputs of different sizes and formats; one name has a dot inside.
    QStringList makeInputs()
    {
        QStringList inputs;
        for (int i = 0; i < 6; ++i) {
            const QImage picture = testing::randomImage(17 + 5 * i, 13 + 3 * i, 40 + i);
            const QString name = path(QStringLiteral("in%1%2").arg(i).arg(i == 2 ? ".v2" : ""));
            EXPECT_TRUE(i % 2 ? saveBitmap(picture, name + ".bmp") : savePng(picture, name + ".png"));
            inputs << name + (i % 2 ? ".bmp" : ".png");
        }
        return inputs;
    }
};

TEST_P(BatchEachTest, WritesWhatSingleRunsWrite)
{
    const QStringList inputs = makeInputs();
    ASSERT_TRUE(QDir(dir_.path()).mkdir("each") && QDir(dir_.path()).mkdir("single"));
    QStringList each = QStringList{"--seed", "7", "--each"} + inputs + GetParam().steps;
    each.last() = path("each/") + each.last();
    const BatchRun run = batch(each);
    ASSERT_EQ(run.code, kBatchOk) << run.err.toStdString();
    for (const QString &input : inputs) {
        const QString name = QFileInfo(input).completeBaseName();
        QStringList single = QStringList{"--seed", "7", "--open", input} + GetParam().steps;
        single.last() = path("single/") + single.last().replace("{name}", name);
        ASSERT_EQ(batch(single).code, kBatchOk);
        const QString file = QFileInfo(single.last()).fileName();
        const QByteArray written = readFile("each/" + file);
        EXPECT_FALSE(written.isEmpty()) << file.toStdString();
        EXPECT_EQ(written, readFile("single/" + file)) << file.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BatchEachTest,
    ::testing::Values(EachCase{"grey_turned", {"--click", "grey", "--click", "turn-left", "--save", "{name}.png"}},
                      EachCase{"blur_mosaic", {"--click", "blur", "--click", "mosaic", "--save", "{name}.bmp"}},
                      // The seed before --each starts every file's random numbers alike.
                      EachCase{"seeded_sprinkle", {"--click", "sprinkle", "--save-tiled", "2x3", "{name}-tiled.png"}}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(BatchTest, EachReportsAFailingFileAndGoesOnWithTheOthers)
{
    ASSERT_TRUE(savePng(testing::randomImage(9, 9, 1), path("first.png")));
    ASSERT_TRUE(savePng(testing::randomImage(9, 9, 2), path("last.png")));
    writeFile(QStringLiteral("cut.png"), readFile(QStringLiteral("last.png")).left(60));
    const BatchRun r = batch({"--each", path("first.png"), path("absent.png"), path("cut.png"), path("last.png"),
                              "--click", "grey", "--seam-score", "--save", path("{name}-grey.bmp")});
    EXPECT_EQ(r.code, kBatchFileError);
    const QStringList errors = r.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errors.size(), 2) << r.err.toStdString();
    EXPECT_TRUE(errors[0].contains("absent.png"));
    EXPECT_TRUE(errors[1].contains("cut.png"));
    EXPECT_TRUE(QFile::exists(path("first-grey.bmp")));
    EXPECT_TRUE(QFile::exists(path("last-grey.bmp")));
    EXPECT_FALSE(QFile::exists(path("cut-grey.bmp")));
    // Figures come in input order, each with its file.
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(path("first.png") + ": S_x ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(path("last.png") + ": S_x ")) << lines[1].toStdString();
}

} // namespace
} // namespace quill
