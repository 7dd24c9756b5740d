// The one desktop window: opening it (and switching it between windowed and fullscreen),
// its size, the cursor, swap interval, display modes and the close box. The first call
// creates the window and its GL context; later calls move the same window onto or off
// the monitor, so the context and every texture in it survive a mode switch, and
// glfwGraphicsSeq rises only when a context is really new.
#include <GLFW/glfw3.h>

#include "host/glfw_game.h"
#include "runtime/diagnostics.h"
#include "runtime/graphics/surface.h"
#include "runtime/input/glfw_keys.h"

namespace {

const char kWindowTitle[] = "Tinsel Jumble";
const char kWindowClass[] = "tinsel-jumble";
const int kMaxVideoModes = 1024;
const int kKeyDown = 1;
const int kKeyUp = 2;
const int kCloseKey = 432;

}  // namespace

// A key held while the window changes would never see its release; send it now.
void ZrGlfwGame::ReleaseHeldKeys() {
  if (!_window) return;
  for (int key = GLFW_KEY_SPACE; key <= GLFW_KEY_LAST; ++key) {
    int code = TransKey(key);
    if (code != 0 && glfwGetKey(_window, key) == GLFW_PRESS) KeyEvent(kKeyUp, code);
  }
}

void ZrGlfwGame::SetGlfwWindow(int width, int height, int red, int green, int blue, int alpha, int depth,
                               int stencil, bool fullscreen) {
  ReleaseHeldKeys();
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  const GLFWvidmode* desktop = monitor ? glfwGetVideoMode(monitor) : nullptr;
  if (!monitor) fullscreen = false;
  int x = desktop ? (desktop->width - width) / 2 : 0;
  int y = desktop ? (desktop->height - height) / 2 : 0;

  if (_window) {
    if (fullscreen)
      glfwSetWindowMonitor(_window, monitor, 0, 0, width, height, 60);
    else
      glfwSetWindowMonitor(_window, nullptr, x, y, width, height, GLFW_DONT_CARE);
  } else {
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_REFRESH_RATE, 60);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    glfwWindowHint(GLFW_RED_BITS, red);
    glfwWindowHint(GLFW_GREEN_BITS, green);
    glfwWindowHint(GLFW_BLUE_BITS, blue);
    glfwWindowHint(GLFW_ALPHA_BITS, alpha);
    glfwWindowHint(GLFW_DEPTH_BITS, depth);
    glfwWindowHint(GLFW_STENCIL_BITS, stencil);
    // The window's class names the program, so a desktop can match it to its launcher
    // and its icon (the launcher's StartupWMClass), whatever the title says.
    glfwWindowHintString(GLFW_X11_CLASS_NAME, kWindowClass);
    glfwWindowHintString(GLFW_X11_INSTANCE_NAME, kWindowClass);
    // Shown only once it stands in the middle of the desktop, so it never jumps.
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    _window = glfwCreateWindow(width, height, kWindowTitle, fullscreen ? monitor : nullptr, nullptr);
    if (!_window) {
      const char* reason = nullptr;
      glfwGetError(&reason);
      zrPrint(String("Cannot open the window: ") + String(reason ? reason : "no reason given"));
      return;
    }
    glfwMakeContextCurrent(_window);
    ++glfwGraphicsSeq;
    if (!fullscreen) glfwSetWindowPos(_window, x, y);
    glfwShowWindow(_window);

    glfwSetKeyCallback(_window, OnKey);
    glfwSetCharCallback(_window, OnChar);
    glfwSetMouseButtonCallback(_window, OnMouseButton);
    glfwSetCursorPosCallback(_window, OnMousePos);
    glfwSetWindowCloseCallback(_window, OnWindowClose);
  }
  if (!fullscreen) glfwSetWindowTitle(_window, kWindowTitle);
  if (_swapInterval >= 0) glfwSwapInterval(_swapInterval);
}

// The close box is a key like any other; closing is the application's decision.
void ZrGlfwGame::OnWindowClose(GLFWwindow* window) {
  glfwSetWindowShouldClose(window, GLFW_FALSE);
  ZrGame::_game->KeyEvent(kKeyDown, kCloseKey);
  ZrGame::_game->KeyEvent(kKeyUp, kCloseKey);
}

void ZrGlfwGame::SetMouseVisible(bool visible) {
  if (_window) glfwSetInputMode(_window, GLFW_CURSOR, visible ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
}

int ZrGlfwGame::GetDeviceWidth() {
  int width = 0;
  if (_window) glfwGetWindowSize(_window, &width, nullptr);
  return width;
}

int ZrGlfwGame::GetDeviceHeight() {
  int height = 0;
  if (_window) glfwGetWindowSize(_window, nullptr, &height);
  return height;
}

void ZrGlfwGame::SetDeviceWindow(int width, int height, int flags) {
  SetGlfwWindow(width, height, 8, 8, 8, 0, 0, 0, (flags & 1) != 0);
}

void ZrGlfwGame::SetSwapInterval(int interval) {
  _swapInterval = interval;
  if (interval >= 0 && _window) glfwSwapInterval(interval);
}

ZrGlfwVideoMode* ZrGlfwGame::GetGlfwDesktopMode() {
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
  if (!mode) return nullptr;
  ZrGlfwVideoMode* record = new ZrGlfwVideoMode;
  record->width = mode->width;
  record->height = mode->height;
  record->redBits = mode->redBits;
  record->greenBits = mode->greenBits;
  record->blueBits = mode->blueBits;
  return record;
}

Array<ZrGlfwVideoMode*> ZrGlfwGame::GetGlfwVideoModes() {
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  int count = 0;
  const GLFWvidmode* modes = monitor ? glfwGetVideoModes(monitor, &count) : nullptr;
  if (!modes) count = 0;
  if (count > kMaxVideoModes) count = kMaxVideoModes;
  Array<ZrGlfwVideoMode*> records(count);
  for (int i = 0; i < count; ++i) {
    ZrGlfwVideoMode* record = new ZrGlfwVideoMode;
    record->width = modes[i].width;
    record->height = modes[i].height;
    record->redBits = modes[i].redBits;
    record->greenBits = modes[i].greenBits;
    record->blueBits = modes[i].blueBits;
    gc_assign(records[i], record);
  }
  return records;
}

Array<ZrDisplayMode*> ZrGlfwGame::GetDisplayModes() {
  Array<ZrGlfwVideoMode*> videoModes = GetGlfwVideoModes();
  Array<ZrDisplayMode*> modes(videoModes.Length());
  for (int i = 0; i < videoModes.Length(); ++i) {
    ZrDisplayMode* mode = new ZrDisplayMode;
    mode->width = videoModes[i]->width;
    mode->height = videoModes[i]->height;
    gc_assign(modes[i], mode);
  }
  return modes;
}

ZrDisplayMode* ZrGlfwGame::GetDesktopMode() {
  ZrGlfwVideoMode* desktop = GetGlfwDesktopMode();
  if (!desktop) return nullptr;
  ZrDisplayMode* mode = new ZrDisplayMode;
  mode->width = desktop->width;
  mode->height = desktop->height;
  return mode;
}
