#pragma once
#include <string>

// Everything the generator writes: the program's resources and, on request, pictures of them
// composed as the program shows them, for people to judge.
namespace art {

// Writes every resource into dir (which must exist). Returns false after printing what failed.
bool WriteAssets(const std::string& dir);

// The drawing layer's default font picture and its metrics text.
bool WriteDefaultFont(const std::string& dir);

// Reads the resources back from assetDir and writes review pictures into reviewDir.
bool WriteReview(const std::string& assetDir, const std::string& reviewDir);

}  // namespace art
