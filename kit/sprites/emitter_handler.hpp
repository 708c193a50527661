#pragma once

// Emits bursts of short-lived particles from sprites and free points.
class MGE_EmitterHandler {
 public:
  virtual ~MGE_EmitterHandler() = default;
};
