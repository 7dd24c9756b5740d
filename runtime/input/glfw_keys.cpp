// The GLFW 3 key table. Printable keys keep their ASCII code where the toolkit does
// (digits, letters, space) and take the toolkit's punctuation codes otherwise; the
// named keys take the codes the game has always used. Keys the game never reads
// (Alt, Super, Menu, lock keys, F13 and above, keypad Enter and Equal) translate to 0.
#include "runtime/input/glfw_keys.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

static_assert(GLFW_KEY_SPACE == kGlfwFirstKey && GLFW_KEY_LAST == kGlfwLastKey, "GLFW key range changed");

int TransKey(int glfwKey) {
  if (glfwKey >= GLFW_KEY_0 && glfwKey <= GLFW_KEY_9) return glfwKey;
  if (glfwKey >= GLFW_KEY_A && glfwKey <= GLFW_KEY_Z) return glfwKey;
  if (glfwKey >= GLFW_KEY_F1 && glfwKey <= GLFW_KEY_F12) return 112 + (glfwKey - GLFW_KEY_F1);
  if (glfwKey >= GLFW_KEY_KP_0 && glfwKey <= GLFW_KEY_KP_9) return 96 + (glfwKey - GLFW_KEY_KP_0);
  switch (glfwKey) {
    case GLFW_KEY_SPACE: return 32;
    case GLFW_KEY_APOSTROPHE: return 222;
    case GLFW_KEY_COMMA: return 188;
    case GLFW_KEY_MINUS: return 189;
    case GLFW_KEY_PERIOD: return 190;
    case GLFW_KEY_SLASH: return 191;
    case GLFW_KEY_SEMICOLON: return 186;
    case GLFW_KEY_EQUAL: return 187;
    case GLFW_KEY_LEFT_BRACKET: return 219;
    case GLFW_KEY_BACKSLASH: return 220;
    case GLFW_KEY_RIGHT_BRACKET: return 221;
    case GLFW_KEY_GRAVE_ACCENT: return 192;
    case GLFW_KEY_ESCAPE: return 27;
    case GLFW_KEY_UP: return 38;
    case GLFW_KEY_DOWN: return 40;
    case GLFW_KEY_LEFT: return 37;
    case GLFW_KEY_RIGHT: return 39;
    case GLFW_KEY_LEFT_SHIFT:
    case GLFW_KEY_RIGHT_SHIFT: return 16;
    case GLFW_KEY_LEFT_CONTROL:
    case GLFW_KEY_RIGHT_CONTROL: return 17;
    case GLFW_KEY_TAB: return 9;
    case GLFW_KEY_ENTER: return 13;
    case GLFW_KEY_BACKSPACE: return 8;
    case GLFW_KEY_INSERT: return 45;
    case GLFW_KEY_DELETE: return 46;
    case GLFW_KEY_PAGE_UP: return 33;
    case GLFW_KEY_PAGE_DOWN: return 34;
    case GLFW_KEY_HOME: return 36;
    case GLFW_KEY_END: return 35;
    case GLFW_KEY_KP_DIVIDE: return 111;
    case GLFW_KEY_KP_MULTIPLY: return 106;
    case GLFW_KEY_KP_SUBTRACT: return 109;
    case GLFW_KEY_KP_ADD: return 107;
    case GLFW_KEY_KP_DECIMAL: return 110;
    default: return 0;
  }
}

// Editing and navigation keys repeat as characters so that text entry can act on them;
// the navigation keys sit above the Unicode basic plane (0x10000 | key) so they never
// look like a typed letter.
int KeyToChar(int key) {
  switch (key) {
    case 8:
    case 9:
    case 13:
    case 27: return key;
    case 33:  // Page Up
    case 34:  // Page Down
    case 35:  // End
    case 36:  // Home
    case 37:  // Left
    case 38:  // Up
    case 39:  // Right
    case 40:  // Down
    case 45:  // Insert
      return key | 0x10000;
    case 46:  // Delete
      return 127;
    default: return 0;
  }
}

int CodepointToCharUnits(unsigned int codepoint, int units[2]) {
  if (codepoint == 0 || (codepoint >= 0xD800 && codepoint <= 0xDFFF)) return 0;
  if (codepoint < 0x10000) {
    units[0] = static_cast<int>(codepoint);
    return 1;
  }
  if (codepoint > 0x10FFFF) return 0;
  unsigned int offset = codepoint - 0x10000;
  units[0] = static_cast<int>(0xD800 + (offset >> 10));
  units[1] = static_cast<int>(0xDC00 + (offset & 0x3FF));
  return 2;
}
