#include "kit/sprites/emitter_handler.hpp"

#include <algorithm>

#include "kit/sprites/sprite_tables.hpp"

namespace {

template <class T>
void Fill(std::vector<std::shared_ptr<vorpel::TList<T>>>& layers, int count) {
  layers.assign(std::size_t(count) + 1, nullptr);
  for (int i = 1; i <= count; ++i) layers[std::size_t(i)] = std::make_shared<vorpel::TList<T>>();
}

template <class List>
int CountOf(const List& list) {
  return list ? int(list->Count()) : 0;
}

}  // namespace

int MGE_EmitterHandler::Init(int layers) {
  layerCount_ = std::clamp(layers, 0, kMaxSpriteLayers);
  Fill(emitterLayers_, layerCount_);
  Fill(particleLayers_, layerCount_);
  return 0;
}

const MGE_EmitterListPtr& MGE_EmitterHandler::GetEmitterList(int layer) const {
  static const MGE_EmitterListPtr none;
  return layer >= 1 && layer <= layerCount_ ? emitterLayers_[std::size_t(layer)] : none;
}

const MGE_EmitterSpriteListPtr& MGE_EmitterHandler::GetEmitterSpriteList(int layer) const {
  static const MGE_EmitterSpriteListPtr none;
  return layer >= 1 && layer <= layerCount_ ? particleLayers_[std::size_t(layer)] : none;
}

MGE_EmitterPtr MGE_EmitterHandler::GetNewEmitter(int layer, const MGE_EmitterConfig& config) {
  const MGE_EmitterListPtr& list = GetEmitterList(layer);
  if (!list) return nullptr;
  MGE_EmitterPtr e = MakeEmitter(config);
  e->onsprite = 0;
  e->listid = GetEmitterSpriteList(layer);
  e->link = list->AddLast(e);
  return e;
}

int MGE_EmitterHandler::GetEmitterCount(int layer) { return CountOf(GetEmitterList(layer)); }

int MGE_EmitterHandler::GetEmitterSpriteCount(int layer) {
  return CountOf(GetEmitterSpriteList(layer));
}

int MGE_EmitterHandler::UpdateEmitters() {
  for (int layer = layerCount_; layer >= 1; --layer) {
    if (MGE_EmitterListPtr emitters = GetEmitterList(layer))
      emitters->ForEach([](MGE_Emitter& e) { e.Update(); });
    if (MGE_EmitterSpriteListPtr particles = GetEmitterSpriteList(layer))
      particles->ForEach([](MGE_EmitterSprite& p) { p.Automate(); });
  }
  return 0;
}

int MGE_EmitterHandler::RenderEmitters() {
  for (int layer = layerCount_; layer >= 1; --layer) RenderEmitterLayer(layer);
  return 0;
}

int MGE_EmitterHandler::RenderEmitterLayer(int layer) {
  if (MGE_EmitterSpriteListPtr particles = GetEmitterSpriteList(layer))
    particles->ForEach([](MGE_EmitterSprite& p) { p.Render(); });
  return 0;
}
