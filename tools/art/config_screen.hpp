#pragma once
#include "tools/art/canvas.hpp"

// The configuration screen's whole picture, 700 x 420, drawn to sit under its sprites: two
// slider tracks, the check box's label, a title and a quiet band for the buttons.
namespace art {

inline constexpr int kScreenWidth = 700, kScreenHeight = 420;

Canvas MakeConfigBackground();

// Where the screen's sprites sit (centres in window pixels), shared with the review picture.
struct ScreenLayout {
  static constexpr float kSliderLeft = 44, kSliderWidth = 300;
  static constexpr float kSlider1Y = 78, kSlider2Y = 177;
  static constexpr float kCheckX = 320, kCheckY = 240;
  static constexpr float kButtonsY = 360, kViewX = 255, kMoreX = 380, kExitX = 505;
  static constexpr float kLogoX = 100, kLogoY = 400;
};

}  // namespace art
