#include "kit/text_int.hpp"

#include <cstdint>

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

int TextToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && text[i] == '%') base = 2, ++i;
  else if (i < text.size() && text[i] == '$') base = 16, ++i;
  std::uint32_t value = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i]);
    if (digit >= int(base)) break;
    value = value * base + std::uint32_t(digit);
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}
