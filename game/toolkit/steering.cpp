// Which way to turn from one heading to another on a circular scale lo..hi (the games
// use degrees, 0..359): positive means turn clockwise (increase the angle), negative or
// zero (past half way round) the other way, and the size is how far. A scale with no
// values gives no turn.
#include <cmath>

#include "game/shell/my_app.h"

namespace {

// Remainder on the circle, never negative.
double Wrap(double angle, double circle) {
  double wrapped = std::fmod(angle, circle);
  return wrapped < 0 ? wrapped + circle : wrapped;
}

}  // namespace

int c_MyApp::m_WhichWayDoIGo(float a, float b, int lo, int hi) {
  int range = hi - lo;
  int circle = range + 1;
  if (circle <= 0) return 0;
  double clockwise = Wrap(Wrap(b, circle) - Wrap(a, circle), circle);
  double turn = lo + clockwise;
  // Past half way round it is shorter to go back. The range (not the whole circle) is
  // taken off, so turns back run -179..0 on degrees; the games' movers are tuned to it.
  if (turn > lo + range / 2) turn -= range;
  return static_cast<int>(turn);
}
