#include "forms/text.h"

#include <vector>
#include <windows.h>

namespace forms {
namespace {

// Byte offsets at which each character of text starts.
std::vector<std::size_t> CharStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size();) {
    starts.push_back(i);
    const bool lead = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size();
    i += lead ? 2 : 1;
  }
  return starts;
}

}  // namespace

std::string LeftChars(std::string_view text, std::size_t n) {
  const auto starts = CharStarts(text);
  if (n >= starts.size()) return std::string(text);
  return std::string(text.substr(0, starts[n]));
}

std::string RightChars(std::string_view text, std::size_t n) {
  const auto starts = CharStarts(text);
  if (n >= starts.size()) return std::string(text);
  return std::string(text.substr(starts[starts.size() - n]));
}

std::string MidChars(std::string_view text, std::size_t start, std::size_t n) {
  const auto starts = CharStarts(text);
  if (start < 1 || start > starts.size()) return {};
  const std::size_t first = starts[start - 1];
  const std::size_t last = start - 1 + n < starts.size() ? starts[start - 1 + n] : text.size();
  return std::string(text.substr(first, last - first));
}

std::string DropLastChar(std::string_view text) {
  const auto starts = CharStarts(text);
  if (starts.empty()) return {};
  return std::string(text.substr(0, starts.back()));
}

std::string UCase(std::string_view text) {
  std::string upper(text);
  if (!upper.empty()) CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

}  // namespace forms
