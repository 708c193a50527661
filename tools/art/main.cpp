// make_assets <folder> [--review <folder>]: draws every picture the program embeds into the
// first folder; with --review it also writes pictures of them composed as the program shows
// them (the scene of each set, the configuration screen) into the second.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/art/assets.hpp"

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--review")) {
    std::fprintf(stderr, "usage: make_assets <folder> [--review <folder>]\n");
    return 2;
  }
  try {
    if (!art::WriteAssets(argv[1])) return 1;
    if (argc == 4 && !art::WriteReview(argv[1], argv[3])) return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_assets: %s\n", e.what());
    return 1;
  }
  return 0;
}
