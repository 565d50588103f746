// The hidden credit sequence, character by character.

#include "core/key_sequence.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using strs::KeySequence;

// Feeds every character and returns how many of them drew the credits.
int Draws(KeySequence& sequence, std::u32string_view typed) {
    int draws = 0;
    for (char32_t c : typed)
        draws += sequence.feed(c) ? 1 : 0;
    return draws;
}

int Draws(std::u32string_view typed) {
    KeySequence sequence;
    return Draws(sequence, typed);
}

TEST(KeySequence, StartsAtZero) { EXPECT_EQ(KeySequence().state(), 0); }

TEST(KeySequence, StepsOfTheLatinAndRussianLetters) {
    const char32_t latin[] = {U'a', U'b', U'o', U'u', U't'};
    const char32_t russian[] = {U'ф', U'и', U'щ', U'г', U'е'};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(strs::SequenceStep(latin[i]), i + 1);
        EXPECT_EQ(strs::SequenceStep(russian[i]), i + 1);
    }
    EXPECT_EQ(russian[0], char32_t(0x0444));
    EXPECT_EQ(russian[4], char32_t(0x0435));
    // Capitals of either alphabet, and the look-alike Latin e, are not sequence letters.
    for (char32_t c : std::u32string_view(U"ABOUTФИЩГЕeЁё0 \t"))
        EXPECT_EQ(strs::SequenceStep(c), 0) << int(c);
}

TEST(KeySequence, AboutDrawsOnceAtTheT) {
    KeySequence sequence;
    const std::u32string_view typed = U"about";
    const int expectedStates[] = {1, 2, 3, 4, 4};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        EXPECT_EQ(sequence.feed(typed[i]), i == 4) << "character " << i;
        EXPECT_EQ(sequence.state(), expectedStates[i]) << "character " << i;
    }
}

TEST(KeySequence, EveryFurtherTOrYeDrawsAgain) {
    KeySequence sequence;
    EXPECT_EQ(Draws(sequence, U"about"), 1);
    EXPECT_TRUE(sequence.feed(U't'));
    EXPECT_TRUE(sequence.feed(U'е'));
    EXPECT_TRUE(sequence.feed(U't'));
    EXPECT_EQ(sequence.state(), 4);
}

TEST(KeySequence, RussianLayoutDraws) { EXPECT_EQ(Draws(U"фищге"), 1); }

TEST(KeySequence, MixedLayoutsDraw) {
    EXPECT_EQ(Draws(U"фbщuе"), 1);
    EXPECT_EQ(Draws(U"aиoгt"), 1);
}

TEST(KeySequence, RepeatedSequenceLetterInTheMiddleIsIgnored) {
    KeySequence sequence;
    EXPECT_EQ(Draws(sequence, U"abob"), 0);
    EXPECT_EQ(sequence.state(), 3);  // the second b made no transition
    EXPECT_EQ(Draws(sequence, U"ut"), 1);

    EXPECT_EQ(Draws(U"abbout"), 1);
    EXPECT_EQ(Draws(U"abouut"), 1);
    EXPECT_EQ(Draws(U"abotut"), 1);  // a t before state 4 neither draws nor resets
}

TEST(KeySequence, SecondARestarts) {
    EXPECT_EQ(Draws(U"aabout"), 1);
    KeySequence sequence;
    EXPECT_EQ(Draws(sequence, U"abou"), 0);
    EXPECT_EQ(sequence.state(), 4);
    EXPECT_FALSE(sequence.feed(U'a'));
    EXPECT_EQ(sequence.state(), 1);  // a fresh a leaves state 4
    EXPECT_EQ(Draws(sequence, U"t"), 0);
    EXPECT_EQ(Draws(sequence, U"bout"), 1);
}

TEST(KeySequence, FreshFirstLetterLeavesStateFourAfterDrawing) {
    KeySequence sequence;
    EXPECT_EQ(Draws(sequence, U"about"), 1);
    EXPECT_FALSE(sequence.feed(U'ф'));
    EXPECT_EQ(sequence.state(), 1);
    EXPECT_FALSE(sequence.feed(U't'));
}

TEST(KeySequence, StepsOutOfOrderDoNotAdvance) {
    EXPECT_EQ(Draws(U"aout"), 0);
    EXPECT_EQ(Draws(U"bout"), 0);
    EXPECT_EQ(Draws(U"t"), 0);
    EXPECT_EQ(Draws(U"abut"), 0);
    KeySequence sequence;
    EXPECT_EQ(Draws(sequence, U"auob"), 0);
    EXPECT_EQ(sequence.state(), 2);  // u and o came too early and were ignored
}

// Capitals, digits, blanks and control characters reset the sequence wherever they come.
TEST(KeySequence, OtherCharactersResetAnywhere) {
    const std::u32string_view sequence = U"about";
    const char32_t breakers[] = {U'A',  U'B',  U'O',  U'U',    U'T',  U'Ф', U'Е', U'1', U'0', U' ',
                                 U'\t', U'\r', U'\b', U'\x1b', U'\0', U'e', U'x', U'ы', U'.'};
    for (char32_t breaker : breakers) {
        for (std::size_t at = 1; at < sequence.size(); ++at) {
            std::u32string typed(sequence.substr(0, at));
            typed += breaker;
            typed += sequence.substr(at);
            EXPECT_EQ(Draws(typed), 0) << "character " << int(breaker) << " at " << at;
        }
    }
}

TEST(KeySequence, ResetLeavesStateZero) {
    for (char32_t breaker : std::u32string_view(U"A5 \x7f")) {
        KeySequence sequence;
        EXPECT_EQ(Draws(sequence, U"abou"), 0);
        EXPECT_FALSE(sequence.feed(breaker));
        EXPECT_EQ(sequence.state(), 0);
        EXPECT_FALSE(sequence.feed(U't'));
        EXPECT_EQ(sequence.state(), 0);
    }
}

TEST(KeySequence, OtherCharacterEndsTheRepeatedDrawing) {
    KeySequence sequence;
    EXPECT_EQ(Draws(sequence, U"aboutt"), 2);
    EXPECT_FALSE(sequence.feed(U'T'));
    EXPECT_EQ(sequence.state(), 0);
    EXPECT_EQ(Draws(sequence, U"tt"), 0);
    EXPECT_EQ(Draws(sequence, U"about"), 1);
}

}  // namespace
