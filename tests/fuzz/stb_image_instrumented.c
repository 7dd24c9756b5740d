/* The system's stb_image compiled into the image fuzzer itself, so that the sanitizers
   and the fuzzer's coverage reach inside the decoders (the shared libstb is not
   instrumented). Only the fuzz build uses this file. */
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
