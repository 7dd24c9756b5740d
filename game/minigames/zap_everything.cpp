// Game Z, "Zap Everything": the players walk around the arena and shoot the way they
// walk. Enemies drift in from beyond the screen edges and wander between random points;
// one touch kills a player and leaves the enemy unharmed. Each enemy shot down is a point
// for the shooter. The round ends a second after the last player dies; most kills wins.
// The arena is the screen left of the score panel, and a player never leaves it.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Player fields.
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kFacing = 5;        // stored turned round: the heading is this + 180
const int kFacingWanted = 6;  // the stored facing the turret turns towards
const int kBulletKind = 8;
const int kCooldown = 9;
const int kHoldTimer = 16;    // a computer player stands still while this is 1 or more
const int kTarget = 31;       // base index of the object a computer player walks at
const int kAlive = 99;
const int kScore = 95;

// Game-wide value kept in player 0's row: frames since the last player died.
const int kEndTimer = 66;

// Object fields. Bullets and enemies share the pool and its first three fields.
const int kObjectStride = 10;
const int kKind = 0;
const int kObjX = 1;
const int kObjY = 2;
const int kVelX = 3;  // bullet
const int kVelY = 4;
const int kDrawnRotation = 5;  // bullet: as stored for drawing, the heading negated
const int kOwner = 9;
const int kDestX = 3;  // enemy: the point it wanders to
const int kDestY = 4;
const int kHeading = 5;
const int kHeadingWanted = 6;

const int kLastBulletKind = 9;
const int kFirstEnemyKind = 11;
const int kLastEnemyKind = 21;
const int kRemovedKind = 22;
const int kLastObject = 250;
const int kLastBulletObject = 100;

const int kPanelWidth = 96;
const int kStartSpread = 32;
const int kIntroFrames = 160;
const int kPlayMode = 10;
const float kEdge = 8;  // players keep this far inside the arena
const int kShotInterval = 12;
const float kBulletSpeed = 6;
const float kTurretTurn = 10;
const float kEnemyTurn = 8;
const float kOffArena = 64;  // bullets beyond this are gone; enemies start beyond it
const float kTouch = 14;
const float kShotReach = 16;
const int kEnemyMovesAt = 20;  // frames of countdown left when enemies set off
const int kEndFrames = 60;

const int kHeroCode = 288;   // sheet 4, frames 32..35
const int kBulletCode = 295;  // + kind: sheet 4, frame 40
const int kEnemyCode = 304;   // + kind - 11: sheet 4, frames 48..58

// The shot sound is played at its own pitch so that it draws nothing from the random
// sequence, and quietly, since four players fire several times a second.
const int kShotSound = 5;
const float kShotVolume = 0.35f;

float Clamped(float value, float low, float high) { return value < low ? low : value > high ? high : value; }

// Degrees of the direction (dx, dy) on screen: 0 up, growing clockwise.
float HeadingOf(float dx, float dy) { return std::atan2(dx, -dy) * R2D; }

// Sprites are drawn facing up; this turns one to face the heading.
void DrawFacing(c_MyApp& app, int code, float x, float y, float heading) {
  app.p_SetRot(heading);
  app.p_DrawGfx(x, y, code);
}

struct ZapFrame {
  c_MyApp& app;
  float arenaW;
  float arenaH;

  float& player(int p, int field) { return app.m_players[p * kStride + field]; }
  float& object(int base, int field) { return app.m_objects[base + field]; }
  bool beyondArena(float x, float y) const {
    return x < -kOffArena || y < -kOffArena || x > arenaW + kOffArena || y > arenaH + kOffArena;
  }

  void playPlayer(int p);
  void spawnEnemy();
  void moveBullet(int base);
  void moveEnemy(int base);
  void killPlayer(int p);
};

}  // namespace

void c_MyApp::p_LoadGame_Z2() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kPanelWidth;
  float centreX = (zr_TinselJumble_jscrw - kPanelWidth) / 2;
  float centreY = zr_TinselJumble_jscrh / 2;
  int left = static_cast<int>(centreX - kStartSpread);
  int right = static_cast<int>(centreX + kStartSpread);
  int top = static_cast<int>(centreY - kStartSpread);
  int bottom = static_cast<int>(centreY + kStartSpread);
  p_Start(0, left, top);
  p_Start(1, right, bottom);
  p_Start(2, left, bottom);
  p_Start(3, right, top);
  m_introTimer = kIntroFrames;
  m_mode = kPlayMode;
}

void c_MyApp::p_Game_Z2() {
  m_bgTargetR = 0;
  m_bgTargetG = 0;
  m_bgTargetB = 0;
  p_ResetDraw();
  float dx = (m_camX - m_camTargetX) / 8;
  float dy = (m_camY - m_camTargetY) / 8;
  m_camX -= dx;
  m_camY -= dy;
  p_DoSnow(dx, dy);

  ZapFrame frame{*this, zr_TinselJumble_jscrw - m_panelWidth, zr_TinselJumble_jscrh};
  int alive = 0;
  for (int p = 0; p < 4; ++p) {
    if (frame.player(p, kAlive) <= 0) continue;
    ++alive;
    frame.playPlayer(p);
  }
  p_ResetDraw();

  if (alive == 0) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }

  frame.spawnEnemy();

  p_Alpha(0.85f);
  p_Blend(1);
  for (int base = 0; base <= kLastObject * kObjectStride; base += kObjectStride) {
    int kind = static_cast<int>(m_objects[base + kKind]);
    if (kind >= 1 && kind <= kLastBulletKind) {
      frame.moveBullet(base);
    } else if (kind >= kRemovedKind) {
      m_objects[base + kKind] = 0;
    } else if (kind >= kFirstEnemyKind) {
      frame.moveEnemy(base);
    }
  }
  p_ResetDraw();

  p_DoParticles(1);
  p_ScoreDisplay(1, 0.5f);
}

// One alive player's frame: drawn where it stands, then its stick and fire read (or
// thought up), its step, its turret turn and its shot.
void ZapFrame::playPlayer(int p) {
  float x = player(p, kX);
  float y = player(p, kY);
  DrawFacing(app, kHeroCode + p, x, y, player(p, kFacing) + 180);

  int source = app.m_pad[p];
  float stickX = 0, stickY = 0;
  int fire = 0;
  if (source >= -1) {
    stickX = app.p_Control(1, p);
    stickY = app.p_Control(2, p);
    fire = app.p_Control(7, p) > 0 ? 1 : 0;
  }
  if (source == 0) {
    // The computer walks straight at the object it picked, pausing now and then, and
    // fires at random; its turret follows its walk, so it shoots what it walks at.
    fire = 0;
    int target = static_cast<int>(player(p, kTarget));
    if (app.m_objects[target + kKind] == 0) {
      target = 0;
      player(p, kTarget) = 0;
    }
    int aim = static_cast<int>(HeadingOf(object(target, kObjX) - x, object(target, kObjY) - y));
    stickX = std::sin(aim * D2R);
    stickY = -std::cos(aim * D2R);
    if (zr_random_Rnd() * 60 < 2) player(p, kHoldTimer) = zr_random_Rnd() * 50 + 30;
    if (zr_random_Rnd() * 10 < 1) fire = 1;
  }
  if (app.m_introTimer > 0) {
    stickX = 0;
    stickY = 0;
    fire = 0;
  }

  player(p, kHoldTimer) -= 1;
  bool holding = source == 0 && player(p, kHoldTimer) >= 1;
  if (!holding) {
    player(p, kX) = Clamped(x + stickX, kEdge, arenaW - kEdge);
    player(p, kY) = Clamped(y + stickY, kEdge, arenaH - kEdge);
  }

  float scaledX = 100 * stickX;
  float scaledY = 100 * stickY;
  if (static_cast<int>(scaledX * scaledX + scaledY * scaledY) > 0)
    player(p, kFacingWanted) = std::atan2(-scaledX, scaledY) * R2D;
  float& facing = player(p, kFacing);
  float wanted = player(p, kFacingWanted);
  if (std::fabs(facing - wanted) < 3) facing = wanted;
  facing += Clamped(static_cast<float>(app.m_WhichWayDoIGo(facing, wanted, 0, 359)), -kTurretTurn, kTurretTurn);

  if (player(p, kCooldown) > 0) player(p, kCooldown) -= 1;
  player(p, kBulletKind) = 1;

  if (fire == 1 && player(p, kCooldown) < 1) {
    int base = app.p_FreeObj(kLastBulletObject);
    if (base < 0) return;  // no free slot, no bullet: the next frame tries again
    float heading = (facing + 180) * D2R;
    object(base, kKind) = player(p, kBulletKind);
    object(base, kObjX) = player(p, kX);
    object(base, kObjY) = player(p, kY);
    object(base, kVelX) = kBulletSpeed * std::sin(heading);
    object(base, kVelY) = -kBulletSpeed * std::cos(heading);
    object(base, kDrawnRotation) = 180 - facing;
    object(base, kOwner) = static_cast<float>(p);
    player(p, kCooldown) = kShotInterval;
    app.p_PlaySFX(kShotSound, 1, kShotVolume);
  }
}

// At most one new enemy a frame, into the lowest free slot, starting well beyond an edge
// of the arena and heading for a point inside it.
void ZapFrame::spawnEnemy() {
  int base = app.p_FreeObj(kLastObject);
  if (base < 0 || zr_random_Rnd() * 15 >= 1) return;
  object(base, kKind) = static_cast<float>(app.p_Rand(1, 12) + 10);
  float x, y;
  do {
    x = static_cast<float>(static_cast<int>(zr_random_Rnd() * (arenaW + 256) - 128));
    y = static_cast<float>(static_cast<int>(zr_random_Rnd() * (arenaH + 256) - 128));
  } while (!beyondArena(x, y));
  object(base, kObjX) = x;
  object(base, kObjY) = y;
  object(base, kDestX) = zr_random_Rnd() * (arenaW - 128) + 64;
  object(base, kDestY) = zr_random_Rnd() * (arenaH - 128) + 64;
  object(base, kHeading) = 0;
  object(base, kHeadingWanted) = 0;
}

void ZapFrame::moveBullet(int base) {
  float& x = object(base, kObjX);
  float& y = object(base, kObjY);
  x += object(base, kVelX);
  y += object(base, kVelY);
  app.p_SetRot(-object(base, kDrawnRotation));
  app.p_DrawGfx(x, y, static_cast<int>(object(base, kKind)) + kBulletCode);
  if (beyondArena(x, y)) object(base, kKind) = 0;
}

void ZapFrame::moveEnemy(int base) {
  // Every enemy may catch the eye of a computer player who has nothing to walk at.
  for (int q = 0; q < 4; ++q) {
    if (player(q, kTarget) == 0 && zr_random_Rnd() * 100 < 1) player(q, kTarget) = static_cast<float>(base);
  }
  int kind = static_cast<int>(object(base, kKind));
  int step = app.m_introTimer > kEnemyMovesAt ? 0 : static_cast<int>((kind - 10) * 0.1f + 1);

  float& x = object(base, kObjX);
  float& y = object(base, kObjY);
  float& destX = object(base, kDestX);
  float& destY = object(base, kDestY);
  if (std::fabs(destX - x) < 6 && std::fabs(destY - y) < 6) {
    destX = zr_random_Rnd() * (arenaW - 32) + 16;
    destY = zr_random_Rnd() * (arenaH - 32) + 16;
  }

  for (int q = 0; q < 4; ++q) {
    if (player(q, kAlive) > 0 && std::fabs(player(q, kX) - x) < kTouch && std::fabs(player(q, kY) - y) < kTouch)
      killPlayer(q);
  }

  float& heading = object(base, kHeading);
  float& wanted = object(base, kHeadingWanted);
  wanted = HeadingOf(destX - x, destY - y);
  if (std::fabs(heading - wanted) < kEnemyTurn) heading = wanted;
  heading += Clamped(static_cast<float>(app.m_WhichWayDoIGo(heading, wanted, 0, 359)), -kEnemyTurn, kEnemyTurn);
  if (destX != x) x += destX > x ? step : -step;
  if (destY != y) y += destY > y ? step : -step;
  DrawFacing(app, kind - kFirstEnemyKind + kEnemyCode, x, y, heading);

  // One enemy is one point: the first bullet on it (lowest slot) takes it, and any other
  // bullet on it flies on.
  for (int shot = 0; shot <= kLastBulletObject * kObjectStride; shot += kObjectStride) {
    int shotKind = static_cast<int>(object(shot, kKind));
    if (shotKind < 1 || shotKind > kLastBulletKind) continue;
    if (std::fabs(object(shot, kObjX) - x) >= kShotReach || std::fabs(object(shot, kObjY) - y) >= kShotReach) continue;
    int owner = static_cast<int>(object(shot, kOwner));
    object(base, kKind) = 0;
    object(shot, kKind) = 0;
    if (owner >= 0 && owner < 4) player(owner, kScore) += 1;
    app.p_PlaySFX(app.p_Rand(1, 2));
    for (int n = 0; n < 8; ++n) app.p_ThrowParticle(x, y, 1, app.p_Rand(1, 9), kNotGiven, kNotGiven);
    return;
  }
}

void ZapFrame::killPlayer(int p) {
  player(p, kAlive) = 0;
  app.p_PlaySFX(6);
  app.p_PlaySFX(9);
  float x = player(p, kX);
  float y = player(p, kY);
  for (int n = 0; n < 46; ++n) {
    int colour = app.p_Rand(1, 3);
    float angle = zr_random_Rnd() * 360;
    float speed = zr_random_Rnd() * 4 + 2;
    app.p_ThrowParticle(x, y, 1, colour, angle, speed);
  }
}
