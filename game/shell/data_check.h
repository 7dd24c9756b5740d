// The check that the game has its data before anything is shown: without the images a
// run would open a blank window, so it stops at once and says where it looked.
#pragma once

// On a host that reads a data folder: when the folder is missing or holds no images,
// one line on the standard error names it and how to make it, and the program ends
// with status 1. Hosts without a data folder (the headless ones) pass.
void zr_TinselJumble_CheckData();
