// Whole random numbers for the games, drawn from the toolkit generator so a seed replays
// a round exactly. The range is widened by 0.99 rather than 1 so the top value can come
// up without ever overshooting it. Worked in double: a float product can round a large
// range up past its top value.
#include <cmath>

#include "game/shell/my_app.h"
#include "runtime/random.h"

int c_MyApp::p_Rand(float lo, float hi) {
  double span = (static_cast<double>(hi) + 0.99) - lo;
  return static_cast<int>(std::floor(zr_random_Rnd() * span + lo));
}
