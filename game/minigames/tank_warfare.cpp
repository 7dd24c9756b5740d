// Game T, "Tank Warfare": four tanks roll about a walled arena of ice blocks and wrapped
// presents. A tank turns to face the way its stick pushes and rolls that way; fire sends
// a shell along the barrel. A shell bounces once off ice and ends at the next ice it
// meets; a present it meets is blown open. An enemy shell destroys a tank for a point to
// its owner, and the wreck comes back shielded at the starting corner farthest from the
// other tanks. The round ends a second after a tank's fifth point, or after three minutes.
// Computer tanks find their way to their prey through a distance field over the grid.
#include <cmath>

#include "game/shell/my_app.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Arena: cells (0..16, 0..14) of the grid, the outer ring ice; cell (x, y) is at
// (x + 16 y) x 10. Cell fields.
const int kColumns = 16;
const int kRows = 14;
const int kCellStride = 10;
const int kContent = 0;  // 0 floor, 1 ice, 2 present
const int kLook = 1;     // a present's frame on sheet 5
const int kBlocked = 8;
const int kDistance = 9;
const int kFloor = 0;
const int kIce = 1;
const int kPresent = 2;
const int kLastCell = kColumns + kRows * kColumns;
// Each computer's copy of the distance field towards its prey, at grid index
// kFieldCopies + kFieldCopyStride x player + cell number.
const int kFieldCopies = 10000;
const int kFieldCopyStride = 1000;
const int kSearchSteps = 48;

// Shells are objects 0..15; object fields.
const int kLastShell = 15;
const int kObjectStride = 10;
const int kOwner = 0;  // owner's player number + 1; 0 a free slot
const int kShellX = 1;
const int kShellY = 2;
const int kShellVx = 3;
const int kShellVy = 4;
const int kBouncesLeft = 5;

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kHeading = 5;  // degrees, 0 up, clockwise
const int kFireHeld = 6;
const int kReload = 7;
const int kShield = 8;
const int kWreckTimer = 9;
const int kWreckX = 10;
const int kWreckY = 11;
const int kPrey = 13;
const int kRepick = 14;
const int kAimError = 15;
const int kStuck = 16;
const int kUnstuckTimer = 17;
const int kUnstuckHeading = 18;
const int kScore = 95;
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kWinTimer = 61;  // frames since the winning hit, -1 before it
const int kPlayFrames = 62;

// Sizes and speeds in cells, so the arena plays the same on any screen shape.
const float kTankHalf = 0.34f;
const float kSpeed = 0.045f;
const float kShellSpeed = 0.09f;
const float kMuzzle = 0.5f;
const float kHitRadius = 0.4f;
const float kClashRadius = 0.25f;
const float kAimReach = 0.7f;  // a computer fires when its shell would pass this close
const float kShieldRadius = 0.6f;
const float kHoldGround = 4.7f;  // a computer that sees its prey this close stops rolling
const float kDodgeFrames = 50;
const float kDodgeReach = 1.0f;
const float kOnTheLine = 0.3f;
const float kTurnRate = 4;
const float kDriveCone = 60;
const float kStickDeadZone = 0.3f;
const int kReloadFrames = 30;
const int kMostShells = 3;
const int kWreckFrames = 180;
const int kShieldFrames = 150;
const int kPointsToWin = 5;
const int kEndFrames = 60;
const int kPlayFramesCap = 180 * 60;
const int kPanelWidth = 96;

// Controls of a player's source.
const int kStickX = 1;
const int kStickY = 2;
const int kFireA = 7;

// Graphic codes: tanks and presents on sheet 5, shells on sheet 0.
const int kTankArt = 320 + 8;
const int kPresentArt = 320 + 56;
const int kShellArt = 52;

// Sprites are drawn at these sizes of a 32-pixel cell.
const float kTankLook = 0.9f;
const float kPresentLook = 0.85f;
const float kShellLook = 1.3f;

const int kBounceSound = 4;
const int kFireSound = 5;
const int kBlastSound = 6;

// One quarter of each layout, columns 1..8 and rows 1..7 (the middle column and row are
// the last ones), mirrored into the other three: '#' ice, 'p' a place for a present. The
// ice in the middle of each side keeps the corners from seeing each other along it.
const int kLayouts = 3;
const char* const kQuarters[kLayouts][7] = {
    {".......#", "........", "..##..p.", "..#.....", ".....pp.", ".p...p#.", "#...#..."},
    {".......#", "...p....", ".p.#.##.", "...#....", ".###.p..", ".....p.#", "#pp....."},
    {".......#", "........", "..pp.#..", "..p..#..", "..####p.", "......p.", "#.p....p"},
};

struct Corner {
  int x, y;
  float heading;  // towards the middle of the arena
};
const Corner kCorners[kPlayers] = {{1, 1, 135}, {15, 13, 315}, {1, 13, 45}, {15, 1, 225}};

struct Arena {
  float left, top, tile;  // left and top edges of cell (0, 0); a cell's edge
};

Arena ArenaOf(const c_MyApp& app) { return {app.m_gridX, app.m_gridY, app.m_tileSize}; }

float CentreX(const Arena& arena, int x) { return arena.left + (x + 0.5f) * arena.tile; }
float CentreY(const Arena& arena, int y) { return arena.top + (y + 0.5f) * arena.tile; }
int ColumnAt(const Arena& arena, float px) { return static_cast<int>(std::floor((px - arena.left) / arena.tile)); }
int RowAt(const Arena& arena, float py) { return static_cast<int>(std::floor((py - arena.top) / arena.tile)); }

float* Cell(c_MyApp& app, int x, int y) { return app.m_grid.Data() + (x + y * kColumns) * kCellStride; }

bool InArena(int x, int y) { return x >= 0 && x <= kColumns && y >= 0 && y <= kRows; }

// What lies at a point: anything off the arena counts as ice.
int ContentAt(c_MyApp& app, const Arena& arena, float px, float py) {
  int x = ColumnAt(arena, px);
  int y = RowAt(arena, py);
  if (!InArena(x, y)) return kIce;
  return static_cast<int>(Cell(app, x, y)[kContent]);
}

float* Row(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
float* Shell(c_MyApp& app, int slot) { return app.m_objects.Data() + slot * kObjectStride; }

bool Driving(c_MyApp& app, int p) { return p >= 0 && p < kPlayers && Row(app, p)[kAlive] > 0; }

bool ScoringOpen(c_MyApp& app) { return app.m_players[kWinTimer] < 0 && app.m_roundOver == 0; }

float Wrap360(float angle) {
  float wrapped = std::fmod(angle, 360.0f);
  return wrapped < 0 ? wrapped + 360 : wrapped;
}

// Degrees from one point towards another, 0 up and clockwise.
float HeadingTo(float fromX, float fromY, float toX, float toY) {
  return Wrap360(std::atan2(toX - fromX, fromY - toY) * R2D);
}

float Distance(float ax, float ay, float bx, float by) { return std::hypot(bx - ax, by - ay); }

// A tank's box is smaller than a cell, so it touches a cell only if a corner lies in it.
bool BoxIsClear(c_MyApp& app, const Arena& arena, float x, float y) {
  float half = kTankHalf * arena.tile;
  for (float dx : {-half, half}) {
    for (float dy : {-half, half}) {
      if (ContentAt(app, arena, x + dx, y + dy) != kFloor) return false;
    }
  }
  return true;
}

// Would a tank at (x, y) overlap the other tank?
bool TanksOverlap(const float* other, float x, float y, const Arena& arena) {
  float reach = 2 * kTankHalf * arena.tile;
  return std::fabs(other[kX] - x) < reach && std::fabs(other[kY] - y) < reach;
}

// A tank may stand at (x, y) when its box is clear of ice and presents and it does not
// move onto another tank (tanks that already overlap, as after a return, may part).
bool CanStand(c_MyApp& app, const Arena& arena, int p, float x, float y) {
  if (!BoxIsClear(app, arena, x, y)) return false;
  float* row = Row(app, p);
  for (int q = 0; q < kPlayers; ++q) {
    if (q == p || !Driving(app, q)) continue;
    float* other = Row(app, q);
    if (TanksOverlap(other, x, y, arena) && !TanksOverlap(other, row[kX], row[kY], arena)) return false;
  }
  return true;
}

// What a tank wants this frame: the heading to turn towards, whether to turn and roll,
// and whether to fire.
struct Steer {
  float heading = 0;
  bool turn = false;
  bool drive = false;
  bool fire = false;
};

void Drive(c_MyApp& app, const Arena& arena, int p, const Steer& steer) {
  float* row = Row(app, p);
  if (!steer.turn) return;
  int turn = app.m_WhichWayDoIGo(row[kHeading], steer.heading, 0, 359);
  float step = std::fmax(-kTurnRate, std::fmin(kTurnRate, static_cast<float>(turn)));
  row[kHeading] = Wrap360(row[kHeading] + step);
  float off = std::fabs(static_cast<float>(turn) - step);
  if (!steer.drive || off >= kDriveCone) return;
  float speed = kSpeed * arena.tile * std::cos(off * D2R);
  float heading = row[kHeading] * D2R;
  // One axis at a time, so a tank slides along whatever stops the other.
  float x = row[kX] + std::sin(heading) * speed;
  if (CanStand(app, arena, p, x, row[kY])) row[kX] = x;
  float y = row[kY] - std::cos(heading) * speed;
  if (CanStand(app, arena, p, row[kX], y)) row[kY] = y;
}

// One step of a shell, real or traced: it moves on, or turns back off ice it would enter
// while it has a bounce left, or is spent on that ice. A present it enters is reported,
// not touched.
enum class ShellStep { kFlying, kBounced, kSpent, kInPresent };

ShellStep StepShell(c_MyApp& app, const Arena& arena, float& x, float& y, float& vx, float& vy, float& bounces) {
  float nextX = x + vx;
  float nextY = y + vy;
  int content = ContentAt(app, arena, nextX, nextY);
  if (content == kPresent) {
    x = nextX;
    y = nextY;
    return ShellStep::kInPresent;
  }
  if (content == kFloor) {
    x = nextX;
    y = nextY;
    return ShellStep::kFlying;
  }
  if (bounces < 1) return ShellStep::kSpent;
  bounces -= 1;
  bool acrossX = ContentAt(app, arena, nextX, y) == kIce;
  bool acrossY = ContentAt(app, arena, x, nextY) == kIce;
  // Straight into a corner's point: it comes back the way it went.
  if (!acrossX && !acrossY) acrossX = acrossY = true;
  if (acrossX) vx = -vx;
  if (acrossY) vy = -vy;
  return ShellStep::kBounced;
}

// The first tank other than the owner that a shell at (x, y) touches, or -1.
int TankHitAt(c_MyApp& app, const Arena& arena, int owner, float x, float y, float reach) {
  for (int q = 0; q < kPlayers; ++q) {
    if (q == owner || !Driving(app, q)) continue;
    float* row = Row(app, q);
    if (Distance(x, y, row[kX], row[kY]) < reach * arena.tile) return q;
  }
  return -1;
}

int ShellsInFlight(c_MyApp& app, int p) {
  int count = 0;
  for (int slot = 0; slot <= kLastShell; ++slot) count += Shell(app, slot)[kOwner] == p + 1;
  return count;
}

// The muzzle, or the tank's centre when the muzzle is inside ice (the shell then bounces
// straight back over its harmless owner).
void MuzzleOf(c_MyApp& app, const Arena& arena, const float* row, float& x, float& y) {
  float heading = row[kHeading] * D2R;
  x = row[kX] + std::sin(heading) * kMuzzle * arena.tile;
  y = row[kY] - std::cos(heading) * kMuzzle * arena.tile;
  if (ContentAt(app, arena, x, y) == kIce) {
    x = row[kX];
    y = row[kY];
  }
}

void Confetti(c_MyApp& app, float x, float y) {
  for (int n = 0; n < 16; ++n) {
    int colour = app.p_Rand(1, 9);
    float angle = zr_random_Rnd() * 360;
    float speed = 1 + zr_random_Rnd() * 3;
    app.p_ThrowParticle(x, y, 5, colour, angle, speed);
  }
}

void BlowOpenPresent(c_MyApp& app, const Arena& arena, float px, float py) {
  int x = ColumnAt(arena, px);
  int y = RowAt(arena, py);
  if (!InArena(x, y)) return;
  Cell(app, x, y)[kContent] = kFloor;
  Confetti(app, CentreX(arena, x) - app.m_camX, CentreY(arena, y) - app.m_camY);
  app.p_PlaySFX(kBounceSound, 1, 0.6f, 0);
}

void Sparks(c_MyApp& app, float x, float y, int colour) {
  for (int n = 0; n < 6; ++n) {
    float angle = zr_random_Rnd() * 360;
    app.p_ThrowParticle(x, y, 1, colour, angle, 2);
  }
}

void Fire(c_MyApp& app, const Arena& arena, int p) {
  float* row = Row(app, p);
  row[kReload] = kReloadFrames;
  row[kShield] = 0;
  int base = app.p_FreeObj(kLastShell);
  if (base < 0) return;
  float x, y;
  MuzzleOf(app, arena, row, x, y);
  if (ContentAt(app, arena, x, y) == kPresent) {
    BlowOpenPresent(app, arena, x, y);
    return;
  }
  float heading = row[kHeading] * D2R;
  float* shell = app.m_objects.Data() + base;
  shell[kOwner] = static_cast<float>(p + 1);
  shell[kShellX] = x;
  shell[kShellY] = y;
  shell[kShellVx] = std::sin(heading) * kShellSpeed * arena.tile;
  shell[kShellVy] = -std::cos(heading) * kShellSpeed * arena.tile;
  shell[kBouncesLeft] = 1;
  app.p_PlaySFX(kFireSound);
}

// A destroyed tank bursts in its colour, shakes the screen and becomes a wreck.
void Destroy(c_MyApp& app, int victim, int shooter) {
  float* row = Row(app, victim);
  row[kAlive] = 0;
  row[kWreckTimer] = kWreckFrames;
  row[kWreckX] = row[kX];
  row[kWreckY] = row[kY];
  if (ScoringOpen(app)) Row(app, shooter)[kScore] += 1;
  float x = row[kX] - app.m_camX;
  float y = row[kY] - app.m_camY;
  int colour = app.p_PlayCol(victim);
  for (int n = 0; n < 40; ++n) {
    int kind = n < 20 ? 2 : (n < 32 ? 5 : 4);
    float angle = zr_random_Rnd() * 360;
    float speed = (kind == 4 ? 0.5f : 1.5f) + zr_random_Rnd() * 3;
    app.p_ThrowParticle(x, y, kind, kind == 2 ? colour : (kind == 5 ? 2 : 0), angle, speed);
  }
  app.m_camX = zr_random_Rnd() * 12 - 6;
  app.m_camY = zr_random_Rnd() * 12 - 6;
  app.p_PlaySFX(kBlastSound);
}

void MoveShells(c_MyApp& app, const Arena& arena) {
  for (int slot = 0; slot <= kLastShell; ++slot) {
    float* shell = Shell(app, slot);
    int owner = static_cast<int>(shell[kOwner]) - 1;
    if (owner < 0) continue;
    if (owner >= kPlayers) {
      shell[kOwner] = 0;
      continue;
    }
    ShellStep step = StepShell(app, arena, shell[kShellX], shell[kShellY], shell[kShellVx], shell[kShellVy],
                               shell[kBouncesLeft]);
    float drawnX = shell[kShellX] - app.m_camX;
    float drawnY = shell[kShellY] - app.m_camY;
    if (step == ShellStep::kInPresent) {
      BlowOpenPresent(app, arena, shell[kShellX], shell[kShellY]);
      shell[kOwner] = 0;
      continue;
    }
    if (step == ShellStep::kSpent) {
      Sparks(app, drawnX, drawnY, 9);
      shell[kOwner] = 0;
      continue;
    }
    if (step == ShellStep::kBounced) app.p_PlaySFX(kBounceSound, 1, 0.4f, 0);

    for (int other = slot + 1; other <= kLastShell; ++other) {
      float* rival = Shell(app, other);
      if (rival[kOwner] == 0 || rival[kOwner] == shell[kOwner]) continue;
      if (Distance(shell[kShellX], shell[kShellY], rival[kShellX], rival[kShellY]) < kClashRadius * arena.tile) {
        Sparks(app, drawnX, drawnY, 3);
        shell[kOwner] = 0;
        rival[kOwner] = 0;
        app.p_PlaySFX(kBounceSound, 1, 0.6f, 0);
        break;
      }
    }
    if (shell[kOwner] == 0) continue;

    int victim = TankHitAt(app, arena, owner, shell[kShellX], shell[kShellY], kHitRadius);
    if (victim >= 0) {
      shell[kOwner] = 0;
      if (Row(app, victim)[kShield] > 0) {
        Sparks(app, drawnX, drawnY, 5);
        app.p_PlaySFX(kBounceSound, 1, 0.6f, 0);
      } else {
        Destroy(app, victim, owner);
      }
      continue;
    }

    app.p_SetSize(app.m_tileScale * kShellLook);
    app.p_SetRot(HeadingTo(0, 0, shell[kShellVx], shell[kShellVy]));
    app.p_DrawGfx(drawnX, drawnY, kShellArt + owner);
  }
  app.p_ResetDraw();
}

// The corner whose nearest driving tank is farthest away; the earliest of equals.
int ReturnCorner(c_MyApp& app, const Arena& arena, int p) {
  int best = 0;
  float bestGap = -1;
  for (int c = 0; c < kPlayers; ++c) {
    float x = CentreX(arena, kCorners[c].x);
    float y = CentreY(arena, kCorners[c].y);
    float gap = 1e9f;
    for (int q = 0; q < kPlayers; ++q) {
      if (q == p || !Driving(app, q)) continue;
      gap = std::fmin(gap, Distance(x, y, Row(app, q)[kX], Row(app, q)[kY]));
    }
    if (gap > bestGap) {
      bestGap = gap;
      best = c;
    }
  }
  return best;
}

void Return(c_MyApp& app, const Arena& arena, int p) {
  float* row = Row(app, p);
  const Corner& corner = kCorners[ReturnCorner(app, arena, p)];
  row[kX] = CentreX(arena, corner.x);
  row[kY] = CentreY(arena, corner.y);
  row[kHeading] = corner.heading;
  row[kShield] = kShieldFrames;
  row[kReload] = 0;
  row[kAlive] = 3;
}

// ---- The computer's play ----

// Its prey: the nearest driving enemy, or now and then any of them; -1 when none drives.
int ChoosePrey(c_MyApp& app, int p) {
  float* row = Row(app, p);
  int nearest = -1;
  float nearestGap = 1e9f;
  int driving[kPlayers];
  int count = 0;
  for (int q = 0; q < kPlayers; ++q) {
    if (q == p || !Driving(app, q)) continue;
    driving[count++] = q;
    float gap = Distance(row[kX], row[kY], Row(app, q)[kX], Row(app, q)[kY]);
    if (gap < nearestGap) {
      nearestGap = gap;
      nearest = q;
    }
  }
  int pick = app.p_Rand(0, static_cast<float>(kPlayers - 1));
  if (count > 0 && zr_random_Rnd() * 3 < 1) return driving[pick % count];
  return nearest;
}

// The distance field towards the prey's cell, grown over the whole grid and kept in the
// tank's own store (the grid holds one field at a time).
void GrowField(c_MyApp& app, const Arena& arena, int p, int prey) {
  float* store = app.m_grid.Data() + kFieldCopies + kFieldCopyStride * p;
  float* preyRow = Row(app, prey);
  app.p_SeekLocale(ColumnAt(arena, preyRow[kX]), RowAt(arena, preyRow[kY]), kColumns, kRows, kCellStride,
                   kSearchSteps);
  const float* grid = app.m_grid.Data();
  for (int cell = 0; cell <= kLastCell; ++cell) store[cell] = grid[cell * kCellStride + kDistance];
}

float FieldAt(c_MyApp& app, int p, int x, int y) {
  if (!InArena(x, y)) return 0;
  return app.m_grid[kFieldCopies + kFieldCopyStride * p + x + y * kColumns];
}

// A straight run for a tank's box from (x, y) to (toX, toY), tested every quarter cell.
bool RunIsClear(c_MyApp& app, const Arena& arena, float x, float y, float toX, float toY) {
  int samples = static_cast<int>(Distance(x, y, toX, toY) / (0.25f * arena.tile)) + 1;
  for (int n = 1; n <= samples; ++n) {
    float k = static_cast<float>(n) / samples;
    if (!BoxIsClear(app, arena, x + (toX - x) * k, y + (toY - y) * k)) return false;
  }
  return true;
}

// A clear line of sight for a shell: no ice or present between the two points.
bool SightIsClear(c_MyApp& app, const Arena& arena, float x, float y, float toX, float toY) {
  int samples = static_cast<int>(Distance(x, y, toX, toY) / (0.25f * arena.tile)) + 1;
  for (int n = 1; n < samples; ++n) {
    float k = static_cast<float>(n) / samples;
    if (ContentAt(app, arena, x + (toX - x) * k, y + (toY - y) * k) != kFloor) return false;
  }
  return true;
}

// Traces the shell the tank would fire now: true if it would meet an unshielded enemy.
bool ShotFindsEnemy(c_MyApp& app, const Arena& arena, int p, float reach) {
  float* row = Row(app, p);
  float x, y;
  MuzzleOf(app, arena, row, x, y);
  float heading = row[kHeading] * D2R;
  float vx = std::sin(heading) * kShellSpeed * arena.tile;
  float vy = -std::cos(heading) * kShellSpeed * arena.tile;
  float bounces = 1;
  for (int n = 0; n < 200; ++n) {
    ShellStep step = StepShell(app, arena, x, y, vx, vy, bounces);
    if (step == ShellStep::kSpent || step == ShellStep::kInPresent) return false;
    int victim = TankHitAt(app, arena, p, x, y, reach);
    if (victim >= 0) return Row(app, victim)[kShield] <= 0;
  }
  return false;
}

// Down the field: the farthest of the next three cells that the tank can reach in a
// straight run. A present on the way is the goal itself, to be shot open. Off the field
// (not reached, or in the prey's own cell) the goal stays as it was given.
void NextWaypoint(c_MyApp& app, const Arena& arena, int p, float& toX, float& toY, bool& present) {
  float* row = Row(app, p);
  int x = ColumnAt(arena, row[kX]);
  int y = RowAt(arena, row[kY]);
  float here = FieldAt(app, p, x, y);
  if (here <= 1) return;
  present = false;
  const int kSteps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
  for (int step = 0; step < 3; ++step) {
    int nextX = x, nextY = y;
    float best = here;
    for (const auto& d : kSteps) {
      float value = FieldAt(app, p, x + d[0], y + d[1]);
      if (value > 0 && value < best) {
        best = value;
        nextX = x + d[0];
        nextY = y + d[1];
      }
    }
    if (best == here) break;
    float cx = CentreX(arena, nextX);
    float cy = CentreY(arena, nextY);
    bool wrapped = Cell(app, nextX, nextY)[kContent] == kPresent;
    if (step == 0 || (!wrapped && RunIsClear(app, arena, row[kX], row[kY], cx, cy))) {
      toX = cx;
      toY = cy;
      present = wrapped;
    }
    if (wrapped || best <= 1) break;
    x = nextX;
    y = nextY;
    here = best;
  }
}

// An enemy shell that will pass within a cell of the tank in the next 50 frames (along
// its line, bounces aside): the heading that steps out of its way. The tank steps to the
// side of the line it is on, or when nearly on it, to the side it faces more.
bool DodgeHeading(c_MyApp& app, const Arena& arena, int p, float& heading) {
  float* row = Row(app, p);
  for (int slot = 0; slot <= kLastShell; ++slot) {
    float* shell = Shell(app, slot);
    if (shell[kOwner] == 0 || shell[kOwner] == p + 1) continue;
    float vx = shell[kShellVx], vy = shell[kShellVy];
    float rx = row[kX] - shell[kShellX], ry = row[kY] - shell[kShellY];
    float frames = (rx * vx + ry * vy) / (vx * vx + vy * vy);
    if (frames < 0 || frames > kDodgeFrames) continue;
    float offX = rx - vx * frames, offY = ry - vy * frames;
    if (std::hypot(offX, offY) > kDodgeReach * arena.tile) continue;
    float away = HeadingTo(0, 0, -vy, vx);
    bool otherSide = offX * -vy + offY * vx < 0;
    if (std::hypot(offX, offY) < kOnTheLine * arena.tile)
      otherSide = std::abs(app.m_WhichWayDoIGo(row[kHeading], away, 0, 359)) > 90;
    heading = otherSide ? Wrap360(away + 180) : away;
    return true;
  }
  return false;
}

Steer Think(c_MyApp& app, const Arena& arena, int p) {
  float* row = Row(app, p);
  Steer steer;
  int prey = static_cast<int>(row[kPrey]);
  row[kRepick] -= 1;
  if (prey == p || !Driving(app, prey) || row[kRepick] <= 0) {
    prey = ChoosePrey(app, p);
    row[kPrey] = static_cast<float>(prey);
    row[kRepick] = static_cast<float>(app.p_Rand(120, 240));
  }
  if (zr_random_Rnd() * 60 < 1) row[kAimError] = zr_random_Rnd() * 24 - 12;
  // Each computer's field is grown anew every eighth frame, on a frame of its own.
  int turnToGrow = static_cast<int>(app.m_players[kPlayFrames]) % (2 * kPlayers);
  if (turnToGrow == 2 * p && prey >= 0) GrowField(app, arena, p, prey);

  steer.fire = row[kReload] <= 0 && ShotFindsEnemy(app, arena, p, kAimReach) && zr_random_Rnd() * 20 < 1;

  if (DodgeHeading(app, arena, p, steer.heading)) {
    steer.turn = steer.drive = true;
    return steer;
  }
  if (row[kUnstuckTimer] > 0) {
    row[kUnstuckTimer] -= 1;
    steer.heading = row[kUnstuckHeading];
    steer.turn = steer.drive = true;
    return steer;
  }
  if (prey < 0) return steer;
  float* preyRow = Row(app, prey);
  steer.turn = true;
  if (SightIsClear(app, arena, row[kX], row[kY], preyRow[kX], preyRow[kY])) {
    steer.heading = Wrap360(HeadingTo(row[kX], row[kY], preyRow[kX], preyRow[kY]) + row[kAimError]);
    steer.drive = Distance(row[kX], row[kY], preyRow[kX], preyRow[kY]) > kHoldGround * arena.tile;
    return steer;
  }
  float toX = preyRow[kX], toY = preyRow[kY];
  bool present = false;
  NextWaypoint(app, arena, p, toX, toY, present);
  steer.heading = HeadingTo(row[kX], row[kY], toX, toY);
  steer.drive = !present;
  if (present && std::abs(app.m_WhichWayDoIGo(row[kHeading], steer.heading, 0, 359)) < 10) {
    steer.fire = row[kReload] <= 0;
  }
  return steer;
}

// A computer that wants to roll but has not moved for half a second picks a random
// heading for a third of one.
void WatchForStuck(c_MyApp& app, int p, const Steer& steer, float oldX, float oldY) {
  float* row = Row(app, p);
  bool moved = std::fabs(row[kX] - oldX) + std::fabs(row[kY] - oldY) > 0.05f;
  row[kStuck] = steer.drive && !moved ? row[kStuck] + 1 : 0;
  if (row[kStuck] > 30) {
    row[kStuck] = 0;
    row[kUnstuckTimer] = 20;
    row[kUnstuckHeading] = zr_random_Rnd() * 360;
  }
}

Steer ReadStick(c_MyApp& app, int p) {
  float* row = Row(app, p);
  Steer steer;
  float stickX = app.p_Control(kStickX, p);
  float stickY = app.p_Control(kStickY, p);
  if (stickX * stickX + stickY * stickY > kStickDeadZone * kStickDeadZone) {
    steer.heading = HeadingTo(0, 0, stickX, stickY);
    steer.turn = steer.drive = true;
  }
  bool held = app.p_Control(kFireA, p) > 0;
  steer.fire = held && row[kFireHeld] == 0;
  row[kFireHeld] = held ? 1.0f : 0.0f;
  return steer;
}

void PlayTank(c_MyApp& app, const Arena& arena, int p) {
  float* row = Row(app, p);
  if (app.m_introTimer >= 1) return;
  row[kReload] = std::fmax(row[kReload] - 1, 0.0f);
  row[kShield] = std::fmax(row[kShield] - 1, 0.0f);
  bool computer = app.m_pad[p] == 0;
  Steer steer = computer ? Think(app, arena, p) : ReadStick(app, p);
  float oldX = row[kX], oldY = row[kY];
  Drive(app, arena, p, steer);
  if (computer) WatchForStuck(app, p, steer, oldX, oldY);
  if (steer.fire && row[kReload] <= 0 && ShellsInFlight(app, p) < kMostShells) {
    Fire(app, arena, p);
    if (computer) row[kReload] += static_cast<float>(app.p_Rand(60, 150));
  }
}

// ---- Drawing ----

void DrawIceBlock(c_MyApp& app, float x, float y, float tile) {
  float rim = std::fmax(2, tile / 8);
  app.p_SetCol(150, 180, 215);
  app.p_Rect(x, y, tile, tile);
  app.p_SetCol(225, 240, 255);
  app.p_Rect(x, y, tile, rim);
  app.p_Rect(x, y, rim, tile);
  app.p_SetCol(85, 105, 145);
  app.p_Rect(x, y + tile - rim, tile, rim);
  app.p_Rect(x + tile - rim, y, rim, tile);
}

void DrawArena(c_MyApp& app, const Arena& arena) {
  float left = arena.left - app.m_camX;
  float top = arena.top - app.m_camY;
  app.p_ResetDraw();
  app.p_SetCol(34, 40, 62);
  app.p_Rect(left, top, (kColumns + 1) * arena.tile, (kRows + 1) * arena.tile);
  for (int y = 0; y <= kRows; ++y) {
    for (int x = 0; x <= kColumns; ++x) {
      float* cell = Cell(app, x, y);
      float cellX = left + x * arena.tile;
      float cellY = top + y * arena.tile;
      if (cell[kContent] == kIce) {
        DrawIceBlock(app, cellX, cellY, arena.tile);
        continue;
      }
      if ((x + y) % 2 == 0) {
        app.p_SetCol(42, 50, 76);
        app.p_Rect(cellX, cellY, arena.tile, arena.tile);
      }
      if (cell[kContent] == kPresent) {
        app.p_SetCol(255, 255, 255);
        app.p_SetSize(app.m_tileScale * kPresentLook);
        app.p_DrawGfx(cellX + arena.tile / 2, cellY + arena.tile / 2, kPresentArt + static_cast<int>(cell[kLook]));
        app.p_SetSize(1);
      }
    }
  }
  app.p_ResetDraw();
}

void DrawTank(c_MyApp& app, int p) {
  float* row = Row(app, p);
  float x = row[kX] - app.m_camX;
  float y = row[kY] - app.m_camY;
  if (row[kAlive] <= 0) {
    // The wreck smoulders where it was hit and fades before the tank returns.
    app.p_SetCol(60, 60, 60, row[kWreckTimer] / kWreckFrames);
    app.p_SetSize(app.m_tileScale * kTankLook);
    app.p_DrawGfx(row[kWreckX] - app.m_camX, row[kWreckY] - app.m_camY, kTankArt + p);
    app.p_ResetDraw();
    return;
  }
  app.p_SetSize(app.m_tileScale * kTankLook);
  app.p_SetRot(row[kHeading]);
  app.p_DrawGfx(x, y, kTankArt + p);
  app.p_ResetDraw();
  float shield = row[kShield];
  // The ring pulses, and blinks in its last half second.
  if (shield > 0 && (shield > 30 || static_cast<int>(shield) / 4 % 2 == 0)) {
    float radius = kShieldRadius * app.m_tileSize;
    app.p_Ink(app.p_PlayCol(p), 1);
    app.p_Alpha(0.25f + 0.1f * std::sin(shield * 0.3f));
    app.p_Oval(x, y, radius, radius);
    app.p_ResetDraw();
  }
}

void TankFrame(c_MyApp& app, const Arena& arena, int p) {
  float* row = Row(app, p);
  if (row[kAlive] > 0) {
    PlayTank(app, arena, p);
  } else if (row[kWreckTimer] > 0) {
    row[kWreckTimer] -= 1;
    if (zr_random_Rnd() * 8 < 1) {
      float angle = zr_random_Rnd() * 40 - 20;
      app.p_ThrowParticle(row[kWreckX] - app.m_camX, row[kWreckY] - app.m_camY, 4, 0, angle, 0.6f);
    }
    if (row[kWreckTimer] <= 0) Return(app, arena, p);
  }
  DrawTank(app, p);
}

}  // namespace

void c_MyApp::p_LoadGame_T() {
  p_FreshGame();
  m_panelWidth = kPanelWidth;
  // Fitted one cell wider and taller than the last index, so the outer ring shows whole.
  p_SetGrid_Crop(kColumns + 1, kRows + 1);
  Arena arena = ArenaOf(*this);

  int layout = p_Rand(0, kLayouts - 1);
  for (int qy = 1; qy <= kRows / 2; ++qy) {
    for (int qx = 1; qx <= kColumns / 2; ++qx) {
      char mark = kQuarters[layout][qy - 1][qx - 1];
      int content = mark == '#' ? kIce : kFloor;
      if (mark == 'p' && p_Rand(0, 3) > 0) content = kPresent;
      for (int x : {qx, kColumns - qx}) {
        for (int y : {qy, kRows - qy}) {
          float* cell = Cell(*this, x, y);
          cell[kContent] = static_cast<float>(content);
          cell[kBlocked] = content == kIce ? 1.0f : 0.0f;
          cell[kLook] = static_cast<float>(p_Rand(0, 3));
        }
      }
    }
  }
  for (int x = 0; x <= kColumns; ++x) {
    for (int y = 0; y <= kRows; ++y) {
      if (x > 0 && y > 0 && x < kColumns && y < kRows) continue;
      Cell(*this, x, y)[kContent] = kIce;
      Cell(*this, x, y)[kBlocked] = 1;
    }
  }

  for (int p = 0; p < kPlayers; ++p) {
    const Corner& corner = kCorners[p];
    p_Start(p, static_cast<int>(CentreX(arena, corner.x)), static_cast<int>(CentreY(arena, corner.y)));
    float* row = Row(*this, p);
    row[kHeading] = corner.heading;
    row[kPrey] = -1;
  }
  m_players[kWinTimer] = -1;
  m_timeLeft = kPlayFramesCap;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_T() {
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;
  Arena arena = ArenaOf(*this);
  DrawArena(*this, arena);

  for (int p = 0; p < kPlayers; ++p) TankFrame(*this, arena, p);
  MoveShells(*this, arena);

  if (m_introTimer < 1) m_players[kPlayFrames] += 1;
  if (ScoringOpen(*this)) {
    for (int p = 0; p < kPlayers; ++p) {
      if (Row(*this, p)[kScore] >= kPointsToWin) m_players[kWinTimer] = 0;
    }
    if (m_introTimer < 1 && m_players[kWinTimer] < 0) p_TimeOut();
  }
  if (m_players[kWinTimer] >= 0) {
    m_players[kWinTimer] += 1;
    if (m_players[kWinTimer] > kEndFrames) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay(1, 0.5f);
}
