// Game B, "Bumpy Bugs": four bugs slide about a round board with only friction to stop
// them. Bugs that touch bounce apart with an impulse built from how fast both were going,
// so two bugs at rest do not push each other. A bug carried too far from the centre
// falls off, loses one of its three lives and drops back in at a random spot; with no
// lives left it is parked off the screen for good. Every bug in play scores a point a
// frame, and the round ends half a second after at most one bug has lives left. Once no
// human's bug is left the game runs three updates a frame and the bumps hit harder.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Bug fields.
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kHeading = 3;  // of the velocity, degrees
const int kSpeed = 4;
const int kFacing = 5;  // where the head points, degrees
const int kVelocityX = 8;
const int kVelocityY = 9;
const int kTargetX = 11;  // the computer's target point
const int kTargetY = 12;
const int kTargetBug = 15;  // the computer's target bug + 1; 0 for none
const int kSetUp = 16;
const int kFallTimer = 97;  // 0 on the board, below 0 falling, above 0 dropping back in
const int kLives = 99;

// Game-wide values kept in player 0's row.
const int kExtraPasses = 44;
const int kHumansAlive = 45;
const int kBumpSounded = 52;
const int kEndTimer = 57;

const int kBugs = 4;
const int kFirstBugGraphic = 32;  // sheet 0, one bug per player colour
const int kPanelWidth = 96;
const int kStartSpread = 32;
const int kStartLives = 3;

const float kFallFrames = 60;
const float kFriction = 0.1f;
const float kStickPush = 0.3f;
const float kMostTurn = 16;
const float kMovingFaster = 0.15f;
const float kSpinWhileFalling = 2;
const float kReach = 22;
const float kHumanBump = 1.25f;
const float kComputerBump = 1.75f;
// The computer's caution: how near a bug coming at it may get, and its charging speed.
const float kWary = 100;
const float kChargeSpeed = 2;
const int kEndDelay = 30;
const int kBumpSound = 4;
const int kFallSound = 9;

// The board is measured from the screen every frame, so it follows the window's shape.
// The panel's width is taken as fixed: hiding the panel must not slide the board under
// the bugs.
struct Board {
  float centreX;
  float centreY;
  int radius;
  int size;
  float edge() const { return 2.0f * (size - 10); }
};

Board MeasureBoard() {
  Board board;
  board.centreX = (zr_TinselJumble_jscrw - kPanelWidth) / 2;
  board.centreY = zr_TinselJumble_jscrh / 2;
  board.radius = std::min(static_cast<int>(zr_TinselJumble_jscrw / 2), static_cast<int>(zr_TinselJumble_jscrh / 2));
  board.size = static_cast<int>(0.6f * board.radius);
  return board;
}

float* Bug(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

bool OnBoard(const float* bug) { return bug[kFallTimer] == 0 && bug[kLives] > 0; }

float FromCentre(const float* bug, const Board& board) {
  return std::hypot(bug[kX] - board.centreX, bug[kY] - board.centreY);
}

float Sign(float value) { return value > 0 ? 1.0f : (value < 0 ? -1.0f : 0.0f); }

// A fall timer counts by a random step, so bugs that fall together land apart.
float TimerStep() { return 0.4f + zr_random_Rnd() * 0.6f; }

// A random point at the given distance from the centre (the distance is drawn first).
void PointAround(const Board& board, int distance, float& x, float& y) {
  float angle = zr_random_Rnd() * 360 * D2R;
  x = board.centreX + std::sin(angle) * distance;
  y = board.centreY - std::cos(angle) * distance;
}

void RecomputeMotion(float* bug) {
  bug[kHeading] = std::atan2(bug[kVelocityX], -bug[kVelocityY]) * R2D;
  bug[kSpeed] = std::sqrt(bug[kVelocityX] * bug[kVelocityX] + bug[kVelocityY] * bug[kVelocityY]);
}

// Falling off, dropping back in, or the check for the edge. A bug that has just lost its
// last life still plays out its fall, then is parked off the screen.
void FallOrLand(c_MyApp& app, float* bug, const Board& board) {
  float& timer = bug[kFallTimer];
  if (timer > 0) {
    bug[kVelocityX] = 0;
    bug[kVelocityY] = 0;
    bug[kFacing] += kSpinWhileFalling;
    timer = std::max(0.0f, timer - TimerStep());
  } else if (timer < 0) {
    bug[kVelocityX] = 0;
    bug[kVelocityY] = 0;
    bug[kFacing] -= kSpinWhileFalling;
    timer -= TimerStep();
    if (timer < -kFallFrames) {
      timer = kFallFrames;
      if (bug[kLives] > 0) {
        int distance = app.p_Rand(32, static_cast<float>(board.size));
        PointAround(board, distance, bug[kX], bug[kY]);
      } else {
        bug[kX] = static_cast<float>(-app.p_Rand(200, 400));
        bug[kY] = static_cast<float>(-app.p_Rand(200, 500));
      }
    }
  } else if (bug[kLives] > 0 && FromCentre(bug, board) > board.edge()) {
    app.p_PlaySFX(kFallSound);
    timer = -1;
    bug[kLives] -= 1;
  }
}

// The nearest bug on the board that is coming at this one within kWary pixels, or -1.
int Threat(c_MyApp& app, int p) {
  const float* bug = Bug(app, p);
  int threat = -1;
  float nearest = kWary * kWary;
  for (int q = 0; q < kBugs; ++q) {
    const float* other = Bug(app, q);
    if (q == p || !OnBoard(other)) continue;
    float dx = bug[kX] - other[kX];
    float dy = bug[kY] - other[kY];
    bool closing = other[kVelocityX] * dx + other[kVelocityY] * dy > 0;
    float distance2 = dx * dx + dy * dy;
    if (closing && distance2 < nearest) {
      nearest = distance2;
      threat = q;
    }
  }
  return threat;
}

// The computer's play: it wanders to spots near the middle, picking a new one when bored
// or arrived, and now and then charges one of the other bugs. A bump throws both bugs
// apart, so it only charges a bug further out than itself (the recoil then carries it
// back across the middle), and no faster than kChargeSpeed; while wandering it steps
// aside from a bug coming at it. The random draws are the same whatever it decides.
void Think(c_MyApp& app, int p, const Board& board) {
  float* bug = Bug(app, p);
  float toX = bug[kTargetX] - bug[kX];
  float toY = bug[kTargetY] - bug[kY];
  bool bored = zr_random_Rnd() * 300 < 1;
  if (bored || toX * toX + toY * toY < 8 * 8) {
    int distance = app.p_Rand(0, static_cast<float>(board.size - 64));
    PointAround(board, distance, bug[kTargetX], bug[kTargetY]);
    bug[kTargetBug] = 0;
  }
  if (zr_random_Rnd() * 200 < 1) {
    int other = app.p_Rand(0, kBugs - 2);
    if (other >= p) other += 1;
    const float* prey = Bug(app, other);
    bool worthIt = OnBoard(prey) && FromCentre(prey, board) > FromCentre(bug, board);
    bug[kTargetBug] = worthIt ? static_cast<float>(other + 1) : 0;
  }
  // A bug that falls while chased is let go, or the chaser would follow it over the edge.
  int chased = static_cast<int>(bug[kTargetBug]) - 1;
  if (chased >= 0 && !OnBoard(Bug(app, chased))) {
    bug[kTargetBug] = 0;
    chased = -1;
  }

  float stepX = 0.15f + zr_random_Rnd() * 0.1f;
  float stepY = 0.15f + zr_random_Rnd() * 0.1f;
  float& vx = bug[kVelocityX];
  float& vy = bug[kVelocityY];
  if (chased >= 0) {
    float gapX = Bug(app, chased)[kX] - bug[kX];
    float gapY = Bug(app, chased)[kY] - bug[kY];
    if (vx * Sign(gapX) < kChargeSpeed) vx += Sign(gapX) * stepX;
    if (vy * Sign(gapY) < kChargeSpeed) vy += Sign(gapY) * stepY;
    return;
  }
  int threat = Threat(app, p);
  float wayX = threat >= 0 ? bug[kX] - Bug(app, threat)[kX] : bug[kTargetX] - bug[kX];
  float wayY = threat >= 0 ? bug[kY] - Bug(app, threat)[kY] : bug[kTargetY] - bug[kY];
  vx += Sign(wayX) * stepX;
  vy += Sign(wayY) * stepY;
}

// One pass of one bug. A parked bug (no lives, fall played out) does nothing more, so it
// can neither drift nor be steered back onto the board.
void UpdateBug(c_MyApp& app, int p, const Board& board) {
  float* bug = Bug(app, p);
  FallOrLand(app, bug, board);
  if (bug[kLives] <= 0 && bug[kFallTimer] >= 0) return;

  float& vx = bug[kVelocityX];
  float& vy = bug[kVelocityY];
  if (std::fabs(vx) > kMovingFaster || std::fabs(vy) > kMovingFaster) {
    float travel = std::atan2(vx, -vy) * R2D;
    float turn = static_cast<float>(app.m_WhichWayDoIGo(bug[kFacing], travel, 0, 359));
    bug[kFacing] += std::clamp(turn, -kMostTurn, kMostTurn);
  }
  bug[kFacing] = std::fmod(bug[kFacing] + 360, 360.0f);

  bool playing = app.m_introTimer < 1;
  if (playing && app.m_pad[p] >= -1) {
    vx += kStickPush * app.p_Control(1, p);
    vy += kStickPush * app.p_Control(2, p);
  }
  vx = vx > 0 ? std::max(0.0f, vx - kFriction) : std::min(0.0f, vx + kFriction);
  vy = vy > 0 ? std::max(0.0f, vy - kFriction) : std::min(0.0f, vy + kFriction);
  if (playing && app.m_pad[p] == 0) Think(app, p, board);
  bug[kX] += vx;
  bug[kY] += vy;
}

// Drawn once a frame, after the last pass: bugs on the board at full size with the head
// where they face, falling ones shrinking away and landing ones growing in.
void DrawBugs(c_MyApp& app) {
  for (int p = 0; p < kBugs; ++p) {
    const float* bug = Bug(app, p);
    float timer = bug[kFallTimer];
    if (bug[kLives] <= 0 && timer >= 0) continue;
    float scale = (kFallFrames - std::fabs(timer)) / kFallFrames;
    app.p_ResetDraw();
    app.p_SetSize(std::max(0.0f, scale));
    app.p_SetRot(bug[kFacing]);
    app.p_DrawGfx(bug[kX], bug[kY], kFirstBugGraphic + p);
  }
  app.p_ResetDraw();
}

// A white ring: the board in the background colour, a little see-through over the snow.
void DrawBoard(c_MyApp& app, const Board& board) {
  float radius = static_cast<float>(board.radius);
  app.p_ResetDraw();
  app.p_Oval(board.centreX, board.centreY, radius, radius);
  app.p_SetCol(app.m_bgR, app.m_bgG, app.m_bgB, 0.85f);
  app.p_Oval(board.centreX, board.centreY, radius - 8, radius - 8);
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_B() {
  p_FreshGame();
  m_panelWidth = kPanelWidth;
  Board board = MeasureBoard();
  int left = static_cast<int>(board.centreX - kStartSpread);
  int right = static_cast<int>(board.centreX + kStartSpread);
  int top = static_cast<int>(board.centreY - kStartSpread);
  int bottom = static_cast<int>(board.centreY + kStartSpread);
  const int starts[kBugs][2] = {{left, top}, {right, bottom}, {left, bottom}, {right, top}};
  for (int p = 0; p < kBugs; ++p) {
    p_Start(p, starts[p][0], starts[p][1]);
    float* bug = Bug(*this, p);
    bug[kTargetX] = bug[kX];
    bug[kTargetY] = bug[kY];
    bug[kSetUp] = 1;
    bug[kLives] = kStartLives;
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_B() {
  float dx = (m_camX - m_camTargetX) / 8;
  float dy = (m_camY - m_camTargetY) / 8;
  m_camX -= dx;
  m_camY -= dy;
  p_DoSnow(dx, dy);
  Board board = MeasureBoard();
  DrawBoard(*this, board);

  float* game = m_players.Data();
  game[kBumpSounded] = 0;
  game[kExtraPasses] = game[kHumansAlive] == 0 ? 2 : 0;
  int passes = 1 + static_cast<int>(game[kExtraPasses]);
  int alive = 0;
  for (int pass = 0; pass < passes; ++pass) {
    game[kHumansAlive] = 0;
    alive = 0;
    for (int p = 0; p < kBugs; ++p) {
      UpdateBug(*this, p, board);
      if (Bug(*this, p)[kLives] > 0) {
        ++alive;
        if (p_IsHumanSource(m_pad[p])) game[kHumansAlive] += 1;
      }
    }
    // Each pair meets twice, once from either side, so a bump is pushed apart twice.
    float strength = game[kHumansAlive] > 0 ? kHumanBump : kComputerBump;
    for (int a = 0; a < kBugs; ++a) {
      for (int b = 0; b < kBugs; ++b) {
        if (a != b) p_SmashBugs(a * kStride, b * kStride, strength);
      }
    }
  }
  DrawBugs(*this);

  if (alive < 2) {
    game[kEndTimer] += 1;
    if (game[kEndTimer] > kEndDelay) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay(2, 0.5f);
}

// A contact between the bugs whose rows start at a and b. The impulse grows with both
// bugs' speeds, so bugs at rest that touch stay put; bugs off the board are out of reach.
void c_MyApp::p_SmashBugs(int a, int b, float k) {
  const int lastRow = (kBugs - 1) * kStride;
  bool rows = a >= 0 && b >= 0 && a <= lastRow && b <= lastRow && a % kStride == 0 && b % kStride == 0;
  if (a == b || !rows) return;
  float* bugA = m_players.Data() + a;
  float* bugB = m_players.Data() + b;
  if (bugA[kFallTimer] != 0 || bugB[kFallTimer] != 0) return;
  float dx = bugA[kX] - bugB[kX];
  float dy = bugA[kY] - bugB[kY];
  if (std::fabs(dx) > kReach || std::fabs(dy) > kReach || dx * dx + dy * dy > kReach * kReach) return;

  float away = std::atan2(dx, -dy);
  float sumX = std::fabs(bugA[kVelocityX]) + std::fabs(bugB[kVelocityX]);
  float sumY = std::fabs(bugA[kVelocityY]) + std::fabs(bugB[kVelocityY]);
  float impulse = k * std::sqrt(sumX * sumX + sumY * sumY);
  float pushX = std::sin(away) * impulse;
  float pushY = -std::cos(away) * impulse;
  bugA[kVelocityX] += pushX;
  bugA[kVelocityY] += pushY;
  bugB[kVelocityX] -= pushX;
  bugB[kVelocityY] -= pushY;
  RecomputeMotion(bugA);
  RecomputeMotion(bugB);
  if (m_players[kBumpSounded] == 0) {
    float rate = 0.7f + zr_random_Rnd() * 0.6f;
    p_PlaySFX(kBumpSound, rate, std::min(1.0f, impulse / 10));
    m_players[kBumpSounded] = 1;
  }
}
