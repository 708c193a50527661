#include "kit/sprites/sprite.hpp"

#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_anims.hpp"
#include "kit/truncate.hpp"

int MGE_Sprite::kill() {
  pausing = 0;
  enabled = 0;
  killed = 1;
  collision_enabled = 0;
  customfunc = nullptr;
  spritetotarget.reset();
  spritetoface.reset();
  alphafromsprite.reset();
  spritehit.reset();
  listid.reset();
  emitterlist.Clear();
  emitterSpriteList.Clear();
  MGE_SpriteList::Remove(link.lock().get());
  return 0;
}

int MGE_Sprite::AddXY(float dx, float dy) {
  x += dx * vorpel::FrameDelta;
  y += dy * vorpel::FrameDelta;
  return 0;
}

int MGE_Sprite::AddXYNoDelta(float dx, float dy) {
  x += dx;
  y += dy;
  return 0;
}

int MGE_Sprite::AddX(float d) {
  x += d * vorpel::FrameDelta;
  return 0;
}

int MGE_Sprite::AddY(float d) {
  y += d * vorpel::FrameDelta;
  return 0;
}

int MGE_Sprite::SetXY(float nx, float ny) {
  x = nx;
  y = ny;
  return 0;
}

int MGE_Sprite::SetEngineHook(MGE_SpriteFunction f) {
  customfunc = std::move(f);
  customfuncflag = 1;
  return 0;
}

int MGE_Sprite::SetEngineHookOn() {
  customfuncflag = 1;
  return 0;
}

int MGE_Sprite::SetEngineHookOff() {
  customfuncflag = 0;
  return 0;
}

int MGE_Sprite::SetTexture(int nimg, int nsrcx, int nsrcy, int nwidth, int nheight) {
  img = nimg;
  srcx = float(nsrcx);
  srcy = float(nsrcy);
  width = float(nwidth);
  height = float(nheight);
  return 0;
}

int MGE_Sprite::SetTextureFromSprite(const MGE_Sprite* other) {
  if (!other) return 0;
  img = other->img;
  srcx = other->srcx;
  srcy = other->srcy;
  width = other->width;
  height = other->height;
  return 0;
}

int MGE_Sprite::UpdateImgFromAnimTile() {
  int k = TruncToInt(animtile);
  if (k < 1 || k > kMaxAnimFrames || animindex < 1 || animindex > kMaxSpriteAnims) return 0;
  const MGE_SpriteAnimFramesType& set = vorpel::spriteAnims[std::size_t(animindex)];
  img = set.img[std::size_t(k)];
  srcx = float(set.srcx[std::size_t(k)]);
  srcy = float(set.srcy[std::size_t(k)]);
  return 0;
}

MGE_SpritePtr SharedSprite(const MGE_Sprite* sprite) {
  if (!sprite) return nullptr;
  auto node = sprite->link.lock();
  return node ? node->value : nullptr;
}
