// The value behaviours' step: alpha, outline alpha, scale, x and y scale, frame animation and
// rotation, each a value moving between bounds under a numbered mode.
#include <cmath>

#include "kit/kit_state.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_steps.hpp"

namespace {

// One behaviour's fields. The helpers below take it by value and are forced inline, so the
// compiler works on the sprite's fields directly instead of building the record on the stack.
struct Value {
  float& v;
  int& mode;
  float& lower;
  float& upper;
  float& dir;
  float& duration;
};

// What a step did to the picture of an animation.
enum class Outcome { kShown, kEnded, kTimedOut, kUnknownMode };

[[gnu::always_inline]] inline void Bounce(Value b, float tested) {
  if (tested > b.upper) {
    b.v = b.upper;
    b.dir = -b.dir;
  } else if (tested < b.lower) {
    b.v = b.lower;
    b.dir = -b.dir;
  }
}

// Modes 1-6, which every behaviour has, after the value has moved. `tested` is what the bounds
// are compared with; reset is mode 6's value.
[[gnu::always_inline]] inline Outcome SharedModes(MGE_Sprite& s, Value b, float tested,
                                                 float reset) {
  switch (b.mode) {
    case 1:
      Bounce(b, tested);
      return Outcome::kShown;
    case 2:
      if (tested > b.upper) b.v = b.lower;
      else if (tested < b.lower) b.v = b.upper;
      return Outcome::kShown;
    case 3:
      if (tested > b.upper || tested < b.lower) {
        b.v = tested > b.upper ? b.upper : b.lower;
        b.mode = 0;
      }
      return Outcome::kShown;
    case 4:
      if (tested > b.upper || tested < b.lower) {
        s.readytodie = 1;
        return Outcome::kEnded;
      }
      return Outcome::kShown;
    case 5:
      Bounce(b, tested);
      b.duration -= vorpel::FrameDelta;
      if (b.duration < 0.0f) {
        b.v = b.upper;
        b.mode = 0;
        s.collision_enabled = 1;
        return Outcome::kTimedOut;
      }
      return Outcome::kShown;
    case 6:
      if (tested > b.upper || tested < b.lower) {
        b.v = reset;
        b.mode = 0;
      }
      return Outcome::kShown;
    default:
      return Outcome::kUnknownMode;
  }
}

// Rises to the upper bound and turns; once falling, stops at the lower bound.
[[gnu::always_inline]] inline void Pulse(Value b) {
  if (b.dir > 0.0f) {
    if (b.v > b.upper) {
      b.v = b.upper;
      b.dir = -b.dir;
    }
  } else if (b.v < b.lower) {
    b.v = b.lower;
    b.mode = 0;
  }
}

// Bounces for the duration, then turns into a fade-out that ends the sprite.
[[gnu::always_inline]] inline void BounceThenFade(Value b) {
  Bounce(b, b.v);
  b.duration -= vorpel::FrameDelta;
  if (b.duration < 0.0f) {
    b.mode = 4;
    b.lower = 0.0f;
    b.upper = 1.0f;
    b.dir = -std::fabs(b.dir);
  }
}

// Fades in, holds, fades out; the lower-bound field holds the phase.
[[gnu::always_inline]] inline void InHoldOut(MGE_Sprite& s, Value b, int endFlag) {
  if (b.lower == 1.0f) {
    b.v += b.dir * vorpel::FrameDelta;
    if (b.v > b.upper) {
      b.v = b.upper;
      b.lower = 2.0f;
    }
  } else if (b.lower == 2.0f) {
    b.duration -= vorpel::FrameDelta;
    if (b.duration < 0.0f) {
      b.lower = 3.0f;
      b.dir = -b.dir;
    }
  } else if (b.lower == 3.0f) {
    b.v += b.dir * vorpel::FrameDelta;
    if (b.v < 0.0f) {
      b.v = 0.0f;
      if (endFlag == 0) s.readytodie = 1;
      else b.mode = 0;
    }
  }
}

[[gnu::always_inline]] inline void StepOutlineAlpha(MGE_Sprite& s) {
  Value b{s.outlinealpha, s.outlinealphafading, s.outlinealphafademin, s.outlinealphafademax,
          s.outlinealphafadedir, s.outlinealphafadeduration};
  if (b.mode == 7) return InHoldOut(s, b, s.outlinealphafadeflags);
  b.v += b.dir * vorpel::FrameDelta;
  if (b.mode == 8) return BounceThenFade(b);
  SharedModes(s, b, b.v, 1.0f);
}

[[gnu::always_inline]] inline void StepAlpha(MGE_Sprite& s) {
  Value b{s.alpha, s.alphafading, s.alphafademin, s.alphafademax, s.alphafadedir,
          s.alphafadeduration};
  if (b.mode == 7) return InHoldOut(s, b, s.alphafadeflags);
  if (b.mode == 9) {
    if (s.alphafromsprite) s.alpha = s.alphafromsprite->alpha;
    return;
  }
  b.v += b.dir * vorpel::FrameDelta;
  if (b.mode == 8) return BounceThenFade(b);
  if (b.mode == 10) return Pulse(b);
  SharedModes(s, b, b.v, 1.0f);
}

[[gnu::always_inline]] inline void StepScale(MGE_Sprite& s) {
  Value b{s.scale, s.scaling, s.scalingmin, s.scalingmax, s.scalingdir, s.scalingduration};
  b.v += b.dir * vorpel::FrameDelta;
  if (b.mode == 7) return Pulse(b);
  SharedModes(s, b, b.v, 1.0f);
}

// x scale, y scale and rotation: the shared modes only.
[[gnu::always_inline]] inline void StepPlain(MGE_Sprite& s, Value b, float reset) {
  b.v += b.dir * vorpel::FrameDelta;
  SharedModes(s, b, b.v, reset);
}

// The bounds are tested against the whole frame number; the picture follows the frame unless
// the step ended the sprite, ran out its time, or the mode is unknown.
[[gnu::always_inline]] inline void StepAnimation(MGE_Sprite& s) {
  Value b{s.animtile, s.animating, s.animin, s.animax, s.anidir, s.aniduration};
  b.v += b.dir * vorpel::FrameDelta;
  if (SharedModes(s, b, std::trunc(b.v), 1.0f) == Outcome::kShown) s.UpdateImgFromAnimTile();
}

}  // namespace

namespace vorpel::detail {

void RunValueBehaviours(MGE_Sprite& s) {
  if (s.outlinealphafading) StepOutlineAlpha(s);
  if (s.alphafading) StepAlpha(s);
  if (s.scaling) StepScale(s);
  if (s.xscaling)
    StepPlain(s, {s.xscale, s.xscaling, s.xscalingmin, s.xscalingmax, s.xscalingdir,
                  s.xscalingduration}, 1.0f);
  if (s.yscaling)
    StepPlain(s, {s.yscale, s.yscaling, s.yscalingmin, s.yscalingmax, s.yscalingdir,
                  s.yscalingduration}, 1.0f);
  if (s.animating) StepAnimation(s);
  if (s.rotating)
    StepPlain(s, {s.rot, s.rotating, s.rotatingmin, s.rotatingmax, s.rotatingdir,
                  s.rotatingduration}, 0.0f);
}

}  // namespace vorpel::detail
