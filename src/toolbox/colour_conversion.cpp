#include "toolbox/colour_conversion.h"

#include "toolbox/operation.h"
#include "toolbox/pixel_framework.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quill {

void convertImage(Session &session, Hue hue)
{
    beginOperation(session, true, OperationLayers::TwoLayer);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    QImage result = resultRaster(doc);
    const int height = source.height(), width = source.width();
    const QRgb mask = hueFactor(hue) * 255u; // the hue's channels
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        int x = 0;
#ifdef __SSE2__
        // Four pixels at a time; the sum sits in the low 16 bits of each lane,
        // so a 16-bit high-half multiply gives the grey level in place.
        const __m128i channel = _mm_set1_epi32(255), one = _mm_set1_epi32(1), third = _mm_set1_epi32(21846);
        const __m128i hueMask = _mm_set1_epi32(static_cast<int>(mask)),
                      opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
        for (; x + 4 <= width; x += 4) {
            const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + x));
            __m128i sum = _mm_add_epi32(_mm_and_si128(p, channel), _mm_and_si128(_mm_srli_epi32(p, 8), channel));
            sum = _mm_add_epi32(sum, _mm_and_si128(_mm_srli_epi32(p, 16), channel));
            const __m128i g = _mm_mulhi_epu16(_mm_add_epi32(sum, one), third);
            const __m128i grey = _mm_or_si128(g, _mm_or_si128(_mm_slli_epi32(g, 8), _mm_slli_epi32(g, 16)));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x), _mm_or_si128(_mm_and_si128(grey, hueMask), opaque));
        }
#endif
        for (; x < width; ++x) {
            const QRgb g = greyOfPixel(in[x]);
            out[x] = 0xff000000u | ((g | (g << 8) | (g << 16)) & mask);
        }
    }
    storeResult(session, result, OperationLayers::TwoLayer);
}

void appendHueButtons(std::vector<Operation> &operations, const std::vector<HueButton> &rows,
                      void (*run)(Session &, Hue))
{
    for (const HueButton &row : rows) {
        const Hue hue = row.hue;
        operations.push_back({QString::fromLatin1(row.name), QString::fromLatin1(row.alias),
                              QString::fromLatin1(row.summary), 1, [hue, run](Session &session) {
                                  run(session, hue);
                                  session.stateChanged();
                              }});
    }
}

void appendColourConversions(std::vector<Operation> &operations)
{
    appendHueButtons(operations,
                     {
                         {"Command90", "purple", "Convert image purple: grey level into red and blue", Hue::Purple},
                         {"Command91", "grey", "Convert image gray: grey level into all three channels", Hue::Grey},
                         {"Command92", "yellow", "Convert image yellow: grey level into red and green", Hue::Yellow},
                         {"Command93", "green", "Convert image green: grey level into green", Hue::Green},
                         {"Command94", "red", "Convert image red: grey level into red", Hue::Red},
                         {"Command95", "blue", "Convert image blue: grey level into blue", Hue::Blue},
                     },
                     convertImage);
}

} // namespace quill
