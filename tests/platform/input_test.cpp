#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/input.hpp"

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override { FlushInput(); }
};

TEST_F(InputTest, HitCountsCountPressesAndClearOnRead) {
  InjectKey(27, true);
  InjectKey(27, false);
  InjectKey(27, true);
  EXPECT_EQ(KeyIsDown(27), 1);
  EXPECT_EQ(KeyHitCount(27), 2);
  EXPECT_EQ(KeyHitCount(27), 0);
  InjectKey(27, true);  // held: a repeat is not a new press
  EXPECT_EQ(KeyHitCount(27), 0);
  InjectMouseButton(1, true);
  InjectMouseButton(1, false);
  EXPECT_EQ(MouseIsDown(1), 0);
  EXPECT_EQ(MouseHitCount(1), 1);
  EXPECT_EQ(MouseHitCount(1), 0);
}

TEST_F(InputTest, FlushForgetsEverything) {
  InjectKey(32, true);
  InjectMouseButton(2, true);
  InjectChar('x');
  FlushInput();
  EXPECT_EQ(KeyHitCount(32), 0);
  EXPECT_EQ(KeyIsDown(32), 0);
  EXPECT_EQ(MouseIsDown(2), 0);
  EXPECT_EQ(NextChar(), 0);
}

TEST_F(InputTest, CharacterRingKeepsOrderAndHolds256) {
  for (int i = 0; i < 300; ++i) InjectChar(1000 + i);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(NextChar(), 1000 + i);
  EXPECT_EQ(NextChar(), 0);
  InjectKey(13, true);  // Enter types a carriage return
  EXPECT_EQ(NextChar(), 13);
}

TEST_F(InputTest, CodesOutOfRangeAreIgnored) {
  InjectKey(-5, true);
  InjectKey(256, true);
  InjectMouseButton(9, true);
  EXPECT_EQ(KeyHitCount(-5), 0);
  EXPECT_EQ(KeyHitCount(100000), 0);
  EXPECT_EQ(KeyIsDown(-1), 0);
  EXPECT_EQ(MouseHitCount(0), 0);
  EXPECT_EQ(MouseHitCount(9), 0);
}

TEST_F(InputTest, SideSpecificModifiersAlsoPressTheGenericKey) {
  InjectKey(160, true);  // left shift
  EXPECT_EQ(KeyIsDown(16), 1);
  EXPECT_EQ(KeyHitCount(16), 1);
  InjectKey(160, false);
  EXPECT_EQ(KeyIsDown(16), 0);
}

TEST_F(InputTest, CloseRequestIsReturnedOnceAndSuspensionIsAState) {
  InjectCloseRequest();
  EXPECT_EQ(AppTerminateQuery(), 1);
  EXPECT_EQ(AppTerminateQuery(), 0);
  InjectSuspended(true);
  EXPECT_EQ(AppSuspendedQuery(), 1);
  EXPECT_EQ(AppSuspendedQuery(), 1);
  InjectSuspended(false);
  EXPECT_EQ(AppSuspendedQuery(), 0);
}

TEST(KeyMap, SdlKeysMapToWindowsVirtualKeys) {
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_ESCAPE), 27);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_SPACE), 32);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_a), 65);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_m), 77);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_s), 83);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_z), 90);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_0), 48);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_F12), 123);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_LEFT), 37);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_KP_0), 96);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_KP_9), 105);
  EXPECT_EQ(VirtualKeyFromSDL(SDLK_AUDIOPLAY), 0);
}
