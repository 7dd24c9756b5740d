// A small program on the real host for the window tests: it reports what its application
// sees, and with "--flip" goes fullscreen and back once the A key is held.
#include <cstdio>
#include <cstring>

#include "host/app.h"
#include "host/program_start.h"
#include "runtime/diagnostics.h"
#include "runtime/graphics/graphics.h"
#include "runtime/graphics/surface.h"
#include "runtime/input/input.h"

namespace {

bool g_flip = false;

class ProbeApp : public c_App {
 public:
  int updates = 0;
  int flipAt = 0;

  void p_OnCreate() override { zr_app_SetUpdateRate(60); }
  void p_OnUpdate() override {
    ++updates;
    if (updates == 1) {
      report("window");
      std::printf("desktop %dx%d modes %d\n", zr_app__desktopMode->p_Width(), zr_app__desktopMode->p_Height(),
                  zr_app__displayModes.Length());
    }
    if (!g_flip) return;
    // The switch waits until the test holds the A key down, which it must release.
    if (flipAt == 0 && zr_input_KeyDown(65)) {
      flipAt = updates;
      std::printf("A held\n");
      zr_app__game->SetDeviceWindow(zr_app__desktopMode->p_Width(), zr_app__desktopMode->p_Height(), 1);
      std::printf("A after switch %s\n", zr_input_KeyDown(65) ? "held" : "released");
    }
    if (flipAt == 0) return;
    if (updates == flipAt + 10) report("fullscreen");
    if (updates == flipAt + 11) zr_app__game->SetDeviceWindow(640, 480, 0);
    if (updates == flipAt + 21) report("windowed");
  }
  void p_OnRender() override {
    zr_graphics_SetColor(40, 80, 120);
    zr_graphics_DrawRect(0, 0, zr_app_DeviceWidth(), zr_app_DeviceHeight());
    zr_graphics_SetColor(250, 200, 0);
    zr_graphics_DrawRect(10, 10, 100, 50);
  }

 private:
  void report(const char* label) {
    std::printf("%s %dx%d openings %d\n", label, zr_app_DeviceWidth(), zr_app_DeviceHeight(), glfwGraphicsSeq);
    std::fflush(stdout);
  }
};

}  // namespace

int zrInit() {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--flip") == 0) g_flip = true;
  return 0;
}

int zrMain() {
  (new ProbeApp)->m_new();
  return 0;
}
