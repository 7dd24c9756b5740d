// A pad that goes away in the middle of a round: its player would go on losing without a
// chance to plug it back in, so the round pauses and the pause menu names the pad. Pads
// nobody plays with come and go unnoticed; the game itself goes on as soon as the
// players resume, with or without the pad.
#include "game/shell/my_app.h"
#include "runtime/input/input.h"

namespace {

constexpr int kPlayMode = 10;
constexpr int kFirstPad = 1;
constexpr int kLastPad = 4;

}  // namespace

void c_MyApp::p_WatchPads() {
  int present = 0;
  for (int pad = kFirstPad; pad <= kLastPad; ++pad)
    if (zr_input_JoyPresent(pad - kFirstPad)) present |= 1 << (pad - kFirstPad);
  int gone = m_padsPresent & ~present;
  m_padsPresent = present;
  if (gone == 0 || m_mode != kPlayMode || m_roundOver != 0 || m_paused != 0) return;
  for (int seat = 0; seat < m_pad.Length(); ++seat) {
    int pad = m_pad[seat];
    if (pad < kFirstPad || pad > kLastPad || (gone & (1 << (pad - kFirstPad))) == 0) continue;
    p_EnterPause();
    m_padLost = pad;
    return;
  }
}
