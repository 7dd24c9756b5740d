// The audio tests' host: toolkit paths resolved against a test folder, files decoded by
// the audio decoders.
#include "audio_test_host.h"

#include <cstdio>

#include "runtime/audio/sound_decoding.h"
#include "runtime/storage/data_paths.h"

AudioTestHost::AudioTestHost(const std::string& appDir) : m_appDir(appDir) {}

unsigned char* AudioTestHost::LoadAudioData(String path, int* length, int* channels, int* format, int* hertz) {
  std::string filePath = zr_storage_ToFilePath(path, String(m_appDir.c_str())).ToNarrow();
  FILE* file = filePath.empty() ? nullptr : std::fopen(filePath.c_str(), "rb");
  if (!file) return nullptr;
  unsigned char* data = zr_audio_LoadAudioFile(file, path, length, channels, format, hertz);
  std::fclose(file);
  return data;
}
