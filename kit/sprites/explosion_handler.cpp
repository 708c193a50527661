#include "kit/sprites/explosion_handler.hpp"

#include <algorithm>

#include "kit/game_helpers.hpp"
#include "kit/sprites/sprite_tables.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/random.hpp"

namespace {

// One call's arguments, as every piece of it reads them.
struct Call {
  float x, y, size, speed, xgravity, ygravity;
  int blend, red, green, blue;
  float delay;
};

void Spin(const MGE_ExplosionType& t, const Call& c, MGE_ExplosionSprite& p) {
  float q = c.speed * t.rotatedir * (1.0f + float(Rnd(0.05, 0.8)));
  vorpel::detail::StartSpin(p, q,
                    t.startrot == 0.0f    ? vorpel::detail::SpinRule::kRandomStart
                    : t.startrot == -1.0f ? vorpel::detail::SpinRule::kRandomSign
                    : t.startrot == -2.0f ? vorpel::detail::SpinRule::kAsGiven
                                          : vorpel::detail::SpinRule::kNone);
}

void Launch(const MGE_ExplosionType& t, const Call& c, MGE_ExplosionSprite& p) {
  MGE_XY v{c.speed * t.xdir, c.speed * t.ydir};
  if (t.style == 2) {
    float angle = float(Rand(1, 359));
    v = MGE_GameHelpers::GetDirection(angle, c.speed * float(Rnd(t.velocitymin, t.velocitymax)));
  } else if (t.style == 3) {
    v = MGE_GameHelpers::GetDirection(p.rot, c.speed * float(Rnd(t.velocitymin, t.velocitymax)));
  } else if (t.style == 4) {
    int w = TruncToInt(p.width), h = TruncToInt(p.height);
    p.x += c.size * float(Rand(-w, w));
    p.y += c.size * float(Rand(-h, h));
  }
  p.xspeed = v.x;
  p.yspeed = v.y;
  p.xthrust = c.speed * (t.xgravity + c.xgravity);
  p.ythrust = c.speed * (t.ygravity + c.ygravity);
}

// Piece i (from 1) of an explosion.
void Throw(const MGE_ExplosionType& t, const Call& c, int i, MGE_ExplosionSprite& p) {
  p.img = t.img;
  p.width = float(t.srcwidth);
  p.height = float(t.srcheight);
  p.srcx = float(t.srcx) + p.width * float(Rand(0, std::max(t.frames, 1) - 1));
  p.srcy = float(t.srcy);
  p.x = c.x;
  p.y = c.y;
  p.scale = t.scale * c.size;
  p.xscale = c.size * t.xscale;
  p.yscale = c.size * t.yscale;
  p.scalingdir = c.size * t.scaledir * c.speed;
  p.xscalingdir = c.size * t.xscaledir * c.speed;
  p.yscalingdir = c.size * t.yscaledir * c.speed;
  p.alpha = 1.0f;
  p.alphafadedir = c.speed * t.alphafadespeed;
  Spin(t, c, p);
  p.red = vorpel::detail::ColourChannel(float(c.red));
  p.green = vorpel::detail::ColourChannel(float(c.green));
  p.blue = vorpel::detail::ColourChannel(float(c.blue));
  p.blend = c.blend;
  Launch(t, c, p);
  p.pausing = float(t.spawnlaunchdelay) * float(i - 1) + c.delay;
}

}  // namespace

int MGE_ExplosionHandler::Init(int layers) {
  MGE_TextureHandler::Load(kExplosionSlot, kExplosionPicture, FILTEREDIMAGE | MIPMAPPEDIMAGE);
  layerCount_ = std::clamp(layers, 0, kMaxSpriteLayers);
  layers_.assign(std::size_t(layerCount_) + 1, nullptr);
  for (int i = 1; i <= layerCount_; ++i)
    layers_[std::size_t(i)] = std::make_shared<MGE_ExplosionSpriteList>();
  vorpel::explosionTypes.fill(MGE_ExplosionType{});
  vorpel::detail::ConfigureBuiltInExplosions();
  return 0;
}

const MGE_ExplosionSpriteListPtr& MGE_ExplosionHandler::GetExplosionList(int layer) const {
  static const MGE_ExplosionSpriteListPtr none;
  return layer >= 1 && layer <= layerCount_ ? layers_[std::size_t(layer)] : none;
}

int MGE_ExplosionHandler::Explosion(int layer, int type, float x, float y, float size,
                                    float speed, float xgravity, float ygravity, int blend,
                                    int red, int green, int blue, float delay, int count) {
  const MGE_ExplosionSpriteListPtr& list = GetExplosionList(layer);
  if (!list || type < 1 || type > kMaxExplosionTypes) return 0;
  const MGE_ExplosionType& t = vorpel::explosionTypes[std::size_t(type)];
  Call c{x, y, size, speed, xgravity, ygravity, blend, red, green, blue, delay};
  if (count < 1) count = t.spawns;
  count = std::min(count, kMaxExplosionPieces);
  for (int i = 1; i <= count; ++i) {
    auto p = std::make_shared<MGE_ExplosionSprite>();
    Throw(t, c, i, *p);
    p->listid = list;
    p->link = list->AddLast(p);
  }
  return 0;
}

template <class F>
void MGE_ExplosionHandler::WalkLayersDown(F&& f) {
  for (int layer = layerCount_; layer >= 1; --layer)
    if (MGE_ExplosionSpriteListPtr list = GetExplosionList(layer)) list->ForEach(f);
}

int MGE_ExplosionHandler::UpdateExplosions() {
  WalkLayersDown([](MGE_ExplosionSprite& p) { p.Automate(); });
  return 0;
}

int MGE_ExplosionHandler::RenderExplosions() {
  WalkLayersDown([](MGE_ExplosionSprite& p) { p.Render(); });
  return 0;
}

int MGE_ExplosionHandler::UpdateAndRenderExplosions() {
  WalkLayersDown([](MGE_ExplosionSprite& p) {
    p.Automate();
    p.Render();
  });
  return 0;
}

int MGE_ExplosionHandler::RenderExplosionLayer(int layer) {
  if (MGE_ExplosionSpriteListPtr list = GetExplosionList(layer))
    list->ForEach([](MGE_ExplosionSprite& p) { p.Render(); });
  return 0;
}

int MGE_ExplosionHandler::UpdateAndRenderExplosionLayer(int layer) {
  if (MGE_ExplosionSpriteListPtr list = GetExplosionList(layer))
    list->ForEach([](MGE_ExplosionSprite& p) {
      p.Automate();
      p.Render();
    });
  return 0;
}

int MGE_ExplosionHandler::GetExplosionSpriteCount(int layer) {
  const MGE_ExplosionSpriteListPtr& list = GetExplosionList(layer);
  return list ? int(list->Count()) : 0;
}

int MGE_ExplosionHandler::RemoveAllExplosions() {
  WalkLayersDown([](MGE_ExplosionSprite& p) { p.kill(); });
  return 0;
}

int MGE_ExplosionHandler::ConfigureExplosion(
    int type, int img, int srcx, int srcy, int srcwidth, int srcheight, float scale,
    float scaledir, float alphafadespeed, float startrot, float rotatedir, float xgravity,
    float ygravity, float xdir, float ydir, float velocitymin, float velocitymax, int spawns,
    int spawnlaunchdelay, int style, int frames, float xscale, float xscaledir, float yscale,
    float yscaledir) {
  if (type < 1 || type > kMaxExplosionTypes) return 0;
  vorpel::explosionTypes[std::size_t(type)] = {
      .img = img, .srcx = srcx, .srcy = srcy, .srcwidth = srcwidth, .srcheight = srcheight,
      .scale = scale, .scaledir = scaledir, .xscale = xscale, .xscaledir = xscaledir,
      .yscale = yscale, .yscaledir = yscaledir, .alphafadespeed = alphafadespeed,
      .startrot = startrot, .rotatedir = rotatedir, .xgravity = xgravity, .ygravity = ygravity,
      .xdir = xdir, .ydir = ydir, .velocitymin = velocitymin, .velocitymax = velocitymax,
      .spawns = spawns, .spawnlaunchdelay = spawnlaunchdelay, .style = style, .frames = frames};
  return 0;
}
