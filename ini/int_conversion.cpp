#include "ini/int_conversion.hpp"

#include <cstddef>

namespace {

unsigned DigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Unsigned arithmetic wraps where signed arithmetic would overflow.
template <class Unsigned>
Unsigned TextToUnsigned(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  } else if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  }
  Unsigned value = 0;
  for (; i < text.size(); ++i) {
    const unsigned digit = DigitValue(static_cast<unsigned char>(text[i]));
    if (digit >= base) break;
    value = value * base + digit;
  }
  return negative ? Unsigned(0) - value : value;
}

}  // namespace

std::int32_t TextToInt(std::string_view text) {
  return static_cast<std::int32_t>(TextToUnsigned<std::uint32_t>(text));
}

std::int64_t TextToLong(std::string_view text) {
  return static_cast<std::int64_t>(TextToUnsigned<std::uint64_t>(text));
}
