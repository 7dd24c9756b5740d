// Game Y, "Yarn Loops": four balls of yarn roll without stopping about a rug, each
// unwinding a trail of limited length, while baubles drift slowly over it. A ball whose
// path crosses its own trail closes a loop: every bauble inside is caught for a point,
// any other yarn ball inside is tangled up for a while, and the trail winds back in. A
// ball that rolls across another's trail snips off its older part. The first to ten
// baubles ends the round a second later; otherwise a two-minute clock ends it.
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
const int kHeading = 3;  // degrees, 0 up, clockwise
const int kPoints = 4;   // points in the trail
const int kTangled = 5;  // frames of being tangled left
const int kSpin = 6;
const int kFlash = 7;  // frames the last loop still flashes
const int kFlashPoints = 8;
const int kFlashCatch = 9;  // baubles the last loop caught
const int kBumpWait = 10;
const int kTarget = 11;  // the computer's bauble, -1 none
const int kSide = 12;    // the computer's way round it: 1 clockwise, -1 anticlockwise
const int kRadius = 13;
const int kThinkTimer = 14;
const int kCircling = 15;  // frames the computer has spent circling its bauble
const int kAimError = 16;
const int kScore = 95;

// Game-wide value kept in player 0's row.
const int kEndTimer = 66;

// Baubles are objects 0..4; object fields.
const int kBaubles = 5;
const int kObjectStride = 10;
const int kDrifting = 0;  // 1 drifting, 0 caught and waiting to come back
const int kBx = 1;
const int kBy = 2;
const int kBvx = 3;
const int kBvy = 4;
const int kColour = 5;
const int kWobble = 6;
const int kComeBack = 7;  // frames until a caught bauble comes back
const int kAge = 8;       // frames since it came back

// The grid holds the yarn: row p is player p's trail, oldest point first, and row 4 + p
// the outline of its last loop. Cell fields 1, 2 are a point's x and y.
const int kRowCells = 65;
const int kGridRows = 8;
const int kCellStride = 10;
const int kPx = 1;
const int kPy = 2;
const int kMostPoints = 64;
const float kSpacing = 8;

// Rolling, in pixels and frames.
const float kSpeed = 2;
const float kTurnRate = 5;
const float kEdge = 10;  // a yarn ball's centre keeps this far inside the rug
const float kBallRadius = 12;
const float kStickDeadZone = 0.25f;
const float kTiny = 1e-3f;
const float kLoudTurn = 30;  // an edge that turns a ball further than this bumps audibly
const int kBumpFrames = 30;
const int kTangleFrames = 120;
const float kFlashFrames = 30;

// Baubles.
const float kBaubleMargin = 40;
const float kSlowestDrift = 0.3f;
const float kDriftSpread = 0.2f;
const float kNewCourseOdds = 240;  // one frame in this many a bauble changes course
const int kQuickestReturn = 60;
const int kSlowestReturn = 120;
const int kSpotTries = 8;
const float kGrowFrames = 20;

// The round.
const int kWinningScore = 10;
const int kRoundFrames = 7200;
const int kEndFrames = 60;

// The computer: it thinks every 15..30 frames and circles its bauble on a radius of
// 30..42, growing as it goes so the path spirals out across the way it came in.
const int kThinkShortest = 15;
const int kThinkLongest = 30;
const float kAimSpread = 16;
const float kCrowded = 60;  // a bauble another ball is nearer to counts this much farther
const float kLoyalty = 40;  // the bauble already chosen counts this much nearer
const int kSmallestCircle = 30;
const int kLargestCircle = 42;
const float kTightestCircle = 26;
const float kSpiral = 0.06f;
const float kCirclingBand = 12;
const float kGiveUp = 260;

// Art and sound.
const int kYarnArt = 320 + 44;    // sheet 5, one per player colour
const int kBaubleArt = 320 + 49;  // sheet 5, red, blue, yellow, green
const float kThreadAngle = 135;   // where the loose thread leaves the yarn ball's art
const float kBaubleScale = 0.7f;
const float kFullBallScale = 0.8f;  // with all its yarn wound in
const float kEmptyBallScale = 0.55f;
// Trails in the yarn balls' own colours (the palette's blue is cyan, which the blue ball
// is not).
const float kYarnColours[kPlayers][3] = {{255, 80, 70}, {80, 150, 255}, {255, 220, 60}, {80, 225, 90}};
const int kCatchSound = 14;
const int kCutSound = 6;
const int kTangleSound = 5;
const int kBumpSound = 9;
const int kSparkKind = 5;
const int kGlintKind = 6;
const int kBitsKind = 2;
const int kWhite = 9;

struct Rug {
  float width, height;
};

// The rug is the screen left of the score panel.
Rug RugOf(const c_MyApp& app) { return {zr_TinselJumble_jscrw - app.m_panelWidth, zr_TinselJumble_jscrh}; }

float* RowOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
float* BaubleAt(c_MyApp& app, int i) { return app.m_objects.Data() + i * kObjectStride; }
float* PointAt(c_MyApp& app, int row, int i) { return app.m_grid.Data() + (row * kRowCells + i) * kCellStride; }

float Clamped(float value, float low, float high) { return std::fmin(std::fmax(value, low), high); }
float Length(float x, float y) { return std::sqrt(x * x + y * y); }
float HeadingOf(float dx, float dy) { return std::atan2(dx, -dy) * R2D; }
float Wrapped(float degrees) { return degrees - 360 * std::floor(degrees / 360); }
// The signed turn from one heading to another, -180..180, clockwise positive. Whole
// degrees would leave a ball rolling up to a degree off the way the stick points.
float TurnBetween(float from, float to) { return Wrapped(to - from + 180) - 180; }

// The table's point count, kept within the row whatever the table holds.
int PointsOf(const float* row) { return static_cast<int>(Clamped(row[kPoints], 0, kMostPoints)); }

bool Tangled(const float* row) { return row[kTangled] > 0; }

// Where the path from a1 to a2 crosses the segment b1-b2, if it does. The path's start
// does not count, so a path starting on a segment (where a cut left it) crosses nothing.
bool Crossing(float a1x, float a1y, float a2x, float a2y, float b1x, float b1y, float b2x, float b2y,
              float& x, float& y) {
  float ax = a2x - a1x, ay = a2y - a1y;
  float bx = b2x - b1x, by = b2y - b1y;
  float across = ax * by - ay * bx;
  if (std::fabs(across) < kTiny) return false;
  float cx = b1x - a1x, cy = b1y - a1y;
  float t = (cx * by - cy * bx) / across;
  float u = (cx * ay - cy * ax) / across;
  if (t <= 0 || t > 1 || u < 0 || u > 1) return false;
  x = a1x + t * ax;
  y = a1y + t * ay;
  return true;
}

// Whether a point lies inside the outline in a grid row (even-odd rule, so a loop of any
// shape works).
bool Inside(c_MyApp& app, int row, int count, float x, float y) {
  bool inside = false;
  for (int i = 0, j = count - 1; i < count; j = i++) {
    const float* a = PointAt(app, row, i);
    const float* b = PointAt(app, row, j);
    if ((a[kPy] > y) != (b[kPy] > y) && x < a[kPx] + (y - a[kPy]) * (b[kPx] - a[kPx]) / (b[kPy] - a[kPy]))
      inside = !inside;
  }
  return inside;
}

// A bauble (back) on the rug at the most open of a few random spots: the one farthest
// from every yarn ball.
void PlaceBauble(c_MyApp& app, float* bauble, const Rug& rug) {
  float bestX = rug.width / 2, bestY = rug.height / 2, bestRoom = -1;
  for (int attempt = 0; attempt < kSpotTries; ++attempt) {
    float x = kBaubleMargin + zr_random_Rnd() * (rug.width - 2 * kBaubleMargin);
    float y = kBaubleMargin + zr_random_Rnd() * (rug.height - 2 * kBaubleMargin);
    float room = 1e9f;
    for (int p = 0; p < kPlayers; ++p) {
      const float* row = RowOf(app, p);
      room = std::fmin(room, Length(row[kX] - x, row[kY] - y));
    }
    if (room > bestRoom) bestRoom = room, bestX = x, bestY = y;
  }
  float course = zr_random_Rnd() * 360 * D2R;
  float speed = kSlowestDrift + zr_random_Rnd() * kDriftSpread;
  bauble[kDrifting] = 1;
  bauble[kBx] = bestX;
  bauble[kBy] = bestY;
  bauble[kBvx] = std::sin(course) * speed;
  bauble[kBvy] = -std::cos(course) * speed;
  bauble[kColour] = static_cast<float>(app.p_Rand(0, 3));
  bauble[kWobble] = zr_random_Rnd() * 360;
  bauble[kAge] = 0;
}

void DriftBaubles(c_MyApp& app, const Rug& rug) {
  for (int i = 0; i < kBaubles; ++i) {
    float* bauble = BaubleAt(app, i);
    if (bauble[kDrifting] == 0) {
      bauble[kComeBack] -= 1;
      if (bauble[kComeBack] <= 0) PlaceBauble(app, bauble, rug);
      continue;
    }
    if (zr_random_Rnd() * kNewCourseOdds < 1) {
      float course = zr_random_Rnd() * 360 * D2R;
      float speed = kSlowestDrift + zr_random_Rnd() * kDriftSpread;
      bauble[kBvx] = std::sin(course) * speed;
      bauble[kBvy] = -std::cos(course) * speed;
    }
    bauble[kBx] += bauble[kBvx];
    bauble[kBy] += bauble[kBvy];
    if (bauble[kBx] < kBaubleMargin) bauble[kBvx] = std::fabs(bauble[kBvx]);
    if (bauble[kBx] > rug.width - kBaubleMargin) bauble[kBvx] = -std::fabs(bauble[kBvx]);
    if (bauble[kBy] < kBaubleMargin) bauble[kBvy] = std::fabs(bauble[kBvy]);
    if (bauble[kBy] > rug.height - kBaubleMargin) bauble[kBvy] = -std::fabs(bauble[kBvy]);
    bauble[kAge] += 1;
  }
}

// The computer's choice of bauble: the nearest, counted farther when another yarn ball is
// nearer to it and nearer when it is the one already chosen. One it is circling it keeps.
void ChooseBauble(c_MyApp& app, int p, const Rug& rug) {
  float* row = RowOf(app, p);
  int current = static_cast<int>(row[kTarget]);
  bool known = current >= 0 && current < kBaubles && BaubleAt(app, current)[kDrifting] != 0;
  if (known && row[kCircling] > 0) return;
  int best = -1;
  float bestScore = 1e9f;
  for (int i = 0; i < kBaubles; ++i) {
    const float* bauble = BaubleAt(app, i);
    if (bauble[kDrifting] == 0) continue;
    float distance = Length(bauble[kBx] - row[kX], bauble[kBy] - row[kY]);
    float score = distance;
    for (int q = 0; q < kPlayers; ++q) {
      const float* other = RowOf(app, q);
      if (q != p && Length(bauble[kBx] - other[kX], bauble[kBy] - other[kY]) < distance) score += kCrowded;
    }
    if (i == current) score -= kLoyalty;
    if (score < bestScore) bestScore = score, best = i;
  }
  if (best == current && known) return;
  row[kTarget] = static_cast<float>(best);
  row[kCircling] = 0;
  if (best < 0) return;
  const float* bauble = BaubleAt(app, best);
  float room = std::fmin(std::fmin(bauble[kBx], rug.width - bauble[kBx]),
                         std::fmin(bauble[kBy], rug.height - bauble[kBy])) - kEdge - 4;
  row[kSide] = zr_random_Rnd() < 0.5f ? 1.0f : -1.0f;
  row[kRadius] = Clamped(static_cast<float>(app.p_Rand(kSmallestCircle, kLargestCircle)), kTightestCircle,
                         std::fmax(room, kTightestCircle));
}

// The way the computer wants to roll: along the tangent of a circle round its bauble,
// straight at it from afar, round it on the circle, outwards from inside.
float ComputerHeading(c_MyApp& app, int p, const Rug& rug) {
  float* row = RowOf(app, p);
  row[kThinkTimer] -= 1;
  if (row[kThinkTimer] <= 0) {
    row[kThinkTimer] = static_cast<float>(app.p_Rand(kThinkShortest, kThinkLongest));
    row[kAimError] = zr_random_Rnd() * kAimSpread - kAimSpread / 2;
    ChooseBauble(app, p, rug);
  }
  int target = static_cast<int>(row[kTarget]);
  if (target < 0 || target >= kBaubles || BaubleAt(app, target)[kDrifting] == 0)
    return HeadingOf(rug.width / 2 - row[kX], rug.height / 2 - row[kY]);
  const float* bauble = BaubleAt(app, target);
  float dx = bauble[kBx] - row[kX];
  float dy = bauble[kBy] - row[kY];
  float distance = Length(dx, dy);
  float radius = row[kRadius] + row[kCircling] * kSpiral;
  if (distance < radius + kCirclingBand) row[kCircling] += 1;
  if (row[kCircling] > kGiveUp) {
    row[kCircling] = 0;
    row[kSide] = -row[kSide];
  }
  float offTangent = distance > radius ? std::asin(radius / distance) * R2D
                                       : 90 + std::fmin((radius - distance) * 3, 60.0f);
  return HeadingOf(dx, dy) - row[kSide] * offTangent + row[kAimError];
}

// Keeps a yarn ball on the rug: one rolling into an edge turns to run along it, and one
// meeting it head-on turns clockwise (a corner may take two turns). Returns how far the
// edges turned it.
float KeepOnRug(float* row, const Rug& rug) {
  float left = kEdge, right = rug.width - kEdge, top = kEdge, bottom = rug.height - kEdge;
  row[kX] = Clamped(row[kX], left, std::fmax(left, right));
  row[kY] = Clamped(row[kY], top, std::fmax(top, bottom));
  float before = row[kHeading];
  for (int turn = 0; turn < 4; ++turn) {
    float vx = std::sin(row[kHeading] * D2R);
    float vy = -std::cos(row[kHeading] * D2R);
    bool intoSide = (row[kX] <= left && vx < -kTiny) || (row[kX] >= right && vx > kTiny);
    bool intoEnd = (row[kY] <= top && vy < -kTiny) || (row[kY] >= bottom && vy > kTiny);
    if (intoSide) {
      row[kHeading] = std::fabs(vy) > kTiny ? (vy < 0 ? 0.0f : 180.0f) : Wrapped(row[kHeading] + 90);
    } else if (intoEnd) {
      row[kHeading] = std::fabs(vx) > kTiny ? (vx > 0 ? 90.0f : 270.0f) : Wrapped(row[kHeading] + 90);
    } else {
      break;
    }
  }
  float turned = std::fabs(row[kHeading] - before);
  return std::fmin(turned, 360 - turned);
}

// One yarn ball's move: turn towards the stick or the computer's wish, roll, keep on the rug.
void Roll(c_MyApp& app, int p, const Rug& rug) {
  float* row = RowOf(app, p);
  bool steering = false;
  float wanted = 0;
  if (app.m_pad[p] == 0) {
    wanted = ComputerHeading(app, p, rug);
    steering = true;
  } else {
    float stickX = app.p_Control(1, p);
    float stickY = app.p_Control(2, p);
    if (Length(stickX, stickY) > kStickDeadZone) {
      wanted = HeadingOf(stickX, stickY);
      steering = true;
    }
  }
  if (steering) {
    float turn = Clamped(TurnBetween(row[kHeading], wanted), -kTurnRate, kTurnRate);
    row[kHeading] = Wrapped(row[kHeading] + turn);
  }
  row[kX] += std::sin(row[kHeading] * D2R) * kSpeed;
  row[kY] -= std::cos(row[kHeading] * D2R) * kSpeed;
  if (KeepOnRug(row, rug) > kLoudTurn && row[kBumpWait] == 0) {
    app.p_PlaySFX(kBumpSound, -1, 0.4f, 0);
    row[kBumpWait] = kBumpFrames;
  }
}

// Yarn balls that touch are pushed apart; their headings stay, so no trail folds back on
// itself.
void BumpBalls(c_MyApp& app, const Rug& rug) {
  for (int p = 0; p < kPlayers; ++p) {
    float* a = RowOf(app, p);
    for (int q = p + 1; q < kPlayers; ++q) {
      float* b = RowOf(app, q);
      float dx = b[kX] - a[kX];
      float dy = b[kY] - a[kY];
      float distance = Length(dx, dy);
      if (distance >= 2 * kBallRadius || distance == 0) continue;
      float push = (2 * kBallRadius - distance) / 2;
      a[kX] -= dx / distance * push, a[kY] -= dy / distance * push;
      b[kX] += dx / distance * push, b[kY] += dy / distance * push;
      if (a[kBumpWait] == 0 && b[kBumpWait] == 0) {
        app.p_PlaySFX(kBumpSound, -1, 0.6f, 0);
        a[kBumpWait] = b[kBumpWait] = kBumpFrames;
      }
    }
  }
  for (int p = 0; p < kPlayers; ++p) {
    float* row = RowOf(app, p);
    row[kX] = Clamped(row[kX], kEdge, std::fmax(kEdge, rug.width - kEdge));
    row[kY] = Clamped(row[kY], kEdge, std::fmax(kEdge, rug.height - kEdge));
  }
}

// Bits of yarn fall from every other point of a trail that is lost, up to point `end`.
void DropYarn(c_MyApp& app, int p, int end) {
  for (int i = 0; i < end; i += 2) {
    const float* point = PointAt(app, p, i);
    app.p_ThrowParticle(point[kPx], point[kPy], kBitsKind, app.p_PlayCol(p), kNotGiven, 1);
  }
}

void Tangle(c_MyApp& app, int q) {
  float* row = RowOf(app, q);
  DropYarn(app, q, PointsOf(row));
  row[kTangled] = kTangleFrames;
  row[kPoints] = 0;
  row[kCircling] = 0;
  app.p_PlaySFX(kTangleSound);
  app.m_camY = 5;
}

// Player p's path crossed its own trail at (x, y) on the segment after point k: the
// outline from there round to the ball catches the baubles and tangles the yarn balls
// inside it, flashes, and the trail winds in to start again at the ball.
void CloseLoop(c_MyApp& app, int p, int k, float x, float y) {
  float* row = RowOf(app, p);
  int points = PointsOf(row);
  int outline = kPlayers + p;
  int count = 0;
  auto add = [&](float px, float py) {
    float* corner = PointAt(app, outline, count++);
    corner[kPx] = px;
    corner[kPy] = py;
  };
  add(x, y);
  for (int i = k + 1; i < points; ++i) add(PointAt(app, p, i)[kPx], PointAt(app, p, i)[kPy]);
  add(row[kX], row[kY]);

  int caught = 0;
  for (int i = 0; i < kBaubles; ++i) {
    float* bauble = BaubleAt(app, i);
    if (bauble[kDrifting] == 0 || !Inside(app, outline, count, bauble[kBx], bauble[kBy])) continue;
    bauble[kDrifting] = 0;
    bauble[kComeBack] = static_cast<float>(app.p_Rand(kQuickestReturn, kSlowestReturn));
    row[kScore] += 1;
    ++caught;
    int colour = app.p_PlayCol(static_cast<int>(bauble[kColour]));
    for (int n = 0; n < 16; ++n)
      app.p_ThrowParticle(bauble[kBx], bauble[kBy], kSparkKind, n % 4 == 0 ? kWhite : colour, n * 22.5f, 2 + n % 3);
  }
  for (int q = 0; q < kPlayers; ++q) {
    const float* other = RowOf(app, q);
    if (q != p && !Tangled(other) && Inside(app, outline, count, other[kX], other[kY])) Tangle(app, q);
  }
  app.p_BadgeFeat(p, static_cast<float>(caught));
  if (caught > 0) {
    app.p_PlaySFX(kCatchSound, 1 + 0.15f * (caught - 1), 1, 0);
    for (int i = 0; i < count; i += 2) {
      const float* corner = PointAt(app, outline, i);
      app.p_ThrowParticle(corner[kPx], corner[kPy], kGlintKind, app.p_PlayCol(p), kNotGiven, 0.5f);
    }
  }
  row[kFlash] = kFlashFrames;
  row[kFlashPoints] = static_cast<float>(count);
  row[kFlashCatch] = static_cast<float>(caught);
  row[kPoints] = 0;
  row[kCircling] = 0;
  row[kThinkTimer] = 0;
}

// Player p's path crossed player q's trail at (x, y) on the segment after point k (the
// last point's segment runs to q's ball): the older part falls away and the trail now
// starts at the cut.
void Cut(c_MyApp& app, int q, int k, float x, float y) {
  float* row = RowOf(app, q);
  int points = PointsOf(row);
  DropYarn(app, q, k + 1);
  float* first = PointAt(app, q, 0);
  first[kPx] = x;
  first[kPy] = y;
  for (int i = k + 1; i < points; ++i) {
    float* to = PointAt(app, q, i - k);
    const float* from = PointAt(app, q, i);
    to[kPx] = from[kPx];
    to[kPy] = from[kPy];
  }
  row[kPoints] = static_cast<float>(points - k);
  app.p_PlaySFX(kCutSound);
}

// What player p's path this frame, from (fromX, fromY) to its ball, crossed: its own
// trail (not the last segment, which meets the path) closes a loop; another's trail is
// cut, nearest its owner first.
void CheckCrossings(c_MyApp& app, int p, float fromX, float fromY) {
  float* row = RowOf(app, p);
  float x = 0, y = 0;
  for (int k = PointsOf(row) - 3; k >= 0; --k) {
    const float* a = PointAt(app, p, k);
    const float* b = PointAt(app, p, k + 1);
    if (Crossing(fromX, fromY, row[kX], row[kY], a[kPx], a[kPy], b[kPx], b[kPy], x, y)) {
      CloseLoop(app, p, k, x, y);
      break;
    }
  }
  for (int q = 0; q < kPlayers; ++q) {
    const float* other = RowOf(app, q);
    if (q == p) continue;
    int points = PointsOf(other);
    for (int k = points - 1; k >= 0; --k) {
      const float* a = PointAt(app, q, k);
      float bx = k + 1 < points ? PointAt(app, q, k + 1)[kPx] : other[kX];
      float by = k + 1 < points ? PointAt(app, q, k + 1)[kPy] : other[kY];
      if (Crossing(fromX, fromY, row[kX], row[kY], a[kPx], a[kPy], bx, by, x, y)) {
        Cut(app, q, k, x, y);
        break;
      }
    }
  }
}

// A new point of yarn wherever the ball has rolled far enough from the last one; a full
// trail winds in its oldest point. An empty trail starts at the ball.
void LayYarn(c_MyApp& app, int p) {
  float* row = RowOf(app, p);
  int points = PointsOf(row);
  if (points > 0) {
    const float* last = PointAt(app, p, points - 1);
    if (Length(row[kX] - last[kPx], row[kY] - last[kPy]) < kSpacing) return;
  }
  if (points == kMostPoints) {
    for (int i = 1; i < points; ++i) {
      PointAt(app, p, i - 1)[kPx] = PointAt(app, p, i)[kPx];
      PointAt(app, p, i - 1)[kPy] = PointAt(app, p, i)[kPy];
    }
    --points;
  }
  float* point = PointAt(app, p, points);
  point[kPx] = row[kX];
  point[kPy] = row[kY];
  row[kPoints] = static_cast<float>(points + 1);
}

// A two-pixel line: the segment and a copy one pixel along its normal.
void ThickLine(c_MyApp& app, float x1, float y1, float x2, float y2) {
  float length = Length(x2 - x1, y2 - y1);
  float nx = length > 0 ? (y1 - y2) / length : 0;
  float ny = length > 0 ? (x2 - x1) / length : 0;
  app.p_Line(x1, y1, x2, y2);
  app.p_Line(x1 + nx, y1 + ny, x2 + nx, y2 + ny);
}

// The trail fades towards its old end; its last segment runs to the ball.
void DrawTrail(c_MyApp& app, int p) {
  float* row = RowOf(app, p);
  int points = PointsOf(row);
  const float* colour = kYarnColours[p];
  app.p_SetCol(colour[0], colour[1], colour[2]);
  for (int i = 0; i < points; ++i) {
    const float* a = PointAt(app, p, i);
    float bx = i + 1 < points ? PointAt(app, p, i + 1)[kPx] : row[kX];
    float by = i + 1 < points ? PointAt(app, p, i + 1)[kPy] : row[kY];
    app.p_Alpha(0.3f + 0.7f * (i + 1) / points);
    ThickLine(app, a[kPx] - app.m_camX, a[kPy] - app.m_camY, bx - app.m_camX, by - app.m_camY);
  }
  app.p_ResetDraw();
}

// A closed loop glows white over the player's colour and fades; an empty one glows dimmer.
void DrawFlash(c_MyApp& app, int p) {
  float* row = RowOf(app, p);
  if (row[kFlash] <= 0) return;
  int count = static_cast<int>(Clamped(row[kFlashPoints], 0, kRowCells));
  float strength = row[kFlash] / kFlashFrames * (row[kFlashCatch] > 0 ? 1 : 0.45f);
  int outline = kPlayers + p;
  app.p_Blend(3);
  for (int i = 0; i < count; ++i) {
    const float* a = PointAt(app, outline, i);
    const float* b = PointAt(app, outline, (i + 1) % count);
    float ax = a[kPx] - app.m_camX, ay = a[kPy] - app.m_camY;
    float bx = b[kPx] - app.m_camX, by = b[kPy] - app.m_camY;
    app.p_SetCol(kYarnColours[p][0], kYarnColours[p][1], kYarnColours[p][2], strength);
    app.p_Line(ax + 1, ay + 1, bx + 1, by + 1);
    app.p_SetCol(255, 255, 255, strength);
    app.p_Line(ax, ay, bx, by);
  }
  app.p_ResetDraw();
  row[kFlash] -= 1;
}

// The yarn ball shrinks as its yarn runs out and is turned so its loose thread trails
// behind; a tangled one spins and blinks.
void DrawBall(c_MyApp& app, int p) {
  const float* row = RowOf(app, p);
  float x = row[kX] - app.m_camX, y = row[kY] - app.m_camY;
  float size = kFullBallScale - (kFullBallScale - kEmptyBallScale) * PointsOf(row) / kMostPoints;
  app.p_SetCol(0, 0, 0, 0.3f);
  app.p_Oval(x + 2, y + 5, 16 * size, 11 * size);
  app.p_ResetDraw();
  if (Tangled(row)) {
    app.p_SetRot(row[kSpin]);
    app.p_Alpha(static_cast<int>(row[kTangled]) % 10 < 5 ? 0.5f : 1.0f);
  } else {
    app.p_SetRot(row[kHeading] + 180 - kThreadAngle);
  }
  app.p_SetSize(size);
  app.p_DrawGfx(x, y, kYarnArt + p);
  app.p_ResetDraw();
}

void DrawBaubles(c_MyApp& app) {
  for (int i = 0; i < kBaubles; ++i) {
    const float* bauble = BaubleAt(app, i);
    if (bauble[kDrifting] == 0) continue;
    float grown = std::fmin(bauble[kAge] / kGrowFrames, 1.0f);
    float x = bauble[kBx] - app.m_camX, y = bauble[kBy] - app.m_camY;
    app.p_SetCol(0, 0, 0, 0.25f);
    app.p_Oval(x + 2, y + 11 * grown, 11 * grown, 5 * grown);
    app.p_ResetDraw();
    app.p_SetRot(std::sin(bauble[kWobble] * D2R + bauble[kAge] * 0.05f) * 10);
    app.p_SetSize(kBaubleScale * grown);
    app.p_DrawGfx(x, y, kBaubleArt + static_cast<int>(Clamped(bauble[kColour], 0, 3)));
    app.p_ResetDraw();
  }
}

// The rug's woollen edge; the time left burns down along its top edge, away from the
// trails of balls running along the edge inside it.
void DrawRug(c_MyApp& app, const Rug& rug) {
  const float thickness = 3;
  float left = -app.m_camX, top = -app.m_camY;
  app.p_SetCol(230, 190, 150, 0.35f);
  app.p_Rect(left, top, rug.width, thickness);
  app.p_Rect(left, top + rug.height - thickness, rug.width, thickness);
  app.p_Rect(left, top, thickness, rug.height);
  app.p_Rect(left + rug.width - thickness, top, thickness, rug.height);
  float timeLeft = Clamped(static_cast<float>(app.m_timeLeft) / kRoundFrames, 0, 1);
  app.p_SetCol(255, 210, 80, 0.8f);
  app.p_Rect(left, top, rug.width * timeLeft, thickness);
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_Y() {
  p_FreshGame();
  p_SetGrid(kRowCells, kGridRows);
  m_panelWidth = 96;
  Rug rug = RugOf(*this);
  struct Start {
    float across, down, heading;
  };
  // Round the rug, each heading along the quarter it starts in.
  const Start starts[kPlayers] = {{0.2f, 0.25f, 90}, {0.8f, 0.75f, 270}, {0.2f, 0.75f, 0}, {0.8f, 0.25f, 180}};
  for (int p = 0; p < kPlayers; ++p) {
    p_Start(p, static_cast<int>(rug.width * starts[p].across), static_cast<int>(rug.height * starts[p].down));
    float* row = RowOf(*this, p);
    row[kHeading] = starts[p].heading;
    row[kTarget] = -1;
    row[kSide] = 1;
    LayYarn(*this, p);
  }
  for (int i = 0; i < kBaubles; ++i) PlaceBauble(*this, BaubleAt(*this, i), rug);
  m_timeLeft = kRoundFrames;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_Y() {
  m_bgTargetR = 42;
  m_bgTargetG = 26;
  m_bgTargetB = 52;
  float easeX = (m_camTargetX - m_camX) / 8;
  float easeY = (m_camTargetY - m_camY) / 8;
  m_camX += easeX;
  m_camY += easeY;
  p_DoSnow(easeX, easeY);

  Rug rug = RugOf(*this);
  bool playing = m_introTimer < 1;
  if (playing) {
    DriftBaubles(*this, rug);
    float fromX[kPlayers], fromY[kPlayers];
    bool rolled[kPlayers];
    for (int p = 0; p < kPlayers; ++p) {
      float* row = RowOf(*this, p);
      fromX[p] = row[kX];
      fromY[p] = row[kY];
      row[kBumpWait] = std::fmax(row[kBumpWait] - 1, 0.0f);
      rolled[p] = !Tangled(row);
      if (rolled[p]) {
        Roll(*this, p, rug);
      } else {
        row[kTangled] -= 1;
        row[kSpin] = Wrapped(row[kSpin] + 12);
      }
    }
    BumpBalls(*this, rug);
    for (int p = 0; p < kPlayers; ++p) {
      if (!rolled[p] || Tangled(RowOf(*this, p))) continue;
      CheckCrossings(*this, p, fromX[p], fromY[p]);
      LayYarn(*this, p);
    }
  }

  DrawRug(*this, rug);
  DrawBaubles(*this);
  for (int p = 0; p < kPlayers; ++p) DrawTrail(*this, p);
  for (int p = 0; p < kPlayers; ++p) DrawFlash(*this, p);
  for (int p = 0; p < kPlayers; ++p) DrawBall(*this, p);

  bool won = false;
  for (int p = 0; p < kPlayers; ++p) won = won || m_players[p * kStride + kScore] >= kWinningScore;
  if (won) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > kEndFrames) m_roundOver = 1;
  }
  if (playing) p_TimeOut();
  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
