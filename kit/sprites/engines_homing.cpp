// Engines that chase: homing with a turning rate, inertia towards a sprite or the pointer, and
// the drift pulled towards a sprite that wraps at the rectangle's edges.
#include <algorithm>
#include <cmath>

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/engines.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "platform/input.hpp"

namespace {

using namespace vorpel::detail;

// Turns the heading towards (tx, ty) by the turning rate, the shorter way, and flies on.
void SteerAndFly(MGE_Sprite& s, float tx, float ty) {
  float d = vorpel::FrameDelta;
  float bearing = float(std::atan2(double(ty) - s.y, double(tx) - s.x) * (180.0 / M_PI));
  float turn = MGE_GameHelpers::RotateDirToDir(s.homing_angle, bearing);
  if (turn < 0.0f) s.homing_angle -= s.homing_turnrate * d;
  else if (turn > 0.0f) s.homing_angle += s.homing_turnrate * d;
  s.homing_angle = std::fmod(s.homing_angle, 360.0f);
  s.xspeed = Cosd(s.homing_angle) * s.homing_speed;
  s.yspeed = Sind(s.homing_angle) * s.homing_speed;
  s.x += s.xspeed * d;
  s.y += s.yspeed * d;
  s.homing_speed += s.homing_accelerate * d;
  s.homing_turnrate += s.homing_accelerate * d;
}

// The straight launch before homing starts; true while it lasts.
bool Launch(MGE_Sprite& s) {
  if (!(s.homing_initialmovelength > 0.0f)) return false;
  s.x += s.xspeed * vorpel::FrameDelta;
  s.y += s.yspeed * vorpel::FrameDelta;
  s.homing_initialmovelength = std::max(0.0f, s.homing_initialmovelength - vorpel::FrameDelta);
  return true;
}

void HomeOnSprite(MGE_Sprite& s) {
  if (Launch(s)) return;
  if (!s.spritetotarget) return LoseTarget(s);
  if (s.spritetotarget->killed == 1) {
    // Flies on with its last velocity and ends at the rectangle's edge.
    s.spritetotarget.reset();
    s.flags = 0;
    s.engine_type = kEngineMove;
    return;
  }
  SteerAndFly(s, s.spritetotarget->x, s.spritetotarget->y);
}

void HomeOnPoint(MGE_Sprite& s) {
  if (Launch(s)) return;
  SteerAndFly(s, s.homing_destx, s.homing_desty);
  if (float(MGE_GameHelpers::GetDistance(s.x, s.y, s.homing_destx, s.homing_desty)) <
      s.homing_distance) {
    s.x = s.homing_destx;
    s.y = s.homing_desty;
    RaiseSpriteEvent(s, kEventArrivedAtPoint);
    s.engine_type = kEngineNone;
  }
}

// Accelerates the velocity towards the target side, up to the limit either way.
void Accelerate(float& velocity, float from, float to, float accel, float limit) {
  if (from < to) velocity = std::min(velocity + accel, limit);
  else if (from > to) velocity = std::max(velocity - accel, -limit);
}

void Inertia(MGE_Sprite& s, float tx, float ty) {
  float d = vorpel::FrameDelta;
  float x0 = s.x, y0 = s.y;
  Accelerate(s.movedata1, x0, tx, s.movedata2 * d, s.movedata3);
  s.x += s.movedata1 * d;
  Accelerate(s.movedata4, y0, ty, s.movedata5 * d, s.movedata6);
  s.y += s.movedata4 * d;
  if (s.moveduration > 0.0f) {
    s.moveduration -= d;
    if (s.moveduration < 1.0f) EndSprite(s);
  }
}

void InertiaToSprite(MGE_Sprite& s) {
  if (!s.spritetotarget) return LoseTarget(s);
  Inertia(s, s.spritetotarget->x, s.spritetotarget->y);
  if (s.spritetotarget->killed == 1) LoseTarget(s);
}

// The pointer in window pixels taken into the sprites' frame and scaled into the game.
void InertiaToPointer(MGE_Sprite& s) {
  const MGE_KitState& kit = KitState();
  float tx = (float(MousePosX()) + *kit.mapOffsetX - kit.spriteDrawOffsetX) * kit.mouseScaleX;
  float ty = (float(MousePosY()) + *kit.mapOffsetY - kit.spriteDrawOffsetY) * kit.mouseScaleY;
  Inertia(s, tx, ty);
}

void TrackAndWrap(MGE_Sprite& s) {
  if (!s.spritetotarget) return LoseTarget(s);
  float d = vorpel::FrameDelta;
  float tx = s.spritetotarget->x, ty = s.spritetotarget->y;
  s.x += s.xspeed * d;
  s.y += s.yspeed * d;
  s.x += s.xthrust * d;
  s.y += s.ythrust * d;
  Accelerate(s.xthrust, s.x, tx, s.xgravity * d, s.movedata1);
  Accelerate(s.ythrust, s.y, ty, s.ygravity * d, s.movedata2);
  if (s.x < s.boundry_left) s.x = s.boundry_right;
  else if (s.y < s.boundry_top) s.y = s.boundry_bottom;
  else if (s.x > s.boundry_right) s.x = s.boundry_left;
  else if (s.y > s.boundry_bottom) s.y = s.boundry_top;
}

}  // namespace

namespace vorpel::detail {

void RunHomingEngine(MGE_Sprite& s) {
  switch (s.engine_type) {
    case kEngineHoming:
      return HomeOnSprite(s);
    case kEngineHomingXY:
      return HomeOnPoint(s);
    case kEngineInertia:
      return InertiaToSprite(s);
    case kEngineInertiaMouse:
      return InertiaToPointer(s);
    case kEngineTrackGWrap:
      return TrackAndWrap(s);
    default:
      return;
  }
}

}  // namespace vorpel::detail
