// Built against the installed kit with nothing but `pkg-config --cflags --libs vorpel-kit`:
// exits 0 when the PNG it is given shows a scene (many colours, none covering most of it).
#include <cstdio>
#include <unordered_map>

#include "platform/pixmap.hpp"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  PixmapPtr picture = LoadPixmap(argv[1]);
  if (!picture || picture->width <= 0 || picture->height <= 0) {
    std::fprintf(stderr, "%s: not a picture\n", argv[1]);
    return 1;
  }
  std::unordered_map<unsigned, long> seen;
  for (int y = 0; y < picture->height; ++y)
    for (int x = 0; x < picture->width; ++x) ++seen[picture->ReadPixel(x, y) & 0xFFFFFFu];
  long most = 0;
  for (const auto& entry : seen) most = entry.second > most ? entry.second : most;
  double share = double(most) / (double(picture->width) * picture->height);
  std::printf("%s: %dx%d, %zu colours, the commonest covers %.0f%%\n", argv[1], picture->width,
              picture->height, seen.size(), share * 100);
  return seen.size() > 1000 && share < 0.5 ? 0 : 1;
}
