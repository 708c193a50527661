#include "app/fixed_rate_pass.hpp"

#include <cmath>

#include "app/app_state.hpp"
#include "kit/kit_state.hpp"

namespace {
void Step(void (*logic)(), float delta) {
  AppLogic->SetDelta(delta);
  vorpel::FrameDelta = vorpel::Delta * 5.0f;
  logic();
}
}  // namespace

void RunFixedRateSteps(void (*logic)()) {
  AppLogic->Calc();
  double ticks = AppLogic->NumTicks;
  if (!(ticks >= 0.0) || !std::isfinite(ticks)) return;
  double whole = std::floor(ticks);
  for (double i = 0; i < whole; ++i) Step(logic, 1.0f);
  double fraction = std::fmod(ticks, 1.0);
  if (fraction > 0.0) Step(logic, float(fraction));
}
