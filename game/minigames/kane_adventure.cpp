// Game K, "Kane Adventure": each player runs in a lane of its own while the ground, and
// the cacti on it, scroll from right to left ever faster. The only control is jump; a
// runner that meets a cactus without enough height is out and slides away with the
// ground. Living runners score a point a frame, so the last one running wins, and the
// round ends a second after at most one is left. A jump always covers the same stretch
// of ground: its arc advances by the scroll speed each frame.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Lane p's cells are the grid floats p * 100 + 0..99: 1 a cactus, 0 open ground.
const int kLaneCells = 100;
const float kCellWidth = 32;
const int kScreenCells = 31;  // cells drawn each frame, from the one under the offset
const int kCellsBehind = 4;   // lane cell k + 4 is drawn in screen cell k

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kJumpAngle = 5;  // degrees: 0 on the ground, rising to 180 over a jump
const int kJumpLatch = 6;
const int kCellsToCactus = 9;  // cells until the lane may get its next cactus
const int kRunCycle = 15;
const int kJumpRequest = 25;  // the computer runner's wish to jump this frame
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kSpeed = 55;  // scroll in pixels a frame
const int kSpeedUpTimer = 56;
const int kOffset = 57;  // scroll within a cell, kept from -128 to -96
const int kEndTimer = 65;

const int kRunnerX = 64;
const float kStartSpeed = 4;  // the speed the ground gains quickly at the start
const float kSpeedStep = 0.1f;
const float kSpeedUpFrames = 97;
const float kOffsetLimit = -128;
const float kDepthStretch = 0.025f;  // lower lanes scroll this much faster per lane
const float kJumpHeight = 128;
const float kClearance = 32;  // a runner this high passes over a cactus
const float kReach = 24;      // a cactus closer than this touches the runner
const float kLookAhead = 96;
const float kLookWindow = 32;
const float kJumpChanceInTen = 2;
const float kLean = 30;
const float kRunFramesPerSpeed = 0.05f;
const float kFarthestSlide = -256;
const int kEndFrames = 60;

const int kFireA = 7;
const int kCactusImage = 1;
const int kCactusFrame = 48;
const int kRunnerArt = 128;  // sheet 2: runner p's frames are 7p .. 7p + 6
const int kRunnerFrames = 7;
const int kAirFrame = 6;
const float kArtScale = 2;
const float kSpriteLift = 24;  // runners and cacti stand this far above the ground line

const int kCrashSound = 2;
const int kJumpSound = 3;
const int kLandSound = 4;
const int kLastOneSound = 8;

float* RunnerOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float* LaneOf(c_MyApp& app, int p) { return app.m_grid.Data() + p * kLaneCells; }

float GroundOf(int p) { return zr_TinselJumble_jscrh - 220 + 64 * p; }

bool Alive(const float* runner) { return runner[kAlive] > 0; }

// Every lane moves one cell to the left and gets a new last cell: a cactus, by chance
// once the lane's gap allows one, and for certain once the gap is 3 cells past that.
void ShiftLanes(c_MyApp& app) {
  for (int p = 0; p < kPlayers; ++p) {
    float* runner = RunnerOf(app, p);
    float* lane = LaneOf(app, p);
    runner[kCellsToCactus] -= 1;
    for (int cell = 0; cell < kLaneCells - 1; ++cell) lane[cell] = lane[cell + 1];
    lane[kLaneCells - 1] = 0;
    bool chance = zr_random_Rnd() * 6 < 1;
    if ((chance && runner[kCellsToCactus] < 1) || runner[kCellsToCactus] < -2) {
      lane[kLaneCells - 1] = 1;
      runner[kCellsToCactus] = zr_random_Rnd() * 3 + 5;
    }
  }
}

// Draws lane p's cacti; one that meets its runner too low kills it, and one just ahead
// may make the runner want to jump.
void RunPastCacti(c_MyApp& app, int p, float offset) {
  float* runner = RunnerOf(app, p);
  const float* lane = LaneOf(app, p);
  float ground = GroundOf(p);
  float stretch = 1 + kDepthStretch * p;
  for (int k = 0; k < kScreenCells; ++k) {
    if (lane[k + kCellsBehind] != 1) continue;
    float x = (k * kCellWidth + offset) * stretch;
    app.p_SetSize(kArtScale);
    app.p_DrawImg(kCactusImage, x, ground - kSpriteLift, kCactusFrame);
    app.p_ResetDraw();
    if (!Alive(runner)) continue;
    float height = std::sin(runner[kJumpAngle] * D2R) * kJumpHeight;
    if (std::fabs(x - runner[kX]) < kReach && height < kClearance) {
      runner[kAlive] = 0;
      app.p_PlaySFX(kCrashSound);
      continue;
    }
    // Every living runner looks ahead, so the draws do not depend on who holds a seat.
    if (std::fabs(x - (runner[kX] + kLookAhead)) < kLookWindow && zr_random_Rnd() * 10 < kJumpChanceInTen)
      runner[kJumpRequest] = 1;
  }
}

void DrawRunner(c_MyApp& app, int p, float speed) {
  float* runner = RunnerOf(app, p);
  float angle = runner[kJumpAngle];
  float height = std::sin(angle * D2R) * kJumpHeight;
  bool jumping = angle > 0;
  runner[kRunCycle] += kRunFramesPerSpeed * speed;
  int frame = static_cast<int>(std::floor(runner[kRunCycle])) % kRunnerFrames;
  if (jumping || !Alive(runner)) frame = kAirFrame;
  if (!Alive(runner)) runner[kX] = std::fmax(runner[kX] - speed, kFarthestSlide);
  runner[kY] = GroundOf(p) - height - kSpriteLift;
  // Leaning into the take-off and out of the landing.
  app.p_SetRot(jumping ? -kLean * std::sin((angle - 90) * D2R) : 0);
  app.p_SetSize(kArtScale);
  app.p_DrawGfx(runner[kX], runner[kY], kRunnerArt + kRunnerFrames * p + frame);
  app.p_ResetDraw();
}

bool JumpInput(c_MyApp& app, int p) {
  int source = app.m_pad[p];
  if (source < -1) return false;
  if (source == 0) return RunnerOf(app, p)[kJumpRequest] != 0;
  return app.p_Control(kFireA, p) > 0;
}

}  // namespace

void c_MyApp::p_LoadGame_K() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = 0;
  for (int p = 0; p < kPlayers; ++p) p_Start(p, kRunnerX, static_cast<int>(GroundOf(p) - kSpriteLift));
  // The first cacti come after 46 open cells, then one every 8.
  for (int p = 0; p < kPlayers; ++p) {
    float* lane = LaneOf(*this, p);
    for (int cell = 0; cell < kLaneCells; ++cell) lane[cell] = cell % 8 == 6 && cell > 40 ? 1 : 0;
    RunnerOf(*this, p)[kCellsToCactus] = 8;
  }
  m_players[kSpeed] = 0;
  m_players[kSpeedUpTimer] = 0;
  m_players[kOffset] = 0;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_K() {
  m_bgTargetR = 80;
  m_bgTargetG = 180;
  m_bgTargetB = 255;
  p_ResetDraw();
  m_camX += (m_camTargetX - m_camX) / 8;
  m_camY += (m_camTargetY - m_camY) / 8;
  float& speed = m_players[kSpeed];
  p_DoSnow(-0.75f * speed, 0);

  if (speed < kStartSpeed) speed += kSpeedStep;
  m_players[kSpeedUpTimer] += 1;
  if (m_players[kSpeedUpTimer] >= kSpeedUpFrames) {
    m_players[kSpeedUpTimer] = 0;
    speed += kSpeedStep;
  }

  // Faster than a cell a frame the ground moves several cells at once, so the offset
  // never runs away from the cells it places.
  float& offset = m_players[kOffset];
  offset -= speed;
  while (offset < kOffsetLimit) {
    offset += kCellWidth;
    ShiftLanes(*this);
  }

  int running = 0;
  for (int p = 0; p < kPlayers; ++p) {
    float* runner = RunnerOf(*this, p);
    if (Alive(runner)) ++running;
    runner[kJumpRequest] = 0;
    float ground = GroundOf(p);
    p_SetCol(220 - 20 * p, 180 - 20 * p, 60 - 20 * p);
    p_Rect(-128, ground - 32, zr_TinselJumble_jscrw + 256, 64);
    p_ResetDraw();
    RunPastCacti(*this, p, offset);

    if (runner[kJumpAngle] > 0) {
      runner[kJumpAngle] += speed;
      if (runner[kJumpAngle] >= 180) {
        runner[kJumpAngle] = 0;
        p_PlaySFX(kLandSound);
      }
    }
    DrawRunner(*this, p, speed);

    if (!JumpInput(*this, p)) {
      runner[kJumpLatch] = 0;
    } else if (runner[kJumpLatch] == 0 && m_introTimer < 1 && runner[kJumpAngle] == 0 && Alive(runner)) {
      runner[kJumpAngle] = speed;
      runner[kJumpLatch] = 1;
      p_PlaySFX(kJumpSound);
    }
  }

  if (running < 2) {
    if (m_players[kEndTimer] == 0) p_PlaySFX(kLastOneSound);
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay();
}
