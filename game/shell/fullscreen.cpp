// Switching between fullscreen at the desktop's own size and the 640 x 480 window. The
// host moves its one window onto or off the monitor, keeping the GL context, and the
// render step notices the new size and has the art reloaded to suit it. Without a
// desktop mode (no monitor, or a host without a window) there is nothing to fill, and
// the game stays windowed.
#include "game/shell/my_app.h"
#include "host/zr_game.h"

namespace {
constexpr int kWindowW = 640;
constexpr int kWindowH = 480;
constexpr int kFullscreenFlag = 1;
}  // namespace

void c_MyApp::p_FullscreenFlip() {
  ZrGame* host = ZrGame::_game;
  if (!host) return;
  if (m_fullscreen == 1) {
    m_fullscreen = 0;
    host->SetDeviceWindow(kWindowW, kWindowH, 0);
    return;
  }
  ZrDisplayMode* desktop = host->GetDesktopMode();
  if (!desktop) return;
  m_fullscreen = 1;
  host->SetDeviceWindow(desktop->width, desktop->height, kFullscreenFlag);
}
