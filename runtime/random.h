// The toolkit's deterministic pseudo-random generator: a 32-bit linear congruential
// sequence. Every random choice in the game draws from it, so the same seed always
// gives the same game.
#pragma once

#include <cstdint>

extern uint32_t zr_random_Seed;  // starts at 1234

float zr_random_Rnd();                        // next value in [0, 1)
float zr_random_Rnd2(float low, float high);  // low + (high - low) * next
float zr_random_Rnd3(float range);            // next * range
