// The handler's module state, Init, removal, queries, placement and colours.
#include "kit/sprites/sprite_handler.hpp"

#include <algorithm>

#include "kit/game_helpers.hpp"
#include "kit/sprites/sprite_tables.hpp"
#include "kit/truncate.hpp"
#include "platform/random.hpp"

namespace {

// Counting 0, 1, 2, ... and restarting at 0 after 360.
std::array<int, kRotationTableSize> MakeRotationTable() {
  std::array<int, kRotationTableSize> table{};
  int angle = 0;
  for (int& entry : table) {
    entry = angle;
    angle = angle == 360 ? 0 : angle + 1;
  }
  return table;
}

// Counts the sprites of a layer that pass a test; the test calls nothing, so a plain read of
// the list is safe.
template <class Test>
int CountIf(int layer, Test test) {
  const MGE_SpriteListPtr& list = SpriteLayer(layer);
  if (!list) return 0;
  int count = 0;
  for (auto* node = list->First().get(); node; node = node->next.get())
    if (node->value && test(*node->value)) ++count;
  return count;
}

// A layer that goes (Init again, the program's end) takes its sprites out through kill once
// nothing holds it any more, so they let go of the sprites they name: sprites naming each other
// would otherwise keep each other alive for good.
void DiscardLayer(MGE_SpriteList* list) {
  list->ForEach([](MGE_Sprite& s) { s.kill(); });
  delete list;
}

}  // namespace

std::vector<MGE_SpriteListPtr> vorpel::spriteLayers(1);
int vorpel::layerCount = 0;
std::array<MGE_SplineType, kMaxSplines + 1> vorpel::splineTable;
std::array<MGE_WaypointType, kMaxWaypoints + 1> vorpel::waypointTable;
std::array<int, kRotationTableSize> vorpel::rotationTable = MakeRotationTable();

int MGE_SpriteHandler::Init(int layers) {
  layers = std::clamp(layers, 0, kMaxSpriteLayers);
  std::vector<MGE_SpriteListPtr> lists(std::size_t(layers) + 1);
  for (int i = 1; i <= layers; ++i)
    lists[std::size_t(i)] = MGE_SpriteListPtr(new MGE_SpriteList, DiscardLayer);
  // Walks in progress hold the list they are on; the old lists go when they let go of them.
  vorpel::spriteLayers.swap(lists);
  vorpel::layerCount = layers;
  vorpel::splineTable.fill({});
  vorpel::waypointTable.fill({});
  vorpel::spriteAnims.fill({});
  vorpel::spriteAnimCount = 0;
  vorpel::rotationTable = MakeRotationTable();
  return 0;
}

int MGE_SpriteHandler::RemoveSprite(MGE_Sprite* sprite) {
  if (sprite) sprite->kill();
  return 0;
}

int MGE_SpriteHandler::RemoveAllSprites(int layer) {
  if (layer != 0 && !SpriteLayer(layer)) return 0;
  int first = layer == 0 ? 1 : layer, last = layer == 0 ? vorpel::layerCount : layer;
  for (int i = first; i <= last; ++i)
    if (MGE_SpriteListPtr list = SpriteLayer(i)) list->ForEach([](MGE_Sprite& s) { s.kill(); });
  gui_objectcounter = 0;
  return 0;
}

int MGE_SpriteHandler::GetSpriteCount(int layer) {
  const MGE_SpriteListPtr& list = SpriteLayer(layer);
  return list ? int(list->Count()) : 0;
}

int MGE_SpriteHandler::GetSpriteCountAll() {
  int count = 0;
  for (int i = 1; i <= vorpel::layerCount; ++i) count += GetSpriteCount(i);
  return count;
}

int MGE_SpriteHandler::GetSpriteCountWithState(int state, int layer) {
  return CountIf(layer, [state](const MGE_Sprite& s) { return s.state == state; });
}

int MGE_SpriteHandler::GetSpriteCountWithID1(int id, int layer) {
  return CountIf(layer, [id](const MGE_Sprite& s) { return s.id1 == id; });
}

int MGE_SpriteHandler::GetSpriteCountWithID2(int id, int layer) {
  return CountIf(layer, [id](const MGE_Sprite& s) { return s.id2 == id; });
}

MGE_SpriteListPtr MGE_SpriteHandler::GetSpriteList(int layer) { return SpriteLayer(layer); }

MGE_SpritePtr MGE_SpriteHandler::GetRandomSprite(int layer) {
  const MGE_SpriteListPtr& list = SpriteLayer(layer);
  if (!list || list->Empty()) return nullptr;
  return list->ValueAt(std::size_t(Rand(0, int(list->Count()) - 1)));
}

MGE_SpritePtr MGE_SpriteHandler::GetSprite(int position, int layer) {
  const MGE_SpriteListPtr& list = SpriteLayer(layer);
  if (!list || position < 0) return nullptr;
  return list->ValueAt(std::size_t(position));
}

int MGE_SpriteHandler::SetXY(MGE_Sprite* sprite, float x, float y) {
  if (sprite) sprite->SetXY(x, y);
  return 0;
}

int MGE_SpriteHandler::SetXYOffScreen(MGE_Sprite* sprite) {
  if (!sprite) return 0;
  float w = float(MGE_GameHelpers::GameWidth()), h = float(MGE_GameHelpers::GameHeight());
  switch (Rand(1, 4)) {
    case 1:
      sprite->x = float(Rnd(0.0, w - 1.0f));
      sprite->y = -(sprite->height * 2.0f);
      break;
    case 2:
      sprite->x = float(Rnd(0.0, w - 1.0f));
      sprite->y = h + sprite->height * 2.0f;
      break;
    case 3:
      sprite->x = -(sprite->width * 2.0f);
      sprite->y = float(Rnd(0.0, h - 1.0f));
      break;
    default:
      sprite->x = w + sprite->width * 2.0f;
      sprite->y = float(Rnd(0.0, h - 1.0f));
      break;
  }
  return 0;
}

int MGE_SpriteHandler::SetXYRandScreen(MGE_Sprite* sprite) {
  if (!sprite) return 0;
  float w = float(MGE_GameHelpers::GameWidth()), h = float(MGE_GameHelpers::GameHeight());
  sprite->x = float(Rand(TruncToInt(sprite->width / 2.0f), TruncToInt(w - sprite->width / 2.0f)));
  sprite->y =
      float(Rand(TruncToInt(sprite->height / 2.0f), TruncToInt(h - sprite->height / 2.0f)));
  return 0;
}

int MGE_SpriteHandler::SetSpriteColor(MGE_Sprite* sprite, float r, float g, float b) {
  if (!sprite) return 0;
  sprite->red = r;
  sprite->green = g;
  sprite->blue = b;
  return 0;
}

int MGE_SpriteHandler::SetSpriteColorRandom(MGE_Sprite* sprite, int min) {
  if (!sprite) return 0;
  sprite->red = float(Rand(min, 255));
  sprite->green = float(Rand(min, 255));
  sprite->blue = float(Rand(min, 255));
  return 0;
}
