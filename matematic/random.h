#pragma once
// The one random generator of the program and the normal variates built on it.
//
// UniformRandom is a 32-bit linear congruential generator:
//     state := state * 134775813 + 1  (mod 2^32),   u = state * 2^-32,
// so 0 <= u < 1. The state is 0 at every program start and is never seeded, so
// the same sequence of presses gives the same results after every start.
//
// RandomNormal uses the polar (rejection) method, all in extended precision:
//     u1 = 2U - 1, u2 = 2U - 1 (u1 always drawn first), s = u1^2 + u2^2;
//     reject and redraw both while s >= 1;
//     w = sqrt(-2 ln(s) / s);  result = mean + sigma * u1 * w.
// Only the variate from u1 is used; the companion u2*w is discarded. Every
// attempt consumes exactly two uniform values. s = 0 cannot occur: the value
// following 0.5 is always 0.5 + 2^-32.

#include <cstdint>

#include "matematic/extended.h"

namespace strs {

// Advances the generator by one step and returns state * 2^-32.
Extended UniformRandom();

// A normal variate with the given mean and standard deviation.
Extended RandomNormal(Extended mean, Extended sigma);

// Puts the generator back into its start state (state 0). The program itself
// never does this; the replay tool uses it to restart a recorded session.
void ResetRandomGenerator();

// The raw state, for tests.
std::uint32_t RandomGeneratorState();
void SetRandomGeneratorState(std::uint32_t state);

}  // namespace strs
