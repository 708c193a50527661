// The animation, spline and waypoint tables and the offsets sprites are drawn with.
#include <algorithm>
#include <cctype>

#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "kit/sprites/sprite_tables.hpp"

namespace {

std::string Lower(const std::string& text) {
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return lower;
}

// The slot a frame set goes into: the last whose name matches in any letter case, else the
// next unused one; 0 once all are used.
int SlotForAnim(const std::string& name) {
  if (vorpel::spriteAnimCount > 0) {
    std::string lower = Lower(name);
    for (int slot = kMaxSpriteAnims; slot >= 1; --slot)
      if (Lower(vorpel::spriteAnims[std::size_t(slot)].name) == lower) return slot;
  }
  if (vorpel::spriteAnimCount >= kMaxSpriteAnims) return 0;
  return ++vorpel::spriteAnimCount;
}

}  // namespace

void vorpel::detail::ShowFirstAnimFrame(MGE_Sprite& s, int slot) {
  const MGE_SpriteAnimFramesType& set = vorpel::spriteAnims[std::size_t(slot)];
  s.img = set.img[1];
  s.srcx = float(set.srcx[1]);
  s.srcy = float(set.srcy[1]);
  s.width = float(set.srcwidth);
  s.height = float(set.srcheight);
}

int MGE_SpriteHandler::AddSpriteAnim(const MGE_SpriteAnimFramesType& frames) {
  int slot = SlotForAnim(frames.name);
  if (slot == 0) return 0;
  MGE_SpriteAnimFramesType& target = vorpel::spriteAnims[std::size_t(slot)];
  target.name = frames.name;
  target.totalframes = frames.totalframes;
  target.srcwidth = frames.srcwidth;
  target.srcheight = frames.srcheight;
  target.img = frames.img;
  target.srcx = frames.srcx;
  target.srcy = frames.srcy;
  return 0;
}

int MGE_SpriteHandler::SetSpriteAnimFrames(MGE_Sprite* sprite, const std::string& name) {
  int slot = FindSpriteAnim(name);
  if (slot == 0 || !sprite) return 1;
  sprite->animindex = slot;
  sprite->animtile = 1.0f;
  vorpel::detail::ShowFirstAnimFrame(*sprite, slot);
  return 0;
}

int MGE_SpriteHandler::SetSpriteAnimateFrameIndex(MGE_Sprite* sprite, float frame) {
  if (!sprite) return 0;
  sprite->animtile = frame;
  sprite->UpdateImgFromAnimTile();
  return 0;
}

int MGE_SpriteHandler::ConfigureSpline(int index, float startx, float starty, float bend1x,
                                       float bend1y, float bend2x, float bend2y, float stopx,
                                       float stopy) {
  if (index < 1 || index > kMaxSplines) return 0;
  vorpel::splineTable[std::size_t(index)] = {startx, starty, bend1x, bend1y,
                                             bend2x, bend2y, stopx, stopy};
  return 0;
}

int MGE_SpriteHandler::ConfigureWaypoint(int index, float startx, float starty, float stopx,
                                         float stopy) {
  if (index < 1 || index > kMaxWaypoints) return 0;
  vorpel::waypointTable[std::size_t(index)] = {startx, starty, stopx, stopy};
  return 0;
}

int MGE_SpriteHandler::SetSpriteRenderOffset(float x, float y) {
  MGE_KitState& kit = KitState();
  kit.spriteRenderOffsetX = x;
  kit.spriteRenderOffsetY = y;
  kit.spriteDrawOffsetX = x + kit.renderOffsetX;
  kit.spriteDrawOffsetY = y + kit.renderOffsetY;
  return 0;
}

int MGE_SpriteHandler::SetSpriteMapOffsetPointer(const float* px, const float* py) {
  static const float zero = 0.0f;
  MGE_KitState& kit = KitState();
  kit.mapOffsetX = px ? px : &zero;
  kit.mapOffsetY = py ? py : &zero;
  return 0;
}
