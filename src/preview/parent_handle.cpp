#include "preview/parent_handle.h"

#include <charconv>
#include <cmath>
#include <string>

#include "forms/text.h"

namespace Kovaro_R {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double ReadLeadingDecimal(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!IsSkipped(c)) kept.push_back(c);
  }

  // Take the longest start that is a number: sign, digits, fraction, exponent.
  std::size_t i = 0;
  bool negative = false;
  if (i < kept.size() && (kept[i] == '+' || kept[i] == '-')) negative = kept[i++] == '-';
  std::string number;
  while (i < kept.size() && IsDigit(kept[i])) number.push_back(kept[i++]);
  if (i < kept.size() && kept[i] == '.') {
    ++i;
    number.push_back('.');
    while (i < kept.size() && IsDigit(kept[i])) number.push_back(kept[i++]);
  }
  if (number.find_first_of("0123456789") == std::string::npos) return 0;
  if (i < kept.size() && (kept[i] == 'e' || kept[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < kept.size() && (kept[j] == '+' || kept[j] == '-')) exponent.push_back(kept[j++]);
    const std::size_t firstDigit = exponent.size();
    while (j < kept.size() && IsDigit(kept[j])) exponent.push_back(kept[j++]);
    if (exponent.size() > firstDigit) number += exponent;  // "1e" and "1e+" read as 1
  }

  // from_chars takes no leading '.' ("5." is fine); the sign is applied here.
  if (number.front() == '.') number.insert(number.begin(), '0');
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc()) return 0;  // out of double's range: no number
  return negative ? -value : value;
}

std::optional<std::int32_t> NearestInt32(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  double nearest = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) nearest = below + 1.0;
  if (!(nearest >= -2147483648.0 && nearest <= 2147483647.0)) return std::nullopt;
  return static_cast<std::int32_t>(nearest);
}

std::int32_t ParentHandle(std::string_view argumentText) {
  // By characters: a double-byte character counts as one.
  const std::size_t skipped = forms::LeftChars(argumentText, 3).size();
  return NearestInt32(ReadLeadingDecimal(argumentText.substr(skipped))).value_or(0);
}

}  // namespace Kovaro_R
