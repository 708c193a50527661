#include "kit/sprites/sprite_anims.hpp"

std::array<MGE_SpriteAnimFramesType, kMaxSpriteAnims + 1> spriteAnims;
int spriteAnimCount = 0;

int FindSpriteAnim(const std::string& name) {
  for (int slot = 1; slot <= kMaxSpriteAnims; ++slot)
    if (spriteAnims[std::size_t(slot)].name == name) return slot;
  return 0;
}
