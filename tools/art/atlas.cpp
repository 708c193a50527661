#include "tools/art/atlas.hpp"

#include <stdexcept>

namespace art {
namespace {

// Gives every clear pixel of the rectangle the mean colour of its coloured neighbours, growing
// the colour outwards a few pixels per call.
void Bleed(TPixmap& p, const AtlasEntry& e, int passes) {
  std::vector<std::uint8_t> coloured(std::size_t(e.width) * e.height);
  auto index = [&](int x, int y) { return std::size_t(y - e.y) * e.width + (x - e.x); };
  for (int y = e.y; y < e.y + e.height; ++y)
    for (int x = e.x; x < e.x + e.width; ++x) coloured[index(x, y)] = p.Row(y)[x * 4 + 3] != 0;
  for (int pass = 0; pass < passes; ++pass) {
    std::vector<std::uint8_t> next = coloured;
    for (int y = e.y; y < e.y + e.height; ++y)
      for (int x = e.x; x < e.x + e.width; ++x) {
        if (coloured[index(x, y)]) continue;
        int sum[3] = {0, 0, 0}, n = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx < e.x || ny < e.y || nx >= e.x + e.width || ny >= e.y + e.height) continue;
            if (!coloured[index(nx, ny)]) continue;
            for (int c = 0; c < 3; ++c) sum[c] += p.Row(ny)[nx * 4 + c];
            ++n;
          }
        if (n == 0) continue;
        for (int c = 0; c < 3; ++c) p.Row(y)[x * 4 + c] = std::uint8_t((sum[c] + n / 2) / n);
        next[index(x, y)] = 1;
      }
    coloured.swap(next);
  }
}

}  // namespace

const std::vector<AtlasEntry>& AtlasTable() {
  static const std::vector<AtlasEntry> table = {
      {"background", 0, 332, 700, 420}, {"1", 802, 0, 116, 115},      {"2", 802, 117, 112, 111},
      {"3", 802, 230, 116, 115},        {"4", 702, 347, 116, 115},    {"5", 820, 347, 112, 111},
      {"6", 820, 460, 116, 115},        {"7", 702, 464, 116, 115},    {"8", 820, 577, 112, 111},
      {"9", 702, 581, 116, 115},        {"10", 820, 690, 112, 111},   {"exit", 139, 754, 137, 140},
      {"trevane", 278, 754, 204, 65},   {"more", 484, 754, 137, 140}, {"off", 920, 0, 98, 100},
      {"on", 920, 102, 98, 100},        {"slider", 920, 204, 79, 82}, {"view", 623, 754, 137, 140},
  };
  return table;
}

const AtlasEntry& FindEntry(const std::string& name) {
  for (const AtlasEntry& e : AtlasTable())
    if (e.name == name) return e;
  throw std::out_of_range("no atlas entry " + name);
}

std::string PackText() {
  std::string text = "image1.png\n" + std::to_string(AtlasTable().size()) + "\n";
  for (const AtlasEntry& e : AtlasTable())
    text += e.name + ",1\n" + std::to_string(e.x) + "," + std::to_string(e.y) + "," +
            std::to_string(e.width) + "," + std::to_string(e.height) + "\n";
  return text;
}

TPixmap ComposeAtlas(const std::map<std::string, Canvas>& pictures) {
  Canvas atlas(kAtlasSize, kAtlasSize);
  for (const AtlasEntry& e : AtlasTable()) Place(atlas, pictures.at(e.name), e.x, e.y);
  TPixmap out = ToPixmap(atlas, PF_RGBA8888, true);
  for (const AtlasEntry& e : AtlasTable()) Bleed(out, e, 3);
  return out;
}

Canvas Crop(const Canvas& atlas, const AtlasEntry& e) {
  Canvas out(e.width, e.height);
  for (int y = 0; y < e.height; ++y)
    for (int x = 0; x < e.width; ++x) out.at(x, y) = atlas.at(e.x + x, e.y + y);
  return out;
}

}  // namespace art
