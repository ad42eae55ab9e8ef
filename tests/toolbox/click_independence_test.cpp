// A toolbox click gives the same picture whatever ran before it: every button is
// run from a fresh start, and again after each other button and after canvas
// strokes, on the same picture with the same colours, pattern, merge image and
// seed. Only what those earlier commands left in the layers and the shared
// state (units, pens, fill style, ClickStage, the tool) can tell the runs apart.
#include "canvas/canvas_controller.h"
#include "support/fixtures.h"
#include "toolbox/button_table.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>

namespace quill {

void PrintTo(const ToolboxButton &button, std::ostream *os); // button_table_test.cpp

namespace {

using Before = std::function<void(Session &)>;

// A stroke with the Draw tool (width 10, twips) ending with the button held.
void drawStroke(Session &session)
{
    CanvasController canvas(session);
    auto at = [](int x, int y, int button) { return MouseEvent{4, button, 0, x * 15.0, y * 15.0}; };
    session.state.ToolMode = 1;
    canvas.mouseMove(at(1, 1, 0));
    canvas.mouseDown(at(1, 1, kLeftButton));
    canvas.mouseMove(at(6, 4, kLeftButton));
}

// The first click of a filled circle: ClickStage 1, solid fill, the right colour as fill.
void halfACircle(Session &session)
{
    buttonAction(*findToolboxButton(QStringLiteral("Command6"))).run(session);
    CanvasController canvas(session);
    canvas.mouseDown(MouseEvent{0, kRightButton, 0, 45, 30});
}

class ClickIndependenceTest : public testing::TempDirTest, public ::testing::WithParamInterface<ToolboxButton> {
protected:
    // The picture and the choices every run starts from; the layers' units and
    // pens and the shared state stay as they are.
    void prepare(Session &session, ScriptedHost &host)
    {
        session.undo.recording = false;
        session.document.replaceWith(testing::randomImage(9, 8, 11));
        session.state.LeftColour = rgb(10, 200, 30);
        session.state.RightColour = rgb(240, 100, 5);
        session.pattern = Pattern();
        session.pattern.folder = dir_.path();
        for (int k = 0; k < kPatternCells; k += 5)
            session.pattern.setCell(k, QString::number(rgb(k, 255 - k, 3 * k)));
        session.merge.setPicture(testing::randomImage(6, 5, 3));
        session.random.seed(99);
        host.inputAnswers.assign({QStringLiteral("40")});
    }

    // What a command leaves behind: the layers and the shared state after it.
    struct LeftBehind {
        QString name;
        Document document;
        AppState state;
    };
    LeftBehind runBefore(const QString &name, const Before &before)
    {
        ScriptedHost host;
        Session session(host);
        prepare(session, host);
        before(session);
        return {name, session.document, session.state};
    }

    // The button on the starting picture and choices, in the layers and state
    // `left` describes (none: a fresh start).
    QImage run(const Before &button, const LeftBehind *left = nullptr, bool *layersInStep = nullptr)
    {
        ScriptedHost host;
        Session session(host);
        if (left) {
            session.document = left->document;
            session.state = left->state;
        }
        prepare(session, host);
        button(session);
        if (layersInStep)
            *layersInStep = testing::allLayersEqual(session.document);
        return session.document.picture().Image().copy();
    }

    // Every other button and two canvas strokes, each run once for the whole table.
    const std::vector<LeftBehind> &everythingBefore()
    {
        static const std::vector<LeftBehind> all = [this] {
            std::vector<LeftBehind> left{runBefore(QStringLiteral("a canvas stroke"), drawStroke),
                                         runBefore(QStringLiteral("half a filled circle"), halfACircle)};
            for (const ToolboxButton &row : toolboxButtons())
                if (const ButtonAction action = buttonAction(row); action.run)
                    left.push_back(runBefore(row.name, action.run));
            return left;
        }();
        return all;
    }
};

TEST_P(ClickIndependenceTest, GivesThePictureOfAFreshStartAfterAnyOtherCommand)
{
    const Before button = buttonAction(GetParam()).run;
    if (!button)
        GTEST_SKIP() << "no action";
    const QImage fresh = run(button);
    QStringList differs;
    for (const LeftBehind &left : everythingBefore()) {
        bool inStep = false;
        if (run(button, &left, &inStep) != fresh || !inStep)
            differs << left.name;
    }
    EXPECT_TRUE(differs.isEmpty()) << "differs after: " << differs.join(QStringLiteral(", ")).toStdString();
}

// The other way round: no toolbox operation leaves anything behind that changes
// what the canvas draws next (a stroke, then a circle of the tool that keeps the
// fill the last fill button chose).
class CanvasAfterOperationTest : public ClickIndependenceTest {};

TEST_F(CanvasAfterOperationTest, TheCanvasDrawsTheSameAfterAnyOperation)
{
    const Before canvasWork = [](Session &session) {
        drawStroke(session);
        buttonAction(*findToolboxButton(QStringLiteral("Command70"))).run(session);
        CanvasController canvas(session);
        canvas.mouseDown(MouseEvent{0, kRightButton, 0, 60, 60});
        canvas.mouseDown(MouseEvent{0, kRightButton, 0, 90, 60}); // over the stroke, in the other colour
    };
    const Before filledCircles = buttonAction(*findToolboxButton(QStringLiteral("Command6"))).run;
    const LeftBehind start = runBefore({}, filledCircles);
    const QImage fresh = run(canvasWork, &start);
    QStringList differs;
    for (const ToolboxButton &row : toolboxButtons()) {
        const Before operation = buttonAction(row).run;
        if (row.kind == ButtonKind::Tool || !operation)
            continue;
        const LeftBehind left = runBefore(row.name, [&](Session &session) {
            filledCircles(session);
            operation(session);
        });
        if (run(canvasWork, &left) != fresh)
            differs << row.name;
    }
    EXPECT_TRUE(differs.isEmpty()) << "differs after: " << differs.join(QStringLiteral(", ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Toolbox, ClickIndependenceTest, ::testing::ValuesIn(toolboxButtons()),
                         [](const auto &info) { return info.param.name.toStdString(); });

} // namespace
} // namespace quill
