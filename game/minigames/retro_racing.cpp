// Game R, "Retro Racing": four cars race three laps round a closed track that a wandering
// turtle paints on the tile grid afresh for every race. The track's centre line is kept
// as a list of waypoints; a car makes progress only by reaching its next waypoint or the
// one after, so a short cut across the grass counts for nothing. Grass lowers a car's
// top speed, and a car that has not reached its next waypoint for a while is shown the
// way and then put back on the track. A finished car scores a point a frame, so the
// first home scores most; the round ends six seconds after the second-last car finishes,
// or at once (about a second) when the last one does.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

// Grid: 80 x 44 cells; cell fields.
const int kColumns = 80;
const int kRows = 44;
const int kCellStride = 10;
const int kContent = 0;      // 0 grass, 1 road, 2 verge, 3 start/finish line
const int kPaintedStep = 1;  // the turtle's step that painted the cell
const int kPaintedDirection = 2;  // the turtle's direction then; after generation a copy of the content
const int kGrass = 0;
const int kRoad = 1;
const int kVerge = 2;
const int kLine = 3;

// Car fields.
const int kPlayers = 4;
const int kStride = 100;
const int kX = 1;
const int kY = 2;
const int kSpeed = 3;  // tenths of a pixel a frame
const int kCap = 4;    // the speed the car may reach
const int kHeading = 5;  // degrees, 0 up, clockwise
const int kLastWaypoint = 7;
const int kTargetX = 11;  // the computer's next target point
const int kTargetY = 12;
const int kSkill = 13;
const int kTargetHeading = 15;
const int kTargetFor = 17;  // the waypoint the target was chosen for
const int kLostTimer = 77;  // frames since the last waypoint was reached
const int kScore = 95;
const int kLapsLeft = 99;

// Game-wide values kept in player 0's row.
const int kRacing = 30;
const int kEndTimer = 35;
const int kFade = 55;
const int kLastWaypointIndex = 66;  // -1 while there is no track
const int kProgress = 36;  // the racing cars' waypoints and laps, summed, last frame
const int kStalled = 37;   // frames since that sum last changed

// Waypoint k is the pair of floats at 2k, 2k + 1 of the object pool, in pixels from the
// grid's corner.
const int kMostWaypoints = 2400;

// The turtle. Directions are eighths of a turn, 0 up and clockwise.
const float kTurtleStartX = 20;
const float kTurtleStartY = 4;
const int kTurtleStartDirection = 2;
const float kMargin = 4;
const float kFarX = 76;
const float kFarY = 40;
const float kTurtleStep = 0.25f;
const int kShortestReturn = 25;
const int kShortestTrack = 500;
const int kLongestTrack = 2501;
const int kCrossingGap = 50;
const int kStepsPerWaypoint = 8;
const float kHomingTop = 8;
const int kAttempts = 2;

// Graphic codes on sheet 0.
const int kRoadFrame = 36;  // and 37: a checkerboard of two shades
const int kVergeFrame = 38;
const int kLineFrame = 39;
const int kCarFrame = 40;  // the player number is added
// The car art is drawn at half size: two cars side by side fill a third of the road.
const float kCarScale = 0.5f;
const int kPlayerToken = 0;  // sheet 0, frame = player number

// Driving.
const float kTurnRate = 3;
const float kStepPerSpeed = 0.1f;
const float kAccelerate = 0.5f;
const float kBrake = 1.5f;
const float kBrakeCapCost = 0.5f;
const float kCoast = 0.3f;
const float kReverseLimit = -3;
const float kCapChange = 0.8f;
const float kLowestGrassCap = 4;
const float kRoadCap = 14;
const float kCapGrowth = 0.1f;
const float kComputerRoadFloor = 14;
const float kComputerGrassFloor = 12;
const float kHumanRoadFloor = 11;
const float kHumanGrassFloor = 9;
const float kStickTurnsHard = 0.3f;
const float kHardTurnCapCost = 0.4f;
const float kComputerTurnCapCost = 0.2f;
const float kLeastSkill = 0.95f;
const float kSkillSpread = 0.2f;

// Waypoints: how near counts as reached, and the lost timer's three stages.
const float kReachTiles = 2.5f;
const float kShowWayDim = 90;
const float kShowWayBright = 120;
const float kPutBack = 150;
const float kTargetSpreadTiles = 0.3f;

const int kLaps = 3;  // p_Start gives every car three laps to drive
const float kEndAfter = 360;
// One call to the generator seldom finds a closed track (about one in twenty-seven) and
// takes a fraction of a millisecond, so a frame makes a handful of calls: the track is on
// screen within a few frames instead of after seconds of black.
const int kRoadCallsPerFrame = 8;
// People who stop driving would keep a race going for ever: with no computer still
// racing, twenty seconds without any racing car reaching a new waypoint ends it.
const int kStalledFrames = 1200;
const float kFadeStep = 0.05f;
const int kLapSound = 14;
const int kFinishSound = 5;

const int kAxisX = 1;
const int kFireA = 7;
const int kFireB = 8;

// Unit steps of the eight directions, exact on the axes so a turtle running along a
// margin stays on its row or column.
const float kDiagonal = 0.70710678f;
const float kDirectionX[8] = {0, kDiagonal, 1, kDiagonal, 0, -kDiagonal, -1, -kDiagonal};
const float kDirectionY[8] = {-1, -kDiagonal, 0, kDiagonal, 1, kDiagonal, 0, -kDiagonal};

float& Cell(c_MyApp& app, int x, int y, int field) {
  return app.m_grid[(x + y * app.m_gridW) * kCellStride + field];
}

float* CarOf(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }

float* WaypointOf(c_MyApp& app, int i) { return app.m_objects.Data() + 2 * i; }

int LastWaypointIndex(c_MyApp& app) { return static_cast<int>(app.m_players[kLastWaypointIndex]); }

bool Computer(c_MyApp& app, int p) { return app.m_pad[p] == 0; }

void MakeTrack(c_MyApp& app) {
  for (int call = 0; call < kRoadCallsPerFrame; ++call) {
    app.p_MakeRoad();
    if (app.m_players[kLastWaypointIndex] >= 0) return;
  }
}

// True once only people are racing and none of them has reached a waypoint for a while.
bool RaceStalled(c_MyApp& app) {
  float progress = 0;
  bool computerRacing = false;
  for (int p = 0; p < kPlayers; ++p) {
    const float* car = app.m_players.Data() + p * kStride;
    if (car[kLapsLeft] < 1) continue;
    progress += car[kLastWaypoint] + 10000 * car[kLapsLeft];
    computerRacing = computerRacing || Computer(app, p);
  }
  float* game = app.m_players.Data();
  if (computerRacing || app.m_introTimer > 0 || progress != game[kProgress]) game[kStalled] = 0;
  game[kProgress] = progress;
  game[kStalled] += 1;
  return game[kStalled] > kStalledFrames;
}

float Random() { return zr_random_Rnd(); }

// Degrees from one point towards another, 0 up and clockwise.
float HeadingTo(float fromX, float fromY, float toX, float toY) {
  return std::atan2(toX - fromX, fromY - toY) * R2D;
}

float StepTowards(float value, float target, float step) {
  if (value < target) return std::min(value + step, target);
  return std::max(value - step, target);
}

void ClearCells(c_MyApp& app) {
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRows; ++y) {
      Cell(app, x, y, kContent) = 0;
      Cell(app, x, y, kPaintedStep) = 0;
    }
  }
}

// Paints the road three cells wide across the turtle's heading and looks two cells to
// each side for road laid long ago: reaching that means the track has crossed or run
// into itself. The start line is never painted over.
bool PaintAcross(c_MyApp& app, float x, float y, int direction, int step) {
  int across = (direction + 6) % 8;
  bool crossed = false;
  for (int k = -2; k <= 2; ++k) {
    int cellX = static_cast<int>(std::floor(x + kDirectionX[across] * k));
    int cellY = static_cast<int>(std::floor(y + kDirectionY[across] * k));
    if (cellX < 0 || cellY < 0 || cellX >= kColumns || cellY >= kRows) continue;
    float painted = Cell(app, cellX, cellY, kPaintedStep);
    if (painted > 0 && painted < step - kCrossingGap) crossed = true;
    if (std::abs(k) > 1 || Cell(app, cellX, cellY, kContent) == kLine) continue;
    Cell(app, cellX, cellY, kContent) = step == 0 ? kLine : kRoad;
    Cell(app, cellX, cellY, kPaintedStep) = static_cast<float>(step);
    Cell(app, cellX, cellY, kPaintedDirection) = static_cast<float>(direction);
  }
  return crossed;
}

// One walk of the turtle from the start line; true when it came home to the start row
// along a track long enough that never met itself.
bool WalkTrack(c_MyApp& app) {
  app.m_players[kLastWaypointIndex] = -1;
  ClearCells(app);
  float x = kTurtleStartX;
  float y = kTurtleStartY;
  int direction = kTurtleStartDirection;
  int step = 0;
  int returnAllowedIn = kShortestReturn;
  bool crossed = false;
  while (true) {
    x += kDirectionX[direction] * kTurtleStep;
    y += kDirectionY[direction] * kTurtleStep;
    // Each margin touched turns the turtle an eighth clockwise.
    if (x > kFarX) {
      x = kFarX;
      direction += 1;
    }
    if (y > kFarY) {
      y = kFarY;
      direction += 1;
    }
    if (x < kMargin) {
      x = kMargin;
      direction += 1;
    }
    if (y < kMargin) {
      y = kMargin;
      direction += 1;
    }
    if (Random() * 10 < 1) direction += app.p_Rand(-1, 1);
    // Kept to 0..7, so "heading right" is one number however often the turtle has
    // turned round.
    direction = (direction % 8 + 8) % 8;
    // Near the start, heading right, the turtle is drawn onto the start row so the
    // track can close.
    if (x < kTurtleStartX && y < kHomingTop && direction == kTurtleStartDirection && Random() * 4 < 3)
      y = StepTowards(y, kTurtleStartY, 0.3f + Random() * 0.4f);
    if (PaintAcross(app, x, y, direction, step)) crossed = true;

    step += 1;
    returnAllowedIn -= 1;
    if (step % kStepsPerWaypoint == 1) {
      int count = LastWaypointIndex(app) + 1;
      app.m_players[kLastWaypointIndex] = static_cast<float>(count);
      if (count < kMostWaypoints) {
        WaypointOf(app, count)[0] = x * app.m_tileSize;
        WaypointOf(app, count)[1] = y * app.m_tileSize;
      }
    }
    bool home = std::fabs(x - kTurtleStartX) <= 1 && std::fabs(y - kTurtleStartY) <= 1;
    if (home && returnAllowedIn <= 0) return step >= kShortestTrack && !crossed;
    if (step >= kLongestTrack) return false;
  }
}

// Edges the road with verge and keeps a copy of every cell's content.
void FinishTrack(c_MyApp& app) {
  auto isRoad = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= kColumns || y >= kRows) return false;
    float content = Cell(app, x, y, kContent);
    return content == kRoad || content == kLine;
  };
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRows; ++y) {
      float& content = Cell(app, x, y, kContent);
      if (content == kGrass && (isRoad(x - 1, y) || isRoad(x + 1, y) || isRoad(x, y - 1) || isRoad(x, y + 1)))
        content = kVerge;
      Cell(app, x, y, kPaintedDirection) = content;
    }
  }
}

}  // namespace

void c_MyApp::p_LoadGame_R() {
  p_FreshGame();
  // The race has no score panel: the intro's clock circles the middle of the screen.
  m_panelWidth = 0;
  float centreX = zr_TinselJumble_jscrw / 2;
  float centreY = zr_TinselJumble_jscrh / 2;
  int left = static_cast<int>(centreX - 32);
  int right = static_cast<int>(centreX + 32);
  int top = static_cast<int>(centreY - 32);
  int bottom = static_cast<int>(centreY + 32);
  p_Start(0, left, top);
  p_Start(1, right, bottom);
  p_Start(2, left, bottom);
  p_Start(3, right, top);
  m_introTimer = 160;
  m_mode = 10;
  MakeTrack(*this);
}

// Walks the turtle up to twice. Without a track the grid is left empty and the frame
// routine calls again next frame; with one the cars line up on the start line. Either
// way the countdown starts over behind a fade from black.
void c_MyApp::p_MakeRoad() {
  p_SetGrid(kColumns, kRows);
  bool made = false;
  for (int attempt = 0; attempt < kAttempts && !made; ++attempt) made = WalkTrack(*this);
  if (made) {
    FinishTrack(*this);
    float startX = m_gridX + kTurtleStartX * m_tileSize;
    float startY = m_gridY + kTurtleStartY * m_tileSize;
    const float lane[kPlayers] = {-12, -4, 4, 12};
    for (int p = 0; p < kPlayers; ++p)
      p_Start(p, static_cast<int>(startX), static_cast<int>(startY + lane[p]));
  } else {
    ClearCells(*this);
    m_players[kLastWaypointIndex] = -1;
  }
  m_players[kFade] = 0;
  m_introTimer = 160;
  for (int p = 0; p < kPlayers; ++p) {
    float* car = CarOf(*this, p);
    car[kLastWaypoint] = 0;
    car[kSpeed] = 0;
    car[kCap] = 0;
    car[kHeading] = 90;
    car[kSkill] = kLeastSkill + Random() * kSkillSpread;
  }
}

namespace {

// Draws every painted cell centred on its square, so the road on screen is the road the
// cars feel. True when the grid holds a track.
bool DrawTrack(c_MyApp& app) {
  bool track = false;
  app.p_ResetDraw();
  app.p_SetSize(app.m_tileScale);
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRows; ++y) {
      float content = Cell(app, x, y, kContent);
      if (content == kGrass) continue;
      int frame = kLineFrame;
      if (content == kRoad) frame = kRoadFrame + (x + y) % 2;
      if (content == kVerge) frame = kVergeFrame;
      if (content == kRoad || content == kLine) track = true;
      app.p_DrawImg(0, app.m_gridX + (x + 0.5f) * app.m_tileSize, app.m_gridY + (y + 0.5f) * app.m_tileSize,
                    static_cast<float>(frame));
    }
  }
  app.p_ResetDraw();
  return track;
}

// Anything but grass counts as road; so does nothing off the grid.
bool OnRoad(c_MyApp& app, float x, float y) {
  float cellX = (x - app.m_gridX) / app.m_tileSize;
  float cellY = (y - app.m_gridY) / app.m_tileSize;
  if (!(cellX >= 0 && cellY >= 0 && cellX < kColumns && cellY < kRows)) return false;
  return Cell(app, static_cast<int>(cellX), static_cast<int>(cellY), kContent) != kGrass;
}

float Wrapped(float heading) {
  heading = std::fmod(heading, 360.0f);
  return heading < 0 ? heading + 360 : heading;
}

void DrawCar(c_MyApp& app, int p, float x, float y, float heading) {
  app.p_SetRot(heading);
  app.p_SetSize(kCarScale);
  app.p_DrawGfx(x, y, kCarFrame + p);
  app.p_ResetDraw();
}

// The computer driver keeps its foot down and steers for the waypoint three ahead,
// lifting off and scrubbing speed the sharper the bend it faces.
void DriveByComputer(c_MyApp& app, float* car, bool& accelerate) {
  accelerate = true;
  int lastIndex = LastWaypointIndex(app);
  if (lastIndex < 1) return;
  int last = static_cast<int>(car[kLastWaypoint]);
  const float* aimPoint = WaypointOf(app, (last + 3) % lastIndex);
  float aim = HeadingTo(car[kX], car[kY], app.m_gridX + aimPoint[0], app.m_gridY + aimPoint[1]);
  int turn = app.m_WhichWayDoIGo(car[kHeading], aim, 0, 359);
  int bend = std::abs(turn);
  float& speed = car[kSpeed];
  if (bend > 20 && speed > 10 && Random() * 8 < 2) accelerate = false;
  if (bend > 40 && speed > 8 && Random() * 6 < 2) accelerate = false;
  if (bend > 70 && speed > 6 && Random() * 4 < 3) accelerate = false;
  if (Random() * 125 < 1) accelerate = false;
  if (speed > 10) {
    if (bend > 10) speed -= 0.2f + Random() * 0.2f;
    if (bend > 20) speed -= 0.15f + Random() * 0.1f;
    if (bend > 30) speed -= 0.1f + Random() * 0.05f;
    if (bend > 45) speed -= 0.1f + Random() * 0.05f;
  }
  if (bend > 3) {
    float by = (0.75f + Random() * 1.5f) * car[kSkill];
    car[kHeading] = Wrapped(car[kHeading] + (turn > 0 ? by : -by));
    car[kCap] -= kComputerTurnCapCost;
  }
}

// One car's frame: drawn, slowed on grass, steered, moved, and its pedals worked.
void DriveCar(c_MyApp& app, int p) {
  float* car = CarOf(app, p);
  bool playing = app.m_introTimer < 1;
  bool computer = Computer(app, p);
  DrawCar(app, p, car[kX], car[kY], car[kHeading]);

  bool onRoad = OnRoad(app, car[kX], car[kY]);
  if (!onRoad && car[kCap] > kLowestGrassCap) car[kCap] -= kCapChange;
  if (onRoad && car[kCap] < kRoadCap) car[kCap] += kCapChange;

  float stickX = app.m_pad[p] >= -1 ? app.p_Control(kAxisX, p) : 0;
  if (playing) {
    car[kHeading] = Wrapped(car[kHeading] + kTurnRate * stickX);
    float length = car[kSpeed] * kStepPerSpeed;
    if (computer) {
      if (Random() * 600 < 1) car[kSkill] = kLeastSkill + Random() * kSkillSpread;
      length *= car[kSkill];
    }
    car[kX] += length * std::sin(car[kHeading] * D2R);
    car[kY] -= length * std::cos(car[kHeading] * D2R);
    if (!computer && std::fabs(stickX) > kStickTurnsHard) car[kCap] -= kHardTurnCapCost;
  }

  bool accelerate = app.p_Control(kFireA, p) > 0;
  bool brake = app.p_Control(kFireB, p) > 0;
  if (computer && playing) DriveByComputer(app, car, accelerate);
  bool finished = car[kLapsLeft] < 1;
  if (finished) car[kScore] += 1;
  if (!playing || finished) accelerate = brake = false;

  float& speed = car[kSpeed];
  if (accelerate) speed += kAccelerate;
  if (brake) {
    speed -= kBrake;
    car[kCap] -= kBrakeCapCost;
  }
  if (!accelerate && !brake) speed = StepTowards(speed, 0, kCoast);

  float floor = computer ? (onRoad ? kComputerRoadFloor : kComputerGrassFloor)
                         : (onRoad ? kHumanRoadFloor : kHumanGrassFloor);
  if (car[kCap] < floor) car[kCap] = floor;
  car[kLostTimer] = playing ? car[kLostTimer] + 1 : 0;
  if (speed > car[kCap]) {
    speed = car[kCap];
    car[kCap] += kCapGrowth;
  }
  if (speed < kReverseLimit) speed = kReverseLimit;
  if (!finished) app.m_players[kRacing] += 1;
}

// Five lines half a pixel apart from a lost car to the waypoint it should reach, and a
// ghost of the car there facing along the track; dim at first, bright when it is late.
void ShowTheWay(c_MyApp& app, int p, float toX, float toY, float heading, float brightness) {
  const float* car = CarOf(app, p);
  const bool channels[kPlayers][3] = {{1, 0, 0}, {0, 0, 1}, {1, 1, 0}, {0, 1, 0}};
  app.p_SetCol(channels[p][0] * brightness, channels[p][1] * brightness, channels[p][2] * brightness, 1);
  float dx = toX - car[kX];
  float dy = toY - car[kY];
  float length = std::sqrt(dx * dx + dy * dy);
  float acrossX = length > 0 ? -dy / length : 1;
  float acrossY = length > 0 ? dx / length : 0;
  for (int k = -2; k <= 2; ++k) {
    float shift = 0.5f * k;
    app.p_Line(car[kX] + acrossX * shift, car[kY] + acrossY * shift, toX + acrossX * shift, toY + acrossY * shift);
  }
  app.p_ResetDraw();
  app.p_Alpha(0.5f);
  DrawCar(app, p, toX, toY, heading);
}

// After the countdown: every waypoint helps the cars lost on it, counts the cars that
// reach it (laps included) and gives the computers their next target.
void VisitWaypoints(c_MyApp& app) {
  int lastIndex = LastWaypointIndex(app);
  if (app.m_introTimer >= 1 || lastIndex < 1 || lastIndex >= kMostWaypoints) return;
  float reach = kReachTiles * app.m_tileSize;
  for (int i = 0; i <= lastIndex; ++i) {
    float x = app.m_gridX + WaypointOf(app, i)[0];
    float y = app.m_gridY + WaypointOf(app, i)[1];
    const float* next = WaypointOf(app, i < lastIndex ? i + 1 : 0);
    for (int p = 0; p < kPlayers; ++p) {
      float* car = CarOf(app, p);
      if (car[kLapsLeft] >= 1 && car[kLastWaypoint] == i && car[kLostTimer] > kShowWayDim) {
        float along = HeadingTo(x, y, app.m_gridX + next[0], app.m_gridY + next[1]);
        if (car[kLostTimer] > kPutBack) {
          car[kX] = x;
          car[kY] = y;
          car[kHeading] = Wrapped(along);
          car[kLostTimer] = 0;
        } else {
          ShowTheWay(app, p, x, y, along, car[kLostTimer] > kShowWayBright ? 250.0f : 80.0f);
        }
      }

      int last = static_cast<int>(car[kLastWaypoint]);
      if (std::fabs(car[kX] - x) < reach && std::fabs(car[kY] - y) < reach) {
        if (last == i || last == i - 1 || last == i - 2) {
          last = i;
          car[kLostTimer] = 0;
        } else if ((last == lastIndex || last == lastIndex - 1) && (i == 0 || i == 1)) {
          last = i;
          car[kLostTimer] = 0;
          car[kLapsLeft] -= 1;
          app.p_PlaySFX(kLapSound);
          if (car[kLapsLeft] < 1) app.p_PlaySFX(kFinishSound);
        }
        car[kLastWaypoint] = static_cast<float>(last);
      }

      if (Computer(app, p) && (last + 1) % lastIndex == i && car[kTargetFor] != i) {
        car[kTargetX] = x + (Random() * 2 - 1) * kTargetSpreadTiles * app.m_tileSize;
        car[kTargetY] = y + (Random() * 2 - 1) * kTargetSpreadTiles * app.m_tileSize;
        car[kTargetHeading] = HeadingTo(car[kX], car[kY], car[kTargetX], car[kTargetY]);
        car[kTargetFor] = static_cast<float>(i);
      }
    }
  }
}


// Each car's lap, or its place once home, in the grass above the track: the score panel
// is left out so that the whole track shows.
void ShowLaps(c_MyApp& app) {
  float y = (app.m_gridY + 2 * app.m_tileSize) / 2;
  float slot = zr_TinselJumble_jscrw / kPlayers;
  for (int p = 0; p < kPlayers; ++p) {
    const float* car = CarOf(app, p);
    float x = slot * (p + 0.5f);
    app.p_ResetDraw();
    app.p_SetSize(0.5f);
    app.p_DrawImg(kPlayerToken, x - 28, y, static_cast<float>(p));
    app.p_ResetDraw();
    String text;
    if (car[kLapsLeft] >= 1) {
      int lap = std::clamp(kLaps + 1 - static_cast<int>(car[kLapsLeft]), 1, kLaps);
      text = String("Lap ") + String(lap) + String("/") + String(kLaps);
    } else {
      int place = 1;
      for (int q = 0; q < kPlayers; ++q) place += CarOf(app, q)[kLapsLeft] < 1 && CarOf(app, q)[kScore] > car[kScore];
      text = app.p_Nth(place);
    }
    app.p_Text(x - 14, y, text, 0, 1);
  }
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_Game_R() {
  m_bgTargetR = 0;
  m_bgTargetG = 220;
  m_bgTargetB = 0;
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;
  if (!DrawTrack(*this)) MakeTrack(*this);

  m_players[kRacing] = 0;
  for (int p = 0; p < kPlayers; ++p) DriveCar(*this, p);
  ShowLaps(*this);
  float racing = m_players[kRacing];
  if (racing == 1) m_players[kEndTimer] += 1;
  if (racing == 0 || RaceStalled(*this)) m_players[kEndTimer] += 10;
  if (m_players[kEndTimer] > kEndAfter) m_roundOver = 1;

  float& fade = m_players[kFade];
  fade = std::min(fade + kFadeStep, 1.0f);
  if (fade < 1) {
    p_SetCol(0, 0, 0, 1 - fade);
    p_Rect(-1, -1, zr_TinselJumble_jscrw + 2, zr_TinselJumble_jscrh + 2);
    p_ResetDraw();
  }

  VisitWaypoints(*this);
  p_DoParticles(1);
  p_ScoreDisplay(-1, 0.5f);
}
