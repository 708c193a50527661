#include "ini/real_conversion.hpp"

#include <locale.h>
#include <stdlib.h>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The longest prefix (after white space) of the decimal form; empty when there are no digits.
std::string DecimalPrefix(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return std::string(text.substr(start, i - start));
}

// The decimal point must not depend on whatever locale the process runs in.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
  return c;
}

}  // namespace

double TextToDouble(std::string_view text) {
  const std::string number = DecimalPrefix(text);
  if (number.empty()) return 0.0;
  const double value = strtod_l(number.c_str(), nullptr, CLocale());
  return std::isfinite(value) ? value : std::copysign(DBL_MAX, value);
}

float TextToFloat(std::string_view text) {
  const std::string number = DecimalPrefix(text);
  if (number.empty()) return 0.0f;
  const float value = strtof_l(number.c_str(), nullptr, CLocale());
  return std::isfinite(value) ? value : std::copysign(FLT_MAX, value);
}
