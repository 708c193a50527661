// Emitters: the burst timer and lifespan, and how each particle of a burst is placed, scaled,
// turned, coloured and launched.
#include "kit/sprites/emitter.hpp"

#include <algorithm>
#include <cmath>

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "platform/random.hpp"

namespace {

// What a burst reads of the owning sprite. An emitter without one (standalone, or its sprite
// gone) is placed as if on an unturned sprite of scale 1 at the origin.
struct Owner {
  float x = 0, y = 0, rot = 0, scale = 1, xscale = 1, yscale = 1;
};

Owner OwnerOf(const MGE_Sprite* s) {
  if (!s) return {};
  return {s->x, s->y, s->rot, s->scale, s->xscale, s->yscale};
}

float Mod360(float angle) {
  float a = std::fmod(angle, 360.0f);
  return a < 0.0f ? a + 360.0f : a;
}

void Place(const MGE_Emitter& e, const Owner& s, MGE_EmitterSprite& p) {
  float rx = float(Rnd(-e.xrandom, e.xrandom));
  float ry = float(Rnd(-e.yrandom, e.yrandom));
  switch (e.onsprite) {
    case 0:
      p.x = e.x + rx;
      p.y = e.y + ry;
      break;
    case 1:
      p.x = s.x + e.x * s.scale + rx * s.scale;
      p.y = s.y + e.y * s.scale + ry * s.scale;
      break;
    default: {
      // The offset turns with the sprite: at rotation 0, x runs up the screen and y to the left.
      MGE_XY along = MGE_GameHelpers::GetDirection(Mod360(s.rot - 90.0f), (e.x + rx) * s.scale);
      MGE_XY across = MGE_GameHelpers::GetDirection(Mod360(s.rot + 180.0f), (e.y + ry) * s.scale);
      p.x = s.x + along.x + across.x;
      p.y = s.y + along.y + across.y;
      break;
    }
  }
}

void Size(const MGE_Emitter& e, const Owner& s, MGE_EmitterSprite& p) {
  float k = e.onsprite != 0 ? s.scale : 1.0f;
  p.scale = e.scale * k;
  p.xscale = e.xscale * (e.onsprite != 0 ? s.xscale : 1.0f);
  p.yscale = e.yscale * (e.onsprite != 0 ? s.yscale : 1.0f);
  p.scalingdir = e.scaledir * k;
  p.xscalingdir = e.xscaledir * k;
  p.yscalingdir = e.yscaledir * k;
}

void Spin(const MGE_Emitter& e, const Owner& s, MGE_EmitterSprite& p) {
  float q = e.rotatedir * (1.0f + float(Rnd(0.05, 0.8)));
  if (e.startrot == 3.0f) {
    vorpel::detail::StartSpin(p, q, vorpel::detail::SpinRule::kNone);
    p.rot = s.rot;
    return;
  }
  vorpel::detail::StartSpin(p, q,
                    e.startrot == 0.0f   ? vorpel::detail::SpinRule::kRandomStart
                    : e.startrot == 1.0f ? vorpel::detail::SpinRule::kRandomSign
                    : e.startrot == 2.0f ? vorpel::detail::SpinRule::kAsGiven
                                         : vorpel::detail::SpinRule::kNone);
}

void Launch(const MGE_Emitter& e, const Owner& s, MGE_EmitterSprite& p) {
  float v = float(Rnd(e.velocitymin, e.velocitymax));
  MGE_XY velocity;
  switch (e.style) {
    case 0: velocity = MGE_GameHelpers::GetDirection(e.velocityangle, v); break;
    case 1: velocity = MGE_GameHelpers::GetDirection(float(Rand(1, 359)), v); break;
    case 2: velocity = MGE_GameHelpers::GetDirection(p.rot, v); break;
    case 3: {
      MGE_XY heading = MGE_GameHelpers::GetDirection(s.rot, v);
      velocity = {-heading.x, -heading.y};
      break;
    }
    default: break;
  }
  float k = e.onsprite != 0 ? s.scale : 1.0f;
  p.xspeed = velocity.x * k;
  p.yspeed = velocity.y * k;
  p.xthrust = e.xgravity * k;
  p.ythrust = e.ygravity * k;
}

// Particle i (from 1) of a burst.
void Make(const MGE_Emitter& e, const Owner& s, int i, MGE_EmitterSprite& p) {
  p.img = e.img;
  p.width = float(e.srcwidth);
  p.height = float(e.srcheight);
  p.srcx = float(e.srcx) + p.width * float(Rand(0, std::max(e.frames, 1) - 1));
  p.srcy = float(e.srcy);
  Place(e, s, p);
  Size(e, s, p);
  p.alpha = 1.0f;
  p.alphafadedir = e.alphafadespeed;
  Spin(e, s, p);
  p.red = vorpel::detail::ColourChannel(e.red);
  p.green = vorpel::detail::ColourChannel(e.green);
  p.blue = vorpel::detail::ColourChannel(e.blue);
  p.blend = e.blend;
  Launch(e, s, p);
  p.pausing = float(i - 1) * float(e.spawnlaunchdelay);
}

}  // namespace

MGE_EmitterPtr MakeEmitter(const MGE_EmitterConfig& config) {
  auto e = std::make_shared<MGE_Emitter>();
  static_cast<MGE_EmitterConfig&>(*e) = config;
  e->frequencycounter = config.frequencyspeed;
  e->enabled = 1;
  return e;
}

int MGE_Emitter::Update() {
  MGE_SpritePtr owner = sprite.lock();
  return Step(owner.get());
}

int MGE_Emitter::Step(MGE_Sprite* owner) {
  float d = vorpel::FrameDelta;
  if (enabled) {
    frequencycounter -= d;
    if (frequencycounter < 0.0f) {
      frequencycounter = frequencyspeed;
      Burst(owner);
    }
  }
  if (lifespan != 0.0f) {
    lifespan -= d;
    if (lifespan < 1.0f) {
      lifespan = 0.0f;
      kill();
    }
  }
  return 0;
}

int MGE_Emitter::Burst(MGE_Sprite* owner) {
  // Particles placed on a sprite go with it; so do those of a sprite emitter placed at its own
  // point, which has no layer list of its own.
  MGE_EmitterSpriteListPtr layer = listid.lock();
  MGE_EmitterSpriteList* target = layer.get();
  if (owner && (onsprite != 0 || !target)) target = &owner->emitterSpriteList;
  if (!target) return 0;
  Owner s = OwnerOf(owner);
  int count = std::min(spawns, kMaxBurstParticles);
  for (int i = 1; i <= count; ++i) {
    auto p = std::make_shared<MGE_EmitterSprite>();
    Make(*this, s, i, *p);
    p->link = target->AddLast(p);
  }
  return 0;
}

int MGE_Emitter::kill() {
  listid.reset();
  sprite.reset();
  MGE_EmitterList::Remove(link.lock().get());
  return 0;
}

int MGE_EmitterSprite::kill() {
  img = 0;
  MGE_EmitterSpriteList::Remove(link.lock().get());
  return 0;
}

int MGE_EmitterSprite::Render() {
  const MGE_KitState& kit = KitState();
  vorpel::detail::DrawParticle(*this, x + kit.renderOffsetX, y + kit.renderOffsetY);
  return 0;
}

int MGE_EmitterSprite::SpriteRender() {
  const MGE_KitState& kit = KitState();
  vorpel::detail::DrawParticle(*this, x + kit.spriteDrawOffsetX - *kit.mapOffsetX,
                       y + kit.spriteDrawOffsetY - *kit.mapOffsetY);
  return 0;
}

int MGE_EmitterSprite::Automate() {
  float d = vorpel::FrameDelta;
  if (vorpel::detail::ParticleWaits(*this, d)) return 0;
  vorpel::detail::ParticleStep(*this, d);
  if (rot > 360.0f) rot = 0.0f;
  else if (rot < 0.0f) rot = 360.0f;
  if (vorpel::detail::ParticleFaded(*this) || !(scale >= 0.0f))
    MGE_EmitterSpriteList::Remove(link.lock().get());
  return 0;
}
