#pragma once
#include <cstdint>
#include <string_view>

// Reads an integer the way settings files and command lines write them: characters of code 32
// or less are skipped at the start, then an optional "+" or "-", then "%" and binary digits,
// "$" and hexadecimal digits (either case), or decimal digits. Reading stops at the first
// character that does not fit; no digits give 0. Too many digits wrap around like
// two's-complement arithmetic of the result's width.
std::int32_t TextToInt(std::string_view text);
std::int64_t TextToLong(std::string_view text);
