#pragma once
#include <string>
#include <utility>

// One value of a parameter.
class TINIValue {
 public:
  TINIValue() = default;
  explicit TINIValue(std::string text) : value(std::move(text)) {}

  const std::string& GetStringValue() const { return value; }
  void SetStringValue(std::string text) { value = std::move(text); }

  std::string value;
};
