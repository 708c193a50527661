#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "kit/game_system.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "tests/kit/kit_fixture.hpp"

namespace spritetest {

struct Event {
  MGE_Sprite* sprite;
  int code;
};

// A fresh kit with three empty sprite layers on an 800 x 500 game, a delta of 1 and the
// sprite events recorded.
class SpriteTest : public kittest::KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    MGE_SpriteHandler::Init(3);
    KitState().gameWidth = 800.0f;
    KitState().gameHeight = 500.0f;
    vorpel::FrameDelta = 1.0f;
    MGE_GameSystem::SetSpriteEventFunction([this](MGE_Sprite* s, int code) {
      events.push_back({s, code});
      return 0;
    });
  }
  void TearDown() override {
    MGE_GameSystem::SetSpriteEventFunction(nullptr);
    MGE_SpriteHandler::Init(0);
    KitTest::TearDown();
  }

  // A 16 x 16 sprite of slot 1 at (x, y), numbered in id1.
  MGE_SpritePtr Make(int id = 0, int layer = 1, int order = 1, float x = 0, float y = 0) {
    MGE_SpritePtr s = handler.GetNewSprite(layer, 1, 0, 0, 16, 16, order);
    if (s) {
      s->id1 = id;
      s->SetXY(x, y);
    }
    return s;
  }
  // The id1 of every sprite of a layer in list order.
  std::vector<int> Ids(int layer) {
    std::vector<int> ids;
    if (auto list = handler.GetSpriteList(layer)) list->ForEach([&](MGE_Sprite& s) {
      ids.push_back(s.id1);
    });
    return ids;
  }
  int EventCount(int code) const {
    return int(std::count_if(events.begin(), events.end(),
                             [code](const Event& e) { return e.code == code; }));
  }
  // Runs n update steps of every layer.
  void Steps(int n) {
    for (int i = 0; i < n; ++i) handler.UpdateSprites();
  }

  MGE_SpriteHandler handler;
  std::vector<Event> events;
};

// A test that also draws: a 160 x 120 window showing the game one to one, and a 32 x 32
// texture in slot 1 whose four 16 x 16 quarters are red, green, blue and white.
class SpriteDrawTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    OpenKit(160, 120, 160, 120);
    MGE_TextureHandler::Init(1);
    auto pixmap = kittest::SolidPixmap(32, 32, 0xFFFFFFFF);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        std::uint32_t c = y < 16 ? (x < 16 ? 0xFFFF0000 : 0xFF00FF00)
                                 : (x < 16 ? 0xFF0000FF : 0xFFFFFFFF);
        pixmap->WritePixel(x, y, c);
      }
    ASSERT_EQ(kittest::LoadIntoSlot(1, *pixmap), 1);
    Clear(0, 0, 0);
  }
  // A sprite showing one 16 x 16 quarter: 0 red, 1 green, 2 blue, 3 white.
  MGE_SpritePtr Quarter(int quarter, float x, float y, int layer = 1, int order = 1) {
    MGE_SpritePtr s = handler.GetNewSprite(layer, 1, float(quarter % 2 * 16),
                                           float(quarter / 2 * 16), 16, 16, order);
    s->SetXY(x, y);
    return s;
  }
};

}  // namespace spritetest
