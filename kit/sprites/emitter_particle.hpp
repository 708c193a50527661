#pragma once
// What emitter particles and explosion pieces have in common: a light record that waits out its
// launch delay, then grows, turns, drifts under its gravity and fades, drawn centred on its
// position. The per-step part is inline: thousands of these run every step.

namespace vorpel::detail {

struct Particle {
  float x = 0, y = 0;
  float alpha = 0;
  int blend = 0;
  float rot = 0;
  float scale = 0;
  float xscale = 0, yscale = 0;
  float red = 0, green = 0, blue = 0;
  int img = 0;
  float srcx = 0, srcy = 0, width = 0, height = 0;
  float pausing = 0;  // launch delay still to wait; neither moved nor drawn meanwhile
  float xspeed = 0, yspeed = 0;
  float xthrust = 0, ythrust = 0;  // the gravity
  float alphafadedir = 0;
  float scalingdir = 0, xscalingdir = 0, yscalingdir = 0;
  float rotatingdir = 0;
};

// Counts the launch delay down by d; true while the particle is still waiting in this step.
inline bool ParticleWaits(Particle& p, float d) {
  if (p.pausing == 0.0f) return false;
  p.pausing -= d;
  if (p.pausing < 1.0f) p.pausing = 0.0f;
  return true;
}

// One step of growth, spin (the caller wraps the angle), flight and fade.
inline void ParticleStep(Particle& p, float d) {
  p.scale += p.scalingdir * d;
  p.xscale += p.xscalingdir * d;
  p.yscale += p.yscalingdir * d;
  p.rot += p.rotatingdir * d;
  p.x += p.xspeed * d;
  p.y += p.yspeed * d;
  p.xspeed += p.xthrust * d;
  p.yspeed += p.ythrust * d;
  p.alpha -= p.alphafadedir * d;
}

// Faded out. A NaN alpha counts as faded: such a particle could never be seen or end.
inline bool ParticleFaded(const Particle& p) { return !(p.alpha >= 0.0f); }

// How a new particle starts turning: at a random angle 1..359 with a random spin sign, upright
// with a random spin sign, upright spinning as given, or not at all.
enum class SpinRule { kRandomStart, kRandomSign, kAsGiven, kNone };
void StartSpin(Particle& p, float spin, SpinRule rule);

// A colour channel of a new particle: the value, or a random whole 30..255 for -1.
float ColourChannel(float value);

// Draws the particle's picture centred on (px, py), at its own angle (not through the sprite
// rotation table). Nothing while it waits out its launch delay.
void DrawParticle(const Particle& p, float px, float py);

}  // namespace vorpel::detail
