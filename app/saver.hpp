#pragma once
// The saver: a full screen of drifting tiled backgrounds and rising, swaying, wobbling,
// bursting soap bubbles, switching between ten bubble sets behind fades to black.
#include <string>

#include "platform/image.hpp"

struct MGE_Sprite;

// Display-mode tables, tried in order (width, height).
struct ModeSize {
  int width, height;
};
inline constexpr ModeSize WideModes[] = {{1280, 800}, {1280, 768}, {1280, 720},
                                         {1440, 900}, {1024, 600}, {800, 480}};
inline constexpr ModeSize StandardModes[] = {{800, 600}, {1024, 768}, {640, 480}};

// The scene's state. Times are milliseconds of scene time.
struct SaverScene {
  float creation_timer = 0, creation_interval = 0;
  float change_timer = 0, change_interval = 0;
  int change_pending = 0;
  int BubbleSet = 1;
  float side_countdown = 0, side_remaining = 0;
  int side = 1;
  float side_x = 0, side_y = 0;
  float corner_countdown = 0, corner_remaining = 0;
  int corner_toggle = 0;
  float corner_x = 0, corner_y = 0;
  float mouse_reference_x = 0, mouse_grace_timer = 0;
  float sway_phase = 0;
  float background_x = 0, background_y = 0;
  std::string bubble_name;
  ImagePtr front_layer, back_layer;
  int bubble_blend = 3;
  float bubble_rotation = 0;
  float vw = 800, vh = 500;  // the virtual screen
  bool watch_mouse = true;   // the mouse guard; off when a screen-saver daemon decides the end
};
inline SaverScene Scene;

// Scene time (ms) between ordinary bubbles and between set changes for the settings' values.
// Any int is accepted: the arithmetic is wide enough never to overflow.
float CreationInterval(int howOften);
float ChangeInterval(int change);

void SaverSetUp();
// The scene's part of the set-up, on a screen that is already open: atlas, fade-in, timers from
// the settings, the first bubble set.
void SaverSceneStart();
// Empty texture slots and sprite layers, then the first bubble set: how every mode that shows
// the scene (the saver, the hack mode, the headless scene) starts it once its graphics are open.
void OpenBubbleScene();
// Chooses a display mode and opens the full screen; 0 on failure.
int SaverGraphics(int wideW, int wideH, int stdW, int stdH, int stdStretch);
void SaverStep();
void SaverLogic();
int BubbleHook(MGE_Sprite* s);
void BubbleWobble(MGE_Sprite* b);
void SaverDraw();
// The frame SaverDraw shows, without the screenshot key and the flip.
void SaverDrawFrame();
void SelectBubbleSet(int n);

// The virtual size and stretch the saver picks for a desktop of this aspect ratio.
void ChooseVirtualSize(float aspect, int wideW, int wideH, int stdW, int stdH, int stdStretch,
                       int& width, int& height, int& stretch, bool& wide);
