// Which tile lies under a map point, a sprite, a screen point or the pointer, and where cells
// lie in map pixels.
#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/mouse.hpp"
#include "kit/sprites/map_handler.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/truncate.hpp"

namespace {

constexpr MGE_XY kOffMap{-1.0f, -1.0f};

}  // namespace

float MGE_MapHandler::CellStart(float p, float size) {
  return float(TruncToInt(p / size)) * size;
}

int MGE_MapHandler::GetTileAtXY(float px, float py, int layer) {
  if (!OnMapX(px) || !OnMapY(py)) return -1;
  int column = TruncToInt(px / tiles_width), row = TruncToInt(py / tiles_height);
  const MGE_MapTile* cell = tiles.At(layer, column, row);
  if (!cell) return -1;
  tileret = {column, row, TruncToInt(cell->tile)};
  return tileret.tile;
}

int MGE_MapHandler::GetTileAtSprite(const MGE_Sprite* sprite, float ox, float oy, int layer) {
  return sprite ? GetTileAtXY(sprite->x + ox, sprite->y + oy, layer) : -1;
}

int MGE_MapHandler::GetTileAtScreenXY(float sx, float sy, int layer) {
  const MGE_KitState& kit = KitState();
  float left = maponscreenx + kit.renderOffsetX, top = maponscreeny + kit.renderOffsetY;
  float right = left + (maprendertilesacross + 1.0f) * tiles_width - 1.0f;
  float bottom = top + (maprendertilesdown + 1.0f) * tiles_height - 1.0f;
  if (!(sx >= left && sx <= right && sy >= top && sy <= bottom)) return -1;
  // The cell drawn at that point: the view's scroll position counts.
  Window w = VisibleWindow();
  float px = float(w.c0) * tiles_width + (sx - kit.renderOffsetX - float(w.ox));
  float py = float(w.r0) * tiles_height + (sy - kit.renderOffsetY - float(w.oy));
  return GetTileAtXY(px, py, layer);
}

int MGE_MapHandler::GetTileAtMouse(int layer) {
  return GetTileAtScreenXY(MGE_MouseType::X(), MGE_MouseType::Y(), layer);
}

MGE_XY MGE_MapHandler::GetTileXYAtSprite(const MGE_Sprite* sprite, float ox, float oy) const {
  if (!sprite) return kOffMap;
  float px = sprite->x + ox, py = sprite->y + oy;
  if (!OnMapX(px) || !OnMapY(py)) return kOffMap;
  return {float(TruncToInt(px / tiles_width)), float(TruncToInt(py / tiles_height))};
}

MGE_XY MGE_MapHandler::GetTileXYPixelAtSprite(const MGE_Sprite* sprite, float ox,
                                              float oy) const {
  return sprite ? GetTileXYPixel(sprite->x + ox, sprite->y + oy) : kOffMap;
}

MGE_XY MGE_MapHandler::GetTileXYPixel(float px, float py) const {
  if (!OnMapX(px) || !OnMapY(py)) return kOffMap;
  return {CellStart(px, tiles_width), CellStart(py, tiles_height)};
}

float MGE_MapHandler::GetTileXPixelAtSprite(const MGE_Sprite* sprite, float ox) const {
  if (!sprite || !OnMapX(sprite->x + ox)) return -1.0f;
  return CellStart(sprite->x + ox, tiles_width);
}

float MGE_MapHandler::GetTileYPixelAtSprite(const MGE_Sprite* sprite, float oy) const {
  if (!sprite || !OnMapY(sprite->y + oy)) return -1.0f;
  return CellStart(sprite->y + oy, tiles_height);
}
