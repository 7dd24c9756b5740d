// Game M, "Missile Mayhem": every player is a missile launcher on a dark-blue field. The
// stick moves the aim, shown as a dot in a small radar box over the launcher, and fire
// sends a shell arcing to the aimed spot. Every standing launcher inside the blast, the
// shooter's own included, loses a life, sinks into the ground and rises again somewhere
// else; a launcher that is rising or sinking can neither be hit nor fire. Players score
// by staying alive, and the round ends half a second after at most one launcher is left.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kAimX = 5;  // -100..100 each
const int kAimY = 6;
const int kLatch = 8;   // 1 until fire A is let go
const int kPhase = 9;   // 0..89 rising, 90 standing, 91..180 hit and sinking
const int kShell = 10;  // 0 no shell, 1..180 in flight
const int kShellX = 11;  // the shell's ground position
const int kShellY = 12;
const int kShellVx = 13;
const int kShellVy = 14;
const int kTarget = 20;  // the computer's chosen player
const int kLandedX = 21;  // where this player's last shell came down
const int kLandedY = 22;
const int kTargetSeenX = 23;  // where the target stood at the last aim correction
const int kTargetSeenY = 24;
const int kCorrection = 25;  // frames of aim correction the computer has left
const int kScore = 95;
const int kDebris = 98;  // frames of debris left
const int kLives = 99;

// Game-wide values kept in player 0's row.
const int kLivingNow = 88;
const int kLivingBefore = 89;
const int kEndTimer = 90;

const int kPanelWidth = 96;
const int kStartLives = 3;
const int kUnplaced = -1;
const int kLauncherCode = 24;
const int kLatticeColumns = 6;
const int kLatticeRows = 5;
const float kSpacing = 64;
const int kPlacementTries = 200;
const float kStanding = 90;
const float kSunk = 179;
const float kRiseHeight = 0.3f;
const float kAimLimit = 100;
const float kAimPerFrame = 4;
const float kRadarSize = 32;
const float kRadarLift = 24;
const float kRadarSpread = 6.25f;
const float kCrossArm = 3;
const float kShellSpeed = 4;
const float kShellStep = 0.01f;
const float kShellPhaseStep = 1.5f;
const float kShellLanding = 180;
const float kShellHeight = 64;
const float kShellRadius = 4;
const float kShadowOffset = 2;
const float kShadowAlpha = 0.4f;
const float kBlastHalfWidth = 30;
const float kBlastHalfHeight = 14;
const float kCorrectionDistance = 24;
const float kSmallestAim = 5;
const float kSmallestAimSum = 16;
const int kDebrisFrames = 20;
const int kDebrisPerFrame = 4;
const int kDebrisKind = 2;
const int kSmokePairs = 32;
const float kSmokeAngle = 11.25f;
const int kSmokeKind = 4;
const int kSmokeColour = 5;
const int kEndFrames = 30;
const int kFireSound = 5;
const int kLaunchSound = 15;
const int kLandSound = 1;
const int kHitSound = 2;
const int kBlownUpSound = 6;
const int kOutSound = 9;
const int kFireA = 10;

const float kShellColours[kPlayers][3] = {{255, 120, 120}, {120, 200, 255}, {255, 255, 120}, {120, 255, 120}};

float* RowOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float Clamped(float value, float low, float high) { return std::fmin(std::fmax(value, low), high); }

bool Standing(const float* row) { return row[kPhase] == kStanding; }

// The field is the screen left of the score panel; a window too narrow for the panel
// leaves a field of no width rather than a negative one.
struct Field {
  float width, height;
};
Field FieldOf(const c_MyApp& app) {
  return {std::fmax(zr_TinselJumble_jscrw - app.m_panelWidth, 0.0f), zr_TinselJumble_jscrh};
}

// How far (x, y) is from the nearest placed launcher, taking the larger of the two axis
// distances: a point is free when this is at least the spacing.
float Clearance(c_MyApp& app, float x, float y) {
  float nearest = HUGE_VALF;
  for (int q = 0; q < kPlayers; ++q) {
    const float* other = RowOf(app, q);
    if (other[kX] <= kUnplaced) continue;
    nearest = std::fmin(nearest, std::fmax(std::fabs(x - other[kX]), std::fabs(y - other[kY])));
  }
  return nearest;
}

void Fire(c_MyApp& app, float* row) {
  row[kLatch] = 1;
  row[kShell] = 1;
  app.p_PlaySFX(kFireSound);
  app.p_PlaySFX(kLaunchSound);
  row[kShellX] = row[kX];
  row[kShellY] = row[kY];
  row[kShellVx] = row[kAimX] * kShellSpeed;
  row[kShellVy] = row[kAimY] * kShellSpeed;
}

void DrawRadar(c_MyApp& app, const float* row) {
  float left = row[kX] - kRadarSize / 2;
  float top = row[kY] - kRadarLift - kRadarSize / 2;
  float right = left + kRadarSize;
  float bottom = top + kRadarSize;
  app.p_ResetDraw();
  app.p_Line(left, top, right, top);
  app.p_Line(right, top, right, bottom);
  app.p_Line(right, bottom, left, bottom);
  app.p_Line(left, bottom, left, top);
  float dotX = row[kX] + row[kAimX] / kRadarSpread;
  float dotY = row[kY] - kRadarLift + row[kAimY] / kRadarSpread;
  app.p_SetCol(255, 100, 100);
  app.p_Line(dotX - kCrossArm, dotY, dotX + kCrossArm, dotY);
  app.p_Line(dotX, dotY - kCrossArm, dotX, dotY + kCrossArm);
  app.p_SetCol(180, 0, 0);
  app.p_Rect(dotX - 1, dotY - 1, 2, 2);
  app.p_ResetDraw();
}

// The computer picks on a standing player other than itself, walks its aim towards the
// target for as many frames as its last shell missed by (and now and then on a whim),
// and fires when the aim has some length.
void ComputerTurn(c_MyApp& app, int p, float* row) {
  int target = static_cast<int>(row[kTarget]);
  bool valid = target >= 0 && target < kPlayers && target != p;
  if (!valid || !Standing(RowOf(app, target))) {
    int drawn = app.p_Rand(0, kPlayers - 2);
    target = drawn >= p ? drawn + 1 : drawn;
    row[kTarget] = static_cast<float>(target);
  }
  const float* aimed = RowOf(app, target);

  row[kCorrection] -= 1;
  if (Standing(row) && row[kShell] == 0 && (row[kCorrection] > 0 || zr_random_Rnd() * 40 < 4)) {
    float stepX = zr_random_Rnd() * 4 + 1;
    float stepY = zr_random_Rnd() * 4 + 1;
    if (aimed[kX] < row[kLandedX]) row[kAimX] -= stepX;
    if (aimed[kX] > row[kLandedX]) row[kAimX] += stepX;
    if (aimed[kY] < row[kLandedY]) row[kAimY] -= stepY;
    if (aimed[kY] > row[kLandedY]) row[kAimY] += stepY;
    row[kAimX] = Clamped(row[kAimX], -kAimLimit, kAimLimit);
    row[kAimY] = Clamped(row[kAimY], -kAimLimit, kAimLimit);
    row[kTargetSeenX] = aimed[kX];
    row[kTargetSeenY] = aimed[kY];
  }

  bool offCentre = std::fabs(row[kAimX]) >= kSmallestAim || std::fabs(row[kAimY]) >= kSmallestAim;
  if (row[kCorrection] < 1 && row[kShell] == 0 && Standing(row) && offCentre &&
      std::fabs(row[kAimX]) + std::fabs(row[kAimY]) > kSmallestAimSum && zr_random_Rnd() * 20 < 2 &&
      app.m_players[kLivingBefore] > 1 && app.m_introTimer < 1) {
    Fire(app, row);
  }
}

// One launcher's frame: debris, drawing, aim, rising and sinking, the radar and firing.
void UpdateLauncher(c_MyApp& app, int p) {
  float* row = RowOf(app, p);
  if (row[kDebris] > 0) {
    row[kDebris] -= 1;
    for (int piece = 0; piece < kDebrisPerFrame; ++piece) {
      int colour = app.p_Rand(1, 3);
      float angle = zr_random_Rnd() * 180 - 90;
      float speed = 3 + zr_random_Rnd() * 3;
      app.p_ThrowParticle(row[kX], row[kY], kDebrisKind, colour, angle, speed);
    }
  }
  if (row[kLives] <= 0) return;

  app.m_players[kLivingNow] += 1;
  float offStanding = std::fabs(row[kPhase] - kStanding);
  app.p_Alpha(1 - offStanding / kStanding);
  app.p_DrawGfx(row[kX], row[kY] + offStanding * kRiseHeight, kLauncherCode + p);
  app.p_ResetDraw();

  // The aim follows the stick during the countdown too, as the computers' aim does; only
  // firing waits for the countdown to end.
  int source = app.m_pad[p];
  if (source >= -1) {
    row[kAimX] = Clamped(row[kAimX] + kAimPerFrame * app.p_Control(1, p), -kAimLimit, kAimLimit);
    row[kAimY] = Clamped(row[kAimY] + kAimPerFrame * app.p_Control(2, p), -kAimLimit, kAimLimit);
  }

  if (row[kPhase] != kStanding) {
    row[kPhase] += 1;
    // A launcher here still has a life left: one hit for the last time is gone from the
    // field before it could sink.
    if (row[kPhase] > kSunk) app.p_AddMissile(p);
  }

  if (Standing(row)) DrawRadar(app, row);

  if (c_MyApp::p_IsHumanSource(source)) {
    if (app.p_PlayKey(kFireA, 0, source) == 0) {
      row[kLatch] = 0;
    } else if (row[kLatch] == 0 && row[kShell] == 0 && Standing(row) && app.m_introTimer < 1) {
      Fire(app, row);
    }
  } else if (source == 0) {
    ComputerTurn(app, p, row);
  }
}

// Every standing launcher within the blast is hit, the shooter's own included.
void Blast(c_MyApp& app, float x, float y) {
  for (int q = 0; q < kPlayers; ++q) {
    float* row = RowOf(app, q);
    if (!Standing(row) || std::fabs(x - row[kX]) >= kBlastHalfWidth || std::fabs(y - row[kY]) >= kBlastHalfHeight)
      continue;
    row[kPhase] = kStanding + 1;
    app.p_PlaySFX(kHitSound);
    row[kLives] -= 1;
    if (row[kLives] <= 0) {
      app.p_PlaySFX(kBlownUpSound);
      app.p_PlaySFX(kOutSound);
    }
    row[kDebris] = kDebrisFrames;
  }
  // A flat puff of smoke: pairs of slow and fast particles, fastest sideways.
  for (int pair = 0; pair < kSmokePairs; ++pair) {
    float angle = (pair + zr_random_Rnd() * 2 - 1) * kSmokeAngle;
    float spread = std::fabs(std::sin(angle * D2R)) * 0.5f;
    float slow = spread * (1 + zr_random_Rnd());
    app.p_ThrowParticle(x, y, kSmokeKind, kSmokeColour, angle, slow);
    float fast = spread * (3 + zr_random_Rnd());
    app.p_ThrowParticle(x, y, kSmokeKind, kSmokeColour, angle, fast);
  }
}

void FlyShell(c_MyApp& app, int p) {
  float* row = RowOf(app, p);
  row[kShell] += kShellPhaseStep;
  row[kShellX] += row[kShellVx] * kShellStep;
  row[kShellY] += row[kShellVy] * kShellStep;

  app.p_SetCol(0, 0, 0, kShadowAlpha);
  app.p_Oval(row[kShellX] + kShadowOffset, row[kShellY] + kShadowOffset, kShellRadius, kShellRadius);
  const float* colour = kShellColours[p];
  app.p_SetCol(colour[0], colour[1], colour[2], 1);
  float height = std::fabs(std::sin(row[kShell] * D2R)) * kShellHeight;
  app.p_Oval(row[kShellX], row[kShellY] - height, kShellRadius, kShellRadius);
  app.p_ResetDraw();

  if (row[kShell] <= kShellLanding) return;
  row[kShell] = 0;
  app.p_PlaySFX(kLandSound);
  row[kLandedX] = row[kShellX];
  row[kLandedY] = row[kShellY];
  float miss = std::fabs(row[kShellX] - row[kTargetSeenX]) + std::fabs(row[kShellY] - row[kTargetSeenY]);
  row[kCorrection] = static_cast<float>(static_cast<int>(miss / kCorrectionDistance));
  Blast(app, row[kShellX], row[kShellY]);
}

}  // namespace

void c_MyApp::p_LoadGame_Missile() {
  p_FreshGame();
  m_panelWidth = kPanelWidth;
  for (int p = 0; p < kPlayers; ++p) RowOf(*this, p)[kX] = kUnplaced;
  for (int p = 0; p < kPlayers; ++p) {
    p_AddMissile(p);
    RowOf(*this, p)[kLives] = kStartLives;
    RowOf(*this, p)[kScore] = 0;
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_Missile() {
  m_bgTargetR = 0;
  m_bgTargetG = 70;
  m_bgTargetB = 160;
  m_camX += (m_camTargetX - m_camX) / 8;
  m_camY += (m_camTargetY - m_camY) / 8;
  p_ResetDraw();

  m_players[kLivingBefore] = m_players[kLivingNow];
  m_players[kLivingNow] = 0;
  for (int p = 0; p < kPlayers; ++p) UpdateLauncher(*this, p);

  if (m_players[kLivingNow] < 2) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }

  for (int p = 0; p < kPlayers; ++p) {
    const float* row = RowOf(*this, p);
    if (row[kLives] > 0 && row[kShell] > 0) FlyShell(*this, p);
  }
  p_DoParticles(1);
  p_ScoreDisplay(2, 0.5f);
}

// A launcher goes to a point of a 6 x 5 lattice over the field, drawn at random until
// one is at least the spacing from every launcher already placed (its own old place
// included, so a hit launcher always moves). On a field too small for that the search
// gives up after a bounded number of draws and takes the lattice point with the most
// room around it.
void c_MyApp::p_AddMissile(int p) {
  if (p < 0 || p >= kPlayers) return;
  Field field = FieldOf(*this);
  float columnStep = field.width / (kLatticeColumns + 1);
  float rowStep = field.height / (kLatticeRows + 1);
  float x = 0, y = 0;
  bool found = false;
  for (int attempt = 0; attempt < kPlacementTries && !found; ++attempt) {
    x = std::trunc(p_Rand(1, kLatticeColumns) * columnStep);
    y = std::trunc(p_Rand(1, kLatticeRows) * rowStep);
    found = Clearance(*this, x, y) >= kSpacing;
  }
  if (!found) {
    float mostRoom = -1;
    for (int column = 1; column <= kLatticeColumns; ++column) {
      for (int row = 1; row <= kLatticeRows; ++row) {
        float pointX = std::trunc(column * columnStep);
        float pointY = std::trunc(row * rowStep);
        float room = Clearance(*this, pointX, pointY);
        if (room > mostRoom) {
          mostRoom = room;
          x = pointX;
          y = pointY;
        }
      }
    }
  }

  float* launcher = RowOf(*this, p);
  launcher[kAimX] = 0;
  launcher[kAimY] = 0;
  launcher[kPhase] = 0;
  launcher[kShell] = 0;
  // The intro icon fields are set as for any player's start; the lives stay as they are.
  float lives = launcher[kLives];
  p_Start(p, static_cast<int>(x), static_cast<int>(y));
  launcher[kLives] = lives;
  launcher[kLandedX] = x;
  launcher[kLandedY] = y;
  launcher[kTarget] = static_cast<float>(p);
  launcher[kLatch] = 1;
}
