// Game H, "Hectic Headers": the players run along the floor and jump. A bomb drops from
// above and bounces off any player who jumps up into it, each header a point. Once it
// reaches the floor its fuse burns down and it bursts in a growing blast that kills every
// player it reaches; then the next bomb falls. With one player left the blast grows big
// enough to fill the arena. The round ends when nobody is left, and the most headers
// win. Players may already run and jump during the countdown.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kRunSpeed = 3;      // the computer's running speed
const int kFallSpeed = 4;     // positive downwards
const int kJumpLatch = 6;     // 1 from a jump until the button is let go on the floor
const int kLastX = 8;
const int kLastMove = 9;      // the latest horizontal step, kept while standing still
const int kTargetX = 11;      // where the computer is running to
const int kMood = 12;         // the computer's mood: 1 chase the bomb, 0 keep away
const int kFrameStartX = 31;  // x before this frame's move, for the lean
const int kLean = 32;
const int kScore = 95;
const int kAlive = 99;

// The bomb, kept in player 0's row.
const int kBombState = 50;
const int kBombX = 51;
const int kBombY = 52;
const int kBombSpeedX = 53;
const int kBombSpeedY = 54;
const int kBlastRadius = 56;
const int kBombCounter = 57;  // the fuse, then how long the full blast has been held
const int kLargestBlast = 58;
enum BombState { kNoBomb = 0, kFalling = 1, kFuse = 2, kBlastGrowing = 3, kBlastShrinking = 4 };

const int kPanelWidth = 96;
const float kFloorLift = 32;  // runners stand and bombs land this far above the bottom
const float kWallGap = 16;    // runners keep this far from the arena's sides
const float kStickSpeed = 5;
const float kJumpSpeed = -12;
const float kGravity = 0.5f;
const float kLeanPerStep = 6;
const float kLeanEasing = 0.125f;

const float kBombStartY = -512;
const float kSpawnMargin = 64;
const float kBombWallGap = 8;
const float kBombGravity = 0.35f;
const float kBombTopSpeed = 6;
const float kBombSize = 16;
const float kMarkerSize = 8;  // the bomb's marker at the top edge while it is above it
const float kMarkerY = 16;
// A header: the bomb within 24 pixels of a point 16 below the runner's middle.
const float kHeaderReach = 24;
const float kHeaderDrop = 16;
const float kHeaderBounce = 8;
const int kFuseLength = 60;
const float kBlastGrowth = 16;
const float kBlastShrink = 2;
const float kBlastKillMargin = 4;
const int kBlastHold = 60;
const float kBlast = 128;
const float kLastPlayerBlast = 512;

// The computer's running and jumping.
const float kArrival = 3;
const float kLowBomb = 128;       // nearer the floor than this, a falling bomb is avoided
const float kJumpRange = 48;
const float kJumpHeight = 300;    // a bomb nearer the floor than this can be jumped at
const float kChaseSpread = 64;
const float kTargetWallGap = 8;
const float kKeepAway = 220;
const int kMostKeepAwayDraws = 64;

// Graphic codes: sheet 0 frames 8..11 are the runners.
const int kRunnerCode = 8;

const int kAxisX = 1;
const int kFireA = 7;
const int kFireB = 8;
const int kJumpSound = 3;
const int kHeaderSound = 4;
const int kBlastSounds[2] = {6, 2};
const int kLandingSound = 8;
const int kKillSound = 9;
const int kSparkKind = 2;

float* RowOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float ArenaWidth(const c_MyApp& app) { return zr_TinselJumble_jscrw - app.m_panelWidth; }

float FloorY() { return zr_TinselJumble_jscrh - kFloorLift; }

// On an arena too narrow for both limits the left one wins.
float InsideArena(float x, float arenaW) {
  if (x > arenaW - kWallGap) x = arenaW - kWallGap;
  if (x < kWallGap) x = kWallGap;
  return x;
}

// Sparks of random colours from (x, y), at angles around `angle` within `spread`.
void Sparks(c_MyApp& app, float x, float y, int count, float angle, float spread) {
  for (int n = 0; n < count; ++n) {
    int colour = app.p_Rand(1, 9);
    float direction = angle + zr_random_Rnd() * spread - spread / 2;
    float speed = 3 + zr_random_Rnd() * 3;
    app.p_ThrowParticle(x, y, kSparkKind, colour, direction, speed);
  }
}

// Somewhere at least kKeepAway from the bomb. On a narrow arena there may be no such
// place, so after a fair number of tries the computer settles for the end of the floor
// farther from the bomb.
float KeepAwayTarget(c_MyApp& app, float bombX, float arenaW) {
  for (int draw = 0; draw < kMostKeepAwayDraws; ++draw) {
    int x = app.p_Rand(kTargetWallGap, arenaW - kTargetWallGap);
    if (x >= 0 && std::fabs(x - bombX) >= kKeepAway) return static_cast<float>(x);
  }
  float left = InsideArena(kWallGap, arenaW);
  float right = InsideArena(arenaW - kWallGap, arenaW);
  return std::fabs(bombX - left) >= std::fabs(bombX - right) ? left : right;
}

// The computer runs to its target, chases a bomb that is high up or rising and keeps
// away from one that is low, landed or bursting. Returns whether it wants to jump.
bool Think(c_MyApp& app, float* row, float arenaW) {
  const float* bomb = RowOf(app, 0);
  float state = bomb[kBombState];
  float bombX = bomb[kBombX];
  float bombY = bomb[kBombY];
  float bombSpeedY = bomb[kBombSpeedY];
  float target = row[kTargetX];
  float& x = row[kX];
  if (std::fabs(target - x) < kArrival) x = target;
  if (target < x) x -= row[kRunSpeed];
  if (x < target) x += row[kRunSpeed];

  int chase = 1;
  if (state < kFuse && bombSpeedY > -1 && bombY > zr_TinselJumble_jscrh - kLowBomb) chase = 0;
  if (state > kFalling) chase = 0;

  if (zr_random_Rnd() * 10 < 2) row[kRunSpeed] = zr_random_Rnd() * 2 + 2;
  bool jump = false;
  if (std::fabs(bombX - x) < kJumpRange)
    jump = zr_random_Rnd() * 120 < 3 && bombY > zr_TinselJumble_jscrh - kJumpHeight && bombSpeedY > 0;
  if (chase == 1 && state == kFalling && zr_random_Rnd() * 30 < 2)
    target = bombX + zr_random_Rnd() * kChaseSpread - kChaseSpread / 2;
  if (row[kMood] != chase && zr_random_Rnd() * 30 < 4) {
    row[kMood] = static_cast<float>(chase);
    if (chase == 0) target = KeepAwayTarget(app, bombX, arenaW);
  }
  row[kTargetX] = target;
  return jump;
}

void Run(c_MyApp& app, int p, float arenaW) {
  float* row = RowOf(app, p);
  // The runner leans into its last step, easing back upright when it stops. The art
  // faces right; a runner whose last step was to the left is drawn mirrored.
  row[kLean] -= (row[kLean] - (row[kX] - row[kFrameStartX]) * kLeanPerStep) * kLeanEasing;
  app.p_SetRot(row[kLean]);
  app.p_SetSize(row[kLastMove] < 0 ? -1.0f : 1.0f, 1);
  app.p_DrawGfx(row[kX], row[kY], kRunnerCode + p);
  app.p_ResetDraw();
  row[kFrameStartX] = row[kX];

  int source = app.m_pad[p];
  float stick = source >= -1 ? app.p_Control(kAxisX, p) : 0;
  row[kX] = InsideArena(row[kX] + kStickSpeed * stick, arenaW);
  row[kY] += row[kFallSpeed];
  bool computerJump = false;
  if (source == 0) computerJump = Think(app, row, arenaW);

  if (row[kLastX] != row[kX]) {
    row[kLastMove] = row[kX] - row[kLastX];
    row[kLastX] = row[kX];
  }

  if (row[kY] > FloorY()) {
    row[kY] = FloorY();
    row[kFallSpeed] = 1;
    // A seat nobody steers (below -1) never jumps.
    bool jump = computerJump;
    if (source != 0 && source >= -1) jump = app.p_Control(kFireA, p) > 0 || app.p_Control(kFireB, p) > 0;
    if (!jump) {
      row[kJumpLatch] = 0;
    } else if (row[kJumpLatch] == 0) {
      row[kFallSpeed] = kJumpSpeed;
      row[kJumpLatch] = 1;
      app.p_PlaySFX(kJumpSound);
    }
  }
  row[kFallSpeed] += kGravity;
}

void DropBomb(float* bomb, float arenaW) {
  bomb[kBombY] = kBombStartY;
  bomb[kBombX] = zr_random_Rnd() * ((arenaW - kSpawnMargin) - kSpawnMargin) + kSpawnMargin;
  bomb[kBombSpeedX] = 0;
  bomb[kBombSpeedY] = 0;
  bomb[kBombState] = kFalling;
}

// A bomb meeting a runner on the way up is sent back up, harder the faster the jump,
// and drifts the way the runner last stepped.
void HeadBomb(c_MyApp& app, float* bomb) {
  for (int q = 0; q < kPlayers; ++q) {
    float* row = RowOf(app, q);
    float dx = bomb[kBombX] - row[kX];
    float dy = bomb[kBombY] - (row[kY] + kHeaderDrop);
    if (dx * dx + dy * dy >= kHeaderReach * kHeaderReach) continue;
    if (row[kAlive] <= 0 || bomb[kBombSpeedY] <= 0 || row[kFallSpeed] >= 0) continue;
    row[kScore] += 1;
    bomb[kBombSpeedY] = -(std::fabs(row[kFallSpeed] * 0.5f) + kHeaderBounce);
    bomb[kBombSpeedX] = zr_random_Rnd() * 0.6f - 0.3f + row[kLastMove];
    app.p_PlaySFX(kHeaderSound);
    Sparks(app, bomb[kBombX], bomb[kBombY], 8, 0, 40);
  }
}

void Fall(c_MyApp& app, float* bomb, float arenaW) {
  float glow = std::sin(zr_app_Millisecs() / 8.0f * D2R) * 64 + 190;
  app.p_SetCol(glow, 0, 0, 1);
  if (bomb[kBombY] < 0)
    app.p_Oval(bomb[kBombX], kMarkerY, kMarkerSize, kMarkerSize);
  else
    app.p_Oval(bomb[kBombX], bomb[kBombY], kBombSize, kBombSize);
  app.p_ResetDraw();

  bomb[kBombSpeedY] += kBombGravity;
  bomb[kBombX] += bomb[kBombSpeedX];
  // Each wall sends it back a little faster.
  if (bomb[kBombX] < kBombWallGap) {
    bomb[kBombX] = kBombWallGap;
    bomb[kBombSpeedX] = std::fabs(bomb[kBombSpeedX]) + zr_random_Rnd() * 0.3f + 0.2f;
  }
  if (bomb[kBombX] > arenaW - kBombWallGap) {
    bomb[kBombX] = arenaW - kBombWallGap;
    bomb[kBombSpeedX] = -(std::fabs(bomb[kBombSpeedX]) + zr_random_Rnd() * 0.3f + 0.2f);
  }
  bomb[kBombY] += bomb[kBombSpeedY];
  if (bomb[kBombSpeedY] > kBombTopSpeed) bomb[kBombSpeedY] = kBombTopSpeed;

  HeadBomb(app, bomb);
  if (bomb[kBombY] > FloorY()) {
    bomb[kBombY] = FloorY();
    bomb[kBombState] = kFuse;
    app.p_PlaySFX(kLandingSound);
  }
}

void BurnFuse(c_MyApp& app, float* bomb, int alive) {
  bomb[kBombCounter] += app.p_Rand(1, 3);
  if (bomb[kBombCounter] > kFuseLength) {
    bomb[kBombState] = kBlastGrowing;
    bomb[kBombCounter] = 0;
    for (int sound : kBlastSounds) app.p_PlaySFX(sound);
  }
  app.p_SetCol(150, 0, 0, 1);
  app.p_Oval(bomb[kBombX], bomb[kBombY], kBombSize, kBombSize);
  for (int flicker = 0; flicker < 4; ++flicker) {
    float red = zr_random_Rnd() * 105 + 150;
    float alpha = zr_random_Rnd() * 0.2f + 0.2f;
    float width = zr_random_Rnd() * 14 + 12;
    float height = zr_random_Rnd() * 14 + 12;
    app.p_SetCol(red, 20, 20, alpha);
    app.p_Oval(bomb[kBombX], bomb[kBombY], width, height);
  }
  app.p_ResetDraw();
  bomb[kLargestBlast] = alive < 2 ? kLastPlayerBlast : kBlast;
}

// Everyone strictly inside the blast's reach is out.
void Kill(c_MyApp& app, const float* bomb, int reach) {
  for (int q = 0; q < kPlayers; ++q) {
    float* row = RowOf(app, q);
    if (row[kAlive] <= 0) continue;
    float dx = bomb[kBombX] - row[kX];
    float dy = bomb[kBombY] - row[kY];
    if (dx * dx + dy * dy >= static_cast<float>(reach) * reach) continue;
    row[kAlive] = 0;
    app.p_PlaySFX(kKillSound);
    Sparks(app, row[kX], row[kY], 33, 180, 360);
  }
}

void Blast(c_MyApp& app, float* bomb) {
  int reach = static_cast<int>(bomb[kBlastRadius] + kBlastKillMargin);
  float& radius = bomb[kBlastRadius];
  float green = std::sin(zr_app_Millisecs() * D2R) * 50 + 150;
  if (bomb[kBombState] == kBlastShrinking) {
    radius -= kBlastShrink;
    app.p_SetCol(255, green, 50, 0.5f);
    app.p_Oval(bomb[kBombX], bomb[kBombY], radius, radius);
    app.p_ResetDraw();
    Kill(app, bomb, reach);
    if (radius < 2) {
      radius = 0;
      bomb[kBombCounter] = 0;
      bomb[kBombState] = kNoBomb;
    }
    return;
  }
  radius += kBlastGrowth;
  if (radius > bomb[kLargestBlast]) {
    radius = bomb[kLargestBlast];
    bomb[kBombCounter] += 1;
    if (bomb[kBombCounter] > kBlastHold) bomb[kBombState] = kBlastShrinking;
  }
  // Drawn at the size it is held at, so the blast on screen is no bigger than its reach.
  app.p_SetCol(255, green, 100, 0.5f);
  app.p_Oval(bomb[kBombX], bomb[kBombY], radius, radius);
  app.p_ResetDraw();
  Kill(app, bomb, reach);
}

}  // namespace

void c_MyApp::p_LoadGame_Header() {
  p_FreshGame();
  m_panelWidth = kPanelWidth;
  int floorY = static_cast<int>(FloorY());
  for (int p = 0; p < kPlayers; ++p) {
    int x = static_cast<int>((zr_TinselJumble_jscrw - kPanelWidth) * 0.2f * (p + 1));
    p_Start(p, x, floorY);
    float* row = RowOf(*this, p);
    row[kTargetX] = static_cast<float>(x);
    // A runner that has not stepped yet has no step to give a header.
    row[kLastX] = static_cast<float>(x);
    row[kAlive] = 1;
  }
  m_players[kBombState] = kNoBomb;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_Header() {
  p_ResetDraw();
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  p_DoSnow(easeX, easeY);

  float arenaW = ArenaWidth(*this);
  int alive = 0;
  for (int p = 0; p < kPlayers; ++p) {
    if (RowOf(*this, p)[kAlive] <= 0) continue;
    ++alive;
    Run(*this, p, arenaW);
  }
  if (alive == 0) m_roundOver = 1;

  float* bomb = RowOf(*this, 0);
  if (bomb[kBombState] == kNoBomb && m_introTimer < 1) DropBomb(bomb, arenaW);
  if (bomb[kBombState] == kFalling)
    Fall(*this, bomb, arenaW);
  else if (bomb[kBombState] == kFuse)
    BurnFuse(*this, bomb, alive);
  else if (bomb[kBombState] >= kBlastGrowing)
    Blast(*this, bomb);

  p_SetCol(80, 0, 0, 1);
  p_Rect(-128, zr_TinselJumble_jscrh - 16, zr_TinselJumble_jscrw + 256, 160);
  p_ResetDraw();

  p_DoParticles(1);
  p_ScoreDisplay(1, 0.5f);
}
