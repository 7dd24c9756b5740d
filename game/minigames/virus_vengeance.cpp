// Game V, "Virus Vengeance": four gun turrets stand back to back in the middle of the
// arena, turning and firing outwards. Glowing worms crawl in from off screen, one at
// first and more as the round goes on (up to ten at once); every bullet that strikes a
// worm's body shrinks it and scores a point for the shooter, and a worm that reaches a
// turret destroys it and dies with it. The round ends a second after the last turret is
// lost; the most hits wins. The worms live in the grid's storage, which this game does
// not use as a grid, and everything is drawn additively on black so they glow.
#include <cmath>
#include <cstring>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Turret fields.
const int kPlayers = 4;
const int kStride = 100;
const int kTurretX = 1;
const int kTurretY = 2;
const int kFacing = 5;  // degrees, 0 up, clockwise
const int kAim = 6;     // the computer's wanted facing
const int kCooldown = 8;
const int kNextCooldown = 9;  // 1 at rest, longer with every shot of a burst
const int kFirePause = 19;    // the computer's rest from firing, in frames
const int kScore = 95;
const int kAlive = 99;

// Controls of a player's source.
const int kStickX = 1;
const int kStickY = 2;
const int kFireA = 7;

// Game-wide values kept in player 0's row.
const int kVirusSlots = 55;  // grows by a quarter per virus spawned
const int kEndTimer = 66;

// Bullets are objects 0..100.
const int kObjectStride = 10;
const int kLastBullet = 100;
const int kInFlight = 0;
const int kBulletX = 1;
const int kBulletY = 2;
const int kBulletVx = 3;
const int kBulletVy = 4;
const int kBulletRotation = 5;  // as stored for drawing: the negated heading
const int kOwner = 9;

// Viruses: 1000 floats each at the start of the grid table. The trail holds the head's
// last positions, oldest first; body segment k sits six points behind segment k - 1.
const int kViruses = 10;
const int kVirusStride = 1000;
const int kLength = 0;  // in segments, 0 for an empty slot
const int kHeadX = 1;
const int kHeadY = 2;
const int kSpeed = 3;
const int kTurnRate = 4;  // degrees a frame
const int kHeading = 5;
const int kTargetHeading = 6;
const int kTrail = 10;
const int kPointStride = 4;  // x, y, rotation as stored for drawing, spare
const int kNewestPoint = 201;
const int kSegmentSpacing = 6;

// Graphic codes: turrets 48 + player, bullets 52 + owner, the virus segment 56.
const int kTurretArt = 48;
const int kBulletArt = 52;
const int kVirusArt = 56;

const int kPanel = 96;
const int kAdditive = 3;
const float kTurretSpread = 16;
const float kStartFacing[kPlayers] = {-45, 135, 225, 45};
const float kTurnPerFrame = 3;
const float kBulletSpeed = 7;
const float kBurstSlowdown = 0.3f;
const float kBulletAlpha = 0.8f;
const float kOffArena = 64;  // bullets vanish and viruses start this far outside
const float kSpawnSpread = 128;
const float kHitReach = 8;
const float kTouchReach = 16;
const float kEdgeTurn = 10;
const float kShrinkPerHit = 0.3f;
const float kNearestBound = 4194304;  // 2048 squared
const float kMostSlots = 10;
const float kSlotsPerSpawn = 0.25f;
const float kFreshLength = 8;
const float kTrailStart = -256;  // a new virus's body waits off screen until the trail fills
const int kEndFrames = 60;

float ArenaWidth(const c_MyApp& app) { return zr_TinselJumble_jscrw - app.m_panelWidth; }

float* Turret(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float* Bullet(c_MyApp& app, int slot) { return app.m_objects.Data() + slot * kObjectStride; }

float* Virus(c_MyApp& app, int v) { return app.m_grid.Data() + v * kVirusStride; }

float* TrailPoint(float* virus, int point) { return virus + kTrail + point * kPointStride; }

float* Segment(float* virus, int k) { return TrailPoint(virus, kNewestPoint - 1 - kSegmentSpacing * k); }

bool FarOutside(float x, float y, float arenaW) {
  return x < -kOffArena || y < -kOffArena || x > arenaW + kOffArena || y > zr_TinselJumble_jscrh + kOffArena;
}

// The computer turns towards the nearest virus head and fires in bursts, resting now and
// then so its cooldown recovers.
bool ComputerFires(c_MyApp& app, float* turret) {
  float nearest = kNearestBound;
  int target = -1;
  for (int v = 0; v < kViruses; ++v) {
    float* virus = Virus(app, v);
    if (virus[kLength] < 1) continue;
    float dx = virus[kHeadX] - turret[kTurretX];
    float dy = virus[kHeadY] - turret[kTurretY];
    if (dx * dx + dy * dy < nearest) {
      nearest = dx * dx + dy * dy;
      target = v;
    }
  }
  if (target >= 0) {
    float* virus = Virus(app, target);
    turret[kAim] = std::atan2(virus[kHeadX] - turret[kTurretX], turret[kTurretY] - virus[kHeadY]) * R2D;
  }
  int turn = app.m_WhichWayDoIGo(turret[kFacing], turret[kAim], 0, 359);
  if (turn < -kTurnPerFrame) turret[kFacing] -= kTurnPerFrame;
  if (turn > kTurnPerFrame) turret[kFacing] += kTurnPerFrame;

  bool fire = true;
  if (turret[kFirePause] > 0) {
    turret[kFirePause] -= 1;
    fire = false;
  }
  if (zr_random_Rnd() * 200 < 2 && turret[kFirePause] < 1) {
    fire = false;
    turret[kFirePause] = zr_random_Rnd() * 15 + 5;
  }
  return fire;
}

// Each shot of a held burst waits 0.3 frames longer than the one before; letting go
// (or the countdown) brings the quick first shots back.
void Fire(c_MyApp& app, int p, float* turret, bool fire) {
  if (fire) {
    turret[kCooldown] -= 1;
  } else {
    turret[kCooldown] = 0;
    turret[kNextCooldown] = 1;
  }
  if (app.m_introTimer > 0) {
    turret[kCooldown] = 0;
    turret[kNextCooldown] = 1;
  }
  if (!fire || turret[kCooldown] >= 1 || app.m_introTimer > 0 || turret[kAlive] <= 0) return;
  turret[kCooldown] = turret[kNextCooldown];
  turret[kNextCooldown] += kBurstSlowdown;
  int base = app.p_FreeObj(kLastBullet);
  if (base < 0) return;
  float* bullet = app.m_objects.Data() + base;
  float facing = turret[kFacing] * D2R;
  bullet[kInFlight] = 1;
  bullet[kBulletX] = turret[kTurretX];
  bullet[kBulletY] = turret[kTurretY];
  bullet[kBulletVx] = kBulletSpeed * std::sin(facing);
  bullet[kBulletVy] = -kBulletSpeed * std::cos(facing);
  bullet[kBulletRotation] = std::atan2(-kBulletSpeed * std::sin(facing), kBulletSpeed * std::cos(facing)) * R2D;
  bullet[kOwner] = static_cast<float>(p);
}

// Turns the turret by its seat's stick or the computer's aim and fires if it may.
// Turning works during the countdown too; only firing waits for it.
void ManTurret(c_MyApp& app, int p) {
  float* turret = Turret(app, p);
  int source = app.m_pad[p];
  bool fire = false;
  if (source == 0) {
    fire = ComputerFires(app, turret);
  } else if (source >= -1) {
    // Either axis turns the turret, so a stick or the arrow keys work any way round.
    turret[kFacing] += kTurnPerFrame * (app.p_Control(kStickX, p) + app.p_Control(kStickY, p));
    fire = app.p_Control(kFireA, p) > 0;
  }
  Fire(app, p, turret, fire);
}

// Every hit shrinks the virus by 0.3 segments: a fresh one of 8 takes 24 hits.
void StrikeVirus(c_MyApp& app, float* virus, const float* segment, int owner) {
  virus[kLength] -= kShrinkPerHit;
  Turret(app, owner)[kScore] += 1;
  int kind = 6;
  if (virus[kLength] < 1) {
    virus[kLength] = 0;
    app.p_PlaySFX(6);
    kind = 1;
  } else {
    app.p_PlaySFX(4);
  }
  for (int i = 0; i < 8; ++i) {
    int colour = static_cast<int>(zr_random_Rnd() * 8 + 1);
    float angle = 45.0f * i + zr_random_Rnd() * 60 - 30;
    float speed = zr_random_Rnd() * 3 + 2;
    app.p_ThrowParticle(segment[0], segment[1], kind, colour, angle, speed);
  }
}

// Bullets fly straight on, through turrets, until a virus segment or the arena's margin
// stops them.
void MoveBullets(c_MyApp& app, float arenaW) {
  for (int slot = 0; slot <= kLastBullet; ++slot) {
    float* bullet = Bullet(app, slot);
    if (bullet[kInFlight] == 0) continue;
    bullet[kBulletX] += bullet[kBulletVx];
    bullet[kBulletY] += bullet[kBulletVy];
    int owner = static_cast<int>(bullet[kOwner]);
    if (owner < 0 || owner >= kPlayers) owner = 0;
    app.p_SetRot(-bullet[kBulletRotation]);
    app.p_Alpha(kBulletAlpha);
    app.p_DrawGfx(bullet[kBulletX], bullet[kBulletY], kBulletArt + owner);
    app.p_SetRot(0);
    app.p_Alpha(1);

    for (int v = 0; v < kViruses && bullet[kInFlight] != 0; ++v) {
      float* virus = Virus(app, v);
      for (int k = 0; virus[kLength] > 0 && k <= virus[kLength]; ++k) {
        const float* segment = Segment(virus, k);
        if (std::fabs(bullet[kBulletX] - segment[0]) < kHitReach && std::fabs(bullet[kBulletY] - segment[1]) < kHitReach) {
          bullet[kInFlight] = 0;
          StrikeVirus(app, virus, segment, owner);
          break;
        }
      }
    }
    if (bullet[kInFlight] != 0 && FarOutside(bullet[kBulletX], bullet[kBulletY], arenaW)) bullet[kInFlight] = 0;
  }
}

// An empty slot in use draws a start point; one inside the arena or its margin is thrown
// away and the slot tries again next frame.
void SpawnVirus(c_MyApp& app, float* virus, float arenaW) {
  float x = static_cast<float>(app.p_Rand(-kSpawnSpread, arenaW + kSpawnSpread));
  float y = static_cast<float>(app.p_Rand(-kSpawnSpread, zr_TinselJumble_jscrh + kSpawnSpread));
  if (!FarOutside(x, y, arenaW)) return;
  virus[kHeadX] = x;
  virus[kHeadY] = y;
  virus[kSpeed] = zr_random_Rnd() * 1.5f + 1;
  virus[kTurnRate] = zr_random_Rnd() * 6 + 2;
  virus[kHeading] = zr_random_Rnd() * 360;
  for (int point = 0; point <= kNewestPoint; ++point) TrailPoint(virus, point)[0] = kTrailStart;
  app.m_players[kVirusSlots] = std::fmin(app.m_players[kVirusSlots] + kSlotsPerSpawn, kMostSlots);
  virus[kLength] = kFreshLength;
}

// The first living turret the head reaches is destroyed, and the virus with it.
bool Infects(c_MyApp& app, float* virus) {
  for (int q = 0; q < kPlayers; ++q) {
    float* turret = Turret(app, q);
    if (turret[kAlive] <= 0) continue;
    if (std::fabs(virus[kHeadX] - turret[kTurretX]) >= kTouchReach) continue;
    if (std::fabs(virus[kHeadY] - turret[kTurretY]) >= kTouchReach) continue;
    turret[kAlive] = 0;
    for (int n = 0; n < 46; ++n) {
      int colour = app.p_Rand(1, 9);
      float angle = zr_random_Rnd() * 360;
      float speed = zr_random_Rnd() * 3 + 3;
      app.p_ThrowParticle(turret[kTurretX], turret[kTurretY], 1, colour, angle, speed);
    }
    app.p_PlaySFX(9);
    app.p_PlaySFX(2);
    virus[kLength] = 0;
    return true;
  }
  return false;
}

// Now and then, and always near an edge, a virus picks a new random point of the arena
// to make for, or sometimes its centre, where the turrets stand.
void Reaim(float* virus, float arenaW) {
  float screenH = zr_TinselJumble_jscrh;
  float x = virus[kHeadX];
  float y = virus[kHeadY];
  bool whim = zr_random_Rnd() * 160 < 2;
  bool nearEdge = x < kEdgeTurn || y < kEdgeTurn || x > arenaW - kEdgeTurn || y > screenH - kEdgeTurn;
  if (!whim && !nearEdge) return;
  float pointY = zr_random_Rnd() * screenH;
  float pointX = zr_random_Rnd() * arenaW;
  virus[kTargetHeading] = std::trunc(std::atan2(pointX - x, y - pointY) * R2D);
  if (zr_random_Rnd() * 60 < 6) virus[kTargetHeading] = std::atan2(arenaW / 2 - x, y - screenH / 2) * R2D;
}

void CrawlVirus(c_MyApp& app, float* virus, float arenaW) {
  float heading = virus[kHeading] * D2R;
  virus[kHeadX] += std::sin(heading) * virus[kSpeed];
  virus[kHeadY] -= std::cos(heading) * virus[kSpeed];
  // A virus that takes a turret with it is gone at once, before it is drawn.
  if (Infects(app, virus)) return;

  Reaim(virus, arenaW);
  int turn = app.m_WhichWayDoIGo(virus[kHeading], virus[kTargetHeading], 0, 359);
  int most = static_cast<int>(virus[kTurnRate]);
  if (turn > most) turn = most;
  if (turn < -most) turn = -most;
  virus[kHeading] += static_cast<float>(turn);

  std::memmove(TrailPoint(virus, 0), TrailPoint(virus, 1), kNewestPoint * kPointStride * sizeof(float));
  float* newest = TrailPoint(virus, kNewestPoint);
  newest[0] = virus[kHeadX];
  newest[1] = virus[kHeadY];
  newest[2] = -virus[kHeading];

  for (int k = 0; k <= virus[kLength]; ++k) {
    const float* segment = Segment(virus, k);
    app.p_SetRot(-segment[2]);
    app.p_DrawGfx(segment[0], segment[1], kVirusArt);
  }
  app.p_SetRot(0);
}

}  // namespace

void c_MyApp::p_LoadGame_V() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kPanel;
  int centreX = static_cast<int>((zr_TinselJumble_jscrw - kPanel) / 2);
  int centreY = static_cast<int>(zr_TinselJumble_jscrh / 2);
  int spread = static_cast<int>(kTurretSpread);
  p_Start(0, centreX - spread, centreY - spread);
  p_Start(1, centreX + spread, centreY + spread);
  p_Start(2, centreX - spread, centreY + spread);
  p_Start(3, centreX + spread, centreY - spread);
  for (int p = 0; p < kPlayers; ++p) {
    float* turret = Turret(*this, p);
    turret[kFacing] = kStartFacing[p];
    turret[kAim] = kStartFacing[p];
    turret[kNextCooldown] = 1;
  }
  m_players[kVirusSlots] = 1;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_V() {
  m_bgFadeR = m_bgFadeG = m_bgFadeB = 0;
  m_bgTargetR = m_bgTargetG = m_bgTargetB = 0;
  p_ResetDraw();
  p_Blend(kAdditive);
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;

  float arenaW = ArenaWidth(*this);
  int alive = 0;
  for (int p = 0; p < kPlayers; ++p) {
    float* turret = Turret(*this, p);
    if (turret[kAlive] > 0) {
      p_SetRot(turret[kFacing]);
      p_DrawGfx(turret[kTurretX], turret[kTurretY], kTurretArt + p);
      p_SetRot(0);
      ++alive;
    }
    ManTurret(*this, p);
  }

  if (alive == 0) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }

  MoveBullets(*this, arenaW);

  for (int v = 0; v < kViruses; ++v) {
    float* virus = Virus(*this, v);
    if (virus[kLength] < 1 && v < m_players[kVirusSlots] && m_introTimer <= 0) SpawnVirus(*this, virus, arenaW);
    if (virus[kLength] > 0) CrawlVirus(*this, virus, arenaW);
  }

  p_Blend(1);
  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
