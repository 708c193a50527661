// Engines that fly by velocity inside the movement rectangle: bounce, fly with thrust, random
// re-entry, the two gravity bounces, the wave and the timed flight.
#include "kit/kit_state.hpp"
#include "kit/sprites/engines.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "kit/truncate.hpp"
#include "platform/random.hpp"

namespace {

using namespace vorpel::detail;

// Puts a position that passed a bound back on it and turns its speed round.
void Reflect(float& pos, float& speed, float low, float high) {
  if (pos > high) {
    pos = high;
    speed = -speed;
  }
  if (pos < low) {
    pos = low;
    speed = -speed;
  }
}

void Pong(MGE_Sprite& s) {
  s.x += s.xspeed * vorpel::FrameDelta;
  s.y += s.yspeed * vorpel::FrameDelta;
  Reflect(s.x, s.xspeed, s.boundry_left, s.boundry_right);
  Reflect(s.y, s.yspeed, s.boundry_top, s.boundry_bottom);
}

float RandomAlong(float low, float high) { return float(Rand(TruncToInt(low), TruncToInt(high))); }

// Re-enters on the opposite edge at a random whole-number place along it.
void MoveWrapRandom(MGE_Sprite& s) {
  s.x += s.xspeed * vorpel::FrameDelta;
  s.y += s.yspeed * vorpel::FrameDelta;
  if (s.x < s.boundry_left) {
    s.x = s.boundry_right;
    s.y = RandomAlong(s.boundry_top, s.boundry_bottom);
  } else if (s.y < s.boundry_top) {
    s.y = s.boundry_bottom;
    s.x = RandomAlong(s.boundry_left, s.boundry_right);
  } else if (s.x > s.boundry_right) {
    s.x = s.boundry_left;
    s.y = RandomAlong(s.boundry_top, s.boundry_bottom);
  } else if (s.y > s.boundry_bottom) {
    s.y = s.boundry_top;
    s.x = RandomAlong(s.boundry_left, s.boundry_right);
  }
}

void Die(MGE_Sprite& s) {
  EndSprite(s);
  RaiseSpriteEvent(s, kEventLeftBounds);
}

// Bounces off a side, keeping xweight of its energy.
void BounceX(MGE_Sprite& s, float side) {
  s.x = side;
  s.xthrust = -(s.xthrust * s.xweight);
  RaiseSpriteEvent(s, kEventBounced);
}

void BounceY(MGE_Sprite& s, float side) {
  s.y = side;
  s.ythrust = -(s.ythrust * s.yweight);
  RaiseSpriteEvent(s, kEventBounced);
}

void XBounce(MGE_Sprite& s) {
  float d = vorpel::FrameDelta;
  s.x += s.xspeed * d;
  s.y += s.yspeed * d;
  s.yspeed += s.ythrust * d;
  s.x += s.xthrust * d;
  s.xthrust += s.xgravity * d;
  if (s.x < s.boundry_left) BounceX(s, s.boundry_left);
  else if (s.y < s.boundry_top) Die(s);
  else if (s.x > s.boundry_right) BounceX(s, s.boundry_right);
  else if (s.y > s.boundry_bottom) Die(s);
}

void YBounce(MGE_Sprite& s) {
  float d = vorpel::FrameDelta;
  s.x += s.xspeed * d;
  s.y += s.yspeed * d;
  s.xspeed += s.xthrust * d;
  s.y += s.ythrust * d;
  s.ythrust += s.ygravity * d;
  if (s.x < s.boundry_left) Die(s);
  else if (s.y < s.boundry_top) BounceY(s, s.boundry_top);
  else if (s.x > s.boundry_right) Die(s);
  else if (s.y > s.boundry_bottom) BounceY(s, s.boundry_bottom);
}

void MoveRadius(MGE_Sprite& s) {
  float d = vorpel::FrameDelta;
  s.cosangle += s.cosspeed * d;
  s.sinangle += s.sinspeed * d;
  s.x += Cosd(s.cosangle) * s.cosradius * d;
  s.y += Sind(s.sinangle) * s.sinradius * d;
  MoveWithThrust(s);
  EdgeRule(s);
}

// Flies until its time runs out, then stops where it is.
void ShootDuration(MGE_Sprite& s) {
  MoveWithThrust(s);
  s.move_duration -= vorpel::FrameDelta;
  if (s.move_duration < 1.0f) {
    s.engine_type = kEngineNone;
    RaiseSpriteEvent(s, kEventShotExpired);
    return;
  }
  EdgeRule(s);
}

}  // namespace

namespace vorpel::detail {

void RunFlyEngine(MGE_Sprite& s) {
  switch (s.engine_type) {
    case kEnginePong:
      return Pong(s);
    case kEngineMove:
      MoveWithThrust(s);
      return EdgeRule(s);
    case kEngineMoveWrapRnd:
      return MoveWrapRandom(s);
    case kEngineXBounce:
      return XBounce(s);
    case kEngineYBounce:
      return YBounce(s);
    case kEngineMoveRadius:
      return MoveRadius(s);
    case kEngineShootDuration:
      return ShootDuration(s);
    default:
      return;
  }
}

}  // namespace vorpel::detail
