#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kit/game_system.hpp"
#include "kit/render_state.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/pixmap.hpp"
#include "tests/support/support.hpp"

namespace kittest {

// Puts the kit's process-wide state back to its start-up values.
inline void ResetKit() {
  KitState() = MGE_KitState{};
  vorpel::FrameDelta = 0.0f;
  MGE_TextureHandler::Init(0);
  while (RenderState::Depth() > 0) RenderState::Pop();
}

// A test with a fresh kit state and no graphics; input is only what the test injects.
class KitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetKit();
    SetAutoPoll(false);
    FlushInput();
    InjectSuspended(false);
  }
  void TearDown() override {
    GraphicsClose();
    InjectSuspended(false);
    SetAutoPoll(true);
  }
  // Opens a window through the kit; stretch 1 scales, 0 letterboxes (projection mode 1 when
  // the game and screen sizes differ).
  static void OpenKit(float game_w, float game_h, int screen_w, int screen_h, int stretch = 1) {
    int projection = game_w == float(screen_w) && game_h == float(screen_h) ? 0 : 1;
    ASSERT_EQ(MGE_GameSystem::Grafix(game_w, game_h, screen_w, screen_h, 0, kDriverOpenGL, 60,
                                     projection, stretch, 0),
              1)
        << "no GL context";
  }
  static std::uint32_t Pixel(int x, int y) {
    PixmapPtr p = GrabPixmap(x, y, 1, 1);
    return p ? p->ReadPixel(0, 0) & 0xFFFFFFu : 0xDEADu;
  }
  static void Clear(int r, int g, int b) {
    SetClsColor(r, g, b);
    Cls();
  }
};

// A solid picture of the given size.
inline PixmapPtr SolidPixmap(int w, int h, std::uint32_t argb) {
  auto pixmap = std::make_shared<TPixmap>(w, h);
  pixmap->Clear(argb);
  return pixmap;
}

// Loads a picture into a texture slot through a real file, unfiltered and unmasked.
inline int LoadIntoSlot(int slot, const TPixmap& pixmap) {
  testsupport::TempDir dir;
  std::string path = dir / "slot.png";
  if (!PixmapSavePNG(pixmap, path, 1)) return 0;
  return MGE_TextureHandler::Load(slot, path, 0);
}

}  // namespace kittest
