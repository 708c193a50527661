#pragma once
// The 700 x 420 configuration screen, drawn from the atlas's sprites: two sliders, a check box,
// "view" (runs the saver now), "more" and the logo (the maker's web site) and "exit".
#include "kit/sprites/sprite.hpp"

// The knob sprites of the two sliders.
inline MGE_SpritePtr FirstKnob, SecondKnob;

// Slider tracks: the knob follows the pointer only while the button is held inside them.
inline constexpr float kTrackLeft = 44, kTrackWidth = 300, kTrackHeight = 40;
inline constexpr float kFirstTrackTop = 60, kSecondTrackTop = 159;
inline constexpr float kFirstKnobY = 78, kSecondKnobY = 177;

void ConfigSetUp();
void ConfigStep();
void ConfigLogic();
void ConfigDraw(int dim);
int ConfigButtonHook(MGE_Sprite* s);
