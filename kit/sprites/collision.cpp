// Which sprites touch: shapes built from the sprites; layer against layer, one against a layer
// and one against one; and hit points.
#include "kit/sprites/collision.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "kit/game_helpers.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_tables.hpp"

namespace vorpel::detail {

CollideShape ScaledCollideShape(const MGE_Sprite& s) {
  CollideShape shape;
  shape.type = s.collidetype;
  if (s.collidetype == kCollideBox) {
    shape.box = ScaledCollideBox(s);
  } else if (s.collidetype == kCollideCircle) {
    float k = std::fabs(s.scale);
    shape.cx = s.x + k * s.collidexspot * s.xscale;
    shape.cy = s.y + k * s.collideyspot * s.yscale;
    shape.r = k * s.collideradius;
  }
  return shape;
}

CollideShape UnscaledCollideShape(const MGE_Sprite& s) {
  CollideShape shape;
  shape.type = s.collidetype;
  if (s.collidetype == kCollideBox) {
    shape.box = UnscaledCollideBox(s);
  } else if (s.collidetype == kCollideCircle) {
    shape.cx = s.x + s.collidexspot;
    shape.cy = s.y + s.collideyspot;
    shape.r = s.collideradius;
  }
  return shape;
}

namespace {

bool BoxTouchesCircle(const MGE_CollideBox& b, const CollideShape& c) {
  return MGE_GameHelpers::GetCollideBoxToCircle(b.left, b.top, b.width, b.height, c.cx, c.cy,
                                               c.r) == 1;
}

}  // namespace

bool ShapesTouch(const CollideShape& a, const CollideShape& b) {
  if (b.type == kCollideBox) {
    if (a.type == kCollideBox)
      return MGE_GameHelpers::GetCollideBoxToBox(a.box.left, a.box.top, a.box.width, a.box.height,
                                                b.box.left, b.box.top, b.box.width,
                                                b.box.height) == 1;
    if (a.type == kCollideCircle) return BoxTouchesCircle(b.box, a);
  } else if (b.type == kCollideCircle) {
    if (a.type == kCollideCircle)
      return MGE_GameHelpers::GetCollideCircleToCircle(a.cx, a.cy, a.r, b.cx, b.cy, b.r) == 1;
    if (a.type == kCollideBox) return BoxTouchesCircle(a.box, b);
  }
  return false;
}

}  // namespace vorpel::detail

using namespace vorpel::detail;

namespace {

using ShapeOf = CollideShape (*)(const MGE_Sprite&);

// Whether b is another sprite taking part that touches a, whose shape is known.
bool Touches(const MGE_Sprite& a, const CollideShape& shapeA, const MGE_Sprite& b,
             ShapeOf shapeOf) {
  return &a != &b && CanCollide(b) && ShapesTouch(shapeA, shapeOf(b));
}

// The first other sprite of the layer touching the sprite becomes its spritehit: 1. The scan
// calls nothing, so a plain read of the list is safe.
int HitInLayer(MGE_Sprite* sprite, int layer, ShapeOf shapeOf) {
  const MGE_SpriteListPtr& list = SpriteLayer(layer);
  if (!sprite || !list || !CanCollide(*sprite)) return 0;
  CollideShape shape = shapeOf(*sprite);
  for (auto* node = list->First().get(); node; node = node->next.get())
    if (node->value && Touches(*sprite, shape, *node->value, shapeOf)) {
      sprite->spritehit = node->value;
      return 1;
    }
  return 0;
}

int PairTouches(const MGE_Sprite* a, const MGE_Sprite* b, ShapeOf shapeOf) {
  return a && b && CanCollide(*a) && Touches(*a, shapeOf(*a), *b, shapeOf) ? 1 : 0;
}

}  // namespace

int MGE_SpriteHandler::SetSpriteCollideAsBox(MGE_Sprite* s, float xspot, float yspot,
                                             float width, float height) {
  if (!s) return 0;
  s->collision_enabled = 1;
  s->collidetype = kCollideBox;
  s->collidexspot = xspot;
  s->collideyspot = yspot;
  s->collidewidth = width;
  s->collideheight = height;
  return 0;
}

int MGE_SpriteHandler::SetSpriteCollideAsCircle(MGE_Sprite* s, float radius, float xspot,
                                                float yspot) {
  if (!s) return 0;
  s->collision_enabled = 1;
  s->collidetype = kCollideCircle;
  s->collideradius = radius;
  s->collidexspot = xspot;
  s->collideyspot = yspot;
  return 0;
}

int MGE_SpriteHandler::SetSpriteCollisionOn(MGE_Sprite* s) {
  if (s) s->collision_enabled = 1;
  return 0;
}

int MGE_SpriteHandler::SetSpriteCollisionOff(MGE_Sprite* s) {
  if (s) s->collision_enabled = 0;
  return 0;
}

int MGE_SpriteHandler::CheckSpriteCollide(int layerA, int layerB, MGE_SpriteFunction f) {
  MGE_SpriteListPtr listA = SpriteLayer(layerA);
  if (!listA) return 0;
  listA->ForEach([&](MGE_Sprite& a) {
    if (!CanCollide(a)) return;
    CollideShape shape = ScaledCollideShape(a);
    MGE_SpriteListPtr listB = SpriteLayer(layerB);
    if (!listB) return;
    listB->ForEach([&](MGE_Sprite& b) {
      // a was found eligible once for the whole check: turning its collision off in the
      // callback counts from the next check, but a killed sprite has left its layer.
      if (a.killed || !Touches(a, shape, b, ScaledCollideShape)) return;
      a.spritehit = SharedSprite(&b);
      if (f) f(&a);
    });
  });
  return 0;
}

int MGE_SpriteHandler::CheckSpriteHit(MGE_Sprite* s, int layer) {
  return HitInLayer(s, layer, ScaledCollideShape);
}

int MGE_SpriteHandler::CheckSpriteHitNS(MGE_Sprite* s, int layer) {
  return HitInLayer(s, layer, UnscaledCollideShape);
}

int MGE_SpriteHandler::SpriteHitSprite(const MGE_Sprite* a, const MGE_Sprite* b) {
  return PairTouches(a, b, ScaledCollideShape);
}

int MGE_SpriteHandler::SpriteHitSpriteNS(const MGE_Sprite* a, const MGE_Sprite* b) {
  return PairTouches(a, b, UnscaledCollideShape);
}

int MGE_SpriteHandler::SetSpriteHitCount(MGE_Sprite* s, int n) {
  if (s) s->hitcount = n;
  return 0;
}

int MGE_SpriteHandler::GetSpriteHitCount(const MGE_Sprite* s, int /*n*/) {
  return s ? s->hitcount : 0;
}

int MGE_SpriteHandler::IsSpriteDead(MGE_Sprite* s, int damage) {
  if (!s) return 0;
  // Wide arithmetic: extreme hit counts or damage saturate instead of overflowing.
  std::int64_t left = std::int64_t(s->hitcount) - damage;
  if (left > 0) {
    s->hitcount = int(std::min<std::int64_t>(left, INT_MAX));
    return 0;
  }
  s->hitcount = 0;
  return 1;
}
