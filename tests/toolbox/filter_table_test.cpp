#include "filter_helpers.h"
#include "surface/image_files.h"

#include <QSet>

namespace quill {
namespace {

using testing::FilterTest;
using testing::randomImage;

const char *const kFilterButtons[] = {"Command90", "Command91", "Command92", "Command93", "Command94", "Command95",
                                      "Command20", "Command21", "Command41", "Command42", "Command43", "Command44",
                                      "Command45", "Command46", "Command47", "Command48", "Command60", "Command61",
                                      "Command62", "Command63", "Command64", "Command65", "Command84", "Command85",
                                      "Command86", "Command87", "Command88", "Command89", "Command54", "Command55",
                                      "Command82", "Command83", "Command39", "Command59", "Command58", "Command66"};

class FilterButtonTest : public FilterTest, public ::testing::WithParamInterface<const char *> {
protected:
    const Operation &op() const { return *findOperation(QString::fromLatin1(GetParam())); }
};

TEST_P(FilterButtonTest, IsRegisteredWithAShortLowerCaseAlias)
{
    const Operation *found = findOperation(QString::fromLatin1(GetParam()));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->alias, found->alias.toLower());
    EXPECT_LE(found->alias.size(), 16);
    EXPECT_FALSE(found->summary.isEmpty());
    EXPECT_EQ(findOperation(found->alias), found);
}

// Every button on the sizes that trip loops up: one pixel, odd, wider and
// taller than high, and larger than the merge box. Each keeps the size, takes
// its snapshots, leaves the nine layers equal and, where it takes a snapshot,
// is undone in one step.
TEST_P(FilterButtonTest, RunsOnAnySizeAndIsUndoneWhereItTakesASnapshot)
{
    ASSERT_TRUE(saveBitmap(randomImage(40, 30, 1), path(QStringLiteral("m.bmp"))));
    host.openAnswers.push_back({path(QStringLiteral("m.bmp")), 1});
    findOperation(QStringLiteral("open-merge"))->run(session);
    ASSERT_TRUE(session.merge.loaded());
    for (const QSize size : {QSize(10, 10), QSize(1, 1), QSize(13, 7), QSize(7, 13), QSize(230, 9)}) {
        load(randomImage(size.width(), size.height(), 7));
        const QImage before = picture().copy();
        click(op().alias);
        EXPECT_EQ(picture().size(), size);
        if (op().snapshots == 1) {
            session.undo.Undo(doc);
            EXPECT_EQ(picture(), before) << size.width() << "x" << size.height();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, FilterButtonTest, ::testing::ValuesIn(kFilterButtons));

TEST(OperationTable, NamesAndAliasesAreUnique)
{
    QSet<QString> names, aliases;
    for (const Operation &op : allOperations()) {
        EXPECT_FALSE(names.contains(op.name)) << op.name.toStdString();
        EXPECT_FALSE(aliases.contains(op.alias)) << op.alias.toStdString();
        names.insert(op.name);
        aliases.insert(op.alias);
    }
}

TEST(OperationTable, BlurBandsAndShrinkTakeNoSnapshot)
{
    for (const char *alias : {"blur", "bands-h", "bands-v", "shrink", "open-merge"})
        EXPECT_EQ(findOperation(QString::fromLatin1(alias))->snapshots, 0) << alias;
    EXPECT_EQ(findOperation(QStringLiteral("mosaic"))->snapshots, 1);
}

} // namespace
} // namespace quill
