#pragma once

// Draws text from bitmap-font definitions.
class MGE_BMFontHandler {
 public:
  virtual ~MGE_BMFontHandler() = default;
};
