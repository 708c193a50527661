// Buttons, check boxes and sliders driven by the pointer and mouse button 1.
#include <utility>

#include "platform/input.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

class Gui : public SpriteTest {
 protected:
  // A 16 x 16 sprite at (100, 100) whose picture strip starts at x 10 of the atlas.
  MGE_SpritePtr Widget() {
    MGE_SpritePtr s = Make(1, 1, 1, 100, 100);
    s->srcx = 10.7f;
    s->srcy = 5;
    return s;
  }
  static void Point(int x, int y) { InjectMouseMove(x, y); }
  static void Hold(bool down) { InjectMouseButton(1, down); }
  void Step() { Steps(1); }

  static constexpr float kNormal = 10, kHover = 10 + 16 + 1, kPressed = 10 + 32 + 1;
  static constexpr float kUnchecked = 10, kChecked = 10 + 16 + 1;
};

}  // namespace

TEST_F(Gui, SetUpChoosesTheRoleAndNumbersTheSprites) {
  MGE_SpritePtr b = Widget(), c = Widget(), s = Widget();
  handler.AutoSpriteButton(b.get());
  EXPECT_EQ(b->engine_type, 16);
  EXPECT_EQ(b->gui_id, 1);
  EXPECT_EQ(b->gui_srcxbuf, 10);
  handler.AutoSpriteCheckBox(c.get(), 1);
  EXPECT_EQ(c->engine_type, 21);
  EXPECT_EQ(c->gui_id, 2);
  EXPECT_EQ(c->gui_state, 1);
  EXPECT_EQ(c->gui_value, 1.0f);
  handler.AutoSpriteButton(nullptr);
  handler.AutoSpriteSlider(s.get(), 40, 60, 200, 10, 50);
  EXPECT_EQ(s->engine_type, 25);
  EXPECT_EQ(s->gui_id, 3);
  EXPECT_EQ(s->x, 90.0f) << "the knob sits at the value at once";
  EXPECT_EQ(s->y, 100.0f);
  EXPECT_EQ(s->gui_width, 200.0f);
  EXPECT_EQ(b->gui_index, 1);
  EXPECT_EQ(c->gui_index, 2);
  EXPECT_EQ(s->gui_index, 3) << "a missing sprite takes no number";

  handler.RemoveAllSprites(2);
  MGE_SpritePtr d = Widget();
  handler.AutoSpriteButton(d.get());
  EXPECT_EQ(d->gui_index, 1);
}

TEST_F(Gui, AButtonRaisesItsHoverEventOncePerEntry) {
  MGE_SpritePtr b = Widget();
  handler.AutoSpriteButton(b.get());
  Point(20, 20);
  Step();
  EXPECT_EQ(b->srcx, kNormal);
  Point(105, 100);
  Step();
  Step();
  EXPECT_EQ(b->srcx, kHover);
  EXPECT_EQ(b->srcy, 5.0f);
  EXPECT_EQ(EventCount(7), 1);
  Point(108, 100);  // the box's edge is outside
  Step();
  EXPECT_EQ(b->srcx, kNormal);
  EXPECT_EQ(b->gui_hoverflag, 0);
  Point(107, 100);
  Step();
  EXPECT_EQ(EventCount(7), 2) << "coming back raises it again";
  EXPECT_EQ(EventCount(8), 0);
}

TEST_F(Gui, AClickIsAReleaseOverTheButtonAfterHoldingItThere) {
  MGE_SpritePtr b = Widget();
  handler.AutoSpriteButton(b.get());
  Point(100, 100);
  Step();
  Hold(true);
  Step();
  Step();
  EXPECT_EQ(b->srcx, kPressed);
  EXPECT_EQ(b->gui_state, 1);
  EXPECT_EQ(EventCount(8), 0);
  Hold(false);
  Step();
  EXPECT_EQ(EventCount(8), 1);
  EXPECT_EQ(b->srcx, kNormal);
  EXPECT_EQ(b->gui_state, 0);
  Step();
  EXPECT_EQ(b->srcx, kHover);
  EXPECT_EQ(EventCount(8), 1);
  EXPECT_EQ(EventCount(7), 1) << "still the same visit";
}

TEST_F(Gui, MovingOffAButtonWhileHoldingCancelsTheClick) {
  MGE_SpritePtr b = Widget();
  handler.AutoSpriteButton(b.get());
  Point(100, 100);
  Hold(true);
  Step();
  Point(200, 100);
  Step();
  EXPECT_EQ(b->srcx, kNormal);
  EXPECT_EQ(b->gui_state, 0);
  Hold(false);
  Step();
  Point(100, 100);
  Step();
  EXPECT_EQ(EventCount(8), 0);
  EXPECT_EQ(b->srcx, kHover);
}

TEST_F(Gui, AScaledButtonAnswersOverItsScaledBox) {
  MGE_SpritePtr b = Widget();
  b->scale = 2;  // 84..116
  handler.AutoSpriteButton(b.get());
  Point(114, 100);
  Step();
  EXPECT_EQ(EventCount(7), 1);
  Point(116, 100);
  Step();
  EXPECT_EQ(b->srcx, kNormal);
}

TEST_F(Gui, ACheckBoxTogglesOncePerPress) {
  MGE_SpritePtr c = Widget();
  Point(100, 100);
  Hold(true);
  handler.AutoSpriteCheckBox(c.get(), 0);
  Step();
  EXPECT_EQ(c->gui_state, 0) << "a press held at set-up does not count";
  EXPECT_EQ(c->srcx, kUnchecked);

  Hold(false);
  Point(20, 100);
  Step();
  Hold(true);
  for (int x = 20; x <= 180; x += 4) {  // sweep across while holding, and back
    Point(x, 100);
    Step();
  }
  Point(100, 100);
  Step();
  EXPECT_EQ(EventCount(10), 1);
  EXPECT_EQ(c->gui_state, 1);
  EXPECT_EQ(c->gui_value, 1.0f);
  EXPECT_EQ(c->srcx, kChecked);

  Hold(false);
  Step();
  Hold(true);
  Step();
  Step();
  EXPECT_EQ(EventCount(9), 1);
  EXPECT_EQ(EventCount(10), 1);
  EXPECT_EQ(c->gui_state, 0);
  EXPECT_EQ(c->gui_value, 0.0f);
  EXPECT_EQ(c->srcx, kUnchecked);
}

TEST_F(Gui, ASliderFollowsThePointerWithinReachOfItsTrack) {
  MGE_SpritePtr s = Widget();
  handler.AutoSpriteSlider(s.get(), 100, 50, 200, 10, 50);  // reach: 80..320 by 30..80
  Point(180, 55);
  Step();
  EXPECT_EQ(EventCount(12), 0) << "only while held";
  Hold(true);
  Step();
  Step();
  EXPECT_EQ(s->gui_value, 80.0f);
  EXPECT_EQ(s->x, 180.0f);
  EXPECT_EQ(s->y, 100.0f) << "y is not touched";
  EXPECT_EQ(EventCount(12), 2) << "every step, changed or not";

  Point(80, 30);
  Step();
  EXPECT_EQ(s->gui_value, 0.0f);
  EXPECT_EQ(s->x, 100.0f);
  Point(319, 79);
  Step();
  EXPECT_EQ(s->gui_value, 199.0f);
  EXPECT_EQ(s->x, 299.0f);
  EXPECT_EQ(EventCount(12), 4);

  const std::pair<int, int> outside[] = {{79, 55}, {320, 55}, {200, 29}, {200, 80}};
  for (auto [x, y] : outside) {
    Point(x, y);
    Step();
  }
  EXPECT_EQ(EventCount(12), 4) << "beyond reach";
  EXPECT_EQ(s->gui_value, 199.0f);
}

TEST_F(Gui, ARoleEndsWhenAnotherEngineIsChosen) {
  MGE_SpritePtr b = Widget();
  handler.AutoSpriteButton(b.get());
  handler.AutoSpriteMovePause(b.get(), 3);  // resumes the button afterwards
  Point(100, 100);
  Step();
  EXPECT_EQ(EventCount(7), 0);
  Steps(3);
  EXPECT_EQ(EventCount(7), 1);
  b->engine_type = 0;
  Point(20, 20);
  Step();
  Point(100, 100);
  Step();
  EXPECT_EQ(EventCount(7), 1);
}
