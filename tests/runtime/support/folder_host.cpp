// The stand-in host's file access: paths go through the desktop's path rules, and files
// are opened and handed to the storage and audio decoders as the desktop host does.
#include "folder_host.h"

#include <stb/stb_image_write.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "runtime/audio/sound_decoding.h"
#include "runtime/storage/data_paths.h"
#include "runtime/storage/file_loading.h"

FolderHost::FolderHost(std::string folder) : folder_(std::move(folder)) {
  std::filesystem::create_directories(folder_ + "/data");
}

String FolderHost::PathToFilePath(String path) { return zr_storage_ToFilePath(path, String::FromUtf8(folder_)); }

unsigned char* FolderHost::LoadImageData(String path, int* width, int* height, int* components) {
  ++decodes;
  FILE* file = std::fopen(PathToFilePath(path).ToUtf8().c_str(), "rb");
  if (!file) return nullptr;
  unsigned char* pixels = zr_storage_DecodeImage(file, width, height, components);
  std::fclose(file);
  return pixels;
}

unsigned char* FolderHost::LoadAudioData(String path, int* length, int* channels, int* format, int* hertz) {
  FILE* file = std::fopen(PathToFilePath(path).ToUtf8().c_str(), "rb");
  if (!file) return nullptr;
  unsigned char* data = zr_audio_LoadAudioFile(file, path, length, channels, format, hertz);
  std::fclose(file);
  return data;
}

void FolderHost::WritePngBytes(const std::string& name, int width, int height, int components,
                               const std::vector<unsigned char>& bytes) {
  std::filesystem::create_directories(std::filesystem::path(PathOf(name)).parent_path());
  stbi_write_png(PathOf(name).c_str(), width, height, components, bytes.data(), width * components);
}

void FolderHost::WriteBytes(const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(PathOf(name)).parent_path());
  FILE* file = std::fopen(PathOf(name).c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::string MakeTempFolder(const std::string& stem) {
  static std::vector<std::string>* made = nullptr;
  if (!made) {
    made = new std::vector<std::string>;
    std::atexit([] {
      std::error_code ignored;
      for (const std::string& folder : *made) std::filesystem::remove_all(folder, ignored);
    });
  }
  std::string unique = std::to_string(getpid()) + "-" + std::to_string(made->size());
  std::filesystem::path folder = std::filesystem::temp_directory_path() / (stem + "-" + unique);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  made->push_back(folder.string());
  return folder.string();
}
