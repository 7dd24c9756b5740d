// Game S, "Senseless Soccer": four players run about a green pitch with one ball. Each
// player owns a net on the top or bottom edge, and a ball that enters a net scores for
// that net's owner, whoever kicked it, so a player wants the ball in its own net. The
// ball rolls with friction, bounces off the walls and is nudged off a wall when it slows
// there, so it always comes back within the players' reach. The first to five goals ends
// the round about a second later; goals and kicks go on during that second.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

const int kStride = 100;

// Player fields.
const int kX = 1;
const int kY = 2;
const int kKickLatch = 7;  // 1 after a kick until the kick input is let go
const int kTargetX = 11;   // the computer's target point
const int kTargetY = 12;
const int kAimOffset = 15;  // the computer's aim offset in degrees
const int kRunSpeed = 16;   // the computer's running speed
const int kKickTimer = 17;  // frames the kicking sprite still shows
const int kTilt = 25;
const int kTiltTarget = 26;
const int kGoals = 95;

// The ball and the end timer live in player 0's row.
const int kBallX = 51;
const int kBallY = 52;
const int kBallVx = 53;
const int kBallVy = 54;
const int kBallHeading = 55;  // degrees, 0 up, clockwise
const int kBallSpeed = 56;
const int kEndTimer = 66;

const int kPanelWidth = 96;
const int kGoalsToWin = 5;
const int kEndFrames = 60;
const int kFireA = 10;

// The ball's centre keeps this far from the edges; a slow ball inside the nudge band is
// pushed off the wall, and the players are held inside the same band.
const float kWallGap = 4;
const float kBand = 24;
const float kNudge = 0.2f;
const float kFriction = 0.1f;
const float kBallRadius = 6;

const float kKickSpeed = 8;
const float kKickReach2 = 18 * 18;
const int kKickFrames = 30;
// A kick thumps and a goal chimes, at a fixed pitch: a random one would draw from the
// generator and change every later draw of the round.
const int kKickSound = 4;
const int kGoalSound = 14;
const float kHumanSpeed = 2;
const int kRunningSprite = 8;  // graphic codes; the player number is added
const int kKickingSprite = 44;

// The computer closes in from 64 pixels behind the ball, then from 6 once within 72,
// and shoots when within 12 and lined up with its net to 20 degrees.
const float kNearBall2 = 72 * 72;
const float kShotRange2 = 12 * 12;
const int kLinedUp = 20;

struct Net {
  float across;  // centre as a fraction of the pitch width
  bool bottom;
  float red, green, blue;  // the outer ring; each ring inwards is 1.7 times brighter
  float confettiAngle;     // into the pitch
};
const Net kNets[4] = {
    {0.25f, false, 50, 0, 0, 180},
    {0.75f, true, 0, 25, 50, 0},
    {0.75f, false, 50, 50, 0, 180},
    {0.25f, true, 0, 50, 0, 0},
};

struct Pitch {
  float width;  // the area left of the score panel
  float height;
};

Pitch PitchOf(const c_MyApp& app) {
  return {zr_TinselJumble_jscrw - static_cast<float>(app.m_panelWidth), zr_TinselJumble_jscrh};
}

int NetCentreX(int p, const Pitch& pitch) { return static_cast<int>(pitch.width * kNets[p].across); }
int NetY(int p, const Pitch& pitch) {
  return kNets[p].bottom ? static_cast<int>(pitch.height - kWallGap) : static_cast<int>(kWallGap);
}
int NetWidth(const Pitch& pitch) { return static_cast<int>(pitch.height * 0.2f); }

// Degrees from one point towards another, 0 up and clockwise. The differences are taken
// so that a point to itself gives atan2(+0, +0) = 0: a kick from on top of the ball
// sends it straight up.
float HeadingTo(float fromX, float fromY, float toX, float toY) {
  return std::atan2(toX - fromX, fromY - toY) * R2D;
}

bool Chance(float odds) { return zr_random_Rnd() < odds; }

// One step towards a target on one axis, never past it.
float StepTowards(float value, float target, float step) {
  if (value < target) return std::min(value + step, target);
  if (value > target) return std::max(value - step, target);
  return value;
}

void RollBall(float* ball, const Pitch& pitch) {
  float heading = ball[kBallHeading] * D2R;
  float vx = std::sin(heading) * ball[kBallSpeed];
  float vy = -std::cos(heading) * ball[kBallSpeed];
  float x = ball[kBallX] + vx;
  float y = ball[kBallY] + vy;
  if (x < kWallGap) {
    x = kWallGap;
    vx = std::fabs(vx);
  }
  if (x > pitch.width - kWallGap) {
    x = pitch.width - kWallGap;
    vx = -std::fabs(vx);
  }
  if (y < kWallGap) {
    y = kWallGap;
    vy = std::fabs(vy);
  }
  if (y > pitch.height - kWallGap) {
    y = pitch.height - kWallGap;
    vy = -std::fabs(vy);
  }
  if (x < kBand && std::fabs(vx) < kNudge) vx = kNudge;
  if (y < kBand && std::fabs(vy) < kNudge) vy = kNudge;
  if (x > pitch.width - kBand && std::fabs(vx) < kNudge) vx = -kNudge;
  if (y > pitch.height - kBand && std::fabs(vy) < kNudge) vy = -kNudge;

  float speed = std::sqrt(vx * vx + vy * vy) - kFriction;
  ball[kBallHeading] = HeadingTo(0, 0, vx, vy);
  if (speed < kFriction) {
    speed = 0;
    ball[kBallHeading] = 0;
  }
  ball[kBallSpeed] = speed;
  ball[kBallX] = x;
  ball[kBallY] = y;
  ball[kBallVx] = vx;
  ball[kBallVy] = vy;
}

// Counts towards the round's end once this net's owner has won, draws the net and
// scores a ball that has entered it.
void PlayNet(c_MyApp& app, int p) {
  Pitch pitch = PitchOf(app);
  const Net& net = kNets[p];
  float* ball = app.m_players.Data();
  float& goals = app.m_players[p * kStride + kGoals];
  if (goals > kGoalsToWin - 1) ball[kEndTimer] += 1;

  int width = NetWidth(pitch);
  int left = NetCentreX(p, pitch) - width / 2;
  float y = static_cast<float>(NetY(p, pitch));
  float red = net.red, green = net.green, blue = net.blue;
  for (int ring = 3; ring >= 0; --ring) {
    app.p_SetCol(red, green, blue, kNotGiven);
    app.p_Rect(left - ring, y - ring, width + 2.0f * ring, 2.0f * ring);
    red *= 1.7f;
    green *= 1.7f;
    blue *= 1.7f;
  }
  app.p_ResetDraw();

  if (!(ball[kBallX] > left && ball[kBallX] < left + width && std::fabs(ball[kBallY] - y) < 6)) return;
  for (int n = 0; n < 51; ++n) {
    int kind = app.p_Rand(1, 9);
    float x = left + zr_random_Rnd() * width;
    float angle = net.confettiAngle + zr_random_Rnd() * 24 - 12;
    float speed = 5 + zr_random_Rnd() * 7;
    app.p_ThrowParticle(x, y, kind, 1, angle, speed);
  }
  goals += 1;
  app.p_PlaySFX(kGoalSound, 1, 1, 0);
  ball[kBallX] = 100 + zr_random_Rnd() * (pitch.width - 200);
  ball[kBallY] = 64 + zr_random_Rnd() * (pitch.height - 128);
  ball[kBallVx] = 0;
  ball[kBallVy] = 0;
  ball[kBallHeading] = 0;
  ball[kBallSpeed] = 0;
  for (float ringSpeed : {2.0f, 4.0f}) {
    for (int k = 0; k < 16; ++k) app.p_ThrowParticle(ball[kBallX], ball[kBallY], 9, 4, k * 22.5f, ringSpeed);
  }
}

// One player's frame: wobble and draw, keep inside the band, run (by stick or by the
// computer's plan) and kick.
void PlayPlayer(c_MyApp& app, int p) {
  Pitch pitch = PitchOf(app);
  float* row = app.m_players.Data() + p * kStride;
  float* ball = app.m_players.Data();
  int source = app.m_pad[p];
  bool playing = app.m_introTimer < 1;

  if (Chance(1.0f / 5)) row[kTiltTarget] = zr_random_Rnd() * 16 - 8;
  row[kTilt] += (row[kTiltTarget] - row[kTilt]) / 4;
  app.p_SetRot(-row[kTilt]);
  app.p_DrawGfx(row[kX], row[kY], (row[kKickTimer] > 0 ? kKickingSprite : kRunningSprite) + p);
  app.p_ResetDraw();

  row[kX] = std::min(std::max(row[kX], kBand), pitch.width - kBand);
  row[kY] = std::min(std::max(row[kY], kBand), pitch.height - kBand);

  if (playing && source >= -1) {
    row[kX] += kHumanSpeed * app.p_Control(1, p);
    row[kY] += kHumanSpeed * app.p_Control(2, p);
  }

  bool wantsKick = false;
  if (source == 0) {
    if (Chance(1.0f / 60)) row[kAimOffset] = zr_random_Rnd() * 32 - 16;
    if (Chance(1.0f / 60)) row[kRunSpeed] = 1.5f + zr_random_Rnd() * 0.7f;
    // The heading that carries the ball away from this player's net; the computer gets
    // behind the ball on that side and kicks back along it.
    float away = HeadingTo(static_cast<float>(NetCentreX(p, pitch)), static_cast<float>(NetY(p, pitch)),
                           ball[kBallX], ball[kBallY]);
    float dx = ball[kBallX] - row[kX];
    float dy = ball[kBallY] - row[kY];
    float distance2 = dx * dx + dy * dy;
    bool nearBall = distance2 < kNearBall2;
    float behind = nearBall ? 6.0f : 64.0f;
    int turn = app.m_WhichWayDoIGo(HeadingTo(row[kX], row[kY], ball[kBallX], ball[kBallY]), away + 180, 0, 359);
    if (distance2 < kShotRange2) {
      if (std::abs(turn) < kLinedUp && Chance(6.0f / 10)) {
        wantsKick = true;
      } else if (app.p_Rand(0, 60) < 6) {
        wantsKick = true;
      }
    }
    if (Chance(3.0f / 60) || (nearBall && Chance(1.0f / 10))) {
      float aim = (away + row[kAimOffset]) * D2R;
      row[kTargetX] = ball[kBallX] + std::sin(aim) * behind;
      row[kTargetY] = ball[kBallY] - std::cos(aim) * behind;
    }
    if (playing) {
      row[kX] = StepTowards(row[kX], row[kTargetX], row[kRunSpeed]);
      row[kY] = StepTowards(row[kY], row[kTargetY], row[kRunSpeed]);
    }
  } else {
    wantsKick = playing && app.p_PlayKey(kFireA, 0, source) != 0;
  }

  float dx = ball[kBallX] - row[kX];
  float dy = ball[kBallY] - row[kY];
  if (wantsKick && dx * dx + dy * dy < kKickReach2 && row[kKickLatch] == 0) {
    ball[kBallHeading] = HeadingTo(row[kX], row[kY], ball[kBallX], ball[kBallY]);
    ball[kBallSpeed] = kKickSpeed;
    row[kKickLatch] = 1;
    row[kKickTimer] = kKickFrames;
    app.p_PlaySFX(kKickSound, 1, 0.6f, 0);
  } else {
    row[kKickTimer] = std::max(row[kKickTimer] - 1, 0.0f);
  }
  if (!wantsKick) row[kKickLatch] = 0;
}

}  // namespace

void c_MyApp::p_LoadGame_S() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kPanelWidth;
  Pitch pitch = PitchOf(*this);
  int nearX = static_cast<int>(pitch.width * 0.25f);
  int farX = static_cast<int>(pitch.width * 0.75f);
  int bottomY = static_cast<int>(pitch.height - 32);
  p_Start(0, nearX, 32);
  p_Start(1, farX, bottomY);
  p_Start(2, farX, 32);
  p_Start(3, nearX, bottomY);
  for (int p = 0; p < 4; ++p) {
    m_players[p * kStride + kTargetX] = pitch.width / 2;
    m_players[p * kStride + kTargetY] = pitch.height / 2;
  }
  m_players[kBallX] = pitch.width / 2;
  m_players[kBallY] = pitch.height / 2;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_S() {
  m_bgTargetR = 30;
  m_bgTargetG = 180;
  m_bgTargetB = 30;
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;

  Pitch pitch = PitchOf(*this);
  float* ball = m_players.Data();
  RollBall(ball, pitch);

  for (int p = 0; p < 4; ++p) PlayNet(*this, p);
  for (int p = 0; p < 4; ++p) PlayPlayer(*this, p);
  // The ball goes over the players: a computer waits just behind it and would hide it.
  p_ResetDraw();
  p_Oval(ball[kBallX], ball[kBallY], kBallRadius, kBallRadius);

  if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  p_DoParticles(1);
  p_ScoreDisplay(1, 0.5f);
}
