// Game O, "Octagon Of Obstacles": four baubles fly with inertia round a walled sky of big
// octagons that drift, spin, bounce off the walls and each other, and pull the baubles
// towards themselves, so nobody can simply hang still. Touching an octagon's outline
// knocks a bauble out. Every eight seconds another octagon forms, as a harmless ghost at
// first, until eight fill the sky; then they swell and pull ever harder, so every round
// ends. Baubles in play score a point a frame; the round ends a second after at most one
// is left.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Octagons are objects 0..7; object fields.
const int kMostOctagons = 8;
const int kObjectStride = 10;
const int kState = 0;  // 0 free, 1 a forming ghost, 2 solid
const int kOx = 1;
const int kOy = 2;
const int kOvx = 3;
const int kOvy = 4;
const int kTurn = 5;  // degrees; at 0 the flat sides face up, down, left and right
const int kSpin = 6;
const int kRadius = 7;   // centre to corner
const int kForming = 8;  // frames of forming left
const float kGhost = 1;
const float kSolid = 2;

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kVx = 3;
const int kVy = 4;
const int kTilt = 5;
const int kDashWait = 6;   // frames until the dash is ready
const int kDashLatch = 7;  // 1 while fire A is held since the last dash
const int kFlash = 8;      // frames the dash flash still shows
const int kAimX = 11;      // the computer's chosen thrust
const int kAimY = 12;
const int kThinkTimer = 13;  // frames until the computer plans again
const int kDaydream = 14;    // frames the computer still coasts without planning
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kSpawnTimer = 55;  // frames of play since the last new octagon
const int kPlaced = 56;      // octagons placed so far
const int kPlayFrames = 57;
const int kSwells = 58;  // swells since the eighth octagon was placed
const int kEndTimer = 66;

// Flight, in pixels and frames.
const float kThrust = 0.15f;
const float kTopSpeed = 4;
const float kDrag = 0.99f;
const float kDashDrag = 0.95f;  // above the top speed, after a dash or a strong pull
const float kDashKick = 3;
const float kDashFrames = 150;
const float kFlashFrames = 12;
const float kWallBounce = 0.6f;
const float kBaubleRadius = 8;
const float kPull = 0.05f;  // at an octagon's corner; falls off with the square of distance
// Each swell adds a quarter of the first pull, so at last no thrust can hold out anywhere
// and even the best flyers are drawn in: every round ends.
const float kPullGrowth = 0.25f;

// Octagons.
const float kFirstRadii[2] = {56, 46};
const int kSpawnFrames = 480;
const float kFormingFrames = 120;
const float kSolidifyMargin = 6;  // a ghost waits until every bauble is this far clear
const float kSwell = 5;
const float kLargest = 110;
const int kSmallestNew = 36;
const int kLargestNew = 60;
const int kSpawnTries = 16;
const float kBodyShare = 0.96f;  // octagons bounce off each other as discs this size
const float kApothem = 0.9238795f;    // cos 22.5: centre to flat side per radius
const float kHalfSide = 0.38268343f;  // sin 22.5: half a side per radius

// The computer looks ahead kLookSteps x kLookFrames frames in kDirections directions.
const int kDirections = 16;
const int kLookSteps = 4;
const float kLookFrames = 8;
const float kLaterSlack = 6;  // later dangers count for this much less per step
const float kWallSlack = 16;  // walls do not knock out, so they count for less
const float kCrowdWeight = 0.6f;  // other baubles only bump, so they count for less still
const float kCrowdSlack = 8;
const float kPanic = 10;      // dash when even the best plan comes this close
const int kThinkShortest = 4;
const int kThinkLongest = 9;
const float kDaydreamOdds = 90;  // one plan in this many turns into daydreaming
const float kDaydreamShortest = 30;
const float kDaydreamSpread = 40;

const int kEndFrames = 60;

// Art and sound.
const int kOctagonImage = 5;
const int kOctagonFrame = 28;
const float kArtRadius = 15;  // the octagon's radius in the frame at scale 1
const int kBaubleImage = 0;
const float kBaubleScale = 0.65f;
const int kOutSound = 9;
const int kSparkKind = 5;
const int kTrailKind = 6;
const int kWhite = 9;

struct Sky {
  float width, height;
};

// The whole screen: a survival game shows no score panel.
Sky SkyOf() { return {zr_TinselJumble_jscrw, zr_TinselJumble_jscrh}; }

float* OctagonAt(c_MyApp& app, int i) { return app.m_objects.Data() + i * kObjectStride; }
float* BaubleOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
bool Flying(const float* bauble) { return bauble[kAlive] > 0; }

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

// How far a point lies outside an octagon's true outline at its current turn; negative
// inside. The point is folded into the sector of the nearest flat side: there it is
// nearest that side, or beyond the side's end, one of its two corners.
float OutlineGap(const float* octagon, float x, float y) {
  float dx = x - octagon[kOx];
  float dy = y - octagon[kOy];
  float radius = octagon[kRadius];
  float distance = Length(dx, dy);
  if (distance == 0) return -radius * kApothem;
  float heading = std::atan2(dx, -dy) * R2D - octagon[kTurn];
  float fromSide = heading - 45 * std::floor((heading + 22.5f) / 45);
  float along = distance * std::cos(fromSide * D2R);
  float across = std::fabs(distance * std::sin(fromSide * D2R));
  float apothem = radius * kApothem;
  float halfSide = radius * kHalfSide;
  if (across <= halfSide) return along - apothem;
  return Length(along - apothem, across - halfSide);
}

// The sum of the solid octagons' pulls on a point.
void PullAt(c_MyApp& app, float x, float y, float& pullX, float& pullY) {
  pullX = pullY = 0;
  for (int i = 0; i < kMostOctagons; ++i) {
    const float* octagon = OctagonAt(app, i);
    if (octagon[kState] != kSolid) continue;
    float dx = octagon[kOx] - x;
    float dy = octagon[kOy] - y;
    float distance = Length(dx, dy);
    if (distance == 0) continue;
    float reach = octagon[kRadius] / std::fmax(distance, octagon[kRadius]);
    float pull = kPull * (1 + kPullGrowth * app.m_players[kSwells]) * reach * reach;
    pullX += pull * dx / distance;
    pullY += pull * dy / distance;
  }
}

// Keeps a position within limits on one axis, turning its velocity back (and keeping that
// share of it) at a limit. On a sky too small for both limits the low one wins.
void BounceBetween(float& position, float& velocity, float low, float high, float keep) {
  if (position > high) position = high, velocity = -std::fabs(velocity) * keep;
  if (position < low) position = low, velocity = std::fabs(velocity) * keep;
}

void SetAdrift(float* octagon) {
  float heading = zr_random_Rnd() * 360 * D2R;
  float speed = 0.7f + zr_random_Rnd() * 0.8f;
  octagon[kOvx] = std::sin(heading) * speed;
  octagon[kOvy] = -std::cos(heading) * speed;
  float spin = 0.4f + zr_random_Rnd() * 0.8f;
  octagon[kSpin] = zr_random_Rnd() < 0.5f ? -spin : spin;
  octagon[kTurn] = zr_random_Rnd() * 45;
}

// A new ghost at the most open of a few random spots: farthest from the baubles in play
// and from the other octagons' edges.
void PlaceOctagon(c_MyApp& app, const Sky& sky) {
  float* octagon = nullptr;
  for (int i = 0; i < kMostOctagons && octagon == nullptr; ++i)
    if (OctagonAt(app, i)[kState] == 0) octagon = OctagonAt(app, i);
  if (octagon == nullptr) return;
  float radius = static_cast<float>(app.p_Rand(kSmallestNew, kLargestNew));
  float bestX = sky.width / 2, bestY = sky.height / 2, bestRoom = -1e9f;
  for (int attempt = 0; attempt < kSpawnTries; ++attempt) {
    float x = radius + zr_random_Rnd() * (sky.width - 2 * radius);
    float y = radius + zr_random_Rnd() * (sky.height - 2 * radius);
    float room = 1e9f;
    for (int p = 0; p < kPlayers; ++p) {
      const float* bauble = BaubleOf(app, p);
      if (Flying(bauble)) room = std::fmin(room, Length(bauble[kX] - x, bauble[kY] - y) - radius);
    }
    for (int i = 0; i < kMostOctagons; ++i) {
      const float* other = OctagonAt(app, i);
      if (other[kState] != 0) room = std::fmin(room, Length(other[kOx] - x, other[kOy] - y) - radius - other[kRadius]);
    }
    if (room > bestRoom) bestRoom = room, bestX = x, bestY = y;
  }
  octagon[kState] = kGhost;
  octagon[kOx] = bestX;
  octagon[kOy] = bestY;
  octagon[kRadius] = radius;
  octagon[kForming] = kFormingFrames;
  SetAdrift(octagon);
  app.m_players[kPlaced] += 1;
}

// Every few seconds a new octagon, or once all are placed, a swell of every one and a
// stronger pull; ghosts that have formed turn solid once no bauble is in their way.
void GrowTheSky(c_MyApp& app, const Sky& sky) {
  float& timer = app.m_players[kSpawnTimer];
  timer += 1;
  if (timer >= kSpawnFrames) {
    timer = 0;
    if (app.m_players[kPlaced] < kMostOctagons) {
      PlaceOctagon(app, sky);
    } else {
      app.m_players[kSwells] += 1;
      for (int i = 0; i < kMostOctagons; ++i) {
        float* octagon = OctagonAt(app, i);
        octagon[kRadius] = std::fmin(octagon[kRadius] + kSwell, kLargest);
      }
    }
  }
  for (int i = 0; i < kMostOctagons; ++i) {
    float* octagon = OctagonAt(app, i);
    if (octagon[kState] != kGhost) continue;
    if (octagon[kForming] > 0) {
      octagon[kForming] -= 1;
      continue;
    }
    bool clear = true;
    for (int p = 0; p < kPlayers; ++p) {
      const float* bauble = BaubleOf(app, p);
      float gap = OutlineGap(octagon, bauble[kX], bauble[kY]);
      if (Flying(bauble) && gap < kBaubleRadius + kSolidifyMargin) clear = false;
    }
    if (clear) octagon[kState] = kSolid;
  }
}

// Solid octagons drift and bounce off the walls, then off each other as discs, the
// larger one pushing the smaller harder.
void MoveOctagons(c_MyApp& app, const Sky& sky) {
  for (int i = 0; i < kMostOctagons; ++i) {
    float* octagon = OctagonAt(app, i);
    if (octagon[kState] != kSolid) continue;
    float radius = octagon[kRadius];
    octagon[kOx] += octagon[kOvx];
    octagon[kOy] += octagon[kOvy];
    BounceBetween(octagon[kOx], octagon[kOvx], radius, sky.width - radius, 1);
    BounceBetween(octagon[kOy], octagon[kOvy], radius, sky.height - radius, 1);
  }
  for (int i = 0; i < kMostOctagons; ++i) {
    float* a = OctagonAt(app, i);
    if (a[kState] != kSolid) continue;
    for (int j = i + 1; j < kMostOctagons; ++j) {
      float* b = OctagonAt(app, j);
      if (b[kState] != kSolid) continue;
      float dx = b[kOx] - a[kOx];
      float dy = b[kOy] - a[kOy];
      float distance = Length(dx, dy);
      float reach = (a[kRadius] + b[kRadius]) * kBodyShare;
      if (distance >= reach || distance == 0) continue;
      float nx = dx / distance, ny = dy / distance;
      float massA = a[kRadius] * a[kRadius], massB = b[kRadius] * b[kRadius];
      float shareA = massB / (massA + massB), shareB = massA / (massA + massB);
      float overlap = reach - distance;
      a[kOx] -= nx * overlap * shareA, a[kOy] -= ny * overlap * shareA;
      b[kOx] += nx * overlap * shareB, b[kOy] += ny * overlap * shareB;
      float closing = (b[kOvx] - a[kOvx]) * nx + (b[kOvy] - a[kOvy]) * ny;
      if (closing >= 0) continue;
      a[kOvx] += 2 * shareA * closing * nx, a[kOvy] += 2 * shareA * closing * ny;
      b[kOvx] -= 2 * shareB * closing * nx, b[kOvy] -= 2 * shareB * closing * ny;
    }
  }
}

// The soft glow of each solid octagon's pull, then the octagons, then the ghosts, which
// grow from a small faint outline to full size as they form.
void DrawOctagons(c_MyApp& app) {
  float pulse = std::sin(app.m_players[kPlayFrames] * 9 * D2R);
  app.p_Blend(3);
  for (int i = 0; i < kMostOctagons; ++i) {
    const float* octagon = OctagonAt(app, i);
    if (octagon[kState] != kSolid) continue;
    float x = octagon[kOx] - app.m_camX, y = octagon[kOy] - app.m_camY, radius = octagon[kRadius];
    app.p_SetCol(90, 40, 170, 0.08f);
    app.p_Oval(x, y, radius * 1.9f, radius * 1.9f);
    app.p_SetCol(110, 50, 200, 0.1f);
    app.p_Oval(x, y, radius * 1.4f, radius * 1.4f);
  }
  app.p_ResetDraw();
  for (float state : {kSolid, kGhost}) {
    for (int i = 0; i < kMostOctagons; ++i) {
      const float* octagon = OctagonAt(app, i);
      if (octagon[kState] != state) continue;
      float size = octagon[kRadius] / kArtRadius;
      if (state == kGhost) {
        size *= 1 - 0.6f * octagon[kForming] / kFormingFrames;
        app.p_Alpha(0.3f + 0.12f * pulse);
      }
      app.p_SetRot(octagon[kTurn]);
      app.p_SetSize(size);
      app.p_DrawImg(kOctagonImage, octagon[kOx] - app.m_camX, octagon[kOy] - app.m_camY, kOctagonFrame);
      app.p_ResetDraw();
    }
  }
}

// The computer's plan: each of 16 thrusts and none is flown ahead in a few coarse steps,
// with the pull felt now, against every octagon carried along its drift (ghosts too, as
// they may turn solid), the walls and, more lightly, the other baubles, so computers do
// not all crowd into the same gap. The plan whose closest call is farthest wins; when
// even that one comes close, the computer wants to dash (the return value).
bool PlanFlight(c_MyApp& app, float* bauble, const Sky& sky) {
  if (bauble[kDaydream] > 0) {
    bauble[kDaydream] -= 1;
    return false;
  }
  if (bauble[kThinkTimer] > 0) {
    bauble[kThinkTimer] -= 1;
    return false;
  }
  bauble[kThinkTimer] = static_cast<float>(app.p_Rand(kThinkShortest, kThinkLongest));
  if (zr_random_Rnd() * kDaydreamOdds < 1) {
    bauble[kDaydream] = kDaydreamShortest + zr_random_Rnd() * kDaydreamSpread;
    return false;
  }
  float pullX, pullY;
  PullAt(app, bauble[kX], bauble[kY], pullX, pullY);
  float bestScore = -1e9f, bestX = 0, bestY = 0;
  for (int choice = 0; choice <= kDirections; ++choice) {
    float thrustX = 0, thrustY = 0;
    if (choice < kDirections) {
      float heading = choice * (360.0f / kDirections) * D2R;
      thrustX = std::sin(heading);
      thrustY = -std::cos(heading);
    }
    float x = bauble[kX], y = bauble[kY], vx = bauble[kVx], vy = bauble[kVy];
    float worst = 1e9f;
    for (int step = 1; step <= kLookSteps; ++step) {
      vx += (thrustX * kThrust + pullX) * kLookFrames;
      vy += (thrustY * kThrust + pullY) * kLookFrames;
      float speed = Length(vx, vy);
      if (speed > kTopSpeed) vx *= kTopSpeed / speed, vy *= kTopSpeed / speed;
      x += vx * kLookFrames;
      y += vy * kLookFrames;
      float slack = (step - 1) * kLaterSlack;
      float wall = std::fmin(std::fmin(x, sky.width - x), std::fmin(y, sky.height - y));
      worst = std::fmin(worst, wall - kBaubleRadius + kWallSlack + slack);
      for (int i = 0; i < kMostOctagons; ++i) {
        const float* octagon = OctagonAt(app, i);
        if (octagon[kState] == 0) continue;
        float ahead = octagon[kState] == kSolid ? step * kLookFrames : 0;
        float ox = octagon[kOx] + octagon[kOvx] * ahead;
        float oy = octagon[kOy] + octagon[kOvy] * ahead;
        worst = std::fmin(worst, Length(x - ox, y - oy) - octagon[kRadius] - kBaubleRadius + slack);
      }
      for (int q = 0; q < kPlayers; ++q) {
        const float* other = BaubleOf(app, q);
        if (other == bauble || !Flying(other)) continue;
        float ox = other[kX] + other[kVx] * step * kLookFrames;
        float oy = other[kY] + other[kVy] * step * kLookFrames;
        float room = Length(x - ox, y - oy) - 2 * kBaubleRadius;
        worst = std::fmin(worst, room * kCrowdWeight + kCrowdSlack + slack);
      }
    }
    if (worst > bestScore) bestScore = worst, bestX = thrustX, bestY = thrustY;
  }
  bauble[kAimX] = bestX;
  bauble[kAimY] = bestY;
  return bestScore < kPanic;
}

// One bauble's frame: thrust from the stick or the plan, the pull, the dash and the walls.
void FlyBauble(c_MyApp& app, int p, const Sky& sky, bool playing) {
  float* bauble = BaubleOf(app, p);
  float stickX = 0, stickY = 0;
  bool dash = false;
  if (app.m_pad[p] == 0) {
    if (playing) dash = PlanFlight(app, bauble, sky);
    stickX = bauble[kAimX];
    stickY = bauble[kAimY];
  } else {
    stickX = app.p_Control(1, p);
    stickY = app.p_Control(2, p);
    dash = app.p_Control(7, p) > 0;
  }
  if (!playing) stickX = stickY = 0, dash = false;
  float push = Length(stickX, stickY);
  if (push > 1) stickX /= push, stickY /= push, push = 1;

  float& vx = bauble[kVx];
  float& vy = bauble[kVy];
  float before = Length(vx, vy);
  vx += stickX * kThrust;
  vy += stickY * kThrust;
  // Thrust alone never carries a bauble past the top speed, but it may steer at any speed.
  float after = Length(vx, vy);
  float limit = std::fmax(before, kTopSpeed);
  if (after > limit) vx *= limit / after, vy *= limit / after;
  if (playing) {
    float pullX, pullY;
    PullAt(app, bauble[kX], bauble[kY], pullX, pullY);
    vx += pullX;
    vy += pullY;
  }
  float drag = Length(vx, vy) > kTopSpeed ? kDashDrag : kDrag;
  vx *= drag;
  vy *= drag;

  // A dash goes the way the stick points, or else the way the bauble is going; a bauble
  // at rest with the stick centred has no way to dash and keeps its charge.
  float speed = Length(vx, vy);
  float wayX = push > 0.2f ? stickX / push : speed > 0.1f ? vx / speed : 0;
  float wayY = push > 0.2f ? stickY / push : speed > 0.1f ? vy / speed : 0;
  if (dash && bauble[kDashLatch] == 0 && bauble[kDashWait] == 0 && (wayX != 0 || wayY != 0)) {
    vx += wayX * kDashKick;
    vy += wayY * kDashKick;
    bauble[kDashWait] = kDashFrames;
    bauble[kFlash] = kFlashFrames;
    bauble[kDashLatch] = 1;
  }
  if (!dash) bauble[kDashLatch] = 0;
  bauble[kDashWait] = std::fmax(bauble[kDashWait] - 1, 0.0f);
  bauble[kFlash] = std::fmax(bauble[kFlash] - 1, 0.0f);

  float& x = bauble[kX];
  float& y = bauble[kY];
  x += vx;
  y += vy;
  BounceBetween(x, vx, kBaubleRadius, sky.width - kBaubleRadius, kWallBounce);
  BounceBetween(y, vy, kBaubleRadius, sky.height - kBaubleRadius, kWallBounce);

  int frame = static_cast<int>(app.m_players[kPlayFrames]);
  if (push > 0.3f && frame % 3 == p % 3) {
    float behind = std::atan2(-stickX, stickY) * R2D;
    float trailX = x - stickX * kBaubleRadius, trailY = y - stickY * kBaubleRadius;
    app.p_ThrowParticle(trailX, trailY, kTrailKind, app.p_PlayCol(p), behind, 1);
  }
  bauble[kTilt] += (std::fmax(std::fmin(vx * 8, 30.0f), -30.0f) - bauble[kTilt]) / 6;
}

// Baubles that touch bounce apart like billiard balls of one weight.
void BumpBaubles(c_MyApp& app) {
  for (int p = 0; p < kPlayers; ++p) {
    float* a = BaubleOf(app, p);
    if (!Flying(a)) continue;
    for (int q = p + 1; q < kPlayers; ++q) {
      float* b = BaubleOf(app, q);
      if (!Flying(b)) continue;
      float dx = b[kX] - a[kX];
      float dy = b[kY] - a[kY];
      float distance = Length(dx, dy);
      if (distance >= 2 * kBaubleRadius || distance == 0) continue;
      float nx = dx / distance, ny = dy / distance;
      float overlap = (2 * kBaubleRadius - distance) / 2;
      a[kX] -= nx * overlap, a[kY] -= ny * overlap;
      b[kX] += nx * overlap, b[kY] += ny * overlap;
      float closing = (b[kVx] - a[kVx]) * nx + (b[kVy] - a[kVy]) * ny;
      if (closing >= 0) continue;
      a[kVx] += closing * nx, a[kVy] += closing * ny;
      b[kVx] -= closing * nx, b[kVy] -= closing * ny;
    }
  }
}

void KnockOut(c_MyApp& app, int p, float* bauble) {
  bauble[kAlive] = 0;
  int colour = app.p_PlayCol(p);
  for (int n = 0; n < 24; ++n)
    app.p_ThrowParticle(bauble[kX], bauble[kY], kSparkKind, n % 3 == 0 ? kWhite : colour, n * 15.0f, 2 + (n % 4));
  app.p_PlaySFX(kOutSound);
  app.m_camY = 8;
}

// Checked once everything has moved and bumped: no bauble ends a frame touching an octagon.
void KnockOutTouching(c_MyApp& app) {
  for (int p = 0; p < kPlayers; ++p) {
    float* bauble = BaubleOf(app, p);
    for (int i = 0; i < kMostOctagons && Flying(bauble); ++i) {
      const float* octagon = OctagonAt(app, i);
      bool touching = octagon[kState] == kSolid && OutlineGap(octagon, bauble[kX], bauble[kY]) < kBaubleRadius;
      if (touching) KnockOut(app, p, bauble);
    }
  }
}

void DrawBauble(c_MyApp& app, int p) {
  const float* bauble = BaubleOf(app, p);
  float x = bauble[kX] - app.m_camX, y = bauble[kY] - app.m_camY;
  if (bauble[kDashWait] == 0) {
    app.p_Ink(app.p_PlayCol(p), 1);
    app.p_Alpha(0.3f);
    app.p_Oval(x, y, kBaubleRadius + 5, kBaubleRadius + 5);
  }
  if (bauble[kFlash] > 0) {
    app.p_Blend(3);
    app.p_SetCol(255, 255, 255, 0.6f * bauble[kFlash] / kFlashFrames);
    app.p_Oval(x, y, kBaubleRadius + 8, kBaubleRadius + 8);
  }
  app.p_ResetDraw();
  app.p_SetRot(bauble[kTilt]);
  app.p_SetSize(kBaubleScale);
  app.p_DrawImg(kBaubleImage, x, y, static_cast<float>(p));
  app.p_ResetDraw();
}

void DrawWalls(c_MyApp& app, const Sky& sky) {
  const float thickness = 3;
  app.p_SetCol(170, 140, 255, 0.5f);
  app.p_Rect(-app.m_camX, -app.m_camY, sky.width, thickness);
  app.p_Rect(-app.m_camX, sky.height - thickness - app.m_camY, sky.width, thickness);
  app.p_Rect(-app.m_camX, -app.m_camY, thickness, sky.height);
  app.p_Rect(sky.width - thickness - app.m_camX, -app.m_camY, thickness, sky.height);
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_O() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = 0;
  Sky sky = SkyOf();
  int left = static_cast<int>(sky.width * 0.2f);
  int right = static_cast<int>(sky.width * 0.8f);
  int top = static_cast<int>(sky.height * 0.25f);
  int bottom = static_cast<int>(sky.height * 0.75f);
  p_Start(0, left, top);
  p_Start(1, right, bottom);
  p_Start(2, left, bottom);
  p_Start(3, right, top);
  for (int i = 0; i < 2; ++i) {
    float* octagon = OctagonAt(*this, i);
    octagon[kState] = kSolid;
    octagon[kOx] = sky.width / 2;
    octagon[kOy] = sky.height * (i == 0 ? 0.3f : 0.7f);
    octagon[kRadius] = kFirstRadii[i];
    SetAdrift(octagon);
  }
  m_players[kPlaced] = 2;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_O() {
  m_bgTargetR = 14;
  m_bgTargetG = 10;
  m_bgTargetB = 40;
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  p_DoStars(easeX - 0.15f, easeY + 0.1f);

  Sky sky = SkyOf();
  bool playing = m_introTimer < 1;
  if (playing) {
    m_players[kPlayFrames] += 1;
    GrowTheSky(*this, sky);
    MoveOctagons(*this, sky);
  }
  for (int i = 0; i < kMostOctagons; ++i) {
    float* octagon = OctagonAt(*this, i);
    if (octagon[kState] != 0) octagon[kTurn] = std::fmod(octagon[kTurn] + octagon[kSpin], 360.0f);
  }
  DrawWalls(*this, sky);
  DrawOctagons(*this);

  int flying = 0;
  for (int p = 0; p < kPlayers; ++p) {
    if (!Flying(BaubleOf(*this, p))) continue;
    FlyBauble(*this, p, sky, playing);
  }
  BumpBaubles(*this);
  KnockOutTouching(*this);
  for (int p = 0; p < kPlayers; ++p) {
    if (!Flying(BaubleOf(*this, p))) continue;
    ++flying;
    DrawBauble(*this, p);
  }

  if (flying < 2) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay();
}
