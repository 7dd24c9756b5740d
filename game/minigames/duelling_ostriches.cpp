// Game D, "Duelling Ostriches": four riders on flapping ostriches over a snowy floor and
// a few ledges, seen from the side, with the left and right edges joined. A rider that
// lands on an enemy's head bops it: the enemy tumbles off the screen, drops an egg (one
// of its own when it carries any) and comes back a moment later, safe for a while. Fresh
// eggs also fall from the sky, and the first rider to touch an egg keeps it. A second
// after someone holds ten eggs, or after 150 s of play, the round is over.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

const int kPlayers = 4;
const int kStride = 100;
const int kObjectStride = 10;

// Ledges are objects 0 and up, placed with p_AddDragonLand, which counts them in
// player-table index 60.
const int kLedgeCount = 60;
const int kLedge = 1;
const int kLedgeLeft = 1;
const int kLedgeTop = 2;
const int kLedgeWidth = 3;

// Eggs are objects from 50 up.
const int kEgg = 2;
const int kEggX = 1;
const int kEggY = 2;
const int kEggVx = 3;
const int kEggVy = 4;
const int kEggAge = 5;
const int kFirstEggSlot = 50;
const int kLastEggSlot = 120;

// Rider fields.
const int kX = 1;  // the sprite's centre
const int kY = 2;
const int kVx = 3;
const int kVy = 4;
const int kFacing = 5;  // 1 right, -1 left
const int kFlapHeld = 6;
const int kFlapRepeat = 7;
const int kFlapPose = 8;
const int kStanding = 9;
const int kOutTimer = 10;
const int kSafeTimer = 11;
const int kTumble = 12;
const int kPrey = 13;
const int kPlanTimer = 14;
const int kAimHeight = 15;
const int kFlapGap = 16;
const int kHesitation = 17;
const int kGait = 18;
const int kDazed = 19;  // frames left in which a flap does nothing
const int kEggs = 95;
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kClock = 61;
const int kLayTimer = 62;
const int kEndTimer = 64;

const int kPanelWidth = 96;
const int kOstrichArt = 320;  // sheet 5, one per player; they face right
const int kOstrichFlapArt = 332;  // the same with the wing raised
const int kEggArt = 324;
const int kFireA = 10;
const int kUp = 0;

const int kFlapSound = 7;
const int kBopSound = 4;
const int kOutSound = 9;
const int kEggSound = 14;

// The rider's body, measured from the sprite's centre; the sprite is drawn enlarged.
const float kRiderScale = 1.25f;
const float kHalfWidth = 13;
const float kHalfHeight = 23;
const float kFootReach = 6;  // feet stay on a ledge this far past its end
const float kLedgeThickness = 12;
const float kFloorDepth = 24;

const float kGravity = 0.11f;
const float kFlapPush = 2.0f;
const float kTopRise = 3.4f;
const float kTopFall = 4.5f;
const float kRunPush = 0.14f;
const float kTopRun = 2.6f;
const float kGroundBrake = 0.1f;
const float kAirDrag = 0.005f;
const float kBonkSpeed = 1;
// A rider that hits the top of the screen is knocked down and dazed for a moment, so
// nobody can hug the top out of everyone's reach.
const float kTopBonkSpeed = 2.5f;
const int kDazedFrames = 24;
const int kFlapPoseFrames = 10;
const int kHeldFlapFrames = 14;

// Two riders touch when their centres are this close; one whose centre is more than the
// margin higher bops the other, otherwise they knock each other apart.
const float kTouchX = 26;
const float kTouchY = 40;
const float kBopMargin = 14;
const float kBopBounce = 3;
const float kBumpSpeed = 2;
const int kOutFrames = 100;
const int kSafeFrames = 120;

const float kEggHalfHeight = 9;
const float kEggScale = 0.7f;
const float kEggReachX = 18;
const float kEggReachY = 24;
const int kEggReady = 12;
const int kEggLife = 900;
const int kEggBlink = 120;
const int kMostLooseEggs = 3;
const int kFirstLay = 90;
const int kShortestLay = 150;
const int kLongestLay = 270;

const int kEggsToWin = 10;
const int kRoundFrames = 150 * 60;
const int kEndFrames = 60;

// The computer: how far it sees eggs and threats, and how fast its thumb is.
const float kEggSight = 170;
const float kThreatWidth = 70;
const float kThreatHeight = 120;
const float kDiveWidth = 36;
const float kCeilingCaution = 56;  // it stops flapping this near the top
const int kComputerFlapGap = 8;

// Ledges as fractions of the play area: left edge, top and width. A ledge may hang over
// an edge of the area; it carries on at the other side.
struct LedgeSpot {
  float left, top, width;
};
struct Layout {
  int ledges;
  LedgeSpot spots[8];
  int starts[kPlayers];  // the ledge each rider starts on
};
const int kLayouts = 3;
const Layout kLayoutTable[kLayouts] = {
    {7,
     {{0.06f, 0.74f, 0.27f},
      {0.67f, 0.74f, 0.27f},
      {0.36f, 0.55f, 0.28f},
      {0.08f, 0.36f, 0.25f},
      {0.67f, 0.36f, 0.25f},
      {0.32f, 0.17f, 0.36f},
      {-0.08f, 0.55f, 0.16f}},
     {0, 1, 3, 4}},
    {8,
     {{0.20f, 0.76f, 0.22f},
      {0.58f, 0.76f, 0.22f},
      {-0.06f, 0.56f, 0.20f},
      {0.39f, 0.52f, 0.22f},
      {0.70f, 0.56f, 0.20f},
      {0.15f, 0.32f, 0.24f},
      {0.61f, 0.32f, 0.24f},
      {0.38f, 0.14f, 0.24f}},
     {0, 1, 5, 6}},
    {7,
     {{0.28f, 0.76f, 0.44f},
      {0.04f, 0.58f, 0.26f},
      {0.70f, 0.58f, 0.26f},
      {0.18f, 0.38f, 0.24f},
      {0.58f, 0.38f, 0.24f},
      {0.36f, 0.18f, 0.28f},
      {-0.07f, 0.18f, 0.14f}},
     {1, 2, 3, 4}},
};

// The play area is the screen left of the panel; the panel's width is taken as fixed, so
// hiding the panel does not move the ledges under the riders.
struct Field {
  float width, height;
  float floorTop() const { return height - kFloorDepth; }
};

Field FieldOf() { return {zr_TinselJumble_jscrw - kPanelWidth, zr_TinselJumble_jscrh}; }

// A position across the joined edges, in 0..width.
float Wrapped(float x, float width) {
  x = std::fmod(x, width);
  return x < 0 ? x + width : x;
}

// The shorter way from one x to another across the joined edges.
float WrapDelta(float dx, float width) {
  dx = std::fmod(dx, width);
  if (dx >= width / 2) dx -= width;
  if (dx < -width / 2) dx += width;
  return dx;
}

float Sign(float value) { return value < 0 ? -1.0f : 1.0f; }

float TowardsZero(float value, float step) {
  if (value > 0) return std::max(value - step, 0.0f);
  return std::min(value + step, 0.0f);
}

float* Rider(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
float* ObjectAt(c_MyApp& app, int i) { return app.m_objects.Data() + i * kObjectStride; }

bool Riding(const float* rider) { return rider[kOutTimer] <= 0; }
bool Vulnerable(const float* rider) { return Riding(rider) && rider[kSafeTimer] <= 0; }

int Ledges(c_MyApp& app) { return static_cast<int>(std::min(std::max(app.m_players[kLedgeCount], 0.0f), 49.0f)); }

struct Intent {
  float run;  // -1 .. 1
  bool flap;
};

// ---- Movement -------------------------------------------------------------------------

// Something falling from oldBottom to bottom lands on a ledge top it crossed (true), and
// then rests with its bottom on that top.
bool LandsOn(float top, float oldBottom, float bottom) { return oldBottom <= top + 0.01f && bottom >= top; }

// Lands the rider on a ledge it fell onto, bonks its head on one it rose into, and pushes
// it off the end of one it ran into.
void HitLedges(c_MyApp& app, float* rider, float oldY, const Field& field) {
  int ledges = Ledges(app);
  for (int i = 0; i < ledges; ++i) {
    const float* ledge = ObjectAt(app, i);
    if (ledge[0] != kLedge) continue;
    float halfSpan = ledge[kLedgeWidth] / 2;
    float centre = ledge[kLedgeLeft] + halfSpan;
    float dx = WrapDelta(rider[kX] - centre, field.width);
    float top = ledge[kLedgeTop];
    float bottom = top + kLedgeThickness;
    bool over = std::fabs(dx) < halfSpan + kFootReach;
    if (over && rider[kVy] >= 0 && LandsOn(top, oldY + kHalfHeight, rider[kY] + kHalfHeight)) {
      rider[kY] = top - kHalfHeight;
      rider[kVy] = 0;
      rider[kStanding] = 1;
    } else if (over && rider[kVy] < 0 && oldY - kHalfHeight >= bottom - 0.01f && rider[kY] - kHalfHeight < bottom) {
      rider[kY] = bottom + kHalfHeight;
      rider[kVy] = kBonkSpeed;
    } else if (rider[kY] + kHalfHeight > top && rider[kY] - kHalfHeight < bottom &&
               std::fabs(dx) < halfSpan + kHalfWidth) {
      float side = Sign(dx);
      rider[kX] = Wrapped(centre + side * (halfSpan + kHalfWidth), field.width);
      rider[kVx] = side * std::fabs(rider[kVx]) * 0.5f;
    }
  }
  if (rider[kY] + kHalfHeight >= field.floorTop()) {
    rider[kY] = field.floorTop() - kHalfHeight;
    rider[kVy] = 0;
    rider[kStanding] = 1;
  }
  if (rider[kY] - kHalfHeight < 0) {
    rider[kY] = kHalfHeight;
    rider[kVy] = std::max(rider[kVy], kTopBonkSpeed);
    rider[kDazed] = kDazedFrames;
    for (int k = 0; k < 5; ++k) app.p_ThrowParticle(rider[kX], 0, 1, 3, 135 + k * 22.5f, 1.5f);
  }
}

void Ride(c_MyApp& app, float* rider, const Intent& intent, const Field& field) {
  if (std::fabs(intent.run) > 0.25f) {
    rider[kVx] += intent.run * kRunPush;
    rider[kFacing] = Sign(intent.run);
  } else if (rider[kStanding] != 0) {
    rider[kVx] = TowardsZero(rider[kVx], kGroundBrake);
  } else {
    rider[kVx] *= 1 - kAirDrag;
  }
  rider[kVx] = std::min(std::max(rider[kVx], -kTopRun), kTopRun);
  if (intent.flap && rider[kDazed] <= 0) {
    rider[kVy] = std::max(rider[kVy] - kFlapPush, -kTopRise);
    rider[kFlapPose] = kFlapPoseFrames;
    app.p_PlaySFX(kFlapSound, -1, 0.35f, 0);
  }
  rider[kVy] = std::min(rider[kVy] + kGravity, kTopFall);
  float oldY = rider[kY];
  rider[kX] = Wrapped(rider[kX] + rider[kVx], field.width);
  rider[kY] += rider[kVy];
  rider[kStanding] = 0;
  HitLedges(app, rider, oldY, field);
  rider[kFlapPose] = std::max(rider[kFlapPose] - 1, 0.0f);
  if (rider[kStanding] != 0) rider[kGait] += std::fabs(rider[kVx]) * 0.25f;
  rider[kSafeTimer] = std::max(rider[kSafeTimer] - 1, 0.0f);
  rider[kDazed] = std::max(rider[kDazed] - 1, 0.0f);
}

// A knocked-out rider tumbles down through everything until its time is up, then comes
// back on a ledge drawn at random (a fixed one would favour whoever starts high), or on
// the floor when there is no ledge, safe for a while.
void Tumble(c_MyApp& app, float* rider, const Field& field) {
  rider[kOutTimer] -= 1;
  rider[kTumble] += 12 * rider[kFacing];
  rider[kVy] = std::min(rider[kVy] + kGravity, kTopFall);
  if (rider[kY] < field.height + 2 * kHalfHeight) {
    rider[kX] = Wrapped(rider[kX] + rider[kVx], field.width);
    rider[kY] += rider[kVy];
  }
  if (rider[kOutTimer] > 0) return;
  rider[kOutTimer] = 0;
  int ledge = app.p_Rand(0, static_cast<float>(std::max(Ledges(app) - 1, 0)));
  const float* spot = ObjectAt(app, ledge);
  rider[kX] = Wrapped(spot[kLedgeLeft] + spot[kLedgeWidth] / 2, field.width);
  rider[kY] = spot[kLedgeTop] - kHalfHeight;
  if (spot[0] != kLedge) rider[kY] = field.floorTop() - kHalfHeight;
  rider[kVx] = 0;
  rider[kVy] = 0;
  rider[kTumble] = 0;
  rider[kDazed] = 0;
  rider[kSafeTimer] = kSafeFrames;
  rider[kAlive] = 3;
  for (int k = 0; k < 12; ++k)
    app.p_ThrowParticle(rider[kX], rider[kY], 1, 9, k * 30.0f, 2);
}

// ---- Eggs -----------------------------------------------------------------------------

void AddEgg(c_MyApp& app, float x, float y, float vx, float vy) {
  int base = app.p_FreeObjB(kLastEggSlot);
  if (base < 0) return;
  float* egg = app.m_objects.Data() + base;
  egg[kEggX] = x;
  egg[kEggY] = y;
  egg[kEggVx] = vx;
  egg[kEggVy] = vy;
  egg[kEggAge] = 0;
  egg[0] = kEgg;
}

int LooseEggs(c_MyApp& app) {
  int count = 0;
  for (int slot = kFirstEggSlot; slot <= kLastEggSlot; ++slot)
    if (ObjectAt(app, slot)[0] == kEgg) ++count;
  return count;
}

// Falls, lands, ages and cracks; the first rider (in seat order) touching a ready egg
// keeps it.
void MoveEgg(c_MyApp& app, float* egg, const Field& field, bool scoring) {
  egg[kEggAge] += 1;
  if (egg[kEggAge] > kEggLife) {
    for (int k = 0; k < 6; ++k) app.p_ThrowParticle(egg[kEggX], egg[kEggY], 2, 9, k * 60.0f - 30, 2);
    egg[0] = 0;
    return;
  }
  float oldBottom = egg[kEggY] + kEggHalfHeight;
  egg[kEggVy] = std::min(egg[kEggVy] + kGravity, kTopFall);
  egg[kEggX] = Wrapped(egg[kEggX] + egg[kEggVx], field.width);
  egg[kEggY] += egg[kEggVy];
  float bottom = egg[kEggY] + kEggHalfHeight;
  float rest = -1;
  if (bottom >= field.floorTop()) rest = field.floorTop();
  int ledges = Ledges(app);
  for (int i = 0; i < ledges && egg[kEggVy] >= 0; ++i) {
    const float* ledge = ObjectAt(app, i);
    if (ledge[0] != kLedge) continue;
    float halfSpan = ledge[kLedgeWidth] / 2;
    float dx = WrapDelta(egg[kEggX] - ledge[kLedgeLeft] - halfSpan, field.width);
    if (std::fabs(dx) < halfSpan && LandsOn(ledge[kLedgeTop], oldBottom, bottom)) rest = ledge[kLedgeTop];
  }
  if (rest >= 0) {
    egg[kEggY] = rest - kEggHalfHeight;
    egg[kEggVy] = 0;
    egg[kEggVx] = 0;
  }

  if (!scoring || egg[kEggAge] < kEggReady) return;
  for (int p = 0; p < kPlayers; ++p) {
    float* rider = Rider(app, p);
    if (!Riding(rider)) continue;
    if (std::fabs(WrapDelta(egg[kEggX] - rider[kX], field.width)) < kEggReachX &&
        std::fabs(egg[kEggY] - rider[kY]) < kEggReachY) {
      rider[kEggs] += 1;
      app.p_PlaySFX(kEggSound);
      for (int k = 0; k < 8; ++k) app.p_ThrowParticle(egg[kEggX], egg[kEggY], 1, 3, k * 45.0f, 2.5f);
      egg[0] = 0;
      return;
    }
  }
}

// ---- Riders meeting -------------------------------------------------------------------

void Bop(c_MyApp& app, int bopper, int victim) {
  float* top = Rider(app, bopper);
  float* hit = Rider(app, victim);
  top[kVy] = -kBopBounce;
  hit[kOutTimer] = kOutFrames;
  hit[kAlive] = 0;
  hit[kVy] = -2;
  hit[kVx] = top[kVx] * 0.5f;
  hit[kFlapPose] = 0;
  // The dropped egg is one of the victim's own while it carries any.
  if (hit[kEggs] > 0) hit[kEggs] -= 1;
  float vx = app.p_Rand(-3, 3) * 0.5f;
  AddEgg(app, hit[kX], hit[kY], vx, -2.5f);
  app.p_PlaySFX(kBopSound);
  app.p_PlaySFX(kOutSound);
  int colour = app.p_PlayCol(victim);
  for (int k = 0; k < 16; ++k) app.p_ThrowParticle(hit[kX], hit[kY] - kHalfHeight, 5, colour, k * 22.5f, 3);
  app.m_camY = 5;
}

// Riders that touch: the clearly higher one bops the other, otherwise both are knocked
// apart. Safe and knocked-out riders pass through everyone.
void MeetRiders(c_MyApp& app, const Field& field) {
  for (int a = 0; a < kPlayers; ++a) {
    for (int b = a + 1; b < kPlayers; ++b) {
      float* first = Rider(app, a);
      float* second = Rider(app, b);
      if (!Vulnerable(first) || !Vulnerable(second)) continue;
      float dx = WrapDelta(second[kX] - first[kX], field.width);
      float dy = second[kY] - first[kY];
      if (std::fabs(dx) >= kTouchX || std::fabs(dy) >= kTouchY) continue;
      if (dy > kBopMargin) {
        Bop(app, a, b);
      } else if (dy < -kBopMargin) {
        Bop(app, b, a);
      } else {
        float side = Sign(dx);
        float push = (kTouchX - std::fabs(dx)) / 2;
        first[kX] = Wrapped(first[kX] - side * push, field.width);
        second[kX] = Wrapped(second[kX] + side * push, field.width);
        first[kVx] = -side * kBumpSpeed;
        second[kVx] = side * kBumpSpeed;
        app.p_PlaySFX(kBopSound, 1, 0.4f, 0);
      }
    }
  }
}

// ---- Players ---------------------------------------------------------------------------

// A person runs with the stick and flaps with fire A or up: once per press, and again
// every few frames while it is held.
Intent PersonIntent(c_MyApp& app, int p, float* rider) {
  int source = app.m_pad[p];
  Intent intent{app.p_Control(1, p), false};
  bool held = app.p_PlayKey(kFireA, 0, source) != 0 || app.p_PlayKey(kUp, 1, source) != 0;
  if (held && rider[kFlapHeld] == 0) {
    intent.flap = true;
    rider[kFlapRepeat] = kHeldFlapFrames;
  } else if (held) {
    rider[kFlapRepeat] -= 1;
    if (rider[kFlapRepeat] <= 0) {
      intent.flap = true;
      rider[kFlapRepeat] = kHeldFlapFrames;
    }
  }
  rider[kFlapHeld] = held ? 1 : 0;
  return intent;
}

// Half the time the enemy with the most eggs (when one has more than the rest),
// otherwise one at random; a rider that is knocked out or safe is no prey (-1 when no
// enemy can be bopped).
void ChoosePrey(c_MyApp& app, int p, float* rider) {
  int leader = -1;
  int open = 0;
  bool tied = false;
  for (int q = 0; q < kPlayers; ++q) {
    if (q == p || !Vulnerable(Rider(app, q))) continue;
    ++open;
    float eggs = Rider(app, q)[kEggs];
    if (leader >= 0 && eggs == Rider(app, leader)[kEggs]) tied = true;
    if (leader < 0 || eggs > Rider(app, leader)[kEggs]) {
      leader = q;
      tied = false;
    }
  }
  int prey = leader;
  if (open > 1 && (tied || zr_random_Rnd() < 0.5f)) {
    int pick = app.p_Rand(1, static_cast<float>(open));
    for (int q = 0; q < kPlayers && pick > 0; ++q) {
      if (q == p || !Vulnerable(Rider(app, q))) continue;
      if (--pick == 0) prey = q;
    }
  }
  rider[kPrey] = static_cast<float>(prey);
  rider[kPlanTimer] = static_cast<float>(app.p_Rand(120, 240));
  rider[kAimHeight] = static_cast<float>(app.p_Rand(40, 70));
}

// The nearest enemy above that could drop on this rider, or -1.
int ThreatAbove(c_MyApp& app, int p, const float* rider, const Field& field) {
  int threat = -1;
  float nearest = 0;
  for (int q = 0; q < kPlayers; ++q) {
    const float* other = Rider(app, q);
    if (q == p || !Vulnerable(other)) continue;
    float dx = std::fabs(WrapDelta(other[kX] - rider[kX], field.width));
    float rise = rider[kY] - other[kY];
    if (dx < kThreatWidth && rise > kBopMargin - 4 && rise < kThreatHeight && (threat < 0 || dx < nearest)) {
      threat = q;
      nearest = dx;
    }
  }
  return threat;
}

const float* NearestEgg(c_MyApp& app, const float* rider, const Field& field) {
  const float* nearest = nullptr;
  float best = kEggSight;
  for (int slot = kFirstEggSlot; slot <= kLastEggSlot; ++slot) {
    const float* egg = ObjectAt(app, slot);
    if (egg[0] != kEgg) continue;
    float distance = std::fabs(WrapDelta(egg[kEggX] - rider[kX], field.width)) + std::fabs(egg[kEggY] - rider[kY]);
    if (distance < best) {
      best = distance;
      nearest = egg;
    }
  }
  return nearest;
}

// The computer flees a rider above it, grabs a near egg, or else climbs above its prey
// and drops onto it. It flaps no faster than a quick thumb and now and then hesitates.
Intent ComputerIntent(c_MyApp& app, int p, float* rider, const Field& field) {
  Intent intent{0, false};
  rider[kFlapGap] = std::max(rider[kFlapGap] - 1, 0.0f);
  if (rider[kHesitation] > 0) {
    rider[kHesitation] -= 1;
    return intent;
  }
  if (zr_random_Rnd() * 120 < 1) rider[kHesitation] = static_cast<float>(app.p_Rand(4, 16));
  rider[kPlanTimer] -= 1;
  int prey = static_cast<int>(rider[kPrey]);
  if (rider[kPlanTimer] <= 0 || prey < 0 || prey >= kPlayers || prey == p || !Vulnerable(Rider(app, prey))) {
    ChoosePrey(app, p, rider);
    prey = static_cast<int>(rider[kPrey]);
  }

  bool climb = false;
  int threat = rider[kSafeTimer] > 0 ? -1 : ThreatAbove(app, p, rider, field);
  const float* egg = NearestEgg(app, rider, field);
  if (threat >= 0) {
    intent.run = -Sign(WrapDelta(Rider(app, threat)[kX] - rider[kX], field.width));
    climb = rider[kVy] > 2.5f;
  } else if (egg) {
    float dx = WrapDelta(egg[kEggX] - rider[kX], field.width);
    intent.run = std::fabs(dx) > 4 ? Sign(dx) : 0;
    climb = egg[kEggY] < rider[kY] - 8;
  } else if (prey >= 0) {
    const float* target = Rider(app, prey);
    float dx = WrapDelta(target[kX] - rider[kX], field.width);
    bool above = rider[kY] < target[kY] - kBopMargin;
    if (std::fabs(dx) < kDiveWidth && above) {
      intent.run = Sign(dx) * std::min(std::fabs(dx) / 8, 1.0f);
    } else if (std::fabs(dx) < kDiveWidth) {
      intent.run = -Sign(dx);  // too low and too close: back off while climbing
      climb = true;
    } else {
      intent.run = Sign(dx);
      climb = rider[kY] > target[kY] - rider[kAimHeight];
    }
    // Standing over prey far below: walk on until the ledge ends.
    if (rider[kStanding] != 0 && target[kY] > rider[kY] + 30 && std::fabs(dx) < 60) intent.run = rider[kFacing];
  } else {
    float dx = WrapDelta(field.width / 2 - rider[kX], field.width);
    intent.run = std::fabs(dx) > 20 ? Sign(dx) : 0;
    climb = rider[kY] > field.height / 3;
  }
  if (rider[kY] < kCeilingCaution) climb = false;
  if (climb && rider[kFlapGap] <= 0 && rider[kVy] > -1.5f) {
    intent.flap = true;
    rider[kFlapGap] = kComputerFlapGap;
  }
  return intent;
}

// ---- Drawing --------------------------------------------------------------------------

// Draws at x and, near the right edge, again where the joined left edge shows it. The
// copy for the left edge would lie under the score panel, over the players' icons, so it
// is left out.
template <typename DrawAt>
void DrawWrapped(float x, float reach, const Field& field, DrawAt draw) {
  draw(x);
  if (x > field.width - reach) draw(x - field.width);
}

void DrawSky(c_MyApp& app, const Field& field, float ox, float oy) {
  app.p_SetCol(250, 245, 215, 0.9f);
  app.p_Oval(field.width * 0.82f + ox, field.height * 0.1f + oy, 20, 20);
  app.p_SetCol(22, 28, 64, 1);
  app.p_Oval(field.width * 0.82f + 9 + ox, field.height * 0.1f - 5 + oy, 17, 17);
  app.p_SetCol(40, 50, 96, 1);
  app.p_Oval(field.width * 0.2f + ox, field.floorTop() + oy, field.width * 0.35f, 70);
  app.p_Oval(field.width * 0.75f + ox, field.floorTop() + oy, field.width * 0.4f, 95);
  app.p_ResetDraw();
}

// A ledge over an edge of the play area is drawn in two pieces, each cut at the edge, so
// no piece shows under the score panel.
void DrawLedgePiece(c_MyApp& app, float left, float right, float top) {
  float width = right - left;
  if (width <= 0) return;
  app.p_SetCol(78, 70, 96, 1);
  app.p_Rect(left, top, width, kLedgeThickness);
  app.p_SetCol(52, 46, 70, 1);
  app.p_Rect(left, top + kLedgeThickness - 3, width, 3);
  app.p_SetCol(236, 242, 255, 1);
  app.p_Rect(left, top - 2, width, 5);
  app.p_SetCol(200, 225, 255, 0.8f);
  for (float icicle = left + 7; icicle < right - 4; icicle += 13)
    app.p_Rect(icicle, top + kLedgeThickness, 2, 3 + std::fmod(icicle, 5.0f));
}

void DrawLedges(c_MyApp& app, const Field& field, float ox, float oy) {
  int ledges = Ledges(app);
  for (int i = 0; i < ledges; ++i) {
    const float* ledge = ObjectAt(app, i);
    if (ledge[0] != kLedge) continue;
    float left = Wrapped(ledge[kLedgeLeft], field.width);
    float right = left + ledge[kLedgeWidth];
    float top = ledge[kLedgeTop] + oy;
    DrawLedgePiece(app, left + ox, std::min(right, field.width) + ox, top);
    DrawLedgePiece(app, ox, right - field.width + ox, top);
  }
  float floorTop = field.floorTop() + oy;
  app.p_SetCol(236, 242, 255, 1);
  app.p_Rect(-128 + ox, floorTop, field.width + 256, kFloorDepth + 128);
  app.p_SetCol(190, 205, 235, 1);
  app.p_Rect(-128 + ox, floorTop + 6, field.width + 256, 2);
  app.p_ResetDraw();
}

void DrawEgg(c_MyApp& app, const float* egg, const Field& field, float ox, float oy) {
  if (egg[kEggAge] > kEggLife - kEggBlink && static_cast<int>(egg[kEggAge] / 6) % 2 == 0) return;
  app.p_SetSize(kEggScale);
  DrawWrapped(egg[kEggX], 10, field, [&](float x) { app.p_DrawGfx(x + ox, egg[kEggY] + oy, kEggArt); });
  app.p_ResetDraw();
}

// The sprite faces right and is mirrored for a rider facing left. A flap raises the wing
// and squashes the bird a little for a moment, running bobs it, flying leans it into its
// speed; a knocked-out rider spins, and a safe one blinks.
void DrawRider(c_MyApp& app, int p, const float* rider, const Field& field, float ox, float oy) {
  float y = rider[kY];
  float squash = std::sin(rider[kFlapPose] / kFlapPoseFrames * 3.1415927f) * 0.07f;
  int art = (rider[kFlapPose] > kFlapPoseFrames / 2 ? kOstrichFlapArt : kOstrichArt) + p;
  float lean = std::min(std::max(rider[kVx] * 5, -14.0f), 14.0f);
  if (rider[kStanding] != 0) {
    lean = 0;
    if (std::fabs(rider[kVx]) > 0.2f) y -= std::fabs(std::sin(rider[kGait])) * 2;
  }
  if (!Riding(rider)) lean = rider[kTumble];
  float alpha = 1;
  if (!Riding(rider)) alpha = 0.8f;
  if (rider[kSafeTimer] > 0 && static_cast<int>(rider[kSafeTimer] / 5) % 2 == 0) alpha = 0.3f;
  DrawWrapped(rider[kX], 26, field, [&](float x) {
    // A glow in the player's colour keeps the dark bird readable against the night.
    app.p_Ink(app.p_PlayCol(p), 1);
    app.p_Alpha(alpha * 0.3f);
    app.p_Blend(3);
    app.p_Oval(x + ox, y + oy, 22, 26);
    app.p_ResetDraw();
    app.p_Alpha(alpha);
    app.p_SetRot(lean);
    app.p_SetSize(rider[kFacing] * (1 + squash) * kRiderScale, (1 - squash) * kRiderScale);
    app.p_DrawGfx(x + ox, y + oy, art);
  });
  app.p_ResetDraw();
}

// The time left, top middle; during the countdown, the goal instead.
void DrawClock(c_MyApp& app, const Field& field) {
  if (app.m_introTimer > 0) {
    app.p_SetSize(1.5f);
    app.p_SetCol(255, 240, 160, 0.9f);
    app.p_Text(field.width / 2, field.height * 0.9f, String("First to 10 eggs wins!"));
    app.p_ResetDraw();
    return;
  }
  int left = std::max(kRoundFrames - static_cast<int>(app.m_players[kClock]), 0) / 60;
  String seconds = String(left % 60);
  if (left % 60 < 10) seconds = String("0") + seconds;
  app.p_SetSize(left < 10 ? 2.0f : 1.0f);
  app.p_SetCol(255, left < 10 ? 120 : 255, left < 10 ? 120 : 255, 0.7f);
  app.p_Text(field.width / 2, 12, String(left / 60) + String(":") + seconds);
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_D() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kPanelWidth;
  Field field = FieldOf();
  const Layout& chosen = kLayoutTable[p_Rand(0, kLayouts - 1)];
  for (int i = 0; i < chosen.ledges; ++i) {
    const LedgeSpot& spot = chosen.spots[i];
    int ledge = static_cast<int>(m_players[kLedgeCount]);
    p_AddDragonLand(static_cast<int>(spot.left * field.width), static_cast<int>(spot.top * field.height));
    m_objects[ledge * kObjectStride + kLedgeWidth] = std::round(spot.width * field.width);
  }
  for (int p = 0; p < kPlayers; ++p) {
    const float* ledge = ObjectAt(*this, chosen.starts[p]);
    float x = Wrapped(ledge[kLedgeLeft] + ledge[kLedgeWidth] / 2, field.width);
    p_Start(p, static_cast<int>(x), static_cast<int>(ledge[kLedgeTop] - kHalfHeight));
    float* rider = Rider(*this, p);
    rider[kFacing] = x < field.width / 2 ? 1.0f : -1.0f;
    rider[kPrey] = -1;
  }
  m_players[kLayTimer] = kFirstLay;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_D() {
  m_bgTargetR = 22;
  m_bgTargetG = 28;
  m_bgTargetB = 64;
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  p_DoSnow(easeX, easeY);

  Field field = FieldOf();
  float ox = -m_camX;
  float oy = -m_camY;
  bool playing = m_introTimer < 1 && m_roundOver == 0;
  DrawSky(*this, field, ox, oy);
  DrawClock(*this, field);
  DrawLedges(*this, field, ox, oy);

  if (playing) {
    m_players[kClock] += 1;
    m_players[kLayTimer] -= 1;
    if (m_players[kLayTimer] <= 0) {
      if (LooseEggs(*this) < kMostLooseEggs) AddEgg(*this, zr_random_Rnd() * field.width, -kEggHalfHeight, 0, 0);
      m_players[kLayTimer] = static_cast<float>(p_Rand(kShortestLay, kLongestLay));
    }
  }
  for (int slot = kFirstEggSlot; slot <= kLastEggSlot; ++slot) {
    float* egg = ObjectAt(*this, slot);
    if (egg[0] != kEgg) continue;
    MoveEgg(*this, egg, field, m_roundOver == 0);
    if (egg[0] == kEgg) DrawEgg(*this, egg, field, ox, oy);
  }

  for (int p = 0; p < kPlayers; ++p) {
    float* rider = Rider(*this, p);
    if (!Riding(rider)) {
      Tumble(*this, rider, field);
    } else {
      Intent intent{0, false};
      if (m_pad[p] == 0) {
        if (playing) intent = ComputerIntent(*this, p, rider, field);
      } else {
        intent = PersonIntent(*this, p, rider);
        if (!playing) intent = {0, false};
      }
      Ride(*this, rider, intent, field);
    }
    DrawRider(*this, p, rider, field, ox, oy);
  }
  if (playing) MeetRiders(*this, field);

  bool someoneWon = false;
  for (int p = 0; p < kPlayers; ++p) someoneWon = someoneWon || Rider(*this, p)[kEggs] >= kEggsToWin;
  if (someoneWon || m_players[kEndTimer] > 0) m_players[kEndTimer] += 1;
  if (m_players[kEndTimer] > kEndFrames || m_players[kClock] >= kRoundFrames) m_roundOver = 1;

  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
