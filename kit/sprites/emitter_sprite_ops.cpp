// The sprite handler's side of sprite emitters.
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_tables.hpp"

namespace {

// Sums a count over the sprites of a layer.
template <class F>
int SumOverLayer(int layer, F count) {
  int total = 0;
  if (const MGE_SpriteListPtr& list = SpriteLayer(layer))
    list->ForEach([&](MGE_Sprite& s) { total += int(count(s)); });
  return total;
}

}  // namespace

MGE_EmitterPtr MGE_SpriteHandler::GetNewSpriteEmitter(MGE_Sprite* sprite,
                                                      const MGE_EmitterConfig& config) {
  if (!sprite) return nullptr;
  MGE_EmitterPtr e = MakeEmitter(config);
  e->scale = config.scale * sprite->scale;
  e->sprite = SharedSprite(sprite);
  e->link = sprite->emitterlist.AddLast(e);
  sprite->emitterontop = 1;
  return e;
}

int MGE_SpriteHandler::SetSpriteEmitterOnTop(MGE_Sprite* sprite) {
  if (sprite) sprite->emitterontop = 1;
  return 0;
}

int MGE_SpriteHandler::SetSpriteEmitterOnBottom(MGE_Sprite* sprite) {
  if (sprite) sprite->emitterontop = 0;
  return 0;
}

int MGE_SpriteHandler::GetSpriteEmitterCount(int layer) {
  return SumOverLayer(layer, [](const MGE_Sprite& s) { return s.emitterlist.Count(); });
}

int MGE_SpriteHandler::GetSpriteEmitterSpriteCount(int layer) {
  return SumOverLayer(layer, [](const MGE_Sprite& s) { return s.emitterSpriteList.Count(); });
}
