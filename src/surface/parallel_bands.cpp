#include "surface/parallel_bands.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace quill {

namespace {

std::atomic<int> chosenCount{0};

} // namespace

int bandCount()
{
    // Past a few cores a memory-bound pass gains nothing more.
    static const int machine = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
    const int chosen = chosenCount.load(std::memory_order_relaxed);
    return chosen > 0 ? chosen : machine;
}

void setBandCount(int count) { chosenCount.store(std::max(0, count), std::memory_order_relaxed); }

int minRowsForPass(int width)
{
    constexpr long long kCacheBytes = 1 << 20;
    return static_cast<int>(std::max<long long>(16, kCacheBytes / (4LL * std::max(1, width))));
}

void forEachBand(int rows, int minRows, const std::function<void(int begin, int end)> &work)
{
    const int chosen = chosenCount.load(std::memory_order_relaxed);
    const int bands = chosen > 0 ? std::min(chosen, rows) : std::min(bandCount(), rows / std::max(1, minRows));
    if (bands <= 1) {
        if (rows > 0)
            work(0, rows);
        return;
    }
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(bands - 1));
    const auto bandStart = [&](int band) { return static_cast<int>(static_cast<long long>(rows) * band / bands); };
    for (int band = 1; band < bands; ++band) {
        try {
            helpers.emplace_back([&, band] { work(bandStart(band), bandStart(band + 1)); });
        } catch (const std::system_error &) {
            work(bandStart(band), bandStart(band + 1)); // no thread to be had: this one does it
        }
    }
    work(0, bandStart(1));
    for (std::thread &t : helpers)
        t.join();
}

} // namespace quill
