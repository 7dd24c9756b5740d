// Game Q, "Quartz Rocks": the four players stand on the bottom edge of the screen and
// slide left and right on the ice while quartz rocks tumble down from above. One touch of
// a rock and a player is out. A rock that falls past the bottom is thrown back in above
// the screen, and every rock thrown back makes all of them fall a little faster. Players
// score a point for each frame they last, so the last one standing wins; the round ends
// a second after at most one is left.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Player fields.
const int kStride = 100;
const int kX = 1;
const int kY = 2;  // never changes
const int kVelX = 3;
const int kTargetX = 11;    // the computer's target x
const int kStartY = 12;
const int kDodgeLeft = 15;  // the computer's dodge preference: 1 left, 0 right
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kLastRock = 55;
const int kFallFactor = 56;
const int kEndTimer = 66;

// Rocks are objects 0..100; only 0..(the last rock) ever fall. Object fields.
const int kObjectStride = 10;
const int kKind = 0;  // 1..4, the look
const int kRockX = 1;
const int kRockY = 2;
const int kFallSpeed = 3;
const int kRotation = 5;  // degrees
const int kSpin = 6;

const int kPlayers = 4;
const int kRocksMade = 101;
const float kRocksInPlay = 30;
const float kStartFallFactor = 0.5f;
const float kSpeedUpPerRock = 0.001f;
const float kRaised = 32;       // players stand this far above the bottom edge
const float kEdge = 32;         // players and their targets keep this far from the sides
const float kDropEdge = 16;     // a rock thrown back in comes down this far from the sides
const float kBelowScreen = 128; // a rock this far below the screen is thrown back in
const float kContact = 20;      // a rock this close on both axes knocks a player out
const float kTopSpeed = 8;
const float kPush = 0.25f;
const float kFriction = 0.5f;
const float kSmallestStick = 0.25f;
const int kEndFrames = 60;

// A night sky over a strip of ice whose top the players' feet rest on.
const int kSkyColour = 6;  // blue, darkened
const float kSkyBrightness = 0.25f;
const float kIceDepth = 14;

// Graphic codes: sheet 3 frames 20..23 the players, 48..51 the rocks.
const int kPlayerCode = 212;
const int kRockCodeBeforeKind = 239;
const float kPlayerScale = 2;

// The computer player: how far it looks for rocks, and how far it hops aside.
const float kArrived = 5;
const float kWhimSpread = 64;
const float kDangerWidth = 36;
const float kDangerHeight = 120;  // above the bottom edge: rocks this low are watched
const float kLandingHeight = 60;  // and rocks this low are about to land
const float kDodgeStep = 4;
const float kShortHop = 32;

const int kAxisX = 1;
const int kHurtSound = 9;
const int kBlastSound = 6;
const int kSparkKind = 1;
const int kSparkPairs = 21;
const float kSlowSpark = 6;
const float kFastSpark = 9;

// Drawn under everything else, so rocks fall in front of it.
void DrawIce(c_MyApp& app) {
  float top = zr_TinselJumble_jscrh - kIceDepth;
  float width = zr_TinselJumble_jscrw + 256;
  app.p_SetCol(150, 200, 240, 0.8f);
  app.p_Rect(-128, top, width, kIceDepth + 128);
  app.p_SetCol(230, 245, 255, 1);
  app.p_Rect(-128, top, width, 2);
  app.p_ResetDraw();
}

float* PlayerOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float* RockOf(c_MyApp& app, int j) { return app.m_objects.Data() + j * kObjectStride; }

// The table says how many rocks fall; only those made at set-up can.
int LastRock(c_MyApp& app) {
  float last = app.m_players[kLastRock];
  if (!(last >= 0)) return -1;
  return static_cast<int>(zr_math_Min2(last, static_cast<float>(kRocksMade - 1)));
}

float RightLimit(const c_MyApp& app) { return zr_TinselJumble_jscrw - app.m_panelWidth - kEdge; }

// A rock's look, fall speed and spin, in the order they are drawn from the generator
// with its x in between.
int RockKind() { return static_cast<int>(std::floor(zr_random_Rnd() * 3.99f + 1)); }
float RockSpeed() { return zr_random_Rnd() * 3 + 2; }
float RockSpin() { return zr_random_Rnd() * 10 - 5; }

// The computer's stick and target: head for the target, wander now and then, and shift
// the target away from rocks coming down over it. A rock about to land half-way to a far
// target makes it hop 32 pixels the other way from the side it prefers instead.
float ComputerStick(c_MyApp& app, float* player) {
  float x = player[kX];
  float target = player[kTargetX];
  float stick = 0;
  if (target < x - 4) stick = -1;
  if (target > x + 4) stick = 1;
  if (std::fabs(x - target) < kArrived) stick = 0;
  if (zr_random_Rnd() * 50 < 1) target += zr_random_Rnd() * kWhimSpread - kWhimSpread / 2;
  bool dodgeLeft = player[kDodgeLeft] == 1;
  float screenH = zr_TinselJumble_jscrh;
  for (int j = 0; j <= LastRock(app); ++j) {
    const float* rock = RockOf(app, j);
    if (std::fabs(rock[kRockX] - target) < kDangerWidth && rock[kRockY] > screenH - kDangerHeight) {
      // Away from the rock; only a target right under it goes the way the player prefers.
      bool left = target < rock[kRockX] || (target == rock[kRockX] && dodgeLeft);
      target += left ? -kDodgeStep : kDodgeStep;
    }
    float halfWay = static_cast<float>(static_cast<int>((target - x) * 0.5f + x));
    if (std::fabs(rock[kRockX] - halfWay) < kDangerWidth && rock[kRockY] > screenH - kLandingHeight &&
        std::fabs(target - x) > kShortHop)
      target = dodgeLeft ? x + kShortHop : x - kShortHop;
  }
  player[kTargetX] = target;
  return stick;
}

// One living player: drawn, steered, kept between the side limits and slid along.
void MovePlayer(c_MyApp& app, int p) {
  float* player = PlayerOf(app, p);
  app.p_ResetDraw();
  app.p_SetSize(kPlayerScale);
  app.p_DrawGfx(player[kX], player[kY], kPlayerCode + p);
  app.p_ResetDraw();

  int pad = app.m_pad[p];
  float stick = pad >= -1 ? app.p_Control(kAxisX, p) : 0;
  if (zr_random_Rnd() * 100 < 2) player[kDodgeLeft] = static_cast<float>(app.p_Rand(0, 1));
  if (pad == 0) stick = ComputerStick(app, player);

  float right = RightLimit(app);
  if (player[kTargetX] < kEdge) {
    player[kTargetX] = kEdge;
    player[kDodgeLeft] = 0;
  }
  if (player[kTargetX] > right) {
    player[kTargetX] = right;
    player[kDodgeLeft] = 1;
  }

  if (app.m_introTimer >= 2) stick = 0;
  float push = stick * kPush;
  // The wall stops the player but leaves its velocity alone, so it still has to brake.
  player[kX] = zr_math_Min2(zr_math_Max2(player[kX] + player[kVelX], kEdge), right);
  float& velocity = player[kVelX];
  velocity = zr_math_Min2(zr_math_Max2(velocity + push, -kTopSpeed), kTopSpeed);
  if (std::fabs(stick) < kSmallestStick) {
    if (velocity > 0) velocity = zr_math_Max2(velocity - kFriction, 0.0f);
    if (velocity < 0) velocity = zr_math_Min2(velocity + kFriction, 0.0f);
  }
}

void KnockOut(c_MyApp& app, float* player) {
  player[kAlive] = 0;
  app.p_PlaySFX(kHurtSound);
  app.p_PlaySFX(kBlastSound);
  for (int n = 0; n < kSparkPairs; ++n) {
    app.p_ThrowParticle(player[kX], player[kY], kSparkKind, app.p_Rand(1, 9), kNotGiven, kSlowSpark);
    app.p_ThrowParticle(player[kX], player[kY], kSparkKind, app.p_Rand(1, 9), kNotGiven, kFastSpark);
  }
}

// A rock that has fallen out of sight comes back above the screen with a new look, place,
// speed and spin, and makes every rock fall a little faster.
void ThrowBack(c_MyApp& app, float* rock) {
  app.m_players[kFallFactor] += kSpeedUpPerRock;
  rock[kKind] = static_cast<float>(RockKind());
  rock[kRockX] = static_cast<float>(app.p_Rand(kDropEdge, zr_TinselJumble_jscrw - app.m_panelWidth - kDropEdge));
  rock[kRockY] = zr_random_Rnd() * -64 - 32;
  rock[kFallSpeed] = RockSpeed();
  rock[kSpin] = RockSpin();
}

void DropRocks(c_MyApp& app) {
  float screenH = zr_TinselJumble_jscrh;
  for (int j = 0; j <= LastRock(app); ++j) {
    float* rock = RockOf(app, j);
    app.p_SetRot(rock[kRotation]);
    app.p_DrawGfx(rock[kRockX], rock[kRockY], kRockCodeBeforeKind + static_cast<int>(rock[kKind]));
    app.p_ResetDraw();
    for (int q = 0; q < kPlayers; ++q) {
      float* player = PlayerOf(app, q);
      if (std::fabs(rock[kRockX] - player[kX]) < kContact && std::fabs(rock[kRockY] - player[kY]) < kContact &&
          player[kAlive] > 0)
        KnockOut(app, player);
    }
    rock[kRotation] += rock[kSpin];
    if (app.m_introTimer < 1) rock[kRockY] += rock[kFallSpeed] * app.m_players[kFallFactor];
    if (rock[kRockY] > screenH + kBelowScreen) ThrowBack(app, rock);
  }
}

}  // namespace

void c_MyApp::p_LoadGame_Q() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = 0;
  int startY = static_cast<int>(zr_TinselJumble_jscrh - kRaised);
  for (int p = 0; p < kPlayers; ++p) {
    // Spread evenly over the screen, at a fifth, two fifths ... of its width.
    int startX = static_cast<int>(zr_TinselJumble_jscrw * (p + 1) / 5);
    p_Start(p, startX, startY);
    PlayerOf(*this, p)[kTargetX] = static_cast<float>(startX);
    PlayerOf(*this, p)[kStartY] = static_cast<float>(startY);
  }
  m_players[kLastRock] = kRocksInPlay;
  m_players[kFallFactor] = kStartFallFactor;
  // The rocks wait above the screen in a column, each 24 to 64 pixels above the last.
  float y = -32;
  for (int j = 0; j < kRocksMade; ++j) {
    float* rock = RockOf(*this, j);
    rock[kKind] = static_cast<float>(RockKind());
    rock[kRockX] = static_cast<float>(p_Rand(kEdge, zr_TinselJumble_jscrw - kEdge));
    rock[kFallSpeed] = RockSpeed();
    rock[kSpin] = RockSpin();
    rock[kRockY] = y;
    y = static_cast<float>(static_cast<int>(y - (zr_random_Rnd() * 40 + 24)));
  }
  p_SetBG(kSkyColour, kSkyBrightness);
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_Q() {
  p_ResetDraw();
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  // The snow falls a little faster than the camera moves.
  p_DoSnow(easeX, easeY + 2);
  DrawIce(*this);

  int standing = 0;
  for (int p = 0; p < kPlayers; ++p) {
    if (PlayerOf(*this, p)[kAlive] <= 0) continue;
    ++standing;
    MovePlayer(*this, p);
  }
  if (standing < 2) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }

  DropRocks(*this);
  p_DoParticles(1);
  p_ScoreDisplay();
}
