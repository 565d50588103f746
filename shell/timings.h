#pragma once
// How long the splash and the credits stay on screen. The program keeps the defaults;
// tests shorten them so that they wait milliseconds instead of seconds.

namespace strs {

struct Timings {
    int splashMs = 900;    // the splash window's single timer interval
    int creditsMs = 4000;  // how long the credits stay when nothing is pressed
};

// The intervals in force; windows read them when they are created.
const Timings& CurrentTimings();
void SetTimings(const Timings& timings);

}  // namespace strs
