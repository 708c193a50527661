// A program may define globals named as the kit's and the framework's process-wide variables
// and types: theirs live in namespace vorpel, so this links, and each side keeps its own.
#include <gtest/gtest.h>

#include "framework/fixed_rate_logic.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_tables.hpp"

int layerCount = -1;
float Delta = -1.0f;
float FrameDelta = -1.0f;
namespace detail {
int ReportLoadFailure = -1;
}
template <class T>
struct TList {
  T only;
};

TEST(OwnGlobals, LinkBesideTheKitsAndAreNeverWritten) {
  MGE_SpriteHandler::Init(4);
  TFixedRateLogic logic;
  logic.SetDelta(0.5f);
  vorpel::FrameDelta = 2.5f;
  EXPECT_EQ(vorpel::layerCount, 4);
  EXPECT_EQ(vorpel::Delta, 0.5f * logic.DeltaMultiplier);
  EXPECT_EQ(layerCount, -1);
  EXPECT_EQ(Delta, -1.0f);
  EXPECT_EQ(FrameDelta, -1.0f);
  EXPECT_EQ(detail::ReportLoadFailure, -1);
  EXPECT_EQ(TList<int>{7}.only, 7);
  MGE_SpriteHandler::Init(0);
}
