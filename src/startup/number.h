// Reading numbers from settings texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Kovaro_B {

// A decimal number: blanks (spaces, tabs) around it, an optional sign, digits
// with an optional fraction, an optional exponent ("-2.5e1"). Anything else,
// an empty text included, is not a number.
std::optional<double> ReadDecimal(std::string_view text);

// The largest whole number not above the decimal in text (2.7 gives 2, -0.5
// gives -1), when there is one and it lies within -32768 to 32767.
std::optional<std::int16_t> ReadFloor16(std::string_view text);

}  // namespace Kovaro_B
