#pragma once

// Throws the pieces of the built-in explosion types.
class MGE_ExplosionHandler {
 public:
  virtual ~MGE_ExplosionHandler() = default;
};
