// The delegate's event handling. Start creates the devices before the application's
// create handler runs, so the game can load images and sounds there. The back and close
// keys reach the application on every key-down, even a repeated one, because ending the
// program must never depend on the key having been up before.
#include "host/game_delegate.h"

#include "host/app.h"
#include "runtime/audio/audio.h"
#include "runtime/graphics/graphics.h"
#include "runtime/input/input.h"

namespace {
const int kLoadingMode = 2;
const int kKeyDown = 1;
const int kBackKey = 416;
const int kCloseKey = 432;
}  // namespace

void c_GameDelegate::mark() {
  gc_mark_q(m__graphics);
  gc_mark_q(m__audio);
  gc_mark_q(m__input);
}

void c_GameDelegate::StartGame() {
  gc_assign(m__graphics, (new gxtkGraphics)->m_new());
  zr_graphics_SetGraphicsDevice(m__graphics);
  zr_graphics_SetFont(nullptr, 32);

  gc_assign(m__audio, (new gxtkAudio)->m_new());
  zr_audio_SetAudioDevice(m__audio);

  gc_assign(m__input, (new c_InputDevice)->m_new());
  zr_input_SetInputDevice(m__input);

  zr_app_ValidateDeviceWindow(false);
  zr_app_EnumDisplayModes();
  zr_app__app->p_OnCreate();
}

void c_GameDelegate::SuspendGame() {
  zr_app__app->p_OnSuspend();
  m__audio->Suspend();
}

void c_GameDelegate::ResumeGame() {
  m__audio->Resume();
  zr_app__app->p_OnResume();
}

void c_GameDelegate::UpdateGame() {
  zr_app_ValidateDeviceWindow(false);
  m__input->p_BeginUpdate();
  zr_app__app->p_OnUpdate();
  m__input->p_EndUpdate();
}

void c_GameDelegate::RenderGame() {
  zr_app_ValidateDeviceWindow(false);
  int mode = m__graphics->BeginRender();
  if (mode != 0) zr_graphics_BeginRender();
  if (mode == kLoadingMode)
    zr_app__app->p_OnLoading();
  else
    zr_app__app->p_OnRender();
  if (mode != 0) zr_graphics_EndRender();
  m__graphics->EndRender();
}

void c_GameDelegate::KeyEvent(int event, int data) {
  m__input->p_KeyEvent(event, data);
  if (event != kKeyDown) return;
  if (data == kBackKey) zr_app__app->p_OnBack();
  if (data == kCloseKey) zr_app__app->p_OnClose();
}

void c_GameDelegate::MouseEvent(int event, int data, float x, float y) { m__input->p_MouseEvent(event, data, x, y); }

void c_GameDelegate::DiscardGraphics() { m__graphics->DiscardGraphics(); }
