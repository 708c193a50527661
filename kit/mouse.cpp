#include "kit/mouse.hpp"

#include <cmath>

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/picking.hpp"
#include "kit/sprites/sprite_anims.hpp"
#include "kit/sprites/sprite_tables.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"

namespace {

// Shows frame k of the current animation; frames outside the table are not shown.
void ShowFrame(MGE_PointerState& p, int k) {
  if (k < 1 || k > kMaxAnimFrames || p.animIndex < 1 || p.animIndex > kMaxSpriteAnims) return;
  const MGE_SpriteAnimFramesType& anim = vorpel::spriteAnims[std::size_t(p.animIndex)];
  p.slot = anim.img[std::size_t(k)];
  p.srcX = anim.srcx[std::size_t(k)];
  p.srcY = anim.srcy[std::size_t(k)];
}

MGE_PointerState& Pointer() { return KitState().pointer; }

// Stores the first sprite of the layer under the pointer in over: 1; 0 (over unchanged) when
// there is none.
int FindUnderPointer(MGE_SpritePtr& over, int layer, bool scaled) {
  MGE_SpritePtr found = FirstSpriteAt(layer, MGE_MouseType::X(), MGE_MouseType::Y(), scaled);
  if (!found) return 0;
  over = std::move(found);
  return 1;
}

}  // namespace

float MGE_MouseType::X() {
  MGE_KitState& kit = KitState();
  kit.pointer.gameX = float(MousePosX()) * kit.mouseScaleX - kit.mouseOffsetX;
  return std::trunc(kit.pointer.gameX);
}

float MGE_MouseType::Y() {
  MGE_KitState& kit = KitState();
  kit.pointer.gameY = float(MousePosY()) * kit.mouseScaleY - kit.mouseOffsetY;
  return std::trunc(kit.pointer.gameY);
}

int MGE_MouseType::Show() {
  Pointer().visible = 1;
  return 0;
}

int MGE_MouseType::Hide() {
  Pointer().visible = 0;
  return 0;
}

int MGE_MouseType::SetImage(int slot, int srcX, int srcY, int width, int height, int hotX,
                            int hotY) {
  MGE_PointerState& p = Pointer();
  p.slot = slot;
  p.srcX = srcX;
  p.srcY = srcY;
  p.width = width;
  p.height = height;
  p.hotX = float(hotX + width / 2);
  p.hotY = float(hotY + height / 2);
  p.visible = 1;
  return 0;
}

int MGE_MouseType::Animate(const std::string& name, float speed, int mode) {
  int index = FindSpriteAnim(name);
  if (index == 0) return 0;
  const MGE_SpriteAnimFramesType& anim = vorpel::spriteAnims[std::size_t(index)];
  MGE_PointerState& p = Pointer();
  p.animMode = mode;
  p.animIndex = index;
  p.frame = p.firstFrame = 1.0f;
  p.lastFrame = float(anim.totalframes);
  p.animSpeed = speed;
  ShowFrame(p, 1);
  p.width = anim.srcwidth;
  p.height = anim.srcheight;
  p.hotX = float(anim.srcwidth / 2);
  p.hotY = float(anim.srcheight / 2);
  return 0;
}

int MGE_MouseType::Update() {
  MGE_PointerState& p = Pointer();
  if (p.animMode < kMouseAnimPingPong || p.animMode > kMouseAnimOnce) return 0;
  p.frame += p.animSpeed * vorpel::FrameDelta;
  float f = std::trunc(p.frame);
  if (f > p.lastFrame) {
    p.frame = p.animMode == kMouseAnimLoop ? p.firstFrame : p.lastFrame;
    if (p.animMode == kMouseAnimPingPong) p.animSpeed = -p.animSpeed;
    if (p.animMode == kMouseAnimOnce) p.animMode = kMouseAnimNone;
  } else if (f < p.firstFrame) {
    p.frame = p.animMode == kMouseAnimLoop ? p.lastFrame : p.firstFrame;
    if (p.animMode == kMouseAnimPingPong) p.animSpeed = -p.animSpeed;
    if (p.animMode == kMouseAnimOnce) p.animMode = kMouseAnimNone;
  }
  ShowFrame(p, TruncToInt(p.frame));
  return 0;
}

int MGE_MouseType::Render() {
  const MGE_PointerState& p = Pointer();
  if (!p.visible) return 0;
  const ImagePtr& image = MGE_TextureHandler::Get(p.slot);
  if (!image) return 0;
  SetTransform(0.0f, 1.0f, 1.0f);
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetBlend(ALPHABLEND);
  ImageSetHandle(image, float(p.width / 2), float(p.height / 2));
  const MGE_KitState& kit = KitState();
  MGE_GameHelpers::DrawUV(image, X() + kit.renderOffsetX + p.hotX, Y() + kit.renderOffsetY + p.hotY,
                         float(p.srcX), float(p.srcY), float(p.width), float(p.height));
  return 0;
}

int MGE_MouseType::IsInBox(float x, float y, float w, float h) {
  float mx = X(), my = Y();
  return x - 1.0f < mx && mx < x + w && y - 1.0f < my && my < y + h ? 1 : 0;
}

int MGE_MouseType::IsOverSprite(int layer) {
  return FindUnderPointer(SpriteOver, layer, true);
}

int MGE_MouseType::IsOverThisSprite(const MGE_Sprite* sprite) {
  return sprite && SpriteHoldsPoint(*sprite, X(), Y(), true) ? 1 : 0;
}

int MGE_MouseType::IsOverSpriteNs(int layer) {
  return FindUnderPointer(SpriteOver, layer, false);
}

int MGE_MouseType::IsOverThisSpriteNs(const MGE_Sprite* sprite) {
  return sprite && SpriteHoldsPoint(*sprite, X(), Y(), false) ? 1 : 0;
}
