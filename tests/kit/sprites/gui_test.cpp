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
  // Moves the pointer, then runs that many steps.
  void At(int x, int y, int steps = 1) {
    InjectMouseMove(x, y);
    Steps(steps);
  }
  static void Hold(bool down) { InjectMouseButton(1, down); }

  static constexpr float kNormal = 10, kHover = 10 + 16 + 1, kPressed = 10 + 32 + 1;
  static constexpr float kUnchecked = kNormal, kChecked = kHover;
};

}  // namespace

TEST_F(Gui, SetUpNumbersTheSpritesAndPlacesTheKnob) {
  MGE_SpritePtr b = Widget(), c = Widget(), s = Widget();
  handler.AutoSpriteButton(b.get());
  handler.AutoSpriteCheckBox(c.get(), 1);
  handler.AutoSpriteButton(nullptr);
  handler.AutoSpriteSlider(s.get(), 40, 60, 200, 10, 50);
  EXPECT_EQ(b->gui_srcxbuf, 10);
  EXPECT_EQ(c->gui_value, 1.0f);
  EXPECT_EQ(s->x, 90.0f) << "the knob sits at the value at once";
  EXPECT_EQ(s->y, 100.0f);
  EXPECT_EQ(b->gui_index, 1);
  EXPECT_EQ(c->gui_index, 2);
  EXPECT_EQ(s->gui_index, 3) << "a missing sprite takes no number";
  handler.RemoveAllSprites(2);
  MGE_SpritePtr d = Widget();
  handler.AutoSpriteButton(d.get());
  EXPECT_EQ(d->gui_index, 1);
}

TEST_F(Gui, AButtonRaisesItsHoverEventOncePerEntryOverItsScaledBox) {
  MGE_SpritePtr b = Widget();
  handler.AutoSpriteButton(b.get());
  At(20, 20);
  EXPECT_EQ(b->srcx, kNormal);
  At(107, 100, 2);
  EXPECT_EQ(b->srcx, kHover);
  EXPECT_EQ(b->srcy, 5.0f);
  EXPECT_EQ(EventCount(7), 1);
  At(108, 100);  // the box's edge is outside
  EXPECT_EQ(b->srcx, kNormal);
  b->scale = 2;  // 84..116
  At(115, 100);
  EXPECT_EQ(EventCount(7), 2) << "coming back raises it again";
  At(116, 100);
  EXPECT_EQ(b->srcx, kNormal);
  EXPECT_EQ(EventCount(8), 0);
}

TEST_F(Gui, AClickIsAReleaseOverTheButtonAfterHoldingItThere) {
  MGE_SpritePtr b = Widget();
  handler.AutoSpriteButton(b.get());
  At(100, 100);
  Hold(true);
  Steps(2);
  EXPECT_EQ(b->srcx, kPressed);
  EXPECT_EQ(EventCount(8), 0);
  Hold(false);
  Steps(1);
  EXPECT_EQ(EventCount(8), 1);
  EXPECT_EQ(b->srcx, kNormal);
  Steps(1);
  EXPECT_EQ(b->srcx, kHover);
  EXPECT_EQ(EventCount(8), 1);
  EXPECT_EQ(EventCount(7), 1) << "still the same visit";
}

TEST_F(Gui, MovingOffAButtonWhileHoldingCancelsTheClick) {
  MGE_SpritePtr b = Widget();
  handler.AutoSpriteButton(b.get());
  Hold(true);
  At(100, 100);
  At(200, 100);
  EXPECT_EQ(b->srcx, kNormal);
  Hold(false);
  At(200, 100);
  At(100, 100);
  EXPECT_EQ(EventCount(8), 0);
  EXPECT_EQ(b->srcx, kHover);

  Hold(true);  // off and back on while holding: the release clicks, and it was a new visit
  At(200, 100);
  At(100, 100);
  Hold(false);
  At(100, 100, 2);
  EXPECT_EQ(EventCount(8), 1);
  EXPECT_EQ(EventCount(7), 2);
}

TEST_F(Gui, ACheckBoxTogglesOncePerPress) {
  MGE_SpritePtr c = Widget();
  Hold(true);
  InjectMouseMove(100, 100);
  handler.AutoSpriteCheckBox(c.get(), 0);
  Steps(1);
  EXPECT_EQ(c->gui_state, 0) << "a press held at set-up does not count";

  Hold(false);
  At(20, 100);
  Hold(true);
  for (int x = 20; x <= 180; x += 4) At(x, 100);  // sweep across while holding, and back
  At(100, 100);
  EXPECT_EQ(EventCount(10), 1);
  EXPECT_EQ(c->gui_value, 1.0f);
  EXPECT_EQ(c->srcx, kChecked);

  Hold(false);
  Steps(1);
  Hold(true);
  Steps(2);
  EXPECT_EQ(EventCount(9), 1);
  EXPECT_EQ(EventCount(10), 1);
  EXPECT_EQ(c->gui_state, 0);
  EXPECT_EQ(c->gui_value, 0.0f);
  EXPECT_EQ(c->srcx, kUnchecked);
}

TEST_F(Gui, ASliderFollowsThePointerWithinReachOfItsTrack) {
  MGE_SpritePtr s = Widget();
  handler.AutoSpriteSlider(s.get(), 100, 50, 200, 10, 50);  // reach: 80..320 by 30..80
  At(180, 55);
  EXPECT_EQ(EventCount(12), 0) << "only while held";
  Hold(true);
  Steps(2);
  EXPECT_EQ(s->gui_value, 80.0f);
  EXPECT_EQ(s->x, 180.0f);
  EXPECT_EQ(s->y, 100.0f) << "y is not touched";
  EXPECT_EQ(EventCount(12), 2) << "every step, changed or not";
  At(80, 30);
  EXPECT_EQ(s->x, 100.0f);
  At(319, 79);
  EXPECT_EQ(s->gui_value, 199.0f);
  EXPECT_EQ(s->x, 299.0f);

  const std::pair<int, int> outside[] = {{79, 55}, {320, 55}, {200, 29}, {200, 80}};
  for (auto [x, y] : outside) At(x, y);
  EXPECT_EQ(EventCount(12), 4) << "beyond reach";
  EXPECT_EQ(s->gui_value, 199.0f);
}
