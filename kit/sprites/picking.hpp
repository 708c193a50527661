#pragma once
// What lies under a point: sprites with collision on, by their collision box scaled with the
// sprite or as it stands.
#include "kit/sprites/sprite.hpp"

bool SpriteHoldsPoint(const MGE_Sprite& s, float x, float y, bool scaled);
// The first sprite of the layer holding (x, y); none when there is none.
MGE_SpritePtr FirstSpriteAt(int layer, float x, float y, bool scaled);
