// ZrGame: the platform-neutral host base. It guards the event order (nothing before
// StartGame, no updates while suspended), forwards each event to the delegate under a
// handler for the runtime's throwables, and gives the collector a slice after each one.
// Its platform answers are the quiet defaults a windowless run needs; the files it
// does handle (state file, plain loads) go through the storage layer.
#include "host/zr_game.h"

#include <cstdlib>
#include <ctime>

#include "runtime/diagnostics.h"
#include "runtime/storage/file_loading.h"
#include "runtime/storage/state_file.h"

ZrGame* ZrGame::_game = nullptr;

namespace {

const char kStateFile[] = "./.quillostate";

}  // namespace

ZrGame::ZrGame()
    : _delegate(nullptr), _keyboardEnabled(false), _updateRate(0), _started(false), _suspended(false) {
  _game = this;
}

ZrGame::~ZrGame() {
  if (_game == this) _game = nullptr;
}

void ZrGame::SetDelegate(ZrGameDelegate* delegate) { gc_assign(_delegate, delegate); }
ZrGameDelegate* ZrGame::Delegate() { return _delegate; }
void ZrGame::SetKeyboardEnabled(bool enabled) { _keyboardEnabled = enabled; }
bool ZrGame::KeyboardEnabled() { return _keyboardEnabled; }
void ZrGame::SetUpdateRate(int hertz) { _updateRate = hertz; }
int ZrGame::UpdateRate() { return _updateRate; }
bool ZrGame::Started() { return _started; }
bool ZrGame::Suspended() { return _suspended; }
int ZrGame::Millisecs() { return 0; }

void ZrGame::GetDate(Array<int> date) {
  int count = date.Length() < 7 ? date.Length() : 7;
  if (count == 0) return;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const int fields[7] = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                         local.tm_min,         local.tm_sec,     0};
  for (int i = 0; i < count; ++i) date[i] = fields[i];
}

int ZrGame::SaveState(String state) { return zr_storage_SaveState(state, kStateFile, zr_storage_PosixFileSystem()); }

String ZrGame::LoadState() { return zr_storage_LoadState(kStateFile); }

String ZrGame::LoadString(String path) {
  FILE* file = OpenFile(path, "rb");
  if (!file) return String();
  String text = String::Load(file);
  std::fclose(file);
  return text;
}

bool ZrGame::PollJoystick(int, Array<float>, Array<float>, Array<float>, Array<bool>) { return false; }
void ZrGame::OpenUrl(String) {}
void ZrGame::SetMouseVisible(bool) {}
int ZrGame::GetDeviceWidth() { return 0; }
int ZrGame::GetDeviceHeight() { return 0; }
void ZrGame::SetDeviceWindow(int, int, int) {}
Array<ZrDisplayMode*> ZrGame::GetDisplayModes() { return Array<ZrDisplayMode*>(); }
ZrDisplayMode* ZrGame::GetDesktopMode() { return nullptr; }
void ZrGame::SetSwapInterval(int) {}
String ZrGame::PathToFilePath(String path) { return path; }
String ZrGame::DataFolder() { return String(); }

FILE* ZrGame::OpenFile(String path, String mode) {
  String filePath = PathToFilePath(path);
  if (filePath.IsEmpty()) return nullptr;
  return zr_storage_OpenFile(filePath, mode);
}

unsigned char* ZrGame::LoadData(String path, int* length) {
  FILE* file = OpenFile(path, "rb");
  if (!file) return nullptr;
  unsigned char* bytes = zr_storage_ReadWholeFile(file, length);
  std::fclose(file);
  return bytes;
}

unsigned char* ZrGame::LoadImageData(String, int*, int*, int*) { return nullptr; }
unsigned char* ZrGame::LoadAudioData(String, int*, int*, int*, int*) { return nullptr; }
bool ZrGame::PlaysSound() { return true; }

void ZrGame::Die(ThrowableObject*) {
  zrPrint("Quillo Runtime Error : Uncaught Quillo Exception");
  std::exit(-1);
}

// The delegate is marked directly each time: it lives as long as the host, whoever else
// holds it.
void ZrGame::gc_collect() {
  if (_delegate) gc_mark(_delegate);
  ::gc_collect();
}

namespace {

// Runs one delegate call; a runtime throwable that escapes it ends the program. The
// collector gets its slice afterwards, when no object reference lives on the stack.
template <class Call>
void deliver(ZrGame& host, ZrGameDelegate* delegate, Call call) {
  if (delegate) {
    try {
      call(delegate);
    } catch (ThrowableObject* thrown) {
      host.Die(thrown);
    }
  }
  host.gc_collect();
}

}  // namespace

void ZrGame::StartGame() {
  if (_started) return;
  _started = true;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->StartGame(); });
}

void ZrGame::SuspendGame() {
  if (!_started || _suspended) return;
  _suspended = true;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->SuspendGame(); });
}

void ZrGame::ResumeGame() {
  if (!_started || !_suspended) return;
  _suspended = false;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->ResumeGame(); });
}

void ZrGame::UpdateGame() {
  if (!_started || _suspended) return;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->UpdateGame(); });
}

void ZrGame::RenderGame() {
  if (!_started) return;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->RenderGame(); });
}

void ZrGame::KeyEvent(int event, int data) {
  if (!_started) return;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->KeyEvent(event, data); });
}

void ZrGame::MouseEvent(int event, int data, float x, float y) {
  if (!_started) return;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->MouseEvent(event, data, x, y); });
}

void ZrGame::DiscardGraphics() {
  if (!_started) return;
  deliver(*this, _delegate, [&](ZrGameDelegate* d) { d->DiscardGraphics(); });
}
