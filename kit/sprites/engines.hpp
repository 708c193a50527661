#pragma once
// The movement engines' steps, one function per engine or family, and the rules they share.
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_steps.hpp"

namespace vorpel::detail {

// Engine numbers in engine_type.
enum EngineType : int {
  kEngineNone = 0,
  kEnginePong = 1,
  kEngineMove = 2,
  kEngineMoveToXY = 3,
  kEngineMoveToMouse = 4,
  kEngineMoveToSprite = 5,
  kEngineMouse = 6,
  kEngineOrbit = 7,
  kEngineMoveWrapRnd = 9,
  kEngineXBounce = 12,
  kEngineYBounce = 13,
  kEngineSpline = 14,
  kEngineHoming = 15,
  kEngineInertia = 17,
  kEngineHomingXY = 18,
  kEngineFollowMouse = 19,
  kEngineInertiaMouse = 20,
  kEngineTrackGWrap = 22,
  kEngineMoveRadius = 23,
  kEngineShootDuration = 24,
  kEngineWaypoint = 26,
  kEngineMovePause = 27,
  kEngineLatch = 28,
};

// Sprite events the engines raise.
enum SpriteEvent : int {
  kEventArrivedAtPoint = 1,
  kEventArrivedAtSprite = 2,
  kEventArrivedAtMouse = 3,
  kEventLeftBounds = 4,
  kEventBounced = 5,
  kEventSplineDone = 6,
  kEventShotExpired = 11,
};

// Marks the sprite to be killed at the end of its step.
inline void EndSprite(MGE_Sprite& s) { s.readytodie = 1; }
// Drops the target and ends the sprite: what an engine does without a live target.
void LoseTarget(MGE_Sprite& s);

// Moves by the velocity, then adds the thrust to it.
inline void MoveWithThrust(MGE_Sprite& s) {
  float d = vorpel::FrameDelta;
  s.x += s.xspeed * d;
  s.y += s.yspeed * d;
  s.xspeed += s.xthrust * d;
  s.yspeed += s.ythrust * d;
}

// Dies or wraps at the movement rectangle's edges as flags says.
inline void EdgeRule(MGE_Sprite& s) {
  if (s.x < s.boundry_left || s.x > s.boundry_right) {
    if (s.flags == 0 || s.flags == 2) {
      EndSprite(s);
      RaiseSpriteEvent(s, kEventLeftBounds);
    } else {
      s.x = s.x < s.boundry_left ? s.boundry_right : s.boundry_left;
    }
  }
  if (s.y < s.boundry_top || s.y > s.boundry_bottom) {
    if (s.flags == 0 || s.flags == 3) {
      EndSprite(s);
      RaiseSpriteEvent(s, kEventLeftBounds);
    } else {
      s.y = s.y < s.boundry_top ? s.boundry_bottom : s.boundry_top;
    }
  }
}

// Steps towards (dx, dy) at speed without passing it, then speed grows by thrust. True when
// both coordinates then equal the destination's after truncation.
bool StepTowards(MGE_Sprite& s, float dx, float dy, float& speed, float thrust);

void RunFlyEngine(MGE_Sprite& s);      // 1, 2, 9, 12, 13, 23, 24
void RunSeekEngine(MGE_Sprite& s);     // 3, 4, 5, 6, 7, 19, 28
void RunSpline(MGE_Sprite& s);         // 14
void RunWaypoints(MGE_Sprite& s);      // 26
void RunHomingEngine(MGE_Sprite& s);   // 15, 17, 18, 20, 22

// The pointer in game coordinates, whole numbers.
float PointerX();
float PointerY();

}  // namespace vorpel::detail
