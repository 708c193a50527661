// Z-order and the stable sorts of a layer.
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

using SpriteSort = SpriteTest;

TEST_F(SpriteSort, ZorderSortsAscendingAndKeepsEqualKeysInOrder) {
  float z[] = {2, 1, 2, 0, 1};
  for (int i = 0; i < 5; ++i) Make(i)->zorder = z[i];
  handler.SortSpritesOnZorder(1);
  EXPECT_EQ(Ids(1), (std::vector<int>{3, 1, 4, 0, 2}));
}

TEST_F(SpriteSort, SetZorderSortsTheSpritesOwnList) {
  MGE_SpritePtr a = Make(1, 2), b = Make(2, 2), c = Make(3, 2);
  handler.SetZorder(a.get(), 5);
  EXPECT_EQ(Ids(2), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(handler.GetZorder(a.get()), 5.0f);
  handler.SetZorder(c.get(), -1);
  EXPECT_EQ(Ids(2), (std::vector<int>{3, 2, 1}));
  a->kill();
  handler.SetZorder(a.get(), 1);  // no list any more: only the value changes
  EXPECT_EQ(a->zorder, 1.0f);
}

TEST_F(SpriteSort, SortOnYUsesTheLowerEdge) {
  MGE_SpritePtr tall = handler.GetNewSprite(1, 1, 0, 0, 10, 100, 1);
  tall->id1 = 1;
  tall->y = 40;  // lower edge 90
  MGE_SpritePtr shorter = handler.GetNewSprite(1, 1, 0, 0, 10, 10, 1);
  shorter->id1 = 2;
  shorter->y = 60;  // lower edge 65
  handler.SortSpritesOnY(1);
  EXPECT_EQ(Ids(1), (std::vector<int>{2, 1})) << "the higher centre goes after";
  shorter->scale = 6;  // lower edge 90: equal keeps the order
  handler.SortSpritesOnY(1);
  EXPECT_EQ(Ids(1), (std::vector<int>{2, 1}));
}

TEST_F(SpriteSort, ScaleSortsBothWays) {
  float scales[] = {1, 3, 2, 3};
  for (int i = 0; i < 4; ++i) Make(i)->scale = scales[i];
  handler.SortSpritesOnScale(1);
  EXPECT_EQ(Ids(1), (std::vector<int>{0, 2, 1, 3}));
  handler.SortSpritesOnScaleS(1);
  EXPECT_EQ(Ids(1), (std::vector<int>{1, 3, 2, 0}));
}

TEST_F(SpriteSort, YThenX) {
  Make(0, 1, 1, 5, 2);
  Make(1, 1, 1, 1, 2);
  Make(2, 1, 1, 9, 1);
  Make(3, 1, 1, 1, 2);
  handler.SortSpritesOnYAndX(1);
  EXPECT_EQ(Ids(1), (std::vector<int>{2, 1, 3, 0}));
}

TEST_F(SpriteSort, ASortedListStillTakesAppends) {
  Make(1)->zorder = 3;
  Make(2)->zorder = 1;
  handler.SortSpritesOnZorder(1);
  Make(3);
  EXPECT_EQ(Ids(1), (std::vector<int>{2, 1, 3}));
  EXPECT_EQ(handler.GetSpriteList(1)->Last()->value->id1, 3);
}
