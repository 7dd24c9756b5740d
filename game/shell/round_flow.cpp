// A round as the shell runs it: the set-up update (mode 11) and the play updates
// (mode 10), each reaching the current game through one table by game number. A game
// joins by putting its set-up and frame routines in its row; until then its row holds
// the common set-up and the fallback game, as does any number outside 1..26.
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

struct GameRoutines {
  void (c_MyApp::*setUp)();
  void (c_MyApp::*frame)();
};

constexpr int kGames = 26;
constexpr GameRoutines kFallback = {&c_MyApp::p_LoadGame, &c_MyApp::p_Game};

// Row g is game g (1 = A ... 26 = Z); the comment names the routines it will hold.
const GameRoutines kGameTable[kGames + 1] = {
    kFallback,  // 0: no game
    {&c_MyApp::p_LoadGame_A, &c_MyApp::p_Game_A},  // A
    {&c_MyApp::p_LoadGame_B, &c_MyApp::p_Game_B},  // B
    {&c_MyApp::p_LoadGame_C2, &c_MyApp::p_Game_C2},  // C
    {&c_MyApp::p_LoadGame_D, &c_MyApp::p_Game_D},  // D
    {&c_MyApp::p_LoadGame_E, &c_MyApp::p_Game_E},  // E
    {&c_MyApp::p_LoadGame_F, &c_MyApp::p_Game_F},  // F
    {&c_MyApp::p_LoadGame_G, &c_MyApp::p_Game_G},  // G
    {&c_MyApp::p_LoadGame_Header, &c_MyApp::p_Game_Header},  // H
    {&c_MyApp::p_LoadGame_I, &c_MyApp::p_Game_I},  // I
    {&c_MyApp::p_LoadGame_J, &c_MyApp::p_Game_J},  // J
    {&c_MyApp::p_LoadGame_K, &c_MyApp::p_Game_K},  // K
    {&c_MyApp::p_LoadGame_L, &c_MyApp::p_Game_L},  // L
    {&c_MyApp::p_LoadGame_Missile, &c_MyApp::p_Game_Missile},  // M
    {&c_MyApp::p_LoadGame_N2, &c_MyApp::p_Game_N2},  // N
    {&c_MyApp::p_LoadGame_O, &c_MyApp::p_Game_O},  // O
    {&c_MyApp::p_LoadGame_Popcorn, &c_MyApp::p_Game_Popcorn},  // P
    {&c_MyApp::p_LoadGame_Q, &c_MyApp::p_Game_Q},  // Q
    {&c_MyApp::p_LoadGame_R, &c_MyApp::p_Game_R},  // R
    {&c_MyApp::p_LoadGame_S, &c_MyApp::p_Game_S},  // S
    {&c_MyApp::p_LoadGame_T, &c_MyApp::p_Game_T},  // T
    {&c_MyApp::p_LoadGame_U, &c_MyApp::p_Game_U},  // U
    {&c_MyApp::p_LoadGame_V, &c_MyApp::p_Game_V},  // V
    {&c_MyApp::p_LoadGame_W, &c_MyApp::p_Game_W},  // W
    {&c_MyApp::p_LoadGame_X, &c_MyApp::p_Game_X},  // X
    {&c_MyApp::p_LoadGame_Y, &c_MyApp::p_Game_Y},  // Y
    {&c_MyApp::p_LoadGame_Z2, &c_MyApp::p_Game_Z2},  // Z
};

const GameRoutines& RoutinesOf(int game) {
  return game >= 1 && game <= kGames ? kGameTable[game] : kFallback;
}

constexpr int kRoundFrames = 360;
constexpr float kSetUpWidth = 640.0f;
constexpr int kTuneCount = 7;
const char* const kTunes[kTuneCount] = {"Precluded", "Questioned", "Ringing", "Started",
                                        "Traced",    "Undercover", "Valid"};

}  // namespace

void c_MyApp::p_SetUpRound() {
  m_timeLeft = kRoundFrames;
  m_setupWidth = kSetUpWidth;
  (this->*RoutinesOf(m_game).setUp)();
  // Any game number picks a tune, a negative one too.
  int tune = ((m_game + 4) % kTuneCount + kTuneCount) % kTuneCount;
  p_PlayTune(String(kTunes[tune]), 1);
}

// While paused the game is neither stepped nor drawn: the list holds only the pause
// layer, over a fill that draws nothing.
void c_MyApp::p_PlayRound() {
  p_DoBG();
  p_DoControls();
  if (m_paused == 0)
    (this->*RoutinesOf(m_game).frame)();
  else
    p_CLS2D(0, 0, 0, -1);
  p_InGame();
}
