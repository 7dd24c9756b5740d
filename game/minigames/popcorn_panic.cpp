// Game P, "Popcorn Panic": the players glide about a field that wraps round at its edges
// while popcorn kernels drift in from beyond the screen, cross it twice and split on the
// way. One touch of a kernel and a player is out. The first four object slots hold bonus
// items instead, which bounce about the screen and score a point each when collected.
// The number of object slots in play rises through the round, slowly at first and then
// fast, so the screen fills until nobody is left; the round ends then.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Player fields.
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kVelX = 3;
const int kVelY = 4;
const int kFacing = 5;          // degrees, 0 up, clockwise
const int kTravel = 6;          // direction of travel in degrees
const int kTargetX = 11;        // the computer's target point
const int kTargetY = 12;
const int kChosenBonus = 14;    // the bonus slot a computer is after, -1 none
const int kNearestKernel = 15;  // squared distance of the nearest kernel that threatens it
const int kScore = 95;
const int kDeathTimer = 97;
const int kAlive = 99;

// Game-wide: the highest object slot in play, in player 0's row.
const int kObjectLimit = 55;

// Object fields.
const int kObjectStride = 10;
const int kKind = 0;  // 0 free; 5..16, the kernel's frame + 1
const int kObjX = 1;
const int kObjY = 2;
const int kObjVelX = 3;
const int kObjVelY = 4;
const int kRotation = 5;
const int kSpin = 6;
const int kCrossings = 7;  // wraps round the screen left before a kernel is gone

const int kPlayers = 4;
const int kBonusSlots = 4;  // slots 0..3 are bonus items, the rest kernels
const int kPanelWidth = 96;
const int kStartSpread = 32;
const float kStartLimit = 2;
const float kMostObjects = 250;
const int kIntroFrames = 160;
const int kPlayMode = 10;

const int kBackdropColour = 2;  // orange, darkened
const float kBackdropBrightness = 0.2f;
const int kPopSheet = 11;    // frames 0..3 the players, 4..15 kernels
const int kBonusSheet = 0;   // frames 0..3 the four baubles a bonus flashes through
const float kEdgeMargin = 128;  // objects wrap this far beyond the screen
const int kPlayerWrapInset = 4;
const float kThreatRange2 = 48 * 48;
const float kCollectRange2 = 15 * 15;
const float kHitRange2 = 7 * 7;
const int kDeathFrames = 60;
// A kernel appears only where none of it shows: its centre is at least this far off.
const float kKernelHalfSize = 6;

const int kHurtSound = 2;
const int kOutSound = 9;
const int kPickupSound = 14;
const int kTickSound = 12;        // the clock's tick, which a popping kernel must not make
const int kThirdPopSound = 13;
const int kSparkleKind = 1;

float& Player(c_MyApp& app, int p, int field) { return app.m_players[p * kStride + field]; }
float& Object(c_MyApp& app, int i, int field) { return app.m_objects[i * kObjectStride + field]; }

float FieldWidth(const c_MyApp& app) { return zr_TinselJumble_jscrw - app.m_panelWidth; }

bool IsHuman(int pad) { return c_MyApp::p_IsHumanSource(pad); }
// Seats below -1 belong to nobody: their players only drift to a halt.
bool IsComputer(int pad) { return pad >= 0 && !IsHuman(pad); }

float Clamp(float value, float low, float high) {
  // The low bound wins should a tiny window make the range empty.
  return zr_math_Max2(low, zr_math_Min2(value, high));
}

// One of the three popping sounds: 10, 11 or 13 (12 is the tick).
void PlayPop(c_MyApp& app) {
  int sound = app.p_Rand(10, 12);
  app.p_PlaySFX(sound == kTickSound ? kThirdPopSound : sound);
}

// A kernel's drift: redrawn until it moves at a fair pace on at least one axis, so none
// crawls along an edge for ever.
void DrawDrift(c_MyApp& app, int i) {
  float vx, vy;
  do {
    vx = zr_random_Rnd() * 2 - 1;
    vy = zr_random_Rnd() * 2 - 1;
  } while (std::fabs(vx) <= 0.6f && std::fabs(vy) <= 0.6f);
  Object(app, i, kObjVelX) = vx;
  Object(app, i, kObjVelY) = vy;
}

// Wraps one coordinate of an object round the screen with its margin; a wrap costs a
// crossing.
void WrapObject(float& value, float screen, float& crossings) {
  if (value < -kEdgeMargin) {
    value += screen + 2 * kEdgeMargin;
    crossings -= 1;
  } else if (value > screen + kEdgeMargin) {
    value -= screen + 2 * kEdgeMargin;
    crossings -= 1;
  }
}

// Players wrap round the field just inside its edges.
void WrapPlayer(float& value, float size) {
  if (value < kPlayerWrapInset) value += size - 2 * kPlayerWrapInset;
  if (value > size - kPlayerWrapInset) value -= size - 2 * kPlayerWrapInset;
}

bool InsideField(c_MyApp& app, int bonus) {
  const float margin = 8;
  float x = Object(app, bonus, kObjX);
  float y = Object(app, bonus, kObjY);
  return x > margin && x < FieldWidth(app) - margin && y > margin && y < zr_TinselJumble_jscrh - margin;
}

bool WithinOnBothAxes(c_MyApp& app, int p, int bonus, float range) {
  return std::fabs(Object(app, bonus, kObjX) - Player(app, p, kX)) < range &&
         std::fabs(Object(app, bonus, kObjY) - Player(app, p, kY)) < range;
}

void AimAtBonus(c_MyApp& app, int p, int bonus) {
  Player(app, p, kTargetX) = Object(app, bonus, kObjX);
  Player(app, p, kTargetY) = Object(app, bonus, kObjY);
}

// The computer's plan: chase a chosen bonus now and then, grab any bonus close by, and
// otherwise wander; the flee point left by last frame's nearest kernel stands unless a
// bonus overrides it.
void ChooseTarget(c_MyApp& app, int p) {
  Player(app, p, kNearestKernel) = kThreatRange2;
  float& chosen = Player(app, p, kChosenBonus);
  if (chosen == -1 && zr_random_Rnd() * 640 < 10) chosen = static_cast<float>(app.p_Rand(0, 3));
  if (chosen >= 0 && Object(app, static_cast<int>(chosen), kKind) == 0) chosen = -1;
  if (zr_random_Rnd() * 640 < 2) chosen = static_cast<float>(app.p_Rand(0, 3));
  if (zr_random_Rnd() * 10 < 2 && chosen >= 0) {
    int bonus = static_cast<int>(chosen);
    if (Object(app, bonus, kKind) > 0 && InsideField(app, bonus) && WithinOnBothAxes(app, p, bonus, 240))
      AimAtBonus(app, p, bonus);
  }
  for (int bonus = 0; bonus < kBonusSlots; ++bonus) {
    if (Object(app, bonus, kKind) > 0 && InsideField(app, bonus) && WithinOnBothAxes(app, p, bonus, 96))
      AimAtBonus(app, p, bonus);
  }
  float& targetX = Player(app, p, kTargetX);
  float& targetY = Player(app, p, kTargetY);
  float dx = targetX - Player(app, p, kX);
  float dy = targetY - Player(app, p, kY);
  bool arrived = dx * dx + dy * dy < 9;
  if (zr_random_Rnd() * 120 < 1 || (arrived && zr_random_Rnd() * 30 < 1)) {
    targetX += zr_random_Rnd() * 64 - 32;
    targetY += zr_random_Rnd() * 64 - 32;
  }
  targetX = Clamp(targetX, 32, FieldWidth(app) - 32);
  targetY = Clamp(targetY, 32, zr_TinselJumble_jscrh - 32);
}

// Computers head for their target at up to 2 pixels a frame; people steer with their
// stick (from the start of the countdown); an empty seat coasts to a stop.
void Steer(c_MyApp& app, int p) {
  int pad = app.m_pad[p];
  float& vx = Player(app, p, kVelX);
  float& vy = Player(app, p, kVelY);
  if (IsComputer(pad)) {
    if (app.m_introTimer >= 5) return;
    float x = Player(app, p, kX), targetX = Player(app, p, kTargetX);
    float y = Player(app, p, kY), targetY = Player(app, p, kTargetY);
    float wantX = targetX < x ? -2 : (targetX > x ? 2 : vx);
    float wantY = targetY < y ? -2 : (targetY > y ? 2 : vy);
    vx += (wantX - vx) / 32;
    vy += (wantY - vy) / 32;
  } else if (IsHuman(pad)) {
    vx += (2 * app.p_Control(1, p) - vx) / 8;
    vy += (2 * app.p_Control(2, p) - vy) / 8;
  } else {
    vx -= vx / 8;
    vy -= vy / 8;
  }
}

void MovePlayer(c_MyApp& app, int p) {
  float* row = app.m_players.Data() + p * kStride;
  if (std::fabs(row[kVelX]) > 0.25f || std::fabs(row[kVelY]) > 0.25f)
    row[kTravel] = std::atan2(row[kVelX], -row[kVelY]) * R2D;
  int turn = app.m_WhichWayDoIGo(row[kFacing], row[kTravel], 0, 359);
  row[kFacing] += Clamp(static_cast<float>(turn), -16, 16);

  app.p_ResetDraw();
  if (row[kDeathTimer] > 0) {
    app.p_Alpha(0.35f);
    row[kDeathTimer] = zr_math_Max2(row[kDeathTimer] - 1, 0);
  }
  if (IsComputer(app.m_pad[p])) ChooseTarget(app, p);
  // Turned so that the face leads the way it travels.
  app.p_SetRot(row[kFacing]);
  app.p_DrawImg(kPopSheet, row[kX], row[kY], static_cast<float>(p));

  Steer(app, p);
  row[kX] += row[kVelX];
  row[kY] += row[kVelY];
  WrapPlayer(row[kX], FieldWidth(app));
  WrapPlayer(row[kY], zr_TinselJumble_jscrh);
}

// A new object in the lowest free slot of 0..limit, entering from beyond the screen's
// edges; one that lands in slots 0..3 is a bonus item.
void Spawn(c_MyApp& app) {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  float x, y;
  do {
    x = static_cast<float>(app.p_Rand(-kEdgeMargin, screenW + kEdgeMargin));
    y = static_cast<float>(app.p_Rand(-kEdgeMargin, screenH + kEdgeMargin));
  } while (x > -kKernelHalfSize && x < screenW + kKernelHalfSize && y > -kKernelHalfSize &&
           y < screenH + kKernelHalfSize);
  int base = app.p_FreeObj(static_cast<int>(Player(app, 0, kObjectLimit)));
  if (base < 0) return;
  int i = base / kObjectStride;
  Object(app, i, kKind) = static_cast<float>(app.p_Rand(5, 16));
  Object(app, i, kObjX) = x;
  Object(app, i, kObjY) = y;
  PlayPop(app);
  DrawDrift(app, i);
  Object(app, i, kRotation) = zr_random_Rnd() * 360;
  Object(app, i, kSpin) = zr_random_Rnd() * 4 - 2;
  Object(app, i, kCrossings) = 2;
}

// A kernel splits off a new one where it stands, into a kernel slot (never a bonus
// slot, which would turn the newborn into a bonus item).
void Split(c_MyApp& app, int parent) {
  int limit = static_cast<int>(Player(app, 0, kObjectLimit));
  for (int i = kBonusSlots; i <= limit; ++i) {
    if (Object(app, i, kKind) != 0) continue;
    Object(app, i, kKind) = static_cast<float>(app.p_Rand(5, 16));
    Object(app, i, kObjX) = Object(app, parent, kObjX);
    Object(app, i, kObjY) = Object(app, parent, kObjY);
    DrawDrift(app, i);
    Object(app, i, kRotation) = zr_random_Rnd() * 360;
    Object(app, i, kSpin) = zr_random_Rnd() * 4 - 2;
    Object(app, i, kCrossings) = 2;
    PlayPop(app);
    return;
  }
}

void DrawBonus(c_MyApp& app, int i) {
  int now = zr_app_Millisecs();
  float x = Object(app, i, kObjX);
  float y = Object(app, i, kObjY);
  app.p_ResetDraw();
  app.p_SetSize(0.35f);
  app.p_Alpha(0.5f);
  app.p_DrawImg(kBonusSheet, x, y, static_cast<float>(now / 140 % 4));
  app.p_ResetDraw();
  app.p_SetSize(0.2f);
  app.p_SetRot(-(Object(app, i, kRotation) + 45));
  app.p_DrawImg(kBonusSheet, x, y, static_cast<float>(now / 170 % 4));
}

// A bonus keeps to the screen: near an edge it is pushed back, and it never speeds up.
void BounceBonus(c_MyApp& app, int i) {
  const float edge = 8, push = 0.1f, fastest = 0.8f;
  float& x = Object(app, i, kObjX);
  float& y = Object(app, i, kObjY);
  float& vx = Object(app, i, kObjVelX);
  float& vy = Object(app, i, kObjVelY);
  if (x < edge) vx += push;
  if (x > zr_TinselJumble_jscrw - edge) vx -= push;
  if (y < edge) vy += push;
  if (y > zr_TinselJumble_jscrh - edge) vy -= push;
  vx = Clamp(vx, -fastest, fastest);
  vy = Clamp(vy, -fastest, fastest);
}

void KillPlayer(c_MyApp& app, int q) {
  app.p_PlaySFX(kHurtSound);
  app.p_PlaySFX(kOutSound);
  Player(app, q, kAlive) = 0;
  Player(app, q, kDeathTimer) = kDeathFrames;
  for (int n = 0; n < 51; ++n)
    app.p_ThrowParticle(Player(app, q, kX), Player(app, q, kY), kSparkleKind, app.p_Rand(1, 9), kNotGiven, kNotGiven);
}

// What object i does to the players. Only living players take part: a player who is
// out leaves nothing behind to collect bonuses or be hit again. Returns false when the
// object was collected.
bool MeetPlayers(c_MyApp& app, int i) {
  bool bonus = i < kBonusSlots;
  for (int q = 0; q < kPlayers; ++q) {
    if (Player(app, q, kAlive) <= 0) continue;
    float dx = Object(app, i, kObjX) - Player(app, q, kX);
    float dy = Object(app, i, kObjY) - Player(app, q, kY);
    float distance2 = dx * dx + dy * dy;
    bool vulnerable = Player(app, q, kDeathTimer) == 0;
    if (bonus) {
      if (distance2 < kCollectRange2 && vulnerable) {
        Player(app, q, kScore) += 1;
        for (int n = 0; n < 8; ++n)
          app.p_ThrowParticle(Object(app, i, kObjX), Object(app, i, kObjY), kSparkleKind, app.p_PlayCol(q), kNotGiven,
                              kNotGiven);
        Object(app, i, kKind) = 0;
        app.p_PlaySFX(kPickupSound);
        return false;
      }
      continue;
    }
    if (distance2 < kHitRange2 && vulnerable) KillPlayer(app, q);
    if (distance2 < Player(app, q, kNearestKernel)) {
      Player(app, q, kNearestKernel) = distance2;
      Player(app, q, kTargetX) = 2 * Player(app, q, kX) - Object(app, i, kObjX);
      Player(app, q, kTargetY) = 2 * Player(app, q, kY) - Object(app, i, kObjY);
    }
  }
  return true;
}

void MoveObjects(c_MyApp& app) {
  int limit = static_cast<int>(Player(app, 0, kObjectLimit));
  for (int i = 0; i <= limit; ++i) {
    if (Object(app, i, kKind) <= 0) continue;
    Object(app, i, kObjX) += Object(app, i, kObjVelX);
    Object(app, i, kObjY) += Object(app, i, kObjVelY);
    Object(app, i, kRotation) += Object(app, i, kSpin);
    float& crossings = Object(app, i, kCrossings);
    WrapObject(Object(app, i, kObjX), zr_TinselJumble_jscrw, crossings);
    WrapObject(Object(app, i, kObjY), zr_TinselJumble_jscrh, crossings);
    bool bonus = i < kBonusSlots;
    if (bonus) {
      BounceBonus(app, i);
      DrawBonus(app, i);
    } else {
      app.p_ResetDraw();
      app.p_SetRot(-Object(app, i, kRotation));
      app.p_DrawImg(kPopSheet, Object(app, i, kObjX), Object(app, i, kObjY), Object(app, i, kKind) - 1);
    }
    if (!MeetPlayers(app, i) || bonus) continue;
    if (crossings <= 0) {
      Object(app, i, kKind) = 0;
      continue;
    }
    if (zr_random_Rnd() * 240 < 1) Split(app, i);
  }
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_Popcorn() {
  p_FreshGame();
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
  for (int p = 0; p < kPlayers; ++p) {
    Player(*this, p, kTargetX) = Player(*this, p, kX);
    Player(*this, p, kTargetY) = Player(*this, p, kY);
  }
  Player(*this, 0, kObjectLimit) = kStartLimit;
  // A dark toasted brown, against which the pale kernels and the players' colours stand
  // out; it fades in from the menu's colour during the countdown.
  p_SetBG(kBackdropColour, kBackdropBrightness);
  m_introTimer = kIntroFrames;
  m_mode = kPlayMode;
}

void c_MyApp::p_Game_Popcorn() {
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;
  float& limit = Player(*this, 0, kObjectLimit);
  limit += 0.025f;
  if (limit > 45) limit += 0.025f;
  if (limit > 60) limit += 0.05f;
  if (limit > 75) limit += 0.1f;
  limit = zr_math_Min2(limit, kMostObjects);

  int alive = 0;
  for (int p = 0; p < kPlayers; ++p) {
    if (Player(*this, p, kAlive) <= 0) continue;
    ++alive;
    MovePlayer(*this, p);
  }
  if (alive == 0) m_roundOver = 1;

  if (m_introTimer <= 9 && zr_random_Rnd() * 60 < 2) Spawn(*this);
  MoveObjects(*this);

  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
