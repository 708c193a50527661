// Spline and waypoint paths.
#include "kit/sprites/sprite_tables.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class PathEngines : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    s = Make(1);
    // Two straight segments as curves: (0,0) to (100,0), then (100,0) to (100,100).
    MGE_SpriteHandler::ConfigureSpline(1, 0, 0, 25, 0, 75, 0, 100, 0);
    MGE_SpriteHandler::ConfigureSpline(2, 100, 0, 100, 25, 100, 75, 100, 100);
  }
  MGE_SpritePtr s;
};

}  // namespace

TEST_F(PathEngines, ASplineFollowsItsCurveAndEndsWithEvent6) {
  handler.AutoSpriteSpline(s.get(), 1, 2, 0.25f, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(s->x, 0.0f) << "placed on the start point";
  s->Automate();
  EXPECT_FLOAT_EQ(s->x, 22.65625f) << "the cubic curve at t = 0.25";
  Steps(3);
  EXPECT_EQ(s->x, 100.0f);
  EXPECT_EQ(s->y, 0.0f);
  EXPECT_EQ(s->spline_indexcounter, 2) << "the next segment starts at once";
  EXPECT_EQ(s->spline_counter, 0.0f);
  Steps(2);
  EXPECT_FLOAT_EQ(s->y, 50.0f);
  Steps(2);
  EXPECT_EQ(s->y, 100.0f);
  EXPECT_EQ(EventCount(6), 1);
  EXPECT_EQ(s->killed, 1);
}

TEST_F(PathEngines, ASplineLeftOnStaysAtItsEnd) {
  handler.AutoSpriteSpline(s.get(), 2, 2, 0.5f, 0, 0, 0, 1, 0, 0, 0);
  Steps(2);
  EXPECT_EQ(s->engine_type, 0);
  EXPECT_EQ(s->killed, 0);
  EXPECT_EQ(EventCount(6), 1);
}

TEST_F(PathEngines, ALoopingSplineRunsItsSegmentsInTurnWithoutEvent6) {
  handler.AutoSpriteSpline(s.get(), 1, 2, 0.5f, 0, 0, 1, 0, 0, 0, 0);
  std::vector<int> segments;
  for (int i = 0; i < 12; ++i) {
    s->Automate();
    segments.push_back(s->spline_indexcounter);
  }
  EXPECT_EQ(segments, (std::vector<int>{1, 2, 2, 1, 1, 2, 2, 1, 1, 2, 2, 1}));
  EXPECT_EQ(EventCount(6), 0);
  EXPECT_EQ(s->killed, 0);
}

TEST_F(PathEngines, MirrorFlipAndNegateReshapeTheControlPoints) {
  handler.AutoSpriteSpline(s.get(), 1, 1, 0.1f, 5, 2, 0, 0, 1, 0, 0);
  EXPECT_EQ(s->spline_startx, 804.0f) << "x 0 mirrors to 799, plus the offset";
  EXPECT_EQ(s->spline_endx, 704.0f);
  EXPECT_EQ(s->spline_starty, 2.0f);
  EXPECT_EQ(s->x, 804.0f);
  handler.AutoSpriteSpline(s.get(), 2, 2, 0.1f, 0, 0, 0, 0, 0, 1, 1);
  EXPECT_EQ(s->spline_startx, -100.0f);
  EXPECT_EQ(s->spline_bend1y, 474.0f) << "y 25 flips to 499 - 25";
  EXPECT_EQ(s->spline_endy, 399.0f);
  handler.AutoSpriteSpline(s.get(), 2, 2, 0.1f, 0, 0, 0, 0, 1, 0, 1);
  EXPECT_EQ(s->spline_startx, 899.0f) << "negated, then mirrored";
  EXPECT_EQ(vorpel::splineTable[2].startx, 100.0f) << "the table keeps its values";
}

TEST_F(PathEngines, WaypointsWaitAtEachEndAndStopQuietly) {
  MGE_SpriteHandler::ConfigureWaypoint(1, 0, 0, 10, 0);
  MGE_SpriteHandler::ConfigureWaypoint(2, 50, 50, 50, 60);
  handler.AutoSpriteWaypoint(s.get(), 1, 2, 5, 0, 2.5f, 1, 2, 1);
  EXPECT_EQ(s->x, 1.0f);
  EXPECT_EQ(s->y, 2.0f);
  EXPECT_EQ(s->waypoint_stopx, 11.0f);
  Steps(2);
  EXPECT_EQ(s->x, 11.0f);
  EXPECT_EQ(s->engine_state, 1) << "arrived: waiting";
  s->Automate();
  EXPECT_EQ(s->x, 11.0f);
  EXPECT_EQ(s->engine_state, 1) << "2.5 - 1 is not below 1";
  s->Automate();
  EXPECT_EQ(s->x, 51.0f) << "on the start of the next segment";
  EXPECT_EQ(s->waypoint_indexcounter, 2);
  EXPECT_EQ(s->engine_state, 0);
  Steps(2);
  EXPECT_EQ(s->y, 62.0f);
  Steps(2);
  EXPECT_EQ(s->engine_type, 0) << "left on at the end";
  EXPECT_EQ(s->killed, 0);
  EXPECT_TRUE(events.empty());
}

TEST_F(PathEngines, WaypointsWithoutDelayRenewTheSpeedAndCanEndTheSprite) {
  MGE_SpriteHandler::ConfigureWaypoint(1, 0, 0, 3, 0);
  MGE_SpriteHandler::ConfigureWaypoint(2, 0, 0, 0, 30);
  handler.AutoSpriteWaypoint(s.get(), 1, 2, 1, 1, 0, 0, 0, 0);
  Steps(2);
  EXPECT_EQ(s->waypoint_indexcounter, 2) << "advanced in the arrival step";
  EXPECT_EQ(s->x, 0.0f) << "on the next segment's start";
  EXPECT_EQ(s->waypoint_stopy, 30.0f);
  EXPECT_EQ(s->waypoint_speed, 1.0f);
  for (int i = 0; i < 20 && !s->killed; ++i) s->Automate();
  EXPECT_EQ(s->killed, 1);
}

TEST_F(PathEngines, PathsRunningPastTheTablesEndInsteadOfReadingBeyond) {
  MGE_SpriteHandler::ConfigureSpline(100, 0, 0, 0, 0, 0, 0, 10, 0);
  handler.AutoSpriteSpline(s.get(), 100, 100, 1, 0, 0, 0, 1, 0, 0, 0);
  s->spline_indexend = 5000;  // written by the application
  s->Automate();
  EXPECT_EQ(s->engine_type, 0);
  EXPECT_EQ(EventCount(6), 1);

  MGE_SpriteHandler::ConfigureWaypoint(100, 0, 0, 1, 0);
  handler.AutoSpriteWaypoint(s.get(), 100, 100, 5, 0, 0, 0, 0, 1);
  s->waypoint_indexend = 5000;
  s->Automate();
  EXPECT_EQ(s->engine_type, 0);
  EXPECT_EQ(s->waypoint_indexcounter, 100);
}
