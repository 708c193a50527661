// Sprites naming other sprites: a named sprite stays readable until the naming one lets it go,
// and sprites naming each other are freed once they have left their layers.
#include <memory>
#include <utility>

#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

using SpriteReferences = SpriteTest;

TEST_F(SpriteReferences, AKilledTargetStaysReadableWhateverTheLayerOrder) {
  for (int targetLayer : {3, 1}) {  // updated before the sprites naming it, or after them
    SCOPED_TRACE(targetLayer);
    MGE_SpritePtr homer = Make(1, 2), mover = Make(2, 2), drifter = Make(3, 2);
    MGE_SpritePtr facer = Make(4, 2, 1, 101, 50), latched = Make(5, 2);
    std::weak_ptr<MGE_Sprite> watch;
    {
      MGE_SpritePtr target = Make(9, targetLayer, 1, 100, 0);  // ends at (101, 0) in its step
      handler.AutoSpriteMove(target.get(), 1, 0, 0, 0, -1000, -1000, 100, 1000, 0);
      target->alpha = 0.5f;
      handler.AutoSpriteHoming(homer.get(), target, 0, 1, 0, 0, 0, -1000, -1000, 1000, 1000);
      handler.AutoSpriteMoveToSprite(mover.get(), target, 1, 0, 0);
      handler.AutoSpriteMoveTrackGWrap(drifter.get(), target, 0, 0, 1, 1, 9, 9, -1000, -1000,
                                       1000, 1000);
      handler.AutoSpriteFaceSprite(facer.get(), target);
      handler.AutoSpriteAlphaLatch(latched.get(), target);
      watch = target;
    }
    Steps(targetLayer == 3 ? 1 : 2);
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(watch.lock()->killed, 1);
    EXPECT_EQ(homer->engine_type, 2) << "flies on";
    EXPECT_EQ(homer->flags, 0);
    EXPECT_EQ(mover->xdest, 101.0f) << "heads for the last position";
    EXPECT_EQ(drifter->killed + mover->killed + homer->killed, 0);
    EXPECT_FLOAT_EQ(facer->rot, 270.0f);
    EXPECT_EQ(latched->alpha, 0.5f);
    handler.RemoveAllSprites(0);
    EXPECT_TRUE(watch.expired()) << "let go when the sprites naming it left their layer";
  }
}

// Under LeakSanitizer (./test.sh), which also reports any sprite this leaves behind.
TEST_F(SpriteReferences, SpritesNamingEachOtherAreFreedOnceTheyLeaveTheirLayers) {
  auto pair = [this](int layer) {
    MGE_SpritePtr a = Make(1, layer), b = Make(2, layer);
    a->spritetotarget = a->spritetoface = b;
    b->alphafromsprite = b->spritehit = a;
    return std::pair<std::weak_ptr<MGE_Sprite>, std::weak_ptr<MGE_Sprite>>(a, b);
  };
  auto [a1, b1] = pair(1);
  handler.RemoveSprite(a1.lock().get());
  EXPECT_FALSE(a1.expired()) << "still named by the other one";
  handler.RemoveSprite(b1.lock().get());
  EXPECT_TRUE(a1.expired() && b1.expired());

  auto [a2, b2] = pair(2);
  auto [a3, b3] = pair(3);
  MGE_SpriteListPtr old = handler.GetSpriteList(3);
  handler.Init(3);  // the old layers go, and with them the sprites in them
  EXPECT_TRUE(a2.expired() && b2.expired());
  EXPECT_FALSE(a3.expired()) << "its old layer is still held";
  old.reset();
  EXPECT_TRUE(a3.expired() && b3.expired());
}
