#include "filter_helpers.h"
#include "shell/app_state.h"
#include "toolbox/pixel_framework.h"

namespace quill {
namespace {

using testing::FilterTest;
using testing::pixelAt;
using testing::randomImage;

// ---- Colour conversions -------------------------------------------------

// Inputs with their grey levels worked out by hand: (r + g + b) / 3 to nearest.
const std::vector<Colour> kConversionInputs = {rgb(255, 255, 255), rgb(0, 0, 0),     rgb(255, 0, 0),
                                               rgb(1, 1, 2),       rgb(1, 2, 2),     rgb(20, 21, 234),
                                               rgb(235, 254, 0),   rgb(21, 234, 255)};
const std::vector<int> kConversionGreys = {255, 0, 85, 1, 2, 92, 163, 170};

struct ConversionCase {
    const char *alias;
    bool red, green, blue; // the channels that take the grey level
};

class ConversionTest : public FilterTest, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(ConversionTest, WritesTheGreyLevelIntoTheHuesChannels)
{
    const ConversionCase &c = GetParam();
    load(testing::rowOf(kConversionInputs));
    click(QString::fromLatin1(c.alias));
    for (std::size_t i = 0; i < kConversionInputs.size(); ++i) {
        const int g = kConversionGreys[i];
        EXPECT_EQ(at(static_cast<int>(i), 0), rgb(c.red ? g : 0, c.green ? g : 0, c.blue ? g : 0)) << i;
    }
}

TEST_P(ConversionTest, IsUndoneInOneStep) { load(randomImage(9, 4, 3)), expectUndoRestores(GetParam().alias); }

TEST_P(ConversionTest, LeavesBothLayersInPixelsWithAThinPen)
{
    doc.forEachLayer([](Surface &l) {
        l.setScaleMode(ScaleMode::Twips);
        l.setDrawWidth(7);
    });
    click(QString::fromLatin1(GetParam().alias));
    for (int i : {0, 1}) {
        EXPECT_EQ(doc.layer(i).scaleMode(), ScaleMode::Pixels);
        EXPECT_EQ(doc.layer(i).DrawWidth(), 1);
    }
}

// The straightforward loop: point read, SplitColor, GreyLevel, the table's colour.
QImage referenceConversion(const QImage &source, const ConversionCase &c)
{
    AppState state;
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            SplitColor(state, pixelAt(source, x, y));
            const int g = GreyLevel(state.SplitRed, state.SplitGreen, state.SplitBlue);
            out.setPixel(x, y, toQRgb(rgb(c.red ? g : 0, c.green ? g : 0, c.blue ? g : 0)));
        }
    return out;
}

TEST_P(ConversionTest, FastPathEqualsThePixelLoopOnRandomPictures)
{
    unsigned seed = 10;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        click(QString::fromLatin1(GetParam().alias));
        EXPECT_EQ(picture(), referenceConversion(source, GetParam())) << size.width() << "x" << size.height();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hues, ConversionTest,
    ::testing::Values(ConversionCase{"purple", true, false, true}, ConversionCase{"grey", true, true, true},
                      ConversionCase{"yellow", true, true, false}, ConversionCase{"green", false, true, false},
                      ConversionCase{"red", true, false, false}, ConversionCase{"blue", false, false, true}),
    [](const auto &info) { return std::string(info.param.alias); });

TEST_F(FilterTest, GreyTwiceEqualsGreyOnceAndRedAfterGreyKeepsTheLevel)
{
    const QImage source = randomImage(12, 9, 77);
    load(source);
    click(QStringLiteral("grey"));
    const QImage once = picture().copy();
    click(QStringLiteral("grey"));
    EXPECT_EQ(picture(), once);
    click(QStringLiteral("red"));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(at(x, y), rgb(redOf(pixelAt(once, x, y)), 0, 0));
}

// ---- Channel steps ------------------------------------------------------

struct StepCase {
    const char *alias;
    std::vector<std::pair<Colour, Colour>> pixels; // before, after
};

class ChannelStepTest : public FilterTest, public ::testing::WithParamInterface<StepCase> {
protected:
    // Three rows of the same pixels: a picture wider than high.
    QImage inputs() const
    {
        const auto &pixels = GetParam().pixels;
        QImage image(static_cast<int>(pixels.size()), 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, toQRgb(pixels[static_cast<std::size_t>(x)].first));
        return image;
    }
};

TEST_P(ChannelStepTest, StepsOnlyWhereThereIsRoom)
{
    const auto &pixels = GetParam().pixels;
    load(inputs());
    click(QString::fromLatin1(GetParam().alias));
    for (int y = 0; y < 3; ++y)
        for (std::size_t i = 0; i < pixels.size(); ++i)
            EXPECT_EQ(at(static_cast<int>(i), y), pixels[i].second) << "pixel " << i << " row " << y;
}

TEST_P(ChannelStepTest, TallPicturesAreSteppedEverywhere)
{
    const auto &pixels = GetParam().pixels;
    load(inputs().transformed(QTransform().rotate(90)));
    click(QString::fromLatin1(GetParam().alias));
    for (int x = 0; x < 3; ++x)
        for (std::size_t i = 0; i < pixels.size(); ++i)
            EXPECT_EQ(at(x, static_cast<int>(i)), pixels[i].second) << "pixel " << i;
}

TEST_P(ChannelStepTest, IsUndoneInOneStep) { load(randomImage(6, 11, 4)), expectUndoRestores(GetParam().alias); }

INSTANTIATE_TEST_SUITE_P(
    Buttons, ChannelStepTest,
    ::testing::Values(
        StepCase{"red-up",
                 {{rgb(234, 0, 0), rgb(254, 0, 0)},
                  {rgb(235, 0, 0), rgb(235, 0, 0)},
                  {rgb(254, 0, 0), rgb(254, 0, 0)},
                  {rgb(0, 255, 255), rgb(20, 255, 255)}}},
        StepCase{"red-down",
                 {{rgb(21, 5, 5), rgb(1, 5, 5)}, {rgb(20, 5, 5), rgb(20, 5, 5)}, {rgb(255, 0, 0), rgb(235, 0, 0)}}},
        StepCase{"green-up", {{rgb(0, 234, 255), rgb(0, 254, 255)}, {rgb(1, 235, 1), rgb(1, 235, 1)}}},
        StepCase{"green-down", {{rgb(255, 21, 0), rgb(255, 1, 0)}, {rgb(1, 20, 1), rgb(1, 20, 1)}}},
        StepCase{"blue-up", {{rgb(1, 1, 234), rgb(1, 1, 254)}, {rgb(1, 1, 235), rgb(1, 1, 235)}}},
        StepCase{"blue-down", {{rgb(0, 0, 21), rgb(0, 0, 1)}, {rgb(0, 0, 20), rgb(0, 0, 20)}}},
        StepCase{"white-up",
                 {{rgb(100, 100, 240), rgb(100, 100, 240)},
                  {rgb(100, 100, 234), rgb(120, 120, 254)},
                  {rgb(0, 0, 0), rgb(20, 20, 20)},
                  {rgb(255, 0, 0), rgb(255, 0, 0)}}},
        StepCase{"white-down",
                 {{rgb(0, 0, 0), rgb(0, 0, 0)},
                  {rgb(21, 21, 21), rgb(1, 1, 1)},
                  {rgb(100, 20, 100), rgb(100, 20, 100)},
                  {rgb(255, 255, 255), rgb(235, 235, 235)}}},
        StepCase{"yellow-up",
                 {{rgb(220, 100, 50), rgb(240, 100, 50)},
                  {rgb(200, 100, 50), rgb(220, 120, 50)},
                  {rgb(234, 234, 234), rgb(254, 234, 234)},
                  {rgb(100, 235, 0), rgb(100, 235, 0)}}},
        StepCase{"yellow-down",
                 {{rgb(30, 100, 50), rgb(10, 100, 50)},
                  {rgb(60, 100, 50), rgb(40, 80, 50)},
                  {rgb(100, 20, 100), rgb(100, 20, 100)},
                  {rgb(255, 255, 255), rgb(235, 235, 255)}}}),
    [](const auto &info) {
        std::string name = info.param.alias;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// The straightforward loop: device read, SplitColor, the rule on the split
// components, the composed colour written back in place.
QImage referenceStep(QImage picture, const std::string &alias)
{
    AppState s;
    const bool up = alias.ends_with("-up");
    const int d = up ? 20 : -20;
    auto room = [up](int c) { return up ? c + 20 < 255 : c - 20 > 0; };
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            SplitColor(s, pixelAt(picture, x, y));
            int r = s.SplitRed, g = s.SplitGreen, b = s.SplitBlue;
            if (alias.starts_with("white") && room(r) && room(g) && room(b)) {
                r += d;
                g += d;
                b += d;
            } else if (alias.starts_with("red") && room(r)) {
                r += d;
            } else if (alias.starts_with("green") && room(g)) {
                g += d;
            } else if (alias.starts_with("blue") && room(b)) {
                b += d;
            } else if (alias.starts_with("yellow")) {
                if (room(r) && room(g))
                    r += d;
                if (room(r) && room(g))
                    g += d;
            }
            picture.setPixel(x, y, toQRgb(rgb(r, g, b)));
        }
    return picture;
}

TEST_P(ChannelStepTest, FastPathEqualsThePixelLoopOnRandomPictures)
{
    unsigned seed = 40;
    for (const QSize &size : testing::comparisonSizes()) {
        const QImage source = randomImage(size.width(), size.height(), ++seed);
        load(source);
        click(QString::fromLatin1(GetParam().alias));
        EXPECT_EQ(picture(), referenceStep(source, GetParam().alias)) << size.width() << "x" << size.height();
    }
}

TEST_F(FilterTest, ChannelStepLeavesTheWorkLayerAlone)
{
    doc.layer(1).setScaleMode(ScaleMode::Twips);
    doc.layer(1).setDrawWidth(5);
    click(QStringLiteral("red-up"));
    EXPECT_EQ(doc.layer(0).scaleMode(), ScaleMode::Pixels);
    EXPECT_EQ(doc.layer(1).scaleMode(), ScaleMode::Twips);
    EXPECT_EQ(doc.layer(1).DrawWidth(), 5);
}

TEST_F(FilterTest, RepeatedStepsWalkTowardsTheEndsWithoutClipping)
{
    load(testing::rowOf({rgb(0, 0, 0), rgb(255, 255, 255)}));
    for (int i = 0; i < 20; ++i)
        click(QStringLiteral("red-up"));
    EXPECT_EQ(at(0, 0), rgb(240, 0, 0)); // 0, 20, ..., 240: 240 has no room left
    EXPECT_EQ(at(1, 0), rgb(255, 255, 255));
    for (int i = 0; i < 20; ++i)
        click(QStringLiteral("red-down"));
    EXPECT_EQ(at(0, 0), rgb(20, 0, 0)); // 240, 220, ..., 20: 20 has no room left
    EXPECT_EQ(at(1, 0), rgb(15, 255, 255));
}

} // namespace
} // namespace quill
