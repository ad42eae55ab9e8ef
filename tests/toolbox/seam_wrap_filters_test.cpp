// Blur and mosaic while the picture wraps at its edges, checked against the
// literal loops drawn through a wrapping surface; and the whole button table
// giving the same pixels once wrapping has been switched on and off again.
#include "filter_helpers.h"
#include "shell/seam_commands.h"
#include "toolbox/button_table.h"
#include "toolbox/pixel_framework.h"
#include "toolbox/seam_tools.h"

#include <QDir>
#include <QTemporaryDir>

#include <cmath>

namespace quill {
namespace {

using testing::FilterTest;
using testing::randomImage;

// Reads and writes through a wrapping surface: reads beyond an edge come from
// the opposite edge, and a wide pen's dot continues there.
Surface wrappingTarget(const QImage &start, int pen)
{
    Surface target(start.width(), start.height());
    target.setPicture(start);
    target.setScaleMode(ScaleMode::Pixels);
    target.setDrawWidth(pen);
    target.setWrapEdges(true);
    return target;
}

QImage referenceWrappedBlur(const QImage &source, int pen)
{
    Surface reader = wrappingTarget(source, 1);
    Surface target = wrappingTarget(source, pen);
    for (int x = 0; x < source.width(); ++x)
        for (int y = 0; y < source.height(); ++y) {
            int sum[3] = {0, 0, 0};
            for (const QPoint d : {QPoint(0, 0), QPoint(-1, 0), QPoint(0, -1), QPoint(1, 0), QPoint(0, 1)}) {
                const Colour c = reader.Point(x + d.x(), y + d.y());
                sum[0] += redOf(c);
                sum[1] += greenOf(c);
                sum[2] += blueOf(c);
            }
            auto fifth = [](int v) { return static_cast<int>(std::nearbyint(v / 5.0)); };
            target.PSet(x, y, rgb(fifth(sum[0]), fifth(sum[1]), fifth(sum[2])));
        }
    return target.Image();
}

QImage referenceWrappedMosaic(const QImage &source)
{
    Surface target = wrappingTarget(source, 8);
    for (int j = 0; j <= std::nearbyint(source.height() / 3.0); ++j)
        for (int i = 0; i <= std::nearbyint(source.width() / 3.0); ++i) {
            const Colour c = pointRead(source, 3 * i, 3 * j);
            if (c != kInvalidColour)
                target.PSet(3 * i, 3 * j, c);
        }
    return target.Image();
}

class WrapBlurTest : public FilterTest, public ::testing::WithParamInterface<int> {};

TEST_P(WrapBlurTest, NeighboursAndDotsBeyondAnEdgeComeFromTheOppositeEdge)
{
    unsigned seed = 300;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        doc.setWrapEdges(true);
        doc.layer(1).setDrawWidth(GetParam());
        click(QStringLiteral("blur"));
        EXPECT_EQ(picture(), referenceWrappedBlur(source, GetParam())) << size.width() << "x" << size.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Pens, WrapBlurTest, ::testing::Values(1, 2, 3, 8));

using WrapMosaicTest = FilterTest;

TEST_F(WrapMosaicTest, DotsContinueAtTheOppositeEdge)
{
    unsigned seed = 400;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        doc.setWrapEdges(true);
        click(QStringLiteral("mosaic"));
        EXPECT_EQ(picture(), referenceWrappedMosaic(source)) << size.width() << "x" << size.height();
    }
}

// One period of a sine each way: seamless, with steps everywhere.
QImage sineTile(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double v = std::sin(2 * M_PI * x / w) * std::sin(2 * M_PI * y / h);
            image.setPixel(x, y, qRgb(128 + static_cast<int>(std::lround(100 * v)), 90, 160));
        }
    return image;
}

class SeamlessBlurTest : public FilterTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(SeamlessBlurTest, ABlurOfASeamlessTileStaysSeamlessOnlyWhileWrapping)
{
    const QImage tile = sineTile(GetParam().width(), GetParam().height());
    ASSERT_GE(seamScore(tile).s, 0.8);
    ASSERT_LE(seamScore(tile).s, 1.25);
    load(tile);
    doc.setWrapEdges(true);
    click(QStringLiteral("blur"));
    EXPECT_GE(seamScore(picture()).s, 0.8);
    EXPECT_LE(seamScore(picture()).s, 1.25);
    load(tile);
    doc.setWrapEdges(false);
    click(QStringLiteral("blur"));
    // The black beyond the edges darkens both sides of the seam alike: a dark
    // line along it, with steep steps beside a shallow one across.
    EXPECT_LT(seamScore(picture()).s, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SeamlessBlurTest, ::testing::Values(QSize(64, 64), QSize(97, 65), QSize(128, 80)));

// Every row of the toolbox on the same picture, seed and colours.
QImage runRow(const ButtonAction &action, QSize size, bool toggleWrap)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QImage result;
    {
        ScriptedHost host;
        Session session(host);
        session.random.seed(77);
        session.state.LeftColour = rgb(10, 200, 30);
        session.state.RightColour = rgb(240, 100, 5);
        session.document.replaceWith(randomImage(size.width(), size.height(), 12));
        if (toggleWrap) {
            SeamState seam;
            setWrapAtEdges(session, seam, true);
            setWrapAtEdges(session, seam, false);
        }
        action.run(session);
        result = session.document.picture().Image().copy();
    }
    QDir::setCurrent(previous);
    return result;
}

TEST(SeamToggleIdentity, EveryToolboxRowGivesTheSamePixelsAfterWrapWasSwitchedOnAndOff)
{
    int rows = 0;
    for (const ToolboxButton &row : toolboxButtons()) {
        const ButtonAction action = buttonAction(row);
        if (!action.run)
            continue;
        ++rows;
        for (const QSize size : {QSize(10, 10), QSize(7, 5)})
            EXPECT_EQ(runRow(action, size, true), runRow(action, size, false))
                << row.name.toStdString() << " " << size.width() << "x" << size.height();
    }
    EXPECT_GT(rows, 90);
}

} // namespace
} // namespace quill
