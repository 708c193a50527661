// Animated text effects: their per-update steps and the font handler's list of them.
#include "kit/bmfont_fx.hpp"

#include "kit/bmfont_handler.hpp"
#include "kit/kit_state.hpp"

int MGE_BMFontFX::Step(float dx, float dy) {
  Fade();
  if (delaybeforemovement != 0.0f) {
    delaybeforemovement -= vorpel::FrameDelta;
    if (delaybeforemovement < 1.0f) delaybeforemovement = 0.0f;
  } else {
    Move(dx, dy);
  }
  return 0;
}

// Fades in, holds, then fades out; the effect leaves its list once its alpha goes negative but
// still moves in that update.
void MGE_BMFontFX::Fade() {
  if (fadingin) {
    alpha += fadeinspeed * vorpel::FrameDelta;
    if (alpha > 1.0f) {
      alpha = 1.0f;
      fadingin = 0;
    }
  } else if (delaybeforefadeout != 0.0f) {
    delaybeforefadeout -= vorpel::FrameDelta;
    if (delaybeforefadeout < 1.0f) delaybeforefadeout = 0.0f;
  } else {
    alpha -= fadeoutspeed * vorpel::FrameDelta;
    if (alpha < 0.0f) Remove();
  }
}

// The position moves with the speeds from before this update's gravity.
void MGE_BMFontFX::Move(float dx, float dy) {
  scale += scaledir * vorpel::FrameDelta;
  spacing += spacingdir * vorpel::FrameDelta;
  x += xdir * vorpel::FrameDelta + dx;
  y += ydir * vorpel::FrameDelta + dy;
  xdir += xgravity * vorpel::FrameDelta;
  ydir += ygravity * vorpel::FrameDelta;
}

int MGE_BMFontHandler::FontFX(const std::string& text, float x, float y, float fadeinspeed,
                              float fadeoutspeed, float delaybeforefadeout, float xspeed,
                              float yspeed, float xgravity, float ygravity,
                              float delaybeforemovement, float scale, float scaledir,
                              float spacing, float spacingdir, float red, float green,
                              float blue, int blend) {
  auto fx = std::make_shared<MGE_BMFontFX>();
  fx->t = text;
  fx->x = x;
  fx->y = y;
  fx->fadeinspeed = fadeinspeed;
  fx->fadeoutspeed = fadeoutspeed;
  fx->delaybeforefadeout = delaybeforefadeout;
  fx->delaybeforemovement = delaybeforemovement;
  fx->scale = scale;
  fx->scaledir = scaledir;
  fx->spacing = spacing;
  fx->spacingdir = spacingdir;
  fx->xdir = xspeed;
  fx->ydir = yspeed;
  fx->xgravity = xgravity;
  fx->ygravity = ygravity;
  fx->red = red;
  fx->green = green;
  fx->blue = blue;
  fx->blend = blend;
  fx->fadingin = 1;
  fx->alpha = 0.0f;
  fx->link = FXList.AddLast(fx);
  return 0;
}

int MGE_BMFontHandler::UpdateFontFX() {
  FXList.ForEach([](MGE_BMFontFX& fx) { fx.automate(); });
  return 0;
}

int MGE_BMFontHandler::UpdateFontFXAddXYNoDelta(float dx, float dy) {
  FXList.ForEach([dx, dy](MGE_BMFontFX& fx) { fx.automateaddxynodelta(dx, dy); });
  return 0;
}

void MGE_BMFontHandler::DrawEffect(const MGE_BMFontFX& fx) const {
  DrawRun(fx.t, fx.x, fx.y,
          {fx.scale, fx.scale, fx.spacing, fx.red, fx.green, fx.blue, fx.alpha, fx.blend, 1, 0.0f,
           0.0f, 0.0f});
}

int MGE_BMFontHandler::RenderFontFX() const {
  FXList.ForEach([this](const MGE_BMFontFX& fx) { DrawEffect(fx); });
  return 0;
}

int MGE_BMFontHandler::UpdateAndRenderFontFX() {
  FXList.ForEach([this](MGE_BMFontFX& fx) {
    fx.automate();
    DrawEffect(fx);
  });
  return 0;
}

int MGE_BMFontHandler::RemoveAllFontFX() {
  FXList.Clear();
  return 0;
}
