#pragma once

// Covers the game area with one colour whose alpha rises (fade-out) or falls (fade-in) by the
// frame delta, stopping by itself at full or zero cover.
class MGE_ScreenFaderType {
 public:
  int active = 0;
  int red = 0, green = 0, blue = 0;
  float alpha = 0.0f;
  float fadespeed = 0.0f;

  virtual ~MGE_ScreenFaderType() = default;

  // A running fade continues upward from its current alpha.
  int StartFadeOut(int r, int g, int b, float speed);
  // Always restarts at full cover.
  int StartFadeIn(int r, int g, int b, float speed);
  int IsFading() const { return active; }
  int Update();
  int Render() const;
};
