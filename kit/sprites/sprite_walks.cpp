// The update and draw walks over the layers. Each walk reads the layer count once and looks a
// layer's list up when its turn comes, holding it while it walks: when Init replaces the lists
// mid-walk, the walk finishes the old list and takes the remaining layers from the new ones.
#include <algorithm>

#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_tables.hpp"

namespace {

template <class F>
void WalkLayer(int layer, F&& f) {
  MGE_SpriteListPtr list = SpriteLayer(layer);
  if (list) list->ForEach(f);
}

// Layers last down to first, so the lowest number ends on top; numbers beyond the layers that
// exist when the walk starts are passed over.
template <class F>
void WalkLayersDown(int first, int last, F&& f) {
  int top = std::min(last, vorpel::layerCount), bottom = std::max(first, 1);
  for (int layer = top; layer >= bottom; --layer) WalkLayer(layer, f);
}

void Update(MGE_Sprite& s) { s.Automate(); }
void Render(MGE_Sprite& s) { s.Render(); }
void UpdateAndRender(MGE_Sprite& s) {
  s.Automate();
  s.Render();
}

}  // namespace

int MGE_SpriteHandler::UpdateSprites() {
  WalkLayersDown(1, vorpel::layerCount, Update);
  return 0;
}

int MGE_SpriteHandler::RenderSprites() {
  WalkLayersDown(1, vorpel::layerCount, Render);
  return 0;
}

int MGE_SpriteHandler::UpdateAndRenderSprites() {
  WalkLayersDown(1, vorpel::layerCount, UpdateAndRender);
  return 0;
}

int MGE_SpriteHandler::UpdateSpriteLayer(int layer) {
  WalkLayer(layer, Update);
  return 0;
}

int MGE_SpriteHandler::RenderSpriteLayer(int layer) {
  WalkLayer(layer, Render);
  return 0;
}

int MGE_SpriteHandler::UpdateAndRenderSpriteLayer(int layer) {
  WalkLayer(layer, UpdateAndRender);
  return 0;
}

int MGE_SpriteHandler::RenderSpriteLayers(int first, int last) {
  WalkLayersDown(first, last, Render);
  return 0;
}

int MGE_SpriteHandler::UpdateSpriteLayerAddXY(int layer, float dx, float dy) {
  WalkLayer(layer, [dx, dy](MGE_Sprite& s) {
    s.AddXY(dx, dy);
    s.Automate();
  });
  return 0;
}

int MGE_SpriteHandler::UpdateSpriteLayerAddXYNoDelta(int layer, float dx, float dy) {
  WalkLayer(layer, [dx, dy](MGE_Sprite& s) {
    s.AddXYNoDelta(dx, dy);
    s.Automate();
  });
  return 0;
}

int MGE_SpriteHandler::UpdateSprite(MGE_Sprite* sprite) {
  if (!sprite) return 0;
  MGE_SpritePtr keep = SharedSprite(sprite);  // the sprite may leave its list in its step
  sprite->Automate();
  return 0;
}

int MGE_SpriteHandler::RenderSprite(MGE_Sprite* sprite) {
  if (sprite) sprite->Render();
  return 0;
}
