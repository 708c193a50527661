// The GUI roles' set-up and steps. The pointer is over a sprite when it lies in the sprite's
// scaled collision box; a click is a release over a button after it was held over it.
#include "kit/sprites/gui.hpp"

#include "kit/mouse.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "kit/truncate.hpp"
#include "platform/input.hpp"

using namespace vorpel::detail;

namespace {

// Cells of a picture strip: 0 is at the strip's left, cell n > 0 at n widths plus one further.
enum Cell : int {
  kNormalCell = 0, kHoverCell = 1, kPressedCell = 2,  // a button's
  kUncheckedCell = 0, kCheckedCell = 1,                // a check box's
};

void ShowCell(MGE_Sprite& s, int cell) {
  s.srcx = float(s.gui_srcxbuf);
  if (cell > 0) s.srcx += float(cell) * s.width + 1.0f;
}

bool PointerOver(const MGE_Sprite& s) { return MGE_SpriteHandler::IsMouseOverSprite(&s) == 1; }

void ButtonStep(MGE_Sprite& s) {
  bool over = PointerOver(s);
  if (MouseIsDown(1)) {
    ShowCell(s, over ? kPressedCell : kNormalCell);
    s.gui_state = over ? 1 : 0;
    if (!over) s.gui_hoverflag = 0;
  } else if (!over) {
    ShowCell(s, kNormalCell);
    s.gui_hoverflag = 0;
    s.gui_state = 0;
  } else if (s.gui_state == 1) {
    ShowCell(s, kNormalCell);
    s.gui_state = 0;
    RaiseSpriteEvent(s, kEventClicked);
  } else {
    ShowCell(s, kHoverCell);
    if (s.gui_hoverflag == 0) {
      RaiseSpriteEvent(s, kEventHover);
      s.gui_hoverflag = 1;
    }
  }
}

// Toggles on the press, once per press: the button must be seen up before the next toggle.
void CheckBoxStep(MGE_Sprite& s) {
  if (!MouseIsDown(1)) {
    s.gui_oktoclick = 1;
  } else if (s.gui_oktoclick == 1 && PointerOver(s)) {
    bool checked = s.gui_state != 0;
    s.gui_state = checked ? 0 : 1;
    s.gui_value = checked ? 0.0f : 1.0f;
    RaiseSpriteEvent(s, checked ? kEventUnchecked : kEventChecked);
    s.gui_oktoclick = 0;
  }
  ShowCell(s, s.gui_state != 0 ? kCheckedCell : kUncheckedCell);
}

// While held near the track, the knob's centre follows the pointer along it.
void SliderStep(MGE_Sprite& s) {
  if (!MouseIsDown(1) ||
      !MGE_MouseType::IsInBox(s.gui_srcx - kSliderReach, s.gui_srcy - kSliderReach,
                              s.gui_width + 2.0f * kSliderReach,
                              s.gui_height + 2.0f * kSliderReach))
    return;
  s.gui_value = MGE_MouseType::X() - s.gui_srcx;
  if (s.gui_value < 0.0f) s.gui_value = 0.0f;
  if (s.gui_value > s.gui_width - 1.0f) s.gui_value = s.gui_width - 1.0f;
  s.x = s.gui_srcx + s.gui_value;
  RaiseSpriteEvent(s, kEventSliderDragged);
}

// Selects the role and numbers the sprite.
void TakeRole(MGE_Sprite& s, int engine, int id, int& counter) {
  s.engine_type = engine;
  s.gui_id = id;
  s.gui_state = 0;
  s.gui_index = ++counter;
}

}  // namespace

namespace vorpel::detail {

void RunGuiEngine(MGE_Sprite& s) {
  switch (s.engine_type) {
    case kEngineButton:
      return ButtonStep(s);
    case kEngineCheckBox:
      return CheckBoxStep(s);
    case kEngineSlider:
      return SliderStep(s);
    default:
      return;
  }
}

}  // namespace vorpel::detail

int MGE_SpriteHandler::AutoSpriteButton(MGE_Sprite* s) {
  if (!s) return 0;
  TakeRole(*s, kEngineButton, kGuiButton, gui_objectcounter);
  s->gui_srcxbuf = TruncToInt(s->srcx);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteCheckBox(MGE_Sprite* s, int checked) {
  if (!s) return 0;
  TakeRole(*s, kEngineCheckBox, kGuiCheckBox, gui_objectcounter);
  s->gui_state = checked;
  s->gui_value = float(checked);
  s->gui_srcxbuf = TruncToInt(s->srcx);
  return 0;
}

int MGE_SpriteHandler::AutoSpriteSlider(MGE_Sprite* s, float trackx, float tracky,
                                        float trackwidth, float trackheight, float value) {
  if (!s) return 0;
  TakeRole(*s, kEngineSlider, kGuiSlider, gui_objectcounter);
  s->gui_srcx = trackx;
  s->gui_srcy = tracky;
  s->gui_width = trackwidth;
  s->gui_height = trackheight;
  s->gui_value = value;
  s->x = trackx + value;
  return 0;
}
