#pragma once
// Names for the numbers the sprite handler's int mode and flags parameters take. The
// parameters stay plain ints; these only say what each number does.

// The mode of a value behaviour (AutoSpriteAlphaFade, ...OutlineAlphaFade, ...Scale, ...XScale,
// ...YScale, ...Rotate, ...Animate). Each step first adds speed x FrameDelta to the value,
// then applies the mode at the bounds min and max.
enum SpriteValueMode : int {
  kValueOff = 0,
  kValueBounce = 1,             // turn back at either bound; runs until changed
  kValueWrap = 2,               // past one bound, start again at the other
  kValueOnce = 3,               // stop at the bound, behaviour off
  kValueOnceThenEnd = 4,        // past a bound the sprite dies
  kValueBounceForTime = 5,      // bounce for the duration, then stop at max
  kValueOnceThenReset = 6,      // past a bound back to the rest value (1, rotation 0, frame 1)
  kValueInHoldOut = 7,          // alpha only: fade in, hold for the duration, fade out
  kValueScalePulse = 7,         // scale only: up to max, back down to min, then off
  kValueBounceThenFadeOut = 8,  // alpha only: bounce for the duration, then fade out and die
  kValueLatch = 9,              // alpha only: copies another sprite's alpha (AutoSpriteAlphaLatch)
  kValuePulse = 10,             // alpha only: as kValueScalePulse
};

// AutoSpriteAlphaFadeOnAndOff's flags: what the end of the fade-out does.
enum SpriteFadeEnd : int { kFadeEndDies = 0, kFadeEndStays = 1 };

// What a flying sprite does at its rectangle's edges (AutoSpriteMove, ...Shoot,
// ...ShootDuration, ...ShootSprite, ...MoveRadius flags). Ending raises sprite event 4.
enum SpriteEdgeFlags : int {
  kEdgeEnd = 0,                  // ends at every edge
  kEdgeWrap = 1,                 // wraps at every edge
  kEdgeEndSidesWrapTopBottom = 2,
  kEdgeWrapSidesEndTopBottom = 3,
};

// What a move-to engine does on arrival (AutoSpriteMoveToXY, ...ToMouse, ...ToSprite flags).
enum SpriteArrival : int { kArriveKeepGoing = 0, kArriveStop = 1, kArriveEnd = 2 };
