#include "matematic/random.h"

#include "matematic/elementary.h"
#include "matematic/extended_arithmetic.h"

namespace strs {
namespace {

// The single process-wide state; only the GUI thread ever touches it.
std::uint32_t g_state = 0;

constexpr std::uint32_t kMultiplier = 134775813u;
// 2^-32, written as the double constant it is stored as.
constexpr double kScale = 2.3283064365386963e-10;

}  // namespace

Extended UniformRandom() {
    g_state = g_state * kMultiplier + 1u;  // unsigned wrap-around is the modulus
    return static_cast<Extended>(g_state) * static_cast<Extended>(kScale);
}

Extended RandomNormal(Extended mean, Extended sigma) {
    Extended u1;
    Extended s;
    do {
        u1 = 2 * UniformRandom() - 1;
        const Extended u2 = 2 * UniformRandom() - 1;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1);
    const Extended w = Sqrt(-2 * Ln(s) / s);
    return mean + sigma * u1 * w;
}

void ResetRandomGenerator() { g_state = 0; }

std::uint32_t RandomGeneratorState() { return g_state; }

void SetRandomGeneratorState(std::uint32_t state) { g_state = state; }

}  // namespace strs
