// Z-order and the stable sorts of a layer. Each sort puts a after b exactly when its
// greater-than test holds, and keeps equal sprites in their order.
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_tables.hpp"

namespace {

// Sorts ascending under a greater-than test: b goes before a when after(a, b).
template <class After>
void SortList(const MGE_SpriteListPtr& list, After after) {
  if (list) list->StableSort([&](const MGE_Sprite& a, const MGE_Sprite& b) { return after(b, a); });
}

float LowerEdge(const MGE_Sprite& s) { return s.y + s.height * s.scale / 2.0f; }

bool AfterOnZorder(const MGE_Sprite& a, const MGE_Sprite& b) { return a.zorder > b.zorder; }

}  // namespace

int MGE_SpriteHandler::SetZorder(MGE_Sprite* sprite, float z) {
  if (!sprite) return 0;
  sprite->zorder = z;
  SortList(sprite->listid.lock(), AfterOnZorder);
  return 0;
}

float MGE_SpriteHandler::GetZorder(const MGE_Sprite* sprite) {
  return sprite ? sprite->zorder : 0.0f;
}

int MGE_SpriteHandler::SortSpritesOnZorder(int layer) {
  SortList(SpriteLayer(layer), AfterOnZorder);
  return 0;
}

int MGE_SpriteHandler::SortSpritesOnScale(int layer) {
  SortList(SpriteLayer(layer),
           [](const MGE_Sprite& a, const MGE_Sprite& b) { return a.scale > b.scale; });
  return 0;
}

int MGE_SpriteHandler::SortSpritesOnScaleS(int layer) {
  SortList(SpriteLayer(layer),
           [](const MGE_Sprite& a, const MGE_Sprite& b) { return a.scale < b.scale; });
  return 0;
}

int MGE_SpriteHandler::SortSpritesOnY(int layer) {
  SortList(SpriteLayer(layer),
           [](const MGE_Sprite& a, const MGE_Sprite& b) { return LowerEdge(a) > LowerEdge(b); });
  return 0;
}

int MGE_SpriteHandler::SortSpritesOnYAndX(int layer) {
  SortList(SpriteLayer(layer), [](const MGE_Sprite& a, const MGE_Sprite& b) {
    return a.y > b.y || (a.y == b.y && a.x > b.x);
  });
  return 0;
}
