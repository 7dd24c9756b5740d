// A headless host for the asset tests: it reads the generated data folder the way the
// desktop host does, reports a device size the test chooses, records every data file
// the game asks for and can make chosen files read as missing.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "host/headless_game.h"

class DataHost : public ZrHeadlessGame {
 public:
  // appDir plays the executable's folder: its data/ subfolder is the game's data.
  explicit DataHost(const std::string& appDir);

  int GetDeviceWidth() override { return m_deviceW; }
  int GetDeviceHeight() override { return m_deviceH; }
  String PathToFilePath(String path) override;
  unsigned char* LoadImageData(String path, int* width, int* height, int* components) override;
  unsigned char* LoadAudioData(String path, int* length, int* channels, int* format,
                               int* hertz) override;

  void SetDeviceSize(int width, int height);
  // A data file (relative to the data folder) that from now on reads as missing.
  void Hide(const std::string& file) { m_hidden.insert(file); }
  void ShowAll() { m_hidden.clear(); }
  // The data files asked for since the last call, in order, relative to the data folder.
  std::vector<std::string> TakeRequests();

 private:
  // Records the request; null when the file is hidden or cannot be opened.
  FILE* OpenData(const String& path);

  std::string m_appDir;
  int m_deviceW = 640;
  int m_deviceH = 480;
  std::set<std::string> m_hidden;
  std::vector<std::string> m_requests;
};
