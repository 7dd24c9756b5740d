// Console output, the fatal-error path and the debugger line protocol.
//
// zrPrint writes a text line as UTF-8 to standard output; zrWarn writes one to standard
// error, for a fault the player should hear of while the program goes on. zrError with an empty text is
// the normal way to quit (status 0); any other text is a fatal runtime error that prints
// "Quillo Runtime Error : " and the text, then hands control to an attached debugger over
// standard input and error. The fatal path never returns.
#pragma once

#include "runtime/string.h"

void zrPrint(const String& text);
void zrWarn(const String& text);
void zrDebugLog(const String& text);
[[noreturn]] void zrError(const String& text);
int zrDebugStop();

[[noreturn]] void dbg_error(const char* message);
void dbg_stop();
[[noreturn]] void dbg_throw(const char* message);
String dbg_stacktrace();
