// Bit flags packed into an int, numbered from 1 (the lowest bit). Games keep several
// on/off states of a player or object in one table value. A bit number outside 1..32
// reads as 0 and leaves the value unchanged when set.
#include "game/shell/my_app.h"

namespace {

bool BitExists(int bit) { return bit >= 1 && bit <= 32; }

unsigned int BitMask(int bit) { return 1u << (bit - 1); }

}  // namespace

int c_MyApp::p_GetFlag(int value, int bit) {
  if (!BitExists(bit)) return 0;
  return (static_cast<unsigned int>(value) & BitMask(bit)) != 0 ? 1 : 0;
}

int c_MyApp::p_SetFlag(int value, int bit, int state) {
  if (state != 0 && state != 1) return 0;
  if (!BitExists(bit)) return value;
  unsigned int bits = static_cast<unsigned int>(value);
  bits = state == 1 ? bits | BitMask(bit) : bits & ~BitMask(bit);
  return static_cast<int>(bits);
}
