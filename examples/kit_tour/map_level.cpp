// The map screen's level: meadow, roads, a pond, a walled yard with huts, woods and gems.
#include "examples/kit_tour/map_level.hpp"

#include <cmath>
#include <cstdlib>

#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "kit/sprites/map_handler.hpp"
#include "platform/random.hpp"

namespace tour {
namespace {

struct KindArt {
  Kind kind;
  Cell cell;
  int blocked;
};

// Effect modes and types of the cells, spelled out.
constexpr int kBounce = 1, kWrap = 2;

class Level {
 public:
  explicit Level(MGE_MapHandler& map) : map_(map) {}

  void Build() {
    map_.Init(kMapColumns, kMapRows, float(kTile), float(kTile), 2);
    Kinds();
    Meadow();
    Pond(42, 11, 7.5f, 5.0f);
    Road();
    Yard(7, 22, 18, 13);
    Border();
    Scatter(kKindTree, 2, 34);
    Scatter(kKindBoulder, 2, 9);
    Scatter(kKindBush, 1, 55);
    Scatter(kKindCrate, 1, 10);
    Scatter(kKindMushroom, 1, 24);
    Scatter(kKindRedGem, 1, 28);
    Scatter(kKindBlueGem, 1, 14);
    Effects();
  }

 private:
  void Kinds() {
    const KindArt kinds[] = {
        {kKindGrass1, kGrass1, 0},   {kKindGrass2, kGrass2, 0},   {kKindFlowers, kFlowers, 0},
        {kKindPath, kPath, 0},       {kKindSand, kSand, 0},       {kKindWater1, kWater[0], 0},
        {kKindWater2, kWater[1], 0}, {kKindWater3, kWater[2], 0}, {kKindStone, kStone, 1},
        {kKindBrick, kBrick, 1},     {kKindBush, kBush, 1},       {kKindRedGem, kRedGem, 0},
        {kKindBlueGem, kBlueGem, 0}, {kKindCrate, kCrate, 1},     {kKindLamp, kLamp, 1},
        {kKindMushroom, kMushroom, 0}, {kKindTree, kTree, 1},     {kKindBoulder, kBoulder, 1},
        {kKindHut, kHut, 1}};
    map_.InitMapTiles(kKindCount);
    for (const KindArt& k : kinds)
      map_.SetTileRect(k.kind, kSlotTiles, k.cell.column * kTile, k.cell.row * kTile,
                       k.cell.across, k.cell.down, k.blocked, 0);
    // No slot has the number -1: the water's edge blocks without being seen.
    map_.SetTileRect(kKindWaterEdge, -1, 0, 0, 1, 1, 1, 0);
    map_.SetTileData(kKindRedGem, 1, 0, 0, 0, 0);
    map_.SetTileData(kKindBlueGem, 5, 0, 0, 0, 0);
  }

  void Ground(int c, int r, int kind) { map_.SetTile(c, r, kind, 1.0f, kGround, 1); }
  void Object(int c, int r, int kind) { map_.SetTile(c, r, kind, 1.0f, kObjects, 1); }

  void Meadow() {
    for (int c = 0; c < kMapColumns; ++c)
      for (int r = 0; r < kMapRows; ++r) {
        int roll = ::Rand(0, 99);
        Ground(c, r, roll < 7 ? kKindFlowers : roll < 45 ? kKindGrass2 : kKindGrass1);
      }
  }

  void Pond(int cx, int cy, float rx, float ry) {
    for (int c = cx - int(rx) - 2; c <= cx + int(rx) + 2; ++c)
      for (int r = cy - int(ry) - 2; r <= cy + int(ry) + 2; ++r) {
        float d = std::hypot(float(c - cx) / rx, float(r - cy) / ry);
        if (d <= 1.0f) {
          Ground(c, r, kKindWater1 + (c + r) % 3);
          Object(c, r, kKindWaterEdge);
        } else if (d <= 1.3f) {
          Ground(c, r, kKindSand);
        }
      }
  }

  // A road that wanders from the left edge to the right, lamps along its side.
  void Road() {
    int r = 18;
    for (int c = 1; c < kMapColumns - 1; ++c) {
      Ground(c, r, kKindPath);
      Ground(c, r + 1, kKindPath);
      if (c % 7 == 3 && map_.GetTile(c, r - 1, kObjects) == 0) Object(c, r - 1, kKindLamp);
      if (c % 4 == 0) r = std::clamp(r + ::Rand(-1, 1), 14, 21);
      Ground(c, r, kKindPath);
      Ground(c, r + 1, kKindPath);
    }
  }

  // Brick walls with three gates round a few huts and crates.
  void Yard(int left, int top, int w, int h) {
    for (int c = left; c < left + w; ++c)
      for (int r = top; r < top + h; ++r) {
        bool edge = c == left || c == left + w - 1 || r == top || r == top + h - 1;
        bool gate = (r == top && (c == left + 8 || c == left + 9)) ||
                    (c == left && r == top + 6) || (c == left + w - 1 && r == top + 8);
        if (edge && !gate) Object(c, r, kKindBrick);
        if (!edge) Ground(c, r, kKindPath);
      }
    Object(left + 3, top + 3, kKindHut);
    Object(left + 11, top + 3, kKindHut);
    Object(left + 4, top + 8, kKindHut);
    for (int i = 0; i < 3; ++i) Object(left + 12 + i % 2, top + 8 + i, kKindCrate);
  }

  void Border() {
    for (int c = 0; c < kMapColumns; ++c) {
      Object(c, 0, kKindStone);
      Object(c, kMapRows - 1, kKindStone);
    }
    for (int r = 0; r < kMapRows; ++r) {
      Object(0, r, kKindStone);
      Object(kMapColumns - 1, r, kKindStone);
    }
  }

  // Whether a size x size block is clear of objects, on grass, and away from the start.
  bool Clear(int c, int r, int size) {
    if (std::abs(c - kStartColumn) < 4 && std::abs(r - kStartRow) < 4) return false;
    for (int i = 0; i < size; ++i)
      for (int j = 0; j < size; ++j) {
        int ground = map_.GetTile(c + i, r + j, kGround);
        if (map_.GetTile(c + i, r + j, kObjects) != 0 || ground < kKindGrass1 ||
            ground > kKindFlowers)
          return false;
      }
    return true;
  }

  void Scatter(int kind, int size, int count) {
    for (int placed = 0, tries = 0; placed < count && tries < count * 40; ++tries) {
      int c = ::Rand(1, kMapColumns - 1 - size), r = ::Rand(1, kMapRows - 1 - size);
      if (!Clear(c, r, size)) continue;
      Object(c, r, kind);
      ++placed;
    }
  }

  // Water ripples through its three pictures; gems and lamps glow, mushrooms breathe.
  void Effects() {
    for (int c = 0; c <= kMapColumns; ++c)
      for (int r = 0; r <= kMapRows; ++r) {
        int ground = map_.GetTile(c, r, kGround), object = map_.GetTile(c, r, kObjects);
        if (ground >= kKindWater1 && ground <= kKindWater3)
          map_.TileFX(c, r, 0.0045f, kKindWater1, kKindWater3, kTileFXAnimate, kWrap, 0, kGround);
        if (object == kKindRedGem || object == kKindBlueGem || object == kKindLamp) {
          map_.tiles.At(kObjects, c, r)->alpha = float(Rnd(1.0, 1.7));
          map_.TileFX(c, r, float(Rnd(0.0008, 0.0016)), 1.0f, 1.75f, kTileFXAlpha, kBounce, 0,
                      kObjects);
        }
        if (object == kKindMushroom)
          map_.TileFX(c, r, float(Rnd(0.0002, 0.0004)), 0.85f, 1.12f, kTileFXScale, kBounce, 0,
                      kObjects);
      }
  }

  MGE_MapHandler& map_;
};

}  // namespace

void BuildLevel(MGE_MapHandler& map) { Level(map).Build(); }

}  // namespace tour
