// c_GameDelegate: the one receiver of host events. It creates the graphics, audio and
// input devices when the game starts, keeps the app's idea of the window size current,
// and turns each host event into calls on the application object with the devices
// wrapped around them (input polled before an update and cleared after it, the render
// device opened and flushed around a render).
#pragma once

#include "host/zr_game.h"

class gxtkGraphics;
class gxtkAudio;
class c_InputDevice;

class c_GameDelegate : public ZrGameDelegate {
 public:
  gxtkGraphics* m__graphics = nullptr;
  gxtkAudio* m__audio = nullptr;
  c_InputDevice* m__input = nullptr;

  c_GameDelegate* m_new() { return this; }
  void mark() override;

  void StartGame() override;
  void SuspendGame() override;
  void ResumeGame() override;
  void UpdateGame() override;
  void RenderGame() override;
  void KeyEvent(int event, int data) override;
  void MouseEvent(int event, int data, float x, float y) override;
  void DiscardGraphics() override;
};
