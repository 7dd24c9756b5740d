// The actions screens and games ask of an input source through p_PlayKey: four
// directions, six fire buttons, a pad's menu button and back. The numbers are fixed (the
// virtual buttons and the key tables use the same ones), so every file names them here.
#pragma once

enum Action : int {
  kUp = 0,
  kLeft = 3,
  kRight = 5,
  kDown = 8,
  kFireA = 10,
  kFireB = 11,
  kFireC = 12,
  kFireD = 13,
  kFireE = 14,
  kFireF = 15,
  kMenu = 98,
  kBack = 99,
};
