// What the party's screens share: their screen modes beside the shell's own (the lobby
// where the target is chosen, the standings between rounds, the podium), the settings
// slot that remembers the target, and how each seat's player is named and coloured
// (the colours of the players' tokens, so a bar reads as the token beside it).
#pragma once

#include "game/toolkit/glyphs.h"
#include "host/app.h"
#include "runtime/string.h"

enum PartyMode : int { kPartyLobbyMode = 6, kPartyTallyMode = 7, kPodiumMode = 8 };

constexpr int kPartyTargetSetting = 22;
constexpr int kPartyTargets[] = {5, 10, 15};
constexpr int kDefaultPartyTarget = 10;

constexpr int kPartySeats = 4;
const char* const kPartySeatNames[kPartySeats] = {"Red", "Blue", "Yellow", "Green"};
constexpr float kPartySeatColours[kPartySeats][3] = {
    {255, 40, 40}, {40, 120, 255}, {255, 220, 30}, {40, 200, 60}};

// "¬" and a letter: a button glyph, built from its code since a narrow literal would
// widen the character's UTF-8 bytes into two wrong units.
inline String PartyGlyph(char letter) { return String::FromChar(kGlyphEscape) + String::FromChar(letter); }

// Hints show the pad's buttons and the keyboard's keys in turn, as the menu's do.
inline int PartyHintGlyphSet() { return zr_app_Millisecs() % 2400 < 1200 ? 1 : 0; }
