#include "kit/sprites/sprite_anims.hpp"

std::array<MGE_SpriteAnimFramesType, kMaxSpriteAnims + 1> vorpel::spriteAnims;
int vorpel::spriteAnimCount = 0;

int FindSpriteAnim(const std::string& name) {
  for (int slot = 1; slot <= kMaxSpriteAnims; ++slot)
    if (vorpel::spriteAnims[std::size_t(slot)].name == name) return slot;
  return 0;
}
