// A party of rounds, its rules: the open games are dealt in a shuffled order and each is
// played once before any comes round again; after every round the round points (2 for
// the best, 1 for the second) go onto the standings, and the party is won by the one
// player who stands alone at or above the target. A tie at the top plays on, so a party
// always has a single winner. Leaving takes two presses of back (from the pause menu or
// the standings), so a pad's start button pressed to resume cannot end a long party.
#include "game/shell/my_app.h"
#include "game/shell/party.h"
#include "game/shell/virtual_screen.h"
#include "runtime/random.h"

namespace {

enum Mode : int { kMenuMode = 1, kSetUpMode = 11 };

constexpr int kGameCount = 26;
constexpr int kTallyTimer = 9;
constexpr int kPanelClosed = -64;
constexpr int kMenuSlideStart = -32;
constexpr int kStartSound = 98;
constexpr int kClickSound = 99;
constexpr int kFanfare = 94;
constexpr int kConfettiLimit = 250;

}  // namespace

// Each screen counts its own frames from 0, the frame it first shows.
void c_MyApp::p_PartyScreen() {
  int screen = m_mode;
  switch (m_mode) {
    case kPartyLobbyMode:
      p_PartyLobby();
      break;
    case kPartyTallyMode:
      p_PartyTally();
      break;
    case kPodiumMode:
      p_PartyPodium();
      break;
    default:
      break;
  }
  if (m_mode == screen) ++m_partyTimer;
}

int c_MyApp::p_PartyTargetSetting() {
  for (int target : kPartyTargets) {
    if (m_settings[kPartyTargetSetting] == target) return target;
  }
  return kDefaultPartyTarget;
}

void c_MyApp::p_StartParty(int target) {
  m_partyOn = 1;
  m_partyTarget = target > 0 ? target : kDefaultPartyTarget;
  m_partyRound = 0;
  m_partyWinner = -1;
  m_partyLeaveAsked = 0;
  m_partyMenuGame = m_menuGame;
  for (int seat = 0; seat < kPartySeats; ++seat) {
    m_partyPoints[seat] = 0;
    m_partyBefore[seat] = 0;
    m_partyRowY[seat] = 0;
  }
  m_partyOrderCount = 0;
  m_partyOrderNext = 0;
  m_partyNextGame = 0;
  p_PartyPickNext();
  m_partyTimer = 0;
  m_mode = kPartyTallyMode;
}

// Deals the next game. When the deck is used up the games that are open now are shuffled
// into a new one, and its first game is never the one just played.
void c_MyApp::p_PartyPickNext() {
  if (m_partyOrderNext >= m_partyOrderCount) {
    int justPlayed = m_partyNextGame;
    m_partyOrderCount = 0;
    for (int game = 1; game <= kGameCount; ++game) {
      if (p_GameOpen(game)) m_partyOrder[m_partyOrderCount++] = game;
    }
    for (int last = m_partyOrderCount - 1; last > 0; --last) {
      int pick = static_cast<int>(zr_random_Rnd() * (last + 1));
      int kept = m_partyOrder[last];
      m_partyOrder[last] = m_partyOrder[pick];
      m_partyOrder[pick] = kept;
    }
    if (m_partyOrderCount > 1 && m_partyOrder[0] == justPlayed) {
      int swapWith = 1 + static_cast<int>(zr_random_Rnd() * (m_partyOrderCount - 1));
      m_partyOrder[0] = m_partyOrder[swapWith];
      m_partyOrder[swapWith] = justPlayed;
    }
    m_partyOrderNext = 0;
  }
  m_partyNextGame = m_partyOrder[m_partyOrderNext++];
}

// The one seat with the most points, or -1 while two or more share the top.
int c_MyApp::p_PartyLeader() {
  int leader = 0;
  bool shared = false;
  for (int seat = 1; seat < kPartySeats; ++seat) {
    if (m_partyPoints[seat] > m_partyPoints[leader]) {
      leader = seat;
      shared = false;
    } else if (m_partyPoints[seat] == m_partyPoints[leader]) {
      shared = true;
    }
  }
  return shared ? -1 : leader;
}

// Back from a round (the score is filed and saved by then): the round's points join the
// standings here, once, and the standings screen shows them arriving. The menu's own
// tally is stopped, so the menu's totals do not count party rounds.
void c_MyApp::p_PartyRoundOver() {
  for (int seat = 0; seat < kPartySeats; ++seat) {
    m_partyBefore[seat] = m_partyPoints[seat];
    m_partyPoints[seat] += m_roundPoints[seat];
  }
  m_roundPoints[kTallyTimer] = 0;
  m_partyLeaveAsked = 0;
  ++m_partyRound;
  int leader = p_PartyLeader();
  m_partyWinner = leader >= 0 && m_partyPoints[leader] >= m_partyTarget ? leader : -1;
  if (m_partyWinner < 0) p_PartyPickNext();
  m_partyTimer = 0;
  m_mode = kPartyTallyMode;
}

void c_MyApp::p_PartyNextRound() {
  m_game = m_partyNextGame;
  m_mode = kSetUpMode;
  m_keyLatch = 1;
  m_pointerLatch = 1;
  m_partyLeaveAsked = 0;
  m_glyphSet = 0;
  p_PlaySFX(kStartSound);
}

// Everything that celebrates a won party starts here, once per party: the winner's badge,
// the fanfare, and the podium with its confetti on a sky cleared of the last round's
// particles.
void c_MyApp::p_PartyWon() {
  p_AwardPartyWin(m_partyWinner);
  p_ResetParticles(kConfettiLimit);
  m_camX = 0;
  m_camY = 0;
  p_PlaySFX(kFanfare);
  m_partyTimer = 0;
  m_mode = kPodiumMode;
}

// Back to the menu, which offers the game it offered before the party.
void c_MyApp::p_EndParty() {
  m_partyOn = 0;
  m_mode = kMenuMode;
  m_menuGame = m_partyMenuGame;
  m_roundPoints[kTallyTimer] = 0;
  m_menuSlide = kMenuSlideStart;
  m_keyLatch = 1;
  m_pointerLatch = 1;
}

// A first back press only asks; the second one, while the question shows, leaves.
bool c_MyApp::p_PartyLeaveAsked() {
  if (m_partyLeaveAsked != 0) return true;
  m_partyLeaveAsked = 1;
  p_PlaySFX(kClickSound);
  return false;
}

// Back in the pause menu of a party round: asks, then leaves the party without finishing
// the round. Returns false outside a party, where back resumes as always.
bool c_MyApp::p_PartyBackInPause() {
  if (m_partyOn == 0) return false;
  if (!p_PartyLeaveAsked()) return true;
  m_paused = 0;
  m_pauseSel = -1;
  m_pausePanelY = kPanelClosed;
  p_StopTune();
  p_EndParty();
  return true;
}

// Under "PAUSED" (and under the unplugged pad's line, when there is one): how to leave
// the party, or the question once back was pressed. The question goes away with the pause
// menu.
void c_MyApp::p_PartyPauseHint() {
  if (m_partyOn == 0) return;
  if (m_pauseSel != 1) m_partyLeaveAsked = 0;
  int glyphSet = m_glyphSet;
  m_glyphSet = PartyHintGlyphSet();
  p_ResetDraw();
  p_SetSize(1.5f);
  float x = zr_TinselJumble_jscrw / 2 + 96;
  float y = zr_TinselJumble_jscrh / 2 + (m_padLost != 0 ? 84 : 44);
  if (m_partyLeaveAsked != 0) {
    p_SetCol(255, 230, 80);
    p_Text(x, y, String("Leave the party?"));
    p_Text(x, y + 20, String("Again : ") + PartyGlyph('Q'));
  } else {
    p_SetCol(220, 220, 255, 0.8f);
    p_Text(x, y, String("Leave party : ") + PartyGlyph('Q'));
  }
  p_ResetDraw();
  m_glyphSet = glyphSet;
}
