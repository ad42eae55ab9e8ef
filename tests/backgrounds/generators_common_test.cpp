#include "generator_cases.h"
#include "toolbox/operation.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct Button {
    const char *name;
    const char *alias;
};

const Button kButtons[] = {
    {"Command9", "gradient-h"},
    {"Command10", "gradient-v"},
    {"Command11", "gradient-h2"},
    {"Command12", "gradient-v2"},
    {"Command18", "gradient-tl"},
    {"Command19", "gradient-tr"},
    {"Command24", "gradient-tl-br"},
    {"Command25", "gradient-tr-bl"},
    {"Command14", "circles"},
    {"Command15", "squares"},
    {"Command26", "diamonds"},
    {"Command27", "rays-12"},
    {"Command28", "rays-8"},
    {"Command29", "diamond-rays"},
    {"Command51", "rays-thin"},
    {"Command17", "stripes-h"},
    {"Command23", "stripes-v"},
    {"Command37", "lines-h"},
    {"Command38", "lines-v"},
    {"Command33", "stripes-rise"},
    {"Command35", "lines-rise"},
    {"Command34", "stripes-fall"},
    {"Command36", "lines-fall"},
    {"Command32", "stitching"},
    {"Command30", "checker"},
    {"Command31", "checker-discs"},
    {"Command49", "checker-fg"},
    {"Command50", "discs-fg"},
    {"Command3", "fill"},
    {"Command40", "points"},
    {"Command52", "sprinkle"},
};

std::string buttonName(const ::testing::TestParamInfo<Button> &info) { return info.param.name; }

class GeneratorButtonTest : public testing::CoreTest, public ::testing::WithParamInterface<Button> {
protected:
    void clickButton(Colour fore, Colour back)
    {
        host.inputAnswers.push_back(QStringLiteral("25"));
        testing::click(session, GetParam().name, fore, back);
    }
};

TEST_P(GeneratorButtonTest, OneSnapshotPerClickAndUndoRestores)
{
    testing::preparePicture(session, 83, 64);
    doc.picture().setPicture(testing::randomImage(83, 64, 3));
    doc.PropagateCentre();
    const QImage before = doc.picture().Image().copy();
    clickButton(rgb(250, 0, 0), rgb(0, 0, 250));
    EXPECT_EQ(session.undo.UndoCount, 1);
    EXPECT_TRUE(testing::allLayersEqual(doc));
    EXPECT_FALSE(doc.picture().Image() == before);
    clickButton(rgb(250, 0, 0), rgb(0, 0, 250));
    EXPECT_EQ(session.undo.UndoCount, 2);
    session.undo.Undo(doc);
    session.undo.Undo(doc);
    EXPECT_TRUE(doc.picture().Image() == before);
    EXPECT_TRUE(testing::allLayersEqual(doc));
}

// Tiny, very wide and very tall pictures (beyond 32767 twips, and tall enough
// for the diagonal sweeps to run their 16-bit position to its limit), with one
// colour for both: nothing but that colour and the old picture may appear.
TEST_P(GeneratorButtonTest, OddSizesAndEqualColours)
{
    for (const QSize size : {QSize(1, 1), QSize(2, 1), QSize(2300, 5), QSize(5, 2400)}) {
        testing::preparePicture(session, size.width(), size.height());
        clickButton(rgb(7, 77, 177), rgb(7, 77, 177));
        const QImage &image = doc.picture().Image();
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(testing::countPixels(image, rgb(7, 77, 177)) + testing::countPixels(image, testing::kOldPicture),
                  size.width() * size.height())
            << size.width() << " x " << size.height();
        EXPECT_TRUE(testing::allLayersEqual(doc));
    }
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, GeneratorButtonTest, ::testing::ValuesIn(kButtons), buttonName);

} // namespace
} // namespace quill
