// A grid cell's effects, and the grid of cells.
#include <cmath>
#include <cstddef>
#include <utility>

#include "kit/kit_state.hpp"
#include "kit/sprites/map_tile.hpp"

namespace {

// One effect's fields.
struct Effect {
  float& v;
  float& dir;
  float& min;
  float& max;
  float& duration;
  int& style;
};

void Bounce(Effect e, float tested) {
  if (tested > e.max) {
    e.v = e.max;
    e.dir = -e.dir;
  } else if (tested < e.min) {
    e.v = e.min;
    e.dir = -e.dir;
  }
}

// Moves the value and applies the style; true when the cell is to be emptied. `whole` compares
// the bounds with the value's whole part, as the animation through kind numbers does.
bool Step(Effect e, bool whole) {
  e.v += e.dir * vorpel::FrameDelta;
  float tested = whole ? std::trunc(e.v) : e.v;
  switch (e.style) {
    case kTileStyleBounce:
      Bounce(e, tested);
      return false;
    case kTileStyleWrap:
      if (tested > e.max) e.v = e.min;
      else if (tested < e.min) e.v = e.max;
      return false;
    case kTileStyleOnce:
      if (tested > e.max || tested < e.min) {
        e.v = tested > e.max ? e.max : e.min;
        e.style = kTileStyleOff;
      }
      return false;
    case kTileStyleEmpty:
      return tested > e.max || tested < e.min;
    case kTileStyleTimed:
      Bounce(e, tested);
      e.duration -= vorpel::FrameDelta;
      return e.duration < 0.0f;
    default:
      return false;
  }
}

}  // namespace

int MGE_MapTile::Automate() {
  Effect effects[] = {
      {alpha, alphadir, alphamin, alphamax, alphaduration, alphastyle},
      {rotate, rotatedir, rotatemin, rotatemax, rotateduration, rotatestyle},
      {scale, scaledir, scalemin, scalemax, scaleduration, scalestyle},
      {tile, animatedir, animatemin, animatemax, animateduration, animatestyle},
  };
  for (std::size_t k = 0; k < 4; ++k) {
    Effect& e = effects[k];
    if (e.style == kTileStyleOff || !Step(e, k == 3)) continue;
    // An emptied cell stays empty: the effect that emptied it ends, and no later effect (the
    // animation above all) may bring a kind back in the same step.
    tile = 0.0f;
    e.style = kTileStyleOff;
    return 0;
  }
  return 0;
}

bool MGE_MapTileGrid::Reset(int layers, int width, int height) {
  layers_ = columns_ = rows_ = 0;
  cells_.clear();
  if (layers < 0 || width < 0 || height < 0) return false;
  std::int64_t per_layer = (std::int64_t(width) + 1) * (std::int64_t(height) + 1);
  if (layers > 0 && per_layer > kMaxMapCells / layers) return false;
  layers_ = layers;
  columns_ = width + 1;
  rows_ = height + 1;
  cells_.assign(std::size_t(per_layer * layers), MGE_MapTile{});
  return true;
}

const MGE_MapTile* MGE_MapTileGrid::At(int layer, int column, int row) const {
  if (layer < 1 || layer > layers_ || column < 0 || column >= columns_ || row < 0 || row >= rows_)
    return nullptr;
  std::size_t index = (std::size_t(layer - 1) * std::size_t(columns_) + std::size_t(column)) *
                          std::size_t(rows_) +
                      std::size_t(row);
  return &cells_[index];
}

MGE_MapTile* MGE_MapTileGrid::At(int layer, int column, int row) {
  return const_cast<MGE_MapTile*>(std::as_const(*this).At(layer, column, row));
}
