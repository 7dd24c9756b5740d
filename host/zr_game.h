// ZrGame: the platform-neutral host. It owns the event guards (started, suspended), hands
// every host event to the one delegate and runs a slice of collection after each event.
// Its defaults are harmless (no window, no clock, no files), which is what a headless run
// needs; ZrGlfwGame overrides them with the desktop window, clock, joysticks and files.
// There is exactly one host object per process, reached through ZrGame::_game.
#pragma once

#include <cstdio>

#include "runtime/array.h"
#include "runtime/gc.h"
#include "runtime/string.h"

// The abstract receiver of host events; every operation defaults to doing nothing.
class ZrGameDelegate : public Object {
 public:
  virtual void StartGame() {}
  virtual void SuspendGame() {}
  virtual void ResumeGame() {}
  virtual void UpdateGame() {}
  virtual void RenderGame() {}
  virtual void KeyEvent(int event, int data) { (void)event, (void)data; }
  virtual void MouseEvent(int event, int data, float x, float y) { (void)event, (void)data, (void)x, (void)y; }
  virtual void DiscardGraphics() {}
};

// Width and height of a video mode; the three further fields are always 0.
class ZrDisplayMode : public Object {
 public:
  int width = 0;
  int height = 0;
  int format = 0;
  int hertz = 0;
  int flags = 0;
};

class ZrGame {
 public:
  ZrGame();
  virtual ~ZrGame();

  static ZrGame* _game;

  virtual void SetDelegate(ZrGameDelegate* delegate);
  virtual ZrGameDelegate* Delegate();
  virtual void SetKeyboardEnabled(bool enabled);
  virtual bool KeyboardEnabled();
  virtual void SetUpdateRate(int hertz);
  virtual int UpdateRate();
  virtual bool Started();
  virtual bool Suspended();
  virtual int Millisecs();
  virtual void GetDate(Array<int> date);
  virtual int SaveState(String state);
  virtual String LoadState();
  virtual String LoadString(String path);
  virtual bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz, Array<bool> buttons);
  virtual void OpenUrl(String url);
  virtual void SetMouseVisible(bool visible);
  virtual int GetDeviceWidth();
  virtual int GetDeviceHeight();
  virtual void SetDeviceWindow(int width, int height, int flags);
  virtual Array<ZrDisplayMode*> GetDisplayModes();
  virtual ZrDisplayMode* GetDesktopMode();
  virtual void SetSwapInterval(int interval);
  virtual String PathToFilePath(String path);
  // The folder the game's data files are read from, as a platform path without a
  // trailing slash; empty for a host that reads no data folder (the headless ones).
  virtual String DataFolder();
  virtual FILE* OpenFile(String path, String mode);
  virtual unsigned char* LoadData(String path, int* length);
  virtual unsigned char* LoadImageData(String path, int* width, int* height, int* components);
  virtual unsigned char* LoadAudioData(String path, int* length, int* channels, int* format, int* hertz);
  // Whether the audio device should open a sound output. A host that only simulates the
  // game (the headless runner) answers no, and the device then stays silent without
  // touching the sound system at all.
  virtual bool PlaysSound();
  [[noreturn]] virtual void Die(ThrowableObject* thrown);
  virtual void gc_collect();
  virtual void StartGame();
  virtual void SuspendGame();
  virtual void ResumeGame();
  virtual void UpdateGame();
  virtual void RenderGame();
  virtual void KeyEvent(int event, int data);
  virtual void MouseEvent(int event, int data, float x, float y);
  virtual void DiscardGraphics();

 protected:
  ZrGameDelegate* _delegate;
  bool _keyboardEnabled;
  int _updateRate;
  bool _started;
  bool _suspended;
};
