#pragma once
// The pointer in game coordinates, tested against boxes, and the kit's own pointer picture,
// still or animated from the sprite engine's animation table. The picture and its animation are
// kit-wide: every instance shares them.
#include <memory>
#include <string>

struct MGE_Sprite;

// Animation modes of the pointer picture.
enum MouseAnimMode : int { kMouseAnimNone = 0, kMouseAnimPingPong = 1, kMouseAnimLoop = 2,
                           kMouseAnimOnce = 3 };

class MGE_MouseType {
 public:
  // The last sprite found under the pointer.
  std::shared_ptr<MGE_Sprite> SpriteOver;

  virtual ~MGE_MouseType() = default;

  // The window position mapped into the game area, truncated toward zero.
  static float X();
  static float Y();
  static int Show();
  static int Hide();
  // The picture is a rectangle of a texture slot; its top-left corner sits at the mouse
  // position plus (hotX, hotY). Makes the pointer visible.
  static int SetImage(int slot, int srcX, int srcY, int width, int height, int hotX, int hotY);
  // Plays the named animation of the sprite engine's table; nothing when there is none.
  static int Animate(const std::string& name, float speed, int mode);
  static int Update();
  static int Render();
  static int IsInBox(float x, float y, float w, float h);
  // The first sprite of the layer, in list order, with collision on whose collision box
  // (scaled with the sprite) holds the pointer becomes SpriteOver: 1. 0 when there is none.
  int IsOverSprite(int layer);
  static int IsOverThisSprite(const MGE_Sprite* sprite);
  // The same with the collision box as it stands, unscaled.
  int IsOverSpriteNs(int layer);
  static int IsOverThisSpriteNs(const MGE_Sprite* sprite);
};
