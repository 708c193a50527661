#include <gtest/gtest.h>

#include "platform/graphics.hpp"

namespace {
// A 10 x 10 image whose left half is solid and right half transparent.
ImagePtr HalfSolid() {
  auto pixmap = std::make_shared<TPixmap>(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 5; ++x) pixmap->WritePixel(x, y, 0xFFFFFFFF);
  return ImageFromPixmap(pixmap, 0);
}

class CollisionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CollisionsReset(0);
    SetTransform(0, 1, 1);
    SetDrawOrigin(0, 0);
    SetDrawHandle(0, 0);
  }
};
}  // namespace

TEST_F(CollisionTest, OnlyOpaquePixelsCollide) {
  ImagePtr image = HalfSolid();
  EXPECT_TRUE(CollideImageQuery(image, 0, 0, 0, 0, 1, 7).empty());
  // Overlapping only the transparent half: nothing.
  EXPECT_TRUE(CollideRectQuery(6, 0, 4, 10, 1, 0, 8).empty());
  // Touching the solid half.
  EXPECT_EQ(CollideRectQuery(4, 4, 3, 3, 1, 0, 8), (std::vector<CollisionId>{7}));
}

TEST_F(CollisionTest, QueriesFollowTheTransformAndHandle) {
  ImagePtr image = HalfSolid();
  ImageMidHandle(image);
  SetDrawRotation(180);  // the solid half now lies to the right of the centre
  CollideImageQuery(image, 50, 50, 0, 0, 2, 1);
  SetDrawRotation(0);
  EXPECT_TRUE(CollideRectQuery(45, 45, 4, 10, 2, 0, 2).empty());
  EXPECT_EQ(CollideRectQuery(51, 45, 3, 10, 2, 0, 2).size(), 1u);
}

TEST_F(CollisionTest, MasksSelectLayersAndResetEmptiesThem) {
  CollideRectQuery(0, 0, 10, 10, 0, 1u << 3, 30);
  CollideRectQuery(0, 0, 10, 10, 0, 1u << 5, 50);
  EXPECT_EQ(CollideRectQuery(2, 2, 2, 2, 1u << 3, 0, 0), (std::vector<CollisionId>{30}));
  EXPECT_EQ(CollideRectQuery(2, 2, 2, 2, (1u << 3) | (1u << 5), 0, 0).size(), 2u);
  CollisionsReset(1u << 3);
  EXPECT_EQ(CollideRectQuery(2, 2, 2, 2, ~0u, 0, 0), (std::vector<CollisionId>{50}));
  CollisionsReset(0);
  EXPECT_TRUE(CollideRectQuery(2, 2, 2, 2, ~0u, 0, 0).empty());
}

TEST_F(CollisionTest, DegenerateShapesNeverCollide) {
  CollideRectQuery(0, 0, 10, 10, 0, 1, 1);
  EXPECT_TRUE(CollideRectQuery(0, 0, 0, 10, 1, 0, 2).empty());
  SetDrawScale(0, 0);
  EXPECT_TRUE(CollideRectQuery(0, 0, 5, 5, 1, 0, 2).empty());
  SetDrawScale(1, 1);
  EXPECT_TRUE(CollideImageQuery(nullptr, 0, 0, 0, 1, 0, 2).empty());
  EXPECT_TRUE(CollideImageQuery(HalfSolid(), 0, 0, 3, 1, 0, 2).empty());
}
