/* The system's stb_vorbis compiled into the fuzzer itself, so that the sanitizers and
   the fuzzer's coverage reach inside the Vorbis decoder (the shared libstb is not
   instrumented). Only the fuzz build uses this file. */
#include <stb/stb_vorbis.h>
