// Starting values of the virtual screen: the design size, until the first render fits
// it to the window.
#include "game/shell/virtual_screen.h"

float zr_TinselJumble_rawscrw = 640;
float zr_TinselJumble_rawscrh = 480;
float zr_TinselJumble_jscrw = 640;
float zr_TinselJumble_jscrh = 480;
float zr_TinselJumble_overscan = 0;
