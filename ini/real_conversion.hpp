#pragma once
#include <string_view>

// Reads a decimal real number: leading white space, an optional sign, digits with an optional
// point, an optional exponent; anything unreadable gives 0. Only that decimal form is read
// (no "inf", "nan" or hexadecimal forms), and a number beyond the type's range gives the
// largest finite value of its sign, so the result is always finite.
double TextToDouble(std::string_view text);
float TextToFloat(std::string_view text);
