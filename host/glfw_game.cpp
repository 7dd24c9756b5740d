// ZrGlfwGame's construction and its plain services: the update rate and the clock the
// loop keeps, and the files (data paths beside the executable, images, sounds, the state
// file). The window lives in glfw_window.cpp, the loop in frame_loop.cpp, the input
// callbacks in glfw_input.cpp.
#include "host/glfw_game.h"

#include "host/glfw_loop_platform.h"
#include "host/url_opener.h"
#include "runtime/audio/sound_decoding.h"
#include "runtime/diagnostics.h"
#include "runtime/graphics/counting_gl_seam.h"
#include "runtime/storage/data_paths.h"
#include "runtime/storage/file_loading.h"

ZrGlfwGame* ZrGlfwGame::_glfwGame = nullptr;

ZrGlfwGame::ZrGlfwGame()
    : _updatePeriod(0.0),
      _nextUpdate(0.0),
      _swapInterval(-1),
      _window(nullptr),
      _glfwPlatform(new GlfwLoopPlatform(&_window)),
      _platform(_glfwPlatform.get()) {
  _glfwGame = this;
}

ZrGlfwGame::~ZrGlfwGame() {
  if (_glfwGame == this) _glfwGame = nullptr;
  if (_drawCounter && gl_seam() == _drawCounter.get()) gl_seam_use(_drawCounter->Inner());
}

void ZrGlfwGame::SetLoopPlatform(ZrLoopPlatform* platform) { _platform = platform ? platform : _glfwPlatform.get(); }

void ZrGlfwGame::EnableFrameStats(FrameStats::Sink sink) {
  _drawCounter.reset(new CountingGlSeam(gl_seam()));
  gl_seam_use(_drawCounter.get());
  CountingGlSeam* counter = _drawCounter.get();
  _frameStats.reset(new FrameStats(std::move(sink), [counter] { return counter->TakeDrawCalls(); }));
}

void ZrGlfwGame::SetUpdateRate(int hertz) {
  _updateRate = hertz;
  if (hertz != 0) _updatePeriod = 1.0 / hertz;
  // Whatever the rate, the schedule starts afresh; a running catch-up burst stops.
  _nextUpdate = 0.0;
}

int ZrGlfwGame::Millisecs() { return static_cast<int>(_platform->Now() * 1000.0); }

int ZrGlfwGame::SaveState(String state) { return ZrGame::SaveState(state); }
String ZrGlfwGame::LoadState() { return ZrGame::LoadState(); }

void ZrGlfwGame::OpenUrl(String url) { zr_host_OpenUrl(url.ToNarrow()); }

String ZrGlfwGame::PathToFilePath(String path) {
  if (_appDir.IsEmpty()) _appDir = zr_storage_ExecutableDir();
  return zr_storage_ToFilePath(path, _appDir);
}

String ZrGlfwGame::DataFolder() {
  String folder = PathToFilePath(String("quillo://data/"));
  return folder.EndsWith("/") ? folder.Slice(0, folder.Length() - 1) : folder;
}

// A file the game asked for that cannot be had is named on the standard error, so a
// player or packager can see what is missing; the game goes on without it.
unsigned char* ZrGlfwGame::LoadImageData(String path, int* width, int* height, int* components) {
  FILE* file = OpenFile(path, "rb");
  if (!file) {
    zrWarn(String("Missing data file ") + PathToFilePath(path));
    return nullptr;
  }
  unsigned char* pixels = zr_storage_DecodeImage(file, width, height, components);
  std::fclose(file);
  if (!pixels) zrWarn(String("Damaged data file ") + PathToFilePath(path));
  return pixels;
}

unsigned char* ZrGlfwGame::LoadAudioData(String path, int* length, int* channels, int* format, int* hertz) {
  FILE* file = OpenFile(path, "rb");
  if (!file) {
    zrWarn(String("Missing data file ") + PathToFilePath(path));
    return nullptr;
  }
  unsigned char* samples = zr_audio_LoadAudioFile(file, path, length, channels, format, hertz);
  std::fclose(file);
  if (!samples) zrWarn(String("Damaged data file ") + PathToFilePath(path));
  return samples;
}
