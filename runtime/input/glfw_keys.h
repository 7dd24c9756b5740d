// Translation of the desktop window's keyboard into toolkit key codes and characters.
//
// The game knows keys by the toolkit's virtual codes (27 Escape, 37..40 arrows, 112..123
// F1..F12, ...). The window library reports its own key numbers; TransKey maps them,
// KeyToChar gives the control characters that editing keys also type, and
// CodepointToCharUnits turns a typed character into the UTF-16 units the game's text uses.
#pragma once

// The toolkit key code of a GLFW 3 key, or 0 for keys the game does not know.
int TransKey(int glfwKey);

// The character a toolkit key types by itself (Backspace, Enter, the navigation keys, ...),
// or 0 when the key types nothing on its own.
int KeyToChar(int key);

// Splits a typed Unicode code point into UTF-16 units; returns how many (0 for values
// that are not characters: 0, surrogate halves and anything above U+10FFFF).
int CodepointToCharUnits(unsigned int codepoint, int units[2]);

// The range of GLFW 3 key numbers, for walking every key (releasing held keys).
constexpr int kGlfwFirstKey = 32;
constexpr int kGlfwLastKey = 348;
