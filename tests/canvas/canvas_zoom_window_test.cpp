#include "canvas/canvas_zoom.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <vector>

namespace quill {
namespace {

using testing::allLayersEqual;
using testing::countPixels;
using testing::pixelAt;

class ZoomTest : public testing::WindowTest {
protected:
    // A mouse event at a screen position inside a tile (not rounded to picture pixels).
    void sendAt(int tileIndex, QEvent::Type type, QPointF local, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, local, tile(tileIndex)->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(tile(tileIndex), &event);
    }
    // A Draw stroke through picture pixels, sent at screen pixel p * scale + offset.
    void stroke(int tileIndex, const std::vector<QPoint> &points, int scale, int offset)
    {
        const auto at = [&](QPoint p) { return QPointF(p.x() * scale + offset + 0.5, p.y() * scale + offset + 0.5); };
        sendAt(tileIndex, QEvent::MouseMove, at(points.front()), Qt::NoButton, Qt::NoButton);
        sendAt(tileIndex, QEvent::MouseButtonPress, at(points.front()), Qt::LeftButton, Qt::LeftButton);
        for (const QPoint &p : points)
            sendAt(tileIndex, QEvent::MouseMove, at(p), Qt::NoButton, Qt::LeftButton);
        sendAt(tileIndex, QEvent::MouseButtonRelease, at(points.back()), Qt::LeftButton, Qt::NoButton);
    }
    void keyOnTile(int qtKey, const QString &text = {})
    {
        QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(tile(0), &event);
    }
    QImage grabTile(int index) { return tile(index)->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// Watches one widget for key presses.
class Recorder : public QObject {
public:
    std::vector<int> keys;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys.push_back(static_cast<QKeyEvent *>(event)->key());
        return false;
    }
};

// ---- where a press lands ---------------------------------------------------------

struct PressCase {
    int scale;
    int tile;
    QPoint picturePixel;
    QPoint withinBlock; // screen offset inside the magnified pixel
};

class ZoomPressTest : public ZoomTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(ZoomPressTest, APressLandsOnTheMagnifiedPicturePixelUnderIt)
{
    const PressCase c = GetParam();
    canvas().setZoom(c.scale);
    ASSERT_EQ(canvas().zoom(), c.scale);
    EXPECT_EQ(tile(c.tile)->size(), QSize(122, 122) * c.scale);
    EXPECT_EQ(tile(8)->pos(), QPoint(244, 244) * c.scale);
    session.state.ToolMode = 2; // Point
    session.state.ToolDrawWidth[2] = 1;
    session.state.LeftColour = kRed;
    const QPointF screen = QPointF(c.picturePixel * c.scale + c.withinBlock) + QPointF(0.5, 0.5);
    sendAt(c.tile, QEvent::MouseButtonPress, screen, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(countPixels(doc.picture().Image(), kRed), 1);
    EXPECT_EQ(pixelAt(doc.picture().Image(), c.picturePixel.x(), c.picturePixel.y()), kRed);
    EXPECT_TRUE(allLayersEqual(doc));
}

std::vector<PressCase> pressCases()
{
    std::vector<PressCase> cases;
    for (const int s : kCanvasScales) {
        cases.push_back({s, 0, {37, 90}, {0, 0}});
        cases.push_back({s, 8, {121, 0}, {s - 1, s - 1}}); // corner tile, last screen pixel of the last column
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Scales, ZoomPressTest, ::testing::ValuesIn(pressCases()), [](const auto &info) {
    return QStringLiteral("x%1_tile%2").arg(info.param.scale).arg(info.param.tile).toStdString();
});

// ---- drawing and showing exact pixels --------------------------------------------

TEST_F(ZoomTest, AStrokeAt8xColoursThePixelsOfTheSameStrokeAt1x)
{
    session.state.LeftColour = kRed;
    const std::vector<QPoint> path{{20, 30}, {26, 33}, {60, 45}, {90, 100}, {91, 101}};
    stroke(4, path, 1, 0);
    const QImage at1x = doc.picture().Image().copy();
    ASSERT_GT(countPixels(at1x, kRed), 100);

    doc.replaceWith(testing::solidImage(122, 122, kWhite));
    canvas().setZoom(8);
    stroke(4, path, 8, 5);
    EXPECT_EQ(doc.picture().Image(), at1x);
    EXPECT_TRUE(allLayersEqual(doc));

    // Every picture pixel shows as an 8 x 8 block of its own colour.
    const QImage shown = grabTile(4);
    ASSERT_EQ(shown.size(), QSize(976, 976));
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            for (const QPoint corner : {QPoint(0, 0), QPoint(7, 7)})
                ASSERT_EQ(pixelAt(shown, x * 8 + corner.x(), y * 8 + corner.y()), pixelAt(at1x, x, y)) << x << "," << y;
}

// ---- rubber bands -----------------------------------------------------------------

struct BandCase {
    const char *name;
    int toolMode;
    int scale;
};

class BandZoomTest : public ZoomTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandZoomTest, TheBandCoversTheSamePicturePixelsMagnified)
{
    const BandCase c = GetParam();
    session.state.ToolMode = c.toolMode;
    press(0, {20, 30});
    move(0, {70, 95});
    CanvasOverlays &o = canvas().controller().overlays;
    ASSERT_TRUE(o.Shape2.Visible || o.Line1.Visible);
    o.Shape3.Visible = false; // the pointer marker is a third of a pixel off the grid
    o.Shape2.BorderColor = o.Line1.BorderColor = o.Line2.BorderColor = kBlack;
    const QImage at1x = grabTile(0);
    const int banded = countPixels(at1x, kBlack);
    ASSERT_GT(banded, 40);

    canvas().setZoom(c.scale);
    const QImage zoomed = grabTile(0);
    ASSERT_EQ(zoomed.size(), at1x.size() * c.scale);
    EXPECT_EQ(countPixels(zoomed, kBlack), banded * c.scale * c.scale);
    for (int y = 0; y < zoomed.height(); ++y)
        for (int x = 0; x < zoomed.width(); ++x)
            ASSERT_EQ(pixelAt(zoomed, x, y), pixelAt(at1x, x / c.scale, y / c.scale)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Bands, BandZoomTest,
                         ::testing::Values(BandCase{"Rectangle", 7, 8}, BandCase{"CircleCross", 5, 3},
                                           BandCase{"StraightLine", 3, 6}),
                         [](const auto &info) {
                             return QStringLiteral("%1%2").arg(info.param.name).arg(info.param.scale).toStdString();
                         });

TEST_F(ZoomTest, PlusAndMinusStepThroughTheScalesAndStopAtTheEnds)
{
    const auto sevenTimes = [&](int qtKey, const QString &text) {
        std::vector<int> seen;
        for (int i = 0; i < 7; ++i, seen.push_back(canvas().zoom()))
            keyOnTile(qtKey, text);
        return seen;
    };
    EXPECT_EQ(sevenTimes(Qt::Key_Plus, QStringLiteral("+")), (std::vector<int>{2, 3, 4, 6, 8, 8, 8}));
    EXPECT_EQ(canvas().zoomControl()->currentText(), QStringLiteral("8x"));
    EXPECT_EQ(sevenTimes(Qt::Key_Minus, QStringLiteral("-")), (std::vector<int>{6, 4, 3, 2, 1, 1, 1}));
    QComboBox *control = canvas().findChild<QComboBox *>(QStringLiteral("CanvasZoom"));
    emit control->activated(3); // a pick from the list
    EXPECT_EQ(canvas().zoom(), 4);
    EXPECT_EQ(tile(5)->geometry(), QRect(QPoint(244, 122) * 4, QSize(488, 488)));
}

// Keys the canvas does not use go on to the main frame, magnified or not
// (Esc on the canvas is in canvas_window_test.cpp and keyboard_focus_window_test.cpp).
TEST_F(ZoomTest, OtherKeysStillReachTheMainFrameWhenMagnified)
{
    canvas().setZoom(6);
    Recorder recorder;
    frame->installEventFilter(&recorder);
    keyOnTile(Qt::Key_F5);
    frame->removeEventFilter(&recorder);
    EXPECT_EQ(recorder.keys, std::vector<int>{Qt::Key_F5});
    EXPECT_EQ(canvas().zoom(), 6);
}

// ---- window size and scrolling ----------------------------------------------------

TEST_F(ZoomTest, TheWindowGrowsWithTheScaleAndBackAt1xIsTheSizeItWas)
{
    frame->resize(1000, 700);
    QApplication::processEvents();
    const QSize at1x = canvas().size();
    canvas().setZoom(2);
    EXPECT_GT(canvas().width(), at1x.width());
    canvas().setZoom(1);
    EXPECT_EQ(canvas().size(), at1x);
}

// The repaint area of the overlays holds every pixel they paint.
TEST_F(ZoomTest, TheOverlayAreaHoldsWhatTheOverlaysPaint)
{
    session.state.ToolMode = 11; // Text: a label, and the pointer marker
    CanvasOverlays &o = canvas().controller().overlays;
    press(0, {30, 40});
    o.Label1.Caption = QStringLiteral("Wg|Ij");
    o.Label1.Font.setItalic(true);
    o.Label1.Font.setPointSize(16);
    const QRect drawn = testing::boundsOfNot(grabTile(0), kWhite);
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(overlayPixelBounds(o).contains(drawn));
}

} // namespace
} // namespace quill
