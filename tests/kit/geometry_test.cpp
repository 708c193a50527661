#include <gtest/gtest.h>

#include "kit/game_system.hpp"
#include "platform/random.hpp"
#include "tests/kit/kit_fixture.hpp"

using G = MGE_GameSystem;

TEST(Geometry, AnglesRunClockwiseFromPlusX) {
  EXPECT_FLOAT_EQ(G::GetAngle(0, 0, 1, 0), 0.0f);
  EXPECT_FLOAT_EQ(G::GetAngle(0, 0, 0, 1), 90.0f);
  EXPECT_FLOAT_EQ(G::GetAngle(0, 0, 0, -1), 270.0f);
  EXPECT_FLOAT_EQ(G::GetAngle(0, 0, -1, 0), 180.0f);
  EXPECT_EQ(G::GetAngle(0, 0, 1, -1e-9f), 0.0f) << "never 360";
  MGE_XY d = G::GetDirection(90, 5);
  EXPECT_NEAR(d.x, 0.0f, 1e-5);
  EXPECT_FLOAT_EQ(d.y, 5.0f);
  EXPECT_FLOAT_EQ(G::GetDirectionX(180, 2), -2.0f);
}

TEST(Geometry, RotateDirToDirTakesTheShortWay) {
  EXPECT_EQ(G::RotateDirToDir(350, 10), 20.0f);
  EXPECT_EQ(G::RotateDirToDir(10, 350), -20.0f);
  EXPECT_EQ(G::RotateDirToDir(0, 180), 180.0f);
  EXPECT_EQ(G::RotateDirToDir(180, 0), -180.0f);
  EXPECT_EQ(G::RotateDirToDir(90, 100), 10.0f);
  EXPECT_EQ(G::RotateDirToDir(100, 90), -10.0f);
  EXPECT_EQ(G::RotateDirToDir(45, 45), 0.0f);
}

TEST(Geometry, DistancesTruncate) {
  EXPECT_EQ(G::GetDistance(0, 0, 3, 4), 5);
  EXPECT_EQ(G::GetDistance(0, 0, 1, 1), 1);
  EXPECT_EQ(G::GetDistance(0, 0, 3e38f, 3e38f), INT_MAX) << "saturates";
  EXPECT_EQ(G::GetCollideCircleToCircle(0, 0, 2, 5, 0, 3), 1);
  EXPECT_EQ(G::GetCollideCircleToCircle(0, 0, 2, 5.9f, 0, 3), 1) << "the distance truncates";
  EXPECT_EQ(G::GetCollideCircleToCircle(0, 0, 2, 6, 0, 3), 0);
}

TEST(Geometry, EdgesCountForBoxesButNotForPoints) {
  EXPECT_EQ(G::IsPointInRect(10, 15, 10, 10, 20, 20), 0);
  EXPECT_EQ(G::IsPointInRect(11, 15, 10, 10, 20, 20), 1);
  EXPECT_EQ(G::IsPointInRect(30, 15, 10, 10, 20, 20), 0);
  EXPECT_EQ(G::GetCollideBoxToBox(0, 0, 10, 10, 10, 0, 5, 5), 1);
  EXPECT_EQ(G::GetCollideBoxToBox(0, 0, 10, 10, 10.5f, 0, 5, 5), 0);
  EXPECT_EQ(G::GetCollideBoxToBox(0, 0, 10, 10, 0, -5, 5, 5), 1);
  EXPECT_EQ(G::GetCollideBoxToCircle(0, 0, 10, 10, 13, 5, 3), 0) << "touching is not enough";
  EXPECT_EQ(G::GetCollideBoxToCircle(0, 0, 10, 10, 12.9f, 5, 3), 1);
  EXPECT_EQ(G::GetCollideBoxToCircle(0, 0, 10, 10, 5, 5, 0.1f), 1) << "centre inside";
  EXPECT_EQ(G::GetCollideBoxToCircle(0, 0, 10, 10, 12, 12, 2.8f), 0);
}

TEST(Chance, LowPercentagesNeverHitAndOver100AlwaysDoes) {
  SeedRnd(99);
  int hits0 = 0, hits101 = 0, hits50 = 0, plus = 0;
  for (int i = 0; i < 2000; ++i) {
    hits0 += G::GetChance(0) + G::GetChance(1) + G::GetChance(2);
    hits101 += G::GetChance(101);
    hits50 += G::GetChance(50);
    int sign = G::GetRndSign();
    ASSERT_TRUE(sign == 1 || sign == -1);
    plus += sign == 1;
  }
  EXPECT_EQ(hits0, 0);
  EXPECT_EQ(hits101, 2000);
  EXPECT_GT(hits50, 800);
  EXPECT_LT(hits50, 1200);
  EXPECT_GT(plus, 800);
  EXPECT_LT(plus, 1200);
  EXPECT_FLOAT_EQ(G::GetPercent(25, 200, 100), 12.5f);
}

TEST(VarAddPong, BouncesOffEitherEnd) {
  float value = 9, speed = 2;
  G::VarAddPong(value, speed, 0, 10, 0);
  EXPECT_EQ(value, 10.0f);
  EXPECT_EQ(speed, -2.0f);
  value = 1;
  vorpel::FrameDelta = 3;
  G::VarAddPong(value, speed, 0, 10, 1);
  EXPECT_EQ(value, 0.0f);
  EXPECT_EQ(speed, 2.0f);
  G::VarAddPong(value, speed, 0, 10, 1);
  EXPECT_EQ(value, 6.0f);
  EXPECT_EQ(speed, 2.0f);
  vorpel::FrameDelta = 0;
}
