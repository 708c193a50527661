#pragma once
// Owns every live sprite in its numbered layers: creates sprites into a layer, runs their
// automation and draws them layer by layer, and keeps the tables the behaviours read.
//
// Layers are numbered from 1. An order of 1 appends a new sprite to its layer (drawn over the
// others), any other order puts it at the front. Layer numbers and table indexes outside their
// ranges are ignored: nothing happens and none is returned. The sprite an operation works on is
// passed as a plain pointer (a per-sprite function has no other); sprites an operation keeps a
// reference to are passed shared.
//
// Every speed is a change per millisecond of scene time: each step multiplies it by
// vorpel::FrameDelta. Mode and flags numbers have names in kit/sprites/sprite_modes.hpp, blend
// numbers in platform/blend.hpp (MASKBLEND ... SHADEBLEND).
#include <string>

#include "kit/sprites/emitter.hpp"
#include "kit/sprites/sprite.hpp"
#include "kit/sprites/sprite_anims.hpp"
#include "kit/sprites/sprite_modes.hpp"
#include "platform/blend.hpp"

class MGE_SpriteHandler {
 public:
  // GUI sprites set up since the last RemoveAllSprites; the next one takes the next number.
  int gui_objectcounter = 0;

  virtual ~MGE_SpriteHandler() = default;

  // --- Set-up and creation ------------------------------------------------------------------

  // Makes `layers` empty layers, clears the animation, spline and waypoint tables.
  static int Init(int layers);
  MGE_SpritePtr GetNewSprite(int layer, int img, float srcx, float srcy, float width,
                             float height, int order);
  MGE_SpritePtr GetNewSpriteFromSpriteImage(int layer, const MGE_Sprite* source, int order);
  // From the first pack definition with exactly that name; none when there is none. A given
  // function becomes the sprite's per-sprite function.
  MGE_SpritePtr GetNewSpriteFromPack(const std::string& name, float x, float y, int layer,
                                     int order, MGE_SpriteFunction customfunc = {});
  // Showing frame 1 of the named animation and animating it; none when there is no such name.
  MGE_SpritePtr GetNewSpriteAndAnim(const std::string& name, float speed, int mode, int layer,
                                    int order);
  // The one factory behind the others: a sprite with the creation defaults, entered into list.
  static MGE_SpritePtr CreateSprite(int img, float srcx, float srcy, float width, float height,
                                    const MGE_SpriteListPtr& list, int order);

  // --- Removal and queries ------------------------------------------------------------------

  int RemoveSprite(MGE_Sprite* sprite);
  // Kills every sprite of the layer, or of every layer for 0; restarts the GUI numbering.
  int RemoveAllSprites(int layer);
  int GetSpriteCount(int layer);
  int GetSpriteCountAll();
  int GetSpriteCountWithState(int state, int layer);
  int GetSpriteCountWithID1(int id, int layer);
  int GetSpriteCountWithID2(int id, int layer);
  // The layer's list itself.
  MGE_SpriteListPtr GetSpriteList(int layer);
  MGE_SpritePtr GetRandomSprite(int layer);
  // The sprite at a position counted from 0; none beyond the end.
  MGE_SpritePtr GetSprite(int position, int layer);

  // --- Placement, colour and order ----------------------------------------------------------

  int SetXY(MGE_Sprite* sprite, float x, float y);
  // Just outside the game area on a random side.
  int SetXYOffScreen(MGE_Sprite* sprite);
  // At a random whole-number position fully inside the game area.
  int SetXYRandScreen(MGE_Sprite* sprite);
  // Sets zorder and sorts the sprite's list by it.
  int SetZorder(MGE_Sprite* sprite, float z);
  float GetZorder(const MGE_Sprite* sprite);
  // Stable sorts of a layer: by lower edge, by scale (ascending, and largest first with S),
  // by zorder, and by y then x.
  int SortSpritesOnY(int layer);
  int SortSpritesOnScale(int layer);
  int SortSpritesOnScaleS(int layer);
  int SortSpritesOnZorder(int layer);
  int SortSpritesOnYAndX(int layer);
  int SetSpriteColor(MGE_Sprite* sprite, float r, float g, float b);
  int SetSpriteColorRandom(MGE_Sprite* sprite, int min);

  // --- Update and drawing: layers from the highest number down, so layer 1 ends on top -----

  int UpdateSprites();
  int RenderSprites();
  int UpdateAndRenderSprites();
  int UpdateSpriteLayer(int layer);
  int RenderSpriteLayer(int layer);
  int UpdateAndRenderSpriteLayer(int layer);
  int RenderSpriteLayers(int first, int last);
  int UpdateSpriteLayerAddXY(int layer, float dx, float dy);
  int UpdateSpriteLayerAddXYNoDelta(int layer, float dx, float dy);
  int UpdateSprite(MGE_Sprite* sprite);
  int RenderSprite(MGE_Sprite* sprite);

  // --- Tables and offsets -------------------------------------------------------------------

  // Stores a frame set: a name already stored in another letter case reuses its slot.
  static int AddSpriteAnim(const MGE_SpriteAnimFramesType& frames);
  // 1 when no animation has exactly that name (the sprite is unchanged), else 0.
  static int SetSpriteAnimFrames(MGE_Sprite* sprite, const std::string& name);
  static int SetSpriteAnimateFrameIndex(MGE_Sprite* sprite, float frame);
  static int ConfigureSpline(int index, float startx, float starty, float bend1x, float bend1y,
                             float bend2x, float bend2y, float stopx, float stopy);
  static int ConfigureWaypoint(int index, float startx, float starty, float stopx, float stopy);
  static int SetSpriteRenderOffset(float x, float y);
  // Every later Render subtracts *px and *py; a missing pointer reads 0.
  static int SetSpriteMapOffsetPointer(const float* px, const float* py);

  // --- Collision and picking ----------------------------------------------------------------
  // A sprite takes part in a collision test only while enabled with collision on, and never
  // touches itself. Shapes are scaled with the sprite, or taken as they stand in the NS forms.
  // Picking always uses the scaled box, whatever the shape, collision on or off.

  static int SetSpriteCollideAsBox(MGE_Sprite* sprite, float xspot, float yspot, float width,
                                   float height);
  static int SetSpriteCollideAsCircle(MGE_Sprite* sprite, float radius, float xspot,
                                      float yspot);
  static int SetSpriteCollisionOn(MGE_Sprite* sprite);
  static int SetSpriteCollisionOff(MGE_Sprite* sprite);
  // For every touching pair of a sprite a of layerA and a sprite b of layerB: a's spritehit =
  // b, then f(a). A sprite f kills takes no further part; one whose collision f turns off still
  // finishes its own pairs as a, and is left out of the rest.
  static int CheckSpriteCollide(int layerA, int layerB, MGE_SpriteFunction f);
  // 1 when a sprite of the layer touches this one; the first found becomes its spritehit.
  static int CheckSpriteHit(MGE_Sprite* sprite, int layer);
  static int CheckSpriteHitNS(MGE_Sprite* sprite, int layer);
  // 1 when the two touch; spritehit is left alone.
  static int SpriteHitSprite(const MGE_Sprite* a, const MGE_Sprite* b);
  static int SpriteHitSpriteNS(const MGE_Sprite* a, const MGE_Sprite* b);
  static int SetSpriteHitCount(MGE_Sprite* sprite, int n);
  // Returns hitcount; n is not read.
  static int GetSpriteHitCount(const MGE_Sprite* sprite, int n);
  // Takes damage off hitcount: 1 once nothing is left (hitcount 0), else 0.
  static int IsSpriteDead(MGE_Sprite* sprite, int damage);
  // Strictly inside the scaled collision box: its edge is outside.
  static int IsPointInSprite(float x, float y, const MGE_Sprite* sprite);
  static int IsMouseOverSprite(const MGE_Sprite* sprite);
  // Calls f for every sprite of the layer under the pointer.
  static int GetMouseOverSprite(int layer, MGE_SpriteFunction f);

  // --- GUI roles: engines driven by mouse button 1 and the pointer ---------------------------
  // Each set-up gives the sprite the next gui_index. The picture strip starts at the sprite's
  // srcx: a button's normal, hover and pressed cells, a check box's unchecked and checked ones,
  // each cell width wide and the ones after the first one texel further on.

  // Raises 7 when the pointer comes over it, 8 when released over it after being held over it.
  int AutoSpriteButton(MGE_Sprite* sprite);
  // Toggles once per press over it, raising 9 (unchecked) or 10 (checked).
  int AutoSpriteCheckBox(MGE_Sprite* sprite, int checked);
  // While the button is held within reach of the track, the knob's centre follows the pointer
  // along it and 12 is raised; gui_value runs from 0 to trackwidth - 1.
  int AutoSpriteSlider(MGE_Sprite* sprite, float trackx, float tracky, float trackwidth,
                       float trackheight, float value);

  // --- Sprite emitters ---------------------------------------------------------------------

  // A new emitter on the sprite, copied from config with its scale times the sprite's; the
  // sprite's particles are then drawn over its body. None without a sprite.
  MGE_EmitterPtr GetNewSpriteEmitter(MGE_Sprite* sprite, const MGE_EmitterConfig& config);
  int SetSpriteEmitterOnTop(MGE_Sprite* sprite);
  int SetSpriteEmitterOnBottom(MGE_Sprite* sprite);
  // Emitters, and particles, of all the layer's sprites together.
  int GetSpriteEmitterCount(int layer);
  int GetSpriteEmitterSpriteCount(int layer);

  // --- Value behaviours ---------------------------------------------------------------------

  int AutoSpriteAlphaFade(MGE_Sprite* sprite, float min, float max, float speed, int mode,
                          int duration);
  int AutoSpriteAlphaFadeIn(MGE_Sprite* sprite, float max, float speed);
  int AutoSpriteAlphaFadeOff(MGE_Sprite* sprite, float speed);
  int AutoSpriteAlphaFadeOnAndOff(MGE_Sprite* sprite, float max, float speed, float hold,
                                  int flags);
  int AutoSpriteAlphaLatch(MGE_Sprite* sprite, MGE_SpritePtr source);
  int AutoSpriteOutlineAlphaFade(MGE_Sprite* sprite, float min, float max, float speed, int mode,
                                 int duration, float scale, float red, float green, float blue);
  // Turns the outline on at alpha 1.0; the first argument is not read.
  int SetSpriteOutlineAlpha(MGE_Sprite* sprite, float a, float scale, float red, float green,
                            float blue);
  int AutoSpriteScale(MGE_Sprite* sprite, float min, float max, float speed, int mode);
  int AutoSpriteXScale(MGE_Sprite* sprite, float min, float max, float speed, int mode);
  int AutoSpriteYScale(MGE_Sprite* sprite, float min, float max, float speed, int mode);
  int AutoSpriteRotate(MGE_Sprite* sprite, float min, float max, float speed, int mode);
  // 1 when no animation has exactly that name (the sprite is unchanged), else 0.
  int AutoSpriteAnimate(MGE_Sprite* sprite, const std::string& name, float speed, int mode,
                        float start);
  int AutoSpriteRGBFlash(MGE_Sprite* sprite, float red, float green, float blue, float targetred,
                         float targetgreen, float targetblue, float speed);
  int AutoSpriteTrails(MGE_Sprite* sprite, float freq, float startalpha, float fadespeed,
                       float scaledir, float rotatedir, int blend, int img, int srcx, int srcy,
                       int srcwidth, int srcheight, int ontop, int layer, float xdir, float ydir);
  int AutoSpriteTrailsState(MGE_Sprite* sprite, int on);
  int AutoSpriteTrailsOn(MGE_Sprite* sprite);
  int AutoSpriteTrailsOff(MGE_Sprite* sprite);
  int AutoSpriteFaceSprite(MGE_Sprite* sprite, MGE_SpritePtr target);
  int AutoSpriteFaceXY(MGE_Sprite* sprite, float x, float y);
  int AutoSpriteFaceDirection(MGE_Sprite* sprite, int interval);
  // Neither automated nor drawn for that long; nothing for a time of 0 or less.
  int AutoSpriteEnginePause(MGE_Sprite* sprite, float time);

  // --- Movement engines ---------------------------------------------------------------------

  int AutoSpritePong(MGE_Sprite* sprite, float xspeed, float yspeed, float left, float top,
                     float right, float bottom);
  int AutoSpriteMove(MGE_Sprite* sprite, float xspeed, float yspeed, float xthrust,
                     float ythrust, float left, float top, float right, float bottom, int flags);
  int AutoSpriteMoveWrap(MGE_Sprite* sprite, float xspeed, float yspeed, float left, float top,
                         float right, float bottom);
  int AutoSpriteShoot(MGE_Sprite* sprite, float angle, float speed, float xthrust, float ythrust,
                      float left, float top, float right, float bottom, int flags);
  int AutoSpriteShootWrap(MGE_Sprite* sprite, float angle, float speed, float xthrust,
                          float ythrust, float left, float top, float right, float bottom);
  int AutoSpriteShootDuration(MGE_Sprite* sprite, float angle, float speed, float xthrust,
                              float ythrust, float left, float top, float right, float bottom,
                              int flags, float duration);
  // Aims at the target with a random spread; returns the angle used (0 without a target).
  float AutoSpriteShootSprite(MGE_Sprite* sprite, const MGE_Sprite* target, float speed,
                              float spread, float left, float top, float right, float bottom,
                              int flags);
  int AutoSpriteMoveToXY(MGE_Sprite* sprite, float x, float y, float speed, float thrust,
                         int flags);
  int AutoSpriteMoveToMouse(MGE_Sprite* sprite, float speed, float thrust, int flags);
  int AutoSpriteMoveToSprite(MGE_Sprite* sprite, MGE_SpritePtr target, float speed, float thrust,
                             int flags);
  int AutoSpriteMouse(MGE_Sprite* sprite, float xoffset, float yoffset);
  // A larger speed follows more slowly; a speed of 0 leaves the sprite still.
  int AutoSpriteFollowMouse(MGE_Sprite* sprite, float speed);
  int AutoSpriteOrbitSprite(MGE_Sprite* sprite, MGE_SpritePtr target, float radius, float speed,
                            float angle, int flags);
  int AutoSpriteMoveWrapRnd(MGE_Sprite* sprite, float xspeed, float yspeed, float left,
                            float top, float right, float bottom);
  int AutoSpriteXBounce(MGE_Sprite* sprite, float xspeed, float yspeed, float ythrust,
                        float xgravity, float xweight, float left, float top, float right,
                        float bottom, int flags);
  int AutoSpriteYBounce(MGE_Sprite* sprite, float xspeed, float yspeed, float xthrust,
                        float ygravity, float yweight, float left, float top, float right,
                        float bottom, int flags);
  int AutoSpriteSpline(MGE_Sprite* sprite, int first, int last, float speed, float xoffset,
                       float yoffset, int loop, int leaveon, int mirror, int flip, int xnegate);
  int AutoSpriteWaypoint(MGE_Sprite* sprite, int first, int last, float speed, float thrust,
                         float delay, float xoffset, float yoffset, int leaveon);
  int AutoSpriteHoming(MGE_Sprite* sprite, MGE_SpritePtr target, float angle, float speed,
                       float turnrate, float accelerate, float initialmovelength, float left,
                       float top, float right, float bottom);
  int AutoSpriteHomingXY(MGE_Sprite* sprite, float destx, float desty, float distance,
                         float angle, float speed, float turnrate, float accelerate,
                         float initialmovelength);
  int AutoSpriteInertiaTracking(MGE_Sprite* sprite, MGE_SpritePtr target, float xaccel,
                                float xmax, float yaccel, float ymax, float duration);
  int AutoSpriteInertiaTrackingMouse(MGE_Sprite* sprite, float xaccel, float xmax, float yaccel,
                                     float ymax, float duration);
  int AutoSpriteMoveTrackGWrap(MGE_Sprite* sprite, MGE_SpritePtr target, float xspeed,
                               float yspeed, float xgravity, float ygravity, float xmax,
                               float ymax, float left, float top, float right, float bottom);
  int AutoSpriteMoveRadius(MGE_Sprite* sprite, float xspeed, float yspeed, float xthrust,
                           float ythrust, float cosangle, float cosspeed, float cosradius,
                           float sinangle, float sinspeed, float sinradius, float left,
                           float top, float right, float bottom, int flags);
  // Pauses the current engine; it resumes with its fields unchanged.
  int AutoSpriteMovePause(MGE_Sprite* sprite, float time);
  int AutoSpriteLatch(MGE_Sprite* sprite, MGE_SpritePtr target, float xoffset, float yoffset);
};
