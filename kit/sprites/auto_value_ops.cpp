// The operations that switch a sprite's value behaviours, facing, colour flash and pause on.
// Each writes only the fields it names.
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_steps.hpp"

int MGE_SpriteHandler::AutoSpriteAlphaFade(MGE_Sprite* s, float min, float max, float speed,
                                           int mode, int duration) {
  if (!s) return 0;
  s->alphafading = mode;
  s->alphafademin = min;
  s->alphafademax = max;
  s->alphafadedir = speed;
  s->alphafadeduration = float(duration);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteAlphaFadeIn(MGE_Sprite* s, float max, float speed) {
  if (!s) return 0;
  s->alphafading = 3;
  s->alpha = 0.0f;
  s->alphafademin = 0.0f;
  s->alphafademax = max;
  s->alphafadedir = speed;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteAlphaFadeOff(MGE_Sprite* s, float speed) {
  if (!s) return 0;
  s->alphafading = 4;
  s->alphafademin = 0.0f;
  s->alphafademax = s->alpha;
  s->alphafadedir = -speed;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteAlphaFadeOnAndOff(MGE_Sprite* s, float max, float speed,
                                                   float hold, int flags) {
  if (!s) return 0;
  s->alphafading = 7;
  s->alpha = 0.0f;
  s->alphafademin = 1.0f;  // the phase: fading in
  s->alphafademax = max;
  s->alphafadedir = speed;
  s->alphafadeduration = hold;
  s->alphafadeflags = flags;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteAlphaLatch(MGE_Sprite* s, MGE_SpritePtr source) {
  if (!s) return 0;
  s->alphafading = 9;
  s->alphafromsprite = std::move(source);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteOutlineAlphaFade(MGE_Sprite* s, float min, float max,
                                                  float speed, int mode, int duration,
                                                  float scale, float red, float green,
                                                  float blue) {
  if (!s) return 0;
  s->outlinealphafading = mode;
  s->outlinealphafademin = min;
  s->outlinealphafademax = max;
  s->outlinealphafadedir = speed;
  s->outlinealphafadeduration = float(duration);
  s->outlinescale = scale;
  s->outlinered = red;
  s->outlinegreen = green;
  s->outlineblue = blue;
  return 0;
}

int MGE_SpriteHandler::SetSpriteOutlineAlpha(MGE_Sprite* s, float, float scale, float red,
                                             float green, float blue) {
  if (!s) return 0;
  s->outlinealpha = 1.0f;
  s->outlinescale = scale;
  s->outlinered = red;
  s->outlinegreen = green;
  s->outlineblue = blue;
  return 0;
}

namespace {

void SetValueBehaviour(int& mode, float& lower, float& upper, float& dir, float min, float max,
                       float speed, int newMode) {
  mode = newMode;
  lower = min;
  upper = max;
  dir = speed;
}

}  // namespace

int MGE_SpriteHandler::AutoSpriteScale(MGE_Sprite* s, float min, float max, float speed,
                                       int mode) {
  if (s) SetValueBehaviour(s->scaling, s->scalingmin, s->scalingmax, s->scalingdir, min, max,
                           speed, mode);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteXScale(MGE_Sprite* s, float min, float max, float speed,
                                        int mode) {
  if (s) SetValueBehaviour(s->xscaling, s->xscalingmin, s->xscalingmax, s->xscalingdir, min,
                           max, speed, mode);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteYScale(MGE_Sprite* s, float min, float max, float speed,
                                        int mode) {
  if (s) SetValueBehaviour(s->yscaling, s->yscalingmin, s->yscalingmax, s->yscalingdir, min,
                           max, speed, mode);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteRotate(MGE_Sprite* s, float min, float max, float speed,
                                        int mode) {
  if (s) SetValueBehaviour(s->rotating, s->rotatingmin, s->rotatingmax, s->rotatingdir, min, max,
                           speed, mode);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteAnimate(MGE_Sprite* s, const std::string& name, float speed,
                                         int mode, float start) {
  int slot = FindSpriteAnim(name);
  if (slot == 0 || !s) return 1;
  const MGE_SpriteAnimFramesType& set = vorpel::spriteAnims[std::size_t(slot)];
  s->animating = mode;
  s->animindex = slot;
  s->animtile = start > 0.0f ? start : 1.0f;
  s->animin = 1.0f;
  s->animax = float(set.totalframes);
  s->anidir = speed;
  // Frame 1 whatever the start: the first step shows the right one.
  vorpel::detail::ShowFirstAnimFrame(*s, slot);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteRGBFlash(MGE_Sprite* s, float red, float green, float blue,
                                          float targetred, float targetgreen, float targetblue,
                                          float speed) {
  if (!s) return 0;
  s->red = red;
  s->green = green;
  s->blue = blue;
  s->targetred = targetred;
  s->targetgreen = targetgreen;
  s->targetblue = targetblue;
  s->rgbflashspeed = speed;
  s->rgbflashing = 1;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteFaceSprite(MGE_Sprite* s, MGE_SpritePtr target) {
  if (!s) return 0;
  s->facing = 1;
  s->spritetoface = std::move(target);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteFaceXY(MGE_Sprite* s, float x, float y) {
  if (!s) return 0;
  s->facing = 2;
  s->facex = x;
  s->facey = y;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteFaceDirection(MGE_Sprite* s, int interval) {
  if (!s) return 0;
  s->facing = 3;
  s->oldx = s->x;
  s->oldy = s->y;
  s->facing_update_interval = interval;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteEnginePause(MGE_Sprite* s, float time) {
  if (!s || !(time > 0.0f)) return 0;
  s->enabled = 0;
  s->pausing = time;
  return 0;
}
