// A windowless host for the audio tests: its data folder lives under a test folder, and
// it decodes sound files the way the desktop host does (open, decode by ending, close),
// so the audio device can be driven end to end without a window.
#pragma once

#include <string>

#include "host/zr_game.h"

class AudioTestHost : public ZrGame {
 public:
  // appDir plays the executable's folder: "sfx/x.wav" is found in appDir/data/sfx/x.wav.
  explicit AudioTestHost(const std::string& appDir);

  unsigned char* LoadAudioData(String path, int* length, int* channels, int* format, int* hertz) override;

 private:
  std::string m_appDir;
};
