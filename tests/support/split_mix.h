#pragma once
// splitmix64: a fixed stream of 64-bit numbers, the same on every system, for the
// arguments and operands of the numerics' sweeps.

#include <cstdint>

namespace strs {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed = 1) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 <= result < n.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

}  // namespace strs
