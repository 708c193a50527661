#pragma once
#include <string_view>

// The integer value of a text field: leading characters of code 32 or less skipped, an optional
// sign, then "%" binary, "$" hexadecimal (either case) or decimal digits, stopping at the first
// character that does not fit; no digits give 0. Overflow wraps around in 32 bits.
int TextToInt(std::string_view text);
