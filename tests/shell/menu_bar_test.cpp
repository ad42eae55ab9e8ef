#include "shell/menu_bar.h"
#include "toolbox/button_table.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>

namespace quill {
namespace {

TEST(MenuBarTest, EveryToolbarCommandAndEveryWorkingToolboxButtonIsInTheMenusOnce)
{
    QMap<QString, int> seen;
    for (const MenuEntry &e : menuEntries())
        ++seen[e.id];
    for (const ToolbarButton &b : toolbarButtons())
        EXPECT_EQ(seen.value(QString::fromLatin1(b.key)), 1) << b.key;
    for (const ToolboxButton &b : toolboxButtons())
        EXPECT_EQ(seen.value(b.name), b.kind == ButtonKind::Inert ? 0 : 1) << b.name.toStdString();
    for (const MenuCommand &c : menuCommands())
        EXPECT_EQ(seen.value(QString::fromLatin1(c.id)), 1) << c.id;
}

TEST(MenuBarTest, NamesAreSetAndNoTwoEntriesOfOneMenuShareAPath)
{
    QSet<QString> paths;
    for (const MenuEntry &e : menuEntries()) {
        EXPECT_FALSE(e.name.trimmed().isEmpty()) << e.id.toStdString();
        EXPECT_FALSE(paths.contains(menuPath(e))) << menuPath(e).toStdString();
        paths.insert(menuPath(e));
    }
}

struct PlaceCase {
    const char *id;
    const char *path;
};

class MenuPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(MenuPlaceTest, EntrySitsWhereAUserLooksForIt)
{
    const auto &entries = menuEntries();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [](const MenuEntry &e) { return e.id == QLatin1String(GetParam().id); });
    ASSERT_NE(it, entries.end());
    EXPECT_EQ(menuPath(*it), QString::fromUtf8(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    OneOfEachMenu, MenuPlaceTest,
    ::testing::Values(PlaceCase{"e", "File > Quit"}, PlaceCase{"n", "Edit > Capture screen..."},
                      PlaceCase{"r", "View > Dim copies"}, PlaceCase{"zoom-in", "View > Canvas zoom > Zoom in"},
                      PlaceCase{"Command22", "Tools > Spray"}, PlaceCase{"Command91", "Image > Colour > Grey"},
                      PlaceCase{"Command47", "Image > Channels > More yellow"},
                      PlaceCase{"Command64", "Image > Mirror and turn > Quarter turn left"},
                      PlaceCase{"Command55", "Image > Blur and mosaic > Mosaic"},
                      PlaceCase{"Command86", "Image > Merge > Blend with the merge image in purple"},
                      PlaceCase{"Command82", "Backgrounds > Gradients > Horizontal colour bands"},
                      PlaceCase{"Command29", "Backgrounds > Centred figures > Diamonds and rays"},
                      PlaceCase{"Command32", "Backgrounds > Stripes and lines > Curve stitching"},
                      PlaceCase{"Command50", "Backgrounds > Checkerboards > Discs over the picture"},
                      PlaceCase{"Command3", "Backgrounds > Fills and points > Fill with the background colour"},
                      PlaceCase{"Command78", "Pattern > Recolour pattern > Pattern in purple"},
                      PlaceCase{"Check1", "Pattern > Paint transparent cells"}, PlaceCase{"q", "Seams > Make seamless"},
                      PlaceCase{"lattice-half-drop", "Seams > Lattice > Half-drop"},
                      PlaceCase{"find-command", "Help > Find a command..."}));

} // namespace
} // namespace quill
