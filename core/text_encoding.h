#pragma once
// Byte-level text checks and the one legacy encoding the program reads: a script must be
// UTF-8, and a table a Russian spreadsheet saves as «CSV» comes in Windows-1251.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace strs {

// The offset of the first byte that does not begin or continue a well-formed UTF-8
// sequence (an overlong form, a surrogate or a value above U+10FFFF included; a sequence
// cut off by the end of the text counts at its first byte); nothing when all is UTF-8.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view text);

// The Windows-1251 (Cyrillic) text as UTF-8. Every byte is a character there but 0x98,
// which the code page leaves unassigned and which becomes U+FFFD.
std::string Windows1251ToUtf8(std::string_view text);

}  // namespace strs
