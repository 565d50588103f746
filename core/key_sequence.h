#pragma once
// The hidden credit sequence: typing a, b, o, u, t (or the same keys on the Russian
// layout: ф, и, щ, г, е) draws the credits. Kept free of Qt so that it can be tested
// on its own; the main window feeds it every typed character.

namespace strs {

// The step (1 to 5) a typed character stands for, or 0 when it is none of the ten
// sequence characters. Only the lower-case letters count.
int SequenceStep(char32_t c);

class KeySequence {
public:
    // Advances the sequence by one typed character. Returns true when the character
    // completes the sequence, that is when the credits are to be drawn.
    bool feed(char32_t c);

    // How much of the sequence has been typed: 0 to 4.
    int state() const { return state_; }

private:
    int state_ = 0;
};

}  // namespace strs
