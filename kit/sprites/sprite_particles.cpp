// Where a sprite's own emitters run and its particles are drawn; Automate and Render call in only
// when the sprite has some.
#include "kit/sprites/emitter.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_steps.hpp"

namespace vorpel::detail {

void UpdateSpriteEmitters(MGE_Sprite& s) {
  s.emitterlist.ForEach([&s](MGE_Emitter& e) { e.Step(&s); });
  s.emitterSpriteList.ForEach([](MGE_EmitterSprite& p) { p.Automate(); });
}

void RenderSpriteParticles(MGE_Sprite& s) {
  s.emitterSpriteList.ForEach([](MGE_EmitterSprite& p) { p.SpriteRender(); });
}

}  // namespace vorpel::detail
