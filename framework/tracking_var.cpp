#include "framework/tracking_var.hpp"

#include <cstddef>

#include "platform/graphics.hpp"

void TTrackingVar::Init() {
  current = 0;
  maximum = 0;
  displayLimit = 999;
  displayLimitChars = static_cast<int>(std::to_string(displayLimit).size());
}

std::string TTrackingVar::GetDisplay() {
  return Label + ZeroPadded(current, displayLimitChars) + "/" +
         ZeroPadded(maximum, displayLimitChars);
}

void TTrackingVar::Display(int x, int y) {
  TextDraw(GetDisplay(), static_cast<float>(x), static_cast<float>(y));
}

std::string ZeroPadded(int value, int width) {
  std::string digits = std::to_string(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  if (width > 0 && digits.size() < static_cast<std::size_t>(width))
    digits.insert(sign, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}
