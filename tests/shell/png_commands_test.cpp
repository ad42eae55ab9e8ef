#include "shell/file_commands.h"
#include "support/fixtures.h"
#include "support/picture_files.h"
#include "surface/image_files.h"
#include "toolbox/merge_image.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using testing::allLayersEqual;

class PngCommandTest : public testing::CoreTest {
protected:
    void savePngAs(const QString &name) { host.saveAnswers.push_back({path(name), kSaveFilterPng}); }
    void open(const QString &name)
    {
        host.openAnswers.push_back({path(name), 1});
        OpenPicture(session);
    }
};

class PngRoundTripTest : public PngCommandTest, public ::testing::WithParamInterface<QSize> {};

// Saved through the PNG entry and opened again: the same pixels, the same
// size, on every tile.
TEST_P(PngRoundTripTest, ReopensBitForBit)
{
    const QSize size = GetParam();
    const QImage original = testing::randomImage(size.width(), size.height(), 7);
    doc.replaceWith(original);
    savePngAs(QStringLiteral("round"));
    SavePicture(session);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(testing::readFile(path("round.png")).startsWith("\x89PNG"));

    doc.replaceWith(testing::solidImage(10, 10, kBlack));
    open(QStringLiteral("round.png"));
    EXPECT_EQ(doc.picture().Image(), original);
    EXPECT_TRUE(allLayersEqual(doc));
}

INSTANTIATE_TEST_SUITE_P(OddSizes, PngRoundTripTest, ::testing::Values(QSize(1, 1), QSize(45, 19), QSize(255, 3)));

TEST_F(PngCommandTest, ATruncatedPngLeavesThePictureAsItWas)
{
    ASSERT_TRUE(savePng(testing::randomImage(40, 30, 2), path("whole.png")));
    const QByteArray whole = testing::readFile(path("whole.png"));
    ASSERT_TRUE(testing::writeFile(path("cut.png"), whole.left(whole.size() * 2 / 3)));
    const QImage before = testing::randomImage(12, 9, 3);
    doc.replaceWith(before);
    open(QStringLiteral("cut.png"));
    EXPECT_EQ(doc.picture().Image(), before);
    EXPECT_TRUE(allLayersEqual(doc));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(reports, std::vector<QString>{QStringLiteral("cut.png: the file ends before its pixels do")});
}

TEST_F(PngCommandTest, TheMergeImageCanBeAPng)
{
    const QImage merge = testing::randomImage(7, 5, 9);
    ASSERT_TRUE(savePng(merge, path("merge.png")));
    host.openAnswers.push_back({path("merge.png"), 1});
    openMergeImage(session);
    ASSERT_TRUE(session.merge.loaded());
    EXPECT_EQ(session.merge.image, merge);
    EXPECT_TRUE(host.openFilters.at(0).contains(QStringLiteral("*.png")));
}

} // namespace
} // namespace quill
