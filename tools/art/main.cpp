// make_assets <folder> [--review <folder>] [--tour <folder>]: draws every picture the program
// embeds into the first folder; with --review it also writes pictures of them composed as the
// program shows them (the scene of each set, the configuration screen) into the second; with
// --tour it writes the kit tour's own sheets into the folder given.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/art/assets.hpp"
#include "tools/art/tour/tour_pictures.hpp"

int main(int argc, char** argv) {
  std::string review, tour;
  bool ok = argc >= 2 && argc % 2 == 0;
  for (int i = 2; ok && i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--review") review = argv[i + 1];
    else if (option == "--tour") tour = argv[i + 1];
    else ok = false;
  }
  if (!ok) {
    std::fprintf(stderr, "usage: make_assets <folder> [--review <folder>] [--tour <folder>]\n");
    return 2;
  }
  try {
    if (!art::WriteAssets(argv[1])) return 1;
    if (!review.empty() && !art::WriteReview(argv[1], review)) return 1;
    if (!tour.empty() && !tour::WriteTourPictures(tour)) return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_assets: %s\n", e.what());
    return 1;
  }
  return 0;
}
