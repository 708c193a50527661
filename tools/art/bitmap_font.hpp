#pragma once
#include <string>

// The kit's bitmap font: a glyph sheet and its definition text.
namespace art {

inline constexpr const char* kBitmapFontPicture = "bmfont.png";
inline constexpr const char* kBitmapFontText = "bmfont.txt";

// Writes both into dir. Returns false after printing what failed.
bool WriteBitmapFont(const std::string& dir);

}  // namespace art
