// The tile map: a hero walks the level with the map's movers, turning when a blocked tile
// stops it, while the camera follows; slimes wander; water, gems and lamps run cell effects;
// objects cast shadows drawn with RenderFast; a minimap reads the cells back.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "examples/kit_tour/map_level.hpp"
#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "kit/sprites/map_handler.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/random.hpp"

namespace tour {
namespace {

constexpr int kWalkerLayer = 2, kSparkLayer = 1;
constexpr const char* kHeroAnims[] = {"hero_down", "hero_left", "hero_right", "hero_up"};
constexpr float kMiniCell = 3.0f;

struct Walker {
  MGE_SpritePtr sprite;
  int heading = kDown;
  float speed = 0;     // pixels per millisecond
  float turn_in = 0;   // milliseconds until it picks a new way anyway
  bool hero = false;
};

void AddAnim(const std::string& name, int frames, int srcx, int srcy) {
  MGE_SpriteAnimFramesType anim;
  anim.name = name;
  anim.totalframes = frames;
  anim.srcwidth = anim.srcheight = kTile;
  for (int k = 1; k <= frames; ++k) {
    anim.img[std::size_t(k)] = kSlotPeople;
    anim.srcx[std::size_t(k)] = srcx + (k - 1) * kTile;
    anim.srcy[std::size_t(k)] = srcy;
  }
  MGE_SpriteHandler::AddSpriteAnim(anim);
}

// The minimap's colour of a cell: its object, else its ground.
std::array<int, 3> MiniColour(int object, int ground) {
  switch (object) {
    case kKindStone: return {120, 124, 136};
    case kKindBrick: return {178, 80, 58};
    case kKindTree: case kKindBush: return {28, 92, 40};
    case kKindBoulder: return {150, 150, 156};
    case kKindHut: return {210, 70, 60};
    case kKindRedGem: return {255, 60, 110};
    case kKindBlueGem: return {80, 170, 255};
    default: break;
  }
  if (ground >= kKindWater1 && ground <= kKindWater3) return {46, 110, 190};
  if (ground == kKindPath) return {170, 136, 96};
  if (ground == kKindSand) return {222, 200, 140};
  return {74, 140, 60};
}

class MapScreen : public Screen {
 public:
  explicit MapScreen(MGE_GameSystem& kit) : kit_(kit), sprites_(*kit.Sprite), map_(*kit.Map) {
    BuildLevel(map_);
    map_.SetRenderArea(0, kTop, 26, 18);
    // Sprites live in map pixels: they are drawn less the view's scroll, plus its screen place.
    MGE_SpriteHandler::SetSpriteMapOffsetPointer(&map_.x, &map_.y);
    MGE_SpriteHandler::SetSpriteRenderOffset(map_.maponscreenx, map_.maponscreeny);
    for (int h = 0; h < 4; ++h) AddAnim(kHeroAnims[h], kHeroFrames, 0, h * kTile);
    AddAnim("slime", 2, kSlime[0].x, kSlime[0].y);
    walkers_.push_back(MakeWalker(kStartColumn, kStartRow, true));
    for (int i = 0; i < 7; ++i) {
      int c = 0, r = 0;
      do {
        c = ::Rand(2, kMapColumns - 3);
        r = ::Rand(2, kMapRows - 3);
      } while (map_.GetTile(c, r, kObjects) != 0);
      walkers_.push_back(MakeWalker(c, r, false));
    }
    Follow();
  }

  ~MapScreen() override {
    MGE_SpriteHandler::SetSpriteMapOffsetPointer(nullptr, nullptr);
    MGE_SpriteHandler::SetSpriteRenderOffset(0, 0);
  }

  void Step() override {
    for (Walker& w : walkers_) Walk(w);
    Collect();
    sprites_.UpdateSprites();
    sprites_.SortSpritesOnY(kWalkerLayer);
    map_.Update(kGround);
    map_.Update(kObjects);
    kit_.Font->UpdateFontFX();
    Follow();
  }

  void Draw() override {
    map_.Render(kGround);
    // Shadows: the objects once more in black, a little down and to the right.
    map_.maponscreenx += 5;
    map_.maponscreeny += 6;
    map_.RenderFast(0, 0, 0, 0.3f, kObjects);
    map_.maponscreenx -= 5;
    map_.maponscreeny -= 6;
    map_.Render(kObjects);
    sprites_.RenderSprites();
    kit_.Font->RenderFontFX();
    Hud();
  }

 private:
  Walker MakeWalker(int column, int row, bool hero) {
    Walker w;
    w.hero = hero;
    w.speed = hero ? 0.1f : 0.04f;
    w.sprite = sprites_.GetNewSpriteAndAnim(hero ? kHeroAnims[kDown] : "slime",
                                            hero ? 0.009f : 0.004f, 2, kWalkerLayer, 1);
    w.sprite->SetXY(float(column * kTile + kTile / 2), float(row * kTile + kTile / 2));
    // The box the movers test: narrower than a cell so walkers fit through one-cell gaps.
    w.sprite->tilecheckwidth = 18;
    w.sprite->tilecheckheight = 20;
    Turn(w, false);
    return w;
  }

  // One step along the heading, the probes pulled in a pixel from the box's corners; 1 when a
  // blocked tile stopped the walker.
  int Move(Walker& w) {
    MGE_Sprite* s = w.sprite.get();
    switch (w.heading) {
      case kRight: return map_.MoveSpriteRight(s, w.speed, 0, 1, 0, -1, kObjects);
      case kLeft: return map_.MoveSpriteLeft(s, w.speed, 0, 1, 0, -1, kObjects);
      case kDown: return map_.MoveSpriteDown(s, w.speed, 1, 0, -1, 0, kObjects);
      default: return map_.MoveSpriteUp(s, w.speed, 1, 0, -1, 0, kObjects);
    }
  }

  void Walk(Walker& w) {
    float x = w.sprite->x, y = w.sprite->y;
    bool blocked = Move(w) == 1 || (w.sprite->x == x && w.sprite->y == y);
    w.turn_in -= vorpel::FrameDelta;
    if (!blocked && w.turn_in > 0) return;
    if (blocked && w.hero) Bump(w);
    Turn(w, blocked);
  }

  void Turn(Walker& w, bool blocked) {
    int heading = w.heading;
    while (heading == w.heading && blocked) heading = ::Rand(0, 3);
    if (!blocked) heading = ::Rand(0, 3);
    w.heading = heading;
    w.turn_in = w.hero ? RandF(2500, 5000) : RandF(700, 2600);
    if (w.hero) sprites_.AutoSpriteAnimate(w.sprite.get(), kHeroAnims[heading], 0.009f, 2, 0);
  }

  // A puff where the hero ran into something.
  void Bump(const Walker& w) {
    const float dx[] = {0, -1, 1, 0}, dy[] = {1, 0, 0, -1};
    MGE_Sprite& h = *w.sprite;
    MGE_SpritePtr puff = NewSprite(kit_, kSparkLayer, kSlotEffects, kPuff,
                                   h.x + dx[w.heading] * 12, h.y + dy[w.heading] * 12);
    puff->scale = 0.45f;
    puff->alpha = 0.8f;
    sprites_.AutoSpriteScale(puff.get(), 0, 1.2f, 0.0012f, 3);
    sprites_.AutoSpriteAlphaFadeOff(puff.get(), 0.0022f);
  }

  // Gems under the hero's feet are taken: the cell empties and sparks fly.
  void Collect() {
    MGE_Sprite* hero = walkers_.front().sprite.get();
    int kind = map_.GetTileAtSprite(hero, 0, 6, kObjects);
    if (kind != kKindRedGem && kind != kKindBlueGem) return;
    MGE_XY cell = map_.GetTileXYAtSprite(hero, 0, 6);
    map_.SetTile(int(cell.x), int(cell.y), 0, 1, kObjects, 1);
    int value = map_.GetTileData1(kind);
    score_ += value;
    bool red = kind == kKindRedGem;
    for (int i = 0; i < 12; ++i) {
      MGE_SpritePtr s = NewSprite(kit_, kSparkLayer, kSlotEffects, kSpark, hero->x, hero->y);
      s->blend = LIGHTBLEND;
      s->scale = 2.0f;
      sprites_.SetSpriteColor(s.get(), red ? 255 : 120, red ? 110 : 200, red ? 150 : 255);
      sprites_.AutoSpriteShoot(s.get(), float(i) * 30.0f, RandF(0.06f, 0.12f), 0, 0, -100, -100,
                               5000, 5000, 0);
      sprites_.AutoSpriteAlphaFadeOff(s.get(), 0.0025f);
    }
    float sx = hero->x - map_.x + map_.maponscreenx, sy = hero->y - map_.y + map_.maponscreeny;
    kit_.Font->FontFX("+" + std::to_string(value), sx, sy - 30, 0.01f, 0.002f, 250, 0, -0.05f,
                      0, 0, 0, 0.6f, 0.0002f, 2, 0, red ? 255 : 150, red ? 150 : 210, 255,
                      ALPHABLEND);
  }

  // The view centred on the hero, on whole pixels so that map and sprites never part.
  void Follow() {
    map_.SetCameraOnSprite(walkers_.front().sprite.get(), 0, 0);
    map_.x = std::floor(map_.x);
    map_.y = std::floor(map_.y);
  }

  void Hud() {
    float left = kWidth - 14 - kMapColumns * kMiniCell, top = kTop + 12;
    Frame(left, top, kMapColumns * kMiniCell, kMapRows * kMiniCell, 2, 0, 0, 0, 0.85f);
    for (int c = 0; c < kMapColumns; ++c)
      for (int r = 0; r < kMapRows; ++r) {
        auto rgb = MiniColour(map_.GetTile(c, r, kObjects), map_.GetTile(c, r, kGround));
        Panel(left + float(c) * kMiniCell, top + float(r) * kMiniCell, kMiniCell, kMiniCell,
              rgb[0], rgb[1], rgb[2], 1);
      }
    float k = kMiniCell / float(kTile);
    float vx = left + map_.x * k, vy = top + map_.y * k;
    float vw = float(map_.maprendertilesacross) * kTile * k, vh = (kBottom - kTop) * k;
    for (auto [x, y, w, h] : {std::array{vx, vy, vw, 1.0f}, {vx, vy + vh, vw, 1.0f},
                              {vx, vy, 1.0f, vh}, {vx + vw, vy, 1.0f, vh + 1}})
      Panel(x, y, w, h, 255, 255, 255, 0.9f);
    for (const Walker& w : walkers_) {
      int g = w.hero ? 255 : 230;
      Panel(left + w.sprite->x * k - 1.5f, top + w.sprite->y * k - 1.5f, 3, 3, w.hero ? 255 : 120,
            g, w.hero ? 255 : 90, 1);
    }
    Frame(14, kTop + 12, 150, 30, 2, 10, 12, 24, 0.8f);
    Label(kit_, 26, kTop + 17, "Gems  " + std::to_string(score_), 0.5f, 255, 230, 140);
    Frame(14, kBottom - 42, 520, 30, 2, 10, 12, 24, 0.8f);
    Label(kit_, 26, kBottom - 36,
          "MoveSprite* stop at blocked tiles; SetCameraOnSprite follows", 0.36f, 210, 220, 240);
  }

  MGE_GameSystem& kit_;
  MGE_SpriteHandler& sprites_;
  MGE_MapHandler& map_;
  std::vector<Walker> walkers_;
  int score_ = 0;
};

const bool registered = RegisterScreen(
    {40, "map", "Tile map: walkers, blocked tiles, camera",
     [](MGE_GameSystem& kit) { return std::make_unique<MapScreen>(kit); }});

}  // namespace
}  // namespace tour
