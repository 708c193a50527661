// Where a sprite's own emitters run and its particles are drawn. A sprite with no emitters
// costs one test here.
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_steps.hpp"

namespace detail {

void UpdateSpriteEmitters(MGE_Sprite& s) {
  if (s.emitterlist.Empty()) return;
  // The emitters' burst and particle steps attach here.
}

void RenderSpriteParticles(MGE_Sprite& s) {
  if (s.emitterSpriteList.Empty()) return;
  // The particles' own drawing attaches here.
}

}  // namespace detail
