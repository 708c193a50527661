// Drawing a sprite: shadow, outline, its particles below or above, and the body, whose alpha
// above 1 adds a second, additive pass.
#include <cmath>

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "kit/sprites/sprite_tables.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"

namespace {

// The rotation table's entry for rot. Angles outside the table, and NaN or infinity, are
// reduced into it first so the lookup can never leave the table.
int RotationIndex(float rot) {
  if (rot >= 0.0f && rot < float(kRotationTableSize)) return int(rot);
  if (!std::isfinite(rot)) return 0;
  float r = std::fmod(rot, 360.0f);
  if (r < 0.0f) r += 360.0f;
  return r >= 0.0f && r < float(kRotationTableSize) ? int(r) : 0;
}

// One pass: the picture centred on (px, py) through the state the caller set.
void DrawPass(const MGE_Sprite& s, const ImagePtr& image, float px, float py) {
  if (!image) return;
  ImageSetHandle(image, s.width / 2.0f, s.height / 2.0f);
  MGE_GameHelpers::DrawUV(image, px, py, s.srcx, s.srcy, s.width, s.height);
}

}  // namespace

int MGE_Sprite::Render() {
  if (killed) return 0;
  if (!enabled) {
    if (!emitterSpriteList.Empty()) vorpel::detail::RenderSpriteParticles(*this);
    return 0;
  }
  const MGE_KitState& kit = KitState();
  const ImagePtr& image = MGE_TextureHandler::Get(img);
  float px = x + kit.spriteDrawOffsetX - *kit.mapOffsetX;
  float py = y + kit.spriteDrawOffsetY - *kit.mapOffsetY;
  float angle = float(vorpel::rotationTable[std::size_t(RotationIndex(rot))]);
  float sx = xscale * scale, sy = yscale * scale;

  if (shadow_depth != 0.0f) {
    SetColor(0, 0, 0);
    SetBlend(ALPHABLEND);
    SetTransform(angle, sx, sy);
    SetAlpha(alpha * shadowAlphaFactor);
    MGE_XY offset = MGE_GameHelpers::GetDirection(shadowAngle, shadow_depth * scale);
    DrawPass(*this, image, px + offset.x, py + offset.y);
  }
  if (outlinealpha != 0.0f) {
    SetColor(TruncToInt(outlinered), TruncToInt(outlinegreen), TruncToInt(outlineblue));
    SetBlend(ALPHABLEND);
    SetTransform(angle, sx * outlinescale, sy * outlinescale);
    SetAlpha(outlinealpha * alpha);
    DrawPass(*this, image, px, py);
  }
  bool particles = !emitterSpriteList.Empty();
  if (particles && !emitterontop) vorpel::detail::RenderSpriteParticles(*this);

  SetTransform(angle, sx, sy);
  SetColor(TruncToInt(red), TruncToInt(green), TruncToInt(blue));
  SetBlend(blend);
  if (alpha > 1.0f) {
    SetAlpha(1.0f);
    DrawPass(*this, image, px, py);
    SetBlend(LIGHTBLEND);
    SetAlpha(alpha - 1.0f);
    DrawPass(*this, image, px, py);
  } else {
    SetAlpha(alpha);
    DrawPass(*this, image, px, py);
  }

  if (particles && emitterontop) vorpel::detail::RenderSpriteParticles(*this);
  return 0;
}
