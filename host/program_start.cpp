// ZrQuilloGame::Main, the whole program: start GLFW, create the host, run the game's
// start-up under a handler for runtime throwables, then the loop while an application is
// registered. Fatal signals become runtime errors with a readable message. A window that
// cannot be opened is reported and ends the program with a failure status. The program's
// entry may ask for frame statistics, which go to standard error.
#include <GLFW/glfw3.h>
#include <malloc.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "host/glfw_game.h"
#include "host/program_start.h"
#include "runtime/diagnostics.h"

int argc = 0;
char** argv = nullptr;

void sighandler(int signalNumber) {
  switch (signalNumber) {
    case SIGFPE:
      dbg_error("Floating point exception");
    case SIGSEGV:
      dbg_error("Memory access violation");
    case SIGILL:
      dbg_error("Illegal instruction");
    default:
      dbg_error("Unknown signal");
  }
}

int zr_std_main(int argumentCount, char** arguments) {
  argc = argumentCount;
  argv = arguments;
  std::signal(SIGSEGV, sighandler);
  std::signal(SIGILL, sighandler);
  std::signal(SIGFPE, sighandler);
  if (!std::setlocale(LC_CTYPE, "en_US.UTF-8")) std::setlocale(LC_CTYPE, "");
  gc_init1();
  zrInit();
  gc_init2();
  zrMain();
  return 0;
}

// Decoded pictures and their textures are big and come and go with the art level. Served
// straight from the system rather than from the heap, their memory goes back the moment
// they are freed; otherwise the heap would keep the largest level's worth after a
// switch back to the small window. Up to 4 MB of free heap top is kept, so that the
// renderer's per-frame allocations do not grow and shrink the heap every frame.
static void ReturnFreedPicturesToTheSystem() {
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  mallopt(M_TRIM_THRESHOLD, 4 * 1024 * 1024);
}

int ZrQuilloGame::Main(int argumentCount, char** arguments, const ZrHostOptions& options) {
  ReturnFreedPicturesToTheSystem();
  if (!glfwInit()) {
    zrPrint("glfwInit failed");
    std::exit(-1);
  }
  ZrQuilloGame* game = new ZrQuilloGame;
  if (options.frameStats) game->EnableFrameStats([](const std::string& line) { std::fputs(line.c_str(), stderr); });
  try {
    zr_std_main(argumentCount, arguments);
  } catch (ThrowableObject* thrown) {
    glfwTerminate();
    game->Die(thrown);
  }
  int status = 0;
  if (game->Delegate()) {
    game->Run();
    if (!game->Window()) status = -1;
  }
  glfwTerminate();
  return status;
}
