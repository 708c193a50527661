#pragma once

// Owns every live sprite in its numbered layers.
class MGE_SpriteHandler {
 public:
  virtual ~MGE_SpriteHandler() = default;
};
