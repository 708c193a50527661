#pragma once
// The sprite engine's table of animation frame sets, read by sprites and the mouse pointer.
#include <array>
#include <string>

inline constexpr int kMaxAnimFrames = 100;  // frames 1..100 of a set
inline constexpr int kMaxSpriteAnims = 200; // slots 1..200 of the table

struct MGE_SpriteAnimFramesType {
  std::string name;
  std::array<int, kMaxAnimFrames + 1> img{};
  std::array<int, kMaxAnimFrames + 1> srcx{};
  std::array<int, kMaxAnimFrames + 1> srcy{};
  int srcwidth = 0;
  int srcheight = 0;
  int totalframes = 0;
};

namespace vorpel {
// Slot 0 is never used.
extern std::array<MGE_SpriteAnimFramesType, kMaxSpriteAnims + 1> spriteAnims;
extern int spriteAnimCount;
}  // namespace vorpel

// The first slot of 1..200 whose name equals name exactly; 0 when there is none.
int FindSpriteAnim(const std::string& name);
