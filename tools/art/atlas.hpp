#pragma once
#include <map>
#include <string>
#include <vector>

#include "tools/art/canvas.hpp"

// The 1024 x 1024 atlas "image1.png" and its definition "image1.pac".
namespace art {

inline constexpr int kAtlasSize = 1024;

struct AtlasEntry {
  std::string name;
  int x, y, width, height;
};

// Every named rectangle, in the order the definition lists them.
const std::vector<AtlasEntry>& AtlasTable();

// The definition text: the picture's name, the count, then a name line and a rectangle line
// per entry, each ending in a line feed.
std::string PackText();

// Lays each named picture (exactly its rectangle's size) at its place; everything else stays
// clear. Clear pixels inside a rectangle take the colour of the nearby visible ones, so that
// filtering the texture draws no dark fringe round the shapes.
TPixmap ComposeAtlas(const std::map<std::string, Canvas>& pictures);

// The rectangle of one entry cut out of the atlas.
Canvas Crop(const Canvas& atlas, const AtlasEntry& e);
const AtlasEntry& FindEntry(const std::string& name);

}  // namespace art
