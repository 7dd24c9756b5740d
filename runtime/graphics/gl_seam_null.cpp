// The shared do-nothing seam that windowless runs use.
#include "runtime/graphics/gl_seam_null.h"

GlSeam* gl_seam_null() {
  static NullGlSeam seam;
  return &seam;
}
