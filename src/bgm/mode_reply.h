// How the players read a device's mode: the first 7 characters of the reply
// buffer, exactly and with letter case, with no cut at a NUL ("playing" and
// "stopped" are 7 characters long).
#pragma once

#include <array>
#include <cstring>

namespace Kovaro_BGM {

inline constexpr std::size_t kModeChars = 7;

template <std::size_t N>
bool ModeReads(const std::array<char, N>& buffer, const char (&mode)[kModeChars + 1]) {
  static_assert(N >= kModeChars);
  return std::memcmp(buffer.data(), mode, kModeChars) == 0;
}

}  // namespace Kovaro_BGM
