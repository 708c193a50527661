#include "kit/kit_state.hpp"

#include "kit/screen_fader.hpp"

float vorpel::FrameDelta = 0.0f;

MGE_KitState& KitState() {
  static MGE_KitState state;
  return state;
}
