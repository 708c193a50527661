#pragma once
// A sprite's collision shape, one box or one circle placed about its centre, scaled with the
// sprite or taken as it stands, and whether two shapes touch.
#include "kit/sprites/collide_box.hpp"
#include "kit/sprites/sprite.hpp"

namespace vorpel::detail {

// Shapes in collidetype. Other values give no shape, which touches nothing.
enum CollideType : int { kCollideBox = 1, kCollideCircle = 2 };

struct CollideShape {
  int type = 0;
  MGE_CollideBox box;           // a box
  float cx = 0, cy = 0, r = 0;  // a circle
};

// The spot follows the signed axis scale, the size its magnitude.
CollideShape ScaledCollideShape(const MGE_Sprite& s);
CollideShape UnscaledCollideShape(const MGE_Sprite& s);
// Boxes touching at an edge touch; a circle must come closer than its radius to a box; two
// circles touch when the whole-number distance of their centres is at most the radii's sum.
bool ShapesTouch(const CollideShape& a, const CollideShape& b);

// A sprite takes part in a collision test only while enabled with collision on.
inline bool CanCollide(const MGE_Sprite& s) { return s.enabled != 0 && s.collision_enabled != 0; }

}  // namespace vorpel::detail
