#pragma once
// A sprite's collision box in game coordinates, scaled with the sprite or as it stands. The
// spot follows the signed axis scale, so a mirrored sprite mirrors it; the size uses the
// magnitudes.
#include <cmath>

#include "kit/sprites/sprite.hpp"

struct MGE_CollideBox {
  float left = 0, top = 0, width = 0, height = 0;
};

inline MGE_CollideBox ScaledCollideBox(const MGE_Sprite& s) {
  float k = std::fabs(s.scale);
  float w = k * std::fabs(s.xscale) * s.collidewidth;
  float h = k * std::fabs(s.yscale) * s.collideheight;
  return {s.x + s.collidexspot * s.xscale * k - w / 2.0f,
          s.y + s.collideyspot * s.yscale * k - h / 2.0f, w, h};
}

inline MGE_CollideBox UnscaledCollideBox(const MGE_Sprite& s) {
  return {s.x + s.collidexspot - s.collidewidth / 2.0f,
          s.y + s.collideyspot - s.collideheight / 2.0f, s.collidewidth, s.collideheight};
}
