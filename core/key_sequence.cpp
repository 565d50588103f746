#include "core/key_sequence.h"

namespace strs {

int SequenceStep(char32_t c) {
    switch (c) {
    case U'a':
    case U'\u0444':  // ф, the a key on the Russian layout
        return 1;
    case U'b':
    case U'\u0438':  // и
        return 2;
    case U'o':
    case U'\u0449':  // щ
        return 3;
    case U'u':
    case U'\u0433':  // г
        return 4;
    case U't':
    case U'\u0435':  // е
        return 5;
    default:
        return 0;
    }
}

bool KeySequence::feed(char32_t c) {
    const int step = SequenceStep(c);
    if (step == 0) {
        state_ = 0;  // anything outside the sequence starts it over
        return false;
    }
    if (step == 1) {
        state_ = 1;  // the first letter restarts the sequence from any state
        return false;
    }
    if (step == 5)
        return state_ == 4;  // the state stays 4, so every further t draws again
    if (step == state_ + 1)
        state_ = step;
    // A sequence letter out of turn leaves the state as it was.
    return false;
}

}  // namespace strs
