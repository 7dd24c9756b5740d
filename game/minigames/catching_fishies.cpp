// Game C, "Catching Fishies": twenty-one fish dart about the pool left of the score
// panel and flee from any player who comes near; a player who touches a fish catches it
// for a point. Each fish keeps clear of the walls by a margin it changes now and then,
// so a chased fish is turned back into open water rather than pinned in a corner. The
// round ends a second and a half after the last fish is caught.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Fish are objects 0..20; object fields.
const int kFishCount = 21;
const int kObjectStride = 10;
const int kInPool = 0;  // 1 swimming, 0 caught
const int kFishX = 1;
const int kFishY = 2;
const int kFishVx = 3;
const int kFishVy = 4;
const int kSwimDirection = 5;  // degrees, 0 up, clockwise
const int kSwimTimer = 6;      // frames of active swimming left
const int kWallMargin = 7;

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kVx = 3;
const int kVy = 4;
const int kWaddle = 5;  // degrees
const int kChosenFish = 13;
const int kScore = 95;

// Game-wide values kept in player 0's row.
const int kLastFish = 55;
const int kEndTimer = 66;

const int kPanelWidth = 96;
const int kFishCode = 5;
const float kEdge = 8;
const float kTopSpeed = 2;
const float kPush = 0.5f;
const float kBrake = 0.3f;
const float kSmallestInput = 0.2f;
const float kWaddleTilt = 12;
const float kFleeRange = 64;
const float kCatchRange = 16;
const float kFleeFrames = 10;
const float kShortestSwim = 20;
const float kSwimSpread = 30;
const float kNarrowestMargin = 32;
const float kMarginSpread = 48;
const int kSparks = 8;
const int kSparkKind = 1;
const int kWhite = 9;
const float kSparkSpeed = 3;
const int kCatchSound = 14;
const int kEndFrames = 90;

struct Pool {
  float width, height;
};

// The pool is the screen left of the score panel; with the panel hidden it is the whole
// screen.
Pool PoolOf(const c_MyApp& app) { return {zr_TinselJumble_jscrw - app.m_panelWidth, zr_TinselJumble_jscrh}; }

float Clamped(float value, float low, float high) { return std::fmin(std::fmax(value, low), high); }

float TowardsZero(float value, float step) {
  if (value > 0) return std::fmax(value - step, 0.0f);
  return std::fmin(value + step, 0.0f);
}

// The stick pushes the velocity; an axis left (nearly) alone brakes to a stop.
void Accelerate(float& velocity, float input) {
  velocity = Clamped(velocity + input * kPush, -kTopSpeed, kTopSpeed);
  if (std::fabs(input) < kSmallestInput) velocity = TowardsZero(velocity, kBrake);
}

float* FishAt(c_MyApp& app, int fish) { return app.m_objects.Data() + fish * kObjectStride; }

// The table holds the number of the last fish; only the fixed objects 0..49 can be fish.
int LastFish(c_MyApp& app) { return static_cast<int>(Clamped(app.m_players[kLastFish], 0, 49)); }

// A new fish for a computer player: the one drawn, or when that one is caught already the
// next still in the pool after it, so the chase is never wasted on an empty spot.
int ChooseFish(c_MyApp& app) {
  int lastFish = LastFish(app);
  int drawn = app.p_Rand(0, static_cast<float>(lastFish));
  for (int step = 0; step <= lastFish; ++step) {
    int fish = (drawn + step) % (lastFish + 1);
    if (FishAt(app, fish)[kInPool] != 0) return fish;
  }
  return drawn;
}

// A computer heads straight for its fish on both axes, choosing another when its fish
// is caught and now and then on a whim.
void ComputerInput(c_MyApp& app, float* row, float& inputX, float& inputY) {
  int chosen = static_cast<int>(Clamped(row[kChosenFish], 0, static_cast<float>(LastFish(app))));
  if (FishAt(app, chosen)[kInPool] == 0 || zr_random_Rnd() * 100 < 1) chosen = ChooseFish(app);
  row[kChosenFish] = static_cast<float>(chosen);
  const float* fish = FishAt(app, chosen);
  inputX = fish[kFishX] > row[kX] ? 1.0f : -1.0f;
  inputY = fish[kFishY] > row[kY] ? 1.0f : -1.0f;
}

void Catch(c_MyApp& app, float* fish, int player) {
  app.m_players[player * kStride + kScore] += 1;
  for (int spark = 0; spark < kSparks; ++spark) {
    app.p_ThrowParticle(fish[kFishX], fish[kFishY], kSparkKind, kWhite, spark * 360.0f / kSparks, kSparkSpeed);
    app.p_PlaySFX(kCatchSound);
  }
  fish[kInPool] = 0;
}

}  // namespace

void c_MyApp::p_LoadGame_C2() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kPanelWidth;
  Pool pool = PoolOf(*this);
  int left = static_cast<int>(pool.width / 4);
  int right = static_cast<int>(3 * pool.width / 4);
  int top = static_cast<int>(pool.height / 4);
  int bottom = static_cast<int>(3 * pool.height / 4);
  p_Start(0, left, top);
  p_Start(1, right, bottom);
  p_Start(2, left, bottom);
  p_Start(3, right, top);
  m_players[kLastFish] = kFishCount - 1;
  for (int i = 0; i < kFishCount; ++i) {
    float* fish = FishAt(*this, i);
    fish[kInPool] = 1;
    fish[kFishX] = pool.width / 2;
    fish[kFishY] = pool.height / 2;
    // Every fish keeps the narrowest margin until it first picks one of its own.
    fish[kWallMargin] = kNarrowestMargin;
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_C2() {
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  p_DoSnow(easeX, easeY);
  p_ResetDraw();

  Pool pool = PoolOf(*this);
  for (int p = 0; p < kPlayers; ++p) {
    float* row = m_players.Data() + p * kStride;
    p_SetRot(-std::sin(row[kWaddle] * D2R) * kWaddleTilt);
    p_DrawGfx(row[kX], row[kY], p);
    p_ResetDraw();

    float inputX = 0;
    float inputY = 0;
    if (m_pad[p] == 0) {
      ComputerInput(*this, row, inputX, inputY);
    } else if (m_pad[p] >= -1) {
      inputX = p_Control(1, p);
      inputY = p_Control(2, p);
    }
    if (m_introTimer > 0) inputX = inputY = 0;

    Accelerate(row[kVx], inputX);
    Accelerate(row[kVy], inputY);
    row[kWaddle] = std::fmod(row[kWaddle] + 4 * std::fabs(row[kVy]) + std::fabs(row[kVx]), 360.0f);
    row[kX] = Clamped(row[kX] + row[kVx], kEdge, pool.width - kEdge);
    row[kY] = Clamped(row[kY] + row[kVy], kEdge, pool.height - kEdge);
  }

  int lastFish = LastFish(*this);
  int inPool = 0;
  for (int i = 0; i <= lastFish; ++i) {
    float* fish = FishAt(*this, i);
    if (fish[kInPool] == 0) continue;

    if (zr_random_Rnd() * 100 < 1) {
      fish[kSwimDirection] = zr_random_Rnd() * 360;
      fish[kSwimTimer] = kShortestSwim + zr_random_Rnd() * kSwimSpread;
    }
    // Players in number order, so of two touching the same fish the lower number has it.
    for (int q = 0; q < kPlayers && fish[kInPool] != 0; ++q) {
      float dx = fish[kFishX] - m_players[q * kStride + kX];
      float dy = fish[kFishY] - m_players[q * kStride + kY];
      if (std::fabs(dx) < kFleeRange && std::fabs(dy) < kFleeRange) {
        fish[kSwimDirection] = std::atan2(dx, -dy) * R2D;
        fish[kSwimTimer] = kFleeFrames;
      }
      if (std::fabs(dx) < kCatchRange && std::fabs(dy) < kCatchRange) Catch(*this, fish, q);
    }
    if (fish[kInPool] == 0) continue;

    if (fish[kSwimTimer] > 0) {
      fish[kSwimTimer] -= 1;
      float heading = fish[kSwimDirection] * D2R;
      fish[kFishVx] = Clamped(fish[kFishVx] + std::sin(heading) * kPush, -kTopSpeed, kTopSpeed);
      fish[kFishVy] = Clamped(fish[kFishVy] - std::cos(heading) * kPush, -kTopSpeed, kTopSpeed);
    } else {
      fish[kFishVx] = TowardsZero(fish[kFishVx], kBrake);
      fish[kFishVy] = TowardsZero(fish[kFishVy], kBrake);
    }
    if (zr_random_Rnd() * 32 < 1) fish[kWallMargin] = kNarrowestMargin + zr_random_Rnd() * kMarginSpread;

    fish[kFishX] += fish[kFishVx];
    fish[kFishY] += fish[kFishVy];
    float margin = fish[kWallMargin];
    if (fish[kFishX] < margin) fish[kFishVx] = std::fabs(fish[kFishVx]);
    if (fish[kFishX] > pool.width - margin) fish[kFishVx] = -std::fabs(fish[kFishVx]);
    if (fish[kFishY] < margin) fish[kFishVy] = std::fabs(fish[kFishVy]);
    if (fish[kFishY] > pool.height - margin) fish[kFishVy] = -std::fabs(fish[kFishVy]);
    fish[kFishX] = Clamped(fish[kFishX], kEdge, pool.width - kEdge);
    fish[kFishY] = Clamped(fish[kFishY], kEdge, pool.height - kEdge);

    // The art faces right; a fish swimming left is drawn mirrored.
    p_SetSize(fish[kFishVx] < 0 ? -1.0f : 1.0f, 1);
    p_DrawGfx(fish[kFishX], fish[kFishY], kFishCode);
    p_ResetDraw();
    ++inPool;
  }

  if (inPool == 0) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
