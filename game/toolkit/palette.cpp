// The game's nine-colour palette (red, orange, yellow, green, cyan, blue, purple, pink,
// white; anything else grey) and the colour of each player seat. Particles, backdrops
// and text share it, so a player's colour index means the same everywhere.
#include "game/shell/my_app.h"

namespace {

struct InkFractions {
  float red, green, blue;
};

// Index 0 stands for every index outside 1..9.
constexpr InkFractions kPalette[10] = {
    {0.3f, 0.3f, 0.3f}, {1.0f, 0.1f, 0.1f}, {1.0f, 0.5f, 0.1f}, {1.0f, 1.0f, 0.1f},
    {0.1f, 1.0f, 0.1f}, {0.1f, 1.0f, 1.0f}, {0.1f, 0.1f, 1.0f}, {0.5f, 0.1f, 1.0f},
    {1.0f, 0.1f, 0.5f}, {1.0f, 1.0f, 1.0f},
};

float ChannelValue(float fraction, float brightness) {
  float value = fraction * brightness * 255;
  if (value < 0) return 0;
  if (value > 255) return 255;
  return value;
}

}  // namespace

void c_MyApp::p_Ink(int index, float brightness) {
  const InkFractions& ink = kPalette[index >= 1 && index <= 9 ? index : 0];
  m_drawR = ChannelValue(ink.red, brightness);
  m_drawG = ChannelValue(ink.green, brightness);
  m_drawB = ChannelValue(ink.blue, brightness);
}

int c_MyApp::p_PlayCol(int player) {
  constexpr int kSeatColours[4] = {1, 5, 3, 4};
  return player >= 0 && player <= 3 ? kSeatColours[player] : 0;
}
