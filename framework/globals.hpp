#pragma once
#include <string>

// Framework-wide settings fixed for this system.
inline int ScreenWidth = 800;   // the area the error box is centred on
inline int ScreenHeight = 600;
inline float ShadowX = 1.0f;    // offset of the shadow of shadowed text
inline float ShadowY = 1.0f;
inline float ShadowAlpha = 0.5f;
inline float TextAlpha = 1.0f;

// The shared data folder (set by the game object's SetSubPath); the error log lives there.
inline std::string DataFolder;
// The sync argument the framework passes to Flip.
inline int FlipSync = 1;
