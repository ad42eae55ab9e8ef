// The program's one uniform random source in [0, 1) (spray, point fields,
// flashing rubber bands). Seedable, so a test or a batch script repeats exactly.
#pragma once

#include <cstdint>
#include <random>

namespace quill {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = std::random_device{}()) : engine_(seed) {}
    void seed(std::uint64_t seed) { engine_.seed(seed); }
    // 53 random bits scaled into [0, 1).
    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

} // namespace quill
