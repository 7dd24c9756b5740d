// Game N, "Nightmare Paths": four baubles walk up a winding stone path over a dark void,
// seen from above. The path slides down the screen ever faster, so standing still carries
// a player into the dark at the bottom; stepping off the stones is a fall too. Coins on
// the stones are points. The path narrows, forks and rejoins, and its edge stones crack
// and crumble, but a row always keeps a way through. Three falls put a player out; the
// round ends when the path's golden end has scrolled in, or when everybody is out.
#include <algorithm>
#include <cmath>

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
const int kVx = 3;
const int kVy = 4;
const int kWaddle = 5;      // degrees
const int kFallen = 6;      // frames since the fall, 0 while on the path
const int kGrace = 7;       // frames the void cannot take a player who came back
const int kAimX = 8;        // the computer's aim
const int kWobble = 9;      // added to the computer's aim
const int kSide = 10;       // the computer's branch at a fork: -1 left, +1 right
const int kCruiseY = 11;    // the height the computer keeps to
const int kHeldX = 12;      // the computer's stick between plans
const int kHeldY = 13;
const int kPlanTimer = 14;
const int kChain = 15;      // coins taken in quick succession
const int kChainTimer = 16;
const int kScore = 95;
const int kLives = 99;

// Game-wide values kept in player 0's row.
const int kScrolled = 40;
const int kSpeed = 41;
const int kNextRow = 42;
const int kColumnCount = 43;
const int kBaseY = 44;  // rows are laid upwards from this height, fixed at set-up
const int kLeft = 45;   // the two strands of the path, one field each
const int kWidth = 47;
const int kDrift = 49;
const int kRun = 51;
const int kPace = 53;
const int kForkState = 55;  // 0 one path, 1 splitting, 2 apart, 3 joining
const int kForkRows = 56;
const int kRichBranch = 57;
const int kCoinRun = 58;
const int kGridLeft = 59;
const int kEndTimer = 60;
const int kFinished = 61;
const int kClock = 62;

enum ForkState { kOnePath = 0, kSplitting = 1, kApart = 2, kJoining = 3 };

// Grid: a ring of rows; row n lives in slot n mod kRing, whose number is kept after the
// cells so that a slot holding another row reads as void.
const int kRing = 24;
const int kMaxColumns = 17;
const int kFewestColumns = 7;
const int kCellStride = 10;
const int kTile = 0;
const int kCoin = 1;
const int kCrack = 2;  // frames until the stone falls away; 0 not cracked
const int kRowNumbers = kRing * kMaxColumns * kCellStride;
enum Tile { kVoid = 0, kStone = 1, kFinishLine = 2, kGoal = 3 };

const float kTileSize = 32;
const int kPanelWidth = 96;
const int kStartRows = 10;
const int kCourseRows = 130;  // the finish line's row
const float kStartSpeed = 0.5f;
const float kTopSpeed = 1.4f;
const float kStopping = 0.94f;
const float kFinishStop = 0.7f;  // the finish line stops this far down the screen
const int kFinishFrames = 150;
const int kAllOutFrames = 60;
const int kCrackFrames = 110;
const float kCrackChance = 0.015f;  // per frame, rising by kCrackRise over the course
const float kCrackRise = 0.045f;

const float kPush = 0.4f;
const float kBrake = 0.3f;
const float kWalkSpeed = 2.6f;
const float kSmallestInput = 0.2f;
const float kEdge = 10;
const float kTopEdge = 24;
const float kFogDepth = 20;  // the dark band at the bottom takes whoever enters it
const float kBodyGap = 24;
const float kCoinReach = 16;
const float kBodyScale = 0.7f;
const float kCoinScale = 0.65f;
const int kFallFrames = 40;
const int kComeBackFrames = 100;
const int kGraceFrames = 60;
const float kComeBackHeight = 0.4f;
const int kChainFrames = 45;
const int kPlanFrames = 3;
const int kLookFrames = 12;
const float kFooting = 5;  // the computer keeps this far inside the stones
const int kCrackMargin = 10;
const float kFallCost = 1000;
const float kEdgeCost = 4;  // per frame spent near an edge or on a crumbling stone
const float kLowLine = 0.7f;   // below this share of the screen the computer hurries up
const float kElbowRoom = 36;
const float kCrowdCost = 80;

const int kCoinArt = 344;
const int kHeartImage = 50;
const int kDropSound = 3;
const int kCoinSound = 14;

struct Span {
  int from, to;  // columns, inclusive
};

float& Game(c_MyApp& app, int field) { return app.m_players[field]; }
float* Player(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

int Columns(c_MyApp& app) {
  return std::clamp(static_cast<int>(Game(app, kColumnCount)), kFewestColumns, kMaxColumns);
}
float ScreenH() { return zr_TinselJumble_jscrh; }
float PlayWidth(const c_MyApp& app) { return zr_TinselJumble_jscrw - app.m_panelWidth; }
float Progress(c_MyApp& app) {
  return std::clamp(Game(app, kScrolled) / (kCourseRows * kTileSize), 0.0f, 1.0f);
}

int RowAt(c_MyApp& app, float y) {
  return static_cast<int>(std::floor((Game(app, kBaseY) + Game(app, kScrolled) - y) / kTileSize));
}
int ColumnAt(c_MyApp& app, float x) { return static_cast<int>(std::floor((x - Game(app, kGridLeft)) / kTileSize)); }
float RowTop(c_MyApp& app, int row) { return Game(app, kBaseY) + Game(app, kScrolled) - (row + 1) * kTileSize; }
float ColumnMiddle(c_MyApp& app, int column) { return Game(app, kGridLeft) + (column + 0.5f) * kTileSize; }

// The cell, or nothing when the row is not held or the column lies outside the path.
float* Cell(c_MyApp& app, int row, int column) {
  if (row < 0 || column < 0 || column >= Columns(app)) return nullptr;
  int slot = row % kRing;
  if (app.m_grid[kRowNumbers + slot] != row) return nullptr;
  return app.m_grid.Data() + (slot * kMaxColumns + column) * kCellStride;
}
// Something to stand on, cracked or not.
bool Solid(c_MyApp& app, int row, int column) {
  float* cell = Cell(app, row, column);
  return cell && cell[kTile] != kVoid;
}
// Something to stand on that will stay.
bool Sound(c_MyApp& app, int row, int column) {
  float* cell = Cell(app, row, column);
  return cell && cell[kTile] != kVoid && cell[kCrack] == 0;
}

// The run of stones through a column that pass the test (Solid or Sound).
Span RunThrough(c_MyApp& app, int row, int column, bool (*stands)(c_MyApp&, int, int)) {
  Span span{column, column};
  while (stands(app, row, span.from - 1)) --span.from;
  while (stands(app, row, span.to + 1)) ++span.to;
  return span;
}

// Whether a column of the span other than the one left out is sound in both rows.
bool Linked(c_MyApp& app, int row, Span span, int other, int leftOut) {
  for (int c = span.from; c <= span.to; ++c)
    if (c != leftOut && Sound(app, row, c) && Sound(app, other, c)) return true;
  return false;
}

// A strand whose run is over picks a new drift, pace and (on one path) width.
void Rechoose(c_MyApp& app, int s, int columns, bool forked, float progress) {
  float& run = Game(app, kRun + s);
  run -= 1;
  if (run > 0) return;
  Game(app, kDrift + s) = static_cast<float>(app.p_Rand(-1, 1));
  Game(app, kPace + s) = static_cast<float>(app.p_Rand(1, 2));
  run = static_cast<float>(app.p_Rand(3, 7));
  if (forked) return;
  int narrowest = progress > 0.55f ? 1 : 2;
  int wanted = static_cast<int>(std::lround(5 - 3 * progress)) + app.p_Rand(-1, 1);
  Game(app, kWidth + s) = static_cast<float>(std::clamp(wanted, narrowest, std::min(6, columns - 2)));
}

// The strand's shift for a new row, bouncing off the sides. Returns the columns it covers
// in this row: its old and new place together, so neighbouring rows always share an edge.
Span Shift(c_MyApp& app, int s, int columns, int row, int oldLeft, int oldRight) {
  float& left = Game(app, kLeft + s);
  float& drift = Game(app, kDrift + s);
  float width = Game(app, kWidth + s);
  if (row % static_cast<int>(std::max(Game(app, kPace + s), 1.0f)) == 0) left += drift;
  float lowest = 1, highest = columns - 1 - width;
  if (left < lowest) left = lowest, drift = 1;
  if (left > highest) left = highest, drift = -1;
  return {std::min(oldLeft, static_cast<int>(left)), std::max(oldRight, static_cast<int>(left + width)) - 1};
}

// The branches keep two void columns between them while apart: a move that would close
// the gap is dropped, the right branch's first.
void KeepBranchesApart(c_MyApp& app) {
  float gap = Game(app, kLeft + 1) - (Game(app, kLeft) + Game(app, kWidth));
  float& driftA = Game(app, kDrift);
  float& driftB = Game(app, kDrift + 1);
  if (gap + driftB - driftA < 2 && driftB < 0) driftB = 0;
  if (gap + driftB - driftA < 2 && driftA > 0) driftA = 0;
}

void LayPath(c_MyApp& app, float* cells, int columns, int row) {
  float progress = static_cast<float>(row) / kCourseRows;
  int state = static_cast<int>(Game(app, kForkState));
  if (state == kOnePath && columns >= 11 && progress > 0.1f && progress < 0.75f && app.p_Rand(0, 29) == 0) {
    for (int field : {kLeft, kWidth, kDrift, kRun, kPace}) Game(app, field + 1) = Game(app, field);
    int width = std::clamp(static_cast<int>(std::lround(4 - 3 * progress)), progress > 0.55f ? 1 : 2, 3);
    Game(app, kWidth) = Game(app, kWidth + 1) = static_cast<float>(width);
    Game(app, kForkRows) = static_cast<float>(app.p_Rand(8, 14));
    Game(app, kRichBranch) = static_cast<float>(app.p_Rand(0, 1));
    state = kSplitting;
  }
  if (state == kSplitting || state == kJoining) {
    float outwards = state == kSplitting ? 1.0f : -1.0f;
    Game(app, kDrift) = -outwards;
    Game(app, kDrift + 1) = outwards;
    Game(app, kPace) = Game(app, kPace + 1) = 1;
    Game(app, kRun) = Game(app, kRun + 1) = kCourseRows;
  }
  bool forked = state != kOnePath;
  int strands = forked ? 2 : 1;
  int oldLeft[2], oldRight[2];
  for (int s = 0; s < strands; ++s) {
    oldLeft[s] = static_cast<int>(Game(app, kLeft + s));
    oldRight[s] = static_cast<int>(Game(app, kLeft + s) + Game(app, kWidth + s));
    Rechoose(app, s, columns, forked, progress);
  }
  if (state == kApart) KeepBranchesApart(app);
  for (int s = 0; s < strands; ++s) {
    Span span = Shift(app, s, columns, row, oldLeft[s], oldRight[s]);
    for (int c = std::max(span.from, 0); c <= std::min(span.to, columns - 1); ++c) cells[c * kCellStride + kTile] = kStone;
  }

  float gap = Game(app, kLeft + 1) - (Game(app, kLeft) + Game(app, kWidth));
  if (state == kSplitting && gap >= 2) {
    state = kApart;
    Game(app, kRun) = Game(app, kRun + 1) = 1;
  } else if (state == kApart && --Game(app, kForkRows) <= 0) {
    state = kJoining;
  } else if (state == kJoining && gap <= 0) {
    Game(app, kWidth) = Game(app, kLeft + 1) + Game(app, kWidth + 1) - Game(app, kLeft);
    Game(app, kRun) = 1;
    state = kOnePath;
  }
  Game(app, kForkState) = static_cast<float>(state);

  // Coins: on one path a line down the middle or the odd one on an edge; on a fork a line
  // along the rich branch.
  int rich = forked ? static_cast<int>(Game(app, kRichBranch)) : 0;
  int left = static_cast<int>(Game(app, kLeft + rich)), width = static_cast<int>(Game(app, kWidth + rich));
  int coinColumn = -1;
  if (forked) {
    coinColumn = left + width / 2;
  } else if (Game(app, kCoinRun) > 0) {
    Game(app, kCoinRun) -= 1;
    coinColumn = left + width / 2;
  } else if (app.p_Rand(0, 99) < 10) {
    Game(app, kCoinRun) = static_cast<float>(app.p_Rand(3, 6));
  } else if (app.p_Rand(0, 99) < 8) {
    coinColumn = app.p_Rand(0, 1) == 0 ? left : left + width - 1;
  }
  if (coinColumn >= 0 && coinColumn < columns && cells[coinColumn * kCellStride + kTile] == kStone)
    cells[coinColumn * kCellStride + kCoin] = 1;
}

// Makes the row into its ring slot: the start platform, the path, the finish line, then
// the golden end.
void MakeRow(c_MyApp& app, int row) {
  int columns = Columns(app);
  int slot = row % kRing;
  app.m_grid[kRowNumbers + slot] = static_cast<float>(row);
  float* cells = app.m_grid.Data() + slot * kMaxColumns * kCellStride;
  std::fill(cells, cells + kMaxColumns * kCellStride, 0.0f);
  int tile = row < kStartRows ? kStone : row == kCourseRows ? kFinishLine : kGoal;
  if (row >= kStartRows && row < kCourseRows) {
    LayPath(app, cells, columns, row);
    return;
  }
  for (int c = 1; c < columns - 1; ++c) cells[c * kCellStride + kTile] = static_cast<float>(tile);
}

// Rows are made two ahead of the top of the screen.
void MakeRowsAhead(c_MyApp& app) {
  int wanted = RowAt(app, -2 * kTileSize);
  while (Game(app, kNextRow) <= wanted) {
    MakeRow(app, static_cast<int>(Game(app, kNextRow)));
    Game(app, kNextRow) += 1;
  }
}

// Every run of sound stones shares a column with the sound stones of the rows above and
// below it, so no run is a dead end. An edge stone may crack only if that stays so: the
// rest of its run keeps both links, and a run above or below that met it meets the row
// elsewhere too.
bool MayCrack(c_MyApp& app, int row, int column) {
  float* cell = Cell(app, row, column);
  if (!cell || cell[kTile] != kStone || cell[kCrack] != 0) return false;
  if (Sound(app, row, column - 1) && Sound(app, row, column + 1)) return false;
  Span rest = RunThrough(app, row, column, Sound);
  for (int other : {row - 1, row + 1}) {
    if (!Linked(app, row, rest, other, column)) return false;
    if (Sound(app, other, column) && !Linked(app, other, RunThrough(app, other, column, Sound), row, column)) return false;
  }
  return true;
}

// Now and then a stone in the rows ahead of the players cracks; every crack counts down
// and its stone falls away, coin and all.
void CrackStones(c_MyApp& app, bool playing) {
  if (playing && zr_random_Rnd() < kCrackChance + kCrackRise * Progress(app)) {
    int row = app.p_Rand(static_cast<float>(RowAt(app, ScreenH() / 2)), static_cast<float>(RowAt(app, 0)));
    int columns = Columns(app);
    bool fromRight = app.p_Rand(0, 1) == 1;
    int column = fromRight ? columns - 1 : 0;
    while (column >= 0 && column < columns && !Solid(app, row, column)) column += fromRight ? -1 : 1;
    if (row < kCourseRows && MayCrack(app, row, column)) Cell(app, row, column)[kCrack] = kCrackFrames;
  }
  for (int slot = 0; slot < kRing; ++slot) {
    int row = static_cast<int>(app.m_grid[kRowNumbers + slot]);
    for (int column = 0; column < kMaxColumns; ++column) {
      float* cell = app.m_grid.Data() + (slot * kMaxColumns + column) * kCellStride;
      if (cell[kCrack] <= 0 || --cell[kCrack] > 0) continue;
      cell[kTile] = kVoid;
      cell[kCoin] = 0;
      for (int n = 0; n < 5; ++n)
        app.p_ThrowParticle(ColumnMiddle(app, column), RowTop(app, row) + kTileSize / 2, 4, 0, kNotGiven, 1);
    }
  }
}

void DrawTiles(c_MyApp& app) {
  int bottom = RowAt(app, ScreenH() + kTileSize), top = RowAt(app, -kTileSize);
  int columns = Columns(app);
  float clock = Game(app, kClock);
  for (int row = bottom; row <= top; ++row) {
    float y = RowTop(app, row) - app.m_camY;
    for (int column = 0; column < columns; ++column) {
      float* cell = Cell(app, row, column);
      if (!cell || cell[kTile] == kVoid) continue;
      float x = Game(app, kGridLeft) + column * kTileSize - app.m_camX;
      float crack = cell[kCrack];
      if (crack > 0 && crack < 40) x += static_cast<int>(crack) % 4 < 2 ? 1 : -1;
      // The stone's side shows where nothing lies below it.
      if (!Solid(app, row - 1, column)) {
        app.p_SetCol(34, 28, 46, 1);
        app.p_Rect(x, y + kTileSize, kTileSize, 10);
      }
      float shade = static_cast<float>((row * 7 + column * 13) % 5) * 5;
      bool golden = cell[kTile] == kGoal;
      app.p_SetCol(golden ? 140 : 62, golden ? 100 : 56, golden ? 40 : 80, 1);
      app.p_Rect(x, y, kTileSize, kTileSize);
      float red = golden ? 220 : 100 + shade, green = golden ? 176 : 94 + shade, blue = golden ? 70 : 120 + shade;
      if (crack > 0) {
        float k = 1 - crack / kCrackFrames;
        red += (150 - red) * k, green += (46 - green) * k, blue += (52 - blue) * k;
      }
      app.p_SetCol(red, green, blue, 1);
      app.p_Rect(x + 2, y + 2, kTileSize - 4, kTileSize - 4);
      if (cell[kTile] == kFinishLine) {
        app.p_SetCol(20, 16, 28, 1);
        for (int square = 0; square < 16; ++square)
          if ((square % 4 + square / 4) % 2 == 0) app.p_Rect(x + 2 + (square % 4) * 7, y + 2 + (square / 4) * 7, 7, 7);
      }
      if (crack > 0) {
        app.p_SetCol(20, 10, 24, 1);
        app.p_Line(x + 6, y + 9, x + 15, y + 17);
        app.p_Line(x + 15, y + 17, x + 26, y + 12);
        app.p_Line(x + 15, y + 17, x + 13, y + 27);
      }
    }
  }
  app.p_ResetDraw();
  for (int row = bottom; row <= top; ++row) {
    for (int column = 0; column < columns; ++column) {
      float* cell = Cell(app, row, column);
      if (!cell || cell[kCoin] == 0) continue;
      float spin = (clock * 5 + column * 40 + row * 25) * D2R;
      app.p_SetSize(kCoinScale * (0.1f + 0.9f * std::fabs(std::cos(spin))), kCoinScale);
      app.p_DrawGfx(ColumnMiddle(app, column) - app.m_camX, RowTop(app, row) + kTileSize / 2 - app.m_camY, kCoinArt);
    }
  }
  app.p_ResetDraw();
}

float TowardsZero(float value, float step) {
  if (value > 0) return std::fmax(value - step, 0.0f);
  return std::fmin(value + step, 0.0f);
}

// The stick pushes the walking speed; an axis left (nearly) alone brakes to a stop.
void Accelerate(float& velocity, float input) {
  velocity = std::clamp(velocity + input * kPush, -kWalkSpeed, kWalkSpeed);
  if (std::fabs(input) < kSmallestInput) velocity = TowardsZero(velocity, kBrake);
}

// One frame of walking plus the scroll, kept inside the play area.
void Walk(c_MyApp& app, float& x, float& y, float& vx, float& vy, float inputX, float inputY) {
  Accelerate(vx, inputX);
  Accelerate(vy, inputY);
  x = std::clamp(x + vx, kEdge, std::max(PlayWidth(app) - kEdge, kEdge));
  y = std::max(y + vy + Game(app, kSpeed), kTopEdge);
}

// How a player would stand at a point of the screen after walking the given number of
// frames, this one included (the stones slide on only from the next): 0 on stone with
// room to spare, 1 near an edge or on a crumbling stone, 2 in the dark or over the void
// (or on a stone gone by then).
int Footing(c_MyApp& app, float x, float y, int frames) {
  float slide = Game(app, kSpeed) * (frames - 1);
  auto gone = [&](float pointX, float pointY) {
    float* cell = Cell(app, RowAt(app, pointY - slide), ColumnAt(app, pointX));
    return !cell || cell[kTile] == kVoid || (cell[kCrack] > 0 && cell[kCrack] <= frames + kCrackMargin);
  };
  if (y > ScreenH() - kFogDepth - kFooting || gone(x, y)) return 2;
  const float offsets[4][2] = {{-kFooting, 0}, {kFooting, 0}, {0, -kFooting}, {0, kFooting}};
  for (const auto& offset : offsets)
    if (gone(x + offset[0], y + offset[1])) return 1;
  return 0;
}

// The sound stone of a span nearest a column; the nearest end of the span if none is.
int NearestSound(c_MyApp& app, int row, Span span, int column) {
  int best = std::clamp(column, span.from, span.to);
  for (int c = span.from; c <= span.to; ++c)
    if (Sound(app, row, c) && (!Sound(app, row, best) || std::abs(c - column) < std::abs(best - column))) best = c;
  return best;
}

// Where the computer heads: up the run of stones it stands on, taking its own side at a
// fork, towards the nearest coin within three rows or else the middle of the sound stones
// two rows ahead, always by way of a stone of the next row up.
float ComputerAim(c_MyApp& app, float* row) {
  int here = RowAt(app, row[kY]), column = ColumnAt(app, row[kX]);
  Span spans[5];
  spans[0] = Solid(app, here, column) ? RunThrough(app, here, column, Solid) : Span{column, column};
  int found = 1;
  for (; found < 5; ++found) {
    Span next{-1, -1};
    for (int c = spans[found - 1].from; c <= spans[found - 1].to; ++c) {
      if (!Solid(app, here + found, c)) continue;
      Span span = RunThrough(app, here + found, c, Solid);
      if (next.from < 0 || row[kSide] > 0) next = span;
      c = span.to;
    }
    if (next.from < 0) break;
    spans[found] = next;
  }
  int wanted = -1, coinAhead = -1;
  for (int ahead = 0; ahead < std::min(found, 4) && wanted < 0; ++ahead) {
    for (int c = spans[ahead].from; c <= spans[ahead].to; ++c) {
      float* cell = Cell(app, here + ahead, c);
      if (cell && cell[kCoin] != 0 && cell[kCrack] == 0 && (wanted < 0 || std::abs(c - column) < std::abs(wanted - column)))
        wanted = c, coinAhead = ahead;
    }
  }
  if (wanted < 0) {
    int far = std::min(found - 1, 2);
    wanted = NearestSound(app, here + far, spans[far], (spans[far].from + spans[far].to) / 2);
  }
  if (coinAhead != 0 && found > 1) wanted = NearestSound(app, here + 1, spans[1], wanted);
  return ColumnMiddle(app, wanted) + row[kWobble];
}

// A computer keeps its distance: another player near where a stick would take it (where
// that player will be if it stands still) makes that stick dearer.
float Crowding(c_MyApp& app, const float* row, float x, float y) {
  float cost = 0;
  for (int q = 0; q < kPlayers; ++q) {
    const float* other = Player(app, q);
    if (other == row || other[kLives] <= 0 || other[kFallen] != 0) continue;
    float dx = other[kX] - x, dy = other[kY] + Game(app, kSpeed) * kLookFrames - y;
    float distance = std::sqrt(dx * dx + dy * dy);
    if (distance < kElbowRoom) cost += kCrowdCost * (1 - distance / kElbowRoom);
  }
  return cost;
}

// Every few frames the computer tries the nine stick positions a dozen frames ahead and
// holds the one that stays on sound stone and ends nearest its aim and cruising height.
void ComputerStick(c_MyApp& app, float* row, float& inputX, float& inputY) {
  if (zr_random_Rnd() * 120 < 1) row[kWobble] = zr_random_Rnd() * 16 - 8;
  if (zr_random_Rnd() * 400 < 1) row[kSide] = -row[kSide];
  if (zr_random_Rnd() * 300 < 1) row[kCruiseY] = ScreenH() * (0.3f + zr_random_Rnd() * 0.3f);
  row[kPlanTimer] -= 1;
  if (row[kPlanTimer] <= 0) {
    row[kPlanTimer] = kPlanFrames;
    row[kAimX] = ComputerAim(app, row);
    float best = 1e9f;
    for (int stickY = -1; stickY <= 1; ++stickY) {
      for (int stickX = -1; stickX <= 1; ++stickX) {
        float x = row[kX], y = row[kY], vx = row[kVx], vy = row[kVy];
        float cost = 0;
        for (int frame = 1; frame <= kLookFrames && cost < kFallCost; ++frame) {
          Walk(app, x, y, vx, vy, static_cast<float>(stickX), static_cast<float>(stickY));
          int footing = Footing(app, x, y, frame);
          if (footing == 2) cost = kFallCost + (kLookFrames + 1 - frame) * 100.0f;
          if (footing == 1) cost += kEdgeCost;
        }
        float low = std::max(y - ScreenH() * kLowLine, 0.0f);
        cost += std::fabs(x - row[kAimX]) + 0.5f * std::fabs(y - row[kCruiseY]) + 2 * low + Crowding(app, row, x, y);
        if (cost < best) {
          best = cost;
          row[kHeldX] = static_cast<float>(stickX);
          row[kHeldY] = static_cast<float>(stickY);
        }
      }
    }
  }
  inputX = row[kHeldX];
  inputY = row[kHeldY];
}

void Fall(c_MyApp& app, float* row) {
  row[kLives] = std::max(row[kLives] - 1, 0.0f);
  row[kFallen] = 1;
  row[kVx] = row[kVy] = 0;
  app.m_camY = 3;
  app.p_PlaySFX(kDropSound, 0.55f, 1, 0);
}

// Back on a sound stone near the middle of the row 40% down the screen, the nearest row
// that has one.
void ComeBack(c_MyApp& app, int p, float* row) {
  int middleRow = RowAt(app, ScreenH() * kComeBackHeight);
  int columns = Columns(app);
  for (int step = 0; step <= 8; ++step) {
    int r = middleRow + ((step % 2) ? -(step + 1) / 2 : step / 2);
    for (int offset = 0; offset <= columns; ++offset) {
      int c = columns / 2 + ((offset % 2) ? -(offset + 1) / 2 : offset / 2);
      if (!Sound(app, r, c)) continue;
      row[kX] = ColumnMiddle(app, c);
      row[kY] = RowTop(app, r) + kTileSize / 2;
      row[kFallen] = 0;
      row[kGrace] = kGraceFrames;
      row[kPlanTimer] = 0;
      app.p_PlaySFX(kDropSound, 1.3f, 0.7f, 0);
      for (int n = 0; n < 12; ++n) app.p_ThrowParticle(row[kX], row[kY], 5, app.p_PlayCol(p), n * 30.0f, 2);
      return;
    }
  }
}

void TakeCoins(c_MyApp& app, float* row) {
  int here = RowAt(app, row[kY]), column = ColumnAt(app, row[kX]);
  for (int r = here - 1; r <= here + 1; ++r) {
    for (int c = column - 1; c <= column + 1; ++c) {
      float* cell = Cell(app, r, c);
      if (!cell || cell[kCoin] == 0) continue;
      float coinX = ColumnMiddle(app, c), coinY = RowTop(app, r) + kTileSize / 2;
      if (std::fabs(coinX - row[kX]) >= kCoinReach || std::fabs(coinY - row[kY]) >= kCoinReach) continue;
      cell[kCoin] = 0;
      row[kScore] += 1;
      row[kChain] = row[kChainTimer] > 0 ? std::min(row[kChain] + 1, 8.0f) : 0;
      row[kChainTimer] = kChainFrames;
      app.p_PlaySFX(kCoinSound, 1 + 0.06f * row[kChain], 0.7f, 0);
      for (int n = 0; n < 6; ++n) app.p_ThrowParticle(coinX, coinY, 5, 3, n * 60.0f, 2);
    }
  }
}

void MovePlayer(c_MyApp& app, int p, bool playing) {
  float* row = Player(app, p);
  if (row[kFallen] > 0) {
    if (row[kFallen] < kComeBackFrames) row[kFallen] += 1;
    row[kY] += Game(app, kSpeed);
    if (row[kFallen] >= kComeBackFrames && row[kLives] > 0) ComeBack(app, p, row);
    return;
  }
  if (row[kLives] <= 0) return;
  float inputX = 0, inputY = 0;
  if (playing && app.m_pad[p] == 0) {
    ComputerStick(app, row, inputX, inputY);
  } else if (playing) {
    inputX = app.p_Control(1, p);
    inputY = app.p_Control(2, p);
  }
  Walk(app, row[kX], row[kY], row[kVx], row[kVy], inputX, inputY);
  row[kWaddle] = std::fmod(row[kWaddle] + 3 * (std::fabs(row[kVx]) + std::fabs(row[kVy])), 360.0f);
  row[kChainTimer] = std::max(row[kChainTimer] - 1, 0.0f);
  row[kGrace] = std::max(row[kGrace] - 1, 0.0f);
  bool overVoid = !Solid(app, RowAt(app, row[kY]), ColumnAt(app, row[kX]));
  if (playing && (row[kY] > ScreenH() - kFogDepth || (overVoid && row[kGrace] <= 0))) {
    Fall(app, row);
    return;
  }
  TakeCoins(app, row);
}

bool Standing(c_MyApp& app, int p) { return Player(app, p)[kLives] > 0 && Player(app, p)[kFallen] == 0; }

// Nobody walks through anybody: two players too close are pushed apart evenly.
void PushApart(c_MyApp& app) {
  for (int a = 0; a < kPlayers; ++a) {
    for (int b = a + 1; b < kPlayers; ++b) {
      if (!Standing(app, a) || !Standing(app, b)) continue;
      float* first = Player(app, a);
      float* second = Player(app, b);
      float dx = second[kX] - first[kX], dy = second[kY] - first[kY];
      float distance = std::sqrt(dx * dx + dy * dy);
      if (distance >= kBodyGap) continue;
      if (distance < 0.01f) dx = 1, dy = 0, distance = 1;
      float push = (kBodyGap - distance) / 2 / distance;
      first[kX] -= dx * push, first[kY] -= dy * push;
      second[kX] += dx * push, second[kY] += dy * push;
    }
  }
}

// Standing players roll with a wobble and show their lives as hearts; a falling one
// shrinks and spins into the void, under the stones.
void DrawPlayer(c_MyApp& app, int p, bool falling) {
  float* row = Player(app, p);
  float x = row[kX] - app.m_camX, y = row[kY] - app.m_camY;
  if (falling) {
    if (row[kFallen] == 0 || row[kFallen] >= kFallFrames) return;
    float t = row[kFallen] / kFallFrames;
    app.p_SetSize(kBodyScale * (1 - t));
    app.p_SetRot(row[kFallen] * 9);
    app.p_SetCol(255 * (1 - 0.6f * t), 255 * (1 - 0.6f * t), 255 * (1 - 0.6f * t), 1 - 0.7f * t);
    app.p_DrawGfx(x, y, p);
    app.p_ResetDraw();
    return;
  }
  if (!Standing(app, p)) return;
  app.p_SetCol(0, 0, 0, 0.35f);
  app.p_Oval(x + 2, y + 9, 10, 4);
  app.p_ResetDraw();
  if (static_cast<int>(row[kGrace]) / 4 % 2 == 1) app.p_Alpha(0.35f);
  app.p_SetSize(kBodyScale);
  app.p_SetRot(std::sin(row[kWaddle] * D2R) * 12);
  app.p_DrawGfx(x, y, p);
  app.p_ResetDraw();
  app.p_SetSize(0.22f);
  for (int life = 0; life < static_cast<int>(row[kLives]); ++life)
    app.p_DrawImg(kHeartImage, x - 8 + life * 8, y - 18);
  app.p_ResetDraw();
}

// The dark the path slides into at the bottom of the screen.
void DrawFog(c_MyApp& app) {
  for (int band = 0; band < 6; ++band) {
    app.p_SetCol(6, 2, 12, 0.15f * (band + 1));
    app.p_Rect(-8, ScreenH() - 36 + band * 6, PlayWidth(app) + 16, 6);
  }
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_N2() {
  p_FreshGame();
  m_panelWidth = kPanelWidth;
  int columns = std::clamp(static_cast<int>(PlayWidth(*this) / kTileSize), kFewestColumns, kMaxColumns);
  m_players[kColumnCount] = static_cast<float>(columns);
  m_players[kBaseY] = ScreenH();
  m_players[kGridLeft] = std::floor((PlayWidth(*this) - columns * kTileSize) / 2);
  m_players[kWidth] = 5;
  m_players[kLeft] = static_cast<float>(columns / 2 - 2);
  m_players[kRun] = 1;
  m_players[kPace] = 1;
  MakeRowsAhead(*this);
  float middle = m_players[kGridLeft] + columns * kTileSize / 2;
  for (int p = 0; p < kPlayers; ++p) {
    p_Start(p, static_cast<int>(middle + (p - 1.5f) * 36), static_cast<int>(ScreenH() * 0.62f));
    float* row = Player(*this, p);
    row[kSide] = p % 2 == 0 ? -1.0f : 1.0f;
    row[kCruiseY] = ScreenH() * (0.3f + 0.1f * p);
  }
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_N2() {
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;
  m_bgTargetR = 14;
  m_bgTargetG = 8;
  m_bgTargetB = 26;
  bool playing = m_introTimer < 1;
  float& speed = m_players[kSpeed];
  if (playing) {
    if (m_players[kFinished] == 0 && RowTop(*this, kCourseRows) + kTileSize / 2 >= ScreenH() * kFinishStop) {
      m_players[kFinished] = 1;
      for (int n = 0; n < 60; ++n)
        p_ThrowParticle(zr_random_Rnd() * PlayWidth(*this), ScreenH() / 2, 1, p_Rand(1, 9), kNotGiven, kNotGiven);
      p_PlaySFX(kCoinSound, 1.5f, 1, 0);
    }
    speed = m_players[kFinished] != 0 ? speed * kStopping : kStartSpeed + (kTopSpeed - kStartSpeed) * Progress(*this);
    m_players[kScrolled] += speed;
  }
  m_players[kClock] += 1;
  p_DoStars(0, playing ? speed * 0.4f : 0);
  MakeRowsAhead(*this);
  CrackStones(*this, playing);

  for (int p = 0; p < kPlayers; ++p) DrawPlayer(*this, p, true);
  DrawTiles(*this);
  for (int p = 0; p < kPlayers; ++p) MovePlayer(*this, p, playing);
  PushApart(*this);
  for (int p = 0; p < kPlayers; ++p) DrawPlayer(*this, p, false);
  DrawFog(*this);

  bool anyoneIn = false;
  for (int p = 0; p < kPlayers; ++p) anyoneIn = anyoneIn || Player(*this, p)[kLives] > 0;
  if (m_players[kFinished] != 0 || !anyoneIn) {
    m_players[kEndTimer] += 1;
    if (m_players[kEndTimer] > (anyoneIn ? kFinishFrames : kAllOutFrames)) m_roundOver = 1;
  }
  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
