// Angle, distance and overlap arithmetic of the game system, and its chance functions.
#include <algorithm>
#include <cmath>

#include "kit/game_system.hpp"
#include "kit/truncate.hpp"
#include "platform/random.hpp"

namespace {
constexpr double kDegToRad = M_PI / 180.0;
}

int MGE_GameHelpers::GetDistance(float x1, float y1, float x2, float y2) {
  double dx = double(x2) - x1, dy = double(y2) - y1;
  return TruncToInt(std::sqrt(dx * dx + dy * dy));
}

MGE_XY MGE_GameHelpers::GetDirection(float angle, float speed) {
  return {GetDirectionX(angle, speed), GetDirectionY(angle, speed)};
}

float MGE_GameHelpers::GetDirectionX(float angle, float speed) {
  return float(std::cos(angle * kDegToRad) * speed);
}

float MGE_GameHelpers::GetDirectionY(float angle, float speed) {
  return float(std::sin(angle * kDegToRad) * speed);
}

float MGE_GameHelpers::GetAngle(float x1, float y1, float x2, float y2) {
  double angle = std::atan2(double(y2) - y1, double(x2) - x1) / kDegToRad;
  if (angle < 0.0) angle += 360.0;
  // A tiny negative angle would otherwise round up to 360 in single precision.
  float result = float(angle);
  return result >= 360.0f ? 0.0f : result;
}

float MGE_GameHelpers::RotateDirToDir(float current, float target) {
  if (current > target) {
    float up = target + (360.0f - current), down = current - target;
    return up >= down ? -down : up;
  }
  if (current < target) {
    float up = target - current, down = current + (360.0f - target);
    return down >= up ? up : -down;
  }
  return 0.0f;
}

int MGE_GameHelpers::IsPointInRect(float px, float py, float rx, float ry, float w, float h) {
  return rx < px && px < rx + w && ry < py && py < ry + h ? 1 : 0;
}

int MGE_GameHelpers::GetCollideCircleToCircle(float x1, float y1, float r1, float x2, float y2,
                                             float r2) {
  return float(GetDistance(x1, y1, x2, y2)) <= r1 + r2 ? 1 : 0;
}

int MGE_GameHelpers::GetCollideBoxToBox(float x1, float y1, float w1, float h1, float x2, float y2,
                                       float w2, float h2) {
  return x1 <= x2 + w2 && x2 <= x1 + w1 && y1 <= y2 + h2 && y2 <= y1 + h1 ? 1 : 0;
}

int MGE_GameHelpers::GetCollideBoxToCircle(float bx, float by, float bw, float bh, float cx,
                                          float cy, float r) {
  float dx = cx - std::min(std::max(cx, bx), bx + bw);
  float dy = cy - std::min(std::max(cy, by), by + bh);
  return dx * dx + dy * dy < r * r ? 1 : 0;
}

int MGE_GameHelpers::GetRndSign() { return Rnd(1.0, 100.0) >= 50.0 ? 1 : -1; }

int MGE_GameHelpers::GetChance(int percent) {
  return Rnd(1.0, 100.0) < double(percent) - 1.0 ? 1 : 0;
}

float MGE_GameHelpers::GetPercent(float value, float total, float scale) {
  return value / (total / scale);
}

int MGE_GameHelpers::VarAddPong(float& value, float& speed, float minimum, float maximum,
                               int useDelta) {
  value += useDelta ? speed * vorpel::FrameDelta : speed;
  if (value < minimum) {
    value = minimum;
    speed = -speed;
  } else if (value > maximum) {
    value = maximum;
    speed = -speed;
  }
  return 0;
}
