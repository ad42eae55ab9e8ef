#include "toolbox/channel_adjust.h"

#include "toolbox/operation.h"
#include "toolbox/pixel_framework.h"

namespace quill {

namespace {

constexpr int kStep = 20;
// Room to increase: channel + 20 < 255; room to decrease: channel - 20 > 0.
constexpr bool roomUp(int c) { return c + kStep < 255; }
constexpr bool roomDown(int c) { return c - kStep > 0; }
template <bool Up> constexpr bool hasRoom(int c) { return Up ? roomUp(c) : roomDown(c); }

// Each pixel is read before it is written and never again, so the picture can
// be stepped row by row into the result raster and handed back as layer 0.
template <typename Rule> void stepPixels(Session &session, Rule rule)
{
    beginOperation(session, true, OperationLayers::InPlace);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    QImage result = resultRaster(doc);
    const int height = source.height(), width = source.width();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = in[x];
            int r = static_cast<int>((p >> 16) & 255), g = static_cast<int>((p >> 8) & 255),
                b = static_cast<int>(p & 255);
            rule(r, g, b);
            out[x] = pixelOf(r, g, b);
        }
    }
    storeResult(session, result, OperationLayers::InPlace);
}

} // namespace

namespace {

template <bool Up> void adjustWithStep(Session &session, Channel channel)
{
    constexpr int d = Up ? kStep : -kStep;
    switch (channel) {
    case Channel::White:
        stepPixels(session, [](int &r, int &g, int &b) {
            const bool all = hasRoom<Up>(r) && hasRoom<Up>(g) && hasRoom<Up>(b);
            r += all ? d : 0;
            g += all ? d : 0;
            b += all ? d : 0;
        });
        break;
    case Channel::Red:
        stepPixels(session, [](int &r, int &, int &) { r += hasRoom<Up>(r) ? d : 0; });
        break;
    case Channel::Green:
        stepPixels(session, [](int &, int &g, int &) { g += hasRoom<Up>(g) ? d : 0; });
        break;
    case Channel::Blue:
        stepPixels(session, [](int &, int &, int &b) { b += hasRoom<Up>(b) ? d : 0; });
        break;
    case Channel::Yellow:
        // Two separate tests: the second sees the red the first may have stepped.
        stepPixels(session, [](int &r, int &g, int &) {
            r += hasRoom<Up>(r) && hasRoom<Up>(g) ? d : 0;
            g += hasRoom<Up>(r) && hasRoom<Up>(g) ? d : 0;
        });
        break;
    }
}

} // namespace

void adjustChannel(Session &session, Channel channel, bool increase)
{
    if (increase)
        adjustWithStep<true>(session, channel);
    else
        adjustWithStep<false>(session, channel);
}

void appendChannelAdjusts(std::vector<Operation> &operations)
{
    struct Row {
        const char *name;
        const char *alias;
        const char *summary;
        Channel channel;
        bool increase;
    };
    static const Row rows[] = {
        {"Command21", "white-up", "Increase white: +20 on all three channels where each has room", Channel::White,
         true},
        {"Command20", "white-down", "Decrease white: -20 on all three channels where each has room", Channel::White,
         false},
        {"Command45", "red-up", "Increase red by 20 where it has room", Channel::Red, true},
        {"Command46", "red-down", "Decrease red by 20 where it has room", Channel::Red, false},
        {"Command43", "green-up", "Increase green by 20 where it has room", Channel::Green, true},
        {"Command44", "green-down", "Decrease green by 20 where it has room", Channel::Green, false},
        {"Command41", "blue-up", "Increase blue by 20 where it has room", Channel::Blue, true},
        {"Command42", "blue-down", "Decrease blue by 20 where it has room", Channel::Blue, false},
        {"Command47", "yellow-up", "Increase yellow: red, then green, by 20 where both have room", Channel::Yellow,
         true},
        {"Command48", "yellow-down", "Decrease yellow: red, then green, by 20 where both have room", Channel::Yellow,
         false},
    };
    for (const Row &row : rows) {
        const Channel channel = row.channel;
        const bool increase = row.increase;
        operations.push_back({QString::fromLatin1(row.name), QString::fromLatin1(row.alias),
                              QString::fromLatin1(row.summary), 1, [channel, increase](Session &session) {
                                  adjustChannel(session, channel, increase);
                                  session.stateChanged();
                              }});
    }
}

} // namespace quill
