// Fuzz entry for images, loaded as the game loads its sheets (on the null GL seam). The
// sanitizers check that a surface holds all its pixels by touching its last byte.
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/glfw_game.h"
#include "runtime/graphics/gl_seam.h"
#include "runtime/graphics/render_device.h"
#include "runtime/graphics/surface.h"

namespace {

gxtkGraphics* g_device = nullptr;
gc_root fuzzRoots([] { gc_mark_q(g_device); });

// The desktop host and a render device on the null seam, made once; each input lives in
// one memory file that the host opens by its /proc path like any other file.
struct Rig {
  ZrGlfwGame* host;
  int file;
  String path;

  Rig() {
    gl_seam_use(gl_seam_null());
    glfwGraphicsSeq = 0;
    host = new ZrGlfwGame;
    gc_assign(g_device, (new gxtkGraphics)->m_new());
    file = memfd_create("tj-image-fuzz", MFD_CLOEXEC);
    if (file < 0) std::abort();
    path = String(("/proc/self/fd/" + std::to_string(file)).c_str());
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Rig rig;
  if (ftruncate(rig.file, 0) != 0 || pwrite(rig.file, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
  if (gxtkSurface* surface = g_device->LoadSurface(rig.path)) {
    if (surface->width <= 0 || surface->height <= 0 || surface->bytesPerPixel < 1 || surface->bytesPerPixel > 4 ||
        !surface->pixels)
      std::abort();
    size_t bytes = static_cast<size_t>(surface->width) * surface->height * surface->bytesPerPixel;
    volatile unsigned char last = surface->pixels[bytes - 1];
    (void)last;
    surface->Discard();
  }
  // This input's garbage is freed now, so that memory it still holds afterwards shows
  // as a leak, and the fuzzer's leak check is not set off by collection running late.
  gc_collect_all();
  gc_flush_free(INT_MAX);
  return 0;
}
