// The sprite record: creation defaults, its small methods, and one Automate step's order.
#include <cmath>
#include <limits>

#include "kit/sprites/sprite_anims.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

using SpriteRecord = SpriteTest;

TEST_F(SpriteRecord, CreationSetsTheDefaultsAndEntersTheLayer) {
  MGE_SpritePtr s = handler.GetNewSprite(2, 7, 10, 20, 30, 40.9f, 1);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->img, 7);
  EXPECT_EQ(s->srcx, 10.0f);
  EXPECT_EQ(s->height, 40.9f);
  EXPECT_EQ(s->alpha, 1.0f);
  EXPECT_EQ(s->scale, 1.0f);
  EXPECT_EQ(s->xscale, 1.0f);
  EXPECT_EQ(s->blend, 3);
  EXPECT_EQ(s->red, 255.0f);
  EXPECT_EQ(s->enabled, 1);
  EXPECT_EQ(s->trailsontop, 1);
  EXPECT_EQ(s->collision_enabled, 1);
  EXPECT_EQ(s->collidetype, 1);
  EXPECT_EQ(s->collidewidth, 30.0f);
  EXPECT_EQ(s->collideheight, 40.9f);
  EXPECT_EQ(s->collideradius, 0.0f);
  EXPECT_EQ(s->tilecheckwidth, 30.0f);
  EXPECT_EQ(s->tilecheckheight, 40);
  EXPECT_EQ(s->x, 0.0f);
  EXPECT_EQ(s->listid.lock(), handler.GetSpriteList(2));
  EXPECT_EQ(s->link.lock()->owner, handler.GetSpriteList(2).get());
  EXPECT_TRUE(s->emitterlist.Empty());
  EXPECT_EQ(handler.GetSpriteCount(2), 1);
}

TEST_F(SpriteRecord, KillTakesTheSpriteOutAndDropsItsReferences) {
  MGE_SpritePtr s = Make(1), other = Make(2);
  s->spritetotarget = other;
  s->spritetoface = other;
  s->alphafromsprite = other;
  s->spritehit = other;
  s->pausing = 5;
  s->SetEngineHook([](MGE_Sprite*) { return 0; });
  EXPECT_EQ(s->kill(), 0);
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(s->enabled, 0);
  EXPECT_EQ(s->pausing, 0.0f);
  EXPECT_EQ(s->collision_enabled, 0);
  EXPECT_FALSE(s->customfunc);
  EXPECT_FALSE(s->spritetotarget || s->spritetoface || s->alphafromsprite || s->spritehit);
  EXPECT_TRUE(s->listid.expired());
  EXPECT_EQ(Ids(1), std::vector<int>{2});
  EXPECT_EQ(other.use_count(), 2) << "only the test and the list hold the other sprite";
  EXPECT_EQ(SharedSprite(s.get()), nullptr);
  s->kill();  // a second kill is harmless
  EXPECT_EQ(handler.GetSpriteCount(1), 1);
}

TEST_F(SpriteRecord, SetTextureKeepsTheCollisionSize) {
  MGE_SpritePtr s = Make(), other = Make();
  s->SetTexture(3, 100, 200, 64, 32);
  EXPECT_EQ(s->img, 3);
  EXPECT_EQ(s->srcy, 200.0f);
  EXPECT_EQ(s->width, 64.0f);
  EXPECT_EQ(s->collidewidth, 16.0f);
  EXPECT_EQ(s->collideheight, 16.0f);
  other->SetTextureFromSprite(s.get());
  EXPECT_EQ(other->img, 3);
  EXPECT_EQ(other->height, 32.0f);
  EXPECT_EQ(other->collidewidth, 16.0f);
}

TEST_F(SpriteRecord, AnimationFramesOutsideTheTableShowNothingNew) {
  MGE_SpriteAnimFramesType set;
  set.name = "walk";
  set.totalframes = 3;
  for (int k = 1; k <= 100; ++k) {
    set.img[std::size_t(k)] = 9;
    set.srcx[std::size_t(k)] = k * 10;
    set.srcy[std::size_t(k)] = k;
  }
  MGE_SpriteHandler::AddSpriteAnim(set);
  MGE_SpritePtr s = Make();
  s->animindex = 1;
  s->animtile = 2.9f;
  s->UpdateImgFromAnimTile();
  EXPECT_EQ(s->img, 9);
  EXPECT_EQ(s->srcx, 20.0f);
  EXPECT_EQ(s->width, 16.0f) << "the size is not touched";
  for (float tile : {0.5f, 101.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
    s->animtile = tile;
    s->UpdateImgFromAnimTile();
    EXPECT_EQ(s->srcx, 20.0f) << tile;
  }
  s->animtile = 3;
  s->animindex = 201;
  s->UpdateImgFromAnimTile();
  EXPECT_EQ(s->srcx, 20.0f);
}

TEST_F(SpriteRecord, APausedSpriteResumesAfterTheStepItsPauseDropsBelowOne) {
  MGE_SpritePtr s = Make();
  handler.AutoSpriteMove(s.get(), 1, 0, 0, 0, -1000, -1000, 1000, 1000, 0);
  handler.AutoSpriteEnginePause(s.get(), 30);
  EXPECT_EQ(s->enabled, 0);
  int steps = 0;
  while (!s->enabled && steps < 100) {
    s->Automate();
    ++steps;
    EXPECT_EQ(s->x, 0.0f) << "nothing runs in a paused step";
  }
  EXPECT_EQ(steps, 30) << "30 - 30 steps leaves 0, the first value below 1";
  EXPECT_EQ(s->pausing, 0.0f);
  s->Automate();
  EXPECT_EQ(s->x, 1.0f);
  handler.AutoSpriteEnginePause(s.get(), 0);
  EXPECT_EQ(s->enabled, 1) << "a pause of 0 does nothing";
}

TEST_F(SpriteRecord, ADisabledSpriteWithoutAPauseStaysStill) {
  MGE_SpritePtr s = Make();
  handler.AutoSpriteMove(s.get(), 1, 0, 0, 0, -1000, -1000, 1000, 1000, 0);
  s->enabled = 0;
  Steps(5);
  EXPECT_EQ(s->enabled, 0);
  EXPECT_EQ(s->x, 0.0f);
}

TEST_F(SpriteRecord, TheDyingStepSkipsThePerSpriteFunctionAndEndsOutOfTheList) {
  MGE_SpritePtr s = Make();
  int calls = 0;
  s->SetEngineHook([&](MGE_Sprite*) { return ++calls; });
  handler.AutoSpriteAlphaFadeOff(s.get(), 0.6f);
  s->Automate();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(s->killed, 0);
  s->Automate();
  EXPECT_EQ(calls, 1) << "alpha fell below 0 in this step";
  EXPECT_EQ(s->killed, 1);
  EXPECT_EQ(handler.GetSpriteCount(1), 0);
}

TEST_F(SpriteRecord, ThePerSpriteFunctionRunsAfterTheEngineAndCanBeSwitchedOff) {
  MGE_SpritePtr s = Make();
  handler.AutoSpriteMove(s.get(), 2, 0, 0, 0, -1000, -1000, 1000, 1000, 0);
  float seen = -1;
  s->SetEngineHook([&](MGE_Sprite* self) {
    seen = self->x;
    return 0;
  });
  s->Automate();
  EXPECT_EQ(seen, 2.0f);
  s->SetEngineHookOff();
  s->Automate();
  EXPECT_EQ(seen, 2.0f);
  s->SetEngineHookOn();
  s->Automate();
  EXPECT_EQ(seen, 6.0f);
}

TEST_F(SpriteRecord, APerSpriteFunctionMayKillOrReplaceItself) {
  MGE_SpritePtr s = Make();
  auto big = std::make_shared<std::vector<int>>(1000, 7);  // held by the function's captures
  s->SetEngineHook([big](MGE_Sprite* self) {
    self->kill();
    return (*big)[999];  // the captures are still alive after the kill
  });
  s->Automate();
  EXPECT_EQ(s->killed, 1);
  EXPECT_FALSE(s->customfunc);
  EXPECT_EQ(big.use_count(), 1);

  MGE_SpritePtr t = Make();
  int second = 0;
  t->SetEngineHook([&second, big](MGE_Sprite* self) {
    self->SetEngineHook([&second](MGE_Sprite*) { return ++second; });
    return int(big->size());
  });
  t->Automate();
  t->Automate();
  EXPECT_EQ(second, 1) << "the replacement runs from the next step";
}

TEST_F(SpriteRecord, APerSpriteFunctionMaySwitchItselfOff) {
  int calls = 0;
  MGE_SpritePtr a = Make(), b = Make();
  a->SetEngineHook([&](MGE_Sprite* self) {
    ++calls;
    return self->SetEngineHook({});
  });
  b->SetEngineHook([&](MGE_Sprite* self) {
    ++calls;
    self->customfunc = nullptr;
    return 0;
  });
  // A plain function (no closure) too; this one also counts its calls in the sprite.
  MGE_SpritePtr c = Make();
  c->SetEngineHook(+[](MGE_Sprite* self) {
    self->var6 += 1;
    self->customfunc = nullptr;
    return 0;
  });
  Steps(3);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(c->var6, 1.0f);
  EXPECT_FALSE(a->customfunc || b->customfunc || c->customfunc);
}

TEST_F(SpriteRecord, TheRGBFlashStopsExactlyOnItsTarget) {
  MGE_SpritePtr s = Make();
  handler.AutoSpriteRGBFlash(s.get(), 0, 255, 100, 10, 250, 100, 4);
  s->Automate();
  EXPECT_EQ(s->red, 4.0f);
  EXPECT_EQ(s->green, 251.0f);
  EXPECT_EQ(s->rgbflashing, 1);
  s->Automate();
  s->Automate();
  EXPECT_EQ(s->red, 10.0f) << "12 would pass the target";
  EXPECT_EQ(s->green, 250.0f);
  EXPECT_EQ(s->blue, 100.0f);
  EXPECT_EQ(s->rgbflashing, 0);
}

TEST_F(SpriteRecord, FacingTurnsTowardsASpriteAPointOrTheWayOfTravel) {
  MGE_SpritePtr s = Make(), target = Make(0, 1, 1, 0, 50);
  handler.AutoSpriteFaceSprite(s.get(), target);
  s->Automate();
  EXPECT_FLOAT_EQ(s->rot, 90.0f);
  handler.AutoSpriteFaceXY(s.get(), -10, 0);
  s->Automate();
  EXPECT_FLOAT_EQ(s->rot, 180.0f);

  handler.AutoSpriteFaceDirection(s.get(), 5);
  handler.AutoSpriteMove(s.get(), 2, -2, 0, 0, -1000, -1000, 1000, 1000, 0);
  s->Automate();
  s->Automate();
  EXPECT_FLOAT_EQ(s->rot, 180.0f) << "moved 5.6, truncated to 5: not yet more than 5";
  s->Automate();
  EXPECT_FLOAT_EQ(s->rot, 315.0f);
  EXPECT_EQ(s->oldx, 6.0f);
}
