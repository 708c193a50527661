#pragma once
// The GUI roles a sprite takes as its movement engine: push button, check box and horizontal
// slider. Each step reads mouse button 1 and the pointer, shows the cell of the sprite's
// picture strip that fits and reports through the sprite event function.
#include "kit/sprites/sprite.hpp"

namespace vorpel::detail {

// Engine numbers in engine_type.
enum GuiEngineType : int { kEngineButton = 16, kEngineCheckBox = 21, kEngineSlider = 25 };
// Roles in gui_id.
enum GuiId : int { kGuiButton = 1, kGuiCheckBox = 2, kGuiSlider = 3 };
// Sprite events the roles raise.
enum GuiEvent : int {
  kEventHover = 7,
  kEventClicked = 8,
  kEventUnchecked = 9,
  kEventChecked = 10,
  kEventSliderDragged = 12,
};

// How far outside its track a slider still follows the pointer.
inline constexpr float kSliderReach = 20.0f;

void RunGuiEngine(MGE_Sprite& s);

}  // namespace vorpel::detail
