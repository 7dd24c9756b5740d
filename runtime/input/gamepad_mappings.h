// Extra pads for the gamepad database, from "gamepad_mappings.txt" files in the
// database's own text format: one pad a line, its 32-digit hexadecimal device id, its
// name, then where its buttons and axes are. Blank lines and lines starting with # are
// skipped. A player whose pad the database does not know adds a line for it and the pad
// plays with the standard layout.
#pragma once

#include "runtime/input/joystick_devices.h"
#include "runtime/string.h"

class ZrGame;

// Adds the mapping lines of one file's text and says in one line how many were read
// and how many were skipped, either not shaped as a mapping or refused by the database
// (nothing when the text holds neither).
void AddGamepadMappings(JoystickDevices& devices, const String& text, const String& fileName);

// Reads the mappings file in the data folder, then the one in the folder the game runs
// in (beside the save), whose lines win for the same pad. Missing files are skipped.
void ReadGamepadMappingFiles(ZrGame* host, JoystickDevices& devices);
