// The process entry of every program on the desktop host. Everything the program does
// happens inside ZrQuilloGame::Main; the game (or a test program) supplies zrInit and
// zrMain, which Main runs before it opens the window.
#include "host/glfw_game.h"

int main(int argc, char** argv) { return ZrQuilloGame::Main(argc, argv); }
