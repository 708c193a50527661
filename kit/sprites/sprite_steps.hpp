#pragma once
// The per-step pieces Automate and Render are made of, each in the file of its subject.
#include <cmath>

#include "kit/sprites/sprite.hpp"

namespace vorpel::detail {

// Cosine and sine of an angle in degrees.
inline float Cosd(float degrees) { return std::cos(degrees * float(M_PI / 180.0)); }
inline float Sind(float degrees) { return std::sin(degrees * float(M_PI / 180.0)); }

// Reports an event about the sprite through the game system's sprite event function.
void RaiseSpriteEvent(MGE_Sprite& s, int code);

// Sprite emitters and their particles: run inside Automate, drawn inside Render.
void UpdateSpriteEmitters(MGE_Sprite& s);
void RenderSpriteParticles(MGE_Sprite& s);

// Shows frame 1 of an animation slot (1..200) at the set's frame size.
void ShowFirstAnimFrame(MGE_Sprite& s, int slot);

// Outline alpha, alpha, scale, x scale, y scale, frame animation and rotation, in that order.
void RunValueBehaviours(MGE_Sprite& s);
void RunTrails(MGE_Sprite& s);
// The movement engine selected by engine_type.
void RunEngine(MGE_Sprite& s);
void RunFacing(MGE_Sprite& s);
void RunRGBFlash(MGE_Sprite& s);

}  // namespace vorpel::detail
