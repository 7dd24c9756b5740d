// The generator: seed = seed * 1664525 + 1013904223 (mod 2^32); the value is the top
// 24 bits over 2^24, so it takes exactly the values k / 16777216.
#include "runtime/random.h"

uint32_t zr_random_Seed = 1234;

namespace {
double nextValue() {
  zr_random_Seed = zr_random_Seed * 1664525u + 1013904223u;
  return static_cast<double>(zr_random_Seed >> 8) * (1.0 / 16777216.0);
}
}  // namespace

float zr_random_Rnd() { return static_cast<float>(nextValue()); }

float zr_random_Rnd2(float low, float high) {
  double r = nextValue();
  return static_cast<float>(static_cast<double>(low) + (static_cast<double>(high) - low) * r);
}

float zr_random_Rnd3(float range) { return static_cast<float>(nextValue() * range); }
