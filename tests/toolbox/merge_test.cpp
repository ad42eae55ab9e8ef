#include "filter_helpers.h"
#include "surface/image_files.h"
#include "toolbox/merge_image.h"
#include "toolbox/pixel_framework.h"

#include <QFile>

namespace quill {
namespace {

using testing::FilterTest;
using testing::pixelAt;
using testing::randomImage;
using testing::solidImage;

const Colour kGrey224 = rgb(224, 224, 224);

class MergeTest : public FilterTest {
protected:
    // Writes a picture as a bitmap and loads it through the Open dialog.
    void openMerge(const QImage &picture, const QString &name = QStringLiteral("merge.bmp"))
    {
        ASSERT_TRUE(saveBitmap(picture, path(name)));
        host.openAnswers.push_back({path(name), 1});
        click(QStringLiteral("open-merge"));
    }
};

// ---- Loading ------------------------------------------------------------

TEST_F(MergeTest, OpeningLoadsTheImageIntoTheBoxWithoutTouchingTheDocument)
{
    load(randomImage(10, 10, 1));
    const QImage before = picture().copy();
    int boxChanges = 0;
    session.merge.box.addChangeListener([&](const QRect &) { ++boxChanges; });
    openMerge(solidImage(3, 2, rgb(1, 20, 235)));
    ASSERT_EQ(host.openFilters.size(), 1u);
    EXPECT_EQ(host.openFilters[0],
              QStringLiteral("Picture Files(*.bmp,*.gif,*.jpg,*.png)|*.jpg; *.gif; *.bmp; *.png;"));
    EXPECT_TRUE(session.merge.loaded());
    EXPECT_EQ(session.merge.box.Point(2, 1), rgb(1, 20, 235));
    EXPECT_EQ(session.merge.box.Point(3, 1), kGrey224); // the box beyond the image
    EXPECT_EQ(session.merge.box.Point(200, 192), kGrey224);
    EXPECT_EQ(session.merge.box.Point(201, 0), kInvalidColour); // beyond the box
    EXPECT_GT(boxChanges, 0);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(session.undo.UndoCount, 0);
    EXPECT_EQ(session.state.SkipCanvasMouse, -1);
}

TEST_F(MergeTest, CancelReloadsTheLastChosenFile)
{
    openMerge(solidImage(3, 3, rgb(10, 10, 10)));
    // The file changes on disk; a cancelled dialog loads the same name again.
    ASSERT_TRUE(saveBitmap(solidImage(3, 3, rgb(50, 50, 50)), path(QStringLiteral("merge.bmp"))));
    click(QStringLiteral("open-merge"));
    EXPECT_TRUE(session.merge.loaded());
    EXPECT_EQ(session.merge.box.Point(0, 0), rgb(50, 50, 50));
}

TEST_F(MergeTest, CancelWithNothingEverChosenLeavesNoMergeImage)
{
    click(QStringLiteral("open-merge"));
    EXPECT_FALSE(session.merge.loaded());
    EXPECT_EQ(session.merge.box.Point(0, 0), kGrey224);
    EXPECT_EQ(session.state.SkipCanvasMouse, -1);
}

TEST_F(MergeTest, ACorruptFileKeepsThePreviousMergeImage)
{
    openMerge(solidImage(4, 4, rgb(9, 8, 7)));
    QFile bad(path(QStringLiteral("bad.bmp")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM this is not a picture");
    bad.close();
    host.openAnswers.push_back({bad.fileName(), 1});
    click(QStringLiteral("open-merge"));
    EXPECT_TRUE(session.merge.loaded());
    EXPECT_EQ(session.merge.box.Point(3, 3), rgb(9, 8, 7));
}

TEST_F(MergeTest, ACorruptFirstFileLeavesNoMergeImageAndMergesDoNothing)
{
    QFile bad(path(QStringLiteral("bad.jpg")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\xff\xd8 truncated");
    bad.close();
    host.openAnswers.push_back({bad.fileName(), 1});
    click(QStringLiteral("open-merge"));
    EXPECT_FALSE(session.merge.loaded());
    load(randomImage(6, 6, 2));
    const QImage before = picture().copy();
    click(QStringLiteral("blend"));
    EXPECT_EQ(picture(), before);
}

// ---- Without a merge image ---------------------------------------------

class NoMergeImageTest : public MergeTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(NoMergeImageTest, ChangesNothingButStillTakesTheSnapshot)
{
    load(randomImage(7, 5, 3));
    const QImage before = picture().copy();
    click(QString::fromLatin1(GetParam())); // the helper checks the one snapshot
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_EQ(session.state.ClickStage, 0);
}

INSTANTIATE_TEST_SUITE_P(Buttons, NoMergeImageTest,
                         ::testing::Values("blend", "interleave", "merge-blue", "merge-grey", "merge-purple",
                                           "merge-yellow", "merge-red", "merge-green"),
                         [](const auto &info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// ---- Blend --------------------------------------------------------------

TEST_F(MergeTest, BlendMixesWithTheImageThenTheBoxThenBlack)
{
    openMerge(solidImage(5, 4, kBlack));
    load(solidImage(205, 196, kWhite)); // larger than the 201 x 193 box
    click(QStringLiteral("blend"));
    EXPECT_EQ(at(0, 0), rgb(127, 127, 127)); // white with black
    EXPECT_EQ(at(4, 3), rgb(127, 127, 127));
    EXPECT_EQ(at(5, 3), rgb(239, 239, 239)); // white with the box's 224
    EXPECT_EQ(at(200, 192), rgb(239, 239, 239));
    EXPECT_EQ(at(201, 0), rgb(127, 127, 127)); // beyond the box: halved
    EXPECT_EQ(at(0, 193), rgb(127, 127, 127));
    EXPECT_EQ(at(204, 195), rgb(127, 127, 127));
}

TEST_F(MergeTest, BlendIsUndoneInOneStep)
{
    openMerge(randomImage(30, 30, 4));
    load(randomImage(20, 25, 5));
    expectUndoRestores(QStringLiteral("blend"));
}

// ---- Interleave ---------------------------------------------------------

TEST_F(MergeTest, InterleaveOnAnEvenWidthMakesACheckerboard)
{
    openMerge(solidImage(10, 10, kBlack));
    load(solidImage(4, 3, kWhite));
    click(QStringLiteral("interleave"));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(at(x, y), (x + y) % 2 == 0 ? kBlack : kWhite) << x << "," << y;
    // Five positions per row, four rows of positions: twenty flips.
    EXPECT_EQ(session.state.ClickStage, 0);
}

TEST_F(MergeTest, InterleaveOnAnOddWidthAlternatesColumns)
{
    openMerge(solidImage(10, 10, kBlack));
    load(solidImage(5, 2, kWhite));
    click(QStringLiteral("interleave"));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(at(x, y), x % 2 == 0 ? kBlack : kWhite) << x << "," << y;
    EXPECT_EQ(session.state.ClickStage, 0);
}

TEST_F(MergeTest, InterleaveContinuesFromTheFlagTheLastRunLeft)
{
    openMerge(solidImage(10, 10, kBlack));
    load(solidImage(4, 2, kWhite)); // 5 x 3 positions: the flag ends at 1
    click(QStringLiteral("interleave"));
    EXPECT_EQ(session.state.ClickStage, 1);
    load(solidImage(4, 2, kWhite));
    click(QStringLiteral("interleave"));
    EXPECT_EQ(at(0, 0), kWhite); // the document first this time
    EXPECT_EQ(at(1, 0), kBlack);
    EXPECT_EQ(session.state.ClickStage, 0);
}

TEST_F(MergeTest, InterleaveWithAnotherFlagValueWritesNothing)
{
    openMerge(solidImage(10, 10, kBlack));
    load(randomImage(4, 4, 6));
    const QImage before = picture().copy();
    session.state.ClickStage = 2;
    click(QStringLiteral("interleave"));
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(session.state.ClickStage, 2);
}

TEST_F(MergeTest, InterleaveBeyondTheBoxKeepsTheDocument)
{
    openMerge(solidImage(300, 300, kBlack)); // cropped to the box
    load(solidImage(204, 1, kWhite));
    click(QStringLiteral("interleave"));
    EXPECT_EQ(at(200, 0), kBlack);
    EXPECT_EQ(at(202, 0), kWhite); // a merge position, but beyond the box
    EXPECT_EQ(at(203, 0), kWhite);
}

// ---- Tinted merges ------------------------------------------------------

struct TintCase {
    const char *alias;
    bool red, green, blue;
};

class TintTest : public MergeTest, public ::testing::WithParamInterface<TintCase> {};

TEST_P(TintTest, MixesTheDocumentWithTheTintedMergePixel)
{
    const TintCase &c = GetParam();
    // Merge pixels with grey levels 100, 255, 0 and 170 (21 + 234 + 255 = 510).
    QImage m(4, 1, QImage::Format_RGB32);
    m.setPixel(0, 0, toQRgb(rgb(100, 100, 100)));
    m.setPixel(1, 0, toQRgb(kWhite));
    m.setPixel(2, 0, toQRgb(kBlack));
    m.setPixel(3, 0, toQRgb(rgb(21, 234, 255)));
    openMerge(m);
    QImage d(210, 2, QImage::Format_RGB32);
    d.fill(toQRgb(rgb(200, 100, 50)));
    d.setPixel(1, 0, toQRgb(kBlack));
    d.setPixel(3, 0, toQRgb(rgb(254, 1, 20)));
    load(d);
    click(QString::fromLatin1(c.alias));
    auto mix = [](int doc, bool tinted, int g) { return (doc + (tinted ? g : 0)) / 2; };
    auto expected = [&](Colour docColour, int g) {
        return rgb(mix(redOf(docColour), c.red, g), mix(greenOf(docColour), c.green, g),
                   mix(blueOf(docColour), c.blue, g));
    };
    EXPECT_EQ(at(0, 0), expected(rgb(200, 100, 50), 100));
    EXPECT_EQ(at(1, 0), expected(kBlack, 255));
    EXPECT_EQ(at(2, 0), rgb(100, 50, 25)); // a black merge pixel halves the document
    EXPECT_EQ(at(3, 0), expected(rgb(254, 1, 20), 170));
    EXPECT_EQ(at(4, 0), expected(rgb(200, 100, 50), 224)); // the box background
    EXPECT_EQ(at(205, 1), rgb(100, 50, 25));               // beyond the box: halved
}

TEST_P(TintTest, IsUndoneInOneStep)
{
    openMerge(randomImage(30, 30, 7));
    load(randomImage(20, 25, 8));
    expectUndoRestores(QString::fromLatin1(GetParam().alias));
}

INSTANTIATE_TEST_SUITE_P(
    Hues, TintTest,
    ::testing::Values(TintCase{"merge-blue", false, false, true}, TintCase{"merge-grey", true, true, true},
                      TintCase{"merge-purple", true, false, true}, TintCase{"merge-yellow", true, true, false},
                      TintCase{"merge-red", true, false, false}, TintCase{"merge-green", false, true, false}),
    [](const auto &info) {
        std::string name = info.param.alias;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

TEST_F(MergeTest, GreyMergeOfAWhiteImageLightensBlackAndKeepsWhite)
{
    openMerge(solidImage(5, 5, kWhite));
    load(testing::rowOf({kBlack, kWhite}));
    click(QStringLiteral("merge-grey"));
    EXPECT_EQ(at(0, 0), rgb(127, 127, 127));
    EXPECT_EQ(at(1, 0), kWhite);
}

// ---- Fast paths against the literal loops -------------------------------

// The literal loops: the merge box's own Point at the document pixel, the
// document's Point, MixColours (a read beyond the box counts as black).
QImage referenceBlend(const QImage &document, const Surface &box, const int *hueChannels)
{
    QImage out = document.copy();
    for (int y = 0; y < document.height(); ++y)
        for (int x = 0; x < document.width(); ++x) {
            const Colour m = asComponents(box.Point(x, y));
            Colour t = m;
            if (hueChannels) {
                const int g = GreyLevel(redOf(m), greenOf(m), blueOf(m));
                t = rgb(hueChannels[0] * g, hueChannels[1] * g, hueChannels[2] * g);
            }
            out.setPixel(x, y, toQRgb(MixColours(pixelAt(document, x, y), t)));
        }
    return out;
}

QImage referenceInterleave(const QImage &document, const Surface &box, int &flag)
{
    QImage out = document.copy();
    for (int y = 0; y <= document.height(); ++y)
        for (int x = 0; x <= document.width(); ++x) {
            if (flag == 0) {
                flag = 1;
                writePixel(out, x, y, box.Point(x, y));
            } else if (flag == 1) {
                flag = 0;
                writePixel(out, x, y, pointRead(document, x, y));
            }
        }
    return out;
}

TEST_F(MergeTest, FastMergesEqualTheLiteralLoops)
{
    const int tints[6][3] = {{0, 0, 1}, {1, 1, 1}, {1, 0, 1}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}};
    const char *tintAliases[6] = {"merge-blue",   "merge-grey", "merge-purple",
                                  "merge-yellow", "merge-red",  "merge-green"};
    const QSize docSizes[] = {{1, 1}, {7, 5}, {70, 41}, {210, 200}};
    const QSize mergeSizes[] = {{1, 1}, {33, 20}, {250, 150}};
    unsigned seed = 200;
    for (const QSize &ms : mergeSizes) {
        openMerge(randomImage(ms.width(), ms.height(), ++seed));
        for (const QSize &ds : docSizes) {
            const QImage source = randomImage(ds.width(), ds.height(), ++seed);
            load(source);
            click(QStringLiteral("blend"));
            EXPECT_EQ(picture(), referenceBlend(source, session.merge.box, nullptr)) << "blend";
            for (int i = 0; i < 6; ++i) {
                load(source);
                click(QString::fromLatin1(tintAliases[i]));
                EXPECT_EQ(picture(), referenceBlend(source, session.merge.box, tints[i])) << tintAliases[i];
            }
            for (int start : {0, 1}) {
                load(source);
                session.state.ClickStage = start;
                int flag = start;
                const QImage expected = referenceInterleave(source, session.merge.box, flag);
                click(QStringLiteral("interleave"));
                EXPECT_EQ(picture(), expected) << "interleave";
                EXPECT_EQ(session.state.ClickStage, flag);
            }
        }
    }
}

} // namespace
} // namespace quill
