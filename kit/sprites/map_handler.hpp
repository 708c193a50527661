#pragma once

// Scrolls, draws and queries layered tile maps.
class MGE_MapHandler {
 public:
  virtual ~MGE_MapHandler() = default;
};
