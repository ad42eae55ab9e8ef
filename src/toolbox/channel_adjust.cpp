#include "toolbox/channel_adjust.h"

#include "document/operation.h"
#include "document/pixel_framework.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quill {

namespace {

constexpr int kStep = 20;
// Room to increase: channel + 20 < 255; room to decrease: channel - 20 > 0.
constexpr bool roomUp(int c) { return c + kStep < 255; }
constexpr bool roomDown(int c) { return c - kStep > 0; }
template <bool Up> constexpr bool hasRoom(int c) { return Up ? roomUp(c) : roomDown(c); }

#ifdef __SSE2__
// The same rules on four pixels at once, byte by byte (blue, green, red, alpha
// from the lowest byte of each pixel): 0xff where a channel has room.
template <bool Up> inline __m128i roomMask(__m128i v)
{
    if constexpr (Up)
        return _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(static_cast<char>(254 - kStep))), v);
    else
        return _mm_cmpeq_epi8(_mm_max_epu8(v, _mm_set1_epi8(kStep + 1)), v);
}

// Steps the channels whose bytes are selected.
template <bool Up> inline __m128i stepBytes(__m128i v, __m128i select)
{
    const __m128i step = _mm_and_si128(select, _mm_set1_epi8(kStep));
    return Up ? _mm_add_epi8(v, step) : _mm_sub_epi8(v, step);
}

inline __m128i lanes(std::uint32_t value) { return _mm_set1_epi32(static_cast<int>(value)); }
using Pixels4 = __m128i;
#else
struct Pixels4 {}; // the four-pixel rules are not used without SSE2
#endif

// Each pixel is read before it is written and never again, so the picture can
// be stepped row by row into the result raster and handed back as layer 0.
template <typename Rule, typename VectorRule> void stepPixels(Session &session, Rule rule, VectorRule vectorRule)
{
    beginOperation(session, true, OperationLayers::InPlace);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    QImage result = resultRaster(doc);
    const int width = source.width();
    forEachRow(source, result, [&](int, const QRgb *in, QRgb *out) {
        int x = 0;
#ifdef __SSE2__
        for (; x + 4 <= width; x += 4)
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x),
                             vectorRule(_mm_loadu_si128(reinterpret_cast<const __m128i *>(in + x))));
#else
        (void)vectorRule;
#endif
        for (; x < width; ++x) {
            const QRgb p = in[x];
            int r = static_cast<int>((p >> 16) & 255), g = static_cast<int>((p >> 8) & 255),
                b = static_cast<int>(p & 255);
            rule(r, g, b);
            out[x] = pixelOf(r, g, b);
        }
    });
    storeResult(session, result, OperationLayers::InPlace);
}

} // namespace

namespace {

template <bool Up> void adjustWithStep(Session &session, Channel channel)
{
    constexpr int d = Up ? kStep : -kStep;
#ifdef __SSE2__
    auto one = [](std::uint32_t byte) {
        return [byte](Pixels4 v) { return stepBytes<Up>(v, _mm_and_si128(roomMask<Up>(v), lanes(byte))); };
    };
#else
    auto one = [](std::uint32_t) { return [](Pixels4 v) { return v; }; };
#endif
    switch (channel) {
    case Channel::White:
        stepPixels(
            session,
            [](int &r, int &g, int &b) {
                const bool all = hasRoom<Up>(r) && hasRoom<Up>(g) && hasRoom<Up>(b);
                r += all ? d : 0;
                g += all ? d : 0;
                b += all ? d : 0;
            },
            [](Pixels4 v) {
#ifdef __SSE2__
                const __m128i m = roomMask<Up>(v);
                const __m128i all = _mm_and_si128(_mm_and_si128(m, _mm_srli_epi32(m, 8)),
                                                  _mm_and_si128(_mm_srli_epi32(m, 16), lanes(0xffu)));
                const __m128i select = _mm_or_si128(all, _mm_or_si128(_mm_slli_epi32(all, 8), _mm_slli_epi32(all, 16)));
                return stepBytes<Up>(v, select);
#else
                return v;
#endif
            });
        break;
    case Channel::Red:
        stepPixels(
            session, [](int &r, int &, int &) { r += hasRoom<Up>(r) ? d : 0; }, one(0x00ff0000u));
        break;
    case Channel::Green:
        stepPixels(
            session, [](int &, int &g, int &) { g += hasRoom<Up>(g) ? d : 0; }, one(0x0000ff00u));
        break;
    case Channel::Blue:
        stepPixels(
            session, [](int &, int &, int &b) { b += hasRoom<Up>(b) ? d : 0; }, one(0x000000ffu));
        break;
    case Channel::Yellow:
        // Two separate tests: the second sees the red the first may have stepped.
        stepPixels(
            session,
            [](int &r, int &g, int &) {
                r += hasRoom<Up>(r) && hasRoom<Up>(g) ? d : 0;
                g += hasRoom<Up>(r) && hasRoom<Up>(g) ? d : 0;
            },
            [](Pixels4 v) {
#ifdef __SSE2__
                // Green's byte of m & (m >> 8) holds "red and green have room".
                __m128i m = roomMask<Up>(v);
                v = stepBytes<Up>(
                    v, _mm_slli_epi32(_mm_and_si128(_mm_and_si128(m, _mm_srli_epi32(m, 8)), lanes(0x0000ff00u)), 8));
                m = roomMask<Up>(v);
                return stepBytes<Up>(v, _mm_and_si128(_mm_and_si128(m, _mm_srli_epi32(m, 8)), lanes(0x0000ff00u)));
#else
                return v;
#endif
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
