#include "support/window_fixture.h"
#include "toolbox/button_faces.h"
#include "toolbox/operation_registry.h"
#include "toolbox/toolbox_window.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace quill {
namespace {

class ToolboxWindowTest : public testing::WindowTest {
protected:
    ToolboxWindow &toolbox() { return *frame->findChild<ToolboxWindow *>(QStringLiteral("Form2")); }
    QWidget *child(const char *name) { return toolbox().findChild<QWidget *>(QString::fromLatin1(name)); }
    // The colour a swatch shows in its middle.
    Colour shown(const char *name)
    {
        QWidget *w = child(name);
        return fromQRgb(w->grab().toImage().pixel(w->width() / 2, w->height() / 2));
    }
};

TEST_F(ToolboxWindowTest, EveryRowIsAControlEnabledOnlyWhenItDoesSomething)
{
    for (const ToolboxButton &b : toolboxButtons()) {
        QAbstractButton *w = toolbox().button(b.name);
        ASSERT_NE(w, nullptr) << b.name.toStdString();
        const bool hasAction = b.kind == ButtonKind::Tool || b.kind == ButtonKind::Inert ||
                               b.kind == ButtonKind::Check || b.kind == ButtonKind::Dialog || findOperation(b.name);
        EXPECT_EQ(w->isEnabled(), hasAction) << b.name.toStdString();
    }
}

TEST_F(ToolboxWindowTest, StateListenerReenablesTheToolsWheneverClickStageDrops)
{
    session.state.ClickStage = 1;
    session.stateChanged();
    EXPECT_FALSE(toolbox().button(QStringLiteral("Command56"))->isEnabled());
    EXPECT_TRUE(toolbox().button(QStringLiteral("Command81"))->isEnabled());
    session.state.ClickStage = 0; // as a merge or pattern operation leaves it
    session.stateChanged();
    EXPECT_TRUE(toolbox().button(QStringLiteral("Command56"))->isEnabled());
}

struct PickCase {
    const char *name;
    int image;
    int button;
    QPoint at;
    bool leftChanges, rightChanges, previewChanges;
};

class PalettePickTest : public ToolboxWindowTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PalettePickTest, PicksWhatThePaletteShowsUnderThePointer)
{
    const PickCase c = GetParam();
    const QRect image = c.image == 1 ? kPaletteImage1 : kPaletteImage2;
    const Colour under = toolbox().colours().Picture1.Point(c.at.x(), c.at.y() + image.top());
    const Colour left = session.state.LeftColour, right = session.state.RightColour;
    const Colour preview = session.state.HoverColour;
    canvas().controller().overlays.Label1.ForeColor = rgb(1, 2, 3);

    toolbox().paletteMouse(c.image, c.button, c.at.x(), c.at.y());

    EXPECT_EQ(session.state.LeftColour, c.leftChanges ? under : left);
    EXPECT_EQ(session.state.RightColour, c.rightChanges ? under : right);
    EXPECT_EQ(session.state.HoverColour, c.previewChanges ? under : preview);
    // Only a left pick recolours the canvas's text preview.
    EXPECT_EQ(canvas().controller().overlays.Label1.ForeColor, c.leftChanges ? under : rgb(1, 2, 3));
}

INSTANTIATE_TEST_SUITE_P(Picks, PalettePickTest,
                         ::testing::Values(PickCase{"LeftOnHues", 1, 1, {20, 20}, true, false, true},
                                           PickCase{"RightOnPlainColours", 2, 2, {30, 30}, false, true, true},
                                           PickCase{"FirstColumnIsNotPickable", 1, 1, {0, 20}, false, false, false},
                                           PickCase{"PastTheBottomOfImage2", 2, 1, {20, 57}, false, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ToolboxWindowTest, TheColourDialogOpensAtTheSwatchColourAndCancelKeepsIt)
{
    session.state.LeftColour = rgb(9, 9, 9);
    session.state.RightColour = rgb(200, 100, 50);
    host.colourAnswers = {std::nullopt, kRed, std::nullopt};
    toolbox().swatchClick(QStringLiteral("Picture2"));
    EXPECT_EQ(session.state.LeftColour, rgb(9, 9, 9));
    toolbox().swatchClick(QStringLiteral("Picture3"));
    EXPECT_EQ(session.state.RightColour, kRed);
    toolbox().swatchClick(QStringLiteral("Picture2"));
    EXPECT_EQ(session.state.LeftColour, rgb(9, 9, 9)); // Cancel after another swatch's OK
    EXPECT_EQ(host.colourDialogStarts, (std::vector<Colour>{rgb(9, 9, 9), rgb(200, 100, 50), rgb(9, 9, 9)}));
    EXPECT_EQ(shown("Picture2"), rgb(9, 9, 9));
    EXPECT_EQ(shown("Picture3"), kRed);
}

TEST_F(ToolboxWindowTest, SwapExchangesTheColoursThroughTheHolder)
{
    session.state.LeftColour = kRed;
    session.state.RightColour = rgb(0, 0, 255);
    const Colour label = canvas().controller().overlays.Label1.ForeColor;
    toolbox().swatchClick(QStringLiteral("Picture5"));
    EXPECT_EQ(session.state.LeftColour, rgb(0, 0, 255));
    EXPECT_EQ(session.state.RightColour, kRed);
    EXPECT_EQ(shown("Picture2"), rgb(0, 0, 255));
    EXPECT_EQ(shown("Picture6"), kRed);
    EXPECT_EQ(canvas().controller().overlays.Label1.ForeColor, label);
    toolbox().swatchClick(QStringLiteral("Picture5"));
    EXPECT_EQ(session.state.LeftColour, kRed);
    EXPECT_EQ(session.state.RightColour, rgb(0, 0, 255));
}

} // namespace
} // namespace quill
