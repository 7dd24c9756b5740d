// Game G, "Galactic Defenders": four ships fly along the bottom of the screen and shoot
// upwards at aliens that drop into five rows, patrol sideways and bomb them. Each alien
// shot down is a point for its shooter; a bombed ship is out, and the round ends a second
// after the last one is lost. The fewer ships are left, the more aliens a row holds, the
// sooner each one bombs and the faster the bombs fall.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Aliens: 101 records of 20 floats at the start of the grid table.
const int kAliens = 101;
const int kAlienStride = 20;
const int kType = 0;  // 0 empty, 1..3 the look
const int kAlienX = 1;
const int kAlienY = 2;
const int kSideways = 3;
const int kSpawnX = 11;
const int kRowHeight = 12;
const int kRow = 14;
const int kBombTimer = 15;
// Grid indices 50000..50004 count each row's aliens in the current frame.
const int kRowCounts = 50000;
const int kRows = 5;

// Shots in the object pool, slots 0..100: a ship's shot has kind owner + 1, a bomb kind
// 10. Bombs take slots from 50 up only, so ship shots always find room low down.
const int kObjectStride = 10;
const int kLastShotSlot = 100;
const int kBomb = 10;
const int kShotX = 1;
const int kShotY = 2;

// Ship fields.
const int kPlayers = 4;
const int kStride = 100;
const int kShipX = 1;
const int kShipY = 2;
const int kVelocity = 3;
const int kTilt = 5;
const int kWantedX = 11;
const int kCooldown = 17;
const int kScore = 95;
const int kAlive = 99;

// Game-wide values kept in player 0's row.
const int kSafeX = 62;
const int kSafeY = 63;
const int kEndTimer = 66;

// Controls of a player's source.
const int kStickX = 1;
const int kFireA = 7;

// Graphic codes: ships 100 + player, aliens 112 + type, shots 115 + kind. A bomb shows
// one of two fuse sparks (orange, white) at random each frame, so its fuse fizzes.
const int kShipArt = 100;
const int kAlienArt = 112;
const int kShotArt = 115;
const int kBombArt[2] = {121, 123};

const int kPanel = 96;
const float kEdge = 8;          // ships and aliens turn this far from the field's sides
const float kShipLift = 32;     // ships fly this far above the bottom edge
const float kMaxSpeed = 4;
const float kTiltPerSpeed = 3;  // degrees a ship banks per pixel a frame of speed
const float kOffScreen = 32;

float FieldWidth(const c_MyApp& app) { return zr_TinselJumble_jscrw - app.m_panelWidth; }

float* Ship(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float* Alien(c_MyApp& app, int a) { return app.m_grid.Data() + a * kAlienStride; }

float* Shot(c_MyApp& app, int slot) { return app.m_objects.Data() + slot * kObjectStride; }

int EmptyAlienFrom(c_MyApp& app, int first) {
  for (int a = first; a < kAliens; ++a)
    if (Alien(app, a)[kType] == 0) return a;
  return -1;
}

// Kept inside the field; on a field too narrow for both limits the left one wins.
float InsideField(float x, float fieldW) {
  if (x > fieldW - kEdge) x = fieldW - kEdge;
  if (x < kEdge) x = kEdge;
  return x;
}

// Horizontal bands 17 pixels high every 16, each a shade of dark green from a sine of its
// height and the clock, so the stripes drift slowly down the screen.
void DrawStripes(c_MyApp& app) {
  int t = zr_app_Millisecs() / 32;
  float bottom = zr_TinselJumble_jscrh + 128;
  for (float y = -128; y <= bottom; y += 16) {
    float k = std::floor(std::fabs(std::sin((y - t) * D2R) * 40));
    app.p_SetCol(k, 2 * k, k);
    app.p_Rect(-128, y, zr_TinselJumble_jscrw + 256, 17);
  }
  app.p_ResetDraw();
}

void Explode(c_MyApp& app, float* ship) {
  ship[kAlive] = 0;
  for (int n = 0; n < 121; ++n) {
    int colour = app.p_Rand(1, 3);
    float angle = zr_random_Rnd() * 160 - 80;
    float speed = 3 + zr_random_Rnd() * 3;
    app.p_ThrowParticle(ship[kShipX], ship[kShipY], 3, colour, angle, speed);
  }
  app.p_PlaySFX(9);
  app.p_PlaySFX(6);
}

// A bomb on the ship destroys it (true). A computer ship whose goal lies under a bomb
// about to reach it changes its goal to somewhere near the safe spot.
bool Bombed(c_MyApp& app, float* ship, bool computer) {
  for (int slot = 0; slot <= kLastShotSlot; ++slot) {
    float* bomb = Shot(app, slot);
    if (bomb[0] < kBomb) continue;
    float dx = std::fabs(bomb[kShotX] - ship[kShipX]);
    float dy = std::fabs(bomb[kShotY] - ship[kShipY]);
    if (dx < 12 && dy < 8) {
      Explode(app, ship);
      return true;
    }
    if (computer && dx < 20 && dy < 30 && std::fabs(bomb[kShotX] - ship[kWantedX]) < 20)
      ship[kWantedX] = app.m_players[kSafeX] + zr_random_Rnd() * 64 - 32;
  }
  return false;
}

// The computer drifts towards a goal it changes now and then; a person steers with the
// stick. Nobody steers during the countdown.
float SteeringInput(c_MyApp& app, int p, float* ship, float fieldW) {
  if (app.m_introTimer >= 1) return 0;
  if (app.m_pad[p] != 0) return app.p_Control(kStickX, p);
  if (zr_random_Rnd() * 60 < 1) ship[kWantedX] = kEdge + zr_random_Rnd() * (fieldW - 2 * kEdge);
  if (ship[kWantedX] < ship[kShipX] - 15) return -0.75f;
  if (ship[kWantedX] > ship[kShipX] + 15) return 0.75f;
  return 0;
}

// A person fires once per press of fire A; the computer wants to fire a third of the
// time and waits out its cooldown.
bool WantsToFire(c_MyApp& app, int p, float* ship) {
  if (app.m_pad[p] == 0) {
    bool wish = zr_random_Rnd() * 3 < 1;
    if (ship[kCooldown] > 0) {
      wish = false;
      ship[kCooldown] -= 1;
    }
    return wish;
  }
  bool held = app.p_Control(kFireA, p) > 0;
  if (!held) ship[kCooldown] = 0;
  return held && ship[kCooldown] <= 0;
}

// Speed follows the input up to 4 pixels a frame and drains by one a frame once the
// input no longer pushes that way.
void Accelerate(float* ship, float input) {
  float& velocity = ship[kVelocity];
  velocity += input;
  if (velocity > kMaxSpeed) velocity = kMaxSpeed;
  if (velocity < -kMaxSpeed) velocity = -kMaxSpeed;
  if (input < 0.3f && velocity > 0) velocity = velocity > 1 ? velocity - 1 : 0;
  if (input > -0.3f && velocity < 0) velocity = velocity < -1 ? velocity + 1 : 0;
  // The ship banks into its turn.
  ship[kTilt] = -velocity * kTiltPerSpeed;
}

void Fire(c_MyApp& app, int p, float* ship) {
  ship[kCooldown] = 8 + zr_random_Rnd() * 7;
  int base = app.p_FreeObj(kLastShotSlot);
  if (base < 0) return;
  app.m_objects[base] = static_cast<float>(p + 1);
  app.m_objects[base + kShotX] = ship[kShipX];
  app.m_objects[base + kShotY] = ship[kShipY];
  app.p_PlaySFX(5, 0.7f + zr_random_Rnd() * 0.7f, 0.25f, 0);
}

void FlyShip(c_MyApp& app, int p, float fieldW) {
  float* ship = Ship(app, p);
  ship[kShipY] = zr_TinselJumble_jscrh - kShipLift;
  app.p_SetRot(-ship[kTilt]);
  app.p_DrawGfx(ship[kShipX], ship[kShipY], kShipArt + p);
  app.p_SetRot(0);
  ship[kShipX] = InsideField(ship[kShipX] + ship[kVelocity], fieldW);

  bool computer = app.m_pad[p] == 0;
  if (Bombed(app, ship, computer)) return;
  float input = SteeringInput(app, p, ship, fieldW);
  bool wish = WantsToFire(app, p, ship);
  Accelerate(ship, input);
  if (app.m_introTimer < 1 && wish) Fire(app, p, ship);
}

void ShootDown(c_MyApp& app, float* alien, int owner) {
  alien[kType] = 0;
  Ship(app, owner)[kScore] += 1;
  const int kBlastSounds[3] = {2, 6, 4};
  app.p_PlaySFX(kBlastSounds[app.p_Rand(0, 2)]);
  for (int n = 0; n < 16; ++n)
    app.p_ThrowParticle(alien[kAlienX], alien[kAlienY], 2, 4, n * 22.5f, 2 + zr_random_Rnd() * 2);
}

// Counts, moves, bombs, draws and shoots down the aliens; returns the first empty record
// (-1 when all are in use).
int MoveAliens(c_MyApp& app, int living, float fieldW) {
  for (int row = 0; row < kRows; ++row) app.m_grid[kRowCounts + row] = 0;
  int firstEmpty = -1;
  for (int a = 0; a < kAliens; ++a) {
    float* alien = Alien(app, a);
    if (alien[kType] == 0) {
      if (firstEmpty < 0) firstEmpty = a;
      continue;
    }
    int row = static_cast<int>(alien[kRow]);
    if (row >= 0 && row < kRows) app.m_grid[kRowCounts + row] += 1;

    // It eases down in whole pixels, at least one a frame: truncated sixteenths alone
    // would stop it short of its row for good.
    float gap = alien[kRowHeight] - alien[kAlienY];
    float step = std::trunc(gap / 16);
    if (step == 0 && gap != 0) step = gap > 0 ? 1.0f : -1.0f;
    alien[kAlienY] += step;
    if (std::fabs(alien[kRowHeight] - alien[kAlienY]) <= 1) {
      alien[kAlienY] = alien[kRowHeight];
      alien[kAlienX] += alien[kSideways];
      if (alien[kAlienX] < kEdge) alien[kSideways] = 2;
      if (alien[kAlienX] > fieldW - kEdge) alien[kSideways] = -2;
    }

    alien[kBombTimer] -= 0.5f + zr_random_Rnd() * 0.5f;
    if (alien[kBombTimer] < 0) {
      int base = app.m_roundOver == 0 ? app.p_FreeObjB(kLastShotSlot) : -1;
      if (base >= 0) {
        app.m_objects[base] = kBomb;
        app.m_objects[base + kShotX] = alien[kAlienX];
        app.m_objects[base + kShotY] = alien[kAlienY];
      }
      alien[kBombTimer] = static_cast<float>(app.p_Rand(45 * living, 45 * living + 45));
    }

    app.p_DrawGfx(alien[kAlienX], alien[kAlienY], kAlienArt + static_cast<int>(alien[kType]));

    for (int slot = 0; slot <= kLastShotSlot; ++slot) {
      float* shot = Shot(app, slot);
      int kind = static_cast<int>(shot[0]);
      if (kind < 1 || kind > kPlayers) continue;
      if (std::fabs(shot[kShotX] - alien[kAlienX]) < 16 && std::fabs(shot[kShotY] - alien[kAlienY]) < 16) {
        shot[0] = 0;
        ShootDown(app, alien, kind - 1);
        break;
      }
    }
  }
  return firstEmpty;
}

// Each row under its limit of 6 - living aliens gains one now and then: the fewer ships
// are left, the fuller the rows.
void SpawnAliens(c_MyApp& app, int living, int record, float fieldW) {
  for (int row = 0; row < kRows; ++row) {
    if (app.m_grid[kRowCounts + row] >= 6 - living) continue;
    if (zr_random_Rnd() * 30 >= 1 || record < 0) continue;
    float* alien = Alien(app, record);
    alien[kType] = static_cast<float>(app.p_Rand(1, 3));
    alien[kAlienX] = static_cast<float>(app.p_Rand(kEdge, fieldW - kEdge));
    alien[kAlienY] = -128;
    alien[kSideways] = zr_random_Rnd() < 0.5f ? 2.0f : -2.0f;
    alien[kSpawnX] = alien[kAlienX];
    alien[kRowHeight] = static_cast<float>(row * 38 + 32);
    alien[kRow] = static_cast<float>(row);
    alien[kBombTimer] = 2 + zr_random_Rnd() * 6;
    // Two rows may spawn in one frame; the second takes the next empty record.
    record = EmptyAlienFrom(app, record + 1);
  }
}

// Bombs fall faster as ships are lost, ship shots rise; both vanish well off the screen.
// A bomb falling between the safe spot and the ships pushes the safe spot beside it.
void MoveShots(c_MyApp& app, int living, float side) {
  float screenH = zr_TinselJumble_jscrh;
  for (int slot = 0; slot <= kLastShotSlot; ++slot) {
    float* shot = Shot(app, slot);
    int kind = static_cast<int>(shot[0]);
    if (kind <= 0) continue;
    if (kind >= kBomb) {
      shot[kShotY] += 3.5f - 0.5f * living;
      app.p_DrawGfx(shot[kShotX], shot[kShotY], kBombArt[zr_random_Rnd() < 0.5f ? 0 : 1]);
      float& safeX = app.m_players[kSafeX];
      float& safeY = app.m_players[kSafeY];
      if (shot[kShotY] > safeY && shot[kShotY] < screenH - kShipLift && std::fabs(shot[kShotX] - safeX) < 32) {
        safeX = shot[kShotX] + side;
        safeY = shot[kShotY];
      }
    } else {
      shot[kShotY] -= 5;
      app.p_DrawGfx(shot[kShotX], shot[kShotY], kShotArt + kind);
    }
    if (shot[kShotY] < -kOffScreen || shot[kShotY] > screenH + kOffScreen) shot[0] = 0;
  }
}

}  // namespace

void c_MyApp::p_LoadGame_G() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kPanel;
  const float kStartAt[kPlayers] = {0.2f, 0.4f, 0.6f, 0.8f};
  float fieldW = FieldWidth(*this);
  int shipY = static_cast<int>(zr_TinselJumble_jscrh - kShipLift);
  for (int p = 0; p < kPlayers; ++p) {
    int x = static_cast<int>(fieldW * kStartAt[p]);
    p_Start(p, x, shipY);
    // A computer ship starts content where it is instead of making for the left edge.
    Ship(*this, p)[kWantedX] = static_cast<float>(x);
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_G() {
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;
  DrawStripes(*this);

  float fieldW = FieldWidth(*this);
  int living = 0;
  for (int p = 0; p < kPlayers; ++p) {
    if (Ship(*this, p)[kAlive] <= 0) continue;
    ++living;
    FlyShip(*this, p, fieldW);
  }

  int emptyRecord = MoveAliens(*this, living, fieldW);

  if (living == 0) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > 60) m_roundOver = 1;
  }

  if (m_introTimer < 1) SpawnAliens(*this, living, emptyRecord, fieldW);

  // The computers' safe spot starts in the middle of the field each frame; the bombs
  // push it to one side, which flips every second.
  m_players[kSafeX] = fieldW / 2;
  m_players[kSafeY] = zr_TinselJumble_jscrh - 128;
  MoveShots(*this, living, zr_app_Millisecs() % 2000 < 1000 ? -32.0f : 32.0f);

  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
