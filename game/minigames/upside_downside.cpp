// Game U, "Upside Downside": a snowy corridor scrolls from right to left between a floor
// and a ceiling, and all four players share it. One button turns a player's own gravity
// over, so the player falls across the corridor onto the other surface. Gems lie on both
// surfaces and hang in arcs between them, a point each; rocks roll along both surfaces
// towards the players, faster than the ground moves. A rock, or a player landing on top,
// knocks a player over for a moment and throws up to three of its gems out for anyone to
// catch. The corridor has a fixed length: the round ends once the finish line has passed,
// and the most gems wins.
#include <cmath>
#include <cstdint>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

const int kPlayers = 4;
const int kStride = 100;

// Player fields.
const int kX = 1;
const int kY = 2;
const int kGravity = 3;  // +1 pulled to the floor, -1 to the ceiling
const int kVy = 4;
const int kStanding = 5;  // 1 on a surface, 0 falling across
const int kFireLatch = 6;
const int kKnockTimer = 7;  // frames left lying knocked over
const int kSafeTimer = 8;   // frames left in which nothing knocks the player over
const int kRunCycle = 10;
const int kHomeX = 11;  // the computer's spot to run to
const int kHomeTimer = 12;
const int kCatchRun = 13;  // gems caught in quick succession
const int kCatchRunTimer = 14;
const int kScore = 95;

// Game-wide values kept in player 0's row.
const int kSpeed = 50;  // scroll in pixels a frame
const int kDistance = 51;
const int kPlayFrames = 52;
const int kNextPattern = 53;  // the distance at which the next stretch is laid
const int kEndTimer = 54;

// Objects 0..199; object fields. Gems and rocks use fields 3..5 differently.
const int kObjectStride = 10;
const int kLastObject = 199;
const int kKind = 0;
const int kGem = 1;
const int kRock = 2;
const int kObjX = 1;
const int kObjY = 2;
const int kLook = 3;     // gem: 0..3 red, blue, yellow, green
const int kSurface = 3;  // rock: +1 floor, -1 ceiling
const int kPlace = 4;    // gem: +1 floor, -1 ceiling, 0 in the air
const int kRoll = 4;     // rock: its own speed on top of the scroll
const int kDriftX = 5;   // gem thrown loose: its own velocity
const int kRolled = 5;   // rock: degrees turned
const int kDriftY = 6;
const int kCatchDelay = 7;  // gem: frames before it can be caught

// Controls of a player's source.
const int kAxisX = 1;
const int kAxisY = 2;
const int kFireA = 7;

// The corridor: the surfaces lie kBand in from the top and bottom edges; players and
// rocks are centred kHalfHeight off a surface, gems kGemLift.
const float kBand = 56;
const float kHalfHeight = 16;
const float kGemLift = 14;
const float kPull = 0.6f;
const float kTopFall = 9;
const float kRunSpeed = 3;
const float kKnockSlide = 1;
const float kSideGap = 16;
const float kStickFlip = 0.5f;

// The scroll eases up to 2.5 after the countdown and gains 0.1 every four seconds.
const float kStartSpeed = 2.5f;
const float kSpeedStep = 0.1f;
const float kTopSpeed = 4.5f;
const float kSpeedGain = 0.05f;
const int kSpeedUpFrames = 240;
const float kFinish = 14000;
const float kFinishGone = -30;
const int kEndFrames = 30;

const float kCatchReach = 20;
const float kRockReachX = 22;
const float kRockReachY = 24;
const float kLandReach = 22;
const int kKnockFrames = 80;
const int kSafeFrames = 60;
const float kMostDropped = 3;
const int kLooseCatchDelay = 24;
const float kLooseDrag = 0.96f;
const int kRunGapFrames = 40;
const float kPitchStep = 0.06f;
const float kLongestRun = 8;

// Laying the corridor ahead.
const float kLayAhead = 48;
const float kGemGap = 34;
const int kArcEvery = 7;
const float kRockOdds = 0.45f;
const float kRockOddsGain = 0.3f;
const float kSlowestRoll = 0.5f;
const float kRollSpread = 1;
const float kRollGain = 0.5f;
const float kTrainGap = 80;
const float kBaitGap = 60;
const float kRockSpan = 40;
const float kLongestPattern = 280;  // on a 640 x 480 screen; a taller one stretches arcs
const float kOffLeft = -48;
const float kRockRadius = 16;

// The computer: how often it thinks, how far ahead, and what a future is worth.
const float kThinkOdds = 0.4f;
const int kPlanFrames = 64;
const int kPlanStep = 2;
const float kHurtCost = 4;
const float kSoonerCost = 0.05f;
const float kLandingBonus = 1;
const float kHomeSlack = 6;

// Art: graphic codes and scales.
const int kPlayerArt = 212;  // sheet 3 frames 20..23
const float kPlayerScale = 1.6f;
const int kGemArt = 336;  // sheet 5 frames 16..19
const float kGemScale = 0.7f;
const int kRockArt = 341;  // sheet 5 frame 21
const int kChequerArt = 39;
const int kScenery[6] = {373, 374, 376, 377, 378, 379};  // tree, snowman, four presents
const float kSceneryStep = 190;
const float kSceneryDepth = 0.6f;  // the scenery scrolls slower than the ground
const int kGemInk[4] = {1, 6, 3, 4};

const int kGemSound = 14;
const int kCrashSound = 6;
const int kHurtSound = 9;

struct Corridor {
  float width;    // the field left of the score panel
  float ceiling;  // the two surface lines
  float floor;
  float StandY(float side) const { return side > 0 ? floor - kHalfHeight : ceiling + kHalfHeight; }
  float GemY(float side) const { return side > 0 ? floor - kGemLift : ceiling + kGemLift; }
};

// On a very flat screen each surface band takes at most an eighth of the height.
Corridor CorridorOf(const c_MyApp& app) {
  float height = zr_TinselJumble_jscrh;
  float band = std::fmin(kBand, height / 8);
  return {zr_TinselJumble_jscrw - app.m_panelWidth, band, height - band};
}

float Clamped(float value, float low, float high) { return std::fmin(std::fmax(value, low), high); }

float* PlayerOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float* ObjectOf(c_MyApp& app, int i) { return app.m_objects.Data() + i * kObjectStride; }

bool Playing(const c_MyApp& app) { return app.m_introTimer < 1; }

// One frame of falling towards the side gravity pulls to; true on the frame of landing.
bool Fall(float& y, float& vy, float gravity, const Corridor& corridor) {
  vy = Clamped(vy + gravity * kPull, -kTopFall, kTopFall);
  y += vy;
  float stand = corridor.StandY(gravity);
  if ((gravity > 0 && y < stand) || (gravity < 0 && y > stand)) return false;
  y = stand;
  vy = 0;
  return true;
}

// A fresh object of the given kind with every other field cleared, or null when all
// slots are taken.
float* NewObject(c_MyApp& app, int kind) {
  int base = app.p_FreeObj(kLastObject);
  if (base < 0) return nullptr;
  float* object = app.m_objects.Data() + base;
  for (int field = 0; field < kObjectStride; ++field) object[field] = 0;
  object[kKind] = static_cast<float>(kind);
  return object;
}

void LayGem(c_MyApp& app, float x, float y, int look, float place) {
  float* gem = NewObject(app, kGem);
  if (gem == nullptr) return;
  gem[kObjX] = x;
  gem[kObjY] = y;
  gem[kLook] = static_cast<float>(look);
  gem[kPlace] = place;
}

// Returns the run's length.
float LayGemRun(c_MyApp& app, const Corridor& corridor, float x, int count, int look, float side) {
  for (int k = 0; k < count; ++k) LayGem(app, x + k * kGemGap, corridor.GemY(side), look, side);
  return (count - 1) * kGemGap;
}

// Gems along the path of a flip from the given side at this scroll speed: a player who
// stands still and flips as the arc's foot reaches it flies through every one.
float LayArc(c_MyApp& app, const Corridor& corridor, float x, float from, int look, float speed) {
  float y = corridor.StandY(from);
  float vy = 0;
  int frame = 0;
  bool landed = false;
  while (!landed && frame < 200) {
    ++frame;
    landed = Fall(y, vy, -from, corridor);
    if (frame % kArcEvery == 0) LayGem(app, x + speed * frame, y, look, 0);
  }
  return speed * frame;
}

void LayRock(c_MyApp& app, const Corridor& corridor, float x, float side, float roll) {
  float* rock = NewObject(app, kRock);
  if (rock == nullptr) return;
  rock[kObjX] = x;
  rock[kObjY] = corridor.StandY(side);
  rock[kSurface] = side;
  rock[kRoll] = roll;
}

// Lays the next stretch of corridor at x and returns its length: a rock pattern, more
// likely as the round goes on, or a gem pattern.
float LayPattern(c_MyApp& app, const Corridor& corridor, float x, float progress, float speed) {
  int look = app.p_Rand(0, 3);
  if (zr_random_Rnd() < kRockOdds + kRockOddsGain * progress) {
    float roll = kSlowestRoll + zr_random_Rnd() * kRollSpread + kRollGain * progress;
    int shape = app.p_Rand(0, 5);
    if (shape == 4) {
      float apart = static_cast<float>(app.p_Rand(140, 260));
      LayRock(app, corridor, x, 1, roll);
      LayRock(app, corridor, x + apart, -1, roll);
      return apart;
    }
    if (shape == 5) {
      // A train of rocks at one speed along one surface: get off it and stay off.
      int count = app.p_Rand(2, 3);
      for (int k = 0; k < count; ++k) LayRock(app, corridor, x + k * kTrainGap, look < 2 ? 1.0f : -1.0f, roll);
      return (count - 1) * kTrainGap;
    }
    float side = shape < 2 ? 1.0f : -1.0f;
    LayRock(app, corridor, x, side, roll);
    // The odd shapes bait the other surface with gems just behind the rock.
    if (shape % 2 == 0) return kRockSpan;
    return kBaitGap + LayGemRun(app, corridor, x + kBaitGap, 3, look, -side);
  }
  int shape = app.p_Rand(0, 4);
  if (shape < 2) return LayGemRun(app, corridor, x, app.p_Rand(3, 6), look, shape == 0 ? 1.0f : -1.0f);
  if (shape < 4) return LayArc(app, corridor, x, shape == 2 ? 1.0f : -1.0f, look, std::fmax(speed, kStartSpeed));
  // A run on each surface, one after the other: a flip between them catches both.
  float second = x + LayGemRun(app, corridor, x, 3, look, 1) + kGemGap + kBaitGap;
  return second - x + LayGemRun(app, corridor, second, 3, (look + 1) % 4, -1);
}

// Lays a stretch whenever the distance run reaches the next mark, and none that would
// reach past the finish line.
void LayAhead(c_MyApp& app, const Corridor& corridor) {
  float* world = app.m_players.Data();
  if (world[kDistance] < world[kNextPattern]) return;
  float x = corridor.width + kLayAhead;
  float finishX = kFinish - world[kDistance];
  if (x + kLongestPattern > finishX) return;
  float length = LayPattern(app, corridor, x, world[kDistance] / kFinish, world[kSpeed]);
  world[kNextPattern] = world[kDistance] + length + static_cast<float>(app.p_Rand(40, 120));
}

void Sparks(c_MyApp& app, float x, float y, int count, int colour, float speed) {
  for (int k = 0; k < count; ++k) app.p_ThrowParticle(x, y, 5, colour, k * 360.0f / count, speed);
}

void Catch(c_MyApp& app, float* gem, int p) {
  float* row = PlayerOf(app, p);
  row[kScore] += 1;
  row[kCatchRun] = row[kCatchRunTimer] > 0 ? row[kCatchRun] + 1 : 0;
  row[kCatchRunTimer] = kRunGapFrames;
  // A fixed pitch that climbs with the run; it draws nothing from the generator.
  app.p_PlaySFX(kGemSound, 1 + kPitchStep * std::fmin(row[kCatchRun], kLongestRun), 0.8f, 0);
  int look = static_cast<int>(Clamped(gem[kLook], 0, 3));
  Sparks(app, gem[kObjX], gem[kObjY], 6, kGemInk[look], 2);
  gem[kKind] = 0;
}

// Knocked over: the player lies still for a while and up to three of its gems fly out
// away from its surface, loose for anyone to catch once they have cleared it.
void KnockOver(c_MyApp& app, int p) {
  float* row = PlayerOf(app, p);
  row[kKnockTimer] = kKnockFrames;
  row[kSafeTimer] = kKnockFrames + kSafeFrames;
  float dropped = std::fmin(kMostDropped, std::floor(std::fmax(row[kScore], 0.0f)));
  row[kScore] -= dropped;
  for (int k = 0; k < dropped; ++k) {
    float* gem = NewObject(app, kGem);
    if (gem == nullptr) break;
    gem[kObjX] = row[kX];
    gem[kObjY] = row[kY];
    gem[kLook] = static_cast<float>(app.p_Rand(0, 3));
    gem[kDriftX] = zr_random_Rnd() * 4 - 1;
    gem[kDriftY] = -row[kGravity] * (2 + zr_random_Rnd() * 3);
    gem[kCatchDelay] = kLooseCatchDelay;
  }
  Sparks(app, row[kX], row[kY], 12, app.p_PlayCol(p), 3);
}

bool CanBeKnocked(const float* row) { return row[kKnockTimer] <= 0 && row[kSafeTimer] <= 0; }

// A player who lands on a surface knocks over anyone standing there under it.
void LandOn(c_MyApp& app, int p) {
  const float* lander = PlayerOf(app, p);
  for (int q = 0; q < kPlayers; ++q) {
    float* row = PlayerOf(app, q);
    if (q == p || row[kStanding] != 1 || row[kGravity] != lander[kGravity] || !CanBeKnocked(row)) continue;
    if (std::fabs(row[kX] - lander[kX]) >= kLandReach) continue;
    KnockOver(app, q);
    app.p_PlaySFX(kHurtSound);
  }
}

// Something the computer sees coming: where it is and how fast it moves across.
struct Sighting {
  float x, y, vx, catchDelay;
  bool rock;
};

struct Outlook {
  Sighting things[kLastObject + 1];
  int count = 0;
  // Players falling now: where, when and on which side they land.
  float landX[kPlayers], landSide[kPlayers];
  int landFrame[kPlayers];
};

// What lies within reach of the player's x over the planned frames.
void LookAround(c_MyApp& app, int p, const Corridor& corridor, Outlook& outlook) {
  const float* row = PlayerOf(app, p);
  float speed = app.m_players[kSpeed];
  for (int i = 0; i <= kLastObject; ++i) {
    const float* object = ObjectOf(app, i);
    if (object[kKind] == 0) continue;
    bool rock = object[kKind] == kRock;
    float vx = rock ? -(speed + object[kRoll]) : object[kDriftX] - speed;
    float nearest = object[kObjX] + vx * kPlanFrames;
    if (std::fmin(object[kObjX], nearest) > row[kX] + kRockReachX) continue;
    if (std::fmax(object[kObjX], nearest) < row[kX] - kRockReachX) continue;
    outlook.things[outlook.count++] = {object[kObjX], object[kObjY], vx, rock ? 0 : object[kCatchDelay], rock};
  }
  for (int q = 0; q < kPlayers; ++q) {
    const float* other = PlayerOf(app, q);
    outlook.landFrame[q] = -1;
    if (q == p || other[kStanding] == 1) continue;
    float y = other[kY], vy = other[kVy];
    int frame = 1;
    while (!Fall(y, vy, other[kGravity], corridor) && frame < 200) ++frame;
    outlook.landFrame[q] = frame;
    outlook.landX[q] = other[kX];
    outlook.landSide[q] = other[kGravity];
  }
}

// The computer's look ahead: plays about a second of the future in which the player
// flips now (or stays), with everything else moving on in straight lines, and scores it.
float FutureScore(c_MyApp& app, int p, const Corridor& corridor, const Outlook& outlook, bool flip) {
  const float* row = PlayerOf(app, p);
  float x = row[kX];
  float y = row[kY];
  float vy = 0;
  float gravity = flip ? -row[kGravity] : row[kGravity];
  bool standing = !flip;
  bool caught[kLastObject + 1] = {};
  float score = 0;
  for (int frame = 1; frame <= kPlanFrames; ++frame) {
    bool safe = row[kSafeTimer] > frame;
    float hurt = score - kHurtCost - (kPlanFrames - frame) * kSoonerCost;
    if (!standing && Fall(y, vy, gravity, corridor)) {
      standing = true;
      for (int q = 0; q < kPlayers; ++q) {
        const float* other = PlayerOf(app, q);
        if (q != p && other[kStanding] == 1 && other[kGravity] == gravity && CanBeKnocked(other) &&
            std::fabs(other[kX] - x) < kLandReach)
          score += kLandingBonus;
      }
    }
    for (int q = 0; q < kPlayers; ++q) {
      if (outlook.landFrame[q] == frame && standing && outlook.landSide[q] == gravity && !safe &&
          std::fabs(outlook.landX[q] - x) < kLandReach)
        return hurt;
    }
    if (frame % kPlanStep != 0) continue;
    for (int k = 0; k < outlook.count; ++k) {
      const Sighting& thing = outlook.things[k];
      float thingX = thing.x + thing.vx * frame;
      if (thing.rock) {
        if (!safe && std::fabs(thingX - x) < kRockReachX && std::fabs(thing.y - y) < kRockReachY) return hurt;
      } else if (!caught[k] && thing.catchDelay <= frame && std::fabs(thingX - x) < kCatchReach &&
                 std::fabs(thing.y - y) < kCatchReach) {
        caught[k] = true;
        score += 1;
      }
    }
  }
  return score;
}

// The computer runs towards a home spot it picks afresh every few seconds, and while it
// stands it now and then weighs flipping against staying.
void ComputerPlay(c_MyApp& app, int p, const Corridor& corridor, float& stick, bool& flip) {
  float* row = PlayerOf(app, p);
  row[kHomeTimer] -= 1;
  if (row[kHomeTimer] <= 0) {
    row[kHomeTimer] = static_cast<float>(app.p_Rand(120, 240));
    row[kHomeX] = static_cast<float>(app.p_Rand(kSideGap * 2.5f, corridor.width * 0.65f));
  }
  if (row[kHomeX] > row[kX] + kHomeSlack) stick = 1;
  if (row[kHomeX] < row[kX] - kHomeSlack) stick = -1;
  if (row[kStanding] != 1 || row[kKnockTimer] > 0) return;
  if (zr_random_Rnd() >= kThinkOdds) return;
  Outlook outlook;
  LookAround(app, p, corridor, outlook);
  flip = FutureScore(app, p, corridor, outlook, true) > FutureScore(app, p, corridor, outlook, false);
}

// One player's frame: controls or the computer, running, flipping and falling.
void PlayPlayer(c_MyApp& app, int p, const Corridor& corridor) {
  float* row = PlayerOf(app, p);
  int source = app.m_pad[p];
  float stick = 0;
  bool flip = false;
  if (source == 0) {
    if (Playing(app)) ComputerPlay(app, p, corridor, stick, flip);
  } else if (source >= -1) {
    bool fire = app.p_Control(kFireA, p) > 0;
    stick = app.p_Control(kAxisX, p);
    float towardsOtherSide = -row[kGravity] * app.p_Control(kAxisY, p);
    flip = (fire && row[kFireLatch] == 0) || towardsOtherSide > kStickFlip;
    row[kFireLatch] = fire ? 1.0f : 0.0f;
  }
  if (!Playing(app) || row[kKnockTimer] > 0) {
    stick = 0;
    flip = false;
  }
  if (row[kKnockTimer] > 0) row[kX] -= kKnockSlide;
  row[kX] = Clamped(row[kX] + stick * kRunSpeed, kSideGap, corridor.width - kSideGap);

  if (flip && row[kStanding] == 1) {
    row[kGravity] = -row[kGravity];
    row[kStanding] = 0;
    Sparks(app, row[kX], row[kY] - row[kGravity] * kHalfHeight, 4, 9, 1.5f);
  }
  if (row[kStanding] == 1) {
    row[kY] = corridor.StandY(row[kGravity]);
  } else if (Fall(row[kY], row[kVy], row[kGravity], corridor)) {
    row[kStanding] = 1;
    LandOn(app, p);
  }

  for (int timer : {kKnockTimer, kSafeTimer, kCatchRunTimer}) row[timer] = std::fmax(row[timer] - 1, 0.0f);
}

// Gems and rocks: moved with the ground, drawn, caught and crashed into; gone once off
// the left edge.
void MoveThings(c_MyApp& app, const Corridor& corridor) {
  float speed = app.m_players[kSpeed];
  // Things come into sight at the edge of the score panel, not through it.
  float shownUpTo = corridor.width + kHalfHeight;
  for (int i = 0; i <= kLastObject; ++i) {
    float* thing = ObjectOf(app, i);
    if (thing[kKind] == kGem) {
      if (thing[kPlace] != 0) {
        thing[kObjY] = corridor.GemY(thing[kPlace]);
        thing[kObjX] -= speed;
      } else {
        thing[kObjX] += thing[kDriftX] - speed;
        thing[kObjY] += thing[kDriftY];
        thing[kDriftX] *= kLooseDrag;
        thing[kDriftY] *= kLooseDrag;
        float top = corridor.ceiling + kGemLift, bottom = corridor.floor - kGemLift;
        if (thing[kObjY] < top || thing[kObjY] > bottom) thing[kDriftY] = -thing[kDriftY];
        thing[kObjY] = Clamped(thing[kObjY], top, bottom);
      }
      thing[kCatchDelay] = std::fmax(thing[kCatchDelay] - 1, 0.0f);
      int look = static_cast<int>(Clamped(thing[kLook], 0, 3));
      // Gems on the ceiling hang upside down, like everything else there.
      app.p_SetSize(kGemScale, thing[kPlace] < 0 ? -kGemScale : kGemScale);
      app.p_Alpha(thing[kCatchDelay] > 0 ? 0.6f : 1);
      if (thing[kObjX] < shownUpTo) app.p_DrawGfx(thing[kObjX] - app.m_camX, thing[kObjY] - app.m_camY, kGemArt + look);
      app.p_ResetDraw();
      // Players in number order, so of two reaching the same gem the lower number has it.
      for (int q = 0; q < kPlayers && thing[kKind] == kGem && thing[kCatchDelay] <= 0; ++q) {
        const float* row = PlayerOf(app, q);
        if (row[kKnockTimer] > 0) continue;
        if (std::fabs(row[kX] - thing[kObjX]) < kCatchReach && std::fabs(row[kY] - thing[kObjY]) < kCatchReach)
          Catch(app, thing, q);
      }
    } else if (thing[kKind] == kRock) {
      float side = thing[kSurface] < 0 ? -1.0f : 1.0f;
      float across = speed + thing[kRoll];
      thing[kObjX] -= across;
      thing[kObjY] = corridor.StandY(side);
      // Rolling left turns a floor rock anticlockwise and a ceiling rock clockwise.
      thing[kRolled] = std::fmod(thing[kRolled] - side * across / kRockRadius * R2D, 360.0f);
      app.p_SetRot(thing[kRolled]);
      if (thing[kObjX] < shownUpTo) app.p_DrawGfx(thing[kObjX] - app.m_camX, thing[kObjY] - app.m_camY, kRockArt);
      app.p_ResetDraw();
      for (int q = 0; q < kPlayers; ++q) {
        float* row = PlayerOf(app, q);
        if (!CanBeKnocked(row) || std::fabs(row[kX] - thing[kObjX]) >= kRockReachX ||
            std::fabs(row[kY] - thing[kObjY]) >= kRockReachY)
          continue;
        KnockOver(app, q);
        app.p_PlaySFX(kCrashSound);
        app.p_PlaySFX(kHurtSound);
        app.m_camY = 6 * side;
      }
    }
    if (thing[kKind] != 0 && thing[kObjX] < kOffLeft) thing[kKind] = 0;
  }
}

// The night sky shows between two banks of snow, whose lumpy edges scroll with the
// ground.
void DrawCorridor(c_MyApp& app, const Corridor& corridor, float distance) {
  float left = -128 - app.m_camX;
  float wide = zr_TinselJumble_jscrw + 256;
  float ceiling = corridor.ceiling - app.m_camY;
  float floor = corridor.floor - app.m_camY;
  app.p_SetCol(120, 150, 200);
  app.p_Rect(left, ceiling - 256, wide, 256);
  app.p_Rect(left, floor, wide, 256);
  const float lumpGap = 32;
  float phase = std::fmod(distance, lumpGap);
  for (float x = -phase - lumpGap; x < zr_TinselJumble_jscrw + lumpGap; x += lumpGap) {
    float lumpX = x - app.m_camX;
    app.p_SetCol(235, 245, 255);
    app.p_Oval(lumpX, floor + 2, 20, 7);
    app.p_Oval(lumpX + lumpGap / 2, ceiling - 2, 20, 7);
    app.p_SetCol(95, 120, 170);
    app.p_Oval(lumpX + lumpGap / 2, floor + 30, 5, 3);
    app.p_Oval(lumpX, ceiling - 30, 5, 3);
  }
  app.p_ResetDraw();
}

// Trees, snowmen and presents on the far wall, standing on the floor or hanging from the
// ceiling. Each spot's piece comes from its number alone, so the scenery draws nothing
// from the generator.
void DrawScenery(c_MyApp& app, const Corridor& corridor, float distance) {
  float scrolled = distance * kSceneryDepth;
  int first = static_cast<int>(std::floor(scrolled / kSceneryStep));
  int last = static_cast<int>(std::floor((scrolled + corridor.width + 2 * kSceneryStep) / kSceneryStep));
  for (int spot = first; spot <= last; ++spot) {
    uint32_t hash = static_cast<uint32_t>(spot) * 2654435761u;
    hash ^= hash >> 13;
    if (hash % 3 == 0) continue;
    float side = (hash >> 5) % 2 == 0 ? 1.0f : -1.0f;
    float x = spot * kSceneryStep - scrolled + 40;
    float y = side > 0 ? corridor.floor - 24 : corridor.ceiling + 24;
    app.p_Alpha(0.3f);
    app.p_SetSize(1.3f);
    app.p_SetRot(side > 0 ? 0 : 180);
    app.p_DrawGfx(x - app.m_camX, y - app.m_camY, kScenery[(hash >> 8) % 6]);
  }
  app.p_ResetDraw();
}

// A column of chequered squares across the corridor.
void DrawFinish(c_MyApp& app, const Corridor& corridor, float finishX) {
  if (finishX < -40 || finishX > corridor.width + kHalfHeight) return;
  const float square = 20;
  app.p_SetSize(square / 40);
  for (float y = corridor.ceiling + square / 2; y < corridor.floor; y += square)
    app.p_DrawGfx(finishX - app.m_camX, y - app.m_camY, kChequerArt);
  app.p_ResetDraw();
}

// A player turns over as it crosses: feet down at the floor, feet up at the ceiling. It
// bobs as it runs, spins while knocked over and blinks while it cannot be knocked over.
void DrawPlayer(c_MyApp& app, int p, const Corridor& corridor) {
  float* row = PlayerOf(app, p);
  float floorY = corridor.StandY(1), ceilingY = corridor.StandY(-1);
  float across = floorY - ceilingY > 1 ? (floorY - row[kY]) / (floorY - ceilingY) : (row[kGravity] < 0 ? 1.0f : 0.0f);
  float turn = 180 * Clamped(across, 0, 1);
  float bob = 0;
  if (row[kStanding] == 1 && row[kKnockTimer] <= 0) {
    row[kRunCycle] = std::fmod(row[kRunCycle] + app.m_players[kSpeed] * 0.08f, 360.0f);
    bob = std::fabs(std::sin(row[kRunCycle])) * 3;
    turn += std::sin(row[kRunCycle]) * 8;
  }
  if (row[kKnockTimer] > 0) turn += row[kKnockTimer] * 18;
  bool blink = row[kKnockTimer] <= 0 && row[kSafeTimer] > 0 && static_cast<int>(row[kSafeTimer]) / 4 % 2 == 0;
  float x = row[kX] - app.m_camX;
  float y = row[kY] - row[kGravity] * bob - app.m_camY;
  app.p_SetRot(turn);
  app.p_SetSize(kPlayerScale);
  app.p_Alpha(blink ? 0.3f : 1);
  app.p_DrawGfx(x, y, kPlayerArt + p);
  app.p_ResetDraw();
  if (row[kKnockTimer] <= 0) return;
  // Dizzy stars circling the head.
  app.p_SetCol(255, 230, 80);
  for (int k = 0; k < 3; ++k) {
    float angle = (row[kKnockTimer] * 12 + k * 120) * D2R;
    app.p_Oval(x + std::cos(angle) * 12, y - row[kGravity] * 22 + std::sin(angle) * 4, 2.5f, 2.5f);
  }
  app.p_ResetDraw();
}

// How far along the corridor the field is, in the top bank of snow.
void DrawProgress(c_MyApp& app, const Corridor& corridor, float distance) {
  float left = 40, right = corridor.width - 24, y = corridor.ceiling * 0.4f;
  float done = Clamped(distance / kFinish, 0, 1);
  app.p_SetCol(40, 50, 90, 0.8f);
  app.p_Rect(left, y - 2, right - left, 4);
  app.p_SetCol(255, 255, 255, 0.9f);
  app.p_Rect(left, y - 2, (right - left) * done, 4);
  app.p_Oval(left + (right - left) * done, y, 4, 4);
  app.p_ResetDraw();
  app.p_SetSize(0.3f);
  app.p_DrawGfx(right, y, kChequerArt);
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_U() {
  p_FreshGame();
  m_panelWidth = 96;
  Corridor corridor = CorridorOf(*this);
  // Red and Yellow start on the floor, Blue and Green on the ceiling, staggered so that
  // nobody starts right under anybody else.
  for (int p = 0; p < kPlayers; ++p) {
    float side = p % 2 == 0 ? 1.0f : -1.0f;
    p_Start(p, 90 + 60 * p, static_cast<int>(corridor.StandY(side)));
    float* row = PlayerOf(*this, p);
    row[kGravity] = side;
    row[kStanding] = 1;
    row[kHomeX] = row[kX];
  }
  // Something to catch straight after the countdown.
  LayGemRun(*this, corridor, 380, 4, 0, 1);
  LayGemRun(*this, corridor, 440, 4, 1, -1);
  p_SetBG(6, 0.22f);
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_U() {
  m_camX += (m_camTargetX - m_camX) / 8;
  m_camY += (m_camTargetY - m_camY) / 8;
  p_ResetDraw();
  Corridor corridor = CorridorOf(*this);
  float* world = m_players.Data();
  if (Playing(*this)) {
    world[kPlayFrames] += 1;
    float wanted = std::fmin(kStartSpeed + kSpeedStep * std::floor(world[kPlayFrames] / kSpeedUpFrames), kTopSpeed);
    world[kSpeed] = std::fmin(world[kSpeed] + kSpeedGain, wanted);
  }
  world[kDistance] += world[kSpeed];
  p_DoStars(-world[kSpeed] * 0.5f, 0);
  DrawScenery(*this, corridor, world[kDistance]);
  DrawCorridor(*this, corridor, world[kDistance]);
  if (Playing(*this)) LayAhead(*this, corridor);

  for (int p = 0; p < kPlayers; ++p) PlayPlayer(*this, p, corridor);
  MoveThings(*this, corridor);
  float finishX = kFinish - world[kDistance];
  DrawFinish(*this, corridor, finishX);
  for (int p = 0; p < kPlayers; ++p) DrawPlayer(*this, p, corridor);
  DrawProgress(*this, corridor, world[kDistance]);

  if (finishX < kFinishGone) {
    world[kEndTimer] += 1;
    if (world[kEndTimer] > kEndFrames) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
