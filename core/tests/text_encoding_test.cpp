// A script's bytes must be UTF-8 to the letter; a Russian spreadsheet's CSV comes in
// Windows-1251 and must arrive as typed.

#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using strs::FirstInvalidUtf8;

TEST(TextEncoding, Utf8IsCheckedToTheLetter) {
    EXPECT_EQ(FirstInvalidUtf8(""), std::nullopt);
    EXPECT_EQ(FirstInvalidUtf8("set E11 1,5 \xD0\xBF\xE2\x82\xAC\xF0\x9F\x98\x80"), std::nullopt);
    EXPECT_EQ(FirstInvalidUtf8("ab\xE9" "cd"), 2u);            // Latin-1
    EXPECT_EQ(FirstInvalidUtf8("a\x80"), 1u);                 // a lone continuation byte
    EXPECT_EQ(FirstInvalidUtf8("a\xC0\x80"), 1u);             // an overlong NUL
    EXPECT_EQ(FirstInvalidUtf8("a\xE0\x9F\xBF"), 1u);         // an overlong three-byte form
    EXPECT_EQ(FirstInvalidUtf8("a\xED\xA0\x80"), 1u);         // a surrogate
    EXPECT_EQ(FirstInvalidUtf8("a\xF4\x90\x80\x80"), 1u);     // above U+10FFFF
    EXPECT_EQ(FirstInvalidUtf8("ab\xE2\x82"), 2u);            // cut off by the end
    EXPECT_EQ(FirstInvalidUtf8("\xE2\x82" "a"), 0u);          // cut off by the next character
}

TEST(TextEncoding, Windows1251ArrivesAsTyped) {
    // «Иванов Пётр, №5; ёЁ» as a Russian spreadsheet saves it.
    EXPECT_EQ(strs::Windows1251ToUtf8("\xC8\xE2\xE0\xED\xEE\xE2 \xCF\xB8\xF2\xF0, \xB9" "5; \xB8\xA8 \xAB\xBB \x96\xFF\xDF"),
              "Иванов Пётр, №5; ёЁ «» –яЯ");
    EXPECT_EQ(strs::Windows1251ToUtf8("\x98"), "\xEF\xBF\xBD");
}

}  // namespace
