// Moving sprites against the map: each mover keeps the sprite on the map, moves it, probes two
// points of its leading edge and, when either finds a blocking kind, snaps the sprite against
// that tile. The probed box is tilecheckwidth x tilecheckheight, scaled with the sprite.
#include "kit/kit_state.hpp"
#include "kit/sprites/map_handler.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/truncate.hpp"

namespace {

// Half the probed box.
float HalfWidth(const MGE_Sprite& s) { return s.tilecheckwidth * s.scale / 2.0f; }
float HalfHeight(const MGE_Sprite& s) { return float(s.tilecheckheight) * s.scale / 2.0f; }

}  // namespace

bool MGE_MapHandler::BlockedAt(const MGE_Sprite& s, float ox, float oy, int layer) {
  // Off the map the probe finds no kind, and so nothing that blocks.
  const MGE_MapTileRect* kind = Kind(GetTileAtSprite(&s, ox, oy, layer));
  return kind && kind->blocked != 0;
}

int MGE_MapHandler::MoveSpriteRight(MGE_Sprite* sprite, float speed, float ox1, float oy1,
                                    float ox2, float oy2, int layer) {
  if (!sprite) return 0;
  MGE_Sprite& s = *sprite;
  float hw = HalfWidth(s), hh = HalfHeight(s), step = speed * vorpel::FrameDelta;
  if (s.x + hw - 1.0f > float(pixelwidth) - 1.0f) {
    s.x = float(pixelwidth) - 2.0f - hw;
    return 0;
  }
  if (TruncToInt(s.x + hw + step) >= pixelwidth) return 0;
  s.x += step;
  if (BlockedAt(s, hw + ox1, oy1 - hh, layer) || BlockedAt(s, hw + ox2, oy2 + hh, layer)) {
    s.x = CellStart(s.x + hw, tiles_width) - hw;
    return 1;
  }
  return 0;
}

int MGE_MapHandler::MoveSpriteLeft(MGE_Sprite* sprite, float speed, float ox1, float oy1,
                                   float ox2, float oy2, int layer) {
  if (!sprite) return 0;
  MGE_Sprite& s = *sprite;
  float hw = HalfWidth(s), hh = HalfHeight(s), step = -speed * vorpel::FrameDelta;
  if (s.x < 1.0f) {
    s.x = 0.0f;
    return 0;
  }
  if (TruncToInt(s.x - hw + step) <= -1) return 0;
  s.x += step;
  if (BlockedAt(s, ox1 - hw, oy1 - hh, layer) || BlockedAt(s, ox2 - hw, oy2 + hh, layer)) {
    s.x = CellStart(s.x - hw, tiles_width) + tiles_width + hw;
    return 1;
  }
  return 0;
}

int MGE_MapHandler::MoveSpriteDown(MGE_Sprite* sprite, float speed, float ox1, float oy1,
                                   float ox2, float oy2, int layer) {
  if (!sprite) return 0;
  MGE_Sprite& s = *sprite;
  float hw = HalfWidth(s), hh = HalfHeight(s), step = speed * vorpel::FrameDelta;
  if (s.y + hh - 1.0f > float(pixelheight) - 1.0f) {
    s.y = float(pixelheight) - 2.0f - hh;
    return 0;
  }
  if (TruncToInt(s.y + hh + step) >= pixelheight) return 0;
  s.y += step;
  if (BlockedAt(s, ox1 - hw, hh + oy1, layer) || BlockedAt(s, ox2 + hw, hh + oy2, layer)) {
    s.y = CellStart(s.y + hh, tiles_height) - hh;
    return 1;
  }
  return 0;
}

int MGE_MapHandler::MoveSpriteUp(MGE_Sprite* sprite, float speed, float ox1, float oy1,
                                 float ox2, float oy2, int layer) {
  if (!sprite) return 0;
  MGE_Sprite& s = *sprite;
  float hw = HalfWidth(s), hh = HalfHeight(s), step = -speed * vorpel::FrameDelta;
  if (s.y < 1.0f) {
    s.y = 0.0f;
    return 1;
  }
  if (TruncToInt(s.y - hh + step) <= -1) return 0;
  s.y += step;
  if (BlockedAt(s, ox1 - hw, oy1 - hh, layer) || BlockedAt(s, ox2 + hw, oy2 - hh, layer)) {
    s.y = CellStart(s.y - hh, tiles_height) + tiles_height + hh;
    return 1;
  }
  return 0;
}
