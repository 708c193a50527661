#pragma once
#include <string>

#include "tools/art/canvas.hpp"

// Everything the generator writes: the program's resources and, on request, pictures of them
// composed as the program shows them, for people to judge.
namespace art {

// Saves c as a PNG in the given pixel format; false after printing the path it could not write.
bool SavePNG(const Canvas& c, int format, bool dither, const std::string& path);

// Writes every resource into dir (which must exist). Returns false after printing what failed.
bool WriteAssets(const std::string& dir);

// The drawing layer's default font picture and its metrics text.
bool WriteDefaultFont(const std::string& dir);

// Reads the resources back from assetDir and writes review pictures into reviewDir.
bool WriteReview(const std::string& assetDir, const std::string& reviewDir);

}  // namespace art
