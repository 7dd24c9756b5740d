// Game F, "Rovader' Fishies": four fish flap through a field of blocks that scrolls in
// from the right and speeds up. A flap kicks a fish upwards and gravity pulls it down,
// both in proportion to the scroll speed, so the round starts floaty and ends frantic.
// Touching a block or dropping off the bottom kills; every frame alive scores a point,
// and the round ends when the last fish is gone. Fish can only shuffle a little left and
// right near the left edge; the computer picks a height whose row and both neighbours
// are clear of blocks in the columns just ahead.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "game/toolkit/actions.h"
#include "host/app.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Block table, kept in the grid array at row * 50 + column: 0 empty, 1..4 a block drawn
// as that frame - 1 of sheet 0. Columns 0..19 scroll across the screen; column 20 holds
// a block that joins the field one column after the one being built.
const int kRows = 9;
const int kShownColumns = 20;
const int kStagingColumn = 20;
const int kRowStride = 50;
const float kColumnWidth = 40;
// Blocks in columns 0..4 are the ones the fish are about to meet; each row with one is
// marked as not free in object-pool indices 0..8.
const int kNearColumns = 5;
// A fish touches a block within these distances of its centre.
const float kHitX = 24;
const float kHitY = 20;

// Player fields.
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kVelocity = 4;
const int kFlapLatch = 5;
const int kWantedX = 11;
const int kWantedHeight = 12;
const int kRememberedRow = 13;  // -1: none
const int kFlapSoundCooldown = 66;
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kSpeed = 50;  // scroll speed, 0 down to -4 (leftwards)
const int kDistance = 51;
const int kScrollOffset = 55;
const int kDensity = 56;  // lowest row number drawn for a new block; rows below 0 place nothing

const float kTopSpeed = -4;
const float kSpeedStep = 0.025f;
const int kMovingBeforeGo = 30;  // the world starts moving this many frames before "GO" ends
const float kStartDensity = -12;
const float kDensityStep = 0.1f;
const float kGravity = 0.05f;  // times the speed
const float kSoundSpeed = -1;  // flaps are silent while the world is slower than this
const int kComputerSoundGap = 8;
const int kFishImage = 4;  // graphic code of player 0's fish; the others follow
const int kBlockSheet = 0;
const int kBurstParticles = 17;
const int kDebris = 2;
const float kCeiling = 8;
const float kLowestDrift = 256;  // a dead fish stops this far below the screen
const float kShuffleLeft = 8, kShuffleRight = 72;
const float kComputerStep = 0.25f;
const int kRowTries = 40;
const int kStrictTries = 20;  // tries that need all three rows free, before two of three will do

float& Block(c_MyApp& app, int row, int column) { return app.m_grid[row * kRowStride + column]; }

float* Fish(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float RowHeight() { return zr_TinselJumble_jscrh / kRows; }

// Rows off the table hold no blocks, so they count as free.
bool RowFree(c_MyApp& app, int row) { return row < 0 || row >= kRows || app.m_objects[row] > 0; }

int FreeOfThree(c_MyApp& app, int row) {
  return RowFree(app, row - 1) + RowFree(app, row) + RowFree(app, row + 1);
}

// Moves the field left; each time it has moved a column, the columns shift down the
// table and a new one is built at column 19 from the block waiting in column 20 and one
// new block. Once the density has reached 0 another block waits in column 20.
void ScrollField(c_MyApp& app) {
  float* game = app.m_players.Data();
  game[kScrollOffset] += game[kSpeed] * 0.5f;
  if (game[kScrollOffset] >= -32) return;
  game[kScrollOffset] += kColumnWidth;
  game[kDensity] = std::min(game[kDensity] + kDensityStep, 0.0f);
  int newRow = app.p_Rand(game[kDensity], kRows - 1);
  int waitingRow = app.p_Rand(game[kDensity], kRows - 1);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kStagingColumn; ++column) Block(app, row, column) = Block(app, row, column + 1);
    Block(app, row, kStagingColumn) = 0;
  }
  if (newRow >= 0) Block(app, newRow, kShownColumns - 1) = static_cast<float>(app.p_Rand(1, 4));
  if (game[kDensity] >= 0 && waitingRow >= 0)
    Block(app, waitingRow, kStagingColumn) = static_cast<float>(app.p_Rand(1, 4));
}

void KillOnBlock(c_MyApp& app, int p, float blockX, float blockY) {
  Fish(app, p)[kAlive] = 0;
  app.p_PlaySFX(4);
  // Particles live in world space, which the camera follows.
  for (int n = 0; n < kBurstParticles; ++n) {
    int colour = app.p_Rand(1, 9);
    float angle = zr_random_Rnd() * 360;
    float speed = 2 + zr_random_Rnd() * 2;
    app.p_ThrowParticle(blockX + app.m_camX, blockY + app.m_camY, kDebris, colour, angle, speed);
  }
}

// Marks the rows near the fish, kills the fish touching a block and draws the field.
void TouchAndDrawBlocks(c_MyApp& app) {
  for (int row = 0; row < kRows; ++row) app.m_objects[row] = 1;
  float offset = app.m_players[kScrollOffset];
  float rowHeight = RowHeight();
  for (int column = 0; column < kShownColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      float value = Block(app, row, column);
      if (value < 1) continue;
      if (column < kNearColumns) app.m_objects[row] = 0;
      float x = column * kColumnWidth + offset;
      float y = row * rowHeight;
      for (int p = 0; p < 4; ++p) {
        float* fish = Fish(app, p);
        if (fish[kAlive] > 0 && std::fabs(fish[kX] - x) < kHitX && std::fabs(fish[kY] - y) < kHitY)
          KillOnBlock(app, p, x, y);
      }
      app.p_DrawImg(kBlockSheet, x, y, value - 1);
    }
  }
}

// The computer's thinking for one frame: wander a little sideways, keep a height whose
// row and both neighbours are clear just ahead, and flap when below it. Returns whether
// it flaps.
bool ComputerFlaps(c_MyApp& app, int p) {
  float* fish = Fish(app, p);
  if (fish[kFlapSoundCooldown] > 0) fish[kFlapSoundCooldown] -= 1;
  if (zr_random_Rnd() * 100 < 1) fish[kWantedX] = static_cast<float>(app.p_Rand(16, 128));
  float gap = fish[kWantedX] - fish[kX];
  fish[kX] += std::max(-kComputerStep, std::min(kComputerStep, gap));

  float rowHeight = RowHeight();
  int current = static_cast<int>(fish[kWantedHeight] / rowHeight);
  if (FreeOfThree(app, current) < 3) {
    // The remembered row first: it was safe a moment ago and still may be.
    int row = static_cast<int>(fish[kRememberedRow]);
    for (int attempt = 0; attempt < kRowTries; ++attempt) {
      if (attempt > 0 || row < 0) row = app.p_Rand(2, 7);
      int freeRows = FreeOfThree(app, row);
      if (freeRows == 3 || (attempt >= kStrictTries && freeRows == 2)) break;
    }
    fish[kWantedHeight] = row * rowHeight - 16;
    fish[kRememberedRow] = static_cast<float>(row);
  } else {
    fish[kRememberedRow] = -1;
  }
  if (fish[kWantedHeight] == 0) fish[kWantedHeight] = 64 + zr_random_Rnd() * (zr_TinselJumble_jscrh - 128);
  return fish[kY] > fish[kWantedHeight] && zr_random_Rnd() * 10 < 7;
}

// A human flaps on a fresh press of fire A or B; holding either keeps the latch shut.
bool HumanFlaps(c_MyApp& app, int p) {
  float* fish = Fish(app, p);
  int source = app.m_pad[p];
  bool pressed = app.p_PlayKey(kFireA, 0, source) || app.p_PlayKey(kFireB, 0, source);
  if (!pressed) {
    fish[kFlapLatch] = 0;
    return false;
  }
  if (fish[kFlapLatch] != 0) return false;
  fish[kFlapLatch] = 1;
  return true;
}

// A dead fish tumbles upside down, falling behind the field until well off the screen.
void DriftDeadFish(c_MyApp& app, int p) {
  float* fish = Fish(app, p);
  if (fish[kY] > zr_TinselJumble_jscrh + kLowestDrift) return;
  float speed = app.m_players[kSpeed];
  app.p_SetSize(1, -1);
  app.p_DrawGfx(fish[kX], fish[kY], kFishImage + p);
  fish[kX] += speed * 0.5f;
  fish[kVelocity] += std::fabs(speed) * kGravity;
  fish[kY] += fish[kVelocity];
}

// One frame of a living fish: drawn breathing, moved, steered, flapped, and pulled down.
void FlyFish(c_MyApp& app, int p) {
  float* fish = Fish(app, p);
  float speed = app.m_players[kSpeed];
  bool playing = app.m_introTimer < 1;
  int source = app.m_pad[p];

  int clock = zr_app_Millisecs();
  float breathX = 1 + 0.2f * std::sin(static_cast<float>((clock + 90 + 90 * p) % 360) * D2R);
  float breathY = 1 + 0.2f * std::sin(static_cast<float>((clock + 90 * p) % 360) * D2R);
  app.p_SetSize(breathX, breathY);
  app.p_DrawGfx(fish[kX], fish[kY], kFishImage + p);

  if (playing && source >= -1) fish[kX] += 3 * app.p_Control(1, p);
  fish[kX] = std::max(32.0f, std::min(zr_TinselJumble_jscrw - 64, fish[kX]));
  fish[kX] = std::max(kShuffleLeft, std::min(kShuffleRight, fish[kX]));
  fish[kY] += fish[kVelocity];

  bool flap = false;
  bool computer = source == 0;
  if (playing && computer) flap = ComputerFlaps(app, p);
  if (playing && c_MyApp::p_IsHumanSource(source)) flap = HumanFlaps(app, p);
  if (flap) {
    fish[kVelocity] = -std::fabs(speed);
    if (speed < kSoundSpeed && (!computer || fish[kFlapSoundCooldown] == 0)) {
      app.p_PlaySFX(7);
      if (computer) fish[kFlapSoundCooldown] = kComputerSoundGap;
    }
  }

  if (fish[kY] < kCeiling) {
    fish[kY] = kCeiling;
    fish[kVelocity] = 1;
  }
  if (fish[kY] > zr_TinselJumble_jscrh) {
    fish[kAlive] = 0;
    // A fixed pitch: the fall draws nothing from the round's random sequence.
    app.p_PlaySFX(4, 0.8f, 1, 0);
  }
  fish[kVelocity] += std::fabs(speed) * kGravity;
}

}  // namespace

void c_MyApp::p_LoadGame_F() {
  p_FreshGame();  // also empties the block table
  const float starts[4] = {0.2f, 0.4f, 0.6f, 0.8f};
  for (int p = 0; p < 4; ++p) {
    p_Start(p, 64, static_cast<int>(zr_TinselJumble_jscrh * starts[p]));
    float* fish = Fish(*this, p);
    fish[kAlive] = 1;
    fish[kRememberedRow] = -1;
  }
  m_players[kSpeed] = 0;
  m_players[kDistance] = 0;
  m_players[kScrollOffset] = 0;
  m_players[kDensity] = kStartDensity;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_F() {
  float dx = (m_camX - m_camTargetX) / 8;
  float dy = (m_camY - m_camTargetY) / 8;
  m_camX -= dx;
  m_camY -= dy;
  p_DoSnow(dx, dy);

  ScrollField(*this);
  float& speed = m_players[kSpeed];
  if (m_introTimer < kMovingBeforeGo) speed = std::max(speed - kSpeedStep, kTopSpeed);
  m_players[kDistance] -= speed;
  m_camTargetX = m_players[kDistance] - 64;

  TouchAndDrawBlocks(*this);
  p_ResetDraw();

  int alive = 0, lastAlive = -1;
  for (int p = 0; p < 4; ++p) {
    if (Fish(*this, p)[kAlive] > 0) {
      ++alive;
      lastAlive = p;
      FlyFish(*this, p);
    } else {
      DriftDeadFish(*this, p);
    }
    p_ResetDraw();
  }
  if (alive == 1) m_leader = lastAlive;
  if (alive == 0) m_roundOver = 1;

  p_DoParticles(1);
  p_ScoreDisplay(0, 1);
}
