#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "kit/game_system.hpp"
#include "kit/projection.hpp"
#include "platform/clock.hpp"
#include "platform/host.hpp"
#include "tests/kit/kit_fixture.hpp"
#include "tests/support/support.hpp"

using kittest::KitTest;

using GameSystem = KitTest;

TEST_F(GameSystem, StartInstallsQuietCallbacksAndFinishDropsEverything) {
  ScriptedClock clock(5000);
  MGE_GameSystem game;
  game.Start();
  MGE_KitState& kit = KitState();
  kit.suspendFunction();
  kit.resumeFunction();
  EXPECT_EQ(clock.TotalSlept(), 40) << "suspend and resume each sleep 20 ms";
  EXPECT_EQ(kit.spriteEventFunction(nullptr, 4), 0);
  EXPECT_EQ(*kit.mapOffsetX, 0.0f);
  EXPECT_EQ(kit.fpsTimer, 5000);

  OpenKit(160, 120, 160, 120);
  MGE_TextureHandler::Init(2);
  ASSERT_EQ(kittest::LoadIntoSlot(1, *kittest::SolidPixmap(4, 4, 0xFFFFFFFF)), 1);
  game.Finish();
  EXPECT_FALSE(GraphicsIsOpen());
  EXPECT_FALSE(game.Pack || game.Sprite || game.Texture || game.Mouse || game.ScreenFader);
  EXPECT_FALSE(MGE_TextureHandler::Get(0) || MGE_TextureHandler::Get(1));
  kit.suspendFunction();
  EXPECT_EQ(clock.TotalSlept(), 40) << "no-ops after Finish";
}

TEST_F(GameSystem, GrafixRecordsTheModeAndKeepsItsFader) {
  OpenKit(800, 500, 320, 200);
  const MGE_KitState& kit = KitState();
  EXPECT_EQ(MGE_GameSystem::GetScreenWidth(), 320);
  EXPECT_EQ(MGE_GameSystem::GetGameHeight(), 500);
  EXPECT_EQ(kit.directXInUse, 0) << "OpenGL";
  EXPECT_EQ(kit.gameOutline[4], 800.0f);
  EXPECT_EQ(kit.gameOutline[7], 500.0f);
  EXPECT_EQ(kit.deltaArray[17], 20.0f);
  EXPECT_FALSE(GetAutoMidHandle());
  auto fader = kit.screenFader;
  ASSERT_TRUE(fader);

  ASSERT_EQ(MGE_GameSystem::Grafix(700, 420, 700, 420, 0, kDriverD3D9, 60, 0, 0, 0), 1);
  EXPECT_EQ(kit.directXInUse, 1);
  EXPECT_EQ(kit.directX9InUse, 1);
  EXPECT_EQ(kit.screenFader, fader);
  EXPECT_EQ(kit.mouseScaleX, 1.0f);
}

TEST_F(GameSystem, GrafixFailsWithoutAScreenButKeepsTheSizes) {
  EXPECT_EQ(MGE_GameSystem::Grafix(800, 600, 0, 0, 0, kDriverOpenGL, 60, 1, 1, 0), 0);
  EXPECT_EQ(MGE_GameSystem::GetGameWidth(), 800);
  EXPECT_FALSE(KitState().screenFader);
  EXPECT_EQ(MGE_GameSystem::IsScreenFading(), 0);
  MGE_GameSystem::ScreenFadeOut(0, 0, 0, 1.0f);  // no fader yet: nothing happens
}

TEST_F(GameSystem, ARedFlashFadesToBlackIn13Frames) {
  OpenKit(160, 120, 160, 120);
  vorpel::FrameDelta = 20.0f;
  MGE_GameSystem::ScreenFlash(255, 0, 0, 1.0f);
  MGE_GameSystem::BeginScene(1);
  EXPECT_EQ(Pixel(10, 10), 0xEB0000u) << "255 - 20";
  for (int frame = 2; frame <= 12; ++frame) MGE_GameSystem::BeginScene(0);
  EXPECT_EQ(KitState().flashActive, 1);
  EXPECT_EQ(KitState().clearRed, 15.0f);
  MGE_GameSystem::BeginScene(1);
  EXPECT_EQ(KitState().flashActive, 0);
  EXPECT_EQ(Pixel(10, 10), 0x000000u);
}

TEST_F(GameSystem, ClearColourDoesNotFlash) {
  OpenKit(160, 120, 160, 120);
  MGE_GameSystem::SetClearScreenColor(0, 0, 200);
  MGE_GameSystem::BeginScene(1);
  EXPECT_EQ(Pixel(5, 5), 0x0000C8u);
  EXPECT_EQ(KitState().flashActive, 0);
  MGE_GameSystem::SetClearScreenColor(1e30f, -1e30f, std::nanf(""));  // saturates, no UB
}

TEST_F(GameSystem, ScreenshotsAreNumberedInTheCurrentFolder) {
  testsupport::TempDir dir;
  auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  OpenKit(160, 120, 160, 120);
  MGE_GameSystem::SaveScreenShot(0);
  MGE_GameSystem::SaveScreenShot(0);
  MGE_GameSystem::SaveScreenShot(1);
  std::filesystem::current_path(old);
  EXPECT_TRUE(std::filesystem::exists(dir / "screenshot1.jpg"));
  EXPECT_TRUE(std::filesystem::exists(dir / "screenshot2.jpg"));
  PixmapPtr png = LoadPixmap(dir / "screenshot3.png");
  ASSERT_TRUE(png);
  EXPECT_EQ(png->width, 160);
  EXPECT_EQ(png->height, 120);
}

TEST_F(GameSystem, AScreenshotWithoutGraphicsWritesNothing) {
  MGE_GameSystem::SaveScreenShot(1);
  EXPECT_EQ(KitState().screenshotCounter, 0);
}

TEST_F(GameSystem, DimScreenDarkensTheGameArea) {
  OpenKit(160, 120, 160, 120);
  Clear(200, 200, 200);
  MGE_GameSystem::DimScreen(0.5f);
  EXPECT_NEAR(int(Pixel(80, 60) & 255), 100, 1);
  MGE_GameSystem::DimScreenArea(0, 0, 10, 10, 1.0f);
  EXPECT_EQ(Pixel(5, 5), 0x000000u);
  EXPECT_NEAR(int(Pixel(15, 5) & 255), 100, 1);
}

TEST_F(GameSystem, EndScene2AdvancesAndDrawsTheKitsFader) {
  OpenKit(160, 120, 160, 120);
  vorpel::FrameDelta = 1.0f;
  MGE_GameSystem::ScreenFadeOut(0, 0, 0, 0.25f);
  EXPECT_EQ(MGE_GameSystem::IsScreenFading(), 1);
  MGE_GameSystem::EndScene2(0);
  EXPECT_EQ(KitState().screenFader->alpha, 0.25f);
  MGE_GameSystem::ScreenFadeIn(0, 0, 0, 0.5f);
  MGE_GameSystem::EndScene2(0);
  MGE_GameSystem::EndScene2(0);
  MGE_GameSystem::EndScene2(0);
  EXPECT_EQ(MGE_GameSystem::IsScreenFading(), 0);
}

namespace {

class Suspension : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    MGE_GameSystem::SetOnAppSuspendFunc([this] { ++suspends; });
    MGE_GameSystem::SetOnAppResumeFunc([this] { ++resumes; });
  }
  // The suspension ends after this many sleeps.
  void ResumeAfterSleeps(int n) {
    InjectSuspended(true);
    clock.on_sleep = [this, n](ScriptedClock&) {
      if (++sleeps == n) InjectSuspended(false);
    };
  }
  ScriptedClock clock{1000};
  int suspends = 0, resumes = 0, sleeps = 0;
};

}  // namespace

TEST_F(Suspension, NothingHappensWhileActive) {
  MGE_GameSystem::DoAppSuspended();
  EXPECT_EQ(suspends + resumes, 0);
  EXPECT_EQ(clock.TotalSlept(), 0);
}

TEST_F(Suspension, AGrabbedScreenIsShownDimmedUntilResumed) {
  OpenKit(160, 120, 160, 120);
  Clear(0, 0, 200);
  ResumeAfterSleeps(3);
  MGE_GameSystem::DoAppSuspended();
  EXPECT_EQ(suspends, 1);
  EXPECT_EQ(resumes, 1);
  EXPECT_EQ(clock.TotalSlept(), 3 * 100 + 25 * 20);
  EXPECT_EQ(KitState().lastLogicTime, clock.Now() - 33);
  EXPECT_EQ(DrawState().color_red, 255) << "render states reset";
  EXPECT_EQ(DrawState().color_alpha, 1.0f);
}

TEST_F(Suspension, LostGraphicsAreReopenedAfterTheSuspension) {
  OpenKit(200, 100, 160, 120, 0);
  GraphicsClose();  // the screen cannot be grabbed any more
  ResumeAfterSleeps(2);
  MGE_GameSystem::DoAppSuspended();
  EXPECT_EQ(clock.TotalSlept(), 2 * 100 + 500);
  ASSERT_TRUE(GraphicsIsOpen());
  EXPECT_EQ(GraphicsWidth(), 160);
  // The letterbox is set again: a 200 x 150 projection with the game area 25 units down.
  EXPECT_EQ(DrawState().origin_y, 25.0f);
  EXPECT_EQ(resumes, 1);
}

TEST_F(GameSystem, ClearKeyWaitsForTheRelease) {
  ScriptedClock clock(0);
  InjectKey(32, true);
  clock.on_sleep = [](ScriptedClock& c) {
    if (c.TotalSlept() >= 45) InjectKey(32, false);
  };
  MGE_GameSystem::ClearKey(32);
  EXPECT_EQ(clock.TotalSlept(), 45);
}

TEST_F(GameSystem, WindowSetUpCentresTheWindowOnTheDesktop) {
  ASSERT_EQ(MGE_GameSystem::Grafix(160, 120, 160, 120, 0, kDriverOpenGL, 60, 0, 0, 1), 1);
  WindowRect desktop, frame;
  ASSERT_EQ(GetDesktopRect(desktop), 1);
  ASSERT_EQ(GetWindowFrameRect(GraphicsWindow(), frame), 1);
  EXPECT_EQ(frame.left, (desktop.right - frame.Width()) / 2);
  EXPECT_EQ(frame.top, (desktop.bottom - frame.Height()) / 2);
}
