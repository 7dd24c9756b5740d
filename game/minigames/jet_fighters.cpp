// Game J, "Jet Fighters": four planes fly at a steady speed over a sky that wraps round
// at every edge, steer left and right and fire. Each hit costs 10 of a plane's 100
// health and a plane with none left is shot down. Planes in the air score a point a
// frame while the panel shows their health, so the last one flying wins; the round ends
// a second after at most one is left. Holding fire gives a burst whose shots come
// slightly further apart each time; letting go for a frame restores the full rate.
#include <cmath>
#include <cstdlib>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Player fields.
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kHeading = 5;       // degrees, -180..180, 0 up and growing clockwise
const int kCooldown = 15;     // frames until the plane may fire again
const int kNextCooldown = 16; // the cooldown the next shot gives
const int kLoop = 19;         // computer's loop: 0 none, -1 anticlockwise, 1 clockwise
const int kTarget = 20;       // computer's target: player number + 1
const int kHealth = 99;

// Game-wide value kept in player 0's row.
const int kEndTimer = 66;

// Bullets are objects 0..100; their fields.
const int kLastBullet = 100;
const int kObjectStride = 10;
const int kOwner = 0;  // owner's player number + 1; 0 a free slot
const int kBulletX = 1;
const int kBulletY = 2;
const int kSpeedX = 3;
const int kSpeedY = 4;  // upwards, so it is subtracted from y
const int kRotation = 5;
const int kLife = 7;

const int kPlayers = 4;
const int kPanelWidth = 96;
const float kFullHealth = 100;
const float kHitDamage = 10;
const float kHitRange = 12;
const float kTurnRate = 4;
const float kSpeedAcross = 2;
const float kSpeedUp = 2.5f;
const float kBulletAcross = 6;
const float kBulletUp = 7.5f;
const float kBulletLife = 60;
const float kBulletAgeing = 1.5f;
const float kBurstStart = 20;
const float kEdge = 8;
const int kEndFrames = 60;

// Graphic codes: sheet 3 frames 16..19 are the planes, 20..23 the bullets.
const int kPlaneCode = 208;
const int kBulletCodeBeforeOwner = 211;

const int kAxisX = 1;
const int kFireA = 7;
const int kShotSound = 1;
const int kCrashSound = 4;
const int kHitSound = 9;

struct PlaneStart {
  float x, y, heading;  // x and y as fractions of the sky
};
const PlaneStart kStarts[kPlayers] = {
    {0.25f, 0.2f, 90},
    {0.75f, 0.8f, -90},
    {0.25f, 0.6f, 90},
    {0.75f, 0.4f, -90},
};

// The sky wraps a little inside its edges, so a plane half off one side is already
// drawn on the other.
float Wrapped(float value, float extent) {
  if (value < kEdge) value += extent - 2 * kEdge;
  if (value > extent - kEdge) value -= extent - 2 * kEdge;
  return value;
}

float* PlaneOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

bool Flying(c_MyApp& app, int p) { return PlaneOf(app, p)[kHealth] > 0; }

// Sparks and debris of a random kind and colour each, flying out from (x, y).
void Burst(c_MyApp& app, float x, float y, int count, float slowest, float spread) {
  for (int n = 0; n < count; ++n) {
    int kind = app.p_Rand(1, 2);
    int colour = app.p_Rand(1, 9);
    float angle = zr_random_Rnd() * 360;
    float speed = zr_random_Rnd() * spread + slowest;
    app.p_ThrowParticle(x, y, kind, colour, angle, speed);
  }
}

// The computer pilot: keeps a target among the other planes (switching now and then),
// starts a loop at random, fires at random and turns to match the target's height.
// Returns the turn; fire is set when the pilot wants to shoot.
float Pilot(c_MyApp& app, int p, int& fire) {
  float* plane = PlaneOf(app, p);
  fire = 0;
  int target = static_cast<int>(plane[kTarget]) - 1;
  bool lost = target < 0 || target >= kPlayers || !Flying(app, target);
  int pick = app.p_Rand(1, 4);
  int picked = pick - 1;
  if (zr_random_Rnd() * 60 < 1 && picked != p && Flying(app, picked)) {
    plane[kTarget] = static_cast<float>(pick);
  } else if (lost && picked != p) {
    // A pilot never picks itself: it would only fly level and chase nobody. A dead pick
    // counts as lost again next frame and is replaced then.
    plane[kTarget] = static_cast<float>(pick);
  }

  // Both draws are made every frame, whether or not a loop can start.
  bool loopAnticlockwise = zr_random_Rnd() * 360 < 1;
  if (loopAnticlockwise && plane[kLoop] == 0) plane[kLoop] = -1;
  bool loopClockwise = zr_random_Rnd() * 360 < 1;
  if (loopClockwise && plane[kHeading] < 0 && plane[kLoop] == 0) plane[kLoop] = 1;
  if (zr_random_Rnd() * 5 < 1) fire = 1;

  target = static_cast<int>(plane[kTarget]) - 1;
  if (target < 0 || target >= kPlayers) return 0;  // nobody to chase: fly straight on
  float heading = plane[kHeading];
  int height = static_cast<int>(plane[kY]);
  int targetHeight = static_cast<int>(PlaneOf(app, target)[kY]);
  // Dive or climb towards the target's height on the side the plane is heading; near
  // that height, level out flying right.
  float desired = 90;
  if (height < targetHeight) desired = heading >= 0 ? 120 : -120;
  if (height > targetHeight) desired = heading >= 0 ? 60 : -60;
  if (std::abs(height - targetHeight) < 20) desired = 90;

  float turn = 0;
  if (plane[kLoop] == -1) {
    turn = -kTurnRate;
    if (heading >= -60) return turn;
    plane[kLoop] = 0;
  } else if (plane[kLoop] == 1) {
    turn = kTurnRate;
    if (heading <= 60) return turn;
    plane[kLoop] = 0;
  }
  if (desired < heading) turn = -(zr_random_Rnd() * 2 + 2);
  if (desired > heading) turn = zr_random_Rnd() * 2 + 2;
  return turn;
}

}  // namespace

void c_MyApp::p_LoadGame_J() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kPanelWidth;
  float skyW = zr_TinselJumble_jscrw - kPanelWidth;
  float skyH = zr_TinselJumble_jscrh;
  for (int p = 0; p < kPlayers; ++p) {
    const PlaneStart& start = kStarts[p];
    p_Start(p, static_cast<int>(skyW * start.x), static_cast<int>(skyH * start.y));
    PlaneOf(*this, p)[kHeading] = start.heading;
  }
  for (int p = 0; p < kPlayers; ++p) {
    float* plane = PlaneOf(*this, p);
    plane[kHealth] = kFullHealth;
    // A first shot held from the start already gets the full interval.
    plane[kNextCooldown] = kBurstStart;
    int target = 0;
    do {
      target = static_cast<int>(std::floor(zr_random_Rnd() * 3.99f));
    } while (target == p);
    plane[kTarget] = static_cast<float>(target + 1);
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_J() {
  m_bgTargetR = 0;
  m_bgTargetG = 40;
  m_bgTargetB = 80;
  p_ResetDraw();
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  p_DoSnow(easeX, easeY);

  float skyW = zr_TinselJumble_jscrw - m_panelWidth;
  float skyH = zr_TinselJumble_jscrh;
  int flying = 0;
  for (int p = 0; p < kPlayers; ++p) {
    float* plane = PlaneOf(*this, p);
    if (plane[kHealth] <= 0) continue;
    p_SetRot(plane[kHeading]);
    p_DrawGfx(plane[kX], plane[kY], kPlaneCode + p);
    p_ResetDraw();

    float turn = 0;
    int fire = 0;
    if (m_pad[p] >= -1) {
      turn = kTurnRate * p_Control(kAxisX, p);
      fire = p_Control(kFireA, p) > 0 ? 1 : 0;
    }
    if (m_pad[p] == 0) turn = Pilot(*this, p, fire);

    if (m_introTimer <= 0) {
      float heading = plane[kHeading];
      plane[kX] += kSpeedAcross * std::sin(heading * D2R);
      plane[kY] -= kSpeedUp * std::cos(heading * D2R);
      heading += turn;
      if (heading > 180) heading -= 360;
      if (heading < -180) heading += 360;
      plane[kHeading] = heading;
      if (plane[kCooldown] > 0) plane[kCooldown] -= 1;
      if (fire == 0) plane[kNextCooldown] = kBurstStart;
      if (fire == 1 && plane[kCooldown] < 1) {
        plane[kCooldown] = plane[kNextCooldown];
        plane[kNextCooldown] += 1;
        p_PlaySFX(kShotSound);
        int base = p_FreeObj(kLastBullet);
        if (base >= 0) {
          float* bullet = m_objects.Data() + base;
          bullet[kOwner] = static_cast<float>(p + 1);
          bullet[kBulletX] = plane[kX];
          bullet[kBulletY] = plane[kY];
          bullet[kSpeedX] = kBulletAcross * std::sin(heading * D2R);
          bullet[kSpeedY] = kBulletUp * std::cos(heading * D2R);
          bullet[kRotation] = heading;
          bullet[kLife] = kBulletLife;
        }
      }
      plane[kX] = Wrapped(plane[kX], skyW);
      plane[kY] = Wrapped(plane[kY], skyH);
    }
    ++flying;
  }

  if (flying < 2) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }

  for (int j = 0; j <= kLastBullet; ++j) {
    float* bullet = m_objects.Data() + j * kObjectStride;
    if (bullet[kOwner] <= 0) continue;
    bullet[kBulletX] = Wrapped(bullet[kBulletX] + bullet[kSpeedX], skyW);
    bullet[kBulletY] = Wrapped(bullet[kBulletY] - bullet[kSpeedY], skyH);
    int owner = static_cast<int>(bullet[kOwner]) - 1;
    p_SetRot(bullet[kRotation]);
    p_DrawGfx(bullet[kBulletX], bullet[kBulletY], kBulletCodeBeforeOwner + owner + 1);
    p_ResetDraw();
    for (int q = 0; q < kPlayers && bullet[kOwner] > 0; ++q) {
      float* plane = PlaneOf(*this, q);
      if (q == owner || plane[kHealth] <= 0) continue;
      if (std::fabs(plane[kX] - bullet[kBulletX]) >= kHitRange) continue;
      if (std::fabs(plane[kY] - bullet[kBulletY]) >= kHitRange) continue;
      bullet[kOwner] = 0;
      plane[kHealth] -= kHitDamage;
      Burst(*this, plane[kX], plane[kY], 5, 2, 3);
      p_PlaySFX(kHitSound);
      if (plane[kHealth] < 1) {
        Burst(*this, plane[kX], plane[kY], 41, 3, 5);
        p_PlaySFX(kCrashSound);
      }
    }
    bullet[kLife] -= kBulletAgeing;
    if (bullet[kLife] < 1) bullet[kOwner] = 0;
  }

  p_DoParticles(1);
  p_ScoreDisplay(2, 0.5f);
}
