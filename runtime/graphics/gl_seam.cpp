// Which GL seam is in force. The real one is the default, because the windowed game never
// chooses; a windowless run or a test chooses another before it creates the device.
// The device and its surfaces ask for the seam on every call, so a change takes effect at once.
#include "runtime/graphics/gl_seam.h"

namespace {

GlSeam* g_seamInForce;

}  // namespace

void gl_seam_use(GlSeam* seam) { g_seamInForce = seam; }

GlSeam* gl_seam() {
  if (!g_seamInForce) g_seamInForce = gl_seam_real();
  return g_seamInForce;
}
