// The program's one uniform random source in [0, 1) (spray, point fields,
// flashing rubber bands). Seedable, so a test or a batch script repeats exactly.
#pragma once

#include <chrono>
#include <cstdint>
#include <random>

namespace quill {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = std::random_device{}()) : engine_(seed) {}
    // A chosen seed pins the sequence: a later randomize() keeps it, so a test
    // or a batch script with --seed repeats exactly.
    void seed(std::uint64_t seed)
    {
        engine_.seed(seed);
        pinned_ = true;
    }
    // Starts a fresh sequence from the clock, unless a seed was chosen.
    void randomize()
    {
        if (!pinned_)
            engine_.seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    }
    // 53 random bits scaled into [0, 1).
    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
    bool pinned_ = false;
};

} // namespace quill
