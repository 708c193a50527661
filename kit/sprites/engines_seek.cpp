// Engines that steer to a point, the pointer or a sprite, stick to them, or orbit a sprite.
#include "kit/kit_state.hpp"
#include "kit/sprites/engines.hpp"
#include "kit/sprites/sprite_steps.hpp"

namespace {

using namespace vorpel::detail;

// Moves to (dx, dy); on arrival raises the event and applies flags: 1 stops the engine, 2 ends
// the sprite, anything else keeps it running on the spot.
void MoveTo(MGE_Sprite& s, float dx, float dy, int event) {
  if (!StepTowards(s, dx, dy, s.speed, s.thrust)) return;
  RaiseSpriteEvent(s, event);
  if (s.flags == 1) s.engine_type = kEngineNone;
  else if (s.flags == 2) EndSprite(s);
}

void MoveToSprite(MGE_Sprite& s) {
  if (!s.spritetotarget) return LoseTarget(s);
  s.xdest = s.spritetotarget->x;
  s.ydest = s.spritetotarget->y;
  MoveTo(s, s.xdest, s.ydest, kEventArrivedAtSprite);
}

void Orbit(MGE_Sprite& s) {
  if (!s.spritetotarget) return LoseTarget(s);
  const MGE_Sprite& target = *s.spritetotarget;
  s.x = target.x + Cosd(s.orbitangle) * s.orbitradius;
  s.y = target.y + Sind(s.orbitangle) * s.orbitradius;
  s.orbitangle += s.speed * vorpel::FrameDelta;
  if (target.killed == 1) LoseTarget(s);
}

// Eases towards the pointer; a speed of 0 would divide by zero and leaves the sprite still.
void FollowMouse(MGE_Sprite& s) {
  s.xdist = PointerX() - s.x;
  s.ydist = PointerY() - s.y;
  if (s.speed == 0.0f) {
    s.xdir = s.ydir = 0.0f;
    return;
  }
  s.xdir = s.xdist / s.speed;
  s.ydir = s.ydist / s.speed;
  s.x += s.xdir * vorpel::FrameDelta;
  s.y += s.ydir * vorpel::FrameDelta;
}

void Latch(MGE_Sprite& s) {
  if (!s.spritetotarget || s.spritetotarget->killed == 1) return LoseTarget(s);
  s.x = s.spritetotarget->x + s.xoffset;
  s.y = s.spritetotarget->y + s.yoffset;
}

}  // namespace

namespace vorpel::detail {

void RunSeekEngine(MGE_Sprite& s) {
  switch (s.engine_type) {
    case kEngineMoveToXY:
      return MoveTo(s, s.xdest, s.ydest, kEventArrivedAtPoint);
    case kEngineMoveToMouse:
      return MoveTo(s, PointerX(), PointerY(), kEventArrivedAtMouse);
    case kEngineMoveToSprite:
      return MoveToSprite(s);
    case kEngineMouse:
      s.x = PointerX() + s.mousexoffset;
      s.y = PointerY() + s.mouseyoffset;
      return;
    case kEngineOrbit:
      return Orbit(s);
    case kEngineFollowMouse:
      return FollowMouse(s);
    case kEngineLatch:
      return Latch(s);
    default:
      return;
  }
}

}  // namespace vorpel::detail
