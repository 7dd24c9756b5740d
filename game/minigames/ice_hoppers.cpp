// Game I, "Ice Hoppers": four players hop from floe to floe over a field of ice on dark
// water. A floe a player lands on takes that player's colour, and the score is the number
// of floes in a player's colour. Darts wait in the water round the field; each glows its
// row or column red for a second, then flies across it. A player it hits falls through
// the ice (unless in mid-hop: the dart passes underneath), the floe turns plain again and
// the player is out for two seconds. Darts come faster as the clock runs down; when it
// runs out the field freezes and the most floes wins.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/random.h"

namespace {

// The field: 8 x 7 floes inside a ring of open water one cell wide, where darts wait.
const int kColumns = 8;
const int kRows = 7;
const int kGridW = kColumns + 2;
const int kGridH = kRows + 2;

// Cell fields.
const int kCellStride = 10;
const int kFloe = 0;        // 1 a floe, 0 open water
const int kOwner = 1;       // 0 plain ice, p + 1 player p's colour
const int kHalfWidth = 2;   // the floe's size as fractions of a cell
const int kHalfHeight = 3;
const int kDip = 4;         // frames the floe still dips from a landing
const int kCracks = 5;      // frames the cracks of a fall still show
// Corner notches as fractions of a cell, so that each floe has an outline of its own: how
// wide the left and the right corners are cut, and how high the top and bottom ones.
const int kNotchLeft = 6;
const int kNotchRight = 7;
const int kNotchTop = 8;
const int kNotchBottom = 9;

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;  // ground position: the floe under the player, or between two in a hop
const int kY = 2;
const int kCellX = 3;  // the floe stood on, or the floe a hop lands on
const int kCellY = 4;
const int kFromX = 5;  // the floe a hop started from
const int kFromY = 6;
const int kHop = 7;    // frames into the hop, 0 standing
const int kRest = 8;   // frames before the next hop may start
const int kOut = 9;    // frames left in the water, 0 on the ice
const int kSafe = 10;  // frames left blinking after coming up; darts pass by
const int kReaction = 11;  // computer: frames a warning shows before it is noticed
const int kLean = 12;      // the last hop's direction + 1 (0 a jump on the spot)
const int kScore = 95;
const int kAlive = 99;  // 3 on the ice, 0 in the water (the panel dims the icon)

// Game-wide values in player 0's row.
const int kFrame = 50;     // frames since the set-up, for ripples and pulsing warnings
const int kNextDart = 51;  // frames until the next dart is placed

// Darts are objects 0..5.
const int kMostDarts = 6;
const int kObjectStride = 10;
const int kDartState = 0;  // 0 none, 1 waiting, 2 flying
const int kDartX = 1;
const int kDartY = 2;
const int kDartDX = 3;  // direction of flight, -1, 0 or 1 per axis
const int kDartDY = 4;
const int kWarning = 5;  // frames of warning left
const int kShown = 6;    // frames since the warning began
const int kLane = 7;     // the row (flying sideways) or column (flying up or down)
const int kWaiting = 1;
const int kFlying = 2;

const int kPanelWidth = 96;
const int kRoundFrames = 3600;
const int kHopFrames = 16;
const int kHumanRest = 2;
const int kThinkLeast = 4;
const int kThinkMost = 14;
const int kReactionLeast = 10;
const int kReactionMost = 100;
const int kOutFrames = 120;
const int kSafeFrames = 60;
const int kWarnFrames = 60;
const int kFirstDart = 90;
const float kGapAtStart = 110;
const float kGapAtEnd = 45;
const float kDartSpeed = 0.16f;  // cells per frame
const float kHitReach = 0.4f;    // cells, on both axes
const float kAirborne = 0.5f;    // hop height above which darts pass underneath
const float kJumpLead = 8;       // frames before a dart arrives when a trapped computer jumps
const float kDanger = 6;         // what a floe in a known dart's path is marked down by
const float kNever = 1e9f;
const int kDipFrames = 8;
const int kCrackFrames = 45;
const int kClockRedBelow = 600;  // frames: the clock bar is red for the last ten seconds
const float kPi = 3.14159265f;

const int kHopSound = 3;
const int kDartSound = 5;
const int kSplashSound = 9;

const int kTokenImage = 0;
const int kDartCode = 320 + 25;
const float kArtSize = 40;

struct Step {
  int dx, dy, action;
};
// Up, right, down, left; a held diagonal tries them in this order.
const Step kSteps[4] = {{0, -1, 0}, {1, 0, 5}, {0, 1, 8}, {-1, 0, 3}};
const int kOnTheSpot = -1;
const int kFireA = 10;

struct Start {
  int x, y;
};
const Start kStarts[kPlayers] = {{2, 2}, {7, 6}, {2, 6}, {7, 2}};

struct Colour {
  float r, g, b;
};
const Colour kColours[kPlayers] = {{255, 40, 40}, {40, 120, 255}, {255, 220, 30}, {40, 200, 60}};

float* Row(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
float* Dart(c_MyApp& app, int d) { return app.m_objects.Data() + d * kObjectStride; }

// A table value as a whole number in lo..hi, whatever the table holds.
int Whole(float value, int lo, int hi) {
  return static_cast<int>(std::fmin(std::fmax(value, static_cast<float>(lo)), static_cast<float>(hi)));
}

bool OnField(int x, int y) { return x >= 1 && x <= kColumns && y >= 1 && y <= kRows; }

float* Cell(c_MyApp& app, int x, int y) {
  x = std::clamp(x, 0, kGridW - 1);
  y = std::clamp(y, 0, kGridH - 1);
  return app.m_grid.Data() + (y * kGridW + x) * kCellStride;
}

int CellX(const float* row) { return Whole(row[kCellX], 0, kGridW - 1); }
int CellY(const float* row) { return Whole(row[kCellY], 0, kGridH - 1); }

float CentreX(const c_MyApp& app, float x) { return app.m_gridX + (x + 0.5f) * app.m_tileSize; }
float CentreY(const c_MyApp& app, float y) { return app.m_gridY + (y + 0.5f) * app.m_tileSize; }

float HopHeight(const float* row) {
  return row[kHop] > 0 ? std::sin(std::fmin(row[kHop], kHopFrames) / kHopFrames * kPi) : 0;
}

bool Computer(const c_MyApp& app, int p) { return app.m_pad[p] == 0; }

// A floe is taken by a player who stands on it, is hopping onto it or has fallen
// through it and not come up yet.
bool Taken(c_MyApp& app, int x, int y, int except) {
  for (int q = 0; q < kPlayers; ++q) {
    const float* row = Row(app, q);
    if (q != except && CellX(row) == x && CellY(row) == y) return true;
  }
  return false;
}

bool CanHopTo(c_MyApp& app, int p, int x, int y) {
  return OnField(x, y) && Cell(app, x, y)[kFloe] == 1 && !Taken(app, x, y, p);
}

void StartHop(c_MyApp& app, int p, int step) {
  float* row = Row(app, p);
  row[kFromX] = static_cast<float>(CellX(row));
  row[kFromY] = static_cast<float>(CellY(row));
  if (step != kOnTheSpot) {
    row[kCellX] = row[kFromX] + kSteps[step].dx;
    row[kCellY] = row[kFromY] + kSteps[step].dy;
  }
  row[kLean] = static_cast<float>(step + 1);
  row[kHop] = 1;
  app.p_PlaySFX(kHopSound, -1, 0.5f, 0);
}

void Rest(c_MyApp& app, int p) {
  float* row = Row(app, p);
  if (!Computer(app, p)) {
    row[kRest] = kHumanRest;
    return;
  }
  row[kRest] = static_cast<float>(app.p_Rand(kThinkLeast, kThinkMost));
  row[kReaction] = static_cast<float>(app.p_Rand(kReactionLeast, kReactionMost));
}

void Land(c_MyApp& app, int p) {
  float* row = Row(app, p);
  row[kHop] = 0;
  float* cell = Cell(app, CellX(row), CellY(row));
  cell[kDip] = kDipFrames;
  if (cell[kOwner] != p + 1) {
    cell[kOwner] = static_cast<float>(p + 1);
    for (int n = 0; n < 8; ++n) app.p_ThrowParticle(row[kX], row[kY], 5, app.p_PlayCol(p), n * 45 + 22.5f, 2.5f);
  }
  Rest(app, p);
}

void Splash(c_MyApp& app, float x, float y, int drops) {
  for (int n = 0; n < drops; ++n) app.p_ThrowParticle(x, y, 3, n % 2 == 0 ? 9 : 5, n * 360.0f / drops, 2 + n % 3);
}

// A dart hit: the player drops through the floe it is over, which turns plain again.
void Fall(c_MyApp& app, int p) {
  float* row = Row(app, p);
  if (row[kHop] > 0 && row[kHop] < kHopFrames / 2) {
    row[kCellX] = row[kFromX];
    row[kCellY] = row[kFromY];
  }
  float* cell = Cell(app, CellX(row), CellY(row));
  cell[kOwner] = 0;
  cell[kCracks] = kCrackFrames;
  row[kX] = CentreX(app, static_cast<float>(CellX(row)));
  row[kY] = CentreY(app, static_cast<float>(CellY(row)));
  row[kHop] = 0;
  row[kOut] = kOutFrames;
  row[kAlive] = 0;
  Splash(app, row[kX], row[kY], 24);
  app.p_PlaySFX(kSplashSound);
  app.m_camY = app.m_tileSize * 0.12f;
}

// Back on the ice where it fell in, or on the nearest free floe should another player
// have landed there in the frame of the fall.
void Resurface(c_MyApp& app, int p) {
  float* row = Row(app, p);
  row[kAlive] = 3;
  row[kSafe] = kSafeFrames;
  int x = CellX(row), y = CellY(row);
  for (int reach = 0; reach < kGridW + kGridH; ++reach) {
    bool found = false;
    for (int fy = 1; fy <= kRows && !found; ++fy) {
      for (int fx = 1; fx <= kColumns && !found; ++fx) {
        if (std::abs(fx - x) + std::abs(fy - y) != reach || !CanHopTo(app, p, fx, fy)) continue;
        row[kCellX] = row[kFromX] = static_cast<float>(fx);
        row[kCellY] = row[kFromY] = static_cast<float>(fy);
        found = true;
      }
    }
    if (found) break;
  }
  Splash(app, CentreX(app, row[kCellX]), CentreY(app, row[kCellY]), 8);
  Rest(app, p);
}

// Frames until a dart the player knows of reaches the middle of floe (x, y); kNever when
// none will. A warning is known once it has shown for the given reaction time.
float Arrival(c_MyApp& app, int x, int y, float reaction) {
  float speed = kDartSpeed * app.m_tileSize;
  float soonest = kNever;
  for (int d = 0; d < kMostDarts; ++d) {
    const float* dart = Dart(app, d);
    if (dart[kDartState] == 0 || (dart[kDartState] == kWaiting && dart[kShown] < reaction)) continue;
    int lane = Whole(dart[kLane], 0, kGridW);
    float ahead;
    if (dart[kDartDX] != 0) {
      if (lane != y) continue;
      ahead = (CentreX(app, static_cast<float>(x)) - dart[kDartX]) * dart[kDartDX];
    } else {
      if (lane != x) continue;
      ahead = (CentreY(app, static_cast<float>(y)) - dart[kDartY]) * dart[kDartDY];
    }
    if (ahead < -kHitReach * app.m_tileSize) continue;
    float frames = std::fmax(ahead, 0.0f) / speed + (dart[kDartState] == kWaiting ? dart[kWarning] : 0);
    soonest = std::fmin(soonest, frames);
  }
  return soonest;
}

// What a floe is worth to player p: another player's most, plain ice less, its own nothing.
float Worth(c_MyApp& app, int p, int x, int y) {
  float owner = Cell(app, x, y)[kOwner];
  if (owner == p + 1) return 0;
  return owner == 0 ? 2.0f : 3.0f;
}

// The computer heads for the best floe to claim on the field, claims on the way, keeps
// out of the darts' paths it knows of, and when trapped jumps as the dart comes.
void ComputerHop(c_MyApp& app, int p) {
  float* row = Row(app, p);
  int x = CellX(row), y = CellY(row);
  float reaction = row[kReaction];
  int targetX = x, targetY = y;
  float bestAim = 0;
  for (int fy = 1; fy <= kRows; ++fy) {
    for (int fx = 1; fx <= kColumns; ++fx) {
      float aim = Worth(app, p, fx, fy) / (1 + std::abs(fx - x) + std::abs(fy - y));
      if (aim <= bestAim || Taken(app, fx, fy, p) || Arrival(app, fx, fy, reaction) < kNever) continue;
      bestAim = aim;
      targetX = fx;
      targetY = fy;
    }
  }
  int best = kOnTheSpot;
  float bestValue = -kNever;
  int distance = std::abs(targetX - x) + std::abs(targetY - y);
  for (int step = 0; step < 4; ++step) {
    int nx = x + kSteps[step].dx, ny = y + kSteps[step].dy;
    if (!CanHopTo(app, p, nx, ny)) continue;
    float value = Worth(app, p, nx, ny) + zr_random_Rnd() * 0.5f;
    if (std::abs(targetX - nx) + std::abs(targetY - ny) < distance) value += 1;
    if (Arrival(app, nx, ny, reaction) < kNever) value -= kDanger;
    if (value > bestValue) {
      bestValue = value;
      best = step;
    }
  }
  float here = Arrival(app, x, y, reaction);
  if (here < kNever) {
    if (best != kOnTheSpot && bestValue > -kDanger / 2) {
      StartHop(app, p, best);
    } else if (here <= kJumpLead) {
      StartHop(app, p, kOnTheSpot);
    }
    return;
  }
  if (best != kOnTheSpot && bestValue > 0) StartHop(app, p, best);
}

// A person hops the way the stick or keys point, on to the next way of a diagonal when
// the first is blocked; fire A jumps on the spot.
void HumanHop(c_MyApp& app, int p) {
  int source = app.m_pad[p];
  if (source < -1) return;
  float* row = Row(app, p);
  for (int step = 0; step < 4; ++step) {
    if (app.p_PlayKey(kSteps[step].action, 1, source) == 0) continue;
    if (!CanHopTo(app, p, CellX(row) + kSteps[step].dx, CellY(row) + kSteps[step].dy)) continue;
    StartHop(app, p, step);
    return;
  }
  if (app.p_PlayKey(kFireA, 0, source) != 0) StartHop(app, p, kOnTheSpot);
}

void MovePlayer(c_MyApp& app, int p) {
  float* row = Row(app, p);
  if (row[kOut] > 0) {
    row[kOut] -= 1;
    if (row[kOut] <= 0) Resurface(app, p);
    return;
  }
  if (row[kSafe] > 0) row[kSafe] -= 1;
  if (row[kHop] > 0) {
    row[kHop] += 1;
    if (row[kHop] >= kHopFrames) Land(app, p);
  } else if (row[kRest] > 0) {
    row[kRest] -= 1;
  } else if (app.m_introTimer < 1) {
    if (Computer(app, p)) {
      ComputerHop(app, p);
    } else {
      HumanHop(app, p);
    }
  }
  float along = row[kHop] / kHopFrames;
  float fromX = static_cast<float>(Whole(row[kFromX], 0, kGridW - 1));
  float fromY = static_cast<float>(Whole(row[kFromY], 0, kGridH - 1));
  if (row[kHop] <= 0) {
    along = 0;
    fromX = static_cast<float>(CellX(row));
    fromY = static_cast<float>(CellY(row));
  }
  row[kX] = CentreX(app, fromX + (CellX(row) - fromX) * along);
  row[kY] = CentreY(app, fromY + (CellY(row) - fromY) * along);
}

// The field's fifteen lanes: rows 1..7 are lanes 0..6 (darts fly sideways), columns
// 1..8 lanes 7..14 (darts fly up or down).
const int kLanes = kRows + kColumns;
struct Lane {
  bool column;
  int number;
};
Lane LaneOf(int index) { return index < kRows ? Lane{false, index + 1} : Lane{true, index - kRows + 1}; }

bool LaneBusy(c_MyApp& app, Lane lane) {
  for (int d = 0; d < kMostDarts; ++d) {
    const float* dart = Dart(app, d);
    if (dart[kDartState] == 0 || (dart[kDartDY] != 0) != lane.column) continue;
    if (Whole(dart[kLane], 0, kGridW) == lane.number) return true;
  }
  return false;
}

// A new dart waits at one end of a free lane, half the time the row or column of a
// player on the ice.
void PlaceDart(c_MyApp& app) {
  int base = app.p_FreeObj(kMostDarts - 1);
  if (base < 0) return;
  int index = app.p_Rand(0, kLanes - 1);
  if (zr_random_Rnd() < 0.5f) {
    const float* row = Row(app, app.p_Rand(0, kPlayers - 1));
    if (row[kOut] <= 0) index = zr_random_Rnd() < 0.5f ? CellY(row) - 1 : kRows + CellX(row) - 1;
  }
  index = std::clamp(index, 0, kLanes - 1);
  for (int tries = 0; LaneBusy(app, LaneOf(index)); ++tries) {
    if (tries == kLanes) return;
    index = (index + 1) % kLanes;
  }
  Lane lane = LaneOf(index);
  float sign = zr_random_Rnd() < 0.5f ? 1.0f : -1.0f;
  float end = sign > 0 ? 0 : static_cast<float>(lane.column ? kGridH - 1 : kGridW - 1);
  float number = static_cast<float>(lane.number);
  float* dart = app.m_objects.Data() + base;
  dart[kDartX] = CentreX(app, lane.column ? number : end);
  dart[kDartY] = CentreY(app, lane.column ? end : number);
  dart[kDartDX] = lane.column ? 0 : sign;
  dart[kDartDY] = lane.column ? sign : 0;
  dart[kWarning] = kWarnFrames;
  dart[kShown] = 0;
  dart[kLane] = number;
  dart[kDartState] = kWaiting;
}

// Warnings count down and fire; flying darts cross the field, hit every player on the
// ground they touch and vanish beyond the water on the far side.
void MoveDarts(c_MyApp& app) {
  float tile = app.m_tileSize;
  float reach = kHitReach * tile;
  for (int d = 0; d < kMostDarts; ++d) {
    float* dart = Dart(app, d);
    if (dart[kDartState] == 0) continue;
    dart[kShown] += 1;
    if (dart[kDartState] == kWaiting) {
      dart[kWarning] -= 1;
      if (dart[kWarning] <= 0) {
        dart[kDartState] = kFlying;
        app.p_PlaySFX(kDartSound, -1, 0.7f, 0);
      }
      continue;
    }
    dart[kDartX] += dart[kDartDX] * kDartSpeed * tile;
    dart[kDartY] += dart[kDartDY] * kDartSpeed * tile;
    for (int p = 0; p < kPlayers; ++p) {
      const float* row = Row(app, p);
      if (row[kOut] > 0 || row[kSafe] > 0 || HopHeight(row) > kAirborne) continue;
      if (std::fabs(row[kX] - dart[kDartX]) < reach && std::fabs(row[kY] - dart[kDartY]) < reach) Fall(app, p);
    }
    bool gone = dart[kDartX] < app.m_gridX - tile || dart[kDartX] > app.m_gridX + (kGridW + 1) * tile ||
                dart[kDartY] < app.m_gridY - tile || dart[kDartY] > app.m_gridY + (kGridH + 1) * tile;
    if (gone) dart[kDartState] = 0;
  }
}

// Ages the floes' dips and cracks and counts each player's floes into the score.
void CountFloes(c_MyApp& app) {
  for (int p = 0; p < kPlayers; ++p) Row(app, p)[kScore] = 0;
  for (int y = 1; y <= kRows; ++y) {
    for (int x = 1; x <= kColumns; ++x) {
      float* cell = Cell(app, x, y);
      if (cell[kDip] > 0) cell[kDip] -= 1;
      if (cell[kCracks] > 0) cell[kCracks] -= 1;
      int owner = static_cast<int>(cell[kOwner]);
      if (owner >= 1 && owner <= kPlayers) Row(app, owner - 1)[kScore] += 1;
    }
  }
}

// Short light streaks drifting over the dark water, placed by fixed steps so that the
// same frame always looks the same.
void DrawWater(c_MyApp& app, float frame, float ox, float oy) {
  float width = zr_TinselJumble_jscrw - kPanelWidth + 40;
  for (int k = 0; k < 40; ++k) {
    float x = std::fmod(std::fmod(k * 0.618034f, 1.0f) * width + frame * (0.15f + 0.05f * (k % 3)), width) - 20;
    float y = std::fmod(k * 0.7548777f + 0.05f, 1.0f) * zr_TinselJumble_jscrh;
    app.p_SetCol(120, 180, 240, 0.16f + 0.08f * std::sin(frame * 0.04f + k));
    app.p_Rect(x + ox, y + oy, 14.0f + (k % 4) * 6, 2);
  }
  app.p_ResetDraw();
}

// A floe as three overlapping rectangles: a wide band, a tall band and one between, so
// each corner is cut in two steps by that corner's notches.
void Slab(c_MyApp& app, float left, float top, float width, float height, const float* notches) {
  float l = notches[0], r = notches[1], t = notches[2], b = notches[3];
  app.p_Rect(left, top + t, width, height - t - b);
  app.p_Rect(left + l, top, width - l - r, height);
  app.p_Rect(left + l / 2, top + t / 2, width - (l + r) / 2, height - (t + b) / 2);
}

// Each floe is a slab of ice: a dark edge below for its thickness, the top face and a
// glint. A claimed floe is tinted its owner's colour and carries the owner's emblem
// faintly; a floe just fallen through shows cracks. (Rectangles, not ovals: sixty-odd
// floes of ovals cost the renderer more than the rest of the game.)
void DrawFloes(c_MyApp& app, float ox, float oy) {
  float tile = app.m_tileSize;
  for (int y = 1; y <= kRows; ++y) {
    for (int x = 1; x <= kColumns; ++x) {
      const float* cell = Cell(app, x, y);
      if (cell[kFloe] != 1) continue;
      float cx = CentreX(app, static_cast<float>(x)) + ox;
      float cy = CentreY(app, static_cast<float>(y)) + oy;
      float squash = 1 - 0.08f * cell[kDip] / kDipFrames;
      float w = cell[kHalfWidth] * tile * squash;
      float h = cell[kHalfHeight] * tile * squash;
      float notches[4];
      for (int n = 0; n < 4; ++n) notches[n] = cell[kNotchLeft + n] * tile * squash;
      int owner = static_cast<int>(cell[kOwner]);
      bool owned = owner >= 1 && owner <= kPlayers;
      Colour face = {196, 226, 246};
      Colour edge = {70, 120, 170};
      if (owned) {
        const Colour& c = kColours[owner - 1];
        face = {c.r * 0.75f + 50, c.g * 0.75f + 50, c.b * 0.75f + 50};
        edge = {c.r * 0.45f, c.g * 0.45f, c.b * 0.45f};
      }
      app.p_SetCol(edge.r, edge.g, edge.b, 1);
      Slab(app, cx - w, cy - h + tile * 0.07f, 2 * w, 2 * h, notches);
      app.p_SetCol(face.r, face.g, face.b, 1);
      Slab(app, cx - w, cy - h, 2 * w, 2 * h, notches);
      app.p_SetCol(255, 255, 255, 0.6f);
      app.p_Rect(cx - w + notches[0] + 2, cy - h + notches[2] / 2 + 2, w * 0.6f, 3);
      app.p_Rect(cx - w + notches[0] / 2 + 2, cy - h + notches[2] + 5, w * 0.25f, 3);
      if (owned) {
        app.p_SetCol(255, 255, 255, 0.45f);
        app.p_SetSize(tile / kArtSize * 0.6f);
        app.p_DrawImg(kTokenImage, cx, cy, static_cast<float>(owner - 1));
        app.p_SetSize(1);
      }
      if (cell[kCracks] > 0) {
        app.p_SetCol(20, 50, 90, cell[kCracks] / kCrackFrames);
        app.p_Line(cx - w * 0.8f, cy - h * 0.2f, cx, cy + h * 0.1f);
        app.p_Line(cx, cy + h * 0.1f, cx + w * 0.7f, cy - h * 0.5f);
        app.p_Line(cx, cy + h * 0.1f, cx + w * 0.2f, cy + h * 0.8f);
        app.p_Line(cx - w * 0.4f, cy - h * 0.05f, cx - w * 0.5f, cy + h * 0.6f);
      }
    }
  }
  app.p_ResetDraw();
}

// A waiting dart's lane pulses red, faster as it is about to fire.
void DrawWarnings(c_MyApp& app, float ox, float oy) {
  float tile = app.m_tileSize;
  for (int d = 0; d < kMostDarts; ++d) {
    const float* dart = Dart(app, d);
    if (dart[kDartState] != kWaiting) continue;
    float shown = dart[kShown];
    float pulse = 0.5f + 0.5f * std::sin(shown * (0.2f + shown * 0.006f));
    app.p_SetCol(255, 50, 40, 0.1f + 0.18f * pulse);
    if (dart[kDartDX] != 0) {
      app.p_Rect(app.m_gridX + ox, dart[kDartY] + oy - tile * 0.45f, kGridW * tile, tile * 0.9f);
    } else {
      app.p_Rect(dart[kDartX] + ox - tile * 0.45f, app.m_gridY + oy, tile * 0.9f, kGridH * tile);
    }
  }
  app.p_ResetDraw();
}

// A waiting dart draws back and trembles at the lane's end; a flying one leaves a short
// streak.
void DrawDarts(c_MyApp& app, float ox, float oy) {
  float tile = app.m_tileSize;
  for (int d = 0; d < kMostDarts; ++d) {
    const float* dart = Dart(app, d);
    if (dart[kDartState] == 0) continue;
    float dx = dart[kDartDX], dy = dart[kDartDY];
    float x = dart[kDartX] + ox, y = dart[kDartY] + oy;
    if (dart[kDartState] == kWaiting) {
      float shown = dart[kShown];
      float drawBack = tile * 0.2f * shown / kWarnFrames;
      float shake = std::sin(shown * 1.7f) * tile * 0.03f;
      x += -dx * drawBack + dy * shake;
      y += -dy * drawBack + dx * shake;
    } else {
      app.p_SetCol(255, 255, 255, 0.3f);
      float length = tile * 0.9f;
      if (dx != 0) {
        app.p_Rect(dx > 0 ? x - length : x, y - 1.5f, length, 3);
      } else {
        app.p_Rect(x - 1.5f, dy > 0 ? y - length : y, 3, length);
      }
      app.p_ResetDraw();
    }
    float heading = dx > 0 ? 90.0f : dx < 0 ? 270.0f : dy > 0 ? 180.0f : 0.0f;
    app.p_SetRot(heading);
    app.p_SetSize(tile / kArtSize);
    app.p_DrawGfx(x, y, kDartCode);
    app.p_ResetDraw();
  }
}

// Players on the ice first, then those in the air over them. A player in the water
// sinks from sight and leaves a spreading ring.
void DrawPlayers(c_MyApp& app, float ox, float oy) {
  float tile = app.m_tileSize;
  float baseSize = tile / kArtSize * 0.95f;
  for (int airborne = 0; airborne < 2; ++airborne) {
    for (int p = 0; p < kPlayers; ++p) {
      const float* row = Row(app, p);
      float x = row[kX] + ox, y = row[kY] + oy;
      float height = HopHeight(row);
      if ((height > 0) != (airborne == 1)) continue;
      if (row[kOut] > 0) {
        float under = kOutFrames - row[kOut];
        float ring = std::fmod(under, 40.0f) / 40;
        app.p_SetCol(20, 50, 90, 1);
        app.p_Oval(x, y, tile * 0.3f, tile * 0.22f);
        app.p_SetCol(10, 30, 62, 1);
        app.p_Oval(x, y + tile * 0.02f, tile * 0.26f, tile * 0.18f);
        app.p_SetCol(200, 230, 255, 0.5f * (1 - ring));
        app.p_Oval(x, y, tile * 0.26f * ring, tile * 0.18f * ring);
        if (under < 30) {
          float sink = 1 - under / 30;
          app.p_SetCol(255, 255, 255, sink);
          app.p_SetRot(under * 12);
          app.p_SetSize(baseSize * sink);
          app.p_DrawImg(kTokenImage, x, y, static_cast<float>(p));
        }
        app.p_ResetDraw();
        continue;
      }
      float shadow = 1 - 0.3f * height;
      app.p_SetCol(0, 10, 40, 0.35f);
      app.p_Oval(x, y + tile * 0.1f, tile * 0.28f * shadow, tile * 0.14f * shadow);
      bool blinkOff = row[kSafe] > 0 && static_cast<int>(row[kSafe]) / 4 % 2 == 1;
      app.p_SetCol(255, 255, 255, blinkOff ? 0.3f : 1);
      int lean = Whole(row[kLean], 0, 4);
      app.p_SetRot(lean == 2 ? 15 * height : lean == 4 ? -15 * height : 0);
      app.p_SetSize(baseSize * (1 + 0.3f * height));
      app.p_DrawImg(kTokenImage, x, y - height * tile * 0.4f, static_cast<float>(p));
      app.p_ResetDraw();
    }
  }
}

// The time left as a bar along the top of the field, red for the last ten seconds.
void DrawClockBar(c_MyApp& app) {
  float width = zr_TinselJumble_jscrw - kPanelWidth;
  float left = std::clamp(static_cast<float>(app.m_timeLeft) / kRoundFrames, 0.0f, 1.0f);
  app.p_SetCol(0, 0, 0, 0.35f);
  app.p_Rect(0, 0, width, 6);
  if (app.m_timeLeft < kClockRedBelow) {
    app.p_SetCol(255, 90, 60, 0.9f);
  } else {
    app.p_SetCol(140, 220, 255, 0.9f);
  }
  app.p_Rect(0, 0, width * left, 6);
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_I() {
  p_FreshGame();
  m_panelWidth = kPanelWidth;
  p_SetGrid_Crop(kGridW, kGridH);
  for (int y = 1; y <= kRows; ++y) {
    for (int x = 1; x <= kColumns; ++x) {
      float* cell = Cell(*this, x, y);
      cell[kFloe] = 1;
      cell[kHalfWidth] = 0.39f + zr_random_Rnd() * 0.05f;
      cell[kHalfHeight] = 0.36f + zr_random_Rnd() * 0.05f;
      for (int notch = kNotchLeft; notch <= kNotchBottom; ++notch) cell[notch] = 0.05f + zr_random_Rnd() * 0.1f;
    }
  }
  for (int p = 0; p < kPlayers; ++p) {
    const Start& start = kStarts[p];
    float x = CentreX(*this, static_cast<float>(start.x));
    float y = CentreY(*this, static_cast<float>(start.y));
    p_Start(p, static_cast<int>(x), static_cast<int>(y));
    float* row = Row(*this, p);
    row[kX] = x;
    row[kY] = y;
    row[kCellX] = row[kFromX] = static_cast<float>(start.x);
    row[kCellY] = row[kFromY] = static_cast<float>(start.y);
    row[kReaction] = kReactionMost;
    Cell(*this, start.x, start.y)[kOwner] = static_cast<float>(p + 1);
  }
  m_players[kNextDart] = kFirstDart;
  m_timeLeft = kRoundFrames;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_I() {
  m_bgTargetR = 10;
  m_bgTargetG = 30;
  m_bgTargetB = 62;
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  m_players[kFrame] += 1;

  // Once the clock has run out the field stands still under the banner.
  if (m_roundOver == 0) {
    for (int p = 0; p < kPlayers; ++p) MovePlayer(*this, p);
    if (m_introTimer < 1) {
      m_players[kNextDart] -= 1;
      if (m_players[kNextDart] <= 0) {
        PlaceDart(*this);
        float left = std::clamp(static_cast<float>(m_timeLeft) / kRoundFrames, 0.0f, 1.0f);
        m_players[kNextDart] = kGapAtEnd + (kGapAtStart - kGapAtEnd) * left;
      }
    }
    MoveDarts(*this);
    CountFloes(*this);
  }

  float ox = -m_camX, oy = -m_camY;
  DrawWater(*this, m_players[kFrame], ox, oy);
  DrawFloes(*this, ox, oy);
  DrawWarnings(*this, ox, oy);
  DrawDarts(*this, ox, oy);
  DrawPlayers(*this, ox, oy);
  p_DoSnow(easeX, easeY);
  DrawClockBar(*this);
  if (m_introTimer < 1) p_TimeOut();
  p_DoParticles(1);
  p_ScoreDisplay(1, 1);
}
