// The operations that select a movement engine and fill in its fields. Fields an operation
// does not name keep their values.
#include "kit/game_helpers.hpp"
#include "kit/sprites/engines.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/random.hpp"

using namespace vorpel::detail;

namespace {

void SetBounds(MGE_Sprite& s, float left, float top, float right, float bottom) {
  s.boundry_left = left;
  s.boundry_top = top;
  s.boundry_right = right;
  s.boundry_bottom = bottom;
}

void SetFlight(MGE_Sprite& s, float xspeed, float yspeed, float xthrust, float ythrust,
               float left, float top, float right, float bottom, int flags) {
  s.xspeed = xspeed;
  s.yspeed = yspeed;
  s.xthrust = xthrust;
  s.ythrust = ythrust;
  SetBounds(s, left, top, right, bottom);
  s.flags = flags;
}

void SetShot(MGE_Sprite& s, float angle, float speed, float xthrust, float ythrust, float left,
             float top, float right, float bottom, int flags) {
  MGE_XY v = MGE_GameHelpers::GetDirection(angle, speed);
  SetFlight(s, v.x, v.y, xthrust, ythrust, left, top, right, bottom, flags);
}

void SetHoming(MGE_Sprite& s, float angle, float speed, float turnrate, float accelerate,
               float initialmovelength) {
  MGE_XY v = MGE_GameHelpers::GetDirection(angle, speed);
  s.xspeed = v.x;
  s.yspeed = v.y;
  s.homing_angle = angle;
  s.homing_speed = speed;
  s.homing_turnrate = turnrate;
  s.homing_accelerate = accelerate;
  s.homing_initialmovelength = initialmovelength;
}

void SetInertia(MGE_Sprite& s, float xaccel, float xmax, float yaccel, float ymax,
                float duration) {
  s.movedata1 = 0.0f;
  s.movedata2 = xaccel;
  s.movedata3 = xmax;
  s.movedata4 = 0.0f;
  s.movedata5 = yaccel;
  s.movedata6 = ymax;
  s.moveduration = duration;
}

}  // namespace

int MGE_SpriteHandler::AutoSpritePong(MGE_Sprite* s, float xspeed, float yspeed, float left,
                                      float top, float right, float bottom) {
  if (!s) return 0;
  s->xspeed = xspeed;
  s->yspeed = yspeed;
  SetBounds(*s, left, top, right, bottom);
  s->engine_type = kEnginePong;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMove(MGE_Sprite* s, float xspeed, float yspeed, float xthrust,
                                      float ythrust, float left, float top, float right,
                                      float bottom, int flags) {
  if (!s) return 0;
  SetFlight(*s, xspeed, yspeed, xthrust, ythrust, left, top, right, bottom, flags);
  s->engine_type = kEngineMove;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMoveWrap(MGE_Sprite* s, float xspeed, float yspeed, float left,
                                          float top, float right, float bottom) {
  if (!s) return 0;
  s->xspeed = xspeed;
  s->yspeed = yspeed;
  SetBounds(*s, left, top, right, bottom);
  s->flags = 1;
  s->engine_type = kEngineMove;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteShoot(MGE_Sprite* s, float angle, float speed, float xthrust,
                                       float ythrust, float left, float top, float right,
                                       float bottom, int flags) {
  if (!s) return 0;
  SetShot(*s, angle, speed, xthrust, ythrust, left, top, right, bottom, flags);
  s->engine_type = kEngineMove;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteShootWrap(MGE_Sprite* s, float angle, float speed,
                                           float xthrust, float ythrust, float left, float top,
                                           float right, float bottom) {
  return AutoSpriteShoot(s, angle, speed, xthrust, ythrust, left, top, right, bottom, 1);
}

int MGE_SpriteHandler::AutoSpriteShootDuration(MGE_Sprite* s, float angle, float speed,
                                               float xthrust, float ythrust, float left,
                                               float top, float right, float bottom, int flags,
                                               float duration) {
  if (!s) return 0;
  SetShot(*s, angle, speed, xthrust, ythrust, left, top, right, bottom, flags);
  s->move_duration = duration;
  s->engine_type = kEngineShootDuration;
  return 0;
}

float MGE_SpriteHandler::AutoSpriteShootSprite(MGE_Sprite* s, const MGE_Sprite* target,
                                               float speed, float spread, float left, float top,
                                               float right, float bottom, int flags) {
  if (!s || !target) return 0.0f;
  float a = MGE_GameHelpers::GetAngle(s->x, s->y, target->x, target->y) +
            float(Rnd(-spread, spread));
  if (a < 0.0f) a += 360.0f;
  if (a > 360.0f) a -= 360.0f;
  SetShot(*s, a, speed, 0.0f, 0.0f, left, top, right, bottom, flags);
  s->engine_type = kEngineMove;
  return a;
}

int MGE_SpriteHandler::AutoSpriteMoveToXY(MGE_Sprite* s, float x, float y, float speed,
                                          float thrust, int flags) {
  if (!s) return 0;
  s->xdest = x;
  s->ydest = y;
  s->speed = speed;
  s->thrust = thrust;
  s->flags = flags;
  s->engine_type = kEngineMoveToXY;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMoveToMouse(MGE_Sprite* s, float speed, float thrust,
                                             int flags) {
  if (!s) return 0;
  s->speed = s->bufferspeed = speed;
  s->thrust = thrust;
  s->flags = flags;
  s->engine_type = kEngineMoveToMouse;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMoveToSprite(MGE_Sprite* s, MGE_SpritePtr target, float speed,
                                              float thrust, int flags) {
  if (!s) return 0;
  s->spritetotarget = std::move(target);
  s->speed = speed;
  s->thrust = thrust;
  s->flags = flags;
  s->engine_type = kEngineMoveToSprite;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMouse(MGE_Sprite* s, float xoffset, float yoffset) {
  if (!s) return 0;
  s->mousexoffset = xoffset;
  s->mouseyoffset = yoffset;
  s->engine_type = kEngineMouse;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteFollowMouse(MGE_Sprite* s, float speed) {
  if (!s) return 0;
  s->speed = speed;
  s->engine_type = kEngineFollowMouse;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteOrbitSprite(MGE_Sprite* s, MGE_SpritePtr target, float radius,
                                             float speed, float angle, int flags) {
  if (!s) return 0;
  s->spritetotarget = std::move(target);
  s->orbitradius = radius;
  s->speed = speed;
  s->orbitangle = angle;
  s->flags = flags;
  s->engine_type = kEngineOrbit;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMoveWrapRnd(MGE_Sprite* s, float xspeed, float yspeed,
                                             float left, float top, float right, float bottom) {
  if (!s) return 0;
  s->xspeed = xspeed;
  s->yspeed = yspeed;
  SetBounds(*s, left, top, right, bottom);
  s->engine_type = kEngineMoveWrapRnd;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteXBounce(MGE_Sprite* s, float xspeed, float yspeed,
                                         float ythrust, float xgravity, float xweight, float left,
                                         float top, float right, float bottom, int flags) {
  if (!s) return 0;
  // The speeds are taken too: the engine moves by them.
  SetFlight(*s, xspeed, yspeed, 0.0f, ythrust, left, top, right, bottom, flags);
  s->xgravity = xgravity;
  s->ygravity = 0.0f;
  s->xweight = xweight;
  s->yweight = 0.0f;
  s->engine_type = kEngineXBounce;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteYBounce(MGE_Sprite* s, float xspeed, float yspeed,
                                         float xthrust, float ygravity, float yweight, float left,
                                         float top, float right, float bottom, int flags) {
  if (!s) return 0;
  // The speeds are taken too: the engine moves by them.
  SetFlight(*s, xspeed, yspeed, xthrust, 0.0f, left, top, right, bottom, flags);
  s->xgravity = 0.0f;
  s->ygravity = ygravity;
  s->xweight = 0.0f;
  s->yweight = yweight;
  s->engine_type = kEngineYBounce;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteHoming(MGE_Sprite* s, MGE_SpritePtr target, float angle,
                                        float speed, float turnrate, float accelerate,
                                        float initialmovelength, float left, float top,
                                        float right, float bottom) {
  if (!s) return 0;
  s->spritetotarget = std::move(target);
  SetHoming(*s, angle, speed, turnrate, accelerate, initialmovelength);
  SetBounds(*s, left, top, right, bottom);
  s->engine_type = kEngineHoming;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteHomingXY(MGE_Sprite* s, float destx, float desty,
                                          float distance, float angle, float speed,
                                          float turnrate, float accelerate,
                                          float initialmovelength) {
  if (!s) return 0;
  s->homing_destx = destx;
  s->homing_desty = desty;
  s->homing_distance = distance;
  SetHoming(*s, angle, speed, turnrate, accelerate, initialmovelength);
  s->engine_type = kEngineHomingXY;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteInertiaTracking(MGE_Sprite* s, MGE_SpritePtr target,
                                                 float xaccel, float xmax, float yaccel,
                                                 float ymax, float duration) {
  if (!s) return 0;
  s->spritetotarget = std::move(target);
  SetInertia(*s, xaccel, xmax, yaccel, ymax, duration);
  s->engine_type = kEngineInertia;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteInertiaTrackingMouse(MGE_Sprite* s, float xaccel, float xmax,
                                                      float yaccel, float ymax, float duration) {
  if (!s) return 0;
  SetInertia(*s, xaccel, xmax, yaccel, ymax, duration);
  s->engine_type = kEngineInertiaMouse;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMoveTrackGWrap(MGE_Sprite* s, MGE_SpritePtr target,
                                                float xspeed, float yspeed, float xgravity,
                                                float ygravity, float xmax, float ymax,
                                                float left, float top, float right,
                                                float bottom) {
  if (!s) return 0;
  s->spritetotarget = std::move(target);
  s->xspeed = xspeed;
  s->yspeed = yspeed;
  s->xthrust = s->ythrust = 0.0f;
  s->xgravity = xgravity;
  s->ygravity = ygravity;
  s->movedata1 = xmax;
  s->movedata2 = ymax;
  SetBounds(*s, left, top, right, bottom);
  s->engine_type = kEngineTrackGWrap;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMoveRadius(MGE_Sprite* s, float xspeed, float yspeed,
                                            float xthrust, float ythrust, float cosangle,
                                            float cosspeed, float cosradius, float sinangle,
                                            float sinspeed, float sinradius, float left,
                                            float top, float right, float bottom, int flags) {
  if (!s) return 0;
  SetFlight(*s, xspeed, yspeed, xthrust, ythrust, left, top, right, bottom, flags);
  s->cosangle = cosangle;
  s->cosspeed = cosspeed;
  s->cosradius = cosradius;
  s->sinangle = sinangle;
  s->sinspeed = sinspeed;
  s->sinradius = sinradius;
  s->engine_type = kEngineMoveRadius;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteMovePause(MGE_Sprite* s, float time) {
  if (!s) return 0;
  // Pausing a paused engine only renews the time: the engine it resumes stays the same.
  if (s->engine_type != kEngineMovePause) s->engine_typebuffer = s->engine_type;
  s->engine_movepause = time;
  s->engine_type = kEngineMovePause;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteLatch(MGE_Sprite* s, MGE_SpritePtr target, float xoffset,
                                       float yoffset) {
  if (!s) return 0;
  s->spritetotarget = std::move(target);
  s->xoffset = xoffset;
  s->yoffset = yoffset;
  s->engine_type = kEngineLatch;
  return 0;
}
