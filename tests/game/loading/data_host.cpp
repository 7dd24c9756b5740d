// The asset tests' host: toolkit paths resolved against a folder with the generated
// data, images and sounds decoded by the runtime's own decoders.
#include "data_host.h"

#include <cstdio>

#include "runtime/audio/sound_decoding.h"
#include "runtime/storage/data_paths.h"
#include "runtime/storage/file_loading.h"

namespace {
const char kDataPrefix[] = "quillo://data/";
}  // namespace

DataHost::DataHost(const std::string& appDir) : m_appDir(appDir) {}

String DataHost::PathToFilePath(String path) {
  return zr_storage_ToFilePath(path, String(m_appDir.c_str()));
}

void DataHost::SetDeviceSize(int width, int height) {
  m_deviceW = width;
  m_deviceH = height;
}

std::vector<std::string> DataHost::TakeRequests() {
  std::vector<std::string> taken;
  taken.swap(m_requests);
  return taken;
}

FILE* DataHost::OpenData(const String& path) {
  std::string name = path.ToNarrow();
  if (name.rfind(kDataPrefix, 0) == 0) name = name.substr(sizeof kDataPrefix - 1);
  m_requests.push_back(name);
  if (m_hidden.count(name)) return nullptr;
  return OpenFile(path, "rb");
}

unsigned char* DataHost::LoadImageData(String path, int* width, int* height, int* components) {
  FILE* file = OpenData(path);
  if (!file) return nullptr;
  unsigned char* pixels = zr_storage_DecodeImage(file, width, height, components);
  std::fclose(file);
  return pixels;
}

unsigned char* DataHost::LoadAudioData(String path, int* length, int* channels, int* format,
                                       int* hertz) {
  FILE* file = OpenData(path);
  if (!file) return nullptr;
  unsigned char* samples = zr_audio_LoadAudioFile(file, path, length, channels, format, hertz);
  std::fclose(file);
  return samples;
}
