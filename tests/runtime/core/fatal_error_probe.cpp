// A tiny program for the fatal-error tests: `fatal_error_probe MESSAGE` calls zrError
// with MESSAGE (empty quits quietly), `fatal_error_probe --print TEXT` prints TEXT with
// an e-acute appended, `fatal_error_probe --stop` enters the prompt and then says "back".
#include <cstring>

#include "runtime/diagnostics.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--print") == 0) {
    zrPrint(String(argv[2]) + String::FromChar(0xe9));
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--stop") == 0) {
    zrDebugStop();
    zrPrint(String("back"));
    return 0;
  }
  zrError(String(argc > 1 ? argv[1] : ""));
}
