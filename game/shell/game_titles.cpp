// The offered game's texts as the menu shows them: two title words in large coloured
// text and a short description, whose "\n" (backslash and n) the text routine breaks.
// Numbers past the games name the ten digits, and one number stands for the locked
// game, whose description is the calendar's message for the day it opens. Ordinal day
// names are here too, for those messages, and beside the titles how each game is played,
// for the card its countdown shows.
#include "game/shell/my_app.h"
#include "game/toolkit/glyphs.h"

namespace {

struct GameTexts {
  const char* title1;
  const char* title2;
  const char* description;
};

// Row g - 1 is game g (A ... Z).
const GameTexts kGames[] = {
    {"Anaconda", "Arena", "Gather up the pills\\n  to extend your Anaconda."},
    {"Bumpy", "Bugs", "Bump your opponents\\n  off the board."},
    {"Catching", "Fishies", "Catch as many fishies\\n  as you can!"},
    {"Duelling", "Ostriches", "Bop your enemies on their heads\\n   to steal their eggs."},
    {"Elevator", "Patrol", "Collect as many gems as you can\\n   whilst avoiding the Robot Patrol"},
    {"Rovader'", "Fishies", "Flap as far as you can.\\n        Furthest Flapper Wins"},
    {"Galactic", "Defenders", "Defend the planet from the\\n   evil swarms of alien invaders."},
    {"Hectic", "Headers", "Head the bomb for points\\n    Run away if it lands!"},
    {"Ice", "Hoppers", "Jump on the ice\\n  and avoid the darts."},
    {"Jet", "Fighters", "Destroy your enemies.\\n  Be the Best!"},
    {"Kane", "Adventure", "Jump over the many Cacti.\\n   So very far to go."},
    {"Leaping", "Frogs", "Try to stay afloat\\n  as the Lily Pads rise and fall."},
    {"Missile", "Mayhem", "Ensure the ultimate annihilation\\n  of your enemy, with missiles."},
    {"Nightmare", "Paths", "Collect the coins\\n  and stay on the path."},
    {"Octagon", "Of Obstacles", "Fly around the Octagons\\n  but try not to get hit."},
    {"Popcorn", "Panic", "Avoid the Popcorn.\\n       Last man standing wins!"},
    {"Quartz", "Rocks", "Dodge the falling rocks\\n   They're deadly!"},
    {"Retro", "Racing", "Start Your Engines!\\n   3 Laps to win"},
    {"Senseless", "Soccer", "First to 5 goals wins\\n  Aim for your net!"},
    {"Tank", "Warfare", "Blast away your enemies.\\n   First to 5 points wins."},
    {"Upside", "Downside", "Collect the Gems\\n   And avoid the rocks."},
    {"Virus", "Vengeance", "The Virus is gonna get ya\\n   Fight to survive!"},
    {"Wandering", "Sheep", "Wandering Sheep will wander\\n   whichever way they will"},
    {"Xtreme", "X-Fire", "Shoot the balls\\n   Don't let them hit you!"},
    {"Yarn", "Loops", "Catch the balls inside\\n   your trail's loops."},
    {"Zap", "Everything", "Destroy them all!\\n  Blast for your llfe."},
};

// How each game is played: a line per control the game reads, a verb and the buttons
// as the letters of their glyphs (W A S D the directions, J fire A, K fire B), which
// every seat's glyph set turns into its own keys or pad buttons. Row g - 1 is game g.
struct ControlLine {
  const char* verb;
  const char* buttons;
};
constexpr int kMostControls = 3;

const ControlLine kControls[][kMostControls] = {
    {{"turn", "WASD"}},
    {{"push", "WASD"}},
    {{"chase", "WASD"}},
    {{"run", "AD"}, {"flap", "J"}},
    {{"walk", "AD"}, {"lift", "WS"}},
    {{"flap", "J"}, {"drift", "AD"}},
    {{"move", "AD"}, {"fire", "J"}},
    {{"run", "AD"}, {"jump", "J"}},
    {{"hop", "WASD"}, {"jump", "J"}},
    {{"steer", "AD"}, {"fire", "J"}},
    {{"jump", "J"}},
    {{"hop", "WASD"}},
    {{"aim", "WASD"}, {"fire", "J"}},
    {{"walk", "WASD"}},
    {{"thrust", "WASD"}, {"dash", "J"}},
    {{"glide", "WASD"}},
    {{"slide", "AD"}},
    {{"steer", "AD"}, {"speed up", "J"}, {"brake", "K"}},
    {{"run", "WASD"}, {"kick", "J"}},
    {{"drive", "WASD"}, {"fire", "J"}},
    {{"run", "AD"}, {"flip", "J"}},
    {{"turn", "AD"}, {"fire", "J"}},
    {{"nudge", "WASD"}, {"bleat", "J"}},
    {{"slide", "WASD"}, {"fire", "J"}},
    {{"roll", "WASD"}},
    {{"walk", "WASD"}, {"zap", "J"}},
};

constexpr int kGameCount = 26;
static_assert(sizeof(kControls) / sizeof(kControls[0]) == kGameCount, "a control line for every game");
constexpr int kFirstDigit = 27;
constexpr int kLastDigit = 36;
constexpr int kLockedGame = 63;

}  // namespace

void c_MyApp::p_GameID(int n) {
  if (n >= 1 && n <= kGameCount) {
    const GameTexts& texts = kGames[n - 1];
    m_gameTitle1 = String(texts.title1);
    m_gameTitle2 = String(texts.title2);
    m_gameDesc = String(texts.description);
  } else if (n >= kFirstDigit && n <= kLastDigit) {
    m_gameTitle1 = String(n - kFirstDigit);
    m_gameTitle2 = m_gameTitle1;
    m_gameDesc = String();
  } else if (n == kLockedGame) {
    m_gameTitle1 = String("Locked");
    m_gameTitle2 = String("Game");
    m_gameDesc = p_LockMessage(m_game);
  }
}

String c_MyApp::p_Nth(int n) {
  switch (n) {
    case 1:
    case 21:
      return String(n) + String("st");
    case 2:
    case 22:
      return String(n) + String("nd");
    case 3:
    case 23:
      return String(n) + String("rd");
    default:
      break;
  }
  if (n >= 4 && n <= 26) return String(n) + String("th");
  return String();
}

String c_MyApp::p_ControlVerb(int game, int line) {
  if (game < 1 || game > kGameCount || line < 0 || line >= kMostControls) return String();
  const char* verb = kControls[game - 1][line].verb;
  return verb ? String(verb) : String();
}

String c_MyApp::p_ControlButtons(int game, int line) {
  if (p_ControlVerb(game, line).IsEmpty()) return String();
  String glyphs;
  for (const char* letter = kControls[game - 1][line].buttons; *letter; ++letter)
    glyphs += String::FromChar(kGlyphEscape) + String::FromChar(*letter);
  return glyphs;
}
