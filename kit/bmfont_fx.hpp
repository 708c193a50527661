#pragma once
// An animated text of a bitmap font handler: it fades in, waits, fades out while it drifts
// under its velocity and gravity, and takes itself out of the handler's list once faded.
#include <memory>
#include <string>

#include "kit/linked_list.hpp"

struct MGE_BMFontFX {
  std::string t;
  float x = 0.0f, y = 0.0f;
  float fadeinspeed = 0.0f, fadeoutspeed = 0.0f;
  float delaybeforefadeout = 0.0f, delaybeforemovement = 0.0f;
  float scale = 0.0f, scaledir = 0.0f;
  float spacing = 0.0f, spacingdir = 0.0f;
  float xdir = 0.0f, ydir = 0.0f;
  float xgravity = 0.0f, ygravity = 0.0f;
  float red = 0.0f, green = 0.0f, blue = 0.0f;
  int fadingin = 1;
  int blend = 0;
  float alpha = 0.0f;
  std::weak_ptr<vorpel::TList<MGE_BMFontFX>::Node> link;  // its node in the handler's FXList

  // One update scaled by FrameDelta.
  int automate() { return Step(0.0f, 0.0f); }
  // As automate, with (dx, dy) added to the position unscaled whenever it moves.
  int automateaddxynodelta(float dx, float dy) { return Step(dx, dy); }

  void Remove() {
    if (auto node = link.lock()) vorpel::TList<MGE_BMFontFX>::Remove(node.get());
  }

 private:
  int Step(float dx, float dy);
  void Fade();
  void Move(float dx, float dy);
};
