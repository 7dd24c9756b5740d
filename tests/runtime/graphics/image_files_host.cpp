// Decoding and writing of the test host's image files. Decoding goes straight to
// stb_image, as the real host does, so what the device receives matches a real run;
// "quillo://data/" names are looked up in the host's own folder.
#include "image_files_host.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

unsigned char* ImageFilesHost::LoadImageData(String path, int* width, int* height, int* components) {
  ++decodes;
  std::string name = path.ToNarrow();
  const std::string dataScheme = "quillo://data/";
  if (name.rfind(dataScheme, 0) == 0) name = PathOf(name.substr(dataScheme.size()));
  return stbi_load(name.c_str(), width, height, components, 0);
}

void ImageFilesHost::WritePngBytes(const std::string& name, int width, int height, int components,
                                   const std::vector<unsigned char>& bytes) {
  stbi_write_png(PathOf(name).c_str(), width, height, components, bytes.data(), width * components);
}

void ImageFilesHost::WriteBytes(const std::string& name, const std::string& bytes) {
  FILE* file = std::fopen(PathOf(name).c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::string MakeTempFolder(const std::string& stem) {
  static int made = 0;
  std::string unique = std::to_string(getpid()) + "-" + std::to_string(++made);
  std::filesystem::path folder = std::filesystem::temp_directory_path() / (stem + "-" + unique);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string();
}
