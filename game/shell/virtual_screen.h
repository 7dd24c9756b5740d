// The virtual screen the game draws on: a 640 x 480 design that the render step fits to
// the window, keeping the design size on one axis and shortening the other, so that
// jscrw x jscrh always has the window's shape. Overscan is a margin in device pixels
// kept free for televisions that crop the picture.
#pragma once

extern float zr_TinselJumble_rawscrw;
extern float zr_TinselJumble_rawscrh;
extern float zr_TinselJumble_jscrw;
extern float zr_TinselJumble_jscrh;
extern float zr_TinselJumble_overscan;
