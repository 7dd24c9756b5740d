// The program's start-up: the toolkit start (zr_std_main) that sets up signals, locale
// and the collector and then runs the game's two entry functions, which the game (or a
// test program) defines: zrInit fills the module globals, zrMain creates the application
// object. The command line is kept in argc and argv and otherwise ignored.
#pragma once

extern int argc;
extern char** argv;

int zrInit();
int zrMain();

int zr_std_main(int argumentCount, char** arguments);
[[noreturn]] void sighandler(int signalNumber);
