#pragma once
// Explosion types and the pieces an explosion throws: each piece grows or shrinks, spins, fades
// and drifts under gravity, and vanishes once faded out.
#include <array>
#include <memory>

#include "kit/linked_list.hpp"
#include "kit/sprites/emitter_particle.hpp"

struct MGE_ExplosionSprite;
using MGE_ExplosionSpriteList = vorpel::TList<MGE_ExplosionSprite>;
using MGE_ExplosionSpriteListPtr = std::shared_ptr<MGE_ExplosionSpriteList>;

// One explosion type. Rates count per delta unit.
struct MGE_ExplosionType {
  int img = 0;                                          // texture slot of the piece picture
  int srcx = 0, srcy = 0, srcwidth = 0, srcheight = 0;  // its first cell
  float scale = 0, scaledir = 0;
  float xscale = 0, xscaledir = 0, yscale = 0, yscaledir = 0;
  float alphafadespeed = 0;  // pieces start at alpha 1
  // 0 random start with random spin sign, -1 start at 0 with random spin sign, -2 start at 0
  // spinning as given; others no rotation.
  float startrot = 0;
  float rotatedir = 0;
  float xgravity = 0, ygravity = 0;
  float xdir = 0, ydir = 0;                // launch velocity of styles other than 2 and 3
  float velocitymin = 0, velocitymax = 0;  // launch speed of styles 2 and 3
  int spawns = 0;                          // pieces when the call does not say
  int spawnlaunchdelay = 0;                // piece i waits (i - 1) times this
  // 2 random direction, 3 along the piece's start rotation, 4 scattered around the point with
  // the fixed velocity; others the fixed velocity.
  int style = 0;
  int frames = 0;  // cells side by side, srcwidth apart; each piece picks one
};

inline constexpr int kMaxExplosionTypes = 200;  // types 1..200
inline constexpr int kBuiltInExplosionTypes = 43;
// The most pieces one explosion makes, whatever the count asks for.
inline constexpr int kMaxExplosionPieces = 10000;
// The built-in effects picture every built-in type draws from, and its texture slot.
inline constexpr const char* kExplosionPicture = "incbin::mgeres1.png";
inline constexpr int kExplosionSlot = 0;

namespace vorpel {
// Entry t is type t; entry 0 is not used.
extern std::array<MGE_ExplosionType, kMaxExplosionTypes + 1> explosionTypes;
}  // namespace vorpel

// One piece.
struct MGE_ExplosionSprite : vorpel::detail::Particle {
  std::weak_ptr<MGE_ExplosionSpriteList::Node> link;
  std::weak_ptr<MGE_ExplosionSpriteList> listid;

  // Drops the list, clears the picture and leaves the list.
  int kill();
  // Drawn at its position plus the screen render offset.
  int Render();
  int Automate();
};

namespace vorpel::detail {

// Fills types 1..43 with the built-in rows, all drawing from the effects picture's slot.
void ConfigureBuiltInExplosions();

}  // namespace vorpel::detail
