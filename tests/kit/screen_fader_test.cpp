#include <gtest/gtest.h>

#include "kit/screen_fader.hpp"
#include "tests/kit/kit_fixture.hpp"

using kittest::KitTest;

using ScreenFader = KitTest;

TEST_F(ScreenFader, AFadeOutLandingExactlyOnFullCoverRunsOnceMore) {
  vorpel::FrameDelta = 1.0f;
  MGE_ScreenFaderType fader;
  fader.StartFadeOut(0, 0, 0, 0.25f);
  for (int i = 0; i < 4; ++i) fader.Update();
  EXPECT_EQ(fader.alpha, 1.0f);
  EXPECT_EQ(fader.IsFading(), 1);
  fader.Update();
  EXPECT_EQ(fader.alpha, 1.0f);
  EXPECT_EQ(fader.IsFading(), 0);
  fader.Update();
  EXPECT_EQ(fader.alpha, 1.0f) << "an idle fader stays put";
}

TEST_F(ScreenFader, AFadeInStopsAtZero) {
  vorpel::FrameDelta = 3.0f;
  MGE_ScreenFaderType fader;
  fader.StartFadeIn(10, 20, 30, 0.1f);
  EXPECT_EQ(fader.fadespeed, -0.1f);
  for (int i = 0; i < 3; ++i) fader.Update();
  EXPECT_EQ(fader.IsFading(), 1);
  fader.Update();
  EXPECT_EQ(fader.alpha, 0.0f);
  EXPECT_EQ(fader.IsFading(), 0);
}

TEST_F(ScreenFader, RestartsResetOrContinueTheCover) {
  MGE_ScreenFaderType fader;
  fader.StartFadeOut(0, 0, 0, 0.1f);
  fader.alpha = 0.4f;
  fader.StartFadeIn(0, 0, 0, 0.1f);
  EXPECT_EQ(fader.alpha, 1.0f) << "a fade-in always starts at full cover";
  fader.alpha = 0.4f;
  fader.StartFadeOut(1, 2, 3, 0.2f);
  EXPECT_EQ(fader.alpha, 0.4f) << "a fade-out continues upward";
  EXPECT_EQ(fader.fadespeed, 0.2f);
  EXPECT_EQ(fader.blue, 3);
  fader.active = 0;
  fader.StartFadeOut(0, 0, 0, 0.2f);
  EXPECT_EQ(fader.alpha, 0.0f) << "an idle fader fades out from nothing";
}

TEST_F(ScreenFader, OnlyARunningFadeCoversTheGameArea) {
  OpenKit(160, 120, 160, 120);
  MGE_ScreenFaderType fader;
  fader.StartFadeOut(255, 0, 0, 0.1f);
  fader.alpha = 1.0f;
  Clear(0, 0, 255);
  fader.Render();
  EXPECT_EQ(Pixel(159, 119), 0xFF0000u);
  fader.active = 0;
  Clear(0, 0, 255);
  fader.Render();
  EXPECT_EQ(Pixel(0, 0), 0x0000FFu);
}
