// One logic step of a sprite: its pause, then its behaviours in a fixed order, its per-sprite
// function, and its end.
#include <utility>

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_steps.hpp"

namespace {

// Holds the record's place while the per-sprite function runs moved out of it, so that the
// function may kill the sprite, replace itself or clear itself without being destroyed mid-call.
int RunningCustomFunc(MGE_Sprite*) { return 0; }

void CallCustomFunc(MGE_Sprite& s) {
  // A plain function is called through a copy of its address: it may clear or replace itself,
  // and nothing needs putting back.
  if (auto* plain = s.customfunc.target<int (*)(MGE_Sprite*)>()) {
    int (*f)(MGE_Sprite*) = *plain;
    f(&s);
    return;
  }
  MGE_SpriteFunction f = std::exchange(s.customfunc, RunningCustomFunc);
  f(&s);
  auto* untouched = s.customfunc.target<int (*)(MGE_Sprite*)>();
  if (untouched && *untouched == RunningCustomFunc) s.customfunc = std::move(f);
}

// Moves one colour channel towards its target without passing it.
void FlashChannel(float& c, float target, float step) {
  if (c < target) {
    c += step;
    if (c > target) c = target;
  } else if (c > target) {
    c -= step;
    if (c < target) c = target;
  }
}

}  // namespace

namespace vorpel::detail {

void RaiseSpriteEvent(MGE_Sprite& s, int code) {
  // A copy: the event function may install another one while it runs.
  MGE_SpriteEventFunction f = KitState().spriteEventFunction;
  if (f) f(&s, code);
}

void RunFacing(MGE_Sprite& s) {
  switch (s.facing) {
    case 1:
      if (s.spritetoface)
        s.rot = MGE_GameHelpers::GetAngle(s.x, s.y, s.spritetoface->x, s.spritetoface->y);
      break;
    case 2:
      s.rot = MGE_GameHelpers::GetAngle(s.x, s.y, s.facex, s.facey);
      break;
    case 3:
      if (float(MGE_GameHelpers::GetDistance(s.oldx, s.oldy, s.x, s.y)) >
          float(s.facing_update_interval)) {
        s.rot = MGE_GameHelpers::GetAngle(s.oldx, s.oldy, s.x, s.y);
        s.oldx = s.x;
        s.oldy = s.y;
      }
      break;
    default:
      break;
  }
}

void RunRGBFlash(MGE_Sprite& s) {
  float step = s.rgbflashspeed * vorpel::FrameDelta;
  FlashChannel(s.red, s.targetred, step);
  FlashChannel(s.green, s.targetgreen, step);
  FlashChannel(s.blue, s.targetblue, step);
  if (s.red == s.targetred && s.green == s.targetgreen && s.blue == s.targetblue)
    s.rgbflashing = 0;
}

}  // namespace vorpel::detail

int MGE_Sprite::Automate() {
  if (!enabled) {
    if (pausing != 0.0f) {
      pausing -= vorpel::FrameDelta;
      if (pausing < 1.0f) {
        pausing = 0.0f;
        enabled = 1;
      }
    }
    return 0;
  }
  // Particles outlive the emitter that made them.
  if (!emitterlist.Empty() || !emitterSpriteList.Empty())
    vorpel::detail::UpdateSpriteEmitters(*this);
  vorpel::detail::RunValueBehaviours(*this);
  if (trailing) vorpel::detail::RunTrails(*this);
  if (engine_type) vorpel::detail::RunEngine(*this);
  if (facing) vorpel::detail::RunFacing(*this);
  if (rgbflashing) vorpel::detail::RunRGBFlash(*this);
  if (customfuncflag && !readytodie && customfunc) CallCustomFunc(*this);
  if (readytodie) kill();
  return 0;
}
