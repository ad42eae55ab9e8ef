// Make seamless on photo stand-ins: the seam ends up as rough as the photo
// beside it (no sharper, no smoother), the bands keep their detail (no blur,
// no cross-fade) and nothing outside the bands changes.
#include "support/photo_tiles.h"
#include "toolbox/seam_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace quill {
namespace {

using testing::Photo;

int steps(QRgb p, QRgb q)
{
    return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
}

// Mean step between neighbours that both lie in a repair band; the step
// across the wrap line is the seam, not detail.
double bandDetail(const QImage &image)
{
    const int w = image.width(), h = image.height(), kx = seamBand(w), ky = seamBand(h);
    const auto inBand = [&](int x, int y) { return x < kx || x >= w - kx || y < ky || y >= h - ky; };
    double sum = 0;
    long pairs = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inBand(x, y))
                continue;
            if (x + 1 < w && inBand(x + 1, y)) {
                sum += steps(image.pixel(x, y), image.pixel(x + 1, y));
                ++pairs;
            }
            if (y + 1 < h && inBand(x, y + 1)) {
                sum += steps(image.pixel(x, y), image.pixel(x, y + 1));
                ++pairs;
            }
        }
    return pairs > 0 ? sum / static_cast<double>(pairs) : 0;
}

class MakeSeamlessPhotoTest : public ::testing::TestWithParam<std::tuple<Photo, QSize>> {};

TEST_P(MakeSeamlessPhotoTest, TheSeamLooksLikeThePhotoAndTheBandKeepsItsDetail)
{
    const auto [kind, size] = GetParam();
    const QImage photo = testing::photoTile(kind, size.width(), size.height());
    QImage repaired = photo;
    makeSeamless(repaired, Lattice::Grid);

    const double before = seamScore(photo, Lattice::Grid).s;
    const SeamScore after = seamScore(repaired, Lattice::Grid);
    const double detail = bandDetail(repaired) / bandDetail(photo);
    RecordProperty("S_before", std::to_string(before));
    RecordProperty("S_after", std::to_string(after.s));
    RecordProperty("detail_ratio", std::to_string(detail));
    EXPECT_GT(before, 1.25) << "the stand-in should have a seam to repair";
    EXPECT_GE(std::min(after.x, after.y), 0.8);
    EXPECT_LE(after.s, 1.25);
    EXPECT_GE(detail, 0.85);
    EXPECT_LE(detail, 1.5);

    const int kx = seamBand(size.width()), ky = seamBand(size.height());
    int changedOutside = 0;
    for (int y = ky; y < size.height() - ky; ++y)
        for (int x = kx; x < size.width() - kx; ++x)
            changedOutside += repaired.pixel(x, y) != photo.pixel(x, y);
    EXPECT_EQ(changedOutside, 0);
}

INSTANTIATE_TEST_SUITE_P(Photos, MakeSeamlessPhotoTest,
                         ::testing::Combine(::testing::ValuesIn(testing::kAllPhotos),
                                            ::testing::Values(QSize(256, 256), QSize(203, 171))),
                         [](const auto &info) {
                             const QSize size = std::get<1>(info.param);
                             return std::string(testing::photoName(std::get<0>(info.param))) + "_" +
                                    std::to_string(size.width()) + "x" + std::to_string(size.height());
                         });

} // namespace
} // namespace quill
