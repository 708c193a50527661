#include "app/headless_scene.hpp"

#include <cstdlib>

#include "app/app_state.hpp"
#include "app/saver.hpp"
#include "app/saver_settings.hpp"
#include "assets/assets.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/resources.hpp"

bool HeadlessSceneOpen(int width, int height, int howOften, int change, int backgroundOn) {
  if (!std::getenv("SDL_VIDEODRIVER")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
  if (!FindResource("image1.png").found) RegisterEmbeddedResources();
  HowOftenValue = howOften;
  ChangeValue = change;
  BackgroundOnValue = backgroundOn;
  Kit = std::make_unique<MGE_GameSystem>();
  Kit->Start();
  GraphicsOpened = 1;
  Scene = SaverScene{};
  Scene.vw = 800;
  Scene.vh = 500;
  if (!MGE_GameSystem::Grafix(800, 500, width, height, 0, kDriverD3D7, 60, 1, 1, 0)) return false;
  RunMode = kRunSaver;
  OpenBubbleScene();
  return true;
}

void HeadlessSceneStep(float dt) {
  vorpel::FrameDelta = dt;
  SaverLogic();
}

void HeadlessSceneDraw() {
  SaverDrawFrame();
  Flip(0);
}

int HeadlessSceneSprites() { return Kit->Sprite->GetSpriteCountAll(); }

void HeadlessSceneClose() {
  Kit->Finish();
  Kit.reset();
  MGE_Pack::Reset();
  Scene = SaverScene{};
  RunMode = kRunFinished;
  GraphicsOpened = 0;
}
