#pragma once
// The bubble scene without a real screen, for benchmarks and long-running tests: an offscreen
// window of the given size, the saver's virtual screen stretched over it, the given settings.
// Logic and drawing are stepped by the caller.

// Opens the scene; false when no graphics could be opened.
bool HeadlessSceneOpen(int width, int height, int howOften, int change, int backgroundOn);
// One logic step of dt milliseconds of scene time.
void HeadlessSceneStep(float dt = 5.0f);
// One frame as the saver draws it, without waiting for the vertical blank.
void HeadlessSceneDraw();
int HeadlessSceneSprites();
void HeadlessSceneClose();
