// Where a sprite's own emitters run and its particles are drawn; Automate and Render call in only
// when the sprite has some.
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_steps.hpp"

namespace detail {

void UpdateSpriteEmitters(MGE_Sprite&) {
  // The emitters' burst and particle steps attach here.
}

void RenderSpriteParticles(MGE_Sprite&) {
  // The particles' own drawing attaches here.
}

}  // namespace detail
