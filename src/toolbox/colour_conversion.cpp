#include "toolbox/colour_conversion.h"

#include "document/operation.h"
#include "document/pixel_framework.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace quill {

namespace {

// One row: every pixel's grey level in the hue's channels (mask), opaque.
void convertRowPlain(const QRgb *in, QRgb *out, int width, QRgb mask)
{
    for (int x = 0; x < width; ++x) {
        const QRgb g = greyOfPixel(in[x]);
        out[x] = 0xff000000u | ((g | (g << 8) | (g << 16)) & mask);
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// Eight pixels at a time: the three channels summed by two multiply-adds, the
// grey level as the high half of a 16-bit multiply (exact up to 765), then
// copied into the three channel bytes by one shuffle.
__attribute__((target("avx2"))) void convertRowAvx2(const QRgb *in, QRgb *out, int width, QRgb mask)
{
    const __m256i ones8 = _mm256_set1_epi32(0x00010101), ones16 = _mm256_set1_epi16(1);
    const __m256i one = _mm256_set1_epi32(1), third = _mm256_set1_epi32(21846);
    const __m256i spread = _mm256_setr_epi8(0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1, //
                                            0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1);
    const __m256i hueMask = _mm256_set1_epi32(static_cast<int>(mask)),
                  opaque = _mm256_set1_epi32(static_cast<int>(0xff000000u));
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(in + x));
        const __m256i sum = _mm256_madd_epi16(_mm256_maddubs_epi16(p, ones8), ones16);
        const __m256i g = _mm256_mulhi_epu16(_mm256_add_epi32(sum, one), third);
        const __m256i grey = _mm256_shuffle_epi8(g, spread);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + x),
                            _mm256_or_si256(_mm256_and_si256(grey, hueMask), opaque));
    }
    convertRowPlain(in + x, out + x, width - x, mask);
}
#endif

} // namespace

void convertImage(Session &session, Hue hue)
{
    beginOperation(session, true, OperationLayers::TwoLayer);
    Document &doc = session.document;
    const QImage &source = doc.picture().Image();
    QImage result = resultRaster(doc);
    const int height = source.height(), width = source.width();
    const QRgb mask = hueFactor(hue) * 255u; // the hue's channels
    auto convertRow = convertRowPlain;
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx2"))
        convertRow = convertRowAvx2;
#endif
    for (int y = 0; y < height; ++y)
        convertRow(reinterpret_cast<const QRgb *>(source.constScanLine(y)),
                   reinterpret_cast<QRgb *>(result.scanLine(y)), width, mask);
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
