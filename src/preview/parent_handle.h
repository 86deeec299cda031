// The window handle that a preview request names, read from the argument text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Kovaro_R {

// The decimal number at the start of text, read the forgiving way: blanks,
// tabs and line feeds anywhere are skipped, and reading stops at the first
// character that cannot continue the number ("12.5x" gives 12.5, "1e3" 1000).
// Text that does not start with a number gives 0.
double ReadLeadingDecimal(std::string_view text);

// The nearest 32-bit signed integer, a half going to the even neighbour; none
// when the value lies outside that range.
std::optional<std::int32_t> NearestInt32(double value);

// The parent handle: the argument text from its 4th character on (the one
// after "/p " as Windows writes it), as a number; 0 when there is none.
std::int32_t ParentHandle(std::string_view argumentText);

}  // namespace Kovaro_R
