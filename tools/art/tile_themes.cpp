// The colour theme of each bubble set and the patterns of its four background layers.
#include "tools/art/tiles.hpp"

namespace art {

Theme ThemeFor(int set) {
  using B = BackPattern;
  using F = FrontPattern;
  switch (set) {
    case 1:  // ocean: sunlit water over the deep
      return {Hex(0x04142e), Hex(0x0b4a6e), Hex(0x5fc8d8), Hex(0x1a8a9a), Hex(0xa8f0ff),
              {B::kDepths, B::kClouds}, {F::kCaustics, F::kRings}};
    case 2:  // sunset: plum, rose and gold
      return {Hex(0x2a0a2e), Hex(0x7a1f4f), Hex(0xffb070), Hex(0xd8486a), Hex(0xffd8a0),
              {B::kClouds, B::kSilk}, {F::kBokeh, F::kRays}};
    case 3:  // forest: moss and sunbeams
      return {Hex(0x06180e), Hex(0x1e4a24), Hex(0xc8e070), Hex(0x4a7a2a), Hex(0xf4f0b0),
              {B::kMarbling, B::kClouds}, {F::kRays, F::kMotes}};
    case 4:  // night: a nebula among stars
      return {Hex(0x050414), Hex(0x221a4a), Hex(0x9aa8ff), Hex(0x6a2a8a), Hex(0xf0b8ff),
              {B::kStars, B::kClouds}, {F::kWisps, F::kSparkles}};
    case 5:  // lavender silk
      return {Hex(0x1e1436), Hex(0x5a4690), Hex(0xd8c8f4), Hex(0x8a6ab8), Hex(0xf4ecff),
              {B::kSilk, B::kMarble}, {F::kVeils, F::kMotes}};
    case 6:  // amber: honey light and golden dust
      return {Hex(0x1a0c04), Hex(0x5a3210), Hex(0xf0c070), Hex(0xa0601a), Hex(0xffe0a0),
              {B::kBokeh, B::kMarbling}, {F::kMotes, F::kWisps}};
    case 7:  // aurora over a dark sky
      return {Hex(0x020c14), Hex(0x0c2a3a), Hex(0x70f0c0), Hex(0x8a4ad0), Hex(0x60ffb0),
              {B::kStars, B::kDepths}, {F::kAurora, F::kMotes}};
    case 8:  // rose: marble and soft lights
      return {Hex(0x2a0a18), Hex(0x7a2a48), Hex(0xf8c0d0), Hex(0xc05070), Hex(0xffe0e8),
              {B::kMarble, B::kMarbling}, {F::kBokeh, F::kVeils}};
    case 9:  // ice: frost and cold light
      return {Hex(0x0a1a30), Hex(0x2a5a86), Hex(0xdff4ff), Hex(0x4a90c0), Hex(0xf0faff),
              {B::kFrost, B::kClouds}, {F::kSparkles, F::kRays}};
    default:  // cosmic: teal ink and magenta light
      return {Hex(0x081018), Hex(0x123a4a), Hex(0xff8ad8), Hex(0x9a2a8a), Hex(0x7af0ff),
              {B::kClouds, B::kBokeh}, {F::kRings, F::kWisps}};
  }
}

Canvas MakeTile(int set, char layer) {
  Theme t = ThemeFor(set);
  auto seed = std::uint32_t(set * 100 + layer);
  switch (layer) {
    case 'a': return MakeFront(t.front[0], t, seed);
    case 'c': return MakeFront(t.front[1], t, seed);
    case 'b': return MakeBack(t.back[0], t, seed);
    default: return MakeBack(t.back[1], t, seed);
  }
}

}  // namespace art
