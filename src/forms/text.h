// Text helpers of the forms runtime. Texts are narrow strings in the ANSI code
// page, where a character may take two bytes (a DBCS lead byte and its trail):
// these helpers count characters, never split one, and never mistake a trail
// byte (which can be 0x5C, the backslash, or an ASCII letter) for a character.
#pragma once

#include <string>
#include <string_view>

namespace forms {

// The first n characters of text (all of it when shorter).
std::string LeftChars(std::string_view text, std::size_t n);
// The last n characters of text (all of it when shorter).
std::string RightChars(std::string_view text, std::size_t n);
// n characters of text from the start-th one (counting from 1), fewer at its end.
std::string MidChars(std::string_view text, std::size_t start, std::size_t n);
// The text without its last character; empty text stays empty.
std::string DropLastChar(std::string_view text);
// The text upper-cased by Windows' rules for the ANSI code page.
std::string UCase(std::string_view text);

}  // namespace forms
