// Game L, "Leaping Frogs": lily pads appear one after another along a path that winds
// across the water, each growing in, then slowly shrinking until it is gone. The frogs
// hop one pad's length at a time, and a frog that is over no pad sinks. Frogs afloat
// score a point a frame, so the last frog left wins; the round ends two seconds after at
// most one is afloat. Pads come faster as the round goes on. The pond is bigger than the
// screen: the camera follows the newest pad, and everything is kept in world positions.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Player fields.
const int kStride = 100;
const int kDestX = 3;  // where the frog's last hop lands, in the world
const int kDestY = 4;
const int kFacing = 5;  // degrees, 0 up, 90 right
const int kDrawnX = 11;  // where the frog is seen, easing towards the destination
const int kDrawnY = 12;
const int kSideLatch = 13;    // 1 from a left or right hop until the stick is let go
const int kUpDownLatch = 14;  // the same for up and down
const int kOverPad = 17;
const int kFacingTarget = 35;
const int kHintX = 81;  // the computer's cue: the newest pad's direction, -1/0/1 per axis
const int kHintY = 82;
const int kAlive = 99;  // > 0 afloat, 0 sinking, -1 gone

// Game-wide values kept in player 0's row.
const int kHeadX = 21;  // where the newest pad was placed
const int kHeadY = 22;
const int kPathDirection = 25;  // 1 up, 2 right, 3 down, 4 left
const int kPadsBeforeTurn = 26;
const int kNextPad = 27;     // frames until the next pad
const int kPadInterval = 28;
const int kEndTimer = 66;
const int kBeat = 80;  // 40 when a pad is placed, running down: the computers' rhythm

// Lily pads are objects 0..100; their fields.
const int kLastPad = 100;
const int kObjectStride = 10;
const int kLife = 0;  // 0 a free slot
const int kPadX = 1;
const int kPadY = 2;
const int kPadRotation = 5;

const int kPlayers = 4;
const float kCentre = 3200;
const float kHop = 80;  // one hop and one step of the path
const float kStartOffset = 20;
const float kFirstPadLife = 110;  // already grown in
const float kNewPadLife = 130;
const float kGrownLife = 110;   // a pad grows in over its first 20 life
const float kFadingLife = 20;   // and shrinks and fades over its last 20
const float kPadShrink = 0.6f;
const float kPadScale = 1.3f;
const float kFullSize = 2;
const float kPadReach = 52;  // a frog is afloat within this of a pad's centre on both axes
const float kFirstInterval = 80;
const float kShortestInterval = 30;
const float kIntervalStep = 2;
const float kBeatStart = 40;
const float kComputerWindow = 20;
const float kStickThreshold = 0.3f;
const float kEase = 4;         // the drawn position covers a quarter of the way a frame
const float kCameraEase = 12;
const float kTurnRate = 16;
const float kSinkSpeed = 4;
const float kSinkDepth = 128;  // below the screen's bottom edge, a sunk frog is gone
const int kEndFrames = 120;
const int kIntroFrames = 160;
const int kPlayMode = 10;

const int kGridColumns = 40;
const int kGridRows = 22;
const float kWaterR = 100, kWaterG = 150, kWaterB = 200;

// Image 4: frames 0..3 the frogs, 4 the lily pad.
const int kFrogCode = 256;
const int kPadImage = 4;
const int kPadFrame = 4;

const int kAxisX = 1;
const int kAxisY = 2;
const int kHopSound = 3;
const int kSinkSound = 9;

enum Direction { kUp = 1, kRight = 2, kDown = 3, kLeft = 4 };

float* FrogOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
float* PadOf(c_MyApp& app, int j) { return app.m_objects.Data() + j * kObjectStride; }

// The keyboard and the joysticks are people; seat 0 (and any other source out of range
// above) is a computer; a seat below -1 belongs to nobody and never hops.
bool IsComputer(int pad) { return pad >= 0 && !c_MyApp::p_IsHumanSource(pad); }

struct Hops {
  bool left = false, right = false, up = false, down = false;
};

// The computer hops the way the newest pad went, at a random moment of the beat's second
// half. The draws are made only for a cue that is set.
Hops ComputerHops(float* frog, float beat) {
  Hops hops;
  if (beat <= 0 || beat >= kComputerWindow) return hops;
  auto take = [frog](bool& hop) {
    hop = true;
    frog[kHintX] = 0;
    frog[kHintY] = 0;
  };
  if (frog[kHintX] == -1 && zr_random_Rnd() * 9 < 2) take(hops.left);
  if (frog[kHintX] == 1 && zr_random_Rnd() * 9 < 2) {
    take(hops.right);
  } else if (frog[kHintY] == -1 && zr_random_Rnd() * 9 < 2) {
    take(hops.up);
  } else if (frog[kHintY] == 1 && zr_random_Rnd() * 9 < 2) {
    take(hops.down);
  }
  return hops;
}

// One hop per push: a latch set by a hop holds until its axis is let go.
void Hop(c_MyApp& app, float* frog, bool wanted, int latch, int axis, float step, float facing) {
  if (!wanted || frog[latch] != 0) return;
  frog[axis] += step;
  frog[kFacingTarget] = facing;
  frog[latch] = 1;
  app.p_PlaySFX(kHopSound);
}

void DrawFrog(c_MyApp& app, int p, const float* frog) {
  app.p_ResetDraw();
  // The art faces up; a frog is turned to face the way it last hopped.
  app.p_SetRot(frog[kFacing]);
  app.p_DrawGfx(frog[kDrawnX] - app.m_camX, frog[kDrawnY] - app.m_camY, kFrogCode + p);
  app.p_ResetDraw();
}

// A frog afloat: drawn, eased towards where it hopped, sunk when over no pad, then its
// hops for this frame and its turn towards them.
void MoveFrog(c_MyApp& app, int p) {
  float* frog = FrogOf(app, p);
  DrawFrog(app, p, frog);
  frog[kDrawnX] += (frog[kDestX] - frog[kDrawnX]) / kEase;
  frog[kDrawnY] += (frog[kDestY] - frog[kDrawnY]) / kEase;

  Hops hops;
  int source = app.m_pad[p];
  // The stick waits for the countdown: from any start place a hop lands in open water,
  // so an eager early press would sink a frog before the round began.
  if (source >= -1 && app.m_introTimer < 1) {
    float x = app.p_Control(kAxisX, p);
    float y = app.p_Control(kAxisY, p);
    hops.left = x < -kStickThreshold;
    hops.right = x > kStickThreshold;
    hops.up = y < -kStickThreshold;
    hops.down = y > kStickThreshold;
  }
  if (IsComputer(source)) hops = ComputerHops(frog, app.m_players[kBeat]);

  if (frog[kOverPad] == 0) {
    frog[kAlive] = 0;
    app.p_PlaySFX(kSinkSound);
  }

  if (!hops.left && !hops.right) frog[kSideLatch] = 0;
  if (!hops.up && !hops.down) frog[kUpDownLatch] = 0;
  // Both axes may hop in one frame: a diagonal push lands a pad away on each.
  Hop(app, frog, hops.left, kSideLatch, kDestX, -kHop, -90);
  Hop(app, frog, hops.right, kSideLatch, kDestX, kHop, 90);
  Hop(app, frog, hops.up, kUpDownLatch, kDestY, -kHop, 0);
  Hop(app, frog, hops.down, kUpDownLatch, kDestY, kHop, 180);

  int turn = app.m_WhichWayDoIGo(frog[kFacing], frog[kFacingTarget], 0, 359);
  frog[kFacing] += zr_math_Max2(-kTurnRate, zr_math_Min2(static_cast<float>(turn), kTurnRate));
}

// A sinking frog drops down the screen, spinning, until it is out of sight.
void SinkFrog(c_MyApp& app, int p) {
  float* frog = FrogOf(app, p);
  frog[kDrawnY] += kSinkSpeed;
  frog[kFacing] += zr_random_Rnd() * 2 + 4;
  if (frog[kDrawnY] - app.m_camY > zr_TinselJumble_jscrh + kSinkDepth) {
    frog[kAlive] = -1;
    return;
  }
  DrawFrog(app, p, frog);
}

// Ages, draws and frees the pads, and marks every frog that is over one.
void UpdatePads(c_MyApp& app) {
  for (int j = 0; j <= kLastPad; ++j) {
    float* pad = PadOf(app, j);
    if (pad[kLife] <= 0) continue;
    if (app.m_introTimer < 1) pad[kLife] -= kPadShrink;
    float life = pad[kLife];
    float size = kFullSize;
    app.p_ResetDraw();
    if (life < kFadingLife) {
      app.p_Alpha(life / kFadingLife);
      size = life / 10;
    }
    if (life > kGrownLife) size = (kNewPadLife - life) / 10;
    app.p_SetSize(size * kPadScale);
    app.p_SetRot(pad[kPadRotation]);
    app.p_DrawImg(kPadImage, pad[kPadX] - app.m_camX, pad[kPadY] - app.m_camY, kPadFrame);

    // Sinking frogs are marked too; only the living read it.
    for (int q = 0; q < kPlayers; ++q) {
      float* frog = FrogOf(app, q);
      if (std::fabs(frog[kDrawnX] - pad[kPadX]) < kPadReach && std::fabs(frog[kDrawnY] - pad[kPadY]) < kPadReach)
        frog[kOverPad] = 1;
    }
    if (pad[kLife] < kPadShrink) pad[kLife] = 0;
  }
  app.p_ResetDraw();
}

// The next pad, one step on from the newest in the path's direction, when a slot is free;
// with all taken the path waits and tries again next frame. The path turns a quarter at
// most, every two to five pads.
void GrowPath(c_MyApp& app) {
  float* game = app.m_players.Data();
  if (app.m_introTimer < 1) game[kNextPad] -= 1;
  if (game[kNextPad] >= 0) return;
  int base = app.p_FreeObj(kLastPad);
  if (base < 0) return;

  int hintX = 0, hintY = 0;
  switch (static_cast<int>(game[kPathDirection])) {
    case kUp: hintY = -1; break;
    case kRight: hintX = 1; break;
    case kDown: hintY = 1; break;
    case kLeft: hintX = -1; break;
  }
  game[kHeadX] += hintX * kHop;
  game[kHeadY] += hintY * kHop;
  game[kBeat] = kBeatStart;
  for (int p = 0; p < kPlayers; ++p) {
    FrogOf(app, p)[kHintX] = static_cast<float>(hintX);
    FrogOf(app, p)[kHintY] = static_cast<float>(hintY);
  }

  float* pad = app.m_objects.Data() + base;
  pad[kLife] = kNewPadLife;
  pad[kPadX] = game[kHeadX];
  pad[kPadY] = game[kHeadY];
  pad[kPadRotation] = zr_random_Rnd() * 360;

  game[kNextPad] = game[kPadInterval];
  game[kPadInterval] = zr_math_Max2(kShortestInterval, game[kPadInterval] - kIntervalStep);

  game[kPadsBeforeTurn] -= 1;
  if (game[kPadsBeforeTurn] < 1) {
    game[kPadsBeforeTurn] = static_cast<float>(app.p_Rand(2, 5));
    int direction = static_cast<int>(game[kPathDirection]) + app.p_Rand(-1, 1);
    if (direction < kUp) direction = kLeft;
    if (direction > kLeft) direction = kUp;
    game[kPathDirection] = static_cast<float>(direction);
  }
}

}  // namespace

void c_MyApp::p_LoadGame_L() {
  p_FreshGame();
  m_panelWidth = 0;
  p_SetGrid(kGridColumns, kGridRows);

  // On screen the players' icons settle round the centre, where the first pad is seen.
  float centreX = zr_TinselJumble_jscrw / 2;
  float centreY = zr_TinselJumble_jscrh / 2;
  int left = static_cast<int>(centreX - kStartOffset);
  int right = static_cast<int>(centreX + kStartOffset);
  int top = static_cast<int>(centreY - kStartOffset);
  int bottom = static_cast<int>(centreY + kStartOffset);
  p_Start(0, left, top);
  p_Start(1, right, bottom);
  p_Start(2, left, bottom);
  p_Start(3, right, top);
  const float worldStarts[kPlayers][2] = {{-1, -1}, {1, 1}, {-1, 1}, {1, -1}};
  for (int p = 0; p < kPlayers; ++p) {
    float* frog = FrogOf(*this, p);
    frog[kDrawnX] = frog[kDestX] = kCentre + worldStarts[p][0] * kStartOffset;
    frog[kDrawnY] = frog[kDestY] = kCentre + worldStarts[p][1] * kStartOffset;
  }

  float* game = m_players.Data();
  game[kHeadX] = kCentre;
  game[kHeadY] = kCentre;
  game[kPathDirection] = std::floor(zr_random_Rnd() * 3.99f + 1);
  game[kPadsBeforeTurn] = std::floor(zr_random_Rnd() * 3.99f + 2);
  game[kNextPad] = kFirstInterval;
  game[kPadInterval] = kFirstInterval;
  game[kBeat] = 0;

  float* firstPad = PadOf(*this, 0);
  firstPad[kLife] = kFirstPadLife;
  firstPad[kPadX] = kCentre;
  firstPad[kPadY] = kCentre;

  m_camX = m_camTargetX = kCentre - zr_TinselJumble_jscrw / 2;
  m_camY = m_camTargetY = kCentre - zr_TinselJumble_jscrh / 2;
  m_introTimer = kIntroFrames;
  m_mode = kPlayMode;
}

void c_MyApp::p_Game_L() {
  p_ResetDraw();
  float easeX = (m_camX - m_camTargetX) / kCameraEase;
  float easeY = (m_camY - m_camTargetY) / kCameraEase;
  m_camX -= easeX;
  m_camY -= easeY;
  p_DoStars(easeX, easeY);
  m_bgTargetR = kWaterR;
  m_bgTargetG = kWaterG;
  m_bgTargetB = kWaterB;

  float* game = m_players.Data();
  m_camTargetX = game[kHeadX] - (zr_TinselJumble_jscrw - m_panelWidth) / 2;
  m_camTargetY = game[kHeadY] - zr_TinselJumble_jscrh / 2;
  for (int p = 0; p < kPlayers; ++p) FrogOf(*this, p)[kOverPad] = 0;

  UpdatePads(*this);

  int afloat = 0;
  for (int p = 0; p < kPlayers; ++p) {
    float alive = FrogOf(*this, p)[kAlive];
    if (alive > 0) {
      MoveFrog(*this, p);
      ++afloat;
    } else if (alive == 0) {
      SinkFrog(*this, p);
    }
  }

  if (game[kBeat] > 0) game[kBeat] -= zr_random_Rnd() * 1.5f + 0.5f;

  if (afloat < 2) {
    game[kEndTimer] += 1;
    if (game[kEndTimer] > kEndFrames) m_roundOver = 1;
  }

  GrowPath(*this);

  p_DoParticles(1);
  p_ScoreDisplay();
}
