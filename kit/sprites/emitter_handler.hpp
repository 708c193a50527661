#pragma once
// Keeps the standalone emitters and their particles in numbered layers (from 1) and runs and
// draws them, the highest layer first so that layer 1 ends on top. Layer numbers outside the
// layers are ignored: nothing happens and none is returned.
#include <vector>

#include "kit/sprites/emitter.hpp"

class MGE_EmitterHandler {
 public:
  virtual ~MGE_EmitterHandler() = default;

  // An emitter list and a particle list for each layer 1..layers, replacing any earlier ones.
  int Init(int layers);
  // A new standalone emitter copied from config, at the end of the layer's emitter list.
  MGE_EmitterPtr GetNewEmitter(int layer, const MGE_EmitterConfig& config);
  int GetEmitterCount(int layer);
  int GetEmitterSpriteCount(int layer);
  // Per layer: every emitter's step, then every particle's.
  int UpdateEmitters();
  int RenderEmitters();
  int RenderEmitterLayer(int layer);
  // The layer's lists themselves; none outside the layers. They are shared so that a walk
  // finishes its list even when Init replaces it meanwhile.
  const MGE_EmitterListPtr& GetEmitterList(int layer) const;
  const MGE_EmitterSpriteListPtr& GetEmitterSpriteList(int layer) const;

 private:
  std::vector<MGE_EmitterListPtr> emitterLayers_;
  std::vector<MGE_EmitterSpriteListPtr> particleLayers_;
  int layerCount_ = 0;
};
