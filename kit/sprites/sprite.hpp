#pragma once
// The sprite record: where a picture is, how it is drawn, and the state of every behaviour that
// may run on it. Behaviours are chosen by numeric mode fields; Automate runs them once per
// logic step and Render draws the sprite centred on (x, y).
#include <functional>
#include <memory>

#include "kit/linked_list.hpp"

struct MGE_Sprite;
struct MGE_Emitter;
struct MGE_EmitterSprite;

using MGE_SpritePtr = std::shared_ptr<MGE_Sprite>;
using MGE_SpriteList = vorpel::TList<MGE_Sprite>;
using MGE_SpriteListPtr = std::shared_ptr<MGE_SpriteList>;
// The per-sprite function Automate calls once per step.
using MGE_SpriteFunction = std::function<int(MGE_Sprite*)>;

// Aligned to a cache line, so that the fields a step reads always fill the same six lines:
// where the heap happened to place a record mid-line they spread over seven, and a scene of
// 50,000 sprites stepped half as fast again.
struct alignas(64) MGE_Sprite {
  // Membership and identity. The sprite's list is link->owner; a strong link would be a cycle.
  std::weak_ptr<MGE_SpriteList::Node> link;
  int readytodie = 0;
  int killed = 0;

  // What Automate runs: every switch a step tests, side by side, so that deciding what to do
  // reads one or two cache lines instead of one per behaviour. A large scene is limited by
  // how much of each record a step touches.
  int enabled = 0;
  float pausing = 0;
  int outlinealphafading = 0, alphafading = 0, scaling = 0, xscaling = 0, yscaling = 0;
  int animating = 0, rotating = 0;
  int trailing = 0;
  int engine_type = 0;
  int facing = 0;
  int rgbflashing = 0;
  int customfuncflag = 0;
  MGE_SpriteFunction customfunc;
  // What the steps of a moving, fading, pulsing sprite read and write, next to the switches:
  // the free values a per-sprite function keeps, position and look, the movement of the
  // engines that fly, and the bounds and rates of the value behaviours.
  float var1 = 0, var2 = 0, var3 = 0, var4 = 0, var5 = 0, var6 = 0;
  float x = 0, y = 0;
  float alpha = 0;
  float rot = 0;
  float scale = 0;
  float xscale = 0, yscale = 0;
  int flags = 0;
  float xspeed = 0, yspeed = 0;
  float xthrust = 0, ythrust = 0;
  float sinangle = 0, sinspeed = 0, sinradius = 0;
  float cosangle = 0, cosspeed = 0, cosradius = 0;
  float boundry_left = 0, boundry_top = 0, boundry_right = 0, boundry_bottom = 0;
  float alphafademin = 0, alphafademax = 0, alphafadedir = 0, alphafadeduration = 0;
  int alphafadeflags = 0;
  float scalingmin = 0, scalingmax = 0, scalingdir = 0, scalingduration = 0;
  float xscalingmin = 0, xscalingmax = 0, xscalingdir = 0, xscalingduration = 0;
  float yscalingmin = 0, yscalingmax = 0, yscalingdir = 0, yscalingduration = 0;
  float rotatingmin = 0, rotatingmax = 0, rotatingdir = 0, rotatingduration = 0;

  // The sprite's own emitters; held in the record itself, an empty list costs no allocation.
  vorpel::TList<MGE_Emitter> emitterlist;
  vorpel::TList<MGE_EmitterSprite> emitterSpriteList;

  int id1 = 0, id2 = 0;
  int state = 0;
  float weight = 0;
  int points = 0;

  // Position (x and y, the centre of the picture, are with the step's fields above).
  float zorder = 0;
  // The layer list the sprite was created in; weak because Init may replace the lists.
  std::weak_ptr<MGE_SpriteList> listid;
  float oldx = 0, oldy = 0;
  float xoffset = 0, yoffset = 0;
  float mousexoffset = 0, mouseyoffset = 0;

  // Appearance.
  int blend = 0;
  float red = 0, green = 0, blue = 0;
  float targetred = 0, targetgreen = 0, targetblue = 0;
  float rgbflashspeed = 0;
  int img = 0;
  float srcx = 0, srcy = 0, width = 0, height = 0;

  // Collision.
  int collision_enabled = 0;
  int collidetype = 0;
  int hit = 0;
  MGE_SpritePtr spritehit;
  int hitcount = 0;
  float collidexspot = 0, collideyspot = 0;
  float collidewidth = 0, collideheight = 0;
  float collideradius = 0;
  float tilecheckwidth = 0;
  int tilecheckheight = 0;
  int onslope = 0;

  // Movement engine. Like every sprite named in the record, the target stays alive (and readable
  // once killed) until this sprite leaves its layer.
  MGE_SpritePtr spritetotarget;
  float movedata1 = 0, movedata2 = 0, movedata3 = 0, movedata4 = 0, movedata5 = 0, movedata6 = 0;
  float moveduration = 0;
  int engine_typebuffer = 0;
  float engine_movepause = 0;
  float xdir = 0, ydir = 0;
  float speed = 0;
  float bufferspeed = 0;
  float xgravity = 0, ygravity = 0;
  float thrust = 0;
  float xdist = 0, ydist = 0;
  float xweight = 0, yweight = 0;
  float orbitradius = 0, orbitangle = 0;
  float move_duration = 0;
  float xdest = 0, ydest = 0;
  int engine_state = 0;

  // The rest of the value behaviours (their bounds, rates and durations are with the switches).
  MGE_SpritePtr alphafromsprite;
  float animin = 0, animax = 0, anidir = 0, aniduration = 0;
  float animstartxpos = 0, animstartypos = 0, animwidth = 0, animheight = 0, animtilesacross = 0;
  float animtile = 0;
  int animindex = 0;

  // Facing, trails, emitters.
  MGE_SpritePtr spritetoface;
  float facex = 0, facey = 0;
  int facing_update_interval = 0;
  float trailingfreq = 0;
  float trailingfreqbuffer = 0;
  float trailingalphafadespeed = 0;
  float trailingoldx = 0, trailingoldy = 0;
  float trailingstartingalpha = 0;
  float trailingscaledir = 0, trailingrotatedir = 0;
  float trailingxdir = 0, trailingydir = 0;
  int trailingblend = 0;
  int trailingimg = 0, trailingsrcx = 0, trailingsrcy = 0, trailingsrcwidth = 0,
      trailingsrcheight = 0;
  int trailingusealternateimg = 0;
  int trailsontop = 0;
  int trailslayer = 0;
  int emitterontop = 0;

  // Paths.
  float spline_xoffset = 0, spline_yoffset = 0;
  float spline_startx = 0, spline_starty = 0, spline_bend1x = 0, spline_bend1y = 0;
  float spline_endx = 0, spline_endy = 0, spline_bend2x = 0, spline_bend2y = 0;
  float spline_speed = 0;
  float spline_counter = 0;
  float spline_thrust = 0;
  int spline_loop = 0, spline_leaveonwhendone = 0;
  int spline_indexstart = 0, spline_indexend = 0, spline_indexcounter = 0;
  int spline_mirror = 0, spline_flip = 0, spline_xnegate = 0, spline_ynegate = 0;
  float spline_delaybetweenindex = 0;
  float waypoint_xoffset = 0, waypoint_yoffset = 0;
  float waypoint_startx = 0, waypoint_starty = 0;
  float waypoint_stopx = 0, waypoint_stopy = 0;
  float waypoint_speed = 0, waypoint_speedbuffer = 0;
  float waypoint_thrust = 0, waypoint_thrustbuffer = 0;
  int waypoint_indexstart = 0, waypoint_indexend = 0, waypoint_indexcounter = 0;
  float waypoint_delaybetweenindex = 0, waypoint_delaybetweenindexcounter = 0;
  int waypoint_leaveon = 0;

  // Shadow, outline, homing, GUI.
  int shadow_on = 0;
  float shadow_depth = 0;
  float shadow_yoffset = 0;
  float outlinealpha = 0;
  float outlinescale = 0;
  float outlinered = 0, outlinegreen = 0, outlineblue = 0;
  float outlinealphafademin = 0, outlinealphafademax = 0, outlinealphafadedir = 0,
        outlinealphafadeduration = 0;
  int outlinealphafadeflags = 0;
  float homing_speed = 0, homing_turnrate = 0, homing_angle = 0, homing_accelerate = 0,
        homing_initialmovelength = 0;
  float homing_destx = 0, homing_desty = 0, homing_distance = 0;
  int gui_id = 0;
  int gui_state = 0, gui_srcxbuf = 0, gui_srcybuf = 0, gui_hoverflag = 0, gui_index = 0,
      gui_oktoclick = 0;
  float gui_srcx = 0, gui_srcy = 0, gui_height = 0, gui_width = 0, gui_value = 0;

  MGE_Sprite() = default;
  // A sprite is one record in one list; copies are made field by field where needed.
  MGE_Sprite(const MGE_Sprite&) = delete;
  MGE_Sprite& operator=(const MGE_Sprite&) = delete;

  // Ends the sprite: it leaves its list at once and drops every reference it holds.
  int kill();
  int AddXY(float dx, float dy);  // times FrameDelta
  int AddXYNoDelta(float dx, float dy);
  int AddX(float d);
  int AddY(float d);
  int SetXY(float nx, float ny);
  int SetEngineHook(MGE_SpriteFunction f);
  int SetEngineHookOn();
  int SetEngineHookOff();
  // The collision size is left as it is.
  int SetTexture(int nimg, int nsrcx, int nsrcy, int nwidth, int nheight);
  int SetTextureFromSprite(const MGE_Sprite* other);
  // Shows frame Int(animtile) of frame set animindex; frames outside the table show nothing new.
  int UpdateImgFromAnimTile();
  int Render();
  int Automate();
};

// The shared reference to a sprite that is in a list; none once it has left it.
MGE_SpritePtr SharedSprite(const MGE_Sprite* sprite);
