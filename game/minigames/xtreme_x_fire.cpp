// Game X, "Xtreme X-Fire": the four players guard the four sides of the arena (Red the
// bottom, Blue the top, Yellow the left, Green the right), slide along them and fire
// straight in at big balls that bounce around the middle. A hit ball splits into two
// smaller, faster balls that fly on in an X either side of the bolt, so every hit throws
// the pieces across the arena at somebody else; the smallest balls pop. Each ball hit is
// a point. A ball reaching a player costs a life, and the third knocks it out. Six waves
// of balls come, each faster; the round ends a second after the sixth is cleared or once
// at most one player is left.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Balls are objects 0..63, bolts objects 100..147; object fields.
const int kObjectStride = 10;
const int kMostBalls = 64;
const int kFirstBolt = 100;
const int kLastBolt = 147;
const int kKind = 0;  // ball: 0 free, 1 forming, 2 solid; bolt: 0 free, 1 flying
const int kObjX = 1;
const int kObjY = 2;
const int kVelX = 3;  // ball: at the first wave's speed, times the speed factor each frame
const int kVelY = 4;
const int kSize = 5;  // ball: 0 tiny .. 3 big
const int kForming = 6;
const int kOwner = 9;  // bolt
const float kFormingBall = 1;
const float kSolidBall = 2;

// Player fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kDaze = 3;     // frames of daze left
const int kGuard = 4;    // frames of safety left, the daze included
const int kReload = 5;   // frames until the next bolt may go
const int kLatch = 6;    // 1 while fire A is held since the last bolt
const int kWanted = 7;   // computer: the position along the rail it wants
const int kThink = 8;    // computer: frames until it thinks again
const int kDaydream = 9; // computer: frames of daydreaming left
const int kMisjudge = 10;  // computer: its aiming error, in radii of the ball
const int kSpin = 11;
const int kScore = 95;
const int kLives = 99;

// Game-wide values kept in player 0's row.
const int kWave = 50;
const int kWaveFrames = 51;   // frames since the wave arrived
const int kClearFrames = 52;  // frames the arena has been without balls
const int kSpeed = 53;        // the speed factor of every ball
const int kHeatFrames = 54;   // frames since the last wave's latest speed-up
const int kBanner = 55;       // frames the wave banner still shows
const int kEndTimer = 66;

// Balls, by size 0 (tiny) to 3 (big).
const float kRadius[4] = {8, 12, 18, 26};
const float kBallSpeed[4] = {2.8f, 2.2f, 1.7f, 1.3f};
const int kBallFrame[4] = {12, 13, 14, 15};  // sheet 4: glitter balls in no player's colour
const int kBallColour[4] = {5, 4, 3, 2};     // particle palette
const float kArtRadius = 11.5f;              // a ball frame's radius at scale 1
const int kBigSize = 3;

// Waves.
const int kWaves = 6;
const int kWaveBalls[kWaves] = {1, 2, 3, 4, 5, 6};
const float kFormingFrames = 60;
const int kClearPause = 90;
const int kWaveLimit = 1200;
const float kWaveSpeedUp = 1.1f;
const int kHeatInterval = 600;
const float kSplitTurn = 45;   // degrees either side of the bolt
const float kTurnJitter = 6;   // most degrees a bounce turns a ball
const float kSquarest = 20;    // a ball's heading stays this far off straight across
const float kSpawnSpreadX = 60;
const float kSpawnSpreadY = 50;

// Players and bolts.
const float kRail = 20;        // the rail's distance from its wall
const float kCorner = 40;      // rails end this far from the corners
const float kPlayerRadius = 12;
const float kSlide = 3;
const float kMuzzle = 14;
const float kBarrel = 26;
const float kBoltSpeed = 7;
const float kBoltReach = 3;
const int kPressGap = 7;       // a new press may fire this soon after the last bolt
const int kHeldGap = 14;       // a held button fires this often
const int kDazeFrames = 90;
const int kGuardFrames = 150;
const float kDazeSpin = 12;
const int kEndFrames = 60;

// The computer.
const int kThinkShortest = 4;
const int kThinkLongest = 8;
const float kDaydreamOdds = 80;
const int kDaydreamShortest = 40;
const int kDaydreamLongest = 100;
const float kHorizon = 60;        // frames ahead a ball counts as a danger
const float kLookStep = 3;        // frames between the looks along that time
const int kLooks = 20;
const float kFarAway = 1e9f;
const float kDangerMargin = 6;
const int kCandidates = 25;
const float kAimError = 0.3f;     // of the target's radius, either way
const float kFireWithin = 0.6f;   // of the ball's radius, from the aim
// How a computer weighs a spot on its rail: a little for the walk, more for how far it is
// from lining up a shot, and most for a ball that would reach it there, the sooner the worse.
const float kWalkCost = 0.02f;
const float kAimCost = 0.2f;
const float kAimBase = 10;
const float kComingFirst = 20;
const float kDanger = 1000;
const float kOverlook = 0.15f;  // the odds a computer misses a ball coming its way

// Art and sound.
const int kBallSheet = 4;
const int kTokenSheet = 0;
const float kTokenScale = 0.85f;
const int kBoltCode = 52;  // + owner: sheet 0
const int kHeartImage = 50;
const float kHeartScale = 0.3f;
const float kHeartDrop = 9;  // the top corners' hearts sit this far above the corner's edge
const float kStripWidth = 6;
const int kSplitSound = 4;
const int kBoltSound = 5;
const int kPopSound = 6;
const int kHitSound = 9;
const float kBoltVolume = 0.3f;
const int kSparkKind = 5;
const int kWhite = 9;

struct Arena {
  float w, h;
};

Arena ArenaOf(const c_MyApp& app) { return {zr_TinselJumble_jscrw - app.m_panelWidth, zr_TinselJumble_jscrh}; }

// A player's side: the rail runs along x (bottom, top) or y (left, right) at `fixed`,
// and (inX, inY) points into the arena.
struct Rail {
  bool alongX;
  float fixed;
  float inX, inY;
  float heading;  // of a bolt fired from it, degrees, 0 up, clockwise
  float length;
  float across;   // the arena's extent from this wall to the opposite one
};

Rail RailOf(int p, const Arena& arena) {
  switch (p) {
    case 0: return {true, arena.h - kRail, 0, -1, 0, arena.w, arena.h};
    case 1: return {true, kRail, 0, 1, 180, arena.w, arena.h};
    case 2: return {false, kRail, 1, 0, 90, arena.h, arena.w};
    default: return {false, arena.w - kRail, -1, 0, 270, arena.h, arena.w};
  }
}

float* Ball(c_MyApp& app, int i) { return app.m_objects.Data() + i * kObjectStride; }
float* Bolt(c_MyApp& app, int i) { return app.m_objects.Data() + i * kObjectStride; }
float* Player(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
bool InPlay(const float* player) { return player[kLives] > 0; }

float Clamped(float value, float low, float high) { return value < low ? low : value > high ? high : value; }

int SizeOf(const float* ball) { return static_cast<int>(Clamped(ball[kSize], 0, kBigSize)); }

// Keeps a rail position off the corners; on a rail too short for both limits the low
// one wins.
float OnRail(float along, const Rail& rail) {
  return std::fmax(std::fmin(along, rail.length - kCorner), kCorner);
}

// A position moved on at a speed for some frames, folded back into low..high as a ball
// bouncing between the two would be; the speed turns round with each bounce.
void Bounced(float& position, float& speed, float frames, float low, float high) {
  float span = high - low;
  if (span <= 0) {
    position = low;
    return;
  }
  float t = std::fmod(position + speed * frames - low, 2 * span);
  if (t < 0) t += 2 * span;
  if (t > span) t = 2 * span - t, speed = -speed;
  position = low + t;
}

// Sets a ball's velocity to its size's speed along a heading.
void Launch(float* ball, float heading) {
  float speed = kBallSpeed[SizeOf(ball)];
  ball[kVelX] = std::sin(heading * D2R) * speed;
  ball[kVelY] = -std::cos(heading * D2R) * speed;
}

// A bounce turns a ball a little at random, but never to within kSquarest of straight
// across: a ball going straight from wall to wall would never reach the other two sides.
void Jostle(float* ball) {
  float heading = std::atan2(ball[kVelX], -ball[kVelY]) * R2D + (zr_random_Rnd() * 2 - 1) * kTurnJitter;
  float quarter = std::floor(heading / 90) * 90;
  heading = quarter + Clamped(heading - quarter, kSquarest, 90 - kSquarest);
  Launch(ball, heading);
}

int FreeBall(c_MyApp& app) {
  for (int i = 0; i < kMostBalls; ++i)
    if (Ball(app, i)[kKind] == 0) return i;
  return -1;
}

// The next wave's big balls form near the middle, each to set off on a diagonal.
void StartWave(c_MyApp& app, const Arena& arena) {
  float* game = Player(app, 0);
  game[kWave] += 1;
  game[kWaveFrames] = 0;
  game[kClearFrames] = 0;
  game[kBanner] = 120;
  if (game[kWave] > 1) game[kSpeed] *= kWaveSpeedUp;
  int wave = static_cast<int>(game[kWave]);
  for (int n = 0; n < kWaveBalls[wave - 1]; ++n) {
    int i = FreeBall(app);
    if (i < 0) return;
    float* ball = Ball(app, i);
    ball[kKind] = kFormingBall;
    ball[kSize] = kBigSize;
    ball[kForming] = kFormingFrames;
    ball[kObjX] = arena.w / 2 + (zr_random_Rnd() * 2 - 1) * kSpawnSpreadX;
    ball[kObjY] = arena.h / 2 + (zr_random_Rnd() * 2 - 1) * kSpawnSpreadY;
    Launch(ball, app.p_Rand(0, 3) * 90.0f + 25 + zr_random_Rnd() * 40);
  }
}

int BallsLeft(c_MyApp& app) {
  int balls = 0;
  for (int i = 0; i < kMostBalls; ++i) balls += Ball(app, i)[kKind] != 0;
  return balls;
}

// Waves come when the arena has been clear a moment or the wave has had its time; after
// the last one the balls keep speeding up.
void RunWaves(c_MyApp& app, const Arena& arena) {
  float* game = Player(app, 0);
  game[kClearFrames] = BallsLeft(app) == 0 ? game[kClearFrames] + 1 : 0;
  game[kWaveFrames] += 1;
  if (game[kBanner] > 0) game[kBanner] -= 1;
  if (game[kWave] < kWaves) {
    if (game[kClearFrames] >= kClearPause || game[kWaveFrames] >= kWaveLimit) StartWave(app, arena);
    return;
  }
  game[kHeatFrames] += 1;
  if (game[kHeatFrames] >= kHeatInterval) {
    game[kHeatFrames] = 0;
    game[kSpeed] *= kWaveSpeedUp;
  }
}

void Burst(c_MyApp& app, float x, float y, int count, int colour, float speed) {
  for (int n = 0; n < count; ++n)
    app.p_ThrowParticle(x, y, kSparkKind, n % 3 == 0 ? kWhite : colour, n * 360.0f / count, speed + n % 3);
}

void HitPlayer(c_MyApp& app, int p) {
  float* player = Player(app, p);
  player[kLives] -= 1;
  app.p_PlaySFX(kHitSound);
  app.m_camY = 6;
  if (player[kLives] <= 0) {
    player[kLives] = 0;
    Burst(app, player[kX], player[kY], 30, app.p_PlayCol(p), 2);
    return;
  }
  player[kDaze] = kDazeFrames;
  player[kGuard] = kGuardFrames;
  Burst(app, player[kX], player[kY], 12, app.p_PlayCol(p), 1);
}

// A bolt's hit: a point for its owner, and the ball splits in an X along the bolt's
// line, or pops when it is the smallest. The second half needs a free slot.
void Strike(c_MyApp& app, float* ball, const float* bolt) {
  int owner = static_cast<int>(bolt[kOwner]);
  if (owner >= 0 && owner < kPlayers) Player(app, owner)[kScore] += 1;
  int size = SizeOf(ball);
  float x = ball[kObjX], y = ball[kObjY];
  if (size == 0) {
    ball[kKind] = 0;
    app.p_PlaySFX(kPopSound);
    Burst(app, x, y, 12, kBallColour[0], 2);
    return;
  }
  app.p_PlaySFX(kSplitSound);
  Burst(app, x, y, 6, kBallColour[size], 1);
  float heading = std::atan2(bolt[kVelX], -bolt[kVelY]) * R2D;
  int other = FreeBall(app);
  for (int half = 0; half < 2; ++half) {
    float* piece = half == 0 ? ball : other >= 0 ? Ball(app, other) : nullptr;
    if (piece == nullptr) break;
    float way = heading + (half == 0 ? -kSplitTurn : kSplitTurn);
    piece[kKind] = kSolidBall;
    piece[kSize] = static_cast<float>(size - 1);
    piece[kForming] = 0;
    piece[kObjX] = x + std::sin(way * D2R) * kRadius[size - 1] * 0.5f;
    piece[kObjY] = y - std::cos(way * D2R) * kRadius[size - 1] * 0.5f;
    Launch(piece, way);
  }
}

// Bolts fly in two half steps, so that a fast bolt cannot pass over a tiny ball, and the
// first solid ball one touches takes it.
void MoveBolts(c_MyApp& app, const Arena& arena) {
  for (int b = kFirstBolt; b <= kLastBolt; ++b) {
    float* bolt = Bolt(app, b);
    if (bolt[kKind] == 0) continue;
    for (int step = 0; step < 2 && bolt[kKind] != 0; ++step) {
      bolt[kObjX] += bolt[kVelX] / 2;
      bolt[kObjY] += bolt[kVelY] / 2;
      for (int i = 0; i < kMostBalls; ++i) {
        float* ball = Ball(app, i);
        if (ball[kKind] != kSolidBall) continue;
        float reach = kRadius[SizeOf(ball)] + kBoltReach;
        if (std::hypot(ball[kObjX] - bolt[kObjX], ball[kObjY] - bolt[kObjY]) >= reach) continue;
        Strike(app, ball, bolt);
        bolt[kKind] = 0;
        break;
      }
    }
    if (bolt[kObjX] < 0 || bolt[kObjY] < 0 || bolt[kObjX] > arena.w || bolt[kObjY] > arena.h) bolt[kKind] = 0;
  }
}

// A ball's position and velocity seen from a rail: along it, and its depth from the
// rail's wall with the rate at which that grows.
struct RailView {
  float along, depth, alongSpeed, depthSpeed;
};

RailView ViewFrom(const Rail& rail, const Arena& arena, const float* ball, float speed) {
  float vx = ball[kVelX] * speed, vy = ball[kVelY] * speed;
  if (rail.alongX) {
    float depth = rail.inY < 0 ? arena.h - ball[kObjY] : ball[kObjY];
    return {ball[kObjX], depth, vx, vy * rail.inY};
  }
  float depth = rail.inX > 0 ? ball[kObjX] : arena.w - ball[kObjX];
  return {ball[kObjY], depth, vy, vx * rail.inX};
}

// A ball as it will be some frames from now, bouncing off the walls meanwhile.
RailView Later(const Rail& rail, RailView view, float radius, float frames) {
  Bounced(view.along, view.alongSpeed, frames, radius, rail.length - radius);
  Bounced(view.depth, view.depthSpeed, frames, radius, rail.across - radius);
  return view;
}

// Where to stand so that a bolt fired now meets the ball; negative when a bolt cannot
// catch it.
float AimAlong(const Rail& rail, const RailView& view, float radius) {
  float closing = kBoltSpeed - view.depthSpeed;
  if (closing < 0.5f) return -1;
  float frames = std::fmax(view.depth - kRail - kMuzzle, 0.0f) / closing;
  return Later(rail, view, radius, frames).along;
}

// Where to go to shoot the ball: the aim, once the walk there is allowed for.
float LeadAlong(const Rail& rail, const RailView& view, float radius, float here) {
  float spot = AimAlong(rail, view, radius);
  for (int n = 0; n < 3 && spot >= 0; ++n)
    spot = AimAlong(rail, Later(rail, view, radius, std::fabs(spot - here) / kSlide), radius);
  return spot;
}

// A ball coming a computer's way, followed over the horizon a look at a time: where it
// will be along the rail, and how far (beyond reach: kFarAway) from the rail in depth.
struct Threat {
  float reach;
  float along[kLooks];
  float gap[kLooks];
};

void Follow(const Rail& rail, const RailView& view, float radius, Threat& threat) {
  threat.reach = radius + kPlayerRadius + kDangerMargin;
  for (int look = 0; look < kLooks; ++look) {
    RailView then = Later(rail, view, radius, look * kLookStep);
    float gap = then.depth - kRail;
    threat.along[look] = then.along;
    threat.gap[look] = gap < threat.reach ? gap : kFarAway;
  }
}

// How soon a threat comes within reach of a player who walks from `here` to `spot` along
// the rail; kHorizon when it does not within that many frames.
float FramesToContact(const Threat& threat, float here, float spot) {
  float way = spot > here ? 1.0f : -1.0f;
  for (int look = 0; look < kLooks; ++look) {
    float gap = threat.gap[look];
    if (gap == kFarAway) continue;
    float walked = here + way * std::fmin(std::fabs(spot - here), kSlide * look * kLookStep);
    float along = threat.along[look] - walked;
    if (along * along + gap * gap < threat.reach * threat.reach) return look * kLookStep;
  }
  return kHorizon;
}

// One think of a computer player: where each ball could be shot from and which balls
// could reach it, then the spot along its rail that is safest and best placed to shoot
// (balls coming its way first).
void Think(c_MyApp& app, int p, const Rail& rail, const Arena& arena) {
  float* player = Player(app, p);
  float speed = Player(app, 0)[kSpeed];
  float here = rail.alongX ? player[kX] : player[kY];
  float low = kCorner, high = std::fmax(rail.length - kCorner, kCorner);
  Threat threats[kMostBalls];
  float leads[kMostBalls], urgency[kMostBalls];
  int threatCount = 0, leadCount = 0;
  for (int i = 0; i < kMostBalls; ++i) {
    const float* ball = Ball(app, i);
    if (ball[kKind] != kSolidBall) continue;
    float radius = kRadius[SizeOf(ball)];
    RailView view = ViewFrom(rail, arena, ball, speed);
    // A ball that cannot come near the rail within the horizon is no danger.
    float closest = view.depthSpeed < 0 ? view.depth + view.depthSpeed * kHorizon : view.depth;
    bool coming = closest - kRail < radius + kPlayerRadius + kDangerMargin;
    // Now and then it overlooks one.
    if (coming && zr_random_Rnd() >= kOverlook) Follow(rail, view, radius, threats[threatCount++]);
    float lead = LeadAlong(rail, view, radius, here);
    if (lead >= 0) leads[leadCount] = Clamped(lead, low, high), urgency[leadCount++] = coming ? kComingFirst : 0;
  }

  float best = here, bestCost = 1e9f;
  for (int n = 0; n < kCandidates + 1 + leadCount; ++n) {
    float spot = n < kCandidates    ? low + (high - low) * n / (kCandidates - 1)
                 : n == kCandidates ? here
                                    : leads[n - kCandidates - 1];
    float cost = std::fabs(spot - here) * kWalkCost;
    float aimCost = 0;
    for (int l = 0; l < leadCount; ++l)
      aimCost = std::fmin(aimCost, std::fabs(spot - leads[l]) * kAimCost - urgency[l] - kAimBase);
    cost += aimCost;
    for (int t = 0; t < threatCount; ++t) {
      float frames = FramesToContact(threats[t], here, spot);
      if (frames < kHorizon) cost += kDanger / (frames + 10);
    }
    if (cost < bestCost) bestCost = cost, best = spot;
  }
  player[kWanted] = best;
  player[kMisjudge] = (zr_random_Rnd() * 2 - 1) * kAimError;
}

// A computer fires whenever a bolt fired now would meet a ball, as far as it judges.
bool OnTarget(c_MyApp& app, const float* player, const Rail& rail, const Arena& arena) {
  float here = rail.alongX ? player[kX] : player[kY];
  for (int i = 0; i < kMostBalls; ++i) {
    const float* ball = Ball(app, i);
    if (ball[kKind] != kSolidBall) continue;
    float radius = kRadius[SizeOf(ball)];
    float aim = AimAlong(rail, ViewFrom(rail, arena, ball, Player(app, 0)[kSpeed]), radius);
    if (aim >= 0 && std::fabs(here - aim - player[kMisjudge] * radius) < kFireWithin * radius + 2) return true;
  }
  return false;
}

// The stick along the rail and the trigger of a computer player, as a person's would be.
void ComputerControls(c_MyApp& app, int p, const Rail& rail, const Arena& arena, float& stick, bool& fire) {
  float* player = Player(app, p);
  if (player[kDaydream] > 0) {
    player[kDaydream] -= 1;
    return;
  }
  if (player[kThink] > 0) {
    player[kThink] -= 1;
  } else {
    player[kThink] = static_cast<float>(app.p_Rand(kThinkShortest, kThinkLongest));
    if (zr_random_Rnd() * kDaydreamOdds < 1) {
      player[kDaydream] = static_cast<float>(app.p_Rand(kDaydreamShortest, kDaydreamLongest));
      return;
    }
    Think(app, p, rail, arena);
  }
  float here = rail.alongX ? player[kX] : player[kY];
  stick = Clamped((player[kWanted] - here) / 6, -1, 1);
  fire = OnTarget(app, player, rail, arena);
}

// One player's frame: the stick along its rail (or the computer's), its slide, its
// bolt. A dazed player only spins.
void PlayPlayer(c_MyApp& app, int p, const Arena& arena, bool playing) {
  float* player = Player(app, p);
  Rail rail = RailOf(p, arena);
  float stick = 0;
  bool fire = false;
  if (app.m_pad[p] == 0) {
    if (playing) ComputerControls(app, p, rail, arena, stick, fire);
  } else {
    stick = app.p_Control(rail.alongX ? 1 : 2, p);
    fire = app.p_Control(7, p) > 0;
  }
  if (!playing || player[kDaze] > 0) stick = 0, fire = false;
  if (player[kDaze] > 0) player[kDaze] -= 1, player[kSpin] += kDazeSpin;
  else player[kSpin] = 0;
  if (player[kGuard] > 0) player[kGuard] -= 1;

  float& along = rail.alongX ? player[kX] : player[kY];
  float& across = rail.alongX ? player[kY] : player[kX];
  along = OnRail(along + Clamped(stick, -1, 1) * kSlide, rail);
  across = rail.fixed;

  bool ready = player[kLatch] == 0 ? player[kReload] <= kHeldGap - kPressGap : player[kReload] <= 0;
  if (fire && ready) {
    for (int b = kFirstBolt; b <= kLastBolt; ++b) {
      float* bolt = Bolt(app, b);
      if (bolt[kKind] != 0) continue;
      bolt[kKind] = 1;
      bolt[kObjX] = player[kX] + rail.inX * kMuzzle;
      bolt[kObjY] = player[kY] + rail.inY * kMuzzle;
      bolt[kVelX] = rail.inX * kBoltSpeed;
      bolt[kVelY] = rail.inY * kBoltSpeed;
      bolt[kOwner] = static_cast<float>(p);
      app.p_PlaySFX(kBoltSound, 1, kBoltVolume);
      break;
    }
    player[kReload] = kHeldGap;
    player[kLatch] = 1;
  }
  if (!fire) player[kLatch] = 0;
  if (player[kReload] > 0) player[kReload] -= 1;
}

void DrawArena(c_MyApp& app, const Arena& arena) {
  float ox = -app.m_camX, oy = -app.m_camY;
  app.p_SetCol(12, 18, 44, 0.7f);
  app.p_Rect(ox, oy, arena.w, arena.h);
  for (int p = 0; p < kPlayers; ++p) {
    Rail rail = RailOf(p, arena);
    bool inPlay = InPlay(Player(app, p));
    app.p_Ink(inPlay ? app.p_PlayCol(p) : 0, inPlay ? 0.8f : 1);
    app.p_Alpha(0.6f);
    float inward = rail.alongX ? rail.inY : rail.inX;
    float wall = rail.fixed - inward * kRail;
    float start = std::fmin(wall, wall + inward * kStripWidth);
    if (rail.alongX) app.p_Rect(ox + kCorner, oy + start, rail.length - 2 * kCorner, kStripWidth);
    else app.p_Rect(ox + start, oy + kCorner, kStripWidth, rail.length - 2 * kCorner);
  }
  app.p_ResetDraw();
  // Each corner shows one player's lives, the top ones low in their corner, clear of the
  // pause icon.
  const float cornerX[kPlayers] = {kCorner / 2, arena.w - kCorner / 2, kCorner / 2, arena.w - kCorner / 2};
  const float cornerY[kPlayers] = {arena.h - kCorner / 2, kCorner / 2, kCorner / 2, arena.h - kCorner / 2};
  for (int p = 0; p < kPlayers; ++p) {
    float lives = Player(app, p)[kLives];
    app.p_Ink(app.p_PlayCol(p), 0.5f);
    app.p_Alpha(0.35f);
    app.p_Rect(ox + cornerX[p] - kCorner / 2, oy + cornerY[p] - kCorner / 2, kCorner, kCorner);
    app.p_ResetDraw();
    app.p_SetSize(kHeartScale);
    for (int n = 0; n < 3; ++n) {
      app.p_Alpha(n < lives ? 1.0f : 0.15f);
      float heartY = cornerY[p] < arena.h / 2 ? kCorner - kHeartDrop : cornerY[p];
      app.p_DrawImg(kHeartImage, ox + cornerX[p] + (n - 1) * 11, oy + heartY, 0);
    }
    app.p_ResetDraw();
  }
}

void DrawBalls(c_MyApp& app) {
  int frame = static_cast<int>(Player(app, 0)[kWaveFrames]);
  for (int i = 0; i < kMostBalls; ++i) {
    const float* ball = Ball(app, i);
    if (ball[kKind] == 0) continue;
    int size = SizeOf(ball);
    float scale = kRadius[size] / kArtRadius;
    if (ball[kKind] == kFormingBall) {
      scale *= 1 - 0.6f * ball[kForming] / kFormingFrames;
      app.p_Alpha(0.35f + 0.1f * std::sin(frame * 12 * D2R));
    }
    app.p_SetSize(scale);
    app.p_DrawImg(kBallSheet, ball[kObjX] - app.m_camX, ball[kObjY] - app.m_camY, static_cast<float>(kBallFrame[size]));
    app.p_ResetDraw();
  }
}

void DrawBolts(c_MyApp& app) {
  for (int b = kFirstBolt; b <= kLastBolt; ++b) {
    const float* bolt = Bolt(app, b);
    if (bolt[kKind] == 0) continue;
    app.p_SetRot(std::atan2(bolt[kVelX], -bolt[kVelY]) * R2D);
    app.p_DrawGfx(bolt[kObjX] - app.m_camX, bolt[kObjY] - app.m_camY, kBoltCode + static_cast<int>(bolt[kOwner]));
  }
  app.p_ResetDraw();
}

// A player: its barrel pointing into the arena, its token turned to face the same way;
// it blinks while safe and spins while dazed.
void DrawPlayer(c_MyApp& app, int p, const Arena& arena, int clock) {
  const float* player = Player(app, p);
  Rail rail = RailOf(p, arena);
  float x = player[kX] - app.m_camX, y = player[kY] - app.m_camY;
  float alpha = player[kGuard] > 0 && (clock / 4) % 2 == 0 ? 0.35f : 1;
  if (player[kDaze] <= 0) {
    float reachX = rail.inX * kBarrel, reachY = rail.inY * kBarrel;
    float halfW = rail.alongX ? 3.5f : 0, halfH = rail.alongX ? 0 : 3.5f;
    app.p_SetCol(20, 20, 30, alpha);
    app.p_Rect(std::fmin(x, x + reachX) - halfW - 1, std::fmin(y, y + reachY) - halfH - 1,
               std::fabs(reachX) + 2 * halfW + 2, std::fabs(reachY) + 2 * halfH + 2);
    app.p_Ink(app.p_PlayCol(p), 1);
    app.p_Rect(std::fmin(x, x + reachX) - halfW + 1, std::fmin(y, y + reachY) - halfH + 1,
               std::fabs(reachX) + 2 * halfW - 2, std::fabs(reachY) + 2 * halfH - 2);
  }
  app.p_ResetDraw();
  app.p_Alpha(alpha);
  app.p_SetRot(rail.heading + player[kSpin]);
  app.p_SetSize(kTokenScale);
  app.p_DrawImg(kTokenSheet, x, y, static_cast<float>(p));
  app.p_ResetDraw();
}

void DrawBanner(c_MyApp& app, const Arena& arena) {
  const float* game = Player(app, 0);
  if (app.m_introTimer > 0 || game[kBanner] <= 0) return;
  int wave = static_cast<int>(game[kWave]);
  app.p_Alpha(std::fmin(game[kBanner] / 30, 1.0f) * 0.9f);
  app.p_SetSize(3);
  app.p_Text(arena.w / 2, arena.h / 2 - 80, wave >= kWaves ? String("FINAL WAVE") : String("WAVE ") + String(wave));
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_X() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = 96;
  Arena arena = ArenaOf(*this);
  for (int p = 0; p < kPlayers; ++p) {
    Rail rail = RailOf(p, arena);
    float middle = rail.length / 2;
    float x = rail.alongX ? middle : rail.fixed, y = rail.alongX ? rail.fixed : middle;
    p_Start(p, static_cast<int>(x), static_cast<int>(y));
    Player(*this, p)[kWanted] = middle;
  }
  m_players[kSpeed] = 1;
  StartWave(*this, arena);
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_X() {
  m_bgTargetR = 6;
  m_bgTargetG = 8;
  m_bgTargetB = 22;
  float dx = (m_camX - m_camTargetX) / 8;
  float dy = (m_camY - m_camTargetY) / 8;
  m_camX -= dx;
  m_camY -= dy;
  p_DoSnow(dx, dy);

  Arena arena = ArenaOf(*this);
  bool playing = m_introTimer < 1;
  if (playing) RunWaves(*this, arena);
  DrawArena(*this, arena);
  for (int i = 0; i < kMostBalls; ++i) p_X_Ball(i);
  DrawBalls(*this);

  int inPlay = 0;
  for (int p = 0; p < kPlayers; ++p) {
    if (!InPlay(Player(*this, p))) continue;
    ++inPlay;
    PlayPlayer(*this, p, arena, playing);
  }
  MoveBolts(*this, arena);
  DrawBolts(*this);
  for (int p = 0; p < kPlayers; ++p)
    if (InPlay(Player(*this, p))) DrawPlayer(*this, p, arena, static_cast<int>(m_players[kWaveFrames]));
  DrawBanner(*this, arena);

  bool cleared = m_players[kWave] >= kWaves && BallsLeft(*this) == 0;
  if (inPlay < 2 || cleared) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}

// One ball's frame: a forming ball only counts down (and only once play has begun); a
// solid one moves, bounces off the walls, and bounces back off a player it reaches, who
// loses a life unless still safe.
void c_MyApp::p_X_Ball(int ball) {
  if (ball < 0 || ball >= kMostBalls) return;
  float* it = Ball(*this, ball);
  if (it[kKind] == 0 || m_introTimer > 0) return;
  if (it[kKind] == kFormingBall) {
    it[kForming] -= 1;
    if (it[kForming] <= 0) it[kKind] = kSolidBall;
    return;
  }
  Arena arena = ArenaOf(*this);
  int size = SizeOf(it);
  float radius = kRadius[size];
  float speed = m_players[kSpeed];
  it[kObjX] += it[kVelX] * speed;
  it[kObjY] += it[kVelY] * speed;
  bool bounced = false;
  if (it[kObjX] < radius) it[kObjX] = radius, it[kVelX] = std::fabs(it[kVelX]), bounced = true;
  if (it[kObjX] > arena.w - radius) it[kObjX] = arena.w - radius, it[kVelX] = -std::fabs(it[kVelX]), bounced = true;
  if (it[kObjY] < radius) it[kObjY] = radius, it[kVelY] = std::fabs(it[kVelY]), bounced = true;
  if (it[kObjY] > arena.h - radius) it[kObjY] = arena.h - radius, it[kVelY] = -std::fabs(it[kVelY]), bounced = true;
  if (bounced) Jostle(it);

  for (int p = 0; p < kPlayers; ++p) {
    float* player = Player(*this, p);
    if (!InPlay(player)) continue;
    if (std::hypot(player[kX] - it[kObjX], player[kY] - it[kObjY]) >= radius + kPlayerRadius) continue;
    Rail rail = RailOf(p, arena);
    if (rail.alongX) it[kVelY] = std::fabs(it[kVelY]) * rail.inY;
    else it[kVelX] = std::fabs(it[kVelX]) * rail.inX;
    if (player[kGuard] <= 0) HitPlayer(*this, p);
  }
}
