// Game E, "Elevator Patrol": a cross-section of a six-storey building. Players walk the
// floors and ride three lifts (up or down inside an open car sends it, up or down at a
// shaft calls a free car) to collect gems. Robots patrol the corridors, sometimes taking
// a lift themselves; a robot that touches a player in the corridor scatters up to three
// of the player's gems and stuns the player. More robots walk in as the clock runs; when
// the 90-second clock runs out, most gems wins.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/random.h"

namespace {

const int kPlayers = 4;
const int kStride = 100;
const int kObjectStride = 10;

// Player fields.
const int kX = 1;
const int kY = 2;
const int kLevel = 3;     // floor, 0 the lobby; a fraction while riding
const int kRiding = 4;    // car + 1 while the car moves with the player in it
const int kFacing = 5;    // 1 right, -1 left
const int kStep = 6;      // walk phase in degrees
const int kStunned = 7;   // frames left lying knocked out
const int kBlink = 8;     // frames left of safety from robots (counts through the stun)
const int kGoalGem = 11;  // the computer's gem (object number), -1 none
const int kGoalShaft = 12;
const int kPlanTimer = 13;
const int kWaited = 14;      // frames the computer has waited for a car
const int kAvoidShaft = 15;  // a shaft the computer gave up on, for kAvoidTimer frames
const int kAvoidTimer = 16;
const int kScore = 95;

// Game-wide values kept in player 0's row.
const int kPlayFrames = 60;
const int kRobotsJoined = 61;

// Cars: objects 0..2.
const int kCars = 3;
const int kCarKind = 1;
const int kCarLevel = 1;
const int kCarTarget = 2;
const int kCarTravel = 3;  // 1 up, -1 down, 0 stopped
const int kCarRobot = 4;   // robot object + 1 while a robot is aboard
const int kCarTimer = 5;   // the robot's wait before the car leaves or it walks out
const int kCarWish = 6;    // the riders' wishes added up this frame

// Robots: objects 10..16.
const int kFirstRobot = 10;
const int kMostRobots = 7;
const int kRobotKind = 2;
const int kRobotX = 1;
const int kRobotLevel = 2;
const int kRobotVx = 3;
const int kRobotCar = 4;   // car + 1 while aboard
const int kRobotRest = 5;  // frames before it may turn on a whim or board again
const int kRobotBob = 6;

// Gems: objects 50..99.
const int kFirstGem = 50;
const int kLastGem = 99;
const int kGemKind = 3;
const int kGemX = 1;
const int kGemLevel = 2;
const int kGemColour = 3;
const int kGemHeight = 4;  // above its floor while flying
const int kGemVx = 5;
const int kGemVh = 6;
const int kGemAge = 7;
const int kGemFlying = 8;

const int kFloors = 6;
const int kTopFloor = kFloors - 1;
const int kPanel = 96;
// The game plays in building units: 544 across (the screen left of the panel at 640 x
// 480) and floors by number; only the drawing is scaled to the screen of the moment, so
// a window resized mid-round shows the same building.
const float kWidth = 544;
const float kShaftAt[kCars] = {0.18f, 0.5f, 0.82f};
const float kRoofY = 40;
const float kGroundGap = 10;
const float kFullGap = (480 - kGroundGap - kRoofY) / kFloors;
const float kWallInset = 16;
const float kCarHalf = 18;
const float kAboardReach = 14;  // how far from a shaft's centre a player is inside its car
const float kWalkSpeed = 1.6f;
const float kCarStep = 1.0f / 30;  // floors a frame
const float kStickPress = 0.5f;
const float kTouch = 16;
const float kGemReach = 14;
const float kGemClear = 48;  // no new gem this close to a player on its floor

const int kRoundFrames = 90 * 60;
const int kStartRobots = 3;
const int kRobotEvery = 20 * 60;
const float kSpeedUpPerRobot = 0.1f;
const int kGemsOnBoard = 5;
const int kGemsInRush = 8;
const int kRushFrames = 15 * 60;
const int kMostDropped = 3;
const int kStunFrames = 100;
const int kSafeFrames = 190;
const int kRobotBoardWait = 40;
const int kRobotExitWait = 30;
const int kRobotRestFrames = 360;

const int kBumpSound = 4;
const int kOutSound = 9;
const int kGemSound = 14;
const int kRunnerArt = 8;  // graphic codes; the player number is added
const int kGemArt = 336;   // sheet 5 frame 16 + colour
const int kRobotArt = 340;
const int kTreeArt = 373;
const int kPresentArt = 376;
const int kGemInk[4] = {1, 6, 3, 4};

// Computer planning.
const float kFloorFrames = 1 / kCarStep;  // a floor's ride
const float kBusyCar = 400;
const float kNearRobot = 80;
const int kGiveUpInCar = 45;
const int kGiveUpAtShaft = 240;
const int kAvoidFrames = 240;

// Where the building is drawn on the screen of this frame: building x to screen x, a
// floor's line on the screen, and the scale of sprites and of heights above a floor.
struct View {
  float scaleX, groundY, gap, size;
  float X(float x) const { return x * scaleX; }
  float FloorY(float level) const { return groundY - level * gap; }
};

View ViewOf(const c_MyApp& app) {
  float width = zr_TinselJumble_jscrw - app.m_panelWidth;
  float groundY = zr_TinselJumble_jscrh - kGroundGap;
  float gap = (groundY - kRoofY) / kFloors;
  return {width / kWidth, groundY, gap, std::min(1.0f, gap / kFullGap)};
}

float ShaftX(int car) { return kWidth * kShaftAt[car]; }

float* Row(c_MyApp& app, int p) { return app.m_players.Data() + p * kStride; }
float* ObjectAt(c_MyApp& app, int n) { return app.m_objects.Data() + n * kObjectStride; }
float* Car(c_MyApp& app, int c) { return ObjectAt(app, c); }

float Clamped(float value, float low, float high) { return std::fmin(std::fmax(value, low), high); }
float Sign(float value) { return value > 0 ? 1.0f : (value < 0 ? -1.0f : 0.0f); }
bool SameFloor(float a, float b) { return std::fabs(a - b) < 0.05f; }

// The car a player is in: the one it rides, or one stopped open at its floor (no robot
// inside) whose span it stands in; -1 in the corridor.
int CarOf(c_MyApp& app, int p) {
  float* row = Row(app, p);
  if (row[kRiding] > 0) return static_cast<int>(row[kRiding]) - 1;
  for (int c = 0; c < kCars; ++c) {
    float* car = Car(app, c);
    if (car[kCarTravel] == 0 && car[kCarRobot] == 0 && SameFloor(car[kCarLevel], row[kLevel]) &&
        std::fabs(row[kX] - ShaftX(c)) <= kAboardReach)
      return c;
  }
  return -1;
}

int ShaftAt(float x) {
  for (int c = 0; c < kCars; ++c)
    if (std::fabs(x - ShaftX(c)) <= kAboardReach) return c;
  return -1;
}

bool Aboard(c_MyApp& app, int car) {
  for (int p = 0; p < kPlayers; ++p)
    if (CarOf(app, p) == car) return true;
  return false;
}

// A car takes a call only while it stands empty.
bool CarFree(c_MyApp& app, int c) {
  float* car = Car(app, c);
  return car[kCarTravel] == 0 && car[kCarRobot] == 0 && !Aboard(app, c);
}

void StartCar(float* car, float target) {
  car[kCarTarget] = target;
  car[kCarTravel] = Sign(target - car[kCarLevel]);
}

// An up or down press: inside a car it adds to the riders' wish; at a shaft it calls the
// car when that car is free.
void Press(c_MyApp& app, int p, int wish) {
  if (wish == 0) return;
  int inside = CarOf(app, p);
  if (inside >= 0) {
    Car(app, inside)[kCarWish] += static_cast<float>(wish);
    return;
  }
  float* row = Row(app, p);
  int shaft = ShaftAt(row[kX]);
  if (shaft >= 0 && CarFree(app, shaft)) StartCar(Car(app, shaft), row[kLevel]);
}

void Walk(c_MyApp& app, int p, float input) {
  float* row = Row(app, p);
  if (std::fabs(input) > 0.1f) {
    row[kFacing] = Sign(input);
    row[kStep] = std::fmod(row[kStep] + 12 * std::fabs(input), 360.0f);
  }
  row[kX] = Clamped(row[kX] + input * kWalkSpeed, kWallInset, kWidth - kWallInset);
  if (row[kRiding] > 0) {
    float centre = ShaftX(static_cast<int>(row[kRiding]) - 1);
    row[kX] = Clamped(row[kX], centre - kAboardReach, centre + kAboardReach);
  }
}

// The nearest robot on the player's floor that is close and not walking away (or very
// close); nullptr when none threatens.
float* Threat(c_MyApp& app, float x, float level) {
  float* nearest = nullptr;
  float nearestGap = kNearRobot;
  for (int r = kFirstRobot; r < kFirstRobot + kMostRobots; ++r) {
    float* robot = ObjectAt(app, r);
    if (robot[0] != kRobotKind || !SameFloor(robot[kRobotLevel], level)) continue;
    float gap = std::fabs(robot[kRobotX] - x);
    bool coming = robot[kRobotCar] > 0 || Sign(x - robot[kRobotX]) == Sign(robot[kRobotVx]);
    if (gap < nearestGap && (coming || gap < 2 * kTouch)) {
      nearest = robot;
      nearestGap = gap;
    }
  }
  return nearest;
}

bool RobotNear(c_MyApp& app, float x, float level, float reach) {
  for (int r = kFirstRobot; r < kFirstRobot + kMostRobots; ++r) {
    float* robot = ObjectAt(app, r);
    if (robot[0] == kRobotKind && SameFloor(robot[kRobotLevel], level) && std::fabs(robot[kRobotX] - x) < reach)
      return true;
  }
  return false;
}

// Frames a computer expects to wait for car c at its floor.
float CarWait(c_MyApp& app, int p, int c) {
  float* row = Row(app, p);
  float wait = kBusyCar;
  if (CarOf(app, p) == c) {
    wait = 0;
  } else if (CarFree(app, c)) {
    wait = std::fabs(Car(app, c)[kCarLevel] - row[kLevel]) * kFloorFrames;
  }
  if (row[kAvoidTimer] > 0 && row[kAvoidShaft] == c) wait += kBusyCar;
  return wait;
}

// The computer picks the gem it can reach soonest (walking, waiting and riding, with a
// random dither so that four computers spread out) and the shaft to reach it by.
void Plan(c_MyApp& app, int p) {
  float* row = Row(app, p);
  int riding = static_cast<int>(row[kRiding]) - 1;
  float bestCost = 0;
  int bestGem = -1;
  int bestShaft = static_cast<int>(row[kGoalShaft]);
  for (int g = kFirstGem; g <= kLastGem; ++g) {
    float* gem = ObjectAt(app, g);
    if (gem[0] != kGemKind) continue;
    float cost = std::fabs(row[kX] - gem[kGemX]) / kWalkSpeed;
    int shaft = -1;
    if (riding >= 0) {
      shaft = riding;
      cost = std::fabs(Car(app, riding)[kCarLevel] - gem[kGemLevel]) * kFloorFrames +
             std::fabs(ShaftX(riding) - gem[kGemX]) / kWalkSpeed;
    } else if (!SameFloor(gem[kGemLevel], row[kLevel])) {
      float ride = std::fabs(row[kLevel] - gem[kGemLevel]) * kFloorFrames;
      for (int c = 0; c < kCars; ++c) {
        float via = std::fabs(row[kX] - ShaftX(c)) / kWalkSpeed + CarWait(app, p, c) + ride +
                    std::fabs(ShaftX(c) - gem[kGemX]) / kWalkSpeed;
        if (shaft < 0 || via < cost) {
          cost = via;
          shaft = c;
        }
      }
    }
    if (RobotNear(app, gem[kGemX], gem[kGemLevel], kNearRobot / 2)) cost += 120;
    cost += zr_random_Rnd() * 60;
    if (bestGem < 0 || cost < bestCost) {
      bestCost = cost;
      bestGem = g;
      if (shaft >= 0) bestShaft = shaft;
    }
  }
  row[kGoalGem] = static_cast<float>(bestGem);
  row[kGoalShaft] = static_cast<float>(bestShaft);
  row[kPlanTimer] = static_cast<float>(app.p_Rand(20, 40));
}

void GiveUp(float* row, int shaft) {
  row[kAvoidShaft] = static_cast<float>(shaft);
  row[kAvoidTimer] = kAvoidFrames;
  row[kWaited] = 0;
  row[kPlanTimer] = 0;
}

// A step that stops exactly on the spot instead of pacing round it.
float StepTo(float from, float to) { return Clamped((to - from) / kWalkSpeed, -1, 1); }

// Away from a robot: into an open car on this side of it, or else away along the floor,
// calling the car of any shaft on the way.
void Flee(c_MyApp& app, int p, const float* robot, float& walk, int& wish) {
  float* row = Row(app, p);
  float toRobot = robot[kRobotX] - row[kX];
  int refuge = -1;
  for (int c = 0; c < kCars; ++c) {
    float* car = Car(app, c);
    if (car[kCarTravel] != 0 || car[kCarRobot] != 0 || !SameFloor(car[kCarLevel], row[kLevel])) continue;
    float toShaft = ShaftX(c) - row[kX];
    bool beyondRobot = toShaft * toRobot > 0 && std::fabs(toShaft) > std::fabs(toRobot) - kTouch - kAboardReach;
    if (beyondRobot) continue;
    if (refuge < 0 || std::fabs(toShaft) < std::fabs(ShaftX(refuge) - row[kX])) refuge = c;
  }
  if (refuge >= 0) {
    walk = StepTo(row[kX], ShaftX(refuge));
    return;
  }
  walk = toRobot > 0 ? -1.0f : 1.0f;
  if (ShaftAt(row[kX]) >= 0) wish = 1;
}

// The computer's walk and up/down wish for this frame.
void Think(c_MyApp& app, int p, float& walk, int& wish) {
  float* row = Row(app, p);
  if (row[kAvoidTimer] > 0) row[kAvoidTimer] -= 1;
  row[kPlanTimer] -= 1;
  int goal = static_cast<int>(row[kGoalGem]);
  if (goal < kFirstGem || goal > kLastGem || ObjectAt(app, goal)[0] != kGemKind || row[kPlanTimer] <= 0) {
    Plan(app, p);
    goal = static_cast<int>(row[kGoalGem]);
  }
  if (goal < 0) return;
  const float* gem = ObjectAt(app, goal);
  float gemLevel = gem[kGemLevel];
  int inside = CarOf(app, p);
  int shaft = static_cast<int>(Clamped(row[kGoalShaft], 0, kCars - 1));

  if (row[kRiding] > 0) {
    // Pushes only while the car is bound for a floor short of the gem's, so that it
    // stops there.
    wish = static_cast<int>(Sign(gemLevel - Car(app, inside)[kCarTarget]));
    row[kWaited] = 0;
    return;
  }
  const float* robot = Threat(app, row[kX], row[kLevel]);
  bool gemHere = SameFloor(gemLevel, row[kLevel]);
  if (inside >= 0 && (gemHere || inside == shaft)) {
    if (gemHere) {
      // Safe inside until the robot has gone by.
      if (robot == nullptr) walk = StepTo(row[kX], gem[kGemX]);
      return;
    }
    wish = static_cast<int>(Sign(gemLevel - row[kLevel]));
    row[kWaited] += 1;
    if (row[kWaited] > kGiveUpInCar) GiveUp(row, inside);
    return;
  }
  if (robot != nullptr) {
    Flee(app, p, robot, walk, wish);
    return;
  }
  if (gemHere) {
    walk = StepTo(row[kX], gem[kGemX]);
    return;
  }
  float shaftX = ShaftX(shaft);
  if (std::fabs(shaftX - row[kX]) > 1) {
    walk = StepTo(row[kX], shaftX);
    row[kWaited] = 0;
    return;
  }
  wish = 1;
  row[kWaited] += 1;
  if (row[kWaited] > kGiveUpAtShaft) GiveUp(row, shaft);
}

// Walking into a gem on the player's floor collects it.
void Collect(c_MyApp& app, int p) {
  float* row = Row(app, p);
  if (row[kRiding] > 0) return;
  for (int g = kFirstGem; g <= kLastGem; ++g) {
    float* gem = ObjectAt(app, g);
    if (gem[0] != kGemKind || gem[kGemFlying] != 0 || !SameFloor(gem[kGemLevel], row[kLevel])) continue;
    if (std::fabs(gem[kGemX] - row[kX]) >= kGemReach) continue;
    gem[0] = 0;
    row[kScore] += 1;
    app.p_PlaySFX(kGemSound);
    View view = ViewOf(app);
    float y = view.FloorY(gem[kGemLevel]) - 12 * view.size;
    for (int spark = 0; spark < 10; ++spark)
      app.p_ThrowParticle(view.X(gem[kGemX]), y, 5, kGemInk[static_cast<int>(gem[kGemColour]) & 3], spark * 36.0f, 2.5f);
  }
}

void PlayPlayer(c_MyApp& app, int p, bool playing) {
  float* row = Row(app, p);
  if (row[kBlink] > 0) row[kBlink] -= 1;
  if (row[kStunned] > 0) {
    row[kStunned] -= 1;
    return;
  }
  float walk = 0;
  int wish = 0;
  int source = app.m_pad[p];
  if (playing && source == 0) {
    Think(app, p, walk, wish);
  } else if (playing && source >= -1) {
    walk = app.p_Control(1, p);
    float stickY = app.p_Control(2, p);
    wish = stickY < -kStickPress ? 1 : (stickY > kStickPress ? -1 : 0);
  }
  Walk(app, p, Clamped(walk, -1, 1));
  Press(app, p, wish);
  Collect(app, p);
}

void StopCar(c_MyApp& app, int c) {
  float* car = Car(app, c);
  car[kCarTravel] = 0;
  if (car[kCarRobot] > 0) car[kCarTimer] = kRobotExitWait;
  for (int p = 0; p < kPlayers; ++p) {
    float* row = Row(app, p);
    if (row[kRiding] != c + 1) continue;
    row[kRiding] = 0;
    row[kLevel] = car[kCarLevel];
  }
}

// A stopped car leaves when its riders wish it to (or its robot's wait is over); a moving
// car turns back when its riders push against it, and at each floor goes on only while
// they still push its way. A car answering a call or carrying a robot has no riders, so
// nothing pushes it.
void MoveCar(c_MyApp& app, int c) {
  float* car = Car(app, c);
  float wish = Sign(car[kCarWish]);
  car[kCarWish] = 0;
  if (car[kCarTravel] == 0) {
    if (car[kCarRobot] > 0) {
      if (car[kCarTimer] > 0) {
        car[kCarTimer] -= 1;
      } else if (car[kCarTarget] != car[kCarLevel]) {
        StartCar(car, car[kCarTarget]);
      }
      return;
    }
    float target = car[kCarLevel] + wish;
    if (wish == 0 || target < 0 || target > kTopFloor) return;
    for (int p = 0; p < kPlayers; ++p)
      if (CarOf(app, p) == c) Row(app, p)[kRiding] = static_cast<float>(c + 1);
    StartCar(car, target);
    return;
  }
  float travel = car[kCarTravel];
  if (wish == -travel) {
    travel = -travel;
    car[kCarTravel] = travel;
    car[kCarTarget] = travel > 0 ? std::ceil(car[kCarLevel]) : std::floor(car[kCarLevel]);
  }
  car[kCarLevel] += travel * kCarStep;
  if ((car[kCarLevel] - car[kCarTarget]) * travel >= 0) {
    car[kCarLevel] = car[kCarTarget];
    float next = car[kCarTarget] + travel;
    if (wish == travel && next >= 0 && next <= kTopFloor) {
      car[kCarTarget] = next;
    } else {
      StopCar(app, c);
    }
  }
  for (int p = 0; p < kPlayers; ++p) {
    float* row = Row(app, p);
    if (row[kRiding] == c + 1) row[kLevel] = car[kCarLevel];
  }
}

void KnockOut(c_MyApp& app, int p) {
  float* row = Row(app, p);
  row[kStunned] = kStunFrames;
  row[kBlink] = kSafeFrames;
  row[kPlanTimer] = 0;
  int dropped = std::min(static_cast<int>(row[kScore]), kMostDropped);
  for (int n = 0; n < dropped; ++n) {
    int base = app.p_FreeObjB(kLastGem);
    if (base < 0) break;
    float* gem = app.m_objects.Data() + base;
    gem[0] = kGemKind;
    gem[kGemX] = row[kX];
    gem[kGemLevel] = row[kLevel];
    gem[kGemColour] = static_cast<float>(app.p_Rand(0, 3));
    gem[kGemHeight] = 12;
    gem[kGemVx] = zr_random_Rnd() * 4.4f - 2.2f;
    gem[kGemVh] = 2.5f + zr_random_Rnd() * 1.5f;
    gem[kGemAge] = 0;
    gem[kGemFlying] = 1;
    row[kScore] -= 1;
  }
  app.p_PlaySFX(kBumpSound);
  app.p_PlaySFX(kOutSound);
  View view = ViewOf(app);
  for (int spark = 0; spark < 12; ++spark)
    app.p_ThrowParticle(view.X(row[kX]), row[kY], 5, app.p_PlayCol(p), spark * 30.0f, 3);
}

// Patrols along its floor, turning at the end walls and now and then on a whim; at a
// shaft whose car stands open and empty it may step in and ride to a random floor. A
// player it touches in the corridor is knocked out.
void MoveRobot(c_MyApp& app, int r, float speed, bool playing) {
  float* robot = ObjectAt(app, r);
  if (robot[kRobotRest] > 0) robot[kRobotRest] -= 1;
  robot[kRobotBob] = std::fmod(robot[kRobotBob] + 9 * speed, 360.0f);
  int aboard = static_cast<int>(robot[kRobotCar]) - 1;
  if (aboard >= 0) {
    float* car = Car(app, aboard);
    robot[kRobotX] = ShaftX(aboard);
    robot[kRobotLevel] = car[kCarLevel];
    if (car[kCarTravel] == 0 && car[kCarTarget] == car[kCarLevel] && car[kCarTimer] <= 0) {
      robot[kRobotCar] = 0;
      car[kCarRobot] = 0;
      robot[kRobotRest] = kRobotRestFrames;
    }
  } else {
    float before = robot[kRobotX];
    robot[kRobotX] += robot[kRobotVx] * speed;
    if (robot[kRobotX] < kWallInset) robot[kRobotVx] = std::fabs(robot[kRobotVx]);
    if (robot[kRobotX] > kWidth - kWallInset) robot[kRobotVx] = -std::fabs(robot[kRobotVx]);
    robot[kRobotX] = Clamped(robot[kRobotX], kWallInset, kWidth - kWallInset);
    if (robot[kRobotRest] <= 0 && zr_random_Rnd() * 400 < 1) {
      robot[kRobotVx] = -robot[kRobotVx];
      robot[kRobotRest] = 120;
    }
    for (int c = 0; c < kCars && robot[kRobotRest] <= 0; ++c) {
      float shaftX = ShaftX(c);
      float* car = Car(app, c);
      if ((before - shaftX) * (robot[kRobotX] - shaftX) > 0 || !SameFloor(car[kCarLevel], robot[kRobotLevel]) ||
          !CarFree(app, c))
        continue;
      if (zr_random_Rnd() < 0.35f) {
        robot[kRobotX] = shaftX;
        robot[kRobotCar] = static_cast<float>(c + 1);
        car[kCarRobot] = static_cast<float>(r + 1);
        car[kCarTimer] = kRobotBoardWait;
        int target = app.p_Rand(0, kTopFloor - 1);
        if (target >= car[kCarLevel]) target += 1;
        car[kCarTarget] = static_cast<float>(target);
      }
      robot[kRobotRest] = 60;
    }
  }
  if (!playing) return;
  for (int p = 0; p < kPlayers; ++p) {
    float* row = Row(app, p);
    if (row[kBlink] > 0 || !SameFloor(row[kLevel], robot[kRobotLevel]) ||
        std::fabs(row[kX] - robot[kRobotX]) >= kTouch || CarOf(app, p) >= 0)
      continue;
    KnockOut(app, p);
  }
}

// One more robot walks in at an end of a floor every 20 seconds, never onto a player.
void JoinRobot(c_MyApp& app) {
  float& joined = app.m_players[kRobotsJoined];
  if (joined >= kMostRobots - kStartRobots || app.m_players[kPlayFrames] < (joined + 1) * kRobotEvery) return;
  int level = app.p_Rand(0, kTopFloor);
  bool fromLeft = zr_random_Rnd() < 0.5f;
  float x = fromLeft ? kWallInset : kWidth - kWallInset;
  for (int p = 0; p < kPlayers; ++p) {
    float* row = Row(app, p);
    if (SameFloor(row[kLevel], static_cast<float>(level)) && std::fabs(row[kX] - x) < 120) return;
  }
  for (int r = kFirstRobot; r < kFirstRobot + kMostRobots; ++r) {
    float* robot = ObjectAt(app, r);
    if (robot[0] != 0) continue;
    robot[0] = kRobotKind;
    robot[kRobotX] = x;
    robot[kRobotLevel] = static_cast<float>(level);
    robot[kRobotVx] = (fromLeft ? 1.0f : -1.0f) * (0.8f + zr_random_Rnd() * 0.3f);
    robot[kRobotRest] = 60;
    joined += 1;
    View view = ViewOf(app);
    for (int puff = 0; puff < 10; ++puff)
      app.p_ThrowParticle(view.X(x), view.FloorY(static_cast<float>(level)) - 16 * view.size, 4, 9, puff * 36.0f,
                          1.5f);
    return;
  }
}

void PlaceGem(c_MyApp& app, int level, float x) {
  int base = app.p_FreeObjB(kLastGem);
  if (base < 0) return;
  float* gem = app.m_objects.Data() + base;
  gem[0] = kGemKind;
  gem[kGemX] = x;
  gem[kGemLevel] = static_cast<float>(level);
  gem[kGemColour] = static_cast<float>(app.p_Rand(0, 3));
  gem[kGemHeight] = 0;
  gem[kGemAge] = 0;
  gem[kGemFlying] = 0;
}

float RandomX() { return kWallInset + 8 + zr_random_Rnd() * (kWidth - 2 * (kWallInset + 8)); }

// Keeps five gems on the board (eight in the last seconds), never close to a player.
void SpawnGem(c_MyApp& app, int onBoard) {
  int wanted = app.m_timeLeft < kRushFrames ? kGemsInRush : kGemsOnBoard;
  if (onBoard >= wanted || zr_random_Rnd() * 30 >= 1) return;
  int level = app.p_Rand(0, kTopFloor);
  float x = RandomX();
  for (int p = 0; p < kPlayers; ++p) {
    float* row = Row(app, p);
    if (SameFloor(row[kLevel], static_cast<float>(level)) && std::fabs(row[kX] - x) < kGemClear) return;
  }
  PlaceGem(app, level, x);
}

// Flying gems arc, bounce off the end walls and land; every gem bobs where it lies.
// Returns the number of gems in the building.
int MoveAndDrawGems(c_MyApp& app, const View& view) {
  int onBoard = 0;
  for (int g = kFirstGem; g <= kLastGem; ++g) {
    float* gem = ObjectAt(app, g);
    if (gem[0] != kGemKind) continue;
    ++onBoard;
    gem[kGemAge] += 1;
    if (gem[kGemFlying] != 0) {
      gem[kGemX] += gem[kGemVx];
      if (gem[kGemX] < kWallInset || gem[kGemX] > kWidth - kWallInset) gem[kGemVx] = -gem[kGemVx];
      gem[kGemX] = Clamped(gem[kGemX], kWallInset, kWidth - kWallInset);
      gem[kGemHeight] += gem[kGemVh];
      gem[kGemVh] -= 0.2f;
      if (gem[kGemHeight] <= 0) {
        gem[kGemHeight] = 0;
        gem[kGemFlying] = 0;
      }
    }
    float bob = gem[kGemFlying] != 0 ? 0 : 2 * std::sin(gem[kGemAge] * 0.07f);
    app.p_SetSize(0.6f * view.size * std::min(1.0f, 0.2f + gem[kGemAge] / 15));
    app.p_DrawGfx(view.X(gem[kGemX]), view.FloorY(gem[kGemLevel]) - (12 + gem[kGemHeight] - bob) * view.size,
                  kGemArt + (static_cast<int>(gem[kGemColour]) & 3));
  }
  app.p_ResetDraw();
  return onBoard;
}

// The building: walls, floor slabs, the three dark shafts, a snowy roof with a string of
// lights, a tree in the lobby, and the bar of time left under the roof.
void DrawBuilding(c_MyApp& app, const View& view) {
  float width = view.X(kWidth);
  float roofY = view.FloorY(kFloors);
  app.p_SetCol(60, 44, 58);
  app.p_Rect(4, roofY, width - 8, view.groundY - roofY + 6);
  for (int level = 0; level < kFloors; ++level) {
    float top = view.FloorY(level + 1.0f) + 6;
    float bottom = view.FloorY(static_cast<float>(level));
    if (level % 2 == 0) {
      app.p_SetCol(96, 66, 78);
    } else {
      app.p_SetCol(86, 70, 92);
    }
    app.p_Rect(8, top, width - 16, bottom - top);
    app.p_SetCol(64, 44, 56);
    app.p_Rect(8, bottom - 10 * view.size, width - 16, 10 * view.size);
  }
  for (int c = 0; c < kCars; ++c) {
    app.p_SetCol(24, 20, 32);
    app.p_Rect(view.X(ShaftX(c)) - 21 * view.size, roofY + 6, 42 * view.size, view.groundY - roofY - 6);
  }
  for (int level = 0; level <= kFloors; ++level) {
    app.p_SetCol(150, 140, 152);
    app.p_Rect(4, view.FloorY(static_cast<float>(level)), width - 8, 6);
  }
  app.p_SetCol(240, 245, 255);
  app.p_Rect(0, roofY - 6, width, 7);
  int lights = static_cast<int>(width / 24);
  int frames = static_cast<int>(app.m_players[kPlayFrames]);
  for (int n = 0; n < lights; ++n) {
    app.p_Ink(kGemInk[(n + frames / 20) % 4], 1);
    app.p_Oval(12 + n * 24.0f, roofY - 8, 3, 3);
  }
  app.p_ResetDraw();
  float treeX = view.X(kWidth * 0.36f);
  app.p_SetSize(view.size);
  app.p_DrawGfx(treeX, view.groundY - 22 * view.size, kTreeArt);
  app.p_SetSize(0.6f * view.size);
  app.p_DrawGfx(treeX - 18 * view.size, view.groundY - 10 * view.size, kPresentArt);
  app.p_DrawGfx(treeX + 18 * view.size, view.groundY - 10 * view.size, kPresentArt + 2);
  app.p_ResetDraw();
  float left = std::max(0, app.m_timeLeft) / static_cast<float>(kRoundFrames);
  app.p_SetCol(255, 210, 80, 0.6f);
  app.p_Rect(12, roofY - 18, (width - 24) * std::min(left, 1.0f), 3);
  app.p_ResetDraw();
}

// Each car in its shaft with its cable, the landing doors on every floor (open where the
// car stands, see-through steel elsewhere) and a lamp over each door: green for the car
// here, amber for the car on its way here.
void DrawCars(c_MyApp& app, const View& view) {
  float roofY = view.FloorY(kFloors);
  float half = kCarHalf * view.size;
  float doorW = 20 * view.size;
  float height = view.gap - 8;
  for (int c = 0; c < kCars; ++c) {
    float* car = Car(app, c);
    float x = view.X(ShaftX(c));
    float bottom = view.FloorY(car[kCarLevel]);
    app.p_SetCol(120, 120, 130, 1);
    app.p_Line(x, roofY + 6, x, bottom - height);
    app.p_SetCol(205, 160, 70);
    app.p_Rect(x - half, bottom - height, 2 * half, height);
    // A robot's car is lit a cold green.
    app.p_SetCol(car[kCarRobot] > 0 ? 200.0f : 250.0f, 228, car[kCarRobot] > 0 ? 200.0f : 160.0f);
    app.p_Rect(x - half + 3, bottom - height + 3, 2 * half - 6, height - 6);
    for (int level = 0; level < kFloors; ++level) {
      float floorY = view.FloorY(static_cast<float>(level));
      float doorH = height - 10 * view.size;
      float doorTop = floorY - doorH;
      bool here = car[kCarTravel] == 0 && car[kCarLevel] == level;
      if (here) {
        app.p_SetCol(150, 150, 165, 1);
        app.p_Rect(x - doorW - 1, doorTop, 3, doorH);
        app.p_Rect(x + doorW - 2, doorTop, 3, doorH);
        app.p_SetCol(80, 255, 110, 1);
      } else {
        app.p_SetCol(150, 150, 165, 0.45f);
        app.p_Rect(x - doorW, doorTop, doorW - 0.5f, doorH);
        app.p_Rect(x + 0.5f, doorTop, doorW - 0.5f, doorH);
        bool coming = car[kCarTravel] != 0 && car[kCarTarget] == level;
        if (coming) {
          app.p_SetCol(255, 170, 40, 1);
        } else {
          app.p_SetCol(70, 60, 60, 1);
        }
      }
      app.p_Oval(x, doorTop - 5 * view.size, 3.5f * view.size, 3.5f * view.size);
      app.p_SetCol(150, 140, 152, 0.6f);
      app.p_Rect(x - doorW - 1, floorY, 2 * doorW + 2, 6);
    }
  }
  app.p_ResetDraw();
}

void DrawRobot(c_MyApp& app, const float* robot, const View& view) {
  float facing = robot[kRobotVx] < 0 ? -1.0f : 1.0f;
  float x = view.X(robot[kRobotX]);
  float floorY = view.FloorY(robot[kRobotLevel]);
  float y = floorY - (17 - std::sin(robot[kRobotBob] * 0.0174533f) * 1.5f) * view.size;
  float size = view.size;
  app.p_SetCol(40, 40, 48);
  app.p_Oval(x - 7 * size, floorY - 4 * size, 4 * size, 4 * size);
  app.p_Oval(x + 7 * size, floorY - 4 * size, 4 * size, 4 * size);
  if (robot[kRobotCar] == 0) {
    // The red scanning light it throws ahead.
    app.p_SetCol(255, 40, 40, 0.22f);
    app.p_Rect(facing > 0 ? x + 12 * size : x - 34 * size, y - 3 * size, 22 * size, 8 * size);
  }
  app.p_ResetDraw();
  app.p_SetSize(facing * 0.8f * size, 0.8f * size);
  app.p_DrawGfx(x, y, kRobotArt);
  app.p_ResetDraw();
}

// A runner facing its way, bobbing and swaying as it walks; lying on its side while
// stunned, and flickering while robots cannot touch it.
void DrawPlayer(c_MyApp& app, int p, const View& view) {
  float* row = Row(app, p);
  float x = view.X(row[kX]);
  float floorY = view.FloorY(row[kLevel]);
  float step = row[kStep] * 0.0174533f;
  row[kY] = floorY - (15 + std::fabs(std::sin(step)) * 2) * view.size;
  if (row[kStunned] > 0) {
    app.p_SetRot(-90 * row[kFacing]);
    row[kY] = floorY - 8 * view.size;
    // Dizzy sparks over the head.
    if (static_cast<int>(row[kStunned]) % 12 == 0)
      app.p_ThrowParticle(x - 10 * view.size * row[kFacing], row[kY] - 8 * view.size, 5, 3, row[kStunned] * 25, 1);
  } else {
    app.p_SetRot(std::sin(step) * 6);
    if (row[kBlink] > 0 && static_cast<int>(row[kBlink]) / 4 % 2 == 1) app.p_Alpha(0.35f);
  }
  app.p_SetSize(0.8f * view.size * (row[kFacing] < 0 ? -1.0f : 1.0f), 0.8f * view.size);
  app.p_DrawGfx(x, row[kY], kRunnerArt + p);
  app.p_ResetDraw();
}

}  // namespace

void c_MyApp::p_LoadGame_E() {
  p_FreshGame();
  m_panelWidth = kPanel;
  View view = ViewOf(*this);
  const float kStartAt[kPlayers] = {0.06f, 0.34f, 0.66f, 0.94f};
  for (int p = 0; p < kPlayers; ++p) {
    float* row = Row(*this, p);
    float x = kWidth * kStartAt[p];
    p_Start(p, static_cast<int>(view.X(x)), static_cast<int>(view.FloorY(0) - 15 * view.size));
    row[kX] = x;
    row[kFacing] = p < 2 ? 1.0f : -1.0f;
    row[kGoalGem] = -1;
  }
  for (int c = 0; c < kCars; ++c) Car(*this, c)[0] = kCarKind;

  // The first robots patrol three different upper floors.
  bool taken[kFloors] = {};
  for (int n = 0; n < kStartRobots; ++n) {
    int level = p_Rand(1, kTopFloor);
    while (taken[level]) level = level % kTopFloor + 1;
    taken[level] = true;
    float* robot = ObjectAt(*this, kFirstRobot + n);
    robot[0] = kRobotKind;
    robot[kRobotX] = RandomX();
    robot[kRobotLevel] = static_cast<float>(level);
    robot[kRobotVx] = (zr_random_Rnd() < 0.5f ? -1.0f : 1.0f) * (0.8f + zr_random_Rnd() * 0.3f);
  }
  // The first gems lie upstairs, so the round opens with a rush for the lifts.
  for (int n = 0; n < kGemsOnBoard; ++n) {
    int level = p_Rand(1, kTopFloor);
    PlaceGem(*this, level, RandomX());
  }
  m_timeLeft = kRoundFrames;
  m_introTimer = 160;
  m_mode = 10;
}

void c_MyApp::p_Game_E() {
  m_camX -= (m_camX - m_camTargetX) / 8;
  m_camY -= (m_camY - m_camTargetY) / 8;
  m_bgTargetR = 12;
  m_bgTargetG = 16;
  m_bgTargetB = 44;
  View view = ViewOf(*this);
  bool playing = m_introTimer < 1;
  DrawBuilding(*this, view);

  if (playing) {
    m_players[kPlayFrames] += 1;
    JoinRobot(*this);
  }
  for (int p = 0; p < kPlayers; ++p) PlayPlayer(*this, p, playing);
  for (int c = 0; c < kCars; ++c) MoveCar(*this, c);
  DrawCars(*this, view);
  int onBoard = MoveAndDrawGems(*this, view);
  if (playing) SpawnGem(*this, onBoard);

  float speed = 1 + kSpeedUpPerRobot * m_players[kRobotsJoined];
  for (int r = kFirstRobot; r < kFirstRobot + kMostRobots; ++r) {
    if (ObjectAt(*this, r)[0] != kRobotKind) continue;
    MoveRobot(*this, r, speed, playing);
    DrawRobot(*this, ObjectAt(*this, r), view);
  }
  for (int p = 0; p < kPlayers; ++p) DrawPlayer(*this, p, view);

  if (playing) p_TimeOut();
  p_DoParticles(1);
  p_ScoreDisplay(0.5f);
}
