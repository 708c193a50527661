#include "kit/mouse.hpp"

#include <cmath>

#include "kit/game_system.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_anims.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"

namespace {

struct Pointer {
  int visible = 0;
  int slot = 0, srcX = 0, srcY = 0, width = 0, height = 0;
  float hotX = 0.0f, hotY = 0.0f;
  float gameX = 0.0f, gameY = 0.0f;
  int animMode = kMouseAnimNone;
  int animIndex = 0;
  float frame = 0.0f, firstFrame = 0.0f, lastFrame = 0.0f;
  float animSpeed = 0.0f;
};
Pointer g_pointer;

// Shows frame k of the current animation; frames outside the table are not shown.
void ShowFrame(int k) {
  if (k < 1 || k > kMaxAnimFrames) return;
  const MGE_SpriteAnimFramesType& anim = spriteAnims[std::size_t(g_pointer.animIndex)];
  g_pointer.slot = anim.img[std::size_t(k)];
  g_pointer.srcX = anim.srcx[std::size_t(k)];
  g_pointer.srcY = anim.srcy[std::size_t(k)];
}

}  // namespace

float MGE_MouseType::X() {
  const MGE_KitState& kit = KitState();
  g_pointer.gameX = float(MousePosX()) * kit.mouseScaleX - kit.mouseOffsetX;
  return std::trunc(g_pointer.gameX);
}

float MGE_MouseType::Y() {
  const MGE_KitState& kit = KitState();
  g_pointer.gameY = float(MousePosY()) * kit.mouseScaleY - kit.mouseOffsetY;
  return std::trunc(g_pointer.gameY);
}

int MGE_MouseType::Show() {
  g_pointer.visible = 1;
  return 0;
}

int MGE_MouseType::Hide() {
  g_pointer.visible = 0;
  return 0;
}

int MGE_MouseType::SetImage(int slot, int srcX, int srcY, int width, int height, int hotX,
                            int hotY) {
  g_pointer.slot = slot;
  g_pointer.srcX = srcX;
  g_pointer.srcY = srcY;
  g_pointer.width = width;
  g_pointer.height = height;
  g_pointer.hotX = float(hotX + width / 2);
  g_pointer.hotY = float(hotY + height / 2);
  g_pointer.visible = 1;
  return 0;
}

int MGE_MouseType::Animate(const std::string& name, float speed, int mode) {
  int index = FindSpriteAnim(name);
  if (index == 0) return 0;
  const MGE_SpriteAnimFramesType& anim = spriteAnims[std::size_t(index)];
  g_pointer.animMode = mode;
  g_pointer.animIndex = index;
  g_pointer.frame = g_pointer.firstFrame = 1.0f;
  g_pointer.lastFrame = float(anim.totalframes);
  g_pointer.animSpeed = speed;
  ShowFrame(1);
  g_pointer.width = anim.srcwidth;
  g_pointer.height = anim.srcheight;
  g_pointer.hotX = float(anim.srcwidth / 2);
  g_pointer.hotY = float(anim.srcheight / 2);
  return 0;
}

int MGE_MouseType::Update() {
  Pointer& p = g_pointer;
  if (p.animMode < kMouseAnimPingPong || p.animMode > kMouseAnimOnce) return 0;
  p.frame += p.animSpeed * FrameDelta;
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
  ShowFrame(TruncToInt(p.frame));
  return 0;
}

int MGE_MouseType::Render() {
  const Pointer& p = g_pointer;
  if (!p.visible) return 0;
  const ImagePtr& image = MGE_TextureHandler::Get(p.slot);
  if (!image) return 0;
  SetTransform(0.0f, 1.0f, 1.0f);
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetBlend(ALPHABLEND);
  ImageSetHandle(image, float(p.width / 2), float(p.height / 2));
  const MGE_KitState& kit = KitState();
  MGE_GameSystem::DrawUV(image, X() + kit.renderOffsetX + p.hotX, Y() + kit.renderOffsetY + p.hotY,
                         float(p.srcX), float(p.srcY), float(p.width), float(p.height));
  return 0;
}

int MGE_MouseType::IsInBox(float x, float y, float w, float h) {
  float mx = X(), my = Y();
  return x - 1.0f < mx && mx < x + w && y - 1.0f < my && my < y + h ? 1 : 0;
}
