#pragma once
// Emitters: at a steady rhythm each releases a burst of particles, placed at its own position
// (standalone) or relative to the sprite that owns it, optionally turned and scaled with it.
#include <memory>

#include "kit/linked_list.hpp"
#include "kit/sprites/emitter_particle.hpp"
#include "kit/sprites/sprite.hpp"

struct MGE_Emitter;
struct MGE_EmitterSprite;
using MGE_EmitterPtr = std::shared_ptr<MGE_Emitter>;
using MGE_EmitterList = vorpel::TList<MGE_Emitter>;
using MGE_EmitterListPtr = std::shared_ptr<MGE_EmitterList>;
using MGE_EmitterSpriteList = vorpel::TList<MGE_EmitterSprite>;
using MGE_EmitterSpriteListPtr = std::shared_ptr<MGE_EmitterSpriteList>;

// The application's description of an emitter; filled once and reusable. Times and rates count
// in delta units.
struct MGE_EmitterConfig {
  int img = 0;                                          // texture slot of the particle picture
  int srcx = 0, srcy = 0, srcwidth = 0, srcheight = 0;  // its first cell
  int frames = 0;  // cells side by side, srcwidth apart; each particle picks one
  float scale = 0, scaledir = 0;
  float xscale = 0, xscaledir = 0, yscale = 0, yscaledir = 0;
  float alphafadespeed = 0;
  int blend = 0;
  float red = 0, green = 0, blue = 0;  // -1 in a channel: random 30..255 per particle
  // 0 random start and spin sign, 1 start at 0 with random spin sign, 2 start at 0 spinning as
  // given, 3 start at the owning sprite's rotation without spin; others no rotation.
  float startrot = 0;
  float rotatedir = 0;
  float x = 0, y = 0;  // position, or the offset from the owning sprite
  float xrandom = 0, yrandom = 0;
  float velocityangle = 0;  // style 0
  float velocitymin = 0, velocitymax = 0;
  float xgravity = 0, ygravity = 0;
  // Launch direction: 0 velocityangle, 1 random, 2 the particle's rotation, 3 against the
  // owning sprite's heading; others none.
  int style = 0;
  int spawns = 0;            // particles per burst
  int spawnlaunchdelay = 0;  // particle i of a burst waits (i - 1) times this
  float frequencyspeed = 0;  // time between bursts
  float lifespan = 0;        // 0 lives until removed
  // 0 at the emitter's own x, y; 1 offset scaled by the owning sprite; 2 also turned with it.
  int onsprite = 0;
};

// One live emitter: the configuration it was made from plus its running state.
struct MGE_Emitter : MGE_EmitterConfig {
  float xdir = 0, ydir = 0;    // not used
  float frequencycounter = 0;  // countdown to the next burst
  std::weak_ptr<MGE_EmitterList::Node> link;
  int enabled = 0;  // bursts are made only while not 0
  // Where a standalone emitter's particles go; weak because Init may replace the lists.
  std::weak_ptr<MGE_EmitterSpriteList> listid;
  // The owning sprite of a sprite emitter. Weak: the sprite holds its emitters.
  std::weak_ptr<MGE_Sprite> sprite;

  // One step: the burst timer, then the lifespan, which kills the emitter when it runs out.
  int Update();
  // The same with the owning sprite at hand (sprite emitters, from the sprite's Automate).
  int Step(MGE_Sprite* owner);
  // Leaves its list and drops its references; particles already made live on.
  int kill();
  // Makes one burst of `spawns` particles now.
  int Burst(MGE_Sprite* owner);
};

// One particle. Removed from its list when faded out or shrunk below zero.
struct MGE_EmitterSprite : vorpel::detail::Particle {
  std::weak_ptr<MGE_EmitterSpriteList::Node> link;

  // Clears the picture and leaves the list.
  int kill();
  // Drawn at its position plus the screen render offset (standalone particles).
  int Render();
  // Drawn as a sprite's body is: the sprite render offset added, the map offset taken off.
  int SpriteRender();
  int Automate();
};

// A new emitter copied from a configuration: its burst timer full, enabled, in no list.
MGE_EmitterPtr MakeEmitter(const MGE_EmitterConfig& config);

// The most particles one burst makes, whatever `spawns` says.
inline constexpr int kMaxBurstParticles = 10000;
