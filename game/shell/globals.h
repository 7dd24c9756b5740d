// The game module's switches and the credit text, set by zrInit before the application
// object exists; the virtual screen's globals come with them. Most switches
// belong to platforms this program does not target (a TV console, touch screens, tilt)
// and stay 0; they are kept so the controls read one set of conditions everywhere.
#pragma once

#include "game/shell/virtual_screen.h"
#include "runtime/array.h"
#include "runtime/string.h"

extern int zr_TinselJumble_DebugMode;
extern int zr_TinselJumble_OnScreenControls;
extern int zr_TinselJumble_AccelerometerControls;
extern int zr_TinselJumble_iCadeControls;
extern int zr_TinselJumble_isOuya;
extern int zr_TinselJumble_HasMusicStream;
// 1 when the command line asked to start in fullscreen. The program's entry sets it
// before the module initialiser runs, which leaves it alone.
extern int zr_TinselJumble_StartFullscreen;
// The 57 lines of the credits box, in display order; the last ("End") is never shown.
extern Array<String> zr_TinselJumble_CreditText;

// A fresh array of the credit lines (credits_text.cpp).
Array<String> zr_TinselJumble_CreditLines();
