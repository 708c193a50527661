// The view of a tile map: the window of cells it shows, drawing and updating that window, and
// the camera that follows a sprite.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/map_handler.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"

MGE_MapHandler::Window MGE_MapHandler::VisibleWindow() const {
  Window w{};
  w.c0 = TruncToInt(x / tiles_width);
  w.r0 = TruncToInt(y / tiles_height);
  w.ox = TruncToInt(maponscreenx - std::fmod(x, tiles_width));
  w.oy = TruncToInt(maponscreeny - std::fmod(y, tiles_height));
  // Only cells that exist are visited, however far the view or its size strays.
  w.cfirst = std::max(w.c0, 0);
  w.rfirst = std::max(w.r0, 0);
  w.clast = std::min(TruncToInt(double(w.c0) + maprendertilesacross), tiles.Columns() - 1);
  w.rlast = std::min(TruncToInt(double(w.r0) + maprendertilesdown), tiles.Rows() - 1);
  return w;
}

void MGE_MapHandler::DrawCell(const MGE_MapTile& cell, const Window& w, int column, int row,
                              bool glow) const {
  const MGE_MapTileRect* kind = Kind(TruncToInt(cell.tile));
  if (!kind) return;
  const ImagePtr& image = MGE_TextureHandler::Get(kind->img);
  if (!image) return;
  const MGE_KitState& kit = KitState();
  int drawn_w = TruncToInt(double(kind->widthintiles) * tiles_width);
  int drawn_h = TruncToInt(double(kind->heightintiles) * tiles_height);
  ImageSetHandle(image, float(drawn_w / 2), float(drawn_h / 2));
  // Positions are worked out in floats: far-off views must not overflow an int.
  float px = float(drawn_w / 2) + float(w.ox) + kit.renderOffsetX +
             float(std::int64_t(column) - w.c0) * tiles_width;
  float py = float(drawn_h / 2) + float(w.oy) + kit.renderOffsetY +
             float(std::int64_t(row) - w.r0) * tiles_height;
  float sx = float(kind->srcx), sy = float(kind->srcy);
  MGE_GameHelpers::DrawUV(image, px, py, sx, sy, float(drawn_w), float(drawn_h));
  if (glow && cell.alpha > 1.0f) {
    SetBlend(LIGHTBLEND);
    SetAlpha(cell.alpha - 1.0f);
    MGE_GameHelpers::DrawUV(image, px, py, sx, sy, float(drawn_w), float(drawn_h));
    SetBlend(ALPHABLEND);
  }
}

namespace {

bool Drawn(const MGE_MapTile& cell) { return cell.tile != 0.0f && cell.renderflag != 0; }

}  // namespace

int MGE_MapHandler::Render(int layer) {
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
  Window w = VisibleWindow();
  for (int r = w.rfirst; r <= w.rlast; ++r)
    for (int c = w.cfirst; c <= w.clast; ++c) {
      const MGE_MapTile* cell = tiles.At(layer, c, r);
      if (!cell || !Drawn(*cell)) continue;
      SetTransform(cell->rotate, cell->scale, cell->scale);
      SetAlpha(cell->alpha);
      DrawCell(*cell, w, c, r, true);
    }
  return 0;
}

int MGE_MapHandler::RenderFast(float red, float green, float blue, float alpha, int layer) {
  SetColor(TruncToInt(red), TruncToInt(green), TruncToInt(blue));
  SetBlend(ALPHABLEND);
  SetTransform(0.0f, 1.0f, 1.0f);
  SetAlpha(alpha);
  Window w = VisibleWindow();
  for (int r = w.rfirst; r <= w.rlast; ++r)
    for (int c = w.cfirst; c <= w.clast; ++c) {
      const MGE_MapTile* cell = tiles.At(layer, c, r);
      if (cell && Drawn(*cell)) DrawCell(*cell, w, c, r, false);
    }
  return 0;
}

int MGE_MapHandler::Update(int layer) {
  Window w = VisibleWindow();
  for (int r = w.rfirst; r <= w.rlast; ++r)
    for (int c = w.cfirst; c <= w.clast; ++c) {
      MGE_MapTile* cell = tiles.At(layer, c, r);
      if (cell && cell->tile != 0.0f) cell->Automate();
    }
  return 0;
}

int MGE_MapHandler::UpdateEntireMap(int layer) {
  for (int c = 0; c < tiles.Columns(); ++c)
    for (int r = 0; r < tiles.Rows(); ++r) {
      MGE_MapTile* cell = tiles.At(layer, c, r);
      if (cell && cell->tile != 0.0f) cell->Automate();
    }
  return 0;
}

int MGE_MapHandler::UpdateAndRender(int layer) {
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
  Window w = VisibleWindow();
  for (int r = w.rfirst; r <= w.rlast; ++r)
    for (int c = w.cfirst; c <= w.clast; ++c) {
      MGE_MapTile* cell = tiles.At(layer, c, r);
      if (!cell || cell->tile == 0.0f) continue;
      cell->Automate();
      if (!Drawn(*cell)) continue;
      SetTransform(cell->rotate, cell->scale, cell->scale);
      SetAlpha(cell->alpha);
      DrawCell(*cell, w, c, r, true);
    }
  return 0;
}

int MGE_MapHandler::SetCameraOnSprite(const MGE_Sprite* sprite, float ox, float oy) {
  if (!sprite) return 0;
  float view_w = maprendertilesacross * tiles_width, view_h = maprendertilesdown * tiles_height;
  x = sprite->x - (view_w / 2.0f - maponscreenx / 2.0f);
  y = sprite->y - (view_h / 2.0f - maponscreeny / 2.0f);
  if (x + view_w > ox + float(pixelwidth - 1)) x = ox + (float(pixelwidth) - view_w - 1.0f);
  if (y + view_h > oy + float(pixelheight - 1)) y = oy + (float(pixelheight) - view_h - 1.0f);
  // Last, so that a map smaller than the view stays at its top-left corner (NaN too).
  if (!(x >= 0.0f)) x = 0.0f;
  if (!(y >= 0.0f)) y = 0.0f;
  return 0;
}
