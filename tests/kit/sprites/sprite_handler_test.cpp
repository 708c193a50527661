// The handler: layers, creation, removal, queries, placement and the animation table.
#include <cmath>
#include <set>

#include "kit/pack.hpp"
#include "kit/sprites/sprite_anims.hpp"
#include "kit/sprites/sprite_tables.hpp"
#include "platform/random.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

using SpriteHandler = SpriteTest;

TEST_F(SpriteHandler, LayersOutsideTheRangeAreIgnored) {
  for (int layer : {0, 4, -1, 1000000}) {
    EXPECT_EQ(handler.GetNewSprite(layer, 1, 0, 0, 8, 8, 1), nullptr) << layer;
    EXPECT_EQ(handler.GetSpriteCount(layer), 0);
    EXPECT_EQ(handler.GetSpriteList(layer), nullptr);
    EXPECT_EQ(handler.GetRandomSprite(layer), nullptr);
    EXPECT_EQ(handler.GetSprite(0, layer), nullptr);
    handler.UpdateSpriteLayer(layer);
    handler.SortSpritesOnY(layer);
  }
  EXPECT_EQ(handler.GetSpriteCountAll(), 0);
}

TEST_F(SpriteHandler, CountsAndPositionalQueries) {
  for (int i = 0; i < 4; ++i) {
    MGE_SpritePtr s = Make(i, 2);
    s->state = i % 2;
    s->id2 = 7;
  }
  Make(9, 3);
  EXPECT_EQ(handler.GetSpriteCount(2), 4);
  EXPECT_EQ(handler.GetSpriteCountAll(), 5);
  EXPECT_EQ(handler.GetSpriteCountWithState(1, 2), 2);
  EXPECT_EQ(handler.GetSpriteCountWithID1(3, 2), 1);
  EXPECT_EQ(handler.GetSpriteCountWithID2(7, 2), 4);
  EXPECT_EQ(handler.GetSpriteCountWithID2(7, 3), 0);
  EXPECT_EQ(handler.GetSprite(3, 2)->id1, 3);
  EXPECT_EQ(handler.GetSprite(4, 2), nullptr) << "past the end gives none, not a stop";
  EXPECT_EQ(handler.GetSprite(-1, 2), nullptr);
}

TEST_F(SpriteHandler, GetRandomSpritePicksAmongTheLayer) {
  EXPECT_EQ(handler.GetRandomSprite(1), nullptr);
  for (int i = 0; i < 3; ++i) Make(i);
  SeedRnd(5);
  std::set<int> seen;
  for (int i = 0; i < 100; ++i) seen.insert(handler.GetRandomSprite(1)->id1);
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
}

TEST_F(SpriteHandler, RemoveAllSpritesOfOneLayerStillRestartsTheGuiNumbering) {
  MGE_SpritePtr a = Make(1, 1), b = Make(2, 2), c = Make(3, 2);
  handler.gui_objectcounter = 5;
  handler.RemoveAllSprites(2);
  EXPECT_EQ(handler.gui_objectcounter, 0);
  EXPECT_EQ(handler.GetSpriteCount(2), 0);
  EXPECT_EQ(b->killed, 1);
  EXPECT_EQ(c->killed, 1);
  EXPECT_EQ(a->killed, 0);
  handler.gui_objectcounter = 5;
  handler.RemoveAllSprites(7);
  EXPECT_EQ(handler.gui_objectcounter, 5) << "a layer that does not exist changes nothing";
  handler.RemoveAllSprites(0);
  EXPECT_EQ(handler.GetSpriteCountAll(), 0);
  EXPECT_EQ(handler.gui_objectcounter, 0);
  handler.RemoveSprite(nullptr);
}

TEST_F(SpriteHandler, SpritesFromAnotherSpritesPicture) {
  MGE_SpritePtr source = handler.GetNewSprite(1, 4, 10, 20, 30, 40, 1);
  MGE_SpritePtr copy = handler.GetNewSpriteFromSpriteImage(2, source.get(), 0);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->img, 4);
  EXPECT_EQ(copy->srcy, 20.0f);
  EXPECT_EQ(copy->collideheight, 40.0f);
  EXPECT_EQ(handler.GetNewSpriteFromSpriteImage(2, nullptr, 0), nullptr);
}

TEST_F(SpriteHandler, SpritesFromThePackWithAndWithoutAFunction) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "atlas.pac", "a.png\r\n1\r\nbubble,1\r\n10,20,30,40\r\n");
  MGE_Pack::Reset();
  ASSERT_EQ(MGE_Pack::Read(dir / "atlas.pac", 2), 1);

  MGE_SpritePtr plain = handler.GetNewSpriteFromPack("bubble", 100, 50, 3, 1);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->img, 2);
  EXPECT_EQ(plain->srcx, 10.0f);
  EXPECT_EQ(plain->height, 40.0f);
  EXPECT_EQ(plain->x, 100.0f);
  EXPECT_EQ(plain->y, 50.0f);
  EXPECT_EQ(plain->customfuncflag, 0);

  int calls = 0;
  MGE_SpritePtr hooked =
      handler.GetNewSpriteFromPack("bubble", 0, 0, 3, 1, [&](MGE_Sprite*) { return ++calls; });
  EXPECT_EQ(hooked->customfuncflag, 1);
  handler.UpdateSprites();
  EXPECT_EQ(calls, 1);

  EXPECT_EQ(handler.GetNewSpriteFromPack("Bubble", 0, 0, 3, 1), nullptr);
  EXPECT_EQ(handler.GetNewSpriteFromPack("bubble", 0, 0, 9, 1), nullptr);
  EXPECT_EQ(handler.GetSpriteCount(3), 2);
  MGE_Pack::Reset();
}

namespace {
MGE_SpriteAnimFramesType Frames(const std::string& name, int total, int base) {
  MGE_SpriteAnimFramesType set;
  set.name = name;
  set.totalframes = total;
  set.srcwidth = 12;
  set.srcheight = 14;
  for (int k = 1; k <= kMaxAnimFrames; ++k) {
    set.img[std::size_t(k)] = 1;
    set.srcx[std::size_t(k)] = base + k;
    set.srcy[std::size_t(k)] = base;
  }
  return set;
}
}  // namespace

TEST_F(SpriteHandler, AnimationNamesAreStoredCaseBlindAndLookedUpExactly) {
  MGE_SpriteHandler::AddSpriteAnim(Frames("Walk", 4, 100));
  MGE_SpriteHandler::AddSpriteAnim(Frames("run", 2, 200));
  EXPECT_EQ(vorpel::spriteAnimCount, 2);
  MGE_SpriteHandler::AddSpriteAnim(Frames("WALK", 6, 300));
  EXPECT_EQ(vorpel::spriteAnimCount, 2) << "the other letter case reuses slot 1";
  EXPECT_EQ(vorpel::spriteAnims[1].name, "WALK");
  EXPECT_EQ(vorpel::spriteAnims[1].totalframes, 6);

  MGE_SpritePtr s = Make();
  EXPECT_EQ(MGE_SpriteHandler::SetSpriteAnimFrames(s.get(), "Walk"), 1);
  EXPECT_EQ(s->animindex, 0) << "unchanged";
  EXPECT_EQ(MGE_SpriteHandler::SetSpriteAnimFrames(s.get(), "WALK"), 0);
  EXPECT_EQ(s->animindex, 1);
  EXPECT_EQ(s->animtile, 1.0f);
  EXPECT_EQ(s->srcx, 301.0f);
  EXPECT_EQ(s->width, 12.0f);
  EXPECT_EQ(s->height, 14.0f);
  MGE_SpriteHandler::SetSpriteAnimateFrameIndex(s.get(), 3.7f);
  EXPECT_EQ(s->srcx, 303.0f);
  EXPECT_EQ(s->animtile, 3.7f);
}

TEST_F(SpriteHandler, TheAnimationTableFillsUpWithoutOverflowing) {
  for (int i = 0; i < kMaxSpriteAnims + 5; ++i)
    MGE_SpriteHandler::AddSpriteAnim(Frames("a" + std::to_string(i), 1, i));
  EXPECT_EQ(vorpel::spriteAnimCount, kMaxSpriteAnims);
  EXPECT_EQ(vorpel::spriteAnims[kMaxSpriteAnims].name, "a199");
  MGE_SpriteHandler::AddSpriteAnim(Frames("A5", 3, 0));
  EXPECT_EQ(vorpel::spriteAnims[6].totalframes, 3) << "a stored name is still replaced";
  MGE_SpriteHandler::Init(3);
  EXPECT_EQ(vorpel::spriteAnimCount, 0);
  EXPECT_EQ(vorpel::spriteAnims[6].name, "");
}

TEST_F(SpriteHandler, ASpriteFromAnAnimationShowsFrameOne) {
  MGE_SpriteHandler::AddSpriteAnim(Frames("spin", 8, 40));
  MGE_SpritePtr s = handler.GetNewSpriteAndAnim("spin", 0.5f, 2, 2, 1);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->srcx, 41.0f);
  EXPECT_EQ(s->srcy, 40.0f);
  EXPECT_EQ(s->width, 12.0f);
  EXPECT_EQ(s->collidewidth, 12.0f);
  EXPECT_EQ(s->animating, 2);
  EXPECT_EQ(s->animindex, 1);
  EXPECT_EQ(s->animtile, 1.0f);
  EXPECT_EQ(s->animin, 1.0f);
  EXPECT_EQ(s->animax, 8.0f);
  EXPECT_EQ(s->anidir, 0.5f);
  EXPECT_EQ(handler.GetNewSpriteAndAnim("SPIN", 1, 1, 2, 1), nullptr);
}

TEST_F(SpriteHandler, OffScreenPlacementIsJustOutsideOneSide) {
  MGE_SpritePtr s = handler.GetNewSprite(1, 1, 0, 0, 10, 20, 1);
  SeedRnd(11);
  std::set<int> sides;
  for (int i = 0; i < 200; ++i) {
    handler.SetXYOffScreen(s.get());
    if (s->y == -40.0f) sides.insert(1);
    else if (s->y == 540.0f) sides.insert(2);
    else if (s->x == -20.0f) sides.insert(3);
    else if (s->x == 820.0f) sides.insert(4);
    else ADD_FAILURE() << s->x << ", " << s->y;
    if (s->y == -40.0f || s->y == 540.0f) {
      EXPECT_GE(s->x, 0.0f);
      EXPECT_LT(s->x, 799.0f);
    } else {
      EXPECT_GE(s->y, 0.0f);
      EXPECT_LT(s->y, 499.0f);
    }
  }
  EXPECT_EQ(sides.size(), 4u);
}

TEST_F(SpriteHandler, RandomScreenPlacementIsWholeAndInside) {
  MGE_SpritePtr s = handler.GetNewSprite(1, 1, 0, 0, 11, 21, 1);
  SeedRnd(3);
  for (int i = 0; i < 200; ++i) {
    handler.SetXYRandScreen(s.get());
    EXPECT_EQ(s->x, std::trunc(s->x));
    EXPECT_GE(s->x, 5.0f);
    EXPECT_LE(s->x, 794.0f);
    EXPECT_GE(s->y, 10.0f);
    EXPECT_LE(s->y, 489.0f);
  }
}

TEST_F(SpriteHandler, TableIndexesOutsideTheTablesAreIgnored) {
  MGE_SpriteHandler::ConfigureSpline(0, 1, 1, 1, 1, 1, 1, 1, 1);
  MGE_SpriteHandler::ConfigureSpline(101, 1, 1, 1, 1, 1, 1, 1, 1);
  MGE_SpriteHandler::ConfigureWaypoint(-3, 1, 1, 1, 1);
  MGE_SpriteHandler::ConfigureSpline(100, 1, 2, 3, 4, 5, 6, 7, 8);
  EXPECT_EQ(vorpel::splineTable[100].stopy, 8.0f);
  EXPECT_EQ(vorpel::splineTable[0].startx, 0.0f);
  MGE_SpritePtr s = Make();
  handler.AutoSpriteSpline(s.get(), 0, 2, 0.1f, 0, 0, 0, 0, 0, 0, 0);
  handler.AutoSpriteWaypoint(s.get(), 1, 101, 1, 0, 0, 0, 0, 0);
  EXPECT_EQ(s->engine_type, 0);
}
