// Picking sprites with a point or the pointer: always the scaled collision box, whatever the
// shape, and whether collision is on or off.
#include "kit/game_helpers.hpp"
#include "kit/mouse.hpp"
#include "kit/sprites/collide_box.hpp"
#include "kit/sprites/picking.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_tables.hpp"

int MGE_SpriteHandler::IsPointInSprite(float x, float y, const MGE_Sprite* s) {
  if (!s) return 0;
  MGE_CollideBox b = ScaledCollideBox(*s);
  return MGE_GameHelpers::IsPointInRect(x, y, b.left, b.top, b.width, b.height);
}

int MGE_SpriteHandler::IsMouseOverSprite(const MGE_Sprite* s) {
  return IsPointInSprite(MGE_MouseType::X(), MGE_MouseType::Y(), s);
}

int MGE_SpriteHandler::GetMouseOverSprite(int layer, MGE_SpriteFunction f) {
  MGE_SpriteListPtr list = SpriteLayer(layer);
  if (!list || !f) return 0;
  float mx = MGE_MouseType::X(), my = MGE_MouseType::Y();
  list->ForEach([&](MGE_Sprite& s) {
    if (IsPointInSprite(mx, my, &s)) f(&s);
  });
  return 0;
}

bool SpriteHoldsPoint(const MGE_Sprite& s, float x, float y, bool scaled) {
  if (s.collision_enabled != 1) return false;
  MGE_CollideBox b = scaled ? ScaledCollideBox(s) : UnscaledCollideBox(s);
  return MGE_GameHelpers::IsPointInRect(x, y, b.left, b.top, b.width, b.height) == 1;
}

MGE_SpritePtr FirstSpriteAt(int layer, float x, float y, bool scaled) {
  const MGE_SpriteListPtr& list = SpriteLayer(layer);
  if (!list) return nullptr;
  // Nothing is called during the scan, so a plain read of the list is safe.
  for (auto* node = list->First().get(); node; node = node->next.get())
    if (node->value && SpriteHoldsPoint(*node->value, x, y, scaled)) return node->value;
  return nullptr;
}
