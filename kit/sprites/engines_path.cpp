// Path engines: chains of cubic curve segments and of straight waypoint segments from the
// handler's tables.
#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/engines.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/sprites/sprite_steps.hpp"
#include "kit/sprites/sprite_tables.hpp"

namespace {

using namespace vorpel::detail;

bool ValidSpline(int k) { return k >= 1 && k <= kMaxSplines; }
bool ValidWaypoint(int k) { return k >= 1 && k <= kMaxWaypoints; }

// Takes segment k's control points, mirrored across the game width, flipped across its height
// and x-negated as the sprite asks, plus the offset, and puts the sprite on the start point.
// False, changing nothing, for an index outside the table.
bool SetUpSplineSegment(MGE_Sprite& s, int k) {
  if (!ValidSpline(k)) return false;
  MGE_SplineType seg = vorpel::splineTable[std::size_t(k)];
  if (s.spline_xnegate == 1) {
    seg.startx = -seg.startx;
    seg.bend1x = -seg.bend1x;
    seg.bend2x = -seg.bend2x;
    seg.stopx = -seg.stopx;
  }
  float right = float(MGE_GameHelpers::GameWidth()) - 1.0f;
  float bottom = float(MGE_GameHelpers::GameHeight()) - 1.0f;
  auto px = [&](float v) { return (s.spline_mirror != 0 ? right - v : v) + s.spline_xoffset; };
  auto py = [&](float v) { return (s.spline_flip != 0 ? bottom - v : v) + s.spline_yoffset; };
  s.spline_startx = px(seg.startx);
  s.spline_bend1x = px(seg.bend1x);
  s.spline_bend2x = px(seg.bend2x);
  s.spline_endx = px(seg.stopx);
  s.spline_starty = py(seg.starty);
  s.spline_bend1y = py(seg.bend1y);
  s.spline_bend2y = py(seg.bend2y);
  s.spline_endy = py(seg.stopy);
  s.x = s.spline_startx;
  s.y = s.spline_starty;
  return true;
}

float Bezier(float t, float p0, float p1, float p2, float p3) {
  float u = 1.0f - t;
  return u * u * u * p0 + 3.0f * u * u * t * p1 + 3.0f * u * t * t * p2 + t * t * t * p3;
}

// At the end of a segment: the next one, the first again when looping, or the end of the path.
void FinishSplineSegment(MGE_Sprite& s) {
  s.x = s.spline_endx;
  s.y = s.spline_endy;
  if (s.spline_indexcounter < s.spline_indexend &&
      SetUpSplineSegment(s, s.spline_indexcounter + 1)) {
    ++s.spline_indexcounter;
    s.spline_counter = 0.0f;
  } else if (s.spline_loop != 0 && SetUpSplineSegment(s, s.spline_indexstart)) {
    s.spline_indexcounter = s.spline_indexstart;
    s.spline_counter = 0.0f;
  } else {
    s.engine_type = kEngineNone;
    if (s.spline_leaveonwhendone == 0) EndSprite(s);
    RaiseSpriteEvent(s, kEventSplineDone);
  }
}

// Puts the sprite on the start of waypoint segment k and aims it at the segment's end.
void PlaceOnWaypoint(MGE_Sprite& s, int k) {
  const MGE_WaypointType& p = vorpel::waypointTable[std::size_t(k)];
  s.x = p.startx + s.waypoint_xoffset;
  s.y = p.starty + s.waypoint_yoffset;
  s.waypoint_stopx = p.stopx + s.waypoint_xoffset;
  s.waypoint_stopy = p.stopy + s.waypoint_yoffset;
}

void AdvanceWaypoint(MGE_Sprite& s) {
  if (s.waypoint_indexcounter < s.waypoint_indexend &&
      ValidWaypoint(s.waypoint_indexcounter + 1)) {
    ++s.waypoint_indexcounter;
    s.waypoint_speed = s.waypoint_speedbuffer;
    PlaceOnWaypoint(s, s.waypoint_indexcounter);
    s.engine_state = 0;
  } else if (s.waypoint_leaveon == 1) {
    s.engine_type = kEngineNone;
  } else {
    EndSprite(s);
  }
}

}  // namespace

namespace vorpel::detail {

void RunSpline(MGE_Sprite& s) {
  float t = s.spline_counter += s.spline_speed * vorpel::FrameDelta;
  if (t >= 1.0f || !(t == t)) return FinishSplineSegment(s);
  s.x = Bezier(t, s.spline_startx, s.spline_bend1x, s.spline_bend2x, s.spline_endx);
  s.y = Bezier(t, s.spline_starty, s.spline_bend1y, s.spline_bend2y, s.spline_endy);
}

void RunWaypoints(MGE_Sprite& s) {
  if (s.engine_state == 0) {
    if (!StepTowards(s, s.waypoint_stopx, s.waypoint_stopy, s.waypoint_speed,
                     s.waypoint_thrust))
      return;
    if (s.waypoint_delaybetweenindex > 0.0f) {
      s.waypoint_delaybetweenindexcounter = s.waypoint_delaybetweenindex;
      s.engine_state = 1;
    } else {
      AdvanceWaypoint(s);
    }
  } else if (s.engine_state == 1) {
    s.waypoint_delaybetweenindexcounter -= vorpel::FrameDelta;
    if (s.waypoint_delaybetweenindexcounter < 1.0f) AdvanceWaypoint(s);
  }
}

}  // namespace vorpel::detail

int MGE_SpriteHandler::AutoSpriteSpline(MGE_Sprite* s, int first, int last, float speed,
                                        float xoffset, float yoffset, int loop, int leaveon,
                                        int mirror, int flip, int xnegate) {
  if (!s || !ValidSpline(first) || !ValidSpline(last)) return 0;
  s->spline_xnegate = xnegate;
  s->spline_mirror = mirror;
  s->spline_flip = flip;
  s->spline_loop = loop;
  s->spline_leaveonwhendone = leaveon;
  s->spline_speed = speed;
  s->spline_counter = 0.0f;
  s->spline_indexstart = s->spline_indexcounter = first;
  s->spline_indexend = last;
  s->spline_xoffset = xoffset;
  s->spline_yoffset = yoffset;
  SetUpSplineSegment(*s, first);
  s->engine_type = kEngineSpline;
  return 0;
}

int MGE_SpriteHandler::AutoSpriteWaypoint(MGE_Sprite* s, int first, int last, float speed,
                                          float thrust, float delay, float xoffset,
                                          float yoffset, int leaveon) {
  if (!s || !ValidWaypoint(first) || !ValidWaypoint(last)) return 0;
  s->waypoint_indexstart = s->waypoint_indexcounter = first;
  s->waypoint_indexend = last;
  s->waypoint_xoffset = xoffset;
  s->waypoint_yoffset = yoffset;
  s->waypoint_speed = s->waypoint_speedbuffer = speed;
  s->waypoint_thrust = s->waypoint_thrustbuffer = thrust;
  s->waypoint_delaybetweenindex = s->waypoint_delaybetweenindexcounter = delay;
  s->waypoint_leaveon = leaveon;
  s->engine_state = 0;
  PlaceOnWaypoint(*s, first);
  s->engine_type = kEngineWaypoint;
  return 0;
}
