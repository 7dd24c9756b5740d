// Game W, "Wandering Sheep": four sheep graze on a cliff-top island in the sea. Each sheep
// has a will of its own (it walks, trots or stops to graze, and picks new headings as it
// pleases); its player only nudges it, bending its path and pushing it gently along. Fire
// bleats, startling the sheep nearby into bolting away from the bleater. Grazed tiles wear
// to bare earth, the sea wears the shore faster and faster, and a tile with no grass left
// cracks and drops into the sea. A sheep whose middle is over the sea falls in and is out.
// The score is the number of frames on the island; the round ends a second and a half
// after at most one sheep is left, and at the latest when the sea has taken the island.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// The meadow grid and its cell fields.
const int kColumns = 32;
const int kRows = 24;
const int kCellStride = 10;
const int kGround = 0;
const int kGrass = 1;
const int kCrackTimer = 2;
const int kSafety = 3;  // steps to the nearest sea or cracking tile; 0 off the meadow
const int kFlower = 4;
const int kShade = 5;  // 0.92..1, so the grass is not one flat green
const int kSea = 0, kMeadow = 1, kCracking = 2;

// Sheep fields.
const int kSheep = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kHeading = 3;      // degrees, 0 up, clockwise
const int kWillHeading = 4;  // where the sheep's own will turns it
const int kWillTimer = 5;
const int kMood = 6;
const int kKnockX = 7;  // pixels a frame, from bumps and bleats
const int kKnockY = 8;
const int kBleatTimer = 9;  // frames until the bleat is ready
const int kStartle = 10;
const int kBumpTimer = 11;  // frames until a bump may bleat again
const int kFacing = 12;     // 1 right, -1 left
const int kFallTimer = 13;
const int kBob = 14;
const int kGoalX = 15;  // the computer's goal tile
const int kGoalY = 16;
const int kGoalTimer = 17;
const int kFireHeld = 18;
const int kAlive = 99;

const int kWalk = 0, kGraze = 1, kTrot = 2;

// Game-wide values kept in player 0's row.
const int kPlayed = 50;
const int kEndTimer = 51;

// The island: an ellipse round the grid's middle whose coast waves by up to a fifth.
const float kIslandCentreX = 16;
const float kIslandCentreY = 12;
const float kIslandRadiusX = 12;
const float kIslandRadiusY = 8.5f;
const float kFlowerOdds = 0.1f;
// Sheep start this many tiles from the middle, one in each quarter.
const float kStartOffsetX = 5;
const float kStartOffsetY = 3.5f;

// Sizes and speeds in tiles (a tile is 20 pixels on a 640 x 480 screen).
const float kSheepRadius = 0.6f;
const float kWalkSpeed = 0.03f;
const float kTrotSpeed = 0.06f;
const float kNudgePush = 0.03f;
const float kBumpKnock = 0.04f;
const float kBleatRange = 3.6f;
const float kBleatKnock = 0.15f;
const float kKnockDecay = 0.9f;
// Sparks of the fast-fading kind live about this many frames.
const float kBleatRingFrames = 17;

// The will: degrees a frame it turns the sheep, how far a new whim may lie from the
// present heading, the odds of each mood and how long a whim lasts.
const float kWillTurn = 1.5f;
const float kWidestWhim = 120;
const float kGrazeOdds = 0.25f;
const float kTrotOdds = 0.15f;
const int kShortestWhim = 60;
const int kLongestWhim = 180;
// A nudge at full stick turns the sheep this many degrees a frame; a grazing sheep
// nudged harder than the threshold starts walking.
const float kNudgeTurn = 2.5f;
const float kSmallestNudge = 0.1f;
const float kGrazeBreak = 0.3f;

// The ground: grass a grazing sheep eats a frame, the sea's wear of a shore tile a frame
// (its mean grows by the second), and the frames a crack lasts before the tile falls.
const float kGrazeBite = 0.4f;
const float kErosionStart = 0.03f;
const float kErosionGrowth = 0.002f;
const int kCrackFrames = 45;

const int kBleatRecovery = 180;
const int kStartleFrames = 40;
const int kBumpBleatGap = 45;
const int kFallFrames = 50;
const int kEndFrames = 90;

// The computer: goals are chosen every third to two thirds of a second; the sheep is left
// alone while it stands this safe and is headed for ground at least as safe; it bleats at
// a sheep that would be driven this many tiles towards ground this unsafe.
const int kShortestThought = 20;
const int kLongestThought = 40;
const float kGoalDrift = 2;
const float kDistanceCost = 0.35f;
const float kCrowdReach = 4;
const float kCrowdCost = 0.8f;
const float kRelaxedSafety = 4;
const float kRelaxedAhead = 3;
const float kLookAheadFrames = 40;
const float kLowGrass = 30;
const float kBleatAim = 2.5f;
const float kBleatHope = 1;
const float kBleatFromSafety = 3;
const float kBleatReaction = 0.08f;

const int kFireA = 10;
const int kSheepSheet = 5;
const int kSheepFrame = 36;  // the players' sheep, side view, facing right: 36 + player
const float kSheepScale = 0.85f;
const int kFirstBleat = 16;
const float kVoices[kSheep] = {1.0f, 0.85f, 1.15f, 1.3f};
const float kFallPitch = 0.6f;

struct Colour {
  float red, green, blue;
};
const Colour kPlayerColours[kSheep] = {{255, 40, 40}, {40, 120, 255}, {255, 220, 30}, {40, 200, 60}};
const Colour kLushGrass = {70, 170, 60};
const Colour kBareEarth = {135, 100, 60};
const Colour kCrackedEarth = {100, 70, 45};
const Colour kCliffFace = {95, 70, 50};

float* Row(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
float* Cell(c_MyApp& app, int x, int y) { return app.m_grid.Data() + (x + y * kColumns) * kCellStride; }
bool OnGrid(int x, int y) { return x >= 0 && y >= 0 && x < kColumns && y < kRows; }
int GroundAt(c_MyApp& app, int x, int y) { return OnGrid(x, y) ? static_cast<int>(Cell(app, x, y)[kGround]) : kSea; }
float SafetyAt(c_MyApp& app, int x, int y) { return OnGrid(x, y) ? Cell(app, x, y)[kSafety] : 0; }

// The tile under a point; false off the grid (and for a point that is not a number).
bool TileUnder(const c_MyApp& app, float x, float y, int& tileX, int& tileY) {
  float tile = app.m_tileSize;
  if (!(tile > 0)) return false;
  float column = (x - app.m_gridX) / tile;
  float row = (y - app.m_gridY) / tile;
  if (!(column >= 0 && column < kColumns && row >= 0 && row < kRows)) return false;
  tileX = static_cast<int>(column);
  tileY = static_cast<int>(row);
  return true;
}

float TileCentreX(const c_MyApp& app, float x) { return app.m_gridX + (x + 0.5f) * app.m_tileSize; }
float TileCentreY(const c_MyApp& app, float y) { return app.m_gridY + (y + 0.5f) * app.m_tileSize; }

float Wrapped(float degrees) {
  float wrapped = std::fmod(degrees, 360.0f);
  return wrapped < 0 ? wrapped + 360 : wrapped;
}

// Degrees from a direction (dx, dy), 0 up and clockwise.
float HeadingOf(float dx, float dy) { return Wrapped(std::atan2(dx, -dy) * R2D); }

float Turned(c_MyApp& app, float heading, float target, float most) {
  float turn = static_cast<float>(app.m_WhichWayDoIGo(heading, target, 0, 359));
  return Wrapped(heading + std::min(std::max(turn, -most), most));
}

bool OnIsland(c_MyApp& app, int p) { return Row(app, p)[kAlive] > 0; }

void Bleat(c_MyApp& app, int p, float pitch) { app.p_PlaySFX(kFirstBleat + p % 3, pitch, 1, 0); }

// Steps from every meadow tile to the nearest tile a sheep cannot trust (sea, a crack, or
// off the grid), in two sweeps over the grid.
void MapSafety(c_MyApp& app) {
  const float far = kColumns + kRows;
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      float* cell = Cell(app, x, y);
      float safety = cell[kGround] == kMeadow ? far : 0;
      if (safety > 0) safety = std::min({safety, SafetyAt(app, x - 1, y) + 1, SafetyAt(app, x, y - 1) + 1});
      cell[kSafety] = safety;
    }
  }
  for (int y = kRows - 1; y >= 0; --y) {
    for (int x = kColumns - 1; x >= 0; --x) {
      float* cell = Cell(app, x, y);
      if (cell[kSafety] > 0)
        cell[kSafety] = std::min({cell[kSafety], SafetyAt(app, x + 1, y) + 1, SafetyAt(app, x, y + 1) + 1});
    }
  }
}

bool BesideTheSea(c_MyApp& app, int x, int y) {
  return GroundAt(app, x - 1, y) == kSea || GroundAt(app, x + 1, y) == kSea || GroundAt(app, x, y - 1) == kSea ||
         GroundAt(app, x, y + 1) == kSea;
}

void Splash(c_MyApp& app, float x, float y, int drops, float speed) {
  for (int drop = 0; drop < drops; ++drop) {
    float angle = drop * 360.0f / drops;
    app.p_ThrowParticle(x, y, 2, drop % 2 == 0 ? 9 : 5, angle, speed);
  }
}

// The sea wears the shore, cracks run their course and a tile with no grass cracks.
void WearGround(c_MyApp& app) {
  float erosion = kErosionStart + kErosionGrowth * app.m_players[kPlayed] / 60;
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      float* cell = Cell(app, x, y);
      if (cell[kGround] == kCracking) {
        cell[kCrackTimer] -= 1;
        if (cell[kCrackTimer] <= 0) {
          cell[kGround] = kSea;
          Splash(app, TileCentreX(app, static_cast<float>(x)), TileCentreY(app, static_cast<float>(y)), 4, 1.5f);
        }
      } else if (cell[kGround] == kMeadow) {
        if (BesideTheSea(app, x, y)) cell[kGrass] -= erosion * 2 * zr_random_Rnd();
        if (cell[kGrass] <= 0) {
          cell[kGrass] = 0;
          cell[kGround] = kCracking;
          cell[kCrackTimer] = kCrackFrames;
        }
      }
    }
  }
}

Colour Mixed(const Colour& a, const Colour& b, float amountOfB) {
  return {a.red + (b.red - a.red) * amountOfB, a.green + (b.green - a.green) * amountOfB,
          a.blue + (b.blue - a.blue) * amountOfB};
}

// Surf round the coast, the cliff face under tiles that end at the sea, then the tiles:
// green fading to earth as the grass goes, cracked tiles shaking.
void DrawMeadow(c_MyApp& app) {
  float tile = app.m_tileSize;
  float wave = app.m_players[kPlayed] * 4;
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      if (GroundAt(app, x, y) == kSea || !BesideTheSea(app, x, y)) continue;
      app.p_SetCol(255, 255, 255, 0.2f + 0.08f * std::sin((wave + (x + y) * 40) * D2R));
      app.p_Oval(TileCentreX(app, static_cast<float>(x)), TileCentreY(app, static_cast<float>(y)), tile * 0.9f,
                 tile * 0.9f);
    }
  }
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      float* cell = Cell(app, x, y);
      if (cell[kGround] == kSea) continue;
      float left = app.m_gridX + x * tile;
      float top = app.m_gridY + y * tile;
      if (GroundAt(app, x, y + 1) == kSea) {
        app.p_SetCol(kCliffFace.red, kCliffFace.green, kCliffFace.blue, 1);
        app.p_Rect(left, top + tile, tile, tile * 0.35f);
      }
      float shade = cell[kShade];
      Colour ground = Mixed(kBareEarth, kLushGrass, cell[kGrass] / 100);
      if (cell[kGround] == kCracking) {
        ground = kCrackedEarth;
        left += std::sin(cell[kCrackTimer] * 70 * D2R);
      }
      app.p_SetCol(ground.red * shade, ground.green * shade, ground.blue * shade, 1);
      app.p_Rect(left, top, tile, tile);
      if (cell[kGround] == kCracking) {
        app.p_SetCol(40, 25, 15, 1);
        for (float thick : {0.0f, 1.0f}) {
          app.p_Line(left + tile * 0.2f + thick, top + tile * 0.3f, left + tile * 0.6f + thick, top + tile * 0.55f);
          app.p_Line(left + tile * 0.6f + thick, top + tile * 0.55f, left + tile * 0.8f + thick, top + tile * 0.9f);
        }
      } else if (cell[kFlower] > 0 && cell[kGrass] > 50) {
        app.p_SetCol(255, 255, 255, 1);
        app.p_Oval(left + tile * 0.3f, top + tile * 0.6f, tile * 0.1f, tile * 0.1f);
        app.p_SetCol(255, 90, 90, 1);
        app.p_Oval(left + tile * 0.7f, top + tile * 0.3f, tile * 0.1f, tile * 0.1f);
      }
    }
  }
  app.p_ResetDraw();
}

// Every so often the sheep's will picks a mood and a heading of its own.
void FollowWill(c_MyApp& app, float* row) {
  row[kWillTimer] -= 1;
  if (row[kWillTimer] > 0) return;
  float pick = zr_random_Rnd();
  row[kMood] = pick < kGrazeOdds ? kGraze : (pick < kGrazeOdds + kTrotOdds ? kTrot : kWalk);
  row[kWillHeading] = Wrapped(row[kHeading] + zr_random_Rnd() * 2 * kWidestWhim - kWidestWhim);
  row[kWillTimer] = static_cast<float>(app.p_Rand(kShortestWhim, kLongestWhim));
}

// One frame of a sheep on the island: its will turns it, the nudge (a stick-like vector,
// at most 1 long) turns and pushes it, knocks carry it and grazing eats the grass.
void MoveSheep(c_MyApp& app, int p, float nudgeX, float nudgeY) {
  float* row = Row(app, p);
  float tile = app.m_tileSize;
  FollowWill(app, row);
  row[kHeading] = Turned(app, row[kHeading], row[kWillHeading], kWillTurn);
  float nudge = std::sqrt(nudgeX * nudgeX + nudgeY * nudgeY);
  if (!(nudge > kSmallestNudge)) {
    nudgeX = nudgeY = 0;
  } else {
    if (nudge > 1) {
      nudgeX /= nudge;
      nudgeY /= nudge;
      nudge = 1;
    }
    row[kHeading] = Turned(app, row[kHeading], HeadingOf(nudgeX, nudgeY), kNudgeTurn * nudge);
    if (row[kMood] == kGraze && nudge > kGrazeBreak) row[kMood] = kWalk;
  }
  float speed = row[kMood] == kGraze ? 0 : (row[kMood] == kTrot ? kTrotSpeed : kWalkSpeed);
  float heading = row[kHeading] * D2R;
  float vx = (std::sin(heading) * speed + nudgeX * kNudgePush) * tile + row[kKnockX];
  float vy = (-std::cos(heading) * speed + nudgeY * kNudgePush) * tile + row[kKnockY];
  row[kX] += vx;
  row[kY] += vy;
  row[kKnockX] *= kKnockDecay;
  row[kKnockY] *= kKnockDecay;
  if (vx > 0.05f * tile / 20) row[kFacing] = 1;
  if (vx < -0.05f * tile / 20) row[kFacing] = -1;
  row[kBob] = Wrapped(row[kBob] + std::sqrt(vx * vx + vy * vy) * 24);

  int tileX, tileY;
  if (row[kMood] == kGraze && TileUnder(app, row[kX], row[kY], tileX, tileY)) {
    float* cell = Cell(app, tileX, tileY);
    if (cell[kGround] == kMeadow) cell[kGrass] = std::max(cell[kGrass] - kGrazeBite, 0.0f);
  }
  for (int timer : {kBleatTimer, kStartle, kBumpTimer}) row[timer] = std::max(row[timer] - 1, 0.0f);
}

// A bleat startles every other sheep in reach: knocked away, it bolts away at a trot.
void BleatAt(c_MyApp& app, int p) {
  float* row = Row(app, p);
  float tile = app.m_tileSize;
  row[kBleatTimer] = kBleatRecovery;
  Bleat(app, p, kVoices[p] * 1.2f);
  // Quick-fading sparks that spread about as far as the bleat reaches.
  float spread = kBleatRange * tile / kBleatRingFrames;
  for (int ring = 0; ring < 16; ++ring) app.p_ThrowParticle(row[kX], row[kY], 6, 9, ring * 22.5f, spread);
  for (int q = 0; q < kSheep; ++q) {
    if (q == p || !OnIsland(app, q)) continue;
    float* other = Row(app, q);
    float dx = other[kX] - row[kX];
    float dy = other[kY] - row[kY];
    float distance = std::sqrt(dx * dx + dy * dy);
    if (!(distance < kBleatRange * tile)) continue;
    float away = distance > 0 ? HeadingOf(dx, dy) : row[kHeading];
    float strength = kBleatKnock * tile * (1 - 0.5f * distance / (kBleatRange * tile));
    other[kKnockX] += std::sin(away * D2R) * strength;
    other[kKnockY] -= std::cos(away * D2R) * strength;
    other[kHeading] = away;
    other[kWillHeading] = away;
    other[kMood] = kTrot;
    other[kWillTimer] = kStartleFrames;
    other[kStartle] = kStartleFrames;
  }
}

// Sheep that touch are pushed apart and jostled, with a bleat now and then.
void BumpSheep(c_MyApp& app) {
  float tile = app.m_tileSize;
  float reach = 2 * kSheepRadius * tile;
  for (int a = 0; a < kSheep; ++a) {
    for (int b = a + 1; b < kSheep; ++b) {
      if (!OnIsland(app, a) || !OnIsland(app, b)) continue;
      float* first = Row(app, a);
      float* second = Row(app, b);
      float dx = second[kX] - first[kX];
      float dy = second[kY] - first[kY];
      float distance = std::sqrt(dx * dx + dy * dy);
      if (!(distance < reach)) continue;
      float normalX = distance > 0 ? dx / distance : 1;
      float normalY = distance > 0 ? dy / distance : 0;
      float half = (reach - distance) / 2;
      first[kX] -= normalX * half;
      first[kY] -= normalY * half;
      second[kX] += normalX * half;
      second[kY] += normalY * half;
      float knock = kBumpKnock * tile;
      first[kKnockX] -= normalX * knock;
      first[kKnockY] -= normalY * knock;
      second[kKnockX] += normalX * knock;
      second[kKnockY] += normalY * knock;
      if (first[kBumpTimer] == 0 && second[kBumpTimer] == 0) {
        app.p_PlaySFX(app.p_Rand(kFirstBleat, kFirstBleat + 2));
        first[kBumpTimer] = kBumpBleatGap;
        second[kBumpTimer] = kBumpBleatGap;
      }
    }
  }
}

// A sheep whose middle is over the sea falls in.
void CheckFooting(c_MyApp& app, int p) {
  float* row = Row(app, p);
  int tileX = -1, tileY = -1;
  bool overLand = TileUnder(app, row[kX], row[kY], tileX, tileY) && GroundAt(app, tileX, tileY) != kSea;
  if (overLand) return;
  row[kAlive] = 0;
  row[kFallTimer] = kFallFrames;
  Bleat(app, p, kFallPitch);
}

// The computer's goal: a safe tile near its sheep and away from the others, seen from a
// point that drifts a little each time so that it does not always settle on the same one.
void ChooseGoal(c_MyApp& app, int p) {
  float* row = Row(app, p);
  float tile = app.m_tileSize;
  float fromX = (row[kX] - app.m_gridX) / tile + (zr_random_Rnd() * 2 - 1) * kGoalDrift;
  float fromY = (row[kY] - app.m_gridY) / tile + (zr_random_Rnd() * 2 - 1) * kGoalDrift;
  float best = -1e9f;
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      float* cell = Cell(app, x, y);
      if (cell[kGround] != kMeadow) continue;
      float value = cell[kSafety] + cell[kGrass] / 100 - kDistanceCost * std::hypot(x + 0.5f - fromX, y + 0.5f - fromY);
      for (int q = 0; q < kSheep; ++q) {
        if (q == p || !OnIsland(app, q)) continue;
        float otherX = (Row(app, q)[kX] - app.m_gridX) / tile;
        float otherY = (Row(app, q)[kY] - app.m_gridY) / tile;
        float near = kCrowdReach - std::hypot(x + 0.5f - otherX, y + 0.5f - otherY);
        if (near > 0) value -= near * kCrowdCost;
      }
      if (value > best) {
        best = value;
        row[kGoalX] = static_cast<float>(x);
        row[kGoalY] = static_cast<float>(y);
      }
    }
  }
}

// The computer's nudge: none while its sheep is safe, on good grass and headed for safe
// ground; otherwise straight at its goal. It also decides whether to bleat.
void ComputerNudge(c_MyApp& app, int p, float& nudgeX, float& nudgeY, bool& bleat) {
  float* row = Row(app, p);
  float tile = app.m_tileSize;
  int goalX = static_cast<int>(row[kGoalX]);
  int goalY = static_cast<int>(row[kGoalY]);
  row[kGoalTimer] -= 1;
  if (row[kGoalTimer] <= 0 || GroundAt(app, goalX, goalY) != kMeadow) {
    ChooseGoal(app, p);
    row[kGoalTimer] = static_cast<float>(app.p_Rand(kShortestThought, kLongestThought));
  }

  int tileX = -1, tileY = -1;
  TileUnder(app, row[kX], row[kY], tileX, tileY);
  float safety = SafetyAt(app, tileX, tileY);
  float grass = OnGrid(tileX, tileY) ? Cell(app, tileX, tileY)[kGrass] : 0;
  float heading = row[kHeading] * D2R;
  float speed = row[kMood] == kTrot ? kTrotSpeed : kWalkSpeed;
  int aheadX = -1, aheadY = -1;
  TileUnder(app, row[kX] + std::sin(heading) * speed * tile * kLookAheadFrames + row[kKnockX] * 10,
            row[kY] - std::cos(heading) * speed * tile * kLookAheadFrames + row[kKnockY] * 10, aheadX, aheadY);
  bool grazingOut = row[kMood] == kGraze && grass < kLowGrass;
  bool relaxed = safety >= kRelaxedSafety && SafetyAt(app, aheadX, aheadY) >= kRelaxedAhead && !grazingOut;
  if (!relaxed) {
    float dx = TileCentreX(app, row[kGoalX]) - row[kX];
    float dy = TileCentreY(app, row[kGoalY]) - row[kY];
    float distance = std::sqrt(dx * dx + dy * dy);
    if (distance > 0) {
      nudgeX = dx / distance;
      nudgeY = dy / distance;
    }
  }

  if (row[kBleatTimer] > 0 || safety < kBleatFromSafety) return;
  bool worthIt = false;
  for (int q = 0; q < kSheep; ++q) {
    if (q == p || !OnIsland(app, q)) continue;
    float* other = Row(app, q);
    float dx = other[kX] - row[kX];
    float dy = other[kY] - row[kY];
    float distance = std::sqrt(dx * dx + dy * dy);
    if (!(distance > 0 && distance < kBleatRange * tile * 0.85f)) continue;
    int landX = -1, landY = -1;
    TileUnder(app, other[kX] + dx / distance * kBleatAim * tile, other[kY] + dy / distance * kBleatAim * tile, landX,
              landY);
    if (SafetyAt(app, landX, landY) <= kBleatHope) worthIt = true;
  }
  bleat = worthIt && zr_random_Rnd() < kBleatReaction;
}

// A sheep drawn over its shadow and a disc in its player's colour that shrinks when it
// bleats and grows back as the bleat recovers; the sprite is mirrored when the sheep walks
// left. A falling sheep tumbles into the sea.
void DrawSheep(c_MyApp& app, int p) {
  float* row = Row(app, p);
  float tile = app.m_tileSize;
  bool falling = row[kAlive] <= 0;
  if (falling && row[kFallTimer] <= 0) return;
  float fall = falling ? row[kFallTimer] / kFallFrames : 1;
  float x = row[kX];
  float y = row[kY] + (1 - fall) * tile * 0.6f;
  const Colour& colour = kPlayerColours[p];
  if (!falling) {
    float ready = 1 - row[kBleatTimer] / kBleatRecovery;
    app.p_SetCol(0, 0, 0, 0.35f);
    app.p_Oval(x, y + tile * 0.5f, tile * 0.85f, tile * 0.36f);
    app.p_SetCol(colour.red, colour.green, colour.blue, 0.95f);
    app.p_Oval(x, y + tile * 0.5f, tile * (0.3f + 0.45f * ready), tile * (0.12f + 0.18f * ready));
  }
  app.p_Alpha(fall);
  float scale = kSheepScale * tile / 20 * fall;
  app.p_SetSize(scale * row[kFacing], scale);
  app.p_SetRot((1 - fall) * 240 * row[kFacing]);
  float bob = std::fabs(std::sin(row[kBob] * D2R)) * tile * 0.08f;
  app.p_DrawImg(kSheepSheet, x, y - bob, static_cast<float>(kSheepFrame + p));
  app.p_ResetDraw();
  if (row[kStartle] > 0 && !falling) {
    app.p_SetSize(1.5f);
    app.p_Text(x, y - tile * 1.2f, String("!"));
    app.p_ResetDraw();
  }
}

void FinishFall(c_MyApp& app, int p) {
  float* row = Row(app, p);
  if (row[kAlive] > 0 || row[kFallTimer] <= 0) return;
  row[kFallTimer] -= 1;
  if (row[kFallTimer] <= 0) Splash(app, row[kX], row[kY] + app.m_tileSize * 0.6f, 12, 3);
}

}  // namespace

void c_MyApp::p_LoadGame_W() {
  p_FreshGame();
  p_SetGrid(kColumns, kRows);
  // The coast: three waves of random size and phase round the ellipse.
  float waves[3][2];
  for (auto& wave : waves) {
    wave[0] = 0.03f + zr_random_Rnd() * 0.04f;
    wave[1] = zr_random_Rnd() * 360;
  }
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      float dx = (x + 0.5f - kIslandCentreX) / kIslandRadiusX;
      float dy = (y + 0.5f - kIslandCentreY) / kIslandRadiusY;
      float angle = HeadingOf(dx, dy);
      float coast = 1;
      for (int k = 0; k < 3; ++k) coast += waves[k][0] * std::sin((angle * (k + 2) + waves[k][1]) * D2R);
      if (std::sqrt(dx * dx + dy * dy) >= coast) continue;
      float* cell = Cell(*this, x, y);
      cell[kGround] = kMeadow;
      cell[kGrass] = 70 + zr_random_Rnd() * 30;
      cell[kFlower] = zr_random_Rnd() < kFlowerOdds ? 1 : 0;
      cell[kShade] = 0.92f + zr_random_Rnd() * 0.08f;
    }
  }
  MapSafety(*this);
  const float corners[kSheep][2] = {{-1, -1}, {1, 1}, {-1, 1}, {1, -1}};
  for (int p = 0; p < kSheep; ++p) {
    float tileX = kIslandCentreX + corners[p][0] * kStartOffsetX;
    float tileY = kIslandCentreY + corners[p][1] * kStartOffsetY;
    p_Start(p, static_cast<int>(m_gridX + tileX * m_tileSize), static_cast<int>(m_gridY + tileY * m_tileSize));
    float* row = Row(*this, p);
    row[kHeading] = zr_random_Rnd() * 360;
    row[kWillHeading] = row[kHeading];
    row[kWillTimer] = static_cast<float>(p_Rand(1, kShortestWhim));
    row[kFacing] = corners[p][0] < 0 ? 1 : -1;
    row[kGoalX] = tileX;
    row[kGoalY] = tileY;
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_W() {
  m_bgTargetR = 25;
  m_bgTargetG = 80;
  m_bgTargetB = 150;
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;

  bool playing = m_introTimer < 1;
  if (playing) {
    m_players[kPlayed] += 1;
    WearGround(*this);
  }
  MapSafety(*this);
  DrawMeadow(*this);

  if (playing) {
    for (int p = 0; p < kSheep; ++p) {
      if (!OnIsland(*this, p)) continue;
      float* row = Row(*this, p);
      float nudgeX = 0, nudgeY = 0;
      bool bleat = false;
      if (m_pad[p] == 0) {
        ComputerNudge(*this, p, nudgeX, nudgeY, bleat);
      } else {
        nudgeX = p_Control(1, p);
        nudgeY = p_Control(2, p);
        bleat = p_PlayKey(kFireA, 0, m_pad[p]) != 0;
      }
      if (bleat && row[kFireHeld] == 0 && row[kBleatTimer] <= 0) BleatAt(*this, p);
      row[kFireHeld] = bleat ? 1 : 0;
      MoveSheep(*this, p, nudgeX, nudgeY);
    }
    BumpSheep(*this);
    for (int p = 0; p < kSheep; ++p) {
      if (OnIsland(*this, p)) CheckFooting(*this, p);
    }
  }

  // Sheep lower on the screen stand in front.
  int order[kSheep] = {0, 1, 2, 3};
  std::stable_sort(order, order + kSheep,
                   [this](int a, int b) { return m_players[a * kStride + kY] < m_players[b * kStride + kY]; });
  for (int p : order) DrawSheep(*this, p);
  for (int p = 0; p < kSheep; ++p) FinishFall(*this, p);

  int onIsland = 0;
  for (int p = 0; p < kSheep; ++p) onIsland += OnIsland(*this, p) ? 1 : 0;
  if (onIsland < 2) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }
  p_DoSnow(easeX, easeY);
  p_DoParticles(1);
  p_ScoreDisplay(0, 1);
}
