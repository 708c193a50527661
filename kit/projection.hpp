#pragma once

// Maps the virtual game area onto the open screen, stretched or fitted with black bars, and
// keeps the kit's mouse mapping and render offset consistent with it.
class ProjectionMatrix {
 public:
  // Game coordinate (0, 0) becomes the top-left corner of the back buffer and (width, height)
  // the bottom-right.
  static int SetScale(int width, int height);
  // Fits a w x h game area into the screen's aspect ratio, centred between bars.
  static int SetLetterbox(int w, int h);
  // Paints the bars black; nothing when the projection equals the game area.
  static int DrawLetterbox();
  static float Width();
  static float Height();
  static float CenterX();
  static float CenterY();
};
