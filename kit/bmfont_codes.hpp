#pragma once
// The character codes of a text for the bitmap fonts: UTF-8 decoded, a byte that does not start
// a valid sequence standing for itself, codes above 255 left out.
#include <cstddef>
#include <string_view>

namespace vorpel::detail {

// The length of the valid UTF-8 sequence at the start of s and its code point in cp; 0 when s
// does not start with one (overlong forms and surrogates are not valid).
inline std::size_t DecodeUtf8(std::string_view s, char32_t& cp) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char lead = byte(0);
  std::size_t len = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2
                    : lead >= 0xE0 && lead <= 0xEF                 ? 3
                    : lead >= 0xF0 && lead <= 0xF4                 ? 4
                                                                   : 0;
  if (len == 0 || s.size() < len) return 0;
  cp = len == 1 ? lead : lead & (0x7F >> len);
  for (std::size_t i = 1; i < len; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
  bool invalid = (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
  return overlong || invalid ? 0 : len;
}

// Calls f(code) for every character of the text that has a glyph code (0-255).
template <class F>
void ForEachFontCode(std::string_view text, F&& f) {
  while (!text.empty()) {
    char32_t cp = 0;
    std::size_t len = DecodeUtf8(text, cp);
    if (len == 0) cp = static_cast<unsigned char>(text[0]), len = 1;
    if (cp <= 255) f(static_cast<int>(cp));
    text.remove_prefix(len);
  }
}

}  // namespace vorpel::detail
