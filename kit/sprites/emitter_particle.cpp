#include "kit/sprites/emitter_particle.hpp"

#include "kit/game_helpers.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"
#include "platform/random.hpp"

namespace vorpel::detail {

void StartSpin(Particle& p, float spin, SpinRule rule) {
  p.rot = rule == SpinRule::kRandomStart ? float(Rand(1, 359)) : 0.0f;
  switch (rule) {
    case SpinRule::kRandomStart:
    case SpinRule::kRandomSign: p.rotatingdir = spin * float(MGE_GameHelpers::GetRndSign()); break;
    case SpinRule::kAsGiven: p.rotatingdir = spin; break;
    case SpinRule::kNone: p.rotatingdir = 0.0f; break;
  }
}

float ColourChannel(float value) { return value == -1.0f ? float(Rand(30, 255)) : value; }

void DrawParticle(const Particle& p, float px, float py) {
  if (p.pausing != 0.0f) return;
  SetColor(TruncToInt(p.red), TruncToInt(p.green), TruncToInt(p.blue));
  SetBlend(p.blend);
  SetTransform(p.rot, p.xscale * p.scale, p.scale * p.yscale);
  SetAlpha(p.alpha);
  const ImagePtr& image = MGE_TextureHandler::Get(p.img);
  if (!image) return;
  ImageSetHandle(image, p.width / 2.0f, p.height / 2.0f);
  MGE_GameHelpers::DrawUV(image, px, py, p.srcx, p.srcy, p.width, p.height);
}

}  // namespace vorpel::detail
