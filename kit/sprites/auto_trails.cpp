// Trails: while a sprite moves it leaves a fading copy of itself once per period.
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "kit/sprites/sprite_tables.hpp"

namespace {

// A fresh record (not a created sprite) showing the sprite's picture or the trail's own.
MGE_SpritePtr MakeTrailCopy(const MGE_Sprite& s) {
  auto c = std::make_shared<MGE_Sprite>();
  if (s.trailingusealternateimg == 1) {
    c->img = s.trailingimg;
    c->srcx = float(s.trailingsrcx);
    c->srcy = float(s.trailingsrcy);
    c->width = float(s.trailingsrcwidth);
    c->height = float(s.trailingsrcheight);
  } else {
    c->img = s.img;
    c->srcx = s.srcx;
    c->srcy = s.srcy;
    c->width = s.width;
    c->height = s.height;
  }
  c->enabled = s.enabled;
  c->pausing = s.pausing;
  c->x = s.x;
  c->y = s.y;
  c->rot = s.rot;
  c->scale = s.scale;
  c->xscale = s.xscale;
  c->yscale = s.yscale;
  c->red = s.red;
  c->green = s.green;
  c->blue = s.blue;
  c->alpha = s.trailingstartingalpha > 0.0f ? s.trailingstartingalpha : s.alpha;
  c->blend = s.trailingblend;
  c->collision_enabled = 0;
  c->listid = s.listid;
  return c;
}

// The copy fades out and ends; it may also turn, shrink or grow, and drift.
void GiveTrailBehaviours(MGE_Sprite& c, const MGE_Sprite& s) {
  c.alphafading = 4;
  c.alphafademin = 0.0f;
  c.alphafademax = c.alpha;
  c.alphafadedir = s.trailingalphafadespeed;
  if (s.trailingrotatedir != 0.0f) {
    c.rotating = 2;
    c.rotatingmin = 0.0f;
    c.rotatingmax = 359.0f;
    c.rotatingdir = s.trailingrotatedir;
  }
  if (s.trailingscaledir != 0.0f) {
    c.scaling = 4;
    c.scalingmin = 0.0f;
    c.scalingmax = 100.0f;
    c.scalingdir = s.trailingscaledir;
  }
  if (s.trailingxdir != 0.0f || s.trailingydir != 0.0f) {
    c.engine_type = 2;
    c.xspeed = s.trailingxdir;
    c.yspeed = s.trailingydir;
    c.xthrust = c.ythrust = 0.0f;
    c.flags = 0;
    c.boundry_left = c.boundry_top = -2000.0f;
    c.boundry_right = c.boundry_bottom = 2000.0f;
  }
}

// Into the sprite's own list (end or front), or at the end of the trail layer. A list that is
// gone, or a layer that does not exist, takes no copy.
void InsertTrailCopy(const MGE_SpritePtr& c, const MGE_Sprite& s) {
  if (s.trailslayer < 1) {
    MGE_SpriteListPtr own = s.listid.lock();
    if (!own) return;
    c->link = s.trailsontop ? own->AddLast(c) : own->AddFirst(c);
  } else if (const MGE_SpriteListPtr& layer = SpriteLayer(s.trailslayer)) {
    c->link = layer->AddLast(c);
  }
}

}  // namespace

namespace vorpel::detail {

void RunTrails(MGE_Sprite& s) {
  s.trailingfreq += vorpel::FrameDelta;
  if (!(s.trailingfreq > s.trailingfreqbuffer)) return;
  if (s.x == s.trailingoldx && s.y == s.trailingoldy) return;
  s.trailingfreq = 0.0f;
  s.trailingoldx = s.x;
  s.trailingoldy = s.y;
  MGE_SpritePtr copy = MakeTrailCopy(s);
  GiveTrailBehaviours(*copy, s);
  InsertTrailCopy(copy, s);
}

}  // namespace vorpel::detail

int MGE_SpriteHandler::AutoSpriteTrails(MGE_Sprite* s, float freq, float startalpha,
                                        float fadespeed, float scaledir, float rotatedir,
                                        int blend, int img, int srcx, int srcy, int srcwidth,
                                        int srcheight, int ontop, int layer, float xdir,
                                        float ydir) {
  if (!s) return 0;
  s->trailing = 1;
  s->trailingfreq = s->trailingfreqbuffer = freq;
  s->trailingstartingalpha = startalpha;
  s->trailingalphafadespeed = -fadespeed;
  s->trailingscaledir = scaledir;
  s->trailingrotatedir = rotatedir;
  s->trailingblend = blend;
  s->trailingxdir = xdir;
  s->trailingydir = ydir;
  if (img > 0) {
    s->trailingusealternateimg = 1;
    s->trailingimg = img;
    s->trailingsrcx = srcx;
    s->trailingsrcy = srcy;
    s->trailingsrcwidth = srcwidth;
    s->trailingsrcheight = srcheight;
  }
  s->trailslayer = layer;
  s->trailsontop = ontop;
  s->trailingoldx = s->x;
  s->trailingoldy = s->y;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteTrailsState(MGE_Sprite* s, int on) {
  if (s) s->trailing = on;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteTrailsOn(MGE_Sprite* s) { return AutoSpriteTrailsState(s, 1); }

int MGE_SpriteHandler::AutoSpriteTrailsOff(MGE_Sprite* s) { return AutoSpriteTrailsState(s, 0); }
