// Explosion pieces: their step and their drawing.
#include "kit/sprites/explosion.hpp"

#include "kit/kit_state.hpp"

std::array<MGE_ExplosionType, kMaxExplosionTypes + 1> vorpel::explosionTypes{};

int MGE_ExplosionSprite::kill() {
  listid.reset();
  img = 0;
  MGE_ExplosionSpriteList::Remove(link.lock().get());
  return 0;
}

int MGE_ExplosionSprite::Render() {
  const MGE_KitState& kit = KitState();
  vorpel::detail::DrawParticle(*this, x + kit.renderOffsetX, y + kit.renderOffsetY);
  return 0;
}

int MGE_ExplosionSprite::Automate() {
  float d = vorpel::FrameDelta;
  if (vorpel::detail::ParticleWaits(*this, d)) return 0;
  vorpel::detail::ParticleStep(*this, d);
  if (rot > 359.0f) rot = 0.0f;
  else if (rot < 0.0f) rot = 359.0f;
  if (vorpel::detail::ParticleFaded(*this)) MGE_ExplosionSpriteList::Remove(link.lock().get());
  return 0;
}
