#pragma once
// Ziv's strategy for the correctly rounded functions: an approximation with 2 limbs
// (about 2^-100 from the exact value) decides nearly every rounding; the rare argument
// whose value lies too close to the middle of two extended numbers is computed again
// with 4 limbs, and the vanishingly rare one still undecided with 8, whose nearest
// extended number is taken.

#include <cstdint>
#include <optional>
#include <type_traits>

#include "matematic/extended.h"

namespace strs::wide {

// attempt(std::integral_constant<int, N>, last) rounds the N-limb approximation: nothing if
// its error bound leaves the rounding open, unless last, which takes the nearest anyway.
template <typename Attempt>
Extended FirstDecided(Attempt attempt, std::uint64_t& slowPaths) {
    if (const std::optional<Extended> r = attempt(std::integral_constant<int, 2>{}, false)) {
        return *r;
    }
    ++slowPaths;
    if (const std::optional<Extended> r = attempt(std::integral_constant<int, 4>{}, false)) {
        return *r;
    }
    return *attempt(std::integral_constant<int, 8>{}, true);
}

// The counters behind ElementarySlowPathCounts().
extern std::uint64_t g_lnSlowPaths;
extern std::uint64_t g_expSlowPaths;

}  // namespace strs::wide
