// The update walks: layer order, and sprites that kill, spawn or re-initialise mid-walk.
#include "kit/sprites/sprite_tables.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class SpriteWalks : public SpriteTest {
 protected:
  // Gives a sprite a function that records its id when it runs, then does `also`.
  template <class F>
  void Hook(const MGE_SpritePtr& s, F also) {
    s->SetEngineHook([this, also](MGE_Sprite* self) {
      seen.push_back(self->id1);
      also(self);
      return 0;
    });
  }
  void Hook(const MGE_SpritePtr& s) {
    Hook(s, [](MGE_Sprite*) {});
  }
  std::vector<int> seen;
};

}  // namespace

TEST_F(SpriteWalks, LayersAreUpdatedFromTheHighestNumberDown) {
  Hook(Make(10, 1));
  Hook(Make(20, 2));
  Hook(Make(30, 3));
  Hook(Make(31, 3));
  handler.UpdateSprites();
  EXPECT_EQ(seen, (std::vector<int>{30, 31, 20, 10}));
}

TEST_F(SpriteWalks, ASpriteKillingItselfDoesNotStopTheWalk) {
  Hook(Make(1));
  Hook(Make(2), [](MGE_Sprite* self) { self->kill(); });
  Hook(Make(3));
  handler.UpdateSprites();
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Ids(1), (std::vector<int>{1, 3}));
}

TEST_F(SpriteWalks, SpritesKilledFurtherOnAreNotVisited) {
  MGE_SpritePtr third;
  Hook(Make(1), [&](MGE_Sprite*) { handler.RemoveSprite(third.get()); });
  Hook(Make(2));
  third = Make(3);
  Hook(third);
  handler.UpdateSprites();
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST_F(SpriteWalks, SpawnsAtTheEndAreUpdatedInTheSamePassAndAtTheFrontAreNot) {
  Hook(Make(1), [this](MGE_Sprite* self) {
    if (self->var1 != 0) return;
    self->var1 = 1;
    Hook(Make(100, 1, 1));
    Hook(Make(-100, 1, 0));
  });
  Hook(Make(2));
  handler.UpdateSprites();
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 100}));
  EXPECT_EQ(Ids(1), (std::vector<int>{-100, 1, 2, 100}));
}

TEST_F(SpriteWalks, UpdateSpriteKeepsASelfKillingSpriteAliveForItsStep) {
  MGE_Sprite* raw = Make(1).get();  // only the list holds it now
  raw->SetEngineHook([](MGE_Sprite* self) {
    self->kill();
    self->var1 = 5;  // still a live object until the step ends
    return 0;
  });
  handler.UpdateSprite(raw);
  EXPECT_EQ(handler.GetSpriteCount(1), 0);
}

TEST_F(SpriteWalks, InitDuringAWalkFinishesTheOldListAndTakesTheRestFromTheNewOnes) {
  Hook(Make(30, 3));
  Hook(Make(31, 3), [this](MGE_Sprite* self) {
    if (self->var1 != 0) return;
    self->var1 = 1;
    MGE_SpriteHandler::Init(3);  // the configuration screen does this from a sprite's function
    Hook(Make(20, 2));
    Hook(Make(10, 1));
    Hook(Make(90, 3));  // the new layer 3, which this walk has passed
  });
  MGE_SpritePtr last = Make(32, 3);
  Hook(last);
  handler.UpdateSprites();
  EXPECT_EQ(seen, (std::vector<int>{30, 31, 32, 20, 10}));
  EXPECT_EQ(Ids(3), std::vector<int>{90});
  EXPECT_EQ(handler.GetSpriteCountAll(), 3);
  last->kill();  // its list is gone: harmless
  EXPECT_EQ(last->killed, 1);
}

TEST_F(SpriteWalks, InitToFewerLayersDuringAWalkSkipsTheLayersThatAreGone) {
  Hook(Make(30, 3), [](MGE_Sprite*) { MGE_SpriteHandler::Init(1); });
  handler.UpdateSprites();
  EXPECT_EQ(seen, std::vector<int>{30});
  EXPECT_EQ(vorpel::layerCount, 1);
}

TEST_F(SpriteWalks, LayerUpdatesWithAMoveFirst) {
  MGE_SpritePtr s = Make(1, 2);
  float seenX = 0;
  s->SetEngineHook([&](MGE_Sprite* self) {
    seenX = self->x;
    return 0;
  });
  vorpel::FrameDelta = 2;
  handler.UpdateSpriteLayerAddXY(2, 3, 1);
  EXPECT_EQ(seenX, 6.0f) << "moved by the delta before the step";
  handler.UpdateSpriteLayerAddXYNoDelta(2, 3, 1);
  EXPECT_EQ(seenX, 9.0f);
  EXPECT_EQ(s->y, 3.0f);
}
