// The tile map's set-up, tile kinds and cells.
#include "kit/sprites/map_handler.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/truncate.hpp"

int MGE_MapHandler::Init(int mapwidth, int mapheight, float tilewidth, float tileheight,
                         int layers) {
  bool sizes = std::isfinite(tilewidth) && std::isfinite(tileheight) && tilewidth > 0.0f &&
               tileheight > 0.0f;
  if (!sizes || !tiles.Reset(layers, mapwidth, mapheight)) {
    // Nothing can be drawn or looked up on an empty map, and nothing divides by a zero size.
    tiles.Clear();
    mapwidth = mapheight = 0;
    tilewidth = tileheight = 1.0f;
  }
  width = float(mapwidth);
  height = float(mapheight);
  tiles_width = tilewidth;
  tiles_height = tileheight;
  const MGE_KitState& kit = KitState();
  maprendertilesacross = kit.gameWidth / tiles_width + 1.0f;
  maprendertilesdown = kit.gameHeight / tiles_height + 1.0f;
  pixelwidth = TruncToInt(double(tiles_width) * width);
  pixelheight = TruncToInt(double(height) * tiles_height);
  x = y = 0.0f;
  return 0;
}

int MGE_MapHandler::InitMapTiles(int n) {
  MapTilesRect.assign(std::size_t(std::clamp(n, 0, kMaxKinds)) + 1, MGE_MapTileRect{});
  return 0;
}

const MGE_MapTileRect* MGE_MapHandler::Kind(int kind) const {
  return kind >= 0 && std::size_t(kind) < MapTilesRect.size() ? &MapTilesRect[std::size_t(kind)]
                                                               : nullptr;
}

MGE_MapTileRect* MGE_MapHandler::Kind(int kind) {
  return const_cast<MGE_MapTileRect*>(std::as_const(*this).Kind(kind));
}

int MGE_MapHandler::SetTileRect(int kind, int img, int srcx, int srcy, int widthintiles,
                                int heightintiles, int blocked, int slope) {
  if (MGE_MapTileRect* r = Kind(kind)) {
    r->img = img;
    r->srcx = srcx;
    r->srcy = srcy;
    r->widthintiles = widthintiles;
    r->heightintiles = heightintiles;
    r->blocked = blocked;
    r->slope = slope;
  }
  return 0;
}

int MGE_MapHandler::SetTileProperties(int kind, int blocked, int slope) {
  if (MGE_MapTileRect* r = Kind(kind)) {
    r->blocked = blocked;
    r->slope = slope;
  }
  return 0;
}

int MGE_MapHandler::SetTileID1(int kind, int id) {
  if (MGE_MapTileRect* r = Kind(kind)) r->id1 = id;
  return 0;
}

int MGE_MapHandler::SetTileID2(int kind, int id) {
  if (MGE_MapTileRect* r = Kind(kind)) r->id2 = id;
  return 0;
}

int MGE_MapHandler::SetTileData(int kind, int d1, int d2, int d3, int d4, int d5) {
  if (MGE_MapTileRect* r = Kind(kind)) {
    r->data1 = d1;
    r->data2 = d2;
    r->data3 = d3;
    r->data4 = d4;
    r->data5 = d5;
  }
  return 0;
}

namespace {

// One field of a kind, -1 for a kind outside the table.
int FieldOf(const MGE_MapTileRect* r, int MGE_MapTileRect::*field) { return r ? r->*field : -1; }

}  // namespace

int MGE_MapHandler::GetTileData1(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::data1);
}
int MGE_MapHandler::GetTileData2(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::data2);
}
int MGE_MapHandler::GetTileData3(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::data3);
}
int MGE_MapHandler::GetTileData4(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::data4);
}
int MGE_MapHandler::GetTileData5(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::data5);
}
int MGE_MapHandler::GetTileSloped(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::slope);
}
int MGE_MapHandler::GetTileBlocked(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::blocked);
}
int MGE_MapHandler::GetTileID1(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::id1);
}
int MGE_MapHandler::GetTileID2(int kind) const {
  return FieldOf(Kind(kind), &MGE_MapTileRect::id2);
}

int MGE_MapHandler::SetRenderArea(float sx, float sy, int columns, int rows) {
  maponscreenx = sx;
  maponscreeny = sy;
  maprendertilesacross = float(columns) - 1.0f;
  maprendertilesdown = float(rows) - 1.0f;
  return 0;
}

int MGE_MapHandler::SetTile(int column, int row, int kind, float alpha, int layer, int reset) {
  MGE_MapTile* first = tiles.At(layer, column, row);
  const MGE_MapTileRect* rect = Kind(kind);
  if (!first || (kind != 0 && !rect)) return 0;
  first->renderflag = 1;
  if (reset == 1) {
    first->alpha = alpha;
    first->rotate = 0.0f;
    first->scale = 1.0f;
    first->alphastyle = first->rotatestyle = first->scalestyle = first->animatestyle = 0;
    first->alphadir = first->rotatedir = first->scaledir = first->animatedir = 0.0f;
  }
  if (kind == 0) {
    first->tile = 0.0f;
    first->renderflag = 0;
    return 0;
  }
  // A block of no cells would leave the cell showing its old kind: it is at least one cell.
  int across = std::max(rect->widthintiles, 1), down = std::max(rect->heightintiles, 1);
  int clast = int(std::min<std::int64_t>(std::int64_t(column) + across, tiles.Columns()) - 1);
  int rlast = int(std::min<std::int64_t>(std::int64_t(row) + down, tiles.Rows()) - 1);
  for (int c = column; c <= clast; ++c)
    for (int r = row; r <= rlast; ++r) {
      MGE_MapTile* cell = tiles.At(layer, c, r);
      cell->tile = float(kind);
      if (cell != first) cell->renderflag = 0;
    }
  return 0;
}

int MGE_MapHandler::SetTileAtSprite(const MGE_Sprite* sprite, float ox, float oy, int kind,
                                    int layer, int reset) {
  MGE_XY cell = GetTileXYAtSprite(sprite, ox, oy);
  if (cell.x < 0.0f) return -1;
  return SetTile(int(cell.x), int(cell.y), kind, 1.0f, layer, reset);
}

int MGE_MapHandler::GetTile(int column, int row, int layer) const {
  const MGE_MapTile* cell = tiles.At(layer, column, row);
  return cell ? TruncToInt(cell->tile) : -1;
}

int MGE_MapHandler::Clear(int layer) {
  for (int c = 0; c < tiles.Columns(); ++c)
    for (int r = 0; r < tiles.Rows(); ++r)
      if (MGE_MapTile* cell = tiles.At(layer, c, r)) {
        cell->tile = 0.0f;
        cell->renderflag = 0;
        cell->alphastyle = cell->rotatestyle = cell->scalestyle = cell->animatestyle = 0;
      }
  return 0;
}

int MGE_MapHandler::TileFX(int column, int row, float dir, float min, float max, int type,
                           int style, float duration, int layer) {
  MGE_MapTile* c = tiles.At(layer, column, row);
  if (!c) return 0;
  auto start = [&](float& d, float& lo, float& hi, float& time, int& mode) {
    d = dir;
    lo = min;
    hi = max;
    time = duration;
    mode = style;
  };
  switch (type) {
    case kTileFXAlpha:
      start(c->alphadir, c->alphamin, c->alphamax, c->alphaduration, c->alphastyle);
      break;
    case kTileFXScale:
      start(c->scaledir, c->scalemin, c->scalemax, c->scaleduration, c->scalestyle);
      break;
    case kTileFXRotate:
      start(c->rotatedir, c->rotatemin, c->rotatemax, c->rotateduration, c->rotatestyle);
      break;
    case kTileFXAnimate:
      start(c->animatedir, c->animatemin, c->animatemax, c->animateduration, c->animatestyle);
      break;
    default:
      break;
  }
  return 0;
}
