// Making sprites: the one factory and the ways into it.
#include "kit/pack.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_tables.hpp"
#include "kit/truncate.hpp"

MGE_SpritePtr MGE_SpriteHandler::CreateSprite(int img, float srcx, float srcy, float width,
                                              float height, const MGE_SpriteListPtr& list,
                                              int order) {
  if (!list) return nullptr;
  auto s = std::make_shared<MGE_Sprite>();
  s->readytodie = 0;
  s->scale = s->xscale = s->yscale = s->alpha = 1.0f;
  s->blend = 3;
  s->red = s->green = s->blue = 255.0f;
  s->enabled = 1;
  s->srcx = srcx;
  s->srcy = srcy;
  s->width = width;
  s->height = height;
  s->trailsontop = 1;
  s->collision_enabled = 1;
  s->collidetype = 1;
  s->collidexspot = s->collideyspot = 0.0f;
  s->collidewidth = width;
  s->collideheight = height;
  s->tilecheckwidth = width;
  s->tilecheckheight = TruncToInt(height);
  s->img = img;
  s->listid = list;
  s->link = order == 1 ? list->AddLast(s) : list->AddFirst(s);
  return s;
}

MGE_SpritePtr MGE_SpriteHandler::GetNewSprite(int layer, int img, float srcx, float srcy,
                                              float width, float height, int order) {
  return CreateSprite(img, srcx, srcy, width, height, SpriteLayer(layer), order);
}

MGE_SpritePtr MGE_SpriteHandler::GetNewSpriteFromSpriteImage(int layer, const MGE_Sprite* source,
                                                             int order) {
  if (!source) return nullptr;
  return CreateSprite(source->img, source->srcx, source->srcy, source->width, source->height,
                      SpriteLayer(layer), order);
}

MGE_SpritePtr MGE_SpriteHandler::GetNewSpriteFromPack(const std::string& name, float x, float y,
                                                      int layer, int order,
                                                      MGE_SpriteFunction customfunc) {
  const MGE_PackDefinitionType* def = MGE_Pack::Find(name);
  if (!def) return nullptr;
  MGE_SpritePtr s = CreateSprite(def->textureid, float(def->srcx), float(def->srcy),
                                 float(def->width), float(def->height), SpriteLayer(layer), order);
  if (!s) return nullptr;
  s->x = x;
  s->y = y;
  if (customfunc) s->SetEngineHook(std::move(customfunc));
  return s;
}

MGE_SpritePtr MGE_SpriteHandler::GetNewSpriteAndAnim(const std::string& name, float speed,
                                                     int mode, int layer, int order) {
  int slot = FindSpriteAnim(name);
  if (slot == 0) return nullptr;
  const MGE_SpriteAnimFramesType& set = vorpel::spriteAnims[std::size_t(slot)];
  MGE_SpritePtr s = CreateSprite(set.img[1], float(set.srcx[1]), float(set.srcy[1]),
                                 float(set.srcwidth), float(set.srcheight), SpriteLayer(layer),
                                 order);
  if (!s) return nullptr;
  s->animating = mode;
  s->animindex = slot;
  s->animtile = 1.0f;
  s->animin = 1.0f;
  s->animax = float(set.totalframes);
  s->anidir = speed;
  return s;
}
