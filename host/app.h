// The app layer: the one application object (a subclass of c_App), the globals that tie
// it to the host and the devices, and the zr_app_ functions through which the game asks
// the host for its clock, date, window size, display modes, state file and its end.
// Registering the application object (c_App::m_new) is what makes the host run.
#pragma once

#include "host/zr_game.h"
#include "runtime/array.h"
#include "runtime/display_mode.h"
#include "runtime/gc.h"
#include "runtime/string.h"

class c_GameDelegate;

class c_App : public Object {
 public:
  // Registers this object as the one application and hands the host its delegate.
  c_App* m_new();

  virtual void p_OnCreate() {}
  virtual void p_OnSuspend() {}
  virtual void p_OnResume() {}
  virtual void p_OnUpdate() {}
  virtual void p_OnRender() {}

  void p_OnLoading() {}
  void p_OnResize() {}
  // The close box and the back key end the program by default.
  void p_OnClose();
  void p_OnBack();
};

extern c_App* zr_app__app;
extern c_GameDelegate* zr_app__delegate;
extern ZrGame* zr_app__game;
extern int zr_app__devWidth;
extern int zr_app__devHeight;
extern int zr_app__updateRate;
extern Array<c_DisplayMode*> zr_app__displayModes;
extern c_DisplayMode* zr_app__desktopMode;

int zr_app_DeviceWidth();
int zr_app_DeviceHeight();
// Takes the host's window size; tells the app (p_OnResize) only when asked to.
void zr_app_ValidateDeviceWindow(bool notifyApp);
void zr_app_SetUpdateRate(int hertz);
int zr_app_Millisecs();
void zr_app_GetDate(Array<int> date);
Array<int> zr_app_GetDate2();
int zr_app_SaveState(String state);
String zr_app_LoadState();
// Fills zr_app__displayModes (distinct sizes, first occurrence order) and the desktop mode.
void zr_app_EnumDisplayModes();
[[noreturn]] void zr_app_EndApp();
