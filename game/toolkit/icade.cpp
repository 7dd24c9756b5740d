// The iCade protocol: an arcade cabinet that types one letter when a control goes down
// and another when it comes up. While the protocol is on, the typed letters of each
// update hold and release the virtual buttons the actions read; presses made for one
// frame only (by on-screen controls) are released here too, at the end of every update.
#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "runtime/input/input.h"


namespace {

struct ICadeLetters {
  char press;
  char release;
  int vbutton;
};

constexpr ICadeLetters kLetters[] = {
    {'W', 'E', 0},  {'X', 'Z', 8},  {'A', 'Q', 3},  {'D', 'C', 5},  {'Y', 'T', 13}, {'U', 'F', 14},
    {'O', 'G', 16}, {'H', 'R', 10}, {'J', 'N', 11}, {'K', 'P', 12}, {'I', 'M', 15}, {'L', 'V', 17},
};

// The buttons 0..18 belong to the iCade and the screen; 19 mirrors the back key.
constexpr int kOwnedButtons = 19;

enum ButtonState { kUp = 0, kPressedThisFrame = 1, kHeldByLetter = 2 };

int UpperCase(int character) { return character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character; }

}  // namespace

void c_MyApp::p_iCade(int on) {
  if (on == 1) {
    zr_input_EnableKeyboard();
    zr_TinselJumble_iCadeControls = 1;
    // Letters typed before the switch are not cabinet presses.
    do {
      m_iCadeChar = zr_input_GetChar();
    } while (m_iCadeChar != 0);
    return;
  }
  zr_input_DisableKeyboard();
  zr_TinselJumble_iCadeControls = 0;
  for (int button = 0; button < kOwnedButtons; ++button) m_vbutton[button] = kUp;
}

void c_MyApp::p_DoVirtualInput() {
  if (zr_TinselJumble_iCadeControls == 1) {
    while ((m_iCadeChar = zr_input_GetChar()) != 0) {
      int letter = UpperCase(m_iCadeChar);
      for (const ICadeLetters& pair : kLetters) {
        if (letter == pair.press) m_vbutton[pair.vbutton] = kHeldByLetter;
        if (letter == pair.release) m_vbutton[pair.vbutton] = kUp;
      }
    }
  }
  for (int button = 0; button < kOwnedButtons; ++button) {
    if (m_vbutton[button] == kPressedThisFrame) m_vbutton[button] = kUp;
  }
}
