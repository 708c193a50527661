#include "kit/screen_fader.hpp"

#include "kit/kit_state.hpp"
#include "platform/graphics.hpp"

int MGE_ScreenFaderType::StartFadeOut(int r, int g, int b, float speed) {
  if (!active) alpha = 0.0f;
  active = 1;
  red = r;
  green = g;
  blue = b;
  fadespeed = speed;
  return 0;
}

int MGE_ScreenFaderType::StartFadeIn(int r, int g, int b, float speed) {
  active = 1;
  red = r;
  green = g;
  blue = b;
  alpha = 1.0f;
  fadespeed = -speed;
  return 0;
}

int MGE_ScreenFaderType::Update() {
  if (!active) return 0;
  alpha += fadespeed * vorpel::FrameDelta;
  // The end is only reached once alpha is strictly beyond it, so a fade that lands exactly on
  // 1.0 runs one more update.
  if (fadespeed > 0.0f) {
    if (alpha > 1.0f) {
      alpha = 1.0f;
      active = 0;
    }
  } else if (alpha < 0.0f) {
    alpha = 0.0f;
    active = 0;
  }
  return 0;
}

int MGE_ScreenFaderType::Render() const {
  if (!active) return 0;
  const MGE_KitState& kit = KitState();
  SetTransform(0.0f, 1.0f, 1.0f);
  SetColor(red, green, blue);
  SetAlpha(alpha);
  SetBlend(ALPHABLEND);
  DrawRect(0.0f, 0.0f, kit.gameWidth, kit.gameHeight);
  return 0;
}
