#include <SDL.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"
#include "tests/support/support.hpp"

using testsupport::TempDir;

namespace {

// Runs f with standard error going to a file and returns what was written.
template <typename F>
std::string StandardErrorOf(F f) {
  TempDir dir;
  std::string path = dir / "stderr";
  std::fflush(stderr);
  int saved = dup(2);
  int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  dup2(file, 2);
  close(file);
  f();
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  return testsupport::ReadFile(path);
}

void PushKey(SDL_Keycode key) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.state = SDL_PRESSED;
  e.key.keysym.sym = key;
  SDL_PushEvent(&e);
}

class SystemServices : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppTitle("VorpelTest");
    ASSERT_EQ(GraphicsOpen(200, 100), 1);
    SetAutoPoll(false);
    FlushInput();
  }
  void TearDown() override {
    SetAutoPoll(true);
    GraphicsClose();
  }
};

}  // namespace

TEST_F(SystemServices, MessagesGoToStandardErrorWithoutADisplay) {
  EXPECT_EQ(StandardErrorOf([] { Notify("Disk is full", true); }), "VorpelTest: Disk is full\n");
  int answer = -1;
  std::string said = StandardErrorOf([&] { answer = Confirm("Quit now?"); });
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(said, "VorpelTest: Quit now?\n");
}

TEST_F(SystemServices, PointerCanBeHiddenShownAndMoved) {
  SetMouseVisible(false);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  SetMouseVisible(true);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);

  MoveMouse(30, 40);
  Poll();
  EXPECT_EQ(MousePosX(), 30);
  EXPECT_EQ(MousePosY(), 40);
}

TEST_F(SystemServices, PollAndWaitDeliverPendingEventsToInput) {
  PushKey(SDLK_ESCAPE);
  Poll();
  EXPECT_EQ(KeyHitCount(27), 1);
  PushKey(SDLK_SPACE);
  Wait();
  EXPECT_EQ(KeyHitCount(32), 1);
}
