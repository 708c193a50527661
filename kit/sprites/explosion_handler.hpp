#pragma once
// Throws the pieces of explosion types into numbered layers (from 1) and runs and draws them,
// the highest layer first so that layer 1 ends on top. Layer and type numbers outside their
// ranges are ignored.
#include <vector>

#include "kit/sprites/explosion.hpp"

class MGE_ExplosionHandler {
 public:
  virtual ~MGE_ExplosionHandler() = default;

  // Loads the built-in effects picture into texture slot 0 (replacing what it held), makes the
  // layer lists and resets the 200 types to the built-in ones. Call it after the texture
  // handler's Init, which would empty slot 0 again, and after RegisterEmbeddedResources.
  int Init(int layers);
  // Throws `count` pieces of the type, or the type's own number for a count below 1. Size
  // scales the pieces and the scatter of style 4; speed scales every rate at once. The gravity
  // adds to the type's. A colour argument of -1 gives each piece a random 30..255.
  int Explosion(int layer, int type, float x, float y, float size, float speed, float xgravity,
                float ygravity, int blend, int red, int green, int blue, float delay, int count);
  int UpdateExplosions();
  int RenderExplosions();
  int UpdateAndRenderExplosions();
  int RenderExplosionLayer(int layer);
  int UpdateAndRenderExplosionLayer(int layer);
  int GetExplosionSpriteCount(int layer);
  int RemoveAllExplosions();
  // The layer's list of pieces itself; none outside the layers.
  const MGE_ExplosionSpriteListPtr& GetExplosionList(int layer) const;
  static int ConfigureExplosion(int type, int img, int srcx, int srcy, int srcwidth,
                                int srcheight, float scale, float scaledir, float alphafadespeed,
                                float startrot, float rotatedir, float xgravity, float ygravity,
                                float xdir, float ydir, float velocitymin, float velocitymax,
                                int spawns, int spawnlaunchdelay, int style, int frames,
                                float xscale, float xscaledir, float yscale, float yscaledir);

 private:
  template <class F>
  void WalkLayersDown(F&& f);

  std::vector<MGE_ExplosionSpriteListPtr> layers_;
  int layerCount_ = 0;
};
