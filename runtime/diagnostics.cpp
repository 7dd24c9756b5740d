// The print, fatal-error and debugger-prompt paths. The prompt speaks a line protocol to
// an attached IDE: it announces itself on standard error and reads one-letter commands
// from standard input.
#include "runtime/diagnostics.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/gc.h"

namespace {

// The stepping mode the last prompt command selected ('r' clears it).
char g_stepMode;
String g_exstack;

void writeLine(const std::string& bytes, FILE* stream = stdout) {
  std::string line = bytes + "\n";
  std::fputs(line.c_str(), stream);
  std::fflush(stream);
}

}  // namespace

void zrPrint(const String& text) { writeLine(text.ToUtf8()); }

void zrWarn(const String& text) { writeLine(text.ToUtf8(), stderr); }

void zrDebugLog(const String& text) { zrPrint(text); }

// The runtime keeps no debug-info chain, so there are no frames to list.
String dbg_stacktrace() { return String(); }

void dbg_stop() {
  std::fputs("{{~~~~}}\n\n", stderr);
  std::fflush(stderr);
  for (;;) {
    char line[256];
    if (!std::fgets(line, sizeof line, stdin) || !std::strchr(line, '\n')) std::exit(-1);
    switch (line[0]) {
      case 'r':
        g_stepMode = 0;
        return;
      case 's':
      case 'e':
      case 'l':
        g_stepMode = line[0];
        return;
      case 'q':
        std::exit(0);
      case '@': {
        // The address comes from outside: only objects the collector knows are asked to
        // describe themselves, anything else answers like a null address.
        unsigned long long address = std::strtoull(line + 1, nullptr, 16);
        gc_object* candidate = reinterpret_cast<gc_object*>(static_cast<uintptr_t>(address));
        Object* object = gc_is_known_object(candidate) ? dynamic_cast<Object*>(candidate) : nullptr;
        std::fputs(object ? object->debug() : "\n", stderr);
        std::fflush(stderr);
        continue;
      }
      case '?':
        continue;
      default: {
        std::string text(line, std::strcspn(line, "\r\n"));
        writeLine("????? " + text + " ?????");
        std::exit(-1);
      }
    }
  }
}

int zrDebugStop() {
  dbg_stop();
  return 0;
}

void dbg_error(const char* message) {
  for (;;) {
    zrPrint(String("Quillo Runtime Error : ") + String(message));
    String trace = dbg_stacktrace();
    if (!trace.IsEmpty()) zrPrint(trace);
    dbg_stop();
  }
}

void zrError(const String& text) {
  if (text.IsEmpty()) std::exit(0);
  dbg_error(text.ToNarrow().c_str());
}

namespace {
// A runtime error thrown as a collected object, so the host's handlers catch it like any
// other runtime exception.
class ThrownMessage : public ThrowableObject {
 public:
  explicit ThrownMessage(const char* message) : m_text(std::string(message) + "\n") {}
  const char* debug() override { return m_text.c_str(); }

 private:
  std::string m_text;
};
}  // namespace

void dbg_throw(const char* message) {
  g_exstack = dbg_stacktrace();
  throw static_cast<ThrowableObject*>(new ThrownMessage(message));
}
