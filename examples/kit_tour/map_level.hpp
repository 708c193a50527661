#pragma once
// The tile map the map screen walks: its tile kinds and a level built from the kit's seeded
// random numbers.
#include "kit/sprites/map_handler.hpp"

namespace tour {

// Map layers: objects (what blocks is there) over the ground.
enum MapLayer : int { kObjects = 1, kGround = 2 };

// Tile kinds.
enum Kind : int {
  kKindGrass1 = 1, kKindGrass2, kKindFlowers, kKindPath, kKindSand,
  kKindWater1, kKindWater2, kKindWater3,  // ground, animated through the three
  kKindStone, kKindBrick, kKindBush, kKindRedGem, kKindBlueGem, kKindCrate, kKindLamp,
  kKindMushroom, kKindTree, kKindBoulder, kKindHut,
  kKindWaterEdge,  // an invisible object that keeps walkers out of the water
  kKindCount = kKindWaterEdge,
};

inline constexpr int kMapColumns = 60, kMapRows = 40;
// Where the hero starts, a clear cell.
inline constexpr int kStartColumn = 29, kStartRow = 24;

// Sets up the map, its kinds and a whole level, with the cells' effects started.
void BuildLevel(MGE_MapHandler& map);

}  // namespace tour
