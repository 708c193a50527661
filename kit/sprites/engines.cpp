// Choosing the engine for the step, and the rules several engines share.
#include "kit/sprites/engines.hpp"

#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/mouse.hpp"
#include "kit/sprites/gui.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "kit/truncate.hpp"

namespace vorpel::detail {

float PointerX() { return MGE_MouseType::X(); }
float PointerY() { return MGE_MouseType::Y(); }

void LoseTarget(MGE_Sprite& s) {
  s.spritetotarget.reset();
  EndSprite(s);
}

bool StepTowards(MGE_Sprite& s, float dx, float dy, float& speed, float thrust) {
  float d = vorpel::FrameDelta;
  MGE_XY v = MGE_GameHelpers::GetDirection(MGE_GameHelpers::GetAngle(s.x, s.y, dx, dy), speed);
  s.x += v.x * d;
  s.y += v.y * d;
  speed += thrust * d;
  if ((v.x > 0.0f && s.x > dx) || (v.x < 0.0f && s.x < dx)) s.x = dx;
  if ((v.y > 0.0f && s.y > dy) || (v.y < 0.0f && s.y < dy)) s.y = dy;
  return TruncToInt(s.x) == TruncToInt(dx) && TruncToInt(s.y) == TruncToInt(dy);
}

void RunEngine(MGE_Sprite& s) {
  switch (s.engine_type) {
    case kEnginePong:
    case kEngineMove:
    case kEngineMoveWrapRnd:
    case kEngineXBounce:
    case kEngineYBounce:
    case kEngineMoveRadius:
    case kEngineShootDuration:
      return RunFlyEngine(s);
    case kEngineMoveToXY:
    case kEngineMoveToMouse:
    case kEngineMoveToSprite:
    case kEngineMouse:
    case kEngineOrbit:
    case kEngineFollowMouse:
    case kEngineLatch:
      return RunSeekEngine(s);
    case kEngineSpline:
      return RunSpline(s);
    case kEngineWaypoint:
      return RunWaypoints(s);
    case kEngineHoming:
    case kEngineInertia:
    case kEngineHomingXY:
    case kEngineInertiaMouse:
    case kEngineTrackGWrap:
      return RunHomingEngine(s);
    case kEngineMovePause:
      s.engine_movepause -= vorpel::FrameDelta;
      if (s.engine_movepause < 1.0f) s.engine_type = s.engine_typebuffer;
      return;
    case kEngineButton:
    case kEngineCheckBox:
    case kEngineSlider:
      return RunGuiEngine(s);
    default:
      return;  // the numbers that select nothing
  }
}

}  // namespace vorpel::detail
