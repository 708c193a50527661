#pragma once
// The sprite engine's module state: the layer lists, the path segment tables and the rotation
// table. One copy for the program; the handler's Init fills it.
#include <array>
#include <vector>

#include "kit/sprites/sprite.hpp"

// One cubic curve segment: start point, two control points, end point.
struct MGE_SplineType {
  float startx = 0, starty = 0;
  float bend1x = 0, bend1y = 0;
  float bend2x = 0, bend2y = 0;
  float stopx = 0, stopy = 0;
};

// One straight segment.
struct MGE_WaypointType {
  float startx = 0, starty = 0;
  float stopx = 0, stopy = 0;
};

inline constexpr int kMaxSplines = 100;    // segments 1..100
inline constexpr int kMaxWaypoints = 100;  // segments 1..100
inline constexpr int kRotationTableSize = 721;
inline constexpr int kMaxSpriteLayers = 1000;  // more is taken as this many

namespace vorpel {
// Entry i (1..layerCount) is the list of layer i; entry 0 holds none.
extern std::vector<MGE_SpriteListPtr> spriteLayers;
extern int layerCount;
extern std::array<MGE_SplineType, kMaxSplines + 1> splineTable;
extern std::array<MGE_WaypointType, kMaxWaypoints + 1> waypointTable;
// Maps Int(rot) to the angle drawn: 0, 1, ..., 360, then 0, 1, ..., 359.
extern std::array<int, kRotationTableSize> rotationTable;
}  // namespace vorpel

// The shadow falls to the right at half the sprite's alpha.
inline constexpr float shadowAngle = 0.0f;
inline constexpr float shadowAlphaFactor = 0.5f;

// The list of a layer; none outside 1..layerCount.
inline const MGE_SpriteListPtr& SpriteLayer(int layer) {
  static const MGE_SpriteListPtr none;
  return layer >= 1 && layer <= vorpel::layerCount && layer < int(vorpel::spriteLayers.size())
             ? vorpel::spriteLayers[std::size_t(layer)]
             : none;
}
