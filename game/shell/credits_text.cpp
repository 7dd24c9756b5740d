// The lines of the credits box. The box scrolls through lines 0..55 endlessly, starting
// on the empty first line; the closing "End" marks the end of the text and is never
// shown. Sections stand apart by an empty line, "-=-=-" and another empty line, so the
// box's fading edges never blend two sections into one.
#include "game/shell/globals.h"

namespace {

const char* const kCreditLines[] = {
    "",
    "Tinsel Jumble",
    "26 games for the days of Advent",
    "",
    "Made by",
    "the Tinsel Jumble developers",
    "",
    "-=-=-",
    "",
    "Built with",
    "GLFW",
    "windows, keyboard, mouse",
    "and joysticks",
    "",
    "OpenAL Soft",
    "sound effects and music",
    "",
    "stb",
    "pictures and music files",
    "",
    "-=-=-",
    "",
    "Graphics",
    "the Tinsel Jumble developers",
    "sprites, tiles and fonts",
    "drawn for this game",
    "",
    "-=-=-",
    "",
    "Audio",
    "the Tinsel Jumble developers",
    "jingles, tunes and effects",
    "made for this game",
    "",
    "-=-=-",
    "",
    "Thanks to",
    "the makers of GLFW",
    "the makers of OpenAL Soft",
    "the makers of stb",
    "",
    "and to every player:",
    "Red, Blue, Yellow and Green",
    "",
    "Merry Christmas",
    "and a happy new year!",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "End",
};

constexpr int kLineCount = sizeof(kCreditLines) / sizeof(kCreditLines[0]);
static_assert(kLineCount == 57, "the credits box cycles through 56 lines before End");

}  // namespace

Array<String> zr_TinselJumble_CreditLines() {
  Array<String> lines(kLineCount);
  for (int i = 0; i < kLineCount; ++i) lines[i] = String(kCreditLines[i]);
  return lines;
}
