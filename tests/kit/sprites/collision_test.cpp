// Collision shapes, the pairs tested, hit points and picking.
#include <climits>
#include <utility>
#include <vector>

#include "platform/input.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;
using H = MGE_SpriteHandler;

namespace {

using Pairs = std::vector<std::pair<int, int>>;

class Collision : public SpriteTest {
 protected:
  void TearDown() override {
    handler.RemoveAllSprites(0);  // sprites that found each other hold each other until killed
    SpriteTest::TearDown();
  }
  // A w x h box, or a circle, centred on (x, y).
  MGE_SpritePtr Box(int id, int layer, float x, float y, float w = 10, float h = 10) {
    MGE_SpritePtr s = Make(id, layer, 1, x, y);
    H::SetSpriteCollideAsBox(s.get(), 0, 0, w, h);
    return s;
  }
  MGE_SpritePtr Circle(int id, int layer, float x, float y, float r) {
    MGE_SpritePtr s = Make(id, layer, 1, x, y);
    H::SetSpriteCollideAsCircle(s.get(), r, 0, 0);
    return s;
  }
  static int Hit(const MGE_SpritePtr& a, const MGE_SpritePtr& b) {
    return H::SpriteHitSprite(a.get(), b.get());
  }
  static int HitNS(const MGE_SpritePtr& a, const MGE_SpritePtr& b) {
    return H::SpriteHitSpriteNS(a.get(), b.get());
  }
  // Every (sprite, its spritehit) CheckSpriteCollide reports, by id1.
  static Pairs Collide(int layerA, int layerB) {
    Pairs pairs;
    H::CheckSpriteCollide(layerA, layerB, [&](MGE_Sprite* s) {
      pairs.emplace_back(s->id1, s->spritehit->id1);
      return 0;
    });
    return pairs;
  }
};

}  // namespace

TEST_F(Collision, EdgesTouchForBoxesButCirclesCountTheirOwnWay) {
  MGE_SpritePtr a = Box(1, 1, 0, 0), b = Box(2, 1, 10, 0);  // a ends where b starts, at 5
  EXPECT_EQ(Hit(a, b), 1);
  b->x = 10.01f;
  EXPECT_EQ(Hit(a, b), 0);

  MGE_SpritePtr c = Circle(3, 1, 10, 0, 5);  // exactly touching a's right edge
  EXPECT_EQ(Hit(a, c), 0);
  EXPECT_EQ(Hit(c, a), 0);
  c->collideradius = 5.01f;
  EXPECT_EQ(Hit(a, c), 1) << "box first";
  EXPECT_EQ(Hit(c, a), 1) << "circle first";

  MGE_SpritePtr d = Circle(4, 1, 20.9f, 0, 5);
  EXPECT_EQ(Hit(c, d), 1) << "centres 10.9 apart count as 10";
  d->x = 21;
  EXPECT_EQ(Hit(c, d), 0);
  d->x = 10;
  d->collidetype = 3;
  EXPECT_EQ(Hit(c, d) + Hit(d, c) + Hit(a, d), 0) << "no known shape touches nothing";
}

TEST_F(Collision, ScaledSpotsFollowTheSignedScaleAndSizesItsMagnitude) {
  MGE_SpritePtr s = Box(1, 1, 100, 0, 4, 4), probe = Box(2, 1, 120, 0, 2, 2);
  s->scale = 2;
  s->collidexspot = 10;  // scaled box 116..124, unscaled 108..112
  EXPECT_EQ(Hit(s, probe), 1);
  EXPECT_EQ(HitNS(s, probe), 0);
  probe->x = 110;
  EXPECT_EQ(Hit(s, probe), 0);
  EXPECT_EQ(HitNS(s, probe), 1);
  s->xscale = -1;  // mirrored: 76..84
  s->scale = -2;
  probe->x = 80;
  EXPECT_EQ(Hit(s, probe), 1);

  MGE_SpritePtr c = Circle(3, 2, 100, 0, 3), dot = Circle(4, 2, 127, 0, 1);
  c->scale = 2;
  c->collidexspot = 10;  // scaled: centre 120, radius 6; unscaled: centre 110, radius 3
  EXPECT_EQ(Hit(c, dot), 1);
  dot->x = 128;
  EXPECT_EQ(Hit(c, dot), 0);
  dot->x = 114;
  EXPECT_EQ(HitNS(c, dot), 1);
  dot->x = 115;
  EXPECT_EQ(HitNS(c, dot), 0);
}

TEST_F(Collision, OnlyEnabledSpritesWithCollisionOnTakePart) {
  MGE_SpritePtr a = Box(1, 1, 0, 0), b = Box(2, 2, 3, 0);
  EXPECT_EQ(Hit(a, a), 0) << "never itself";
  b->enabled = 0;
  EXPECT_EQ(Hit(a, b) + Hit(b, a), 0);
  EXPECT_EQ(H::CheckSpriteHit(a.get(), 2) + H::CheckSpriteHit(b.get(), 1), 0);
  EXPECT_TRUE(Collide(1, 2).empty());
  EXPECT_TRUE(Collide(2, 1).empty());
  b->enabled = 1;
  H::SetSpriteCollisionOff(b.get());
  EXPECT_EQ(Hit(a, b), 0);
  EXPECT_TRUE(Collide(1, 2).empty());
  H::SetSpriteCollisionOn(b.get());
  EXPECT_EQ(Collide(1, 2), (Pairs{{1, 2}}));
  EXPECT_EQ(Hit(nullptr, b) + Hit(a, nullptr), 0);
}

TEST_F(Collision, CheckSpriteHitFindsTheFirstOtherSpriteOfTheLayer) {
  MGE_SpritePtr far = Box(1, 1, 50, 0), b = Box(2, 1, 4, 0), a = Box(3, 1, 0, 0);
  EXPECT_EQ(H::CheckSpriteHit(a.get(), 1), 1);
  EXPECT_EQ(a->spritehit, b) << "list order, itself skipped";
  EXPECT_EQ(H::CheckSpriteHit(a.get(), 2), 0);
  EXPECT_EQ(a->spritehit, b) << "kept until the next touch";
  EXPECT_EQ(H::CheckSpriteHit(far.get(), 1), 0);
  far->scale = 10;  // scaled box 0..100 reaches b; unscaled 45..55 nothing
  EXPECT_EQ(H::CheckSpriteHitNS(far.get(), 1), 0);
  EXPECT_EQ(H::CheckSpriteHit(far.get(), 1), 1);
  EXPECT_EQ(far->spritehit, b);
  a->spritehit.reset();
  a->collision_enabled = 0;
  EXPECT_EQ(H::CheckSpriteHit(a.get(), 1), 0) << "not taking part itself";
  EXPECT_EQ(a->spritehit, nullptr);
  EXPECT_EQ(H::CheckSpriteHit(nullptr, 1) + H::CheckSpriteHit(b.get(), 9), 0);
}

TEST_F(Collision, CheckSpriteCollideReportsEveryTouchingOrderedPair) {
  Box(1, 1, 0, 0);
  MGE_SpritePtr b = Box(2, 1, 8, 0);
  Box(3, 1, 16, 0);  // touches 2 only
  EXPECT_EQ(Collide(1, 1), (Pairs{{1, 2}, {2, 1}, {2, 3}, {3, 2}}));
  EXPECT_EQ(b->spritehit->id1, 3) << "the last one found";
  Box(4, 2, 12, 0);  // touches 2 and 3
  EXPECT_EQ(Collide(2, 1), (Pairs{{4, 2}, {4, 3}}));
  EXPECT_EQ(Collide(1, 2), (Pairs{{2, 4}, {3, 4}}));
  EXPECT_TRUE(Collide(0, 1).empty());
}

TEST_F(Collision, TheCallbackMayKillSpritesDuringTheWalk) {
  MGE_SpritePtr a1 = Box(1, 1, 0, 0), a2 = Box(2, 1, 1, 0);
  MGE_SpritePtr b1 = Box(3, 2, 2, 0), b2 = Box(4, 2, 3, 0);
  int calls = 0;
  H::CheckSpriteCollide(1, 2, [&](MGE_Sprite* s) {
    ++calls;
    return s->spritehit->kill();
  });
  EXPECT_EQ(calls, 2) << "a killed sprite is not found again";

  Box(5, 2, 2, 0);
  Box(6, 2, 3, 0);
  std::vector<int> reported;
  H::CheckSpriteCollide(1, 2, [&](MGE_Sprite* s) {
    reported.push_back(s->id1);
    return s->kill();
  });
  EXPECT_EQ(reported, (std::vector<int>{1, 2})) << "each reported once, at its first touch";
  EXPECT_EQ(a1->spritehit, nullptr) << "a killed sprite keeps no reference";
}

TEST_F(Collision, CollisionTurnedOffInTheCallbackCountsFromTheNextCheck) {
  Box(1, 1, 0, 0);
  Box(2, 2, 2, 0);
  Box(3, 2, 3, 0);
  std::vector<int> found;
  auto off = [&](MGE_Sprite* s) {
    found.push_back(s->spritehit->id1);
    return H::SetSpriteCollisionOff(s);
  };
  H::CheckSpriteCollide(1, 2, off);
  EXPECT_EQ(found, (std::vector<int>{2, 3})) << "every touch of this check is reported";
  H::CheckSpriteCollide(1, 2, off);
  EXPECT_EQ(found.size(), 2u);
}

TEST_F(Collision, HitPointsRunOutAtZero) {
  MGE_SpritePtr s = Make(1);
  H::SetSpriteHitCount(s.get(), 3);
  EXPECT_EQ(H::GetSpriteHitCount(s.get(), 99), 3);
  EXPECT_EQ(H::IsSpriteDead(s.get(), 3), 1);
  EXPECT_EQ(s->hitcount, 0);
  s->hitcount = 5;
  EXPECT_EQ(H::IsSpriteDead(s.get(), 3), 0);
  EXPECT_EQ(s->hitcount, 2);
  EXPECT_EQ(H::IsSpriteDead(s.get(), 7), 1);
  EXPECT_EQ(s->hitcount, 0) << "never below 0";

  s->hitcount = INT_MIN;
  EXPECT_EQ(H::IsSpriteDead(s.get(), 1), 1);
  EXPECT_EQ(s->hitcount, 0);
  s->hitcount = INT_MAX;
  EXPECT_EQ(H::IsSpriteDead(s.get(), INT_MIN), 0);
  EXPECT_EQ(s->hitcount, INT_MAX) << "saturates";
}

TEST_F(Collision, PickingIsStrictlyInsideTheScaledBoxWhateverTheShape) {
  MGE_SpritePtr s = Make(1, 1, 1, 50, 50);  // box 42..58
  EXPECT_EQ(H::IsPointInSprite(42, 50, s.get()), 0);
  EXPECT_EQ(H::IsPointInSprite(42.01f, 57.99f, s.get()), 1);
  EXPECT_EQ(H::IsPointInSprite(50, 58, s.get()), 0);
  H::SetSpriteCollideAsCircle(s.get(), 1, 0, 0);
  s->collision_enabled = 0;
  s->scale = 2;  // 34..66
  InjectMouseMove(65, 50);
  EXPECT_EQ(H::IsMouseOverSprite(s.get()), 1) << "the box, for a circle with collision off";
  InjectMouseMove(66, 50);
  EXPECT_EQ(H::IsMouseOverSprite(s.get()), 0);
}

TEST_F(Collision, GetMouseOverSpriteReportsEverySpriteUnderThePointer) {
  MGE_SpritePtr a = Make(1, 2, 1, 50, 50), b = Make(2, 2, 1, 54, 50), c = Make(3, 2, 1, 58, 50);
  Make(4, 2, 1, 80, 50);
  a->collision_enabled = 0;
  b->enabled = 0;
  std::vector<int> found;
  InjectMouseMove(50, 50);  // exactly on c's left edge
  H::GetMouseOverSprite(2, [&](MGE_Sprite* s) {
    found.push_back(s->id1);
    return 0;
  });
  EXPECT_EQ(found, (std::vector<int>{1, 2}));

  found.clear();
  InjectMouseMove(55, 50);
  H::GetMouseOverSprite(2, [&](MGE_Sprite* s) {
    found.push_back(s->id1);
    if (s->id1 == 1) c->kill();
    return s->kill();
  });
  EXPECT_EQ(found, (std::vector<int>{1, 2})) << "a sprite killed further on is not visited";
  EXPECT_EQ(handler.GetSpriteCount(2), 1);
}
