// The app-level globals and functions, and c_App's registration. The globals holding
// objects are collector roots: the application, the delegate and the display modes live
// for the whole run. The host pointer is taken when the application registers, which is
// the moment the app layer and the host meet.
#include "host/app.h"

#include "host/game_delegate.h"
#include "runtime/containers.h"
#include "runtime/diagnostics.h"

c_App* zr_app__app = nullptr;
c_GameDelegate* zr_app__delegate = nullptr;
ZrGame* zr_app__game = nullptr;
int zr_app__devWidth = 0;
int zr_app__devHeight = 0;
int zr_app__updateRate = 0;
Array<c_DisplayMode*> zr_app__displayModes;
c_DisplayMode* zr_app__desktopMode = nullptr;

namespace {
gc_root appRoots([] {
  gc_mark_q(zr_app__app);
  gc_mark_q(zr_app__delegate);
  gc_mark_q(zr_app__displayModes);
  gc_mark_q(zr_app__desktopMode);
});
}  // namespace

c_App* c_App::m_new() {
  if (zr_app__app) zrError("App has already been created");
  gc_assign(zr_app__app, this);
  gc_assign(zr_app__delegate, (new c_GameDelegate)->m_new());
  zr_app__game = ZrGame::_game;
  zr_app__game->SetDelegate(zr_app__delegate);
  return this;
}

void c_App::p_OnClose() { zr_app_EndApp(); }
void c_App::p_OnBack() { zr_app_EndApp(); }

int zr_app_DeviceWidth() { return zr_app__devWidth; }
int zr_app_DeviceHeight() { return zr_app__devHeight; }

void zr_app_ValidateDeviceWindow(bool notifyApp) {
  int width = zr_app__game->GetDeviceWidth();
  int height = zr_app__game->GetDeviceHeight();
  if (width == zr_app__devWidth && height == zr_app__devHeight) return;
  zr_app__devWidth = width;
  zr_app__devHeight = height;
  if (notifyApp) zr_app__app->p_OnResize();
}

void zr_app_SetUpdateRate(int hertz) {
  zr_app__updateRate = hertz;
  zr_app__game->SetUpdateRate(hertz);
}

int zr_app_Millisecs() { return zr_app__game->Millisecs(); }

void zr_app_GetDate(Array<int> date) { zr_app__game->GetDate(date); }

Array<int> zr_app_GetDate2() {
  Array<int> date(7);
  zr_app__game->GetDate(date);
  return date;
}

int zr_app_SaveState(String state) { return zr_app__game->SaveState(state); }
String zr_app_LoadState() { return zr_app__game->LoadState(); }

void zr_app_EnumDisplayModes() {
  Array<ZrDisplayMode*> modes = zr_app__game->GetDisplayModes();
  c_IntMap* seen = (new c_IntMap)->m_new();
  c_Stack* distinct = (new c_Stack)->m_new();
  for (int i = 0; i < modes.Length(); ++i) {
    ZrDisplayMode* mode = modes[i];
    int key = (mode->width << 16) | mode->height;
    if (seen->p_Contains(key)) continue;
    c_DisplayMode* record = (new c_DisplayMode)->m_new(mode->width, mode->height);
    seen->p_Insert(key, record);
    distinct->p_Push(record);
  }
  gc_assign(zr_app__displayModes, distinct->p_ToArray());

  ZrDisplayMode* desktop = zr_app__game->GetDesktopMode();
  if (desktop)
    gc_assign(zr_app__desktopMode, (new c_DisplayMode)->m_new(desktop->width, desktop->height));
  else
    gc_assign(zr_app__desktopMode, (new c_DisplayMode)->m_new(zr_app__devWidth, zr_app__devHeight));
}

void zr_app_EndApp() { zrError(""); }
